// Navigators for tests: the navigator class itself behind the installer's
// interface, and a decorator that logs every call that crosses it.
#pragma once

#include "core/Navigator.h"
#include "hivewalk/clsHivewalk.h"

#include <memory>
#include <string>
#include <vector>

namespace installer::test {

// clsHivewalk over a registry backend, standing in for the COM object.
class HivewalkNavigator final : public Navigator {
public:
    explicit HivewalkNavigator(hivewalk::Registry& registry) : navigator_(registry) {}

    std::string CurrentKey() const override { return navigator_.CurrentKey(); }
    void Cd(const std::string& strDirectory) override { navigator_.Cd(strDirectory); }
    hivewalk::Variant DirKey() override { return navigator_.DirKey(); }
    hivewalk::Variant DirValue() override { return navigator_.DirValue(); }
    void ValueOf(const std::string& strValueName, std::int32_t& lngValueType,
                 const hivewalk::Variant& vntValue) override {
        navigator_.ValueOf(strValueName, lngValueType, vntValue);
    }
    hivewalk::Variant ValueOf(const std::string& strValueName,
                              std::int32_t& lngValueType) override {
        return navigator_.ValueOf(strValueName, lngValueType);
    }
    void MakeKey(const std::string& strDirectory) override { navigator_.MakeKey(strDirectory); }
    void DeleteKey(const std::string& strName) override { navigator_.DeleteKey(strName); }
    void DeleteValue(const std::string& strName) override { navigator_.DeleteValue(strName); }

private:
    hivewalk::clsHivewalk navigator_;
};

// Logs each call before passing it on, as one line such as
//   Cd "AutoCAD"
//   ValueOf let "Enabled" 2 Double 1
// Calls that fail are logged too, followed by "  failed: <description>".
class RecordingNavigator final : public Navigator {
public:
    RecordingNavigator(std::unique_ptr<Navigator> inner, std::vector<std::string>& log)
        : inner_(std::move(inner)), log_(log) {}

    std::string CurrentKey() const override { return inner_->CurrentKey(); }
    void Cd(const std::string& strDirectory) override;
    hivewalk::Variant DirKey() override;
    hivewalk::Variant DirValue() override;
    void ValueOf(const std::string& strValueName, std::int32_t& lngValueType,
                 const hivewalk::Variant& vntValue) override;
    hivewalk::Variant ValueOf(const std::string& strValueName, std::int32_t& lngValueType) override;
    void MakeKey(const std::string& strDirectory) override;
    void DeleteKey(const std::string& strName) override;
    void DeleteValue(const std::string& strName) override;

private:
    template <class Call>
    auto Logged(std::string line, Call&& call) -> decltype(call());

    std::unique_ptr<Navigator> inner_;
    std::vector<std::string>& log_;
};

}  // namespace installer::test
