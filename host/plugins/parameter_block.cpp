#include "host/plugins/parameter_block.hpp"

#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace kestrel::host {
namespace {

std::string field_list(const Resources& resources) {
    std::string out;
    for (const ParameterField& f : resources.parameter_fields) {
        if (!out.empty()) out += ", ";
        out += f.name;
        out += f.type == ParameterField::Type::Int ? " (integer)" : f.type == ParameterField::Type::Real ? " (real)" : " (0 or 1)";
    }
    return out.empty() ? "none" : out;
}

struct Parsed {
    const ParameterField* field;
    std::int32_t bits;  // the 32-bit field's contents
};

Parsed parse(const Resources& resources, std::string_view assignment) {
    const auto eq = assignment.find('=');
    if (eq == std::string_view::npos || eq == 0) {
        throw ParameterError("--set wants FIELD=VALUE, got \"" + std::string(assignment) + "\"; valid fields: " +
                             field_list(resources));
    }
    const std::string name(assignment.substr(0, eq));
    const std::string value(assignment.substr(eq + 1));
    const ParameterField* f = resources.field(name);
    if (f == nullptr) throw ParameterError("unknown field \"" + name + "\"; valid fields: " + field_list(resources));
    auto wrong = [&](const char* wanted) {
        return ParameterError("field \"" + name + "\" wants " + wanted + ", got \"" + value +
                              "\"; valid fields: " + field_list(resources));
    };
    const char* begin = value.c_str();
    char* end = nullptr;
    errno = 0;
    switch (f->type) {
        case ParameterField::Type::Bool: {
            if (value != "0" && value != "1") throw wrong("0 or 1");
            return {f, value == "1" ? 1 : 0};
        }
        case ParameterField::Type::Int: {
            const long long v = std::strtoll(begin, &end, 10);
            if (value.empty() || *end != '\0' || errno == ERANGE || v < INT32_MIN || v > INT32_MAX) {
                throw wrong("an integer");
            }
            return {f, static_cast<std::int32_t>(v)};
        }
        case ParameterField::Type::Real: {
            const double v = std::strtod(begin, &end);
            if (value.empty() || *end != '\0' || !std::isfinite(v)) throw wrong("a real number");
            const float r = static_cast<float>(v);
            std::int32_t bits;
            std::memcpy(&bits, &r, sizeof bits);
            return {f, bits};
        }
    }
    throw wrong("a value");
}

}  // namespace

void check_parameter(const Resources& resources, std::string_view assignment) { parse(resources, assignment); }

void set_parameter(const Resources& resources, void* block, std::size_t block_size, std::string_view assignment) {
    const Parsed p = parse(resources, assignment);
    const std::size_t offset = static_cast<std::size_t>(p.field->index) * 4;
    if (block == nullptr || offset + 4 > block_size) throw ParameterError("the parameter block is too small for " + p.field->name);
    std::memcpy(static_cast<char*>(block) + offset, &p.bits, 4);
}

nlohmann::json parameters_json(const Resources& resources, const void* block, std::size_t block_size) {
    nlohmann::json out = nlohmann::json::object();
    for (const ParameterField& f : resources.parameter_fields) {
        const std::size_t offset = static_cast<std::size_t>(f.index) * 4;
        if (offset + 4 > block_size) break;
        std::int32_t bits;
        std::memcpy(&bits, static_cast<const char*>(block) + offset, 4);
        switch (f.type) {
            case ParameterField::Type::Int: out[f.name] = bits; break;
            case ParameterField::Type::Bool: out[f.name] = bits; break;
            case ParameterField::Type::Real: {
                float r;
                std::memcpy(&r, &bits, 4);
                out[f.name] = std::round(static_cast<double>(r) * 10000.0) / 10000.0;
                break;
            }
        }
    }
    return out;
}

}  // namespace kestrel::host
