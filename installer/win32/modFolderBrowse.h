// modFolderBrowse: the shell's folder browser.
#pragma once

#include <windows.h>

#include <string>

namespace installer::modFolderBrowse {

// Shows the shell's folder browser, owned by hwndOwner, starting at the
// desktop and confirming only file-system folders. Returns the chosen
// folder's path, or "" when the user cancels or the shell cannot give the
// choice a path.
std::string BrowseForFolder(const HWND& hwndOwner, const std::string& strTitle);

}  // namespace installer::modFolderBrowse
