// Colour records and the document's swatch list.
#include <algorithm>
#include <array>

#include "host/core/call_guard.hpp"
#include "host/document/document.hpp"

namespace kestrel::host {

KColour grey_colour(double level) {
    KColour c{};
    c.kind = kGreyColour;
    c.body[0] = static_cast<KReal>(level);
    return c;
}

KColour rgb_colour(double red, double green, double blue) {
    KColour c{};
    c.kind = kRGBColour;
    c.body[0] = static_cast<KReal>(red);
    c.body[1] = static_cast<KReal>(green);
    c.body[2] = static_cast<KReal>(blue);
    return c;
}

KColour cmyk_colour(double cyan, double magenta, double yellow, double black) {
    KColour c{};
    c.kind = kProcessColour;
    c.body[0] = static_cast<KReal>(cyan);
    c.body[1] = static_cast<KReal>(magenta);
    c.body[2] = static_cast<KReal>(yellow);
    c.body[3] = static_cast<KReal>(black);
    return c;
}

KColour spot_colour(double tint, double cyan, double magenta, double yellow, double black) {
    KColour c = cmyk_colour(cyan, magenta, yellow, black);
    c.kind = kSpotColour;
    c.body[4] = c.body[3];
    c.body[3] = c.body[2];
    c.body[2] = c.body[1];
    c.body[1] = c.body[0];
    c.body[0] = static_cast<KReal>(tint);
    return c;
}

namespace {

// A colour given as red, green and blue, in a document colour model.
KColour in_model(int model, double r, double g, double b) {
    switch (model) {
    case kGreyModel:
        return grey_colour(0.30 * r + 0.59 * g + 0.11 * b);
    case kCMYKModel: {
        const double k = 1 - std::max({r, g, b});
        if (k >= 1) return cmyk_colour(0, 0, 0, 1);
        return cmyk_colour((1 - r - k) / (1 - k), (1 - g - k) / (1 - k), (1 - b - k) / (1 - k), k);
    }
    default:
        return rgb_colour(r, g, b);
    }
}

struct NamedRgb {
    const char* name;
    double r, g, b;
};

constexpr std::array<NamedRgb, 13> kDefaultSwatches{{
    {"White", 1, 1, 1},
    {"Black", 0, 0, 0},
    {"Grey 25%", 0.75, 0.75, 0.75},
    {"Grey 50%", 0.5, 0.5, 0.5},
    {"Grey 75%", 0.25, 0.25, 0.25},
    {"Red", 1, 0, 0},
    {"Orange", 1, 0.5, 0},
    {"Yellow", 1, 1, 0},
    {"Green", 0, 0.65, 0.2},
    {"Cyan", 0, 1, 1},
    {"Blue", 0, 0.2, 1},
    {"Violet", 0.5, 0, 1},
    {"Magenta", 1, 0, 1},
}};

}  // namespace

Swatch* Document::swatch_at(std::int32_t position) const {
    if (position < 1 || static_cast<std::size_t>(position) > swatches_.size()) return nullptr;
    return swatches_[static_cast<std::size_t>(position) - 1].get();
}

Swatch& Document::add_swatch(std::string name, const KColour& colour) {
    auto swatch = std::make_unique<Swatch>();
    swatch->name = std::move(name);
    swatch->colour = colour;
    swatch->handle_ = swatch_handles_.make<KSwatchHandle>(swatch.get());
    swatches_.push_back(std::move(swatch));
    return *swatches_.back();
}

void Document::clear_swatches() {
    for (const auto& swatch : swatches_) swatch_handles_.release(swatch->handle_);
    swatches_.clear();
}

void Document::set_default_swatches() {
    clear_swatches();
    for (const NamedRgb& s : kDefaultSwatches) add_swatch(s.name, in_model(colour_model_, s.r, s.g, s.b));
    add_swatch("Kestrel Spot", spot_colour(1, 0.1, 0.6, 0.9, 0));
}

}  // namespace kestrel::host
