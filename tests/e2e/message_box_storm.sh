#!/usr/bin/env bash
# End to end: with both cores busy, open and close the box "Для данного раздела приложений нет"
# 100 times (with Enter, Space and the mouse in turn); the program must survive every round; then
# the keyboard still reaches it after a box and after a menu (no window manager runs), and the
# wheel scrolls the page under the pointer while the tree has the focus.
# Usage: message_box_storm.sh PATH/TO/tavra [ROUNDS] [SCREENSHOT_DIR]
set -u
export TAVRA_E2E_PROGRAM=$(readlink -f "$1") TAVRA_E2E_ROUNDS=${2:-100} TAVRA_E2E_SHOTS=${3:-}
exec xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
  set -u
  cd "$(dirname "$TAVRA_E2E_PROGRAM")"
  "$TAVRA_E2E_PROGRAM" 2>/tmp/tavra-storm-stderr.$$ & pid=$!
  load=()
  cleanup() { kill "${load[@]}" 2>/dev/null; kill $pid 2>/dev/null; }
  trap cleanup EXIT
  fail() { echo "$1" >&2; cat /tmp/tavra-storm-stderr.$$; [ -n "$TAVRA_E2E_SHOTS" ] && import -window root "$TAVRA_E2E_SHOTS/e2e-storm-failure.png"; exit 1; }
  # The visible window of ROLE: the class of the window (MainWindow, TestingWindow, ResultWindow,
  # TMessageForm a message box); the window that carries the taskbar entry is
  # titled after the program, whichever it is.
  find_window() {
    for w in $(xdotool search --onlyvisible --name "." 2>/dev/null); do
      role=$(xprop -id "$w" WM_WINDOW_ROLE 2>/dev/null | sed -n "s/^WM_WINDOW_ROLE(STRING) = \"\(.*\)\"$/\1/p")
      [ "$role" = "$1" ] && { echo "$w"; return 0; }
    done
    return 1
  }
  wait_for() {
    for i in $(seq 1 300); do
      found=$(find_window "$1")
      if [ "${2:-}" = gone ]; then [ -z "$found" ] && return 0; else [ -n "$found" ] && { echo "$found"; return 0; }; fi
      kill -0 $pid 2>/dev/null || { echo "the program ended in round $round" >&2; return 2; }
      sleep 0.05
    done
    return 1
  }
  round=0
  wait_for MainWindow >/dev/null || fail "no main window"
  sleep 0.5
  for n in 1 2; do ( while :; do :; done ) & load+=($!); done
  xdotool mousemove 60 136; sleep 0.1; xdotool click 1   # "Введение"
  for round in $(seq 1 "$TAVRA_E2E_ROUNDS"); do
    xdotool mousemove 148 711; sleep 0.1; xdotool click 1  # "Приложения"
    box=$(wait_for TMessageForm) || fail "no box in round $round"
    case $((round % 3)) in
      0) xdotool key Return ;;
      1) xdotool key space ;;
      2) eval $(xdotool getwindowgeometry --shell "$box")
         xdotool mousemove $((X + WIDTH / 2)) $((Y + HEIGHT - 3 - 12 - 12)); sleep 0.1; xdotool click 1 ;;
    esac
    wait_for TMessageForm gone || fail "the box stayed open in round $round"
  done
  kill "${load[@]}" 2>/dev/null; load=()
  kill -0 $pid 2>/dev/null || fail "the program ended after the last round"
  # The keyboard still reaches the main window after a box: the button that opened it has the
  # focus again, and Space presses it.
  xdotool key space
  wait_for TMessageForm >/dev/null || fail "the keyboard no longer reaches the main window after a box"
  xdotool key Return
  wait_for TMessageForm gone || fail "the last box stayed open"
  # And after a menu: F10, Down, Esc, Esc, then Down moves the tree selection, which the tree and
  # the section label of the top bar show.
  xdotool mousemove 60 136; sleep 0.1; xdotool click 1; sleep 0.3
  xdotool key F10; sleep 0.2; xdotool key Down; sleep 0.2; xdotool key Escape; sleep 0.2; xdotool key Escape; sleep 0.3
  before=$(import -window root -crop 265x80+20+95 png:- | md5sum)
  xdotool key Down; sleep 0.5
  after=$(import -window root -crop 265x80+20+95 png:- | md5sum)
  [ "$before" != "$after" ] || fail "the keyboard no longer reaches the tree after a menu"
  # The wheel turns the page under the pointer although the tree has the focus.
  xdotool mousemove 640 450; sleep 0.3
  before=$(import -window root -crop 680x560+300+140 png:- | md5sum)
  xdotool click --repeat 3 --delay 50 5; sleep 0.5
  after=$(import -window root -crop 680x560+300+140 png:- | md5sum)
  [ "$before" != "$after" ] || fail "three notches of the wheel over the page did not scroll it"
  if grep -q "X Error" /tmp/tavra-storm-stderr.$$; then fail "Xlib reported an error it would have died of"; fi
  echo "survived $TAVRA_E2E_ROUNDS boxes"
  exit 0
'
