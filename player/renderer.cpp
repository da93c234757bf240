#include "player/renderer.h"

#include <QLinearGradient>
#include <QRadialGradient>
#include <cmath>

#include "player/bitmap.h"
#include "player/edit_text_painter.h"
#include "player/font.h"
#include "player/sprite.h"

namespace swfplayer {
namespace {

// Sprites in sprites (or a sprite that shows itself) stop drawing here.
constexpr int kMaxNesting = 8;
// Path elements the cache keeps (about 40 bytes each): many frames of a
// busy movie, at a bounded cost.
constexpr int kCacheElements = 300'000;

QColor Transformed(const ColorTransform& color, const Rgba& c) { return color.Apply(c).ToQColor(); }

QImage TransformedImage(const QImage& image, const ColorTransform& color) {
  if (color.IsIdentity()) return image;
  QImage out = image.convertToFormat(QImage::Format_ARGB32);
  for (int y = 0; y < out.height(); ++y) {
    auto* row = reinterpret_cast<QRgb*>(out.scanLine(y));
    for (int x = 0; x < out.width(); ++x) {
      const Rgba c = color.Apply(Rgba{static_cast<std::uint8_t>(qRed(row[x])), static_cast<std::uint8_t>(qGreen(row[x])),
                                      static_cast<std::uint8_t>(qBlue(row[x])), static_cast<std::uint8_t>(qAlpha(row[x]))});
      row[x] = qRgba(c.r, c.g, c.b, c.a);
    }
  }
  return out;
}

double DeviceScale(const QTransform& t) { return std::sqrt(std::abs(t.determinant())); }

Qt::PenCapStyle CapStyle(int cap) {
  switch (cap) {
    case 1: return Qt::FlatCap;
    case 2: return Qt::SquareCap;
    default: return Qt::RoundCap;
  }
}

Qt::PenJoinStyle JoinStyle(int join) {
  switch (join) {
    case 1: return Qt::BevelJoin;
    case 2: return Qt::MiterJoin;
    default: return Qt::RoundJoin;
  }
}

}  // namespace

// Bytes of text images kept, and the largest image made.
constexpr int kSpriteCacheBytes = 8 * 1024 * 1024;
constexpr double kMaxSpritePixels = 512.0 * 512.0;

struct Renderer::Cached {
  BuiltShape shape;
  std::vector<ColoredPath> text;
  QRectF text_bounds;
};

Renderer::Renderer(const Movie& movie) : movie_(movie) {
  cache_.setMaxCost(kCacheElements);
  sprites_.setMaxCost(kSpriteCacheBytes);
}

Renderer::~Renderer() = default;

const Renderer::Cached& Renderer::Paths(const Character& character) {
  if (Cached* hit = cache_.object(&character)) return *hit;
  auto built = std::make_unique<Cached>();
  int cost = 1;
  if (character.kind() == CharacterKind::kShape) {
    built->shape = BuildShapePaths(static_cast<const ShapeCharacter&>(character).geometry());
    cost += built->shape.ElementCount();
  } else if (character.kind() == CharacterKind::kText) {
    built->text = BuildTextPaths(static_cast<const TextCharacter&>(character), movie_);
    for (const auto& t : built->text) {
      cost += t.path.elementCount();
      built->text_bounds |= t.path.boundingRect();
    }
  }
  Cached* raw = built.get();
  // An entry heavier than the whole cache is kept out of it; keep it here
  // until the next call instead.
  if (cost > kCacheElements) {
    static thread_local std::unique_ptr<Cached> oversized;
    oversized = std::move(built);
    return *oversized;
  }
  cache_.insert(&character, built.release(), cost);
  return *raw;
}

const DisplayList& Renderer::SpriteState(std::uint16_t id, int frame) {
  const auto* sprite = movie_.FindAs<SpriteCharacter>(id, CharacterKind::kSprite);
  auto& timeline = sprite_timelines_[id];
  if (!timeline) timeline = std::make_unique<Timeline>(sprite->frames());
  return timeline->StateAt(frame);
}

QImage Renderer::RenderFrame(const DisplayList& list, int frame, double scale, const ButtonStates* states,
                             std::optional<Rgba> background_override) {
  const double w = std::ceil(std::max(1, movie_.WidthPixels()) * scale);
  const double h = std::ceil(std::max(1, movie_.HeightPixels()) * scale);
  if (!(scale > 0) || w * h > static_cast<double>(kMaxStagePixels)) return {};
  QImage image(static_cast<int>(w), static_cast<int>(h), QImage::Format_ARGB32_Premultiplied);
  if (image.isNull()) return image;
  QPainter painter(&image);
  const QTransform to_device = QTransform::fromTranslate(-movie_.stage.x_min, -movie_.stage.y_min) *
                               QTransform::fromScale(scale / 20.0, scale / 20.0);
  RenderStage(painter, list, frame, to_device, states, background_override);
  painter.end();
  return image;
}

void Renderer::RenderStage(QPainter& painter, const DisplayList& list, int frame, const QTransform& stage_to_device,
                           const ButtonStates* states, std::optional<Rgba> background_override) {
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  painter.setRenderHint(QPainter::TextAntialiasing);
  const Rgba background = background_override.value_or(list.background.value_or(DefaultBackground()));
  painter.save();
  painter.setTransform(stage_to_device);
  painter.fillRect(movie_.stage.ToQRectF(), QColor(background.r, background.g, background.b));
  painter.restore();
  DrawList(painter, list, frame, stage_to_device, ColorTransform{}, 0, states);
}

void Renderer::DrawList(QPainter& painter, const DisplayList& list, int frame, const QTransform& to_device,
                        const ColorTransform& color, int nesting, const ButtonStates* states) {
  struct Mask {
    std::uint16_t until;
    QPainterPath area;
  };
  std::vector<Mask> masks;
  for (const auto& [depth, object] : list.objects) {
    while (!masks.empty() && masks.back().until < depth) masks.pop_back();
    const QTransform t = object.matrix * to_device;
    if (object.clip_depth != 0) {
      QPainterPath area = Outline(object.character, t, nesting, false);
      if (!masks.empty()) area = area.intersected(masks.back().area);
      masks.push_back({object.clip_depth, std::move(area)});
      continue;
    }
    ButtonState button_state = ButtonState::kUp;
    if (states != nullptr) {
      auto it = states->find(depth);
      if (it != states->end()) button_state = it->second;
    }
    const int age = std::max(0, frame - object.placed_frame);
    if (masks.empty()) {
      DrawCharacter(painter, object.character, age, t, color.Compose(object.color), nesting, button_state);
      continue;
    }
    painter.save();
    painter.resetTransform();
    painter.setClipPath(masks.back().area, Qt::IntersectClip);
    DrawCharacter(painter, object.character, age, t, color.Compose(object.color), nesting, button_state);
    painter.restore();
  }
}

void Renderer::DrawCharacter(QPainter& painter, std::uint16_t id, int age, const QTransform& to_device,
                             const ColorTransform& color, int nesting, ButtonState button_state) {
  const Character* c = movie_.Find(id);
  if (c == nullptr || nesting > kMaxNesting) return;
  switch (c->kind()) {
    case CharacterKind::kShape: DrawShape(painter, static_cast<const ShapeCharacter&>(*c), to_device, color); break;
    case CharacterKind::kText: DrawText(painter, *c, to_device, color); break;
    case CharacterKind::kEditText:
      painter.setTransform(to_device);
      DrawEditText(painter, static_cast<const EditTextCharacter&>(*c), movie_, color);
      break;
    case CharacterKind::kButton: {
      const auto& button = static_cast<const ButtonCharacter&>(*c);
      std::vector<const ButtonRecord*> shown;
      for (const ButtonRecord& r : button.records())
        if (r.ShownIn(button_state)) shown.push_back(&r);
      std::stable_sort(shown.begin(), shown.end(),
                       [](const ButtonRecord* a, const ButtonRecord* b) { return a->depth < b->depth; });
      for (const ButtonRecord* r : shown)
        DrawCharacter(painter, r->character, age, r->matrix * to_device, color.Compose(r->color), nesting + 1,
                      ButtonState::kUp);
      break;
    }
    case CharacterKind::kSprite: {
      const auto& sprite = static_cast<const SpriteCharacter&>(*c);
      const int count = std::max(1, sprite.frames().frame_count);
      const int frame = age % count;
      // A copy: drawing may ask the same sprite's timeline for another frame.
      const DisplayList list = SpriteState(id, frame);
      DrawList(painter, list, frame, to_device, color, nesting + 1, nullptr);
      break;
    }
    default: break;  // bitmaps, fonts and sounds are not placed on their own
  }
}

void Renderer::DrawText(QPainter& painter, const Character& text, const QTransform& to_device,
                        const ColorTransform& color) {
  const Cached& paths = Paths(text);
  if (paths.text.empty()) return;
  const QRectF device = to_device.mapRect(paths.text_bounds);
  const bool plain = painter.compositionMode() == QPainter::CompositionMode_SourceOver;
  if (!plain || device.width() * device.height() > kMaxSpritePixels || !device.isValid()) {
    painter.setTransform(to_device);
    for (const ColoredPath& run : paths.text) painter.fillPath(run.path, Transformed(color, run.color));
    return;
  }
  // The image's origin is the whole pixel left of and above the text; the
  // offset of the text in it is rounded to a quarter pixel and is part of
  // the key.
  const double left = std::floor(device.left()) - 1;
  const double top = std::floor(device.top()) - 1;
  const double fx = std::round((to_device.dx() - left) * 4) / 4;
  const double fy = std::round((to_device.dy() - top) * 4) / 4;
  QByteArray key;
  const double values[] = {to_device.m11(), to_device.m12(), to_device.m21(), to_device.m22(), fx, fy,
                           color.mult[0],   color.mult[1],   color.mult[2],   color.mult[3],   color.add[0],
                           color.add[1],    color.add[2],    color.add[3]};
  const auto* character = &text;
  key.append(reinterpret_cast<const char*>(&character), sizeof character);
  key.append(reinterpret_cast<const char*>(values), sizeof values);
  painter.save();
  painter.resetTransform();
  if (const QImage* sprite = sprites_.object(key)) {
    painter.drawImage(QPointF(left, top), *sprite);
  } else {
    const int w = static_cast<int>(std::ceil(device.right() - left)) + 2;
    const int h = static_cast<int>(std::ceil(device.bottom() - top)) + 2;
    auto image = std::make_unique<QImage>(w, h, QImage::Format_ARGB32_Premultiplied);
    image->fill(Qt::transparent);
    QPainter p(image.get());
    p.setRenderHint(QPainter::Antialiasing);
    p.setTransform(QTransform(to_device.m11(), to_device.m12(), to_device.m21(), to_device.m22(), fx, fy));
    for (const ColoredPath& run : paths.text) p.fillPath(run.path, Transformed(color, run.color));
    p.end();
    painter.drawImage(QPointF(left, top), *image);
    const auto cost = static_cast<int>(image->sizeInBytes());
    sprites_.insert(key, image.release(), cost);
  }
  painter.restore();
}

void Renderer::DrawShape(QPainter& painter, const ShapeCharacter& shape, const QTransform& to_device,
                         const ColorTransform& color) {
  const BuiltShape& built = Paths(shape).shape;
  const ShapeGeometry& g = shape.geometry();
  painter.setTransform(to_device);
  const double px_per_twip = DeviceScale(to_device);
  for (const BuiltShape::Layer& layer : built.layers) {
    for (const BuiltShape::Fill& f : layer.fills) {
      if (f.style < 1 || f.style > static_cast<int>(g.fills.size())) continue;
      DrawFill(painter, g.fills[f.style - 1], f.path, to_device, color);
    }
    for (const BuiltShape::Line& l : layer.lines) {
      if (l.style < 1 || l.style > static_cast<int>(g.lines.size())) continue;
      const LineStyle& style = g.lines[l.style - 1];
      QPen pen(Transformed(color, style.color));
      pen.setCapStyle(CapStyle(style.start_cap));
      pen.setJoinStyle(JoinStyle(style.join));
      if (style.join == 2) pen.setMiterLimit(style.miter_limit);
      // Hairlines stay one pixel wide at any scale.
      if (style.width * px_per_twip < 1.0) {
        pen.setCosmetic(true);
        pen.setWidthF(1.0);
      } else {
        pen.setWidthF(style.width);
      }
      painter.strokePath(l.path, pen);
    }
  }
}

void Renderer::DrawFill(QPainter& painter, const FillStyle& fill, const QPainterPath& path,
                        const QTransform& to_device, const ColorTransform& color) {
  switch (fill.type) {
    case FillStyle::Type::kSolid: painter.fillPath(path, Transformed(color, fill.color)); return;
    case FillStyle::Type::kLinearGradient:
    case FillStyle::Type::kRadialGradient:
    case FillStyle::Type::kFocalGradient: {
      // Gradients live in a square from -16384 to 16384 twips, mapped by the fill's matrix.
      std::unique_ptr<QGradient> gradient;
      if (fill.type == FillStyle::Type::kLinearGradient)
        gradient = std::make_unique<QLinearGradient>(-16384.0, 0.0, 16384.0, 0.0);
      else
        gradient = std::make_unique<QRadialGradient>(QPointF(0, 0), 16384.0, QPointF(fill.focal * 16384.0, 0));
      QGradientStops stops;
      for (const GradientStop& s : fill.stops) stops.append({s.ratio / 255.0, Transformed(color, s.color)});
      // Qt wants ascending positions.
      std::stable_sort(stops.begin(), stops.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
      gradient->setStops(stops);
      gradient->setSpread(fill.spread == 1 ? QGradient::ReflectSpread
                          : fill.spread == 2 ? QGradient::RepeatSpread
                                             : QGradient::PadSpread);
      QBrush brush(*gradient);
      brush.setTransform(fill.matrix);
      painter.fillPath(path, brush);
      return;
    }
    case FillStyle::Type::kBitmap: {
      const auto* bitmap = movie_.FindAs<BitmapCharacter>(fill.bitmap_id, CharacterKind::kBitmap);
      if (bitmap == nullptr || bitmap->Image().isNull()) return;
      const QImage image = TransformedImage(bitmap->Image(), color);
      painter.save();
      painter.setRenderHint(QPainter::SmoothPixmapTransform, fill.smoothed);
      if (fill.repeat) {
        QBrush brush(image);
        brush.setTransform(fill.matrix);
        painter.fillPath(path, brush);
      } else {
        painter.setClipPath(path, Qt::IntersectClip);
        painter.setTransform(fill.matrix * to_device);
        painter.drawImage(QPointF(0, 0), image);
      }
      painter.restore();
      return;
    }
  }
}

QPainterPath Renderer::Outline(std::uint16_t id, const QTransform& to_device, int nesting, bool hit_area) {
  QPainterPath out;
  out.setFillRule(Qt::WindingFill);
  const Character* c = movie_.Find(id);
  if (c == nullptr || nesting > kMaxNesting) return out;
  switch (c->kind()) {
    case CharacterKind::kShape:
      for (const auto& layer : Paths(*c).shape.layers)
        for (const auto& f : layer.fills) out.addPath(to_device.map(f.path));
      break;
    case CharacterKind::kText:
      for (const auto& run : Paths(*c).text) out.addPath(to_device.map(run.path));
      break;
    case CharacterKind::kEditText: {
      QPainterPath box;
      box.addRect(static_cast<const EditTextCharacter&>(*c).properties().bounds.ToQRectF());
      out.addPath(to_device.map(box));
      break;
    }
    case CharacterKind::kButton:
      for (const ButtonRecord& r : static_cast<const ButtonCharacter&>(*c).records())
        if (hit_area ? r.hit_test : r.up) out.addPath(Outline(r.character, r.matrix * to_device, nesting + 1, false));
      break;
    case CharacterKind::kSprite: {
      const DisplayList list = SpriteState(id, 0);
      for (const auto& [depth, object] : list.objects)
        out.addPath(Outline(object.character, object.matrix * to_device, nesting + 1, false));
      break;
    }
    default: break;
  }
  return out;
}

bool Renderer::HitsButton(const DisplayList& list, std::uint16_t depth, const QPointF& stage_point) {
  auto it = list.objects.find(depth);
  if (it == list.objects.end()) return false;
  const Character* c = movie_.Find(it->second.character);
  if (c == nullptr || c->kind() != CharacterKind::kButton) return false;
  return Outline(it->second.character, it->second.matrix, 0, true).contains(stage_point);
}

}  // namespace swfplayer
