/* ai_text.h: text: "AI Text Stream Suite" 5, "AI Text Suite" 4, "AI Text
 * Face Style Suite" 5 and "AI Dictionary Suite" 5.
 *
 * A stream is opened over one text object and positioned on one character
 * at a time; that character's attributes are read and written through it.
 * The caller closes every stream it opens and releases every dictionary it
 * creates.
 */
#ifndef KESTREL_AI_TEXT_H
#define KESTREL_AI_TEXT_H

#include "kestrel_types.h"

#ifdef __cplusplus
extern "C" {
#endif

/* The typographic attributes of one character. */
typedef struct KCharStyle {
    KReal font_size;        /* points */
    KReal baseline_shift;   /* points, up */
    int32_t tracking;       /* thousandths of an em */
    KReal horizontal_scale; /* 1.0 is 100 percent */
    KReal vertical_scale;   /* 1.0 is 100 percent */
    KReal leading;          /* points */
    int32_t reserved[6];    /* the host's; passed back unchanged */
} KCharStyle;

#define kAITextStreamSuite "AI Text Stream Suite"
#define kAITextStreamSuiteVersion 5

typedef struct KTextStreamSuite {
    /* out_yes 1 when the text object cannot be walked in this mode (it is
     * then skipped). kBadParameterErr for art that is not text. */
    KResult (*is_text_locked)(KArtHandle text_art, int32_t mode, KBool *out_yes);
    KResult (*open_stream)(KArtHandle text_art, int32_t mode, KTextStreamHandle *out_stream);
    KResult (*close_stream)(KTextStreamHandle stream);
    /* Position on a character: characters are numbered 0 .. n-1 from the
     * first; with direction -1 offset o names character o, with direction +1
     * offset o names character -o (0, -1, -2, ...). kTextOutOfRangeErr
     * ("SKSM") outside the text; the position is then unchanged. */
    KResult (*set_position)(KTextStreamHandle stream, int32_t offset, int32_t direction);
    /* The current position, counted in direction (1: from the start). */
    KResult (*get_position)(KTextStreamHandle stream, int32_t direction, int32_t *out_position);
    KResult (*get_char)(KTextStreamHandle stream, uint16_t *out_char);
    KResult (*get_char_style)(KTextStreamHandle stream, KCharStyle *out_style);
    KResult (*set_char_style)(KTextStreamHandle stream, const KCharStyle *style);
    KResult (*get_face)(KTextStreamHandle stream, KFaceHandle *out_face);
    KResult (*set_face)(KTextStreamHandle stream, KFaceHandle face);
    KResult (*get_path_style)(KTextStreamHandle stream, KPathStyle *out_style);
    KResult (*set_path_style)(KTextStreamHandle stream, const KPathStyle *style);
    /* Copy the character's attribute dictionary into dict. */
    KResult (*get_char_dictionary)(KTextStreamHandle stream, KDictionaryHandle dict);
    /* Apply the entries of dict to the character. */
    KResult (*apply_char_dictionary)(KTextStreamHandle stream, KDictionaryHandle dict);
    /* The one-character span: begin with *value 1 (the host fills *out_state),
     * set with the value alone, end with both. */
    KResult (*begin_span)(KTextStreamHandle stream, int32_t *value, int16_t *out_state);
    KResult (*set_span)(KTextStreamHandle stream, int32_t *value);
    KResult (*end_span)(KTextStreamHandle stream, int32_t *value, int16_t *state);
} KTextStreamSuite;

#define kAITextSuite "AI Text Suite"
#define kAITextSuiteVersion 4

/* Whole-text access. Acquired by TK57_Glyphstorm, called by none. */
typedef struct KTextSuite {
    KResult (*get_text_length)(KArtHandle text_art, int32_t *out_length);
    /* Copy the text as UTF-8 (at most max_len bytes with the zero). */
    KResult (*get_text)(KArtHandle text_art, char *out_text, int32_t max_len);
} KTextSuite;

#define kAITextFaceStyleSuite "AI Text Face Style Suite"
#define kAITextFaceStyleSuiteVersion 5

typedef struct KTextFaceStyleSuite {
    KResult (*count_faces)(int32_t *out_count);
    /* The face at index 0..count-1. */
    KResult (*get_nth_face)(int32_t index, KFaceHandle *out_face);
    KResult (*get_face_name)(KFaceHandle face, char *out_name, int32_t max_len);
} KTextFaceStyleSuite;

#define kAIDictionarySuite "AI Dictionary Suite"
#define kAIDictionarySuiteVersion 5

typedef struct KDictionarySuite {
    /* A new empty dictionary, owned by the caller until released. */
    KResult (*create_dictionary)(KDictionaryHandle *out_dict);
    KResult (*release_dictionary)(KDictionaryHandle dict);
    /* The key for a name; keys are the host's and need no release. */
    KResult (*get_key)(const char *name, KDictKey *out_key);
    /* The real under key; kBadParameterErr when absent. */
    KResult (*get_real_entry)(KDictionaryHandle dict, KDictKey key, KReal *out_value);
    KResult (*set_real_entry)(KDictionaryHandle dict, KDictKey key, KReal value);
} KDictionarySuite;

#ifdef __cplusplus
}
#endif

#endif /* KESTREL_AI_TEXT_H */
