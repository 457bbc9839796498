# Libraries planted beside setup.exe under the names of the system libraries
# that it and Wine's own libraries load (setupapi, comctl32, shell32, ole32,
# oleaut32, uxtheme, msimg32, usp10), while Wine searches for them as Windows
# does: none is loaded, and an installation that uses them all (common
# controls, section sizes, a shortcut) succeeds. A program that loads them by
# bare name from such a folder does load every copy, so a load is seen.
source "$E2E_LIB/copy.sh"
source "$E2E_LIB/planted.sh"

prepare() {
    search_like_windows
    plant_libraries "$MEDIUM"
    mkdir -p "$SCENARIO_DIR/control"
    plant_libraries "$SCENARIO_DIR/control"
    expect_plants_seen "$SCENARIO_DIR/control"
    medium_file 'files/ReadMe.txt' 'read me'
    write_script 'SetAppName("Demo")
CreateSection("Main", "1", "0", "Main files")
AddFile("[SP]\files\ReadMe.txt", "[DP]", "Main", "0", "1", "0", "0", "0", "1", "Read me")
'"$SECTIONS_THEN_COPY"
}

robot_script() { robot_sections_then_copy; }

verify() {
    [ -z "$(loaded_plants "$MEDIUM")" ] || fail "setup.exe loaded: $(loaded_plants "$MEDIUM" | tr '\n' ' ')"
    expect_main_size 7
    expect_same_bytes "$(demo_dir)/ReadMe.txt" "$MEDIUM/files/ReadMe.txt" "ReadMe.txt"
    [ -f "$(programs_folder)/Demo/Read me.lnk" ] || fail "no shortcut: $(ls "$(programs_folder)/Demo" 2>&1)"
}
