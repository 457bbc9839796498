# A known command with the wrong number of arguments: the two-line syntax
# error box, exit code 2; the statements after it never run.
EXPECTED_EXIT=2

prepare() {
    write_script 'SetAppName("Demo", "extra")
ShowMessage("never", "Never", "", "NOW")
'
}

robot_script() {
    robot_fatal "Syntax error in 'SetupScript.INI': Function is not defined (possibly wrong parameter count?)
Setup cannot be continued."
}
