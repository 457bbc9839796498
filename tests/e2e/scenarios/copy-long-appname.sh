# An application name of 300 characters, longer than a registry key name may
# be: the uninstall key is created with the name cut to 255 characters, the
# log names that same key, and "DisplayName" holds the whole name.
source "$E2E_LIB/copy.sh"

LONG_NAME=$(printf 'Long%.0s' {1..75})

prepare() {
    note_start_date
    write_script 'SetAppName("'"$LONG_NAME"'")
SetVariable("DP", "C:\Demo\")
ShowCopy()
ShowMessage("The copy page has closed", "After the copy", "", "NOW")
'
}

robot_script() {
    cat <<'ROBOT'
wait-process setup.exe
wait-window class=#32770 title="After the copy"
click text=OK
wait-exit
ROBOT
}

verify() {
    local key=${LONG_NAME:0:255}
    [ ${#LONG_NAME} -eq 300 ] && [ ${#key} -eq 255 ] || fail "test names of the wrong length"
    expect_log "$WINEPREFIX/drive_c/Demo/Uninstall.log" "" "$key"
    [ "$(uninstall_value "$key" DisplayName)" = "$LONG_NAME" ] || fail "DisplayName: $(uninstall_value "$key" DisplayName)"
    [ "$(uninstall_value "$key" UninstallString)" = 'C:\Demo\TAUninstall.exe' ] ||
        fail "UninstallString: $(uninstall_value "$key" UninstallString)"
    end_prefix "$WINEPREFIX"
}
