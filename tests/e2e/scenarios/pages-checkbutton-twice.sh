# CheckButton checks its control at every showing of the page; what the
# user changed on an earlier showing is gone. A LABEL or EDIT named by
# CheckButton is unaffected.
source "$E2E_LIB/pages.sh"

prepare() {
    write_script 'AddWindow("DIALOG_WELCOME", "agree", "CHECKBOX", "I agree", "0", "203", "194", "475", "212")
AddWindow("DIALOG_WELCOME", "plain", "CHECKBOX", "Plain box", "0", "203", "214", "475", "232")
AddWindow("DIALOG_WELCOME", "note", "EDIT", "A note", "0", "10", "236", "170", "254")
AddWindow("DIALOG_WELCOME", "label", "LABEL", "A label", "0", "10", "258", "170", "276")
CheckButton("agree")
CheckButton("note")
CheckButton("label")
SetWelcomeString("", "First showing")
ShowWelcome()
SetWelcomeString("", "Second showing")
ShowWelcome()
'
}

robot_script() {
    robot_start "First showing"
    cat <<'ROBOT'
expect-state text="I agree" checked=1
expect-state text="Plain box" checked=0
check text="I agree" 0
check text="Plain box" 1
set-text text="A note" "changed"
click id=1017
wait-gone
wait-window class=#32770 title="Second showing"
expect-state text="I agree" checked=1
expect-state text="Plain box" checked=0
expect-text text="A note" "A note"
expect-text text="A label" "A label"
children
click id=1017
wait-exit
ROBOT
}

verify() {
    expect_control "A note" 'id=0 class="Edit" '
    expect_control "A label" 'id=0 class="Static" style=0x50000000 '
}
