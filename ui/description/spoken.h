// What a screen reader says of the window, built from the description and from what the labels
// show, so that no value is written anywhere but in its label.
#pragma once

#include <cstddef>
#include <functional>
#include <string>

namespace ui::spoken {

// A caption as it is spoken: its spoken name, or its text without the colon ("Largeur totale").
std::string Caption(std::size_t label, const std::string& shownText);

// "Calcul terminé." then every result in the window's order with its caption, the label's exact
// text and its unit in words, singular below 2 as French has it:
// "… ; Surface écran : 12 mètres carrés ; … ; Taille d'un pixel : 1,5 millimètre ; …".
std::string Summary(const std::function<std::string(std::size_t label)>& shownText);

// A result as it is said: its caption, its value and its unit in words as in the summary,
// "Surface écran : 12 mètres carrés"; its caption alone while it shows nothing.
std::string Result(std::size_t valueLabel, const std::string& captionText,
                   const std::string& valueText);

// A result label's description, its caption and unit ("Surface écran, mètres carrés"), and an
// input's, its unit ("en mètres"); "" when it has none.
std::string ResultDescription(std::size_t valueLabel, const std::string& captionText);
std::string InputDescription(std::size_t input);

}  // namespace ui::spoken
