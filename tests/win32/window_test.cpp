// The native window driven from another process, as a user or a screen reader reaches it: the
// program is started, its window found by its title, each control by its position, texts read
// with WM_GETTEXT, keys typed as WM_CHAR or as real input, and its boxes answered.
#include <windows.h>

#include <gtest/gtest.h>
#include <objbase.h>
#include <oleacc.h>
#include <wincodec.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "calc/blend.h"
#include "ui/description/layout.h"
#include "ui/description/spoken.h"
#include "ui/description/texts.h"
#include "ui/win32/com.h"

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

// Half a second for the window to finish what it does, its events delivered meanwhile.
void Settle() {
  for (int i = 0; i < 25; ++i) {
    Pump();
    std::this_thread::sleep_for(20ms);
  }
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

bool PutOnClipboard(std::wstring_view text) {
  if (!OpenClipboard(nullptr)) return false;
  EmptyClipboard();
  const std::size_t bytes = (text.size() + 1) * sizeof(wchar_t);
  HGLOBAL data = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, bytes);
  std::memcpy(GlobalLock(data), text.data(), text.size() * sizeof(wchar_t));
  GlobalUnlock(data);
  SetClipboardData(CF_UNICODETEXT, data);
  CloseClipboard();
  return true;
}

// The results the core shows for six input texts, in the order of the result bindings; empty
// when the calculation fails.
class CoreDisplay : public blend::Display {
 public:
  void Show(blend::ResultId id, const std::string& text) override { shown_[id] = text; }
  void WarnTallerThanWide() override {}
  std::string ReadShown(blend::ResultId id) const override {
    const auto found = shown_.find(id);
    return found == shown_.end() ? std::string() : found->second;
  }

 private:
  std::map<blend::ResultId, std::string> shown_;
};

BOOL CALLBACK NoteChild(HWND child, LPARAM found) {
  reinterpret_cast<std::vector<HWND>*>(found)->push_back(child);
  return TRUE;
}

struct Box {
  std::wstring title, text;
  int buttons = 0;
};

// Pixels as the screen shows them: top-down rows of 0x00RRGGBB.
struct Picture {
  int width = 0, height = 0;
  std::vector<std::uint32_t> pixels;
  std::uint32_t At(int x, int y) const {
    return pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                  static_cast<std::size_t>(x)];
  }
};

// The client area of `window` as the screen shows it.
Picture Grab(HWND window) {
  RECT client;
  GetClientRect(window, &client);
  POINT origin{0, 0};
  ClientToScreen(window, &origin);
  Picture grab{client.right, client.bottom, {}};
  BITMAPINFO info{};
  info.bmiHeader = {sizeof info.bmiHeader, grab.width, -grab.height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, grab.width, grab.height, screen, origin.x, origin.y, SRCCOPY);
  GdiFlush();
  const auto* first = static_cast<const std::uint32_t*>(bits);
  grab.pixels.assign(first, first + static_cast<std::size_t>(grab.width) * grab.height);
  for (std::uint32_t& pixel : grab.pixels) pixel &= 0xFFFFFF;
  SelectObject(memory, old);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return grab;
}

using ui::win32::Com;

// A picture read from or written to a PNG file by the Windows Imaging Component.
std::optional<Picture> ReadPng(const std::wstring& path) {
  Com<IWICImagingFactory> factory;
  Com<IWICBitmapDecoder> decoder;
  Com<IWICBitmapFrameDecode> frame;
  Com<IWICFormatConverter> converter;
  UINT width = 0, height = 0;
  if (FAILED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                              IID_PPV_ARGS(&factory))) ||
      FAILED(factory->CreateDecoderFromFilename(path.c_str(), nullptr, GENERIC_READ,
                                                WICDecodeMetadataCacheOnDemand, &decoder)) ||
      FAILED(decoder->GetFrame(0, &frame)) || FAILED(factory->CreateFormatConverter(&converter)) ||
      FAILED(converter->Initialize(frame.p, GUID_WICPixelFormat32bppBGR, WICBitmapDitherTypeNone,
                                   nullptr, 0, WICBitmapPaletteTypeCustom)) ||
      FAILED(converter->GetSize(&width, &height))) {
    return std::nullopt;
  }
  Picture picture{static_cast<int>(width), static_cast<int>(height),
                  std::vector<std::uint32_t>(std::size_t{width} * height)};
  if (FAILED(converter->CopyPixels(nullptr, width * 4, static_cast<UINT>(picture.pixels.size() * 4),
                                   reinterpret_cast<BYTE*>(picture.pixels.data())))) {
    return std::nullopt;
  }
  for (std::uint32_t& pixel : picture.pixels) pixel &= 0xFFFFFF;
  return picture;
}

