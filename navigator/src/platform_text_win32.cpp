#include "platform_text.h"

#include <windows.h>

namespace hivewalk {

std::string UpperCaseText(std::string text) {
    if (!text.empty()) CharUpperBuffA(text.data(), static_cast<DWORD>(text.size()));
    return text;
}

std::string ThousandsSeparator() {
    char separator[8] = {};  // the locale allows up to three characters and a NUL
    if (GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_STHOUSAND, separator, sizeof separator) == 0)
        return ",";
    return separator;
}

}  // namespace hivewalk
