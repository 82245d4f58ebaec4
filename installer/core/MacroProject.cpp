#include "MacroProject.h"

#include "Paths.h"

namespace installer {
namespace {

constexpr const char* kProject = "acad.dvb";
constexpr const char* kSavedProject = "oldacad.dvb";
constexpr const char* kRestoredProject = "1acad.dvb";
constexpr const char* kOverwriteQuestion =
    "Existing Acad.dvb file found.\r\n"
    "Press Okay to Overwrite, or Cancel to save as another Filename";

}  // namespace

void InstallMacroProject(UserInterface& ui, FileServices& files,
                         const std::string& installerFolder) {
    const std::string folder = ui.AutocadFolder();
    const std::string installed = JoinPath(folder, kProject);

    // The old project is never deleted ahead of the copy: Copy replaces it
    // only when the new one has arrived, so a failed copy loses nothing.
    if (files.IsPresent(installed) &&
        ui.ShowMessage(kOverwriteQuestion, kOkCancel, kProgramTitle) != kAnswerOk) {
        files.Copy(installed, JoinPath(folder, kSavedProject));
    }
    files.Copy(JoinPath(installerFolder, kProject), installed);
}

void RemoveMacroProject(UserInterface& ui, FileServices& files) {
    const std::string folder = ui.AutocadFolder();
    const std::string installed = JoinPath(folder, kProject);
    const std::string restored = JoinPath(folder, kRestoredProject);

    files.Delete(installed);
    if (files.IsPresent(restored)) {
        files.Copy(restored, installed);
        files.Delete(restored);
    }
}

}  // namespace installer
