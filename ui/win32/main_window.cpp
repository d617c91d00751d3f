#include "ui/win32/main_window.h"

#include <commctrl.h>
#include <objbase.h>

#include <algorithm>
#include <array>
#include <string>
#include <utility>

#include "ui/description/calculate_command.h"
#include "ui/description/layout.h"
#include "ui/win32/accessibility.h"
#include "ui/win32/banner.h"
#include "ui/win32/box_colours.h"
#include "ui/win32/control_ids.h"
#include "ui/win32/input_rules.h"
#include "ui/win32/owner_draw.h"
#include "ui/win32/picture_box.h"
#include "ui/win32/resource_ids.h"
#include "ui/win32/text.h"

namespace ui::win32 {
namespace {

using layout::ControlRow;
using layout::Kind;

constexpr wchar_t kWindowClass[] = L"SolvanixForm1";
constexpr DWORD kWindowStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;

UINT DpiOf(HWND window) {
  using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);
  static const auto getDpiForWindow = reinterpret_cast<GetDpiForWindowFunction>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "GetDpiForWindow")));
  if (getDpiForWindow != nullptr && window != nullptr) return getDpiForWindow(window);
  HDC screen = GetDC(nullptr);
  const UINT dpi = static_cast<UINT>(GetDeviceCaps(screen, LOGPIXELSX));
  ReleaseDC(nullptr, screen);
  return dpi;
}

std::string RegionalDecimalSeparator() {
  wchar_t separator[8] = {};
  if (GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_SDECIMAL, separator, 8) <= 1) return ".";
  return Utf8(separator);
}

class MainWindow final : public CommandWindow {
 public:
  explicit MainWindow(HINSTANCE instance) : instance_(instance) {}
  MainWindow(const MainWindow&) = delete;
  MainWindow& operator=(const MainWindow&) = delete;
  ~MainWindow() override {
    for (HBITMAP picture : pictures_) {
      if (picture != nullptr) DeleteObject(picture);
    }
  }

  bool Create(int show);
  int RunMessageLoop();

  // The OK command's view of the window.
  std::string InputText(std::size_t control) const override {
    return Utf8(WindowText(controls_.at(control)));
  }
  void ShowResult(std::size_t label, const std::string& text) override {
    HWND value = controls_.at(label);
    SetWindowTextW(value, Wide(text).c_str());
    InvalidateRect(value, nullptr, TRUE);
    UpdateWindow(value);  // on show before the calculation goes on
    NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, value, OBJID_CLIENT, CHILDID_SELF);
  }
  std::string LabelText(std::size_t label) const override {
    return Utf8(WindowText(controls_.at(label)));
  }
  void ShowMessage(const texts::Message& message) override {
    const UINT icon =
        message.icon == texts::MessageIcon::Warning ? MB_ICONEXCLAMATION : MB_ICONINFORMATION;
    KeepFocus(GetFocus());
    MessageBoxW(window_, Wide(message.text).c_str(), Wide(message.title).c_str(), MB_OK | icon);
    // The box leaves the focus where it was. The window is made active first: where the system
    // has not activated it again by then (wine, when the box's X window went without a window
    // manager to hand the focus back), the focus could not be given.
    if (GetActiveWindow() != window_) SetActiveWindow(window_);
    RestoreFocus();
  }
  blend::RegionalFormat Regional() const override { return {RegionalDecimalSeparator()}; }
  void Announce(const std::string& summary) override { announcer_.Announce(Wide(summary)); }

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);

  void CreateControls();
  void FillLists();
  void GuardInputs();
  void SetFocusOrder();
  void Place(UINT dpi);
  void ShowBanners();
  void OnCommand(int id, int code);
  BOOL OnSetCursor(HWND over);
  void KeepFocus(HWND focus);
  void RestoreFocus();

  HINSTANCE instance_;
  HWND window_ = nullptr;
  std::array<HWND, layout::kControlCount> controls_{};
  // The control that last had the focus, given back when the window is activated again, as the
  // dialog manager does.
  HWND savedFocus_ = nullptr;
  Banner banner_;
  std::array<HBITMAP, 2> pictures_{};  // the banner and its mirror image, at the window's scale
  Painter painter_;
  ScreenReaderNames names_;
  Announcer announcer_;
};

