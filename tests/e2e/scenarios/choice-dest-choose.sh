# Choose on the destination page drives the shell's folder browser: Cancel
# changes nothing; a folder gives folder\APPNAME\ in the field and in DP; a
# drive root keeps its own backslash, so two follow the colon. Automatic does
# nothing (its click is handled before the Choose click that follows it).
source "$E2E_LIB/pages.sh"

prepare() {
    write_script 'SetAppName("Demo")
ShowDest()
ShowMessage("<[DP]>", "dp", "", "NOW")
'
}

robot_script() {
    robot_start "Demo Setup"
    printf '%s\n' 'expect-text id=1011 "C:\\Program Files\\Demo\\"' 'click id=1014' 'click id=1012'
    robot_browse "Demo Setup"
    printf '%s\n' 'expect-text id=1011 "C:\\Program Files\\Demo\\"' 'click id=1012'
    robot_browse "Demo Setup" Desktop "My Computer" " (C:)" windows
    printf '%s\n' 'expect-text id=1011 "C:\\windows\\Demo\\"' 'click id=1012'
    robot_browse "Demo Setup" Desktop "My Computer" " (C:)"
    echo 'expect-text id=1011 "C:\\\\Demo\\"'
    robot_next_end dp '<C:\\Demo\>'
}
