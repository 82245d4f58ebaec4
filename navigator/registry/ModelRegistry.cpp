#include "registry/ModelRegistry.h"

#include <algorithm>
#include <cstring>

namespace hivewalk {
namespace {

constexpr std::size_t kMaxKeyNameLength = 256;

std::string UpperAscii(std::string text) {
    for (char& c : text) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    }
    return text;
}

std::string UpperName(const char* name) { return UpperAscii(name ? name : ""); }

template <class Entries>
auto LowerBound(Entries& entries, const std::string& upperName) {
    return std::lower_bound(entries.begin(), entries.end(), upperName,
                            [](const auto& entry, const std::string& name) { return entry.first < name; });
}

// Copies a name and its terminating NUL into a caller's buffer of *capacity
// characters, as the enumeration routines do: the name fits only with room
// for the NUL, and *capacity becomes the name's length without it.
long CopyName(const std::string& name, char* buffer, std::uint32_t* capacity) {
    if (!buffer || !capacity) return kErrorInvalidParameter;
    if (name.size() + 1 > *capacity) return kErrorMoreData;
    std::memcpy(buffer, name.c_str(), name.size() + 1);
    *capacity = static_cast<std::uint32_t>(name.size());
    return kErrorSuccess;
}

// Copies value data into a caller's buffer; with no buffer only the size is
// reported.
long CopyData(const std::vector<std::uint8_t>& data, std::uint8_t* buffer,
              std::uint32_t* size) {
    if (!size) return buffer ? kErrorInvalidParameter : kErrorSuccess;
    const auto needed = static_cast<std::uint32_t>(data.size());
    if (buffer) {
        if (needed > *size) {
            *size = needed;
            return kErrorMoreData;
        }
        std::copy(data.begin(), data.end(), buffer);
    }
    *size = needed;
    return kErrorSuccess;
}

}  // namespace

ModelRegistry::ModelRegistry() {
    for (HKey root : {kHKeyClassesRoot, kHKeyCurrentUser, kHKeyLocalMachine, kHKeyUsers,
                      kHKeyCurrentConfig, kHKeyDynData}) {
        roots_[root] = std::make_shared<Node>();
    }
}

ModelRegistry::~ModelRegistry() = default;

ModelRegistry::Resolved ModelRegistry::ResolveHandle(HKey hKey) const {
    Resolved resolved;
    if (auto root = roots_.find(hKey); root != roots_.end()) {
        resolved.node = root->second;
        resolved.access = kKeyAllAccess;
    } else if (auto open = handles_.find(hKey); open != handles_.end()) {
        resolved.node = open->second.node;
        resolved.access = open->second.access;
    } else {
        resolved.result = kErrorInvalidHandle;
        return resolved;
    }
    if (resolved.node->deleted) resolved.result = kErrorKeyDeleted;
    return resolved;
}

long ModelRegistry::SplitPath(const char* subKey, std::vector<std::string>& parts) {
    parts.clear();
    if (!subKey || !*subKey) return kErrorSuccess;
    if (subKey[0] == '\\') return kErrorBadPathname;
    std::string part;
    for (const char* p = subKey;; ++p) {
        if (*p == '\\' || *p == '\0') {
            if (part.size() > kMaxKeyNameLength) return kErrorInvalidParameter;
            if (!part.empty()) parts.push_back(std::move(part));
            part.clear();
            if (*p == '\0') break;
        } else {
            part += *p;
        }
    }
    return kErrorSuccess;
}

HKey ModelRegistry::NewHandle(std::shared_ptr<Node> node, std::uint32_t access) {
    HKey handle;
    if (!freeHandles_.empty()) {
        handle = *freeHandles_.begin();
        freeHandles_.erase(freeHandles_.begin());
    } else {
        handle = nextHandle_;
        nextHandle_ += 4;
    }
    handles_[handle] = Handle{std::move(node), access};
    return handle;
}

std::shared_ptr<ModelRegistry::Node>* ModelRegistry::Node::FindSubKey(const std::string& upperName) {
    auto at = LowerBound(subKeys, upperName);
    return at != subKeys.end() && at->first == upperName ? &at->second : nullptr;
}

std::shared_ptr<ModelRegistry::Node>& ModelRegistry::Node::InsertSubKey(const std::string& upperName) {
    auto at = LowerBound(subKeys, upperName);
    if (at == subKeys.end() || at->first != upperName) at = subKeys.insert(at, {upperName, nullptr});
    return at->second;
}

void ModelRegistry::Node::EraseSubKey(const std::string& upperName) {
    auto at = LowerBound(subKeys, upperName);
    if (at != subKeys.end() && at->first == upperName) subKeys.erase(at);
}

ModelRegistry::Value* ModelRegistry::Node::FindValue(const char* name) {
    auto at = valueIndex.find(UpperName(name));
    return at == valueIndex.end() ? nullptr : &values[at->second];
}

void ModelRegistry::Node::EraseValue(const char* name) {
    auto at = valueIndex.find(UpperName(name));
    const std::size_t position = at->second;
    valueIndex.erase(at);
    values.erase(values.begin() + static_cast<std::ptrdiff_t>(position));
    for (auto& [upper, index] : valueIndex) {
        if (index > position) --index;
    }
}

