#pragma once

// The file seek window `frmSeek`: searches a disk for a file by name and hands back the path of
// the copy the user picks.

#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include "help/file_seek.h"
#include "ports/dialogs.h"
#include "ports/launcher.h"

namespace gyrant {

class SeekWindow : public QDialog {
    Q_OBJECT

  public:
    SeekWindow(const FolderReader& reader, Dialogs& dialogs, const std::string& fileName,
               QWidget* parent);

    // The chosen path; the name it was given when the window closed otherwise; empty on Cancel.
    const std::string& SeekFileName() const { return m_seekFileName; }

    QComboBox* Drives() { return m_drives; }
    QListWidget* Found() { return m_found; }
    void Search();
    void CancelOrHalt();

  protected:
    void done(int result) override;

  private:
    void Use();
    void ShowInstructions();
    // Searches the drive under the busy cursor and shows what it found.
    SeekResult SearchDrive(const std::string& drive);
    void ShowFound(const std::vector<std::string>& found);
    bool KeepGoing(int folders, const std::vector<std::string>& found);

    const FolderReader& m_reader;
    Dialogs& m_dialogs;
    std::string m_fileName;
    std::string m_seekFileName;
    QComboBox* m_drives = nullptr;
    QLabel* m_instructions = nullptr;
    QLabel* m_foldersSearched = nullptr;
    QLabel* m_count = nullptr;
    QLabel* m_choose = nullptr;
    QListWidget* m_found = nullptr;
    QPushButton* m_use = nullptr;
    bool m_searching = false;
    int m_foldersBefore = 0;
};

// Finds files through the seek window, shown modally over a parent window.
class SeekWindowSeeker : public FileSeeker {
  public:
    SeekWindowSeeker(Dialogs& dialogs, QWidget* parent) : m_dialogs(dialogs), m_parent(parent) {}
    std::string Seek(const std::string& fileName) override;

  private:
    Dialogs& m_dialogs;
    QWidget* m_parent;
    LocalFolderReader m_reader;
};

}  // namespace gyrant
