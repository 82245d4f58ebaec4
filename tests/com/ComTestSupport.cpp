#include "ComTestSupport.h"

#include "registry/Advapi32Registry.h"
#include "registry/RegKey.h"

#include <memory>

namespace hivewalk::test {
namespace {
struct HandleCloser {
    void operator()(HANDLE handle) const { CloseHandle(handle); }
};
using UniqueHandle = std::unique_ptr<void, HandleCloser>;
// Every COM test program runs in one single-threaded apartment.
[[maybe_unused]] ::testing::Environment* const g_com =
    ::testing::AddGlobalTestEnvironment(new ComEnvironment);
}  // namespace

std::wstring ProgramFolder() {
    wchar_t path[MAX_PATH];
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path, length);
    return folder.substr(0, folder.find_last_of(L'\\'));
}

std::wstring HivewalkDllPath() { return ProgramFolder() + L"\\Hivewalk.dll"; }

int RunProgram(const std::wstring& commandLine) {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    std::wstring line = commandLine;
    if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process))
        return -1;
    const UniqueHandle thread(process.hThread), child(process.hProcess);
    WaitForSingleObject(child.get(), INFINITE);
    DWORD code = 0;
    GetExitCodeProcess(child.get(), &code);
    return static_cast<int>(code);
}

bool ClassesKeyExists(const std::string& path) {
    Registry& registry = SystemRegistry();
    HKey key = 0;
    if (registry.RegOpenKeyExA(kHKeyClassesRoot, path.c_str(), 0, kKeyRead, &key) != kErrorSuccess)
        return false;
    RegKey(registry, key).reset();
    return true;
}

std::string GuidText(REFGUID guid) {
    wchar_t text[40];
    StringFromGUID2(guid, text, 40);
    return automation::Narrow(text, wcslen(text));
}

ErrorInfoText LastErrorInfo() {
    ComPtr<IErrorInfo> info;
    ErrorInfoText text;
    if (GetErrorInfo(0, &info) != S_OK || !info) return text;
    automation::Bstr source, description;
    info->GetSource(source.put());
    info->GetDescription(description.put());
    text.source = automation::Narrow(source.get());
    text.description = automation::Narrow(description.get());
    return text;
}

}  // namespace hivewalk::test
