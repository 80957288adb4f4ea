# Shared by the end-to-end scripts: a private temp folder and runtime folder, cleaned up on exit.
set -euo pipefail
T=$(mktemp -d /tmp/vostrelund-e2e-XXXXXX)
export XDG_RUNTIME_DIR="$T/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
PIDS=()
cleanup() {
  for p in "${PIDS[@]}"; do kill "$p" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$T"
}
trap cleanup EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }

# wait_for SECONDS COMMAND...: polls until the command succeeds
wait_for() {
  local limit=$1; shift
  local i
  for ((i = 0; i < limit * 20; i++)); do "$@" && return 0; sleep 0.05; done
  return 1
}

# install_copy FOLDER: the program in a folder of its own, as a user would unpack it
install_copy() {
  mkdir -p "$1"
  cp "$PROGRAM" "$1/vostrelund"
}

# watch_file GUARD_FOLDER PATH: puts a file on the guard's watch list as Add file(s) would: a backup copy
# with the file's stamp (an even second, as the DOS packed form keeps it) and a row in the list file.
watch_file() {
  local guard=$1 path=$2
  local name=${path//\//_}
  name=${name//:/\~}
  mkdir -p "$guard/Backup"
  touch -d '2024-05-06 07:08:10' "$path"
  cp -p "$path" "$guard/Backup/$name"
  local size=$(( $(stat -c %s "$path") / 1024 ))
  [ "$size" -eq 0 ] || size=$((size + 1))
  printf '%s\0%s\0%s\0%s\0' "$(basename "$path")" "$(dirname "$path")/" "$size KB" "Not checked" \
    >> "$guard/vostrelund.dta"
}

# settings GUARD_FOLDER INTERVAL LOG: a settings record (tag 26 07 00 44): dates and contents checked,
# pausing allowed, sound on, auto fix on, the log kept at LOG.
settings() {
  local guard=$1 interval=$2 log=$3
  python3 - "$guard/vostrelund.ini" "$interval" "$log" "$guard/alert.wav" <<'PY'
import struct, sys
path, interval, log, sound = sys.argv[1], int(sys.argv[2]), sys.argv[3].encode(), sys.argv[4].encode()
record = struct.pack('<II', 0x44000726, interval) + bytes([1, 1, 0, 1, 0, 1])
record += sound.ljust(260, b'\0') + bytes([1, 1]) + log.ljust(260, b'\0')
assert len(record) == 536
open(path, 'wb').write(record)
PY
}

# start_desktop: a virtual X server with a notification area (trayer); DISPLAY points at it.
start_desktop() {
  local tool
  for tool in Xvfb xdotool trayer import; do
    command -v "$tool" >/dev/null || fail "$tool is missing (the README's test command installs it)"
  done
  Xvfb -displayfd 5 -screen 0 800x600x24 -nolisten tcp 5>"$T/dpy" 2>"$T/xvfb.log" &
  PIDS+=($!)
  wait_for 10 test -s "$T/dpy" || fail "Xvfb did not start"
  export DISPLAY=":$(cat "$T/dpy")"
  trayer --edge top --align right --widthtype request --height 32 --transparent false --tint 0x404040 \
    >/dev/null 2>&1 &
  PIDS+=($!)
  wait_for 10 xdotool search --classname '^trayer$' >/dev/null 2>&1 || fail "no notification area"
}

# shot NAME: a screenshot of the whole screen into $SHOTS, when the test was given a folder for them
shot() { if [ -n "${SHOTS:-}" ]; then mkdir -p "$SHOTS" && import -window root "$SHOTS/$1.png"; fi; }

# click_tray_icon: a left click on the program's icon in the notification area
click_tray_icon() {
  local panel
  panel=$(xdotool search --classname '^panel$' | head -n 1)
  [ -n "$panel" ] || fail "no notification area panel"
  xwininfo -tree -id "$panel" | grep -q '"vostrelund"' || fail "no icon docked in the notification area"
  eval "$(xdotool getwindowgeometry --shell "$panel")"
  xdotool mousemove $((X + WIDTH - 12)) $((Y + HEIGHT / 2)) click 1
}

# window TITLE_REGEX: waits for a visible window with that title and prints its id
window() { timeout 10 xdotool search --sync --onlyvisible --name "$1" | head -n 1; }
# gone TITLE_REGEX: no visible window has that title
gone() { ! xdotool search --onlyvisible --name "$1" >/dev/null 2>&1; }
