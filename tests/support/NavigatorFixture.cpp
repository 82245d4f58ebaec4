#include "NavigatorFixture.h"

#include <cctype>

namespace hivewalk::test {

std::string NavigatorFixture::Reported(const std::string& below) const {
    std::string path = scratch_->Path(below);
    for (char& c : path) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return path;
}

}  // namespace hivewalk::test
