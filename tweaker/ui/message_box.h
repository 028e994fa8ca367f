// The program's own message box: the system's style word (button set, icon,
// default button), one extra button set with "Yes to &all", and an optional
// countdown that presses the default button. Every question and notice of
// the program goes through ShowMessageBox.
#pragma once
#include <cstdint>
#include <string>

namespace vdx {

// An opaque window handle (an HWND on Windows); null means no owner.
using WindowHandle = void*;

// Style word bits, with the system's values.
constexpr uint32_t kMbOk = 0x0;
constexpr uint32_t kMbOkCancel = 0x1;
constexpr uint32_t kMbAbortRetryIgnore = 0x2;
constexpr uint32_t kMbYesNoCancel = 0x3;
constexpr uint32_t kMbYesNo = 0x4;
constexpr uint32_t kMbRetryCancel = 0x5;
constexpr uint32_t kMbYesAllNoCancel = 0xA;  // "&Yes", "Yes to &all", "&No", "Cancel"
constexpr uint32_t kMbIconHand = 0x10;
constexpr uint32_t kMbIconQuestion = 0x20;
constexpr uint32_t kMbIconExclamation = 0x30;
constexpr uint32_t kMbIconAsterisk = 0x40;
constexpr uint32_t kMbDefButton1 = 0x000;
constexpr uint32_t kMbDefButton2 = 0x100;
constexpr uint32_t kMbDefButton3 = 0x200;
constexpr uint32_t kMbDefButton4 = 0x300;
constexpr uint32_t kMbSystemModal = 0x1000;
constexpr uint32_t kMbSetForeground = 0x10000;

// Result codes (the pressed button's id).
constexpr int kIdOk = 1;
constexpr int kIdCancel = 2;
constexpr int kIdAbort = 3;
constexpr int kIdRetry = 4;
constexpr int kIdIgnore = 5;
constexpr int kIdYes = 6;
constexpr int kIdNo = 7;
constexpr int IDYESTOALL = 11;

// Who answers ShowMessageBox: the dialog on Windows, a scripted stand-in in
// tests. The program holds its one implementation.
class MessageBoxPresenter {
 public:
  virtual ~MessageBoxPresenter() = default;
  virtual int show(WindowHandle owner, const std::string& text, const std::string& caption, uint32_t style,
                   int timeoutSeconds) = 0;
};

// Shows the box modal to `owner`, centred over it; a non-zero time-out (in
// seconds) presses the default button when it runs out. Returns the result
// code, or what the system returns when the dialog cannot be created (-1 or
// 0): callers treat any value they do not test for as "no".
int ShowMessageBox(MessageBoxPresenter& boxes, WindowHandle owner, const std::string& text,
                   const std::string& caption, uint32_t style, int timeoutSeconds = 0);

}  // namespace vdx
