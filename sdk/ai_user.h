/* ai_user.h: "AI User Suite" 5: number parsing and formatting. */
#ifndef KESTREL_AI_USER_H
#define KESTREL_AI_USER_H

#include "kestrel_types.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kAIUserSuite "AI User Suite"
#define kAIUserSuiteVersion 5

typedef struct KUserSuite {
    /* Parse a real from a length-prefixed text (length byte first). Text
     * that is not a number answers kBadParameterErr and 0. */
    KResult (*string_to_real)(const unsigned char *text, KReal *out_value);
    /* Format a real with decimals places (0..10) as a length-prefixed text
     * into out_text, which holds at least 256 bytes. */
    KResult (*real_to_string)(KReal value, int16_t decimals, unsigned char *out_text);
} KUserSuite;

#ifdef __cplusplus
}
#endif

#endif /* KESTREL_AI_USER_H */
