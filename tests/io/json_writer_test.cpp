// The JSON view of a document: its top-level fields, every art kind's fields,
// colour components per kind and the rounding of reals; an envelope warped
// through the suite, in JSON and in SVG.
#include <gtest/gtest.h>

#include "ai_envelope.h"
#include "host/core/host.hpp"
#include "host/io/json_writer.hpp"
#include "host/io/svg_reader.hpp"
#include "host/io/svg_writer.hpp"

namespace kestrel::host {
namespace {

TEST(JsonWriter, DocumentFields) {
    const auto r = read_svg_string(
        "<svg xmlns=\"http://www.w3.org/2000/svg\" xmlns:kestrel=\"urn:kestrel\" width=\"200\" height=\"100\" "
        "kestrel:colour-model=\"grey\">"
        "<rect x=\"10\" y=\"10\" width=\"20\" height=\"30\" fill=\"device-gray(0.3)\" stroke=\"device-cmyk(0 0.5 1 0)\" "
        "stroke-width=\"1.23456\" opacity=\"0.5\" style=\"mix-blend-mode:screen\" kestrel:selected=\"1\"/>"
        "<g><path d=\"M0 0 H10 V10 Z M20 20 H30 V30 Z\" fill=\"#ff0000\"/></g></svg>",
        "j.svg");
    const nlohmann::json j = document_json(*r.document, 7);
    EXPECT_EQ(j["page"], (nlohmann::json{{"width", 200.0}, {"height", 100.0}}));
    EXPECT_EQ(j["colour_model"], "grey");
    EXPECT_EQ(j["random_draws"], 7);
    ASSERT_EQ(j["layers"].size(), 1u);
    EXPECT_EQ(j["layers"][0]["name"], "Layer 1");
    const auto& art = j["layers"][0]["art"];
    ASSERT_EQ(art.size(), 2u);

    const auto& rect = art[0];
    EXPECT_EQ(rect["type"], "path");
    EXPECT_EQ(rect["type_code"], kPathArt);
    EXPECT_EQ(rect["bounds"], (nlohmann::json{10.0, 90.0, 30.0, 60.0}));
    EXPECT_EQ(rect["selected"], true);
    EXPECT_EQ(rect["d"], "M 10 90 L 30 90 L 30 60 L 10 60 Z");
    EXPECT_EQ(rect["opacity"], 0.5);
    EXPECT_EQ(rect["blend_mode"], kScreenBlend);
    const auto& style = rect["style"];
    EXPECT_EQ(style["fill_paint"], true);
    EXPECT_EQ(style["fill"], (nlohmann::json{{"kind", kGreyColour}, {"components", {0.3}}}));
    EXPECT_EQ(style["stroke_paint"], true);
    EXPECT_EQ(style["stroke"], (nlohmann::json{{"kind", kProcessColour}, {"components", {0.0, 0.5, 1.0, 0.0}}}));
    EXPECT_EQ(style["stroke_width"], 1.2346);
    EXPECT_FALSE(rect.contains("children"));

    const auto& group = art[1];
    EXPECT_EQ(group["type"], "group");
    EXPECT_EQ(group["type_code"], kGroupArt);
    EXPECT_EQ(group["selected"], false);
    EXPECT_EQ(group["bounds"], (nlohmann::json{0.0, 100.0, 30.0, 70.0}));
    ASSERT_EQ(group["children"].size(), 1u);
    const auto& compound = group["children"][0];
    EXPECT_EQ(compound["type"], "compound");
    EXPECT_EQ(compound["style"]["fill"]["components"], (nlohmann::json{1.0, 0.0, 0.0}));
    ASSERT_EQ(compound["children"].size(), 2u);
    EXPECT_EQ(compound["children"][1]["d"], "M 20 80 L 30 80 L 30 70 Z");
}

TEST(JsonWriter, EnvelopeTextAndColourKinds) {
    Document doc(100, 100, kRGBModel);
    Layer& layer = *doc.layers().front();
    Art& env = doc.new_art(kEnvelopeArt, layer);
    env.warp.style = 3;
    env.warp.bend = 0.123456f;
    env.warp.horizontal_distortion = -0.5f;
    env.warp.rotate = true;
    Art& inside = doc.new_art(kPathArt, kPlaceInsideOnTop, &env);
    Geom::Path p(Geom::Point(1.00004, 2));
    p.appendNew<Geom::LineSegment>(Geom::Point(3, 4));
    doc.set_path(inside, p);
    KColour pattern{};
    pattern.kind = kPatternColour;
    KPathStyle s = doc.style_of(inside);
    s.fill = spot_colour(0.5, 0.1, 0.2, 0.3, 0.4);
    s.stroke = pattern;
    s.stroke_paint = 0;
    doc.set_style(inside, s);

    Art& text = doc.new_art(kTextArt, layer);
    for (char32_t c : {U'H', U'\u00e9'}) {
        TextChar ch;
        ch.code = c;
        ch.style.font_size = 12;
        text.text->chars.push_back(ch);
    }

    const nlohmann::json j = document_json(doc, 0);
    const auto& art = j["layers"][0]["art"];
    ASSERT_EQ(art.size(), 2u);
    EXPECT_EQ(art[0]["type"], "envelope");
    EXPECT_EQ(art[0]["type_code"], kEnvelopeArt);
    EXPECT_EQ(art[0]["warp"], (nlohmann::json{{"style", 3}, {"bend", 0.1235}, {"horizontal_distortion", -0.5},
                                              {"vertical_distortion", 0.0}, {"rotate", true}}));
    const auto& member = art[0]["children"][0];
    EXPECT_EQ(member["d"], "M 1 2 L 3 4");
    EXPECT_EQ(member["bounds"], (nlohmann::json{1.0, 4.0, 3.0, 2.0}));
    EXPECT_EQ(member["style"]["fill"]["kind"], kSpotColour);
    EXPECT_EQ(member["style"]["fill"]["components"], (nlohmann::json{0.5, 0.1, 0.2, 0.3, 0.4}));
    EXPECT_EQ(member["style"]["stroke"], (nlohmann::json{{"kind", kPatternColour}, {"components", nlohmann::json::array()}}));
    EXPECT_EQ(member["style"]["stroke_paint"], false);
    EXPECT_EQ(art[1]["type"], "text");
    EXPECT_EQ(art[1]["text"], "H\u00e9");
    EXPECT_FALSE(art[1].contains("children"));
    // The same document gives the same text.
    EXPECT_EQ(j.dump(), document_json(doc, 0).dump());
}

// Made as the filters make them: a copy with its own opacity and blending
// mode, wrapped in an envelope of its duplicate and warped. Both outputs
// show the warped outline, not the one before the warp.
TEST(JsonWriter, WarpedEnvelopeInJsonAndSvg) {
    Host host;
    Document& doc = host.document();
    const auto* suite = static_cast<const KEnvelopeSuite*>(host.suites().find(kAIEnvelopeSuite, kAIEnvelopeSuiteVersion));
    ASSERT_NE(suite, nullptr);
    Art& copy = doc.new_art(kPathArt, doc.current_layer());
    const Geom::Path unwarped(Geom::Rect(100, 100, 200, 150));
    doc.set_path(copy, unwarped);
    doc.set_opacity(copy, 0.25);
    doc.set_blending_mode(copy, kColourDodgeBlend);
    KArtHandle content = doc.handle_of(copy);
    const KArtHandle shape = doc.handle_of(doc.duplicate(copy, kPlaceAboveAll, nullptr));
    const KEnvelopeOptions options{0, 50};
    KArtHandle envelope = nullptr;
    ASSERT_EQ(suite->make_envelope(&content, 1, shape, &options, &envelope), kNoErr);
    ASSERT_EQ(suite->apply_warp(envelope, kWarpFlag, 0.5f, 0.25f, -0.5f, 1), kNoErr);
    ASSERT_NE(copy.path, unwarped);

    const nlohmann::json art = document_json(doc, 0)["layers"][0]["art"];
    ASSERT_EQ(art.size(), 1u);  // the shape is gone
    EXPECT_EQ(art[0]["type"], "envelope");
    EXPECT_EQ(art[0]["warp"], (nlohmann::json{{"style", kWarpFlag}, {"bend", 0.5}, {"horizontal_distortion", 0.25},
                                              {"vertical_distortion", -0.5}, {"rotate", true}}));
    ASSERT_EQ(art[0]["children"].size(), 1u);
    const nlohmann::json& member = art[0]["children"][0];
    EXPECT_EQ(member["d"], svg_path_data(Geom::PathVector(copy.path)));
    EXPECT_EQ(member["opacity"], 0.25);
    EXPECT_EQ(member["blend_mode"], kColourDodgeBlend);

    const std::string svg = write_svg(doc);
    const std::string drawn = "    <g>\n      <path d=\"" + svg_path_data(Geom::PathVector(copy.path), doc.page_height()) + "\"";
    EXPECT_NE(svg.find(drawn), std::string::npos) << svg;
    EXPECT_NE(svg.find("opacity=\"0.25\" style=\"mix-blend-mode:color-dodge\"/>\n    </g>"), std::string::npos) << svg;
    EXPECT_EQ(svg.find(svg_path_data(Geom::PathVector(unwarped), doc.page_height())), std::string::npos);
}

}  // namespace
}  // namespace kestrel::host
