# Shared by the scripts: package installation and the build directory.
# shellcheck shell=bash

SOLVANIX_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

# What the build and the tests need on Debian 12.
SOLVANIX_BUILD_PACKAGES=(cmake make g++ libgtest-dev libgmock-dev libbenchmark-dev locales-all)
# What the window needs: Qt 6 Widgets and the free faces that stand in for the Windows ones.
SOLVANIX_UI_PACKAGES=(qt6-base-dev libgl-dev fonts-liberation2 fonts-dejavu-core fonts-urw-base35)

as_root() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

# Installs whichever of the named Debian packages are missing.
ensure_packages() {
  local missing=()
  local package
  for package in "$@"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
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

# Configures and builds a Release tree with every core: build/, or SOLVANIX_BUILD_DIR.
build_release() {
  local build="${SOLVANIX_BUILD_DIR:-$SOLVANIX_ROOT/build}"
  cmake -S "$SOLVANIX_ROOT" -B "$build" -DCMAKE_BUILD_TYPE=Release "$@"
  cmake --build "$build" --parallel "$(nproc)"
}
