// ComNavigator: the installer's Navigator over the Hivewalk COM object,
// created by class identifier and called through the _clsHivewalk vtable.
#pragma once

#include "Hivewalk_h.h"
#include "core/Navigator.h"

#include <wrl/client.h>

#include <memory>

namespace installer {

class ComNavigator final : public Navigator {
public:
    // CoCreateInstance of clsHivewalk. A failure (Hivewalk not registered,
    // or the DLL not loadable) is thrown as a NavigatorError carrying the
    // HRESULT and the system's description of it.
    static std::unique_ptr<Navigator> Create();

    std::string CurrentKey() const override;
    void Cd(const std::string& strDirectory) override;
    hivewalk::Variant DirKey() override;
    hivewalk::Variant DirValue() override;
    void ValueOf(const std::string& strValueName, std::int32_t& lngValueType,
                 const hivewalk::Variant& vntValue) override;
    hivewalk::Variant ValueOf(const std::string& strValueName,
                              std::int32_t& lngValueType) override;
    void MakeKey(const std::string& strDirectory) override;
    void DeleteKey(const std::string& strName) override;
    void DeleteValue(const std::string& strName) override;

private:
    explicit ComNavigator(Microsoft::WRL::ComPtr<_clsHivewalk> object) : object_(std::move(object)) {}
    void Check(HRESULT hr) const;

    Microsoft::WRL::ComPtr<_clsHivewalk> object_;
};

}  // namespace installer
