#include "shell/win32/edit_proc.h"

#include <string>

#include "shell/core/navigation.h"
#include "shell/win32/app.h"
#include "shell/win32/clipboard.h"
#include "shell/win32/replay.h"

namespace shell {

namespace {

Key KeyOf(UINT message, WPARAM wParam) {
  if (message == WM_CHAR) {
    return Key::Char;
  }
  switch (wParam) {
    case VK_TAB:
      return Key::Tab;
    case VK_LEFT:
      return Key::Left;
    case VK_RIGHT:
      return Key::Right;
    case VK_UP:
      return Key::Up;
    case VK_DOWN:
      return Key::Down;
    case VK_PRIOR:
      return Key::PageUp;
    case VK_NEXT:
      return Key::PageDown;
    default:
      return Key::Other;
  }
}

struct TextSelection {
  int start = 0;
  int end = 0;
};

TextSelection SelectionOf(HWND field) {
  DWORD start = 0;
  DWORD end = 0;
  SendMessageA(field, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  return {static_cast<int>(start), static_cast<int>(end)};
}

FieldContent ContentOf(HWND field) {
  const TextSelection selection = SelectionOf(field);
  return {GetWindowTextLengthA(field), selection.end - selection.start};
}

// Replaces a field's whole text as typing would, with its change notification.
void ReplaceWhole(HWND field, const std::string& text) {
  SendMessageA(field, EM_SETSEL, 0, -1);
  SendMessageA(field, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text.c_str()));
}

void CarryOut(HWND field, const KeyDecision& decision) {
  AppState& app = App();
  if (decision.clickMaleOnly && app.mainWindow != nullptr) {
    // As a click on the option would.
    RunCommand(app.mainWindow, app.program->maleOnlyCommand);
  }
  HWND paged = app.program->pagedList != nullptr ? app.program->pagedList() : nullptr;
  if (decision.scroll != ChartScroll::None && paged != nullptr) {
    // As if the list's scroll bar had been clicked above or below the thumb.
    SendMessageA(paged, WM_VSCROLL,
                 decision.scroll == ChartScroll::PageUp ? SB_PAGEUP : SB_PAGEDOWN, 0);
  }
  if (HWND target = app.fields.At(decision.moveTo)) {
    SetFocus(target);
  }
  if (decision.selectAll) {
    SendMessageA(field, EM_SETSEL, 0, -1);
  }
}

// Pastes what the field takes of the clipboard. True when that is done here;
// false leaves the paste to the field itself.
bool PasteFiltered(HWND field, int id) {
  if ((GetWindowLongA(field, GWL_STYLE) & ES_READONLY) != 0) {
    return true;  // a result takes nothing from the clerk, pasted or typed
  }
  std::string clipboard;
  if (!ReadClipboardText(field, clipboard)) {
    return false;
  }
  const PasteDecision decision =
      DecidePaste(*App().program->navigation, id, clipboard, ContentOf(field));
  if (!decision.accept) {
    return true;
  }
  if (decision.parts == 1 && decision.texts[0] == clipboard) {
    return false;
  }
  if (decision.parts == 1) {
    // Replaces the selection as a paste would, with its change notification.
    SendMessageA(field, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(decision.texts[0].c_str()));
    return true;
  }
  for (int part = 0; part < decision.parts; ++part) {
    HWND partField = App().fields.At(id + part);
    ReplaceWhole(partField, decision.texts[static_cast<std::size_t>(part)]);
    if (decision.forgetUndo) {
      SendMessageA(partField, EM_EMPTYUNDOBUFFER, 0, 0);
    }
  }
  return true;
}

// The keyboard rules and the paste filter in front of the field's own
// procedure `own`; `id` is the identifier the rules know the field by.
LRESULT Filter(HWND field, int id, WNDPROC own, UINT message, WPARAM wParam, LPARAM lParam) {
  AppState& app = App();
  if (message == WM_PASTE && app.program != nullptr && PasteFiltered(field, id)) {
    return 0;
  }
  if (message == WM_KEYDOWN && wParam == VK_INSERT && GetKeyState(VK_SHIFT) < 0 &&
      GetKeyState(VK_CONTROL) >= 0) {
    // The edit control pastes on Shift+Insert without a WM_PASTE message of
    // its own (as Wine's does), which would slip past the filter above.
    SendMessageA(field, WM_PASTE, 0, 0);
    return 0;
  }
  if ((message == WM_CHAR || message == WM_KEYDOWN) && app.program != nullptr) {
    KeyInput input;
    input.key = KeyOf(message, wParam);
    input.ch = static_cast<char>(wParam & 0xFF);
    input.shift = GetKeyState(VK_SHIFT) < 0;
    const TextSelection selection = SelectionOf(field);
    input.caret = selection.start;
    input.length = GetWindowTextLengthA(field);
    input.selected = selection.end - selection.start;
    char text[4] = {};  // no rule looks past the third character
    if (input.key == Key::Right) {
      GetWindowTextA(field, text, sizeof text);
      input.text = text;
    }
    input.maleOnly = app.program->maleOnly != nullptr && app.program->maleOnly();
    const KeyDecision decision = DecideKey(*app.program->navigation, id, input);
    CarryOut(field, decision);
    if (decision.swallow) {
      wParam = 0;
    } else if (input.key == Key::Char && decision.ch != 0) {
      wParam = static_cast<unsigned char>(decision.ch);
    }
  }
  return CallWindowProcA(own, field, message, wParam, lParam);
}

// A combo box's editable text, filtered under the box's identifier; its own
// procedure is kept in its user data.
LRESULT CALLBACK ComboEditProc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam) {
  const auto own = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(edit, GWLP_USERDATA));
  if (own == nullptr) {
    return DefWindowProcA(edit, message, wParam, lParam);
  }
  return Filter(edit, GetDlgCtrlID(GetParent(edit)), own, message, wParam, lParam);
}

}  // namespace

LRESULT CALLBACK EditProc(HWND field, UINT message, WPARAM wParam, LPARAM lParam) {
  AppState& app = App();
  const int id = GetDlgCtrlID(field);
  const WNDPROC own =
      id >= 0 && id < app.fields.slots && app.fields.windows[static_cast<std::size_t>(id)] == field
          ? app.fields.procs[static_cast<std::size_t>(id)]
          : nullptr;
  if (own == nullptr) {
    return DefWindowProcA(field, message, wParam, lParam);
  }
  return Filter(field, id, own, message, wParam, lParam);
}

void FilterComboEdit(HWND combo) {
  HWND edit = GetWindow(combo, GW_CHILD);
  if (edit == nullptr) {
    return;
  }
  SetWindowLongPtrA(edit, GWLP_USERDATA, GetWindowLongPtrA(edit, GWLP_WNDPROC));
  SetWindowLongPtrA(edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ComboEditProc));
}

}  // namespace shell
