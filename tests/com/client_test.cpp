// Hivewalk.dll through COM, as clients use it: created by class identifier,
// called through the vtable of _clsHivewalk, with failures carried in the
// HRESULT and the error information.
#include "ComTestSupport.h"
#include "ScratchKey.h"
#include "registry/Advapi32Registry.h"

namespace hivewalk::test {
namespace {

using automation::Bstr;
using automation::UniqueVariant;
using automation::Wide;

constexpr HRESULT kNoCurrentKey = static_cast<HRESULT>(0x80040001);
constexpr HRESULT kTypeMismatch = static_cast<HRESULT>(0x80040003);
constexpr HRESULT kRegistryError = static_cast<HRESULT>(0x80040100);

class Client : public ::testing::Test {
protected:
    void SetUp() override {
        scratch_ = std::make_unique<ScratchKey>(registry_, "Com");
        ASSERT_EQ(CoCreateInstance(CLSID_clsHivewalk, nullptr, CLSCTX_INPROC_SERVER,
                                   IID__clsHivewalk, &nav_),
                  S_OK)
            << "Hivewalk.dll must be registered";
    }
    void TearDown() override {
        nav_.Reset();
        scratch_.reset();
    }

    HRESULT Cd(const std::string& path) { return nav_->Cd(Wide(path).get()); }
    std::string CurrentKey() {
        Bstr key;
        EXPECT_EQ(nav_->get_CurrentKey(key.put()), S_OK);
        return automation::Narrow(key.get());
    }
    HRESULT Let(const std::string& name, ::enmDataType type, const Variant& value) {
        UniqueVariant variant;
        automation::ToVariant(value, variant.get());
        return nav_->put_ValueOf(Wide(name).get(), &type, *variant.get());
    }
    Variant Get(const std::string& name, ::enmDataType& type) {
        UniqueVariant result;
        EXPECT_EQ(nav_->get_ValueOf(Wide(name).get(), &type, result.get()), S_OK);
        return automation::FromVariant(*result.get());
    }
    void ExpectErrorInfo(HRESULT hr, HRESULT number, const char* source, const char* description) {
        EXPECT_EQ(hr, number);
        ComPtr<ISupportErrorInfo> supports;
        ASSERT_EQ(nav_.As(&supports), S_OK);
        EXPECT_EQ(supports->InterfaceSupportsErrorInfo(IID__clsHivewalk), S_OK);
        const ErrorInfoText info = LastErrorInfo();
        EXPECT_EQ(info.source, source);
        EXPECT_EQ(info.description, description);
    }

