#!/usr/bin/env bash
# The format check and the static checks, run by ./test --lint after the build
# in the folder given. Any finding fails the run.
#   scripts/lint.sh BUILD_FOLDER
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:?usage: scripts/lint.sh BUILD_FOLDER}
cd "$root"

# The game's own C++ files; the tests' too for the format, the sources alone for tidy
# (the tests add only their frameworks' macros, and would double the run).
mapfile -t all < <(git ls-files '*.cpp' '*.h')
mapfile -t sources < <(git ls-files '*.cpp' | grep -v '^tests/')

echo "clang-format: ${#all[@]} files"
clang-format --dry-run --Werror "${all[@]}"

echo "clang-tidy: ${#sources[@]} files"
failed=0
printf '%s\n' "${sources[@]}" \
  | xargs -P "$(nproc 2>/dev/null || echo 2)" -n 4 clang-tidy -p "$build" --quiet 2> >(grep -v -E '^[0-9]+ warnings? generated\.$|^Suppressed [0-9]+ warnings|^Use -header-filter' >&2) \
  || failed=1
if [ "$failed" = 1 ]; then
  echo "clang-tidy found something: see above" >&2
  exit 1
fi
echo "lint: clean"