void ModelRegistry::Touch(Node& node) {
    ++clock_;
    node.lastWrite = FileTime{clock_, 0};
}

long ModelRegistry::RegOpenKeyExA(HKey hKey, const char* lpSubKey, std::uint32_t,
                                  std::uint32_t samDesired, HKey* phkResult) {
    if (!phkResult) return kErrorInvalidParameter;
    Resolved from = ResolveHandle(hKey);
    if (from.result != kErrorSuccess) return from.result;
    std::vector<std::string> parts;
    if (long result = SplitPath(lpSubKey, parts); result != kErrorSuccess) return result;
    std::shared_ptr<Node> node = from.node;
    for (const std::string& part : parts) {
        auto* child = node->FindSubKey(UpperAscii(part));
        if (!child) return kErrorFileNotFound;
        node = *child;
    }
    if (parts.empty() && roots_.count(hKey)) {
        *phkResult = hKey;  // a root opened on itself is the root
        return kErrorSuccess;
    }
    *phkResult = NewHandle(node, samDesired);
    return kErrorSuccess;
}

long ModelRegistry::RegCloseKey(HKey hKey) {
    if (roots_.count(hKey)) return kErrorSuccess;
    auto open = handles_.find(hKey);
    if (open == handles_.end()) return kErrorInvalidHandle;
    handles_.erase(open);
    freeHandles_.insert(hKey);
    return kErrorSuccess;
}

long ModelRegistry::RegCreateKeyExA(HKey hKey, const char* lpSubKey, std::uint32_t,
                                    const char* lpClass, std::uint32_t,
                                    std::uint32_t samDesired, const SecurityAttributes*,
                                    HKey* phkResult, std::uint32_t* lpdwDisposition) {
    if (!phkResult) return kErrorInvalidParameter;
    Resolved from = ResolveHandle(hKey);
    if (from.result != kErrorSuccess) return from.result;
    std::vector<std::string> parts;
    if (long result = SplitPath(lpSubKey, parts); result != kErrorSuccess) return result;
    std::shared_ptr<Node> node = from.node;
    bool created = false;
    for (const std::string& part : parts) {
        auto& slot = node->InsertSubKey(UpperAscii(part));
        created = !slot;
        if (created) {
            slot = std::make_shared<Node>();
            slot->name = part;
            slot->parent = node.get();
            Touch(*node);
            Touch(*slot);
        }
        node = slot;
    }
    if (created && lpClass) node->className = lpClass;
    if (lpdwDisposition) *lpdwDisposition = created ? kRegCreatedNewKey : kRegOpenedExistingKey;
    *phkResult = (parts.empty() && roots_.count(hKey)) ? hKey : NewHandle(node, samDesired);
    return kErrorSuccess;
}

long ModelRegistry::RegDeleteKeyA(HKey hKey, const char* lpSubKey) {
    Resolved from = ResolveHandle(hKey);
    if (from.result != kErrorSuccess) return from.result;
    std::vector<std::string> parts;
    if (long result = SplitPath(lpSubKey, parts); result != kErrorSuccess) return result;
    std::shared_ptr<Node> node = from.node;
    for (const std::string& part : parts) {
        auto* child = node->FindSubKey(UpperAscii(part));
        if (!child) return kErrorFileNotFound;
        node = *child;
    }
    // An empty sub-path names the key itself; a root cannot be deleted.
    if (!node->parent || !node->subKeys.empty()) return kErrorAccessDenied;
    node->deleted = true;
    Node& parent = *node->parent;
    node->parent = nullptr;
    parent.EraseSubKey(UpperAscii(node->name));
    Touch(parent);
    return kErrorSuccess;
}

long ModelRegistry::RegDeleteValueA(HKey hKey, const char* lpValueName) {
    Resolved key = ResolveHandle(hKey);
    if (key.result != kErrorSuccess) return key.result;
    if (!(key.access & kKeySetValue)) return kErrorAccessDenied;
    if (!key.node->FindValue(lpValueName)) return kErrorFileNotFound;
    key.node->EraseValue(lpValueName);
    Touch(*key.node);
    return kErrorSuccess;
}

