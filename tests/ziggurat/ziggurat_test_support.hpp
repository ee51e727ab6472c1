// ziggurat_test_support.hpp: the shared deliverable fixture with
// TK57_Ziggurat loaded.
#pragma once

#include "filters/ziggurat/ziggurat_parameters.h"
#include "tests/support/filter_test.hpp"

namespace kestrel::test {

class ZigguratTest : public FilterTest<ZigguratParameters> {
protected:
    ZigguratTest() : FilterTest("TK57_Ziggurat") {}
};

}  // namespace kestrel::test
