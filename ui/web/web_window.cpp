// The OK command, the about box and the dimension boxes' rule for the browser page: the page's
// elements carry the description's names, and the description's own flow runs over them.
#include <emscripten.h>

#include <cstdlib>
#include <memory>
#include <string>

#include "ui/description/calculate_command.h"
#include "ui/description/keystroke_rules.h"
#include "ui/description/layout.h"
#include "ui/description/texts.h"

// Strings handed from the page are copied into memory the caller frees.
// clang-format off
EM_JS(char*, solvanix_page_text, (const char* name), {
  const element = document.getElementById(UTF8ToString(name));
  let text = "";
  if (element instanceof HTMLSelectElement) {
    text = element.selectedIndex < 0 ? "" : element.options[element.selectedIndex].text;
  } else if (element instanceof HTMLInputElement) {
    text = element.value;
  } else {
    text = element.textContent;
  }
  const size = lengthBytesUTF8(text) + 1;
  const copy = _malloc(size);
  stringToUTF8(text, copy, size);
  return copy;
});

// A value too wide for its label is painted as the description says; its text stays whole. The
// labels written are measured together before the page next paints, at a box or at the run's
// end, so that a run lays the page out once.
EM_JS(void, solvanix_show_result, (const char* name, const char* text), {
  const label = document.getElementById(UTF8ToString(name));
  label.textContent = UTF8ToString(text);
  (Module.written = Module.written || []).push(label);
});

EM_JS(void, solvanix_measure_written, (), {
  const written = Module.written || [];
  Module.written = [];
  const range = document.createRange();
  const wide = written.map((label) => {
    range.selectNodeContents(label);
    return range.getBoundingClientRect().width > label.clientWidth;
  });
  written.forEach((label, i) => label.classList.toggle("nofit", wide[i]));
});

EM_ASYNC_JS(void, solvanix_show_message, (int warning, const char* title, const char* text), {
  solvanix_measure_written();
  const box = document.getElementById("MessageBox");
  document.getElementById("MessageBoxTitle").textContent = UTF8ToString(title);
  document.getElementById("MessageBoxText").textContent = UTF8ToString(text);
  box.querySelector(".warning").style.display = warning ? "" : "none";
  box.querySelector(".information").style.display = warning ? "none" : "";
  box.setAttribute("role", warning ? "alertdialog" : "dialog");
  await new Promise((resolve) => {
    box.addEventListener("close", resolve, {once: true});
    box.showModal();
    document.getElementById("MessageBoxOk").focus();
  });
});

EM_JS(char*, solvanix_decimal_separator, (), {
  let separator = ".";
  try {
    const parts = new Intl.NumberFormat(navigator.languages).formatToParts(1.5);
    separator = parts.find((part) => part.type === "decimal").value;
  } catch (e) {
  }
  const size = lengthBytesUTF8(separator) + 1;
  const copy = _malloc(size);
  stringToUTF8(separator, copy, size);
  return copy;
});

// Said once: emptied first, so that the same summary twice is heard twice.
EM_JS(void, solvanix_announce, (const char* summary), {
  const region = document.getElementById("Announcement");
  const text = UTF8ToString(summary);
  region.textContent = "";
  setTimeout(() => { region.textContent = text; }, 50);
});
// clang-format on

namespace ui::web {
namespace {

std::string Taken(char* text) {
  const std::unique_ptr<char, decltype(&std::free)> owned(text, &std::free);
  return owned.get();
}

const char* NameOf(std::size_t control) { return layout::Controls()[control].name; }

class PageCommandWindow : public CommandWindow {
 public:
  std::string InputText(std::size_t control) const override {
    return Taken(solvanix_page_text(NameOf(control)));
  }
  void ShowResult(std::size_t label, const std::string& text) override {
    solvanix_show_result(NameOf(label), text.c_str());
  }
  std::string LabelText(std::size_t label) const override {
    return Taken(solvanix_page_text(NameOf(label)));
  }
  void ShowMessage(const texts::Message& message) override {
    solvanix_show_message(message.icon == texts::MessageIcon::Warning ? 1 : 0, message.title,
                          message.text);
  }
  blend::RegionalFormat Regional() const override { return {Taken(solvanix_decimal_separator())}; }
  void Announce(const std::string& summary) override { solvanix_announce(summary.c_str()); }
};

}  // namespace
}  // namespace ui::web

extern "C" {

EMSCRIPTEN_KEEPALIVE void solvanix_calculate() {
  ui::web::PageCommandWindow window;
  ui::RunCalculateCommand(window);
  solvanix_measure_written();
}

EMSCRIPTEN_KEEPALIVE void solvanix_about() {
  ui::web::PageCommandWindow window;
  window.ShowMessage(ui::texts::kAbout);
}

// The character a dimension box holds for the typed code point.
EMSCRIPTEN_KEEPALIVE int solvanix_in_dimension_box(int typed) {
  return static_cast<int>(ui::keystrokes::InDimensionBox(static_cast<char32_t>(typed)));
}

}  // extern "C"
