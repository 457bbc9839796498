# Shared by the copy run scenarios: source files on the medium, the expected
# bytes of Uninstall.log, and where the installation lands in the prefix.

# shellcheck source=/dev/null
source "$E2E_LIB/pages.sh" # programs_folder

# The end of a copy scenario's script: the copy page, then a message that
# shows the page has closed.
COPY_PAGE_THEN_MESSAGE='ShowCopy()
ShowMessage("The copy page has closed", "After the copy", "", "NOW")
'

# robot_after_copy: the robot waits for that message, runs the lines of its
# standard input while the message is open, answers it and waits for the end.
robot_after_copy() {
    robot_start "After the copy"
    cat
    printf '%s\n' 'click text=OK' 'wait-exit'
}

# The installation directory of SetAppName("Demo") as a Unix path.
demo_dir() { printf '%s' "$WINEPREFIX/drive_c/Program Files/Demo"; }

# medium_file PATH TEXT: a source file of the medium (PATH below $MEDIUM).
medium_file() {
    mkdir -p "$(dirname "$MEDIUM/$1")"
    printf '%s' "$2" >"$MEDIUM/$1"
}

# The medium as setup.exe sees it: its current directory, the value of [SP].
medium_windows_path() {
    local path
    path=$(windows_path "$MEDIUM")
    printf '%s' "${path//\//\\}"
}

# The prefix's Windows temporary directory, below which each run makes its
# own folder for assembling split files.
windows_temp_dir() { printf '%s' "$WINEPREFIX/drive_c/windows/temp"; }

# The local date as the log writes it: month/day/year without leading zeros.
log_date() { date +%-m/%-d/%Y; }

# Remembers the date before the run; with the date after it, a run across
# midnight still matches one of the two.
note_start_date() { START_DATE=$(log_date); }

# crlf: every LF of standard input becomes CR LF.
crlf() { sed 's/$/\r/'; }

# log_header DATE: the log's lines up to "[FILES]", LF line ends.
log_header() {
    printf 'ORUNLOG V1\n\nORLISK UNINSTALLATION LOG FILE\n\n'
    printf 'MAKE NO CHANGES TO THIS FILE, ITS FORMAT IS EXACTLY DEFINED!\n'
    printf 'NO REAL PARSER DOES EXIST, SO DON\xb4T MODIFY ANYTHING!\n'
    printf 'ANY ERRORS COULD CAUSE CATASTROPHAL (!) DAMAGE TO YOUR SYSTEM, YOU\n'
    printf 'COULD BE UNABLE TO RESTART WINDOWS\n\n'
    printf 'DATE:%s\n[FILES]\n' "$1"
}

# log_registry APPNAME: the closing lines.
log_registry() {
    printf '[REGISTRY]\nSoftware\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\%s\n' "$1"
}

# expect_log FILE RECORDS APPNAME: FILE holds exactly the header (of the date
# before or after the run), the records (LF line ends) and the registry lines,
# every line ending in CR LF.
expect_log() {
    local file=$1 records=$2 app=$3 date
    [ -f "$file" ] || { fail "no $file"; return; }
    for date in "$START_DATE" "$(log_date)"; do
        if cmp -s "$file" <({ log_header "$date"; printf '%s' "$records"; log_registry "$app"; } | crlf); then
            return
        fi
    done
    fail "Uninstall.log differs: $(od -c "$file" | head -n 40 | tr -s ' ' | tr '\n' '|')"
}

