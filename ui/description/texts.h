// Every text the window shows besides its controls' captions: the title, the message boxes'
// texts and titles, and what stands in for a value too wide for its label. All are French.
#pragma once

#include "ui/description/version.h"

namespace ui::texts {

enum class MessageIcon { Warning, Information };

// A modal box with a single OK button.
struct Message {
  MessageIcon icon;
  const char* title;
  const char* text;
};

inline constexpr Message kTallerThanWide{MessageIcon::Warning, "Calculs érronés",
                                         "L'écran est plus haut que large !!!"};
inline constexpr Message kCalculationFailure{MessageIcon::Warning, "Calcul impossible",
                                             "valeurs incorrectes !!!"};
// Three lines joined by a line feed alone.
inline constexpr Message kAbout{
    MessageIcon::Information, kAboutTitle,
    "SOLVANIX Light est libre de copie : copiez-la et partagez-la sans restriction.\n"
    "La gamme compte aussi SOLVANIX Studio et SOLVANIX Tournée.\n"
    "Suite SOLVANIX, par l'équipe SOLVANIX, 2019-2026."};

// What a screen reader says first once a calculation has ended without the failure box.
inline constexpr const char* kCalculationDone = "Calcul terminé.";

// Painted instead of a value too wide for its label, as spreadsheets do: a cut number would read
// as another number.
inline constexpr const char* kDoesNotFit = "###";

}  // namespace ui::texts
