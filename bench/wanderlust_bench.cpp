// One Wanderlust preview regeneration: the generation of a chain of copies
// for 5 selected paths of 10 curves each, basic pattern on (four objects per
// copy), followed by the undo of that preview. Every iteration opens the
// dialog with Preview off, ticks Preview (undo of nothing, then a
// generation) and cancels (the undo of the whole preview), so one iteration
// costs what one preview regeneration costs while the dialog is open.
//
// Counters: objects made per iteration, time per object, and the process's
// peak resident memory.
#include <benchmark/benchmark.h>

#include <cmath>
#include <fstream>
#include <string>

#include <2geom/path.h>

#include "bench/bench_support.hpp"
#include "host/adm/dialog_manager.hpp"
#include "host/core/host.hpp"
#include "host/document/document.hpp"
#include "host/plugins/parameter_block.hpp"
#include "host/plugins/plugin_manager.hpp"

namespace kh = kestrel::host;
using kestrel::bench::peak_resident_mb;
using kestrel::bench::wobbly_path;

namespace {

void BM_WanderlustPreview(benchmark::State& state) {
    const int copies = static_cast<int>(state.range(0));
    kh::Host host;
    kh::Document& doc = host.document();
    for (int i = 0; i < 5; ++i) {
        kh::Art& art = doc.new_art(kPathArt, doc.current_layer());
        doc.set_path(art, wobbly_path(100 + 100 * i, 400, 30));
        doc.set_selected(art, true);
    }
    host.plugins().load_folder(KESTREL_PLUGIN_DIR);
    host.plugins().start_all();
    kh::Filter* filter = host.plugins().find_filter("wanderlust");
    if (filter == nullptr) {
        state.SkipWithError("TK57_Wanderlust is not in the plug-ins folder");
        return;
    }
    const kh::Resources& res = filter->plugin->resources;
    const std::size_t size = res.parameter_fields.size() * 4;
    host.dialogs().set_before_init([&](KPluginRef, void* block) {
        kh::set_parameter(res, block, size, "preview=0");
        kh::set_parameter(res, block, size, "basic_pattern=1");
        kh::set_parameter(res, block, size, "copies=" + std::to_string(copies));
    });
    std::size_t objects = 0;
    for (auto _ : state) {
        host.dialogs().push_script("check 3 1; cancel");
        host.plugins().get_parameters(*filter);
        objects = doc.art_count();
    }
    if (auto error = host.dialogs().take_error()) state.SkipWithError(error->c_str());
    const double made = 5.0 * copies * 4;
    state.counters["objects"] = made;
    state.counters["per_object"] = benchmark::Counter(made * static_cast<double>(state.iterations()),
                                                      benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
    state.counters["peak_MB"] = peak_resident_mb();
    (void)objects;
}

}  // namespace

BENCHMARK(BM_WanderlustPreview)->Arg(50)->Arg(200)->Arg(500)->Arg(2000)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
