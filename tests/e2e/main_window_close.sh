#!/usr/bin/env bash
# End to end: the real program on a virtual display shows the splash, then the main window,
# and exits with status 0 when the main window's close box is clicked.
# Usage: main_window_close.sh PATH/TO/tavra [SCREENSHOT_DIR]
set -u
program=$1
shots=${2:-}
export TAVRA_E2E_PROGRAM=$program TAVRA_E2E_SHOTS=$shots
exec xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
  set -u
  cd "$(dirname "$TAVRA_E2E_PROGRAM")"
  "$TAVRA_E2E_PROGRAM" & pid=$!
  # The main window appears after the splash show (about five seconds).
  wid=""
  for i in $(seq 1 300); do
    # The main window by its role (its title is the program'"'"'s, as on the taskbar).
    wid=""
    for w in $(xdotool search --onlyvisible --name "." 2>/dev/null); do
      xprop -id "$w" WM_WINDOW_ROLE 2>/dev/null | grep -q "\"MainWindow\"" && { wid=$w; break; }
    done
    [ -n "$wid" ] && break
    if ! kill -0 $pid 2>/dev/null; then echo "the program ended before its main window showed"; exit 1; fi
    sleep 0.1
  done
  if [ -z "$wid" ]; then echo "no main window after 30 s"; kill $pid; exit 1; fi
  sleep 0.5
  [ -n "$TAVRA_E2E_SHOTS" ] && import -window root "$TAVRA_E2E_SHOTS/e2e-main.png"
  # The close box sits at the right end of the caption bar: 3 px frame, 2 px gap, 16 px button.
  eval $(xdotool getwindowgeometry --shell $wid)
  xdotool mousemove $((X + WIDTH - 3 - 2 - 8)) $((Y + 3 + 9)) click 1
  for i in $(seq 1 100); do
    if ! kill -0 $pid 2>/dev/null; then wait $pid; status=$?; echo "exit status $status"; exit $status; fi
    sleep 0.1
  done
  echo "the program did not end after its close box was clicked"
  kill $pid
  exit 1
'
