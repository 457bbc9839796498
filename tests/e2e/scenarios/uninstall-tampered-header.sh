# A log whose warning line was edited (an apostrophe for the 0xB4 byte) is
# refused as a whole, naming line 6; nothing is removed.
source "$E2E_LIB/copy.sh"
source "$E2E_LIB/uninstall.sh"
tampered_log_scenario 'Software\Microsoft\Windows\CurrentVersion\Uninstall\Tampered'

prepare() {
    prepare_tampered_log $'C:\\tamper\\keep.txt\nNONSHARED\n' "$TAMPERED_KEY"
    sed -i "s/DON\xb4T/DON'T/" "$MEDIUM/Uninstall.log"
    cp "$MEDIUM/Uninstall.log" "$SCENARIO_DIR/log.before"
}

robot_script() {
    tampered_robot Uninstall "The uninstall log $(medium_log) is not as setup wrote it, so nothing has been removed.

line 6: the header line \"NO REAL PARSER DOES EXIST, SO DON"$'\xb4'"T MODIFY ANYTHING!\" was expected"
}
