# Shared by tools/test and tools/run: install what is missing, configure, build.
# shellcheck shell=bash

VANTREL_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
VANTREL_BUILD="${VANTREL_BUILD:-$VANTREL_ROOT/build}"

VANTREL_PACKAGES=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-svg-dev libqcustomplot-dev libgl-dev
  libgtest-dev googletest libbenchmark-dev
  xvfb xauth fonts-wqy-microhei
)

ensure_packages() {
  local missing=()
  local p
  for p in "${VANTREL_PACKAGES[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
      missing+=("$p")
    fi
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing missing packages: ${missing[*]}"
  local sudo=()
  if [ "$(id -u)" -ne 0 ]; then
    if command -v sudo >/dev/null 2>&1; then sudo=(sudo); else
      echo "error: these Debian packages are missing and I am not root: ${missing[*]}" >&2
      return 1
    fi
  fi
  "${sudo[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

build_all() {
  if [ ! -f "$VANTREL_BUILD/build.ninja" ]; then
    cmake -S "$VANTREL_ROOT" -B "$VANTREL_BUILD" -G Ninja "$@"
  fi
  cmake --build "$VANTREL_BUILD" --parallel "$(nproc)"
}
