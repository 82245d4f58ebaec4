// MakeKey, DeleteKey and DeleteValue.
#include "NavigatorFixture.h"

namespace hivewalk::test {
namespace {

class Maintenance : public NavigatorFixture {
protected:
    void SetUp() override {
        NavigatorFixture::SetUp();
        nav_->Cd(Typed());
    }
    std::vector<std::string> SubKeysOf(const std::string& path) {
        clsHivewalk reader(*backend_);
        reader.Cd(scratch_->Path(path));
        const Variant listing = reader.DirKey();
        if (listing.IsNull()) return {};
        return listing.As<StringArray>()->Elements();
    }
};

TEST_P(Maintenance, MakeKeyCreatesBelowTheCurrentKeyWithoutMoving) {
    nav_->MakeKey("AutoCAD");
    EXPECT_EQ(nav_->CurrentKey(), Reported());
    nav_->MakeKey("AutoCAD");  // already there: nothing happens
    nav_->MakeKey(" Spaced ");  // names are not trimmed
    nav_->MakeKey("one\\two\\three");
    EXPECT_EQ(SubKeysOf(""), (std::vector<std::string>{" Spaced ", "AutoCAD", "one"}));
    EXPECT_EQ(SubKeysOf("one\\two"), std::vector<std::string>{"three"});
    nav_->Cd("AutoCAD");
    EXPECT_EQ(nav_->CurrentKey(), Reported("AutoCAD"));
}

TEST_P(Maintenance, DeletingKeysAndValues) {
    scratch_->SetString("", "Description", "AutoCAD");
    scratch_->MakeKey("Parent\\Child");
    nav_->DeleteValue("Description");
    ExpectError([&] { nav_->DeleteValue("Description"); }, kRegistryError, kApiSource,
                "Key/Value does not exist.", "the second time");
    ExpectError([&] { nav_->DeleteKey("Missing"); }, kRegistryError, kApiSource,
                "Key/Value does not exist.");
    ExpectError([&] { nav_->DeleteKey("Parent"); }, kRegistryError, kApiSource,
                "Access to Registry Denied.", "a key with sub-keys");
    nav_->DeleteKey("Parent\\Child");
    nav_->DeleteKey("Parent");
    EXPECT_TRUE(SubKeysOf("").empty());
}

TEST_P(Maintenance, AtTheTopLevelEachFails) {
    nav_->Cd("\\");
    for (auto call : {&clsHivewalk::MakeKey, &clsHivewalk::DeleteKey, &clsHivewalk::DeleteValue}) {
        ExpectError([&] { (nav_.get()->*call)("x"); }, kRegistryError, kApiSource,
                    "Undefined key error code!");
    }
}

INSTANTIATE_TEST_SUITE_P(Backends, Maintenance, ::testing::ValuesIn(AllBackends()), BackendName());

}  // namespace
}  // namespace hivewalk::test
