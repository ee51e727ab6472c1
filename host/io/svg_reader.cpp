// svg_reader.cpp: parses SVG text with pugixml and lib2geom into a Document.
//
// Every drawing element becomes art on the first layer, its geometry mapped by
// the element's transforms, the viewBox and the flip to artwork coordinates
// (points, y up). Fill, stroke, stroke-width and fill-rule inherit down the
// tree; opacity and mix-blend-mode belong to the element that carries them.
#include "host/io/svg_reader.hpp"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <cmath>
#include <fstream>
#include <map>
#include <numbers>
#include <optional>
#include <sstream>

#include <2geom/elliptical-arc.h>
#include <2geom/exception.h>
#include <2geom/pathvector.h>
#include <2geom/svg-path-parser.h>
#include <2geom/transforms.h>
#include <pugixml.hpp>

namespace kestrel::host {

SvgError::SvgError(std::string file, std::size_t line, const std::string& what)
    : std::runtime_error(file + ":" + std::to_string(line) + ": " + what), file_(std::move(file)), line_(line) {}

namespace {

// The CSS named colours (CSS Color Module Level 4), as 0xRRGGBB.
struct NamedColour {
    std::string_view name;
    std::uint32_t rgb;
};
constexpr NamedColour kNamedColours[] = {
    {"aliceblue", 0xf0f8ff}, {"antiquewhite", 0xfaebd7}, {"aqua", 0x00ffff}, {"aquamarine", 0x7fffd4},
    {"azure", 0xf0ffff}, {"beige", 0xf5f5dc}, {"bisque", 0xffe4c4}, {"black", 0x000000},
    {"blanchedalmond", 0xffebcd}, {"blue", 0x0000ff}, {"blueviolet", 0x8a2be2}, {"brown", 0xa52a2a},
    {"burlywood", 0xdeb887}, {"cadetblue", 0x5f9ea0}, {"chartreuse", 0x7fff00}, {"chocolate", 0xd2691e},
    {"coral", 0xff7f50}, {"cornflowerblue", 0x6495ed}, {"cornsilk", 0xfff8dc}, {"crimson", 0xdc143c},
    {"cyan", 0x00ffff}, {"darkblue", 0x00008b}, {"darkcyan", 0x008b8b}, {"darkgoldenrod", 0xb8860b},
    {"darkgray", 0xa9a9a9}, {"darkgreen", 0x006400}, {"darkgrey", 0xa9a9a9}, {"darkkhaki", 0xbdb76b},
    {"darkmagenta", 0x8b008b}, {"darkolivegreen", 0x556b2f}, {"darkorange", 0xff8c00}, {"darkorchid", 0x9932cc},
    {"darkred", 0x8b0000}, {"darksalmon", 0xe9967a}, {"darkseagreen", 0x8fbc8f}, {"darkslateblue", 0x483d8b},
    {"darkslategray", 0x2f4f4f}, {"darkslategrey", 0x2f4f4f}, {"darkturquoise", 0x00ced1}, {"darkviolet", 0x9400d3},
    {"deeppink", 0xff1493}, {"deepskyblue", 0x00bfff}, {"dimgray", 0x696969}, {"dimgrey", 0x696969},
    {"dodgerblue", 0x1e90ff}, {"firebrick", 0xb22222}, {"floralwhite", 0xfffaf0}, {"forestgreen", 0x228b22},
    {"fuchsia", 0xff00ff}, {"gainsboro", 0xdcdcdc}, {"ghostwhite", 0xf8f8ff}, {"gold", 0xffd700},
    {"goldenrod", 0xdaa520}, {"gray", 0x808080}, {"green", 0x008000}, {"greenyellow", 0xadff2f},
    {"grey", 0x808080}, {"honeydew", 0xf0fff0}, {"hotpink", 0xff69b4}, {"indianred", 0xcd5c5c},
    {"indigo", 0x4b0082}, {"ivory", 0xfffff0}, {"khaki", 0xf0e68c}, {"lavender", 0xe6e6fa},
    {"lavenderblush", 0xfff0f5}, {"lawngreen", 0x7cfc00}, {"lemonchiffon", 0xfffacd}, {"lightblue", 0xadd8e6},
    {"lightcoral", 0xf08080}, {"lightcyan", 0xe0ffff}, {"lightgoldenrodyellow", 0xfafad2}, {"lightgray", 0xd3d3d3},
    {"lightgreen", 0x90ee90}, {"lightgrey", 0xd3d3d3}, {"lightpink", 0xffb6c1}, {"lightsalmon", 0xffa07a},
    {"lightseagreen", 0x20b2aa}, {"lightskyblue", 0x87cefa}, {"lightslategray", 0x778899}, {"lightslategrey", 0x778899},
    {"lightsteelblue", 0xb0c4de}, {"lightyellow", 0xffffe0}, {"lime", 0x00ff00}, {"limegreen", 0x32cd32},
    {"linen", 0xfaf0e6}, {"magenta", 0xff00ff}, {"maroon", 0x800000}, {"mediumaquamarine", 0x66cdaa},
    {"mediumblue", 0x0000cd}, {"mediumorchid", 0xba55d3}, {"mediumpurple", 0x9370db}, {"mediumseagreen", 0x3cb371},
    {"mediumslateblue", 0x7b68ee}, {"mediumspringgreen", 0x00fa9a}, {"mediumturquoise", 0x48d1cc}, {"mediumvioletred", 0xc71585},
    {"midnightblue", 0x191970}, {"mintcream", 0xf5fffa}, {"mistyrose", 0xffe4e1}, {"moccasin", 0xffe4b5},
    {"navajowhite", 0xffdead}, {"navy", 0x000080}, {"oldlace", 0xfdf5e6}, {"olive", 0x808000},
    {"olivedrab", 0x6b8e23}, {"orange", 0xffa500}, {"orangered", 0xff4500}, {"orchid", 0xda70d6},
    {"palegoldenrod", 0xeee8aa}, {"palegreen", 0x98fb98}, {"paleturquoise", 0xafeeee}, {"palevioletred", 0xdb7093},
    {"papayawhip", 0xffefd5}, {"peachpuff", 0xffdab9}, {"peru", 0xcd853f}, {"pink", 0xffc0cb},
    {"plum", 0xdda0dd}, {"powderblue", 0xb0e0e6}, {"purple", 0x800080}, {"rebeccapurple", 0x663399},
    {"red", 0xff0000}, {"rosybrown", 0xbc8f8f}, {"royalblue", 0x4169e1}, {"saddlebrown", 0x8b4513},
    {"salmon", 0xfa8072}, {"sandybrown", 0xf4a460}, {"seagreen", 0x2e8b57}, {"seashell", 0xfff5ee},
    {"sienna", 0xa0522d}, {"silver", 0xc0c0c0}, {"skyblue", 0x87ceeb}, {"slateblue", 0x6a5acd},
    {"slategray", 0x708090}, {"slategrey", 0x708090}, {"snow", 0xfffafa}, {"springgreen", 0x00ff7f},
    {"steelblue", 0x4682b4}, {"tan", 0xd2b48c}, {"teal", 0x008080}, {"thistle", 0xd8bfd8},
    {"tomato", 0xff6347}, {"turquoise", 0x40e0d0}, {"violet", 0xee82ee}, {"wheat", 0xf5deb3},
    {"white", 0xffffff}, {"whitesmoke", 0xf5f5f5}, {"yellow", 0xffff00}, {"yellowgreen", 0x9acd32},
};

constexpr std::array<std::string_view, 16> kBlendNames = {
    "normal", "multiply", "screen", "overlay", "soft-light", "hard-light", "color-dodge", "color-burn",
    "darken", "lighten", "difference", "exclusion", "hue", "saturation", "color", "luminosity"};

// Elements that carry no drawing and are passed over without a warning.
constexpr std::array<std::string_view, 3> kSilentElements = {"title", "desc", "metadata"};

// A malformed value; the reader turns it into an SvgError at the element's line.
struct BadValue {
    std::string what;
};

std::string_view trim(std::string_view s) {
    while (!s.empty() && std::isspace(static_cast<unsigned char>(s.front()))) s.remove_prefix(1);
    while (!s.empty() && std::isspace(static_cast<unsigned char>(s.back()))) s.remove_suffix(1);
    return s;
}

std::string lower(std::string_view s) {
    std::string out(s);
    for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

bool is_separator(char c) { return c == ',' || std::isspace(static_cast<unsigned char>(c)); }

// Reads one number at the front of s (a leading '+' allowed) and advances past it.
std::optional<double> take_number(std::string_view& s) {
    std::string_view rest = s;
    if (!rest.empty() && rest.front() == '+') rest.remove_prefix(1);
    double value = 0;
    auto [end, ec] = std::from_chars(rest.data(), rest.data() + rest.size(), value);
    if (ec != std::errc() || !std::isfinite(value)) return std::nullopt;
    s.remove_prefix(static_cast<std::size_t>(end - s.data()));
    return value;
}

// A whole attribute value that must be one number, optionally with a "px" suffix.
double parse_number(std::string_view text, std::string_view what) {
    std::string_view s = trim(text);
    if (s.size() > 2 && s.substr(s.size() - 2) == "px") s.remove_suffix(2);
    std::string_view rest = s;
    auto value = take_number(rest);
    if (!value || !rest.empty()) throw BadValue{"bad number \"" + std::string(text) + "\" for " + std::string(what)};
    return *value;
}

// A list of numbers separated by white space and/or commas.
std::vector<double> parse_number_list(std::string_view text, std::string_view what) {
    std::vector<double> out;
    std::string_view s = text;
    while (true) {
        while (!s.empty() && is_separator(s.front())) s.remove_prefix(1);
        if (s.empty()) break;
        auto value = take_number(s);
        if (!value) throw BadValue{"bad number list \"" + std::string(text) + "\" for " + std::string(what)};
        out.push_back(*value);
    }
    return out;
}

// A page length in points: unitless and px count as points (72 per inch), as do pt.
std::optional<double> parse_page_length(std::string_view text, std::string_view what) {
    std::string_view s = trim(text);
    if (!s.empty() && s.back() == '%') return std::nullopt;  // relative to a viewport we do not have
    std::string_view rest = s;
    auto value = take_number(rest);
    if (!value) throw BadValue{"bad length \"" + std::string(text) + "\" for " + std::string(what)};
    const std::string unit = lower(trim(rest));
    double scale = 0;
    if (unit.empty() || unit == "px" || unit == "pt") scale = 1;
    else if (unit == "pc") scale = 12;
    else if (unit == "in") scale = 72;
    else if (unit == "cm") scale = 72 / 2.54;
    else if (unit == "mm") scale = 72 / 25.4;
    else throw BadValue{"bad length \"" + std::string(text) + "\" for " + std::string(what)};
    if (*value <= 0) throw BadValue{"the " + std::string(what) + " must be positive"};
    return *value * scale;
}

// One colour component: a number in 0..range or a percentage; clamped.
double parse_component(std::string_view text, double range, std::string_view colour) {
    std::string_view s = trim(text);
    bool percent = false;
    if (!s.empty() && s.back() == '%') {
        percent = true;
        s.remove_suffix(1);
    }
    std::string_view rest = s;
    auto value = take_number(rest);
    if (!value || !trim(rest).empty()) throw BadValue{"bad colour \"" + std::string(colour) + "\""};
    const double unit = percent ? *value / 100 : *value / range;
    return std::clamp(unit, 0.0, 1.0);
}

// The arguments of a colour function "name(a, b, c)" split at commas or white space.
std::vector<std::string_view> function_args(std::string_view inner) {
    std::vector<std::string_view> args;
    std::size_t i = 0;
    while (i < inner.size()) {
        while (i < inner.size() && is_separator(inner[i])) ++i;
        std::size_t j = i;
        while (j < inner.size() && !is_separator(inner[j])) ++j;
        if (j > i) args.push_back(inner.substr(i, j - i));
        i = j;
    }
    return args;
}

int hex_digit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

KColour rgb_from_hex(std::uint32_t rgb) {
    return rgb_colour(((rgb >> 16) & 0xff) / 255.0, ((rgb >> 8) & 0xff) / 255.0, (rgb & 0xff) / 255.0);
}

// A paint value: "none" (nullopt) or a colour.
std::optional<KColour> parse_colour(std::string_view text) {
    const std::string_view s = trim(text);
    const std::string low = lower(s);
    const auto bad = [&] { return BadValue{"bad colour \"" + std::string(text) + "\""}; };
    if (low == "none") return std::nullopt;
    if (!low.empty() && low.front() == '#') {
        const std::string_view hex = std::string_view(low).substr(1);
        std::uint32_t rgb = 0;
        if (hex.size() != 3 && hex.size() != 6) throw bad();
        for (char c : hex)
            if (hex_digit(c) < 0) throw bad();
        if (hex.size() == 3) {
            for (char c : hex) rgb = (rgb << 8) | static_cast<std::uint32_t>(hex_digit(c) * 17);
        } else {
            for (char c : hex) rgb = (rgb << 4) | static_cast<std::uint32_t>(hex_digit(c));
        }
        return rgb_from_hex(rgb);
    }
    const std::size_t open = low.find('(');
    if (open != std::string::npos) {
        if (low.back() != ')') throw bad();
        const std::string name(trim(std::string_view(low).substr(0, open)));
        const auto args = function_args(std::string_view(low).substr(open + 1, low.size() - open - 2));
        if (name == "rgb" && args.size() == 3)
            return rgb_colour(parse_component(args[0], 255, s), parse_component(args[1], 255, s),
                              parse_component(args[2], 255, s));
        if (name == "device-cmyk" && args.size() == 4)
            return cmyk_colour(parse_component(args[0], 1, s), parse_component(args[1], 1, s),
                               parse_component(args[2], 1, s), parse_component(args[3], 1, s));
        if (name == "device-gray" && args.size() == 1) return grey_colour(parse_component(args[0], 1, s));
        throw bad();
    }
    for (const NamedColour& named : kNamedColours)
        if (named.name == low) return rgb_from_hex(named.rgb);
    throw bad();
}

// An SVG transform list ("translate(10) rotate(45 5 5) ..."), as a lib2geom
// affine map (row vectors: the rightmost item of the list applies first).
Geom::Affine parse_transform(std::string_view text) {
    Geom::Affine result = Geom::identity();
    std::string_view s = text;
    const auto bad = [&] { return BadValue{"bad transform \"" + std::string(text) + "\""}; };
    while (true) {
        while (!s.empty() && is_separator(s.front())) s.remove_prefix(1);
        if (s.empty()) break;
        std::size_t n = 0;
        while (n < s.size() && (std::isalpha(static_cast<unsigned char>(s[n])))) ++n;
        const std::string name(s.substr(0, n));
        s.remove_prefix(n);
        while (!s.empty() && std::isspace(static_cast<unsigned char>(s.front()))) s.remove_prefix(1);
        if (name.empty() || s.empty() || s.front() != '(') throw bad();
        const std::size_t close = s.find(')');
        if (close == std::string_view::npos) throw bad();
        std::vector<double> a;
        try {
            a = parse_number_list(s.substr(1, close - 1), "transform");
        } catch (const BadValue&) {
            throw bad();
        }
        s.remove_prefix(close + 1);
        const double deg = std::numbers::pi / 180;
        Geom::Affine t;
        if (name == "matrix" && a.size() == 6) {
            t = Geom::Affine(a[0], a[1], a[2], a[3], a[4], a[5]);
        } else if (name == "translate" && (a.size() == 1 || a.size() == 2)) {
            t = Geom::Translate(a[0], a.size() == 2 ? a[1] : 0);
        } else if (name == "scale" && (a.size() == 1 || a.size() == 2)) {
            t = Geom::Scale(a[0], a.size() == 2 ? a[1] : a[0]);
        } else if (name == "rotate" && (a.size() == 1 || a.size() == 3)) {
            t = Geom::Rotate(a[0] * deg);
            if (a.size() == 3) t = Geom::Translate(-a[1], -a[2]) * t * Geom::Translate(a[1], a[2]);
        } else if (name == "skewX" && a.size() == 1) {
            t = Geom::Affine(1, 0, std::tan(a[0] * deg), 1, 0, 0);
        } else if (name == "skewY" && a.size() == 1) {
            t = Geom::Affine(1, std::tan(a[0] * deg), 0, 1, 0, 0);
        } else {
            throw bad();
        }
        result = t * result;
    }
    return result;
}

// The painting state an element hands to its children.
struct Inherited {
    bool fill_on = true;
    KColour fill{};
    bool stroke_on = false;
    KColour stroke{};
    double stroke_width = 1;    // user units of the element
    bool even_odd = false;
    Geom::Affine ctm = Geom::identity();  // element's user units to artwork coordinates
};

// The properties read from an element: its presentation attributes, then its
// style declarations, which override them.
using Properties = std::map<std::string, std::string, std::less<>>;

constexpr std::array<std::string_view, 10> kPropertyNames = {
    "fill", "stroke", "stroke-width", "fill-rule", "opacity", "fill-opacity", "stroke-opacity",
    "mix-blend-mode", "display", "transform"};

// The declarations of a style attribute ("fill: red; stroke: none") into
// props, each overriding what props held; transform is no style property.
void read_declarations(std::string_view style, Properties& props) {
    std::size_t i = 0;
    while (i < style.size()) {
        std::size_t end = style.find(';', i);
        if (end == std::string_view::npos) end = style.size();
        const std::string_view decl = style.substr(i, end - i);
        i = end + 1;
        const std::size_t colon = decl.find(':');
        if (colon == std::string_view::npos) {
            if (!trim(decl).empty()) throw BadValue{"bad style declaration \"" + std::string(trim(decl)) + "\""};
            continue;
        }
        const std::string key = lower(trim(decl.substr(0, colon)));
        std::string_view value = trim(decl.substr(colon + 1));
        if (value.ends_with("!important")) value = trim(value.substr(0, value.size() - 10));
        if (key != "transform") props[key] = std::string(value);
    }
}

// The document's default path style (what new shapes are painted with):
// style with the fill and stroke (a colour or none), stroke-width (points,
// whatever the viewBox) and fill-rule that the declarations give. Any other
// property is refused, so that a misspelt one does not pass unnoticed.
KPathStyle default_style_from(std::string_view declarations, KPathStyle style) {
    Properties props;
    read_declarations(declarations, props);
    for (const auto& [key, value] : props) {
        if (key == "fill" || key == "stroke") {
            const std::optional<KColour> colour = parse_colour(value);
            (key == "fill" ? style.fill_paint : style.stroke_paint) = colour ? 1 : 0;
            if (colour) (key == "fill" ? style.fill : style.stroke) = *colour;
        } else if (key == "stroke-width") {
            const double w = parse_number(value, "stroke-width");
            if (w < 0) throw BadValue{"negative stroke-width"};
            style.stroke_width = static_cast<KReal>(w);
        } else if (key == "fill-rule") {
            const std::string rule = lower(trim(value));
            if (rule != "evenodd" && rule != "nonzero") throw BadValue{"bad fill-rule \"" + value + "\""};
            style.even_odd = rule == "evenodd" ? 1 : 0;
        } else {
            throw BadValue{"\"" + key + "\" is not a default style property (fill, stroke, stroke-width, fill-rule)"};
        }
    }
    return style;
}

// Deeper nesting than this is refused: the reader walks the tree recursively.
constexpr int kMaxDepth = 200;

class Reader {
public:
    Reader(std::string_view text, std::string_view name) : text_(text), name_(name) {
        line_starts_.push_back(0);
        for (std::size_t i = 0; i < text_.size(); ++i)
            if (text_[i] == '\n') line_starts_.push_back(i + 1);
    }

    SvgReadResult run() {
        pugi::xml_document xml;
        const pugi::xml_parse_result parsed = xml.load_buffer(text_.data(), text_.size(), pugi::parse_default, pugi::encoding_utf8);
        if (!parsed) throw SvgError(name_, line_at(static_cast<std::size_t>(std::max<std::ptrdiff_t>(parsed.offset, 0))),
                                    std::string("XML error: ") + parsed.description());
        const pugi::xml_node root = xml.document_element();
        if (std::string_view(root.name()) != "svg") throw SvgError(name_, line_of(root), "the root element is not svg");
        try {
            read_root(root);
        } catch (const BadValue& bad) {
            throw SvgError(name_, line_of(current_), bad.what);
        } catch (const Geom::SVGPathParseError&) {
            throw SvgError(name_, line_of(current_), "bad path data");
        }
        return std::move(result_);
    }

private:
    std::size_t line_at(std::size_t offset) const {
        const auto it = std::upper_bound(line_starts_.begin(), line_starts_.end(), offset);
        return static_cast<std::size_t>(it - line_starts_.begin());
    }
    std::size_t line_of(const pugi::xml_node& node) const {
        return node ? line_at(static_cast<std::size_t>(std::max<std::ptrdiff_t>(node.offset_debug(), 0))) : 0;
    }
    void warn(const pugi::xml_node& node, const std::string& what) {
        result_.warnings.push_back(name_ + ":" + std::to_string(line_of(node)) + ": " + what);
    }

    void read_root(const pugi::xml_node& root) {
        current_ = root;
        // Our own attributes: the prefix bound to urn:kestrel, "kestrel" when none is declared.
        for (const pugi::xml_attribute& attr : root.attributes()) {
            const std::string_view n = attr.name();
            if (n.starts_with("xmlns:") && std::string_view(attr.value()) == "urn:kestrel")
                prefix_ = std::string(n.substr(6)) + ":";
        }
        std::optional<std::array<double, 4>> view_box;
        if (const auto vb = root.attribute("viewBox")) {
            const auto v = parse_number_list(vb.value(), "viewBox");
            if (v.size() != 4 || v[2] <= 0 || v[3] <= 0) throw BadValue{"bad viewBox \"" + std::string(vb.value()) + "\""};
            view_box = std::array<double, 4>{v[0], v[1], v[2], v[3]};
        }
        std::optional<double> width, height;
        if (const auto w = root.attribute("width")) width = parse_page_length(w.value(), "width");
        if (const auto h = root.attribute("height")) height = parse_page_length(h.value(), "height");
        if (!width) width = view_box ? (*view_box)[2] : 612.0;
        if (!height) height = view_box ? (*view_box)[3] : 792.0;
        if (!root.attribute("width") && !root.attribute("height") && !view_box)
            warn(root, "no width, height or viewBox: the page is 612 x 792 points");

        int model = kRGBModel;
        if (const auto m = root.attribute((prefix_ + "colour-model").c_str())) {
            const std::string v = lower(trim(m.value()));
            if (v == "grey" || v == "gray") model = kGreyModel;
            else if (v == "rgb") model = kRGBModel;
            else if (v == "cmyk") model = kCMYKModel;
            else throw BadValue{"bad colour model \"" + std::string(m.value()) + "\" (grey, rgb or cmyk)"};
        }
        result_.document = std::make_unique<Document>(*width, *height, model);
        doc_ = result_.document.get();
        if (const auto d = root.attribute((prefix_ + "default-style").c_str()))
            doc_->set_default_path_style(default_style_from(d.value(), doc_->default_path_style()));

        // User units to page points (viewBox and preserveAspectRatio), then y up.
        Geom::Affine to_page = Geom::identity();
        if (view_box) to_page = view_box_map(root, *view_box, *width, *height);
        Inherited state;
        state.ctm = to_page * Geom::Scale(1, -1) * Geom::Translate(0, *height);
        switch (model) {
        case kGreyModel: state.fill = grey_colour(0); state.stroke = grey_colour(0); break;
        case kCMYKModel: state.fill = cmyk_colour(0, 0, 0, 1); state.stroke = cmyk_colour(0, 0, 0, 1); break;
        default: state.fill = rgb_colour(0, 0, 0); state.stroke = rgb_colour(0, 0, 0); break;
        }
        const Properties props = properties(root);
        apply_inherited(props, state);
        for (const pugi::xml_node& child : root.children()) element(child, state, nullptr, 1);
    }

    Geom::Affine view_box_map(const pugi::xml_node& root, const std::array<double, 4>& vb, double width, double height) {
        double sx = width / vb[2], sy = height / vb[3];
        double ax = 0.5, ay = 0.5;  // xMidYMid
        const std::string par = lower(trim(root.attribute("preserveAspectRatio").as_string("xmidymid meet")));
        if (par != "none") {
            const bool slice = par.find("slice") != std::string::npos;
            const std::string align = par.substr(0, par.find(' '));
            if (align.size() == 8 && align[0] == 'x' && align[4] == 'y') {
                const auto pos = [](std::string_view p) { return p == "min" ? 0.0 : p == "max" ? 1.0 : 0.5; };
                ax = pos(std::string_view(align).substr(1, 3));
                ay = pos(std::string_view(align).substr(5, 3));
            }
            const double s = slice ? std::max(sx, sy) : std::min(sx, sy);
            sx = sy = s;
        }
        const double tx = (width - vb[2] * sx) * ax, ty = (height - vb[3] * sy) * ay;
        return Geom::Translate(-vb[0], -vb[1]) * Geom::Scale(sx, sy) * Geom::Translate(tx, ty);
    }

    Properties properties(const pugi::xml_node& node) {
        Properties props;
        for (std::string_view name : kPropertyNames)
            if (const auto attr = node.attribute(std::string(name).c_str())) props[std::string(name)] = attr.value();
        read_declarations(node.attribute("style").value(), props);
        return props;
    }

    // A paint value; url(...) references are not followed: their fallback or none.
    std::optional<KColour> paint(const pugi::xml_node& node, std::string_view value, bool& on) {
        std::string_view v = trim(value);
        if (v.starts_with("url(")) {
            const std::size_t close = v.find(')');
            const std::string_view fallback = close == std::string_view::npos ? std::string_view() : trim(v.substr(close + 1));
            warn(node, "paint server \"" + std::string(v) + "\" is not supported");
            if (fallback.empty()) {
                on = false;
                return std::nullopt;
            }
            v = fallback;
        }
        const auto colour = parse_colour(v);
        on = colour.has_value();
        return colour;
    }

    void apply_inherited(const Properties& props, Inherited& state) {
        const auto get = [&](std::string_view key) -> std::optional<std::string_view> {
            const auto it = props.find(key);
            if (it == props.end() || trim(it->second) == "inherit") return std::nullopt;
            return std::string_view(it->second);
        };
        if (auto v = get("fill")) {
            bool on = false;
            if (auto c = paint(current_, *v, on)) state.fill = *c;
            state.fill_on = on;
        }
        if (auto v = get("stroke")) {
            bool on = false;
            if (auto c = paint(current_, *v, on)) state.stroke = *c;
            state.stroke_on = on;
        }
        if (auto v = get("stroke-width")) {
            const double w = parse_number(*v, "stroke-width");
            if (w < 0) throw BadValue{"negative stroke-width"};
            state.stroke_width = w;
        }
        if (auto v = get("fill-rule")) {
            const std::string rule = lower(trim(*v));
            if (rule != "evenodd" && rule != "nonzero") throw BadValue{"bad fill-rule \"" + std::string(*v) + "\""};
            state.even_odd = rule == "evenodd";
        }
        if (get("fill-opacity") && !warned_fill_opacity_) {
            warned_fill_opacity_ = true;
            warn(current_, "fill-opacity is ignored");
        }
        if (get("stroke-opacity") && !warned_stroke_opacity_) {
            warned_stroke_opacity_ = true;
            warn(current_, "stroke-opacity is ignored");
        }
    }

    // Opacity, blending mode and selection of the art made for an element.
    void apply_own(const pugi::xml_node& node, const Properties& props, Art& art) {
        if (const auto it = props.find("opacity"); it != props.end() && trim(it->second) != "inherit") {
            std::string_view v = trim(it->second);
            double o = 0;
            if (v.ends_with('%')) o = parse_number(v.substr(0, v.size() - 1), "opacity") / 100;
            else o = parse_number(v, "opacity");
            doc_->set_opacity(art, std::clamp(o, 0.0, 1.0));
        }
        if (const auto it = props.find("mix-blend-mode"); it != props.end()) {
            const std::string mode = lower(trim(it->second));
            const auto found = std::find(kBlendNames.begin(), kBlendNames.end(), mode);
            if (found != kBlendNames.end()) doc_->set_blending_mode(art, static_cast<int>(found - kBlendNames.begin()));
            else warn(node, "mix-blend-mode \"" + it->second + "\" is not supported: normal");
        }
        if (const auto it = props.find("display"); it != props.end() && lower(trim(it->second)) == "none")
            doc_->set_attributes(art, kArtHidden, kArtHidden);
        if (const auto sel = node.attribute((prefix_ + "selected").c_str())) {
            const std::string_view v = trim(sel.value());
            if (v != "0" && v != "1") throw BadValue{"bad selected value \"" + std::string(sel.value()) + "\" (0 or 1)"};
            result_.selection_marked = true;
            doc_->set_selected(art, v == "1");
        }
    }

    Art& make(std::int16_t type, Art* container) {
        if (container) return doc_->new_art(type, kPlaceInsideOnTop, container);
        return doc_->new_art(type, *doc_->layers().front());
    }

    double attr_number(const pugi::xml_node& node, const char* name, double fallback = 0) {
        const auto attr = node.attribute(name);
        return attr ? parse_number(attr.value(), name) : fallback;
    }

    void element(const pugi::xml_node& node, const Inherited& parent, Art* container, int depth) {
        if (node.type() != pugi::node_element) return;
        current_ = node;
        if (depth > kMaxDepth) throw BadValue{"elements nested more than " + std::to_string(kMaxDepth) + " deep"};
        const std::string_view name = node.name();
        if (std::find(kSilentElements.begin(), kSilentElements.end(), name) != kSilentElements.end()) return;
        static constexpr std::array<std::string_view, 8> kShapes = {"g", "rect", "circle", "ellipse", "line", "polyline", "polygon", "path"};
        if (std::find(kShapes.begin(), kShapes.end(), name) == kShapes.end()) {
            warn(node, "element <" + std::string(name) + "> is not supported: skipped");
            return;
        }
        const Properties props = properties(node);
        Inherited state = parent;
        if (const auto t = node.attribute("transform")) state.ctm = parse_transform(t.value()) * parent.ctm;
        apply_inherited(props, state);

        if (name == "g") {
            Art& group = make(kGroupArt, container);
            for (const pugi::xml_node& child : node.children()) element(child, state, &group, depth + 1);
            current_ = node;
            apply_own(node, props, group);
            return;
        }
        const auto geometry = shape(node, name);
        if (!geometry) return;
        Geom::PathVector pv;
        for (const Geom::Path& p : *geometry)
            if (!p.empty()) pv.push_back(p * state.ctm);
        if (pv.empty()) {
            warn(node, "element <" + std::string(name) + "> draws nothing: skipped");
            return;
        }
        if (const Geom::OptRect box = pv.boundsFast();
            !box || !std::isfinite(box->width()) || !std::isfinite(box->height()) || !std::isfinite(box->left()) ||
            !std::isfinite(box->top()))
            throw BadValue{"coordinates out of range"};
        KPathStyle style = doc_->default_path_style();
        style.fill_paint = state.fill_on ? 1 : 0;
        style.fill = state.fill;
        style.stroke_paint = state.stroke_on ? 1 : 0;
        style.stroke = state.stroke;
        // Stroke widths scale with the mean scale of the map to artwork coordinates.
        style.stroke_width = static_cast<KReal>(state.stroke_width * std::sqrt(std::abs(state.ctm.det())));
        style.even_odd = state.even_odd ? 1 : 0;

        Art* art = nullptr;
        if (pv.size() == 1) {
            art = &make(kPathArt, container);
            doc_->set_path(*art, pv.front());
        } else {
            art = &make(kCompoundPathArt, container);
            for (const Geom::Path& p : pv) doc_->set_path(doc_->new_art(kPathArt, kPlaceInsideOnTop, art), p);
        }
        doc_->set_style(*art, style);
        apply_own(node, props, *art);
    }

    // The element's outline in its own user units; nullopt when it has no area to draw.
    std::optional<Geom::PathVector> shape(const pugi::xml_node& node, std::string_view name) {
        using Geom::Point;
        Geom::PathVector pv;
        if (name == "path") {
            return Geom::parse_svg_path(node.attribute("d").value());
        }
        if (name == "rect") {
            const double x = attr_number(node, "x"), y = attr_number(node, "y");
            const double w = attr_number(node, "width"), h = attr_number(node, "height");
            if (w < 0 || h < 0) throw BadValue{"negative rect size"};
            if (w == 0 || h == 0) return no_area(node, name);
            const bool has_rx = node.attribute("rx"), has_ry = node.attribute("ry");
            double rx = attr_number(node, "rx"), ry = attr_number(node, "ry");
            if (rx < 0 || ry < 0) throw BadValue{"negative corner radius"};
            if (has_rx && !has_ry) ry = rx;
            if (has_ry && !has_rx) rx = ry;
            rx = std::min(rx, w / 2);
            ry = std::min(ry, h / 2);
            Geom::Path p(Point(x + rx, y));
            if (rx > 0 && ry > 0) {
                p.appendNew<Geom::LineSegment>(Point(x + w - rx, y));
                p.appendNew<Geom::EllipticalArc>(rx, ry, 0, false, true, Point(x + w, y + ry));
                p.appendNew<Geom::LineSegment>(Point(x + w, y + h - ry));
                p.appendNew<Geom::EllipticalArc>(rx, ry, 0, false, true, Point(x + w - rx, y + h));
                p.appendNew<Geom::LineSegment>(Point(x + rx, y + h));
                p.appendNew<Geom::EllipticalArc>(rx, ry, 0, false, true, Point(x, y + h - ry));
                p.appendNew<Geom::LineSegment>(Point(x, y + ry));
                p.appendNew<Geom::EllipticalArc>(rx, ry, 0, false, true, Point(x + rx, y));
            } else {
                p.appendNew<Geom::LineSegment>(Point(x + w, y));
                p.appendNew<Geom::LineSegment>(Point(x + w, y + h));
                p.appendNew<Geom::LineSegment>(Point(x, y + h));
            }
            p.close(true);
            pv.push_back(p);
            return pv;
        }
        if (name == "circle" || name == "ellipse") {
            const double cx = attr_number(node, "cx"), cy = attr_number(node, "cy");
            double rx = 0, ry = 0;
            if (name == "circle") {
                rx = ry = attr_number(node, "r");
            } else {
                rx = attr_number(node, "rx");
                ry = attr_number(node, "ry");
            }
            if (rx < 0 || ry < 0) throw BadValue{"negative radius"};
            if (rx == 0 || ry == 0) return no_area(node, name);
            Geom::Path p(Point(cx + rx, cy));
            p.appendNew<Geom::EllipticalArc>(rx, ry, 0, false, true, Point(cx, cy + ry));
            p.appendNew<Geom::EllipticalArc>(rx, ry, 0, false, true, Point(cx - rx, cy));
            p.appendNew<Geom::EllipticalArc>(rx, ry, 0, false, true, Point(cx, cy - ry));
            p.appendNew<Geom::EllipticalArc>(rx, ry, 0, false, true, Point(cx + rx, cy));
            p.close(true);
            pv.push_back(p);
            return pv;
        }
        if (name == "line") {
            Geom::Path p(Point(attr_number(node, "x1"), attr_number(node, "y1")));
            p.appendNew<Geom::LineSegment>(Point(attr_number(node, "x2"), attr_number(node, "y2")));
            pv.push_back(p);
            return pv;
        }
        // polyline, polygon
        const auto v = parse_number_list(node.attribute("points").value(), "points");
        if (v.size() % 2 != 0) throw BadValue{"odd number of coordinates in points"};
        if (v.size() < 4) return no_area(node, name);
        Geom::Path p(Point(v[0], v[1]));
        for (std::size_t i = 2; i + 1 < v.size(); i += 2) p.appendNew<Geom::LineSegment>(Point(v[i], v[i + 1]));
        p.close(name == "polygon");
        pv.push_back(p);
        return pv;
    }

    std::optional<Geom::PathVector> no_area(const pugi::xml_node& node, std::string_view name) {
        warn(node, "element <" + std::string(name) + "> draws nothing: skipped");
        return std::nullopt;
    }

    std::string_view text_;
    std::string name_;
    std::vector<std::size_t> line_starts_;  // byte offset of each line's first character
    SvgReadResult result_;
    Document* doc_ = nullptr;
    pugi::xml_node current_;                // the element being read, for error lines
    std::string prefix_ = "kestrel:";       // qualified-name prefix of Kestrel's attributes
    bool warned_fill_opacity_ = false;
    bool warned_stroke_opacity_ = false;
};

}  // namespace

KPathStyle parse_default_style(std::string_view declarations, const KPathStyle& base) {
    try {
        return default_style_from(declarations, base);
    } catch (const BadValue& bad) {
        throw std::invalid_argument(bad.what);
    }
}

SvgReadResult read_svg_string(std::string_view text, std::string_view name) {
    return Reader(text, name).run();
}

SvgReadResult read_svg_file(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) throw SvgError(file.string(), 0, "cannot open the file");
    std::ostringstream buffer;
    buffer << in.rdbuf();
    if (in.bad()) throw SvgError(file.string(), 0, "cannot read the file");
    const std::string text = buffer.str();
    return read_svg_string(text, file.string());
}

}  // namespace kestrel::host
