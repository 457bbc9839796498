# A non-shared destination that another program holds open without sharing:
# after the overwrite question (Yes) the installer can neither share nor
# delete it; the sharing violation is reported, then the file in use (both
# with the source's short name as caption), and the run stops. The file
# before it is installed, the one after it is not, the held file keeps its
# old bytes, and the log and the uninstall entry are complete.
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
