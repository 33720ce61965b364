#!/usr/bin/env bash
# Runs every fuzz target of the file readers for SECONDS seconds each
# (default 60) and prints the inputs tried and the time taken per target.
# --ctest runs them as CI does instead: a fixed number of inputs each
# (`ctest -L fuzz`). Builds only the fuzz targets and the libraries they
# need, with clang, into build-fuzz/; crashes land there too.
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
seconds=${1:-60}
"$dir/fuzz/fuzz_seeds" "$dir/fuzz/corpus" >/dev/null

status=0
printf '%-16s %12s %10s %8s\n' target executions seconds result
for target in fuzz_savegame fuzz_records fuzz_fields; do
  log="$dir/fuzz/$target.log"
  start=$(date +%s)
  result=ok
  "$dir/fuzz/$target" -max_total_time="$seconds" -timeout=20 -print_final_stats=1 \
    -artifact_prefix="$dir/fuzz/crash-$target-" "$dir/fuzz/corpus/$target" >"$log" 2>&1 || { result=CRASH; status=1; }
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
  printf '%-16s %12s %10s %8s\n' "$target" "${runs:-?}" "$(( $(date +%s) - start ))" "$result"
  [ "$result" = ok ] || echo "  see $log"
done
exit $status
