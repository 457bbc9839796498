# ShowMessage NOW after SetAppName: text and caption show the name; the box
# is answered with the keyboard.
prepare() {
    write_script 'SetAppName("Demo Pro")
ShowMessage("Install [APPNAME] now", "[APPNAME] Setup", "", "NOW")
'
}

robot_script() {
    robot_start "Demo Pro Setup"
    printf '%s\n' 'expect-text id=0xFFFF "Install Demo Pro now"' 'keys ENTER' wait-gone wait-exit
}
