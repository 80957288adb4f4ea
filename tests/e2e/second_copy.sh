# Under a real X server with a notification area: the first copy docks its tray icon; a second copy,
# from another folder, shows "Vostrelund already running!", ends with exit code 0 once it is dismissed,
# and creates nothing.
PROGRAM=$1
SHOTS=${2:-}
source "$(dirname "$0")/lib.sh"
start_desktop

install_copy "$T/first"
(cd "$T/first" && exec env QT_QPA_PLATFORM=xcb ./vostrelund) >"$T/first.log" 2>&1 &
PIDS+=($!)
wait_for 10 test -d "$T/first/Backup" || fail "the first copy did not start"
sleep 1

install_copy "$T/second"
(cd "$T/second" && exec env QT_QPA_PLATFORM=xcb ./vostrelund) >"$T/second.log" 2>&1 &
second=$!
box=$(timeout 15 xdotool search --sync --name '^Tessaryne Vostrelund$' | head -n 1) || fail "no message box"
sleep 0.5
shot second-copy
[ "$(ls -A "$T/second")" = "vostrelund" ] || fail "the second copy created files: $(ls -A "$T/second")"
xdotool windowfocus --sync "$box" key Return
status=0
timeout 10 tail --pid="$second" -f /dev/null || fail "the second copy did not end"
wait "$second" || status=$?
[ "$status" -eq 0 ] || fail "the second copy ended with exit code $status"
[ "$(ls -A "$T/second")" = "vostrelund" ] || fail "the second copy created files: $(ls -A "$T/second")"
kill -0 "${PIDS[2]}" 2>/dev/null || fail "the first copy ended"
echo "1 passed, 0 failed"
