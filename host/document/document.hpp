// document.hpp: the host's document model: page, colour model, layers, the art
// tree, swatches, views, and the undo journal of the current command.
//
// Suites, the SVG/JSON reader and writer, the text, envelope and shape suites
// and the dialog manager reach it through Host::document(). Change art through
// Document's functions, or call will_modify(art) before writing an Art's data
// fields directly, so that undo_command() can restore them. Functions that get
// a bad argument throw HostError(kBadParameterErr) (host/core/call_guard.hpp).
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include <2geom/affine.h>
#include <2geom/path.h>
#include <2geom/rect.h>

#include "ai_art.h"
#include "ai_document.h"
#include "ai_text.h"
#include "host/core/handle_table.hpp"
#include "host/document/art_path.hpp"

namespace kestrel::host {

class Document;
struct Art;
struct Layer;

// ---- Art payloads ----------------------------------------------------------

// The warp of an envelope (kEnvelopeArt); the envelope suite writes it.
struct EnvelopeWarp {
    std::int32_t style = 0;           // warp style 1..15; 0 plain envelope
    KReal bend = 0;                   // -1..1, 0 none
    KReal horizontal_distortion = 0;  // -1..1, 0 none
    KReal vertical_distortion = 0;    // -1..1, 0 none
    bool rotate = false;              // true: the warp's axis is vertical
    std::int32_t fidelity = 50;       // 0..100, how closely the content follows
};

// One character of a text object.
struct TextChar {
    char32_t code = 0;          // Unicode code point
    KCharStyle style{};         // size, baseline shift, tracking, scales, leading
    std::int32_t face = 0;      // index of the font face (the text face suite's numbering)
    KPathStyle paint{};         // fill and stroke of the glyph
    std::map<std::string, KReal, std::less<>> reals;  // named attributes ("Opacity"), dictionary entries
};

// The content of text art (kTextArt, kTextPathArt, kTextRunArt). Characters
// are laid out on one baseline from the anchor: each advances by
// font_size * 0.6 * horizontal_scale + tracking / 1000 * font_size, and the
// line is then mapped by orientation around the anchor (see char_origin).
struct TextBody {
    Geom::Point anchor;                           // baseline start of the first character, points, y up
    Geom::Affine orientation = Geom::identity();  // linear map of the laid-out line (no translation)
    std::vector<TextChar> chars;                  // in reading order
};

// The artwork position of character index's baseline origin (baseline shift included).
Geom::Point char_origin(const TextBody& text, std::size_t index);
// The union of the characters' em boxes (0.8 em above the baseline, 0.2
// below, scaled by vertical_scale), mapped like the characters; empty text: none.
Geom::OptRect text_bounds(const TextBody& text);

// ---- Art --------------------------------------------------------------------

// A list of sibling art in paint order, back (first) to front (last).
struct ArtList {
    Art* first = nullptr;  // backmost
    Art* last = nullptr;   // frontmost
};

// One object of the art tree. The tree links are kept by Document; the data
// fields below are free to read, and to write after will_modify(art).
struct Art {
    // ---- data (restored by undo) ----
    ArtPath path;                    // outline, artwork coordinates (points, y up); paths, and the frame of placed/raster art;
                                     // reads as a Geom::Path (write it through Document::set_path)
    std::shared_ptr<const Geom::Path> unwarped;  // content path of a warped envelope: its outline before the warp; else null
    KPathStyle style{};              // paint of a path; containers and text keep the last style set on them
    KReal opacity = 1;               // 0..1, the object as a whole
    std::int32_t blending_mode = 0;  // kNormalBlend .. kLuminosityBlend
    std::int32_t attributes = 0;     // kArtSelected | kArtLocked | kArtHidden
    std::vector<std::pair<std::string, std::string>> tags;  // named text tags, in the order set
    EnvelopeWarp warp;               // kEnvelopeArt only
    std::unique_ptr<TextBody> text;  // text art only (types 4, 5, 6); null otherwise

    std::int16_t type() const { return type_; }  // kGroupArt, kPathArt, ... (kestrel_types.h)
    bool is_container() const { return type_ == kGroupArt || type_ == kCompoundPathArt || type_ == kEnvelopeArt; }
    bool is_text() const { return type_ == kTextArt || type_ == kTextPathArt || type_ == kTextRunArt; }
    bool selected() const { return (attributes & kArtSelected) != 0; }

