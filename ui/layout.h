// The main window as data: one row per control, in twips, with its font, colours and caption.
// Form1 builds every widget from these rows in one loop; nothing else places or styles them.
#pragma once

#include <cstdint>
#include <span>

#include "calc/blend.h"

namespace ui::layout {

inline constexpr int kTwipsPerPixel = 15;  // at 96 dots per inch
constexpr int Pixels(int twips) { return twips / kTwipsPerPixel; }

inline constexpr int kClientWidthTwips = 14070;
inline constexpr int kClientHeightTwips = 8790;
inline constexpr const char* kWindowTitle = "SOLVANIX V1.64 Light";

enum class Kind : std::uint8_t { Label, TextBox, ComboBox, Button, Frame, PictureBox };
enum class Align : std::uint8_t { Left, Right, Center };

struct FontSpec {
  const char* face;
  double points;
  int weight;  // 400 regular, 700 bold
  bool italic = false;
  bool underline = false;
};

// The window was drawn at 96 dots per inch, its fonts included: a font is as many pixels high as
// it was there (8.25 pt is 11 px), so that text and boxes always scale together.
inline constexpr int kDesignDotsPerInch = 96;
constexpr int PixelSize(const FontSpec& font) {
  return static_cast<int>(font.points * kDesignDotsPerInch / 72);
}

// An RGB triple, a Windows system colour by index (4, 9, 15 or 18), or nothing painted.
struct Colour {
  enum class Source : std::uint8_t { Rgb, System, None };
  Source source;
  std::uint32_t value;  // 0xRRGGBB, or the system colour's index
};
constexpr Colour Rgb(std::uint32_t r, std::uint32_t g, std::uint32_t b) {
  return {Colour::Source::Rgb, (r << 16) | (g << 8) | b};
}
constexpr Colour SystemColour(std::uint32_t index) { return {Colour::Source::System, index}; }
inline constexpr Colour kNoColour{Colour::Source::None, 0};

struct ControlRow {
  const char* name;  // object name; an element of a control array is "Name_Index"
  Kind kind;
  int left, top, width, height;  // twips
  FontSpec font;
  Colour text;
  Colour background;  // for the button, its face
  Align align;
  const char* caption;
  const char* buddy = nullptr;       // the input a caption label stands beside
  const char* spokenName = nullptr;  // what a screen reader calls a control without a caption
};

// Rows in creation order: later rows lie above earlier ones where they overlap.
std::span<const ControlRow> Controls();

// The window's own font, which every control without another font shares.
extern const FontSpec kWindowFont;
extern const Colour kWindowBackground;

struct ListItem {
  const char* text;
  int itemData;
};
struct ComboList {
  const char* comboName;
  std::span<const ListItem> items;
};
std::span<const ComboList> ComboLists();

// The focus order of the inputs, the button and the pictures, ending back at the first.
std::span<const char* const> FocusOrder();

// Which label shows each result, and which labels describe it to a screen reader.
struct ResultBinding {
  blend::ResultId id;
  const char* valueLabel;
  const char* captionLabel;
  const char* unitLabel;       // nullptr when the value has no unit
  const char* unitPowerLabel;  // a raised digit after the unit ("m" "2"), or nullptr
};
std::span<const ResultBinding> ResultBindings();
// Whether the named label shows a result.
bool ShowsResult(const char* labelName);

// The version labels that open the about message.
std::span<const char* const> VersionLabels();
// The picture boxes; the second shows the banner mirrored.
inline constexpr const char* kBannerPicture = "Picture1";
inline constexpr const char* kMirroredBannerPicture = "Picture2";
inline constexpr const char* kWhatsThisPointerLabel = "Version_1";
inline constexpr const char* kCalculateButton = "Command1";

// The six input controls in the order the calculation reads them.
std::span<const char* const> CalculationInputs();
// The text boxes and the lists, whose key presses are filtered.
std::span<const char* const> DimensionBoxes();
std::span<const char* const> ListBoxes();

}  // namespace ui::layout