bool MainWindow::Create(int show) {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = &MainWindow::Procedure;
  windowClass.hInstance = instance_;
  windowClass.hIcon = LoadIconW(instance_, MAKEINTRESOURCEW(SOLVANIX_ICON));
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.lpszClassName = kWindowClass;
  if (RegisterClassExW(&windowClass) == 0 || !RegisterPictureBoxClass(instance_)) return false;

  banner_ = LoadBanner(instance_, SOLVANIX_BANNER);
  window_ = CreateWindowExW(0, kWindowClass, Wide(texts::kWindowTitle).c_str(), kWindowStyle,
                            CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr,
                            nullptr, instance_, this);
  if (window_ == nullptr) return false;
  CreateControls();
  FillLists();
  GuardInputs();
  SetFocusOrder();
  names_.Serve(controls_);
  announcer_.Create(window_, instance_);
  Place(DpiOf(window_));
  ShowWindow(window_, show);
  UpdateWindow(window_);
  SetFocus(controls_.at(layout::FocusOrder().front().index));
  return true;
}

void MainWindow::CreateControls() {
  for (std::size_t i = 0; i < layout::kControlCount; ++i) {
    const ControlRow& row = layout::Controls()[i];
    const bool focusable = row.kind != Kind::Label && row.kind != Kind::Frame;
    DWORD style = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | (focusable ? WS_TABSTOP | WS_GROUP : 0);
    DWORD extended = 0;
    const wchar_t* windowClass = L"STATIC";
    std::wstring text = Wide(row.caption);
    switch (row.kind) {
      case Kind::Label:
      case Kind::Frame:
        // Drawn by the window: labels never wrap, and a value too wide shows "###".
        style |= SS_OWNERDRAW | SS_NOTIFY;
        break;
      case Kind::TextBox:
        windowClass = L"EDIT";
        style |= ES_AUTOHSCROLL | ES_LEFT;
        extended = WS_EX_CLIENTEDGE;
        break;
      case Kind::ComboBox:
        windowClass = L"COMBOBOX";
        style |= CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL;
        break;
      case Kind::Button:
        windowClass = L"BUTTON";
        style |= BS_OWNERDRAW;
        break;
      case Kind::PictureBox:
        windowClass = kPictureBoxClass;
        if (row.spokenName != nullptr) text = Wide(row.spokenName);  // what it is, when asked
        break;
    }
    controls_.at(i) =
        CreateWindowExW(extended, windowClass, text.c_str(), style, 0, 0, 0, 0, window_,
                        reinterpret_cast<HMENU>(  // NOLINT: Win32's id
                            static_cast<INT_PTR>(ControlId(i))),
                        instance_, nullptr);
    // Later rows lie above earlier ones, as the description draws them.
    SetWindowPos(controls_.at(i), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  }
  painter_.SetControls(&controls_);
}

void MainWindow::FillLists() {
  for (const layout::ComboList& entry : layout::ComboLists()) {
    HWND list = controls_.at(entry.combo.index);
    for (const layout::ListItem& item : entry.items) {
      const auto position =
          SendMessageW(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Wide(item.text).c_str()));
      SendMessageW(list, CB_SETITEMDATA, static_cast<WPARAM>(position), item.itemData);
    }
  }
}

void MainWindow::GuardInputs() {
  for (std::size_t i = 0; i < layout::kControlCount; ++i) {
    switch (layout::Controls()[i].kind) {
      case Kind::TextBox:
        SendMessageW(controls_.at(i), EM_LIMITTEXT, layout::kTextBoxMaxLength, 0);
        GuardDimensionBox(controls_.at(i));
        break;
      case Kind::ComboBox:
        for (const layout::ComboList& list : layout::ComboLists()) {
          if (list.combo.index == i) GuardList(controls_.at(i), list);
        }
        break;
      case Kind::Button:
        PressOnEnter(controls_.at(i));
        break;
      case Kind::Label:
      case Kind::Frame:
      case Kind::PictureBox:
        break;
    }
  }
}

