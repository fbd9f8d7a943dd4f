// The yardsticks for the window's start-up: the least a Qt Widgets program
// does to show a window of the same size, and, given a caption, the same
// window holding one label sized to that caption, which is the least a
// window pays for showing any text: Qt's font database.
#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QWidget window;
  window.resize(458, 358);
  if (argc > 1) {
    auto* label = new QLabel(QString::fromLocal8Bit(argv[1]), &window);
    label->adjustSize();
  }
  window.show();
  return application.exec();
}
