# Escape and the caption's close box (Alt+F4) do nothing on a page.

prepare() {
    write_script 'SetWelcomeString("", "Escape test")
AddWindow("DIALOG_WELCOME", "ping", "BUTTON", "Ping", "0", "203", "214", "300", "236")
ShowMessage("Pong", "Pong", "ping", "COMMAND")
ShowWelcome()
ShowMessage("Next was pressed", "After the page", "", "NOW")
'
}

# The click on Ping comes after the keys in the same input queue: once its
# box is there, the keys have been handled.
robot_script() {
    robot_start "Escape test"
    printf '%s\n' 'keys ESC' 'keys ALT+F4' 'mouse-click text=Ping'
    robot_box Pong
    robot_window "Escape test"
    echo 'expect-state id=1017 visible=1 enabled=1'
    robot_next_end "After the page"
}
