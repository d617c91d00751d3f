// The window's own drawing, at its dpi: the background, and the controls it draws itself. Labels
// are drawn on one line (a caption a pixel wider than its box must not lose its second word), a
// result too wide for its box shows "###", and a label without a background shows the labels it
// lies over, as the raised "2" stands at the top right of its "m". The OK button has its red face
// and a dotted focus rectangle, and the frames are outlines.
//
// The Painter also scales the description's boxes to the dpi and holds the fonts at that dpi,
// which the controls Windows draws are given too.
#pragma once

#include <windows.h>

#include <array>
#include <cstddef>

#include "ui/description/layout.h"
#include "ui/win32/fonts.h"

namespace ui::win32 {

class Painter {
 public:
  Painter() = default;
  Painter(const Painter&) = delete;
  Painter& operator=(const Painter&) = delete;

  void SetControls(const std::array<HWND, layout::kControlCount>* controls);
  // Draws at `dpi` from now on, with fonts at that dpi. The fonts at the former dpi are given back
  // (none when the dpi stays), to be kept until every control has been given its new one.
  [[nodiscard]] Fonts SetDpi(UINT dpi);

  int Scaled(int twips) const { return ScaledPixels(layout::Pixels(twips)); }
  int ScaledPixels(int pixels) const {
    return MulDiv(pixels, static_cast<int>(fonts_.Dpi()), layout::kDesignDotsPerInch);
  }
  RECT Box(const layout::ControlRow& row) const;
  HFONT Font(const layout::FontSpec& spec) { return fonts_.Font(spec); }

  // WM_ERASEBKGND of the window, and WM_DRAWITEM of the control at `index`.
  void FillWindow(HDC dc, HWND window) const;
  void Draw(const DRAWITEMSTRUCT& item, std::size_t index);

 private:
  void DrawLabel(HDC dc, std::size_t index, const RECT& box, bool over);
  void DrawButton(const DRAWITEMSTRUCT& item, std::size_t index);
  void DrawFrame(HDC dc, std::size_t index, const RECT& box) const;

  Fonts fonts_;
  const std::array<HWND, layout::kControlCount>* controls_ = nullptr;
};

}  // namespace ui::win32
