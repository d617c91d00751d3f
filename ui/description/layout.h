// The main window as data, for every front-end: one row per control, in twips, with its font,
// colours and caption, then the lists' items, the focus order, which label shows which result and
// the other roles controls play. A renderer builds every control from these rows in one loop and
// looks controls up by name; nothing else places, styles or names them.
//
// Every name a table below uses must be a row of kControls with the right kind. The checks at the
// end of this header run at compile time, so a misspelt name is a build error.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

#include "calc/blend.h"
#include "ui/description/texts.h"

namespace ui::layout {

inline constexpr int kTwipsPerPixel = 15;  // at 96 dots per inch
constexpr int Pixels(int twips) { return twips / kTwipsPerPixel; }

inline constexpr int kClientWidthTwips = 14070;
inline constexpr int kClientHeightTwips = 8790;

enum class Kind : std::uint8_t { Label, TextBox, ComboBox, Button, Frame, PictureBox };

// A dimension box takes at most this many characters.
inline constexpr int kTextBoxMaxLength = 5;
// How far an open list drops, its closed field included, in pixels at 96 dots per inch.
inline constexpr int kOpenListHeight = 260;
enum class Align : std::uint8_t { Left, Right, Center };

enum class Charset : std::uint8_t { Default, Oem };

struct FontSpec {
  const char* face;
  double points;
  int weight;  // 400 regular, 700 bold
  bool italic = false;
  bool underline = false;
  Charset charset = Charset::Default;
};

// The same font: face by name, size, weight, style and character set.
constexpr bool operator==(const FontSpec& a, const FontSpec& b) {
  return std::string_view(a.face) == b.face && a.points == b.points && a.weight == b.weight &&
         a.italic == b.italic && a.underline == b.underline && a.charset == b.charset;
}

// The window was drawn at 96 dots per inch, its fonts included: a font is as many pixels high as
// it was there (8.25 pt is 11 px), so that text and boxes always scale together.
inline constexpr int kDesignDotsPerInch = 96;
constexpr int PixelSize(const FontSpec& font) {
  return static_cast<int>(font.points * kDesignDotsPerInch / 72);
}

// The Windows system colours the window uses, by their Windows index.
enum class SystemColour : std::uint8_t {
  MenuBackground = 4,
  TitleBarText = 9,  // white in the usual colour schemes
  ButtonFace = 15,
  ButtonText = 18,
};

// The system colours as the window was designed with them, 0xRRGGBB, whatever the desktop's
// theme: a dark theme must not turn the boxes dark under their black text.
constexpr std::uint32_t DesignedRgb(SystemColour colour) {
  switch (colour) {
    case SystemColour::MenuBackground:
    case SystemColour::ButtonFace:
      return 0xefefef;
    case SystemColour::TitleBarText:
      return 0xffffff;
    case SystemColour::ButtonText:
      return 0x000000;
  }
  return 0x000000;
}

// An RGB triple, a Windows system colour, or nothing painted.
struct Colour {
  enum class Source : std::uint8_t { Rgb, System, None };
  Source source;
  std::uint32_t rgb = 0;  // 0xRRGGBB
  SystemColour system = SystemColour::MenuBackground;
};
constexpr Colour Rgb(std::uint32_t r, std::uint32_t g, std::uint32_t b) {
  return {Colour::Source::Rgb, (r << 16) | (g << 8) | b};
}
constexpr Colour System(SystemColour colour) { return {Colour::Source::System, 0, colour}; }
inline constexpr Colour kNoColour{Colour::Source::None};

// A control's background, written On(colour) in the table: a colour of another type than the
// text's, so that a row with the two swapped does not build.
struct Background : Colour {
  explicit constexpr Background(Colour colour) : Colour(colour) {}
};
constexpr Background On(Colour colour) { return Background(colour); }

struct ControlRow {
  const char* name;  // object name; an element of a control array is "Name_Index"
  Kind kind;
  int left, top, width, height;  // twips
  FontSpec font;
  Colour text;
  Background background;  // for the button, its face
  Align align;
  const char* caption;
  const char* buddy = nullptr;  // the input a caption label stands beside
  // What a screen reader calls the control when its caption will not do (a picture, a caption
  // in short, a unit); "" when it is not read at all.
  const char* spokenName = nullptr;
};

// One line of results, written once for both the controls it makes and the result they show.
struct ResultLine {
  struct Part {
    const char* name = nullptr;  // none: the line has no such part
    int left = 0, width = 0;     // twips
    const char* caption = nullptr;
    const char* spokenName = nullptr;
  };
  blend::ResultId id;
  int top;  // twips
  Part caption, value;
  Part unit{};
  Part raised{};  // a digit raised after the unit ("m" "2")
};

namespace fonts {
inline constexpr FontSpec kWindow{"MS Sans Serif", 8.25, 400};
inline constexpr FontSpec kStandard{"MS Sans Serif", 9.75, 700};
inline constexpr FontSpec kHeading{"MS Sans Serif", 12, 700, true, true};
inline constexpr FontSpec kMatrixCaption{"MS Sans Serif", 8.25, 700};
inline constexpr FontSpec kEdition{"MS Sans Serif", 8.25, 400, true};
inline constexpr FontSpec kButton{"Tahoma", 20.25, 700};
inline constexpr FontSpec kTitle{"Papyrus", 26.25, 700, false, true};
inline constexpr FontSpec kTagline{"Papyrus", 8.25, 400};
inline constexpr FontSpec kRaisedDigit{"Terminal", 4.5, 700, false, false, Charset::Oem};
}  // namespace fonts

// Free faces that stand in, in this order, where a Windows face is missing or cannot scale and
// take bold and italic; the sizes, weights and styles stay those of the table. The generic family
// is the last resort.
enum class GenericFamily : std::uint8_t { SansSerif, Monospace, Decorative };
struct FaceStandIns {
  const char* face;
  GenericFamily family;
  std::array<const char*, 4> standIns;
};
inline constexpr std::array<FaceStandIns, 4> kFaceStandIns = {{
    {"MS Sans Serif",
     GenericFamily::SansSerif,
     {"Microsoft Sans Serif", "Liberation Sans", "Arimo", "Arial"}},
    {"Tahoma",
     GenericFamily::SansSerif,
     {"DejaVu Sans", "Verdana", "Bitstream Vera Sans", "Noto Sans"}},
    {"Papyrus",
     GenericFamily::Decorative,
     {"Z003", "URW Chancery L", "TeX Gyre Chorus", "Chancery"}},
    {"Terminal",
     GenericFamily::Monospace,
     {"DejaVu Sans Mono", "Liberation Mono", "Courier New", "Noto Mono"}},
}};

// The stand-ins of `face`; every face of the table has a row (checked below).
constexpr const FaceStandIns& StandInsOf(std::string_view face) {
  for (const FaceStandIns& row : kFaceStandIns) {
    if (face == row.face) return row;
  }
  throw "a face without stand-ins";  // a build error where evaluated at compile time
}

// The window's own font, which every control without another font shares, and its background.
inline constexpr FontSpec kWindowFont = fonts::kWindow;
inline constexpr Colour kWindowBackground = System(SystemColour::MenuBackground);

// A unit in words, after a value below 2 and after 2 or more.
struct UnitWords {
  const char* singular;
  const char* plural;
};
inline constexpr std::array<UnitWords, 4> kUnitWords = {{
    {"mètre", "mètres"},
    {"mètre carré", "mètres carrés"},
    {"millimètre", "millimètres"},
    {"pixel", "pixels"},
}};

namespace detail {

using namespace fonts;  // NOLINT(google-build-using-namespace): the table reads better
using enum Kind;
using enum Align;
using enum blend::ResultId;

// Units as a screen reader must say them: a bare "m" is read as a letter. A unit label is named
// by the plural; the summary says the singular after a value below 2, as French does.
inline constexpr const char* kMetres = kUnitWords[0].plural;
inline constexpr const char* kSquareMetres = kUnitWords[1].plural;
inline constexpr const char* kMillimetres = kUnitWords[2].plural;
inline constexpr const char* kPixels = kUnitWords[3].plural;
inline constexpr const char* kNotSpoken = "";  // part of the unit before it

inline constexpr Colour kMenu = System(SystemColour::MenuBackground);
inline constexpr Colour kTitleText = System(SystemColour::TitleBarText);
inline constexpr Colour kButtonFace = System(SystemColour::ButtonFace);
inline constexpr Colour kButtonText = System(SystemColour::ButtonText);
inline constexpr Colour kBlack = Rgb(0, 0, 0);
inline constexpr Colour kDarkGrey = Rgb(64, 64, 64);
inline constexpr Colour kGrey = Rgb(128, 128, 128);
inline constexpr Colour kRed = Rgb(255, 0, 0);

inline constexpr auto kFixedControls = std::to_array<ControlRow>({
    // Header, version and credits.
    {"Shape4", Frame, 240, 240, 13575, 1935, kWindow, kBlack, On(kNoColour), Left, ""},
    {"Shape1", Frame, 240, 7560, 2655, 975, kWindow, kBlack, On(kNoColour), Left, ""},
    {"Picture1", PictureBox, 480, 480, 3855, 1455, kWindow, kBlack, On(kButtonFace), Left, "",
     nullptr, "Bannière SOLVANIX : un projecteur et son faisceau"},
    {"Picture2", PictureBox, 9720, 480, 3855, 1455, kWindow, kBlack, On(kButtonFace), Left, "",
     nullptr, "Bannière SOLVANIX : un projecteur et son faisceau, en miroir"},
    {"Nom", Label, 4800, 600, 4455, 735, kTitle, kBlack, On(kMenu), Center, "SOLVANIX"},
    {"Label41", Label, 5760, 1440, 2655, 255, kTagline, kDarkGrey, On(kMenu), Left,
     "Logiciel de calcul pour Soft-edge"},
    {"Version_2", Label, 8760, 1320, 615, 255, kEdition, kDarkGrey, On(kMenu), Center, "LIGHT"},
    {"Version_1", Label, 12480, 2280, 975, 255, kWindow, kGrey, On(kMenu), Center,
     texts::kVersionCaption},
    {"Date_1", Label, 360, 7680, 2295, 255, kWindow, kDarkGrey, On(kMenu), Center,
     "Conçu par l'équipe SOLVANIX"},
    {"Date_0", Label, 360, 7920, 2295, 255, kWindow, kDarkGrey, On(kMenu), Center,
     "Pour la projection multiple"},
    {"Date_2", Label, 360, 8160, 2295, 255, kWindow, kDarkGrey, On(kMenu), Center,
     "Édition gratuite, 2026"},

    // Input captions and units.
    {"Ecran", Label, 2880, 2520, 1095, 375, kHeading, kDarkGrey, On(kMenu), Right, "Ecran:"},
    {"Largeur", Label, 2520, 3120, 1455, 255, kStandard, kButtonText, On(kMenu), Right,
     "Largeur totale:", "Text1"},
    {"Label44", Label, 4920, 3240, 375, 255, kStandard, kButtonText, On(kMenu), Left, "m", nullptr,
     kMetres},
    {"Hauteur", Label, 2520, 3600, 1455, 255, kStandard, kButtonText, On(kMenu), Right,
     "Hauteur totale:", "Text2"},
    {"Label42_17", Label, 4920, 3720, 375, 255, kStandard, kButtonText, On(kMenu), Left, "m",
     nullptr, kMetres},
    {"Projecteur", Label, 2520, 4200, 1455, 375, kHeading, kDarkGrey, On(kMenu), Right,
     "Projecteur:"},
    {"Label3", Label, 1800, 4800, 2175, 255, kStandard, kButtonText, On(kMenu), Right,
     "Nbe de projecteurs:", "Combo1", "Nombre de projecteurs"},
    {"Lmatrice", Label, 1800, 5280, 2175, 255, kStandard, kButtonText, On(kMenu), Right,
     "Matrice:", "Combo3"},
    {"Label4", Label, 5280, 5280, 1095, 255, kMatrixCaption, kButtonText, On(kButtonFace), Left,
     ""},
    {"Recouvrement", Label, 1800, 5760, 2175, 255, kStandard, kButtonText, On(kMenu), Right,
     "Recouvrement:", "Combo5"},
    {"Label42_21", Label, 5400, 5760, 615, 255, kStandard, kButtonText, On(kMenu), Left, "pixels",
     nullptr, kPixels},
    {"Focale", Label, 2520, 6240, 1455, 255, kStandard, kButtonText, On(kMenu), Right,
     "Focale:", "Combo6"},

    // Inputs.
    {"Text1", TextBox, 4080, 3120, 735, 315, kStandard, kBlack, On(kTitleText), Left, ""},
    {"Text2", TextBox, 4080, 3600, 735, 315, kStandard, kBlack, On(kTitleText), Left, ""},
    {"Combo1", ComboBox, 4080, 4680, 1095, 360, kStandard, kBlack, On(kTitleText), Left, ""},
    {"Combo3", ComboBox, 4080, 5160, 1095, 360, kStandard, kBlack, On(kTitleText), Left, ""},
    {"Combo5", ComboBox, 4080, 5640, 1095, 360, kStandard, kBlack, On(kTitleText), Left, ""},
    {"Combo6", ComboBox, 4080, 6120, 1095, 360, kStandard, kBlack, On(kTitleText), Left, ""},
    {"Command1", Button, 6480, 7560, 975, 495, kButton, kButtonText, On(kRed), Center, "OK"},
});

// The result lines, in creation order after the rows above: each a caption, the label that
// shows the value, and the unit, all `top` twips down (ResultLineControl gives their look). One
// line of the table per line of the window, as clang-format would not keep them.
// clang-format off
inline constexpr std::array<ResultLine, 12> kResultLines = {{
    {ScreenRatio, 2760, {"Ratio", 7680, 3015, "Ratio écran:"}, {"Label1", 10920, 615}},
    {ScreenSurface, 3120, {"Surface", 7680, 3015, "Surface écran:"}, {"Label2", 10680, 855},
     {"Label42_0", 11640, 255, "m", kSquareMetres}, {"Label43", 11760, 135, "2"}},
    {TotalHorizontalPixels, 3480, {"Label5", 6840, 3855, "Résolution horizontale totale utile:"},
     {"Label23", 10800, 735}, {"Label42_1", 11640, 735, "pixels", kPixels}},
    {TotalVerticalPixels, 3840, {"Label6", 7200, 3495, "Résolution verticale totale utile:"},
     {"Label24", 10800, 735}, {"Label42_2", 11640, 735, "pixels", kPixels}},
    {UsefulWidth, 4200, {"Label7", 7680, 3015, "Largeur utile de l'image:"},
     {"Label25", 10920, 615}, {"Label42_3", 11640, 735, "m", kMetres}},
    {UsefulHeight, 4560, {"Label8", 7680, 3015, "Hauteur utile de l'image:"},
     {"Label26", 10920, 615}, {"Label42_4", 11640, 735, "m", kMetres}},
    {OverlapWidth, 4920, {"Label9", 7680, 3015, "Largeur recouvrement:"},
     {"Label27", 10920, 615}, {"Label42_5", 11640, 735, "m", kMetres}},
    {PixelSize, 5400, {"Label10", 7680, 3015, "Taille d'un pixel:"},
     {"Label28", 10920, 615}, {"Label42_6", 11640, 735, "mm", kMillimetres}},
    {ProjectorSpacing, 5760, {"Label11", 7680, 3015, "Entraxe des projecteurs:"},
     {"Label29", 10920, 615}, {"Label42_7", 11640, 735, "m", kMetres}},
    {ImageWidth, 6120, {"Label12", 7680, 3015, "Largeur d'une image:"},
     {"Label30", 10920, 615}, {"Label42_8", 11640, 735, "m", kMetres}},
    {LensDistance, 6480, {"Label13", 7680, 3015, "Distance de l'objectif:"},
     {"Label31", 10800, 735}, {"Label42_9", 11640, 735, "m", kMetres}},
    {TotalThrowDepth, 6840, {"Label14", 8880, 1815, "Recul totale utile:"},
     {"Label32", 10800, 735}, {"Label42_10", 11640, 735, "m", kMetres}},
}};
// clang-format on

// A result line's controls: captions in the standard face, values in black, both right-aligned;
// the unit left-aligned; the raised digit in its own face over the window's background.
inline constexpr int kResultLineHeight = 255;
constexpr std::size_t ControlsOf(const ResultLine& line) {
  return 2 + (line.unit.name != nullptr ? 1 : 0) + (line.raised.name != nullptr ? 1 : 0);
}
constexpr ControlRow ResultLineControl(const ResultLine& line, std::size_t part) {
  auto place = [&](const ResultLine::Part& of, FontSpec font, Colour text) {
    return ControlRow{.name = of.name,
                      .kind = Label,
                      .left = of.left,
                      .top = line.top,
                      .width = of.width,
                      .height = kResultLineHeight,
                      .font = font,
                      .text = text,
                      .background = On(kMenu),
                      .align = Right,
                      .caption = of.caption != nullptr ? of.caption : "",
                      .spokenName = of.spokenName};
  };
  switch (part) {
    case 0:
      return place(line.caption, kStandard, kButtonText);
    case 1:
      return place(line.value, kStandard, kBlack);
    case 2: {
      ControlRow unit = place(line.unit, kStandard, kBlack);
      unit.align = Left;
      return unit;
    }
    default: {
      ControlRow raised = place(line.raised, kRaisedDigit, kBlack);
      raised.background = On(kNoColour);
      raised.spokenName = kNotSpoken;
      return raised;
    }
  }
}
inline constexpr std::size_t kResultLineControlCount = [] {
  std::size_t count = 0;
  for (const ResultLine& line : kResultLines) count += ControlsOf(line);
  return count;
}();
constexpr ControlRow ControlAt(std::size_t index) {
  if (index < kFixedControls.size()) return kFixedControls[index];
  index -= kFixedControls.size();
  for (const ResultLine& line : kResultLines) {
    if (index < ControlsOf(line)) return ResultLineControl(line, index);
    index -= ControlsOf(line);
  }
  throw "no control at that index";  // a build error where evaluated at compile time
}
template <std::size_t... Index>
constexpr std::array<ControlRow, sizeof...(Index)> AllControls(std::index_sequence<Index...>) {
  return {ControlAt(Index)...};
}
inline constexpr auto kControls =
    AllControls(std::make_index_sequence<kFixedControls.size() + kResultLineControlCount>());

}  // namespace detail

inline constexpr std::size_t kControlCount = detail::kControls.size();

// Rows in creation order: later rows lie above earlier ones where they overlap.
constexpr std::span<const ControlRow> Controls() { return detail::kControls; }

// The position of the named control in Controls(); kControlCount for a name that is not there.
constexpr std::size_t IndexOf(std::string_view name) {
  for (std::size_t i = 0; i < kControlCount; ++i) {
    if (name == detail::kControls[i].name) return i;
  }
  return kControlCount;
}

// A control that the program itself refers to: its index is checked when it is built.
// A default ControlRef refers to no control.
struct ControlRef {
  std::size_t index = kControlCount;
  constexpr ControlRef() = default;
  consteval ControlRef(const char* name) : index(IndexOf(name)) {  // NOLINT: names convert
    if (index == kControlCount) throw "no control of that name";   // a build error, not a throw
  }
  constexpr bool Exists() const { return index < kControlCount; }
  constexpr const ControlRow& Row() const { return detail::kControls[index]; }
  constexpr const char* Name() const { return Row().name; }
};

struct ListItem {
  const char* text;
  int itemData;
};
struct ComboList {
  ControlRef combo;
  std::span<const ListItem> items;
};

// The input each of the calculation's six texts is read from (blend::InputTexts's fields).
struct CalculationInputRefs {
  ControlRef screenWidth, screenHeight, projectorCount, matrix, overlapPixels, throwRatio;
};

// Which label shows each result, and which labels describe it to a screen reader.
struct ResultBinding {
  blend::ResultId id;
  ControlRef valueLabel;
  ControlRef captionLabel;
  ControlRef unitLabel{};       // none when the value has no unit
  ControlRef unitPowerLabel{};  // a raised digit after the unit ("m" "2"), or none
};

namespace detail {

inline constexpr std::array<ListItem, 1> kProjectorCounts = {{{"2", 0}}};
inline constexpr std::array<ListItem, 3> kMatrices = {{{"XGA", 1}, {"SXGA+", 2}, {"HD", 3}}};
inline constexpr std::array<ListItem, 5> kOverlaps = {
    {{"16", 0}, {"32", 0}, {"64", 0}, {"128", 0}, {"256", 0}}};
inline constexpr std::array<ListItem, 16> kThrowRatios = {{{"0.67", 0},
                                                           {"0.73", 0},
                                                           {"0.8", 0},
                                                           {"1.2", 0},
                                                           {"1.4", 0},
                                                           {"1.5", 0},
                                                           {"1.8", 0},
                                                           {"2", 0},
                                                           {"2.6", 0},
                                                           {"2.8", 0},
                                                           {"4.1", 0},
                                                           {"4.5", 0},
                                                           {"6.9", 0},
                                                           {"7.5", 0},
                                                           {"10.4", 0},
                                                           {"11.2", 0}}};

inline constexpr std::array<ComboList, 4> kComboLists = {{
    {"Combo1", kProjectorCounts},
    {"Combo3", kMatrices},
    {"Combo5", kOverlaps},
    {"Combo6", kThrowRatios},
}};

inline constexpr std::array<ControlRef, 9> kFocusOrder = {
    "Text1", "Text2", "Command1", "Picture1", "Picture2", "Combo1", "Combo3", "Combo5", "Combo6"};

// The matrix's caption is shown beside its list, not on a result line.
inline constexpr ResultBinding kMatrixCaptionBinding{MatrixCaption, "Label4", "Lmatrice"};

// The control of that name, or none for no name; a name not in the table is a build error.
constexpr ControlRef RefOrNone(const char* name) {
  ControlRef ref;
  if (name == nullptr) return ref;
  ref.index = IndexOf(name);
  if (!ref.Exists()) throw "no control of that name";
  return ref;
}
constexpr ResultBinding BindingOf(const ResultLine& line) {
  return {line.id, RefOrNone(line.value.name), RefOrNone(line.caption.name),
          RefOrNone(line.unit.name), RefOrNone(line.raised.name)};
}
// In ResultId order; a result with no line, or with two, is a build error.
inline constexpr auto kResultBindings = [] {
  std::array<ResultBinding, blend::kResultCount> bindings{};
  std::array<int, blend::kResultCount> bound{};
  auto bind = [&](const ResultBinding& binding) {
    const auto at = static_cast<std::size_t>(binding.id);
    if (bound.at(at)++ != 0) throw "a result shown twice";
    bindings.at(at) = binding;
  };
  bind(kMatrixCaptionBinding);
  for (const ResultLine& line : kResultLines) bind(BindingOf(line));
  for (int times : bound) {
    if (times != 1) throw "a result shown nowhere";
  }
  return bindings;
}();

// The unit label after an input, which a screen reader gives with the input ("en mètres").
struct InputUnit {
  ControlRef input;
  ControlRef unit;
};
inline constexpr std::array<InputUnit, 3> kInputUnits = {
    {{"Text1", "Label44"}, {"Text2", "Label42_17"}, {"Combo5", "Label42_21"}}};

inline constexpr std::array<ControlRef, 2> kVersionLabels = {"Version_1", "Version_2"};
inline constexpr CalculationInputRefs kCalculationInput{
    .screenWidth = "Text1",
    .screenHeight = "Text2",
    .projectorCount = "Combo1",
    .matrix = "Combo3",
    .overlapPixels = "Combo5",
    .throwRatio = "Combo6",
};
inline constexpr std::array<ControlRef, 6> kCalculationInputs = {
    kCalculationInput.screenWidth,    kCalculationInput.screenHeight,
    kCalculationInput.projectorCount, kCalculationInput.matrix,
    kCalculationInput.overlapPixels,  kCalculationInput.throwRatio};

}  // namespace detail

constexpr std::span<const ComboList> ComboLists() { return detail::kComboLists; }
// The focus order of the inputs, the button and the pictures, ending back at the first.
constexpr std::span<const ControlRef> FocusOrder() { return detail::kFocusOrder; }
constexpr std::span<const ResultBinding> ResultBindings() { return detail::kResultBindings; }
constexpr const ResultBinding& BindingOf(blend::ResultId id) {
  return detail::kResultBindings[static_cast<std::size_t>(id)];
}
constexpr std::span<const detail::InputUnit> InputUnits() { return detail::kInputUnits; }
// The version labels that open the about message.
constexpr std::span<const ControlRef> VersionLabels() { return detail::kVersionLabels; }
// The six input controls in the order the calculation reads them, and by the text each gives.
constexpr std::span<const ControlRef> CalculationInputs() { return detail::kCalculationInputs; }
constexpr const CalculationInputRefs& CalculationInput() { return detail::kCalculationInput; }

// The picture boxes; the second shows the banner mirrored.
inline constexpr ControlRef kBannerPicture = "Picture1";
inline constexpr ControlRef kMirroredBannerPicture = "Picture2";
// The label that shows the question-mark pointer.
inline constexpr ControlRef kWhatsThisPointerLabel = "Version_1";
inline constexpr ControlRef kCalculateButton = "Command1";

// Whether the control at `index` shows a result.
constexpr bool ShowsResult(std::size_t index) {
  return std::any_of(detail::kResultBindings.begin(), detail::kResultBindings.end(),
                     [&](const ResultBinding& b) { return b.valueLabel.index == index; });
}

// Whether the control at `index` is a version label.
constexpr bool IsVersionLabel(std::size_t index) {
  return std::any_of(detail::kVersionLabels.begin(), detail::kVersionLabels.end(),
                     [&](ControlRef ref) { return ref.index == index; });
}

// The checks that make the tables above one consistent description.
namespace checks {

constexpr bool AllWholePixels() {
  for (const ControlRow& row : detail::kControls) {
    for (int twips : {row.left, row.top, row.width, row.height}) {
      if (twips % kTwipsPerPixel != 0) return false;
    }
  }
  return kClientWidthTwips % kTwipsPerPixel == 0 && kClientHeightTwips % kTwipsPerPixel == 0;
}

constexpr bool AllFontsWholePixels() {
  for (const ControlRow& row : detail::kControls) {
    if (row.font.points * kDesignDotsPerInch / 72 != PixelSize(row.font)) return false;
  }
  return true;
}

constexpr bool NamesAreUnique() {
  for (std::size_t i = 0; i < kControlCount; ++i) {
    if (IndexOf(detail::kControls[i].name) != i) return false;
  }
  return true;
}

constexpr bool Is(ControlRef ref, Kind kind) { return ref.Row().kind == kind; }
constexpr bool IsInput(Kind kind) { return kind == Kind::TextBox || kind == Kind::ComboBox; }

constexpr bool ListsAreComboBoxes() {
  return std::all_of(detail::kComboLists.begin(), detail::kComboLists.end(),
                     [](const ComboList& list) { return Is(list.combo, Kind::ComboBox); });
}

constexpr bool FocusOrderTakesFocus() {
  return std::none_of(detail::kFocusOrder.begin(), detail::kFocusOrder.end(),
                      [](ControlRef ref) { return Is(ref, Kind::Label) || Is(ref, Kind::Frame); });
}

constexpr bool BindingsInResultIdOrder() {
  for (std::size_t i = 0; i < detail::kResultBindings.size(); ++i) {
    if (static_cast<std::size_t>(detail::kResultBindings[i].id) != i) return false;
  }
  return true;
}

constexpr bool BindingsNameLabels() {
  auto labelOrNone = [](ControlRef ref) { return !ref.Exists() || Is(ref, Kind::Label); };
  return std::all_of(detail::kResultBindings.begin(), detail::kResultBindings.end(),
                     [&](const ResultBinding& b) {
                       return Is(b.valueLabel, Kind::Label) && Is(b.captionLabel, Kind::Label) &&
                              labelOrNone(b.unitLabel) && labelOrNone(b.unitPowerLabel);
                     });
}

constexpr bool UnitsAreSpoken() {
  const bool inputs =
      std::all_of(detail::kInputUnits.begin(), detail::kInputUnits.end(), [](const auto& unit) {
        return IsInput(unit.input.Row().kind) && Is(unit.unit, Kind::Label) &&
               unit.unit.Row().spokenName != nullptr;
      });
  const bool results = std::all_of(
      detail::kResultBindings.begin(), detail::kResultBindings.end(), [](const ResultBinding& b) {
        return !b.unitLabel.Exists() || b.unitLabel.Row().spokenName != nullptr;
      });
  return inputs && results;
}

constexpr bool VersionLabelsAreLabels() {
  return std::all_of(detail::kVersionLabels.begin(), detail::kVersionLabels.end(),
                     [](ControlRef ref) { return Is(ref, Kind::Label); });
}

constexpr bool CalculationReadsInputs() {
  return std::all_of(detail::kCalculationInputs.begin(), detail::kCalculationInputs.end(),
                     [](ControlRef ref) { return IsInput(ref.Row().kind); });
}

constexpr bool BuddiesAreInputs() {
  return std::all_of(detail::kControls.begin(), detail::kControls.end(), [](const ControlRow& row) {
    if (row.buddy == nullptr) return true;
    const std::size_t buddy = IndexOf(row.buddy);
    return row.kind == Kind::Label && buddy != kControlCount &&
           IsInput(detail::kControls[buddy].kind);
  });
}

constexpr bool RolesHaveTheirKinds() {
  return Is(kBannerPicture, Kind::PictureBox) && Is(kMirroredBannerPicture, Kind::PictureBox) &&
         Is(kWhatsThisPointerLabel, Kind::Label) && Is(kCalculateButton, Kind::Button);
}

constexpr bool ResultLinesAreWhole() {
  return std::all_of(detail::kResultLines.begin(), detail::kResultLines.end(),
                     [](const auto& line) {
                       return line.caption.name != nullptr && line.value.name != nullptr &&
                              (line.raised.name == nullptr || line.unit.name != nullptr);
                     });
}

constexpr bool EveryFaceHasStandIns() {
  for (const ControlRow& row : detail::kControls) {
    if (StandInsOf(row.font.face).face == nullptr) return false;
  }
  return true;
}

static_assert(AllWholePixels(), "every place and size is a whole number of pixels");
static_assert(AllFontsWholePixels(), "every font is a whole number of pixels high");
static_assert(NamesAreUnique(), "no two controls share a name");
static_assert(ListsAreComboBoxes(), "every list's items belong to a combo box");
static_assert(FocusOrderTakesFocus(), "no label or frame in the focus order");
static_assert(BindingsInResultIdOrder(), "the result bindings are in ResultId order");
static_assert(BindingsNameLabels(), "a result's value, caption and unit are labels");
static_assert(UnitsAreSpoken(), "every unit label has its unit in words");
static_assert(VersionLabelsAreLabels(), "the version marks are labels");
static_assert(CalculationReadsInputs(), "the calculation reads text boxes and lists only");
static_assert(BuddiesAreInputs(), "a caption label stands beside a text box or a list");
static_assert(RolesHaveTheirKinds(), "the banners are picture boxes, OK a button");
static_assert(ResultLinesAreWhole(),
              "a result line has a caption and a value, a raised digit a unit");
static_assert(EveryFaceHasStandIns(), "every face of the table has its stand-ins");

}  // namespace checks

}  // namespace ui::layout
