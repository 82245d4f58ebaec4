#include "Backends.h"

#include "registry/ModelRegistry.h"
#ifdef _WIN32
#include "registry/Advapi32Registry.h"
#endif

namespace hivewalk::test {

const std::vector<Backend>& AllBackends() {
    static const std::vector<Backend> backends = {
        {"model", [] { return std::unique_ptr<Registry>(new ModelRegistry); }},
#ifdef _WIN32
        {"advapi32", [] { return std::unique_ptr<Registry>(new Advapi32Registry); }},
#endif
    };
    return backends;
}

}  // namespace hivewalk::test
