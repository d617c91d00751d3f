# Shared by the scripts: package installation and the build directory.
# shellcheck shell=bash
# The package lists are read by the scripts that source this file.
# shellcheck disable=SC2034

SOLVANIX_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

# What building the program needs on Debian 12, and what the tests and benchmarks add to it.
# fast_float reads decimal numbers correctly rounded on every target, and fmt writes them exactly.
SOLVANIX_TOOL_PACKAGES=(cmake make g++ libfast-float-dev libfmt-dev)
SOLVANIX_BUILD_PACKAGES=("${SOLVANIX_TOOL_PACKAGES[@]}" libgtest-dev libgmock-dev libbenchmark-dev
  locales-all)
# What the tests on a real X server add: the server, real input (xdotool, xclip), the desktop
# themes the window must not follow, the accessibility bus with Python's bindings to it, and a
# window manager for the message boxes.
SOLVANIX_DESKTOP_TEST_PACKAGES=(xvfb xauth xdotool xclip qt6-gtk-platformtheme qt6ct dbus-bin
  dbus-daemon at-spi2-core python3-gi gir1.2-atspi-2.0 openbox x11-utils)
# What the window needs: Qt 6 Widgets, Qt's own French texts, and the free faces that stand in
# for the Windows ones.
SOLVANIX_UI_PACKAGES=(qt6-base-dev libgl-dev qt6-translations-l10n fonts-liberation2
  fonts-dejavu-core fonts-urw-base35)

as_root() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

# Installs whichever of the named Debian packages are missing.
ensure_packages() {
  local missing=()
  local package
  for package in "$@"; do
    if [[ "$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null)" != *"install ok installed"* ]]; then
      missing+=("$package")
    fi
  done
  if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    as_root apt-get update -qq
    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
      "${missing[@]}"
  fi
}

# The Release tree: build/, or SOLVANIX_BUILD_DIR.
build_dir() {
  echo "${SOLVANIX_BUILD_DIR:-$SOLVANIX_ROOT/build}"
}

# Configures and builds the Release tree with every core, tests and benchmarks included unless
# the arguments say otherwise (scripts/run may have left them off in the same tree). Most callers
# pass no arguments, which is fine.
# shellcheck disable=SC2120
build_release() {
  local build
  build="$(build_dir)"
  cmake -S "$SOLVANIX_ROOT" -B "$build" -DCMAKE_BUILD_TYPE=Release -DSOLVANIX_BUILD_TESTS=ON \
    -DSOLVANIX_BUILD_BENCH=ON "$@"
  cmake --build "$build" --parallel "$(nproc)"
}

# Builds the named targets in the Release tree. A tree not configured yet is configured for the
# program alone, without tests or benchmarks; an existing one keeps its options, so that the tree
# scripts/test uses is never turned back. CMake options after "--" are set in either case.
#   configure_and_build solvanix [more targets] [-- -DOPTION=VALUE ...]
configure_and_build() {
  local targets=()
  while [ $# -gt 0 ] && [ "$1" != "--" ]; do
    targets+=("$1")
    shift
  done
  [ "${1:-}" != "--" ] || shift
  local build
  build="$(build_dir)"
  if [ ! -f "$build/CMakeCache.txt" ]; then
    cmake -S "$SOLVANIX_ROOT" -B "$build" -DCMAKE_BUILD_TYPE=Release -DSOLVANIX_BUILD_TESTS=OFF \
      -DSOLVANIX_BUILD_BENCH=OFF "$@" >/dev/null
  elif [ $# -gt 0 ]; then
    cmake -S "$SOLVANIX_ROOT" -B "$build" "$@" >/dev/null
  fi
  cmake --build "$build" --parallel "$(nproc)" --target "${targets[@]}"
}
