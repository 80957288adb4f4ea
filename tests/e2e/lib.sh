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