bool WritePng(const Picture& picture, const std::wstring& path) {
  Com<IWICImagingFactory> factory;
  Com<IWICStream> stream;
  Com<IWICBitmapEncoder> encoder;
  Com<IWICBitmapFrameEncode> frame;
  WICPixelFormatGUID format = GUID_WICPixelFormat32bppBGR;
  std::vector<std::uint32_t> pixels = picture.pixels;
  return SUCCEEDED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                    IID_PPV_ARGS(&factory))) &&
         SUCCEEDED(factory->CreateStream(&stream)) &&
         SUCCEEDED(stream->InitializeFromFilename(path.c_str(), GENERIC_WRITE)) &&
         SUCCEEDED(factory->CreateEncoder(GUID_ContainerFormatPng, nullptr, &encoder)) &&
         SUCCEEDED(encoder->Initialize(stream.p, WICBitmapEncoderNoCache)) &&
         SUCCEEDED(encoder->CreateNewFrame(&frame, nullptr)) &&
         SUCCEEDED(frame->Initialize(nullptr)) &&
         SUCCEEDED(
             frame->SetSize(static_cast<UINT>(picture.width), static_cast<UINT>(picture.height))) &&
         SUCCEEDED(frame->SetPixelFormat(&format)) &&
         SUCCEEDED(frame->WritePixels(
             static_cast<UINT>(picture.height), static_cast<UINT>(picture.width) * 4,
             static_cast<UINT>(pixels.size() * 4), reinterpret_cast<BYTE*>(pixels.data()))) &&
         SUCCEEDED(frame->Commit()) && SUCCEEDED(encoder->Commit());
}

int ChannelDistance(std::uint32_t a, std::uint32_t b) {
  int distance = 0;
  for (int shift = 0; shift < 24; shift += 8) {
    distance = std::max(distance, std::abs(static_cast<int>((a >> shift) & 0xFF) -
                                           static_cast<int>((b >> shift) & 0xFF)));
  }
  return distance;
}

// The text drawn in a box: how many rows it spans and how many pixels it inks, counting what
// stands out clearly from the box's commonest colour.
struct Ink {
  int height = 0;
  int area = 0;
  RECT bounds{};
};
Ink InkIn(const Picture& grab, const RECT& box, std::optional<std::uint32_t> background = {}) {
  if (!background) {
    std::map<std::uint32_t, int> counts;
    for (int y = box.top; y < box.bottom; ++y) {
      for (int x = box.left; x < box.right; ++x) ++counts[grab.At(x, y)];
    }
    background = std::max_element(counts.begin(), counts.end(), [](const auto& a, const auto& b) {
                   return a.second < b.second;
                 })->first;
  }
  Ink ink;
  ink.bounds = {box.right, box.bottom, box.left, box.top};
  for (int y = box.top; y < box.bottom; ++y) {
    for (int x = box.left; x < box.right; ++x) {
      if (ChannelDistance(grab.At(x, y), *background) <= 96) continue;
      ++ink.area;
      ink.bounds = {std::min<LONG>(ink.bounds.left, x), std::min<LONG>(ink.bounds.top, y),
                    std::max<LONG>(ink.bounds.right, x + 1),
                    std::max<LONG>(ink.bounds.bottom, y + 1)};
    }
  }
  ink.height = ink.area == 0 ? 0 : ink.bounds.bottom - ink.bounds.top;
  return ink;
}

// The folder of this test program, where the build puts the designed pictures.
std::wstring ProgramFolder() {
  wchar_t self[MAX_PATH];
  GetModuleFileNameW(nullptr, self, MAX_PATH);
  std::wstring folder(self);
  folder.resize(folder.find_last_of(L"\\/") + 1);
  return folder;
}

