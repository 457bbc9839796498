# A non-shared destination that another program holds open without sharing:
# after the overwrite question (Yes) the installer can neither share nor
# delete it; the sharing violation is reported, then the file in use (both
# with the source's short name as caption), and the run stops and is undone:
# the file before it is gone again, the one after it never installed, the
# held file keeps its old bytes, and there is neither log nor entry.
source "$E2E_LIB/copy.sh"

prepare() {
    mkdir -p "$(demo_dir)"
    medium_file 'files/held.txt' 'new contents that cannot arrive'
    printf 'old contents, held open' >"$(demo_dir)/held.txt"
    prepare_stopping_run held.txt
}

robot_script() {
    stopping_run_robot hold-file held.txt "Sharing violation occured, setup cannot install the file." \
        "File is in use and setup is not able to overwrite the file."
}

verify() { verify_stopped_run held.txt; }
