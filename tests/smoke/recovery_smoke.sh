#!/usr/bin/env bash
# The recovery journal against the built program on a real X server (Xvfb): text typed into a
# file-backed and an untitled document survives SIGKILL; a second program started meanwhile
# leaves the first one's entries alone; the next start restores both, and saving them writes
# the typed text byte for byte, the file in its own encoding and line ends; the clean exit that
# follows leaves no entries.
set -euo pipefail
program=$1
script=$(readlink -f "$0")

fail() {
  echo "recovery smoke: $*"
  find "$recovery" 2>/dev/null
  for window in $(xdotool search --onlyvisible --name . 2>/dev/null); do
    xdotool getwindowname "$window"
  done
  cat "$HOME/restart.log" 2>/dev/null
  exit 1
}

# Waits up to ten seconds for a command to succeed.
await() {
  for _ in $(seq 100); do
    if "$@" >/dev/null; then return 0; fi
    sleep 0.1
  done
  return 1
}

entries() { find "$recovery" -name '*.entry' 2>/dev/null | wc -l; }
has_entries() { [ "$(entries)" -ge "$1" ]; }
window_of() {
  local found
  found=$(xdotool search --all --onlyvisible --pid "$1" --name "$2" 2>/dev/null | head -n 1)
  [ -n "$found" ] && echo "$found"
}
visible_count() { xdotool search --onlyvisible --name "$1" 2>/dev/null | wc -l; }
at_least() { [ "$(visible_count "$2")" -ge "$1" ]; }
gone() { ! kill -0 "$1" 2>/dev/null; }
file_is() { [ "$(od -An -tx1 "$1" 2>/dev/null)" = "$(printf "$2" | od -An -tx1)" ]; }

# Asks a window to close, as a window manager's close button does.
close_window() {
  /usr/bin/python3 - "$1" <<'PY'
import sys
from Xlib import X, display
from Xlib.protocol import event
d = display.Display()
w = d.create_resource_object('window', int(sys.argv[1]))
w.send_event(event.ClientMessage(window=w, client_type=d.intern_atom('WM_PROTOCOLS'),
             data=(32, [d.intern_atom('WM_DELETE_WINDOW'), X.CurrentTime, 0, 0, 0])))
d.flush()
PY
}

start() {
  "$program" "$@" &
  started=$!
  await window_of "$started" '^Pagelark$' || fail "no window appeared"
  frame=$(window_of "$started" '^Pagelark$')
  sleep 0.5
  xdotool windowfocus --sync "$frame" 2>/dev/null || true
}

session() {
  # The file-backed document: Latin-1, CRLF, one LF odd out.
  start page.html
  first=$started
  xdotool type --delay 20 "X"
  xdotool key Return
  await has_entries 1 || fail "the file-backed document was not kept"
  xdotool key alt+f
  sleep 0.3
  xdotool key n
  sleep 0.5
  xdotool type --delay 20 "Y"
  xdotool key Return
  xdotool type --delay 20 "Z"
  await has_entries 2 || fail "the untitled document was not kept"

  start
  sleep 1.5
  [ "$(visible_count 'Recover Unsaved Documents')" -eq 0 ] || fail "a live run's entries were offered"
  close_window "$frame"
  await gone "$started" || fail "the second program did not close"
  [ "$(entries)" -eq 2 ] || fail "the second program took entries"

  kill -KILL "$first"
  wait "$first" 2>/dev/null || true

  "$program" 2>"$HOME/restart.log" &
  local last=$!
  await at_least 1 'Recover Unsaved Documents' || fail "nothing was offered"
  sleep 0.3
  xdotool key Return  # Restore
  await window_of "$last" '^Pagelark$' || fail "no window after restoring"
  frame=$(window_of "$last" '^Pagelark$')
  sleep 0.5
  # Closing asks for each restored document, the file-backed one first (it was kept first):
  # Yes saves it where it came from; the untitled one goes through the save dialog, which
  # offers untitled.html in the working folder.
  close_window "$frame"
  await at_least 2 '^Pagelark$' || fail "no prompt for the file-backed document"
  sleep 0.3
  xdotool key Return
  await file_is page.html 'X\r\ncaf\xe9\r\nx\ny\r\n' || fail "page.html: $(od -c page.html)"
  await at_least 2 '^Pagelark$' || fail "no prompt for the untitled document"
  sleep 0.3
  xdotool key Return
  await at_least 1 'Save As' || fail "no save dialog"
  sleep 0.3
  xdotool key Return
  await file_is untitled.html 'Y\nZ' || fail "untitled.html: $(od -c untitled.html 2>&1)"
  await gone "$last" || fail "the program did not close"
  [ "$(entries)" -eq 0 ] || fail "entries are left after a clean exit"
}

if [ "${2:-}" = --session ]; then
  recovery="$XDG_DATA_HOME/Pagelark/Pagelark/recovery"
  session
  exit
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_DATA_HOME="$work/home/.local/share"
mkdir -p "$HOME"
unset QT_QPA_PLATFORM
printf 'caf\xe9\r\nx\ny\r\n' > "$work/page.html"
cd "$work"
# A display number of its own: several xvfb-run -a starting together from 99 can collide. The
# server must not reset when its last client goes (the killed program may be that client): a
# program starting meanwhile could not connect.
xvfb-run -a -n $((200 + RANDOM % 600)) -s "-screen 0 1024x768x24 -noreset" \
  bash "$script" "$program" --session
echo "recovery smoke: 1 passed, 0 failed"
