# Shared by the wizard page scenarios.

# Wine's own Tahoma (shipped with Wine, e.g. Debian's fonts-wine), which this
# Wine does not load from its data directory by itself.
wine_tahoma_dir() {
    local dir
    for dir in /usr/share/wine/fonts /usr/local/share/wine/fonts /opt/wine*/share/wine/fonts; do
        [ -f "$dir/tahoma.ttf" ] && { echo "$dir"; return 0; }
    done
    return 1
}

# Prepares the scenario's prefix for pages as a user sees them:
# - the page font Tahoma installed, so the templates' dialog units are
#   those of Tahoma 8 and not of a substitute;
# - windows drawn by Wine itself, caption included: Xvfb has no window
#   manager to draw the frames, and hiding a window then waits for none.
page_prefix() {
    local fonts
    if fonts=$(wine_tahoma_dir); then
        cp "$fonts"/tahoma*.ttf "$WINEPREFIX/drive_c/windows/Fonts/"
    else
        fail "Wine's tahoma.ttf not found"
    fi
    run_wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
}

# The first line of the robot's "children" output for the control whose
# text is $1.
control_line() { grep -m 1 "^control .*text=\"$1\"" "$SCENARIO_DIR/robot.out"; }

# expect_control TEXT PATTERN: the control's line matches the grep pattern.
expect_control() {
    control_line "$1" | grep -q -- "$2" || fail "control \"$1\": $(control_line "$1"), expected $2"
}