// IsDialogMessage moves the focus through the children in their stacking order: the focusable
// controls go to the top, in the description's order. None of them overlaps another control.
void MainWindow::SetFocusOrder() {
  const auto order = layout::FocusOrder();
  for (auto it = order.rbegin(); it != order.rend(); ++it) {
    SetWindowPos(controls_.at(it->index), HWND_TOP, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  }
}

// The frame around a client area of `client` at the window's own dpi.
RECT FrameAround(SIZE client, UINT dpi) {
  using AdjustForDpi = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);
  static const auto adjustForDpi = reinterpret_cast<AdjustForDpi>(reinterpret_cast<void*>(
      GetProcAddress(GetModuleHandleW(L"user32.dll"), "AdjustWindowRectExForDpi")));
  RECT frame{0, 0, client.cx, client.cy};
  if (adjustForDpi == nullptr || adjustForDpi(&frame, kWindowStyle, FALSE, 0, dpi) == FALSE) {
    AdjustWindowRectEx(&frame, kWindowStyle, FALSE, 0);
  }
  return frame;
}

// The dpi the window is drawn at: the monitor's, or the largest below it at which the whole
// window fits the monitor's work area, never below the design's.
UINT FittingDpi(HWND window, UINT dpi) {
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  if (GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &monitor) == FALSE) {
    return dpi;
  }
  const RECT& work = monitor.rcWork;
  auto fits = [&](UINT scale) {
    const auto length = [&](int twips) {
      return MulDiv(layout::Pixels(twips), static_cast<int>(scale), layout::kDesignDotsPerInch);
    };
    const RECT frame =
        FrameAround({length(layout::kClientWidthTwips), length(layout::kClientHeightTwips)}, dpi);
    return frame.right - frame.left <= work.right - work.left &&
           frame.bottom - frame.top <= work.bottom - work.top;
  };
  UINT scale = dpi;
  while (scale > layout::kDesignDotsPerInch && !fits(scale)) --scale;
  return std::max<UINT>(scale, layout::kDesignDotsPerInch);
}

// A drop-down list is as high as its field and borders; the field takes what the borders leave of
// `height`, whatever the font and the borders are. The field's height is asked for until the list
// has it, as wine reports another height than it was given.
void FitClosedList(HWND list, int height) {
  auto asked = SendMessageW(list, CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0);
  for (int tries = 0; tries < 4; ++tries) {
    RECT closed;
    GetWindowRect(list, &closed);
    const int missing = height - (closed.bottom - closed.top);
    if (missing == 0) return;
    asked += missing;
    SendMessageW(list, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), asked);
  }
}

