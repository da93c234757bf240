#include "player/player_widget.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace swfplayer {

PlayerWidget::PlayerWidget(QWidget* parent) : QWidget(parent) {
  setMouseTracking(true);
  setFocusPolicy(Qt::StrongFocus);
  setAttribute(Qt::WA_OpaquePaintEvent);
  connect(&control_, &FlashPlayerControl::FrameChanged, this, qOverload<>(&QWidget::update));
  connect(&control_, &FlashPlayerControl::MovieChanged, this, &QWidget::updateGeometry);
}

PlayerWidget::~PlayerWidget() = default;

QSize PlayerWidget::sizeHint() const {
  const QSize movie = control_.MovieSize();
  return movie.isValid() ? movie : QSize(420, 180);
}

void PlayerWidget::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  control_.Render(painter, QRectF(rect()));
}

QPointF PlayerWidget::ToStage(const QPointF& widget_point) const {
  bool invertible = false;
  const QTransform back = control_.StageToDevice(QRectF(rect())).inverted(&invertible);
  return invertible ? back.map(widget_point) : QPointF(-1e9, -1e9);
}

void PlayerWidget::mouseMoveEvent(QMouseEvent* event) { control_.MouseMove(ToStage(event->position())); }

void PlayerWidget::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) control_.MousePress(ToStage(event->position()));
}

void PlayerWidget::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) control_.MouseRelease(ToStage(event->position()));
}

void PlayerWidget::leaveEvent(QEvent*) { control_.MouseLeave(); }

void PlayerWidget::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Space: control_.SetPlaying(!control_.Playing()); break;
    case Qt::Key_Left: control_.Back(); break;
    case Qt::Key_Right: control_.Forward(); break;
    case Qt::Key_Home: control_.GotoFrame(0); break;
    case Qt::Key_End: control_.GotoFrame(control_.TotalFrames() - 1); break;
    default: QWidget::keyPressEvent(event); return;
  }
}

}  // namespace swfplayer
