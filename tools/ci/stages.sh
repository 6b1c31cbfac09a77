#!/usr/bin/env bash
# Runs each make target named, one after another, whatever the ones before did, so one run
# tells which stages pass; then one line per failed stage with its first failing test, and
# fails when any did.
#   stages.sh TARGET...
set -uo pipefail
logs=$(mktemp -d)
trap 'rm -rf "$logs"' EXIT
failed=()
summary=()
for stage in "$@"; do
    began=$SECONDS
    make --no-print-directory "$stage" 2>&1 | tee "$logs/$stage.log"
    status=${PIPESTATUS[0]}
    took=$((SECONDS - began))
    summary+=("$(printf '%-16s %s  %dm%02ds' "$stage" "$( ((status == 0)) && echo passed || echo FAILED)" \
        $((took / 60)) $((took % 60)))")
    if ((status != 0)); then
        # CTest lists its failures after this line; other failures name no test.
        first=$(sed -n '/The following tests FAILED:/{n;p;q}' "$logs/$stage.log" | sed 's/^[[:space:]]*//')
        failed+=("FAILED: $stage: ${first:-$(grep -m 1 -E 'Error|error:|FAIL' "$logs/$stage.log" || echo "exit status $status")}")
    fi
done
echo
echo "=== stages ==="
printf '%s\n' "${summary[@]}"
if ((${#failed[@]} > 0)); then
    printf '%s\n' "${failed[@]}"
    exit 1
fi
