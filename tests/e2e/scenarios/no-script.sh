# No SetupScript.ini beside setup.exe: the fatal box, exit code 1.
EXPECTED_EXIT=1

robot_script() {
    robot_fatal "Could not open 'SetupScript.INI' in setup directory. Setup cannot be continued."
}
