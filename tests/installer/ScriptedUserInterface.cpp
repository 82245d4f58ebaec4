#include "ScriptedUserInterface.h"

#include "core/ErrorReport.h"

#include <gtest/gtest.h>

namespace installer::test {
namespace {

std::string ButtonsName(int buttons) {
    switch (buttons) {
        case kOkOnly: return "OK";
        case kOkCancel: return "OK/Cancel";
        case kYesNo: return "Yes/No";
        default: return "buttons " + std::to_string(buttons);
    }
}

std::string AnswerName(int answer) {
    switch (answer) {
        case kAnswerOk: return "OK";
        case kAnswerCancel: return "Cancel";
        case kAnswerYes: return "Yes";
        case kAnswerNo: return "No";
        default: return "answer " + std::to_string(answer);
    }
}

}  // namespace

ScriptedUserInterface& ScriptedUserInterface::Answer(int answer) {
    replies_.emplace_back(answer);
    return *this;
}

ScriptedUserInterface& ScriptedUserInterface::Pick(std::string folder) {
    replies_.emplace_back(std::move(folder));
    return *this;
}

void ScriptedUserInterface::SetStatus(const std::string& text) {
    status_ = text;
    transcript_.push_back("status: " + text);
}

void ScriptedUserInterface::SetAutocadFolder(const std::string& folder) {
    folder_ = folder;
    transcript_.push_back("folder: " + folder);
}

int ScriptedUserInterface::ShowMessage(const std::string& text, int buttons,
                                       const std::string& title) {
    std::string line = "box " + title + " " + ButtonsName(buttons) + ": " + text;
    if (buttons == kOkOnly) {
        transcript_.push_back(line);
        return kAnswerOk;
    }
    // An unscripted question gets the answer that changes least.
    int answer = buttons == kYesNo ? kAnswerNo : kAnswerCancel;
    if (replies_.empty() || !std::holds_alternative<int>(replies_.front())) {
        ADD_FAILURE() << "unscripted question: " << line;
    } else {
        answer = std::get<int>(replies_.front());
        replies_.pop_front();
    }
    transcript_.push_back(line + " -> " + AnswerName(answer));
    return answer;
}

std::string ScriptedUserInterface::BrowseForFolder(const std::string& title) {
    std::string folder;  // an unscripted picker gives up
    if (replies_.empty() || !std::holds_alternative<std::string>(replies_.front())) {
        ADD_FAILURE() << "unscripted folder picker: " << title;
    } else {
        folder = std::get<std::string>(replies_.front());
        replies_.pop_front();
    }
    transcript_.push_back("picker: " + title + " -> " + (folder.empty() ? "(cancelled)" : folder));
    return folder;
}

void ScriptedUserInterface::TerminateProgram(int exitCode) {
    transcript_.push_back("end " + std::to_string(exitCode));
    throw ProgramEnded{exitCode};
}

int RunToEnd(UserInterface& ui, const std::function<void()>& handler) {
    try {
        RunHandler(ui, handler);
        return kReturned;
    } catch (const ProgramEnded& ended) {
        return ended.code;
    }
}

}  // namespace installer::test
