// ziradadozo-rezudor-design: the desktop window that designs a horizontal
// sundial and writes it as a DXF drawing.
#include "app/application_title.h"
#include "app/horizontal_form.h"
#include "platform/gui/application.h"
#include "platform/gui/error_display.h"

int main(int, char** argv) {
  // The program takes no options: Qt sees only the program's name, so that
  // "-reverse" or "--style" cannot change the window. The platform can still
  // be chosen with QT_QPA_PLATFORM.
  int qtArgc = 1;
  char* qtArgv[] = {argv[0], nullptr};
  platform::gui::Application application(qtArgc, qtArgv);
  application.setApplicationName(QLatin1String(app::kApplicationTitle));
  // Lets the desktop match the window to its launcher and icon.
  application.setDesktopFileName(QStringLiteral("ziradadozo-rezudor-design"));
  platform::gui::RunGuarded([&application] {
    app::THorizontalForm HorizontalForm;
    HorizontalForm.show();
    application.exec();
  });
  return 0;
}
