# A non-shared destination that another program has loaded as a library (in
# use): after the overwrite question (Yes) the installer cannot replace it,
# the message says so (caption the source's short name) and the run stops.
# The run is undone: the file before it is gone again, the one after it is
# never installed, the held file keeps its old bytes, and there is neither
# log nor uninstall entry. The program ends normally (exit code 0).
source "$E2E_LIB/copy.sh"

prepare() {
    mkdir -p "$MEDIUM/files" "$(demo_dir)"
    cp "$BUILD_DIR/fixtures/ver20.dll" "$MEDIUM/files/held.dll"
    cp "$BUILD_DIR/fixtures/noreg.dll" "$(demo_dir)/held.dll"
    prepare_stopping_run held.dll
}

robot_script() {
    stopping_run_robot load-library held.dll "File is in use and setup is not able to overwrite the file."
}

verify() { verify_stopped_run held.dll; }
