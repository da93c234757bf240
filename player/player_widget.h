#pragma once

#include <QWidget>

#include "player/flash_player_control.h"

namespace swfplayer {

// Shows a FlashPlayerControl: at the movie's own size in pixels when the
// widget has that size, fitted and centred otherwise. Passes the mouse on to
// the control's buttons; space plays or pauses, the arrows step, Home and
// End jump to the first and last frame.
class PlayerWidget : public QWidget {
  Q_OBJECT

 public:
  explicit PlayerWidget(QWidget* parent = nullptr);
  ~PlayerWidget() override;

  FlashPlayerControl& control() { return control_; }
  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  QPointF ToStage(const QPointF& widget_point) const;

  FlashPlayerControl control_;
};

}  // namespace swfplayer
