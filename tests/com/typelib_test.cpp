// The type library embedded in Hivewalk.dll, read back through ITypeLib and
// ITypeInfo: what compiled clients and script hosts bind to.
#include "ComTestSupport.h"

#include <cstring>

namespace hivewalk::test {
namespace {

class TypeLibrary : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(LoadTypeLibEx(HivewalkDllPath().c_str(), REGKIND_NONE, &library_), S_OK);
    }
    ComPtr<ITypeInfo> Info(REFGUID guid) {
        ComPtr<ITypeInfo> info;
        EXPECT_EQ(library_->GetTypeInfoOfGuid(guid, &info), S_OK);
        return info;
    }
    static std::string Name(ITypeInfo* info, MEMBERID id) {
        automation::Bstr name;
        info->GetDocumentation(id, name.put(), nullptr, nullptr, nullptr);
        return automation::Narrow(name.get());
    }
    template <class Read>
    static void WithAttributes(ITypeInfo* info, Read read) {
        TYPEATTR* attributes = nullptr;
        ASSERT_EQ(info->GetTypeAttr(&attributes), S_OK);
        read(*attributes);
        info->ReleaseTypeAttr(attributes);
    }
    ComPtr<ITypeLib> library_;
};

TEST_F(TypeLibrary, ClassIsCreatableGlobalAndPredeclared) {
    WithAttributes(Info(CLSID_clsHivewalk).Get(), [](const TYPEATTR& a) {
        EXPECT_EQ(a.typekind, TKIND_COCLASS);
        EXPECT_EQ(a.wTypeFlags & (TYPEFLAG_FCANCREATE | TYPEFLAG_FAPPOBJECT | TYPEFLAG_FPREDECLID),
                  TYPEFLAG_FCANCREATE | TYPEFLAG_FAPPOBJECT | TYPEFLAG_FPREDECLID);
        EXPECT_EQ(a.cImplTypes, 1);
    });
    TLIBATTR* attributes = nullptr;
    ASSERT_EQ(library_->GetLibAttr(&attributes), S_OK);
    EXPECT_TRUE(IsEqualGUID(attributes->guid, LIBID_Hivewalk));
    EXPECT_EQ(attributes->wMajorVerNum, 2);
    EXPECT_EQ(attributes->wMinorVerNum, 0);
    library_->ReleaseTLibAttr(attributes);
}

TEST_F(TypeLibrary, InterfaceIsHiddenDualAndNotExtensible) {
    WithAttributes(Info(IID__clsHivewalk).Get(), [](const TYPEATTR& a) {
        const WORD wanted = TYPEFLAG_FHIDDEN | TYPEFLAG_FDUAL | TYPEFLAG_FNONEXTENSIBLE |
                            TYPEFLAG_FDISPATCHABLE;
        EXPECT_EQ(a.wTypeFlags & wanted, wanted);
    });
}

TEST_F(TypeLibrary, MembersHaveTheirSlotsAndDispatchIds) {
    // The vtable half of the dual interface.
    ComPtr<ITypeInfo> dispatch = Info(IID__clsHivewalk), vtable;
    HREFTYPE reference = 0;
    ASSERT_EQ(dispatch->GetRefTypeOfImplType(-1, &reference), S_OK);
    ASSERT_EQ(dispatch->GetRefTypeInfo(reference, &vtable), S_OK);
    const struct {
        const char* name;
        INVOKEKIND kind;
        MEMBERID id;
        SHORT parameters;
    } members[] = {
        {"CurrentKey", INVOKE_PROPERTYGET, 0x68030001, 1},
        {"Cd", INVOKE_FUNC, 0x60030004, 1},
        {"DirKey", INVOKE_FUNC, 0x60030005, 1},
        {"DirValue", INVOKE_FUNC, 0x60030006, 1},
        {"ValueOf", INVOKE_PROPERTYPUT, 0x68030000, 3},
        {"ValueOf", INVOKE_PROPERTYGET, 0x68030000, 3},
        {"MakeKey", INVOKE_FUNC, 0x60030007, 1},
        {"DeleteKey", INVOKE_FUNC, 0x60030008, 1},
        {"DeleteValue", INVOKE_FUNC, 0x60030009, 1},
    };
    for (UINT i = 0; i < std::size(members); ++i) {
        SCOPED_TRACE(members[i].name);
        FUNCDESC* function = nullptr;
        ASSERT_EQ(vtable->GetFuncDesc(i, &function), S_OK);
        EXPECT_EQ(Name(vtable.Get(), function->memid), members[i].name);
        EXPECT_EQ(function->invkind, members[i].kind);
        EXPECT_EQ(function->memid, members[i].id);
        EXPECT_EQ(function->oVft, static_cast<SHORT>((7 + i) * sizeof(void*)))
            << "slot after IUnknown's 3 and IDispatch's 4";
        EXPECT_EQ(function->cParams, members[i].parameters);
        if (std::string(members[i].name) == "ValueOf") {
            const ELEMDESC& type = function->lprgelemdescParam[1];
            EXPECT_EQ(type.paramdesc.wParamFlags & (PARAMFLAG_FIN | PARAMFLAG_FOUT),
                      PARAMFLAG_FIN | PARAMFLAG_FOUT)
                << "lngValueType is in and out";
            EXPECT_EQ(type.tdesc.vt, VT_PTR);
        }
        vtable->ReleaseFuncDesc(function);
    }
}

TEST_F(TypeLibrary, EnumerationsAndTheirMembers) {
    const struct {
        const char* enumeration;
        std::vector<std::pair<std::string, LONG>> members;
    } cases[] = {
        {"enmDirValueIndex", {{"hwValueName", 0}, {"hwValue", 1}, {"hwValueType", 2}}},
        {"enmDataType", {{"hwSTRING", 0}, {"hwByte", 1}, {"hwDWord", 2}}},
        {"enmValueOfIndex", {{"hwStringFormat", 0}, {"hwByteFormat", 1}, {"hwDWordFormat", 2}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.enumeration);
        ComPtr<ITypeInfo> info;
        MEMBERID id = 0;
        USHORT found = 1;
        std::wstring name(c.enumeration, c.enumeration + std::strlen(c.enumeration));
        ASSERT_EQ(library_->FindName(name.data(), 0, &info, &id, &found), S_OK);
        ASSERT_EQ(found, 1);
        std::vector<std::pair<std::string, LONG>> members;
        WithAttributes(info.Get(), [&](const TYPEATTR& a) {
            EXPECT_EQ(a.typekind, TKIND_ENUM);
            for (UINT i = 0; i < a.cVars; ++i) {
                VARDESC* variable = nullptr;
                ASSERT_EQ(info->GetVarDesc(i, &variable), S_OK);
                members.emplace_back(Name(info.Get(), variable->memid), V_I4(variable->lpvarValue));
                info->ReleaseVarDesc(variable);
            }
        });
        EXPECT_EQ(members, c.members);
    }
}

}  // namespace
}  // namespace hivewalk::test
