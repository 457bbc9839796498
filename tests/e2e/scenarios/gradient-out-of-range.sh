# SetBackground with values outside 0..255: only the low 8 bits of each
# channel are painted (300 shows as 44, -1 as 255).
GRADIENT="300 -1 0 0 600 0"
SCRIPT_HEAD='SetBackground("300", "-1", "0", "0", "600", "0")
'
source "$E2E_LIB/gradient.sh"
