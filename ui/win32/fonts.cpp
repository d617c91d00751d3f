#include "ui/win32/fonts.h"

#include <algorithm>
#include <array>
#include <string>
#include <string_view>
#include <tuple>
#include <utility>

#include "ui/win32/text.h"

namespace ui::win32 {
namespace {

// A font of `face` at `pixels`, in the weight and style the table gives; an empty face asks the
// font mapper for any scalable face of the family.
HFONT MakeFont(const layout::FontSpec& design, const std::wstring& face, int pixels,
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
  return CreateFontW(-pixels, 0, 0, 0, design.weight, design.italic, design.underline, FALSE,
                     design.charset == layout::Charset::Oem ? OEM_CHARSET : DEFAULT_CHARSET,
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
HFONT ScalableFont(const layout::FontSpec& design, int pixels) {
  const layout::FaceStandIns& standIns = layout::StandInsOf(design.face);
  std::array<const char*, 1 + std::tuple_size_v<decltype(standIns.standIns)>> faces{design.face};
  std::copy(standIns.standIns.begin(), standIns.standIns.end(), faces.begin() + 1);
  for (const char* face : faces) {
    const std::wstring wanted = Wide(face);
    HFONT font = MakeFont(design, wanted, pixels, standIns.family);
    if (font != nullptr && IsScalableFace(font, wanted)) return font;
    if (font != nullptr) DeleteObject(font);
  }
  return MakeFont(design, L"", pixels, standIns.family);
}

}  // namespace

Fonts::Fonts(Fonts&& other) noexcept : dpi_(other.dpi_), fonts_(std::exchange(other.fonts_, {})) {}

Fonts& Fonts::operator=(Fonts&& other) noexcept {
  if (this != &other) {
    DeleteAll();
    dpi_ = other.dpi_;
    fonts_ = std::exchange(other.fonts_, {});
  }
  return *this;
}

Fonts::~Fonts() { DeleteAll(); }

void Fonts::DeleteAll() {
  for (const CachedFont& cached : fonts_) DeleteObject(cached.font);
  fonts_.clear();
}

HFONT Fonts::Font(const layout::FontSpec& spec) {
  for (const CachedFont& cached : fonts_) {
    if (cached.spec == spec) return cached.font;
  }
  HFONT font = ScalableFont(
      spec, MulDiv(layout::PixelSize(spec), static_cast<int>(dpi_), layout::kDesignDotsPerInch));
  fonts_.push_back({spec, font});
  return font;
}

}  // namespace ui::win32