# short_path_of LONG: the short form that the robot's short-path printed for
# LONG (a Windows path), unquoted.
short_path_of() {
    local quoted=${1//\\/\\\\}
    grep -F "path long=\"$quoted\" short=" "$SCENARIO_DIR/robot.out" | head -n 1 |
        sed -e 's/.* short="\(.*\)"$/\1/' -e 's/\\\\/\\/g'
}

# expect_same_bytes FILE EXPECTED_FILE WHAT
expect_same_bytes() {
    if [ ! -f "$1" ]; then
        fail "$3 missing ($1)"
    elif ! cmp -s "$1" "$2"; then
        fail "$3 differs from its source"
    fi
}

# Reads a value of the uninstall entry: uninstall_value APPNAME NAME prints
# the data of a REG_SZ value, empty when it is missing.
uninstall_value() {
    run_wine reg query "HKLM\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\$1" /v "$2" 2>/dev/null |
        tr -d '\r' | sed -n "s/^ *$2 *REG_SZ *//p"
}

# expect_uninstall_value APPNAME NAME EXPECTED: the entry's value is exactly that.
expect_uninstall_value() {
    local value
    value=$(uninstall_value "$1" "$2")
    [ "$value" = "$3" ] || fail "$2: $value"
}

# windows_path_in_prefix UNIXPATH: a path below drive_c as a C: path.
windows_path_in_prefix() {
    local path=${1#"$WINEPREFIX/drive_c"}
    printf 'C:%s' "${path//\//\\}"
}

# in_log_order FILE LINE...: the given lines in the order in which they occur
# in FILE (a file that AddFile found by a wildcard is installed in the order
# the file system lists them). Lines that FILE lacks come last.
in_log_order() {
    local file=$1 line
    shift
    for line in "$@"; do
        printf '%s\t%s\n' "$(tr -d '\r' <"$file" | grep -n -F -x -- "$line" | head -n 1 | cut -d: -f1)" "$line"
    done | sort -n | cut -f2-
}

# nonshared_records SHORTPATH...: the records of installed non-shared files.
nonshared_records() {
    local path
    for path in "$@"; do
        printf '%s\nNONSHARED\n' "$path"
    done
}

# The script lines that split big.dat over the folders disk1 to disk3 of the
# medium (disks 1 to 3); the last piece asks for the shortcut "Big".
PIECE_STATEMENTS='AddFile("[SP]\disk1\big.001", "[DP]big.dat", "Main", "0", "1", "1", "0", "0", "0", "")
AddFile("[SP]\disk2\big.002", "[DP]big.dat", "Main", "0", "2", "1", "0", "0", "0", "")
AddFile("[SP]\disk3\big.003", "[DP]big.dat", "Main", "0", "3", "1", "1", "0", "1", "Big")
'

# The end of a script that shows the sections page, the copy page and a last
# message, and the robot lines that take it through them, keeping the sections
# page's rows in robot.out.
SECTIONS_THEN_COPY='ShowSections()
ShowCopy()
ShowMessage("The copy page has closed", "After the copy", "", "NOW")
'
robot_sections_then_copy() {
    robot_start "Demo Setup"
    echo 'listview id=1009'
    robot_next_end "After the copy"
}

# expect_main_size BYTES: the sections page showed the section Main, first,
# with that size.
expect_main_size() {
    grep -q "^row index=0 .*\"Main\" \"$1\"\$" "$SCENARIO_DIR/robot.out" ||
        fail "section size: $(grep -m 1 '^row ' "$SCENARIO_DIR/robot.out"), expected $1"
}

# make_pieces: the three pieces of big.dat, of sizes that do not fall on any
# power of two, in the disk folders and as copies in $SCENARIO_DIR/pieces.
make_pieces() {
    local number size
    mkdir -p "$SCENARIO_DIR/pieces"
    number=1
    for size in 150001 70000 99999; do
        mkdir -p "$MEDIUM/disk$number"
        head -c "$size" /dev/urandom >"$SCENARIO_DIR/pieces/big.00$number"
        cp "$SCENARIO_DIR/pieces/big.00$number" "$MEDIUM/disk$number/"
        number=$((number + 1))
    done
}

# A pause before the copy page, in which the robot takes a disk out: AddFile
# finds only the files that are there when it runs.
READY_STATEMENT='ShowMessage("Take out the disk now", "Ready", "", "NOW")
'

# medium_piece N: the piece of disk N in the medium, as a Windows path.
medium_piece() { printf '%s\\disk%s\\big.00%s' "$(medium_windows_path)" "$1" "$1"; }

# The piece of disk 2 in the medium and where the robot keeps it while the
# disk is "out", both as Windows paths.
medium_piece2() { medium_piece 2; }
spare_piece2() { printf '%s\\big.002' "$(medium_windows_path)"; }

# Robot lines: wait for the pause, take disk 2 out, go on to the copy page.
take_out_disk2() {
    cat <<ROBOT
wait-window class=#32770 title=Ready
move-file $(robot_word "$(medium_piece2)") $(robot_word "$(spare_piece2)")
click text=OK
ROBOT
}

# piece_file N: the kept copy of piece N.
piece_file() { printf '%s' "$SCENARIO_DIR/pieces/big.00$1"; }

# Where big.dat was assembled before runs had a folder of their own: where an
# earlier run may have left a file of that name, or another user planted one.
old_assembly_file() { printf '%s' "$(windows_temp_dir)/big.dat.ToInstall.TMP"; }

# expect_no_assembly_left [KEPT...]: the run removed its assembly folder and
# every assembly file in it; the KEPT files (planted by the scenario) are all
# that lie below the Windows temporary directory with such names.
expect_no_assembly_left() {
    local kept left
    kept=$(printf '%s\n' "$@")
    left=$(find "$(windows_temp_dir)" -mindepth 1 \( -name 'Setup-*' -o -name '*.ToInstall.TMP' \) |
        grep -v -x -F -e "$kept" | tr '\n' '|')
    [ -z "$left" ] || fail "left below the Windows temporary directory: $left"
}

# disk_prompt_text DISK: the text of the prompt for a missing disk.
disk_prompt_text() {
    printf 'Please insert disk %s in order to continue setup. If you inserted correct disk and this message appears again, setup script may be corrupt.' "$1"
}

# robot_disk_prompt N [DISK]: the robot waits for the prompt for the piece of
# disk N, which asks for disk DISK (default N).
robot_disk_prompt() {
    robot_window "$(medium_piece "$1")"
    printf 'expect-text id=0xFFFF %s\n' "$(robot_word "$(disk_prompt_text "${2:-$1}")")"
}

# expect_copy_page_controls: the robot's "children" of the copy page show its
# heading, labels, two visible bars and the Cancel button.
expect_copy_page_controls() {
    local out="$SCENARIO_DIR/robot.out" pattern
    for pattern in 'class="Button" .*visible=1 enabled=1 .*text="Cancel"' \
        'class="Static" .*visible=1 .*text="Copying files..."' 'class="Static" .*visible=1 .*text="Section:"' \
        'class="Static" .*visible=1 .*text="File:"' '^control id=1027 class="msctls_progress32" .*visible=1' \
        '^control id=1028 class="msctls_progress32" .*visible=1'; do
        grep -q -- "$pattern" "$out" || fail "copy page lacks a control like $pattern"
    done
}

# limit_file_size KIB: from here on the Wine programs of the scenario
# (setup.exe and the robot) cannot make any file longer than KIB kibibytes,
# as on a disk that fills up: a write beyond fails (the signal that would end
# the process is ignored). The prefix's wineserver is started first, without
# the limit and kept until the scenario ends, so that it can save the
# registry.
limit_file_size() {
    wineserver -p
    WINE_LOCALE=(bash -c 'trap "" XFSZ; ulimit -f "$0" && exec "$@"' "$1" "${WINE_LOCALE[@]}")
}

# A run that stops at a file in use: first.txt is installed, NAME (already
# at its destination, where the robot holds it) stops the run after the
# overwrite question, last.txt is never installed. The caller puts the new
# NAME into "$MEDIUM/files" and the old one into the installation directory,
# then calls prepare_stopping_run NAME.
prepare_stopping_run() {
    note_start_date
    medium_file 'files/first.txt' 'installed before the held file'
    medium_file 'files/last.txt' 'never installed'
    cp "$(demo_dir)/$1" "$SCENARIO_DIR/held.old"
    write_script 'SetAppName("Demo")
CreateSection("Main", "1", "0", "Main files")
AddFile("[SP]\files\first.txt", "[DP]", "Main", "0", "1", "0", "0", "0", "0", "")
AddFile("[SP]\files\'"$1"'", "[DP]", "Main", "0", "1", "0", "0", "0", "0", "")
AddFile("[SP]\files\last.txt", "[DP]", "Main", "0", "1", "0", "0", "0", "0", "")
ShowMessage("The file is held now", "Ready", "", "NOW")
ShowCopy()
'
}

# The message after a stopped run was undone completely.
UNDONE_TEXT="The installation was stopped. Setup has undone all its changes: the application was not installed and nothing was changed."

# stopping_run_robot HOLD_COMMAND NAME MESSAGE...: the robot holds the
# destination of NAME with HOLD_COMMAND before the copy, answers the
# overwrite question with Yes and expects the messages in order, each with
# the caption NAME (the source's short name), then the undo's message.
stopping_run_robot() {
    local hold=$1 name=$2 message
    shift 2
    printf 'wait-process setup.exe\n%s %s\n' "$hold" "$(robot_word "C:\\Program Files\\Demo\\$name")"
    printf 'wait-window class=#32770 title=Ready\nclick text=OK\n'
    printf 'wait-window class=#32770 title="Overwrite file"\nclick text=Yes\n'
    for message in "$@"; do
        robot_box "$name" "$message"
    done
    robot_end Setup "$UNDONE_TEXT"
}

# verify_stopped_run NAME: the run was undone: what was installed before the
# stop is gone, the held file keeps its old bytes, there is neither log nor
# uninstall entry.
verify_stopped_run() {
    local dir
    dir=$(demo_dir)
    [ ! -e "$dir/first.txt" ] || fail "first.txt stayed after the undo"
    expect_same_bytes "$dir/$1" "$SCENARIO_DIR/held.old" "$1 (its old bytes)"
    [ ! -e "$dir/last.txt" ] || fail "last.txt installed after the stop"
    [ ! -e "$dir/Uninstall.log" ] || fail "Uninstall.log stayed after the undo"
    [ -z "$(uninstall_value Demo DisplayName)" ] || fail "the uninstall entry stayed"
    end_prefix "$WINEPREFIX"
}

# prepare_shared_in_use: the medium's shared.dll (version 2.0) is to replace
# system32's shared.dll (1.9), which another program holds loaded until the
# prefix ends: the installation queues the replacement for the restart.
prepare_shared_in_use() {
    cp "$BUILD_DIR/fixtures/ver19.dll" "$WINEPREFIX/drive_c/windows/system32/shared.dll"
    cp "$BUILD_DIR/fixtures/ver20.dll" "$MEDIUM/shared.dll"
    write_script 'SetAppName("Demo")
CreateSection("Main", "1", "0", "Main files")
AddFile("[SP]\shared.dll", "[DP]", "Main", "1", "1", "0", "0", "1", "0", "")
ShowCopy()
'
    run_wine "$BUILD_DIR/robot.exe" -e 'load-library "C:\\windows\\system32\\shared.dll"' -e 'timeout 600000' \
        -e 'wait-process never.exe' >"$SCENARIO_DIR/holder.out" 2>&1 &
    wait_until 30 grep -qs '^loaded library' "$SCENARIO_DIR/holder.out" || fail "the library was not loaded"
}

# robot_demo_walk: the robot accepts the demo's license and walks through
# every page of the demo ($APP), with screenshots into the scenario's walk/.
robot_demo_walk() {
    echo 'timeout 30000'
    robot_start "Welcome to $APP"
    printf '%s\n' 'check text="I accept the license terms" 1' "walk $(robot_word "$(scenario_path walk)")"
}

# hold_unreadable FILE NAME: the robot holds FILE (a Unix path) open without
# sharing until the prefix ends: it exists but cannot be read, as a source on
# a disk that is not inserted. Its output goes to NAME.out.
hold_unreadable() {
    run_wine "$BUILD_DIR/robot.exe" -e "hold-file $(robot_word "$(windows_path "$1")")" \
        -e 'timeout 600000' -e 'wait-process never.exe' >"$SCENARIO_DIR/$2.out" 2>&1 &
    wait_until 30 grep -qs '^held file' "$SCENARIO_DIR/$2.out" || fail "$1 was not held"
}
