#include "platform_text.h"

namespace hivewalk {

// Only ASCII letters change: other bytes of the system code page pass
// through unchanged.
std::string UpperCaseText(std::string text) {
    for (char& c : text) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    }
    return text;
}

std::string ThousandsSeparator() { return ","; }

}  // namespace hivewalk
