// A navigator over a backend wrapped in the fault-injecting, handle-tracking
// decorator, with a scratch key of its own.
#pragma once

#include "Backends.h"
#include "ScratchKey.h"
#include "hivewalk/clsHivewalk.h"
#include "registry/FaultInjectingRegistry.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace hivewalk {

struct clsHivewalkInspector {
    static HKey Handle(const clsHivewalk& navigator) { return navigator.m_hCurrentKey.get(); }
};

namespace test {

class NavigatorFixture : public ::testing::TestWithParam<Backend> {
protected:
    void SetUp() override {
        backend_ = GetParam().make();
        tracked_ = std::make_unique<FaultInjectingRegistry>(*backend_);
        scratch_ = std::make_unique<ScratchKey>(*backend_, ScratchName());
        nav_ = std::make_unique<clsHivewalk>(*tracked_);
    }
    void TearDown() override {
        nav_.reset();
        EXPECT_TRUE(tracked_->OpenHandles().empty()) << "the navigator left handles open";
        EXPECT_EQ(tracked_->Violations(), std::vector<std::string>{});
        scratch_.reset();
    }
    virtual std::string ScratchName() const { return "Navigator"; }

    // The scratch key as a caller types it (no leading "\"), and as the
    // navigator reports it.
    std::string Typed(const std::string& below = "") const { return scratch_->Path(below).substr(1); }
    std::string Reported(const std::string& below = "") const;

    HKey Handle() const { return clsHivewalkInspector::Handle(*nav_); }

    // Expects `call` to raise exactly this error.
    template <class Call>
    void ExpectError(Call&& call, std::int32_t number, const std::string& source,
                     const std::string& description, const std::string& context = "") {
        try {
            call();
            ADD_FAILURE() << "no error; expected \"" << description << "\" " << context;
        } catch (const NavigatorError& e) {
            EXPECT_EQ(e.Number, number) << context;
            EXPECT_EQ(e.Source, source) << context;
            EXPECT_EQ(e.Description, description) << context;
        }
    }

    std::unique_ptr<Registry> backend_;
    std::unique_ptr<FaultInjectingRegistry> tracked_;
    std::unique_ptr<ScratchKey> scratch_;
    std::unique_ptr<clsHivewalk> nav_;
};

inline constexpr std::int32_t kRegistryError = -2147221248;
inline constexpr const char* kApiSource = "Hivewalk[API Call]";

}  // namespace test
}  // namespace hivewalk
