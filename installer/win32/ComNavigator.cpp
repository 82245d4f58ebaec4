#include "ComNavigator.h"

#include "automation/Bstr.h"
#include "automation/ComErrors.h"
#include "automation/VariantConversion.h"

namespace installer {

using hivewalk::automation::Bstr;
using hivewalk::automation::UniqueVariant;
using hivewalk::automation::Wide;

std::unique_ptr<Navigator> ComNavigator::Create() {
    Microsoft::WRL::ComPtr<_clsHivewalk> object;
    hivewalk::automation::ThrowIfFailed(CoCreateInstance(CLSID_clsHivewalk, nullptr,
                                                         CLSCTX_INPROC_SERVER, IID__clsHivewalk,
                                                         &object),
                                        nullptr, IID__clsHivewalk);
    return std::unique_ptr<Navigator>(new ComNavigator(std::move(object)));
}

void ComNavigator::Check(HRESULT hr) const {
    hivewalk::automation::ThrowIfFailed(hr, object_.Get(), IID__clsHivewalk);
}

std::string ComNavigator::CurrentKey() const {
    Bstr key;
    Check(object_->get_CurrentKey(key.put()));
    return hivewalk::automation::Narrow(key.get());
}

void ComNavigator::Cd(const std::string& strDirectory) { Check(object_->Cd(Wide(strDirectory).get())); }

hivewalk::Variant ComNavigator::DirKey() {
    UniqueVariant keys;
    Check(object_->DirKey(keys.get()));
    return hivewalk::automation::FromVariant(*keys.get());
}

hivewalk::Variant ComNavigator::DirValue() {
    UniqueVariant values;
    Check(object_->DirValue(values.get()));
    return hivewalk::automation::FromVariant(*values.get());
}

void ComNavigator::ValueOf(const std::string& strValueName, std::int32_t& lngValueType,
                           const hivewalk::Variant& vntValue) {
    UniqueVariant value;
    hivewalk::automation::ToVariant(vntValue, value.get());
    auto type = static_cast<::enmDataType>(lngValueType);
    const HRESULT hr = object_->put_ValueOf(Wide(strValueName).get(), &type, *value.get());
    lngValueType = type;
    Check(hr);
}

hivewalk::Variant ComNavigator::ValueOf(const std::string& strValueName,
                                        std::int32_t& lngValueType) {
    UniqueVariant value;
    auto type = static_cast<::enmDataType>(lngValueType);
    const HRESULT hr = object_->get_ValueOf(Wide(strValueName).get(), &type, value.get());
    lngValueType = type;
    Check(hr);
    return hivewalk::automation::FromVariant(*value.get());
}

void ComNavigator::MakeKey(const std::string& strDirectory) {
    Check(object_->MakeKey(Wide(strDirectory).get()));
}

void ComNavigator::DeleteKey(const std::string& strName) { Check(object_->DeleteKey(Wide(strName).get())); }

void ComNavigator::DeleteValue(const std::string& strName) {
    Check(object_->DeleteValue(Wide(strName).get()));
}

}  // namespace installer
