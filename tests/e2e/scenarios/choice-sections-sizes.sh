# Section sizes are summed in 64 bits: two files of 1.6 GB (sparse, so they
# take no disk space) show 3435973836 bytes, not a negative number. A section
# without files shows 0. A section chosen on an earlier showing starts the
# next showing without its selection mark, while the check box shows it chosen.

source "$E2E_LIB/pages.sh"

prepare() {
    mkdir -p "$MEDIUM/files"
    truncate -s 1717986918 "$MEDIUM/files/big1.bin"
    truncate -s 1717986918 "$MEDIUM/files/big2.bin"
    write_script 'SetAppName("Demo")
CreateSection("Huge", "0", "0", "Two big files")
CreateSection("Nothing", "0", "0", "No files")
AddFile("[SP]\files\big*.bin", "[DP]", "Huge", "0", "1", "0", "0", "0", "0", "")
ShowSections()
ShowSections()
ShowMessage("after", "after", "", "NOW")
'
}

robot_script() {
    robot_start "Demo Setup"
    cat <<'ROBOT'
listview id=1009
expect-row id=1009 0 focused=1 selected=0
expect-state id=1025 visible=1 checked=0
listview-click id=1009 1
expect-row id=1009 1 selected=1
expect-state id=1025 checked=1
click id=1017
wait-gone
wait-window class=#32770 title="Demo Setup"
expect-row id=1009 1 selected=0
keys DOWN
expect-row id=1009 1 focused=1 selected=0
expect-text id=1011 "No files"
expect-state id=1025 visible=1 checked=1
ROBOT
    robot_next_end after
}

verify() {
    expect_rows 'row index=0 checked=-1 selected=0 "Huge" "3435973836"
row index=1 checked=-1 selected=0 "Nothing" "0"'
}
