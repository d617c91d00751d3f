#include "ui/win32/input_rules.h"

#include <commctrl.h>

#include <string>

#include "ui/description/keystroke_rules.h"

namespace ui::win32 {
namespace {

constexpr UINT_PTR kSubclassId = 1;

std::wstring ClipboardText(HWND owner) {
  std::wstring text;
  if (!OpenClipboard(owner)) return text;
  if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
    if (const auto* chars = static_cast<const wchar_t*>(GlobalLock(data))) {
      text = chars;
      GlobalUnlock(data);
    }
  }
  CloseClipboard();
  return text;
}

LRESULT CALLBACK DimensionBoxProcedure(HWND box, UINT message, WPARAM wParam, LPARAM lParam,
                                       UINT_PTR, DWORD_PTR) {
  switch (message) {
    case WM_CHAR:
      wParam = keystrokes::Filtered(layout::Kind::TextBox, static_cast<char16_t>(wParam));
      if (wParam == 0) return 0;
      break;
    case WM_PASTE: {
      // A pasted comma becomes a point too.
      std::wstring text = ClipboardText(box);
      for (wchar_t& c : text) {
        c = static_cast<wchar_t>(keystrokes::Filtered(layout::Kind::TextBox, c));
      }
      SendMessageW(box, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text.c_str()));
      return 0;
    }
    default:
      break;
  }
  return DefSubclassProc(box, message, wParam, lParam);
}

// The edit field and the list of a drop-down list.
LRESULT CALLBACK ListPartProcedure(HWND part, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                   DWORD_PTR) {
  switch (message) {
    case WM_CHAR:
    case WM_IME_CHAR:
      if (keystrokes::Filtered(layout::Kind::ComboBox, static_cast<char16_t>(wParam)) == 0) {
        return 0;
      }
      break;
    case WM_PASTE:
    case WM_UNDO:
    case WM_CONTEXTMENU:
    case WM_IME_STARTCOMPOSITION:
    case WM_IME_COMPOSITION:
    case WM_IME_ENDCOMPOSITION:
      return 0;
    default:
      break;
  }
  return DefSubclassProc(part, message, wParam, lParam);
}

// The edit field of a drop-down list shows no selection while the list is not focused, whatever
// selected its text (a choice from the open list, CB_SETCURSEL from outside).
LRESULT CALLBACK ListFieldProcedure(HWND field, UINT message, WPARAM wParam, LPARAM lParam,
                                    UINT_PTR id, DWORD_PTR data) {
  if (message == WM_PAINT && GetFocus() != field) {
    DWORD start = 0, end = 0;
    SendMessageW(field, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
    if (start != end) SendMessageW(field, EM_SETSEL, end, end);
  }
  return ListPartProcedure(field, message, wParam, lParam, id, data);
}

LRESULT CALLBACK ListProcedure(HWND list, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                               DWORD_PTR) {
  if (message == WM_MOUSEWHEEL) {
    HWND focus = GetFocus();
    if (focus != list && GetParent(focus) != list) return 0;
  }
  return DefSubclassProc(list, message, wParam, lParam);
}

LRESULT CALLBACK ButtonProcedure(HWND button, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                 DWORD_PTR) {
  switch (message) {
    case WM_GETDLGCODE: {
      const auto* pending = reinterpret_cast<const MSG*>(lParam);
      if (pending != nullptr && pending->message == WM_KEYDOWN && pending->wParam == VK_RETURN) {
        return DLGC_WANTMESSAGE | DefSubclassProc(button, message, wParam, lParam);
      }
      break;
    }
    case WM_KEYDOWN:
      if (wParam == VK_RETURN && (lParam & (1 << 30)) == 0) {  // not a repeat
        SendMessageW(button, BM_CLICK, 0, 0);
        return 0;
      }
      break;
    default:
      break;
  }
  return DefSubclassProc(button, message, wParam, lParam);
}

}  // namespace

void GuardDimensionBox(HWND box) { SetWindowSubclass(box, &DimensionBoxProcedure, kSubclassId, 0); }

void GuardList(HWND list) {
  COMBOBOXINFO parts{};
  parts.cbSize = sizeof parts;
  if (GetComboBoxInfo(list, &parts)) {
    SetWindowSubclass(parts.hwndItem, &ListFieldProcedure, kSubclassId, 0);
    SetWindowSubclass(parts.hwndList, &ListPartProcedure, kSubclassId, 0);
  }
  SetWindowSubclass(list, &ListProcedure, kSubclassId, 0);
}

void PressOnEnter(HWND button) { SetWindowSubclass(button, &ButtonProcedure, kSubclassId, 0); }

}  // namespace ui::win32
