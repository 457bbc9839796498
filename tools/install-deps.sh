#!/bin/bash
# Installs what the build and the tests need on a Debian 12 machine (as root).
# Does nothing, quietly, when everything is there already.
set -euo pipefail

PACKAGES=(
    cmake make g++ googletest                # native build and unit tests
    nlohmann-json3-dev                       # reading the checker's JSON and SARIF in tests
    libyaml-cpp-dev                          # reading setuppack's package manifest in tests
    g++-mingw-w64-i686 mingw-w64-i686-dev    # setup.exe, robot.exe, Wine unit tests (i686)
    g++-mingw-w64-x86-64 mingw-w64-x86-64-dev  # the same for x86_64
    clang libclang-rt-14-dev                 # libFuzzer targets
    wine wine32:i386                         # 32-bit Windows under Linux
    wine64                                   # 64-bit Windows, where 32-bit code cannot run
    fonts-wine                               # Wine's Tahoma, the font of the wizard pages
    fonts-droid-fallback                     # Chinese, Japanese and Korean glyphs in the name scenarios
    xvfb xauth x11-utils                     # a display for the windows
    imagemagick                              # screenshots (import) and pixel reads
    mscompress                               # SZDD-compressed test fixtures
    lzma-dev                                 # the LZMA SDK's C encoder and decoder (setuppack, the loader)
    zlib1g-dev libz-mingw-w64-dev            # CRC-32 of the bundles, native and Windows
    osslsigncode openssl                     # signing a bundle with a throwaway certificate in tests
    python3                                  # e2e helpers
)

missing_packages() {
    local package
    for package in "${PACKAGES[@]}"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
            echo "$package"
        fi
    done
}

main() {
    local missing
    missing=$(missing_packages)
    [ -z "$missing" ] && return 0
    echo "install-deps: installing" $missing
    if [ "$(id -u)" -ne 0 ]; then
        echo "install-deps: missing packages and not root; install them: $missing" >&2
        return 1
    fi
    if ! dpkg --print-foreign-architectures | grep -qx i386; then
        dpkg --add-architecture i386
    fi
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    # shellcheck disable=SC2086
    apt-get install -y -qq $missing >/dev/null
}

main "$@"
