// text_helpers.cpp: zero-terminated and length-prefixed texts (one length
// byte, then the characters), as the registration and number parsing need.
#include "shell/kestrel_shell.h"

int32_t shell_text_length(const char* text) {
    int32_t n = 0;
    while (text[n] != '\0') ++n;
    return n;
}

KBool shell_c_to_pascal(char* text) {
    const int32_t n = shell_text_length(text);
    if (n >= 256) return 0;
    for (int32_t i = n; i > 0; --i) text[i] = text[i - 1];
    text[0] = static_cast<char>(static_cast<unsigned char>(n));
    return 1;
}

void shell_pascal_to_c(char* text) {
    const int32_t n = static_cast<unsigned char>(text[0]);
    for (int32_t i = 0; i < n; ++i) text[i] = text[i + 1];
    text[n] = '\0';
}

void shell_code_to_pascal(KResult code, char* out_text) {
    const uint32_t bits = static_cast<uint32_t>(code);
    out_text[0] = 4;
    out_text[1] = static_cast<char>((bits >> 24) & 0xff);
    out_text[2] = static_cast<char>((bits >> 16) & 0xff);
    out_text[3] = static_cast<char>((bits >> 8) & 0xff);
    out_text[4] = static_cast<char>(bits & 0xff);
}
