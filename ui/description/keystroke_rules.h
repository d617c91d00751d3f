// What the input controls hold, whatever puts text into them: typing, an input method, a paste,
// a drop, a menu or an assistive tool. Each front-end applies these rules where a control's
// text changes, so that no route can leave a control holding what the calculation would read
// otherwise than the user sees it.
//
// A dimension box holds only characters the input rule reads as they look: a decimal comma
// becomes the decimal point, a digit of another script (fullwidth, Arabic-Indic, ...) its ASCII
// digit, a fullwidth sign or letter its ASCII form, the minus sign U+2212 "-", and every Unicode
// space a plain space, which the rule then skips. Any other character stays as typed, and the
// rule stops at it as it stops at the "m" of "12m".
//
// A list's field shows one of its items or nothing. It takes no typed character; Delete (and
// Shift+Delete) with any part of the field selected clears the whole field, and does nothing
// without a selection, so that a partial delete never turns "1.8" into "18".
#pragma once

#include <algorithm>
#include <array>
#include <string>
#include <string_view>

#include "ui/description/layout.h"

namespace ui::keystrokes {
namespace detail {

// The code point of the digit zero of every run of ten decimal digits Unicode 15 defines.
inline constexpr std::array<char32_t, 68> kDigitZeros = {
    0x30,    0x660,   0x6F0,   0x7C0,   0x966,   0x9E6,   0xA66,   0xAE6,   0xB66,   0xBE6,
    0xC66,   0xCE6,   0xD66,   0xDE6,   0xE50,   0xED0,   0xF20,   0x1040,  0x1090,  0x17E0,
    0x1810,  0x1946,  0x19D0,  0x1A80,  0x1A90,  0x1B50,  0x1BB0,  0x1C40,  0x1C50,  0xA620,
    0xA8D0,  0xA900,  0xA9D0,  0xA9F0,  0xAA50,  0xABF0,  0xFF10,  0x104A0, 0x10D30, 0x11066,
    0x110F0, 0x11136, 0x111D0, 0x112F0, 0x11450, 0x114D0, 0x11650, 0x116C0, 0x11730, 0x118E0,
    0x11950, 0x11C50, 0x11D50, 0x11DA0, 0x11F50, 0x16A60, 0x16AC0, 0x16B50, 0x1D7CE, 0x1D7D8,
    0x1D7E2, 0x1D7EC, 0x1D7F6, 0x1E140, 0x1E2F0, 0x1E4F0, 0x1E950, 0x1FBF0};
static_assert(std::is_sorted(kDigitZeros.begin(), kDigitZeros.end()), "digit runs in order");

constexpr bool IsUnicodeSpace(char32_t c) {
  return c == 0xA0 || c == 0x1680 || (c >= 0x2000 && c <= 0x200A) || c == 0x202F || c == 0x205F ||
         c == 0x3000;
}

}  // namespace detail

// The character a dimension box holds for `typed`.
constexpr char32_t InDimensionBox(char32_t typed) {
  if (typed == U',') return U'.';
  if (typed == 0x2212) return U'-';
  if (detail::IsUnicodeSpace(typed)) return U' ';
  if (typed >= 0xFF01 && typed <= 0xFF5E) return InDimensionBox(typed - 0xFF01 + U'!');
  const auto* run = std::upper_bound(detail::kDigitZeros.begin(), detail::kDigitZeros.end(), typed);
  if (run != detail::kDigitZeros.begin() && typed - *(run - 1) < 10) {
    return U'0' + (typed - *(run - 1));
  }
  return typed;
}

// The character the control takes instead of `typed`; 0 when it takes none.
constexpr char32_t Filtered(layout::Kind kind, char32_t typed) {
  switch (kind) {
    case layout::Kind::TextBox:
      return InDimensionBox(typed);
    case layout::Kind::ComboBox:
      return 0;
    case layout::Kind::Label:
    case layout::Kind::Button:
    case layout::Kind::Frame:
    case layout::Kind::PictureBox:
      break;
  }
  return typed;
}

// A UTF-16 text as a dimension box holds it; a surrogate pair that stands for a digit becomes
// that one ASCII digit. Unpaired surrogates stay as they are.
inline std::u16string InDimensionBox(std::u16string_view text) {
  std::u16string held;
  held.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char16_t unit = text[i];
    const bool pair = unit >= 0xD800 && unit <= 0xDBFF && i + 1 < text.size() &&
                      text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF;
    if (!pair) {
      held += static_cast<char16_t>(InDimensionBox(char32_t{unit}));
      continue;
    }
    const char32_t codePoint = 0x10000 + ((char32_t{unit} - 0xD800) << 10) + (text[i + 1] - 0xDC00);
    const char32_t kept = InDimensionBox(codePoint);
    if (kept == codePoint) {
      held += text.substr(i, 2);
    } else {
      held += static_cast<char16_t>(kept);
    }
    ++i;
  }
  return held;
}

// Whether a list's field may show `text`: one of its items, or nothing.
constexpr bool ListMayShow(const layout::ComboList& list, std::string_view text) {
  if (text.empty()) return true;
  return std::any_of(list.items.begin(), list.items.end(),
                     [&](const layout::ListItem& item) { return text == item.text; });
}

}  // namespace ui::keystrokes
