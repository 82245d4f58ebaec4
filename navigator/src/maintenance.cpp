// MakeKey, DeleteKey, DeleteValue: changes below the current key. Names go
// to the registry exactly as given, and the current key is not reopened.
#include "hivewalk/clsHivewalk.h"

namespace hivewalk {

void clsHivewalk::MakeKey(const std::string& strDirectory) {
    const SecurityAttributes noDescriptor;
    HKey created = 0;
    std::uint32_t disposition = 0;
    CheckApiResult(m_registry.RegCreateKeyExA(m_hCurrentKey.get(), strDirectory.c_str(), 0, "",
                                              kRegOptionNonVolatile, kKeyAllAccess, &noDescriptor,
                                              &created, &disposition));
    RegKey(m_registry, created).reset();  // the object stays where it is
}

void clsHivewalk::DeleteKey(const std::string& strName) {
    CheckApiResult(m_registry.RegDeleteKeyA(m_hCurrentKey.get(), strName.c_str()));
}

void clsHivewalk::DeleteValue(const std::string& strName) {
    CheckApiResult(m_registry.RegDeleteValueA(m_hCurrentKey.get(), strName.c_str()));
}

}  // namespace hivewalk
