// png_renderer.cpp: librsvg parses the SVG, cairo draws it onto an image surface
// and writes the PNG.
#include "host/io/png_renderer.hpp"

#include <cmath>
#include <memory>
#include <stdexcept>

#include <cairo.h>
#include <librsvg/rsvg.h>

namespace kestrel::host {

namespace {

// Larger pictures than this (pixels a side) are refused rather than allocated.
constexpr double kMaxSide = 16384;

struct HandleUnref {
    void operator()(RsvgHandle* h) const { g_object_unref(h); }
};
struct SurfaceDestroy {
    void operator()(cairo_surface_t* s) const { cairo_surface_destroy(s); }
};
struct ContextDestroy {
    void operator()(cairo_t* c) const { cairo_destroy(c); }
};

[[noreturn]] void fail_with(GError* error, const std::string& what) {
    std::string message = what;
    if (error) {
        message += ": ";
        message += error->message;
        g_error_free(error);
    }
    throw std::runtime_error(message);
}

}  // namespace

void write_png(const std::string& svg, const std::filesystem::path& file) {
    GError* error = nullptr;
    std::unique_ptr<RsvgHandle, HandleUnref> handle(
        rsvg_handle_new_from_data(reinterpret_cast<const guint8*>(svg.data()), svg.size(), &error));
    if (!handle) fail_with(error, "cannot read the SVG for " + file.string());
    // 72 dots per inch: one point of the page is one pixel.
    rsvg_handle_set_dpi(handle.get(), 72);
    double width = 0, height = 0;
    if (!rsvg_handle_get_intrinsic_size_in_pixels(handle.get(), &width, &height) || !(width > 0) || !(height > 0))
        throw std::runtime_error("the SVG for " + file.string() + " has no size");
    if (width > kMaxSide || height > kMaxSide) throw std::runtime_error("the picture for " + file.string() + " is too large");
    const int w = static_cast<int>(std::ceil(width)), h = static_cast<int>(std::ceil(height));

    std::unique_ptr<cairo_surface_t, SurfaceDestroy> surface(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, w, h));
    if (cairo_surface_status(surface.get()) != CAIRO_STATUS_SUCCESS) throw std::runtime_error("cannot make the picture");
    std::unique_ptr<cairo_t, ContextDestroy> cr(cairo_create(surface.get()));
    cairo_set_source_rgb(cr.get(), 1, 1, 1);
    cairo_paint(cr.get());
    const RsvgRectangle viewport{0, 0, width, height};
    if (!rsvg_handle_render_document(handle.get(), cr.get(), &viewport, &error))
        fail_with(error, "cannot render the SVG for " + file.string());
    cairo_surface_flush(surface.get());
    const cairo_status_t status = cairo_surface_write_to_png(surface.get(), file.c_str());
    if (status != CAIRO_STATUS_SUCCESS)
        throw std::runtime_error("cannot write " + file.string() + ": " + cairo_status_to_string(status));
}

}  // namespace kestrel::host