// The grab against its designed picture (tests/win32/designed/<name>): at most one pixel in a
// thousand may differ by more than a faint shade, which leaves room for the regional separator
// and for small changes of font rendering. A grab that differs is written next to this program,
// to be looked at and, when it is right, to become the designed picture.
void ExpectLooksAsDesigned(const Picture& grab, const std::wstring& name) {
  const std::optional<Picture> designed = ReadPng(ProgramFolder() + L"designed\\" + name);
  std::size_t differing = grab.pixels.size();
  if (designed && designed->width == grab.width && designed->height == grab.height) {
    differing = 0;
    for (std::size_t i = 0; i < grab.pixels.size(); ++i) {
      if (ChannelDistance(grab.pixels[i], designed->pixels[i]) > 48) ++differing;
    }
  }
  if (differing * 1000 > grab.pixels.size()) {
    const std::wstring written = ProgramFolder() + name;
    WritePng(grab, written);
    ADD_FAILURE() << Utf8(name) << ": " << differing << " of " << grab.pixels.size()
                  << " pixels differ from the designed picture" << (designed ? "" : " (none read)")
                  << "; the grab is " << Utf8(written);
  }
}

// The dpi a program started in this prefix gets: LogPixels of the user's desktop settings, which
// wine reads when a program starts; 0 puts the prefix's own back.
void SetPrefixDpi(DWORD dpi) {
  constexpr const wchar_t* kDesktop = L"Control Panel\\Desktop";
  if (dpi == 0) {
    RegDeleteKeyValueW(HKEY_CURRENT_USER, kDesktop, L"LogPixels");
  } else {
    RegSetKeyValueW(HKEY_CURRENT_USER, kDesktop, L"LogPixels", REG_DWORD, &dpi, sizeof dpi);
  }
}

class NativeWindow : public testing::Test {
 protected:
  void SetUp() override {
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    Start();
  }

  void TearDown() override {
    Stop();
    SetPrefixDpi(0);
    CoUninitialize();
  }

  // Starts the program, at `dpi` when it is given, and finds its controls.
  void Start(DWORD dpi = 0) {
    SetPrefixDpi(dpi);
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
    ASSERT_TRUE(WaitFor([&] {
      window_ = FindWindowW(nullptr, title.c_str());
      return window_ != nullptr && IsWindowVisible(window_) != FALSE;
    })) << "the window did not open";
    RECT client;
    GetClientRect(window_, &client);
    scale_ = ui::layout::kDesignDotsPerInch;
    while (Scaled(ui::layout::kClientWidthTwips) < client.right && scale_ < 480) ++scale_;
    FindControlsByPosition();
  }

  void Stop() {
    if (window_ != nullptr) PostMessageW(window_, WM_CLOSE, 0, 0);
    if (process_.hProcess != nullptr) {
      if (WaitForSingleObject(process_.hProcess, 10000) != WAIT_OBJECT_0) {
        ADD_FAILURE() << "the program did not end when its window closed";
        TerminateProcess(process_.hProcess, 1);
      }
      CloseHandle(process_.hProcess);
      CloseHandle(process_.hThread);
    }
    process_ = {};
    window_ = nullptr;
    controls_.clear();
  }

  // A length of the description, in twips, in pixels at the window's scale.
  int Scaled(int twips) const {
    return MulDiv(ui::layout::Pixels(twips), scale_, ui::layout::kDesignDotsPerInch);
  }

