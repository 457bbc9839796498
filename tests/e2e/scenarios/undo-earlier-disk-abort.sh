# Abort at the disk prompt, then Yes, on a earlier machine: the run is undone
source "$E2E_LIB/undo.sh"
undo_case earlier disk-abort
