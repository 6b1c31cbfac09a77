#!/usr/bin/env bash
# Prints, for each core file under the folders given that is newer than STAMP, the program
# that dumped it, the signal it died of and the stack of the thread that died, then
# removes the core. The test targets raise the core limit, and a core lands in the dying
# process's working folder: the build trees for the test programs and the program the
# end-to-end scripts start.
#   crash-stacks.sh STAMP FOLDER...
set -uo pipefail
stamp=${1:?usage: crash-stacks.sh STAMP FOLDER...}
shift
found=0
while IFS= read -r -d '' core; do
    file "$core" | grep -q 'core file' || continue
    found=1
    program=$(file "$core" | sed -n "s/.*execfn: '\([^']*\)'.*/\1/p")
    echo "=== crash: $core (${program:-unknown program}) ==="
    gdb -batch -nx -q -ex 'set pagination off' -ex 'info program' -ex 'print $_siginfo.si_signo' \
        -ex 'backtrace 40' ${program:+"$program"} -c "$core" 2>&1 |
        grep -v '^\[New LWP\|^warning: Can.t open file\|^\[Thread debugging'
    rm -f "$core"
done < <(find "$@" -xdev \( -name core -o -name 'core.[0-9]*' \) -type f -newer "$stamp" -print0 2>/dev/null)
exit 0
