// error_reporter.cpp: the "Plug-in Error" dialog for a failed message, and
// the About box.
//
// The error table is string list 16050: from entry 1 on, a code entry (a
// number such as "-108", or a four-character code such as "!sel") followed
// by its message; the list ends at the first empty entry, and a code that no
// pair matches gets the message of the last pair.
#include "shell/shell_private.h"

namespace {

// The error dialog's user data: the two texts it shows, one after the other.
struct ErrorTexts {
    char message[kShellTextBufferSize]; // the sentence of the error table
    char code[kShellTextBufferSize];    // the code as the user reads it: "-108", "!MEM"
};

bool is_number_entry(const char* text) { return text[0] == '-' || (text[0] >= '0' && text[0] <= '9'); }

// The code an error-table entry stands for. A number entry is parsed by
// the host's number parser, cut toward zero and taken as a 16-bit number;
// any other entry packs its first four characters. False when a number
// entry cannot be parsed.
bool entry_code(char* text, KResult* out_code) {
    if (is_number_entry(text)) {
        if (!shell_c_to_pascal(text)) return false;
        KReal value = 0;
        if (gUserSuite->string_to_real(reinterpret_cast<const unsigned char*>(text), &value) != kNoErr) return false;
        if (!(value > -2147483648.0f && value < 2147483648.0f)) return false;
        *out_code = static_cast<int16_t>(static_cast<int32_t>(value));
        return true;
    }
    uint32_t packed = 0;
    for (int i = 0; i < 4; ++i) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        packed = (packed << 8) | c;
        if (c == '\0') {
            packed <<= 8 * (3 - i);
            break;
        }
    }
    *out_code = static_cast<KResult>(packed);
    return true;
}

// The code as text: a small number in decimals, else its four characters.
bool code_text(KResult code, char* out_text) {
    const uint32_t upper = static_cast<uint32_t>(code) >> 16;
    if (upper == 0 || upper == 0xffff) {
        if (gUserSuite->real_to_string(static_cast<KReal>(code), 0, reinterpret_cast<unsigned char*>(out_text)) !=
            kNoErr) {
            return false;
        }
    } else {
        shell_code_to_pascal(code, out_text);
    }
    shell_pascal_to_c(out_text);
    return true;
}

KResult error_init(KADMDialog dialog) {
    void* data = nullptr;
    if (gADMDialogSuite->get_user_data(dialog, &data) != kNoErr || data == nullptr) return kNoErr;
    const ErrorTexts* texts = static_cast<const ErrorTexts*>(data);
    KADMItem item = nullptr;
    if (gADMDialogSuite->get_item(dialog, kADMOKItem, &item) == kNoErr && item != nullptr) {
        gADMItemSuite->set_notify_proc(item, shell_default_notify);
    }
    if (gADMDialogSuite->get_item(dialog, 2, &item) == kNoErr && item != nullptr) {
        gADMItemSuite->set_text(item, texts->message);
    }
    if (gADMDialogSuite->get_item(dialog, 3, &item) == kNoErr && item != nullptr) {
        gADMItemSuite->set_text(item, texts->code);
    }
    return kNoErr;
}

KResult about_init(KADMDialog dialog) {
    KADMItem item = nullptr;
    if (gADMDialogSuite->get_item(dialog, kADMOKItem, &item) == kNoErr && item != nullptr) {
        gADMItemSuite->set_notify_proc(item, shell_default_notify);
    }
    return kNoErr;
}

}  // namespace

void shell_default_notify(KADMItem item, KADMNotifier notifier) {
    if (gADMItemSuite != nullptr) gADMItemSuite->default_notify(item, notifier);
}

void shell_report_error(KSPMessageData* message, KResult code) {
    if (code == kNoErr || code == kCanceledErr) return;
    // Nothing can be shown without the dialog manager (and the number
    // parser the table needs).
    if (gADMBasicSuite == nullptr || gADMDialogSuite == nullptr || gADMItemSuite == nullptr || gUserSuite == nullptr) {
        return;
    }
    int32_t i = 1;
    bool found = false;
    for (;;) {
        char entry[kShellTextBufferSize] = {};
        if (gADMBasicSuite->get_indexed_string(message->self, kShellErrorStrings, i, entry, kShellTextBufferSize - 1) !=
            kNoErr) {
            return;
        }
        if (entry[0] == '\0') break;
        KResult value = 0;
        if (entry_code(entry, &value) && value == code) {
            found = true;
            break;
        }
        i += 2;
    }
    // Entry 0 is a note, not a message: an empty table has nothing to say.
    if (!found && i == 1) return;

    ErrorTexts texts = {};
    if (gADMBasicSuite->get_indexed_string(message->self, kShellErrorStrings, found ? i + 1 : i - 1, texts.message,
                                           kShellTextBufferSize) != kNoErr) {
        return;
    }
    if (!code_text(code, texts.code)) return;
    int32_t item = 0;
    gADMDialogSuite->modal(message->self, "Error Dialog", kShellErrorDialog, 0, error_init, &texts, &item);
}

void shell_about(KSPMessageData* message) {
    if (gADMDialogSuite == nullptr || gADMItemSuite == nullptr) return;
    int32_t item = 0;
    gADMDialogSuite->modal(message->self, "About Dialog", kShellAboutDialog, 0, about_init, nullptr, &item);
}
