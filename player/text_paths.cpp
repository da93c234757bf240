#include "player/text_paths.h"

#include "player/font.h"

namespace swfplayer {

std::vector<ColoredPath> BuildTextPaths(const TextCharacter& text, const Movie& movie) {
  std::vector<ColoredPath> out;
  for (const TextRun& run : text.runs()) {
    const auto* font = movie.FindAs<FontCharacter>(run.font_id, CharacterKind::kFont);
    if (font == nullptr) continue;
    const double scale = run.height / font->em_size();
    std::vector<QPainterPath> glyphs;
    for (const TextRun::Glyph& g : run.glyphs) {
      if (g.index < 0 || g.index >= static_cast<int>(font->glyphs().size())) continue;
      const QTransform place = QTransform::fromScale(scale, scale) * QTransform::fromTranslate(g.x, run.y);
      glyphs.push_back(text.matrix().map(place.map(font->glyphs()[g.index])));
    }
    // Glyph contours are filled even-odd. Glyphs that do not touch share one
    // path (one fill for the run); overlapping ones are filled one by one,
    // so that an overlap is not cut out.
    bool overlap = false;
    for (std::size_t i = 0; i < glyphs.size() && !overlap; ++i)
      for (std::size_t j = 0; j < i && !overlap; ++j)
        overlap = glyphs[i].boundingRect().intersects(glyphs[j].boundingRect());
    if (overlap) {
      for (QPainterPath& g : glyphs)
        if (!g.isEmpty()) out.push_back({std::move(g), run.color});
      continue;
    }
    QPainterPath path;
    path.setFillRule(Qt::OddEvenFill);
    for (const QPainterPath& g : glyphs) path.addPath(g);
    if (!path.isEmpty()) out.push_back({std::move(path), run.color});
  }
  return out;
}

}  // namespace swfplayer
