// text_suite_tables.hpp: the operation tables of the four text suites, each
// defined with its suite's functions and offered by register_text_suites().
#pragma once

#include "ai_text.h"

namespace kestrel::host {

extern const KTextStreamSuite kTextStreamSuiteTable;         // "AI Text Stream Suite" 5
extern const KTextSuite kTextSuiteTable;                     // "AI Text Suite" 4
extern const KTextFaceStyleSuite kTextFaceStyleSuiteTable;   // "AI Text Face Style Suite" 5
extern const KDictionarySuite kDictionarySuiteTable;         // "AI Dictionary Suite" 5

}  // namespace kestrel::host
