// bench_support.hpp: what the filters' benchmarks share: the process's peak
// resident memory for their counters and a source path of ten curves.
#pragma once

#include <cmath>
#include <fstream>
#include <string>

#include <2geom/path.h>

namespace kestrel::bench {

// Peak resident memory of this process, in megabytes (0 when unknown).
inline double peak_resident_mb() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmHWM:", 0) == 0) return std::stod(line.substr(6)) / 1024.0;
    }
    return 0;
}

// A closed path of ten cubic curves around (cx, cy), points.
inline Geom::Path wobbly_path(double cx, double cy, double r) {
    Geom::Path p(Geom::Point(cx + r, cy));
    for (int i = 0; i < 10; ++i) {
        const double a0 = 2 * M_PI * i / 10, a1 = 2 * M_PI * (i + 1) / 10;
        const double rr = (i % 2) ? r : r * 0.7;
        p.appendNew<Geom::CubicBezier>(Geom::Point(cx + rr * std::cos(a0 + 0.1), cy + rr * std::sin(a0 + 0.1)),
                                       Geom::Point(cx + rr * std::cos(a1 - 0.1), cy + rr * std::sin(a1 - 0.1)),
                                       Geom::Point(cx + r * std::cos(a1), cy + r * std::sin(a1)));
    }
    p.close();
    return p;
}

}  // namespace kestrel::bench
