// Rendering to PNG: a file with the PNG signature, and failures as exceptions.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <unistd.h>

#include "host/io/png_renderer.hpp"
#include "host/io/svg_writer.hpp"

namespace kestrel::host {
namespace {

std::filesystem::path temp_file(const char* name) {
    return std::filesystem::temp_directory_path() / (std::string("kestrel_io_") + std::to_string(getpid()) + "_" + name);
}

TEST(PngRenderer, WritesAPngOfTheDocument) {
    Document doc(40, 30, kRGBModel);
    Art& a = doc.new_art(kPathArt, *doc.layers().front());
    Geom::Path p(Geom::Point(5, 5));
    p.appendNew<Geom::LineSegment>(Geom::Point(35, 5));
    p.appendNew<Geom::LineSegment>(Geom::Point(20, 25));
    p.close(true);
    doc.set_path(a, p);
    const auto file = temp_file("doc.png");
    write_png(write_svg(doc), file);
    std::ifstream in(file, std::ios::binary);
    char header[8] = {};
    in.read(header, 8);
    EXPECT_EQ(std::string(header, 8), std::string("\x89PNG\r\n\x1a\n", 8));
    // Width and height of the IHDR chunk: one pixel per point.
    unsigned char ihdr[16] = {};
    in.read(reinterpret_cast<char*>(ihdr), 16);
    EXPECT_EQ(ihdr[11], 40);
    EXPECT_EQ(ihdr[15], 30);
    std::filesystem::remove(file);
}

TEST(PngRenderer, FailuresThrow) {
    EXPECT_THROW(write_png("not svg at all", temp_file("bad.png")), std::runtime_error);
    const std::string svg = "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"10\" height=\"10\"/>";
    EXPECT_THROW(write_png(svg, "/nonexistent_dir/x.png"), std::runtime_error);
}

}  // namespace
}  // namespace kestrel::host
