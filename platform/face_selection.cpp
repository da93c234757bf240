#include "platform/face_selection.h"

#include <algorithm>

#include "platform/font_library.h"

namespace platform {
namespace {

constexpr std::size_t kCacheLimit = 65536;

std::size_t PageSlot(CodePage page) {
  switch (page) {
    case CodePage::kUtf8:
      return 0;
    case CodePage::kWindows1252:
      return 1;
    case CodePage::kGbk:
      return 2;
  }
  return 0;
}

}  // namespace

FaceSelection::FaceSelection(FontLibrary& library, std::vector<FaceCandidate> candidates)
    : library_(library), candidates_(std::move(candidates)) {
  // TrueType first, in fontconfig's order; any outline face if none opens.
  for (const bool true_type_only : {true, false}) {
    for (const FaceCandidate& candidate : candidates_) {
      if (true_type_only && !candidate.true_type) continue;
      auto face = library_.OpenFace(candidate.location);
      if (!face || (true_type_only && !face->IsTrueType())) continue;
      primary_ = std::move(face);
      return;
    }
  }
}

const FontFace* FaceSelection::FaceFor(char32_t code_point) const {
  if (!primary_) return nullptr;
  if (primary_->GlyphIndex(code_point) != 0) return primary_.get();
  std::lock_guard lock(mutex_);
  if (const auto found = face_for_.find(code_point); found != face_for_.end()) return found->second;
  const FontFace* chosen = primary_.get();
  for (const bool want_true_type : {true, false}) {
    for (const FaceCandidate& candidate : candidates_) {
      if (candidate.true_type != want_true_type || !candidate.HasCharacter(code_point)) continue;
      auto face = library_.OpenFace(candidate.location);
      if (!face || face->GlyphIndex(code_point) == 0) continue;
      chosen = face.get();
      if (std::find(linked_.begin(), linked_.end(), face) == linked_.end()) linked_.push_back(std::move(face));
      break;
    }
    if (chosen != primary_.get()) break;
  }
  if (face_for_.size() >= kCacheLimit) face_for_.clear();
  face_for_.emplace(code_point, chosen);
  return chosen;
}

bool FaceSelection::AbcWidths(CodePage page, std::array<AbcWidth, 256>& out) const {
  AbcTable& table = abc_tables_[PageSlot(page)];
  {
    std::lock_guard lock(mutex_);
    if (table.computed) {
      out = table.widths;
      return table.ok;
    }
  }
  AbcTable fresh;
  fresh.computed = true;
  fresh.ok = primary_ != nullptr;
  for (unsigned code = 0; code < 256 && primary_; ++code) {
    const char32_t code_point = CodePointOfCode(code, page);
    const FontFace* face = FaceFor(code_point);
    FontFace::GlyphMetrics metrics;
    if (face->Widths(face->GlyphIndex(code_point), metrics)) {
      fresh.widths[code] = metrics.abc;
    } else {
      fresh.ok = false;
    }
  }
  std::lock_guard lock(mutex_);
  table = fresh;
  out = table.widths;
  return table.ok;
}

}  // namespace platform
