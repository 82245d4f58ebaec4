#include "modFolderBrowse.h"

#include <shlobj.h>

#include <memory>

namespace installer::modFolderBrowse {
namespace {

struct TaskMemFree {
    void operator()(void* memory) const { CoTaskMemFree(memory); }
};

}  // namespace

std::string BrowseForFolder(const HWND& hwndOwner, const std::string& strTitle) {
    BROWSEINFOA browse{};
    browse.hwndOwner = hwndOwner;
    browse.pidlRoot = nullptr;        // start at the desktop
    browse.pszDisplayName = nullptr;  // no display name wanted
    browse.lpszTitle = strTitle.c_str();
    browse.ulFlags = BIF_RETURNONLYFSDIRS;
    browse.lpfn = nullptr;

    const std::unique_ptr<ITEMIDLIST, TaskMemFree> chosen(SHBrowseForFolderA(&browse));
    if (!chosen) return {};  // cancelled

    char path[MAX_PATH] = {};  // 260 NULs
    SHGetPathFromIDListA(chosen.get(), path);
    return std::string(path, strnlen(path, sizeof path));
}

}  // namespace installer::modFolderBrowse
