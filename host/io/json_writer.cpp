// json_writer.cpp: builds the JSON view of a document with nlohmann::json.
#include "host/io/json_writer.hpp"

#include "host/core/utf8.hpp"

#include <cmath>

#include "host/io/svg_writer.hpp"

namespace kestrel::host {

namespace {

// Rounded to 4 decimals so that the text is stable; never -0.
double round4(double value) {
    if (!std::isfinite(value)) return 0;
    const double r = std::round(value * 10000) / 10000;
    return r == 0 ? 0.0 : r;
}

const char* type_name(std::int16_t type) {
    switch (type) {
    case kGroupArt: return "group";
    case kPathArt: return "path";
    case kCompoundPathArt: return "compound";
    case kTextArt:
    case kTextPathArt:
    case kTextRunArt: return "text";
    case kPlacedArt: return "placed";
    case kMysteryPathArt: return "mystery_path";
    case kRasterArt: return "raster";
    case kPluginArt: return "plugin";
    case kMeshArt: return "mesh";
    case kSymbolArt: return "symbol";
    case kEnvelopeArt: return "envelope";
    default: return "unknown";
    }
}

nlohmann::json colour_json(const KColour& colour) {
    int count = 0;
    switch (colour.kind) {
    case kGreyColour: count = 1; break;
    case kProcessColour: count = 4; break;
    case kRGBColour: count = 3; break;
    case kSpotColour: count = 5; break;  // tint, then the ink's cyan, magenta, yellow, black
    default: count = 0; break;           // pattern and other kinds carry no components
    }
    nlohmann::json components = nlohmann::json::array();
    for (int i = 0; i < count; ++i) components.push_back(round4(colour.body[i]));
    return {{"kind", colour.kind}, {"components", components}};
}

nlohmann::json style_json(const KPathStyle& style) {
    return {{"fill_paint", style.fill_paint != 0},
            {"fill", colour_json(style.fill)},
            {"stroke_paint", style.stroke_paint != 0},
            {"stroke", colour_json(style.stroke)},
            {"stroke_width", round4(style.stroke_width)}};
}


}  // namespace

nlohmann::json art_json(const Document& doc, const Art& art) {
    const KRealRect b = doc.exact_bounds(art);
    nlohmann::json j = {{"type", type_name(art.type())},
                        {"type_code", art.type()},
                        {"bounds", {round4(b.left), round4(b.top), round4(b.right), round4(b.bottom)}},
                        {"selected", art.selected()}};
    // Paths, and the frames of placed and raster art.
    if (art.type() == kPathArt || (!art.is_container() && !art.path.empty()))
        j["d"] = svg_path_data(Geom::PathVector(art.path));
    if (art.type() != kGroupArt && art.type() != kEnvelopeArt) j["style"] = style_json(doc.style_of(art));
    j["opacity"] = round4(art.opacity);
    j["blend_mode"] = art.blending_mode;
    if (art.is_text()) {
        std::string text;
        if (art.text)
            for (const TextChar& c : art.text->chars) append_utf8(text, c.code);
        j["text"] = text;
    }
    if (art.type() == kEnvelopeArt) {
        j["warp"] = {{"style", art.warp.style},
                     {"bend", round4(art.warp.bend)},
                     {"horizontal_distortion", round4(art.warp.horizontal_distortion)},
                     {"vertical_distortion", round4(art.warp.vertical_distortion)},
                     {"rotate", art.warp.rotate}};
    }
    if (art.is_container()) {
        nlohmann::json kids = nlohmann::json::array();
        for (const Art& child : children(art)) kids.push_back(art_json(doc, child));
        j["children"] = kids;
    }
    return j;
}

nlohmann::json document_json(const Document& doc, std::int64_t random_draws) {
    const char* model = doc.colour_model() == kGreyModel ? "grey" : doc.colour_model() == kCMYKModel ? "cmyk" : "rgb";
    nlohmann::json layers = nlohmann::json::array();
    for (const Layer* layer : doc.layers()) {
        nlohmann::json art = nlohmann::json::array();
        for (const Art& a : top_level(*layer)) art.push_back(art_json(doc, a));
        layers.push_back({{"name", layer->name}, {"art", art}});
    }
    return {{"page", {{"width", round4(doc.page_width())}, {"height", round4(doc.page_height())}}},
            {"colour_model", model},
            {"random_draws", random_draws},
            {"layers", layers}};
}

}  // namespace kestrel::host
