# An unattended installation: a must-install section whose files come from
# a wildcard AddFile to "[DP]" and a program with a shortcut below "[DP]bin\".
# Every file arrives with its bytes, Uninstall.log has its exact bytes (short
# paths as the system gives them), the shortcut is in the program group, the
# uninstall entry is in the registry, and the statement after ShowCopy runs.
source "$E2E_LIB/copy.sh"

prepare() {
    note_start_date
    medium_file 'files/readme.txt' $'Read me first.\r\n'
    medium_file 'files/Long File Name.txt' 'a file whose name is no 8.3 name'
    medium_file 'files/DATA.BIN' $'\x00\x01\x02\xff binary'
    medium_file 'program/Demo Program.exe' 'not really a program'
    write_script 'SetAppName("Demo")
CreateSection("Main", "1", "0", "Main files")
AddFile("[SP]\files\*.*", "[DP]", "Main", "0", "1", "0", "0", "0", "0", "")
AddFile("[SP]\program\Demo Program.exe", "[DP]bin\", "Main", "0", "1", "0", "0", "0", "1", "Demo")
'"$COPY_PAGE_THEN_MESSAGE"
}

robot_script() {
    robot_after_copy <<'ROBOT'
expect-text id=0xFFFF "The copy page has closed"
short-path "C:\\Program Files\\Demo\\readme.txt"
short-path "C:\\Program Files\\Demo\\Long File Name.txt"
short-path "C:\\Program Files\\Demo\\DATA.BIN"
short-path "C:\\Program Files\\Demo\\bin\\Demo Program.exe"
ROBOT
}

verify() {
    local dir name link records
    dir=$(demo_dir)
    for name in readme.txt 'Long File Name.txt' DATA.BIN; do
        expect_same_bytes "$dir/$name" "$MEDIUM/files/$name" "$name"
    done
    expect_same_bytes "$dir/bin/Demo Program.exe" "$MEDIUM/program/Demo Program.exe" "Demo Program.exe"
    [ "$(ls "$dir" | sort | tr '\n' '|')" = "DATA.BIN|Long File Name.txt|Uninstall.log|bin|readme.txt|" ] ||
        fail "installation directory holds: $(ls "$dir" | tr '\n' '|')"

    link="$(programs_folder)/Demo/Demo.lnk"
    [ -s "$link" ] || fail "no shortcut $link"
    grep -q -a -F 'C:\Program Files\Demo\bin\Demo Program.exe' "$link" || fail "Demo.lnk does not point to the program"
    mapfile -t files < <(in_log_order "$dir/Uninstall.log" \
        "$(short_path_of 'C:\Program Files\Demo\readme.txt')" \
        "$(short_path_of 'C:\Program Files\Demo\Long File Name.txt')" \
        "$(short_path_of 'C:\Program Files\Demo\DATA.BIN')")
    records=$(nonshared_records "${files[@]}" "$(short_path_of 'C:\Program Files\Demo\bin\Demo Program.exe')"
        printf '%s\nNONSHARED\n' "$(windows_path_in_prefix "$link")")
    expect_log "$dir/Uninstall.log" "$records"$'\n' Demo

    expect_uninstall_value Demo DisplayName "Demo"
    expect_uninstall_value Demo UninstallString '"C:\Program Files\Demo\TAUninstall.exe"'
    end_prefix "$WINEPREFIX"
}
