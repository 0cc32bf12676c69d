#include "ports/qt_dialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <map>

#include "text/cell_codec.h"

namespace gyrant {
namespace {

QMessageBox::Icon ToQt(Icon icon) {
    switch (icon) {
        case Icon::Question:
            return QMessageBox::Question;
        case Icon::Exclamation:
            return QMessageBox::Warning;
        case Icon::Information:
            return QMessageBox::Information;
        case Icon::Critical:
            return QMessageBox::Critical;
        case Icon::None:
            break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButton ToQt(Answer answer) {
    switch (answer) {
        case Answer::Yes:
            return QMessageBox::Yes;
        case Answer::No:
            return QMessageBox::No;
        case Answer::Cancel:
            return QMessageBox::Cancel;
        case Answer::Replace:
        case Answer::SaveAs:
            return QMessageBox::NoButton;
        case Answer::Ok:
            break;
    }
    return QMessageBox::Ok;
}

QMessageBox::StandardButtons ToQt(Buttons buttons) {
    switch (buttons) {
        case Buttons::YesNo:
            return QMessageBox::Yes | QMessageBox::No;
        case Buttons::YesNoCancel:
            return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
        case Buttons::ReplaceSaveAsCancel:
            return QMessageBox::Cancel;
        case Buttons::Ok:
            break;
    }
    return QMessageBox::Ok;
}

// The buttons Qt has no standard one for, in the sets that hold them, with the answer each gives.
struct NamedButton {
    Buttons set;
    Answer answer;
    const char* text;
    QMessageBox::ButtonRole role;
};

constexpr NamedButton kNamedButtons[] = {
    {Buttons::ReplaceSaveAsCancel, Answer::Replace, "Replace", QMessageBox::AcceptRole},
    {Buttons::ReplaceSaveAsCancel, Answer::SaveAs, "Save As...", QMessageBox::ActionRole},
};

Answer FromQt(int button) {
    switch (button) {
        case QMessageBox::Yes:
            return Answer::Yes;
        case QMessageBox::No:
            return Answer::No;
        case QMessageBox::Cancel:
            return Answer::Cancel;
        default:
            return Answer::Ok;
    }
}

// "Gyrant worksheets (*.qrx)|*.qrx|All Files (*.*)|*.*" as Qt writes it: each filter's
// caption, in order, with "*.*" (every file) as this file system spells it.
QString ToQtFilter(const std::string& filter) {
    QStringList captions;
    const QStringList parts = FromCell(filter).split(QChar('|'));
    for (qsizetype i = 0; i < parts.size(); i += 2)
        captions << QString(parts[i]).replace(QStringLiteral("*.*"), QStringLiteral("*"));
    return captions.join(QStringLiteral(";;"));
}

// The ending a filter gives a name typed without one: "qrx" for "Gyrant worksheets (*.qrx)",
// none for every file.
QString EndingOf(const QString& filter) {
    static const QRegularExpression ending(QStringLiteral("\\(\\*\\.(\\w+)\\)$"));
    return ending.match(filter).captured(1);
}

// The window the user is working in owns the box, so the box stands over it and gives the focus
// back to it when answered.
QWidget* Owner(QWidget* fallback) {
    QWidget* active = QApplication::activeWindow();
    return active ? active : fallback;
}

// Paths are the file system's own (UTF-8), never cell text.
QString PathOf(const FileChooser& chooser) {
    return QString::fromStdString(chooser.folder) + QChar('/') +
           QString::fromStdString(chooser.proposedName);
}

}  // namespace

Answer QtDialogs::ShowMessage(const Message& message) {
    QMessageBox box(ToQt(message.icon), FromMessage(message.title), FromMessage(message.text),
                    ToQt(message.buttons), Owner(m_parent));
    box.setDefaultButton(ToQt(message.defaultButton));
    if (message.buttons == Buttons::YesNo) box.setEscapeButton(QMessageBox::No);
    std::map<QAbstractButton*, Answer> named;
    for (const NamedButton& button : kNamedButtons) {
        if (button.set != message.buttons) continue;
        QPushButton* added = box.addButton(QString::fromLatin1(button.text), button.role);
        named[added] = button.answer;
        if (button.answer == message.defaultButton) box.setDefaultButton(added);
    }
    int code = box.exec();
    auto clicked = named.find(box.clickedButton());
    return clicked != named.end() ? clicked->second : FromQt(code);
}

std::string QtDialogs::InputBox(const std::string& prompt, const std::string& title,
                                const std::string& defaultText) {
    bool ok = false;
    QString answer = QInputDialog::getText(Owner(m_parent), FromMessage(title), FromMessage(prompt),
                                           QLineEdit::Normal, FromCell(defaultText), &ok);
    return ok ? ToCell(answer) : std::string{};
}

std::optional<std::string> QtDialogs::ChooseOpenFile(const FileChooser& chooser) {
    QString folder = PathOf(chooser);
    QString path = QFileDialog::getOpenFileName(Owner(m_parent), FromCell(chooser.title), folder,
                                                ToQtFilter(chooser.filter));
    if (path.isEmpty()) return std::nullopt;
    return path.toStdString();
}

std::optional<std::string> QtDialogs::ChooseSaveFile(const FileChooser& chooser) {
    QFileDialog dialog(Owner(m_parent), FromCell(chooser.title), PathOf(chooser),
                       ToQtFilter(chooser.filter));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !chooser.confirmReplace);
    auto takeEnding = [&dialog](const QString& filter) {
        dialog.setDefaultSuffix(EndingOf(filter));
    };
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, takeEnding);
    takeEnding(dialog.selectedNameFilter());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return dialog.selectedFiles().first().toStdString();
}

}  // namespace gyrant
