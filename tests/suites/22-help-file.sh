#!/usr/bin/env bash
# Vidarix.hlp as the win32 build ships it, read by a reader of our own that
# walks the file as the WinHelp viewer does (tests/help/read_hlp.py): the
# directory, |SYSTEM, the topic records and a context-number map entry for every
# help id, each at its control's topic. Then the build step itself: it refuses
# a source that lacks a control's topic or holds a topic no control opens.
. "$(dirname "$0")/lib.sh"
mkdir -p "$BUILD/test-logs"
ok() { echo "  ok   $1"; SUITE_PASSED=$((SUITE_PASSED + 1)); }
fail() { echo "  FAIL $1"; SUITE_FAILED=$((SUITE_FAILED + 1)); }
hlp="$BUILD/win32/bin/Vidarix.hlp"
raw="$BUILD/win32/help/halibut.hlp"
source="$REPO/tweaker/help/vidarix.but"
ids="$REPO/tweaker/ui/help_ids.cpp"
tool="$REPO/tools/help/add_context_map.py"
version=$(sed -n 's/^#define VIDARIX_VERSION_TEXT "\(.*\)"/\1/p' "$REPO/versions.h")
if [ ! -f "$hlp" ] || [ ! -f "$raw" ]; then
  fail "no Vidarix.hlp in $BUILD/win32 (tools/build.sh win32)"
  suite_end help-file; exit
fi

log="$BUILD/test-logs/help-file.log"
python3 "$REPO/tests/help/read_hlp.py" "$hlp" "$source" "$ids" "$version" >"$log" 2>&1
grep -v '^help-file: ' "$log"
plain_count "$log"

# The same reader finds halibut's own file, whose map is empty, wanting.
if python3 "$REPO/tests/help/read_hlp.py" "$raw" "$source" "$ids" "$version" >/dev/null 2>&1; then
  fail "the reader accepts halibut's file without a context map"
else
  ok "the reader rejects halibut's file without a context map"
fi

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
# A control whose topic is gone: the Mclk slider's.
sed 's/^\\cfg{winhelp-topic}{IDH_1030}$//' "$source" >"$tmp/missing.but"
if python3 "$tool" "$tmp/missing.but" "$ids" "$raw" "$tmp/out.hlp" 2>"$tmp/err" || ! grep -q '1030' "$tmp/err"; then
  fail "a help id without a topic fails the build: $(cat "$tmp/err")"
else
  ok "a help id without a topic fails the build ($(cat "$tmp/err" | sed 's/.*: //'))"
fi
# A topic no control opens.
printf '\n\\H{idh-9999} Stray\n\n\\cfg{winhelp-topic}{IDH_9999}\n\nNothing opens this.\n' | cat "$source" - >"$tmp/stray.but"
if python3 "$tool" "$tmp/stray.but" "$ids" "$raw" "$tmp/out.hlp" 2>"$tmp/err" || ! grep -q '9999' "$tmp/err"; then
  fail "an unreachable topic fails the build: $(cat "$tmp/err")"
else
  ok "an unreachable topic fails the build ($(cat "$tmp/err" | sed 's/.*: //'))"
fi
[ -e "$tmp/out.hlp" ] && fail "a refused source still wrote a help file"
suite_end help-file
