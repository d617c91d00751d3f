// The native window driven from another process, as a user or a screen reader reaches it: the
// program is started, its window found by its title, each control by its position, texts read
// with WM_GETTEXT, keys typed as WM_CHAR or as real input, and its boxes answered.
#include <windows.h>

#include <gtest/gtest.h>
#include <oleacc.h>

#include <chrono>
#include <cstring>
#include <map>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "ui/description/layout.h"
#include "ui/description/spoken.h"
#include "ui/description/texts.h"

namespace {

using namespace std::chrono_literals;
using ui::layout::ControlRow;
using ui::layout::Controls;

std::wstring Wide(std::string_view utf8) {
  std::wstring wide(utf8.size(), L'\0');
  wide.resize(static_cast<std::size_t>(
      MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(),
                          static_cast<int>(wide.size()))));
  return wide;
}

std::string Utf8(std::wstring_view wide) {
  std::string utf8(wide.size() * 3, '\0');
  utf8.resize(static_cast<std::size_t>(
      WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), utf8.data(),
                          static_cast<int>(utf8.size()), nullptr, nullptr)));
  return utf8;
}

std::wstring TextOf(HWND window) {
  wchar_t text[256] = {};
  SendMessageTimeoutW(window, WM_GETTEXT, 256, reinterpret_cast<LPARAM>(text), SMTO_BLOCK, 5000,
                      nullptr);
  return text;
}

// The messages of this thread, which bring it the window's events.
void Pump() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
}

// Polls `ready` until it holds, or for ten seconds.
template <typename Ready>
bool WaitFor(Ready ready) {
  for (auto waited = 0ms; waited < 10s; waited += 20ms) {
    Pump();
    if (ready()) return true;
    std::this_thread::sleep_for(20ms);
  }
  return ready();
}

// What a screen reader hears of a window through MSAA: the name and description of its client.
struct Heard {
  std::wstring name, description;
  bool invisible = false;
};
Heard HeardOf(IAccessible* accessible, const VARIANT& child) {
  Heard heard;
  BSTR text = nullptr;
  if (accessible->get_accName(child, &text) == S_OK && text != nullptr) heard.name = text;
  SysFreeString(text);
  text = nullptr;
  if (accessible->get_accDescription(child, &text) == S_OK && text != nullptr) {
    heard.description = text;
  }
  SysFreeString(text);
  VARIANT state{};
  if (SUCCEEDED(accessible->get_accState(child, &state)) && state.vt == VT_I4) {
    heard.invisible = (state.lVal & STATE_SYSTEM_INVISIBLE) != 0;
  }
  return heard;
}
Heard HeardOf(HWND window) {
  IAccessible* accessible = nullptr;
  if (FAILED(AccessibleObjectFromWindow(window, static_cast<DWORD>(OBJID_CLIENT),
                                        __uuidof(IAccessible),
                                        reinterpret_cast<void**>(&accessible)))) {
    return {L"(no accessible object)", {}};
  }
  VARIANT self{};
  self.vt = VT_I4;
  self.lVal = CHILDID_SELF;
  Heard heard = HeardOf(accessible, self);
  accessible->Release();
  return heard;
}

// The names of the objects on which the program raised EVENT_OBJECT_LIVEREGIONCHANGED, read when
// the event comes, as a screen reader reads them.
std::vector<std::wstring> liveRegionNames;
void CALLBACK NoteLiveRegion(HWINEVENTHOOK, DWORD, HWND window, LONG object, LONG child, DWORD,
                             DWORD) {
  IAccessible* accessible = nullptr;
  VARIANT which{};
  if (SUCCEEDED(AccessibleObjectFromEvent(window, static_cast<DWORD>(object),
                                          static_cast<DWORD>(child), &accessible, &which))) {
    liveRegionNames.push_back(HeardOf(accessible, which).name);
    accessible->Release();
  }
}

// "0,4" as the user's regional settings write it.
std::wstring Regional(std::wstring french) {
  wchar_t separator[8] = L".";
  GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_SDECIMAL, separator, 8);
  for (wchar_t& c : french) {
    if (c == L',') c = separator[0];
  }
  return french;
}

BOOL CALLBACK NoteChild(HWND child, LPARAM found) {
  reinterpret_cast<std::vector<HWND>*>(found)->push_back(child);
  return TRUE;
}

struct Box {
  std::wstring title, text;
  int buttons = 0;
};

