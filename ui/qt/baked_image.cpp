#include "ui/qt/baked_image.h"

#include <QByteArray>
#include <QImage>
#include <QResource>
#include <QString>

#include <cstdint>
#include <cstring>

namespace ui::qt {
namespace {

constexpr char kMagic[] = "SVXIMG01";
constexpr qsizetype kMagicSize = sizeof kMagic - 1;
constexpr qsizetype kHeaderSize = kMagicSize + 12;  // then width, height and format

std::uint32_t ReadWord(const QByteArray& data, qsizetype offset) {
  std::uint32_t value = 0;
  for (int i = 3; i >= 0; --i) {
    value = (value << 8) | static_cast<std::uint8_t>(data[offset + i]);
  }
  return value;
}

}  // namespace

QImage LoadBakedImage(const QString& resourcePath) {
  // The resource is stored uncompressed in the program: its pixels are used where they lie.
  const QResource resource(resourcePath);
  if (!resource.isValid() || resource.compressionAlgorithm() != QResource::NoCompression) return {};
  const QByteArray data = QByteArray::fromRawData(reinterpret_cast<const char*>(resource.data()),
                                                  static_cast<qsizetype>(resource.size()));
  if (data.size() < kHeaderSize || std::memcmp(data.constData(), kMagic, kMagicSize) != 0) {
    return {};
  }
  const auto width = static_cast<int>(ReadWord(data, kMagicSize));
  const auto height = static_cast<int>(ReadWord(data, kMagicSize + 4));
  const auto format = static_cast<QImage::Format>(ReadWord(data, kMagicSize + 8));
  if ((format != QImage::Format_RGB32 && format != QImage::Format_ARGB32) || width <= 0 ||
      height <= 0 || width > 4096 || height > 4096 ||
      data.size() != kHeaderSize + qsizetype{width} * height * 4) {
    return {};
  }
  return {reinterpret_cast<const uchar*>(data.constData() + kHeaderSize), width, height,
          qsizetype{width} * 4, format};
}

}  // namespace ui::qt
