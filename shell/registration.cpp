// registration.cpp: registers the deliverable's one filter from string list
// 16000 (entry 1 the menu category, entry 2 the title) and gives its menu
// item automatic enabling.
#include "shell/shell_private.h"

KResult shell_register_filter(KSPMessageData* message) {
    if (gADMBasicSuite == nullptr || gFilterSuite == nullptr || gMenuSuite == nullptr) return kSuiteNotFoundErr;
    const KShellDeliverable& d = kShellDeliverable;
    int32_t index = 1;
    int32_t count = 0;
    do {
        char category[kShellRegistrationBufferSize] = {};
        char title[kShellRegistrationBufferSize] = {};
        // A failed read is taken as an empty text: nothing to register.
        if (gADMBasicSuite->get_indexed_string(message->self, kShellRegistrationStrings, index, category,
                                               kShellRegistrationBufferSize) != kNoErr) {
            category[0] = '\0';
        }
        if (category[0] == '\0') break;
        if (gADMBasicSuite->get_indexed_string(message->self, kShellRegistrationStrings, index + 1, title,
                                               kShellRegistrationBufferSize) != kNoErr) {
            title[0] = '\0';
        }
        shell_c_to_pascal(category);
        shell_c_to_pascal(title);

        KPlatformFilterData data;
        data.category = reinterpret_cast<const unsigned char*>(category);
        data.title = reinterpret_cast<const unsigned char*>(title);
        KResult result = gFilterSuite->add_filter(message->self, d.filter_name, &data, 0, &gShellGlobals->filter);
        if (result != kNoErr) return result;

        KMenuItemHandle item = nullptr;
        result = gFilterSuite->get_filter_menu_item(gShellGlobals->filter, &item);
        if (result != kNoErr) return result;
        result = gMenuSuite->update_menu_item_automatically(item, d.enable_action, d.enable_words[0], d.enable_words[1],
                                                            d.enable_words[2], d.enable_words[3], d.enable_words[4],
                                                            d.enable_words[5]);
        if (result != kNoErr) return result;

        index += 2;
        ++count;
    } while (index < 2);
    gShellGlobals->filter_count = count;
    return kNoErr;
}
