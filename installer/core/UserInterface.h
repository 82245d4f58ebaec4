// UserInterface: what the installer's steps need from the dialog.
//
// The front end implements it with the real window, MessageBox and the
// shell's folder browser; tests implement it with a script.
#pragma once

#include <cstdlib>
#include <string>

namespace installer {

// Buttons of a message box, as the message box codes.
enum MessageButtons : int {
    kOkOnly = 0,
    kOkCancel = 1,
    kYesNo = 4,
};

// Answers of a message box.
enum MessageAnswer : int {
    kAnswerOk = 1,
    kAnswerCancel = 2,
    kAnswerYes = 6,
    kAnswerNo = 7,
};

// How the program ends.
enum ExitCode : int {
    kExitDone = 0,       // the work is done, or the user chose Cancel
    kExitFailed = 1,     // an error was reported, or AutoCAD's registry entry is unusable
    kExitCancelled = 2,  // the user gave up in the folder picker
};

// The title of message boxes that have none of their own.
inline constexpr const char* kProgramTitle = "install";

// The AutoCAD folder the dialog starts with.
inline constexpr const char* kDefaultAutocadFolder = "C:\\Program Files\\Autocad R14";

class UserInterface {
public:
    virtual ~UserInterface() = default;

    // The status line (the caption of Label1).
    virtual void SetStatus(const std::string& text) = 0;

    // The AutoCAD folder (the caption of Label3), kDefaultAutocadFolder at
    // start.
    virtual std::string AutocadFolder() const = 0;
    virtual void SetAutocadFolder(const std::string& folder) = 0;

    // Shows a modal message box and returns the answer (a MessageAnswer).
    virtual int ShowMessage(const std::string& text, int buttons, const std::string& title) = 0;

    // Shows the folder browser with this title; returns the chosen folder's
    // path, or "" when the user cancels.
    virtual std::string BrowseForFolder(const std::string& title) = 0;

    // Ends the program at once with this exit code; no further code of the
    // program runs.
    [[noreturn]] void EndProgram(int exitCode) {
        TerminateProgram(exitCode);
        std::abort();  // an implementation that returned would break the contract
    }

protected:
    // Implements EndProgram: ends the process (tests throw instead); never
    // returns. Not [[noreturn]] itself only because compilers do not carry
    // that through a virtual call.
    virtual void TerminateProgram(int exitCode) = 0;
};

}  // namespace installer
