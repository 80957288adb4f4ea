# The built program, headless, from a folder of its own with a prepared settings file and list: a
# watched page is defaced, and the automatic fix restores it within 25 seconds, marks its row
# " (fixed)" in the list file and writes the alert and outcome lines to the log.
PROGRAM=$1
source "$(dirname "$0")/lib.sh"

install_copy "$T/guard"
mkdir -p "$T/site/news"
echo '<h1>Welcome</h1>' > "$T/site/index.html"
echo '<p>Old news</p>' > "$T/site/news/today.html"
watch_file "$T/guard" "$T/site/index.html"
watch_file "$T/guard" "$T/site/news/today.html"
settings "$T/guard" 1 "$T/guard/vostrelund.log"

(cd "$T/guard" && exec env QT_QPA_PLATFORM=offscreen ./vostrelund) >"$T/out.log" 2>&1 &
PIDS+=($!)
checked() { [ "$(tr '\0' '\n' < "$T/guard/vostrelund.dta" | grep -c '^Checked (OK)$')" -eq 2 ]; }
wait_for 10 checked || { cat "$T/out.log"; fail "the first check pass did not pass both files"; }

echo '<h1>pwned</h1>' > "$T/site/index.html"
damaged=$(date +%s)
restored() { [ "$(cat "$T/site/index.html")" = '<h1>Welcome</h1>' ]; }
wait_for 25 restored || fail "the page was not restored within 25 seconds"
echo "restored after $(( $(date +%s) - damaged )) s"

rows=$(tr '\0' '\n' < "$T/guard/vostrelund.dta" | paste -d '|' - - - -)
expected="index.html|$T/site/|0 KB|Date mismatch (fixed)"
wait_for 5 grep -qxF "$expected" <(tr '\0' '\n' < "$T/guard/vostrelund.dta" | paste -d '|' - - - -) \
  || fail "no fixed row in the list file: $rows"
log=$(cat "$T/guard/vostrelund.log")
pattern=$'^Alert \\[[A-Z][a-z]{2} [0-3][0-9] [A-Z][a-z]{2} [0-2][0-9]:[0-5][0-9]\\]: '"$T/site/index.html"$' - Date mismatch\r\n \\*\\*\\* FIXED \\*\\*\\*\r\n\r$'
[[ "$log" =~ $pattern ]] || { printf '%q\n' "$log"; fail "the log does not hold the alert and outcome lines"; }
[ "$(cat "$T/site/news/today.html")" = '<p>Old news</p>' ] || fail "the other page changed"
kill -0 "${PIDS[0]}" || fail "the program ended"
echo "1 passed, 0 failed"
