// The COM object built over the handle-tracking decorator: however it is
// driven, it leaves no handle open once released.
#include "ComTestSupport.h"
#include "HivewalkObject.h"
#include "Module.h"
#include "ScratchKey.h"
#include "registry/Advapi32Registry.h"
#include "registry/FaultInjectingRegistry.h"

namespace hivewalk::test {
namespace {

TEST(Lifetime, ReleasedObjectsLeaveNoHandleOpen) {
    Advapi32Registry system;
    ScratchKey scratch(system, "ComHandles");
    scratch.MakeKey("Sub");
    scratch.SetString("", "Description", "AutoCAD");
    FaultInjectingRegistry tracked(system);
    {
        ComPtr<_clsHivewalk> nav;
        ASSERT_EQ(com::CreateHivewalkObject(tracked, IID__clsHivewalk, &nav), S_OK);
        EXPECT_TRUE(com::ModuleInUse());
        automation::UniqueVariant keys, values, value;
        ASSERT_EQ(nav->Cd(automation::Wide(scratch.Path()).get()), S_OK);
        EXPECT_EQ(nav->DirKey(keys.get()), S_OK);
        EXPECT_EQ(nav->DirValue(values.get()), S_OK);
        ::enmDataType type = ::hwSTRING;
        EXPECT_EQ(nav->get_ValueOf(automation::Wide("Description").get(), &type, value.get()), S_OK);
        EXPECT_EQ(nav->Cd(automation::Wide("Missing").get()), static_cast<HRESULT>(0x80040100));
        EXPECT_EQ(nav->Cd(automation::Wide("..").get()), S_OK);
        // Late-bound too: the type information comes from this program's resources.
        ComPtr<IDispatch> dispatch;
        ASSERT_EQ(nav.As(&dispatch), S_OK);
        DISPPARAMS none{};
        automation::UniqueVariant path;
        EXPECT_EQ(dispatch->Invoke(0x68030001, IID_NULL, 0, DISPATCH_PROPERTYGET, &none,
                                   path.get(), nullptr, nullptr),
                  S_OK);
    }
    EXPECT_FALSE(com::ModuleInUse());
    EXPECT_TRUE(tracked.OpenHandles().empty());
    EXPECT_EQ(tracked.Violations(), std::vector<std::string>{});
}

}  // namespace
}  // namespace hivewalk::test
