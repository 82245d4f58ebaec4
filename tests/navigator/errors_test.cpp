// Every registry result reaches the caller of Cd as the one registry error,
// with the description its code selects.
#include "NavigatorFixture.h"

namespace hivewalk::test {
namespace {

using Errors = NavigatorFixture;

TEST_P(Errors, RegistryResultsBecomeTheirDescriptions) {
    const struct {
        long code;
        const char* description;
    } cases[] = {
        {2, "Key/Value does not exist."},
        {5, "Access to Registry Denied."},
        {14, "Out of memory."},
        {87, "Invalid Parameter."},
        {1009, "Corrupt Registry Database!"},
        {1010, "Key name is bad."},
        {1011, "Cannot Open Key."},
        {1012, "Cannot Read Key."},
        {1013, "Cannot Write Key."},
        {6, "Undefined key error code!"},
        {234, "Undefined key error code!"},
        {1018, "Undefined key error code!"},
        {-1, "Undefined key error code!"},
    };
    for (const auto& c : cases) {
        tracked_->FailCall(Routine::RegOpenKeyExA, 1, c.code);
        ExpectError([&] { nav_->Cd(Typed()); }, kRegistryError, kApiSource, c.description,
                    "result " + std::to_string(c.code));
        nav_->Cd("\\");
    }
}

// The error raised deep inside a nested move (".." opens the parent through
// a second path) reaches the caller as it was raised.
TEST_P(Errors, NestedFailuresReachTheCallerUnchanged) {
    nav_->Cd(Typed());
    tracked_->FailCall(Routine::RegOpenKeyExA, 1, kErrorCantRead);
    ExpectError([&] { nav_->Cd(".."); }, kRegistryError, kApiSource, "Cannot Read Key.");
}

INSTANTIATE_TEST_SUITE_P(Backends, Errors, ::testing::ValuesIn(AllBackends()), BackendName());

}  // namespace
}  // namespace hivewalk::test
