#include "ui/win32/painting.h"

#include <algorithm>
#include <array>
#include <string>
#include <string_view>
#include <tuple>

#include "ui/description/texts.h"
#include "ui/win32/control_ids.h"
#include "ui/win32/text.h"

namespace ui::win32 {
namespace {

using layout::ControlRow;
using layout::Kind;

const ControlRow& RowOf(HWND control) {
  const std::size_t index = IndexOf(GetDlgCtrlID(control));
  return layout::Controls()[index < layout::kControlCount ? index : 0];
}

// A font of `face` at `pixels`, in the style of `spec`; an empty face asks the font mapper for any
// scalable face of the family.
HFONT MakeFont(const layout::FontSpec& spec, const std::wstring& face, int pixels,
               layout::GenericFamily family) {
  BYTE pitchAndFamily = FF_SWISS;
  switch (family) {
    case layout::GenericFamily::SansSerif:
      break;
    case layout::GenericFamily::Monospace:
      pitchAndFamily = FIXED_PITCH | FF_MODERN;
      break;
    case layout::GenericFamily::Decorative:
      pitchAndFamily = FF_SCRIPT;
      break;
  }
  return CreateFontW(-pixels, 0, 0, 0, spec.weight, spec.italic, spec.underline, FALSE,
                     spec.charset == layout::Charset::Oem ? OEM_CHARSET : DEFAULT_CHARSET,
                     face.empty() ? OUT_TT_ONLY_PRECIS : OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                     CLEARTYPE_QUALITY, pitchAndFamily, face.c_str());
}

// Whether `font` is the face asked for and can scale: a bitmap face (wine's "MS Sans Serif",
// "Terminal") keeps its few sizes and cannot take bold or italic.
bool IsScalableFace(HFONT font, std::wstring_view face) {
  HDC screen = GetDC(nullptr);
  HGDIOBJ old = SelectObject(screen, font);
  TEXTMETRICW metrics{};
  wchar_t chosen[LF_FACESIZE] = {};
  const bool measured =
      GetTextMetricsW(screen, &metrics) != FALSE && GetTextFaceW(screen, LF_FACESIZE, chosen) > 0;
  SelectObject(screen, old);
  ReleaseDC(nullptr, screen);
  return measured && (metrics.tmPitchAndFamily & (TMPF_VECTOR | TMPF_TRUETYPE)) != 0 &&
         CompareStringOrdinal(chosen, -1, face.data(), static_cast<int>(face.size()), TRUE) ==
             CSTR_EQUAL;
}

// The face itself where it is installed and scalable, otherwise the first of its free stand-ins
// that is, otherwise a scalable face of its family.
HFONT ScalableFont(const layout::FontSpec& spec, int pixels) {
  const layout::FaceStandIns& standIns = layout::StandInsOf(spec.face);
  std::array<const char*, 1 + std::tuple_size_v<decltype(standIns.standIns)>> faces{spec.face};
  std::copy(standIns.standIns.begin(), standIns.standIns.end(), faces.begin() + 1);
  for (const char* face : faces) {
    const std::wstring wanted = Wide(face);
    HFONT font = MakeFont(spec, wanted, pixels, standIns.family);
    if (font != nullptr && IsScalableFace(font, wanted)) return font;
    if (font != nullptr) DeleteObject(font);
  }
  return MakeFont(spec, L"", pixels, standIns.family);
}

void Fill(HDC dc, const RECT& box, COLORREF colour) {
  SetBkColor(dc, colour);
  ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &box, nullptr, 0, nullptr);
}

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

LRESULT CALLBACK PictureBoxProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT: {
      PAINTSTRUCT paint;
      HDC dc = BeginPaint(window, &paint);
      RECT box;
      GetClientRect(window, &box);
      Fill(dc, box, ToColour(RowOf(window).background));
      auto* picture = reinterpret_cast<HBITMAP>(GetWindowLongPtrW(window, GWLP_USERDATA));
      BITMAP size{};
      if (picture != nullptr && GetObjectW(picture, sizeof size, &size) != 0) {
        HDC source = CreateCompatibleDC(dc);
        HGDIOBJ old = SelectObject(source, picture);
        BitBlt(dc, 0, 0, size.bmWidth, size.bmHeight, source, 0, 0, SRCCOPY);  // unscaled
        SelectObject(source, old);
        DeleteDC(source);
      }
      if (GetFocus() == window) {
        InflateRect(&box, -1, -1);
        DrawFocusRect(dc, &box);
      }
      EndPaint(window, &paint);
      return 0;
    }
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      InvalidateRect(window, nullptr, FALSE);
      return 0;
    case WM_LBUTTONDOWN:
      SetFocus(window);
      return 0;
    default:
      return DefWindowProcW(window, message, wParam, lParam);
  }
}

}  // namespace

