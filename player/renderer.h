#pragma once

#include <QCache>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <functional>
#include <map>
#include <memory>

#include "player/button.h"
#include "player/display_list.h"
#include "player/movie.h"
#include "player/shape_paths.h"
#include "player/text_paths.h"
#include "player/timeline.h"

namespace swfplayer {

// Stages larger than this many pixels are not rendered.
inline constexpr std::int64_t kMaxStagePixels = 64LL * 1024 * 1024;

// Draws display lists with QPainter, anti-aliased, at any scale. Paths built
// from shapes and texts are cached, weighed by their size.
class Renderer {
 public:
  // The state of a top-level button, by depth; kUp when not given.
  using ButtonStates = std::map<std::uint16_t, ButtonState>;

  explicit Renderer(const Movie& movie);
  ~Renderer();

  // The stage at `frame` with its background, `scale` pixels per pixel.
  // A null image when the stage would be too large.
  QImage RenderFrame(const DisplayList& list, int frame, double scale, const ButtonStates* states = nullptr,
                     std::optional<Rgba> background_override = std::nullopt);

  // Draws the stage into `painter`: `stage_to_device` maps twips to the
  // painter's device. The background is filled over the stage rectangle.
  void RenderStage(QPainter& painter, const DisplayList& list, int frame, const QTransform& stage_to_device,
                   const ButtonStates* states = nullptr, std::optional<Rgba> background_override = std::nullopt);

  // Is the stage point (twips) inside the hit area of the button at `depth`?
  bool HitsButton(const DisplayList& list, std::uint16_t depth, const QPointF& stage_point);

  static Rgba DefaultBackground() { return Rgba{255, 255, 255, 255}; }

 private:
  struct Cached;
  void DrawList(QPainter& painter, const DisplayList& list, int frame, const QTransform& to_device,
                const ColorTransform& color, int nesting, const ButtonStates* states);
  void DrawCharacter(QPainter& painter, std::uint16_t id, int age, const QTransform& to_device,
                     const ColorTransform& color, int nesting, ButtonState button_state);
  void DrawShape(QPainter& painter, const ShapeCharacter& shape, const QTransform& to_device,
                 const ColorTransform& color);
  void DrawFill(QPainter& painter, const FillStyle& fill, const QPainterPath& path, const QTransform& to_device,
                const ColorTransform& color);
  // The area a character covers, in device coordinates (masks and hits).
  QPainterPath Outline(std::uint16_t id, const QTransform& to_device, int nesting, bool hit_area);
  const Cached& Paths(const Character& character);
  void DrawText(QPainter& painter, const Character& text, const QTransform& to_device, const ColorTransform& color);
  const DisplayList& SpriteState(std::uint16_t id, int frame);

  const Movie& movie_;
  QCache<const Character*, Cached> cache_;
  // Texts drawn once into an image per device size, rotation, colour and
  // quarter-pixel offset, then copied: moving texts cost a blit.
  QCache<QByteArray, QImage> sprites_;
  std::map<std::uint16_t, std::unique_ptr<Timeline>> sprite_timelines_;
};

}  // namespace swfplayer
