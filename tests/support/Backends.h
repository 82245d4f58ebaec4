// The registry backends a test can run against: the model everywhere, and
// advapi32 in Win32 builds (under Wine, the real registry).
#pragma once

#include "registry/Registry.h"

#include <memory>
#include <ostream>
#include <string>
#include <vector>

namespace hivewalk::test {

struct Backend {
    std::string name;
    std::unique_ptr<Registry> (*make)();
};

const std::vector<Backend>& AllBackends();

inline void PrintTo(const Backend& backend, std::ostream* os) { *os << backend.name; }

// For INSTANTIATE_TEST_SUITE_P: names the instantiation after the backend.
struct BackendName {
    template <class ParamInfo>
    std::string operator()(const ParamInfo& info) const {
        return info.param.name;
    }
};

}  // namespace hivewalk::test
