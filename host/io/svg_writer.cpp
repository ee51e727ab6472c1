// svg_writer.cpp: formats the document tree as SVG text, one element per art object.
//
// Artwork coordinates (y up) become SVG coordinates (y down) by y' = page height - y.
// Paint is written as display colours (#rrggbb); the output depends only on the
// document, so the same document always gives the same bytes.
#include "host/io/svg_writer.hpp"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <numbers>

#include <2geom/bezier-curve.h>
#include <2geom/elliptical-arc.h>
#include <2geom/sbasis-to-bezier.h>
#include <2geom/transforms.h>

namespace kestrel::host {

namespace {

constexpr const char* kBlendNames[16] = {
    "normal", "multiply", "screen", "overlay", "soft-light", "hard-light", "color-dodge", "color-burn",
    "darken", "lighten", "difference", "exclusion", "hue", "saturation", "color", "luminosity"};

// A number with at most 3 decimals, trailing zeros dropped, never "-0".
std::string num(double value) {
    if (!std::isfinite(value)) value = 0;
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.3f", value);
    std::string s(buffer);
    while (s.back() == '0') s.pop_back();
    if (s.back() == '.') s.pop_back();
    if (s == "-0") s = "0";
    return s;
}

std::string point(const Geom::Point& p) { return num(p[Geom::X]) + " " + num(p[Geom::Y]); }

void append_curve(std::string& out, const Geom::Curve& curve) {
    if (const auto* arc = dynamic_cast<const Geom::EllipticalArc*>(&curve)) {
        if (arc->isChord()) {
            out += " L " + point(arc->finalPoint());
            return;
        }
        out += " A " + num(arc->ray(Geom::X)) + " " + num(arc->ray(Geom::Y)) + " " +
               num(arc->rotationAngle() * 180 / std::numbers::pi) + " " + (arc->largeArc() ? "1" : "0") + " " +
               (arc->sweep() ? "1" : "0") + " " + point(arc->finalPoint());
        return;
    }
    if (const auto* bezier = dynamic_cast<const Geom::BezierCurve*>(&curve)) {
        switch (bezier->order()) {
        case 1: out += " L " + point(bezier->finalPoint()); return;
        case 2: out += " Q " + point((*bezier)[1]) + " " + point(bezier->finalPoint()); return;
        case 3: out += " C " + point((*bezier)[1]) + " " + point((*bezier)[2]) + " " + point(bezier->finalPoint()); return;
        default: break;
        }
    }
    // Any other curve as cubic pieces close to it.
    const Geom::Path cubic = Geom::cubicbezierpath_from_sbasis(curve.toSBasis(), 0.01);
    for (const Geom::Curve& piece : cubic) {
        const auto* c = dynamic_cast<const Geom::BezierCurve*>(&piece);
        if (c && c->order() == 3) out += " C " + point((*c)[1]) + " " + point((*c)[2]) + " " + point(c->finalPoint());
        else out += " L " + point(piece.finalPoint());
    }
}

std::string escape(std::string_view text) {
    std::string out;
    for (char c : text) {
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        default: out += c; break;
        }
    }
    return out;
}

// One character as escaped UTF-8; characters XML cannot carry become a space or U+FFFD.
std::string char_text(char32_t c) {
    if (c < 0x20 || c == 0x7f) c = U' ';
    if ((c >= 0xd800 && c <= 0xdfff) || c > 0x10ffff || c == 0xfffe || c == 0xffff) c = 0xfffd;
    std::string out;
    if (c < 0x80) {
        out += static_cast<char>(c);
        return escape(out);
    }
    if (c < 0x800) {
        out += static_cast<char>(0xc0 | (c >> 6));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xe0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3f));
    } else {
        out += static_cast<char>(0xf0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3f));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3f));
    }
    out += static_cast<char>(0x80 | (c & 0x3f));
    return out;
}

std::string hex(const KColour& colour) {
    const auto rgb = display_rgb(colour);
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "#%02x%02x%02x", rgb[0], rgb[1], rgb[2]);
    return buffer;
}

