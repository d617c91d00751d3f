// What a screen reader says of the window, built from the description and from what the labels
// show, so that no value is written anywhere but in its label.
#pragma once

#include <cstddef>
#include <functional>
#include <string>

namespace ui::spoken {

// A caption as it is spoken: its spoken name, or its text without the colon ("Largeur totale").
std::string Caption(std::size_t label, const std::string& shownText);

// "Calcul terminé." then every result with its caption and its unit in words, as the labels
// show them: "… ; Surface écran : 12 mètres carrés ; … ; Recul totale utile : 7,66 mètres."
std::string Summary(const std::function<std::string(std::size_t label)>& shownText);

// A result as it is said: its caption, its value and its unit in words, "Surface écran : 12
// mètres carrés"; its caption alone while it shows nothing.
std::string Result(std::size_t valueLabel, const std::string& captionText,
                   const std::string& valueText);

// A result label's description, its caption and unit ("Surface écran, mètres carrés"), and an
// input's, its unit ("en mètres"); "" when it has none.
std::string ResultDescription(std::size_t valueLabel, const std::string& captionText);
std::string InputDescription(std::size_t input);

}  // namespace ui::spoken
