// resources.hpp: the resources a plug-in library carries.
//
// Each deliverable embeds its resources in an ELF section named
// ".kestrel.resources" of its one shared library (so PluginMain stays the
// only exported symbol). The section holds one or more JSON documents, each
// ended by a NUL byte; a later document adds to, or replaces entries of, the
// earlier ones (the shell's common resources come first, the filter's own
// after). A document looks like:
//
//   { "property_lists": { "16000": { "vendor": "ADBE", "kind": "SPEA",
//                                    "interface_version": 2, "entry_point": "PluginMain" } },
//     "string_lists": { "16000": ["<First Mac index is 1>", "Kestrel <Paths>", "Wanderlust..."] },
//     "dialogs": { "16050": { "caption": "...", "size": [305, 161],
//                             "font": "MS Sans Serif", "font_size": 8,
//                             "items": [ { "id": 1, "kind": "button", "default": true,
//                                          "rect": [128, 141, 40, 14], "text": "&OK" } ] } },
//     "parameter_fields": [ { "name": "copies", "type": "int" }, ... ] }
//
// Dialog item rects in resources are x, y, width, height in dialog units;
// item kinds are "button", "static", "frame".
#pragma once

#include <filesystem>
#include <map>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "kestrel_types.h"

namespace kestrel::host {

struct PropertyList {
    std::string vendor;          // "ADBE"
    std::string kind;            // "SPEA"
    int interface_version = 0;   // 2
    std::string entry_point;     // "PluginMain"
};

struct DialogItemResource {
    int id = 0;
    std::string kind;            // "button", "static", "frame"
    KIntRect rect{};             // left, top, right, bottom in dialog units
    std::string text;
    bool is_default = false;     // the default push button
};

struct DialogResource {
    int id = 0;
    std::string caption;
    int width = 0;               // dialog units
    int height = 0;
    std::string font;
    int font_size = 0;
    std::vector<DialogItemResource> items;
};

// One field of a parameter block, in block order; every field is 32 bits.
struct ParameterField {
    enum class Type { Int, Real, Bool };
    std::string name;            // lower case with underscores: "scale_step"
    Type type = Type::Int;
    int index = 0;               // position in the block, 0-based (byte offset = 4 * index)
};

struct Resources {
    std::map<int, PropertyList> property_lists;
    std::map<int, std::vector<std::string>> string_lists;
    std::map<int, DialogResource> dialogs;
    std::vector<ParameterField> parameter_fields;

    // Entry index of string list id; "" for a missing list or an entry past the end.
    std::string indexed_string(int list_id, int index) const;
    const DialogResource* dialog(int id) const;
    const ParameterField* field(std::string_view name) const;
};

class ResourceError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The section's bytes from a library file on disk, empty when it has none.
// Throws ResourceError when the file is not a readable ELF library.
std::string read_resource_section(const std::filesystem::path& library);
// Parse the section (NUL-separated JSON documents). Throws ResourceError
// naming what is wrong.
Resources parse_resources(std::string_view section);

}  // namespace kestrel::host
