# Windows 98 with a Wininit.exe one byte too small: the warning, answered No,
# ends the program with exit code 0 before any statement runs.
prepare() {
    as_windows_98
    put_windows_file Wininit.exe 40800
    write_script 'ShowMessage("must not appear", "Later", "", "NOW")
'
}

robot_script() {
    cat <<'ROBOT'
wait-process setup.exe
wait-window class=#32770 title=Warning
expect-text id=0xFFFF "Wininit.exe may be corrupted. Setup checked the file size of wininit.exe, and it does not match the file size of the Windows 95, Windows 98, Windows NT, Windows ME or Windows 2000 version (all 32 bit windows versions that have been released until the current build of this setup). Therefore, the EXE may be corrupt and a restart may not be possible. If you have a newer Windows version, this may be a false alarm. Do you want to continue setup (not recommended if you do not have a newer version of Windows)?"
click text=No
absent-until-exit class=#32770 title=Later
ROBOT
}
