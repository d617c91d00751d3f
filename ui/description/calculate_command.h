// The OK command, whatever draws the window: it reads the six inputs, runs the blend calculation
// against a display that writes each result into its label at once, shows the orientation
// warning in passing, and turns any failure into the one failure box.
#pragma once

#include <cstddef>
#include <string>

#include "calc/blend.h"
#include "ui/description/texts.h"

namespace ui {

// What the command needs of a window. Controls are named by their index in layout::Controls().
class CommandWindow {
 public:
  virtual ~CommandWindow() = default;
  // The text the input control holds now.
  virtual std::string InputText(std::size_t control) const = 0;
  // Writes a result into its label, visible before the calculation goes on.
  virtual void ShowResult(std::size_t label, const std::string& text) = 0;
  // What a label shows now, the writes a window holds back included.
  virtual std::string LabelText(std::size_t label) const = 0;
  // A modal box. Nothing the run does after it shows before the user has dismissed it: the
  // window returns then, or returns at once and holds the run's later effects back till then.
  virtual void ShowMessage(const texts::Message& message) = 0;
  // The user's regional number format, read at every run.
  virtual blend::RegionalFormat Regional() const = 0;
  // Said once by the screen reader after a run that ended without the failure box.
  virtual void Announce(const std::string& summary) = 0;
};

void RunCalculateCommand(CommandWindow& window);

}  // namespace ui
