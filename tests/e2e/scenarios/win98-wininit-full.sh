# Windows 98 with a Wininit.exe of 40801 bytes: no message; the first box is
# the script's own.
prepare() {
    as_windows_98
    put_windows_file Wininit.exe 40801
    write_script 'ShowMessage("first box", "Later", "", "NOW")
'
}

robot_script() {
    cat <<'ROBOT'
wait-process setup.exe
wait-window class=#32770
expect-text Later
click text=OK
wait-exit
ROBOT
}
