// What the files of the Win32 main window share: its own window ids and
// names, and the control table lookups they all use.
#pragma once
#include <windows.h>

#include "memtool/form_layout.h"

namespace mt {
namespace win32 {

constexpr UINT_PTR kTimerId = 1;
// The tab sheet: a plain face-coloured window over the tabs' display area,
// so labels, sliders and group boxes sit on the colour they paint with.
constexpr char kSheetClass[] = "TTabSheet";
constexpr int kSheetId = 999;
// Where a subclassed control keeps its own window procedure.
constexpr char kControlProcProp[] = "MemtidyControlProc";

inline const ControlRow& rowOf(Ctl id) { return *findControl(id); }

inline bool isKind(Ctl id, CtlKind kind) {
  const ControlRow* row = findControl(id);
  return row && row->kind == kind;
}

}  // namespace win32
}  // namespace mt
