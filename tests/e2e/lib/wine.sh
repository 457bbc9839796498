# Wine prefixes for the tests: one template per run, a copy per scenario.

export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
# The same locale wherever the tests run: Wine then gives the prefix the ANSI
# code page 1252 and stores file names as UTF-8 (C.UTF-8 is always installed).
WINE_LOCALE=(env -u LC_ALL -u LC_CTYPE LANG=C.UTF-8)

WINE32_LOADER=/usr/lib/wine/wine
WINE64_LOADER=/usr/lib/wine/wine64

# The 32-bit loader runs only where the kernel executes 32-bit code; asking it
# is the one reliable test ("Exec format error" elsewhere).
host_runs_32bit_code() {
    "$WINE32_LOADER" --version >/dev/null 2>&1
}

# use_wine64_loader: every "wine" (and "wine-stable", which wineboot and the
# other tool launchers call) becomes the 64-bit loader, through two shims put
# first on PATH; the "wine" script itself prefers the 32-bit loader.
use_wine64_loader() {
    local shims="${TMPDIR:-/tmp}/wine64-shims.$(id -u)" name
    mkdir -p "$shims"
    for name in wine wine-stable; do
        printf '#!/bin/sh\nexec %s "$@"\n' "$WINE64_LOADER" >"$shims/$name"
        chmod +x "$shims/$name"
    done
    case ":$PATH:" in *":$shims:"*) ;; *) export PATH="$shims:$PATH" ;; esac
    export WINELOADER=$WINE64_LOADER
}

# choose_wine_platform: the platform Wine programs run on. Where the host
# executes 32-bit code: 32-bit Wine and the i686 build, the shipped product.
# Elsewhere: the 64-bit loader and the x86_64 build. TEST_ARCH=32 or 64
# forces a choice. Exports WINE_BITS (32 or 64), WINEARCH and MINGW_PRESET
# (the preset whose programs run); says which and why in one line, once per
# process tree. Returns 1 when the forced choice cannot run here.
choose_wine_platform() {
    local bits reason
    case "${TEST_ARCH:-}" in
        32)
            if ! host_runs_32bit_code; then
                echo "TEST_ARCH=32, but this host cannot execute 32-bit code ($WINE32_LOADER does not run)" >&2
                return 1
            fi
            bits=32 reason="forced by TEST_ARCH=32" ;;
        64) bits=64 reason="forced by TEST_ARCH=64" ;;
        "")
            if host_runs_32bit_code; then
                bits=32 reason="this host executes 32-bit code"
            else
                bits=64 reason="this host cannot execute 32-bit code ($WINE32_LOADER does not run)"
            fi ;;
        *)
            echo "TEST_ARCH must be 32 or 64, not '$TEST_ARCH'" >&2
            return 1 ;;
    esac
    if [ "$bits" = 64 ]; then
        use_wine64_loader
        export WINEARCH=win64 MINGW_PRESET=mingw64
    else
        export WINEARCH=win32 MINGW_PRESET=mingw
    fi
    if [ "${WINE_BITS:-}" != "$bits" ]; then
        if [ "$bits" = 64 ]; then
            echo "platform: 64-bit Wine, x86_64 build (build/mingw64): $reason"
        else
            echo "platform: 32-bit Wine, i686 build (build/mingw): $reason"
        fi
    fi
    export WINE_BITS=$bits
}

# run_wine ARGS...: wine in that locale.
run_wine() {
    "${WINE_LOCALE[@]}" wine "$@"
}

# Wine's own Tahoma (shipped with Wine, e.g. Debian's fonts-wine), which this
# Wine does not load from its data directory by itself.
wine_tahoma_dir() {
    local dir
    for dir in /usr/share/wine/fonts /usr/local/share/wine/fonts /opt/wine*/share/wine/fonts; do
        [ -f "$dir/tahoma.ttf" ] && { echo "$dir"; return 0; }
    done
    return 1
}

# make_template_prefix DIR LOG: a fresh prefix as the tests want it:
# - crashes never wait for a click on the crash dialog;
# - the page font Tahoma, the installation dialogs' MS Sans Serif and the
#   caption buttons' Marlett are installed, so the templates' dialog units
#   are those of their own fonts and not of a substitute;
# - windows are drawn by Wine itself, caption included: Xvfb has no window
#   manager to draw the frames, and hiding a window then waits for none.
make_template_prefix() {
    local dir=$1 log=$2 fonts
    rm -rf "$dir"
    mkdir -p "$(dirname "$dir")"
    fonts=$(wine_tahoma_dir) || { echo "Wine's tahoma.ttf not found" >"$log"; return 1; }
    WINEPREFIX=$dir run_wine wineboot -i >"$log" 2>&1 &&
        WINEPREFIX=$dir run_wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f \
            >>"$log" 2>&1 &&
        WINEPREFIX=$dir run_wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >>"$log" 2>&1 &&
        cp "$fonts"/tahoma*.ttf "$fonts"/marlett.ttf "$fonts"/ms_sans_serif.ttf "$dir/drive_c/windows/Fonts/" &&
        WINEPREFIX=$dir wineserver -w
}

# copy_prefix TEMPLATE DIR
copy_prefix() {
    rm -rf "$2"
    cp -a "$1" "$2"
}

# end_prefix DIR: ends every Wine process of the prefix and its wineserver.
end_prefix() {
    WINEPREFIX=$1 wineserver -k >/dev/null 2>&1 || true
    WINEPREFIX=$1 wineserver -w >/dev/null 2>&1 || true
}

# windows_path UNIXPATH: the same file seen from Wine: drive Z: is the root,
# and Windows takes '/' as a separator too.
windows_path() {
    printf 'Z:%s' "$1"
}
