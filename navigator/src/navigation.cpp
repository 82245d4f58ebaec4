// Navigation: how a path moves the object and which key it opens.
#include "hivewalk/clsHivewalk.h"

#include "platform_text.h"

#include <array>
#include <utility>

namespace hivewalk {
namespace {

struct RootEntry {
    const char* name;
    HKey handle;
};

// The roots in the order DirKey lists them.
constexpr std::array<RootEntry, 6> kRoots{{
    {"HKEY_CLASSES_ROOT", kHKeyClassesRoot},
    {"HKEY_CURRENT_USER", kHKeyCurrentUser},
    {"HKEY_LOCAL_MACHINE", kHKeyLocalMachine},
    {"HKEY_USERS", kHKeyUsers},
    {"HKEY_DYN_DATA", kHKeyDynData},
    {"HKEY_CURRENT_CONFIG", kHKeyCurrentConfig},
}};

// Removes blanks (spaces only, not other white space) at both ends.
std::string TrimBlanks(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

}  // namespace

clsHivewalk::clsHivewalk(Registry& registry) : m_registry(registry) {}

clsHivewalk::~clsHivewalk() = default;  // m_hCurrentKey closes the current key

void clsHivewalk::Cd(const std::string& strDirectory) {
    OpenKeyPath(strDirectory, kKeyAllAccess);
}

// The root name of an absolute path: what lies between its first character
// and the next "\", or everything after the first character.
std::string clsHivewalk::KeyRootName(const std::string& path) {
    const auto separator = path.find('\\', 1);
    if (separator == std::string::npos) return path.size() > 1 ? path.substr(1) : std::string();
    return path.substr(1, separator - 1);
}

// The sub-path of an absolute path: everything after its root name's "\".
std::string clsHivewalk::SubKeyPath(const std::string& path) {
    const auto separator = path.find('\\', 1);
    if (separator == std::string::npos) return {};
    return path.substr(separator + 1);
}

void clsHivewalk::OpenKeyPath(const std::string& path, std::uint32_t access) {
    std::string k = UpperCaseText(TrimBlanks(path));

    if (k == "\\") {
        // To the top level. If the close fails, nothing has changed yet.
        CheckApiResult(m_hCurrentKey.Close());
        m_CurrentKey.clear();
        return;
    }

    if (k == "..") {
        if (m_CurrentKey.empty()) RaiseClassError(hwNoCurrentKey);
        // The parent is the path up to and including its last "\": a root's
        // parent is "\", the top level; any other trailing "\" is dropped by
        // the call below.
        OpenKeyPath(m_CurrentKey.substr(0, m_CurrentKey.rfind('\\') + 1), access);
        return;
    }

    // The tests above see the path before its trailing "\" goes, so "..\" is
    // a key name and "\\" an absolute path with an empty root name.
    if (k.size() > 1 && k.back() == '\\') k.pop_back();
    if (k.empty() || k.front() != '\\') {
        if (m_CurrentKey.empty()) k = "\\" + k;  // at the top level every path is absolute
    }

    HKey opened = 0;
    if (k.front() == '\\') {
        CheckApiResult(m_hCurrentKey.Close());
        // From here on the object holds no handle until the open succeeds.
        HKey root = 0;
        const std::string rootName = KeyRootName(k);
        for (const RootEntry& entry : kRoots) {
            if (rootName == entry.name) root = entry.handle;
        }
        if (root == 0) RaiseClassError(hwInvalidKeyRoot);
        m_CurrentKey = k;
        CheckApiResult(m_registry.RegOpenKeyExA(root, SubKeyPath(k).c_str(), 0, access, &opened));
    } else {
        // The key being left is closed when this block ends, whether or not
        // the open succeeds: after a failure CurrentKey already names the new
        // path, and the old key's handle must not stand in for it. That
        // close is housekeeping of a handle never used again; its result is
        // not reported.
        const RegKey left = std::move(m_hCurrentKey);
        m_CurrentKey += "\\" + k;
        CheckApiResult(m_registry.RegOpenKeyExA(left.get(), k.c_str(), 0, access, &opened));
    }
    m_hCurrentKey = RegKey(m_registry, opened);
}

}  // namespace hivewalk
