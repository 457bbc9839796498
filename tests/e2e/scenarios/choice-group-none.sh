# "Create no group/icons": PROGRAMGROUP keeps its value, and the copy run
# makes no group folder, no shortcut and no shortcut record, though the file
# asks for a shortcut and is installed.
source "$E2E_LIB/pages.sh"

prepare() {
    prepare_program_group_medium
}

robot_script() {
    robot_program_group 'check id=1032 1
expect-state id=1030 checked=0' \
        'expect-text id=0xFFFF "<Demo>"'
}

verify() {
    local programs log dir="$WINEPREFIX/drive_c/Program Files/Demo"
    programs=$(programs_folder)
    log="$dir/Uninstall.log"
    [ -f "$dir/Tool.txt" ] || fail "Tool.txt not installed"
    [ -f "$log" ] || fail "no Uninstall.log"
    [ ! -e "$programs/Demo" ] || fail "a group folder was made"
    [ -z "$(find "$programs/.." -name '*.lnk')" ] || fail "shortcuts made: $(find "$programs/.." -name '*.lnk')"
    ! grep -qi '\.lnk' "$log" || fail "Uninstall.log records a shortcut"
}
