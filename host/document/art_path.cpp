// art_path.cpp: recording maps on an outline, applying them on the first
// read, and the bounds that follow them.
#include "host/document/art_path.hpp"

#include <ostream>

#include "host/document/path_bounds.hpp"

namespace kestrel::host {
namespace {

const Geom::Path& empty_path() {
    static const Geom::Path empty;
    return empty;
}

}  // namespace

ArtPath::ArtPath() : path_(empty_path()) {}

ArtPath::ArtPath(Geom::Path path) : path_(std::move(path)) {}

ArtPath& ArtPath::operator=(Geom::Path path) {
    path_ = std::move(path);
    pending_count_ = 0;
    bounds_valid_ = false;
    return *this;
}

const Geom::Path& ArtPath::get() const {
    if (pending_count_ != 0) apply_pending();
    return path_;
}

void ArtPath::apply_pending() const {
    // In the order given, one at a time: the same coordinates as mapping the
    // outline at each transform.
    for (std::uint8_t i = 0; i < pending_count_; ++i) path_ *= pending_[i];
    pending_count_ = 0;
}

Geom::OptRect ArtPath::bounds() const {
    if (!bounds_valid_) {
        bounds_ = exact_path_bounds(get());
        bounds_valid_ = true;
    }
    return bounds_;
}

void ArtPath::transform(const Geom::Affine& matrix) {
    // Bounds follow a scale and translation exactly; any other map makes
    // them be computed anew.
    if (bounds_valid_ && bounds_ && matrix[1] == 0 && matrix[2] == 0) {
        bounds_ = Geom::Rect(bounds_->min() * matrix, bounds_->max() * matrix);
    } else {
        bounds_valid_ = false;
    }
    if (pending_count_ == kMaxPending) apply_pending();
    pending_[pending_count_++] = matrix;
}

std::ostream& operator<<(std::ostream& out, const ArtPath& path) { return out << path.get(); }

}  // namespace kestrel::host
