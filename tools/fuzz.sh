#!/usr/bin/env bash
# Runs every fuzz target of the file readers for SECONDS seconds each
# (default 60), or until RUNS inputs when given, one after another, and
# prints the inputs tried, the coverage and the time taken per target. The
# targets start from the seeds of the real encoders (build-fuzz/fuzz/corpus/,
# written afresh each time) and the corpus kept in fuzz/corpus/, and add
# what they find in build-fuzz/fuzz/finds/.
#   --merge  minimises the kept corpus together with those finds, in place
#   --ctest  runs them as CI does: a fixed number of inputs each (`ctest -L fuzz`)
# Builds only the fuzz targets and the libraries they need, with clang, into
# build-fuzz/; crashes land there too.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
dir="$root/build-fuzz"
"$root/tools/install-deps.sh"
[ -f "$dir/CMakeCache.txt" ] || cmake -S "$root" -B "$dir" -G Ninja \
  -DCMAKE_CXX_COMPILER=clang++-14 -DTWENTYONE_FUZZ=ON \
  -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG="-g -O1"
cmake --build "$dir" --target twentyone_fuzz
if [ "${1:-}" = "--ctest" ]; then
  cd "$dir"
  exec ctest -L fuzz --output-on-failure
fi
targets=(fuzz_savegame:512 fuzz_records:320 fuzz_fields:64) # name:longest input
"$dir/fuzz/fuzz_seeds" "$dir/fuzz/corpus" >/dev/null

if [ "${1:-}" = "--merge" ]; then
  for entry in "${targets[@]}"; do
    target=${entry%%:*}
    kept="$root/fuzz/corpus/$target"
    mkdir -p "$kept"
    fresh=$(mktemp -d)
    mkdir -p "$dir/fuzz/finds/$target"
    "$dir/fuzz/$target" -merge=1 -max_len="${entry#*:}" "$fresh" "$kept" "$dir/fuzz/finds/$target" "$dir/fuzz/corpus/$target" \
      >"$dir/fuzz/$target.merge.log" 2>&1
    rm -f "$kept"/*
    cp "$fresh"/* "$kept"/
    rm -rf "$fresh"
    echo "$target: $(ls "$kept" | wc -l) inputs kept in fuzz/corpus/$target"
  done
  exit 0
fi

seconds=${1:-60}
runs=${2:--1}
status=0
printf '%-16s %12s %8s %10s %8s\n' target executions edges seconds result
for entry in "${targets[@]}"; do
  target=${entry%%:*}
  mkdir -p "$root/fuzz/corpus/$target" "$dir/fuzz/finds/$target"
  log="$dir/fuzz/$target.log"
  start=$(date +%s)
  result=ok
  "$dir/fuzz/$target" -max_total_time="$seconds" -runs="$runs" -max_len="${entry#*:}" -timeout=20 \
    -print_final_stats=1 -artifact_prefix="$dir/fuzz/crash-$target-" \
    "$dir/fuzz/finds/$target" "$dir/fuzz/corpus/$target" "$root/fuzz/corpus/$target" >"$log" 2>&1 || { result=CRASH; status=1; }
  executions=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
  edges=$(grep -o 'cov: [0-9]*' "$log" | tail -1 | cut -d' ' -f2)
  printf '%-16s %12s %8s %10s %8s\n' "$target" "${executions:-?}" "${edges:-?}" "$(( $(date +%s) - start ))" "$result"
  [ "$result" = ok ] || echo "  see $log"
done
exit $status
