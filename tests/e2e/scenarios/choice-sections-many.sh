# A section of 10,000 files: the page appears before their sizes are known,
# with Next disabled; Next comes on once every size is in the list, and the
# sizes are the full sums (10,000 files of one byte; a later section's 7).

source "$E2E_LIB/pages.sh"

prepare() {
    mkdir -p "$MEDIUM/files" "$MEDIUM/docs"
    head -c 10000 /dev/zero | split -b 1 -a 4 - "$MEDIUM/files/f"
    printf 'read me' >"$MEDIUM/docs/readme.txt"
    write_script 'SetAppName("Demo")
CreateSection("Many", "1", "0", "Many files")
CreateSection("Docs", "0", "0", "Documents")
AddFile("[SP]\files\*.*", "[DP]", "Many", "0", "1", "0", "0", "0", "0", "")
AddFile("[SP]\docs\readme.txt", "[DP]", "Docs", "0", "1", "0", "0", "0", "0", "")
ShowSections()
ShowMessage("after", "after", "", "NOW")
'
}

robot_script() {
    echo 'timeout 120000'
    robot_start "Demo Setup"
    printf '%s\n' 'expect-state id=1017 enabled=0' 'expect-state id=1017 enabled=1' 'listview id=1009'
    robot_next_end after
}

verify() {
    expect_rows 'row index=0 checked=-1 selected=1 "Many" "10000"
row index=1 checked=-1 selected=0 "Docs" "7"'
}
