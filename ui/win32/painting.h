// How the window's description looks in Win32: boxes scaled to the dpi, fonts in scalable faces at
// their pixel heights times the scale (the description's stand-ins where a face is missing or a
// bitmap face that cannot scale or take bold and italic), the system colours, and the controls the
// window draws itself. Labels are drawn on one line (a caption a pixel wider than its box must not
// lose its second word), a result too wide for its box shows "###", the raised "2" stands at the
// top right of its "m", the OK button has its red face and a dotted focus rectangle, and the frames
// are outlines.
#pragma once

#include <windows.h>

#include <array>
#include <cstddef>
#include <vector>

#include "ui/description/layout.h"

namespace ui::win32 {

// The window class of the picture boxes, which show their picture (scaled by the window) from the
// top-left corner and take the focus.
inline constexpr wchar_t kPictureBoxClass[] = L"SolvanixPictureBox";
bool RegisterPictureBoxClass(HINSTANCE instance);
void ShowPicture(HWND pictureBox, HBITMAP picture);

class Painter {
 public:
  Painter() = default;
  Painter(const Painter&) = delete;
  Painter& operator=(const Painter&) = delete;
  ~Painter();

  void SetControls(const std::array<HWND, layout::kControlCount>* controls);
  void SetDpi(UINT dpi);

  int Scaled(int twips) const { return ScaledPixels(layout::Pixels(twips)); }
  int ScaledPixels(int pixels) const {
    return MulDiv(pixels, static_cast<int>(dpi_), layout::kDesignDotsPerInch);
  }
  RECT Box(const layout::ControlRow& row) const;
  HFONT Font(const layout::FontSpec& spec);

  // WM_ERASEBKGND of the window, WM_DRAWITEM of the control at `index`, and the colours of the
  // text boxes and lists.
  void FillWindow(HDC dc, HWND window) const;
  void Draw(const DRAWITEMSTRUCT& item, std::size_t index);
  HBRUSH PrepareBox(HDC dc) const;

 private:
  void DrawLabel(HDC dc, std::size_t index, const RECT& box, bool over);
  void DrawButton(const DRAWITEMSTRUCT& item, std::size_t index);
  void DrawFrame(HDC dc, std::size_t index, const RECT& box) const;

  struct CachedFont {
    layout::FontSpec spec;
    HFONT font;
  };
  UINT dpi_ = 96;
  std::vector<CachedFont> fonts_;
  const std::array<HWND, layout::kControlCount>* controls_ = nullptr;
};

COLORREF ToColour(const layout::Colour& colour);

}  // namespace ui::win32
