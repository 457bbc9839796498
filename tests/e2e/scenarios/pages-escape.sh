# Escape and the caption's close box (Alt+F4) do nothing on a page.
source "$E2E_LIB/pages.sh"

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
    cat <<'ROBOT'
wait-process setup.exe
wait-window class=#32770 title="Escape test"
keys ESC
keys ALT+F4
mouse-click text=Ping
wait-window class=#32770 title=Pong
click text=OK
wait-gone
wait-window class=#32770 title="Escape test"
expect-state id=1017 visible=1 enabled=1
click id=1017
wait-window class=#32770 title="After the page"
click text=OK
wait-exit
ROBOT
}
