// Text services that differ by platform: the portable build works on ASCII
// and uses a comma; the Win32 build asks the system.
#pragma once

#include <string>

namespace hivewalk {

// Upper-cases narrow text of the system code page.
std::string UpperCaseText(std::string text);

// The user locale's thousands separator.
std::string ThousandsSeparator();

}  // namespace hivewalk