// Every position, size, font and picture at `dpi` (or as large as the work area allows), and the
// frame around the fixed client area.
void MainWindow::Place(UINT dpi) {
  {
    // The controls still hold the former fonts: each is given its new one before they are deleted,
    // at the end of this block.
    const Fonts former = painter_.SetDpi(FittingDpi(window_, dpi));
    for (std::size_t i = 0; i < layout::kControlCount; ++i) {
      const HFONT font = painter_.Font(layout::Controls()[i].font);
      SendMessageW(controls_.at(i), WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    }
  }
  for (std::size_t i = 0; i < layout::kControlCount; ++i) {
    const ControlRow& row = layout::Controls()[i];
    const RECT box = painter_.Box(row);
    HWND control = controls_.at(i);
    const int height = box.bottom - box.top;
    const int placed =
        row.kind == Kind::ComboBox ? painter_.ScaledPixels(layout::kOpenListHeight) : height;
    SetWindowPos(control, nullptr, box.left, box.top, box.right - box.left, placed,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    if (row.kind == Kind::ComboBox) FitClosedList(control, height);
  }
  ShowBanners();
  const SIZE client{painter_.Scaled(layout::kClientWidthTwips),
                    painter_.Scaled(layout::kClientHeightTwips)};
  const RECT frame = FrameAround(client, dpi);
  SIZE size{frame.right - frame.left, frame.bottom - frame.top};
  SetWindowPos(window_, nullptr, 0, 0, size.cx, size.cy,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  // The frame may be drawn at another dpi than the window's (wine keeps the system's): the client
  // area keeps its size whatever the frame takes.
  RECT got;
  GetClientRect(window_, &got);
  if (got.right != client.cx || got.bottom != client.cy) {
    size.cx += client.cx - got.right;
    size.cy += client.cy - got.bottom;
    SetWindowPos(window_, nullptr, 0, 0, size.cx, size.cy,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  InvalidateRect(window_, nullptr, TRUE);
}

// The banner and its mirror image at the window's scale.
void MainWindow::ShowBanners() {
  const SIZE size{painter_.ScaledPixels(banner_.size.cx), painter_.ScaledPixels(banner_.size.cy)};
  const std::pair<layout::ControlRef, bool> boxes[] = {{layout::kBannerPicture, false},
                                                       {layout::kMirroredBannerPicture, true}};
  for (std::size_t i = 0; i < pictures_.size(); ++i) {
    HBITMAP old = pictures_.at(i);
    pictures_.at(i) = ScaledBanner(banner_, size, boxes[i].second);
    ShowPicture(controls_.at(boxes[i].first.index), pictures_.at(i));
    if (old != nullptr) DeleteObject(old);
  }
}

int MainWindow::RunMessageLoop() {
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (!IsDialogMessageW(window_, &message)) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
    // Wherever the user has moved the focus, an activation that comes late gives back that one.
    KeepFocus(GetFocus());
  }
  return static_cast<int>(message.wParam);
}

LRESULT CALLBACK MainWindow::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* self = static_cast<MainWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    self->window_ = window;
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<MainWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  return self != nullptr ? self->Handle(message, wParam, lParam)
                         : DefWindowProcW(window, message, wParam, lParam);
}

LRESULT MainWindow::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_ERASEBKGND:
      painter_.FillWindow(reinterpret_cast<HDC>(wParam), window_);
      return TRUE;
    case WM_DRAWITEM: {
      const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
      painter_.Draw(item, IndexOf(static_cast<int>(item.CtlID)));
      return TRUE;
    }
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
      return reinterpret_cast<LRESULT>(PrepareBox(reinterpret_cast<HDC>(wParam)));
    case WM_COMMAND:
      OnCommand(LOWORD(wParam), HIWORD(wParam));
      return 0;
    case WM_SETCURSOR:
      if (OnSetCursor(reinterpret_cast<HWND>(wParam))) return TRUE;
      break;
    case WM_DPICHANGED:
      // Windows suggests where the window goes; its size follows from the client area.
      if (const auto* suggested = reinterpret_cast<const RECT*>(lParam)) {
        SetWindowPos(window_, nullptr, suggested->left, suggested->top, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
      }
      Place(HIWORD(wParam));
      return 0;
    case WM_ACTIVATE:
      if (LOWORD(wParam) == WA_INACTIVE) {
        KeepFocus(GetFocus());
      } else if (IsIconic(window_) == FALSE) {
        RestoreFocus();
      }
      return 0;
    case WM_CANCELMODE:  // the window is about to be disabled, which takes the focus away
      KeepFocus(GetFocus());
      break;
    case WM_SIZE:
      if (wParam == SIZE_RESTORED && GetActiveWindow() == window_) RestoreFocus();
      break;
    case WM_SETFOCUS:
      // Restored from the taskbar, or given the focus by anyone: never the bare window.
      RestoreFocus();
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      break;
  }
  return DefWindowProcW(window_, message, wParam, lParam);
}

void MainWindow::OnCommand(int id, int code) {
  const std::size_t index = IndexOf(id);
  if (index >= layout::kControlCount) return;
  if (index == layout::kCalculateButton.index && code == BN_CLICKED) {
    RunCalculateCommand(*this);
    return;
  }
  for (const layout::ControlRef& label : layout::VersionLabels()) {
    if (index == label.index && code == STN_CLICKED) ShowMessage(texts::kAbout);
  }
}

void MainWindow::KeepFocus(HWND focus) {
  if (focus != nullptr && focus != window_ && IsChild(window_, focus)) savedFocus_ = focus;
}

void MainWindow::RestoreFocus() {
  HWND focus = savedFocus_;
  if (focus == nullptr || !IsWindow(focus) || !IsWindowEnabled(focus)) {
    focus = controls_.at(layout::FocusOrder().front().index);
  }
  SetFocus(focus);
}

BOOL MainWindow::OnSetCursor(HWND over) {
  if (over != controls_.at(layout::kWhatsThisPointerLabel.index)) return FALSE;
  SetCursor(LoadCursorW(nullptr, IDC_HELP));
  return TRUE;
}

}  // namespace

int RunMainWindow(HINSTANCE instance, int show) {
  const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);
  int status = 1;
  {
    MainWindow window(instance);
    if (window.Create(show)) status = window.RunMessageLoop();
  }
  if (SUCCEEDED(com)) CoUninitialize();
  return status;
}

}  // namespace ui::win32
