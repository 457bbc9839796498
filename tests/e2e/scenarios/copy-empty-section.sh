# A must-install section without files goes by without trouble and the
# section after it is installed. The destination C:\Demo\ has no space, so
# "UninstallString" is the uninstaller's path without quotes.
source "$E2E_LIB/copy.sh"

prepare() {
    note_start_date
    medium_file 'files/one.txt' 'the only file'
    write_script 'SetAppName("Demo")
SetVariable("DP", "C:\Demo\")
CreateSection("Empty", "1", "0", "No files")
CreateSection("Main", "1", "0", "Main files")
AddFile("[SP]\files\one.txt", "[DP]", "Main", "0", "1", "0", "0", "0", "0", "")
'"$COPY_PAGE_THEN_MESSAGE"
}

robot_script() {
    robot_after_copy <<'ROBOT'
short-path "C:\\Demo\\one.txt"
ROBOT
}

verify() {
    local dir="$WINEPREFIX/drive_c/Demo"
    expect_same_bytes "$dir/one.txt" "$MEDIUM/files/one.txt" "one.txt"
    expect_log "$dir/Uninstall.log" "$(nonshared_records "$(short_path_of 'C:\Demo\one.txt')")"$'\n' Demo
    expect_uninstall_value Demo UninstallString 'C:\Demo\TAUninstall.exe'
    end_prefix "$WINEPREFIX"
}
