#include "sample_documents.hpp"

#include <2geom/path.h>
#include <2geom/pathvector.h>
#include <2geom/svg-path-parser.h>

namespace kestrel::tool {
namespace {

// A colour in the document's model from RGB components.
KColour in_model(int model, double r, double g, double b) {
    switch (model) {
        case kGreyModel: return host::grey_colour(0.3 * r + 0.59 * g + 0.11 * b);
        case kCMYKModel: {
            const double k = 1.0 - std::max({r, g, b});
            if (k >= 1.0) return host::cmyk_colour(0, 0, 0, 1);
            return host::cmyk_colour((1 - r - k) / (1 - k), (1 - g - k) / (1 - k), (1 - b - k) / (1 - k), k);
        }
        default: return host::rgb_colour(r, g, b);
    }
}

KPathStyle paint(int model, double r, double g, double b, double stroke_width) {
    KPathStyle s{};
    s.fill_paint = 1;
    s.fill = in_model(model, r, g, b);
    s.stroke_paint = 1;
    s.stroke = in_model(model, r * 0.5, g * 0.5, b * 0.5);
    s.stroke_width = static_cast<KReal>(stroke_width);
    s.miter_limit = 4;
    return s;
}

// Path data in artwork coordinates (y up).
host::Art& add_path(host::Document& doc, const char* d, const KPathStyle& style) {
    Geom::PathVector pv = Geom::parse_svg_path(d);
    if (pv.size() == 1) {
        host::Art& art = doc.new_art(kPathArt, doc.current_layer());
        doc.set_path(art, pv.front());
        doc.set_style(art, style);
        doc.set_selected(art, true);
        return art;
    }
    host::Art& compound = doc.new_art(kCompoundPathArt, doc.current_layer());
    for (const Geom::Path& p : pv) {
        host::Art& member = doc.new_art(kPathArt, kPlaceInsideOnTop, &compound);
        doc.set_path(member, p);
    }
    doc.set_style(compound, style);
    doc.set_selected(compound, true);
    return compound;
}

// Four objects (a square, a curved blob, a triangle and an even-odd ring,
// the last a compound path), each drawn in a box of 2 by 2 units from its
// origin; origins are given in points, back to front.
void add_shapes(host::Document& doc, const Geom::Point (&origins)[4], double unit) {
    const int m = doc.colour_model();
    auto at = [&](int shape, double x, double y) {
        return std::to_string(origins[shape].x() + x * unit) + "," + std::to_string(origins[shape].y() + y * unit);
    };
    const std::string square = "M " + at(0, 0, 0) + " L " + at(0, 2, 0) + " L " + at(0, 2, 2) + " L " + at(0, 0, 2) +
                               " Z";
    const std::string blob = "M " + at(1, 0, 0) + " C " + at(1, 0.5, 2.5) + " " + at(1, 2.5, 2.5) + " " +
                             at(1, 2, 0.5) + " C " + at(1, 1.8, -0.5) + " " + at(1, 0.8, -0.8) + " " + at(1, 0, 0) +
                             " Z";
    const std::string triangle = "M " + at(2, 0, 0) + " L " + at(2, 2, 0) + " L " + at(2, 1, 1.8) + " Z";
    const std::string ring = "M " + at(3, 0, 0) + " L " + at(3, 2, 0) + " L " + at(3, 2, 2) + " L " + at(3, 0, 2) +
                             " Z " + "M " + at(3, 0.5, 0.5) + " L " + at(3, 0.5, 1.5) + " L " + at(3, 1.5, 1.5) +
                             " L " + at(3, 1.5, 0.5) + " Z";
    add_path(doc, square.c_str(), paint(m, 0.85, 0.25, 0.2, 1.5));
    add_path(doc, blob.c_str(), paint(m, 0.2, 0.5, 0.85, 1));
    add_path(doc, triangle.c_str(), paint(m, 0.95, 0.75, 0.1, 2));
    KPathStyle even_odd = paint(m, 0.3, 0.7, 0.35, 1);
    even_odd.even_odd = 1;
    add_path(doc, ring.c_str(), even_odd);
}

}  // namespace

std::unique_ptr<host::Document> sample_document(const std::string& product, double page_width, double page_height,
                                                int colour_model) {
    auto doc = std::make_unique<host::Document>(page_width, page_height, colour_model);
    const double cx = page_width / 2, cy = page_height / 2;
    const double unit = std::min(page_width, page_height) / 14;
    if (product == "scatterbox") return doc;  // it makes new art on an empty page
    if (product == "glyphstorm") {
        host::Art& text = doc->new_art(kTextArt, doc->current_layer());
        doc->will_modify(text);
        text.text->anchor = Geom::Point(cx - 4 * unit, cy);
        for (char32_t c : std::u32string(U"Kestrel Glyphstorm")) {
            host::TextChar ch;
            ch.code = c;
            ch.style.font_size = static_cast<KReal>(unit);
            ch.style.horizontal_scale = 1;
            ch.style.vertical_scale = 1;
            ch.paint = paint(colour_model, 0.1, 0.1, 0.4, 0);
            ch.paint.stroke_paint = 0;
            text.text->chars.push_back(ch);
        }
        doc->set_selected(text, true);
        return doc;
    }
    if (product == "ziggurat") {
        // Small objects in the four quarters of the page, at their lower
        // left, so that each one's tower (the default: eight floors, forty
        // points apart each way) stays in its quarter.
        const double w = page_width, h = page_height;
        const Geom::Point origins[4] = {{w * 0.01, h * 0.04}, {w * 0.505, h * 0.04}, {w * 0.01, h * 0.53},
                                        {w * 0.505, h * 0.53}};
        add_shapes(*doc, origins, std::min(w, h) / 60);
        return doc;
    }
    // Spread around the page centre in a 2 by 2 grid with a gap of 2 units.
    const Geom::Point origins[4] = {{cx - 3 * unit, cy + unit}, {cx + unit, cy + unit}, {cx - 3 * unit, cy - 3 * unit},
                                    {cx + unit, cy - 3 * unit}};
    add_shapes(*doc, origins, unit);
    return doc;
}

}  // namespace kestrel::tool
