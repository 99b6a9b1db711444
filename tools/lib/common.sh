# Shared by tools/test and tools/run: install what is missing, configure, build.
# shellcheck shell=bash

VANTREL_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
VANTREL_BUILD="${VANTREL_BUILD:-$VANTREL_ROOT/build}"

VANTREL_PACKAGES=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-svg-dev qt6-connectivity-dev libqcustomplot-dev libgl-dev
  qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools
  nettle-dev nlohmann-json3-dev
  libgtest-dev googletest libbenchmark-dev
  xvfb xauth fonts-wqy-microhei locales
  poppler-utils libxml2-utils
  libicu-dev nlohmann-json3-dev
  libgdal-dev gdal-bin
  help2man librsvg2-bin desktop-file-utils appstream man-db file dpkg-dev fakeroot lintian
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

# Tests read numbers under a decimal-comma locale, and the desktop has a Chinese table.
VANTREL_LOCALES=(de_DE.UTF-8 zh_CN.UTF-8)

ensure_locales() {
  local missing=() l
  for l in "${VANTREL_LOCALES[@]}"; do
    locale -a 2>/dev/null | grep -qix "$(echo "$l" | sed 's/UTF-8/utf8/')" || missing+=("$l")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  if [ "$(id -u)" -ne 0 ]; then
    echo "note: locales ${missing[*]} are not generated; the tests that need them are skipped" >&2
    return 0
  fi
  for l in "${missing[@]}"; do
    if grep -q "^# *$l UTF-8" /etc/locale.gen; then
      sed -i "s/^# *$l UTF-8/$l UTF-8/" /etc/locale.gen
    elif ! grep -q "^$l UTF-8" /etc/locale.gen; then
      echo "$l UTF-8" >> /etc/locale.gen
    fi
  done
  locale-gen >/dev/null
}

build_all() {
  if [ ! -f "$VANTREL_BUILD/build.ninja" ]; then
    cmake -S "$VANTREL_ROOT" -B "$VANTREL_BUILD" -G Ninja "$@"
  fi
  cmake --build "$VANTREL_BUILD" --parallel "$(nproc)"
}

# The core once more with its standard-C++ platform layer (platformportable.cpp)
# in a small build of its own: the core and its tests only.
VANTREL_PORTABLE_BUILD="${VANTREL_PORTABLE_BUILD:-$VANTREL_BUILD-portable}"

test_portable_core() {
  if [ ! -f "$VANTREL_PORTABLE_BUILD/build.ninja" ]; then
    cmake -S "$VANTREL_ROOT" -B "$VANTREL_PORTABLE_BUILD" -G Ninja -DVANTREL_PORTABLE_PLATFORM=ON \
      -DVANTREL_BUILD_GUI=OFF -DVANTREL_BUILD_BENCH=OFF "$@"
  fi
  cmake --build "$VANTREL_PORTABLE_BUILD" --parallel "$(nproc)" --target vantrel_core_tests
  "$VANTREL_PORTABLE_BUILD/tests/core/vantrel_core_tests" --gtest_brief=1
}
