#!/usr/bin/env bash
# Writes app/start_functions.txt: the functions the game runs from its start
# until it idles (the window, the kept game, the icon, the sound, the ticks of
# both timers), which the build places next to each other in the program
# (cmake/program_layout.cmake says why). Run it when the start's code has
# changed; the benchmark's memory tells when. It needs valgrind and xvfb-run:
#   scripts/order-start-code.sh [BUILD_FOLDER]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="${1:-$root/build}"
program="$build/bin/dakru"
cmake --build "$build" --target dakru >/dev/null

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# A returning player's folder, as the benchmark's: a game kept 20 turns in.
mkdir -p "$work/data/Dakru"
cat > "$work/data/Dakru/kept-game.txt" <<'KEPT'
Dakru kept game 2
Down 0 - - - - - - - - - - - - -
DownUp 2 0 3 - 0 6 22 15 0 0 0 0 0 0
Up - - - - - - - - - - - - - 0
Call - 6 6 - - - - - 0 - 0 - 0 -
dice - - - - -
faces 0 0 0 0 0
rolls 0
call 0
playing 1
game 2769178abbb3e3542161b90e8430ac0a
Dakru game record 1
start
Down 0 - - - - - - - - - - - - -
DownUp 2 0 3 - 0 6 22 15 0 0 0 0 0 0
Up - - - - - - - - - - - - - 0
Call - 6 6 - - - - - 0 - 0 - 0 -
dice - - - - -
rolls 0
call 0
KEPT

# The game under callgrind until its sound is ready, then twelve seconds of rest
# (the intro, the device closing after three quiet seconds, the ticks of both
# timers), on a virtual screen with SDL's dummy sound device.
export XDG_DATA_HOME="$work/data" DAKRU_START_TRACE=1 SDL_AUDIODRIVER="${SDL_AUDIODRIVER:-dummy}"
xvfb-run -a -s '-screen 0 1280x1024x24' sh -c 'echo $$ > "$1/pid"; exec valgrind --tool=callgrind --demangle=no \
  --callgrind-out-file="$1/callgrind.%p" "$2" > "$1/trace" 2> /dev/null' sh "$work" "$program" 2> /dev/null &
runner=$!
for _ in $(seq 1 300); do
  grep -q 'sounds ready' "$work/trace" 2>/dev/null && break
  sleep 1
done
if ! grep -q 'sounds ready' "$work/trace" 2>/dev/null; then
  echo "order-start-code: the game did not get to its sound under callgrind" >&2
  exit 1
fi
sleep 12
kill "$(cat "$work/pid")"
wait "$runner" 2>/dev/null || true

# Every function of the program that ran, as the section -ffunction-sections
# gives it: a constructor's and a destructor's two names in one section;
# recursion marks, cold parts, and main() and the static initialisers (the
# layout puts all of .text.startup first) left out.
for profile in "$work"/callgrind.*; do
  callgrind_annotate --threshold=100 --inclusive=no --auto=no "$profile"
done | grep -F "[$program]" | sed -E 's/^.*:([^: ]+) \[.*\]$/\1/; s/'"'"'[0-9]+$//' \
  | grep -E '^[A-Za-z_][A-Za-z0-9_.$]*$' | grep -v -E '\.cold$|^main$|^_GLOBAL__sub_I_' \
  | sed -E 's/^/.text./; s/([CD])[12]([EI])/\1[12]\2/' | sort -u > "$work/sections"

{
  echo "# The functions the game runs from its start until it idles, as the sections"
  echo "# -ffunction-sections gives them: scripts/order-start-code.sh lists them, and"
  echo "# cmake/program_layout.cmake places them first in the program's code."
  cat "$work/sections"
} > "$root/app/start_functions.txt"
echo "wrote app/start_functions.txt ($(wc -l < "$work/sections") functions)"
