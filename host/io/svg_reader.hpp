// svg_reader.hpp: builds a Document from an SVG drawing (the command-line host's input).
//
// read_svg_file / read_svg_string parse the drawing and answer the new document with
// the warnings met on the way; malformed input throws SvgError naming the file and line.
// Kestrel's own attributes live in the namespace xmlns:kestrel="urn:kestrel":
//   kestrel:colour-model="grey|rgb|cmyk" on the root svg element (default rgb), and
//   kestrel:selected="0|1" on any drawing element (unmarked art stays unselected), and
//   kestrel:default-style="fill:#c33; stroke:#000; stroke-width:1" on the root: the
//   document's default path style, which new shapes are painted with (see
//   parse_default_style).
// Besides the CSS colour syntaxes, fill and stroke accept device-cmyk(c m y k) and
// device-gray(g) (components 0..1 or percentages), read as process and grey colours;
// every colour keeps the kind it is written in, whatever the document's colour model.
// Page lengths: unitless and px count as points (72 per inch), like pt; pc, in, cm, mm
// convert. Stroke widths scale with the square root of the element's map determinant.
#pragma once

#include <cstddef>
#include <filesystem>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "host/document/document.hpp"

namespace kestrel::host {

// Malformed SVG input: the message reads "<file>:<line>: <what>".
class SvgError : public std::runtime_error {
public:
    SvgError(std::string file, std::size_t line, const std::string& what);
    const std::string& file() const noexcept { return file_; }  // the name given to the reader
    std::size_t line() const noexcept { return line_; }         // 1-based; 0 when the file could not be read

private:
    std::string file_;
    std::size_t line_;
};

struct SvgReadResult {
    std::unique_ptr<Document> document;  // the drawing; its art is on the first layer
    std::vector<std::string> warnings;   // "<file>:<line>: <what>", in document order
    bool selection_marked = false;       // true when some element carries kestrel:selected
};

// The default path style from style declarations, as in a style attribute: fill and
// stroke (a colour or none), stroke-width (points) and fill-rule (evenodd, nonzero)
// replace those of base; the rest of base stays. Any other property, or a malformed
// value, throws std::invalid_argument naming it.
KPathStyle parse_default_style(std::string_view declarations, const KPathStyle& base);

// Read and parse an SVG file; SvgError when it cannot be read or is malformed.
SvgReadResult read_svg_file(const std::filesystem::path& file);
// Parse SVG text; name stands for the file in messages.
SvgReadResult read_svg_string(std::string_view text, std::string_view name);

}  // namespace kestrel::host
