#!/usr/bin/env bash
# Builds in Release and prints the benchmark table. BENCH_RUNS (default 7) and
# BENCH_SIZES (default 10000,100000) change the number of runs and the collection sizes.
set -euo pipefail
cd "$(dirname "$0")"
BUILD_DIR=build-release BUILD_TYPE=Release tools/setup.sh
exec python3 bench/bench.py build-release
