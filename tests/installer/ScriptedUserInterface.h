// A user interface that plays a script: it records what the installer shows
// as a transcript and answers questions and folder pickers from a queue.
//
// Transcript lines:
//   status: <text>
//   box <title> <OK|OK/Cancel|Yes/No>: <text>        (an OK-only box)
//   box <title> <buttons>: <text> -> <OK|Cancel|Yes|No>  (a question)
//   picker: <title> -> <folder, or "(cancelled)">
//   folder: <the new AutocadFolder>
//   end <exit code>
#pragma once

#include "core/UserInterface.h"

#include <deque>
#include <functional>
#include <string>
#include <variant>
#include <vector>

namespace installer::test {

// What EndProgram throws in tests. Deliberately not a std::exception, so
// that nothing that reports errors can catch it.
struct ProgramEnded {
    int code;
};

class ScriptedUserInterface final : public UserInterface {
public:
    // Queues the answer to the next question (a box with more than an OK
    // button) or the folder the next picker returns ("" to cancel it).
    // OK-only boxes answer OK by themselves.
    ScriptedUserInterface& Answer(int answer);
    ScriptedUserInterface& Pick(std::string folder);

    const std::vector<std::string>& Transcript() const { return transcript_; }
    std::string Status() const { return status_; }
    // Replies queued but never asked for.
    std::size_t UnusedReplies() const { return replies_.size(); }

    void SetStatus(const std::string& text) override;
    std::string AutocadFolder() const override { return folder_; }
    void SetAutocadFolder(const std::string& folder) override;
    int ShowMessage(const std::string& text, int buttons, const std::string& title) override;
    std::string BrowseForFolder(const std::string& title) override;

protected:
    void TerminateProgram(int exitCode) override;  // throws ProgramEnded

private:
    std::string status_ = "(introduction)";
    std::string folder_ = kDefaultAutocadFolder;
    std::vector<std::string> transcript_;
    std::deque<std::variant<int, std::string>> replies_;
};

// Runs a handler as the front end does, through RunHandler: returns the
// program's exit code, or kReturned when the handler returned to the dialog.
inline constexpr int kReturned = -1;
int RunToEnd(UserInterface& ui, const std::function<void()>& handler);

}  // namespace installer::test
