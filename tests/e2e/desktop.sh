# The real program under a real X server with a notification area: its tray icon docks, a left click
# shows the configuration window with the watched files, a defaced page raises the alert dialog with its
# countdown, and Enter (Fix, the default button) restores the page at once. Screenshots of each step go
# to the folder given as the second argument, to be looked at.
PROGRAM=$1
SHOTS=${2:-}
source "$(dirname "$0")/lib.sh"
start_desktop

install_copy "$T/guard"
cp "$(dirname "$PROGRAM")/alert.wav" "$T/guard/" 2>/dev/null || true
mkdir -p "$T/site/img"
for page in index.html about.html contact.html; do echo "<h1>$page</h1>" > "$T/site/$page"; done
echo 'GIF89a' > "$T/site/img/logo.gif"
for f in "$T/site/index.html" "$T/site/about.html" "$T/site/contact.html" "$T/site/img/logo.gif"; do
  watch_file "$T/guard" "$f"
done
settings "$T/guard" 2 "$T/guard/vostrelund.log"

(cd "$T/guard" && exec env QT_QPA_PLATFORM=xcb ./vostrelund) >"$T/out.log" 2>&1 &
PIDS+=($!)
checked() { [ "$(tr '\0' '\n' < "$T/guard/vostrelund.dta" | grep -c '^Checked (OK)$')" -eq 4 ]; }
wait_for 15 checked || { cat "$T/out.log"; fail "the first check pass did not pass the files"; }
shot tray

# a left click on the icon shows the configuration window
click_tray_icon
config=$(timeout 10 xdotool search --sync --onlyvisible --name 'Configuration$' | head -n 1) ||
  fail "the configuration window did not show"
sleep 0.5
shot configuration

echo '<h1>defaced</h1>' > "$T/site/index.html"
alert=$(timeout 15 xdotool search --sync --onlyvisible --name '^Alert!$' | head -n 1) || fail "no alert dialog"
sleep 2.2
shot alert
[ "$(cat "$T/site/index.html")" = '<h1>defaced</h1>' ] || fail "fixed before anybody decided"
xdotool windowfocus --sync "$alert" key Return
restored() { [ "$(cat "$T/site/index.html")" = '<h1>index.html</h1>' ]; }
wait_for 5 restored || fail "Fix did not restore the page"
sleep 0.5
shot fixed
grep -q ' \*\*\* FIXED \*\*\*' "$T/guard/vostrelund.log" || fail "no outcome line in the log"
echo "1 passed, 0 failed"
