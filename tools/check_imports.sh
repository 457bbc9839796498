#!/bin/bash
# Import-table check: every shipped program of the given Windows builds
# (setup.exe, TAUninstall.exe, setupcheck.exe, those that exist) may import at
# load time only the system's known libraries, which Windows never looks for
# beside the program: kernel32, user32, gdi32, advapi32 and msvcrt (the
# system's C runtime, from which MinGW's static runtime takes some functions).
# Every other library is loaded at run time from the system directory.
#
# Usage: tools/check_imports.sh BUILD_DIR...  (mingw: i686, mingw64: x86_64)
# Prints each program with what it imports; exits 1 when a program imports
# anything else or when no program was found.
set -uo pipefail

ALLOWED='^(kernel32|user32|gdi32|advapi32|msvcrt)\.dll$'
PROGRAMS=(setup.exe TAUninstall.exe setupcheck.exe)

# imported_libraries EXE: the DLL names of its import table, lower case.
imported_libraries() {
    local objdump=x86_64-w64-mingw32-objdump
    objdump -f "$1" 2>/dev/null | grep -q 'pei-i386' && objdump=i686-w64-mingw32-objdump
    "$objdump" -p "$1" | sed -n 's/^[[:space:]]*DLL Name: //p' | tr '[:upper:]' '[:lower:]' | sort -u
}

status=0 checked=0
for dir in "$@"; do
    for program in "${PROGRAMS[@]}"; do
        exe="$dir/$program"
        [ -f "$exe" ] || continue
        checked=$((checked + 1))
        libraries=$(imported_libraries "$exe")
        echo "$exe imports: $(tr '\n' ' ' <<<"$libraries")"
        unexpected=$(grep -v -E "$ALLOWED" <<<"$libraries")
        if [ -n "$unexpected" ] || [ -z "$libraries" ]; then
            echo "NOT ALLOWED in $exe: $(tr '\n' ' ' <<<"${unexpected:-no import table}")"
            status=1
        fi
    done
done
((checked > 0)) || { echo "no program found in: $*"; status=1; }
exit $status
