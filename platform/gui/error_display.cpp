#include "platform/gui/error_display.h"

#include <QApplication>
#include <QMessageBox>

#include <exception>
#include <utility>

namespace platform::gui {
namespace {

ErrorHandler& InstalledHandler() {
  static ErrorHandler handler;
  return handler;
}

QString MessageOf(const std::exception_ptr& error) {
  try {
    std::rethrow_exception(error);
  } catch (const std::exception& e) {
    return QString::fromUtf8(e.what());
  } catch (...) {
    return QStringLiteral("Unknown error");
  }
}

}  // namespace

QString ErrorBoxText(const QString& message) {
  if (!message.isEmpty() && message.back().unicode() > u'.') return message + u'.';
  return message;
}

void ShowError(const QString& message) {
  const QString text = ErrorBoxText(message);
  if (const ErrorHandler& handler = InstalledHandler()) {
    handler(text);
    return;
  }
  QMessageBox box(QMessageBox::Critical, QApplication::applicationName(), text, QMessageBox::Ok);
  box.setWindowModality(Qt::ApplicationModal);
  box.exec();
}

void ShowCurrentException() {
  ShowError(MessageOf(std::current_exception()));
}

ErrorHandler SetErrorHandler(ErrorHandler handler) {
  return std::exchange(InstalledHandler(), std::move(handler));
}

}  // namespace platform::gui
