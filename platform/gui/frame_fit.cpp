#include "platform/gui/frame_fit.h"

#include <xcb/xproto.h>

#include <QCoreApplication>
#include <QEvent>
#include <QScreen>
#include <QWidget>
#include <QWindow>

namespace platform::gui {

std::optional<QRect> FittedGeometry(const QMargins& frame, QSize outerSize, const QRect& screen) {
  const bool plausible = frame.left() >= 0 && frame.top() >= 0 && frame.right() >= 0 &&
                         frame.bottom() >= 0 &&
                         frame.left() + frame.right() < outerSize.width() &&
                         frame.top() + frame.bottom() < outerSize.height();
  if (!plausible) return std::nullopt;
  QRect outer(QPoint(), outerSize);
  outer.moveCenter(screen.center());
  return outer.marginsRemoved(frame);
}

FrameFit::FrameFit(QWidget* window, QSize outerSize)
    : QObject(window), window_(window), outerSize_(outerSize) {
  window_->installEventFilter(this);
  QCoreApplication::instance()->installNativeEventFilter(this);
}

FrameFit::~FrameFit() { QCoreApplication::instance()->removeNativeEventFilter(this); }

bool FrameFit::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::Show:
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::WindowActivate:
      Fit();
      break;
    default:
      break;
  }
  return QObject::eventFilter(watched, event);
}

bool FrameFit::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) {
  if (eventType != "xcb_generic_event_t" || !window_->testAttribute(Qt::WA_WState_Created)) {
    return false;
  }
  const auto* event = static_cast<const xcb_generic_event_t*>(message);
  if ((event->response_type & ~0x80) != XCB_PROPERTY_NOTIFY) return false;
  const auto* change = static_cast<const xcb_property_notify_event_t*>(message);
  if (change->window != window_->winId()) return false;
  // Qt reads the new frame only once it has handled this event itself.
  QMetaObject::invokeMethod(this, &FrameFit::Fit, Qt::QueuedConnection);
  return false;
}

void FrameFit::Fit() {
  const QWindow* handle = window_->windowHandle();
  const QScreen* screen = window_->screen();
  if (handle == nullptr || screen == nullptr || !window_->isVisible()) return;
  const QMargins frame = handle->frameMargins();
  if (fittedFrame_ == frame) return;
  const std::optional<QRect> geometry =
      FittedGeometry(frame, outerSize_, screen->availableGeometry());
  if (!geometry) return;
  fittedFrame_ = frame;
  window_->setGeometry(*geometry);
}

}  // namespace platform::gui
