// Reporting an error that a command let through, and ending the program.
#pragma once

#include "UserInterface.h"

#include <cstdint>
#include <functional>
#include <string>

namespace installer {

// The text of the error box: "Error <number>", its HRESULT form in
// hexadecimal after a negative number ("Error -2147221248 (0x80040100)"),
// a blank line and the description.
std::string ErrorReportText(std::int32_t number, const std::string& description);

// Runs one of the dialog's handlers. When a NavigatorError or a FileError
// leaves it (or, as a last resort, any other std::exception), shows one
// message box with the error's number and description under the program's
// title and ends the program with kExitFailed. Nothing is rolled back.
// Other exception types pass through untouched.
void RunHandler(UserInterface& ui, const std::function<void()>& handler);

}  // namespace installer
