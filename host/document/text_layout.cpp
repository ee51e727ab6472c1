// The one-line layout of text art: where each character sits and the box the
// characters cover, used for bounds and by the text reader and writer.
#include <algorithm>

#include "host/document/document.hpp"

namespace kestrel::host {
namespace {

// Horizontal advance of one character on the unmapped baseline, points.
double advance_of(const TextChar& c) {
    return c.style.font_size * 0.6 * c.style.horizontal_scale + c.style.tracking / 1000.0 * c.style.font_size;
}

// Baseline origin of character index before the orientation is applied.
double pen_at(const TextBody& text, std::size_t index) {
    double x = 0;
    for (std::size_t i = 0; i < index && i < text.chars.size(); ++i) x += advance_of(text.chars[i]);
    return x;
}

}  // namespace

Geom::Point char_origin(const TextBody& text, std::size_t index) {
    const double shift = index < text.chars.size() ? text.chars[index].style.baseline_shift : 0.0;
    return text.anchor + Geom::Point(pen_at(text, index), shift) * text.orientation;
}

Geom::OptRect text_bounds(const TextBody& text) {
    Geom::OptRect box;
    double x = 0;
    for (const TextChar& c : text.chars) {
        const double advance = advance_of(c);
        const double height = c.style.font_size * c.style.vertical_scale;
        const double base = c.style.baseline_shift;
        const Geom::Point corners[4] = {{x, base - 0.2 * height}, {x + advance, base - 0.2 * height},
                                        {x + advance, base + 0.8 * height}, {x, base + 0.8 * height}};
        for (const Geom::Point& corner : corners) box.expandTo(text.anchor + corner * text.orientation);
        x += advance;
    }
    return box;
}

}  // namespace kestrel::host
