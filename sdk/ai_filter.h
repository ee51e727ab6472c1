/* ai_filter.h: the Filter menu: "AI Filter Suite" 2 and "AI Menu Suite" 7. */
#ifndef KESTREL_AI_FILTER_H
#define KESTREL_AI_FILTER_H

#include "kestrel_types.h"

#ifdef __cplusplus
extern "C" {
#endif

/* Registration record: both texts length-prefixed (length byte first). */
typedef struct KPlatformFilterData {
    const unsigned char *category; /* menu category, such as "Kestrel <Paths>" */
    const unsigned char *title;    /* menu title, such as "Wanderlust..." */
} KPlatformFilterData;

#define kAIFilterSuite "AI Filter Suite"
#define kAIFilterSuiteVersion 2

typedef struct KFilterSuite {
    /* Register a filter under a name (zero-terminated); the host copies the
     * texts and keeps the filter for the session. */
    KResult (*add_filter)(KPluginRef self, const char *name, const KPlatformFilterData *data, int32_t options, KFilterHandle *out_filter);
    /* The filter's menu item. */
    KResult (*get_filter_menu_item)(KFilterHandle filter, KMenuItemHandle *out_item);
    KResult (*count_filters)(int32_t *out_count);
} KFilterSuite;

#define kAIMenuSuite "AI Menu Suite"
#define kAIMenuSuiteVersion 7

typedef struct KMenuSuite {
    /* Enable the item automatically: an action and six condition words,
     * kept with the item as given. */
    KResult (*update_menu_item_automatically)(KMenuItemHandle item, int32_t action, int32_t if_type, int32_t if_not_type,
                                              int32_t if_selected, int32_t if_not_selected, int32_t if_is, int32_t if_not_is);
    KResult (*set_item_enabled)(KMenuItemHandle item, KBool enabled);
} KMenuSuite;

#ifdef __cplusplus
}
#endif

#endif /* KESTREL_AI_FILTER_H */
