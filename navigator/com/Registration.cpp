#include "Registration.h"

#include "Hivewalk_h.h"
#include "Module.h"
#include "registry/Advapi32Registry.h"
#include "registry/RegKey.h"

#include <olectl.h>
#include <wrl/client.h>

#include <cstring>
#include <iterator>
#include <string>
#include <utility>

namespace hivewalk::com {
namespace {

// Keys and data may name $CLSID, $LIBID (in braces, as the registry writes
// GUIDs) and $MODULE (this DLL's full path).
struct Entry {
    const char* key;        // below HKEY_CLASSES_ROOT
    const char* valueName;  // nullptr for the key's default value
    const char* data;
};

// Parents before children: registration walks the table forwards,
// unregistration deletes its keys backwards.
const Entry kEntries[] = {
    {"CLSID\\$CLSID", nullptr, "Hivewalk.clsHivewalk"},
    {"CLSID\\$CLSID\\InprocServer32", nullptr, "$MODULE"},
    {"CLSID\\$CLSID\\InprocServer32", "ThreadingModel", "Apartment"},
    {"CLSID\\$CLSID\\ProgID", nullptr, "Hivewalk.clsHivewalk"},
    {"CLSID\\$CLSID\\TypeLib", nullptr, "$LIBID"},
    {"CLSID\\$CLSID\\Version", nullptr, "2.0"},
    {"Hivewalk.clsHivewalk", nullptr, "Hivewalk.clsHivewalk"},
    {"Hivewalk.clsHivewalk\\CLSID", nullptr, "$CLSID"},
};

std::string GuidText(REFGUID guid) {
    wchar_t wide[40];
    const int length = StringFromGUID2(guid, wide, 40);
    return std::string(wide, wide + (length > 0 ? length - 1 : 0));  // GUID text is ASCII
}

std::wstring ModulePathWide() {
    wchar_t path[MAX_PATH];
    const DWORD length = GetModuleFileNameW(ThisModule(), path, MAX_PATH);
    return std::wstring(path, length);
}

std::string ModulePathNarrow() {
    char path[MAX_PATH];
    const DWORD length = GetModuleFileNameA(ThisModule(), path, MAX_PATH);
    return std::string(path, length);
}

std::string Expand(std::string text) {
    const std::pair<const char*, std::string> names[] = {
        {"$CLSID", GuidText(CLSID_clsHivewalk)},
        {"$LIBID", GuidText(LIBID_Hivewalk)},
        {"$MODULE", ModulePathNarrow()},
    };
    for (const auto& [name, value] : names) {
        for (auto at = text.find(name); at != std::string::npos; at = text.find(name))
            text.replace(at, std::strlen(name), value);
    }
    return text;
}

long WriteEntry(Registry& registry, const Entry& entry) {
    HKey created = 0;
    const long result = registry.RegCreateKeyExA(kHKeyClassesRoot, Expand(entry.key).c_str(), 0, "",
                                                 kRegOptionNonVolatile, kKeyAllAccess, nullptr,
                                                 &created, nullptr);
    if (result != kErrorSuccess) return result;
    const RegKey key(registry, created);
    const std::string data = Expand(entry.data);
    return registry.RegSetValueExA(key.get(), entry.valueName, 0, kRegSz,
                                   reinterpret_cast<const std::uint8_t*>(data.c_str()),
                                   static_cast<std::uint32_t>(data.size() + 1));
}

}  // namespace

HRESULT RegisterServer() {
    Registry& registry = SystemRegistry();
    for (const Entry& entry : kEntries) {
        if (WriteEntry(registry, entry) != kErrorSuccess) return SELFREG_E_CLASS;
    }
    // Loading with REGKIND_REGISTER registers the library and its interfaces.
    Microsoft::WRL::ComPtr<ITypeLib> library;
    if (FAILED(LoadTypeLibEx(ModulePathWide().c_str(), REGKIND_REGISTER, &library)))
        return SELFREG_E_TYPELIB;
    return S_OK;
}

HRESULT UnregisterServer() {
    HRESULT hr = S_OK;
    Registry& registry = SystemRegistry();
    // UnRegisterTypeLib fails for a library no longer registered; that one
    // is already gone, as asked.
    HKey library = 0;
    if (registry.RegOpenKeyExA(kHKeyClassesRoot, Expand("TypeLib\\$LIBID\\2.0").c_str(), 0,
                               kKeyRead, &library) == kErrorSuccess) {
        RegKey(registry, library).reset();
        if (FAILED(UnRegisterTypeLib(LIBID_Hivewalk, 2, 0, LOCALE_NEUTRAL, SYS_WIN32)))
            hr = SELFREG_E_TYPELIB;
    }

    const char* deleted = nullptr;
    for (auto entry = std::rbegin(kEntries); entry != std::rend(kEntries); ++entry) {
        if (deleted && std::string(deleted) == entry->key) continue;  // one key, several values
        deleted = entry->key;
        const long result = registry.RegDeleteKeyA(kHKeyClassesRoot, Expand(entry->key).c_str());
        if (result != kErrorSuccess && result != kErrorFileNotFound) hr = SELFREG_E_CLASS;
    }
    return hr;
}

}  // namespace hivewalk::com
