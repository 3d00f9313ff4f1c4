#!/usr/bin/env bash
# Sets up a Debian 12 machine for Orvanta, builds it, and then starts the
# program ("run") or runs every test ("test").
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build="$root/build"

packages=(
  cmake g++ pkg-config
  qt6-base-dev qt6-multimedia-dev qt6-tools-dev libqt6opengl6-dev libsqlite3-dev
  libgtest-dev libbenchmark-dev
  gstreamer1.0-plugins-base gstreamer1.0-plugins-good gstreamer1.0-plugins-bad gstreamer1.0-libav
  fonts-arphic-uming fonts-arphic-ukai fonts-wqy-zenhei
)

as_root() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

install_missing() {
  local missing=()
  for package in "$@"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
  done
  if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    as_root apt-get update -q
    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"
  fi
}

build_all() {
  cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo
  cmake --build "$build" -j"$(nproc)"
}

run_program() {
  if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
    exec "$build/bin/Orvanta"
  fi
  # No display here: run the window on a virtual screen and keep a picture of it.
  install_missing xvfb xauth imagemagick
  local shot="$build/orvanta-screenshot.png"
  xvfb-run -a -s "-screen 0 1280x800x24" bash -c '
    "$1" & pid=$!
    sleep 5
    import -window root "$2"
    kill "$pid"' _ "$build/bin/Orvanta" "$shot"
  echo "No display found; Orvanta ran on a virtual screen. Screenshot: $shot"
}

case "${1:-}" in
  run)
    install_missing "${packages[@]}"
    build_all
    run_program
    ;;
  test)
    install_missing "${packages[@]}"
    build_all
    ctest --test-dir "$build" --output-on-failure -j2
    ;;
  *)
    echo "usage: $0 run|test" >&2
    exit 2
    ;;
esac