  // Each control of the description, found where the description puts it at the window's scale;
  // a list by its closed box.
  void FindControlsByPosition() {
    std::vector<HWND> children;
    EnumChildWindows(window_, &NoteChild, reinterpret_cast<LPARAM>(&children));
    for (const ControlRow& row : Controls()) {
      const RECT wanted{Scaled(row.left), Scaled(row.top), Scaled(row.left) + Scaled(row.width),
                        Scaled(row.top) + Scaled(row.height)};
      for (HWND child : children) {
        if (GetParent(child) != window_) continue;
        RECT box;
        GetWindowRect(child, &box);
        MapWindowPoints(nullptr, window_, reinterpret_cast<POINT*>(&box), 2);
        if (EqualRect(&box, &wanted) != FALSE) {
          controls_[row.name] = child;
          break;
        }
      }
      if (controls_.count(row.name) == 0) {
        std::string found;
        for (HWND child : children) {
          RECT box;
          GetWindowRect(child, &box);
          MapWindowPoints(nullptr, window_, reinterpret_cast<POINT*>(&box), 2);
          if (box.left == wanted.left && box.top == wanted.top) {
            found = " but " + std::to_string(box.right - box.left) + "x" +
                    std::to_string(box.bottom - box.top);
          }
        }
        ADD_FAILURE() << row.name << " is not at its place, " << wanted.right - wanted.left << "x"
                      << wanted.bottom - wanted.top << " at " << wanted.left << "," << wanted.top
                      << found;
      }
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
  void Press(WORD key, bool extended = false, const std::vector<WORD>& held = {}) const {
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
  int scale_ = ui::layout::kDesignDotsPerInch;  // the dpi the window is drawn at
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
    ASSERT_TRUE(PutOnClipboard(pasted));
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
    const std::string before = Focused();
    Press(VK_TAB);  // one at a time: a Tab pressed before the last one arrived would go past OK
    WaitFor([&] { return Focused() != before; });
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
  // Without a window manager, wine's X11 driver can leave no window active once the box's X
  // window is gone, even after the program made its own window active again. The user's
  // click on the title bar then gives it back, and the focus must come back with it.
  EXPECT_TRUE(WaitFor([&] {
    if (GetForegroundWindow() != window_) SetForegroundWindow(window_);
    return Focused() == "Command1";
  })) << Focused()
      << (GetForegroundWindow() == window_ ? " (the window is active)" : " (inactive)");
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
  Settle();
  EXPECT_EQ(liveRegionNames.size(), 1u);
  UnhookWinEvent(hook);
}

// At 120, 144 and 192 dpi, and after a change of dpi, the window is the description scaled: its
// client size, every control at its place (the lists by their closed boxes), text as much larger
// as the boxes and as bold, the banners scaled; at 192 dpi on this 1920 x 1200 screen, the
// largest scale that fits the work area. At 96 and 144 dpi the window looks as designed.
TEST_F(NativeWindow, ScalesWithTheDpi) {
  const char* texts[] = {"Ecran", "Largeur", "Label2", "Label43", "Nom", "Command1"};
  auto run = [&] {
    for (const char* box : {"Text1", "Text2"}) {
      SendMessageW(Control(box), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L""));
    }
    Enter({L"6", L"2", L"2", L"XGA", L"128", L"1.8"});
    EXPECT_TRUE(ClickAndAnswer("Command1").empty());
    SetForegroundWindow(window_);
    Settle();
    return Grab(window_);
  };
  // A control's box; the button's without its bevel and focus dots, which stay one pixel thin.
  auto box = [&](const char* name) {
    const ControlRow& row = Controls()[ui::layout::IndexOf(name)];
    RECT box{Scaled(row.left), Scaled(row.top), Scaled(row.left) + Scaled(row.width),
             Scaled(row.top) + Scaled(row.height)};
    if (row.kind == ui::layout::Kind::Button) InflateRect(&box, -5, -5);
    return box;
  };
  const Picture atDesign = run();
  ExpectLooksAsDesigned(atDesign, L"window-96.png");
  std::map<std::string, Ink> designed;
  for (const char* name : texts) designed[name] = InkIn(atDesign, box(name));

  // The window at the scale it is drawn at, against its design.
  auto expectScaled = [&](const wchar_t* designedPicture) {
    RECT client;
    GetClientRect(window_, &client);
    EXPECT_EQ(client.right, Scaled(ui::layout::kClientWidthTwips));
    EXPECT_EQ(client.bottom, Scaled(ui::layout::kClientHeightTwips));
    const Picture grab = run();
    if (designedPicture != nullptr) ExpectLooksAsDesigned(grab, designedPicture);
    const double scale = scale_ / 96.0;
    for (const char* name : texts) {
      const Ink ink = InkIn(grab, box(name));
      const Ink& at96 = designed[name];
      EXPECT_NEAR(ink.height, at96.height * scale, 1 + 0.08 * at96.height * scale) << name;
      EXPECT_NEAR(ink.area, at96.area * scale * scale, 0.2 * at96.area * scale * scale) << name;
    }
    const RECT pictureBox = box("Picture1");
    const Ink banner =
        InkIn(grab, pictureBox, grab.At(pictureBox.right - 1, pictureBox.bottom - 1));
    EXPECT_EQ(banner.bounds.right - banner.bounds.left, MulDiv(250, scale_, 96));
    EXPECT_EQ(banner.bounds.bottom - banner.bounds.top, MulDiv(90, scale_, 96));
  };

  {
    // Moved to a 144 dpi monitor. Windows' suggested rectangle cannot cross processes; the window
    // sizes itself from its client area anyway.
    SCOPED_TRACE("WM_DPICHANGED to 144");
    DWORD_PTR ignored = 0;
    const LRESULT sent = SendMessageTimeoutW(window_, WM_DPICHANGED, MAKEWPARAM(144, 144), 0,
                                             SMTO_BLOCK, 10000, &ignored);
    ASSERT_NE(sent, 0) << GetLastError();
    RECT client{};
    ASSERT_TRUE(WaitFor([&] {
      GetClientRect(window_, &client);
      return client.right == 1407 && client.bottom == 879;
    })) << client.right
        << "x" << client.bottom << " sent " << ignored;
    scale_ = 144;
    controls_.clear();
    FindControlsByPosition();
    expectScaled(nullptr);
  }
  Stop();

  for (const DWORD dpi : {120, 144, 192}) {
    SCOPED_TRACE(dpi);
    Start(dpi);
    ASSERT_NE(window_, nullptr);
    if (dpi == 192) {
      // The largest scale at which the frame fits the work area.
      RECT client, frame, work;
      GetClientRect(window_, &client);
      GetWindowRect(window_, &frame);
      SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
      const int extraHeight = (frame.bottom - frame.top) - client.bottom;
      EXPECT_LE(frame.bottom - frame.top, work.bottom - work.top);
      EXPECT_GT(
          MulDiv(ui::layout::Pixels(ui::layout::kClientHeightTwips), scale_ + 1, 96) + extraHeight,
          work.bottom - work.top);
      EXPECT_LT(scale_, 192);
    } else {
      EXPECT_EQ(scale_, static_cast<int>(dpi));
    }
    expectScaled(dpi == 144 ? L"window-144.png" : nullptr);
    Stop();
  }
}

// Whatever changes a list's field, it shows one of its items or nothing; whatever puts text into a
// dimension box, it holds what the input rule reads, as it looks. OK then shows what the core
// computes from what the controls show.
TEST_F(NativeWindow, EveryRouteLeavesTheInputsShowingWhatIsRead) {
  auto setText = [](HWND control, const wchar_t* text) {
    SendMessageW(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
  };
  auto select = [](HWND field, int start, int end) {
    SendMessageW(field, EM_SETSEL, static_cast<WPARAM>(start), end);
  };
  // The throw-ratio list with the user's focus, so that real keys reach it.
  while (Focused() != "Combo6" && Focused() != "?") {
    const std::string before = Focused();
    Press(VK_TAB);
    if (!WaitFor([&] { return Focused() != before; })) break;
  }
  ASSERT_EQ(Focused(), "Combo6");
  HWND field = Field("Combo6");
  struct ListRoute {
    const char* route;
    int selectionStart, selectionEnd;  // in "1.8"
    std::function<void()> change;
    std::wstring shown;
  };
  const ListRoute routes[] = {
      {"WM_SETTEXT on the field", 0, 0, [&] { setText(field, L"77"); }, L"1.8"},
      {"WM_SETTEXT on the list", 0, 0, [&] { setText(Control("Combo6"), L"1000"); }, L"1.8"},
      {"an item set from outside", 0, 0, [&] { setText(field, L"4.5"); }, L"4.5"},
      {"EM_REPLACESEL on the point", 1, 2,
       [&] { SendMessageW(field, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(L"")); }, L"1.8"},
      {"WM_CLEAR on the point", 1, 2, [&] { SendMessageW(field, WM_CLEAR, 0, 0); }, L""},
      {"WM_CLEAR without a selection", 1, 1, [&] { SendMessageW(field, WM_CLEAR, 0, 0); }, L"1.8"},
      {"WM_CUT on the first digit", 0, 1, [&] { SendMessageW(field, WM_CUT, 0, 0); }, L""},
      {"Delete on the point", 1, 2, [&] { Press(VK_DELETE, true); }, L""},
      {"Delete without a selection", 3, 3, [&] { Press(VK_DELETE, true); }, L"1.8"},
      {"Shift+Delete on the last digit", 2, 3, [&] { Press(VK_DELETE, true, {VK_SHIFT}); }, L""},
      {"Ctrl+V", 0, 3, [&] { Press('V', false, {VK_CONTROL}); }, L"1.8"},
  };
  ASSERT_TRUE(PutOnClipboard(L"4"));
  for (const ListRoute& r : routes) {
    Choose("Combo6", L"1.8");
    select(field, r.selectionStart, r.selectionEnd);
    r.change();
    Settle();
    EXPECT_EQ(Text("Combo6"), r.shown) << r.route;
  }

  // The chosen item is highlighted while the list has the focus, and not once it has left.
  auto highlighted = [&] {
    RECT box;
    GetWindowRect(Control("Combo6"), &box);
    MapWindowPoints(nullptr, window_, reinterpret_cast<POINT*>(&box), 2);
    const Picture grab = Grab(window_);
    const std::uint32_t highlight = GetSysColor(COLOR_HIGHLIGHT);
    const std::uint32_t shown =
        ((highlight & 0xFF) << 16) | (highlight & 0xFF00) | ((highlight >> 16) & 0xFF);
    int count = 0;
    for (int y = box.top; y < box.bottom; ++y) {
      for (int x = box.left; x < box.right; ++x) count += grab.At(x, y) == shown ? 1 : 0;
    }
    return count;
  };
  Choose("Combo6", L"1.8");
  Press(VK_DOWN, true);
  ASSERT_TRUE(WaitFor([&] { return Text("Combo6") == L"2"; }));
  Settle();
  EXPECT_GT(highlighted(), 0);
  Press(VK_TAB);
  ASSERT_TRUE(WaitFor([&] { return Focused() == "Text1"; })) << Focused();
  Settle();
  EXPECT_EQ(highlighted(), 0);

  struct BoxRoute {
    const wchar_t* put;
    const wchar_t* held;
  };
  const BoxRoute boxRoutes[] = {
      {L"1\uFF16", L"16"},     {L"1\u00A02", L"1 2"},           {L"\u22123", L"-3"},
      {L"2,5", L"2.5"},        {L"\U0001D7D0", L"2"},           {L"\u0664\u202F", L"4 "},
      {L"12345678", L"12345"}, {L"\uFF12\uFF0C\uFF15", L"2.5"}, {L"3m", L"3m"},
  };
  for (const BoxRoute& r : boxRoutes) {
    setText(Control("Text1"), r.put);  // as an assistive tool does
    EXPECT_EQ(Text("Text1"), r.held) << Utf8(r.put) << " set";
    setText(Control("Text2"), L"");
    ASSERT_TRUE(PutOnClipboard(r.put));
    SendMessageW(Control("Text2"), WM_PASTE, 0, 0);
    EXPECT_EQ(Text("Text2"), r.held) << Utf8(r.put) << " pasted";
  }

  // Inputs put there by these routes, then OK: the labels are the core's results for what the
  // controls show.
  setText(Control("Text1"), L"1\uFF16");
  setText(Control("Text2"), L"\u0664");
  Choose("Combo1", L"2");
  setText(Field("Combo3"), L"HD");
  Choose("Combo5", L"64");
  setText(Field("Combo5"), L"1000");
  Choose("Combo6", L"2");
  setText(field, L"Hello");
  EXPECT_TRUE(ClickAndAnswer("Command1").empty());
  const blend::InputTexts texts{Utf8(Text("Text1")),  Utf8(Text("Text2")),  Utf8(Text("Combo1")),
                                Utf8(Text("Combo3")), Utf8(Text("Combo5")), Utf8(Text("Combo6"))};
  EXPECT_EQ(texts.screenWidth + " " + texts.screenHeight + " " + texts.matrix + " " +
                texts.overlapPixels + " " + texts.throwRatio,
            "16 4 HD 64 2");
  CoreDisplay core;
  wchar_t separator[8] = L".";
  GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_SDECIMAL, separator, 8);
  blend::Calculate(blend::ReadBlendInputs(texts), core, {Utf8(separator)});
  for (const ui::layout::ResultBinding& binding : ui::layout::ResultBindings()) {
    EXPECT_EQ(Utf8(Text(binding.valueLabel.Name())), core.ReadShown(binding.id))
        << binding.valueLabel.Name();
  }
}

}  // namespace
