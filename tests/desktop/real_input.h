// The window driven through the X server, as another program's input would come: xdotool for
// the mouse and the keyboard, xclip for the selections another program offers.
#pragma once

#include <QProcess>
#include <QTest>

#include <optional>

#include "tests/ui/window_fixture.h"

namespace solvanix_test {

class RealInput : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    window_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
  }

  static void XDo(const QStringList& arguments) {
    ASSERT_EQ(QProcess::execute(QStringLiteral("xdotool"), arguments), 0)
        << arguments.join(QLatin1Char(' ')).toStdString();
    QTest::qWait(150);  // the events come back through the X server
  }

  // To `at` in the widget, its centre unless given.
  static void MoveTo(const QWidget* widget, std::optional<QPoint> at = {}) {
    const QPoint where = widget->mapToGlobal(at.value_or(widget->rect().center()));
    XDo({"mousemove", QString::number(where.x()), QString::number(where.y())});
  }

  static void Click(const QWidget* widget, int button = 1, std::optional<QPoint> at = {}) {
    MoveTo(widget, at);
    XDo({"click", QString::number(button)});
  }

  // Another program offers `text` as the X selection (primary or clipboard).
  static void Offer(const char* selection, const QByteArray& text) {
    QProcess xclip;
    xclip.start(QStringLiteral("xclip"), {"-selection", QString::fromLatin1(selection)});
    ASSERT_TRUE(xclip.waitForStarted());
    xclip.write(text);
    xclip.closeWriteChannel();
    ASSERT_TRUE(xclip.waitForFinished());
  }
};

}  // namespace solvanix_test
