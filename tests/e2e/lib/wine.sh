# Wine prefixes for the tests: one 32-bit template per run, a copy per scenario.

export WINEARCH=win32
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
# The same locale wherever the tests run: Wine then gives the prefix the ANSI
# code page 1252 and stores file names as UTF-8 (C.UTF-8 is always installed).
WINE_LOCALE=(env -u LC_ALL -u LC_CTYPE LANG=C.UTF-8)

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
