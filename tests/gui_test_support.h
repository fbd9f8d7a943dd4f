#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QStringList>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <utility>

#include "app/horizontal_form.h"
#include "platform/gui/error_display.h"
#include "temp_folder.h"

// Lets a failed expectation show the text itself.
inline void PrintTo(const QString& text, std::ostream* out) {
  *out << '"' << text.toStdString() << '"';
}

// Collects what the error display would show, instead of a modal box.
class ErrorCapture {
 public:
  ErrorCapture()
      : previous_(platform::gui::SetErrorHandler(
            [this](const QString& text) { shown_.append(text); })) {}
  ErrorCapture(const ErrorCapture&) = delete;
  ErrorCapture& operator=(const ErrorCapture&) = delete;
  ~ErrorCapture() { platform::gui::SetErrorHandler(std::move(previous_)); }

  const QStringList& Shown() const { return shown_; }

 private:
  platform::gui::ErrorHandler previous_;
  QStringList shown_;
};

// Runs `act` on the next modal window once its event loop is running, and
// closes the window afterwards if `act` left it open, so that a failed
// expectation cannot leave the test waiting on it.
inline void WhenModalShows(std::function<void(QWidget*)> act, int triesLeft = 20) {
  QTimer::singleShot(0, [act = std::move(act), triesLeft]() mutable {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr) {
      if (triesLeft > 0) WhenModalShows(std::move(act), triesLeft - 1);
      else ADD_FAILURE() << "no modal window showed";
      return;
    }
    act(modal);
    if (modal->isVisible()) modal->close();
  });
}

// A window whose settings file lies in a fresh folder of its own.
class WindowTest : public ::testing::Test {
 protected:
  std::string SettingsFile() const { return folder_.File("Sundial.ini"); }

  app::THorizontalForm& OpenForm() {
    form_ = std::make_unique<app::THorizontalForm>(SettingsFile());
    return *form_;
  }
  // Destroys the window, which saves its settings.
  void CloseForm() { form_.reset(); }

  TempFolder folder_;
  std::unique_ptr<app::THorizontalForm> form_;
};
