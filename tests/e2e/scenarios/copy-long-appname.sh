# An application name of 300 characters, longer than a registry key name may
# be: the uninstall key is created with the name cut to 255 characters, the
# log names that same key, and "DisplayName" holds the whole name.
source "$E2E_LIB/copy.sh"

LONG_NAME=$(printf 'Long%.0s' {1..75})

prepare() {
    note_start_date
    write_script 'SetAppName("'"$LONG_NAME"'")
SetVariable("DP", "C:\Demo\")
'"$COPY_PAGE_THEN_MESSAGE"
}

robot_script() {
    robot_after_copy </dev/null
}

verify() {
    local key=${LONG_NAME:0:255}
    [ ${#LONG_NAME} -eq 300 ] && [ ${#key} -eq 255 ] || fail "test names of the wrong length"
    expect_log "$WINEPREFIX/drive_c/Demo/Uninstall.log" "" "$key"
    expect_uninstall_value "$key" DisplayName "$LONG_NAME"
    expect_uninstall_value "$key" UninstallString 'C:\Demo\TAUninstall.exe'
    end_prefix "$WINEPREFIX"
}
