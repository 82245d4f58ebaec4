// On Windows the DirValue number takes the user locale's thousands separator.
#include "NavigatorFixture.h"

#include <windows.h>

namespace hivewalk::test {
namespace {

class UserThousandsSeparator {
public:
    explicit UserThousandsSeparator(const char* separator) {
        GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_STHOUSAND, saved_, sizeof saved_);
        EXPECT_TRUE(SetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_STHOUSAND, separator));
    }
    ~UserThousandsSeparator() { SetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_STHOUSAND, saved_); }

private:
    char saved_[8] = {};
};

using Locale = NavigatorFixture;

TEST_P(Locale, DirValueGroupsDigitsWithTheUsersSeparator) {
    scratch_->SetValue("", "max", kRegDword, {0xFF, 0xFF, 0xFF, 0xFF});
    nav_->Cd(Typed());
    for (const char* separator : {".", "'", " "}) {
        const UserThousandsSeparator locale(separator);
        const Variant listing = nav_->DirValue();
        const std::string s = separator;
        EXPECT_EQ((*listing.As<StringArray>())(hwValue, 0),
                  "FFFFFFFF (4" + s + "294" + s + "967" + s + "295)");
    }
}

INSTANTIATE_TEST_SUITE_P(Backends, Locale, ::testing::ValuesIn(AllBackends()), BackendName());

}  // namespace
}  // namespace hivewalk::test
