#!/usr/bin/env bash
# Runs the bench built in BUILD_DIR and writes its figures to JSON_PATH.
# The start-up comparisons run once on the offscreen platform and once in
# a private X server with a window manager, so that maximizing works as on
# a desktop.
set -euo pipefail
build_dir=$1
json_path=$2
here=$(cd "$(dirname "$0")" && pwd)

# shellcheck source=../scripts/xvfb-session.sh
source "$here/../scripts/xvfb-session.sh"
xvfb_session_start 1024x768
trap xvfb_session_stop EXIT

# Both programs would otherwise warn about it at every start.
runtime_dir=$(mktemp -d)
trap 'xvfb_session_stop; rm -rf "$runtime_dir"' EXIT
export XDG_RUNTIME_DIR=$runtime_dir

"$build_dir/bench/setup_bench" \
    --minimal "$build_dir/bench/bench_minimal_window" \
    --settings "$build_dir/bench/bench_settings_window" \
    --display "$DISPLAY" \
    --json "$json_path"
