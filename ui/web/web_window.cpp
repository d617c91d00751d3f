// The OK command, the about box and the dimension boxes' rule for the browser page: the page's
// elements carry the description's names, and the description's own flow runs over them.
#include <emscripten.h>

#include <array>
#include <cstdlib>
#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <utility>

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

// Opens the box and returns at once: the page calls solvanix_box_closed when it closes.
EM_JS(void, solvanix_show_message, (int warning, const char* title, const char* text), {
  solvanix_measure_written();
  const box = document.getElementById("MessageBox");
  document.getElementById("MessageBoxTitle").textContent = UTF8ToString(title);
  document.getElementById("MessageBoxText").textContent = UTF8ToString(text);
  box.querySelector(".warning").style.display = warning ? "" : "none";
  box.querySelector(".information").style.display = warning ? "none" : "";
  box.setAttribute("role", warning ? "alertdialog" : "dialog");
  box.showModal();
  document.getElementById("MessageBoxOk").focus();
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

// The window over the page. A box does not block: it opens and the run goes on at once, but from
// then on every effect of the run is queued instead of applied, and a label reads back what the
// queue will have written, so that the run computes what it would have computed waiting. When
// the box closes, the queue is replayed in order, and a queued box opens and pauses the replay
// again until it closes: the user sees what a blocking box shows, in the same order.
class PageCommandWindow : public CommandWindow {
 public:
  // A command runs only when the last one is over, its boxes closed and its queue replayed.
  bool Idle() const { return !boxOpen_; }

  std::string InputText(std::size_t control) const override {
    return Taken(solvanix_page_text(NameOf(control)));
  }
  void ShowResult(std::size_t label, const std::string& text) override {
    if (boxOpen_) {
      queued_.push_back({.kind = Effect::Kind::Result, .label = label, .text = text});
      pending_[label] = text;
      return;
    }
    solvanix_show_result(NameOf(label), text.c_str());
  }
  std::string LabelText(std::size_t label) const override {
    if (const auto& text = pending_[label]) return *text;
    return Taken(solvanix_page_text(NameOf(label)));
  }
  void ShowMessage(const texts::Message& message) override {
    if (boxOpen_) {
      queued_.push_back({.kind = Effect::Kind::Message, .message = message});
      return;
    }
    Open(message);
  }
  blend::RegionalFormat Regional() const override { return {Taken(solvanix_decimal_separator())}; }
  void Announce(const std::string& summary) override {
    if (boxOpen_) {
      queued_.push_back({.kind = Effect::Kind::Announcement, .text = summary});
      return;
    }
    solvanix_announce(summary.c_str());
  }

  // The open box has closed: what the run did after it is applied, up to its next box if any.
  void BoxClosed() {
    if (!boxOpen_) return;
    boxOpen_ = false;
    while (!queued_.empty() && !boxOpen_) {
      const Effect effect = std::move(queued_.front());
      queued_.pop_front();
      switch (effect.kind) {
        case Effect::Kind::Result:
          solvanix_show_result(NameOf(effect.label), effect.text.c_str());
          break;
        case Effect::Kind::Message:
          Open(effect.message);
          break;
        case Effect::Kind::Announcement:
          solvanix_announce(effect.text.c_str());
          break;
      }
    }
    if (boxOpen_) return;
    pending_.fill(std::nullopt);
    solvanix_measure_written();
  }

 private:
  struct Effect {
    enum class Kind { Result, Message, Announcement } kind;
    std::size_t label = 0;
    std::string text;
    texts::Message message{};
  };

  void Open(const texts::Message& message) {
    boxOpen_ = true;
    solvanix_show_message(message.icon == texts::MessageIcon::Warning ? 1 : 0, message.title,
                          message.text);
  }

  bool boxOpen_ = false;
  std::deque<Effect> queued_;
  // What each label shows once the queue is replayed, where the queue writes it.
  std::array<std::optional<std::string>, layout::kControlCount> pending_;
};

PageCommandWindow& Window() {
  static PageCommandWindow window;
  return window;
}

}  // namespace
}  // namespace ui::web

// Each command returns 1 when it left a box open, its run to go on once the box closes (the page
// then calls solvanix_box_closed), 0 when it is over. A command while another is not over does
// nothing.
extern "C" {

EMSCRIPTEN_KEEPALIVE int solvanix_calculate() {
  ui::web::PageCommandWindow& window = ui::web::Window();
  if (!window.Idle()) return 1;
  ui::RunCalculateCommand(window);
  if (!window.Idle()) return 1;
  solvanix_measure_written();
  return 0;
}

EMSCRIPTEN_KEEPALIVE int solvanix_about() {
  ui::web::PageCommandWindow& window = ui::web::Window();
  if (!window.Idle()) return 1;
  window.ShowMessage(ui::texts::kAbout);
  return 1;
}

EMSCRIPTEN_KEEPALIVE int solvanix_box_closed() {
  ui::web::PageCommandWindow& window = ui::web::Window();
  window.BoxClosed();
  return window.Idle() ? 0 : 1;
}

// The character a dimension box holds for the typed code point.
EMSCRIPTEN_KEEPALIVE int solvanix_in_dimension_box(int typed) {
  return static_cast<int>(ui::keystrokes::InDimensionBox(static_cast<char32_t>(typed)));
}

}  // extern "C"
