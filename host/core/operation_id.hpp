// operation_id.hpp: small integer ids for host operation names
// ("AI Art Suite/duplicate_art"), so that counting and fault checks per call
// cost an array index, not a string lookup.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace kestrel::host {

using OperationId = std::uint32_t;

// The id of an operation name; the same name always gives the same id.
OperationId intern_operation(std::string_view name);
// The name behind an id.
const std::string& operation_name(OperationId id);
// Every operation name interned so far, indexed by id.
std::vector<std::string> operation_names();

}  // namespace kestrel::host
