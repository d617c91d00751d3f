// The window keeps its designed look on every desktop: the same pixels under a dark GTK theme, a
// dark qt6ct palette and another application style, and the same text at 144 dpi without Qt's
// scaling. Each environment runs this program again with --grab-to, and the pictures are compared.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTemporaryDir>

#include <memory>
#include <string>

#include "tests/desktop/grab.h"
#include "ui/form1.h"

namespace solvanix_test {
namespace {

struct Grabs {
  QString folder;
  QString windowColour;
  int dotsPerInch = 0;
  QImage Picture(const QString& name) const {
    return QImage(QDir(folder).filePath(name + QStringLiteral(".png")));
  }
};

class AppearanceTest : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    scratch_ = std::make_unique<QTemporaryDir>();
    reference_ = Grab(QStringLiteral("reference"), {});
  }
  static void TearDownTestSuite() { scratch_.reset(); }

  // The window as this program draws it with `settings` added to a plain environment.
  static Grabs Grab(const QString& name, const QStringList& settings) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* themed : {"QT_QPA_PLATFORMTHEME", "QT_STYLE_OVERRIDE", "GTK_THEME",
                               "QT_ENABLE_HIGHDPI_SCALING", "QT_FONT_DPI", "QT_SCALE_FACTOR"}) {
      environment.remove(QString::fromLatin1(themed));
    }
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    for (const QString& setting : settings) {
      environment.insert(setting.section(QLatin1Char('='), 0, 0),
                         setting.section(QLatin1Char('='), 1));
    }
    Grabs grabs;
    grabs.folder = QDir(scratch_->path()).filePath(name);
    QDir().mkpath(grabs.folder);
    QProcess child;
    child.setProcessEnvironment(environment);
    child.start(QCoreApplication::applicationFilePath(),
                {QStringLiteral("--grab-to"), grabs.folder});
    EXPECT_TRUE(child.waitForFinished(60000)) << name.toStdString();
    EXPECT_EQ(child.exitCode(), 0)
        << name.toStdString() << ": " << child.readAllStandardError().toStdString();
    QFile desktop(QDir(grabs.folder).filePath(QStringLiteral("desktop.txt")));
    if (desktop.open(QIODevice::ReadOnly)) {
      const QStringList lines = QString::fromUtf8(desktop.readAll()).split(QLatin1Char('\n'));
      grabs.windowColour = lines.value(0);
      grabs.dotsPerInch = lines.value(1).toInt();
    }
    return grabs;
  }

  // The pixels where two pictures differ, outside `ignored`: how many, and where.
  static std::string Differences(const QImage& a, const QImage& b, const QRegion& ignored = {}) {
    if (a.isNull() || a.size() != b.size()) return "pictures of different sizes";
    int differing = 0;
    QRect where;
    for (int y = 0; y < a.height(); ++y) {
      for (int x = 0; x < a.width(); ++x) {
        if (a.pixel(x, y) != b.pixel(x, y) && !ignored.contains(QPoint(x, y))) {
          ++differing;
          where |= QRect(x, y, 1, 1);
        }
      }
    }
    if (differing == 0) return {};
    return std::to_string(differing) + " pixels differ within (" + std::to_string(where.x()) +
           ", " + std::to_string(where.y()) + ") " + std::to_string(where.width()) + " x " +
           std::to_string(where.height());
  }

  static std::unique_ptr<QTemporaryDir> scratch_;
  static Grabs reference_;
};

std::unique_ptr<QTemporaryDir> AppearanceTest::scratch_;
Grabs AppearanceTest::reference_;

// The window and its popups, pixel for pixel as they were designed: a change made to start
// faster or to save memory must not show. After a change that is meant to show, renew the
// pictures with: xvfb-run -a <build>/tests/desktop/solvanix_desktop_tests --grab-to
// tests/desktop/designed
TEST_F(AppearanceTest, TheWindowIsPaintedAsDesigned) {
  const QDir designed(QStringLiteral(SOLVANIX_DESIGNED_PICTURES));
  for (const QString& picture : kGrabbedPictures) {
    EXPECT_EQ(Differences(QImage(designed.filePath(picture + QStringLiteral(".png"))),
                          reference_.Picture(picture)),
              "")
        << picture.toStdString();
  }
}

TEST_F(AppearanceTest, EveryDesktopThemeLeavesTheWindowAsDesigned) {
  ASSERT_FALSE(reference_.Picture(QStringLiteral("window")).isNull());
  const QString qt6ct = QDir(scratch_->path()).filePath(QStringLiteral("config"));
  QDir().mkpath(qt6ct + QStringLiteral("/qt6ct"));
  QFile config(qt6ct + QStringLiteral("/qt6ct/qt6ct.conf"));
  ASSERT_TRUE(config.open(QIODevice::WriteOnly));
  config.write(
      "[Appearance]\ncolor_scheme_path=/usr/share/qt6ct/colors/darker.conf\n"
      "custom_palette=true\n");
  config.close();

  struct Desktop {
    const char* name;
    QStringList settings;
    bool dark;
  };
  const Desktop desktops[] = {
      {"GtkDark", {"QT_QPA_PLATFORMTHEME=gtk3", "GTK_THEME=Adwaita:dark"}, true},
      {"Qt6ctDark", {"QT_QPA_PLATFORMTHEME=qt6ct", "XDG_CONFIG_HOME=" + qt6ct}, true},
      {"WindowsStyle", {"QT_STYLE_OVERRIDE=Windows"}, false},
  };
  for (const Desktop& desktop : desktops) {
    SCOPED_TRACE(desktop.name);
    const Grabs grabs = Grab(QString::fromLatin1(desktop.name), desktop.settings);
    if (desktop.dark) {
      // Otherwise the comparison proves nothing: the theme did not load.
      EXPECT_LT(QColor(grabs.windowColour).lightness(), 128) << grabs.windowColour.toStdString();
    }
    for (const QString& picture : kGrabbedPictures) {
      EXPECT_EQ(Differences(reference_.Picture(picture), grabs.Picture(picture)), "")
          << picture.toStdString();
    }
  }
}

// Fonts are sized in pixels, so at 144 dpi without Qt's scaling every text stays exactly as at
// 96 dpi, inside the same boxes. Only the lists' drop-down buttons follow the dpi, as the style
// draws them.
TEST_F(AppearanceTest, TextStaysInItsBoxesAtAnotherDpi) {
  const Grabs grabs =
      Grab(QStringLiteral("dpi144"), {"QT_ENABLE_HIGHDPI_SCALING=0", "QT_FONT_DPI=144"});
  ASSERT_EQ(grabs.dotsPerInch, 144) << "the dpi was not in force";
  ui::Form1 window;
  QRegion arrows;
  for (QComboBox* list : window.findChildren<QComboBox*>()) {
    QStyleOptionComboBox option;
    option.initFrom(list);
    option.editable = true;
    const QRect arrow =
        list->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxArrow, list);
    // The style widens the button with the dpi: as much again is left out.
    const int left = arrow.left() - arrow.width();
    arrows += QRect(left, 0, list->width() - left, list->height()).translated(list->pos());
  }
  const QImage reference = reference_.Picture(QStringLiteral("window"));
  EXPECT_EQ(Differences(reference, grabs.Picture(QStringLiteral("window")), arrows), "");
}

}  // namespace
}  // namespace solvanix_test
