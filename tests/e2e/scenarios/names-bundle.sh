# A bundle of a UTF-8 medium with Greek, Cyrillic and Chinese names, started
# with /VERYSILENT from a folder whose name is Cyrillic and Chinese: the
# loader reopens itself, unpacks, setup installs the names, and the
# extraction folder is gone afterwards.
source "$E2E_LIB/bundle.sh"
source "$E2E_LIB/names.sh"
TIME_LIMIT=120
PROGRAM='Загрузки 下载/Setup Δ.exe'
PROGRAM_ARGS=(/VERYSILENT)

prepare() {
    MEDIUM="$SCENARIO_DIR/source" prepare_names_medium
    mkdir -p "$MEDIUM/$(dirname "$PROGRAM")"
    make_bundle "$MEDIUM/$PROGRAM" "$SCENARIO_DIR/source"
}

robot_script() { printf 'timeout 60000\nwait-process setup.exe\nabsent-until-exit\n'; }

verify() {
    local dir="$WINEPREFIX/drive_c/Program Files/$NAMES_APP"
    [ "$(cat "$dir/$NAMES_FILE" 2>/dev/null)" = 'όλα καλά' ] || fail "$NAMES_FILE is not in $dir"
    cmp -s "$dir/TAUninstall.exe" "$BUILD_DIR/TAUninstall.exe" || fail "TAUninstall.exe differs from the build's"
    expect_no_extraction_folder
    end_prefix "$WINEPREFIX"
    [ "$(registry_text system "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\$NAMES_APP" DisplayName)" = \
        "$NAMES_APP" ] || fail "no uninstall entry named $NAMES_APP"
}
