// font_faces.cpp: the fixed list of font faces and their handles.
#include "host/text/font_faces.hpp"

#include <array>
#include <vector>

#include "host/core/handle_table.hpp"

namespace kestrel::host {
namespace {

constexpr std::array<std::string_view, 12> kFaceNames = {
    "Helvetica",   "Helvetica-Bold", "Helvetica-Oblique", "Times-Roman",    "Times-Bold",     "Times-Italic",
    "Courier",     "Courier-Bold",   "Courier-Oblique",   "Palatino-Roman", "Symbol",         "ZapfDingbats"};

// Handles are made once and never released, so a face handle stays valid
// for the whole process.
struct FaceHandles {
    HandleTable<const std::string_view> table{0x66};
    std::vector<KFaceHandle> handles;
    FaceHandles() {
        for (const std::string_view& name : kFaceNames) handles.push_back(table.make<KFaceHandle>(&name));
    }
};

const FaceHandles& faces() {
    static const FaceHandles instance;
    return instance;
}

}  // namespace

std::span<const std::string_view> font_face_names() { return kFaceNames; }

std::int32_t font_face_count() { return static_cast<std::int32_t>(kFaceNames.size()); }

KFaceHandle font_face_handle(std::int32_t index) {
    if (index < 0 || index >= font_face_count()) return nullptr;
    return faces().handles[static_cast<std::size_t>(index)];
}

std::int32_t font_face_index(KFaceHandle face) {
    const std::string_view* name = faces().table.get(face);
    if (name == nullptr) return -1;
    return static_cast<std::int32_t>(name - kFaceNames.data());
}

}  // namespace kestrel::host
