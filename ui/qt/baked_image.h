// Pictures baked at build time from the artwork in assets/ (see assets/image_baker.cpp): 32-bit
// pixels behind a small header, read without any image decoder.
#pragma once

class QImage;
class QString;

namespace ui::qt {

// The image uses the resource's bytes where they lie, inside the program; a null image when the
// resource is missing, compressed or malformed.
QImage LoadBakedImage(const QString& resourcePath);

}  // namespace ui::qt
