# Brackets in a typed destination are part of the directory's name: the
# files and the log land in "C:\Games [2026]", not in "C:\Games ".

prepare() {
    mkdir -p "$MEDIUM/files"
    printf 'inside' >"$MEDIUM/files/Inside.txt"
    write_script 'SetAppName("Demo")
SetVariable("2026", "wrong")
CreateSection("Main", "1", "0", "Main files")
AddFile("[SP]\files\Inside.txt", "[DP]", "Main", "0", "1", "0", "0", "0", "0", "")
ShowDest()
ShowCopy()
ShowMessage("done", "done", "", "NOW")
'
}

robot_script() {
    robot_start "Demo Setup"
    cat <<'ROBOT'
set-text id=1011 "C:\\Games [2026]\\"
expect-text id=1011 "C:\\Games [2026]\\"
expect-state id=1017 enabled=1
ROBOT
    robot_next_end done
}

verify() {
    local games="$WINEPREFIX/drive_c/Games [2026]"
    [ "$(cat "$games/Inside.txt" 2>/dev/null)" = inside ] || fail "Inside.txt not installed in C:\\Games [2026]"
    [ -f "$games/Uninstall.log" ] || fail "no Uninstall.log in C:\\Games [2026]"
    [ ! -e "$WINEPREFIX/drive_c/Games wrong" ] && [ ! -e "$WINEPREFIX/drive_c/Games " ] ||
        fail "the brackets were read as a reference"
}
