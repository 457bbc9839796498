# "Use existing group" with an empty folder field opens the folder browser at
# once, rooted at the programs folder; Cancel changes nothing, a chosen folder
# fills the field and becomes PROGRAMGROUP with a final backslash; once a
# folder is chosen the option no longer opens the browser, and Browse then
# cancelled keeps the choice. The copy run puts the shortcut into the chosen
# folder.
source "$E2E_LIB/pages.sh"

prepare() {
    mkdir -p "$(programs_folder)/Existing Tools"
    prepare_program_group_medium
}

# After the last click on "Use existing group" a browser would stay open and
# hold back the end of the page, so the message "pg" would never come.
robot_script() {
    robot_program_group "$(
        echo 'click id=1031'
        robot_browse "Program group"
        printf '%s\n' 'expect-state id=1031 checked=1' 'expect-text id=1013 ""' 'click id=1031'
        robot_browse "Program group" Programs "Existing Tools"
        printf '%s\n' 'text id=1013' 'special-folder 2' 'click id=1014'
        robot_browse "Program group"
        echo 'click id=1031'
    )" 'text id=0xFFFF'
}

verify() {
    local out="$SCENARIO_DIR/robot.out" programs field group link
    programs=$(sed -n 's/^folder csidl=2 path="\(.*\)"$/\1/p' "$out" | sed 's/\\\\/\\/g')
    field=$(sed -n 's/^text "\(.*Existing Tools\)"$/\1/p' "$out" | sed 's/\\\\/\\/g')
    group=$(sed -n 's/^text "<\(.*\)>"$/\1/p' "$out" | sed 's/\\\\/\\/g')
    [ -n "$programs" ] && [ "$field" = "$programs\\Existing Tools" ] ||
        fail "field 1013 shows '$field', expected '$programs\\Existing Tools'"
    [ "$group" = "$programs\\Existing Tools\\" ] || fail "PROGRAMGROUP is '$group'"
    link="$programs\\Existing Tools\\Demo Tool.lnk"
    [ -f "$(unix_path_of "$link")" ] || fail "no shortcut $link"
    [ ! -e "$(programs_folder)/Demo" ] || fail "the old group name was made a folder"
}
