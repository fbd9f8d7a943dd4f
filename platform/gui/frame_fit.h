#pragma once

#include <QAbstractNativeEventFilter>
#include <QMargins>
#include <QObject>
#include <QSize>

#include <QRect>

#include <optional>

class QWidget;

namespace platform::gui {

// The geometry, frame excluded, that gives a window of `frame` the outer
// size `outerSize` centred in `screen`; nothing for a frame that makes no
// sense: a negative side, or one as large as the window.
std::optional<QRect> FittedGeometry(const QMargins& frame, QSize outerSize, const QRect& screen);

// Keeps a window's outer size, frame and caption included, at `outerSize`
// and centres it on its screen. A window manager tells the frame only after
// it has framed the window, and may change it later, so the fit is made
// again whenever the frame it reports changes: when the window shows, moves,
// resizes or activates, and when the window manager sets a property on it
// (_NET_FRAME_EXTENTS among them) under X11. Frame sizes that make no sense
// (negative, or as large as the window) are ignored. A resize by the user
// leaves the frame as it was and is kept. Without a window manager the
// frame is empty and the window itself gets `outerSize`.
class FrameFit : public QObject, public QAbstractNativeEventFilter {
 public:
  // Watches `window`, which owns the FrameFit.
  FrameFit(QWidget* window, QSize outerSize);
  ~FrameFit() override;

  bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Fit();

  QWidget* window_;
  QSize outerSize_;
  std::optional<QMargins> fittedFrame_;
};

}  // namespace platform::gui
