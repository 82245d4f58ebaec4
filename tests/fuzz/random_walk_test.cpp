// Long random walks of navigator operations, with awkward paths and names,
// over the handle-tracking decorator. On every backend they must never use a
// closed handle nor hold more than the one current key; in the Win32 build
// the same walk also runs over the model and over advapi32 side by side, and
// every outcome must agree, which keeps the model honest beyond the cases
// written out by hand.
#include "Backends.h"
#include "ScratchKey.h"
#include "hivewalk/clsHivewalk.h"
#include "registry/FaultInjectingRegistry.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace hivewalk::test {
namespace {

constexpr const char* kScratch = "RandomWalk";

// One navigator over one backend, with its own scratch key.
struct Walker {
    explicit Walker(const Backend& backend)
        : registry(backend.make()), tracked(*registry), scratch(*registry, kScratch),
          nav(std::make_unique<clsHivewalk>(tracked)) {}

    std::unique_ptr<Registry> registry;
    FaultInjectingRegistry tracked;
    ScratchKey scratch;
    std::unique_ptr<clsHivewalk> nav;
};

// Text describing a listing without the registry's order, which Windows and
// Wine choose differently for values.
std::string Describe(const Variant& value) {
    std::ostringstream text;
    if (value.IsNull()) return "Null";
    if (const StringArray* strings = value.As<StringArray>()) {
        std::vector<std::string> rows;
        const std::uint32_t columns = strings->Dimensions() == 2 ? 3 : 1;
        for (std::size_t i = 0; i < strings->Elements().size(); i += columns) {
            std::string row;
            for (std::uint32_t c = 0; c < columns; ++c) row += strings->Elements()[i + c] + "|";
            rows.push_back(row);
        }
        std::sort(rows.begin(), rows.end());
        text << "rows";
        for (const std::string& row : rows) text << " [" << row << "]";
        return text.str();
    }
    if (const VariantArray* views = value.As<VariantArray>()) {
        const Variant& bytes = views->Elements()[1];
        text << "text [" << *views->Elements()[0].As<std::string>() << "] bytes "
             << bytes.As<ByteArray>()->Elements().size() << " number "
             << *views->Elements()[2].As<double>();
        return text.str();
    }
    return "?";
}

class Walk {
public:
    explicit Walk(std::uint32_t seed) : random_(seed) {}

    // The next operation, as a function of a navigator returning what it saw.
    std::function<std::string(clsHivewalk&)> Next() {
        switch (Pick(10)) {
            case 0: case 1: case 2: case 3: {
                const std::string path = Path();
                return [path](clsHivewalk& nav) {
                    // Wine's narrow registry routines refuse sub-paths over
                    // 260 characters (with 234); Windows and the model do
                    // not. Keep the walk short of that.
                    if (nav.CurrentKey().size() + path.size() > 200) nav.Cd("\\");
                    nav.Cd(path);
                    return "Cd " + path + " -> " + nav.CurrentKey();
                };
            }
            case 4: {
                const std::string name = Name();
                return Guarded([name](clsHivewalk& nav) { nav.MakeKey(name); return "MakeKey " + name; });
            }
            case 5: {
                const std::string name = Name();
                return Guarded([name](clsHivewalk& nav) { nav.DeleteKey(name); return "DeleteKey " + name; });
            }
            case 6: {
                const std::string name = Name();
                const std::int32_t type = static_cast<std::int32_t>(Pick(4));
                const Variant value = type == hwDWord   ? Variant(static_cast<double>(Pick(70000)))
                                      : type == hwByte  ? Variant(ByteArray::Vector({1, 2, 3}))
                                                        : Variant(name + " data");
                return Guarded([name, type, value](clsHivewalk& nav) {
                    std::int32_t t = type;
                    nav.ValueOf(name, t, value);
                    return "Let " + name;
                });
            }
            case 7: {
                const std::string name = Name();
                return Guarded([name](clsHivewalk& nav) {
                    std::int32_t type = -1;
                    const Variant read = nav.ValueOf(name, type);
                    return "Get " + name + " type " + std::to_string(type) + " " + Describe(read);
                });
            }
            case 8:
                return Guarded([](clsHivewalk& nav) { return "DirKey " + Describe(nav.DirKey()); });
            default:
                return Guarded([](clsHivewalk& nav) { return "DirValue " + Describe(nav.DirValue()); });
        }
    }

private:
    std::uint32_t Pick(std::uint32_t n) { return std::uniform_int_distribution<std::uint32_t>(0, n - 1)(random_); }

