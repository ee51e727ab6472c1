// Writing SVG: exact output for a small document, display colours, blending
// modes, compound paths, text, byte stability and round trips through the reader.
#include <gtest/gtest.h>

#include <string>

#include "host/io/svg_reader.hpp"
#include "host/io/svg_writer.hpp"

namespace kestrel::host {
namespace {

Geom::Path square(double x, double y, double side) {
    Geom::Path p(Geom::Point(x, y));
    p.appendNew<Geom::LineSegment>(Geom::Point(x + side, y));
    p.appendNew<Geom::LineSegment>(Geom::Point(x + side, y + side));
    p.appendNew<Geom::LineSegment>(Geom::Point(x, y + side));
    p.close(true);
    return p;
}

KPathStyle paint(const KColour& fill) {
    KPathStyle s{};
    s.fill_paint = 1;
    s.fill = fill;
    s.stroke_paint = 0;
    s.stroke = rgb_colour(0, 0, 0);
    s.stroke_width = 1;
    return s;
}

TEST(SvgWriter, ExactOutputForASmallDocument) {
    Document doc(100, 200, kRGBModel);
    Art& a = doc.new_art(kPathArt, *doc.layers().front());
    doc.set_path(a, square(10, 20, 30));
    KPathStyle s = paint(rgb_colour(1, 0, 0));
    s.stroke_paint = 1;
    s.stroke = rgb_colour(0, 0, 1);
    s.stroke_width = 2.5f;
    doc.set_style(a, s);
    doc.set_opacity(a, 0.5);
    doc.set_blending_mode(a, kMultiplyBlend);
    Art& g = doc.new_art(kGroupArt, *doc.layers().front());
    Art& b = doc.new_art(kPathArt, kPlaceInsideOnTop, &g);
    doc.set_path(b, square(0.12345, 0, 1));
    doc.set_style(b, paint(cmyk_colour(0, 1, 1, 0)));
    EXPECT_EQ(write_svg(doc),
              "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
              "<svg xmlns=\"http://www.w3.org/2000/svg\" xmlns:kestrel=\"urn:kestrel\" version=\"1.1\" width=\"100pt\" "
              "height=\"200pt\" viewBox=\"0 0 100 200\" kestrel:colour-model=\"rgb\">\n"
              "  <g id=\"Layer 1\">\n"
              "    <path d=\"M 10 180 L 40 180 L 40 150 L 10 150 Z\" fill=\"#ff0000\" stroke=\"#0000ff\" stroke-width=\"2.5\" "
              "opacity=\"0.5\" style=\"mix-blend-mode:multiply\"/>\n"
              "    <g>\n"
              "      <path d=\"M 0.123 200 L 1.123 200 L 1.123 199 L 0.123 199 Z\" fill=\"#ff0000\" stroke=\"none\"/>\n"
              "    </g>\n"
              "  </g>\n"
              "</svg>\n");
}

TEST(SvgWriter, DisplayColoursOfEveryKind) {
    KColour pattern{};
    pattern.kind = kPatternColour;
    struct Case {
        const char* label;
        KColour colour;
        std::array<int, 3> rgb;
    } cases[] = {
        {"rgb", rgb_colour(1, 0.5, 0), {255, 128, 0}},
        {"grey", grey_colour(0.5), {128, 128, 128}},
        {"grey black", grey_colour(0), {0, 0, 0}},
        {"cmyk red", cmyk_colour(0, 1, 1, 0), {255, 0, 0}},
        {"cmyk black", cmyk_colour(0, 0, 0, 1), {0, 0, 0}},
        {"cmyk mixed", cmyk_colour(0.5, 0, 0, 0.5), {64, 128, 128}},
        {"spot full", spot_colour(1, 0, 1, 1, 0), {255, 0, 0}},
        {"spot half", spot_colour(0.5, 0, 1, 1, 0), {255, 128, 128}},
        {"pattern", pattern, {128, 128, 128}},
    };
    for (const Case& c : cases) EXPECT_EQ(display_rgb(c.colour), c.rgb) << c.label;
}

TEST(SvgWriter, EveryBlendModeByName) {
    const char* names[16] = {"normal", "multiply", "screen", "overlay", "soft-light", "hard-light", "color-dodge",
                             "color-burn", "darken", "lighten", "difference", "exclusion", "hue", "saturation",
                             "color", "luminosity"};
    for (int mode = 0; mode < 16; ++mode) {
        Document doc(10, 10, kRGBModel);
        Art& a = doc.new_art(kPathArt, *doc.layers().front());
        doc.set_path(a, square(0, 0, 1));
        doc.set_blending_mode(a, mode);
        const std::string out = write_svg(doc);
        if (mode == 0) EXPECT_EQ(out.find("mix-blend-mode"), std::string::npos);
        else EXPECT_NE(out.find(std::string("style=\"mix-blend-mode:") + names[mode] + "\""), std::string::npos) << names[mode];
    }
}

TEST(SvgWriter, CompoundPathIsOnePathWithItsFillRule) {
    Document doc(100, 100, kCMYKModel);
    Art& c = doc.new_art(kCompoundPathArt, *doc.layers().front());
    doc.set_path(doc.new_art(kPathArt, kPlaceInsideOnTop, &c), square(0, 0, 40));
    doc.set_path(doc.new_art(kPathArt, kPlaceInsideOnTop, &c), square(10, 10, 20));
    KPathStyle s = paint(cmyk_colour(1, 0, 0, 0));
    s.even_odd = 1;
    doc.set_style(c, s);
    const std::string out = write_svg(doc);
    EXPECT_NE(out.find("<path d=\"M 0 100 L 40 100 L 40 60 L 0 60 Z M 10 90 L 30 90 L 30 70 L 10 70 Z\" fill=\"#00ffff\" "
                       "fill-rule=\"evenodd\" stroke=\"none\"/>"),
              std::string::npos)
        << out;
    EXPECT_NE(out.find("kestrel:colour-model=\"cmyk\""), std::string::npos);
}

TEST(SvgWriter, TextAsTspansPerRun) {
    Document doc(100, 100, kRGBModel);
    Art& t = doc.new_art(kTextArt, *doc.layers().front());
    ASSERT_NE(t.text, nullptr);
    t.text->anchor = Geom::Point(10, 20);
    for (char32_t c : {U'A', U'<', U'B'}) {
        TextChar ch;
        ch.code = c;
        ch.style.font_size = 10;
        ch.style.horizontal_scale = 1;
        ch.style.vertical_scale = 1;
        ch.paint = paint(rgb_colour(0, 0, 0));
        t.text->chars.push_back(ch);
    }
    t.text->chars[2].style.font_size = 20;
    const std::string out = write_svg(doc);
    EXPECT_NE(out.find("<text font-family=\"sans-serif\"><tspan x=\"10 16\" y=\"80 80\" font-size=\"10\" fill=\"#000000\" "
                       "stroke=\"none\">A&lt;</tspan><tspan x=\"22\" y=\"80\" font-size=\"20\""),
              std::string::npos)
        << out;
}

TEST(SvgWriter, ByteStableAndRoundTrips) {
    const std::string source =
        "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"200\" height=\"100\">"
        "<rect x=\"10\" y=\"10\" width=\"20\" height=\"30\" rx=\"4\" fill=\"#336699\" opacity=\"0.75\"/>"
        "<g><circle cx=\"100\" cy=\"50\" r=\"10\" fill=\"none\" stroke=\"#ff8000\" stroke-width=\"3\"/>"
        "<path d=\"M150 10 C160 0 170 20 180 10 Q185 30 190 40 Z\" style=\"mix-blend-mode:difference\"/></g></svg>";
    const auto first = read_svg_string(source, "a.svg");
    const std::string out = write_svg(*first.document);
    EXPECT_EQ(out, write_svg(*first.document));
    EXPECT_EQ(out, write_svg(*read_svg_string(source, "b.svg").document));

    // Reading the output gives the same drawing, and writing it again the same bytes
    // (its layer group becomes a group on the first layer).
    const auto second = read_svg_string(out, "out.svg");
    EXPECT_TRUE(second.warnings.empty());
    EXPECT_EQ(second.document->page_width(), 200);
    EXPECT_EQ(second.document->page_height(), 100);
    const Art& layer_group = *second.document->layers().front()->first_art();
    ASSERT_EQ(layer_group.type(), kGroupArt);
    const Art* a = first.document->layers().front()->first_art();
    const Art* b = layer_group.first_child();
    while (a && b) {
        const KRealRect ra = first.document->exact_bounds(*a), rb = second.document->exact_bounds(*b);
        EXPECT_NEAR(ra.left, rb.left, 1e-3);
        EXPECT_NEAR(ra.top, rb.top, 1e-3);
        EXPECT_NEAR(ra.right, rb.right, 1e-3);
        EXPECT_NEAR(ra.bottom, rb.bottom, 1e-3);
        EXPECT_EQ(a->type(), b->type());
        EXPECT_FLOAT_EQ(a->opacity, b->opacity);
        a = a->next();
        b = b->next();
    }
    EXPECT_EQ(a, nullptr);
    EXPECT_EQ(b, nullptr);
    const std::string again = write_svg(*second.document);
    EXPECT_NE(again.find("<path d=\"M 150 10 C 160 0 170 20 180 10 Q 185 30 190 40 Z\" fill=\"#000000\" stroke=\"none\" "
                         "style=\"mix-blend-mode:difference\"/>"),
              std::string::npos)
        << again;
    EXPECT_NE(again.find("stroke=\"#ff8000\" stroke-width=\"3\""), std::string::npos);
}

}  // namespace

TEST(SvgWriter, DefaultStyleRoundTripsOnlyWhenSet) {
    const std::string plain = write_svg(*read_svg_string("<svg xmlns=\"http://www.w3.org/2000/svg\"/>", "p.svg").document);
    EXPECT_EQ(plain.find("default-style"), std::string::npos) << plain;

    const auto first = read_svg_string(
        "<svg xmlns=\"http://www.w3.org/2000/svg\" xmlns:kestrel=\"urn:kestrel\" "
        "kestrel:default-style=\"fill:#cc3333;stroke:none;stroke-width:2.5;fill-rule:evenodd\"/>",
        "a.svg");
    const std::string out = write_svg(*first.document);
    EXPECT_NE(out.find(" kestrel:default-style=\"fill:#cc3333;stroke:none;stroke-width:2.5;fill-rule:evenodd\">"),
              std::string::npos)
        << out;
    const KPathStyle& a = first.document->default_path_style();
    const auto second = read_svg_string(out, "out.svg");
    const KPathStyle& b = second.document->default_path_style();
    EXPECT_EQ(b.fill_paint, a.fill_paint);
    EXPECT_EQ(b.stroke_paint, a.stroke_paint);
    EXPECT_EQ(b.even_odd, a.even_odd);
    EXPECT_FLOAT_EQ(b.stroke_width, a.stroke_width);
    for (int c = 0; c < 3; ++c) EXPECT_NEAR(b.fill.body[c], a.fill.body[c], 1e-6) << c;
}

}  // namespace kestrel::host
