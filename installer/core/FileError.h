// FileError: the error record of a failed file operation.
#pragma once

#include <cstdint>
#include <string>

namespace installer {

// Error numbers shared by every file services implementation, so that a
// failure reads the same on every platform.
enum FileErrorNumber : std::int32_t {
    kFileNotFound = 53,
    kPermissionDenied = 70,
    kPathFileAccessError = 75,  // any other failure
};

// Deliberately not a std::exception: like NavigatorError it carries its own
// number and description, and the error report shows both.
struct FileError {
    std::int32_t Number;
    std::string Description;
};

// The standard text of an error number: "File not found", "Permission
// denied" or "Path/File access error".
std::string FileErrorText(std::int32_t number);

// A FileError whose description is the number's text, ": " and what failed,
// e.g. "Permission denied: C:\A\acad.dvb could not be replaced".
FileError MakeFileError(std::int32_t number, const std::string& whatFailed);

}  // namespace installer
