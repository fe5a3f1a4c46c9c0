#!/usr/bin/env bash
# Installs, from Debian's packages, everything needed to build, run and test Tressola.
# Idempotent: only what is missing is installed. Works as root or through sudo.
set -euo pipefail

packages=(
  # build
  cmake ninja-build g++ clang clang-format pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-svg-dev libqt6svg6 qt6-image-formats-plugins
  qt6-translations-l10n libxcb1-dev libxcb-res0-dev
  libgl-dev
  # desktop scenarios in tests: display, window manager, tray host, input, screenshots
  xvfb openbox trayer xdotool x11-utils x11-xserver-utils imagemagick dbus-x11
  # icons: Windows test binaries and a reference reader of their resources
  binutils-mingw-w64-x86-64 binutils-mingw-w64-i686 gcc-mingw-w64-x86-64 gcc-mingw-w64-i686 icoutils
  # fonts, so that widgets render the same everywhere
  fonts-dejavu-core
  # help documents open in the browser
  xdg-utils
  # make mutants: the syntax tree of the sources, through libclang
  python3 python3-clang-14
  # installing: icons drawn from the SVG, the Debian package and the checks of what is installed
  librsvg2-bin debhelper fakeroot lintian desktop-file-utils appstream
  # screenshots with real application icons
  tango-icon-theme
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q '^install ok installed$'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

if [ "$(id -u)" -eq 0 ]; then
  sudo_cmd=()
elif command -v sudo >/dev/null 2>&1; then
  sudo_cmd=(sudo)
else
  echo "install-deps: these packages are missing and neither root nor sudo is available: ${missing[*]}" >&2
  exit 1
fi

echo "install-deps: installing ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
