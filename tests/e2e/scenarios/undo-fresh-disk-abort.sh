# Abort at the disk prompt, then Yes, on a fresh machine: the run is undone
source "$E2E_LIB/undo.sh"
undo_case fresh disk-abort
