# The real program under a real X server: the splash screen at start, then from the configuration
# window the setup dialog (both pages), the log viewer with alert and outcome lines, and the about box.
# Each is found by its title; screenshots go to the folder given as the second argument.
PROGRAM=$1
SHOTS=${2:-}
source "$(dirname "$0")/lib.sh"
for tool in Xvfb xdotool trayer import; do
  command -v "$tool" >/dev/null || fail "$tool is missing (the README's test command installs it)"
done
shot() { if [ -n "$SHOTS" ]; then mkdir -p "$SHOTS" && import -window root "$SHOTS/$1.png"; fi; }
window() { timeout 10 xdotool search --sync --onlyvisible --name "$1" | head -n 1; }
gone() { ! xdotool search --onlyvisible --name "$1" >/dev/null 2>&1; }

Xvfb -displayfd 5 -screen 0 800x600x24 -nolisten tcp 5>"$T/dpy" 2>"$T/xvfb.log" &
PIDS+=($!)
wait_for 10 test -s "$T/dpy" || fail "Xvfb did not start"
export DISPLAY=":$(cat "$T/dpy")"
trayer --edge top --align right --widthtype request --height 32 --transparent false --tint 0x404040 \
  >/dev/null 2>&1 &
PIDS+=($!)
wait_for 10 xdotool search --classname '^trayer$' >/dev/null 2>&1 || fail "no notification area"

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

panel=$(xdotool search --classname '^panel$' | head -n 1)
eval "$(xdotool getwindowgeometry --shell "$panel")"
wait_for 10 test -d "$T/guard/Backup" || fail "the program did not start"
sleep 0.5
xdotool mousemove $((X + WIDTH - 12)) $((Y + HEIGHT / 2)) click 1
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

xdotool windowfocus --sync "$config" key alt+s l
log=$(window '^Tessaryne Vostrelund Log$') || fail "no log viewer"
sleep 0.5
shot log
xdotool windowfocus --sync "$log" key Return
wait_for 5 gone '^Tessaryne Vostrelund Log$' || fail "the log viewer did not close with Enter"

xdotool windowfocus --sync "$config" key alt+h a
about=$(window '^About$') || fail "no about box"
sleep 0.5
shot about
xdotool windowfocus --sync "$about" key Return
wait_for 5 gone '^About$' || fail "the about box did not close with Enter"
echo "1 passed, 0 failed"
