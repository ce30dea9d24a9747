#!/usr/bin/env bash
# Installs what is missing, builds Koravel and starts it: the window where
# there is a display, the terminal program where there is none.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/deps.sh run
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF -DKORAVEL_BENCH=OFF >/dev/null
cmake --build build --target koravel koravel-console >/dev/null

if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
  exec build/apps/koravel "$@"
fi
echo "没有图形显示 (no display): starting koravel-console in the terminal instead."
exec build/apps/koravel-console "$@"
