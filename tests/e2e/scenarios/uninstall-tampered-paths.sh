# A log whose records name a directory, a relative path, a path climbing
# with "..", a network path and a device: the uninstaller names each line,
# removes nothing (not even the acceptable first record) and exits with 2.
source "$E2E_LIB/copy.sh"
source "$E2E_LIB/uninstall.sh"
tampered_log_scenario 'Software\Microsoft\Windows\CurrentVersion\Uninstall\Tampered'

prepare() {
    prepare_tampered_log 'C:\tamper\keep.txt
NONSHARED
C:\tamper\sub
NONSHARED
keep.txt
NONSHARED
C:\tamper\sub\..\keep.txt
SHARED
AUTOREGSVR
\\server\share\keep.txt
NONSHARED
C:\tamper\NUL
NONSHARED
' "$TAMPERED_KEY"
}

robot_script() {
    tampered_robot "Uninstall Tampered" "The uninstall log $(medium_log) names things that an uninstallation must \
not remove, so it cannot be trusted and nothing has been removed:

line 14: C:\\tamper\\sub: names a directory, not a file
line 16: keep.txt: not a full path with a drive
line 18: C:\\tamper\\sub\\..\\keep.txt: holds a \".\" or \"..\" component
line 21: \\\\server\\share\\keep.txt: a network (UNC) path
line 23: C:\\tamper\\NUL: names a device or a stream, not a file"
}
