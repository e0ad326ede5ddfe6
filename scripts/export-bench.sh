#!/usr/bin/env bash
# Times `cantorel --export` as a whole process, from start to both files
# written: the example song alone, and 100 songs in one call. Prints the
# median wall time of several runs and the peak memory (maximum resident set).
set -euo pipefail
cd "$(dirname "$0")/.."
cantorel="$PWD/build/bin/cantorel"
[ -x "$cantorel" ] || { echo "Build first: bash scripts/run.sh or cmake --build build" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export HOME="$work/home"   # a library of its own, created by the first run
mkdir -p "$HOME" "$work/songs"
cp examples/lantern-road.cho "$work/song.cho"
for i in $(seq -w 1 100); do cp examples/lantern-road.cho "$work/songs/song$i.cho"; done
"$cantorel" --export "$work/song.cho" >/dev/null 2>&1 # warm the caches

# median_ms RUNS command...: the median wall time in milliseconds.
median_ms() {
  local runs=$1; shift
  local times=()
  for _ in $(seq "$runs"); do
    local start end
    start=$(date +%s%N)
    "$@" >/dev/null 2>&1
    end=$(date +%s%N)
    times+=($(( (end - start) / 1000000 )))
  done
  printf '%s\n' "${times[@]}" | sort -n | sed -n "$(( (runs + 1) / 2 ))p"
}

# peak_mb command...: the maximum resident set size in MB.
peak_mb() {
  /usr/bin/time -f '%M' "$@" 2>&1 >/dev/null | tail -1 | awk '{ printf "%.1f", $1 / 1024 }'
}

echo "one song:  $(median_ms 21 "$cantorel" --export "$work/song.cho") ms," \
     "peak $(peak_mb "$cantorel" --export "$work/song.cho") MB"
echo "100 songs: $(median_ms 5 "$cantorel" --export "$work"/songs/*.cho) ms," \
     "peak $(peak_mb "$cantorel" --export "$work"/songs/*.cho) MB"