    Art* parent() const { return parent_; }          // the container; null for a layer's top-level art
    Layer* layer() const { return layer_; }          // the layer the art is on
    Art* first_child() const { return children_.first; }  // backmost child
    Art* last_child() const { return children_.last; }    // frontmost child
    Art* next() const { return next_; }              // the sibling directly in front
    Art* prev() const { return prev_; }              // the sibling directly behind
    bool in_document() const { return in_document_; }  // false once disposed or undone

private:
    friend class Document;
    std::int16_t type_ = kUnknownArt;
    bool in_document_ = false;
    Art* parent_ = nullptr;
    Layer* layer_ = nullptr;
    Art* prev_ = nullptr;
    Art* next_ = nullptr;
    ArtList children_;
    KArtHandle handle_ = nullptr;
    std::uint32_t born_epoch_ = 0;   // journal epoch the art was made in
    std::uint32_t saved_epoch_ = 0;  // journal epoch its data was last saved in
};

// Iterates siblings back to front: for (Art& a : children(group)) ...
class ArtRange {
public:
    class iterator {
    public:
        explicit iterator(Art* at) : at_(at) {}
        Art& operator*() const { return *at_; }
        Art* operator->() const { return at_; }
        iterator& operator++() { at_ = at_->next(); return *this; }
        bool operator==(const iterator& o) const { return at_ == o.at_; }
        bool operator!=(const iterator& o) const { return at_ != o.at_; }
    private:
        Art* at_;
    };
    explicit ArtRange(Art* first) : first_(first) {}
    iterator begin() const { return iterator(first_); }
    iterator end() const { return iterator(nullptr); }
private:
    Art* first_;
};

// ---- Layers, swatches, views -----------------------------------------------

struct Layer {
    std::string name;      // the title the layer suite shows (set through Document::set_layer_name)
    bool visible = true;   // shown
    bool locked = false;   // art cannot be edited by the user

    Art* first_art() const { return art_.first; }  // backmost top-level art
    Art* last_art() const { return art_.last; }    // frontmost top-level art
    bool in_document() const { return in_document_; }

private:
    friend class Document;
    ArtList art_;
    KLayerHandle handle_ = nullptr;
    bool in_document_ = false;
};

struct Swatch {
    std::string name;  // as the swatch list shows it
    KColour colour{};  // the whole colour record

private:
    friend class Document;
    KSwatchHandle handle_ = nullptr;
};

// A window onto the document. Its visible area is width_px x height_px pixels
// centred on centre; one point is zoom pixels. View coordinates are pixels,
// y down, origin at the top-left of the visible area.
struct DocumentView {
    Geom::Point centre;        // artwork point at the centre, points, y up
    double zoom = 1;           // 1.0 is 100 percent
    std::int32_t width_px = 0;   // visible area, pixels
    std::int32_t height_px = 0;  // visible area, pixels

    Geom::Rect bounds() const;  // visible area in artwork coordinates
    KIntPoint artwork_to_view(KRealPoint p) const;   // rounded to the nearest pixel
    KRealPoint view_to_artwork(KIntPoint p) const;

private:
    friend class Document;
    KDocumentViewHandle handle_ = nullptr;
};

// Colour records of each kind, components 0..1.
KColour grey_colour(double level);  // 0 black .. 1 white
// The path style a new document of colour model model gives new art: white
// fill, black stroke 1 point wide, in the model's colour kind.
KPathStyle default_path_style_for(int model);
KColour rgb_colour(double red, double green, double blue);
KColour cmyk_colour(double cyan, double magenta, double yellow, double black);
KColour spot_colour(double tint, double cyan, double magenta, double yellow, double black);

// ---- The document -----------------------------------------------------------

class Document {
public:
    // Page 612 x 792 points, RGB, one layer "Layer 1", default swatches, one
    // 612 x 792 pixel view showing the page at zoom 1.
    Document();
    // A page of the given size (points) and colour model (kGreyModel, kRGBModel,
    // kCMYKModel); otherwise as above, the view showing the whole page.
    Document(double page_width, double page_height, int colour_model);
    ~Document();
    Document(const Document&) = delete;
    Document& operator=(const Document&) = delete;

    // ---- page and setup ----
    double page_width() const { return setup_.width; }    // points
    double page_height() const { return setup_.height; }  // points
    void set_page_size(double width, double height);
    const KDocumentSetup& setup() const { return setup_; }
    void set_setup(const KDocumentSetup& setup);  // width and height must be > 0
    int colour_model() const { return colour_model_; }
    void set_colour_model(int model);             // 0..2; the swatches stay until set_default_swatches()

