// Hivewalk.dll as a self-registering server: its entry points, its version
// block, and a registration round trip with regsvr32.
#include "ComTestSupport.h"
#include "registry/Advapi32Registry.h"
#include "registry/RegKey.h"

#include <memory>

namespace hivewalk::test {
namespace {

struct LibraryFreer {
    void operator()(HMODULE module) const { FreeLibrary(module); }
};

std::string ClassesValue(const std::string& path, const char* name) {
    char data[MAX_PATH] = {};
    DWORD size = sizeof data - 1;
    if (RegGetValueA(HKEY_CLASSES_ROOT, path.c_str(), name, RRF_RT_REG_SZ, nullptr, data, &size) !=
        ERROR_SUCCESS)
        return "<missing>";
    return data;
}

TEST(Module, ExportsTheFourEntryPointsByName) {
    const std::unique_ptr<std::remove_pointer_t<HMODULE>, LibraryFreer> dll(
        LoadLibraryW(HivewalkDllPath().c_str()));
    ASSERT_TRUE(dll);
    for (const char* name : {"DllRegisterServer", "DllUnregisterServer", "DllGetClassObject",
                             "DllCanUnloadNow"}) {
        EXPECT_NE(GetProcAddress(dll.get(), name), nullptr) << name;
    }
}

TEST(Module, VersionBlockSays2003AndSelfRegisters) {
    const std::wstring path = HivewalkDllPath();
    DWORD ignored = 0;
    std::vector<char> block(GetFileVersionInfoSizeW(path.c_str(), &ignored));
    ASSERT_FALSE(block.empty());
    ASSERT_TRUE(GetFileVersionInfoW(path.c_str(), 0, static_cast<DWORD>(block.size()), block.data()));
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueW(block.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
    EXPECT_EQ(fixed->dwFileVersionMS, MAKELONG(0, 2));
    EXPECT_EQ(fixed->dwFileVersionLS, MAKELONG(3, 0));
    void* marker = nullptr;
    EXPECT_TRUE(VerQueryValueW(block.data(), L"\\StringFileInfo\\040904B0\\OLESelfRegister",
                               &marker, &length));
}

TEST(Registration, RoundTripWithRegsvr32) {
    const std::wstring dll = L"\"" + HivewalkDllPath() + L"\"";
    const std::string clsidKey = "CLSID\\" + GuidText(CLSID_clsHivewalk);
    const std::string ours[] = {clsidKey, "Hivewalk.clsHivewalk", "TypeLib\\" + GuidText(LIBID_Hivewalk),
                                "Interface\\" + GuidText(IID__clsHivewalk)};

    ASSERT_EQ(RunProgram(L"regsvr32.exe /s " + dll), 0);
    CLSID clsid{};
    EXPECT_EQ(CLSIDFromProgID(L"Hivewalk.clsHivewalk", &clsid), S_OK);
    EXPECT_TRUE(IsEqualCLSID(clsid, CLSID_clsHivewalk));
    EXPECT_EQ(ClassesValue(clsidKey + "\\InprocServer32", nullptr),
              automation::Narrow(HivewalkDllPath().c_str(), HivewalkDllPath().size()));
    EXPECT_EQ(ClassesValue(clsidKey + "\\InprocServer32", "ThreadingModel"), "Apartment");
    EXPECT_EQ(ClassesValue("Interface\\" + GuidText(IID__clsHivewalk) + "\\TypeLib", nullptr),
              GuidText(LIBID_Hivewalk));
    ComPtr<ITypeLib> library;
    EXPECT_EQ(LoadRegTypeLib(LIBID_Hivewalk, 2, 0, LOCALE_NEUTRAL, &library), S_OK);
    library.Reset();

    ASSERT_EQ(RunProgram(L"regsvr32.exe /u /s " + dll), 0);
    for (const std::string& key : ours) EXPECT_FALSE(ClassesKeyExists(key)) << key;
    EXPECT_NE(CLSIDFromProgID(L"Hivewalk.clsHivewalk", &clsid), S_OK);
    EXPECT_EQ(RunProgram(L"regsvr32.exe /u /s " + dll), 0) << "unregistering twice is fine";
}

}  // namespace
}  // namespace hivewalk::test

