#!/usr/bin/env bash
# End to end: the whole self-test on the real program under a virtual display. Open the testing
# window with "тесты", type the personal data (Cyrillic), choose variant 1, answer the ten
# questions, submit, view the result, and wait for the countdown to return to the textbook.
# Usage: selftest_flow.sh PATH/TO/tavra [SCREENSHOT_DIR]
# Screen positions are the windows' fixed layout (the same on the headless display).
set -u
export TAVRA_E2E_PROGRAM=$1 TAVRA_E2E_SHOTS=${2:-}
exec xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
  set -u
  cd "$(dirname "$TAVRA_E2E_PROGRAM")"
  "$TAVRA_E2E_PROGRAM" & pid=$!
  fail() { echo "$1"; [ -n "$TAVRA_E2E_SHOTS" ] && import -window root "$TAVRA_E2E_SHOTS/e2e-failure.png"; kill $pid 2>/dev/null; exit 1; }
  shot() { [ -n "$TAVRA_E2E_SHOTS" ] && import -window root "$TAVRA_E2E_SHOTS/$1.png"; true; }
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
  # wait_for ROLE [gone]: a window of ROLE appears (or goes).
  wait_for() {
    for i in $(seq 1 400); do
      found=$(find_window "$1")
      if [ "${2:-}" = gone ]; then [ -z "$found" ] && return 0; else [ -n "$found" ] && return 0; fi
      kill -0 $pid 2>/dev/null || fail "the program ended unexpectedly"
      sleep 0.1
    done
    return 1
  }
  click() { xdotool mousemove "$1" "$2"; sleep 0.15; xdotool click 1; sleep 0.3; }

  wait_for MainWindow || fail "no main window"
  sleep 0.5
  click 240 680                                   # "тесты"
  wait_for TestingWindow || fail "no testing window"
  sleep 0.5
  click 321 167; xdotool type --delay 60 "Иванов"  # Фамилия
  click 321 207; xdotool type --delay 60 "Петр"    # Имя
  click 321 247; xdotool type --delay 60 "Сергеевич"  # Отчество
  click 194 112                                   # "Вариант 1"
  # The answer key of variant 1: A D C A D C D D C D; radio buttons A..E from x = 500, 82 apart.
  key=(0 3 2 0 3 2 3 3 2 3)
  for q in 1 2 3 4 5 6 7; do
    click $((504 + 54 * (q - 1))) 159
    click $((500 + 82 * ${key[$((q - 1))]})) 215
  done
  for i in 1 2 3; do click 896 158; done         # scroll the question tabs by three
  for q in 8 9 10; do
    click $((720 + 54 * (q - 8))) 159
    click $((500 + 82 * ${key[$((q - 1))]})) 215
  done
  shot e2e-testing
  click 689 253                                   # "Сдать тест"
  sleep 0.5
  click 829 253                                   # "Посмотреть результат"
  wait_for ResultWindow || fail "no result window"
  sleep 1
  shot e2e-result
  wait_for ResultWindow gone || fail "the result window did not close by itself"
  wait_for MainWindow || fail "not back at the textbook"
  shot e2e-back
  kill $pid
  wait $pid 2>/dev/null
  echo "self-test flow done"
  exit 0
'
