// What every dialog's presenter is asked the same way, so that a presenter
// keeps only what its dialog does of its own:
// - OK (1) calls ok(), Cancel (2) cancel(), and Apply, where the presenter
//   names one in kApplyId, apply(). ok() and cancel() return the code the
//   dialog ends with, or kStayOpen; without a cancel() Cancel ends with 2.
// - Any other command goes to command(id, code) or command(id), if it has one.
// - A scroll notice goes to scrolled(id, code), if it has one.
// - What the dialog changed of the program's records comes back as the
//   presenter's result(), if it has one, for the program to take.
// The presenter names its model type `Model`.
#pragma once
#include <type_traits>
#include <utility>

#include "tweaker/ui/dialog_surface.h"
#include "tweaker/ui/message_box.h"

namespace vdx {

constexpr int kStayOpen = 0;

// The result of a dialog that changes no record of the program.
struct NoDialogResult {};

namespace presenter_detail {

// The first overload is taken when the presenter has the member (0 is an int).
template <class P>
auto cancel(P& p, int) -> decltype(p.cancel()) {
  return p.cancel();
}
template <class P>
int cancel(P&, long) {
  return kIdCancel;
}

template <class P>
constexpr auto applyId(int) -> decltype(static_cast<int>(P::kApplyId)) {
  return P::kApplyId;
}
template <class P>
constexpr int applyId(long) {
  return -1;  // no control has it
}

template <class P>
auto apply(P& p, int) -> decltype(p.apply()) {
  p.apply();
}
template <class P>
void apply(P&, long) {}

template <class P>
auto command(P& p, int id, int code, int, int) -> decltype(p.command(id, code)) {
  return p.command(id, code);
}
template <class P>
auto command(P& p, int id, int, int, long) -> decltype(p.command(id)) {
  return p.command(id);
}
template <class P>
bool command(P&, int, int, long, long) {
  return false;
}

template <class P>
auto scrolled(P& p, int id, int code, int) -> decltype(p.scrolled(id, code), true) {
  p.scrolled(id, code);
  return true;
}
template <class P>
bool scrolled(P&, int, int, long) {
  return false;
}

template <class P, class = void>
struct Scrolls : std::false_type {};
template <class P>
struct Scrolls<P, decltype(std::declval<P&>().scrolled(0, 0), void())> : std::true_type {};

template <class P>
auto result(const P& p, int) -> decltype(p.result()) {
  return p.result();
}
template <class P>
NoDialogResult result(const P&, long) {
  return {};
}

template <class P>
struct ResultOf {
  using type = std::decay_t<decltype(result(std::declval<const P&>(), 0))>;
};

}  // namespace presenter_detail

template <class Presenter>
using DialogResultOf = typename presenter_detail::ResultOf<Presenter>::type;

// A command from control `id` with its notification code: true when the
// presenter took it. The buttons end the dialog as ok() or cancel() say.
template <class Presenter>
bool presenterCommand(Presenter& p, DialogSurface& surface, int id, int code = 0) {
  int end = kStayOpen;
  if (id == kIdOk) {
    end = p.ok();
  } else if (id == kIdCancel) {
    end = presenter_detail::cancel(p, 0);
  } else if (id == presenter_detail::applyId<Presenter>(0)) {
    presenter_detail::apply(p, 0);
  } else {
    return presenter_detail::command(p, id, code, 0, 0);
  }
  if (end != kStayOpen) surface.endDialog(end);
  return true;
}

// A scroll notice from control `id`: true when the presenter takes them.
template <class Presenter>
bool presenterScrolled(Presenter& p, int id, int code) {
  return presenter_detail::scrolled(p, id, code, 0);
}

template <class Presenter>
decltype(auto) presenterResult(const Presenter& p) {
  return presenter_detail::result(p, 0);
}

}  // namespace vdx
