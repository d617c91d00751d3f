#include "ui/win32/input_rules.h"

#include <commctrl.h>

#include <algorithm>
#include <string>
#include <string_view>

#include "ui/description/keystroke_rules.h"
#include "ui/win32/text.h"

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

// Messages that only read or draw the box, after which its text cannot have changed.
bool OnlyReads(UINT message) {
  switch (message) {
    case WM_GETTEXT:
    case WM_GETTEXTLENGTH:
    case WM_PAINT:
    case WM_NCPAINT:
    case WM_ERASEBKGND:
    case WM_NCHITTEST:
    case WM_SETCURSOR:
    case WM_MOUSEMOVE:
    case WM_GETOBJECT:
    case WM_TIMER:
    case EM_GETSEL:
    case EM_GETLINE:
    case EM_LINELENGTH:
      return true;
    default:
      return false;
  }
}

std::u16string ToU16(std::wstring_view text) { return {text.begin(), text.end()}; }

// A dimension box holds what the input rule reads, whatever put the text there: the look-alikes
// become what they look like, in one undoable replacement that keeps the caret where it was.
void HoldWhatTheRuleReads(HWND box) {
  static bool holding = false;  // the replacement below is a change of its own
  if (holding) return;
  const std::wstring text = WindowText(box);
  const std::u16string held = keystrokes::InDimensionBox(ToU16(text));
  std::wstring kept(held.begin(), held.end());
  if (kept.size() > static_cast<std::size_t>(layout::kTextBoxMaxLength)) {
    kept.resize(static_cast<std::size_t>(layout::kTextBoxMaxLength));
  }
  if (kept == text) return;
  DWORD start = 0, end = 0;
  holding = true;
  SendMessageW(box, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  SendMessageW(box, EM_SETSEL, 0, -1);
  SendMessageW(box, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(kept.c_str()));
  const auto length = static_cast<DWORD>(kept.size());
  SendMessageW(box, EM_SETSEL, std::min(start, length), std::min(end, length));
  holding = false;
}

LRESULT CALLBACK DimensionBoxProcedure(HWND box, UINT message, WPARAM wParam, LPARAM lParam,
                                       UINT_PTR, DWORD_PTR) {
  switch (message) {
    case WM_CHAR:
      // Typed characters become what the box holds before it takes them, so that nothing
      // flickers and the edit stays one undo.
      wParam = keystrokes::Filtered(layout::Kind::TextBox, static_cast<char16_t>(wParam));
      if (wParam == 0) return 0;
      break;
    case WM_PASTE: {
      std::wstring text = ClipboardText(box);
      const std::u16string held = keystrokes::InDimensionBox(ToU16(text));
      text.assign(held.begin(), held.end());
      SendMessageW(box, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text.c_str()));
      return 0;
    }
    case WM_NCDESTROY:
      RemoveWindowSubclass(box, &DimensionBoxProcedure, kSubclassId);
      return DefSubclassProc(box, message, wParam, lParam);
    default:
      break;
  }
  const LRESULT result = DefSubclassProc(box, message, wParam, lParam);
  if (!OnlyReads(message)) HoldWhatTheRuleReads(box);
  return result;
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

// What a list's edit field last showed that the list may show.
struct ListField {
  const layout::ComboList* items;
  std::wstring shown;
};

// Delete, Shift+Delete, cut and clear take the whole field or nothing: with any part selected, the
// list shows nothing, as at start; without a selection, nothing happens.
void ClearWhenSelected(HWND field) {
  DWORD start = 0, end = 0;
  SendMessageW(field, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  if (start != end) SendMessageW(GetParent(field), CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
}

// The edit field of a drop-down list shows one of its items or nothing, whatever changed its text
// (a message from outside, an assistive tool, a route not closed above): any other text goes
// back at once to what it showed before. It shows no selection while the list is not focused,
// whatever selected its text (a choice from the open list, CB_SETCURSEL from outside).
LRESULT CALLBACK ListFieldProcedure(HWND field, UINT message, WPARAM wParam, LPARAM lParam,
                                    UINT_PTR id, DWORD_PTR data) {
  auto& guarded = *reinterpret_cast<ListField*>(data);
  switch (message) {
    case WM_PAINT:
      if (GetFocus() != field) {
        DWORD start = 0, end = 0;
        SendMessageW(field, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                     reinterpret_cast<LPARAM>(&end));
        if (start != end) SendMessageW(field, EM_SETSEL, end, end);
      }
      break;
    case WM_KEYDOWN:
      if (wParam == VK_DELETE) {
        ClearWhenSelected(field);
        return 0;
      }
      break;
    case WM_CUT:
      SendMessageW(field, WM_COPY, 0, 0);
      ClearWhenSelected(field);
      return 0;
    case WM_CLEAR:
      ClearWhenSelected(field);
      return 0;
    case WM_NCDESTROY:
      RemoveWindowSubclass(field, &ListFieldProcedure, id);
      delete &guarded;
      return DefSubclassProc(field, message, wParam, lParam);
    default:
      break;
  }
  const LRESULT result = ListPartProcedure(field, message, wParam, lParam, id, data);
  if (!OnlyReads(message)) {
    const std::wstring text = WindowText(field);
    if (text == guarded.shown) return result;
    if (keystrokes::ListMayShow(*guarded.items, Utf8(text))) {
      guarded.shown = text;
    } else {
      SetWindowTextW(field, guarded.shown.c_str());
    }
  }
  return result;
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

void GuardList(HWND list, const layout::ComboList& items) {
  COMBOBOXINFO parts{};
  parts.cbSize = sizeof parts;
  if (GetComboBoxInfo(list, &parts)) {
    auto* field = new ListField{&items, WindowText(parts.hwndItem)};
    SetWindowSubclass(parts.hwndItem, &ListFieldProcedure, kSubclassId,
                      reinterpret_cast<DWORD_PTR>(field));
    SetWindowSubclass(parts.hwndList, &ListPartProcedure, kSubclassId, 0);
  }
  SetWindowSubclass(list, &ListProcedure, kSubclassId, 0);
}

void PressOnEnter(HWND button) { SetWindowSubclass(button, &ButtonProcedure, kSubclassId, 0); }

}  // namespace ui::win32
