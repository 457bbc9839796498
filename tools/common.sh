# The start of every tools script: ROOT (the checkout), BUILD_ROOT (where
# builds, logs and prefixes go; default build/, made if missing), the current
# directory at ROOT, and the shared shell helpers of the tests (deadline
# polling, the private display, Wine prefixes and the platform choice, the
# robot's usual steps).
ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$ROOT" || exit 1
mkdir -p "${BUILD_ROOT:-build}"
BUILD_ROOT=$(cd "${BUILD_ROOT:-build}" && pwd)
for lib in wait display wine steps; do
    # shellcheck source=/dev/null
    source "$ROOT/tests/e2e/lib/$lib.sh"
done
