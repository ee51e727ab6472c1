// png_renderer.hpp: renders SVG text to a PNG file with librsvg and cairo.
//
// write_png draws the SVG at its own size (1 pt = 1 pixel) on a white background;
// it throws std::runtime_error when the SVG cannot be rendered or the file written.
#pragma once

#include <filesystem>
#include <string>

namespace kestrel::host {

void write_png(const std::string& svg, const std::filesystem::path& file);

}  // namespace kestrel::host
