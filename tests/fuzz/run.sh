#!/usr/bin/env bash
# Runs each fuzz target for a bounded time. New inputs are kept in the build
# folder's corpus so later runs go on from them; the committed seeds are read
# as a second corpus. A crash, hang or sanitizer report is written to the
# artifacts folder and fails the run.
set -euo pipefail

build=$1
seconds=$2
here=$(cd "$(dirname "$0")" && pwd)

status=0
for target in richtextreader jpegloader; do
    work=$build/fuzz/$target
    mkdir -p "$work/corpus" "$work/artifacts"
    options=(-max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1
             -artifact_prefix="$work/artifacts/")
    if [ -f "$here/$target.dict" ]; then
        options+=(-dict="$here/$target.dict")
    fi
    echo "fuzz_$target: $seconds s"
    "$build/tests/fuzz/fuzz_$target" "${options[@]}" "$work/corpus" "$here/seeds/$target" \
        2>"$work/log.txt" || status=1
    grep -E '^(#[0-9]+[[:space:]]+(INITED|DONE)|Done|==[0-9]+==|SUMMARY)|Test unit written' "$work/log.txt" || true
done
exit $status
