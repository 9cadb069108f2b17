# Sourced by ./run and ./test: installs what the build needs, then configures
# and builds into build/. ./test sets with_tests=1 first: it also needs the
# test tools, turns warnings into errors and builds everything; ./run builds
# only the game, ./benchmark only the benchmark (build_target).
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
# ./test --sanitize picks another build folder and adds CMake options.
build="${dakru_build:-$root/build}"

# Debian packages the build, the tests and the game need.
packages=(
  cmake g++ make pkg-config
  qt6-base-dev libsdl2-dev libsqlite3-dev libjpeg-dev
  fonts-liberation2 fonts-dejavu-core
)
if [ "${with_tests:-0}" = 1 ]; then
  packages+=(libgtest-dev desktop-file-utils appstream)
fi
if [ "${lint:-0}" = 1 ]; then
  packages+=(clang-format clang-tidy)
fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  if [ "$(id -u)" -eq 0 ]; then
    as_root=()
  elif command -v sudo >/dev/null 2>&1; then
    as_root=(sudo)
  else
    echo "Missing packages (${missing[*]}) and no way to install them: run this as root or install sudo." >&2
    exit 1
  fi
  export DEBIAN_FRONTEND=noninteractive
  "${as_root[@]}" apt-get update -qq
  "${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

configure=(-DCMAKE_BUILD_TYPE=RelWithDebInfo "${dakru_cmake_options[@]}")
targets=()
if [ "${with_tests:-0}" = 1 ]; then
  configure+=(-DBUILD_TESTING=ON -DDAKRU_WERROR=ON)
else
  targets=(--target "${build_target:-dakru}")
  # A first build for playing needs no test libraries; a build folder that
  # ./test has set up keeps its tests.
  [ -f "$build/CMakeCache.txt" ] || configure+=(-DBUILD_TESTING=OFF)
fi
cmake -S "$root" -B "$build" "${configure[@]}" >/dev/null
cmake --build "$build" --parallel "$(nproc 2>/dev/null || echo 2)" "${targets[@]}"
