// resources.cpp: reading a plug-in's embedded resources from its ELF file.
#include "host/plugins/resources.hpp"

#include <elf.h>

#include <cstring>
#include <fstream>
#include <iterator>

#include <nlohmann/json.hpp>

namespace kestrel::host {
namespace {

constexpr const char* kSectionName = ".kestrel.resources";

std::string read_file(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) throw ResourceError("cannot be read");
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

template <class T>
T read_at(const std::string& bytes, std::uint64_t offset) {
    if (offset > bytes.size() || bytes.size() - offset < sizeof(T)) throw ResourceError("truncated ELF file");
    T value;
    std::memcpy(&value, bytes.data() + offset, sizeof(T));
    return value;
}

int to_int(const std::string& key, const char* what) {
    try {
        std::size_t used = 0;
        const int v = std::stoi(key, &used);
        if (used != key.size()) throw ResourceError("");
        return v;
    } catch (...) {
        throw ResourceError(std::string("resource id \"") + key + "\" of " + what + " is not a number");
    }
}

KIntRect rect_from_xywh(const nlohmann::json& r) {
    if (!r.is_array() || r.size() != 4) throw ResourceError("a dialog item rect must be [x, y, width, height]");
    const int x = r[0].get<int>(), y = r[1].get<int>(), w = r[2].get<int>(), h = r[3].get<int>();
    return {x, y, x + w, y + h};
}

void merge(Resources& out, const nlohmann::json& doc) {
    if (!doc.is_object()) throw ResourceError("a resource document must be a JSON object");
    if (auto it = doc.find("property_lists"); it != doc.end()) {
        for (const auto& [key, p] : it->items()) {
            PropertyList pl;
            pl.vendor = p.value("vendor", "");
            pl.kind = p.value("kind", "");
            pl.interface_version = p.value("interface_version", 0);
            pl.entry_point = p.value("entry_point", "");
            out.property_lists[to_int(key, "a property list")] = pl;
        }
    }
    if (auto it = doc.find("string_lists"); it != doc.end()) {
        for (const auto& [key, list] : it->items()) {
            out.string_lists[to_int(key, "a string list")] = list.get<std::vector<std::string>>();
        }
    }
    if (auto it = doc.find("dialogs"); it != doc.end()) {
        for (const auto& [key, d] : it->items()) {
            DialogResource dr;
            dr.id = to_int(key, "a dialog");
            dr.caption = d.value("caption", "");
            if (auto size = d.find("size"); size != d.end()) {
                dr.width = size->at(0).get<int>();
                dr.height = size->at(1).get<int>();
            }
            dr.font = d.value("font", "");
            dr.font_size = d.value("font_size", 0);
            for (const auto& item : d.value("items", nlohmann::json::array())) {
                DialogItemResource ir;
                ir.id = item.at("id").get<int>();
                ir.kind = item.value("kind", "static");
                ir.rect = rect_from_xywh(item.at("rect"));
                ir.text = item.value("text", "");
                ir.is_default = item.value("default", false);
                dr.items.push_back(ir);
            }
            out.dialogs[dr.id] = dr;
        }
    }
    if (auto it = doc.find("parameter_fields"); it != doc.end()) {
        out.parameter_fields.clear();
        int index = 0;
        for (const auto& f : *it) {
            ParameterField pf;
            pf.name = f.at("name").get<std::string>();
            const std::string type = f.at("type").get<std::string>();
            if (type == "int") pf.type = ParameterField::Type::Int;
            else if (type == "real") pf.type = ParameterField::Type::Real;
            else if (type == "bool") pf.type = ParameterField::Type::Bool;
            else throw ResourceError("parameter field \"" + pf.name + "\" has an unknown type \"" + type + "\"");
            pf.index = index++;
            out.parameter_fields.push_back(pf);
        }
    }
}

}  // namespace

std::string Resources::indexed_string(int list_id, int index) const {
    auto it = string_lists.find(list_id);
    if (it == string_lists.end() || index < 0 || static_cast<std::size_t>(index) >= it->second.size()) return "";
    return it->second[static_cast<std::size_t>(index)];
}

const DialogResource* Resources::dialog(int id) const {
    auto it = dialogs.find(id);
    return it == dialogs.end() ? nullptr : &it->second;
}

const ParameterField* Resources::field(std::string_view name) const {
    for (const ParameterField& f : parameter_fields) {
        if (f.name == name) return &f;
    }
    return nullptr;
}

std::string read_resource_section(const std::filesystem::path& library) {
    const std::string bytes = read_file(library);
    if (bytes.size() < EI_NIDENT || std::memcmp(bytes.data(), ELFMAG, SELFMAG) != 0) {
        throw ResourceError("not an ELF library");
    }
    if (static_cast<unsigned char>(bytes[EI_CLASS]) != ELFCLASS64) throw ResourceError("not a 64-bit ELF library");
    const auto header = read_at<Elf64_Ehdr>(bytes, 0);
    if (header.e_shentsize != sizeof(Elf64_Shdr) || header.e_shstrndx >= header.e_shnum) {
        throw ResourceError("ELF section table is malformed");
    }
    const auto names = read_at<Elf64_Shdr>(bytes, header.e_shoff + std::uint64_t{header.e_shstrndx} * sizeof(Elf64_Shdr));
    for (unsigned i = 0; i < header.e_shnum; ++i) {
        const auto section = read_at<Elf64_Shdr>(bytes, header.e_shoff + std::uint64_t{i} * sizeof(Elf64_Shdr));
        const std::uint64_t name_at = names.sh_offset + section.sh_name;
        if (name_at >= bytes.size()) throw ResourceError("ELF section name out of range");
        const char* name = bytes.data() + name_at;
        const std::size_t room = bytes.size() - name_at;
        if (strnlen(name, room) == room) throw ResourceError("ELF section name out of range");
        if (std::strcmp(name, kSectionName) != 0) continue;
        if (section.sh_offset > bytes.size() || bytes.size() - section.sh_offset < section.sh_size) {
            throw ResourceError("resource section out of range");
        }
        return bytes.substr(section.sh_offset, section.sh_size);
    }
    return {};
}

Resources parse_resources(std::string_view section) {
    Resources out;
    std::size_t start = 0;
    int document = 0;
    while (start < section.size()) {
        std::size_t end = section.find('\0', start);
        if (end == std::string_view::npos) end = section.size();
        const std::string_view text = section.substr(start, end - start);
        start = end + 1;
        if (text.find_first_not_of(" \t\r\n") == std::string_view::npos) continue;
        ++document;
        try {
            merge(out, nlohmann::json::parse(text));
        } catch (const ResourceError& e) {
            throw ResourceError("resource document " + std::to_string(document) + ": " + e.what());
        } catch (const std::exception& e) {
            throw ResourceError("resource document " + std::to_string(document) + ": " + e.what());
        }
    }
    return out;
}

}  // namespace kestrel::host
