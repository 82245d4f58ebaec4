// clsHivewalk: a registry navigator that walks the registry the way a shell
// walks a directory tree.
//
// An object stands either at the top level, above the registry's roots, or on
// one open key, the current key, named by an absolute path such as
// \HKEY_LOCAL_MACHINE\SOFTWARE. Every failure leaves a member as a
// NavigatorError; the first error raised, however deep, reaches the caller
// unchanged. Work done before an error stays done.
//
// The navigator reaches the registry only through the Registry seam it is
// given, which must outlive it.
#pragma once

#include "hivewalk/NavigatorError.h"
#include "hivewalk/enums.h"
#include "registry/RegKey.h"
#include "registry/Registry.h"

#include <cstdint>
#include <string>

namespace hivewalk {

class clsHivewalk {
public:
    // Class_Initialize: the object starts at the top level.
    explicit clsHivewalk(Registry& registry);
    // Class_Terminate: closes the current key. A failed close cannot be
    // reported from a destructor and is dropped.
    ~clsHivewalk();
    clsHivewalk(const clsHivewalk&) = delete;
    clsHivewalk& operator=(const clsHivewalk&) = delete;

    // The absolute path of the current key, empty at the top level. Parts
    // taken from a caller's path are upper case. Never fails.
    std::string CurrentKey() const { return m_CurrentKey; }

    // Moves the object and opens the new current key with full access.
    // "\" goes to the top level, ".." to the parent; a path with a leading
    // "\" (or any path at the top level) is absolute, others are relative to
    // the current key. Case and surrounding blanks do not matter.
    //
    // After a failed move the object holds no open handle: CurrentKey keeps
    // whatever path the move reached, and later calls that need the handle
    // fail instead of acting on a key the caller meant to leave.
    void Cd(const std::string& strDirectory);

private:
    friend struct clsHivewalkInspector;  // lets tests see which handle is held

    // The single routine that interprets paths and opens keys.
    void OpenKeyPath(const std::string& path, std::uint32_t access);
    static std::string KeyRootName(const std::string& path);
    static std::string SubKeyPath(const std::string& path);

    [[noreturn]] static void RaiseClassError(int code);
    // Raises the registry error for any non-zero result of a registry call.
    static void CheckApiResult(long result);

    Registry& m_registry;
    std::string m_CurrentKey;
    RegKey m_hCurrentKey;
};

}  // namespace hivewalk
