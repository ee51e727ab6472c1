// svg_writer.hpp: writes a Document as SVG (the command-line host's output and the PNG source).
//
// write_svg gives the same bytes for the same document: one <g id="layer name"> per
// layer, art back to front, coordinates in points with y down, numbers with 3 decimals.
// svg_path_data is the path-data formatting the JSON writer shares.
#pragma once

#include <array>
#include <string>

#include <2geom/pathvector.h>

#include "host/document/document.hpp"

namespace kestrel::host {

// The document as an SVG file's text.
std::string write_svg(const Document& doc);

// SVG path data for paths with at most 3 decimals ("M 0 0 L 10 0 Z"); with
// flip_height > 0 each y becomes flip_height - y (artwork to SVG coordinates).
std::string svg_path_data(const Geom::PathVector& paths, double flip_height = 0);

// The colour as it is shown on screen, red, green and blue 0..255: grey,
// process and spot colours converted, pattern and unknown kinds mid grey.
std::array<int, 3> display_rgb(const KColour& colour);

}  // namespace kestrel::host
