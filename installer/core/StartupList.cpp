#include "StartupList.h"

#include "Paths.h"
#include "StartupListItems.h"

namespace installer {
namespace {

constexpr const char* kStartupList = "acad.rx";
constexpr const char* kVbaModule = "acadvba.arx";
constexpr const char* kAddingLine =
    "Found existing acad.rx File\r\nAdding a line to load acadvba.arx";
constexpr const char* kCreatingList = "Creating Acad.rx File";

}  // namespace

void MakeStartupListLoadVba(UserInterface& ui, FileServices& files,
                            const std::string& installerFolder) {
    const std::string list = JoinPath(ui.AutocadFolder(), kStartupList);

    if (!files.IsPresent(list)) {
        ui.ShowMessage(kCreatingList, kOkOnly, kProgramTitle);
        files.Copy(JoinPath(installerFolder, kStartupList), list);
        return;
    }

    ui.ShowMessage(kAddingLine, kOkOnly, kProgramTitle);
    const std::string content = files.ReadAll(list);
    if (StartupListHolds(content, kVbaModule)) return;

    // A last line without its line break would otherwise run into the new
    // line and corrupt both module names.
    std::string line;
    if (!content.empty() && content.back() != '\n' && content.back() != '\r') line = "\r\n";
    line += std::string(kVbaModule) + "\r\n";
    files.Append(list, line);
}

}  // namespace installer
