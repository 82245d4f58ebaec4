// The registry seam's contract: what the navigator relies on, run against
// every backend. Under Wine this runs against the real advapi32 too, which is
// what keeps the model honest.
#include "Backends.h"
#include "ScratchKey.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace hivewalk::test {
namespace {

constexpr HKey kSentinel = 0xDEADBEEFu;

class Contract : public ::testing::TestWithParam<Backend> {
protected:
    void SetUp() override {
        registry_ = GetParam().make();
        scratch_ = std::make_unique<ScratchKey>(*registry_, "Contract");
    }
    void TearDown() override { scratch_.reset(); }

    Registry& reg() { return *registry_; }
    HKey scratch() const { return scratch_->handle(); }

    HKey Open(HKey parent, const char* path, std::uint32_t access = kKeyAllAccess) {
        HKey key = kSentinel;
        EXPECT_EQ(reg().RegOpenKeyExA(parent, path, 0, access, &key), kErrorSuccess) << path;
        return key;
    }
    HKey Create(HKey parent, const char* path, std::uint32_t* disposition = nullptr,
                const char* className = "") {
        HKey key = kSentinel;
        EXPECT_EQ(reg().RegCreateKeyExA(parent, path, 0, className, 0, kKeyAllAccess, nullptr,
                                        &key, disposition),
                  kErrorSuccess)
            << path;
        return key;
    }
    void SetString(HKey key, const char* name, const char* text) {
        EXPECT_EQ(reg().RegSetValueExA(key, name, 0, kRegSz,
                                       reinterpret_cast<const std::uint8_t*>(text),
                                       static_cast<std::uint32_t>(std::strlen(text) + 1)),
                  kErrorSuccess);
    }
    std::vector<std::string> SubKeys(HKey key) {
        std::vector<std::string> names;
        for (std::uint32_t i = 0;; ++i) {
            char name[1024];
            std::uint32_t length = sizeof name;
            if (reg().RegEnumKeyExA(key, i, name, &length, nullptr, nullptr, nullptr, nullptr))
                break;
            names.emplace_back(name, length);
        }
        return names;
    }
    std::vector<std::string> ValueNames(HKey key) {
        std::vector<std::string> names;
        for (std::uint32_t i = 0;; ++i) {
            char name[1024];
            std::uint32_t length = sizeof name;
            if (reg().RegEnumValueA(key, i, name, &length, nullptr, nullptr, nullptr, nullptr))
                break;
            names.emplace_back(name, length);
        }
        return names;
    }

