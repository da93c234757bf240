#include "player/edit_text_painter.h"

#include <QTextDocumentFragment>
#include <algorithm>

#include "player/font.h"

namespace swfplayer {
namespace {
// Flash keeps two pixels between a field's border and its text.
constexpr int kGutter = 40;
}  // namespace

QString DeviceFontFamily(const std::string& name) {
  if (name.empty() || name == "_sans") return QStringLiteral("Liberation Sans");
  if (name == "_serif") return QStringLiteral("Liberation Serif");
  if (name == "_typewriter") return QStringLiteral("Liberation Mono");
  return QString::fromLocal8Bit(name.data(), static_cast<qsizetype>(name.size()));
}

void DrawEditText(QPainter& painter, const EditTextCharacter& field, const Movie& movie, const ColorTransform& color) {
  const EditTextProperties& p = field.properties();
  const QRectF box = p.bounds.ToQRectF();
  if (p.border) {
    painter.fillRect(box, color.Apply(Rgba{255, 255, 255, 255}).ToQColor());
    QPen pen(color.Apply(Rgba{0, 0, 0, 255}).ToQColor());
    pen.setCosmetic(true);
    pen.setWidth(1);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(box);
  }
  QString text = QString::fromLocal8Bit(p.text.data(), static_cast<qsizetype>(p.text.size()));
  if (p.html) text = QTextDocumentFragment::fromHtml(text).toPlainText();
  if (p.password) text = QString(text.size(), QLatin1Char('*'));
  if (text.isEmpty()) return;
  std::string face;
  bool bold = false, italic = false;
  if (const auto* font = movie.FindAs<FontCharacter>(p.font_id, CharacterKind::kFont)) {
    face = font->name();
    bold = font->bold();
    italic = font->italic();
  }
  QFont qfont(DeviceFontFamily(face));
  qfont.setPixelSize(std::max(1, p.font_height));
  qfont.setBold(bold);
  qfont.setItalic(italic);
  painter.setFont(qfont);
  painter.setPen(color.Apply(p.color).ToQColor());
  const QRectF inner = box.adjusted(kGutter + p.left_margin + p.indent, kGutter, -kGutter - p.right_margin, -kGutter);
  int flags = Qt::AlignTop;
  switch (p.align) {
    case 1: flags |= Qt::AlignRight; break;
    case 2: flags |= Qt::AlignHCenter; break;
    case 3: flags |= Qt::AlignJustify; break;
    default: flags |= Qt::AlignLeft; break;
  }
  if (p.word_wrap) flags |= Qt::TextWordWrap;
  if (!p.multiline) text.replace(QLatin1Char('\n'), QLatin1Char(' ')).replace(QLatin1Char('\r'), QLatin1Char(' '));
  painter.save();
  painter.setClipRect(box, Qt::IntersectClip);
  painter.drawText(inner, flags, text);
  painter.restore();
}

}  // namespace swfplayer
