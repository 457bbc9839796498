# A script of comments and blank lines: no page, no box, exit code 0.
prepare() {
    write_script '// Nothing to do here.

   // Still nothing.
'
}

robot_script() {
    cat <<'ROBOT'
wait-process setup.exe
absent-until-exit class=#32770
ROBOT
}
