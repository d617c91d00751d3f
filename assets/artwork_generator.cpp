// Draws the SOLVANIX artwork once: the 250 x 90 banner (a projector and its widening beam on
// black) and the emblem icon at the sizes the desktop asks for. The outputs are committed; run
// this again only to change the artwork:
//   solvanix_artwork_generator <assets folder>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QString>

#include <cstdio>

namespace {

// The projector and its beam, drawn in a 250 x 90 frame of reference.
void DrawProjectorScene(QPainter& p) {
  p.fillRect(QRectF(0, 0, 250, 90), Qt::black);
  p.setRenderHint(QPainter::Antialiasing);

  // The beam, from the lens to the right edge, brightest near the lens.
  QPainterPath beam;
  beam.moveTo(78, 40);
  beam.lineTo(250, 6);
  beam.lineTo(250, 84);
  beam.lineTo(78, 52);
  beam.closeSubpath();
  QLinearGradient light(78, 46, 250, 46);
  light.setColorAt(0.0, QColor(255, 250, 225, 235));
  light.setColorAt(0.35, QColor(200, 215, 255, 150));
  light.setColorAt(1.0, QColor(90, 120, 255, 40));
  p.fillPath(beam, light);
  for (int ray = 0; ray < 5; ++ray) {
    p.setPen(QPen(QColor(255, 255, 255, 50), 1.0));
    p.drawLine(QPointF(80, 42 + ray * 2), QPointF(250, 14 + ray * 15.5));
  }

  // The body, with a lit top edge and feet.
  QLinearGradient metal(0, 28, 0, 64);
  metal.setColorAt(0.0, QColor(205, 205, 210));
  metal.setColorAt(0.5, QColor(120, 120, 128));
  metal.setColorAt(1.0, QColor(55, 55, 60));
  p.setPen(QPen(QColor(230, 230, 235), 1.0));
  p.setBrush(metal);
  p.drawRoundedRect(QRectF(10, 28, 60, 36), 5, 5);
  p.setBrush(QColor(40, 40, 44));
  p.setPen(Qt::NoPen);
  p.drawRect(QRectF(16, 64, 8, 5));
  p.drawRect(QRectF(56, 64, 8, 5));
  for (int vent = 0; vent < 4; ++vent) {
    p.fillRect(QRectF(18 + vent * 7, 36, 3, 18), QColor(35, 35, 40));
  }

  // The lens barrel and its glowing glass.
  p.setBrush(QColor(70, 70, 78));
  p.drawRect(QRectF(68, 36, 10, 20));
  QRadialGradient glass(QPointF(78, 46), 9);
  glass.setColorAt(0.0, QColor(255, 255, 240));
  glass.setColorAt(0.6, QColor(170, 200, 255));
  glass.setColorAt(1.0, QColor(40, 60, 140));
  p.setBrush(glass);
  p.drawEllipse(QPointF(78, 46), 7, 9);
}

bool WriteBanner(const QString& folder) {
  QImage banner(250, 90, QImage::Format_RGB888);
  QPainter p(&banner);
  DrawProjectorScene(p);
  p.end();
  return banner.save(folder + "/banner.jpg", "JPEG", 92);
}

// The emblem: the projector scene's left part, squared, on a black rounded tile.
bool WriteIcon(const QString& path, int size, const char* format = "PNG") {
  QImage icon(size, size, QImage::Format_ARGB32);
  icon.fill(Qt::transparent);
  QPainter p(&icon);
  p.setRenderHint(QPainter::Antialiasing);
  QPainterPath tile;
  tile.addRoundedRect(QRectF(0, 0, size, size), size / 8.0, size / 8.0);
  p.setClipPath(tile);
  p.fillRect(QRectF(0, 0, size, size), Qt::black);
  p.scale(size / 125.0, size / 125.0);
  p.translate(-2, 17.5);
  DrawProjectorScene(p);
  p.end();
  return icon.save(path, format);
}

}  // namespace

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s <assets folder>\n", argv[0]);
    return 2;
  }
  const QString folder = QString::fromLocal8Bit(argv[1]);
  bool written = WriteBanner(folder);
  for (int size : {32, 48, 64, 128, 256}) {
    written = WriteIcon(QString("%1/icon-%2.png").arg(folder).arg(size), size) && written;
  }
  written = WriteIcon(folder + "/solvanix.ico", 32, "ICO") && written;
  return written ? 0 : 1;
}
