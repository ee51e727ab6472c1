// unwarped_content.hpp: what the paths of each warped envelope looked like
// before the warp, so that a later warp of the same envelope restarts from
// the unwarped shape instead of warping the warp.
//
// The envelope suite records, per envelope, each content path's outline
// before and after the warp. A later warp restarts from the outlines before
// only while the content still holds exactly the outlines after (the same
// paths, unchanged); content changed since (moved, undone, edited) counts as
// the new unwarped shape. So a stale record can never corrupt content.
#pragma once

#include <cstddef>
#include <unordered_map>
#include <vector>

#include <2geom/path.h>

#include "kestrel_types.h"

namespace kestrel::host {

class Document;

// One content path of an envelope as the last warp left it.
struct WarpedPath {
    KArtHandle art = nullptr;  // the content path
    Geom::Path before;         // outline before the warp, points
    Geom::Path after;          // outline the warp produced, points
};

class UnwarpedContent {
public:
    // The store of the current document; a new document starts it afresh.
    static UnwarpedContent& of(const Document& document);

    // The record of an envelope, or null.
    const std::vector<WarpedPath>* find(KArtHandle envelope) const;
    void record(KArtHandle envelope, std::vector<WarpedPath> paths);
    void forget(KArtHandle envelope);
    std::size_t size() const { return records_.size(); }

private:
    // Drops the records of envelopes whose handles went stale, when the store
    // has doubled since the last sweep.
    void sweep();

    const Document* document_ = nullptr;
    std::unordered_map<KArtHandle, std::vector<WarpedPath>> records_;
    std::size_t swept_size_ = 0;
};

}  // namespace kestrel::host
