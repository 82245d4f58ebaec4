// The enumerations that travel with the navigator's interface. All are
// 32-bit signed integers; a caller may pass any value where one is expected.
#pragma once

#include <cstdint>

namespace hivewalk {

// Columns of the DirValue table.
enum enmDirValueIndex : std::int32_t {
    hwValueName = 0,
    hwValue = 1,
    hwValueType = 2,
};

// Value types as the navigator sees them.
enum enmDataType : std::int32_t {
    hwSTRING = 0,  // REG_SZ when written; every type but binary and double word when read
    hwByte = 1,    // REG_BINARY
    hwDWord = 2,   // REG_DWORD
};

// Slots of the ValueOf result.
enum enmValueOfIndex : std::int32_t {
    hwStringFormat = 0,
    hwByteFormat = 1,
    hwDWordFormat = 2,
};

}  // namespace hivewalk