std::string paint_attributes(const KPathStyle& style, bool fill_rule) {
    std::string out = " fill=\"" + (style.fill_paint ? hex(style.fill) : std::string("none")) + "\"";
    if (fill_rule && style.even_odd) out += " fill-rule=\"evenodd\"";
    if (style.stroke_paint) out += " stroke=\"" + hex(style.stroke) + "\" stroke-width=\"" + num(style.stroke_width) + "\"";
    else out += " stroke=\"none\"";
    return out;
}

// The document's default path style as the root's kestrel:default-style,
// when it is not the one a new document of its model has.
std::string default_style_attribute(const Document& doc) {
    const KPathStyle& style = doc.default_path_style();
    const KPathStyle plain = default_path_style_for(doc.colour_model());
    if (std::memcmp(&style, &plain, sizeof style) == 0) return "";
    std::string out = " kestrel:default-style=\"fill:" + (style.fill_paint ? hex(style.fill) : std::string("none")) +
                      ";stroke:" + (style.stroke_paint ? hex(style.stroke) : std::string("none")) +
                      ";stroke-width:" + num(style.stroke_width);
    if (style.even_odd) out += ";fill-rule:evenodd";
    return out + "\"";
}

// Opacity, blending mode and visibility of the object as a whole.
std::string object_attributes(const Art& art) {
    std::string out;
    if (art.opacity < 1) out += " opacity=\"" + num(std::max<double>(art.opacity, 0)) + "\"";
    if (art.blending_mode > 0 && art.blending_mode < 16)
        out += std::string(" style=\"mix-blend-mode:") + kBlendNames[art.blending_mode] + "\"";
    if (art.attributes & kArtHidden) out += " display=\"none\"";
    return out;
}

void collect_paths(const Art& art, Geom::PathVector& out) {
    if (art.type() == kPathArt) {
        out.push_back(art.path);
        return;
    }
    for (const Art& child : children(art)) collect_paths(child, out);
}

bool same_run(const TextChar& a, const TextChar& b) {
    return a.face == b.face && std::memcmp(&a.style, &b.style, sizeof a.style) == 0 &&
           std::memcmp(&a.paint, &b.paint, sizeof a.paint) == 0;
}

class Writer {
public:
    explicit Writer(const Document& doc) : doc_(doc), height_(doc.page_height()) {}

    std::string run() {
        const char* model = doc_.colour_model() == kGreyModel ? "grey" : doc_.colour_model() == kCMYKModel ? "cmyk" : "rgb";
        out_ += "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
        out_ += "<svg xmlns=\"http://www.w3.org/2000/svg\" xmlns:kestrel=\"urn:kestrel\" version=\"1.1\" width=\"" +
                num(doc_.page_width()) + "pt\" height=\"" + num(height_) + "pt\" viewBox=\"0 0 " + num(doc_.page_width()) +
                " " + num(height_) + "\" kestrel:colour-model=\"" + model + "\"" + default_style_attribute(doc_) + ">\n";
        for (const Layer* layer : doc_.layers()) {
            out_ += "  <g";
            if (!layer->name.empty()) out_ += " id=\"" + escape(layer->name) + "\"";
            if (!layer->visible) out_ += " display=\"none\"";
            out_ += ">\n";
            for (const Art& art : top_level(*layer)) write(art, 2);
            out_ += "  </g>\n";
        }
        out_ += "</svg>\n";
        return std::move(out_);
    }

private:
    void indent(int depth) { out_.append(static_cast<std::size_t>(depth) * 2, ' '); }

    void write(const Art& art, int depth) {
        switch (art.type()) {
        case kGroupArt:
        case kEnvelopeArt:  // the envelope's content as the document holds it
            indent(depth);
            out_ += "<g" + object_attributes(art);
            if (!art.first_child()) {
                out_ += "/>\n";
                return;
            }
            out_ += ">\n";
            for (const Art& child : children(art)) write(child, depth + 1);
            indent(depth);
            out_ += "</g>\n";
            return;
        case kCompoundPathArt: {
            Geom::PathVector paths;
            collect_paths(art, paths);
            if (paths.empty()) return;
            indent(depth);
            out_ += "<path d=\"" + svg_path_data(paths, height_) + "\"" + paint_attributes(doc_.style_of(art), true) +
                    object_attributes(art) + "/>\n";
            return;
        }
        default:
            break;
        }
        if (art.is_text()) {
            if (art.text) write_text(art, *art.text, depth);
            return;
        }
        if (art.path.empty()) return;  // nothing to draw
        indent(depth);
        out_ += "<path d=\"" + svg_path_data(Geom::PathVector(art.path), height_) + "\"" +
                paint_attributes(art.style, true) + object_attributes(art) + "/>\n";
    }

