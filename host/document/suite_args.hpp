// suite_args.hpp: argument checks shared by the art and document suites.
// Each turns a handle from a plug-in into the document's object, or answers
// kBadParameterErr (thrown as HostError inside KESTREL_HOST_CALL).
#pragma once

#include <algorithm>
#include <cmath>
#include <cstring>
#include <string_view>

#include "host/core/call_guard.hpp"
#include "host/document/document.hpp"

namespace kestrel::host {

inline Art& art_arg(Host& host, KArtHandle handle) {
    Art* art = host.document().art_from(handle);
    if (art == nullptr) fail(kBadParameterErr, handle == nullptr ? "null art handle" : "stale or foreign art handle");
    return *art;
}

inline Layer& layer_arg(Host& host, KLayerHandle handle) {
    Layer* layer = host.document().layer_from(handle);
    if (layer == nullptr) fail(kBadParameterErr, "null, stale or foreign layer handle");
    return *layer;
}

inline DocumentView& view_arg(Host& host, KDocumentViewHandle handle) {
    DocumentView* view = host.document().view_from(handle);
    if (view == nullptr) fail(kBadParameterErr, "null, stale or foreign view handle");
    return *view;
}

inline Swatch& swatch_arg(Host& host, KSwatchHandle handle) {
    Swatch* swatch = host.document().swatch_from(handle);
    if (swatch == nullptr) fail(kBadParameterErr, "null, stale or foreign swatch handle");
    return *swatch;
}

inline void swatch_list_arg(Host& host, KSwatchListHandle list) {
    if (!host.document().is_own_swatch_list(list)) fail(kBadParameterErr, "stale or foreign swatch list");
}

// Reals from a plug-in that end up in geometry must be numbers.
inline void require_finite(double v, const char* what) {
    if (!std::isfinite(v)) fail(kBadParameterErr, std::string(what) + " is not a finite number");
}

// Copy text into a plug-in's buffer of max_len bytes, cut to fit, always
// ending with a zero byte.
inline void copy_out(std::string_view text, char* out, std::int32_t max_len) {
    require(out, "output text");
    if (max_len <= 0) fail(kBadParameterErr, "no room for the text");
    const std::size_t n = std::min(text.size(), static_cast<std::size_t>(max_len) - 1);
    if (n > 0) std::memcpy(out, text.data(), n);
    out[n] = '\0';
}

}  // namespace kestrel::host
