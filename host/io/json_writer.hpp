// json_writer.hpp: the document as JSON, for tests and tools that compare filter results.
//
// document_json gives {"page", "colour_model", "random_draws", "layers": [{"name", "art"}]},
// layers and art back to front, artwork coordinates (points, y up), reals rounded to 4 decimals.
#pragma once

#include <cstdint>

#include <nlohmann/json.hpp>

#include "host/document/document.hpp"

namespace kestrel::host {

// random_draws: the number of draws taken from the random service, reported as is.
nlohmann::json document_json(const Document& doc, std::int64_t random_draws);

// One art object (with its children) in the form document_json uses.
nlohmann::json art_json(const Document& doc, const Art& art);

}  // namespace kestrel::host
