// path_bounds.hpp: exact geometric bounds of a path, computed in closed form
// for lines and quadratic and cubic Beziers (the curves the host makes), and
// through lib2geom for any other curve. Art bounds are read for every copy a
// filter makes, so this stays free of allocation.
#pragma once

#include <2geom/path.h>
#include <2geom/rect.h>

namespace kestrel::host {

Geom::OptRect exact_path_bounds(const Geom::Path& path);

}  // namespace kestrel::host
