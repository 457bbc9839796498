# setup.exe killed during a large file copied into the folder of an earlier
# installation, whose shared library is in use: the next start undoes the run,
# the installer's temporary file included, and withdraws only its own restart
# move; another program's, added meanwhile, stays and happens.
source "$E2E_LIB/undo.sh"
undo_case earlier killed
