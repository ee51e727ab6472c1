// text_suites.cpp: the text suites. Placeholder tables: every operation
// answers kNotImplementedErr until text streams are built.
#include "ai_text.h"
#include "host/core/call_guard.hpp"

namespace kestrel::host {
namespace {
#define KESTREL_TEXT_STUB(suite, fn, ...) \
    KResult fn(__VA_ARGS__) { return KESTREL_HOST_CALL(suite "/" #fn, [&](Host&) { return kNotImplementedErr; }); }
#define S "AI Text Stream Suite"
KESTREL_TEXT_STUB(S, is_text_locked, KArtHandle, int32_t, KBool*)
KESTREL_TEXT_STUB(S, open_stream, KArtHandle, int32_t, KTextStreamHandle*)
KESTREL_TEXT_STUB(S, close_stream, KTextStreamHandle)
KESTREL_TEXT_STUB(S, set_position, KTextStreamHandle, int32_t, int32_t)
KESTREL_TEXT_STUB(S, get_position, KTextStreamHandle, int32_t, int32_t*)
KESTREL_TEXT_STUB(S, get_char, KTextStreamHandle, uint16_t*)
KESTREL_TEXT_STUB(S, get_char_style, KTextStreamHandle, KCharStyle*)
KESTREL_TEXT_STUB(S, set_char_style, KTextStreamHandle, const KCharStyle*)
KESTREL_TEXT_STUB(S, get_face, KTextStreamHandle, KFaceHandle*)
KESTREL_TEXT_STUB(S, set_face, KTextStreamHandle, KFaceHandle)
KESTREL_TEXT_STUB(S, get_path_style, KTextStreamHandle, KPathStyle*)
KESTREL_TEXT_STUB(S, set_path_style, KTextStreamHandle, const KPathStyle*)
KESTREL_TEXT_STUB(S, get_char_dictionary, KTextStreamHandle, KDictionaryHandle)
KESTREL_TEXT_STUB(S, apply_char_dictionary, KTextStreamHandle, KDictionaryHandle)
KESTREL_TEXT_STUB(S, begin_span, KTextStreamHandle, int32_t*, int16_t*)
KESTREL_TEXT_STUB(S, set_span, KTextStreamHandle, int32_t*)
KESTREL_TEXT_STUB(S, end_span, KTextStreamHandle, int32_t*, int16_t*)
#undef S
KESTREL_TEXT_STUB("AI Text Suite", get_text_length, KArtHandle, int32_t*)
KESTREL_TEXT_STUB("AI Text Suite", get_text, KArtHandle, char*, int32_t)
KESTREL_TEXT_STUB("AI Text Face Style Suite", count_faces, int32_t*)
KESTREL_TEXT_STUB("AI Text Face Style Suite", get_nth_face, int32_t, KFaceHandle*)
KESTREL_TEXT_STUB("AI Text Face Style Suite", get_face_name, KFaceHandle, char*, int32_t)
KESTREL_TEXT_STUB("AI Dictionary Suite", create_dictionary, KDictionaryHandle*)
KESTREL_TEXT_STUB("AI Dictionary Suite", release_dictionary, KDictionaryHandle)
KESTREL_TEXT_STUB("AI Dictionary Suite", get_key, const char*, KDictKey*)
KESTREL_TEXT_STUB("AI Dictionary Suite", get_real_entry, KDictionaryHandle, KDictKey, KReal*)
KESTREL_TEXT_STUB("AI Dictionary Suite", set_real_entry, KDictionaryHandle, KDictKey, KReal)
#undef KESTREL_TEXT_STUB

const KTextStreamSuite kStreamSuite = {is_text_locked, open_stream, close_stream, set_position, get_position,
                                       get_char, get_char_style, set_char_style, get_face, set_face,
                                       get_path_style, set_path_style, get_char_dictionary, apply_char_dictionary,
                                       begin_span, set_span, end_span};
const KTextSuite kTextSuite = {get_text_length, get_text};
const KTextFaceStyleSuite kFaceSuite = {count_faces, get_nth_face, get_face_name};
const KDictionarySuite kDictionarySuite = {create_dictionary, release_dictionary, get_key, get_real_entry,
                                           set_real_entry};
}  // namespace

void register_text_suites(SuiteRegistry& registry) {
    registry.add(kAITextStreamSuite, kAITextStreamSuiteVersion, &kStreamSuite);
    registry.add(kAITextSuite, kAITextSuiteVersion, &kTextSuite);
    registry.add(kAITextFaceStyleSuite, kAITextFaceStyleSuiteVersion, &kFaceSuite);
    registry.add(kAIDictionarySuite, kAIDictionarySuiteVersion, &kDictionarySuite);
}
}  // namespace kestrel::host
