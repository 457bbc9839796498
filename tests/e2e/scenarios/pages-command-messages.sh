# ShowMessage "COMMAND" on script-defined controls: a BUTTON shows its boxes
# (two statements, in script order) on each click, an OPTION of the set on
# its click, a LABEL never, an EDIT once per change of its text and never
# when it gains or loses the focus. The options form one group.
source "$E2E_LIB/pages.sh"

prepare() {
    write_script 'SetWelcomeString("", "Commands")
AddWindow("DIALOG_WELCOME", "push", "BUTTON", "Push me", "0", "203", "150", "330", "172")
AddWindow("DIALOG_WELCOME", "one", "OPTION", "Option one", "0", "203", "176", "330", "194")
AddWindow("DIALOG_WELCOME", "two", "OPTION", "Option two", "0", "203", "196", "330", "214")
AddWindow("DIALOG_WELCOME", "three", "OPTION_BTNSTYLE", "Option three", "0", "340", "176", "475", "214")
AddWindow("DIALOG_WELCOME", "label", "LABEL", "Just a label", "0", "10", "236", "170", "254")
AddWindow("DIALOG_WELCOME", "field", "EDIT", "Field", "0", "203", "222", "380", "242")
ShowMessage("Pushed", "Push box", "push", "COMMAND")
ShowMessage("Label clicked", "Label box", "label", "COMMAND")
ShowMessage("Option two chosen", "Option box", "two", "COMMAND")
ShowMessage("Field changed", "Field box", "field", "COMMAND")
ShowMessage("Pushed again", "Second push box", "push", "COMMAND")
ShowMessage("Not a command", "Other mode", "push", "CLICK")
ShowWelcome()
ShowMessage("Page closed", "Done", "", "NOW")
'
}

robot_script() {
    robot_start Commands
    printf '%s\n' children 'mouse-click text="Just a label"' 'mouse-click text="Push me"'
    robot_box "Push box" Pushed
    robot_box "Second push box" "Pushed again"
    robot_window Commands
    printf '%s\n' 'check text="Option one" 1' 'check text="Option two" 1'
    robot_box "Option box" "Option two chosen"
    robot_window Commands
    printf '%s\n' 'expect-state text="Option one" checked=0' 'check text="Option three" 1' \
        'expect-state text="Option two" checked=0' 'type text="Field" X'
    robot_box "Field box" "Field changed"
    robot_window Commands
    echo 'mouse-click text="Push me"'
    robot_box "Push box"
    robot_box "Second push box"
    robot_window Commands
    echo 'click id=1017'
    robot_window Done
    printf '%s\n' 'click text=OK' 'absent-until-exit class=#32770 title="Label box"'
}

verify() {
    local boxes
    boxes=$(grep -c '^window .*title="Field box"' "$SCENARIO_DIR/robot.out")
    [ "$boxes" = 1 ] || fail "the field's box was found $boxes times"
    grep -q 'title="Other mode"' "$SCENARIO_DIR/robot.out" && fail "a mode other than COMMAND showed its box"
    expect_control "Push me" 'id=0 class="Button" style=0x50000000 '
    expect_control "Option one" 'id=0 class="Button" style=0x50000009 '
    expect_control "Option three" 'id=0 class="Button" style=0x50001009 '
    expect_control "Just a label" 'id=0 class="Static" style=0x50000000 '
}