class NativeWindow : public testing::Test {
 protected:
  void SetUp() override {
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    wchar_t self[MAX_PATH];
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring program(self);
    program.resize(program.find_last_of(L"\\/") + 1);
    program += L"..\\..\\app\\solvanix.exe";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    ASSERT_TRUE(CreateProcessW(program.c_str(), nullptr, nullptr, nullptr, FALSE, 0, nullptr,
                               nullptr, &startup, &process_))
        << "cannot start the program";
    const std::wstring title = Wide(ui::texts::kWindowTitle);
    ASSERT_TRUE(WaitFor([&] { return (window_ = FindWindowW(nullptr, title.c_str())) != nullptr; }))
        << "the window did not open";
    ASSERT_TRUE(WaitFor([&] { return IsWindowVisible(window_) != FALSE; }));
    FindControlsByPosition();
  }

  void TearDown() override {
    if (window_ != nullptr) PostMessageW(window_, WM_CLOSE, 0, 0);
    if (process_.hProcess != nullptr) {
      if (WaitForSingleObject(process_.hProcess, 10000) != WAIT_OBJECT_0) {
        ADD_FAILURE() << "the program did not end when its window closed";
        TerminateProcess(process_.hProcess, 1);
      }
      CloseHandle(process_.hProcess);
      CloseHandle(process_.hThread);
    }
    CoUninitialize();
  }

  // Each control of the description, found where the description puts it (at 96 dpi).
  void FindControlsByPosition() {
    std::vector<HWND> children;
    EnumChildWindows(window_, &NoteChild, reinterpret_cast<LPARAM>(&children));
    for (const ControlRow& row : Controls()) {
      const int left = ui::layout::Pixels(row.left), top = ui::layout::Pixels(row.top);
      for (HWND child : children) {
        if (GetParent(child) != window_) continue;
        RECT box;
        GetWindowRect(child, &box);
        MapWindowPoints(nullptr, window_, reinterpret_cast<POINT*>(&box), 2);
        const bool width = box.right - box.left == ui::layout::Pixels(row.width);
        const bool height = row.kind == ui::layout::Kind::ComboBox ||
                            box.bottom - box.top == ui::layout::Pixels(row.height);
        if (box.left == left && box.top == top && width && height) {
          controls_[row.name] = child;
          break;
        }
      }
      EXPECT_EQ(controls_.count(row.name), 1u) << row.name << " is not at its place";
    }
  }

  HWND Control(const char* name) const { return controls_.at(name); }
  HWND Field(const char* list) const {
    return FindWindowExW(Control(list), nullptr, L"Edit", nullptr);
  }
  std::wstring Text(const char* name) const { return TextOf(Control(name)); }

