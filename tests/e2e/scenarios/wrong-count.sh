# A known command with the wrong number of arguments: the two-line syntax
# error box, exit code 2; the statements after it never run.
EXPECTED_EXIT=2

prepare() {
    write_script 'SetAppName("Demo", "extra")
ShowMessage("never", "Never", "", "NOW")
'
}

robot_script() {
    cat <<'ROBOT'
wait-process setup.exe
wait-window class=#32770 title="Fatal error"
expect-text id=0xFFFF "Syntax error in 'SetupScript.INI': Function is not defined (possibly wrong parameter count?)\nSetup cannot be continued."
click text=OK
absent-until-exit class=#32770 title=Never
ROBOT
}
