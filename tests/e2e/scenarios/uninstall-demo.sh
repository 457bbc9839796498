# The demo medium, installed through the wizard with TAUninstall.exe among
# its files, then removed the way Windows does it ("wine uninstaller
# --remove"): after the self-removal and a restart the prefix holds what it
# held before, apart from the differences named below with their reasons.
# The uninstaller imports only the four system libraries it may.
source "$E2E_LIB/copy.sh"
source "$E2E_LIB/uninstall.sh"
TIME_LIMIT=120
APP='Tarvane Demo'

prepare() {
    cp -r "$E2E_LIB/../../../examples/demo/." "$MEDIUM/"
    cp "$BUILD_DIR/TAUninstall.exe" "$MEDIUM/"
    mkdir -p "$SCENARIO_DIR/walk"
    snapshot_prefix "$SCENARIO_DIR/before.snapshot"
}

robot_script() { robot_demo_walk; }

# Only kernel32, user32, gdi32, advapi32 and the C runtime at load time.
check_imports() {
    local dll
    for dll in $(x86_64-w64-mingw32-objdump -p "$BUILD_DIR/TAUninstall.exe" | sed -n 's/^\s*DLL Name: //p'); do
        case ${dll,,} in
        kernel32.dll | user32.dll | gdi32.dll | advapi32.dll | msvcrt.dll) ;;
        *) fail "TAUninstall.exe imports $dll" ;;
        esac
    done
}

verify() {
    local dir="$WINEPREFIX/drive_c/Program Files/$APP"
    check_imports
    [ -f "$dir/TAUninstall.exe" ] || { fail "TAUninstall.exe was not installed"; return; }
    uninstall_entries | grep -q "|||$APP\$" || fail "uninstaller --list lacks $APP: $(uninstall_entries)"
    remove_robot "$APP" >"$SCENARIO_DIR/remove.robot"
    remove_without_residue "$dir" "$SCENARIO_DIR/remove.robot"
}
