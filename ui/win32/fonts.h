// The description's fonts at one dpi, in scalable faces at their pixel heights times the scale:
// the face itself where it is installed and scalable, otherwise the first of its free stand-ins
// that is, otherwise a scalable face of its family. A bitmap face (wine's "MS Sans Serif",
// "Terminal") is never taken: it keeps its few sizes and cannot take bold or italic.
//
// Each font is made when first asked for and deleted with the Fonts that made it, so whoever
// hands one to a control keeps that Fonts alive until the control has been given another.
#pragma once

#include <windows.h>

#include <vector>

#include "ui/description/layout.h"

namespace ui::win32 {

class Fonts {
 public:
  explicit Fonts(UINT dpi = layout::kDesignDotsPerInch) : dpi_(dpi) {}
  Fonts(const Fonts&) = delete;
  Fonts& operator=(const Fonts&) = delete;
  Fonts(Fonts&& other) noexcept;
  Fonts& operator=(Fonts&& other) noexcept;
  ~Fonts();

  UINT Dpi() const { return dpi_; }
  // Whether no font has been made yet.
  bool Empty() const { return fonts_.empty(); }
  HFONT Font(const layout::FontSpec& spec);

 private:
  void DeleteAll();

  struct CachedFont {
    layout::FontSpec spec;
    HFONT font;
  };
  UINT dpi_;
  std::vector<CachedFont> fonts_;
};

}  // namespace ui::win32
