# No SetupScript.ini beside setup.exe: the fatal box, exit code 1.
EXPECTED_EXIT=1

robot_script() {
    cat <<'ROBOT'
wait-process setup.exe
wait-window class=#32770 title="Fatal error"
expect-text id=0xFFFF "Could not open 'SetupScript.INI' in setup directory. Setup cannot be continued."
click text=OK
wait-exit
ROBOT
}
