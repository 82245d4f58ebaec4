// Navigator: the installer's view of a registry navigator object.
//
// The members are those of the navigator's automation interface, in its slot
// order, with the C++ signatures of hivewalk::clsHivewalk. Every failure
// arrives as a hivewalk::NavigatorError. The Win32 front end implements this
// over the COM object it creates by class identifier; tests implement it over
// clsHivewalk directly.
#pragma once

#include "hivewalk/NavigatorError.h"
#include "hivewalk/Variant.h"
#include "hivewalk/enums.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>

namespace installer {

class Navigator {
public:
    virtual ~Navigator() = default;

    virtual std::string CurrentKey() const = 0;
    virtual void Cd(const std::string& strDirectory) = 0;
    virtual hivewalk::Variant DirKey() = 0;
    virtual hivewalk::Variant DirValue() = 0;
    // ValueOf let, then ValueOf get; lngValueType crosses by reference.
    virtual void ValueOf(const std::string& strValueName, std::int32_t& lngValueType,
                         const hivewalk::Variant& vntValue) = 0;
    virtual hivewalk::Variant ValueOf(const std::string& strValueName,
                                      std::int32_t& lngValueType) = 0;
    virtual void MakeKey(const std::string& strDirectory) = 0;
    virtual void DeleteKey(const std::string& strName) = 0;
    virtual void DeleteValue(const std::string& strName) = 0;
};

// Creates a navigator standing at the top level. It may throw (on Win32 when
// the component is not registered or cannot be loaded); the error then
// reaches the command's caller like any other.
using NavigatorFactory = std::function<std::unique_ptr<Navigator>()>;

// A command's navigator, created at the command's first registry step and
// kept from then on. Steps that never reach the registry never create one.
class CommandNavigator {
public:
    explicit CommandNavigator(NavigatorFactory factory) : factory_(std::move(factory)) {}

    Navigator& Get() {
        if (!navigator_) {
            navigator_ = factory_();
            if (!navigator_)
                throw std::runtime_error("The registry navigator could not be created.");
        }
        return *navigator_;
    }

private:
    NavigatorFactory factory_;
    std::unique_ptr<Navigator> navigator_;
};

}  // namespace installer
