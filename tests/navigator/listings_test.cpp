// DirKey and DirValue.
#include "NavigatorFixture.h"

#include <map>

namespace hivewalk::test {
namespace {

class Listings : public NavigatorFixture {
protected:
    struct Row {
        std::string value, type;
        bool operator==(const Row&) const = default;
    };
    // The DirValue table by value name (Wine enumerates values by name,
    // Windows in creation order, so rows are looked up, not counted).
    std::map<std::string, Row> Rows(const Variant& listing) {
        std::map<std::string, Row> rows;
        const StringArray* table = listing.As<StringArray>();
        if (!table) {
            ADD_FAILURE() << "not a String array";
            return rows;
        }
        EXPECT_EQ(table->Dimensions(), 2u);
        EXPECT_EQ(table->LBound(1), 0);
        EXPECT_EQ(table->UBound(1), 2);
        EXPECT_EQ(table->LBound(2), 0);
        for (std::int32_t row = 0; row <= *table->UBound(2); ++row) {
            rows[(*table)(hwValueName, row)] = {(*table)(hwValue, row), (*table)(hwValueType, row)};
        }
        return rows;
    }
};

TEST_P(Listings, AtTheTopLevel) {
    EXPECT_EQ(nav_->DirKey(), Variant(StringArray::Vector(
                                  {"HKEY_CLASSES_ROOT", "HKEY_CURRENT_USER", "HKEY_LOCAL_MACHINE",
                                   "HKEY_USERS", "HKEY_DYN_DATA", "HKEY_CURRENT_CONFIG"})));
    EXPECT_TRUE(nav_->DirValue().IsNull());
}

TEST_P(Listings, DirKeyListsSubKeysOrNull) {
    nav_->Cd(Typed());
    EXPECT_TRUE(nav_->DirKey().IsNull()) << "no sub-keys: Null, not an empty array";
    for (const char* name : {"Journaling", "AutoCAD", "b2", "B1"}) scratch_->MakeKey(name);
    EXPECT_EQ(nav_->DirKey(), Variant(StringArray::Vector({"AutoCAD", "B1", "b2", "Journaling"})));
    EXPECT_TRUE(nav_->DirValue().IsNull()) << "no values";
}

TEST_P(Listings, DirValueRendersEachType) {
    const struct {
        const char* name;
        std::uint32_t registryType;
        std::vector<std::uint8_t> stored;
        Row row;
    } cases[] = {
        {"", kRegSz, Bytes(std::string("default\0", 8)), {"default", "0"}},
        {"sz", kRegSz, Bytes(std::string("1\0", 2)), {"1", "0"}},
        {"no nul", kRegSz, Bytes("abc"), {"abc", "0"}},
        {"expand", kRegExpandSz, Bytes(std::string("%TEMP%\0", 7)), {"%TEMP%", "0"}},
        {"binary", kRegBinary, {5, 0xA0, 0xFF}, {"5 A0 FF", "1"}},
        {"one", kRegDword, {1, 0, 0, 0}, {"00000001 (0,000,000,001)", "2"}},
        {"abcd", kRegDword, {0xCD, 0xAB, 0, 0}, {"0000ABCD (0,000,043,981)", "2"}},
        {"max", kRegDword, {0xFF, 0xFF, 0xFF, 0xFF}, {"FFFFFFFF (4,294,967,295)", "2"}},
        {"odd", kRegDword, {1, 2, 3}, {"00030201 (0,000,197,121)", "2"}},
        {"eight", kRegDword, {0, 0, 0, 0, 1, 0, 0, 0}, {"0000000100000000 (4,294,967,296)", "2"}},
        {"empty", kRegBinary, {}, {"", ""}},
        {"empty string", kRegSz, {}, {"", ""}},
    };
    std::map<std::string, Row> expected;
    for (const auto& c : cases) {
        scratch_->SetValue("", c.name, c.registryType, c.stored);
        expected[c.name] = c.row;
    }
    nav_->Cd(Typed());
    EXPECT_EQ(Rows(nav_->DirValue()), expected);
}

TEST_P(Listings, ValuesBeyondTheBuffersFailTheWholeListing) {
    const struct {
        std::size_t nameLength, dataLength;
        bool fits;
    } cases[] = {{1023, 1, true}, {1024, 1, false}, {1, 1024, true}, {1, 1025, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "name " << c.nameLength << ", data " << c.dataLength);
        nav_->Cd("\\");
        DeleteTree(*backend_, scratch_->handle(), "limits");
        scratch_->SetValue("limits", std::string(c.nameLength, 'n'), kRegBinary,
                           std::vector<std::uint8_t>(c.dataLength, 0xAB));
        nav_->Cd(Typed("limits"));
        if (c.fits) {
            EXPECT_EQ(Rows(nav_->DirValue()).size(), 1u);
        } else {
            ExpectError([&] { nav_->DirValue(); }, kRegistryError, kApiSource,
                        "Undefined key error code!");
        }
    }
}

TEST_P(Listings, LongClassNamesFailTheListings) {
    scratch_->MakeKey("plain\\child with a long class", std::string(1024, 'c'));
    scratch_->MakeKey("long class", std::string(1024, 'c'));
    nav_->Cd(Typed("plain"));
    ExpectError([&] { nav_->DirKey(); }, kRegistryError, kApiSource, "Undefined key error code!",
                "a sub-key's class does not fit");
    nav_->Cd(scratch_->Path("long class"));
    ExpectError([&] { nav_->DirKey(); }, kRegistryError, kApiSource, "Undefined key error code!");
    ExpectError([&] { nav_->DirValue(); }, kRegistryError, kApiSource, "Undefined key error code!");
}

TEST_P(Listings, AListingLeavesTheKeyWritable) {
    scratch_->SetString("", "v", "x");
    nav_->Cd(Typed());
    nav_->DirValue();
    nav_->DirKey();
    std::int32_t type = hwSTRING;
    nav_->ValueOf("after listing", type, "x");
}

INSTANTIATE_TEST_SUITE_P(Backends, Listings, ::testing::ValuesIn(AllBackends()), BackendName());

}  // namespace
}  // namespace hivewalk::test
