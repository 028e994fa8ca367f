#include "tweaker/ui/win32/message_box_dialog.h"

#include <vector>

#include "tweaker/ui/message_box_layout.h"
#include "tweaker/ui/win32/dialog_utils.h"
#include "tweaker/ui/win32/window_dc.h"

namespace vdx {

namespace {

constexpr UINT_PTR kCountdownTimer = 1;

// One per open box, owned by ShowMessageBox's frame for the whole call.
struct MessageBoxRequest {
  HWND owner;
  std::string text;
  std::string caption;
  uint32_t style;
  MessageBoxChoice choice;
  MessageBoxCountdown countdown;
  bool centreOverOwner;
  const std::string* helpFile;
};

MessageBoxRequest* requestOf(HWND dlg) {
  return reinterpret_cast<MessageBoxRequest*>(GetWindowLongPtrA(dlg, DWLP_USER));
}

PixelRect childRect(HWND dlg, HWND child) {
  RECT r;
  GetWindowRect(child, &r);
  MapWindowPoints(nullptr, dlg, reinterpret_cast<POINT*>(&r), 2);
  return PixelRect{r.left, r.top, r.right, r.bottom};
}

void moveChild(HWND child, const PixelRect& r) { MoveWindow(child, r.left, r.top, r.width(), r.height(), FALSE); }

// Line widths and height in the text control's own font.
void measureText(HWND textControl, const std::string& text, std::vector<int>* widths, int* lineHeight) {
  WindowDC dc(textControl);
  SelectedObject font(dc.get(), reinterpret_cast<HGDIOBJ>(SendMessageA(textControl, WM_GETFONT, 0, 0)));
  TEXTMETRICA tm = {};
  GetTextMetricsA(dc.get(), &tm);
  *lineHeight = tm.tmHeight;
  for (const std::string& line : splitMessageLines(text)) {
    SIZE size = {0, 0};
    if (!line.empty()) GetTextExtentPoint32A(dc.get(), line.c_str(), static_cast<int>(line.size()), &size);
    widths->push_back(size.cx);
  }
}

void initialise(HWND dlg, MessageBoxRequest* req) {
  SetWindowLongPtrA(dlg, DWLP_USER, reinterpret_cast<LONG_PTR>(req));
  SetDlgItemTextA(dlg, kMsgBoxTextId, req->text.c_str());
  SetWindowTextA(dlg, req->caption.c_str());
  ShowWindow(GetDlgItem(dlg, kMsgBoxIconMarkId), SW_HIDE);

  // Buttons: the first n slots take the set's texts and result ids.
  HWND slots[kMsgBoxButtonSlots];
  for (int i = 0; i < kMsgBoxButtonSlots; ++i) slots[i] = GetDlgItem(dlg, kMsgBoxFirstButtonId + i);
  const std::vector<MessageBoxButton>& buttons = req->choice.buttons;
  const int n = static_cast<int>(buttons.size());
  for (int i = 0; i < kMsgBoxButtonSlots; ++i) {
    if (i < n) {
      SetWindowTextA(slots[i], buttons[static_cast<std::size_t>(i)].text);
      SetWindowLongPtrA(slots[i], GWLP_ID, buttons[static_cast<std::size_t>(i)].id);
    } else {
      ShowWindow(slots[i], SW_HIDE);
    }
  }

  // Default button: the style's choice gets the default look and the focus.
  HWND def = slots[req->choice.defaultIndex];
  SendMessageA(slots[0], BM_SETSTYLE, BS_PUSHBUTTON, TRUE);
  SendMessageA(dlg, DM_SETDEFID, static_cast<WPARAM>(req->choice.defaultId), 0);
  SendMessageA(def, BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE);
  SetFocus(def);

  // Size to the text, then lay out the button row.
  HWND textControl = GetDlgItem(dlg, kMsgBoxTextId);
  RECT window, client;
  GetWindowRect(dlg, &window);
  GetClientRect(dlg, &client);
  MessageBoxLayoutInput in;
  in.dialogWidth = window.right - window.left;
  in.dialogHeight = window.bottom - window.top;
  in.clientHeight = client.bottom;
  in.text = childRect(dlg, textControl);
  in.firstButton = childRect(dlg, slots[0]);
  in.buttonCount = n;
  in.hasIcon = req->choice.icon != 0;
  in.iconWidth = GetSystemMetrics(SM_CXICON);
  in.dialogFrameWidth = GetSystemMetrics(SM_CXDLGFRAME);
  measureText(textControl, req->text, &in.lineWidths, &in.lineHeight);
  MessageBoxLayout out = layoutMessageBox(in);
  moveChild(textControl, out.text);
  for (int i = 0; i < n; ++i) moveChild(slots[i], out.buttons[static_cast<std::size_t>(i)]);
  SetWindowPos(dlg, nullptr, 0, 0, out.dialogWidth, out.dialogHeight, SWP_NOMOVE | SWP_NOZORDER);

  if (!req->choice.closeEnabled) EnableMenuItem(GetSystemMenu(dlg, FALSE), SC_CLOSE, MF_BYCOMMAND | MF_GRAYED);
  if (req->choice.topmost) SetWindowPos(dlg, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  if (req->choice.foreground) SetForegroundWindow(dlg);

  if (req->centreOverOwner) centreWindowOn(req->owner ? req->owner : GetDesktopWindow(), dlg);
  if (req->countdown.running()) SetTimer(dlg, kCountdownTimer, 1000, nullptr);
}

void drawIcon(HWND dlg, const MessageBoxRequest* req) {
  if (!req || !req->choice.icon) return;
  HICON icon = LoadIconA(nullptr, MAKEINTRESOURCEA(req->choice.icon));
  if (!icon) return;
  PixelRect mark = childRect(dlg, GetDlgItem(dlg, kMsgBoxIconMarkId));
  WindowDC dc(dlg);
  DrawIcon(dc.get(), mark.left, mark.top, icon);
}

INT_PTR CALLBACK messageBoxProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_INITDIALOG:
      initialise(dlg, reinterpret_cast<MessageBoxRequest*>(lParam));
      return FALSE;  // the focus is already on the default button
    case WM_PAINT:
      // Drawn after the dialog has painted itself, so nothing covers it.
      PostMessageA(dlg, UM_DRAW_ICON, 0, 0);
      return FALSE;
    case UM_DRAW_ICON:
      drawIcon(dlg, requestOf(dlg));
      return TRUE;
    case WM_TIMER: {
      MessageBoxRequest* req = requestOf(dlg);
      if (wParam == kCountdownTimer && req && req->countdown.tick()) {
        KillTimer(dlg, kCountdownTimer);
        PostMessageA(dlg, WM_COMMAND, MAKEWPARAM(req->choice.defaultId, 0), 0);
      }
      return TRUE;
    }
    case WM_COMMAND:
      if (endsMessageBox(LOWORD(wParam), HIWORD(wParam))) {
        KillTimer(dlg, kCountdownTimer);
        EndDialog(dlg, LOWORD(wParam));
        return TRUE;
      }
      return FALSE;
    case WM_HELP:
    case WM_CONTEXTMENU:
      if (MessageBoxRequest* req = requestOf(dlg)) {
        if (req->helpFile) showContextHelp(dlg, msg, wParam, lParam, *req->helpFile);
      }
      return TRUE;
  }
  return FALSE;
}

}  // namespace

int Win32MessageBoxPresenter::show(WindowHandle owner, const std::string& text, const std::string& caption,
                                   uint32_t style, int timeoutSeconds) {
  // A day is far beyond any question the program asks and keeps the
  // millisecond count inside 32 bits.
  const long seconds = timeoutSeconds > 86400 ? 86400 : timeoutSeconds;
  const long timeoutMs = seconds > 0 ? seconds * 1000 : 0;
  MessageBoxRequest req{static_cast<HWND>(owner), text, caption, style, chooseMessageBox(style),
                        MessageBoxCountdown(timeoutMs), true, helpFile_};
  return static_cast<int>(DialogBoxParamA(instance_, MAKEINTRESOURCEA(kMsgBoxDialogId), static_cast<HWND>(owner),
                                          messageBoxProc, reinterpret_cast<LPARAM>(&req)));
}

}  // namespace vdx
