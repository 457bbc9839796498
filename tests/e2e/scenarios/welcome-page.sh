# The welcome page: title and texts from SetWelcomeString/SetWelcomeString2,
# the template laid out in dialog units of Tahoma 8 (base units 6 x 13 at
# 96 dpi), script-defined controls at their pixel positions, the picture at
# client pixel (40, 30), and Next going on to the next statement.
source "$E2E_LIB/pages.sh"

prepare() {
    write_script 'SetAppName("Orlisk")
SetWelcomeString("Welcome to the installation of [APPNAME]. This wizard copies the program onto your computer.", "Welcome to [APPNAME] 1.0")
SetWelcomeString2("Click Next to go on, or Cancel to leave.")
AddWindow("DIALOG_WELCOME", "agree", "CHECKBOX", "I accept the licence", "0", "203", "214", "475", "232")
AddWindow("DIALOG_WELCOME", "news", "EDIT", "news@example.com", "0", "203", "234", "380", "252")
AddWindow("DIALOG_WELCOME", "push", "CHECKBOX_BTNSTYLE", "Push-like", "0", "10", "240", "120", "270")
CheckButton("agree")
ShowWelcome()
ShowMessage("After welcome", "Done", "", "NOW")
'
}

robot_script() {
    robot_start "Welcome to Orlisk 1.0"
    cat <<ROBOT
expect-text id=1001 "Welcome to the installation of Orlisk. This wizard copies the program onto your computer."
expect-text id=1000 "Click Next to go on, or Cancel to leave."
expect-state text="I accept the licence" checked=1
expect-state id=1017 enabled=1 visible=1
expect-state id=5 visible=0 enabled=0
client-rect
children
screenshot "$(scenario_path screen.bmp)"
ROBOT
    robot_next_end Done "After welcome"
}

verify() {
    local resources="$E2E_LIB/../../../resources"
    python3 "$resources/make_welcome_bitmap.py" --check "$resources/welcome.bmp" ||
        fail "resources/welcome.bmp is not what make_welcome_bitmap.py draws"
    save_screenshot screen.bmp welcome-page >/dev/null || fail "no screenshot"
    python3 "$E2E_LIB/check_welcome_picture.py" "$SCENARIO_DIR/screen.bmp" "$resources/welcome.bmp" \
        "$SCENARIO_DIR/robot.out" >"$SCENARIO_DIR/picture.txt" || fail "picture: $(head -n 1 "$SCENARIO_DIR/picture.txt")"
    grep -q '^client left=[0-9]* top=[0-9]* width=485 height=306$' "$SCENARIO_DIR/robot.out" ||
        fail "client area: $(grep -m 1 '^client ' "$SCENARIO_DIR/robot.out")"
    expect_control "Next" 'id=1017 class="Button" style=0x50010001 .*rect=386,276,475,299'
    expect_control "Cancel" 'id=1018 class="Button" style=0x50010000 .*rect=180,276,269,299'
    expect_control "Welcome to the installation of Orlisk. This wizard copies the program onto your computer." \
        'id=1001 class="Static" style=0x50020000 .*rect=203,34,475,219'
    expect_control "Click Next to go on, or Cancel to leave." 'id=1000 class="Static" style=0x50020000 .*rect=203,106,475,228'
    expect_control "I accept the licence" 'id=0 class="Button" style=0x50000003 exstyle=0x00000000 .*rect=203,214,475,232'
    expect_control "news@example.com" 'id=0 class="Edit" style=0x50000000 exstyle=0x00000280 .*rect=203,234,380,252'
    expect_control "Push-like" 'id=0 class="Button" style=0x50001003 exstyle=0x00000000 .*rect=10,240,120,270'
}
