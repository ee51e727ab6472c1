// face_style_suite.cpp: "AI Text Face Style Suite" 5, the host's font faces
// by index and by name.
#include <string>

#include "host/document/suite_args.hpp"
#include "host/text/font_faces.hpp"
#include "host/text/text_suite_tables.hpp"

namespace kestrel::host {
namespace {

KResult count_faces(int32_t* out_count) {
    return KESTREL_HOST_CALL("AI Text Face Style Suite/count_faces", [&](Host&) {
        require(out_count, "output count");
        *out_count = font_face_count();
        return kNoErr;
    });
}

KResult get_nth_face(int32_t index, KFaceHandle* out_face) {
    return KESTREL_HOST_CALL("AI Text Face Style Suite/get_nth_face", [&](Host&) {
        require(out_face, "output face");
        const KFaceHandle face = font_face_handle(index);
        if (face == nullptr) fail(kBadParameterErr, "face index " + std::to_string(index) + " outside the list");
        *out_face = face;
        return kNoErr;
    });
}

KResult get_face_name(KFaceHandle face, char* out_name, int32_t max_len) {
    return KESTREL_HOST_CALL("AI Text Face Style Suite/get_face_name", [&](Host&) {
        const std::int32_t index = font_face_index(face);
        if (index < 0) fail(kBadParameterErr, "null or foreign face handle");
        copy_out(font_face_names()[static_cast<std::size_t>(index)], out_name, max_len);
        return kNoErr;
    });
}

}  // namespace

const KTextFaceStyleSuite kTextFaceStyleSuiteTable = {count_faces, get_nth_face, get_face_name};

}  // namespace kestrel::host