    std::unique_ptr<Registry> registry_;
    std::unique_ptr<ScratchKey> scratch_;
};

TEST_P(Contract, RootsAreUsableDirectlyAndSurviveClosing) {
    HKey root = kSentinel;
    ASSERT_EQ(reg().RegOpenKeyExA(kHKeyCurrentUser, "", 0, kKeyRead, &root), kErrorSuccess);
    EXPECT_EQ(root, kHKeyCurrentUser) << "an empty sub-path under a root opens the root itself";
    EXPECT_EQ(reg().RegCloseKey(kHKeyCurrentUser), kErrorSuccess);
    HKey key = Open(kHKeyCurrentUser, scratch_->subPath().c_str());
    EXPECT_EQ(reg().RegCloseKey(key), kErrorSuccess);
    for (HKey each : {kHKeyClassesRoot, kHKeyCurrentUser, kHKeyLocalMachine, kHKeyUsers,
                      kHKeyCurrentConfig, kHKeyDynData}) {
        std::uint32_t subKeys = 0;
        EXPECT_EQ(reg().RegQueryInfoKeyA(each, nullptr, nullptr, nullptr, &subKeys, nullptr,
                                         nullptr, nullptr, nullptr, nullptr, nullptr, nullptr),
                  kErrorSuccess)
            << std::hex << each;
    }
}

TEST_P(Contract, EmptySubPathUnderAKeyOpensItAgainUnderANewHandle) {
    HKey again = Open(scratch(), "");
    EXPECT_NE(again, scratch());
    SetString(again, "through the new handle", "x");
    std::uint32_t size = 0;
    EXPECT_EQ(reg().RegQueryValueExA(scratch(), "through the new handle", nullptr, nullptr,
                                     nullptr, &size),
              kErrorSuccess);
    EXPECT_EQ(reg().RegCloseKey(again), kErrorSuccess);
}

TEST_P(Contract, NamesMatchWithoutCaseAndKeepTheirCase) {
    reg().RegCloseKey(Create(scratch(), "MixedCase"));
    HKey key = Open(scratch(), "mIXEDcASE");
    SetString(key, "ValueName", "x");
    std::uint32_t size = 0;
    EXPECT_EQ(reg().RegQueryValueExA(key, "VALUENAME", nullptr, nullptr, nullptr, &size),
              kErrorSuccess);
    EXPECT_EQ(SubKeys(scratch()), std::vector<std::string>{"MixedCase"});
    EXPECT_EQ(ValueNames(key), std::vector<std::string>{"ValueName"});
    reg().RegCloseKey(key);
}

TEST_P(Contract, SubPaths) {
    reg().RegCloseKey(Create(scratch(), "a\\b"));
    const std::string longest(256, 'k'), tooLong(257, 'k');
    const struct {
        std::string path;
        long open;
    } cases[] = {
        {"a\\b", kErrorSuccess},
        {"A\\B\\", kErrorSuccess},           // a trailing "\" is ignored
        {"a\\\\b", kErrorSuccess},           // so is a doubled one
        {"\\a", kErrorBadPathname},          // a leading one is refused
        {"missing", kErrorFileNotFound},
        {"a\\missing", kErrorFileNotFound},
        {longest, kErrorFileNotFound},       // 256 characters is a valid name
        {tooLong, kErrorInvalidParameter},   // 257 is not
        {"a\\" + tooLong, kErrorInvalidParameter},
    };
    for (const auto& c : cases) {
        HKey key = kSentinel;
        EXPECT_EQ(reg().RegOpenKeyExA(scratch(), c.path.c_str(), 0, kKeyRead, &key), c.open)
            << c.path;
        if (c.open == kErrorSuccess) {
            reg().RegCloseKey(key);
        } else {
            EXPECT_EQ(key, kSentinel) << "a failed open leaves the output alone: " << c.path;
        }
    }
    HKey key = kSentinel;
    EXPECT_EQ(reg().RegCreateKeyExA(scratch(), tooLong.c_str(), 0, "", 0, kKeyAllAccess, nullptr,
                                    &key, nullptr),
              kErrorInvalidParameter);
    reg().RegCloseKey(Create(scratch(), longest.c_str()));
    EXPECT_EQ(reg().RegDeleteKeyA(scratch(), longest.c_str()), kErrorSuccess);
}

TEST_P(Contract, CreateReportsWhetherTheKeyIsNew) {
    std::uint32_t disposition = 0;
    reg().RegCloseKey(Create(scratch(), "one\\two", &disposition));
    EXPECT_EQ(disposition, kRegCreatedNewKey);
    reg().RegCloseKey(Create(scratch(), "ONE\\TWO", &disposition));
    EXPECT_EQ(disposition, kRegOpenedExistingKey);
    EXPECT_EQ(SubKeys(scratch()), std::vector<std::string>{"one"});
}

TEST_P(Contract, AccessIsCheckedPerHandleForValuesNotForSubKeys) {
    SetString(scratch(), "v", "x");
    HKey readOnly = Open(scratch(), "", kKeyRead);
    const std::uint8_t data[] = {'y', 0};
    EXPECT_EQ(reg().RegSetValueExA(readOnly, "v", 0, kRegSz, data, 2), kErrorAccessDenied);
    EXPECT_EQ(reg().RegDeleteValueA(readOnly, "v"), kErrorAccessDenied);
    std::uint32_t size = 0;
    EXPECT_EQ(reg().RegQueryValueExA(readOnly, "v", nullptr, nullptr, nullptr, &size),
              kErrorSuccess);
    HKey child = kSentinel;
    EXPECT_EQ(reg().RegCreateKeyExA(readOnly, "child", 0, "", 0, kKeyAllAccess, nullptr, &child,
                                    nullptr),
              kErrorSuccess);
    reg().RegCloseKey(child);
    EXPECT_EQ(reg().RegDeleteKeyA(readOnly, "child"), kErrorSuccess);
    reg().RegCloseKey(readOnly);

    HKey writeOnly = Open(scratch(), "", kKeySetValue);
    std::uint8_t buffer[16];
    char name[16];
    std::uint32_t length = sizeof name;
    size = sizeof buffer;
    EXPECT_EQ(reg().RegQueryValueExA(writeOnly, "v", nullptr, nullptr, buffer, &size),
              kErrorAccessDenied);
    EXPECT_EQ(reg().RegEnumValueA(writeOnly, 0, name, &length, nullptr, nullptr, nullptr, nullptr),
              kErrorAccessDenied);
    length = sizeof name;
    EXPECT_EQ(reg().RegEnumKeyExA(writeOnly, 0, name, &length, nullptr, nullptr, nullptr, nullptr),
              kErrorAccessDenied);
    reg().RegCloseKey(writeOnly);
}

// Every routine fails with 6 through handle 0 (the navigator at the top level
// relies on it) and through a handle already closed.
TEST_P(Contract, HandleZeroAndClosedHandlesAreInvalid) {
    HKey closed = Open(scratch(), "");
    ASSERT_EQ(reg().RegCloseKey(closed), kErrorSuccess);
    for (HKey bad : {HKey{0}, closed}) {
        SCOPED_TRACE(bad == 0 ? "handle 0" : "closed handle");
        HKey key = kSentinel;
        char name[16];
        std::uint32_t length = sizeof name, size = 0, count = 0;
        const std::uint8_t data[] = {1};
        EXPECT_EQ(reg().RegOpenKeyExA(bad, "x", 0, kKeyRead, &key), kErrorInvalidHandle);
        EXPECT_EQ(reg().RegCloseKey(bad), kErrorInvalidHandle);
        EXPECT_EQ(reg().RegCreateKeyExA(bad, "x", 0, "", 0, kKeyAllAccess, nullptr, &key, nullptr),
                  kErrorInvalidHandle);
        EXPECT_EQ(reg().RegDeleteKeyA(bad, "x"), kErrorInvalidHandle);
        EXPECT_EQ(reg().RegDeleteValueA(bad, "x"), kErrorInvalidHandle);
        EXPECT_EQ(reg().RegQueryInfoKeyA(bad, nullptr, nullptr, nullptr, &count, nullptr, nullptr,
                                         nullptr, nullptr, nullptr, nullptr, nullptr),
                  kErrorInvalidHandle);
        EXPECT_EQ(reg().RegEnumKeyExA(bad, 0, name, &length, nullptr, nullptr, nullptr, nullptr),
                  kErrorInvalidHandle);
        length = sizeof name;
        EXPECT_EQ(reg().RegEnumValueA(bad, 0, name, &length, nullptr, nullptr, nullptr, nullptr),
                  kErrorInvalidHandle);
        EXPECT_EQ(reg().RegQueryValueExA(bad, "x", nullptr, nullptr, nullptr, &size),
                  kErrorInvalidHandle);
        EXPECT_EQ(reg().RegSetValueExA(bad, "x", 0, kRegBinary, data, 1), kErrorInvalidHandle);
        EXPECT_EQ(key, kSentinel);
    }
}

TEST_P(Contract, AKeyDeletedElsewhereFailsThroughItsOldHandle) {
    HKey doomed = Create(scratch(), "doomed");
    ASSERT_EQ(reg().RegDeleteKeyA(scratch(), "doomed"), kErrorSuccess);
    HKey key = kSentinel;
    std::uint32_t size = 0, count = 0;
    char name[16];
    std::uint32_t length = sizeof name;
    const std::uint8_t data[] = {1};
    EXPECT_EQ(reg().RegSetValueExA(doomed, "v", 0, kRegBinary, data, 1), kErrorKeyDeleted);
    EXPECT_EQ(reg().RegQueryValueExA(doomed, "v", nullptr, nullptr, nullptr, &size),
              kErrorKeyDeleted);
    EXPECT_EQ(reg().RegOpenKeyExA(doomed, "", 0, kKeyRead, &key), kErrorKeyDeleted);
    EXPECT_EQ(reg().RegCreateKeyExA(doomed, "sub", 0, "", 0, kKeyAllAccess, nullptr, &key,
                                    nullptr),
              kErrorKeyDeleted);
    EXPECT_EQ(reg().RegQueryInfoKeyA(doomed, nullptr, nullptr, nullptr, &count, nullptr, nullptr,
                                     nullptr, nullptr, nullptr, nullptr, nullptr),
              kErrorKeyDeleted);
    EXPECT_EQ(reg().RegEnumKeyExA(doomed, 0, name, &length, nullptr, nullptr, nullptr, nullptr),
              kErrorKeyDeleted);
    EXPECT_EQ(reg().RegCloseKey(doomed), kErrorSuccess);
    EXPECT_TRUE(SubKeys(scratch()).empty());
}

TEST_P(Contract, MissingKeysAndValues) {
    std::uint32_t size = 0;
    HKey key = kSentinel;
    EXPECT_EQ(reg().RegOpenKeyExA(scratch(), "missing", 0, kKeyRead, &key), kErrorFileNotFound);
    EXPECT_EQ(reg().RegDeleteKeyA(scratch(), "missing"), kErrorFileNotFound);
    EXPECT_EQ(reg().RegDeleteValueA(scratch(), "missing"), kErrorFileNotFound);
    EXPECT_EQ(reg().RegQueryValueExA(scratch(), "missing", nullptr, nullptr, nullptr, &size),
              kErrorFileNotFound);
    SetString(scratch(), "once", "x");
    EXPECT_EQ(reg().RegDeleteValueA(scratch(), "once"), kErrorSuccess);
    EXPECT_EQ(reg().RegDeleteValueA(scratch(), "once"), kErrorFileNotFound);
}

TEST_P(Contract, DeletingKeys) {
    reg().RegCloseKey(Create(scratch(), "parent\\child"));
    EXPECT_EQ(reg().RegDeleteKeyA(scratch(), "parent"), kErrorAccessDenied)
        << "a key with sub-keys is not deleted";
    EXPECT_EQ(reg().RegDeleteKeyA(scratch(), "PARENT\\CHILD"), kErrorSuccess);
    HKey parent = Open(scratch(), "parent");
    EXPECT_EQ(reg().RegDeleteKeyA(parent, ""), kErrorSuccess) << "an empty name deletes the key";
    reg().RegCloseKey(parent);
    EXPECT_TRUE(SubKeys(scratch()).empty());
}

TEST_P(Contract, QueryValueSizesAndShortBuffers) {
    const std::uint8_t data[] = {5, 0xA0, 0xFF};
    ASSERT_EQ(reg().RegSetValueExA(scratch(), "bin", 0, kRegBinary, data, 3), kErrorSuccess);
    std::uint32_t type = 0, size = 0;
    EXPECT_EQ(reg().RegQueryValueExA(scratch(), "bin", nullptr, &type, nullptr, &size),
              kErrorSuccess);
    EXPECT_EQ(type, kRegBinary);
    EXPECT_EQ(size, 3u);
    std::uint8_t buffer[3] = {7, 7, 7};
    size = 2;
    EXPECT_EQ(reg().RegQueryValueExA(scratch(), "bin", nullptr, &type, buffer, &size),
              kErrorMoreData);
    EXPECT_EQ(size, 3u) << "a short buffer learns the size it needs";
    size = 3;
    EXPECT_EQ(reg().RegQueryValueExA(scratch(), "bin", nullptr, &type, buffer, &size),
              kErrorSuccess);
    EXPECT_EQ(std::vector<std::uint8_t>(buffer, buffer + 3), std::vector<std::uint8_t>(data, data + 3));
}

TEST_P(Contract, DataRoundTripsUnchanged) {
    const struct {
        const char* name;
        std::uint32_t type;
        std::vector<std::uint8_t> data;
    } cases[] = {
        {"empty binary", kRegBinary, {}},
        {"empty string", kRegSz, {}},
        {"odd dword", kRegDword, {1, 2, 3}},
        {"dword", kRegDword, {0xCD, 0xAB, 0, 0}},
        {"high bytes", kRegSz, {0xE9, 0xE8, 0x80, 0xFF, 0}},
        {"expand", kRegExpandSz, Bytes(std::string("%TEMP%\0", 7))},
        {"multi", kRegMultiSz, Bytes(std::string("a\0b\0\0", 5))},
    };
    for (const auto& c : cases) {
        ASSERT_EQ(reg().RegSetValueExA(scratch(), c.name, 0, c.type, c.data.data(),
                                       static_cast<std::uint32_t>(c.data.size())),
                  kErrorSuccess)
            << c.name;
        std::uint8_t buffer[64];
        std::uint32_t type = 0, size = sizeof buffer;
        ASSERT_EQ(reg().RegQueryValueExA(scratch(), c.name, nullptr, &type, buffer, &size),
                  kErrorSuccess)
            << c.name;
        EXPECT_EQ(type, c.type) << c.name;
        EXPECT_EQ(std::vector<std::uint8_t>(buffer, buffer + size), c.data) << c.name;
    }
}

TEST_P(Contract, EnumerationLimitsAndEnd) {
    // The navigator lists with 1,024-character name buffers and 1,024-byte
    // data buffers: a 1,023-character name and 1,024 bytes of data fit.
    const struct {
        std::size_t nameLength;
        std::size_t dataLength;
        long result;
    } cases[] = {
        {1023, 1, kErrorSuccess},
        {1024, 1, kErrorMoreData},
        {1, 1024, kErrorSuccess},
        {1, 1025, kErrorMoreData},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "name " << c.nameLength << ", data " << c.dataLength);
        HKey key = Create(scratch(), "limits");
        const std::string valueName(c.nameLength, 'n');
        const std::vector<std::uint8_t> data(c.dataLength, 7);
        ASSERT_EQ(reg().RegSetValueExA(key, valueName.c_str(), 0, kRegBinary, data.data(),
                                       static_cast<std::uint32_t>(data.size())),
                  kErrorSuccess);
        char name[1024];
        std::uint8_t buffer[1024];
        std::uint32_t nameLength = sizeof name, size = sizeof buffer, type = 0;
        EXPECT_EQ(reg().RegEnumValueA(key, 0, name, &nameLength, nullptr, &type, buffer, &size),
                  c.result);
        if (c.result == kErrorSuccess) {
            EXPECT_EQ(nameLength, c.nameLength);
            EXPECT_EQ(size, c.dataLength);
        }
        nameLength = sizeof name;
        EXPECT_EQ(reg().RegEnumValueA(key, 1, name, &nameLength, nullptr, &type, buffer, &size),
                  kErrorNoMoreItems);
        reg().RegCloseKey(key);
        DeleteTree(reg(), scratch(), "limits");
    }
    char name[16];
    std::uint32_t length = sizeof name;
    EXPECT_EQ(reg().RegEnumKeyExA(scratch(), 0, name, &length, nullptr, nullptr, nullptr, nullptr),
              kErrorNoMoreItems);
}

