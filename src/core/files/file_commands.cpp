#include "files/file_commands.h"

#include <filesystem>

#include "engine/update_table.h"
#include "files/display_name.h"
#include "files/file_stamp.h"
#include "files/program_places.h"
#include "files/settings_file.h"
#include "files/spec_file.h"
#include "model/spec_rows.h"
#include "text/windows1252.h"

namespace gyrant {
namespace {

constexpr const char* kWorksheetFilter = "Gyrant worksheets (*.qrx)|*.qrx|All Files (*.*)|*.*";
constexpr std::size_t kLongestFileName = 40;

FileChooser Chooser(const Worksheet& sheet, const char* title) {
    FileChooser chooser;
    chooser.title = title;
    chooser.filter = kWorksheetFilter;
    chooser.folder = DefaultSpecFolder(sheet);
    chooser.proposedName = FileNameOf(sheet.file.CurrentFilePath);
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
        case SpecFileStatus::OptionsLeftOut:
            Tell(dialogs, read.message, "Stored Options", Icon::Exclamation);
            break;
        default:
            break;
    }
}

// The first `count` characters of a UTF-8 name, never cutting one in two.
std::string FirstCharacters(const std::string& name, std::size_t count) {
    std::size_t characters = 0;
    for (std::size_t i = 0; i < name.size(); ++i) {
        bool startsCharacter = (static_cast<unsigned char>(name[i]) & 0xC0) != 0x80;
        if (startsCharacter && characters++ == count) return name.substr(0, i);
    }
    return name;
}

// Asks before a file the user did not choose by its own name is replaced.
bool MayReplace(const std::string& path, const std::string& name, Dialogs& dialogs) {
    std::error_code error;
    if (!std::filesystem::exists(path, error)) return true;
    Answer answer =
        dialogs.ShowMessage({FileNameText(name) + " already exists.\rDo you want to replace it?",
                             "Save a File", Buttons::YesNo, Icon::Exclamation, Answer::No});
    return answer == Answer::Yes;
}

// Exit's question about unsaved changes; `save` stores them after a Yes. True when the command
// may go on: nothing was unsaved, the user said No, or the save succeeded.
bool SaveChangesFirst(Worksheet& sheet, Dialogs& dialogs, bool (*save)(Worksheet&, Dialogs&)) {
    if (sheet.file.SpecsChanged != 1) return true;
    Answer answer =
        dialogs.ShowMessage({"Save these specs to a file?\r\rIf you say No, any changes you have "
                             "made will not be saved.",
                             "Save Changes?", Buttons::YesNoCancel, Icon::Question, Answer::Yes});
    if (answer == Answer::Cancel) return false;
    return answer == Answer::No || save(sheet, dialogs);
}

bool Write(Worksheet& sheet, Dialogs& dialogs, const std::string& path) {
    SpecFileResult written = WriteSpecFile(sheet, path);
    if (written.status == SpecFileStatus::Done) return true;
    Tell(dialogs, written.message, "File Not Saved", Icon::Critical);
    return false;
}

// The strip's question, then Exit's, whose Yes saves (Save As when untitled). True when
// another worksheet may replace this one.
bool KeepWorkBeforeOpen(Worksheet& sheet, RowInEdit& editor, Dialogs& dialogs) {
    return editor.ConfirmLeavingRow() && SaveChangesFirst(sheet, dialogs, SaveSpecFile);
}

// Reads a spec file, then sets up, recalculates and shows the worksheet; a file that was not
// read leaves every cell as it was. True when the file replaced the worksheet.
bool ReadSpecFileInto(Worksheet& sheet, RowInEdit& editor, Dialogs& dialogs,
                      const std::string& path) {
    SpecFileResult read = ReadSpecFile(sheet, path);
    ReportRead(read, dialogs);
    bool replaced = SpecsRead(read.status);
    if (replaced) {
        Outcome setup = SetupWorksheet(sheet);
        if (!setup.ok) Tell(dialogs, setup.message, "Gyrant", Icon::Critical);
        Recalculate(sheet);
    }
    sheet.view.CurrentTable = kBaseline;
    sheet.Table(kBaseline).SetCurrentRow(kVehicleWeightRow);
    editor.TableClick(kBaseline, 1);
    return replaced;
}

}  // namespace

bool OpenSpecFile(Worksheet& sheet, RowInEdit& editor, Dialogs& dialogs) {
    if (!KeepWorkBeforeOpen(sheet, editor, dialogs)) return false;
    FileChooser chooser = Chooser(sheet, "Open a File");
    chooser.mustExist = true;
    std::optional<std::string> path = dialogs.ChooseOpenFile(chooser);
    return path && !path->empty() && ReadSpecFileInto(sheet, editor, dialogs, *path);
}

bool OpenNamedSpecFile(Worksheet& sheet, RowInEdit& editor, Dialogs& dialogs,
                       const std::string& path) {
    return KeepWorkBeforeOpen(sheet, editor, dialogs) &&
           ReadSpecFileInto(sheet, editor, dialogs, path);
}

bool SaveSpecFile(Worksheet& sheet, Dialogs& dialogs) {
    if (sheet.file.CurrentFilePath == "Untitled") return SaveSpecFileAs(sheet, dialogs);
    if (ChangedOnDisk(sheet)) {
        Answer answer = dialogs.ShowMessage(
            {FileNameText(sheet.file.DisplayName) +
                 " was changed by another program since you opened it.\rReplace it with your "
                 "worksheet?",
             "File Changed", Buttons::ReplaceSaveAsCancel, Icon::Exclamation, Answer::Cancel});
        if (answer == Answer::SaveAs) return SaveSpecFileAs(sheet, dialogs);
        if (answer != Answer::Replace) return false;
    }
    return Write(sheet, dialogs, sheet.file.CurrentFilePath);
}

bool SaveSpecFileAs(Worksheet& sheet, Dialogs& dialogs) {
    FileChooser chooser = Chooser(sheet, "Save a File");
    chooser.confirmReplace = true;
    std::optional<std::string> path = dialogs.ChooseSaveFile(chooser);
    if (!path || path->empty()) return false;
    std::size_t split = path->find_last_of("/\\");
    std::string folder = split == std::string::npos ? std::string{} : path->substr(0, split + 1);
    std::string name = split == std::string::npos ? *path : path->substr(split + 1);
    std::string cut = FirstCharacters(name, kLongestFileName);
    if (cut != name) {
        Tell(dialogs, "File Name shortened to first 40 characters:\r\r    " + FileNameText(cut),
             "Gyrant");
        if (!MayReplace(folder + cut, cut, dialogs)) return false;
    }
    return Write(sheet, dialogs, folder + cut);
}

bool ExitProgram(Worksheet& sheet, RowInEdit& editor, Dialogs& dialogs) {
    if (!editor.ConfirmLeavingRow() || !SaveChangesFirst(sheet, dialogs, SaveSpecFileAs))
        return false;
    TellSettingsUnkept(sheet, dialogs);
    KeepSettings(sheet, dialogs);
    return true;
}

void StartUntitled(Worksheet& sheet) {
    sheet.file.CurrentFilePath = "Untitled";
    sheet.file.CurrentFileStamp = {};
    MakeDisplayName(sheet);
}

void KeepComments(Worksheet& sheet, const std::string& comments) {
    if (comments == sheet.document.FileComments) return;
    sheet.document.FileComments = comments;
    sheet.file.SpecsChanged = 1;
}

}  // namespace gyrant
