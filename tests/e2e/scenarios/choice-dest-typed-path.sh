# A path typed on the destination page becomes DP as typed, without a final
# backslash added, and the copy run installs into it: the log lands in it and
# [DP]name joins without a separator.
source "$E2E_LIB/pages.sh"

prepare() {
    mkdir -p "$MEDIUM/files"
    printf 'inside' >"$MEDIUM/files/Inside.txt"
    printf 'joined' >"$MEDIUM/files/Joined.txt"
    write_script 'SetAppName("Demo")
CreateSection("Main", "1", "0", "Main files")
AddFile("[SP]\files\Inside.txt", "[DP]\Inside.txt", "Main", "0", "1", "0", "0", "0", "0", "")
AddFile("[SP]\files\Joined.txt", "[DP]Joined.txt", "Main", "0", "1", "0", "0", "0", "0", "")
ShowDest()
ShowMessage("<[DP]>", "dp", "", "NOW")
ShowCopy()
ShowMessage("done", "done", "", "NOW")
'
}

robot_script() {
    robot_start "Demo Setup"
    robot_type_destination 'C:\Games'
    echo 'click id=1017'
    robot_box dp '<C:\Games>'
    robot_end done
}

verify() {
    local games="$WINEPREFIX/drive_c/Games"
    [ "$(cat "$games/Inside.txt" 2>/dev/null)" = inside ] || fail "Inside.txt not installed in C:\\Games"
    [ "$(cat "$WINEPREFIX/drive_c/GamesJoined.txt" 2>/dev/null)" = joined ] ||
        fail "[DP]Joined.txt did not become C:\\GamesJoined.txt"
    [ -f "$games/Uninstall.log" ] || fail "no Uninstall.log in C:\\Games"
    [ ! -e "$WINEPREFIX/drive_c/Program Files/Demo" ] || fail "the default directory was made"
}