TEST_P(Contract, NameAndClassBuffersMustHoldTheTerminatingNul) {
    const std::string longClass(1024, 'c'), fittingClass(1023, 'c');
    reg().RegCloseKey(Create(scratch(), "abc", nullptr, fittingClass.c_str()));
    SetString(scratch(), "abc", "x");
    char name[1024], className[1024];
    std::uint32_t nameLength = 3, classLength = sizeof className;
    EXPECT_EQ(reg().RegEnumKeyExA(scratch(), 0, name, &nameLength, nullptr, nullptr, nullptr,
                                  nullptr),
              kErrorMoreData);
    nameLength = 4;
    EXPECT_EQ(reg().RegEnumKeyExA(scratch(), 0, name, &nameLength, nullptr, className,
                                  &classLength, nullptr),
              kErrorSuccess);
    EXPECT_EQ(nameLength, 3u);
    EXPECT_EQ(classLength, 1023u);
    nameLength = 3;
    EXPECT_EQ(reg().RegEnumValueA(scratch(), 0, name, &nameLength, nullptr, nullptr, nullptr,
                                  nullptr),
              kErrorMoreData);

    HKey withLongClass = Create(scratch(), "long class", nullptr, longClass.c_str());
    classLength = sizeof className;
    EXPECT_EQ(reg().RegQueryInfoKeyA(withLongClass, className, &classLength, nullptr, nullptr,
                                     nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                                     nullptr),
              kErrorMoreData);
    reg().RegCloseKey(withLongClass);
    nameLength = sizeof name;
    classLength = sizeof className;
    EXPECT_EQ(reg().RegEnumKeyExA(scratch(), 1, name, &nameLength, nullptr, className,
                                  &classLength, nullptr),
              kErrorMoreData)
        << "the class of the second sub-key does not fit";
}

