#include "ui/layout.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace ui::layout {
namespace {

using blend::ResultId;

constexpr FontSpec kWindow{"MS Sans Serif", 8.25, 400};
constexpr FontSpec kStandard{"MS Sans Serif", 9.75, 700};
constexpr FontSpec kHeading{"MS Sans Serif", 12, 700, true, true};
constexpr FontSpec kMatrixCaption{"MS Sans Serif", 8.25, 700};
constexpr FontSpec kEdition{"MS Sans Serif", 8.25, 400, true};
constexpr FontSpec kButton{"Tahoma", 20.25, 700};
constexpr FontSpec kTitle{"Papyrus", 26.25, 700, false, true};
constexpr FontSpec kTagline{"Papyrus", 8.25, 400};
constexpr FontSpec kRaisedDigit{"Terminal", 4.5, 700};

constexpr Colour kMenu = SystemColour(4);
constexpr Colour kTitleText = SystemColour(9);
constexpr Colour kButtonFace = SystemColour(15);
constexpr Colour kButtonText = SystemColour(18);
constexpr Colour kBlack = Rgb(0, 0, 0);
constexpr Colour kDarkGrey = Rgb(64, 64, 64);
constexpr Colour kGrey = Rgb(128, 128, 128);
constexpr Colour kRed = Rgb(255, 0, 0);

using enum Kind;
using enum Align;

constexpr std::array kControls = std::to_array<ControlRow>({
    // Header, version and credits.
    {"Shape4", Frame, 240, 240, 13575, 1935, kWindow, kBlack, kNoColour, Left, ""},
    {"Shape1", Frame, 240, 7560, 2655, 975, kWindow, kBlack, kNoColour, Left, ""},
    {"Picture1", PictureBox, 480, 480, 3855, 1455, kWindow, kBlack, kButtonFace, Left, "", nullptr,
     "Bannière SOLVANIX : un projecteur et son faisceau"},
    {"Picture2", PictureBox, 9720, 480, 3855, 1455, kWindow, kBlack, kButtonFace, Left, "", nullptr,
     "Bannière SOLVANIX : un projecteur et son faisceau, en miroir"},
    {"Nom", Label, 4800, 600, 4455, 735, kTitle, kBlack, kMenu, Center, "SOLVANIX"},
    {"Label41", Label, 5760, 1440, 2655, 255, kTagline, kDarkGrey, kMenu, Left,
     "Logiciel de calcul pour Soft-edge"},
    {"Version_2", Label, 8760, 1320, 615, 255, kEdition, kDarkGrey, kMenu, Center, "LIGHT"},
    {"Version_1", Label, 12480, 2280, 975, 255, kWindow, kGrey, kMenu, Center, "Version:1.64"},
    {"Date_1", Label, 360, 7680, 2295, 255, kWindow, kDarkGrey, kMenu, Center,
     "Conçu par l'équipe SOLVANIX"},
    {"Date_0", Label, 360, 7920, 2295, 255, kWindow, kDarkGrey, kMenu, Center,
     "Pour la projection multiple"},
    {"Date_2", Label, 360, 8160, 2295, 255, kWindow, kDarkGrey, kMenu, Center,
     "Édition gratuite, 2026"},

    // Input captions and units.
    {"Ecran", Label, 2880, 2520, 1095, 375, kHeading, kDarkGrey, kMenu, Right, "Ecran:"},
    {"Largeur", Label, 2520, 3120, 1455, 255, kStandard, kButtonText, kMenu, Right,
     "Largeur totale:", "Text1"},
    {"Label44", Label, 4920, 3240, 375, 255, kStandard, kButtonText, kMenu, Left, "m"},
    {"Hauteur", Label, 2520, 3600, 1455, 255, kStandard, kButtonText, kMenu, Right,
     "Hauteur totale:", "Text2"},
    {"Label42_17", Label, 4920, 3720, 375, 255, kStandard, kButtonText, kMenu, Left, "m"},
    {"Projecteur", Label, 2520, 4200, 1455, 375, kHeading, kDarkGrey, kMenu, Right, "Projecteur:"},
    {"Label3", Label, 1800, 4800, 2175, 255, kStandard, kButtonText, kMenu, Right,
     "Nbe de projecteurs:", "Combo1"},
    {"Lmatrice", Label, 1800, 5280, 2175, 255, kStandard, kButtonText, kMenu, Right,
     "Matrice:", "Combo3"},
    {"Label4", Label, 5280, 5280, 1095, 255, kMatrixCaption, kButtonText, kButtonFace, Left, ""},
    {"Recouvrement", Label, 1800, 5760, 2175, 255, kStandard, kButtonText, kMenu, Right,
     "Recouvrement:", "Combo5"},
    {"Label42_21", Label, 5400, 5760, 615, 255, kStandard, kButtonText, kMenu, Left, "pixels"},
    {"Focale", Label, 2520, 6240, 1455, 255, kStandard, kButtonText, kMenu, Right,
     "Focale:", "Combo6"},

    // Inputs.
    {"Text1", TextBox, 4080, 3120, 735, 315, kStandard, kBlack, kTitleText, Left, ""},
    {"Text2", TextBox, 4080, 3600, 735, 315, kStandard, kBlack, kTitleText, Left, ""},
    {"Combo1", ComboBox, 4080, 4680, 1095, 360, kStandard, kBlack, kTitleText, Left, ""},
    {"Combo3", ComboBox, 4080, 5160, 1095, 360, kStandard, kBlack, kTitleText, Left, ""},
    {"Combo5", ComboBox, 4080, 5640, 1095, 360, kStandard, kBlack, kTitleText, Left, ""},
    {"Combo6", ComboBox, 4080, 6120, 1095, 360, kStandard, kBlack, kTitleText, Left, ""},
    {"Command1", Button, 6480, 7560, 975, 495, kButton, kButtonText, kRed, Center, "OK"},

    // Result rows: caption, value, unit.
    {"Ratio", Label, 7680, 2760, 3015, 255, kStandard, kButtonText, kMenu, Right, "Ratio écran:"},
    {"Label1", Label, 10920, 2760, 615, 255, kStandard, kBlack, kMenu, Right, ""},
    {"Surface", Label, 7680, 3120, 3015, 255, kStandard, kButtonText, kMenu, Right,
     "Surface écran:"},
    {"Label2", Label, 10680, 3120, 855, 255, kStandard, kBlack, kMenu, Right, ""},
    {"Label42_0", Label, 11640, 3120, 255, 255, kStandard, kBlack, kMenu, Left, "m"},
    {"Label43", Label, 11760, 3120, 135, 255, kRaisedDigit, kBlack, kNoColour, Right, "2"},
    {"Label5", Label, 6840, 3480, 3855, 255, kStandard, kButtonText, kMenu, Right,
     "Résolution horizontale totale utile:"},
    {"Label23", Label, 10800, 3480, 735, 255, kStandard, kBlack, kMenu, Right, ""},
    {"Label42_1", Label, 11640, 3480, 735, 255, kStandard, kBlack, kMenu, Left, "pixels"},
    {"Label6", Label, 7200, 3840, 3495, 255, kStandard, kButtonText, kMenu, Right,
     "Résolution verticale totale utile:"},
    {"Label24", Label, 10800, 3840, 735, 255, kStandard, kBlack, kMenu, Right, ""},
    {"Label42_2", Label, 11640, 3840, 735, 255, kStandard, kBlack, kMenu, Left, "pixels"},
    {"Label7", Label, 7680, 4200, 3015, 255, kStandard, kButtonText, kMenu, Right,
     "Largeur utile de l'image:"},
    {"Label25", Label, 10920, 4200, 615, 255, kStandard, kBlack, kMenu, Right, ""},
    {"Label42_3", Label, 11640, 4200, 735, 255, kStandard, kBlack, kMenu, Left, "m"},
    {"Label8", Label, 7680, 4560, 3015, 255, kStandard, kButtonText, kMenu, Right,
     "Hauteur utile de l'image:"},
    {"Label26", Label, 10920, 4560, 615, 255, kStandard, kBlack, kMenu, Right, ""},
    {"Label42_4", Label, 11640, 4560, 735, 255, kStandard, kBlack, kMenu, Left, "m"},
    {"Label9", Label, 7680, 4920, 3015, 255, kStandard, kButtonText, kMenu, Right,
     "Largeur recouvrement:"},
    {"Label27", Label, 10920, 4920, 615, 255, kStandard, kBlack, kMenu, Right, ""},
    {"Label42_5", Label, 11640, 4920, 735, 255, kStandard, kBlack, kMenu, Left, "m"},
    {"Label10", Label, 7680, 5400, 3015, 255, kStandard, kButtonText, kMenu, Right,
     "Taille d'un pixel:"},
    {"Label28", Label, 10920, 5400, 615, 255, kStandard, kBlack, kMenu, Right, ""},
    {"Label42_6", Label, 11640, 5400, 735, 255, kStandard, kBlack, kMenu, Left, "mm"},
    {"Label11", Label, 7680, 5760, 3015, 255, kStandard, kButtonText, kMenu, Right,
     "Entraxe des projecteurs:"},
    {"Label29", Label, 10920, 5760, 615, 255, kStandard, kBlack, kMenu, Right, ""},
    {"Label42_7", Label, 11640, 5760, 735, 255, kStandard, kBlack, kMenu, Left, "m"},
    {"Label12", Label, 7680, 6120, 3015, 255, kStandard, kButtonText, kMenu, Right,
     "Largeur d'une image:"},
    {"Label30", Label, 10920, 6120, 615, 255, kStandard, kBlack, kMenu, Right, ""},
    {"Label42_8", Label, 11640, 6120, 735, 255, kStandard, kBlack, kMenu, Left, "m"},
    {"Label13", Label, 7680, 6480, 3015, 255, kStandard, kButtonText, kMenu, Right,
     "Distance de l'objectif:"},
    {"Label31", Label, 10800, 6480, 735, 255, kStandard, kBlack, kMenu, Right, ""},
    {"Label42_9", Label, 11640, 6480, 735, 255, kStandard, kBlack, kMenu, Left, "m"},
    {"Label14", Label, 8880, 6840, 1815, 255, kStandard, kButtonText, kMenu, Right,
     "Recul totale utile:"},
    {"Label32", Label, 10800, 6840, 735, 255, kStandard, kBlack, kMenu, Right, ""},
    {"Label42_10", Label, 11640, 6840, 735, 255, kStandard, kBlack, kMenu, Left, "m"},
});

// Every position and size is a whole number of pixels.
constexpr bool AllWholePixels() {
  for (const ControlRow& row : kControls) {
    for (int twips : {row.left, row.top, row.width, row.height}) {
      if (twips % kTwipsPerPixel != 0) return false;
    }
  }
  return kClientWidthTwips % kTwipsPerPixel == 0 && kClientHeightTwips % kTwipsPerPixel == 0;
}
static_assert(AllWholePixels());

// Every font is a whole number of pixels at the design resolution.
constexpr bool AllFontsWholePixels() {
  for (const ControlRow& row : kControls) {
    if (row.font.points * kDesignDotsPerInch / 72 != PixelSize(row.font)) return false;
  }
  return true;
}
static_assert(AllFontsWholePixels());
static_assert(PixelSize(kWindow) == 11 && PixelSize(kStandard) == 13 && PixelSize(kButton) == 27 &&
              PixelSize(kTitle) == 35 && PixelSize(kRaisedDigit) == 6);

constexpr std::array<ListItem, 1> kProjectorCounts = {{{"2", 0}}};
constexpr std::array<ListItem, 3> kMatrices = {{{"XGA", 1}, {"SXGA+", 2}, {"HD", 3}}};
constexpr std::array<ListItem, 5> kOverlaps = {
    {{"16", 0}, {"32", 0}, {"64", 0}, {"128", 0}, {"256", 0}}};
constexpr std::array<ListItem, 16> kThrowRatios = {{{"0.67", 0},
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

const std::array<ComboList, 4> kComboLists = {{
    {"Combo1", kProjectorCounts},
    {"Combo3", kMatrices},
    {"Combo5", kOverlaps},
    {"Combo6", kThrowRatios},
}};

constexpr std::array<const char*, 9> kFocusOrder = {
    "Text1", "Text2", "Command1", "Picture1", "Picture2", "Combo1", "Combo3", "Combo5", "Combo6"};

constexpr std::array<ResultBinding, blend::kResultCount> kResultBindings = {{
    {ResultId::MatrixCaption, "Label4", "Lmatrice", nullptr, nullptr},
    {ResultId::ScreenRatio, "Label1", "Ratio", nullptr, nullptr},
    {ResultId::ScreenSurface, "Label2", "Surface", "Label42_0", "Label43"},
    {ResultId::TotalHorizontalPixels, "Label23", "Label5", "Label42_1", nullptr},
    {ResultId::TotalVerticalPixels, "Label24", "Label6", "Label42_2", nullptr},
    {ResultId::UsefulWidth, "Label25", "Label7", "Label42_3", nullptr},
    {ResultId::UsefulHeight, "Label26", "Label8", "Label42_4", nullptr},
    {ResultId::OverlapWidth, "Label27", "Label9", "Label42_5", nullptr},
    {ResultId::PixelSize, "Label28", "Label10", "Label42_6", nullptr},
    {ResultId::ImageWidth, "Label30", "Label12", "Label42_8", nullptr},
    {ResultId::ProjectorSpacing, "Label29", "Label11", "Label42_7", nullptr},
    {ResultId::LensDistance, "Label31", "Label13", "Label42_9", nullptr},
    {ResultId::TotalThrowDepth, "Label32", "Label14", "Label42_10", nullptr},
}};

constexpr bool BindingsInResultOrder() {
  for (std::size_t i = 0; i < kResultBindings.size(); ++i) {
    if (static_cast<std::size_t>(kResultBindings[i].id) != i) return false;
  }
  return true;
}
static_assert(BindingsInResultOrder());

constexpr std::array<const char*, 2> kVersionLabels = {"Version_1", "Version_2"};
constexpr std::array<const char*, 6> kCalculationInputs = {"Text1",  "Text2",  "Combo1",
                                                           "Combo3", "Combo5", "Combo6"};
constexpr std::array<const char*, 2> kDimensionBoxes = {"Text1", "Text2"};
constexpr std::array<const char*, 4> kListBoxes = {"Combo1", "Combo3", "Combo5", "Combo6"};

}  // namespace

const FontSpec kWindowFont = kWindow;
const Colour kWindowBackground = kMenu;

std::span<const ControlRow> Controls() { return kControls; }
std::span<const ComboList> ComboLists() { return kComboLists; }
std::span<const char* const> FocusOrder() { return kFocusOrder; }
std::span<const ResultBinding> ResultBindings() { return kResultBindings; }
bool ShowsResult(const char* labelName) {
  const std::string_view name(labelName);
  return std::any_of(kResultBindings.begin(), kResultBindings.end(),
                     [&](const ResultBinding& binding) { return binding.valueLabel == name; });
}
std::span<const char* const> VersionLabels() { return kVersionLabels; }
std::span<const char* const> CalculationInputs() { return kCalculationInputs; }
std::span<const char* const> DimensionBoxes() { return kDimensionBoxes; }
std::span<const char* const> ListBoxes() { return kListBoxes; }

}  // namespace ui::layout
