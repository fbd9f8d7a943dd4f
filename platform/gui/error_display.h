#pragma once

#include <QString>

#include <functional>

namespace platform::gui {

// The text the error box shows for `message`: a full stop is added when the
// message is not empty and its last character's code lies above that of
// "." (after a letter or a digit, not after "." or "!").
QString ErrorBoxText(const QString& message);

// Shows `message` in the error box: modal, titled with the application
// name, the critical icon and one OK button.
void ShowError(const QString& message);

// Shows the exception being handled. Call it only inside a catch block.
void ShowCurrentException();

// Receives the finished box text instead of the box. Tests install one so
// that an error does not stop them on a modal box.
using ErrorHandler = std::function<void(const QString& boxText)>;

// Installs `handler` (an empty one brings the box back) and returns the one
// it replaces.
ErrorHandler SetErrorHandler(ErrorHandler handler);

// Runs `action` and shows whatever it throws, so that nothing escapes into
// the caller: Qt may not be unwound by an exception.
template <typename Action>
void RunGuarded(Action&& action) noexcept {
  try {
    action();
  } catch (...) {
    ShowCurrentException();
  }
}

}  // namespace platform::gui