long ModelRegistry::RegQueryInfoKeyA(HKey hKey, char* lpClass, std::uint32_t* lpcchClass,
                                     std::uint32_t*, std::uint32_t* lpcSubKeys,
                                     std::uint32_t* lpcbMaxSubKeyLen,
                                     std::uint32_t* lpcbMaxClassLen, std::uint32_t* lpcValues,
                                     std::uint32_t* lpcbMaxValueNameLen,
                                     std::uint32_t* lpcbMaxValueLen,
                                     std::uint32_t* lpcbSecurityDescriptor,
                                     FileTime* lpftLastWriteTime) {
    Resolved key = ResolveHandle(hKey);
    if (key.result != kErrorSuccess) return key.result;
    const Node& node = *key.node;
    if (lpClass) {
        if (long result = CopyName(node.className, lpClass, lpcchClass); result != kErrorSuccess)
            return result;
    } else if (lpcchClass) {
        *lpcchClass = static_cast<std::uint32_t>(node.className.size());
    }
    std::uint32_t maxSubKey = 0, maxClass = 0, maxValueName = 0, maxValue = 0;
    for (const auto& [upper, child] : node.subKeys) {
        maxSubKey = std::max(maxSubKey, static_cast<std::uint32_t>(child->name.size()));
        maxClass = std::max(maxClass, static_cast<std::uint32_t>(child->className.size()));
    }
    for (const Value& value : node.values) {
        maxValueName = std::max(maxValueName, static_cast<std::uint32_t>(value.name.size()));
        maxValue = std::max(maxValue, static_cast<std::uint32_t>(value.data.size()));
    }
    if (lpcSubKeys) *lpcSubKeys = static_cast<std::uint32_t>(node.subKeys.size());
    if (lpcbMaxSubKeyLen) *lpcbMaxSubKeyLen = maxSubKey;
    if (lpcbMaxClassLen) *lpcbMaxClassLen = maxClass;
    if (lpcValues) *lpcValues = static_cast<std::uint32_t>(node.values.size());
    if (lpcbMaxValueNameLen) *lpcbMaxValueNameLen = maxValueName;
    if (lpcbMaxValueLen) *lpcbMaxValueLen = maxValue;
    if (lpcbSecurityDescriptor) *lpcbSecurityDescriptor = 0;
    if (lpftLastWriteTime) *lpftLastWriteTime = node.lastWrite;
    return kErrorSuccess;
}

long ModelRegistry::RegEnumKeyExA(HKey hKey, std::uint32_t dwIndex, char* lpName,
                                  std::uint32_t* lpcchName, std::uint32_t*, char* lpClass,
                                  std::uint32_t* lpcchClass, FileTime* lpftLastWriteTime) {
    Resolved key = ResolveHandle(hKey);
    if (key.result != kErrorSuccess) return key.result;
    if (!(key.access & kKeyEnumerateSubKeys)) return kErrorAccessDenied;
    const auto& subKeys = key.node->subKeys;
    if (dwIndex >= subKeys.size()) return kErrorNoMoreItems;
    const Node& child = *subKeys[dwIndex].second;
    if (long result = CopyName(child.name, lpName, lpcchName); result != kErrorSuccess)
        return result;
    if (lpClass) {
        if (long result = CopyName(child.className, lpClass, lpcchClass);
            result != kErrorSuccess)
            return result;
    }
    if (lpftLastWriteTime) *lpftLastWriteTime = child.lastWrite;
    return kErrorSuccess;
}

long ModelRegistry::RegEnumValueA(HKey hKey, std::uint32_t dwIndex, char* lpValueName,
                                  std::uint32_t* lpcchValueName, std::uint32_t*,
                                  std::uint32_t* lpType, std::uint8_t* lpData,
                                  std::uint32_t* lpcbData) {
    Resolved key = ResolveHandle(hKey);
    if (key.result != kErrorSuccess) return key.result;
    if (!(key.access & kKeyQueryValue)) return kErrorAccessDenied;
    const auto& values = key.node->values;
    if (dwIndex >= values.size()) return kErrorNoMoreItems;
    const Value& value = values[dwIndex];
    if (long result = CopyName(value.name, lpValueName, lpcchValueName);
        result != kErrorSuccess)
        return result;
    if (lpType) *lpType = value.type;
    return CopyData(value.data, lpData, lpcbData);
}

long ModelRegistry::RegQueryValueExA(HKey hKey, const char* lpValueName, std::uint32_t*,
                                     std::uint32_t* lpType, std::uint8_t* lpData,
                                     std::uint32_t* lpcbData) {
    Resolved key = ResolveHandle(hKey);
    if (key.result != kErrorSuccess) return key.result;
    if (!(key.access & kKeyQueryValue)) return kErrorAccessDenied;
    const Value* value = key.node->FindValue(lpValueName);
    if (!value) return kErrorFileNotFound;
    if (lpType) *lpType = value->type;
    return CopyData(value->data, lpData, lpcbData);
}

long ModelRegistry::RegSetValueExA(HKey hKey, const char* lpValueName, std::uint32_t,
                                   std::uint32_t dwType, const std::uint8_t* lpData,
                                   std::uint32_t cbData) {
    Resolved key = ResolveHandle(hKey);
    if (key.result != kErrorSuccess) return key.result;
    if (!(key.access & kKeySetValue)) return kErrorAccessDenied;
    std::vector<std::uint8_t> data;
    if (lpData) data.assign(lpData, lpData + cbData);
    if (Value* existing = key.node->FindValue(lpValueName)) {
        existing->type = dwType;  // replaced in place: it keeps its position
        existing->data = std::move(data);
    } else {
        key.node->valueIndex[UpperName(lpValueName)] = key.node->values.size();
        key.node->values.push_back(Value{lpValueName ? lpValueName : "", dwType, std::move(data)});
    }
    Touch(*key.node);
    return kErrorSuccess;
}

}  // namespace hivewalk
