// unwarped_content.cpp: the per-document store of envelopes' unwarped outlines.
#include "host/envelope/unwarped_content.hpp"

#include <algorithm>

#include "host/document/document.hpp"

namespace kestrel::host {

UnwarpedContent& UnwarpedContent::of(const Document& document) {
    // One store, for the document in use; all calls run on the UI thread.
    // A different document (even one at the address of a freed one) only
    // costs the records: a mismatching record is never used (see the header).
    static UnwarpedContent store;
    if (store.document_ != &document) {
        store.records_.clear();
        store.document_ = &document;
        store.swept_size_ = 0;
    }
    return store;
}

const std::vector<WarpedPath>* UnwarpedContent::find(KArtHandle envelope) const {
    const auto it = records_.find(envelope);
    return it != records_.end() ? &it->second : nullptr;
}

void UnwarpedContent::record(KArtHandle envelope, std::vector<WarpedPath> paths) {
    records_[envelope] = std::move(paths);
    if (records_.size() > std::max<std::size_t>(1024, 2 * swept_size_)) sweep();
}

void UnwarpedContent::forget(KArtHandle envelope) { records_.erase(envelope); }

void UnwarpedContent::sweep() {
    std::erase_if(records_, [&](const auto& entry) { return document_->art_from(entry.first) == nullptr; });
    swept_size_ = records_.size();
}

}  // namespace kestrel::host
