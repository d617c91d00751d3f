// What the window looks like in one environment, saved as pictures: the window after the first
// worked example with the focus on OK, each list's open popup, and what the environment was.
#pragma once

#include <QString>
#include <QStringList>

namespace solvanix_test {

inline const QStringList kGrabbedPictures = {"window", "Combo1", "Combo3", "Combo5", "Combo6"};

// "<name>.png" for each picture, and "desktop.txt": the application's window colour and the
// screen's logical dots per inch, so that a test can tell that a theme or a dpi was in force.
bool SaveGrabs(const QString& folder);

}  // namespace solvanix_test
