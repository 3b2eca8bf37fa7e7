#!/usr/bin/env bash
# The program carries every protection hardening-check looks for, as Debian builds its packages:
# each of its lines says "yes". hardening-check finds stack-clash probes only in a function whose
# frame is large enough to need them; where it finds none, every part of the program must have been
# compiled with them, as the unstripped program's debug information tells.
#
#   check_hardening.sh PROGRAM UNSTRIPPED_PROGRAM
set -euo pipefail
here=$(dirname "$0")
# shellcheck source-path=SCRIPTDIR source=../support/testlib.sh
. "$here/../support/testlib.sh"
program=$1 unstripped=$2

require_tool hardening-check:devscripts readelf:binutils
protections="Position Independent Executable
Stack protected
Fortify Source functions
Read-only relocations
Immediate binding
Stack clash protection
Control flow integrity"
no_probes="unknown, no -fstack-clash-protection instructions found"

stack_clash_compiled() {
    local producers
    producers=$(readelf --debug-dump=info "$unstripped" | grep -F 'DW_AT_producer' || true)
    [ -n "$producers" ] || fail "$unstripped has no debug information to tell how it was compiled"
    if grep -vF -- '-fstack-clash-protection' <<<"$producers"; then
        fail "parts of $unstripped were compiled without -fstack-clash-protection"
    fi
    echo "Stack clash protection: all $(wc -l <<<"$producers") units compiled with" \
        "-fstack-clash-protection, none with a frame large enough to need probes"
}

# hardening-check's own status is left aside: the lines say more, and an unknown passes it.
report=$(hardening-check "$program" 2>&1) || true
expect_same "protections hardening-check reports" "$protections" \
    "$(tail -n +2 <<<"$report" | sed 's/^ *//; s/:.*//')"
lacking=$(tail -n +2 <<<"$report" | grep -vE '^[^:]+: yes( |$)' | grep -vF ": $no_probes" || true)
[ -z "$lacking" ] || fail "$program lacks protections:"$'\n'"$lacking"
echo "$report"
if grep -qF ": $no_probes" <<<"$report"; then
    stack_clash_compiled
fi
echo "PASS: $program: every protection present"