TEST_P(Contract, QueryInfoCountsSubKeysAndValues) {
    reg().RegCloseKey(Create(scratch(), "k1"));
    reg().RegCloseKey(Create(scratch(), "k2\\deeper"));
    SetString(scratch(), "v1", "x");
    SetString(scratch(), "", "default");
    std::uint32_t subKeys = 99, values = 99;
    EXPECT_EQ(reg().RegQueryInfoKeyA(scratch(), nullptr, nullptr, nullptr, &subKeys, nullptr,
                                     nullptr, &values, nullptr, nullptr, nullptr, nullptr),
              kErrorSuccess);
    EXPECT_EQ(subKeys, 2u);
    EXPECT_EQ(values, 2u);
}

TEST_P(Contract, SubKeysEnumerateInCaseInsensitiveOrder) {
    for (const char* name : {"b", "C1", "a", "c2", "B0"}) reg().RegCloseKey(Create(scratch(), name));
    EXPECT_EQ(SubKeys(scratch()), (std::vector<std::string>{"a", "b", "B0", "C1", "c2"}));
}

INSTANTIATE_TEST_SUITE_P(Backends, Contract, ::testing::ValuesIn(AllBackends()), BackendName());

// Where Windows and Wine part ways, the model follows Windows: these run on
// the model only.
class ModelOnly : public Contract {};

