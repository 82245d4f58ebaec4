// The lines the installer's messages leave in a ScriptedUserInterface
// transcript, spelled out once for all tests.
#pragma once

#include <string>

namespace installer::test {

inline const std::string kInstallNotFound =
    "box install OK: Could not find Version 14.01 of Autocad.  Please Browse to the Location.";
inline const std::string kUninstallNotFound =
    "box install OK: Could not find Drawtrail Program.  Please Browse to the Location.";
inline const std::string kNowCancelling = "box install OK: Now Cancelling";
inline const std::string kNoConnection = "box install OK: Could not connect to registry";
inline const std::string kOverwriteQuestion =
    "box install OK/Cancel: Existing Acad.dvb file found.\r\n"
    "Press Okay to Overwrite, or Cancel to save as another Filename -> ";
inline const std::string kAddingLine =
    "box install OK: Found existing acad.rx File\r\nAdding a line to load acadvba.arx";
inline const std::string kCreatingList = "box install OK: Creating Acad.rx File";
inline const std::string kInstallCompleted = "box Drawtrail OK: Install has Completed.";
inline const std::string kUninstallQuestion =
    "box install Yes/No: This will Uninstall the Drawtrail Program.\r\n"
    "Do you wish to continue? -> ";
inline const std::string kUninstalled =
    "box install OK: Drawtrail has been uninstalled.  Program will exit now";

inline std::string Picker(const std::string& result) {
    return "picker: What Directory is Autocad Located In. -> " + result;
}

// The error box for a navigator's registry error, and for a file error.
inline std::string RegistryErrorBox(const std::string& description) {
    return "box install OK: Error -2147221248 (0x80040100)\r\n\r\n" + description;
}
inline std::string FileErrorBox(int number, const std::string& description) {
    return "box install OK: Error " + std::to_string(number) + "\r\n\r\n" + description;
}

}  // namespace installer::test
