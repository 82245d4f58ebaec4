// Building the paths of files in a folder.
#pragma once

#include <string>

namespace installer {

// folder + "\" + name. A folder that already ends with "\" (a drive root such
// as "D:\", which the folder browser returns with its own separator) gets no
// second one: "D:\" and "acad.exe" make "D:\acad.exe", not "D:\\acad.exe".
std::string JoinPath(const std::string& folder, const std::string& name);

}  // namespace installer