    // One <text> with one <tspan> per run of characters of the same style; every
    // character is placed where the document's layout puts it.
    void write_text(const Art& art, const TextBody& text, int depth) {
        if (text.chars.empty()) return;
        const bool oriented = !text.orientation.isIdentity();
        Geom::Affine to_local = Geom::identity();
        indent(depth);
        out_ += "<text font-family=\"sans-serif\"";
        if (oriented) {
            // Local coordinates: the laid-out line around the anchor, y down.
            const Geom::Affine& o = text.orientation;
            to_local = Geom::Translate(-text.anchor) * o.inverse();
            out_ += " transform=\"matrix(" + num(o[0]) + " " + num(-o[1]) + " " + num(-o[2]) + " " + num(o[3]) + " " +
                    num(text.anchor[Geom::X]) + " " + num(height_ - text.anchor[Geom::Y]) + ")\"";
        }
        out_ += object_attributes(art) + ">";
        std::size_t i = 0;
        while (i < text.chars.size()) {
            std::size_t end = i + 1;
            while (end < text.chars.size() && same_run(text.chars[i], text.chars[end])) ++end;
            const TextChar& first = text.chars[i];
            std::string xs, ys, content;
            for (std::size_t k = i; k < end; ++k) {
                Geom::Point p = char_origin(text, k);
                if (oriented) {
                    p = p * to_local;
                    p[Geom::Y] = -p[Geom::Y];
                } else {
                    p[Geom::Y] = height_ - p[Geom::Y];
                }
                if (k != i) {
                    xs += ' ';
                    ys += ' ';
                }
                xs += num(p[Geom::X]);
                ys += num(p[Geom::Y]);
                content += char_text(text.chars[k].code);
            }
            out_ += "<tspan x=\"" + xs + "\" y=\"" + ys + "\" font-size=\"" + num(first.style.font_size) + "\"" +
                    paint_attributes(first.paint, false) + ">" + content + "</tspan>";
            i = end;
        }
        out_ += "</text>\n";
    }

    const Document& doc_;
    double height_;
    std::string out_;
};

}  // namespace

std::array<int, 3> display_rgb(const KColour& colour) {
    const auto c = [&](int i) { return std::clamp(static_cast<double>(colour.body[i]), 0.0, 1.0); };
    double r = 0.5, g = 0.5, b = 0.5;  // pattern and unknown kinds
    switch (colour.kind) {
    case kGreyColour: r = g = b = c(0); break;
    case kRGBColour: r = c(0); g = c(1); b = c(2); break;
    case kProcessColour:
        r = (1 - c(0)) * (1 - c(3));
        g = (1 - c(1)) * (1 - c(3));
        b = (1 - c(2)) * (1 - c(3));
        break;
    case kSpotColour: {
        const double t = c(0);
        r = (1 - t * c(1)) * (1 - t * c(4));
        g = (1 - t * c(2)) * (1 - t * c(4));
        b = (1 - t * c(3)) * (1 - t * c(4));
        break;
    }
    default: break;
    }
    const auto byte = [](double v) { return static_cast<int>(std::lround(v * 255)); };
    return {byte(r), byte(g), byte(b)};
}

std::string svg_path_data(const Geom::PathVector& paths, double flip_height) {
    Geom::PathVector pv = paths;
    if (flip_height > 0) pv *= Geom::Scale(1, -1) * Geom::Translate(0, flip_height);
    std::string out;
    for (const Geom::Path& path : pv) {
        if (!out.empty()) out += ' ';
        out += "M " + point(path.initialPoint());
        for (auto it = path.begin(); it != path.end_open(); ++it) append_curve(out, *it);
        if (path.closed()) out += " Z";
    }
    return out;
}

std::string write_svg(const Document& doc) { return Writer(doc).run(); }

}  // namespace kestrel::host
