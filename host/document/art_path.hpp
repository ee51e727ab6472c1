// art_path.hpp: the outline of an art object (Art::path): a lib2geom path
// with the maps given to it since it was last read, and its exact bounds.
//
// A copy of an object shares its outline with the original (lib2geom paths
// are copy-on-write), and moving the copy only records the map: the curves
// are copied and mapped once, on the first read of the outline. A filter
// that duplicates and moves tens of thousands of objects, which are then
// undone unread by the next preview, never copies their curves. Reads see
// exactly what applying every map in turn would have given; the bounds
// follow maps that only scale and translate without reading the outline.
//
//   Art& copy = doc.duplicate(source, kPlaceAboveAll, nullptr);  // shares the curves
//   doc.transform(copy, Geom::Translate(5, 0));                 // recorded, not applied
//   const Geom::Path& p = copy.path;                            // mapped here, once
#pragma once

#include <array>
#include <cstdint>
#include <iosfwd>
#include <utility>

#include <2geom/affine.h>
#include <2geom/path.h>
#include <2geom/rect.h>

namespace kestrel::host {

class ArtPath {
public:
    // No outline. Every empty ArtPath shares one empty path, so making one
    // allocates nothing.
    ArtPath();
    ArtPath(Geom::Path path);  // implicit: an outline is assigned like a path
    ArtPath& operator=(Geom::Path path);

    // The outline with every recorded map applied.
    const Geom::Path& get() const;
    operator const Geom::Path&() const { return get(); }  // so that it reads like a Geom::Path

    // Exact bounds of the outline (none for an empty one), cached.
    Geom::OptRect bounds() const;
    // Map the outline; applied on the next read.
    void transform(const Geom::Affine& matrix);

    // The reads of Geom::Path that filters' tests and writers use. Counts and
    // closure do not depend on the maps and never apply them.
    bool empty() const { return path_.empty(); }
    bool closed() const { return path_.closed(); }
    Geom::Path::size_type size() const { return path_.size(); }
    Geom::Path::size_type size_open() const { return path_.size_open(); }
    Geom::Path::size_type size_closed() const { return path_.size_closed(); }
    Geom::Path::size_type size_default() const { return path_.size_default(); }
    Geom::Path::const_iterator begin() const { return get().begin(); }
    Geom::Path::const_iterator end() const { return get().end(); }
    const Geom::Curve& operator[](Geom::Path::size_type i) const { return get()[i]; }
    Geom::Point initialPoint() const { return get().initialPoint(); }
    Geom::Point finalPoint() const { return get().finalPoint(); }
    Geom::OptRect boundsExact() const { return get().boundsExact(); }
    template <class... A>
    Geom::Point pointAt(A&&... a) const { return get().pointAt(std::forward<A>(a)...); }
    template <class... A>
    Geom::PathTime nearestTime(A&&... a) const { return get().nearestTime(std::forward<A>(a)...); }

    friend bool operator==(const ArtPath& a, const ArtPath& b) { return a.get() == b.get(); }
    friend bool operator==(const ArtPath& a, const Geom::Path& b) { return a.get() == b; }
    friend std::ostream& operator<<(std::ostream& out, const ArtPath& path);

private:
    // Maps recorded before the outline is mapped for real; two cover a copy
    // that is moved and then shadowed, without rounding them into one.
    static constexpr std::size_t kMaxPending = 2;

    void apply_pending() const;

    mutable Geom::Path path_;
    mutable std::array<Geom::Affine, kMaxPending> pending_;
    mutable std::uint8_t pending_count_ = 0;
    mutable bool bounds_valid_ = false;
    mutable Geom::OptRect bounds_;  // of the mapped outline, when bounds_valid_
};

}  // namespace kestrel::host
