// document_suites.cpp: "AI Document Suite" 7, "AI Document View Suite" 7,
// "AI Layer Suite" 9, "AI Undo Suite" 4 and "AI Swatch List Suite" 4 over the
// host's current document.
#include "ai_document.h"
#include "host/document/suite_args.hpp"

namespace kestrel::host {
namespace {

// ---- AI Document Suite ------------------------------------------------------------

KResult get_document_setup(KDocumentSetup* out_setup) {
    return KESTREL_HOST_CALL("AI Document Suite/get_document_setup", [&](Host& host) {
        require(out_setup, "output setup");
        *out_setup = host.document().setup();
        return kNoErr;
    });
}

KResult set_document_setup(const KDocumentSetup* setup) {
    return KESTREL_HOST_CALL("AI Document Suite/set_document_setup", [&](Host& host) {
        require(setup, "setup");
        host.document().set_setup(*setup);
        return kNoErr;
    });
}

KResult get_document_page_size(KRealPoint* out_size) {
    return KESTREL_HOST_CALL("AI Document Suite/get_document_page_size", [&](Host& host) {
        require(out_size, "output size");
        const KDocumentSetup& setup = host.document().setup();
        *out_size = KRealPoint{setup.width, setup.height};
        return kNoErr;
    });
}

KResult get_document_colour_model(int16_t* out_model) {
    return KESTREL_HOST_CALL("AI Document Suite/get_document_colour_model", [&](Host& host) {
        require(out_model, "output model");
        *out_model = static_cast<int16_t>(host.document().colour_model());
        return kNoErr;
    });
}

KResult redraw_document() {
    return KESTREL_HOST_CALL("AI Document Suite/redraw_document", [&](Host& host) {
        host.document().redraw();
        return kNoErr;
    });
}

const KDocumentSuite kDocumentSuite = {get_document_setup, set_document_setup, get_document_page_size,
                                       get_document_colour_model, redraw_document};

// ---- AI Document View Suite ------------------------------------------------------------

KResult get_nth_document_view(int32_t index, KDocumentViewHandle* out_view) {
    return KESTREL_HOST_CALL("AI Document View Suite/get_nth_document_view", [&](Host& host) {
        require(out_view, "output view");
        *out_view = nullptr;
        Document& doc = host.document();
        if (index < 0 || static_cast<std::size_t>(index) >= doc.view_count()) fail(kBadParameterErr, "no such view");
        *out_view = doc.handle_of(doc.view(static_cast<std::size_t>(index)));
        return kNoErr;
    });
}

KResult count_document_views(int32_t* out_count) {
    return KESTREL_HOST_CALL("AI Document View Suite/count_document_views", [&](Host& host) {
        require(out_count, "output count");
        *out_count = static_cast<int32_t>(host.document().view_count());
        return kNoErr;
    });
}

KResult get_document_view_bounds(KDocumentViewHandle view, KRealRect* out_bounds) {
    return KESTREL_HOST_CALL("AI Document View Suite/get_document_view_bounds", [&](Host& host) {
        require(out_bounds, "output rectangle");
        const Geom::Rect area = view_arg(host, view).bounds();
        // Geom's top() is the smallest y; the host's top is the largest.
        *out_bounds = KRealRect{static_cast<KReal>(area.left()), static_cast<KReal>(area.bottom()),
                                static_cast<KReal>(area.right()), static_cast<KReal>(area.top())};
        return kNoErr;
    });
}

KResult get_document_view_centre(KDocumentViewHandle view, KRealPoint* out_centre) {
    return KESTREL_HOST_CALL("AI Document View Suite/get_document_view_centre", [&](Host& host) {
        require(out_centre, "output point");
        const Geom::Point c = view_arg(host, view).centre;
        *out_centre = KRealPoint{static_cast<KReal>(c[Geom::X]), static_cast<KReal>(c[Geom::Y])};
        return kNoErr;
    });
}

KResult set_document_view_centre(KDocumentViewHandle view, const KRealPoint* centre) {
    return KESTREL_HOST_CALL("AI Document View Suite/set_document_view_centre", [&](Host& host) {
        require(centre, "centre");
        DocumentView& v = view_arg(host, view);
        require_finite(centre->h, "centre");
        require_finite(centre->v, "centre");
        v.centre = Geom::Point(centre->h, centre->v);
        return kNoErr;
    });
}

KResult get_document_view_zoom(KDocumentViewHandle view, KReal* out_zoom) {
    return KESTREL_HOST_CALL("AI Document View Suite/get_document_view_zoom", [&](Host& host) {
        require(out_zoom, "output zoom");
        *out_zoom = static_cast<KReal>(view_arg(host, view).zoom);
        return kNoErr;
    });
}

KResult set_document_view_zoom(KDocumentViewHandle view, KReal zoom) {
    return KESTREL_HOST_CALL("AI Document View Suite/set_document_view_zoom", [&](Host& host) {
        DocumentView& v = view_arg(host, view);
        if (!(zoom > 0) || !std::isfinite(zoom)) fail(kBadParameterErr, "zoom must be positive");
        v.zoom = zoom;
        return kNoErr;
    });
}

KResult view_point_to_artwork_point(KDocumentViewHandle view, const KIntPoint* view_point,
                                    KRealPoint* out_artwork_point) {
    return KESTREL_HOST_CALL("AI Document View Suite/view_point_to_artwork_point", [&](Host& host) {
        require(view_point, "view point");
        require(out_artwork_point, "output point");
        *out_artwork_point = view_arg(host, view).view_to_artwork(*view_point);
        return kNoErr;
    });
}

KResult artwork_point_to_view_point(KDocumentViewHandle view, const KRealPoint* artwork_point,
                                    KIntPoint* out_view_point) {
    return KESTREL_HOST_CALL("AI Document View Suite/artwork_point_to_view_point", [&](Host& host) {
        require(artwork_point, "artwork point");
        require(out_view_point, "output point");
        *out_view_point = view_arg(host, view).artwork_to_view(*artwork_point);
        return kNoErr;
    });
}

const KDocumentViewSuite kDocumentViewSuite = {
    get_nth_document_view,  count_document_views,   get_document_view_bounds,
    get_document_view_centre, set_document_view_centre, get_document_view_zoom,
    set_document_view_zoom, view_point_to_artwork_point, artwork_point_to_view_point};

// ---- AI Layer Suite --------------------------------------------------------------------------

KResult insert_layer(KLayerHandle reference, int16_t paint_order, KLayerHandle* out_layer) {
    return KESTREL_HOST_CALL("AI Layer Suite/insert_layer", [&](Host& host) {
        require(out_layer, "output layer");
        *out_layer = nullptr;
        Layer* ref = reference != nullptr ? &layer_arg(host, reference) : nullptr;
        Document& doc = host.document();
        *out_layer = doc.handle_of(doc.insert_layer(paint_order, ref));
        return kNoErr;
    });
}

KResult count_layers(int32_t* out_count) {
    return KESTREL_HOST_CALL("AI Layer Suite/count_layers", [&](Host& host) {
        require(out_count, "output count");
        *out_count = static_cast<int32_t>(host.document().layers().size());
        return kNoErr;
    });
}

KResult get_nth_layer(int32_t index, KLayerHandle* out_layer) {
    return KESTREL_HOST_CALL("AI Layer Suite/get_nth_layer", [&](Host& host) {
        require(out_layer, "output layer");
        *out_layer = nullptr;
        Document& doc = host.document();
        if (index < 0 || static_cast<std::size_t>(index) >= doc.layers().size()) fail(kBadParameterErr, "no such layer");
        *out_layer = doc.handle_of(*doc.layers()[static_cast<std::size_t>(index)]);
        return kNoErr;
    });
}

KResult get_current_layer(KLayerHandle* out_layer) {
    return KESTREL_HOST_CALL("AI Layer Suite/get_current_layer", [&](Host& host) {
        require(out_layer, "output layer");
        Document& doc = host.document();
        *out_layer = doc.handle_of(doc.current_layer());
        return kNoErr;
    });
}

KResult set_current_layer(KLayerHandle layer) {
    return KESTREL_HOST_CALL("AI Layer Suite/set_current_layer", [&](Host& host) {
        host.document().set_current_layer(layer_arg(host, layer));
        return kNoErr;
    });
}

KResult get_layer_title(KLayerHandle layer, char* out_title, int32_t max_len) {
    return KESTREL_HOST_CALL("AI Layer Suite/get_layer_title", [&](Host& host) {
        copy_out(layer_arg(host, layer).name, out_title, max_len);
        return kNoErr;
    });
}

KResult set_layer_title(KLayerHandle layer, const char* title) {
    return KESTREL_HOST_CALL("AI Layer Suite/set_layer_title", [&](Host& host) {
        require(title, "title");
        host.document().set_layer_name(layer_arg(host, layer), title);
        return kNoErr;
    });
}

const KLayerSuite kLayerSuite = {insert_layer,      count_layers,    get_nth_layer,  get_current_layer,
                                 set_current_layer, get_layer_title, set_layer_title};

// ---- AI Undo Suite ------------------------------------------------------------------------------

KResult undo_changes() {
    return KESTREL_HOST_CALL("AI Undo Suite/undo_changes", [&](Host& host) {
        host.document().undo_command();
        return kNoErr;
    });
}

const KUndoSuite kUndoSuite = {undo_changes};

// ---- AI Swatch List Suite ---------------------------------------------------------------------------

KResult count_swatches(KSwatchListHandle list, int32_t* out_count) {
    return KESTREL_HOST_CALL("AI Swatch List Suite/count_swatches", [&](Host& host) {
        require(out_count, "output count");
        swatch_list_arg(host, list);
        *out_count = static_cast<int32_t>(host.document().swatches().size());
        return kNoErr;
    });
}

KResult get_nth_swatch(KSwatchListHandle list, int32_t position, KSwatchHandle* out_swatch) {
    return KESTREL_HOST_CALL("AI Swatch List Suite/get_nth_swatch", [&](Host& host) {
        require(out_swatch, "output swatch");
        *out_swatch = nullptr;
        swatch_list_arg(host, list);
        Document& doc = host.document();
        const Swatch* swatch = doc.swatch_at(position);
        if (swatch == nullptr) return kNoSuchSwatchErr;
        *out_swatch = doc.handle_of(*swatch);
        return kNoErr;
    });
}

KResult get_swatch_colour(KSwatchHandle swatch, KColour* out_colour) {
    return KESTREL_HOST_CALL("AI Swatch List Suite/get_swatch_colour", [&](Host& host) {
        require(out_colour, "output colour");
        *out_colour = swatch_arg(host, swatch).colour;
        return kNoErr;
    });
}

KResult get_swatch_name(KSwatchHandle swatch, char* out_name, int32_t max_len) {
    return KESTREL_HOST_CALL("AI Swatch List Suite/get_swatch_name", [&](Host& host) {
        copy_out(swatch_arg(host, swatch).name, out_name, max_len);
        return kNoErr;
    });
}

const KSwatchListSuite kSwatchListSuite = {count_swatches, get_nth_swatch, get_swatch_colour, get_swatch_name};

}  // namespace

void register_document_suites(SuiteRegistry& registry) {
    registry.add(kAIDocumentSuite, kAIDocumentSuiteVersion, &kDocumentSuite);
    registry.add(kAIDocumentViewSuite, kAIDocumentViewSuiteVersion, &kDocumentViewSuite);
    registry.add(kAILayerSuite, kAILayerSuiteVersion, &kLayerSuite);
    registry.add(kAIUndoSuite, kAIUndoSuiteVersion, &kUndoSuite);
    registry.add(kAISwatchListSuite, kAISwatchListSuiteVersion, &kSwatchListSuite);
}

}  // namespace kestrel::host
