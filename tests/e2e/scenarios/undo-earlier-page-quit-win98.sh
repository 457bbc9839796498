# Cancel on the copy page, then Yes, over an earlier installation (Windows 98 mode): the run is undone
source "$E2E_LIB/undo.sh"
undo_case earlier page-quit win98
