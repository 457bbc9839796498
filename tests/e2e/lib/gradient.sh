# Shared by the gradient scenarios: hold the run open with a message box,
# let the robot print the expected bands and take a screenshot, then compare.
# The scenario sets GRADIENT (six colour values) and SCRIPT_HEAD (statements
# before the box).

prepare() {
    write_script "${SCRIPT_HEAD}ShowMessage(\"Hold\", \"Gradient\", \"\", \"NOW\")
"
}

robot_script() {
    cat <<ROBOT
wait-process setup.exe
wait-window class=SETUPMAINCLASS_HALLO_WIE_GEHTS title=Setup
wait-window class=#32770 title=Gradient
gradient $GRADIENT 768
screenshot "$(scenario_path screen.bmp)"
click text=OK
wait-exit
ROBOT
}

verify() {
    local png
    png=$(save_screenshot screen.bmp "$(basename "$SCENARIO_DIR")") || { fail "no screenshot"; return; }
    local report
    report=$(python3 "$E2E_LIB/check_gradient.py" "$png" "$SCENARIO_DIR/robot.out") ||
        fail "gradient differs in $png: $(echo "$report" | head -n 3 | tr '\n' ';')"
}
