#pragma once

#include <QApplication>

namespace platform::gui {

// The application object. An exception that a handler lets escape is shown
// in the error box where Qt delivers the event, and the event loop goes on;
// letting it travel on through Qt would be undefined behaviour.
class Application : public QApplication {
 public:
  Application(int& argc, char** argv);

  bool notify(QObject* receiver, QEvent* event) override;
};

}  // namespace platform::gui