  static void Type(HWND field, std::wstring_view text) {
    for (wchar_t c : text) SendMessageW(field, WM_CHAR, c, 1);
  }
  void Choose(const char* list, const wchar_t* item) const {
    const auto index = SendMessageW(Control(list), CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                    reinterpret_cast<LPARAM>(item));
    ASSERT_GE(index, 0) << list;
    SendMessageW(Control(list), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
  }
  void Enter(const std::vector<std::wstring>& six) const {
    Type(Control("Text1"), six[0]);
    Type(Control("Text2"), six[1]);
    const char* lists[] = {"Combo1", "Combo3", "Combo5", "Combo6"};
    for (int i = 0; i < 4; ++i) Choose(lists[i], six[static_cast<std::size_t>(i) + 2].c_str());
  }

  // The box the program has open, if any.
  std::optional<Box> OpenBox() const {
    HWND box = nullptr;
    for (HWND top = GetTopWindow(nullptr); top != nullptr; top = GetWindow(top, GW_HWNDNEXT)) {
      wchar_t kind[16] = {};
      GetClassNameW(top, kind, 16);
      if (GetWindow(top, GW_OWNER) == window_ && std::wstring(kind) == L"#32770" &&
          IsWindowVisible(top)) {
        box = top;
      }
    }
    if (box == nullptr) return std::nullopt;
    Box found{TextOf(box), {}, 0};
    for (HWND child = FindWindowExW(box, nullptr, L"Static", nullptr); child != nullptr;
         child = FindWindowExW(box, child, L"Static", nullptr)) {
      if (std::wstring text = TextOf(child); !text.empty()) found.text = text;  // not the icon
    }
    for (HWND child = FindWindowExW(box, nullptr, L"Button", nullptr); child != nullptr;
         child = FindWindowExW(box, child, L"Button", nullptr)) {
      ++found.buttons;
    }
    return found;
  }

  // Clicks OK the way a click that opens a modal box must be sent: posted. Returns the boxes it
  // opened, each answered with its OK button, once the labels have stopped changing.
  std::vector<Box> ClickAndAnswer(const char* control) {
    PostMessageW(Control(control), BM_CLICK, 0, 0);
    return Answer();
  }
  std::vector<Box> Answer() {
    std::vector<Box> boxes;
    auto idle = [&] {
      return SendMessageTimeoutW(window_, WM_NULL, 0, 0, SMTO_BLOCK, 50, nullptr) != 0;
    };
    for (int quiet = 0; quiet < 5;) {
      if (std::optional<Box> box = OpenBox()) {
        boxes.push_back(*box);
        HWND open = nullptr;
        for (HWND top = GetTopWindow(nullptr); top != nullptr; top = GetWindow(top, GW_HWNDNEXT)) {
          if (GetWindow(top, GW_OWNER) == window_ && IsWindowVisible(top)) open = top;
        }
        PostMessageW(FindWindowExW(open, nullptr, L"Button", nullptr), BM_CLICK, 0, 0);
        WaitFor([&] { return !IsWindowVisible(open); });
        quiet = 0;
      } else {
        quiet = idle() ? quiet + 1 : 0;
        std::this_thread::sleep_for(20ms);
      }
    }
    return boxes;
  }

  std::vector<std::wstring> Results() const {
    std::vector<std::wstring> shown;
    for (const ui::layout::ResultBinding& binding : ui::layout::ResultBindings()) {
      shown.push_back(Text(binding.valueLabel.Name()));
    }
    return shown;
  }

  // Real keys, through Windows' input queue to the window that has the focus: `key` with the
  // modifiers held, to the main window unless a box of it is in front.
  void Press(WORD key, bool extended = false, std::vector<WORD> held = {}) const {
    if (!OpenBox()) SetForegroundWindow(window_);
    std::vector<INPUT> input;
    auto add = [&](WORD vk, DWORD flags) {
      INPUT event{};
      event.type = INPUT_KEYBOARD;
      event.ki.wVk = vk;
      event.ki.dwFlags = flags;
      input.push_back(event);
    };
    for (WORD modifier : held) add(modifier, 0);
    add(key, extended ? KEYEVENTF_EXTENDEDKEY : 0);
    add(key, (extended ? KEYEVENTF_EXTENDEDKEY : 0) | KEYEVENTF_KEYUP);
    for (WORD modifier : held) add(modifier, KEYEVENTF_KEYUP);
    SendInput(static_cast<UINT>(input.size()), input.data(), sizeof input[0]);
  }
  std::string Focused() const {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(process_.dwThreadId, &info) || info.hwndFocus == nullptr) return {};
    for (const auto& [name, control] : controls_) {
      if (info.hwndFocus == control || GetParent(info.hwndFocus) == control) return name;
    }
    return "?";
  }

  PROCESS_INFORMATION process_{};
  HWND window_ = nullptr;
  std::map<std::string, HWND> controls_;
};

struct Example {
  std::vector<std::wstring> inputs;
  std::vector<std::wstring> shown;  // as French settings write them
};

TEST_F(NativeWindow, WorkedExamplesFillEveryLabelWithoutABox) {
  const Example examples[] = {
      {{L"6", L"2", L"2", L"XGA", L"128", L"1.8"},
       {L"(1024x768)", L"3", L"12", L"1920", L"640", L"6", L"2", L"0,4", L"3,1", L"3,2", L"2,8",
        L"5,76", L"7,66"}},
      {{L"4", L"2,25", L"2", L"SXGA+", L"64", L"1.4"},  // the comma typed becomes a point
       {L"(1400x1050)", L"1,78", L"9", L"2736", L"1539", L"4", L"2,25", L"0,09", L"1,5", L"2,05",
        L"1,95", L"2,87", L"4,77"}},
      {{L"8", L"2.5", L"2", L"HD", L"256", L"0.73"},
       {L"(1920x1080)", L"3,2", L"20", L"3584", L"1120", L"8", L"2,5", L"0,57", L"2,2", L"4,29",
        L"3,71", L"3,13", L"5,03"}},
  };
  for (const Example& example : examples) {
    SendMessageW(Control("Text1"), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L""));
    SendMessageW(Control("Text2"), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L""));
    Enter(example.inputs);
    EXPECT_TRUE(ClickAndAnswer("Command1").empty());
    std::vector<std::wstring> expected;
    for (const std::wstring& french : example.shown) expected.push_back(Regional(french));
    EXPECT_EQ(Results(), expected);
  }
}

