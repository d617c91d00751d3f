// What a screen reader finds in the window through Microsoft Active Accessibility. Every control
// answers WM_GETOBJECT with Windows' own accessible object for it, renamed where its window text
// would mislead: an input takes its caption's name and its unit as its description ("en mètres"),
// a result label says its caption, value and unit in words, a unit says its word, a picture what
// it shows, and the raised "2" nothing at all. The summary after a calculation goes through UI
// Automation's notification where Windows has it (loaded at run time), and on every version
// through a live region whose name is the summary.
#pragma once

#include <windows.h>

#include <array>
#include <cstddef>
#include <string>

#include "ui/description/layout.h"

namespace ui::win32 {

class ScreenReaderNames {
 public:
  // Serves the controls, and the edit fields of the lists, until they are destroyed.
  void Serve(const std::array<HWND, layout::kControlCount>& controls);

  // The name and description a screen reader gets for the control at `index`.
  std::wstring Name(std::size_t index) const;
  std::wstring Description(std::size_t index) const;
  // Whether the control is part of what stands before it and is not read on its own.
  bool Silent(std::size_t index) const;

 private:
  struct Served {
    const ScreenReaderNames* names;
    std::size_t index;
  };
  std::string ShownText(std::size_t index) const;

  const std::array<HWND, layout::kControlCount>* controls_ = nullptr;
  std::array<Served, layout::kControlCount> served_{};
};

// An object of the window that holds the last summary, for the screen reader to say.
class Announcer {
 public:
  Announcer() = default;
  Announcer(const Announcer&) = delete;
  Announcer& operator=(const Announcer&) = delete;
  ~Announcer();

  void Create(HWND window, HINSTANCE instance);
  void Announce(const std::wstring& summary);

 private:
  HWND region_ = nullptr;
  HMODULE automation_ = nullptr;
};

}  // namespace ui::win32
