#include "Paths.h"

namespace installer {

std::string JoinPath(const std::string& folder, const std::string& name) {
    if (!folder.empty() && folder.back() == '\\') return folder + name;
    return folder + "\\" + name;
}

}  // namespace installer