    // ---- layers (back to front) ----
    const std::vector<Layer*>& layers() const { return layers_; }
    // A new layer in front of all layers; it becomes current.
    Layer& add_layer(std::string name);
    // A new layer placed by a paint-order code (kPlaceAbove / kPlaceBelow the
    // reference; kPlaceAboveAll: in front of all, reference ignored). It becomes current.
    Layer& insert_layer(std::int16_t paint_order, Layer* reference);
    Layer& current_layer() const { return *current_layer_; }
    void set_current_layer(Layer& layer);
    void set_layer_name(Layer& layer, std::string name);
    std::size_t index_of(const Layer& layer) const;  // 0 backmost

    // ---- art: creation, placement, removal ----
    // A new empty object of a type, frontmost on layer. Text types get an
    // empty TextBody; paths get the default path style.
    Art& new_art(std::int16_t type, Layer& layer);
    // A new empty object placed by a paint-order code relative to reference:
    // kPlaceAbove / kPlaceBelow it, kPlaceInsideOnTop / kPlaceInsideOnBottom of
    // it (a container), kPlaceAboveAll frontmost on the current layer (reference ignored).
    Art& new_art(std::int16_t type, std::int16_t paint_order, Art* reference);
    // A deep copy (children, payloads, tags) placed like new_art; not selected.
    Art& duplicate(const Art& source, std::int16_t paint_order, Art* reference);
    // Move art (with its children) to a place given like new_art.
    void move(Art& art, std::int16_t paint_order, Art* reference);
    // Move art (with its children) to the front of a layer's top level.
    void move_to_layer(Art& art, Layer& layer);
    // Remove art and its children; their handles go stale.
    void dispose(Art& art);

    // ---- art: data ----
    // Save art's data once per command so that undo restores it. Call before
    // writing Art fields directly; the setters below call it themselves.
    void will_modify(Art& art);
    // A new outline; a warped envelope's content path stops being warped.
    void set_path(Art& art, Geom::Path path);
    // The outline an envelope's warp made of a content path, with the
    // outline before the warp, from which the next warp starts again.
    void set_warped_path(Art& art, Geom::Path warped, std::shared_ptr<const Geom::Path> unwarped);
    // The paint of a path; of a container: of its first path (depth first);
    // of text: of its first character; otherwise the art's own style field.
    const KPathStyle& style_of(const Art& art) const;
    // Paint a path; a container: every path in it (any depth); text: every character.
    void set_style(Art& art, const KPathStyle& style);
    void set_opacity(Art& art, double opacity);       // clamped to 0..1
    void set_blending_mode(Art& art, int mode);       // 0..15, otherwise HostError
    // Set the attribute bits selected by which to those of attr. The selected
    // bit of a group, compound path or envelope goes to all its descendants.
    void set_attributes(Art& art, std::int32_t which, std::int32_t attr);
    void set_selected(Art& art, bool selected);
    void set_tag(Art& art, std::string_view name, std::string_view value);
    // The tag's value; "" when absent.
    std::string_view tag(const Art& art, std::string_view name) const;
    // Map the geometry of art and its descendants (text: anchor and
    // orientation). With scale_lines the stroke widths are multiplied by
    // line_scale. Mapped content of a warped envelope counts as unwarped.
    void transform(Art& art, const Geom::Affine& matrix, double line_scale = 1.0, bool scale_lines = false);

    // ---- art: queries ----
    // Exact bounds (lib2geom boundsExact) of the path geometry of art and its
    // descendants, text boxes included; none when there is no geometry.
    Geom::OptRect geometric_bounds(const Art& art) const;
    // The same as a host rectangle (left, top = largest y, right, bottom); zeros when empty.
    KRealRect exact_bounds(const Art& art) const;
    // All art (any depth) whose type is one of the specs' and whose attributes
    // match ((attributes & which_attr) == (spec.attr & which_attr)), in paint
    // order back to front, a container before its children.
    std::vector<Art*> matching_art(std::span<const KArtSpec> specs) const;
    // Live art in the document, any depth.
    std::size_t art_count() const { return live_art_; }

