#!/usr/bin/env bash
# Installs what is missing, builds, and starts the program from its own folder.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh run
cd build
exec ./vostrelund
