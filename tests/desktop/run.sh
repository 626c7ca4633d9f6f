#!/usr/bin/env bash
# Drives the built window program on a private X server with nothing but X key and mouse
# events, as a user's keyboard and mouse do, saves with Ctrl+S and reads the saved clone file
# back with tessel-cli dump.
#   tests/desktop/run.sh TESSEL TESSEL_CLI
# Each case starts Tessel on a new document of its own, so that one failing case cannot
# spoil the next. Needs Xvfb, xdotool and jq.
set -uo pipefail

if [ $# -ne 2 ]; then
  echo "usage: $0 TESSEL TESSEL_CLI" >&2
  exit 1
fi
for tool in Xvfb xdotool jq md5sum; do
  command -v "$tool" >/dev/null || { echo "$0 needs $tool (scripts/dev installs it)" >&2; exit 1; }
done
tessel=$(realpath "$1")
cli=$(realpath "$2")

work=$(mktemp -d)
xvfb_pid=""
tessel_pid=""

readonly screen_size=1280x1024x24
readonly key_delay_ms=30

# --- Processes --------------------------------------------------------------------------

cleanup() {
  stop_tessel
  if [ -n "$xvfb_pid" ]; then
    kill "$xvfb_pid" 2>/dev/null
    wait "$xvfb_pid" 2>/dev/null
  fi
  rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

# fail MESSAGE: ends the current case (each case runs in a subshell of its own).
fail() {
  echo "  $*"
  if [ -n "$tessel_pid" ] && ! kill -0 "$tessel_pid" 2>/dev/null; then
    echo "  (tessel had ended)"
  else
    echo "  windows shown: $(tessel_windows | cut -d' ' -f2- | paste -sd '|')"
  fi
  exit 1
}

# wait_until SECONDS COMMAND...: polls COMMAND until it succeeds, false after SECONDS.
wait_until() {
  local deadline=$((SECONDS + $1))
  shift
  until "$@"; do
    [ "$SECONDS" -lt "$deadline" ] || return 1
    sleep 0.1
  done
}

# Xvfb picks a free display number itself and writes it to the file descriptor, so that two
# runs at once cannot race for the same number. Without -noreset the server resets when its
# last client goes, and refuses the next case's Tessel while it does.
start_x_server() {
  Xvfb -displayfd 3 -noreset -screen 0 "$screen_size" -nolisten tcp 3>"$work/display" >"$work/xvfb.log" 2>&1 &
  xvfb_pid=$!
  wait_until 10 test -s "$work/display" || { cat "$work/xvfb.log"; return 1; }
  DISPLAY=":$(cat "$work/display")"
  export DISPLAY
}

# A settings folder of a user who chose destination 15 before (otherwise the first-start
# setup shows).
write_settings() {
  local home=$1
  mkdir -p "$home/.config/Quor" "$home/run"
  chmod 700 "$home/run"
  cat >"$home/.config/Quor/Tessel.conf" <<'EOF'
[Global]
BBT=753951
ComSpeedHigh=1

[Setup]
Etc%20Data=3932224
EOF
}

# start_tessel FOLDER: a new document FOLDER/radio.qmf, opened by Tessel with the settings
# in FOLDER/home.
start_tessel() {
  local folder=$1
  write_settings "$folder/home"
  "$cli" new --destination 15 -o "$folder/radio.qmf" || fail "tessel-cli new failed"
  document="$folder/radio.qmf"
  launch_tessel "$folder" "$document"
  wait_until 20 main_window_shown || fail "the main window did not show"
  focus_tree
}

# launch_tessel FOLDER [ARGUMENT...]: Tessel with the settings, state and runtime folders in
# FOLDER/home, its output appended to FOLDER/tessel.log.
launch_tessel() {
  local folder=$1
  shift
  HOME="$folder/home" XDG_CONFIG_HOME="$folder/home/.config" XDG_RUNTIME_DIR="$folder/home/run" \
    XDG_STATE_HOME="$folder/home/.local/state" QT_QPA_PLATFORM=xcb "$tessel" "$@" >>"$folder/tessel.log" 2>&1 &
  tessel_pid=$!
}

stop_tessel() {
  [ -n "$tessel_pid" ] || return 0
  kill "$tessel_pid" 2>/dev/null
  wait "$tessel_pid" 2>/dev/null
  tessel_pid=""
}

# --- Windows ----------------------------------------------------------------------------

# Prints "ID NAME" for each mapped window of the program. xdotool matches names without
# regard to case, and a message box ("Tessel") and a pop-up list ("tessel") differ only in
# that, so the names are compared here.
tessel_windows() {
  local id
  for id in $(xdotool search --onlyvisible --class tessel 2>/dev/null); do
    echo "$id $(xdotool getwindowname "$id" 2>/dev/null)"
  done
}

window_named() { tessel_windows | awk -v name="$1" '{ id = $1; $1 = ""; if (substr($0, 2) == name) print id }'; }
main_window() { tessel_windows | awk '/ - Tessel$/ { print $1; exit }'; }
main_window_shown() { [ -n "$(main_window)" ]; }
message_box_shown() { [ -n "$(window_named Tessel)" ]; }
popup_shown() { [ -n "$(window_named tessel)" ]; }
no_message_box() { ! message_box_shown; }
no_popup() { ! popup_shown; }
main_window_focused() { [ "$(xdotool getwindowfocus 2>/dev/null)" = "$(main_window)" ]; }

# click_at DX DY: a click at DX from the main window's left edge and DY above its bottom edge.
# Without a window manager a window takes keys only after a click into it, and keys go to
# the window under the pointer; the pointer stays there, away from the pop-up lists it could
# otherwise pick from by hovering.
click_at() {
  local x y height
  read -r x y height < <(xdotool getwindowgeometry --shell "$(main_window)" |
    awk -F= '{ v[$1] = $2 } END { print v["X"], v["Y"], v["HEIGHT"] }')
  xdotool mousemove $((x + $1)) $((y + height - $2)) click 1
  wait_until 5 main_window_focused || fail "the main window did not take the focus"
}

# The click lands in the tree's empty lower part (the tree is collapsed at start), which
# focuses the tree without choosing a node.
focus_tree() { click_at 40 100; }

# When a message box closes, the focus goes back to no window, and the main window's
# shortcuts (Ctrl+S) stay dead until a click. A click on the status bar makes the window
# take keys again and leaves the page's cursor where it was.
refocus_window() { click_at 40 8; }

# --- Input ------------------------------------------------------------------------------

# keys KEY...: presses the keys one after the other; N*KEY presses KEY N times.
keys() {
  local key i pressed=()
  for key in "$@"; do
    if [[ $key =~ ^([0-9]+)\*(.+)$ ]]; then
      for ((i = 0; i < BASH_REMATCH[1]; i++)); do pressed+=("${BASH_REMATCH[2]}"); done
    else
      pressed+=("$key")
    fi
  done
  xdotool key --delay "$key_delay_ms" "${pressed[@]}" || fail "xdotool key $* failed"
}

# type_text DELAY_MS TEXT: types TEXT as the keyboard does (Shift for capitals).
type_text() { xdotool type --delay "$1" "$2" || fail "xdotool type $2 failed"; }

# Selects a tree node with KEYS (the tree has the focus) and moves into its page at once:
# the tree opens a chosen page after a short delay, but Tab does not wait for it.
open_page() { keys "$@" Tab; }

# The memory channel page "0 - 99": Memory CH > All > 0 - 99.
open_memory_page() { open_page Down Right Down Right Down; }
# "Common Setting" is the last but one node of the top level.
open_common_setting() { open_page End Up; }
# The first repeater group: Digital (three above the last top-level node) > Repeater List > 01.
open_repeater_group() { open_page End Up Up Up Right Down Down Right Down Down; }

# pick_from_list KEYS...: opens the current cell's pop-up list with Enter, moves in it with
# KEYS and picks with Enter.
pick_from_list() {
  keys Return
  wait_until 5 popup_shown || fail "Enter opened no pop-up list"
  keys "$@" Return
  wait_until 5 no_popup || fail "the pop-up list stayed open"
}

# answer_question KEY: the message box that is about to show gets KEY.
answer_question() {
  wait_until 5 message_box_shown || fail "no question was asked"
  keys "$1"
  wait_until 5 no_message_box || fail "the question stayed open"
  refocus_window
}

# Ctrl+S, then waits until the file changed on disk. Questions on the way (whether to
# correct warnings) get Enter, their default: keep the values as typed.
save_document() {
  local before
  before=$(md5sum <"$document")
  keys ctrl+s
  local deadline=$((SECONDS + 15))
  while [ "$(md5sum <"$document")" = "$before" ]; do
    [ "$SECONDS" -lt "$deadline" ] || fail "Ctrl+S did not write $document"
    if message_box_shown; then
      echo "  (a question on saving was answered with Enter)"
      answer_question Return
    fi
    sleep 0.1
  done
}

# --- Checks -----------------------------------------------------------------------------

# expect LIST FILTER EXPECTED: the jq FILTER over `tessel-cli dump --list LIST --json` of the
# saved file must give the JSON EXPECTED.
expect() {
  local list=$1 filter=$2 expected actual dump
  expected=$(jq -c . <<<"$3") || fail "bad expected JSON: $3"
  dump=$("$cli" dump "$document" --list "$list" --json) || fail "tessel-cli dump --list $list failed"
  actual=$(jq -c "$filter" <<<"$dump") || fail "jq filter failed: $filter"
  [ "$actual" = "$expected" ] && return 0
  echo "  dump --list $list | $filter"
  echo "  expected: $expected"
  echo "  dump showed: $actual"
  echo "  whole dump (first lines):"
  head -n 20 <<<"$dump" | sed 's/^/    /'
  exit 1
}

# --- Cases ------------------------------------------------------------------------------
# A new document holds channel 0 (145.000000 MHz) and channel 1 (433.000000 MHz, offset 5 MHz).
# Columns of the memory page from the left: Operating Freq, DUP, Offset Freq, TS, Mode, Name,
# Skip, Tone, Repeater Tone, TSQL Freq, DTCS, DTCS Polarity, DSQL, Code, Your, RPT1, RPT2.

# Capitals need Shift: typing "HELLO" once kept only "O". The name goes in slowly, key by key
# as a hesitant user types it.
case_typed_cells() {
  open_memory_page
  keys Down Down
  type_text 30 "145.525"
  keys Return 5*Right # Name
  type_text 400 "HELLO"
  keys Return 9*Right # Your
  type_text 30 "DL2ABC"
  keys Return
  save_document
  expect memory 'map(select(.index == 2) | {frequency, name, your_call})' \
    '[{"frequency": 145525000, "name": "HELLO", "your_call": "DL2ABC"}]'
}

# Picks with the arrow keys: +DUP for channel 0, DV for channel 1.
case_popup_pick() {
  open_memory_page
  keys Right
  pick_from_list Down Down # DUP: OFF, -DUP, +DUP
  keys Down 3*Right        # Mode of channel 1
  pick_from_list Down Down # Mode: FM, FM-N, DV
  save_document
  expect memory 'map({index, duplex, mode})' \
    '[{"index": 0, "duplex": 2, "mode": "FM"}, {"index": 1, "duplex": 0, "mode": "DV"}]'
}

# Channels 0 and 1 copied and pasted at channel 1, so that channel 1 becomes channel 0's copy
# and channel 2 channel 1's; overwriting channel 1 asks first.
case_copy_paste() {
  open_memory_page
  keys shift+Down ctrl+c Up Down ctrl+v
  answer_question Return # "Overwriting. Are you sure?" OK
  save_document
  expect memory 'map({index, frequency, offset})' \
    '[{"index": 0, "frequency": 145000000, "offset": 0},
      {"index": 1, "frequency": 145000000, "offset": 0},
      {"index": 2, "frequency": 433000000, "offset": 5000000}]'
}

# Ctrl+Z takes back the last typed value only.
case_undo() {
  open_memory_page
  keys 5*Right # Name
  type_text 30 "KEEP"
  keys Return Down
  type_text 30 "DROP"
  keys Return ctrl+z
  save_document
  expect memory 'map({index, name})' '[{"index": 0, "name": "KEEP"}, {"index": 1, "name": ""}]'
}

# A number item (CI-V Address, hexadecimal, the 32nd row) and the text item at the bottom
# (Comment; Page Down stops at the last row).
case_common_setting() {
  open_common_setting
  keys 31*Down
  type_text 30 "5A"
  keys Return 20*Next
  type_text 30 "FIELD DAY 24"
  keys Return
  save_document
  expect settings 'map(select(.item == "CIV_Address" or .item == "CloneComment") | {item, text})' \
    '[{"item": "CIV_Address", "text": "5A"}, {"item": "CloneComment", "text": "FIELD DAY 24"}]'
}

# Enter on the "New" row adds an entry and opens its Type list at once; the pick lands on the
# entry the row became. Columns from the left: Type, Name, Sub Name, Repeater Call Sign,
# Gateway Call Sign, Operating Freq.
case_repeater_entry() {
  open_repeater_group
  pick_from_list Down Down # Type: DV Repeater, DV Simplex, FM Repeater
  keys Right
  type_text 30 "HILLTOP"
  keys Return 4*Right
  type_text 30 "439.5"
  keys Return
  save_document
  expect repeaters 'map({group, name, mode, frequency})' \
    '[{"group": 0, "name": "HILLTOP", "mode": "FM", "frequency": 439500000}]'
}

# The power goes while typed values are unsaved: the window is killed with SIGKILL once it has
# kept its recovery copy. Started again, it offers the copy; Enter takes the default, Recover,
# and Ctrl+S writes the original file, which must hold the same bytes as saving the same typing
# without a crash gave.
type_channel_edits() {
  open_memory_page
  keys Down Down
  type_text 30 "145.525"
  keys Return 5*Right # Name
  type_text 30 "RESCUE"
  keys Return
}

recovery_copy_kept() { compgen -G "$1/home/.local/state/tessel/recovery/*.recovery" >/dev/null; }
no_recovery_copy() { ! recovery_copy_kept "$1"; }

case_recovered_after_kill() {
  local folder=$work/recovered_after_kill
  cp "$document" "$folder/unchanged.qmf"
  type_channel_edits
  save_document
  cp "$document" "$folder/saved.qmf"
  stop_tessel
  cp "$folder/unchanged.qmf" "$document"

  launch_tessel "$folder" "$document"
  wait_until 20 main_window_shown || fail "the main window did not show again"
  focus_tree
  type_channel_edits
  wait_until 10 recovery_copy_kept "$folder" || fail "no recovery copy was kept"
  kill -KILL "$tessel_pid"
  wait "$tessel_pid" 2>/dev/null
  tessel_pid=""
  cmp -s "$document" "$folder/unchanged.qmf" || fail "the killed window had changed the file"

  launch_tessel "$folder"
  wait_until 20 recovery_dialog_shown || fail "the recovery dialog did not show"
  keys Return
  wait_until 5 no_recovery_dialog || fail "the recovery dialog stayed open"
  [ "$(xdotool getwindowname "$(main_window)")" = "radio.qmf - Tessel" ] ||
    fail "the recovered document is not named as its file"
  refocus_window
  save_document
  cmp "$document" "$folder/saved.qmf" || fail "the recovered and saved file differs from the one saved before"
  wait_until 3 no_recovery_copy "$folder" || fail "a recovery copy is left after the save"
}

recovery_dialog_shown() { [ -n "$(window_named "Recover unsaved changes")" ]; }
no_recovery_dialog() { ! recovery_dialog_shown; }

readonly cases=(typed_cells popup_pick copy_paste undo common_setting repeater_entry recovered_after_kill)

# run_case NAME: in a subshell, so that fail ends this case alone.
run_case() {
  local folder="$work/$1"
  mkdir -p "$folder"
  trap stop_tessel EXIT
  start_tessel "$folder"
  "case_$1"
}

main() {
  start_x_server || { echo "Xvfb did not start"; exit 1; }
  local name passed=0 failed=()
  for name in "${cases[@]}"; do
    echo "case $name"
    if (run_case "$name"); then
      echo "  passed"
      passed=$((passed + 1))
    else
      failed+=("$name")
      echo "FAILED: $name; tessel log:"
      sed 's/^/    /' "$work/$name/tessel.log"
      [ -s "$work/$name/tessel.log" ] || echo "    (empty)"
    fi
  done
  [ ${#failed[@]} -eq 0 ] || echo "failed cases: ${failed[*]}"
  echo "desktop: ${passed} passed, ${#failed[@]} failed"
  [ ${#failed[@]} -eq 0 ]
}

main