    // ---- handles: null for a null, stale or foreign handle ----
    KArtHandle handle_of(const Art& art) const { return art.handle_; }
    Art* art_from(KArtHandle handle) const;
    KLayerHandle handle_of(const Layer& layer) const { return layer.handle_; }
    Layer* layer_from(KLayerHandle handle) const;
    KSwatchHandle handle_of(const Swatch& swatch) const { return swatch.handle_; }
    Swatch* swatch_from(KSwatchHandle handle) const;
    KDocumentViewHandle handle_of(const DocumentView& view) const { return view.handle_; }
    DocumentView* view_from(KDocumentViewHandle handle) const;
    // This document's swatch list as a handle; null also means this list.
    KSwatchListHandle swatch_list_handle() const;
    bool is_own_swatch_list(KSwatchListHandle list) const;

    // ---- swatches (positions count from 1) ----
    const std::vector<std::unique_ptr<Swatch>>& swatches() const { return swatches_; }
    Swatch* swatch_at(std::int32_t position) const;  // null outside 1..count
    Swatch& add_swatch(std::string name, const KColour& colour);
    void clear_swatches();
    // White, black, three greys and eight colours in the document's colour
    // model, then one spot colour.
    void set_default_swatches();

    // ---- views (there is always at least one) ----
    std::size_t view_count() const { return views_.size(); }
    DocumentView& view(std::size_t index) { return *views_.at(index); }
    const DocumentView& view(std::size_t index) const { return *views_.at(index); }
    // Conversions through view 0.
    KIntPoint artwork_to_view(KRealPoint p) const { return views_.front()->artwork_to_view(p); }
    KRealPoint view_to_artwork(KIntPoint p) const { return views_.front()->view_to_artwork(p); }

    // ---- style for new shapes, redraws ----
    const KPathStyle& default_path_style() const { return default_style_; }
    void set_default_path_style(const KPathStyle& style) { default_style_ = style; }
    void redraw() { ++redraws_; }
    std::int64_t redraw_count() const { return redraws_; }

    // ---- undo ----
    // Start a command: earlier changes become permanent, later ones are journaled.
    void begin_command();
    // Revert every change since begin_command() (or the last undo_command()),
    // in time proportional to the number of changes. Art made since then is
    // removed (its handles go stale); disposed art returns with its handles.
    // The command stays open.
    void undo_command();
    // Keep the command's changes and stop journaling until the next begin_command().
    void end_command();
    bool in_command() const { return recording_; }
    std::size_t journal_size() const;

private:
    struct Journal;
    struct ArtPool;

    // A place in the tree: the list of parent (or of layer's top level when
    // parent is null), before the sibling before (null: at the front).
    struct Spot {
        Layer* layer;
        Art* parent;
        Art* before;
    };

    void init(double page_width, double page_height, int colour_model);
    Spot resolve(std::int16_t paint_order, Art* reference, std::int16_t type) const;
    Art& make_art(std::int16_t type);
    Art& copy_tree(const Art& source);
    void free_tree(Art& art);
    void destroy_art(Art& art);
    void link(Art& art, Layer* layer, Art* parent, Art* before);
    void unlink(Art& art);
    void set_in_document(Art& art, bool in);
    void remove_layer(Layer& layer);
    void commit();

    KDocumentSetup setup_{};
    int colour_model_ = kRGBModel;
    std::vector<Layer*> layers_;
    std::vector<std::unique_ptr<Layer>> owned_layers_;
    Layer* current_layer_ = nullptr;
    std::vector<std::unique_ptr<Swatch>> swatches_;
    std::vector<std::unique_ptr<DocumentView>> views_;
    KPathStyle default_style_{};
    std::int64_t redraws_ = 0;
    std::size_t live_art_ = 0;

    HandleTable<Art> art_handles_{0x41};
    HandleTable<Layer> layer_handles_{0x4c};
    HandleTable<Swatch> swatch_handles_{0x53};
    HandleTable<DocumentView> view_handles_{0x56};
    HandleTable<Document> list_handles_{0x57};
    KSwatchListHandle list_handle_ = nullptr;

    std::unique_ptr<ArtPool> pool_;
    std::unique_ptr<Journal> journal_;
    bool recording_ = false;
    std::uint32_t epoch_ = 1;
};

// Children of a container, and the top-level art of a layer, back to front.
inline ArtRange children(const Art& art) { return ArtRange(art.first_child()); }
inline ArtRange top_level(const Layer& layer) { return ArtRange(layer.first_art()); }

}  // namespace kestrel::host
