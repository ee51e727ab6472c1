// font_faces.hpp: the host's list of font faces, in a fixed order, and the
// face handles that "AI Text Face Style Suite" hands out for them.
//
// A character's face is stored in the document as an index into this list
// (TextChar::face); the text stream suite converts between index and handle.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "kestrel_types.h"

namespace kestrel::host {

// The face names, index 0 first ("Helvetica", "Times-Roman", ...).
std::span<const std::string_view> font_face_names();
std::int32_t font_face_count();
// The handle of the face at index; null outside 0..count-1.
KFaceHandle font_face_handle(std::int32_t index);
// The index of a face handle; -1 for a null or foreign handle.
std::int32_t font_face_index(KFaceHandle face);

}  // namespace kestrel::host
