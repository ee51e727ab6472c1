// Ziggurat towers: the cost of one preview regeneration and the cost of a
// warped copy.
//
// BM_ZigguratPreview: towers for 3 selected paths of 10 curves each with
// reduce 0 (210 floors of blocks + 1 copies each) and a drop shadow behind
// every copy, then the undo of all of it. The dialog's Reduce box starts at
// 1, so reduce 0 cannot come through the dialog: the block is set directly
// and each iteration is "AI Go" as its own command followed by the undo of
// that command, which makes and removes exactly what a preview regeneration
// inside the open dialog makes and removes (plus the disposal and return of
// the 3 sources). blocks 0, 7 and 100 give 1,260, 10,080 and 127,260 objects.
//
// With a second argument of 1 every object's outline is read before the
// undo, as a renderer would read it; the copies' curves are then copied and
// mapped (without it they never are: a move only records its map).
//
// BM_ZigguratDialogPreview: the same towers with reduce 1 the way a user
// makes them: the dialog opens with Preview off, Preview is ticked (undo of
// nothing, then a generation) and Cancel undoes the preview.
//
// BM_ZigguratWarp: one floor of 1,000 copies of a 10-curve path, each
// wrapped in an envelope and warped; the draws are scripted so that every
// copy is warped, the fifteen styles in turn, with rotate on every other
// copy. Arg 0 runs the same floor without the warp, for comparison.
//
// Counters: objects made per iteration, time per object (per copy for the
// warp), and the process's peak resident memory.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

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

// A host with TK57_Ziggurat loaded and `sources` selected 10-curve paths.
struct Session {
    kh::Host host;
    kh::Filter* filter = nullptr;

    explicit Session(int sources) {
        kh::Document& doc = host.document();
        for (int i = 0; i < sources; ++i) {
            kh::Art& art = doc.new_art(kPathArt, doc.current_layer());
            doc.set_path(art, wobbly_path(100 + 100 * i, 400, 30));
            doc.set_selected(art, true);
        }
        host.plugins().load_folder(KESTREL_PLUGIN_DIR);
        host.plugins().start_all();
        filter = host.plugins().find_filter("ziggurat");
    }

    std::size_t block_size() const { return filter->plugin->resources.parameter_fields.size() * 4; }
    void set(void* block, const std::string& assignment) {
        kh::set_parameter(filter->plugin->resources, block, block_size(), assignment);
    }
    // Create the block through the dialog (Preview off, Cancel), then set fields.
    void make_block(const std::vector<std::string>& assignments) {
        host.dialogs().set_before_init([this](KPluginRef, void* block) { set(block, "preview=0"); });
        host.dialogs().push_script("cancel");
        host.plugins().get_parameters(*filter);
        host.dialogs().set_before_init({});
        for (const std::string& a : assignments) set(*filter->parameters, a);
    }
};

void report(benchmark::State& state, double per_iteration) {
    state.counters["objects"] = per_iteration;
    state.counters["per_object"] = benchmark::Counter(per_iteration * static_cast<double>(state.iterations()),
                                                      benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
    state.counters["peak_MB"] = peak_resident_mb();
}

// Arguments: blocks, and 1 to read every outline before the undo.
void BM_ZigguratPreview(benchmark::State& state) {
    const int blocks = static_cast<int>(state.range(0));
    const bool read = state.range(1) != 0;
    Session s(3);
    if (s.filter == nullptr) {
        state.SkipWithError("TK57_Ziggurat is not in the plug-ins folder");
        return;
    }
    s.make_block({"blocks=" + std::to_string(blocks), "reduce=0", "drop_shadow=1"});
    kh::Document& doc = s.host.document();
    std::size_t made = 0;
    for (auto _ : state) {
        const std::size_t before = doc.art_count();
        s.host.plugins().go(*s.filter, true);
        made = doc.art_count() + 3 - before;  // the 3 sources are disposed of
        if (read) {
            for (const kh::Art& art : kh::top_level(doc.current_layer())) {
                const Geom::Path& outline = art.path;
                benchmark::DoNotOptimize(outline.finalPoint());
            }
        }
        doc.undo_command();
    }
    if (made != 3u * 210u * static_cast<std::size_t>(blocks + 1) * 2u) state.SkipWithError("unexpected object count");
    report(state, static_cast<double>(made));
}

void BM_ZigguratDialogPreview(benchmark::State& state) {
    const int blocks = static_cast<int>(state.range(0));
    Session s(3);
    if (s.filter == nullptr) {
        state.SkipWithError("TK57_Ziggurat is not in the plug-ins folder");
        return;
    }
    s.host.dialogs().set_before_init([&](KPluginRef, void* block) {
        s.set(block, "preview=0");
        s.set(block, "blocks=" + std::to_string(blocks));
        s.set(block, "reduce=1");
        s.set(block, "drop_shadow=1");
    });
    // Floors of blocks + 1, blocks, ..., 1 copies, each copy with its shadow.
    const std::int64_t objects = 3 * (blocks + 1) * (blocks + 2) / 2 * 2;
    std::int64_t made = 0;
    for (auto _ : state) {
        s.host.dialogs().push_script("check 3 1; cancel");
        s.host.plugins().get_parameters(*s.filter);
        made = s.host.faults().calls("AI Art Suite/duplicate_art");
        s.host.faults().reset_counts();
    }
    if (auto error = s.host.dialogs().take_error()) state.SkipWithError(error->c_str());
    if (made != objects) state.SkipWithError("unexpected object count");
    report(state, static_cast<double>(objects));
}

// Eight warp draws per copy c: style 1 + c mod 15, bend 0.6 (negative on
// odd copies), distortions 0.2 and -0.3, rotate on odd copies.
std::vector<float> warp_draws(int copies) {
    std::vector<float> draws;
    draws.reserve(static_cast<std::size_t>(copies) * 8);
    for (int c = 0; c < copies; ++c) {
        const float sign = c % 2 == 0 ? 0.25f : 0.75f;  // + or -
        draws.insert(draws.end(), {(static_cast<float>(1 + c % 15) + 0.5f) / 18.0f, sign, 0.6f, 0.25f, 0.2f, 0.75f,
                                   0.3f, c % 2 == 1 ? 0.9f : 0.1f});
    }
    return draws;
}

void BM_ZigguratWarp(benchmark::State& state) {
    const bool warp = state.range(0) != 0;
    constexpr int kCopies = 1000;
    Session s(1);
    if (s.filter == nullptr) {
        state.SkipWithError("TK57_Ziggurat is not in the plug-ins folder");
        return;
    }
    s.make_block({"blocks=" + std::to_string(kCopies - 1), "reduce=" + std::to_string(kCopies),
                  std::string("warp=") + (warp ? "1" : "0")});
    const std::vector<float> draws = warp_draws(kCopies);
    std::int64_t warps = 0;
    for (auto _ : state) {
        if (warp) s.host.random().script(draws);
        s.host.plugins().go(*s.filter, true);
        s.host.document().undo_command();
        warps = s.host.faults().calls("AI Envelope Suite/apply_warp");
        s.host.faults().reset_counts();
    }
    if (warp && warps != kCopies) state.SkipWithError("not every copy was warped");
    report(state, kCopies);
}

}  // namespace

BENCHMARK(BM_ZigguratPreview)
    ->Args({0, 0})->Args({7, 0})->Args({30, 0})->Args({100, 0})
    ->Args({7, 1})->Args({100, 1})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ZigguratDialogPreview)->Arg(30)->Arg(100)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ZigguratWarp)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