TEST_F(NativeWindow, BoxesSayWhatTheySay) {
  const auto warning = ui::texts::kTallerThanWide;
  const auto failure = ui::texts::kCalculationFailure;
  struct Case {
    const char* name;
    std::vector<std::wstring> inputs;
    std::vector<const ui::texts::Message*> boxes;
  };
  const Case cases[] = {
      {"EmptyStart", {L"", L"", L"", L"", L"", L""}, {&failure}},
      {"TallerThanWide", {L"2", L"6", L"2", L"XGA", L"128", L"1.8"}, {&warning}},
      {"TallerThenFailing", {L"0", L"2", L"2", L"XGA", L"128", L"1.8"}, {&warning, &failure}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    SendMessageW(Control("Text1"), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L""));
    SendMessageW(Control("Text2"), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L""));
    if (!c.inputs[2].empty()) Enter(c.inputs);
    const std::vector<Box> boxes = ClickAndAnswer("Command1");
    ASSERT_EQ(boxes.size(), c.boxes.size());
    for (std::size_t i = 0; i < boxes.size(); ++i) {
      EXPECT_EQ(boxes[i].title, Wide(c.boxes[i]->title));
      EXPECT_EQ(boxes[i].text, Wide(c.boxes[i]->text));
      EXPECT_EQ(boxes[i].buttons, 1);
    }
  }
  // Either version label opens the about box, and the results stay.
  const std::vector<std::wstring> before = Results();
  for (const char* label : {"Version_1", "Version_2"}) {
    PostMessageW(Control(label), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    PostMessageW(Control(label), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    const std::vector<Box> about = Answer();
    ASSERT_EQ(about.size(), 1u) << label;
    EXPECT_EQ(about[0].title, Wide(ui::texts::kAbout.title));
    EXPECT_EQ(about[0].text.find(L'\r'), std::wstring::npos);
  }
  EXPECT_EQ(Results(), before);
}

TEST_F(NativeWindow, FiltersKeepTheCommaOutAndTheListsToTheirItems) {
  Type(Control("Text1"), L"1,23456");
  EXPECT_EQ(Text("Text1"), L"1.234");  // five characters at most

  Choose("Combo5", L"128");
  Type(Field("Combo5"), L"00\b\r\x16");  // digits, backspace, enter, Ctrl+V
  EXPECT_EQ(Text("Combo5"), L"128");

  // Pasted: "00" into a list changes nothing; "2,5" into a dimension box arrives with a point.
  for (const wchar_t* pasted : {L"00", L"2,5"}) {
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    const std::size_t bytes = (std::wstring(pasted).size() + 1) * sizeof(wchar_t);
    HGLOBAL data = GlobalAlloc(GMEM_MOVEABLE, bytes);
    std::memcpy(GlobalLock(data), pasted, bytes);
    GlobalUnlock(data);
    SetClipboardData(CF_UNICODETEXT, data);
    CloseClipboard();
    SendMessageW(Field("Combo5"), WM_PASTE, 0, 0);
    EXPECT_EQ(Text("Combo5"), L"128");
  }
  SendMessageW(Control("Text2"), WM_PASTE, 0, 0);
  EXPECT_EQ(Text("Text2"), L"2.5");
}

TEST_F(NativeWindow, TabTakesTheFocusInOrderAndEnterPressesOk) {
  ASSERT_TRUE(WaitFor([&] { return Focused() == "Text1"; })) << Focused();
  std::vector<std::string> visited = {Focused()};
  for (std::size_t i = 1; i < ui::layout::FocusOrder().size() + 1; ++i) {
    const std::string before = Focused();
    Press(VK_TAB);
    WaitFor([&] { return Focused() != before; });
    visited.push_back(Focused());
  }
  std::vector<std::string> expected;
  for (const ui::layout::ControlRef& ref : ui::layout::FocusOrder()) expected.push_back(ref.Name());
  expected.push_back(expected.front());
  EXPECT_EQ(visited, expected);

  Enter({L"6", L"2", L"2", L"XGA", L"128", L"1.8"});
  while (Focused() != "Command1" && visited.size() < 40) {
    Press(VK_TAB);
    visited.push_back(Focused());
  }
  Press(VK_RETURN);
  EXPECT_TRUE(WaitFor([&] { return Text("Label32") == Regional(L"7,66"); }));
  SendMessageW(Control("Label32"), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L""));
  Press(VK_RETURN, true);  // keypad Enter
  EXPECT_TRUE(WaitFor([&] { return Text("Label32") == Regional(L"7,66"); }));
}

