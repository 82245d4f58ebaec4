// ValueOf let and get: encodings, type checks, the three views of a value,
// and the reopening around a read.
#include "NavigatorFixture.h"

#include <cmath>
#include <limits>

namespace hivewalk::test {
namespace {

constexpr const char* kLetSource = "Hivewalk [Let ValueOf]";

class Values : public NavigatorFixture {
protected:
    void SetUp() override {
        NavigatorFixture::SetUp();
        nav_->Cd(Typed());
    }
    struct Raw {
        long result = -1;
        std::uint32_t type = 0;
        std::vector<std::uint8_t> data;
    };
    Raw ReadRaw(const std::string& name) {
        Raw raw;
        std::uint8_t buffer[64];
        std::uint32_t size = sizeof buffer;
        raw.result = backend_->RegQueryValueExA(scratch_->handle(), name.c_str(), nullptr, &raw.type,
                                                buffer, &size);
        if (raw.result == kErrorSuccess) raw.data.assign(buffer, buffer + size);
        return raw;
    }
};

ByteArray TwoByTwo() { return ByteArray({ArrayBound{0, 2}, ArrayBound{0, 2}}); }

TEST_P(Values, LetWritesTheEncodingOfItsType) {
    const struct {
        const char* name;
        std::int32_t type;
        Variant value;
        std::uint32_t registryType;
        std::vector<std::uint8_t> bytes;
    } cases[] = {
        {"double one", hwDWord, 1.0, kRegDword, {1, 0, 0, 0}},
        {"largest", hwDWord, 4294967295.0, kRegDword, {0xFF, 0xFF, 0xFF, 0xFF}},
        {"abcd", hwDWord, 43981.0, kRegDword, {0xCD, 0xAB, 0, 0}},
        {"negative zero", hwDWord, -0.0, kRegDword, {0, 0, 0, 0}},
        {"one", hwSTRING, "1", kRegSz, {'1', 0}},
        {"empty", hwSTRING, "", kRegSz, {0}},
        {"high bytes", hwSTRING, "\xE9t\xE9", kRegSz, {0xE9, 't', 0xE9, 0}},
        {"binary", hwByte, ByteArray::Vector({5, 0xA0}), kRegBinary, {5, 0xA0}},
        {"from index 3", hwByte, ByteArray::Vector({1, 2, 3}, 3), kRegBinary, {1, 2, 3}},
        {"no bytes", hwByte, ByteArray::Vector({}), kRegBinary, {}},
    };
    for (const auto& c : cases) {
        std::int32_t type = c.type;
        nav_->ValueOf(c.name, type, c.value);
        EXPECT_EQ(type, c.type) << "let leaves the type alone: " << c.name;
        const Raw raw = ReadRaw(c.name);
        EXPECT_EQ(raw.result, kErrorSuccess) << c.name;
        EXPECT_EQ(raw.type, c.registryType) << c.name;
        EXPECT_EQ(raw.data, c.bytes) << c.name;
    }
}

TEST_P(Values, LetRefusesMismatchesBeforeWriting) {
    const struct {
        std::int32_t type;
        Variant value;
        int code;
        const char* what;
    } cases[] = {
        {hwDWord, std::int32_t{1}, hwTypeMismatch, "a Long"},
        {hwDWord, std::int16_t{1}, hwTypeMismatch, "an Integer"},
        {hwDWord, 4294967296.0, hwTypeMismatch, "2^32"},
        {hwDWord, -1.0, hwTypeMismatch, "-1"},
        {hwDWord, 1.5, hwTypeMismatch, "1.5"},
        {hwDWord, std::numeric_limits<double>::quiet_NaN(), hwTypeMismatch, "NaN"},
        {hwDWord, std::numeric_limits<double>::infinity(), hwTypeMismatch, "infinity"},
        {hwDWord, "1", hwTypeMismatch, "a String"},
        {hwByte, TwoByTwo(), hwTypeMismatch, "a two-dimensional Byte array"},
        {hwByte, "01", hwTypeMismatch, "a String"},
        {hwByte, StringArray::Vector({"1"}), hwTypeMismatch, "a String array"},
        {hwSTRING, 1.0, hwTypeMismatch, "a Double"},
        {hwSTRING, Null{}, hwTypeMismatch, "Null"},
        {hwSTRING, Empty{}, hwTypeMismatch, "Empty"},
        {3, "x", hwUnknownType, "type code 3"},
        {-1, "x", hwUnknownType, "type code -1"},
    };
    for (const auto& c : cases) {
        const NavigatorError expected = ClassError(c.code);
        std::int32_t type = c.type;
        ExpectError([&] { nav_->ValueOf("refused", type, c.value); }, expected.Number, kLetSource,
                    expected.Description, c.what);
        EXPECT_EQ(ReadRaw("refused").result, kErrorFileNotFound) << "nothing written: " << c.what;
    }
    EXPECT_EQ(ClassError(hwTypeMismatch).Number, -2147221501);
    EXPECT_EQ(ClassError(hwUnknownType).Number, -2147221500);
}

TEST_P(Values, GetReturnsTextBytesAndNumber) {
    const struct {
        const char* name;
        std::uint32_t registryType;
        std::vector<std::uint8_t> stored;
        std::string text;
        std::vector<std::uint8_t> bytes;
        double number;
        std::int32_t type;
    } cases[] = {
        {"sz", kRegSz, Bytes(std::string("AutoCAD\0", 8)), "AutoCAD", Bytes("AutoCAD"), 0, hwSTRING},
        {"only nul", kRegSz, {0}, "", {0}, 0, hwSTRING},
        {"no nul", kRegSz, Bytes("abc"), "abc", Bytes("abc"), 0, hwSTRING},
        {"binary", kRegBinary, {5, 0xA0}, "5 A0", {5, 0xA0}, 0, hwByte},
        {"dword", kRegDword, {0xCD, 0xAB, 0, 0}, "0000ABCD", {0xCD, 0xAB, 0, 0}, 43981, hwDWord},
        {"max", kRegDword, {0xFF, 0xFF, 0xFF, 0xFF}, "FFFFFFFF", {0xFF, 0xFF, 0xFF, 0xFF},
         4294967295.0, hwDWord},
        // Odd lengths read as if a zero high byte followed.
        {"odd", kRegDword, {1, 2, 3}, "00030201", {1, 2, 3}, 197121, hwDWord},
        {"one byte", kRegDword, {7}, "0007", {7}, 7, hwDWord},
        {"expand", kRegExpandSz, Bytes(std::string("%TEMP%\0", 7)), "%TEMP%", Bytes("%TEMP%"), 0, hwSTRING},
        {"multi", kRegMultiSz, Bytes(std::string("a\0b\0\0", 5)), std::string("a\0b\0", 4),
         Bytes(std::string("a\0b\0", 4)), 0, hwSTRING},
        {"empty binary", kRegBinary, {}, "", {}, 0, hwByte},
        {"empty string", kRegSz, {}, "", {}, 0, hwSTRING},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        scratch_->SetValue("", c.name, c.registryType, c.stored);
        std::int32_t type = -7;
        const Variant result = nav_->ValueOf(c.name, type);
        EXPECT_EQ(type, c.type);
        const VariantArray* views = result.As<VariantArray>();
        ASSERT_NE(views, nullptr);
        ASSERT_EQ(views->Bounds(), (std::vector<ArrayBound>{ArrayBound{0, 3}}));
        EXPECT_EQ((*views)(hwStringFormat), Variant(c.text));
        EXPECT_EQ((*views)(hwByteFormat), Variant(ByteArray::Vector(c.bytes)));
        EXPECT_EQ((*views)(hwDWordFormat), Variant(c.number));
    }
}

TEST_P(Values, LetThenGetRoundTrips) {
    std::int32_t type = hwSTRING;
    nav_->ValueOf("Description", type, "AutoCAD");
    type = hwDWord;
    nav_->ValueOf("Enabled", type, 1.0);
    type = -1;
    const Variant read = nav_->ValueOf("Enabled", type);
    EXPECT_EQ(type, hwDWord);
    EXPECT_EQ((*read.As<VariantArray>())(hwDWordFormat), Variant(1.0));
    type = -1;
    EXPECT_EQ((*nav_->ValueOf("Description", type).As<VariantArray>())(hwStringFormat),
              Variant("AutoCAD"));
}

TEST_P(Values, AtTheTopLevelBothFormsFail) {
    nav_->Cd("\\");
    std::int32_t type = hwSTRING;
    ExpectError([&] { nav_->ValueOf("x", type, "y"); }, kRegistryError, kApiSource,
                "Undefined key error code!");
    ExpectError([&] { nav_->ValueOf("x", type); }, kRegistryError, kApiSource,
                "Undefined key error code!");
}

// A get that fails between its two reopenings leaves the key open for
// reading; a move or a successful read restores full access.
TEST_P(Values, AFailedGetLeavesTheKeyReadOnlyUntilTheNextMoveOrRead) {
    scratch_->SetString("", "present", "x");
    std::int32_t type = hwSTRING;
    ExpectError([&] { nav_->ValueOf("missing", type); }, kRegistryError, kApiSource,
                "Key/Value does not exist.");
    EXPECT_EQ(type, hwSTRING) << "the failure came before the type was known";
    type = hwSTRING;
    ExpectError([&] { nav_->ValueOf("written", type, "x"); }, kRegistryError, kApiSource,
                "Access to Registry Denied.");
    nav_->ValueOf("present", type);
    nav_->ValueOf("written", type, "after a read");

    ExpectError([&] { nav_->ValueOf("missing", type); }, kRegistryError, kApiSource,
                "Key/Value does not exist.");
    nav_->Cd(scratch_->Path());
    nav_->ValueOf("written", type, "after a move");
    EXPECT_EQ(ReadRaw("written").data, Bytes(std::string("after a move\0", 13)));
}

TEST_P(Values, GetSetsTheTypeBeforeItsLastStep) {
    scratch_->SetValue("", "bin", kRegBinary, {1});
    tracked_->FailCall(Routine::RegOpenKeyExA, 2, kErrorCantOpen);  // the reopen for writing
    std::int32_t type = hwSTRING;
    ExpectError([&] { nav_->ValueOf("bin", type); }, kRegistryError, kApiSource, "Cannot Open Key.");
    EXPECT_EQ(type, hwByte);
}

INSTANTIATE_TEST_SUITE_P(Backends, Values, ::testing::ValuesIn(AllBackends()), BackendName());

}  // namespace
}  // namespace hivewalk::test
