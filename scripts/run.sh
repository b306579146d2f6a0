#!/usr/bin/env bash
# Installs what is missing, builds Skylatch! and starts it. Arguments go to the program
# (for example: scripts/run.sh order).
source "$(dirname "$0")/common.sh"
install_packages "${PACKAGES[@]}"
build_host
build_win
ensure_prefix
register_htm_with_host_browser
if [ -z "${DISPLAY:-}" ]; then
  say "No display found: running Skylatch! on a virtual display (Xvfb); nothing will be visible."
  exec xvfb-run -a -s "-screen 0 1280x1024x24" wine "$WIN_BUILD/app/skylatch.exe" "$@"
fi
exec wine "$WIN_BUILD/app/skylatch.exe" "$@"
