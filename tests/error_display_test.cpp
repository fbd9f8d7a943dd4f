#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QEvent>
#include <QMessageBox>

#include <stdexcept>

#include "gui_test_support.h"
#include "platform/errors.h"
#include "platform/gui/error_display.h"

namespace {

TEST(ErrorBoxText, AddsAFullStopAfterCharactersAboveTheFullStop) {
  struct Case {
    const char* message;
    const char* shown;
  };
  const Case cases[] = {
      {"", ""},
      {"Disk full", "Disk full."},
      {"Error 42", "Error 42."},
      {"Done.", "Done."},
      {"Stop!", "Stop!"},
      {"Ends in a dash -", "Ends in a dash -"},
      {"(see above)", "(see above)"},
      {"Unable to write to /tmp/", "Unable to write to /tmp/."},
      {"Größe", "Größe."},
      {"Line\n", "Line\n"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(platform::gui::ErrorBoxText(QString::fromUtf8(c.message)), QString::fromUtf8(c.shown))
        << c.message;
  }
}

TEST(ErrorDisplay, ShowsAModalCriticalBoxTitledWithTheApplication) {
  bool seen = false;
  WhenModalShows([&seen](QWidget* modal) {
    auto* box = qobject_cast<QMessageBox*>(modal);
    ASSERT_NE(box, nullptr);
    seen = true;
    EXPECT_EQ(box->text(), "Unable to write to /x/Sundial.ini.");
    EXPECT_EQ(box->windowTitle(), "Ziradadozo Rezudor Design");
    EXPECT_EQ(box->icon(), QMessageBox::Critical);
    EXPECT_EQ(box->standardButtons(), QMessageBox::Ok);
    EXPECT_EQ(box->windowModality(), Qt::ApplicationModal);
    box->button(QMessageBox::Ok)->click();
  });
  platform::gui::ShowError("Unable to write to /x/Sundial.ini");
  EXPECT_TRUE(seen);
}

TEST(ErrorDisplay, RunGuardedShowsWhatEscapesTheAction) {
  ErrorCapture errors;
  platform::gui::RunGuarded([] { throw platform::FileError("/x", "Permission denied", "Unable to write to /x"); });
  platform::gui::RunGuarded([] { throw 7; });
  EXPECT_EQ(errors.Shown(), QStringList({"Unable to write to /x.", "Unknown error."}));
}

// Throws from its event handler on the first event it is sent.
class ThrowingObject : public QObject {
 public:
  int handled = 0;

 protected:
  bool event(QEvent* event) override {
    if (event->type() != QEvent::User) return QObject::event(event);
    if (++handled == 1) throw std::runtime_error("Thrown by a handler");
    return true;
  }
};

TEST(ErrorDisplay, ApplicationShowsAnExceptionFromAHandlerAndDeliversTheNextEvent) {
  ErrorCapture errors;
  ThrowingObject receiver;
  QEvent first(QEvent::User);
  EXPECT_FALSE(QCoreApplication::sendEvent(&receiver, &first));
  EXPECT_EQ(errors.Shown(), QStringList({"Thrown by a handler."}));

  QCoreApplication::postEvent(&receiver, new QEvent(QEvent::User));
  QCoreApplication::sendPostedEvents(&receiver);
  EXPECT_EQ(receiver.handled, 2);
}

}  // namespace
