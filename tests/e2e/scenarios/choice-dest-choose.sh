# Choose on the destination page drives the shell's folder browser: Cancel
# changes nothing; a folder gives folder\APPNAME\ in the field and in DP; a
# drive root keeps its own backslash, so two follow the colon. Automatic does
# nothing (its click is handled before the Choose click that follows it).

prepare() {
    write_script 'SetAppName("Demo")
ShowDest()
ShowMessage("<[DP]>", "dp", "", "NOW")
'
}

robot_script() {
    cat <<'ROBOT'
wait-process setup.exe
wait-window class=#32770 title="Demo Setup"
expect-text id=1011 "C:\\Program Files\\Demo\\"
click id=1014
click id=1012
wait-window class=#32770 title="Browse for Folder"
expect-text id=14146 "Please choose the directory in which the software will be installed."
click id=2
wait-gone
wait-window class=#32770 title="Demo Setup"
expect-text id=1011 "C:\\Program Files\\Demo\\"
click id=1012
wait-window class=#32770 title="Browse for Folder"
tree-select id=14145 Desktop "My Computer" " (C:)" windows
click id=1
wait-gone
wait-window class=#32770 title="Demo Setup"
expect-text id=1011 "C:\\windows\\Demo\\"
click id=1012
wait-window class=#32770 title="Browse for Folder"
tree-select id=14145 Desktop "My Computer" " (C:)"
click id=1
wait-gone
wait-window class=#32770 title="Demo Setup"
expect-text id=1011 "C:\\\\Demo\\"
click id=1017
wait-window class=#32770 title=dp
expect-text id=0xFFFF "<C:\\\\Demo\\>"
click text=OK
wait-exit
ROBOT
}
