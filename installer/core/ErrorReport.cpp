#include "ErrorReport.h"

#include "FileError.h"
#include "hivewalk/NavigatorError.h"

#include <cstdio>
#include <exception>
#include <new>

namespace installer {
namespace {

// Numbers for failures that bring none of their own.
constexpr std::int32_t kOutOfMemory = 7;
constexpr std::int32_t kInternalError = 51;

[[noreturn]] void Report(UserInterface& ui, std::int32_t number, const std::string& description) {
    ui.ShowMessage(ErrorReportText(number, description), kOkOnly, kProgramTitle);
    ui.EndProgram(kExitFailed);
}

}  // namespace

std::string ErrorReportText(std::int32_t number, const std::string& description) {
    std::string text = "Error " + std::to_string(number);
    if (number < 0) {
        char hex[16];
        std::snprintf(hex, sizeof hex, " (0x%08lX)",
                      static_cast<unsigned long>(static_cast<std::uint32_t>(number)));
        text += hex;
    }
    return text + "\r\n\r\n" + description;
}

void RunHandler(UserInterface& ui, const std::function<void()>& handler) {
    try {
        handler();
    } catch (const hivewalk::NavigatorError& e) {
        Report(ui, e.Number, e.Description);
    } catch (const FileError& e) {
        Report(ui, e.Number, e.Description);
    } catch (const std::bad_alloc&) {
        Report(ui, kOutOfMemory, "Out of memory");
    } catch (const std::exception& e) {
        const std::string what = e.what();
        Report(ui, kInternalError, what.empty() ? "Internal error" : what);
    }
}

}  // namespace installer
