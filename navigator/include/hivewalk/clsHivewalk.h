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
#include "hivewalk/Variant.h"
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

    // Lists the sub-keys of the current key as a String array indexed from 0,
    // in the registry's order; Null when there are none. At the top level,
    // the six root names.
    Variant DirKey();

    // Lists the current key's values as a String array (0 To 2, 0 To
    // count - 1): name, data rendered as text, and the enmDataType code as
    // text ("0", "1" or "2"; empty with the data cell for empty data). Null
    // at the top level or when the key has no values.
    Variant DirValue();

    // ValueOf let: writes vntValue as the value strValueName of the current
    // key, typed by lngValueType: a String as REG_SZ, a one-dimensional Byte
    // array as REG_BINARY, a Double holding a whole number from 0 to
    // 4294967295 as REG_DWORD. Checks come before anything is written.
    // lngValueType is by reference for the interface's sake and not changed.
    void ValueOf(const std::string& strValueName, std::int32_t& lngValueType,
                 const Variant& vntValue);

    // ValueOf get: reads strValueName of the current key and returns a
    // Variant array (0 To 2) indexed by enmValueOfIndex: display text, the
    // bytes (a Byte array from 0), and the number (a Double; 0 but for a
    // double word). Sets lngValueType to the value's enmDataType.
    Variant ValueOf(const std::string& strValueName, std::int32_t& lngValueType);

    // Creates a sub-key (several levels allowed) below the current key; an
    // existing one is fine. Does not move the object.
    void MakeKey(const std::string& strDirectory);
    // Deletes a sub-key of the current key; the registry refuses one that has
    // sub-keys.
    void DeleteKey(const std::string& strName);
    // Deletes a value of the current key.
    void DeleteValue(const std::string& strName);

private:
    friend struct clsHivewalkInspector;  // lets tests see which handle is held

    // The single routine that interprets paths and opens keys.
    void OpenKeyPath(const std::string& path, std::uint32_t access);
    static std::string KeyRootName(const std::string& path);
    static std::string SubKeyPath(const std::string& path);
    static std::uint32_t CountDimensions(const ByteArray& array);

    [[noreturn]] static void RaiseClassError(int code);
    // Raises the registry error for any non-zero result of a registry call.
    static void CheckApiResult(long result);

    Registry& m_registry;
    std::string m_CurrentKey;
    RegKey m_hCurrentKey;
};

}  // namespace hivewalk
