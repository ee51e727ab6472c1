// The document: construction, layers, the art tree (creation, placement,
// removal), art data setters, queries and handles. The journal that undoes
// these changes is in undo_journal.cpp.
#include "host/document/document.hpp"

#include <algorithm>
#include <cmath>

#include "host/core/call_guard.hpp"
#include "host/document/document_internals.hpp"

namespace kestrel::host {
namespace {

bool is_known_type(std::int16_t type) {
    return (type >= kGroupArt && type <= kMeshArt) || type == kSymbolArt || type == kEnvelopeArt;
}


template <class F>
void for_each_in_tree(Art& art, F&& f) {
    f(art);
    for (Art* child = art.first_child(); child != nullptr; child = child->next()) for_each_in_tree(*child, f);
}

}  // namespace

KPathStyle default_path_style_for(int model) {
    KPathStyle style{};
    style.fill_paint = 1;
    style.stroke_paint = 1;
    switch (model) {
    case kGreyModel:
        style.fill = grey_colour(1);
        style.stroke = grey_colour(0);
        break;
    case kCMYKModel:
        style.fill = cmyk_colour(0, 0, 0, 0);
        style.stroke = cmyk_colour(0, 0, 0, 1);
        break;
    default:
        style.fill = rgb_colour(1, 1, 1);
        style.stroke = rgb_colour(0, 0, 0);
        break;
    }
    style.stroke_width = 1;
    style.miter_limit = 4;
    return style;
}

// ---- construction -------------------------------------------------------------

Document::Document() : Document(612, 792, kRGBModel) {}

Document::Document(double page_width, double page_height, int colour_model)
    : pool_(std::make_unique<ArtPool>()), journal_(std::make_unique<Journal>()) {
    init(page_width, page_height, colour_model);
}

void Document::init(double page_width, double page_height, int colour_model) {
    if (!(page_width > 0) || !(page_height > 0) || !std::isfinite(page_width) || !std::isfinite(page_height))
        fail(kBadParameterErr, "page size must be positive");
    if (colour_model < kGreyModel || colour_model > kCMYKModel) fail(kBadParameterErr, "unknown colour model");
    setup_.width = static_cast<KReal>(page_width);
    setup_.height = static_cast<KReal>(page_height);
    setup_.show_placed_images = 1;
    setup_.page_view = 0;
    setup_.output_resolution = 800;
    colour_model_ = colour_model;
    default_style_ = default_path_style_for(colour_model);
    list_handle_ = list_handles_.make<KSwatchListHandle>(this);
    add_layer("Layer 1");
    set_default_swatches();

    auto view = std::make_unique<DocumentView>();
    view->centre = Geom::Point(page_width / 2, page_height / 2);
    view->zoom = 1;
    view->width_px = static_cast<std::int32_t>(std::ceil(page_width));
    view->height_px = static_cast<std::int32_t>(std::ceil(page_height));
    view->handle_ = view_handles_.make<KDocumentViewHandle>(view.get());
    views_.push_back(std::move(view));
}

Document::~Document() {
    commit();
    for (Layer* layer : layers_) {
        while (Art* art = layer->art_.first) {
            unlink(*art);
            free_tree(*art);
        }
    }
}

// ---- page and setup -------------------------------------------------------------

void Document::set_page_size(double width, double height) {
    if (!(width > 0) || !(height > 0) || !std::isfinite(width) || !std::isfinite(height))
        fail(kBadParameterErr, "page size must be positive");
    setup_.width = static_cast<KReal>(width);
    setup_.height = static_cast<KReal>(height);
}

void Document::set_setup(const KDocumentSetup& setup) {
    set_page_size(setup.width, setup.height);
    setup_ = setup;
}

void Document::set_colour_model(int model) {
    if (model < kGreyModel || model > kCMYKModel) fail(kBadParameterErr, "unknown colour model");
    colour_model_ = model;
    default_style_ = default_path_style_for(model);
}

// ---- layers ---------------------------------------------------------------------

Layer& Document::add_layer(std::string name) {
    Layer& layer = insert_layer(kPlaceAboveAll, nullptr);
    layer.name = std::move(name);
    return layer;
}

Layer& Document::insert_layer(std::int16_t paint_order, Layer* reference) {
    std::size_t at = layers_.size();
    switch (paint_order) {
    case kPlaceAbove:
    case kPlaceBelow:
        if (reference == nullptr || !reference->in_document_) fail(kBadParameterErr, "no reference layer");
        at = index_of(*reference) + (paint_order == kPlaceAbove ? 1 : 0);
        break;
    case kPlaceAboveAll:
        break;
    default:
        fail(kBadParameterErr, "paint order not valid for layers");
    }
    auto owned = std::make_unique<Layer>();
    Layer& layer = *owned;
    layer.name = "Layer " + std::to_string(layers_.size() + 1);
    layer.in_document_ = true;
    layer.handle_ = layer_handles_.make<KLayerHandle>(&layer);
    owned_layers_.push_back(std::move(owned));
    layers_.insert(layers_.begin() + static_cast<std::ptrdiff_t>(at), &layer);
    if (recording_) journal_->entries.push_back({Journal::Kind::layer_created, 0, nullptr, &layer});
    set_current_layer(layer);
    return layer;
}

void Document::set_current_layer(Layer& layer) {
    if (!layer.in_document_) fail(kBadParameterErr, "layer not in the document");
    if (current_layer_ == &layer) return;
    if (recording_ && current_layer_ != nullptr)
        journal_->entries.push_back({Journal::Kind::current_layer, 0, nullptr, current_layer_});
    current_layer_ = &layer;
}

void Document::set_layer_name(Layer& layer, std::string name) {
    if (recording_) {
        journal_->entries.push_back({Journal::Kind::layer_renamed, static_cast<std::uint32_t>(journal_->names.size()),
                                     nullptr, &layer});
        journal_->names.push_back(std::move(layer.name));
    }
    layer.name = std::move(name);
}

std::size_t Document::index_of(const Layer& layer) const {
    auto it = std::find(layers_.begin(), layers_.end(), &layer);
    if (it == layers_.end()) fail(kBadParameterErr, "layer not in the document");
    return static_cast<std::size_t>(it - layers_.begin());
}

void Document::remove_layer(Layer& layer) {
    while (Art* art = layer.art_.first) {
        unlink(*art);
        set_in_document(*art, false);
        free_tree(*art);
    }
    layers_.erase(std::find(layers_.begin(), layers_.end(), &layer));
    layer_handles_.release(layer.handle_);
    layer.in_document_ = false;
    if (current_layer_ == &layer) current_layer_ = layers_.empty() ? nullptr : layers_.back();
    auto it = std::find_if(owned_layers_.begin(), owned_layers_.end(), [&](const auto& p) { return p.get() == &layer; });
    owned_layers_.erase(it);
}

// ---- the art tree ------------------------------------------------------------------

Art& Document::make_art(std::int16_t type) {
    Art* art = pool_->allocate();
    art->type_ = type;
    art->born_epoch_ = recording_ ? epoch_ : 0;
    art->handle_ = art_handles_.make<KArtHandle>(art);
    if (type == kPathArt) art->style = default_style_;
    if (art->is_text()) {
        art->text = std::make_unique<TextBody>();
        art->style = default_style_;
    }
    return *art;
}

Art& Document::copy_tree(const Art& source) {
    Art& copy = make_art(source.type_);
    copy.path = source.path;
    copy.unwarped = source.unwarped;
    copy.style = source.style;
    copy.opacity = source.opacity;
    copy.blending_mode = source.blending_mode;
    copy.attributes = source.attributes & ~kArtSelected;
    copy.tags = source.tags;
    copy.warp = source.warp;
    copy.text = source.text ? std::make_unique<TextBody>(*source.text) : nullptr;
    for (const Art* child = source.children_.first; child != nullptr; child = child->next_)
        link(copy_tree(*child), nullptr, &copy, nullptr);
    return copy;
}

void Document::destroy_art(Art& art) {
    art_handles_.release(art.handle_);
    pool_->release(&art);
}

void Document::free_tree(Art& art) {
    Art* child = art.children_.first;
    while (child != nullptr) {
        Art* next = child->next_;
        free_tree(*child);
        child = next;
    }
    destroy_art(art);
}

void Document::link(Art& art, Layer* layer, Art* parent, Art* before) {
    ArtList& list = parent != nullptr ? parent->children_ : layer->art_;
    art.parent_ = parent;
    art.next_ = before;
    art.prev_ = before != nullptr ? before->prev_ : list.last;
    if (art.prev_ != nullptr) art.prev_->next_ = &art; else list.first = &art;
    if (before != nullptr) before->prev_ = &art; else list.last = &art;
    if (art.layer_ != layer) for_each_in_tree(art, [layer](Art& a) { a.layer_ = layer; });
}

void Document::unlink(Art& art) {
    ArtList& list = art.parent_ != nullptr ? art.parent_->children_ : art.layer_->art_;
    if (art.prev_ != nullptr) art.prev_->next_ = art.next_; else list.first = art.next_;
    if (art.next_ != nullptr) art.next_->prev_ = art.prev_; else list.last = art.prev_;
    art.prev_ = art.next_ = nullptr;
    art.parent_ = nullptr;
}

void Document::set_in_document(Art& art, bool in) {
    std::size_t n = 0;
    for_each_in_tree(art, [&](Art& a) {
        a.in_document_ = in;
        ++n;
    });
    if (in) live_art_ += n; else live_art_ -= n;
}

Document::Spot Document::resolve(std::int16_t paint_order, Art* reference, std::int16_t type) const {
    Spot spot{};
    if (paint_order == kPlaceAboveAll) {
        spot.layer = current_layer_;
    } else {
        if (reference == nullptr || !reference->in_document_) fail(kBadParameterErr, "no reference art");
        switch (paint_order) {
        case kPlaceAbove:
            spot = {reference->layer_, reference->parent_, reference->next_};
            break;
        case kPlaceBelow:
            spot = {reference->layer_, reference->parent_, reference};
            break;
        case kPlaceInsideOnTop:
        case kPlaceInsideOnBottom:
            if (!reference->is_container()) fail(kBadParameterErr, "reference art is not a container");
            spot = {reference->layer_, reference, paint_order == kPlaceInsideOnTop ? nullptr : reference->children_.first};
            break;
        default:
            fail(kBadParameterErr, "unknown paint order");
        }
    }
    // A compound path holds paths only.
    if (spot.parent != nullptr && spot.parent->type_ == kCompoundPathArt && type != kPathArt)
        fail(kBadParameterErr, "a compound path holds paths only");
    return spot;
}

Art& Document::new_art(std::int16_t type, Layer& layer) {
    if (!is_known_type(type)) fail(kBadParameterErr, "unknown art type");
    if (!layer.in_document_) fail(kBadParameterErr, "layer not in the document");
    Art& art = make_art(type);
    link(art, &layer, nullptr, nullptr);
    set_in_document(art, true);
    if (recording_) journal_->entries.push_back({Journal::Kind::art_created, 0, &art});
    return art;
}

Art& Document::new_art(std::int16_t type, std::int16_t paint_order, Art* reference) {
    if (!is_known_type(type)) fail(kBadParameterErr, "unknown art type");
    const Spot spot = resolve(paint_order, reference, type);
    Art& art = make_art(type);
    link(art, spot.layer, spot.parent, spot.before);
    set_in_document(art, true);
    if (recording_) journal_->entries.push_back({Journal::Kind::art_created, 0, &art});
    return art;
}

Art& Document::duplicate(const Art& source, std::int16_t paint_order, Art* reference) {
    if (!source.in_document_) fail(kBadParameterErr, "source art not in the document");
    const Spot spot = resolve(paint_order, reference, source.type_);
    Art& copy = copy_tree(source);
    link(copy, spot.layer, spot.parent, spot.before);
    set_in_document(copy, true);
    if (recording_) journal_->entries.push_back({Journal::Kind::art_created, 0, &copy});
    return copy;
}

void Document::move(Art& art, std::int16_t paint_order, Art* reference) {
    if (!art.in_document_) fail(kBadParameterErr, "art not in the document");
    // Directly above or behind itself: it stays where it is.
    if (reference == &art && (paint_order == kPlaceAbove || paint_order == kPlaceBelow)) return;
    const Spot spot = resolve(paint_order, reference, art.type_);
    for (const Art* p = spot.parent; p != nullptr; p = p->parent_)
        if (p == &art) fail(kBadParameterErr, "art cannot go inside itself");
    if (recording_) journal_->entries.push_back({Journal::Kind::art_moved, 0, &art, art.layer_, art.parent_, art.next_});
    unlink(art);
    link(art, spot.layer, spot.parent, spot.before);
}

void Document::move_to_layer(Art& art, Layer& layer) {
    if (!art.in_document_) fail(kBadParameterErr, "art not in the document");
    if (!layer.in_document_) fail(kBadParameterErr, "layer not in the document");
    if (recording_) journal_->entries.push_back({Journal::Kind::art_moved, 0, &art, art.layer_, art.parent_, art.next_});
    unlink(art);
    link(art, &layer, nullptr, nullptr);
}

void Document::dispose(Art& art) {
    if (!art.in_document_) fail(kBadParameterErr, "art not in the document");
    if (recording_) journal_->entries.push_back({Journal::Kind::art_disposed, 0, &art, art.layer_, art.parent_, art.next_});
    unlink(art);
    set_in_document(art, false);
    if (!recording_) free_tree(art);
}

// ---- art data ------------------------------------------------------------------------

void Document::set_path(Art& art, Geom::Path path) {
    will_modify(art);
    art.path = std::move(path);
    art.unwarped.reset();
}

void Document::set_warped_path(Art& art, Geom::Path warped, std::shared_ptr<const Geom::Path> unwarped) {
    will_modify(art);
    art.path = std::move(warped);
    art.unwarped = std::move(unwarped);
}

const KPathStyle& Document::style_of(const Art& art) const {
    if (art.text && !art.text->chars.empty()) return art.text->chars.front().paint;
    if (!art.is_container()) return art.style;
    for (const Art* child = art.children_.first; child != nullptr; child = child->next_) {
        if (child->type_ == kPathArt) return child->style;
        if (child->is_container()) {
            const KPathStyle& inner = style_of(*child);
            if (&inner != &child->style) return inner;
        }
    }
    return art.style;
}

void Document::set_style(Art& art, const KPathStyle& style) {
    will_modify(art);
    art.style = style;
    if (art.text)
        for (TextChar& c : art.text->chars) c.paint = style;
    for (Art* child = art.children_.first; child != nullptr; child = child->next_) {
        if (child->type_ == kPathArt || child->is_container()) set_style(*child, style);
    }
}

void Document::set_opacity(Art& art, double opacity) {
    if (std::isnan(opacity)) fail(kBadParameterErr, "opacity is not a number");
    will_modify(art);
    art.opacity = static_cast<KReal>(std::clamp(opacity, 0.0, 1.0));
}

void Document::set_blending_mode(Art& art, int mode) {
    if (mode < kNormalBlend || mode > kLuminosityBlend) fail(kBadParameterErr, "unknown blending mode");
    will_modify(art);
    art.blending_mode = mode;
}

void Document::set_attributes(Art& art, std::int32_t which, std::int32_t attr) {
    will_modify(art);
    art.attributes = (art.attributes & ~which) | (attr & which);
    // The members of a selected container show as selected too.
    if ((which & kArtSelected) != 0 && art.is_container()) {
        for (Art* child = art.children_.first; child != nullptr; child = child->next_)
            set_attributes(*child, kArtSelected, attr);
    }
}

void Document::set_selected(Art& art, bool selected) { set_attributes(art, kArtSelected, selected ? kArtSelected : 0); }

void Document::set_tag(Art& art, std::string_view name, std::string_view value) {
    will_modify(art);
    for (auto& [key, old] : art.tags) {
        if (key == name) {
            old.assign(value);
            return;
        }
    }
    art.tags.emplace_back(std::string(name), std::string(value));
}

std::string_view Document::tag(const Art& art, std::string_view name) const {
    for (const auto& [key, value] : art.tags)
        if (key == name) return value;
    return {};
}

void Document::transform(Art& art, const Geom::Affine& matrix, double line_scale, bool scale_lines) {
    will_modify(art);
    if (art.type_ == kPathArt || !art.path.empty()) {
        art.path.transform(matrix);
        art.unwarped.reset();
    }
    if (art.text) {
        art.text->anchor *= matrix;
        art.text->orientation *= matrix.withoutTranslation();
    }
    if (scale_lines) {
        art.style.stroke_width = static_cast<KReal>(art.style.stroke_width * line_scale);
        if (art.text)
            for (TextChar& c : art.text->chars) c.paint.stroke_width = static_cast<KReal>(c.paint.stroke_width * line_scale);
    }
    for (Art* child = art.children_.first; child != nullptr; child = child->next_)
        transform(*child, matrix, line_scale, scale_lines);
}

// ---- queries ------------------------------------------------------------------------------

Geom::OptRect Document::geometric_bounds(const Art& art) const {
    Geom::OptRect box;
    if (!art.path.empty()) box.unionWith(art.path.bounds());
    if (art.text) box.unionWith(text_bounds(*art.text));
    for (const Art* child = art.children_.first; child != nullptr; child = child->next_)
        box.unionWith(geometric_bounds(*child));
    return box;
}

KRealRect Document::exact_bounds(const Art& art) const {
    const Geom::OptRect box = geometric_bounds(art);
    if (!box) return KRealRect{0, 0, 0, 0};
    return KRealRect{static_cast<KReal>(box->left()), static_cast<KReal>(box->bottom()),
                     static_cast<KReal>(box->right()), static_cast<KReal>(box->top())};
}

std::vector<Art*> Document::matching_art(std::span<const KArtSpec> specs) const {
    std::vector<Art*> found;
    auto matches = [&](const Art& art) {
        for (const KArtSpec& spec : specs) {
            if (spec.type == art.type_ && (art.attributes & spec.which_attr) == (spec.attr & spec.which_attr))
                return true;
        }
        return false;
    };
    auto visit = [&](auto& self, Art* art) -> void {
        for (; art != nullptr; art = art->next_) {
            if (matches(*art)) found.push_back(art);
            if (art->children_.first != nullptr) self(self, art->children_.first);
        }
    };
    if (!specs.empty()) {
        for (Layer* layer : layers_) visit(visit, layer->art_.first);
    }
    return found;
}

// ---- handles ----------------------------------------------------------------------------------

Art* Document::art_from(KArtHandle handle) const {
    Art* art = art_handles_.get(handle);
    return art != nullptr && art->in_document_ ? art : nullptr;
}

Layer* Document::layer_from(KLayerHandle handle) const { return layer_handles_.get(handle); }

Swatch* Document::swatch_from(KSwatchHandle handle) const { return swatch_handles_.get(handle); }

DocumentView* Document::view_from(KDocumentViewHandle handle) const { return view_handles_.get(handle); }

KSwatchListHandle Document::swatch_list_handle() const { return list_handle_; }

bool Document::is_own_swatch_list(KSwatchListHandle list) const {
    return list == nullptr || list_handles_.get(list) == this;
}

}  // namespace kestrel::host
