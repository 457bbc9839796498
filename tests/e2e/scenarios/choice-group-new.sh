# "Create new group" on the program group page: PROGRAMGROUP becomes the
# programs folder, a backslash, the typed name and a backslash; the copy run
# makes that folder, puts the shortcut in it and records the shortcut in
# Uninstall.log.
source "$E2E_LIB/pages.sh"

prepare() {
    prepare_program_group_medium
}

robot_script() {
    robot_program_group 'expect-state id=1030 checked=1
expect-state id=1031 checked=0
expect-state id=1032 checked=0
expect-text id=1011 "Demo"
expect-text id=1013 ""
set-text id=1011 "Demo Group"' \
        'text id=0xFFFF
special-folder 2'
}

verify() {
    local out="$SCENARIO_DIR/robot.out" programs group link log
    programs=$(sed -n 's/^folder csidl=2 path="\(.*\)"$/\1/p' "$out" | sed 's/\\\\/\\/g')
    group=$(sed -n 's/^text "<\(.*\)>"$/\1/p' "$out" | sed 's/\\\\/\\/g')
    [ -n "$programs" ] && [ "$group" = "$programs\\Demo Group\\" ] ||
        fail "PROGRAMGROUP is '$group', expected '$programs\\Demo Group\\'"
    link="$programs\\Demo Group\\Demo Tool.lnk"
    [ -f "$(unix_path_of "$link")" ] || fail "no shortcut $link"
    log="$WINEPREFIX/drive_c/Program Files/Demo/Uninstall.log"
    tr -d '\r' <"$log" | grep -qxF "$link" || fail "Uninstall.log does not record $link"
}
