# Cancel, then Yes: the run ends with exit code 0 and no later statement
# runs (the ShowMessage "NOW" after the page never appears).

prepare() {
    write_script 'SetWelcomeString("", "Cancel test")
ShowWelcome()
ShowMessage("Still running", "After the page", "", "NOW")
'
}

robot_script() {
    robot_start "Cancel test"
    robot_quit "After the page"
}
