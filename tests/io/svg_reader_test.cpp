// Reading SVG drawings: page and coordinates, geometry of every element and
// path command, transforms, paint, Kestrel's attributes, warnings and errors.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include <2geom/elliptical-arc.h>

#include "host/io/svg_reader.hpp"

namespace kestrel::host {
namespace {

// An SVG document with the given root attributes around body.
std::string svg(const std::string& body, const std::string& root = "width=\"100\" height=\"100\"") {
    return "<svg xmlns=\"http://www.w3.org/2000/svg\" xmlns:kestrel=\"urn:kestrel\" " + root + ">" + body + "</svg>";
}

SvgReadResult read(const std::string& text) { return read_svg_string(text, "test.svg"); }

std::vector<Art*> top(const Document& doc) {
    std::vector<Art*> out;
    for (Art& a : top_level(*doc.layers().front())) out.push_back(&a);
    return out;
}

Art& only(const SvgReadResult& r) {
    const auto art = top(*r.document);
    EXPECT_EQ(art.size(), 1u);
    return *art.at(0);
}

void expect_rect(const KRealRect& b, double left, double top, double right, double bottom) {
    EXPECT_NEAR(b.left, left, 1e-3);
    EXPECT_NEAR(b.top, top, 1e-3);
    EXPECT_NEAR(b.right, right, 1e-3);
    EXPECT_NEAR(b.bottom, bottom, 1e-3);
}

void expect_point(const Geom::Point& p, double x, double y) {
    EXPECT_NEAR(p[Geom::X], x, 1e-4);
    EXPECT_NEAR(p[Geom::Y], y, 1e-4);
}

TEST(SvgReaderPage, WidthAndHeightUnits) {
    struct Case {
        const char* length;
        double points;
    } cases[] = {{"100", 100}, {"100px", 100}, {"72pt", 72}, {"1in", 72}, {"2.54cm", 72}, {"25.4mm", 72}, {"2pc", 24}};
    for (const Case& c : cases) {
        const auto r = read(svg("", std::string("width=\"") + c.length + "\" height=\"" + c.length + "\""));
        EXPECT_NEAR(r.document->page_width(), c.points, 1e-9) << c.length;
        EXPECT_NEAR(r.document->page_height(), c.points, 1e-9) << c.length;
    }
    const auto from_view_box = read(svg("", "viewBox=\"0 0 300 400\""));
    EXPECT_EQ(from_view_box.document->page_width(), 300);
    EXPECT_EQ(from_view_box.document->page_height(), 400);
    EXPECT_EQ(from_view_box.document->colour_model(), kRGBModel);
    ASSERT_EQ(from_view_box.document->layers().size(), 1u);
    EXPECT_EQ(from_view_box.document->layers().front()->name, "Layer 1");
}

TEST(SvgReaderPage, YAxisIsFlipped) {
    const auto r = read(svg("<rect x=\"10\" y=\"20\" width=\"30\" height=\"40\"/>", "width=\"100\" height=\"200\""));
    expect_rect(r.document->exact_bounds(only(r)), 10, 180, 40, 140);
}

TEST(SvgReaderPage, ViewBoxScalesUserUnitsAndStrokes) {
    const auto r = read(svg("<rect x=\"1\" y=\"1\" width=\"2\" height=\"3\" stroke=\"red\" stroke-width=\"0.5\"/>",
                            "width=\"200\" height=\"100\" viewBox=\"0 0 20 10\""));
    Art& art = only(r);
    expect_rect(r.document->exact_bounds(art), 10, 90, 30, 60);
    EXPECT_NEAR(art.style.stroke_width, 5, 1e-5);
    // Default preserveAspectRatio: uniform scale, centred.
    const auto meet = read(svg("<rect x=\"0\" y=\"0\" width=\"10\" height=\"20\"/>",
                               "width=\"200\" height=\"200\" viewBox=\"0 0 10 20\""));
    expect_rect(meet.document->exact_bounds(only(meet)), 50, 200, 150, 0);
    const auto offset = read(svg("<rect x=\"5\" y=\"5\" width=\"10\" height=\"10\"/>",
                                 "width=\"20\" height=\"20\" viewBox=\"5 5 10 10\""));
    expect_rect(offset.document->exact_bounds(only(offset)), 0, 20, 20, 0);
}

// Every path command, relative forms and implicit repeats; expected bounds
// in SVG coordinates (y down) on a 100 x 100 page.
TEST(SvgReaderPath, EveryCommand) {
    struct Case {
        const char* d;
        double x0, y0, x1, y1;  // SVG bounds
        bool closed;
    } cases[] = {
        {"M10 10 L20 10 L20 20 Z", 10, 10, 20, 20, true},
        {"m10 10 l10 0 l0 10 z", 10, 10, 20, 20, true},
        {"M10 10 H20 V20 h-10 v-5", 10, 10, 20, 20, false},
        {"M0 0 10 0 10 10", 0, 0, 10, 10, false},               // implicit lineto after M
        {"m5 5 10 0 0 10", 5, 5, 15, 15, false},                // relative implicit lineto
        {"M0 0 L10 0 10 10 0 10 Z", 0, 0, 10, 10, true},        // repeated L
        {"M0 50 C0 60 10 60 10 50", 0, 50, 10, 57.5, false},
        {"M0 50 c0 10 10 10 10 0 0 10 10 10 10 0", 0, 50, 20, 57.5, false},  // repeated relative cubic
        {"M0 50 C0 60 10 60 10 50 S20 40 20 50", 0, 42.5, 20, 57.5, false},  // reflected control
        {"M0 50 c0 10 10 10 10 0 s10 -10 10 0", 0, 42.5, 20, 57.5, false},
        {"M0 50 Q5 60 10 50", 0, 50, 10, 55, false},
        {"M0 50 Q5 60 10 50 T20 50", 0, 45, 20, 55, false},
        {"M0 50 q5 10 10 0 t10 0", 0, 45, 20, 55, false},
        {"M0 50 A10 10 0 0 1 20 50", 0, 40, 20, 50, false},      // sweep 1: through y 40
        {"M0 50 a10 10 0 0 0 20 0", 0, 50, 20, 60, false},       // sweep 0: through y 60
        {"M0 50 A10 10 0 1 1 10 40", -10, 30, 10, 50, false},     // large arc, three quarters
    };
    for (const Case& c : cases) {
        const auto r = read(svg(std::string("<path d=\"") + c.d + "\"/>"));
        Art& art = only(r);
        EXPECT_EQ(art.type(), kPathArt) << c.d;
        EXPECT_EQ(art.path.closed(), c.closed) << c.d;
        SCOPED_TRACE(c.d);
        expect_rect(r.document->exact_bounds(art), c.x0, 100 - c.y0, c.x1, 100 - c.y1);
    }
}

TEST(SvgReaderPath, SeveralSubpathsMakeACompoundPath) {
    const auto r = read(svg("<path d=\"M0 0 H40 V40 H0 Z M10 10 H30 V30 H10 Z\" fill=\"red\" fill-rule=\"evenodd\"/>"));
    Art& art = only(r);
    ASSERT_EQ(art.type(), kCompoundPathArt);
    std::vector<Art*> members;
    for (Art& m : children(art)) members.push_back(&m);
    ASSERT_EQ(members.size(), 2u);
    for (Art* m : members) {
        EXPECT_EQ(m->type(), kPathArt);
        EXPECT_TRUE(m->path.closed());
        EXPECT_EQ(m->style.fill.kind, kRGBColour);
        EXPECT_EQ(m->style.fill.body[0], 1);
        EXPECT_EQ(m->style.even_odd, 1);
    }
    expect_rect(r.document->exact_bounds(*members[1]), 10, 90, 30, 70);
}

TEST(SvgReaderShapes, RectWithRoundedCorners) {
    const auto r = read(svg("<rect x=\"0\" y=\"0\" width=\"100\" height=\"50\" rx=\"10\"/>"));
    Art& art = only(r);
    expect_rect(r.document->exact_bounds(art), 0, 100, 100, 50);
    EXPECT_TRUE(art.path.closed());
    int arcs = 0;
    for (const Geom::Curve& c : art.path) {
        if (const auto* arc = dynamic_cast<const Geom::EllipticalArc*>(&c)) {
            ++arcs;
            EXPECT_NEAR(arc->ray(Geom::X), 10, 1e-9);  // ry follows rx
            EXPECT_NEAR(arc->ray(Geom::Y), 10, 1e-9);
        }
    }
    EXPECT_EQ(arcs, 4);
    // The corner is cut: the top-left corner point is not on the outline.
    EXPECT_GT(Geom::distance(Geom::Point(0, 100), art.path.pointAt(art.path.nearestTime(Geom::Point(0, 100)))), 2.0);

    // Radii larger than half the sides are cut to them.
    const auto big = read(svg("<rect x=\"0\" y=\"0\" width=\"100\" height=\"50\" rx=\"80\"/>"));
    for (const Geom::Curve& c : only(big).path)
        if (const auto* arc = dynamic_cast<const Geom::EllipticalArc*>(&c)) {
            EXPECT_NEAR(arc->ray(Geom::X), 50, 1e-9);
            EXPECT_NEAR(arc->ray(Geom::Y), 25, 1e-9);
        }
}

TEST(SvgReaderShapes, CircleEllipseLinePolylinePolygon) {
    const auto r = read(svg("<circle cx=\"50\" cy=\"40\" r=\"20\"/>"
                            "<ellipse cx=\"50\" cy=\"50\" rx=\"30\" ry=\"10\"/>"
                            "<line x1=\"1\" y1=\"2\" x2=\"30\" y2=\"40\"/>"
                            "<polyline points=\"0,0 10,0 10,10\"/>"
                            "<polygon points=\"0 0,10 0 10 10\"/>"));
    const auto art = top(*r.document);
    ASSERT_EQ(art.size(), 5u);
    expect_rect(r.document->exact_bounds(*art[0]), 30, 80, 70, 40);
    expect_rect(r.document->exact_bounds(*art[1]), 20, 60, 80, 40);
    EXPECT_TRUE(art[0]->path.closed());
    EXPECT_FALSE(art[2]->path.closed());
    expect_point(art[2]->path.initialPoint(), 1, 98);
    expect_point(art[2]->path.finalPoint(), 30, 60);
    EXPECT_FALSE(art[3]->path.closed());
    EXPECT_TRUE(art[4]->path.closed());
    EXPECT_EQ(art[3]->path.size_open(), 2u);
    EXPECT_EQ(art[4]->path.size_closed(), 3u);  // the closing side back to the start
}

// Each transform form on a line from (0,0) to (10,10); the expected end point in SVG coordinates.
TEST(SvgReaderTransform, EveryForm) {
    struct Case {
        const char* transform;
        double x, y;
    } cases[] = {
        {"translate(5)", 15, 10},          {"translate(5 7)", 15, 17},       {"translate(5,-7)", 15, 3},
        {"scale(2)", 20, 20},              {"scale(2 3)", 20, 30},           {"rotate(90)", -10, 10},
        {"rotate(90 10 0)", 0, 0},         {"skewX(45)", 20, 10},            {"skewY(45)", 10, 20},
        {"matrix(1 0 0 1 3 4)", 13, 14},   {"matrix(0,1,-1,0,0,0)", -10, 10}, {"translate(10) scale(2)", 30, 20},
        {"scale(2),translate(10)", 40, 20}, {" rotate( 180 ) ", -10, -10},
    };
    for (const Case& c : cases) {
        const auto r = read(svg(std::string("<line x1=\"0\" y1=\"0\" x2=\"10\" y2=\"10\" transform=\"") + c.transform + "\"/>"));
        SCOPED_TRACE(c.transform);
        expect_point(only(r).path.finalPoint(), c.x, 100 - c.y);
    }
}

TEST(SvgReaderTransform, ComposesWithGroupTransforms) {
    const auto r = read(svg("<g transform=\"translate(100 0)\"><g transform=\"scale(2)\">"
                            "<line x1=\"0\" y1=\"0\" x2=\"10\" y2=\"10\" transform=\"translate(1 1)\"/></g></g>",
                            "width=\"200\" height=\"100\""));
    Art& outer = only(r);
    ASSERT_EQ(outer.type(), kGroupArt);
    ASSERT_NE(outer.first_child(), nullptr);
    Art& inner = *outer.first_child();
    ASSERT_EQ(inner.type(), kGroupArt);
    ASSERT_NE(inner.first_child(), nullptr);
    const Art& line = *inner.first_child();
    expect_point(line.path.initialPoint(), 102, 98);
    expect_point(line.path.finalPoint(), 122, 78);
}

TEST(SvgReaderStyle, StyleOverridesAttributesAndGroupsInherit) {
    const auto r = read(svg("<g fill=\"red\" stroke=\"lime\" stroke-width=\"3\">"
                            "<rect width=\"1\" height=\"1\" fill=\"#00f\" style=\"fill: #ff0; stroke-width:4\"/>"
                            "<rect width=\"1\" height=\"1\"/>"
                            "<rect width=\"1\" height=\"1\" style=\"stroke:none\"/></g>"
                            "<rect width=\"1\" height=\"1\"/>"));
    const auto groups = top(*r.document);
    ASSERT_EQ(groups.size(), 2u);
    std::vector<Art*> kids;
    for (Art& k : children(*groups[0])) kids.push_back(&k);
    ASSERT_EQ(kids.size(), 3u);
    const KPathStyle& a = kids[0]->style;
    EXPECT_EQ(a.fill.body[0], 1);
    EXPECT_EQ(a.fill.body[1], 1);
    EXPECT_EQ(a.fill.body[2], 0);
    EXPECT_FLOAT_EQ(a.stroke_width, 4);
    const KPathStyle& b = kids[1]->style;
    EXPECT_EQ(b.fill.body[0], 1);
    EXPECT_EQ(b.fill.body[2], 0);
    EXPECT_EQ(b.stroke_paint, 1);
    EXPECT_EQ(b.stroke.body[1], 1);
    EXPECT_FLOAT_EQ(b.stroke_width, 3);
    EXPECT_EQ(kids[2]->style.stroke_paint, 0);
    // Outside the group: the SVG defaults, black fill, no stroke, width 1.
    const KPathStyle& d = groups[1]->style;
    EXPECT_EQ(d.fill_paint, 1);
    EXPECT_EQ(d.fill.kind, kRGBColour);
    EXPECT_EQ(d.fill.body[0], 0);
    EXPECT_EQ(d.stroke_paint, 0);
    EXPECT_FLOAT_EQ(d.stroke_width, 1);
}

TEST(SvgReaderStyle, OpacityAndBlendModes) {
    const char* names[16] = {"normal", "multiply", "screen", "overlay", "soft-light", "hard-light", "color-dodge",
                             "color-burn", "darken", "lighten", "difference", "exclusion", "hue", "saturation",
                             "color", "luminosity"};
    for (int mode = 0; mode < 16; ++mode) {
        const auto r = read(svg(std::string("<rect width=\"1\" height=\"1\" opacity=\"0.25\" style=\"mix-blend-mode:") +
                                names[mode] + "\"/>"));
        EXPECT_EQ(only(r).blending_mode, mode) << names[mode];
        EXPECT_FLOAT_EQ(only(r).opacity, 0.25f);
    }
    const auto group = read(svg("<g opacity=\"0.5\" style=\"mix-blend-mode:screen\"><rect width=\"1\" height=\"1\"/></g>"));
    Art& g = only(group);
    EXPECT_FLOAT_EQ(g.opacity, 0.5f);
    EXPECT_EQ(g.blending_mode, kScreenBlend);
    EXPECT_FLOAT_EQ(g.first_child()->opacity, 1.0f);  // opacity belongs to the group, not its children
}

TEST(SvgReaderColour, EverySyntax) {
    struct Case {
        const char* value;
        int kind;
        std::vector<double> components;
    } cases[] = {
        {"#f00", kRGBColour, {1, 0, 0}},
        {"#00FF80", kRGBColour, {0, 1, 128 / 255.0}},
        {"rgb(255, 0, 51)", kRGBColour, {1, 0, 0.2}},
        {"rgb(100%,50%,0%)", kRGBColour, {1, 0.5, 0}},
        {"rgb(300, -5, 0)", kRGBColour, {1, 0, 0}},  // clamped
        {"red", kRGBColour, {1, 0, 0}},
        {"NAVY", kRGBColour, {0, 0, 128 / 255.0}},
        {"orange", kRGBColour, {1, 165 / 255.0, 0}},
        {"pink", kRGBColour, {1, 192 / 255.0, 203 / 255.0}},
        {"brown", kRGBColour, {165 / 255.0, 42 / 255.0, 42 / 255.0}},
        {"gold", kRGBColour, {1, 215 / 255.0, 0}},
        {"rebeccapurple", kRGBColour, {0x66 / 255.0, 0x33 / 255.0, 0x99 / 255.0}},
        {"device-cmyk(0.1 0.2 0.3 0.4)", kProcessColour, {0.1, 0.2, 0.3, 0.4}},
        {"device-cmyk(10%, 20%, 30%, 100%)", kProcessColour, {0.1, 0.2, 0.3, 1}},
        {"device-gray(0.25)", kGreyColour, {0.25}},
        {"device-gray(50%)", kGreyColour, {0.5}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value);
        const auto r = read(svg(std::string("<rect width=\"1\" height=\"1\" fill=\"") + c.value + "\" stroke=\"" +
                                c.value + "\"/>"));
        const KPathStyle& s = only(r).style;
        for (const KColour* colour : {&s.fill, &s.stroke}) {
            EXPECT_EQ(colour->kind, c.kind);
            for (std::size_t i = 0; i < c.components.size(); ++i) EXPECT_NEAR(colour->body[i], c.components[i], 1e-6);
        }
        EXPECT_EQ(s.fill_paint, 1);
        EXPECT_EQ(s.stroke_paint, 1);
    }
    const auto none = read(svg("<rect width=\"1\" height=\"1\" fill=\"none\" stroke=\"none\"/>"));
    EXPECT_EQ(only(none).style.fill_paint, 0);
    EXPECT_EQ(only(none).style.stroke_paint, 0);
}

TEST(SvgReaderKestrel, ColourModelAndSelection) {
    struct Case {
        const char* model;
        int code;
        int black_kind;
    } cases[] = {{"grey", kGreyModel, kGreyColour}, {"rgb", kRGBModel, kRGBColour}, {"cmyk", kCMYKModel, kProcessColour}};
    for (const Case& c : cases) {
        const auto r = read(svg("<rect width=\"1\" height=\"1\"/>",
                                std::string("width=\"10\" height=\"10\" kestrel:colour-model=\"") + c.model + "\""));
        EXPECT_EQ(r.document->colour_model(), c.code) << c.model;
        EXPECT_EQ(only(r).style.fill.kind, c.black_kind) << c.model;  // the default black in the document's model
    }
    const auto marked = read(svg("<rect width=\"1\" height=\"1\" kestrel:selected=\"1\"/>"
                                 "<rect width=\"1\" height=\"1\" kestrel:selected=\"0\"/>"
                                 "<g kestrel:selected=\"1\"><rect width=\"1\" height=\"1\"/></g>"));
    EXPECT_TRUE(marked.selection_marked);
    const auto art = top(*marked.document);
    ASSERT_EQ(art.size(), 3u);
    EXPECT_TRUE(art[0]->selected());
    EXPECT_FALSE(art[1]->selected());
    EXPECT_TRUE(art[2]->selected());
    EXPECT_TRUE(art[2]->first_child()->selected());
    const auto hidden = read(svg("<rect width=\"1\" height=\"1\" display=\"none\"/>"));
    EXPECT_EQ(only(hidden).attributes & kArtHidden, kArtHidden);
    const auto unmarked = read(svg("<rect width=\"1\" height=\"1\"/>"));
    EXPECT_FALSE(unmarked.selection_marked);
    EXPECT_FALSE(only(unmarked).selected());
}

// The document's default path style, which new shapes are painted with:
// only the declared parts change, in points whatever the viewBox, and the
// drawing's own elements keep their paint.
TEST(SvgReaderKestrel, DefaultStyle) {
    const auto r = read(svg("<rect width=\"1\" height=\"1\"/>",
                            "width=\"100\" height=\"100\" viewBox=\"0 0 10 10\" kestrel:colour-model=\"cmyk\" "
                            "kestrel:default-style=\"fill:#c33; stroke:none; stroke-width:2.5; fill-rule:evenodd\""));
    const KPathStyle& d = r.document->default_path_style();
    EXPECT_EQ(d.fill_paint, 1);
    EXPECT_EQ(d.fill.kind, kRGBColour);
    EXPECT_FLOAT_EQ(d.fill.body[0], 0.8f);
    EXPECT_FLOAT_EQ(d.fill.body[1], 0.2f);
    EXPECT_EQ(d.stroke_paint, 0);
    EXPECT_EQ(d.stroke.kind, kProcessColour);  // kept from the model's default
    EXPECT_FLOAT_EQ(d.stroke_width, 2.5f);
    EXPECT_EQ(d.even_odd, 1);
    EXPECT_FLOAT_EQ(d.miter_limit, 4.0f);
    const Art& rect = only(r);
    EXPECT_EQ(rect.style.fill.kind, kProcessColour);  // the SVG default black
    EXPECT_FLOAT_EQ(rect.style.stroke_width, 10.0f);  // 1 user unit
    EXPECT_EQ(rect.style.even_odd, 0);

    // The command-line host's --default-style goes through the same parser.
    const KPathStyle base = d;
    const KPathStyle grey = parse_default_style(" stroke : device-gray(0.5) ;fill:none;", base);
    EXPECT_EQ(grey.fill_paint, 0);
    EXPECT_EQ(grey.stroke_paint, 1);
    EXPECT_EQ(grey.stroke.kind, kGreyColour);
    EXPECT_FLOAT_EQ(grey.stroke_width, 2.5f);
    for (const char* bad : {"fil:red", "fill:url(#g)", "stroke-width:-1", "stroke-width:wide", "fill-rule:odd", "fill"}) {
        EXPECT_THROW(parse_default_style(bad, base), std::invalid_argument) << bad;
    }
}

TEST(SvgReaderWarnings, UnsupportedElementsOnceEach) {
    const auto r = read(svg("\n<text x=\"1\" y=\"1\">hi<tspan>x</tspan></text>\n<image href=\"a.png\"/>\n"
                            "<defs><rect width=\"1\" height=\"1\"/></defs>\n<use href=\"#a\"/>\n<title>t</title>\n"
                            "<rect width=\"1\" height=\"1\"/>"));
    ASSERT_EQ(r.warnings.size(), 4u);
    EXPECT_EQ(r.warnings[0], "test.svg:2: element <text> is not supported: skipped");
    EXPECT_NE(r.warnings[1].find("test.svg:3: element <image>"), std::string::npos);
    EXPECT_NE(r.warnings[2].find("test.svg:4: element <defs>"), std::string::npos);
    EXPECT_NE(r.warnings[3].find("test.svg:5: element <use>"), std::string::npos);
    EXPECT_EQ(top(*r.document).size(), 1u);  // the rect inside defs is not drawn
}

TEST(SvgReaderWarnings, FillOpacityWarnedOnce) {
    const auto r = read(svg("<rect width=\"1\" height=\"1\" fill-opacity=\"0.5\"/>"
                            "<rect width=\"1\" height=\"1\" style=\"fill-opacity:0.2\"/>"));
    ASSERT_EQ(r.warnings.size(), 1u);
    EXPECT_NE(r.warnings[0].find("fill-opacity is ignored"), std::string::npos);
    for (Art* a : top(*r.document)) EXPECT_FLOAT_EQ(a->opacity, 1.0f);
}

TEST(SvgReaderOrder, TopLevelElementsInDocumentOrder) {
    const auto r = read(svg("<rect x=\"1\" width=\"1\" height=\"1\"/><g><rect x=\"2\" width=\"1\" height=\"1\"/>"
                            "<rect x=\"3\" width=\"1\" height=\"1\"/></g><rect x=\"4\" width=\"1\" height=\"1\"/>"));
    const auto art = top(*r.document);
    ASSERT_EQ(art.size(), 3u);
    EXPECT_NEAR(r.document->exact_bounds(*art[0]).left, 1, 1e-9);
    EXPECT_EQ(art[1]->type(), kGroupArt);
    EXPECT_NEAR(r.document->exact_bounds(*art[1]->first_child()).left, 2, 1e-9);
    EXPECT_NEAR(r.document->exact_bounds(*art[1]->last_child()).left, 3, 1e-9);
    EXPECT_NEAR(r.document->exact_bounds(*art[2]).left, 4, 1e-9);
}

std::string nested(int depth) {
    std::string out;
    for (int i = 0; i < depth; ++i) out += "<g>";
    for (int i = 0; i < depth; ++i) out += "</g>";
    return out;
}

TEST(SvgReaderErrors, MalformedInputNamesFileAndLine) {
    struct Case {
        const char* label;
        std::string text;
        std::size_t line;
        const char* message;
    } cases[] = {
        {"bad XML", svg("\n<rect width=\"1\" height=\"1\">\n<g>\n</rect>"), 4, "XML error"},
        {"bad path", svg("\n\n<path d=\"M 10 10 L x 3\"/>"), 3, "bad path data"},
        {"bad number", svg("\n<rect width=\"abc\" height=\"1\"/>"), 2, "bad number"},
        {"bad stroke width", svg("\n\n<rect width=\"1\" height=\"1\" style=\"stroke-width: 2q\"/>"), 3, "bad number"},
        {"bad colour", svg("\n\n\n<rect width=\"1\" height=\"1\" fill=\"#12\"/>"), 4, "bad colour"},
        {"unknown colour name", svg("\n<rect width=\"1\" height=\"1\" stroke=\"blurple\"/>"), 2, "bad colour"},
        {"bad cmyk", svg("\n<rect width=\"1\" height=\"1\" fill=\"device-cmyk(0 1 1)\"/>"), 2, "bad colour"},
        {"bad transform", svg("\n<rect width=\"1\" height=\"1\" transform=\"rotate(1 2)\"/>"), 2, "bad transform"},
        {"bad points", svg("\n<polygon points=\"0 0 1\"/>"), 2, "odd number"},
        {"bad page size", "<svg xmlns=\"http://www.w3.org/2000/svg\"\n width=\"10furlong\"/>", 1, "bad length"},
        {"bad colour model", svg("", "kestrel:colour-model=\"hsv\""), 1, "bad colour model"},
        {"bad selected", svg("\n<rect width=\"1\" height=\"1\" kestrel:selected=\"yes\"/>"), 2, "bad selected"},
        {"bad default style", "<svg xmlns=\"http://www.w3.org/2000/svg\" xmlns:kestrel=\"urn:kestrel\"\n"
                              " kestrel:default-style=\"stroke:blurple\"/>", 1, "bad colour"},
        {"unknown default style property", svg("", "kestrel:default-style=\"opacity:0.5\""), 1,
         "not a default style property"},
        {"not svg", "<html/>", 1, "root element"},
        {"empty", "", 1, "XML error"},
        {"out of range", svg("\n<rect width=\"1e300\" height=\"1\" transform=\"scale(1e300)\"/>"), 2, "out of range"},
        {"nested too deeply", svg(nested(300)), 1, "nested more than"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        try {
            read_svg_string(c.text, "fixture.svg");
            ADD_FAILURE() << "no error";
        } catch (const SvgError& e) {
            EXPECT_EQ(e.file(), "fixture.svg");
            EXPECT_EQ(e.line(), c.line);
            EXPECT_EQ(std::string(e.what()).rfind("fixture.svg:" + std::to_string(c.line) + ": ", 0), 0u) << e.what();
            EXPECT_NE(std::string(e.what()).find(c.message), std::string::npos) << e.what();
        }
    }
}

TEST(SvgReaderFile, ReadsAFixtureAndReportsItsErrors) {
    const auto r = read_svg_file(KESTREL_IO_DATA "/shapes.svg");
    EXPECT_TRUE(r.warnings.empty());
    EXPECT_EQ(r.document->colour_model(), kCMYKModel);
    const auto art = top(*r.document);
    ASSERT_EQ(art.size(), 2u);
    EXPECT_TRUE(art[0]->selected());
    EXPECT_EQ(art[0]->style.fill.kind, kProcessColour);
    EXPECT_EQ(art[0]->style.fill.body[1], 1);
    ASSERT_EQ(art[1]->type(), kGroupArt);
    EXPECT_EQ(art[1]->last_child()->type(), kCompoundPathArt);
    EXPECT_EQ(r.document->style_of(*art[1]->last_child()).even_odd, 1);
    EXPECT_FLOAT_EQ(r.document->style_of(*art[1]->last_child()).stroke_width, 2);

    try {
        read_svg_file(KESTREL_IO_DATA "/bad_colour.svg");
        ADD_FAILURE() << "no error";
    } catch (const SvgError& e) {
        EXPECT_EQ(e.line(), 4u);
        EXPECT_NE(e.file().find("bad_colour.svg"), std::string::npos);
    }
    EXPECT_THROW(read_svg_file(KESTREL_IO_DATA "/no_such_file.svg"), SvgError);
}

}  // namespace
}  // namespace kestrel::host
