// ModelRegistry: an in-memory registry with the behaviour of Windows NT's
// that the navigator relies on, so the navigator can be built and tested
// where advapi32 is absent. The contract suite runs the same cases against
// this model and against advapi32 under Wine; a disagreement means the model
// is wrong.
//
// What it reproduces:
// - the six predefined roots, usable directly; closing one succeeds and
//   changes nothing; opening one with an empty sub-path returns the root;
// - names matched case-insensitively and stored with their case;
// - sub-paths of several levels; a trailing or doubled "\" is ignored, a
//   leading one refused with 161; a key name over 256 characters is refused
//   with 87;
// - access rights per handle for value operations and enumeration; creating
//   and deleting sub-keys is not checked against the parent's access;
// - handle 0 and closed handles fail with 6, handles on a key deleted
//   elsewhere with 1018; handle values are reused after a close;
// - missing keys and values fail with 2, short buffers with 234, enumeration
//   past the end with 259, deleting a key with sub-keys with 5;
// - sub-keys enumerate in the order of their upper-cased names, values in
//   the order they were created.
// Case-insensitivity covers ASCII letters; other bytes compare as they are.
#pragma once

#include "registry/Registry.h"

#include <memory>
#include <set>
#include <string>
#include <unordered_map>
#include <vector>

namespace hivewalk {

class ModelRegistry final : public Registry {
public:
    ModelRegistry();
    ~ModelRegistry() override;

    long RegOpenKeyExA(HKey hKey, const char* lpSubKey, std::uint32_t ulOptions,
                       std::uint32_t samDesired, HKey* phkResult) override;
    long RegCloseKey(HKey hKey) override;
    long RegCreateKeyExA(HKey hKey, const char* lpSubKey, std::uint32_t Reserved,
                         const char* lpClass, std::uint32_t dwOptions, std::uint32_t samDesired,
                         const SecurityAttributes* lpSecurityAttributes, HKey* phkResult,
                         std::uint32_t* lpdwDisposition) override;
    long RegDeleteKeyA(HKey hKey, const char* lpSubKey) override;
    long RegDeleteValueA(HKey hKey, const char* lpValueName) override;
    long RegQueryInfoKeyA(HKey hKey, char* lpClass, std::uint32_t* lpcchClass,
                          std::uint32_t* lpReserved, std::uint32_t* lpcSubKeys,
                          std::uint32_t* lpcbMaxSubKeyLen, std::uint32_t* lpcbMaxClassLen,
                          std::uint32_t* lpcValues, std::uint32_t* lpcbMaxValueNameLen,
                          std::uint32_t* lpcbMaxValueLen, std::uint32_t* lpcbSecurityDescriptor,
                          FileTime* lpftLastWriteTime) override;
    long RegEnumKeyExA(HKey hKey, std::uint32_t dwIndex, char* lpName, std::uint32_t* lpcchName,
                       std::uint32_t* lpReserved, char* lpClass, std::uint32_t* lpcchClass,
                       FileTime* lpftLastWriteTime) override;
    long RegEnumValueA(HKey hKey, std::uint32_t dwIndex, char* lpValueName,
                       std::uint32_t* lpcchValueName, std::uint32_t* lpReserved,
                       std::uint32_t* lpType, std::uint8_t* lpData,
                       std::uint32_t* lpcbData) override;
    long RegQueryValueExA(HKey hKey, const char* lpValueName, std::uint32_t* lpReserved,
                          std::uint32_t* lpType, std::uint8_t* lpData,
                          std::uint32_t* lpcbData) override;
    long RegSetValueExA(HKey hKey, const char* lpValueName, std::uint32_t Reserved,
                        std::uint32_t dwType, const std::uint8_t* lpData,
                        std::uint32_t cbData) override;

    // Number of handles open on non-root keys; for tests of handle hygiene.
    std::size_t OpenHandleCount() const { return handles_.size(); }

private:
    struct Value {
        std::string name;
        std::uint32_t type = 0;
        std::vector<std::uint8_t> data;
    };
    struct Node {
        std::string name;
        std::string className;
        Node* parent = nullptr;
        bool deleted = false;
        // Sorted by upper-cased name, Windows' enumeration order; a vector so
        // that enumeration by index costs the same for every index.
        std::vector<std::pair<std::string, std::shared_ptr<Node>>> subKeys;
        std::vector<Value> values;  // creation order
        std::unordered_map<std::string, std::size_t> valueIndex;  // upper-cased name -> position
        FileTime lastWrite;

        std::shared_ptr<Node>* FindSubKey(const std::string& upperName);
        std::shared_ptr<Node>& InsertSubKey(const std::string& upperName);
        void EraseSubKey(const std::string& upperName);
        Value* FindValue(const char* name);
        void EraseValue(const char* name);
    };
    struct Handle {
        std::shared_ptr<Node> node;
        std::uint32_t access = 0;
    };
    struct Resolved {
        long result = kErrorSuccess;
        std::shared_ptr<Node> node;
        std::uint32_t access = 0;
    };

    Resolved ResolveHandle(HKey hKey) const;
    static long SplitPath(const char* subKey, std::vector<std::string>& parts);
    HKey NewHandle(std::shared_ptr<Node> node, std::uint32_t access);
    void Touch(Node& node);

    std::unordered_map<HKey, std::shared_ptr<Node>> roots_;
    std::unordered_map<HKey, Handle> handles_;
    std::set<HKey> freeHandles_;
    HKey nextHandle_ = 0x100;
    std::uint32_t clock_ = 0;
};

}  // namespace hivewalk
