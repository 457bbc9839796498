# An entry whose setup stores digests, but without one (its digest deleted,
# or a setup that never finished): the log is refused, even though the entry
# starts this very uninstaller, and nothing is removed.
source "$E2E_LIB/copy.sh"
source "$E2E_LIB/uninstall.sh"
tampered_log_scenario 'Software\Microsoft\Windows\CurrentVersion\Uninstall\Tampered'

prepare() {
    prepare_tampered_log $'C:\\tamper\\keep.txt\nNONSHARED\n' "$TAMPERED_KEY"
    run_wine reg add "HKLM\\$TAMPERED_KEY" /v UninstallString /d "$(medium_windows_path)\\TAUninstall.exe" /f >/dev/null 2>&1
    run_wine reg add "HKLM\\$TAMPERED_KEY" /v UninstallLogSHA256Kept /d 1 /f >/dev/null 2>&1
}

robot_script() {
    tampered_robot "Uninstall Tampered" "The uninstall log $(medium_log) has no digest in its uninstall entry, although setup stores \
one, so it cannot be trusted and nothing has been removed."
}