    Advapi32Registry registry_;
    std::unique_ptr<ScratchKey> scratch_;
    ComPtr<_clsHivewalk> nav_;
};

TEST_F(Client, EveryMemberThroughTheVtable) {
    EXPECT_EQ(CurrentKey(), "");
    ASSERT_EQ(Cd(scratch_->Path().substr(1)), S_OK);
    EXPECT_EQ(CurrentKey(), "\\HKEY_CURRENT_USER\\SOFTWARE\\HIVEWALKTESTS\\COM");

    EXPECT_EQ(Let("Description", ::hwSTRING, "AutoCAD"), S_OK);
    EXPECT_EQ(Let("Enabled", ::hwDWord, 1.0), S_OK);
    EXPECT_EQ(Let("Bytes", ::hwByte, ByteArray::Vector({5, 0xA0}, 3)), S_OK);

    ::enmDataType type = ::hwSTRING;
    EXPECT_EQ(Get("Bytes", type),
              Variant(VariantArray::Vector({"5 A0", ByteArray::Vector({5, 0xA0}), 0.0})));
    EXPECT_EQ(type, ::hwByte);
    EXPECT_EQ(Get("Enabled", type),
              Variant(VariantArray::Vector({"00000001", ByteArray::Vector({1, 0, 0, 0}), 1.0})));
    EXPECT_EQ(type, ::hwDWord);

    EXPECT_EQ(nav_->MakeKey(Wide("Sub").get()), S_OK);
    UniqueVariant keys, values;
    ASSERT_EQ(nav_->DirKey(keys.get()), S_OK);
    EXPECT_EQ(V_VT(keys.get()), VT_ARRAY | VT_BSTR);
    EXPECT_EQ(automation::FromVariant(*keys.get()), Variant(StringArray::Vector({"Sub"})));
    ASSERT_EQ(nav_->DirValue(values.get()), S_OK);
    ASSERT_EQ(V_VT(values.get()), VT_ARRAY | VT_BSTR);
    SAFEARRAY* table = V_ARRAY(values.get());
    LONG upper = 0;
    EXPECT_EQ(SafeArrayGetDim(table), 2u);
    SafeArrayGetUBound(table, 1, &upper);
    EXPECT_EQ(upper, 2);
    SafeArrayGetUBound(table, 2, &upper);
    EXPECT_EQ(upper, 2);
    // Wine lists values by name: Bytes, Description, Enabled.
    LONG cell[2] = {hwValue, 2};
    Bstr text;
    ASSERT_EQ(SafeArrayGetElement(table, cell, text.put()), S_OK);
    EXPECT_EQ(automation::Narrow(text.get()), "00000001 (0,000,000,001)");

    EXPECT_EQ(nav_->DeleteValue(Wide("Bytes").get()), S_OK);
    EXPECT_EQ(nav_->DeleteKey(Wide("Sub").get()), S_OK);
    ASSERT_EQ(Cd("Sub"), kRegistryError);
    EXPECT_EQ(Cd("\\"), S_OK);
    UniqueVariant top;
    ASSERT_EQ(nav_->DirValue(top.get()), S_OK);
    EXPECT_EQ(V_VT(top.get()), VT_NULL);
}

TEST_F(Client, FailuresCarryNumberSourceAndDescription) {
    ExpectErrorInfo(Cd(".."), kNoCurrentKey, "Hivewalk", "No current Key.");
    ExpectErrorInfo(Cd(scratch_->Path("Missing").substr(1)), kRegistryError, "Hivewalk[API Call]",
                    "Key/Value does not exist.");
    ASSERT_EQ(Cd(scratch_->Path()), S_OK);
    ExpectErrorInfo(Let("x", ::hwDWord, std::int32_t{1}), kTypeMismatch, "Hivewalk [Let ValueOf]",
                    "Type passed doesn't match Value passed.");
}

TEST_F(Client, TextCrossesInTheSystemCodePage) {
    ASSERT_EQ(Cd(scratch_->Path()), S_OK);
    const wchar_t name[] = L"Caf\u00E9";
    ::enmDataType type = ::hwSTRING;
    UniqueVariant value;
    V_VT(value.get()) = VT_BSTR;
    V_BSTR(value.get()) = SysAllocString(L"\u00E9t\u00E9");
    ASSERT_EQ(nav_->put_ValueOf(Bstr(SysAllocString(name)).get(), &type, *value.get()), S_OK);
    std::uint8_t stored[16] = {};
    std::uint32_t size = sizeof stored;
    ASSERT_EQ(registry_.RegQueryValueExA(scratch_->handle(), "Caf\xE9", nullptr, nullptr, stored, &size),
              kErrorSuccess);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(stored), size), std::string("\xE9t\xE9\0", 4));
    UniqueVariant read;
    ASSERT_EQ(nav_->get_ValueOf(Bstr(SysAllocString(name)).get(), &type, read.get()), S_OK);
    LONG first = hwStringFormat;
    UniqueVariant text;
    ASSERT_EQ(SafeArrayGetElement(V_ARRAY(read.get()), &first, text.get()), S_OK);
    EXPECT_STREQ(V_BSTR(text.get()), L"\u00E9t\u00E9");
}

TEST_F(Client, ReleasingTheLastReferenceLetsTheDllUnload) {
    using CanUnload = HRESULT(STDAPICALLTYPE*)();
    const auto canUnload = reinterpret_cast<CanUnload>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"Hivewalk.dll"), "DllCanUnloadNow")));
    ASSERT_NE(canUnload, nullptr);
    ComPtr<IDispatch> second;
    ASSERT_EQ(nav_.As(&second), S_OK);
    nav_.Reset();
    EXPECT_EQ(canUnload(), S_FALSE) << "one reference is still held";
    second.Reset();
    EXPECT_EQ(canUnload(), S_OK);
}

}  // namespace
}  // namespace hivewalk::test
