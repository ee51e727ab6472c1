// ziggurat_generation.cpp: the towers of TK57_Ziggurat. For every selected
// object, from the last list entry to the first, floors of copies are laid
// in front of all art: the base floor of blocks + 1 copies, each floor above
// it shorter by reduce and centred over the base, spaced by the block and
// floor spacing rules, each copy optionally restyled, doubled on a
// checkerboard, given a drop shadow and wrapped in a warped envelope. A
// preview leaves the sources alone; the run for "AI Go" disposes of them.
#include <cmath>

#include "filters/ziggurat/ziggurat_dialog.h"
#include "filters/ziggurat/ziggurat_parameters.h"
#include "shell/drop_shadow.h"

namespace {

// A tower never has more floors than this, whatever reduce is.
constexpr int32_t kMaxFloors = 210;
// One third as the nearest 32-bit real.
constexpr double kThird = 0.33333334f;

KReal draw() { return shell_draw(); }

// -1 for a draw above one half, else +1.
KReal sign_from(KReal r) { return r > 0.5f ? -1.0f : 1.0f; }

// What stays fixed for one run.
struct Run {
    const ZigguratParameters* p;
    KShellRestyle restyle;  // fill, stroke, width and swatch flags, the swatch count
    KReal block_gap;
    int32_t block_method;
    KReal floor_gap;
    int32_t floor_method;
};

// Wrap the copy in an envelope of its own shape and warp it. The eight
// draws are made even when the style leaves the envelope plain.
KResult warp(KArtHandle copy) {
    KArtHandle shape = nullptr;
    KResult result = gArtSuite->duplicate_art(copy, kPlaceAboveAll, copy, &shape);
    if (result != kNoErr) return result;
    KArtHandle contents[1] = {copy};
    const KEnvelopeOptions options = {0, 50};
    KArtHandle envelope = nullptr;
    result = gEnvelopeSuite->make_envelope(contents, 1, shape, &options, &envelope);
    if (result != kNoErr) return result;
    const int32_t style = static_cast<int32_t>(std::trunc(static_cast<double>(draw()) * 18.0));
    KReal sign = sign_from(draw());
    const KReal bend = draw() * sign;
    sign = sign_from(draw());
    const KReal horizontal = draw() * sign;
    sign = sign_from(draw());
    const KReal vertical = draw() * sign;
    const KBool rotate = draw() > 0.5f ? 1 : 0;
    if (style >= 1 && style <= 15) {
        result = gEnvelopeSuite->apply_warp(envelope, style, bend, horizontal, vertical, rotate);
        if (result != kNoErr) return result;
    }
    return kNoErr;
}

// Spacing rule shared by blocks and floors: the new offset from the old one,
// the index (block index i, or floor count n), the gap and the object's
// size along the axis.
KReal next_offset(int32_t code, KReal offset, int32_t index, KReal gap, KReal size) {
    const double o = offset;
    const double g = gap;
    const double n = index;
    const bool odd = index % 2 != 0;
    double out = o;
    switch (code) {
        case 0: out = o + g; break;
        case 1: out = o + n * g; break;
        case 2: out = o + g + n; break;
        case 3: out = odd ? o + g * 0.5 : o + g; break;
        case 4: out = o + g / (n + 1.0); break;
        case 5: out = odd ? o + g : o + g / (n + 1.0); break;
        case 6: out = o + static_cast<double>(draw()) * g; break;
        case 7: out = n * (static_cast<double>(size) + g); break;
        case 8: out = n * (static_cast<double>(size) + static_cast<double>(draw()) * g); break;
        case 9: out = n * size + (odd ? g * 0.5 : g); break;
        case 10: out = o + g - n; break;
        case 11: out = o + static_cast<double>(index % 10) * g; break;
        case 12: out = index % 3 != 0 ? o + g * kThird : o + g; break;
        case 13: out = index % 4 != 0 ? o + g * 0.25 : o + g; break;
        case 14: out = index % 3 != 0 ? o + g * kThird : o + g * 0.5; break;
        default: break;
    }
    return static_cast<KReal>(out);
}

// The floor rule counts floors from 1 where the block rule counts blocks
// from 0, so rules 4 and 5 divide by n itself.
KReal next_floor_offset(int32_t code, KReal offset, int32_t n, KReal gap, KReal height) {
    if (code == 4) return static_cast<KReal>(offset + static_cast<double>(gap) / n);
    if (code == 5) {
        return static_cast<KReal>(n % 2 == 0 ? offset + static_cast<double>(gap) / n
                                             : static_cast<double>(offset) + gap);
    }
    return next_offset(code, offset, n, gap, height);
}

// Copy i of floor j: place, style, and decorate one copy.
KResult place_copy(const Run& run, KArtHandle source, KReal cx, KReal cy, int32_t i, int32_t j, KReal x, KReal s,
                   KReal y) {
    const ZigguratParameters& p = *run.p;
    KArtHandle copy = nullptr;
    KResult result = gArtSuite->duplicate_art(source, kPlaceAboveAll, source, &copy);
    if (result != kNoErr) return result;

    KMatrix matrix{};
    gRealMathSuite->matrix_set_translate(&matrix, -cx, -cy);
    if (p.alternate == 1 && i % 2 != j % 2) gRealMathSuite->matrix_concat_scale(&matrix, 2.0f, 2.0f);
    gRealMathSuite->matrix_concat_translate(&matrix, cx, cy);
    gRealMathSuite->matrix_concat_translate(&matrix, static_cast<KReal>(static_cast<double>(x) + s), y);

    int16_t type = kUnknownArt;
    gArtSuite->get_art_type(copy, &type);
    result = shell_restyle_and_transform(copy, type, &run.restyle, &matrix);
    if (result != kNoErr) return result;

    if (p.opacity == 1) gBlendStyleSuite->set_opacity(copy, draw());
    if (p.blend == 1) {
        int32_t mode = static_cast<int32_t>(std::trunc(static_cast<double>(draw()) * 20.0));
        if (mode > 15) mode = 0;
        gBlendStyleSuite->set_blending_mode(copy, mode);
    }
    if (p.drop_shadow == 1) {
        const KShellShadowOptions shadow = {p.half_fill_shadow, p.shadow_direction, p.shadow_opacity,
                                            p.shadow_scaling};
        result = shell_drop_shadow(copy, &shadow, nullptr);
        if (result != kNoErr) return result;
    }
    if (p.warp == 1) {
        result = warp(copy);
        if (result != kNoErr) return result;
    }
    return kNoErr;
}

// The tower of one source object.
KResult make_tower(const Run& run, KArtHandle source) {
    KRealRect bounds{};
    KResult result = gArtSuite->get_bounds(source, &bounds);
    if (result != kNoErr) return result;
    const KReal w = static_cast<KReal>(static_cast<double>(bounds.right) - bounds.left);
    const KReal h = static_cast<KReal>(static_cast<double>(bounds.top) - bounds.bottom);
    const KReal cx = static_cast<KReal>(bounds.left + w / 2.0);
    const KReal cy = static_cast<KReal>(bounds.bottom + h / 2.0);

    // Negative counts would never end the copy loop (blocks) or only widen
    // the floors (reduce); both are taken as 0.
    int32_t k = run.p->blocks < 0 ? 0 : run.p->blocks;
    const int32_t reduce = run.p->reduce < 0 ? 0 : run.p->reduce;
    KReal y = 0.0f;
    KReal s = 0.0f;
    KReal x0 = 0.0f;
    int32_t n0 = 0;
    for (int32_t j = 0; j < kMaxFloors; ++j) {
        // Copies 0 to k; the offset moves on after every copy but the last,
        // and the loop ends on i == k so that no count can overflow i.
        KReal x = 0.0f;
        for (int32_t i = 0;; ++i) {
            result = place_copy(run, source, cx, cy, i, j, x, s, y);
            if (result != kNoErr) return result;
            if (i == k) break;
            x = next_offset(run.block_method, x, i, run.block_gap, w);
        }
        if (j == 0) {
            x0 = x;
            n0 = k;
        }
        k -= reduce;
        if (k < 0) break;
        // Centre the shorter floor over the base floor; a base floor of one
        // copy leaves every floor over it.
        s = n0 == 0 ? 0.0f
                    : static_cast<KReal>((x0 - static_cast<double>(k) * x0 / n0) * 0.5);
        y = next_floor_offset(run.floor_method, y, j + 1, run.floor_gap, h);
    }
    return kNoErr;
}

KResult make_towers(void* block) {
    const ZigguratParameters& p = *static_cast<const ZigguratParameters*>(block);
    // A collection that fails leaves no list: no towers.
    KShellGlobals* g = shell_globals();
    if (g->selection_count == -1) shell_selection_collect();

    Run run{&p, {p.fill, p.stroke, p.width, p.fill_swatches, p.stroke_swatches, 0}, p.block_gap, p.block_gap_method,
            p.floor_gap, p.floor_gap_method};
    gSwatchListSuite->count_swatches(nullptr, &run.restyle.swatch_count);
    if (p.link_gap == 1) {
        run.floor_gap = p.block_gap;
        run.floor_method = p.block_gap_method;
    }
    for (int32_t i = g->selection_count - 1; i >= 0; --i) {
        KArtHandle source = shell_selection_entry(i);
        if (source == nullptr) continue;
        const KResult result = make_tower(run, source);
        if (result != kNoErr) return result;
    }
    return kNoErr;
}

bool suites_present() {
    return gArtSuite != nullptr && gRealMathSuite != nullptr && gPathStyleSuite != nullptr &&
           gTransformArtSuite != nullptr && gSwatchListSuite != nullptr && gRandomSuite != nullptr &&
           gDocumentSuite != nullptr && gBlendStyleSuite != nullptr && gEnvelopeSuite != nullptr;
}

}  // namespace

KResult ziggurat_generate(void* block) {
    return shell_generation_run(block, suites_present() ? 1 : 0, make_towers);
}
