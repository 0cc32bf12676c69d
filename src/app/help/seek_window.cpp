#include "help/seek_window.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include "text/cell_codec.h"
#include "text/cell_text.h"
#include "wait_cursor.h"

namespace gyrant {

SeekWindow::SeekWindow(const FolderReader& reader, Dialogs& dialogs, const std::string& fileName,
                       QWidget* parent)
    : QDialog(parent),
      m_reader(reader),
      m_dialogs(dialogs),
      m_fileName(fileName),
      m_seekFileName(fileName) {
    setObjectName(QStringLiteral("frmSeek"));
    setWindowTitle(QStringLiteral("File Seek"));
    m_drives = new QComboBox(this);
    for (const std::string& drive : reader.Drives()) m_drives->addItem(FromCell(drive));
    m_instructions = new QLabel(this);
    m_foldersSearched = new QLabel(this);
    m_count = new QLabel(this);
    m_choose = new QLabel(this);
    m_choose->setWordWrap(true);
    m_found = new QListWidget(this);
    auto* search = new QPushButton(QStringLiteral("Search"), this);
    auto* cancel = new QPushButton(QStringLiteral("Cancel/Halt"), this);
    m_use = new QPushButton(QStringLiteral("Use"), this);
    m_use->hide();
    connect(search, &QPushButton::clicked, this, &SeekWindow::Search);
    connect(cancel, &QPushButton::clicked, this, &SeekWindow::CancelOrHalt);
    connect(m_use, &QPushButton::clicked, this, &SeekWindow::Use);
    connect(m_found, &QListWidget::itemDoubleClicked, this, &SeekWindow::Use);

    auto* counts = new QHBoxLayout;
    counts->addWidget(new QLabel(QStringLiteral("Folders Searched:"), this));
    counts->addWidget(m_foldersSearched, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(search);
    buttons->addWidget(cancel);
    buttons->addWidget(m_use);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_instructions);
    layout->addWidget(m_drives);
    layout->addLayout(counts);
    layout->addWidget(m_count);
    layout->addWidget(m_found, 1);
    layout->addWidget(m_choose);
    layout->addLayout(buttons);
    resize(420, 360);
    ShowInstructions();
}

void SeekWindow::ShowInstructions() {
    m_instructions->setText(FromMessage(SeekInstructions(m_fileName)));
}

bool SeekWindow::KeepGoing(int folders, const std::vector<std::string>& found) {
    m_foldersSearched->setText(FromCell(GeneralForm(m_foldersBefore + folders)));
    ShowFound(found);
    QCoreApplication::processEvents();
    return m_searching;
}

void SeekWindow::ShowFound(const std::vector<std::string>& found) {
    if (m_found->count() == static_cast<int>(found.size())) return;
    m_found->clear();
    for (const std::string& path : found) m_found->addItem(FromCell(path));
    m_count->setText(FromCell(FoundCountText(found.size(), m_fileName)));
}

SeekResult SeekWindow::SearchDrive(const std::string& drive) {
    WaitCursor busy(Qt::BusyCursor);
    m_count->clear();
    m_found->clear();
    ShowInstructions();
    m_searching = true;
    SeekResult result = SeekFile(m_reader, drive, m_fileName, IsProgramFileName(m_fileName),
                                 [this](int folders, const std::vector<std::string>& found) {
                                     return KeepGoing(folders, found);
                                 });
    m_searching = false;
    m_foldersBefore += result.foldersSearched;
    ShowFound(result.found);
    return result;
}

void SeekWindow::Search() {
    if (m_searching) return;
    std::string drive = ToCell(m_drives->currentText());
    SeekStep next = NextSeekStep(SearchDrive(drive), drive, m_fileName);
    switch (next.kind) {
        case SeekStep::SayNotFound:
            Tell(m_dialogs, next.text, "File Seek");
            break;
        case SeekStep::TakeOnlyCopy:
            m_seekFileName = next.text;
            accept();
            break;
        case SeekStep::LetUserPick:
            m_use->show();
            m_choose->setText(FromCell(next.text));
            break;
    }
}

void SeekWindow::CancelOrHalt() {
    if (!m_searching) {
        m_seekFileName.clear();
        reject();
        return;
    }
    Answer halt = m_dialogs.ShowMessage({"Halt searching for file ?",
                                         "                   Halt ?                    ",
                                         Buttons::YesNo, Icon::None, Answer::Yes});
    if (halt == Answer::Yes) m_searching = false;
}

void SeekWindow::Use() {
    QListWidgetItem* item = m_found->currentItem();
    m_seekFileName = item ? ToCell(item->text()) : std::string{};
    accept();
}

void SeekWindow::done(int result) {
    // Closing the window stops a search that is running.
    m_searching = false;
    QDialog::done(result);
}

std::string SeekWindowSeeker::Seek(const std::string& fileName) {
    SeekWindow window(m_reader, m_dialogs, fileName, m_parent);
    window.exec();
    return window.SeekFileName();
}

}  // namespace gyrant
