// text_suites.cpp: offers the four text suites to a new host. A new host
// starts without streams or dictionaries; any left by an earlier one go stale.
#include "host/core/suite_registry.hpp"
#include "host/text/text_objects.hpp"
#include "host/text/text_suite_tables.hpp"

namespace kestrel::host {

void register_text_suites(SuiteRegistry& registry) {
    reset_text_objects();
    registry.add(kAITextStreamSuite, kAITextStreamSuiteVersion, &kTextStreamSuiteTable);
    registry.add(kAITextSuite, kAITextSuiteVersion, &kTextSuiteTable);
    registry.add(kAITextFaceStyleSuite, kAITextFaceStyleSuiteVersion, &kTextFaceStyleSuiteTable);
    registry.add(kAIDictionarySuite, kAIDictionarySuiteVersion, &kDictionarySuiteTable);
}

}  // namespace kestrel::host