// The keyboard user's focus survives a box and a minimise: Enter on OK opens the failure box,
// Enter closes it, and the focus is back on OK; Shift+Tab then moves on from there.
TEST_F(NativeWindow, FocusComesBackAfterABoxAndAfterMinimising) {
  ASSERT_TRUE(WaitFor([&] { return Focused() == "Text1"; })) << Focused();
  Press(VK_TAB);
  Press(VK_TAB);
  ASSERT_TRUE(WaitFor([&] { return Focused() == "Command1"; })) << Focused();
  Press(VK_RETURN);
  ASSERT_TRUE(WaitFor([&] { return OpenBox().has_value(); })) << "no failure box";
  Press(VK_RETURN);
  ASSERT_TRUE(WaitFor([&] { return !OpenBox().has_value(); })) << "Enter did not close the box";
  EXPECT_TRUE(WaitFor([&] { return Focused() == "Command1"; })) << Focused();
  Press(VK_TAB, false, {VK_SHIFT});
  EXPECT_TRUE(WaitFor([&] { return Focused() == "Text2"; })) << Focused();

  ShowWindow(window_, SW_MINIMIZE);
  ASSERT_TRUE(WaitFor([&] { return IsIconic(window_) != FALSE; }));
  ShowWindow(window_, SW_RESTORE);
  SetForegroundWindow(window_);
  ASSERT_TRUE(WaitFor([&] { return IsIconic(window_) == FALSE; }));
  EXPECT_TRUE(WaitFor([&] { return Focused() == "Text2"; })) << Focused();
  Press(VK_TAB);
  EXPECT_TRUE(WaitFor([&] { return Focused() == "Command1"; })) << Focused();
}

// A screen reader names every input by its caption and its unit, every result by its caption,
// value and unit in words, the banners by what they show, and hears the summary once after each
// OK that does not end in the failure box.
TEST_F(NativeWindow, ScreenReaderHearsNamesUnitsAndTheSummary) {
  const HWINEVENTHOOK hook =
      SetWinEventHook(EVENT_OBJECT_LIVEREGIONCHANGED, EVENT_OBJECT_LIVEREGIONCHANGED, nullptr,
                      &NoteLiveRegion, process_.dwProcessId, 0, WINEVENT_OUTOFCONTEXT);
  ASSERT_NE(hook, nullptr);
  liveRegionNames.clear();
  Enter({L"6", L"2", L"2", L"XGA", L"128", L"1.8"});
  EXPECT_TRUE(ClickAndAnswer("Command1").empty());
  const std::string summary =
      ui::spoken::Summary([&](std::size_t label) { return Utf8(Text(Controls()[label].name)); });
  EXPECT_TRUE(WaitFor([&] { return !liveRegionNames.empty(); })) << "no live region changed";
  EXPECT_EQ(liveRegionNames, std::vector<std::wstring>{Wide(summary)});

  struct Case {
    const char* control;
    std::wstring name, description;
    bool invisible = false;
  };
  const Case cases[] = {
      {"Text1", L"Largeur totale", L"en mètres"},
      {"Text2", L"Hauteur totale", L"en mètres"},
      {"Combo1", L"Nombre de projecteurs", L""},
      {"Combo5", L"Recouvrement", L"en pixels"},
      {"Label2", L"Surface écran : 12 mètres carrés", L"Surface écran, mètres carrés"},
      {"Label32", L"Recul totale utile : " + Regional(L"7,66") + L" mètres",
       L"Recul totale utile, mètres"},
      {"Label42_0", L"mètres carrés", L""},
      {"Label43", L"", L"", true},
      {"Picture1", L"Bannière SOLVANIX : un projecteur et son faisceau", L""},
      {"Picture2", L"Bannière SOLVANIX : un projecteur et son faisceau, en miroir", L""},
  };
  for (const Case& c : cases) {
    const Heard heard = HeardOf(Control(c.control));
    EXPECT_EQ(heard.name, c.name) << c.control;
    EXPECT_EQ(heard.description, c.description) << c.control;
    EXPECT_EQ(heard.invisible, c.invisible) << c.control;
  }
  // The list's edit field, where its focus is, is the list to a screen reader.
  EXPECT_EQ(HeardOf(Field("Combo5")).name, L"Recouvrement");

  // A failing run says nothing.
  SendMessageW(Control("Text2"), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L""));
  EXPECT_EQ(ClickAndAnswer("Command1").size(), 1u);
  for (int i = 0; i < 25; ++i) {  // half a second of events
    Pump();
    std::this_thread::sleep_for(20ms);
  }
  EXPECT_EQ(liveRegionNames.size(), 1u);
  UnhookWinEvent(hook);
}

}  // namespace
