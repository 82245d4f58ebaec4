// Reporting the errors a handler lets through.
#include "ScriptedUserInterface.h"
#include "core/ErrorReport.h"
#include "core/FileError.h"
#include "hivewalk/NavigatorError.h"

#include <gtest/gtest.h>

#include <functional>
#include <new>
#include <stdexcept>

namespace installer::test {
namespace {

using Lines = std::vector<std::string>;

TEST(ErrorReport, OneBoxWithNumberAndDescriptionThenExitCodeOne) {
    struct Case {
        const char* name;
        std::function<void()> fail;
        std::string box;
    };
    const Case cases[] = {
        {"a registry error shows its number also in hexadecimal",
         [] {
             throw hivewalk::NavigatorError(-2147221248, "Hivewalk[API Call]",
                                            "Key/Value does not exist.");
         },
         "box install OK: Error -2147221248 (0x80040100)\r\n\r\nKey/Value does not exist."},
        {"a class error",
         [] { throw hivewalk::NavigatorError(-2147221247, "Hivewalk", "No current Key."); },
         "box install OK: Error -2147221247 (0x80040101)\r\n\r\nNo current Key."},
        {"a file error has a positive number, shown once",
         [] { throw MakeFileError(kPermissionDenied, "C:\\A\\acad.dvb could not be deleted"); },
         "box install OK: Error 70\r\n\r\nPermission denied: C:\\A\\acad.dvb could not be deleted"},
        {"any other exception, as a last resort", [] { throw std::runtime_error("no navigator"); },
         "box install OK: Error 51\r\n\r\nno navigator"},
        {"running out of memory", [] { throw std::bad_alloc(); },
         "box install OK: Error 7\r\n\r\nOut of memory"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ScriptedUserInterface ui;
        EXPECT_EQ(RunToEnd(ui, c.fail), 1);
        EXPECT_EQ(ui.Transcript(), (Lines{c.box, "end 1"}));
    }
}

TEST(ErrorReport, TheProgramsOwnEndAndAReturnPassUnreported) {
    ScriptedUserInterface ui;
    EXPECT_EQ(RunToEnd(ui, [&] { ui.EndProgram(2); }), 2);
    EXPECT_EQ(ui.Transcript(), Lines{"end 2"});

    ScriptedUserInterface quiet;
    EXPECT_EQ(RunToEnd(quiet, [] {}), kReturned);
    EXPECT_TRUE(quiet.Transcript().empty());
}

}  // namespace
}  // namespace installer::test
