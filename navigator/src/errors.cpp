// The tables of the navigator's error texts.
#include "hivewalk/NavigatorError.h"
#include "hivewalk/clsHivewalk.h"

namespace hivewalk {
namespace {

constexpr const char* kSource = "Hivewalk";
constexpr const char* kLetValueOfSource = "Hivewalk [Let ValueOf]";
constexpr const char* kApiSource = "Hivewalk[API Call]";

}  // namespace

NavigatorError ClassError(int code) {
    switch (code) {
        case hwNoCurrentKey:
            return {kObjectErrorBase + code, kSource, "No current Key."};
        case hwInvalidKeyRoot:
            return {kObjectErrorBase + code, kSource, "Invalid Key root."};
        case hwTypeMismatch:
            return {kObjectErrorBase + code, kLetValueOfSource,
                    "Type passed doesn't match Value passed."};
        case hwUnknownType:
            return {kObjectErrorBase + code, kLetValueOfSource,
                    "Type passed doesn't exist. Use STRING, DWORD or BINARY."};
        default:
            return {kObjectErrorBase + code, kSource, "Undefined class error code!"};
    }
}

NavigatorError RegistryError(long result) {
    const char* description;
    switch (result) {
        case 2: description = "Key/Value does not exist."; break;
        case 5: description = "Access to Registry Denied."; break;
        case 14: description = "Out of memory."; break;
        case 87: description = "Invalid Parameter."; break;
        case 1009: description = "Corrupt Registry Database!"; break;
        case 1010: description = "Key name is bad."; break;
        case 1011: description = "Cannot Open Key."; break;
        case 1012: description = "Cannot Read Key."; break;
        case 1013: description = "Cannot Write Key."; break;
        default: description = "Undefined key error code!"; break;
    }
    return {kRegistryErrorNumber, kApiSource, description};
}

void clsHivewalk::RaiseClassError(int code) { throw ClassError(code); }

void clsHivewalk::CheckApiResult(long result) {
    if (result != kErrorSuccess) throw RegistryError(result);
}

}  // namespace hivewalk
