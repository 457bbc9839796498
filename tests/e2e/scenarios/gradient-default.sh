# The background with the initial colours: blue at the top to black.
GRADIENT="0 0 255 0 0 0"
SCRIPT_HEAD=""
source "$E2E_LIB/gradient.sh"
