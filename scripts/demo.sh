#!/usr/bin/env bash
# Prepares the local demo folder (a demo database for the embedded engine and its
# root.cfg) and starts the given program from that folder.
set -euo pipefail

root="$(cd "$(dirname "$0")/.." && pwd)"
build="${BUILD:-$root/build}"
demo="$root/demo"
program="$1"

mkdir -p "$demo"
if [ ! -f "$demo/zelvan.fdb" ]; then
  "$build/tools/zeldb/zeldb" create "$demo/zelvan.fdb" --demo
fi
if [ ! -f "$demo/root.cfg" ]; then
  # A fresh folder has no run behind it that could have ended badly: the marker is set.
  printf '\r\n%s\r\n1491\r\n' "$demo/zelvan.fdb" > "$demo/root.cfg"
fi

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "Нет графического дисплея. Запустите под виртуальным: xvfb-run -a make run"
  exit 1
fi

cd "$demo"
exec "$build/$program"
