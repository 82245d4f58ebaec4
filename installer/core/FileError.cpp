#include "FileError.h"

namespace installer {

std::string FileErrorText(std::int32_t number) {
    switch (number) {
        case kFileNotFound: return "File not found";
        case kPermissionDenied: return "Permission denied";
        default: return "Path/File access error";
    }
}

FileError MakeFileError(std::int32_t number, const std::string& whatFailed) {
    return FileError{number, FileErrorText(number) + ": " + whatFailed};
}

}  // namespace installer
