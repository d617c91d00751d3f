// Build step: decodes a picture (the JPEG banner, the PNG icon) once, at build time, into the
// plain pixel layout that ui/qt/baked_image.h reads back. The window then shows the very pixels of
// the JPEG without loading an image decoder at start-up.
//   solvanix_image_baker <picture> <baked output>
#include <QCoreApplication>
#include <QFile>
#include <QImage>
#include <QString>

#include <cstdint>
#include <cstdio>

namespace {

void Append(QByteArray& out, std::uint32_t value) {
  for (int shift = 0; shift < 32; shift += 8)
    out.append(static_cast<char>((value >> shift) & 0xFF));
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication application(argc, argv);
  if (argc != 3) {
    std::fprintf(stderr, "usage: %s <picture> <baked output>\n", argv[0]);
    return 2;
  }
  QImage picture(QString::fromLocal8Bit(argv[1]));
  if (picture.isNull()) {
    std::fprintf(stderr, "cannot read %s\n", argv[1]);
    return 1;
  }
  picture = picture.convertToFormat(picture.hasAlphaChannel() ? QImage::Format_ARGB32
                                                              : QImage::Format_RGB32);
  QByteArray baked("SVXIMG01");
  Append(baked, static_cast<std::uint32_t>(picture.width()));
  Append(baked, static_cast<std::uint32_t>(picture.height()));
  Append(baked, static_cast<std::uint32_t>(picture.format()));
  for (int y = 0; y < picture.height(); ++y) {
    baked.append(reinterpret_cast<const char*>(picture.constScanLine(y)),
                 qsizetype{picture.width()} * 4);
  }
  QFile out(QString::fromLocal8Bit(argv[2]));
  if (!out.open(QIODevice::WriteOnly) || out.write(baked) != baked.size()) {
    std::fprintf(stderr, "cannot write %s\n", argv[2]);
    return 1;
  }
  return 0;
}
