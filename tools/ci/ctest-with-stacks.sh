#!/usr/bin/env bash
# Runs CTest with core dumps on, then shows the stack of every program that crashed in the
# build tree while it ran (a test program's core lands in its working folder there).
#   ctest-with-stacks.sh BUILD_DIR CTEST_ARGUMENTS...
set -uo pipefail
build=${1:?usage: ctest-with-stacks.sh BUILD_DIR CTEST_ARGUMENTS...}
shift
stamp=$(mktemp)
trap 'rm -f "$stamp"' EXIT
ulimit -c unlimited 2>/dev/null || true
ctest "$@"
status=$?
"$(dirname "$0")/crash-stacks.sh" "$stamp" "$build"
exit "$status"
