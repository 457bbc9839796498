# Cancel, then Yes: the run ends with exit code 0 and no later statement
# runs (the ShowMessage "NOW" after the page never appears).
source "$E2E_LIB/pages.sh"

prepare() {
    write_script 'SetWelcomeString("", "Cancel test")
ShowWelcome()
ShowMessage("Still running", "After the page", "", "NOW")
'
}

robot_script() {
    cat <<'ROBOT'
wait-process setup.exe
wait-window class=#32770 title="Cancel test"
click id=1018
wait-window class=#32770 title="Quit setup"
click text=Yes
absent-until-exit class=#32770 title="After the page"
ROBOT
}
