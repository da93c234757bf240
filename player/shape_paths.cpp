#include "player/shape_paths.h"

#include <map>
#include <unordered_map>

namespace swfplayer {
namespace {

struct Segment {
  QPoint from;
  QPoint control;
  QPoint to;
  bool curved = false;
};

std::uint64_t Key(const QPoint& p) {
  return (static_cast<std::uint64_t>(static_cast<std::uint32_t>(p.x())) << 32) | static_cast<std::uint32_t>(p.y());
}

void AddSegment(QPainterPath& path, const Segment& s) {
  if (s.curved)
    path.quadTo(s.control, s.to);
  else
    path.lineTo(s.to);
}

QPainterPath LinkContours(const std::vector<Segment>& segments) {
  QPainterPath path;
  path.setFillRule(Qt::OddEvenFill);
  std::unordered_map<std::uint64_t, std::vector<int>> by_start;
  by_start.reserve(segments.size());
  // Reverse insertion so that pop_back finds the earliest segment first.
  for (int i = static_cast<int>(segments.size()) - 1; i >= 0; --i) by_start[Key(segments[i].from)].push_back(i);
  std::vector<bool> used(segments.size(), false);
  for (std::size_t first = 0; first < segments.size(); ++first) {
    if (used[first]) continue;
    const QPoint start = segments[first].from;
    path.moveTo(start);
    int current = static_cast<int>(first);
    while (true) {
      used[current] = true;
      AddSegment(path, segments[current]);
      const QPoint end = segments[current].to;
      if (end == start) break;
      auto it = by_start.find(Key(end));
      int next = -1;
      if (it != by_start.end()) {
        auto& candidates = it->second;
        while (!candidates.empty()) {
          const int c = candidates.back();
          candidates.pop_back();
          if (!used[c]) {
            next = c;
            break;
          }
        }
      }
      if (next < 0) break;  // an open contour is closed straight back
      current = next;
    }
    path.closeSubpath();
  }
  return path;
}

std::map<int, std::vector<Segment>> FillSegments(const ShapeGeometry& shape, int group) {
  std::map<int, std::vector<Segment>> by_fill;
  for (const ShapeEdge& e : shape.edges) {
    if (e.group != group) continue;
    if (e.fill1 != 0) by_fill[e.fill1].push_back(Segment{e.from, e.control, e.to, e.curved});
    if (e.fill0 != 0) by_fill[e.fill0].push_back(Segment{e.to, e.control, e.from, e.curved});
  }
  return by_fill;
}

}  // namespace

int BuiltShape::ElementCount() const {
  int n = 0;
  for (const Layer& layer : layers) {
    for (const Fill& f : layer.fills) n += f.path.elementCount();
    for (const Line& l : layer.lines) n += l.path.elementCount();
  }
  return n;
}

BuiltShape BuildShapePaths(const ShapeGeometry& shape) {
  BuiltShape built;
  for (int group = 0; group < shape.group_count; ++group) {
    BuiltShape::Layer layer;
    for (auto& [style, segments] : FillSegments(shape, group)) layer.fills.push_back({style, LinkContours(segments)});
    std::map<int, QPainterPath> lines;
    std::map<int, QPoint> last_end;
    for (const ShapeEdge& e : shape.edges) {
      if (e.group != group || e.line == 0) continue;
      QPainterPath& path = lines[e.line];
      auto it = last_end.find(e.line);
      if (it == last_end.end() || it->second != e.from) path.moveTo(e.from);
      AddSegment(path, Segment{e.from, e.control, e.to, e.curved});
      last_end[e.line] = e.to;
    }
    for (auto& [style, path] : lines) layer.lines.push_back({style, std::move(path)});
    if (!layer.fills.empty() || !layer.lines.empty()) built.layers.push_back(std::move(layer));
  }
  return built;
}

QPainterPath BuildFillOutline(const ShapeGeometry& shape) {
  QPainterPath outline;
  outline.setFillRule(Qt::OddEvenFill);
  for (int group = 0; group < shape.group_count; ++group)
    for (auto& [style, segments] : FillSegments(shape, group)) outline.addPath(LinkContours(segments));
  return outline;
}

}  // namespace swfplayer
