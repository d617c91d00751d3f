// The window at the scale factor QT_SCALE_FACTOR gives: the layout scales as a whole, and no
// caption, unit or worked-example value is clipped.
#include <QFontMetricsF>
#include <QImage>
#include <QPixmap>

#include "tests/ui/window_fixture.h"

namespace solvanix_test {
namespace {

// Columns of the grabbed label that hold text, in device pixels; {-1, -1} when none.
std::pair<int, int> InkColumns(const QImage& image, const QColor& background) {
  int first = -1, last = -1;
  for (int x = 0; x < image.width(); ++x) {
    for (int y = 0; y < image.height(); ++y) {
      const QColor c = image.pixelColor(x, y);
      if (std::abs(c.red() - background.red()) + std::abs(c.green() - background.green()) +
              std::abs(c.blue() - background.blue()) >
          60) {
        if (first < 0) first = x;
        last = x;
        break;
      }
    }
  }
  return {first, last};
}

void ExpectNoLabelClipped(QWidget* window) {
  for (QLabel* label : window->findChildren<QLabel*>()) {
    if (label->text().isEmpty()) continue;
    const std::string name = label->objectName().toStdString();
    const qreal scale = label->devicePixelRatioF();
    const qreal advance = QFontMetricsF(label->font()).horizontalAdvance(label->text()) * scale;
    EXPECT_LE(advance, label->contentsRect().width() * scale) << name;
    if (!label->autoFillBackground()) continue;
    const QImage image = label->grab().toImage();
    const auto [first, last] = InkColumns(image, label->palette().color(QPalette::Window));
    ASSERT_GE(first, 0) << name << " shows nothing";
    const Qt::Alignment align = label->alignment();
    if (!(align & Qt::AlignRight)) {
      EXPECT_LT(last, image.width() - 1) << name << " cut at the right";
    }
    if (!(align & Qt::AlignLeft)) {
      EXPECT_GT(first, 0) << name << " cut at the left";
    }
  }
}

TEST_F(WindowTest, ScalesAsAWhole) {
  const qreal scale = qEnvironmentVariableIsSet("QT_SCALE_FACTOR")
                          ? qEnvironmentVariable("QT_SCALE_FACTOR").toDouble()
                          : 1.0;
  ASSERT_EQ(window_->devicePixelRatioF(), scale) << "QT_SCALE_FACTOR is not in force";
  const QPixmap shot = window_->grab();
  EXPECT_EQ(shot.size(), (QSizeF(938, 586) * scale).toSize());
  EXPECT_EQ(window_->size(), QSize(938, 586));
}

TEST_F(WindowTest, NothingIsClipped) {
  ExpectNoLabelClipped(window_.get());
  for (const WorkedExample& example : kWorkedExamples) {
    EnterExample(example);
    ClickOk();
    ExpectNoLabelClipped(window_.get());
  }
}

}  // namespace
}  // namespace solvanix_test
