// style_suites.hpp: registration of "AI Path Style Suite" 5, "AI Blend Style
// Suite" 2 and "AI Transform Art Suite" 1; called by register_art_suites.
#pragma once

#include "host/core/suite_registry.hpp"

namespace kestrel::host {

void register_style_suites(SuiteRegistry& registry);

}  // namespace kestrel::host
