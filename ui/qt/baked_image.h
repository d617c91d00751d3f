// Pictures baked at build time from the artwork in assets/ (see assets/image_baker.cpp): 32-bit
// pixels behind a small header, read without any image decoder.
#pragma once

class QImage;
class QString;

namespace ui::qt {

// A null image when the resource is missing or malformed.
QImage LoadBakedImage(const QString& resourcePath);

}  // namespace ui::qt
