/* ai_envelope.h: "AI Envelope Suite" 1: envelopes and warps. */
#ifndef KESTREL_AI_ENVELOPE_H
#define KESTREL_AI_ENVELOPE_H

#include "kestrel_types.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kAIEnvelopeSuite "AI Envelope Suite"
#define kAIEnvelopeSuiteVersion 1

/* Envelope options. */
typedef struct KEnvelopeOptions {
    int32_t flags;      /* the host's option bits; 0 */
    int32_t fidelity;   /* 0..100, how closely the content follows the envelope */
} KEnvelopeOptions;

/* Warp styles 1..15. */
enum {
    kWarpArc = 1, kWarpArcLower, kWarpArcUpper, kWarpArch, kWarpBulge, kWarpShellLower,
    kWarpShellUpper, kWarpFlag, kWarpWave, kWarpFish, kWarpRise, kWarpFisheye,
    kWarpInflate, kWarpSqueeze, kWarpTwist
};

typedef struct KEnvelopeSuite {
    /* Wrap count objects in a new envelope art (kEnvelopeArt) whose content
     * they become; the shape art, when not null, is consumed (its handle goes
     * stale). The envelope takes the place of the first object. */
    KResult (*make_envelope)(KArtHandle *art, int32_t count, KArtHandle shape, const KEnvelopeOptions *options, KArtHandle *out_envelope);
    /* Distort the envelope's content by a warp style 1..15, bend and the two
     * distortions in -1..1 (0 is none); rotate 1 turns the warp's axis to
     * vertical. A style outside 1..15 leaves the plain envelope. */
    KResult (*apply_warp)(KArtHandle envelope, int32_t style, KReal bend, KReal horizontal_distortion, KReal vertical_distortion, KBool rotate);
} KEnvelopeSuite;

#ifdef __cplusplus
}
#endif

#endif /* KESTREL_AI_ENVELOPE_H */
