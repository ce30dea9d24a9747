#!/usr/bin/env bash
# Installs what is missing, builds Koravel and starts it: the window where
# there is a display, the terminal program where there is none.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/deps.sh run
cmake -S . -B build-run -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF -DKORAVEL_BENCH=OFF >/dev/null
cmake --build build-run --target koravel koravel-console >/dev/null

if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
  # A root shell often has no runtime folder, and Qt complains of it.
  if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
    export XDG_RUNTIME_DIR="/tmp/runtime-$(id -u)"
    mkdir -p -m 700 "$XDG_RUNTIME_DIR"
  fi
  exec build-run/apps/koravel "$@"
fi
echo "没有图形显示 (no display): starting koravel-console in the terminal instead."
exec build-run/apps/koravel-console "$@"
