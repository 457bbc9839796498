#!/bin/bash
# What the shipped programs of the given Windows builds (setup.exe,
# TAUninstall.exe, setupcheck.exe, setuppack.exe and the bundle loader
# bundleloader.exe, those that exist) declare about themselves:
# - their import tables name only the system's known libraries, which Windows
#   never looks for beside the program: kernel32, user32, gdi32, advapi32 and
#   msvcrt (the system's C runtime, from which MinGW's static runtime takes
#   some functions); every other library is loaded at run time from the
#   system directory;
# - their manifests ask for the execution level of the program (an
#   administrator for setup.exe, TAUninstall.exe and the loader, the caller's
#   rights for setupcheck.exe and setuppack.exe) and carry no common-controls
#   6 dependency;
# - they carry no symbols (stripped), and the loader stays under 150 KB.
#
# Usage: tools/check_programs.sh BUILD_DIR...  (build/mingw, build/mingw64)
# Prints each program with its imports and level; exits 1 when one is wrong
# or when no program was found.
set -uo pipefail

ALLOWED='^(kernel32|user32|gdi32|advapi32|msvcrt)\.dll$'
declare -A LEVEL=([setup.exe]=requireAdministrator [TAUninstall.exe]=requireAdministrator [setupcheck.exe]=asInvoker
    [bundleloader.exe]=requireAdministrator [setuppack.exe]=asInvoker)

# imported_libraries EXE: the DLL names of its import table, lower case.
imported_libraries() {
    local objdump=x86_64-w64-mingw32-objdump
    objdump -f "$1" 2>/dev/null | grep -q 'pei-i386' && objdump=i686-w64-mingw32-objdump
    "$objdump" -p "$1" | sed -n 's/^[[:space:]]*DLL Name: //p' | tr '[:upper:]' '[:lower:]' | sort -u
}

# execution_level EXE: the level its embedded manifest requests.
execution_level() {
    strings "$1" | sed -n 's/.*<requestedExecutionLevel level="\([A-Za-z]*\)".*/\1/p' | head -n 1
}

# one_line TEXT: the lines of TEXT joined by blanks.
one_line() { tr '\n' ' ' <<<"$1"; }

status=0 checked=0
for dir in "$@"; do
    for program in "${!LEVEL[@]}"; do
        exe="$dir/$program"
        [ -f "$exe" ] || continue
        checked=$((checked + 1))
        libraries=$(imported_libraries "$exe")
        level=$(execution_level "$exe")
        echo "$exe imports: $(one_line "$libraries")level: $level"
        unexpected=$(grep -v -E "$ALLOWED" <<<"$libraries")
        if [ -n "$unexpected" ] || [ -z "$libraries" ]; then
            echo "NOT ALLOWED in $exe: $(one_line "${unexpected:-no import table}")"
            status=1
        fi
        if [ "$level" != "${LEVEL[$program]}" ]; then
            echo "WRONG LEVEL of $exe: '$level', not ${LEVEL[$program]}"
            status=1
        fi
        if x86_64-w64-mingw32-objdump -f "$exe" | grep -q HAS_SYMS; then
            echo "NOT STRIPPED: $exe"
            status=1
        fi
        if [ "$program" = bundleloader.exe ] && (($(stat -c %s "$exe") >= 150000)); then
            echo "TOO LARGE: $exe is $(stat -c %s "$exe") bytes"
            status=1
        fi
        if strings "$exe" | grep -q 'Microsoft.Windows.Common-Controls'; then
            echo "WRONG MANIFEST of $exe: it asks for the common controls 6"
            status=1
        fi
    done
done
((checked > 0)) || { echo "no program found in: $*"; status=1; }
exit $status