    std::string Name() {
        static const char* const names[] = {"a", "B", "ab", "Ab", "x y", " pad", "..", "a\\b", "", "C"};
        return names[Pick(std::size(names))];
    }

    // Paths stay inside the scratch key or name a root, so writes never land
    // elsewhere; see Guarded.
    std::string Path() {
        static const char* const shapes[] = {"\\",  "..", "..\\", "\\\\", "", "   ", "HKEY_USERS",
                                             "hkey_nowhere\\x", "\\HKEY_CURRENT_USER"};
        switch (Pick(4)) {
            case 0: return shapes[Pick(std::size(shapes))];
            case 1: return Name();
            case 2: return Name() + "\\" + Name() + (Pick(2) ? "\\" : "");
            default: {
                std::string path = "HKEY_CURRENT_USER\\Software\\HivewalkTests\\" + std::string(kScratch);
                if (Pick(2)) path = "\\" + path;
                if (Pick(2)) path += "\\" + Name();
                for (char& c : path) if (Pick(3) == 0) c = static_cast<char>(std::tolower(c));
                return path;
            }
        }
    }

    // Everything but moves runs only at the top level or inside the scratch
    // key: writes must not land elsewhere, and elsewhere the model's empty
    // roots and the machine's registry rightly differ.
    template <class Operation>
    static std::function<std::string(clsHivewalk&)> Guarded(Operation operation) {
        return [operation](clsHivewalk& nav) {
            const std::string inside = "\\HKEY_CURRENT_USER\\SOFTWARE\\HIVEWALKTESTS\\RANDOMWALK";
            const std::string where = nav.CurrentKey();
            if (!where.empty() && where.compare(0, inside.size(), inside) != 0) return std::string("skipped");
            return operation(nav);
        };
    }

    std::mt19937 random_;
};

std::string Outcome(clsHivewalk& nav, const std::function<std::string(clsHivewalk&)>& step) {
    try {
        return step(nav);
    } catch (const NavigatorError& e) {
        return "error " + e.Description + " at " + nav.CurrentKey();
    }
}

void ExpectSound(const Walker& walker, int step) {
    ASSERT_EQ(walker.tracked.Violations(), std::vector<std::string>{}) << "step " << step;
    ASSERT_LE(walker.tracked.OpenHandles().size(), 1u) << "step " << step;
}

class RandomWalk : public ::testing::TestWithParam<Backend> {};

TEST_P(RandomWalk, NeverUsesAClosedHandleNorLeavesOneOpen) {
    Walker walker(GetParam());
    Walk walk(20261211);
    const int steps = GetParam().name == "model" ? 20000 : 3000;
    for (int i = 0; i < steps; ++i) {
        Outcome(*walker.nav, walk.Next());
        ExpectSound(walker, i);
        if (HasFatalFailure()) return;
    }
    walker.nav.reset();
    EXPECT_TRUE(walker.tracked.OpenHandles().empty());
}

INSTANTIATE_TEST_SUITE_P(Backends, RandomWalk, ::testing::ValuesIn(AllBackends()), BackendName());

#ifdef _WIN32
TEST(ModelAgainstAdvapi32, SameWalkSameOutcomes) {
    Walker model(AllBackends()[0]), real(AllBackends()[1]);
    Walk walk(7);
    for (int i = 0; i < 3000; ++i) {
        const auto step = walk.Next();
        const std::string expected = Outcome(*real.nav, step);
        ASSERT_EQ(Outcome(*model.nav, step), expected) << "step " << i;
    }
}
#endif

}  // namespace
}  // namespace hivewalk::test