bool RegisterPictureBoxClass(HINSTANCE instance) {
  WNDCLASSEXW pictureClass{};
  pictureClass.cbSize = sizeof pictureClass;
  pictureClass.lpfnWndProc = &PictureBoxProcedure;
  pictureClass.hInstance = instance;
  pictureClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  pictureClass.lpszClassName = kPictureBoxClass;
  return RegisterClassExW(&pictureClass) != 0;
}

void ShowPicture(HWND pictureBox, HBITMAP picture) {
  SetWindowLongPtrW(pictureBox, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(picture));
  InvalidateRect(pictureBox, nullptr, TRUE);
}

// The system colours from Windows itself. Title-bar text (9) is white in the usual schemes but
// black on modern Windows and under wine, where black text on black boxes would follow: the boxes
// take the window colour, which is what white meant there.
COLORREF ToColour(const layout::Colour& colour) {
  using layout::SystemColour;
  switch (colour.source) {
    case layout::Colour::Source::Rgb:
      return RGB((colour.rgb >> 16) & 0xFF, (colour.rgb >> 8) & 0xFF, colour.rgb & 0xFF);
    case layout::Colour::Source::None:
      return ToColour(layout::kWindowBackground);
    case layout::Colour::Source::System:
      break;
  }
  switch (colour.system) {
    case SystemColour::MenuBackground:
      return GetSysColor(COLOR_MENU);
    case SystemColour::TitleBarText:
      return GetSysColor(COLOR_WINDOW);
    case SystemColour::ButtonFace:
      return GetSysColor(COLOR_BTNFACE);
    case SystemColour::ButtonText:
      return GetSysColor(COLOR_BTNTEXT);
  }
  return GetSysColor(COLOR_MENU);
}

Painter::~Painter() {
  for (const CachedFont& cached : fonts_) DeleteObject(cached.font);
}

void Painter::SetControls(const std::array<HWND, layout::kControlCount>* controls) {
  controls_ = controls;
}

void Painter::SetDpi(UINT dpi) {
  if (dpi == dpi_ && !fonts_.empty()) return;
  dpi_ = dpi;
  for (const CachedFont& cached : fonts_) DeleteObject(cached.font);
  fonts_.clear();
}

RECT Painter::Box(const ControlRow& row) const {
  const int left = Scaled(row.left);
  const int top = Scaled(row.top);
  return {left, top, left + Scaled(row.width), top + Scaled(row.height)};
}

HFONT Painter::Font(const layout::FontSpec& spec) {
  for (const CachedFont& cached : fonts_) {
    if (cached.spec == spec) return cached.font;
  }
  HFONT font = ScalableFont(
      spec, MulDiv(layout::PixelSize(spec), static_cast<int>(dpi_), layout::kDesignDotsPerInch));
  fonts_.push_back({spec, font});
  return font;
}

void Painter::FillWindow(HDC dc, HWND window) const {
  RECT client;
  GetClientRect(window, &client);
  Fill(dc, client, ToColour(layout::kWindowBackground));
}

HBRUSH Painter::PrepareBox(HDC dc) const {
  // Every text box and list: black text on the window colour (see ToColour).
  const ControlRow& box = layout::Controls()[layout::CalculationInputs().front().index];
  SetTextColor(dc, ToColour(box.text));
  SetBkColor(dc, ToColour(box.background));
  return GetSysColorBrush(COLOR_WINDOW);
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
