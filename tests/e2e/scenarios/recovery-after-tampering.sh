# setup.exe killed during a copy into a new folder; before the next start
# someone puts a file of theirs into that folder and turns a folder the run
# made into a link to another folder holding a file of the same name. The
# recovery removes what the run made, leaves their file, the folder that
# holds it and the file behind the link, and says so.
source "$E2E_LIB/undo.sh"
undo_case fresh killed

verify() {
    end_prefix "$WINEPREFIX"
    local demo victim="$WINEPREFIX/drive_c/Victim"
    demo=$(demo_dir)
    [ -f "$demo/sub/deep.txt" ] || fail "the run had not reached deep.txt"
    printf 'theirs' >"$demo/theirs.txt"
    mkdir -p "$victim"
    printf 'victim' >"$victim/deep.txt"
    rm -rf "$demo/sub"
    ln -s "$victim" "$demo/sub"
    RECOVERY_TEXT="" start_again_after_kill
    local message
    message=$(grep '^text ' "$SCENARIO_DIR/second.out")
    [ "$(cat "$victim/deep.txt")" = victim ] || fail "a file behind the link was removed"
    [ -f "$demo/theirs.txt" ] || fail "a file the run did not make was removed"
    [ "$(ls "$demo")" = "$(printf 'sub\ntheirs.txt')" ] || fail "the run's own files stayed: $(ls "$demo")"
    [[ $message = *"deep.txt was left: the way to it leads through a link"* ]] || fail "the link is not named: $message"
    [[ $message = *"Demo was left: it holds files that setup did not put there"* ]] || fail "the folder left is not named: $message"
    [[ $message != *"nothing was changed"* ]] || fail "the message claims a complete undo: $message"
}
