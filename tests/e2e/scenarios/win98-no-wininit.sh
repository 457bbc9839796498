# Windows 98 without Wininit.exe: the "Error" box, then the run goes on.
prepare() {
    as_windows_98
    rm -f "$WINEPREFIX/drive_c/windows/"[Ww]ininit.exe
    write_script 'ShowMessage("after the check", "Later", "", "NOW")
'
}

robot_script() {
    cat <<'ROBOT'
wait-process setup.exe
wait-window class=#32770
expect-text Error
expect-text id=0xFFFF "Wininit.exe not found! Setup can not replace DLLs that are in use!"
click text=OK
wait-gone
wait-window class=#32770 title=Later
click text=OK
wait-exit
ROBOT
}
