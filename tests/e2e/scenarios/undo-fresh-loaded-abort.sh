# A stopped run while a library it has just installed into a new folder is
# loaded: the undo says that the library and its folder go at the restart,
# and after it nothing of the run is left.
source "$E2E_LIB/undo.sh"
undo_case fresh loaded-abort
