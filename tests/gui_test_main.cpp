// The window tests need the application object before any widget exists.
#include <gtest/gtest.h>

#include <QStandardPaths>

#include "app/application_title.h"
#include "platform/gui/application.h"

int main(int argc, char** argv) {
  // The tests drive the window themselves and need no screen.
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  // The window and the command-line tool it is compared with then read
  // typed numbers with the same decimal separator.
  qputenv("LC_ALL", "C.UTF-8");
  // Keeps the file dialog's remembered state out of the user's settings.
  QStandardPaths::setTestModeEnabled(true);
  ::testing::InitGoogleTest(&argc, argv);
  platform::gui::Application application(argc, argv);
  application.setApplicationName(QLatin1String(app::kApplicationTitle));
  return RUN_ALL_TESTS();
}
