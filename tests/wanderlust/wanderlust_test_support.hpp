// wanderlust_test_support.hpp: the shared deliverable fixture with
// TK57_Wanderlust loaded, and the 10 by 10 square its tests select.
#pragma once

#include "filters/wanderlust/wanderlust_parameters.h"
#include "tests/support/filter_test.hpp"

namespace kestrel::test {

class WanderlustTest : public FilterTest<WanderlustParameters> {
protected:
    WanderlustTest() : FilterTest("TK57_Wanderlust") {}

    // A selected 10 by 10 square with its lower left corner at (x, y).
    host::Art& selected_square(double x = 0, double y = 0) { return selected_rect(x, y, 10, 10); }
};

}  // namespace kestrel::test
