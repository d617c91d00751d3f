#include "ui/win32/owner_draw.h"

#include <string>
#include <utility>

#include "ui/description/texts.h"
#include "ui/win32/colours.h"
#include "ui/win32/text.h"

namespace ui::win32 {
namespace {

using layout::ControlRow;
using layout::Kind;

UINT ToFormat(layout::Align align) {
  switch (align) {
    case layout::Align::Right:
      return DT_RIGHT;
    case layout::Align::Center:
      return DT_CENTER;
    case layout::Align::Left:
      break;
  }
  return DT_LEFT;
}

// Every other pixel of the rectangle's outline, starting at its corner, as Windows draws a focus
// rectangle, but in black: it stands out on the red face.
void DrawDottedRectangle(HDC dc, const RECT& box, COLORREF dots) {
  for (LONG x = box.left; x < box.right; ++x) {
    for (LONG y : {box.top, box.bottom - 1}) {
      if ((x + y) % 2 == 0) SetPixelV(dc, x, y, dots);
    }
  }
  for (LONG y = box.top + 1; y < box.bottom - 1; ++y) {
    for (LONG x : {box.left, box.right - 1}) {
      if ((x + y) % 2 == 0) SetPixelV(dc, x, y, dots);
    }
  }
}

}  // namespace

void Painter::SetControls(const std::array<HWND, layout::kControlCount>* controls) {
  controls_ = controls;
}

Fonts Painter::SetDpi(UINT dpi) {
  if (dpi == fonts_.Dpi() && !fonts_.Empty()) return Fonts(dpi);
  return std::exchange(fonts_, Fonts(dpi));
}

RECT Painter::Box(const ControlRow& row) const {
  const int left = Scaled(row.left);
  const int top = Scaled(row.top);
  return {left, top, left + Scaled(row.width), top + Scaled(row.height)};
}

void Painter::FillWindow(HDC dc, HWND window) const {
  RECT client;
  GetClientRect(window, &client);
  Fill(dc, client, ToColour(layout::kWindowBackground));
}

void Painter::Draw(const DRAWITEMSTRUCT& item, std::size_t index) {
  if (index >= layout::kControlCount) return;
  switch (layout::Controls()[index].kind) {
    case Kind::Label:
      DrawLabel(item.hDC, index, item.rcItem, false);
      break;
    case Kind::Button:
      DrawButton(item, index);
      break;
    case Kind::Frame:
      DrawFrame(item.hDC, index, item.rcItem);
      break;
    case Kind::TextBox:
    case Kind::ComboBox:
    case Kind::PictureBox:
      break;
  }
}

// A label's box, then its text on one line. A label without a background shows the labels it
// lies over, as the raised "2" shows the right part of its "m".
void Painter::DrawLabel(HDC dc, std::size_t index, const RECT& box, bool over) {
  const ControlRow& row = layout::Controls()[index];
  if (row.background.source != layout::Colour::Source::None) {
    Fill(dc, box, ToColour(row.background));
  } else if (!over) {
    Fill(dc, box, ToColour(layout::kWindowBackground));
    const RECT own = Box(row);
    for (std::size_t below = 0; below < index; ++below) {
      const ControlRow& other = layout::Controls()[below];
      RECT theirs = Box(other);
      RECT common;
      if (other.kind != Kind::Label || !IntersectRect(&common, &theirs, &own)) continue;
      OffsetRect(&theirs, box.left - own.left, box.top - own.top);
      const int saved = SaveDC(dc);
      IntersectClipRect(dc, box.left, box.top, box.right, box.bottom);
      DrawLabel(dc, below, theirs, true);
      RestoreDC(dc, saved);
    }
  }
  std::wstring text = WindowText(controls_->at(index));
  HGDIOBJ old = SelectObject(dc, Font(row.font));
  UINT format = ToFormat(row.align);
  SIZE extent{};
  GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &extent);
  if (extent.cx > box.right - box.left) {
    if (layout::ShowsResult(index)) {
      text = Wide(texts::kDoesNotFit);
    } else {
      format = DT_LEFT;  // a caption too wide for its box may lose its colon, never its start
    }
  }
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, ToColour(row.text));
  RECT textBox = box;
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &textBox,
            format | DT_TOP | DT_SINGLELINE | DT_NOPREFIX | DT_NOCLIP);
  SelectObject(dc, old);
}

// A flat red face with a one-pixel bevel that sinks while pressed, "OK" on it, and a dotted
// rectangle inside it while it has the focus.
void Painter::DrawButton(const DRAWITEMSTRUCT& item, std::size_t index) {
  const ControlRow& row = layout::Controls()[index];
  HDC dc = item.hDC;
  RECT box = item.rcItem;
  Fill(dc, box, ToColour(row.background));
  const bool pressed = (item.itemState & ODS_SELECTED) != 0;
  const COLORREF light = pressed ? RGB(0, 0, 0) : RGB(255, 255, 255);
  const COLORREF dark = pressed ? RGB(255, 255, 255) : RGB(0, 0, 0);
  Fill(dc, {box.left, box.top, box.right, box.top + 1}, light);
  Fill(dc, {box.left, box.top, box.left + 1, box.bottom}, light);
  Fill(dc, {box.left, box.bottom - 1, box.right, box.bottom}, dark);
  Fill(dc, {box.right - 1, box.top, box.right, box.bottom}, dark);
  const std::wstring text = WindowText(item.hwndItem);
  HGDIOBJ old = SelectObject(dc, Font(row.font));
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, ToColour(row.text));
  RECT textBox = box;
  if (pressed) OffsetRect(&textBox, 1, 1);
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &textBox,
            DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
  SelectObject(dc, old);
  if ((item.itemState & ODS_FOCUS) != 0) {
    InflateRect(&box, -3, -3);
    DrawDottedRectangle(dc, box, RGB(0, 0, 0));
  }
}

// The frames are outlines: what they enclose lies above them and draws itself.
void Painter::DrawFrame(HDC dc, std::size_t index, const RECT& box) const {
  const ControlRow& row = layout::Controls()[index];
  Fill(dc, box, ToColour(layout::kWindowBackground));
  HBRUSH outline = CreateSolidBrush(ToColour(row.text));
  FrameRect(dc, &box, outline);
  DeleteObject(outline);
}

}  // namespace ui::win32
