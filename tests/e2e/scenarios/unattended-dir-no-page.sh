# /DIR with a script that shows no destination page and sets DP itself:
# the folder the administrator named wins over SetAppName's default and
# SetVariable, and the log says where the destination came from.
source "$E2E_LIB/copy.sh"
PROGRAM_ARGS=(/VERYSILENT '/DIR=C:\Admin [1]' '/LOG=C:\dir.txt')

prepare() {
    medium_file files/app.txt 'app'
    write_script 'SetAppName("Demo")
SetVariable("DP", "C:\Script Folder\")
CreateSection("Main", "1", "0", "")
AddFile("[SP]\files\app.txt", "[DP]", "Main", "0", "1", "0", "0", "0", "0", "")
ShowCopy()
'
}

robot_script() {
    printf 'timeout 30000\nwait-process setup.exe\nabsent-until-exit\n'
}

verify() {
    local log="$WINEPREFIX/drive_c/dir.txt"
    [ "$(cat "$WINEPREFIX/drive_c/Admin [1]/app.txt" 2>/dev/null)" = app ] || fail "app.txt is not in C:\\Admin [1]"
    [ ! -e "$WINEPREFIX/drive_c/Script Folder" ] || fail "SetVariable's folder was made"
    [ ! -e "$(demo_dir)" ] || fail "SetAppName's default folder was made"
    grep -q -F 'Destination: C:\Admin [1]\ (/DIR)' "$log" || fail "the log does not say the destination came from /DIR"
    grep -q -F 'SetVariable leaves DP at C:\Admin [1]\ (/DIR)' "$log" || fail "the log does not say SetVariable was overruled"
    expect_uninstall_value Demo InstallLocation 'C:\Admin [1]\'
}
