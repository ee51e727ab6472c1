// The undo journal of the current command: recording the data of art before
// its first change, reverting the recorded changes newest first, and making
// them permanent when the next command begins.
//
// Art made during the command needs no saved data (undo removes it), and art
// already saved in this stretch of the command is saved once only, so a
// preview that makes and restyles thousands of copies journals one entry per copy.
#include "host/document/document_internals.hpp"

namespace kestrel::host {

void Document::will_modify(Art& art) {
    if (!recording_ || art.born_epoch_ == epoch_ || art.saved_epoch_ == epoch_) return;
    art.saved_epoch_ = epoch_;
    journal_->entries.push_back(
        {Journal::Kind::art_data, static_cast<std::uint32_t>(journal_->data.size()), &art});
    journal_->data.push_back(SavedArtData{art.path, art.unwarped, art.style, art.opacity, art.blending_mode,
                                          art.attributes, art.tags, art.warp,
                                          art.text ? std::make_unique<TextBody>(*art.text) : nullptr});
}

void Document::begin_command() {
    commit();
    recording_ = true;
    ++epoch_;
}

void Document::end_command() {
    commit();
    recording_ = false;
    ++epoch_;
}

std::size_t Document::journal_size() const { return journal_->entries.size(); }

void Document::undo_command() {
    auto& entries = journal_->entries;
    for (auto it = entries.rbegin(); it != entries.rend(); ++it) {
        Journal::Entry& e = *it;
        switch (e.kind) {
        case Journal::Kind::art_created:
            unlink(*e.art);
            set_in_document(*e.art, false);
            free_tree(*e.art);
            break;
        case Journal::Kind::art_disposed:
            link(*e.art, e.layer, e.parent, e.before);
            set_in_document(*e.art, true);
            break;
        case Journal::Kind::art_moved:
            unlink(*e.art);
            link(*e.art, e.layer, e.parent, e.before);
            break;
        case Journal::Kind::art_data: {
            SavedArtData& saved = journal_->data[e.index];
            Art& art = *e.art;
            art.path = std::move(saved.path);
            art.unwarped = std::move(saved.unwarped);
            art.style = saved.style;
            art.opacity = saved.opacity;
            art.blending_mode = saved.blending_mode;
            art.attributes = saved.attributes;
            art.tags = std::move(saved.tags);
            art.warp = saved.warp;
            art.text = std::move(saved.text);
            break;
        }
        case Journal::Kind::layer_created:
            remove_layer(*e.layer);
            break;
        case Journal::Kind::layer_renamed:
            e.layer->name = std::move(journal_->names[e.index]);
            break;
        case Journal::Kind::current_layer:
            current_layer_ = e.layer;
            break;
        }
    }
    entries.clear();
    journal_->data.clear();
    journal_->names.clear();
    // Everything made or saved so far is settled; later changes start afresh.
    ++epoch_;
}

void Document::commit() {
    // Disposed art waited in the journal so that undo could bring it back.
    for (const Journal::Entry& e : journal_->entries) {
        if (e.kind == Journal::Kind::art_disposed) free_tree(*e.art);
    }
    journal_->entries.clear();
    journal_->data.clear();
    journal_->names.clear();
}

}  // namespace kestrel::host
