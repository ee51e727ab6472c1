// parameter_block.hpp: reading and writing a filter's parameter block by
// field name, from the field list the deliverable describes in its
// resources ("parameter_fields"). Used by the command-line host's --set and
// --params-json.
#pragma once

#include <string>
#include <string_view>

#include <nlohmann/json.hpp>

#include "host/plugins/resources.hpp"

namespace kestrel::host {

class ParameterError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Write "FIELD=VALUE" into a block of block_size bytes. Throws ParameterError
// for a malformed assignment, an unknown field or a value of the wrong type;
// the message lists the valid fields.
void set_parameter(const Resources& resources, void* block, std::size_t block_size, std::string_view assignment);
// Check an assignment without a block (same errors as set_parameter).
void check_parameter(const Resources& resources, std::string_view assignment);
// The block as a JSON object, field names as keys, in block order.
nlohmann::json parameters_json(const Resources& resources, const void* block, std::size_t block_size);

}  // namespace kestrel::host
