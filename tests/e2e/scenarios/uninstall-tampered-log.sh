# Logs that are not as setup writes them are refused as a whole, naming the
# line: here a key outside the Uninstall key, which must survive, and (in
# uninstall-tampered-header) a changed header line.
source "$E2E_LIB/copy.sh"
source "$E2E_LIB/uninstall.sh"
tampered_log_scenario 'Software\Microsoft\Windows\CurrentVersion\Run\Tampered'

prepare() { prepare_tampered_log $'C:\\tamper\\keep.txt\nNONSHARED\n' "$TAMPERED_KEY"; }

robot_script() {
    tampered_robot Uninstall "The uninstall log $(medium_log) is not as setup wrote it, so nothing has been removed.

line 15: the key is not below HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\"
}
