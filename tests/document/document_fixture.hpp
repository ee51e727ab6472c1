// document_fixture.hpp: a host with its art and document suite tables, helpers
// that build small art trees, and a text dump of the whole document that
// tests compare to check that undo restores everything.
#pragma once

#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include <2geom/pathvector.h>
#include <2geom/svg-path-writer.h>

#include "ai_art.h"
#include "ai_document.h"
#include "host/core/call_guard.hpp"
#include "host/core/host.hpp"
#include "host/document/document.hpp"

namespace kh = kestrel::host;

class DocumentTest : public testing::Test {
protected:
    template <class Suite>
    const Suite* find(const char* name, int version) {
        auto* table = static_cast<const Suite*>(host.suites().find(name, version));
        EXPECT_NE(table, nullptr) << name;
        return table;
    }

    kh::Document& doc() { return host.document(); }
    KArtHandle h(const kh::Art& art) { return doc().handle_of(art); }
    kh::Art& art(KArtHandle handle) {
        kh::Art* a = doc().art_from(handle);
        EXPECT_NE(a, nullptr);
        return *a;
    }

    // A closed rectangular path, frontmost on the current layer.
    kh::Art& rect(double x0, double y0, double x1, double y1) {
        kh::Art& a = doc().new_art(kPathArt, doc().current_layer());
        doc().set_path(a, Geom::Path(Geom::Rect(x0, y0, x1, y1)));
        return a;
    }
    // A compound path of two rectangles, frontmost on the current layer.
    kh::Art& compound() {
        kh::Art& c = doc().new_art(kCompoundPathArt, doc().current_layer());
        kh::Art& a = doc().new_art(kPathArt, kPlaceInsideOnTop, &c);
        doc().set_path(a, Geom::Path(Geom::Rect(0, 0, 10, 10)));
        kh::Art& b = doc().new_art(kPathArt, kPlaceInsideOnTop, &c);
        doc().set_path(b, Geom::Path(Geom::Rect(20, 0, 30, 10)));
        return c;
    }

    // Everything undo must restore, as text: layers, tree, geometry, paint,
    // opacity, blending, attributes, tags, warps and text characters.
    std::string dump() {
        std::ostringstream out;
        out << "current " << doc().current_layer().name << "\n";
        for (const kh::Layer* layer : doc().layers()) {
            out << "layer " << layer->name << "\n";
            for (const kh::Art& a : kh::top_level(*layer)) dump_art(out, a, 1);
        }
        return out.str();
    }

    kh::Host host;
    const KArtSuite* art_suite = find<KArtSuite>(kAIArtSuite, kAIArtSuiteVersion);
    const KPathSuite* path_suite = find<KPathSuite>(kAIPathSuite, kAIPathSuiteVersion);
    const KPathStyleSuite* style_suite = find<KPathStyleSuite>(kAIPathStyleSuite, kAIPathStyleSuiteVersion);
    const KBlendStyleSuite* blend_suite = find<KBlendStyleSuite>(kAIBlendStyleSuite, kAIBlendStyleSuiteVersion);
    const KTransformArtSuite* transform_suite =
        find<KTransformArtSuite>(kAITransformArtSuite, kAITransformArtSuiteVersion);
    const KMatchingArtSuite* matching_suite = find<KMatchingArtSuite>(kAIMatchingArtSuite, kAIMatchingArtSuiteVersion);
    const KTagSuite* tag_suite = find<KTagSuite>(kAITagSuite, kAITagSuiteVersion);
    const KDocumentSuite* document_suite = find<KDocumentSuite>(kAIDocumentSuite, kAIDocumentSuiteVersion);
    const KDocumentViewSuite* view_suite = find<KDocumentViewSuite>(kAIDocumentViewSuite, kAIDocumentViewSuiteVersion);
    const KLayerSuite* layer_suite = find<KLayerSuite>(kAILayerSuite, kAILayerSuiteVersion);
    const KUndoSuite* undo_suite = find<KUndoSuite>(kAIUndoSuite, kAIUndoSuiteVersion);
    const KSwatchListSuite* swatch_suite = find<KSwatchListSuite>(kAISwatchListSuite, kAISwatchListSuiteVersion);

private:
    static void dump_art(std::ostringstream& out, const kh::Art& a, int depth) {
        out << std::string(static_cast<std::size_t>(depth) * 2, ' ') << "type " << a.type() << " path "
            << Geom::write_svg_path(Geom::PathVector(a.path)) << " fill " << a.style.fill_paint << ":"
            << a.style.fill.kind << ":" << a.style.fill.body[0] << "," << a.style.fill.body[1] << ","
            << a.style.fill.body[2] << " stroke " << a.style.stroke_paint << ":" << a.style.stroke.body[0]
            << " width " << a.style.stroke_width << " opacity " << a.opacity << " blend " << a.blending_mode
            << " attr " << a.attributes << " warp " << a.warp.style << "/" << a.warp.bend;
        for (const auto& [k, v] : a.tags) out << " tag " << k << "=" << v;
        if (a.text) {
            out << " text @" << a.text->anchor << a.text->orientation;
            for (const kh::TextChar& c : a.text->chars) {
                out << " [" << static_cast<std::uint32_t>(c.code) << " " << c.style.font_size << " "
                    << c.paint.fill.body[0] << " " << c.face;
                for (const auto& [k, v] : c.reals) out << " " << k << "=" << v;
                out << "]";
            }
        }
        out << "\n";
        for (const kh::Art& child : kh::children(a)) dump_art(out, child, depth + 1);
    }
};