TEST_P(ModelOnly, SubKeysSortByUpperCasedName) {
    // Windows compares upper-cased names, so "_" (0x5F) sorts after letters;
    // Wine compares lower-cased names and puts it first.
    for (const char* name : {"A_", "ab", "_x", "AA"}) reg().RegCloseKey(Create(scratch(), name));
    EXPECT_EQ(SubKeys(scratch()), (std::vector<std::string>{"AA", "ab", "A_", "_x"}));
}

TEST_P(ModelOnly, ValuesEnumerateInCreationOrder) {
    // Windows keeps creation order; Wine sorts values by name.
    for (const char* name : {"zeta", "alpha", "Mid"}) SetString(scratch(), name, "x");
    SetString(scratch(), "ALPHA", "replaced in place");
    EXPECT_EQ(ValueNames(scratch()), (std::vector<std::string>{"zeta", "alpha", "Mid"}));
}

TEST_P(ModelOnly, LongSubPathsOpen) {
    // Windows limits each name to 255 characters (the model, like Wine, to
    // 256), not the whole path. Wine's narrow routines convert a sub-path
    // through a 260-character buffer and fail longer ones with 234.
    std::string path = "level";
    for (int i = 0; i < 40; ++i) path += "\\level";
    reg().RegCloseKey(Create(scratch(), path.c_str()));
    reg().RegCloseKey(Open(scratch(), path.c_str()));
}

INSTANTIATE_TEST_SUITE_P(Model, ModelOnly, ::testing::Values(AllBackends().front()), BackendName());

}  // namespace
}  // namespace hivewalk::test
