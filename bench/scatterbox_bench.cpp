// One Scatterbox preview regeneration: the scatter run of N shapes with drop
// shadow and basic pattern on (each shape and its shadow with three mirror
// images: eight new objects per shape), followed by the undo of that preview.
// Every iteration opens the dialog with Preview off, ticks Preview (undo of
// nothing, then a run) and cancels (the undo of the whole preview and its
// layer), so one iteration costs what one preview regeneration costs while
// the dialog is open.
//
// Counters: objects made per iteration, time per shape, and the process's
// peak resident memory.
#include <benchmark/benchmark.h>

#include <fstream>
#include <string>

#include "bench/bench_support.hpp"
#include "host/adm/dialog_manager.hpp"
#include "host/core/host.hpp"
#include "host/document/document.hpp"
#include "host/plugins/parameter_block.hpp"
#include "host/plugins/plugin_manager.hpp"

namespace kh = kestrel::host;
using kestrel::bench::peak_resident_mb;

namespace {

void BM_ScatterboxPreview(benchmark::State& state) {
    const int shapes = static_cast<int>(state.range(0));
    kh::Host host;
    host.plugins().load_folder(KESTREL_PLUGIN_DIR);
    host.plugins().start_all();
    kh::Filter* filter = host.plugins().find_filter("scatterbox");
    if (filter == nullptr) {
        state.SkipWithError("TK57_Scatterbox is not in the plug-ins folder");
        return;
    }
    const kh::Resources& res = filter->plugin->resources;
    const std::size_t size = res.parameter_fields.size() * 4;
    host.dialogs().set_before_init([&](KPluginRef, void* block) {
        kh::set_parameter(res, block, size, "preview=0");
        kh::set_parameter(res, block, size, "drop_shadow=1");
        kh::set_parameter(res, block, size, "basic_pattern=1");
        kh::set_parameter(res, block, size, "number_of_shapes=" + std::to_string(shapes));
    });
    std::size_t made = 0;
    for (auto _ : state) {
        host.dialogs().push_script("check 3 1; cancel");
        host.plugins().get_parameters(*filter);
    }
    if (auto error = host.dialogs().take_error()) state.SkipWithError(error->c_str());
    // One more regeneration, kept, to count what a preview makes.
    host.dialogs().push_script("check 3 1; ok");
    host.plugins().get_parameters(*filter);
    made = host.document().art_count();
    state.counters["objects"] = static_cast<double>(made);
    state.counters["per_shape"] = benchmark::Counter(static_cast<double>(shapes) * static_cast<double>(state.iterations()),
                                                     benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
    state.counters["peak_MB"] = peak_resident_mb();
}

}  // namespace

BENCHMARK(BM_ScatterboxPreview)->Arg(100)->Arg(250)->Arg(500)->Arg(1000)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
