# The real program under a real X server: the splash screen at start, then from the configuration
# window the setup dialog (both pages), the log viewer with alert and outcome lines, and the about box.
# Each is found by its title; screenshots go to the folder given as the second argument.
PROGRAM=$1
SHOTS=${2:-}
source "$(dirname "$0")/lib.sh"
start_desktop

install_copy "$T/guard"
mkdir -p "$T/site"
echo '<h1>Welcome</h1>' > "$T/site/index.html"
watch_file "$T/guard" "$T/site/index.html"
settings "$T/guard" 30 "$T/guard/vostrelund.log"
printf 'Alert [Mon 03 Jul 14:05]: %s - Date mismatch\r\n *** FIXED ***\r\n\r\nAlert [Mon 03 Jul 15:10]: %s - File data changed\r\n (Ignored by user)\r\n\r\n' \
  "$T/site/index.html" "$T/site/index.html" > "$T/guard/vostrelund.log"

(cd "$T/guard" && exec env QT_QPA_PLATFORM=xcb ./vostrelund) >"$T/out.log" 2>&1 &
PIDS+=($!)
splash=$(window '^Vostrelund$') || fail "no splash screen"
shot splash
wait_for 6 gone '^Vostrelund$' || fail "the splash screen did not close by itself"

wait_for 10 test -d "$T/guard/Backup" || fail "the program did not start"
sleep 0.5
click_tray_icon
config=$(window 'Configuration$') || fail "the configuration window did not show"

xdotool windowfocus --sync "$config" key alt+s t
setup=$(window '^Vostrelund - Timer Setup$') || fail "no setup dialog"
sleep 0.5
shot setup-options
xdotool windowfocus --sync "$setup" key ctrl+Tab
sleep 0.5
shot setup-settings
xdotool windowfocus --sync "$setup" key Escape  # cancels, as the Cancel button does
wait_for 5 gone '^Vostrelund - Timer Setup$' || fail "the setup dialog did not close"

# open_shot_close KEYS TITLE SHOT: opens a dialog from the configuration window's menu, takes its
# screenshot, and closes it with Enter (its default button)
open_shot_close() {
  local dialog
  xdotool windowfocus --sync "$config" key $1
  dialog=$(window "$2") || fail "no window titled $2"
  sleep 0.5
  shot "$3"
  xdotool windowfocus --sync "$dialog" key Return
  wait_for 5 gone "$2" || fail "$2 did not close with Enter"
}
open_shot_close "alt+s l" '^Tessaryne Vostrelund Log$' log
open_shot_close "alt+h a" '^About$' about
echo "1 passed, 0 failed"
