// NavigatorError: the one error record every navigator failure carries.
#pragma once

#include <cstdint>
#include <exception>
#include <string>

namespace hivewalk {

struct NavigatorError : std::exception {
    NavigatorError(std::int32_t number, std::string source, std::string description)
        : Number(number), Source(std::move(source)), Description(std::move(description)) {}

    const char* what() const noexcept override { return Description.c_str(); }

    std::int32_t Number;
    std::string Source;
    std::string Description;
};

// The object-error base 0x80040000; class errors add 1 to 4 to it, registry
// errors add 256.
inline constexpr std::int32_t kObjectErrorBase = static_cast<std::int32_t>(0x80040000u);
inline constexpr std::int32_t kRegistryErrorNumber = kObjectErrorBase + 256;

// Class error codes.
enum ClassErrorCode : int {
    hwNoCurrentKey = 1,
    hwInvalidKeyRoot = 2,
    hwTypeMismatch = 3,
    hwUnknownType = 4,
};

// The error records themselves, built from the tables of error texts.
NavigatorError ClassError(int code);
NavigatorError RegistryError(long result);

}  // namespace hivewalk
