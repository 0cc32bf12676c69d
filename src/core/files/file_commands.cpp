#include "files/file_commands.h"

#include "engine/update_table.h"
#include "files/display_name.h"
#include "files/settings_file.h"
#include "files/spec_file.h"
#include "model/setup_tables.h"

namespace gyrant {
namespace {

constexpr const char* kAllFiles = "All Files (*.*)|*.*";
constexpr std::size_t kLongestFileName = 40;

void Tell(Dialogs& dialogs, const std::string& text, const std::string& title, Icon icon = Icon::None) {
    dialogs.ShowMessage({text, title, Buttons::Ok, icon, Answer::Ok});
}

FileChooser Chooser(const Worksheet& sheet, const char* title) {
    FileChooser chooser;
    chooser.title = title;
    chooser.filter = kAllFiles;
    chooser.folder = DefaultSpecFolder(sheet);
    chooser.proposedName = FileNameOf(sheet.CurrentFilePath);
    return chooser;
}

void ReportRead(const SpecFileResult& read, Dialogs& dialogs) {
    switch (read.status) {
        case SpecFileStatus::NotSpecFile:
        case SpecFileStatus::Unreadable:
            Tell(dialogs, read.message, "Bad File");
            break;
        case SpecFileStatus::Incomplete:
            Tell(dialogs, read.message, "Incomplete File", Icon::Exclamation);
            break;
        default:
            break;
    }
}

bool Write(Worksheet& sheet, Dialogs& dialogs) {
    SpecFileResult written = ReadWriteSpecFile(sheet, false);
    if (written.status == SpecFileStatus::Done) return true;
    Tell(dialogs, written.message, "File Not Saved", Icon::Critical);
    return false;
}

}  // namespace


void OpenSpecFile(Worksheet& sheet, RowEditor& editor, Dialogs& dialogs) {
    FileChooser chooser = Chooser(sheet, "Open a File");
    chooser.mustExist = true;
    std::optional<std::string> path = dialogs.ChooseOpenFile(chooser);
    if (path && !path->empty()) OpenNamedSpecFile(sheet, editor, dialogs, *path);
}

void OpenNamedSpecFile(Worksheet& sheet, RowEditor& editor, Dialogs& dialogs, const std::string& path) {
    sheet.SpecFilePath = path;
    ReportRead(ReadWriteSpecFile(sheet, true), dialogs);
    Outcome setup = SetupTables(sheet);
    if (!setup.ok) Tell(dialogs, setup.message, "Gyrant", Icon::Critical);
    Recalculate(sheet);
    sheet.CurrentTable = kBaseline;
    sheet.Table(kBaseline).SetCurrentRow(1);
    editor.TableClick(kBaseline, 1);
}

bool SaveSpecFile(Worksheet& sheet, Dialogs& dialogs) {
    if (sheet.CurrentFilePath == "Untitled") return SaveSpecFileAs(sheet, dialogs);
    sheet.SpecFilePath = sheet.CurrentFilePath;
    return Write(sheet, dialogs);
}

bool SaveSpecFileAs(Worksheet& sheet, Dialogs& dialogs) {
    FileChooser chooser = Chooser(sheet, "Save a File");
    chooser.confirmReplace = true;
    std::optional<std::string> path = dialogs.ChooseSaveFile(chooser);
    if (!path || path->empty()) return false;
    std::size_t split = path->find_last_of("/\\");
    std::string folder = split == std::string::npos ? std::string{} : path->substr(0, split + 1);
    std::string name = split == std::string::npos ? *path : path->substr(split + 1);
    if (name.size() > kLongestFileName) {
        name.resize(kLongestFileName);
        Tell(dialogs, "File Name shortened to first 40 characters:\r\r    " + name, "Gyrant");
    }
    sheet.SpecFilePath = folder + name;
    return Write(sheet, dialogs);
}

bool ExitProgram(Worksheet& sheet, Dialogs& dialogs) {
    if (sheet.SpecsChanged == 1) {
        Answer answer = dialogs.ShowMessage(
            {"Save these specs to a file?\r\rIf you say No, any changes you have made will not be saved.",
             "Save Changes?", Buttons::YesNoCancel, Icon::Question, Answer::Yes});
        if (answer == Answer::Cancel) return false;
        if (answer == Answer::Yes && !SaveSpecFileAs(sheet, dialogs)) return false;
    }
    Outcome written = WriteSettings(sheet, SettingsPath(sheet));
    if (!written.ok) Tell(dialogs, written.message, "Gyrant", Icon::Exclamation);
    return true;
}

void KeepComments(Worksheet& sheet, const std::string& comments) {
    if (comments == sheet.FileComments) return;
    sheet.FileComments = comments;
    sheet.SpecsChanged = 1;
}

}  // namespace gyrant
