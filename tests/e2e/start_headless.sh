# Starts the program without a notification area, from another working folder, and checks that it keeps
# its state beside its executable, reads the prepared list and settings, checks the list at its first
# tick, and runs on.
PROGRAM=$1
source "$(dirname "$0")/lib.sh"

install_copy "$T/guard"
# a prepared list (NUL-terminated fields) and a settings file that must come through untouched
printf 'index.html\0%s\0%s\0Checked (OK)\0' "$T/gone/" "4 KB" > "$T/guard/vostrelund.dta"
head -c 536 /dev/zero > "$T/guard/vostrelund.ini"
ini_before=$(sha1sum < "$T/guard/vostrelund.ini")
mkdir "$T/elsewhere"

(cd "$T/elsewhere" && exec env QT_QPA_PLATFORM=offscreen "$T/guard/vostrelund" some arguments to ignore) \
  > "$T/out.log" 2>&1 &
PIDS+=($!)
wait_for 10 test -d "$T/guard/Backup" || fail "no backup folder beside the executable"
sleep 3
kill -0 "${PIDS[0]}" 2>/dev/null || { cat "$T/out.log"; fail "the program ended by itself"; }
[ -z "$(ls -A "$T/elsewhere")" ] || fail "the program wrote into its working folder: $(ls -A "$T/elsewhere")"
[ -z "$(ls -A "$T/guard/Backup")" ] || fail "the backup folder is not empty"
# the first tick checked the row of the list: its file is gone
printf 'index.html\0%s\0%s\0Doesn'"'"'t exist\0' "$T/gone/" "4 KB" > "$T/expected.dta"
cmp -s "$T/expected.dta" "$T/guard/vostrelund.dta" ||
  fail "the list file does not hold the checked row: $(cat -v "$T/guard/vostrelund.dta")"
[ -S "$XDG_RUNTIME_DIR/Tessaryne Vostrelund" ] || fail "no single-instance socket"
echo "1 passed, 0 failed"
