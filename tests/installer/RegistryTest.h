// A test over one registry backend with the installer's keys in place, and
// navigators that log their calls.
#pragma once

#include "Backends.h"
#include "InstallerKeys.h"
#include "ScratchKey.h"
#include "TestNavigators.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace installer::test {

class RegistryTest : public ::testing::TestWithParam<hivewalk::test::Backend> {
protected:
    void SetUp() override {
        backend_ = GetParam().make();
        keys_ = std::make_unique<InstallerKeys>(*backend_);
    }
    void TearDown() override { keys_.reset(); }

    // Creates a navigator over the backend that logs into calls_, and counts
    // the navigators made.
    NavigatorFactory Factory() {
        return [this]() -> std::unique_ptr<Navigator> {
            ++navigatorsMade_;
            return std::make_unique<RecordingNavigator>(
                std::make_unique<HivewalkNavigator>(*backend_), calls_);
        };
    }
    std::unique_ptr<Navigator> NewNavigator() { return Factory()(); }

    // The journaling entry as the installer writes it.
    static StoredValues EntryValues() {
        return {{"Description", SzValue("AutoCAD")},
                {"Enabled", DwordValue(1)},
                {"AutoJournaled", DwordValue(1)},
                {"Large Icon", SzValue("1")},
                {"Small Icon", SzValue("1")}};
    }
    StoredValues OtherApplicationValues() const {
        return keys_->ValuesOf(hivewalk::kHKeyCurrentUser,
                               std::string(kJournalingPath) + "\\" + kOtherApplication);
    }

    std::unique_ptr<hivewalk::Registry> backend_;
    std::unique_ptr<InstallerKeys> keys_;
    std::vector<std::string> calls_;
    int navigatorsMade_ = 0;
};

}  // namespace installer::test
