# setup.exe killed during a copy of large files: the next start undoes the run
source "$E2E_LIB/undo.sh"
undo_case fresh killed
