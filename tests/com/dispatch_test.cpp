// Late-bound clients: every member by name through IDispatch, ValueOf with
// its type argument by reference, and errors in EXCEPINFO.
#include "ComTestSupport.h"
#include "ScratchKey.h"
#include "registry/Advapi32Registry.h"

#include <algorithm>

namespace hivewalk::test {
namespace {

using automation::Bstr;
using automation::UniqueVariant;

class LateBound : public ::testing::Test {
protected:
    void SetUp() override {
        scratch_ = std::make_unique<ScratchKey>(registry_, "Dispatch");
        ASSERT_EQ(CoCreateInstance(CLSID_clsHivewalk, nullptr, CLSCTX_INPROC_SERVER, IID_IDispatch,
                                   &object_),
                  S_OK);
    }
    void TearDown() override {
        object_.Reset();
        scratch_.reset();
    }

    DISPID Id(const wchar_t* name) {
        DISPID id = DISPID_UNKNOWN;
        LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
        EXPECT_EQ(object_->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id), S_OK) << name;
        return id;
    }
    // Invokes `name` with arguments given first to last.
    HRESULT Call(const wchar_t* name, WORD flags, std::vector<VARIANT> arguments, VARIANT* result) {
        std::reverse(arguments.begin(), arguments.end());
        DISPID put = DISPID_PROPERTYPUT;
        DISPPARAMS params{arguments.data(), nullptr, static_cast<UINT>(arguments.size()), 0};
        if (flags == DISPATCH_PROPERTYPUT) {
            params.rgdispidNamedArgs = &put;
            params.cNamedArgs = 1;
        }
        exception_ = EXCEPINFO{};
        return object_->Invoke(Id(name), IID_NULL, LOCALE_USER_DEFAULT, flags, &params, result,
                               &exception_, nullptr);
    }
    void ExpectException(HRESULT hr, HRESULT number, const wchar_t* source, const wchar_t* description) {
        EXPECT_EQ(hr, DISP_E_EXCEPTION);
        EXPECT_EQ(exception_.scode, number);
        EXPECT_STREQ(exception_.bstrSource, source);
        EXPECT_STREQ(exception_.bstrDescription, description);
        SysFreeString(exception_.bstrSource);
        SysFreeString(exception_.bstrDescription);
        SysFreeString(exception_.bstrHelpFile);
    }
    static VARIANT Text(const std::string& text) {
        VARIANT v;
        V_VT(&v) = VT_BSTR;
        V_BSTR(&v) = automation::Wide(text).release();
        return v;
    }
    static VARIANT Number(double number) {
        VARIANT v;
        V_VT(&v) = VT_R8;
        V_R8(&v) = number;
        return v;
    }

    Advapi32Registry registry_;
    std::unique_ptr<ScratchKey> scratch_;
    ComPtr<IDispatch> object_;
    EXCEPINFO exception_{};
};

TEST_F(LateBound, NamesResolveToTheirDispatchIds) {
    const std::pair<const wchar_t*, DISPID> names[] = {
        {L"CurrentKey", 0x68030001}, {L"Cd", 0x60030004},        {L"DirKey", 0x60030005},
        {L"DirValue", 0x60030006},   {L"ValueOf", 0x68030000},   {L"MakeKey", 0x60030007},
        {L"DeleteKey", 0x60030008},  {L"DeleteValue", 0x60030009}, {L"cd", 0x60030004},
    };
    for (const auto& [name, id] : names) EXPECT_EQ(Id(name), id) << "name lookup ignores case";
}

TEST_F(LateBound, EveryMemberByName) {
    UniqueVariant ignored, path, keys, values, read;
    VARIANT where = Text(scratch_->Path().substr(1));
    ASSERT_EQ(Call(L"Cd", DISPATCH_METHOD, {where}, ignored.get()), S_OK);
    VariantClear(&where);
    ASSERT_EQ(Call(L"CurrentKey", DISPATCH_PROPERTYGET, {}, path.get()), S_OK);
    EXPECT_STREQ(V_BSTR(path.get()), L"\\HKEY_CURRENT_USER\\SOFTWARE\\HIVEWALKTESTS\\DISPATCH");

    // The type argument by reference, as compiled late-bound clients pass it.
    LONG type = ::hwDWord;
    VARIANT byRefType;
    V_VT(&byRefType) = VT_BYREF | VT_I4;
    V_I4REF(&byRefType) = &type;
    VARIANT name = Text("Enabled"), one = Number(1);
    ASSERT_EQ(Call(L"ValueOf", DISPATCH_PROPERTYPUT, {name, byRefType, one}, nullptr), S_OK);

    // And as script hosts pass a variable: a reference to a VARIANT.
    VARIANT variable;
    V_VT(&variable) = VT_I2;
    V_I2(&variable) = 0;
    VARIANT byRefVariable;
    V_VT(&byRefVariable) = VT_BYREF | VT_VARIANT;
    V_VARIANTREF(&byRefVariable) = &variable;
    ASSERT_EQ(Call(L"ValueOf", DISPATCH_METHOD | DISPATCH_PROPERTYGET, {name, byRefVariable},
                   read.get()),
              S_OK);
    EXPECT_EQ(V_VT(&variable), VT_I4);
    EXPECT_EQ(V_I4(&variable), ::hwDWord) << "the get writes the type back into the variable";
    EXPECT_EQ(automation::FromVariant(*read.get()),
              Variant(VariantArray::Vector({"00000001", ByteArray::Vector({1, 0, 0, 0}), 1.0})));

    VARIANT sub = Text("Sub");
    ASSERT_EQ(Call(L"MakeKey", DISPATCH_METHOD, {sub}, nullptr), S_OK);
    ASSERT_EQ(Call(L"DirKey", DISPATCH_METHOD, {}, keys.get()), S_OK);
    EXPECT_EQ(automation::FromVariant(*keys.get()), Variant(StringArray::Vector({"Sub"})));
    ASSERT_EQ(Call(L"DirValue", DISPATCH_METHOD, {}, values.get()), S_OK);
    EXPECT_EQ(V_VT(values.get()), VT_ARRAY | VT_BSTR);
    ASSERT_EQ(Call(L"DeleteKey", DISPATCH_METHOD, {sub}, nullptr), S_OK);
    ASSERT_EQ(Call(L"DeleteValue", DISPATCH_METHOD, {name}, nullptr), S_OK);
    VariantClear(&sub);
    VariantClear(&name);
}

TEST_F(LateBound, ErrorsArriveInExcepInfo) {
    VARIANT parent = Text("..");
    ExpectException(Call(L"Cd", DISPATCH_METHOD, {parent}, nullptr), static_cast<HRESULT>(0x80040001),
                    L"Hivewalk", L"No current Key.");
    VariantClear(&parent);

    LONG type = ::hwSTRING;
    VARIANT byRefType;
    V_VT(&byRefType) = VT_BYREF | VT_I4;
    V_I4REF(&byRefType) = &type;
    VARIANT name = Text("x");
    UniqueVariant read;
    ExpectException(Call(L"ValueOf", DISPATCH_PROPERTYGET, {name, byRefType}, read.get()),
                    static_cast<HRESULT>(0x80040100), L"Hivewalk[API Call]",
                    L"Undefined key error code!");
    VARIANT number = Number(1);
    ExpectException(Call(L"ValueOf", DISPATCH_PROPERTYPUT, {name, byRefType, number}, nullptr),
                    static_cast<HRESULT>(0x80040003), L"Hivewalk [Let ValueOf]",
                    L"Type passed doesn't match Value passed.");
    VariantClear(&name);
}

}  // namespace
}  // namespace hivewalk::test
