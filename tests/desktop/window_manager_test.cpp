// The message boxes under a real window manager (openbox, started by the test's command): the
// failure box's whole title on its title bar, no maximise offered, and a box minimised all the
// same back at once, so that its blocked window is never left without it.
#include <QGuiApplication>
#include <QImage>
#include <QMessageBox>
#include <QScreen>
#include <QWindow>

#include <functional>

#include "tests/desktop/real_input.h"
#include "ui/description/texts.h"

namespace solvanix_test {
namespace {

class UnderOpenbox : public RealInput {
 protected:
  void SetUp() override {
    if (qEnvironmentVariableIsEmpty("SOLVANIX_WINDOW_MANAGER")) {
      GTEST_SKIP() << "needs a window manager; desktop.UnderOpenbox starts one";
    }
    RealInput::SetUp();
    SetBoxCatchInterval(60'000);  // the test answers the box itself
  }

  // Clicks OK on the empty window and runs `inspect` on the failure box once the window manager
  // has framed it; the box is answered afterwards.
  void WithFailureBox(const std::function<void(QMessageBox&)>& inspect) {
    QTimer::singleShot(0, [&] {
      QMessageBox* box = nullptr;
      for (int wait = 0; wait < 100 && box == nullptr; ++wait) {
        QTest::qWait(50);
        box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      }
      ASSERT_NE(box, nullptr);
      QTest::qWait(700);  // framed and drawn
      inspect(*box);
      box->accept();
    });
    ClickOk();
    TakeBoxes();
  }

  // The title bar above `window`'s client area, as the screen shows it.
  static QImage TitleBar(const QWidget& window) {
    const QRect frame = window.windowHandle()->frameGeometry();
    const QRect client = window.geometry();
    return QGuiApplication::primaryScreen()
        ->grabWindow(0, frame.x(), frame.y(), frame.width(), client.y() - frame.y())
        .toImage()
        .convertToFormat(QImage::Format_RGB32);
  }

  // The columns of the title's text: where the light pixels of the letters are, in the middle of
  // a wide title bar, away from the icon and the buttons.
  static QImage TitleText(const QImage& bar) {
    int first = bar.width(), last = -1;
    for (int x = bar.width() / 4; x < bar.width() * 3 / 4; ++x) {
      for (int y = 0; y < bar.height(); ++y) {
        if (qGray(bar.pixel(x, y)) > 220) {
          first = std::min(first, x);
          last = x;
        }
      }
    }
    return last < 0 ? QImage() : bar.copy(first - 1, 0, last - first + 3, bar.height());
  }

  static bool Contains(const QImage& picture, const QImage& part) {
    if (part.isNull() || part.height() > picture.height()) return false;
    for (int x = 0; x + part.width() <= picture.width(); ++x) {
      if (picture.copy(x, 0, part.width(), part.height()) == part) return true;
    }
    return false;
  }

  static QString Property(const QWidget& window, const char* name) {
    QProcess xprop;
    xprop.start(QStringLiteral("xprop"), {"-id", QString::number(window.windowHandle()->winId()),
                                          QString::fromLatin1(name)});
    xprop.waitForFinished();
    return QString::fromLatin1(xprop.readAllStandardOutput());
  }
};

TEST_F(UnderOpenbox, FailureBoxShowsItsWholeTitleAndCannotBeMaximised) {
  // The title as openbox writes it on a title bar wide enough for any title.
  QWidget wide;
  wide.setWindowTitle(QString::fromUtf8(ui::texts::kCalculationFailure.title));
  wide.resize(700, 100);
  wide.show();
  wide.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&wide));
  QTest::qWait(500);
  const QImage whole = TitleText(TitleBar(wide));
  ASSERT_FALSE(whole.isNull());
  wide.close();
  window_->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));

  WithFailureBox([&](QMessageBox& box) {
    EXPECT_TRUE(Contains(TitleBar(box), whole)) << "the title is cut on the title bar";
    const QString actions = Property(box, "_NET_WM_ALLOWED_ACTIONS");
    EXPECT_FALSE(actions.contains(QLatin1String("MAXIMIZE"))) << actions.toStdString();
  });
}

TEST_F(UnderOpenbox, MinimisedBoxComesBack) {
  WithFailureBox([&](QMessageBox& box) {
    XDo({"windowminimize", QString::number(box.windowHandle()->winId())});
    QTest::qWait(500);
    EXPECT_FALSE(box.isMinimized());
    EXPECT_TRUE(box.isVisible());
    EXPECT_EQ(QApplication::activeWindow(), &box);
  });
}

}  // namespace
}  // namespace solvanix_test
