// sample_documents.hpp: the built-in documents `kestrel run` uses when no
// input file is given, one per filter.
#pragma once

#include <memory>
#include <string>

#include "host/document/document.hpp"

namespace kestrel::tool {

// product: "wanderlust", "ziggurat", "scatterbox", "tapestry" or "glyphstorm".
// Every top-level object is selected.
std::unique_ptr<host::Document> sample_document(const std::string& product, double page_width, double page_height,
                                                int colour_model);

}  // namespace kestrel::tool
