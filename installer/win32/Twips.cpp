#include "Twips.h"

#include <memory>
#include <type_traits>

namespace installer {
namespace {
struct ScreenDcRelease {
    void operator()(HDC dc) const { ReleaseDC(nullptr, dc); }
};
}  // namespace

ScreenDpi QueryScreenDpi() {
    ScreenDpi dpi;
    const std::unique_ptr<std::remove_pointer_t<HDC>, ScreenDcRelease> screen(GetDC(nullptr));
    if (screen) {
        dpi.x = GetDeviceCaps(screen.get(), LOGPIXELSX);
        dpi.y = GetDeviceCaps(screen.get(), LOGPIXELSY);
    }
    return dpi;
}

RECT ToPixels(const TwipsRect& twips, const ScreenDpi& dpi) {
    const int left = TwipsToPixels(twips.left, dpi.x), top = TwipsToPixels(twips.top, dpi.y);
    return RECT{left, top, left + TwipsToPixels(twips.width, dpi.x),
                top + TwipsToPixels(twips.height, dpi.y)};
}

}  // namespace installer
