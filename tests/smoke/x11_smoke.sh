#!/usr/bin/env bash
# Runs the built program on a real X server (Xvfb), not offscreen: it must start, show its
# window, close on the window manager's close request with status 0 and store its geometry;
# started with a file, typing into it and answering the save prompt must write that file.
set -euo pipefail
if [ "${1:-}" = --session ]; then
  mode=session
  shift
fi
program=$1
session() {
  # Inside xvfb-run: start the program, find its window, ask it to close.
  local file=${1:-}
  "$program" ${file:+"$file"} &
  local pid=$!
  local window=""
  for _ in $(seq 100); do
    window=$(xdotool search --name '^Pagelark$' 2>/dev/null | head -n 1 || true)
    [ -n "$window" ] && break
    sleep 0.1
  done
  [ -n "$window" ] || { echo "no window appeared"; kill $pid; return 1; }
  if [ -n "$file" ]; then
    sleep 0.5
    xdotool windowfocus --sync "$window" 2>/dev/null || true
    xdotool type --delay 20 "X"
    sleep 0.3
  fi
  /usr/bin/python3 - "$window" <<'PY'
import sys
from Xlib import X, display
from Xlib.protocol import event
d = display.Display()
w = d.create_resource_object('window', int(sys.argv[1]))
protocols = d.intern_atom('WM_PROTOCOLS')
delete = d.intern_atom('WM_DELETE_WINDOW')
w.send_event(event.ClientMessage(window=w, client_type=protocols, data=(32, [delete, X.CurrentTime, 0, 0, 0])))
d.flush()
PY
  if [ -n "$file" ]; then
    # The changed document asks whether to save it; Yes is the default button.
    for _ in $(seq 100); do
      [ "$(xdotool search --onlyvisible --name '^Pagelark$' 2>/dev/null | wc -l)" -ge 2 ] && break
      sleep 0.1
    done
    sleep 0.3
    xdotool key Return
  fi
  for _ in $(seq 100); do
    kill -0 $pid 2>/dev/null || break
    sleep 0.1
  done
  if kill -0 $pid 2>/dev/null; then
    echo "the program did not close"; kill $pid; return 1
  fi
  wait $pid
}
if [ "${mode:-}" = session ]; then
  session "${2:-}"
  exit
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_DATA_HOME="$work/home/.local/share"
mkdir -p "$HOME"
unset QT_QPA_PLATFORM

xvfb-run -a -s "-screen 0 1024x768x24" bash "$0" --session "$program"
grep -q '^main_top=' "$XDG_CONFIG_HOME/Pagelark/Pagelark.conf" || { echo "no geometry stored"; exit 1; }

printf '<p>smoke</p>\n' > "$work/page.html"
xvfb-run -a -s "-screen 0 1024x768x24" bash "$0" --session "$program" "$work/page.html"
[ "$(cat "$work/page.html")" = "X<p>smoke</p>" ] || { echo "the file was not shown and saved: $(cat "$work/page.html")"; exit 1; }
echo "x11 smoke: 1 passed, 0 failed"
