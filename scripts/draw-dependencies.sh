#!/usr/bin/env bash
# Draws docs/dependencies.svg, the game's libraries and what each uses, from
# the build's own description (cmake --graphviz), with Graphviz's dot.
#   scripts/draw-dependencies.sh
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cmake -S "$root" -B "$work" -DBUILD_TESTING=OFF --graphviz="$work/dakru.dot" >/dev/null
# Without CMake's legend, top to bottom, and with the edges a longer path already
# implies left out (tred), so that the layers read from the program down.
sed -e '/^subgraph clusterLegend {/,/^}/d' \
    -e 's/^digraph "\(.*\)" {/digraph "\1" {\n  rankdir = TB;\n  node [fontname = "DejaVu Sans", style = filled, fillcolor = "#fff7c0"];/' \
  "$work/dakru.dot" | tred > "$work/drawn.dot"
dot -Tsvg "$work/drawn.dot" -o "$root/docs/dependencies.svg"
echo "wrote docs/dependencies.svg"
