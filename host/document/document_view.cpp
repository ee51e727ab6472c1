// Document views: the visible area and the conversions between artwork
// points (y up) and view pixels (y down, origin at the top-left).
#include <cmath>

#include "host/document/document.hpp"

namespace kestrel::host {
namespace {

// Nearest pixel, held inside the range of a 32-bit coordinate.
std::int32_t to_pixel(double v) {
    if (std::isnan(v)) return 0;
    if (v >= 2147483647.0) return 2147483647;
    if (v <= -2147483648.0) return -2147483647 - 1;
    return static_cast<std::int32_t>(std::lround(v));
}

}  // namespace

Geom::Rect DocumentView::bounds() const {
    const double half_w = width_px / (2 * zoom);
    const double half_h = height_px / (2 * zoom);
    return Geom::Rect(centre[Geom::X] - half_w, centre[Geom::Y] - half_h, centre[Geom::X] + half_w,
                      centre[Geom::Y] + half_h);
}

KIntPoint DocumentView::artwork_to_view(KRealPoint p) const {
    const Geom::Rect area = bounds();
    const double x = (p.h - area.left()) * zoom;
    const double y = (area.bottom() - p.v) * zoom;  // Geom's bottom() is the largest y
    return KIntPoint{to_pixel(x), to_pixel(y)};
}

KRealPoint DocumentView::view_to_artwork(KIntPoint p) const {
    const Geom::Rect area = bounds();
    return KRealPoint{static_cast<KReal>(area.left() + p.h / zoom), static_cast<KReal>(area.bottom() - p.v / zoom)};
}

}  // namespace kestrel::host
