# Names in Greek, Cyrillic and Chinese: a UTF-8 medium and the checks of what
# an installation with them leaves. Needs copy.sh and uninstall.sh.

NAMES_APP='Δοκιμή Тест 测试'
NAMES_FILE='Ωмега 文件.txt'
NAMES_SHORTCUT='Читать 说明'
NAMES_COMMENT='Σχόλιο: комментарий 注释'

# write_utf8_script TEXT: the script with the UTF-8 mark in front.
write_utf8_script() { printf '\xef\xbb\xbf%s' "$1" >"$MEDIUM/SetupScript.ini"; }

# prepare_names_medium [EXTRA]: the uninstaller and one file with a name of
# those scripts, shown as a shortcut; the welcome, destination, sections,
# program group and copy pages, EXTRA (script lines) before the copy page.
prepare_names_medium() {
    medium_file "files/$NAMES_FILE" 'όλα καλά'
    cp "$BUILD_DIR/TAUninstall.exe" "$MEDIUM/"
    write_utf8_script "SetAppName(\"$NAMES_APP\")
SetWelcomeString(\"Setup of [APPNAME]\", \"Welcome\")
CreateSection(\"Main\", \"1\", \"0\", \"$NAMES_COMMENT\")
AddFile(\"[SP]\\TAUninstall.exe\", \"[DP]\\\", \"Main\", \"0\", \"1\", \"0\", \"0\", \"0\", \"0\", \"\")
AddFile(\"[SP]\\files\\$NAMES_FILE\", \"[DP]\\\", \"Main\", \"0\", \"1\", \"0\", \"0\", \"0\", \"1\", \"$NAMES_SHORTCUT\")
ShowWelcome()
ShowDest()
ShowSections()
ShowProgramGroup()
${1:-}ShowCopy()
"
}

# registry_text HIVE KEY VALUE: a text value as the prefix's registry file
# holds it (HIVE: system or user; KEY below it with single backslashes),
# decoded to UTF-8; "wine reg" would print such names in the console's code
# page. The prefix must be idle.
registry_text() {
    python3 - "$WINEPREFIX/$1.reg" "$2" "$3" <<'PY'
import re, sys
path, key, name = sys.argv[1:]
def unescape(text):
    return re.sub(r'\\x([0-9a-fA-F]{1,4})|\\(.)',
                  lambda m: chr(int(m.group(1), 16)) if m.group(1) else m.group(2), text)
current = None
for line in open(path, encoding='utf-8', errors='surrogateescape'):
    line = line.rstrip('\n')
    if line.startswith('['):
        current = unescape(line[1:line.rindex(']')]).lower()
    elif current == key.lower() and line.startswith('"'):
        m = re.match(r'"((?:[^"\\]|\\.)*)"=(?:str\(\d\):)?"((?:[^"\\]|\\.)*)"$', line)
        if m and unescape(m.group(1)) == name:
            print(unescape(m.group(2)))
PY
}

# The robot runs in the ANSI code page, where these names have no form: it
# answers the uninstaller's question and its final message without reading
# them.
remove_robot_nameless() {
    cat <<ROBOT
timeout 30000
wait-process TAUninstall.exe
wait-window class=#32770
click text=Yes
wait-gone
wait-window class=#32770
click text=OK
wait-exit
ROBOT
}

# expect_utf8_log FILE LINE...: FILE starts with the fixed header (of the
# date before or after the run) and holds each LINE, in UTF-8, as a whole line.
expect_utf8_log() {
    local file=$1 date header_ok=0 line
    shift
    [ -f "$file" ] || { fail "no $file"; return; }
    for date in "$START_DATE" "$(log_date)"; do
        cmp -s -n "$(log_header "$date" | crlf | wc -c)" "$file" <(log_header "$date" | crlf) && header_ok=1
    done
    [ "$header_ok" = 1 ] || fail "the log's header changed: $(head -c 400 "$file" | od -c | head -n 5 | tr '\n' '|')"
    for line in "$@"; do
        tr -d '\r' <"$file" | grep -qxF -- "$line" || fail "the log lacks the line $line: $(tr '\r\n' '  ' <"$file")"
    done
}

# ansi_program NAME DEST: a copy of the built NAME as systems before Windows
# 10 1903 run it: its manifest's code page element renamed, so that Wine
# passes it over as those systems do and runs it in the ANSI code page.
ansi_program() {
    python3 - "$BUILD_DIR/$1" "$2" <<'PY'
import sys
data = open(sys.argv[1], 'rb').read()
assert data.count(b'activeCodePage') == 2, 'no code page element in the manifest'
open(sys.argv[2], 'wb').write(data.replace(b'activeCodePage', b'activeCodePagX'))
PY
}

# add_cjk_font: Debian's Droid Sans Fallback (fonts-droid-fallback) in the
# prefix. Wine, like Windows, draws a character that Tahoma lacks with the
# first font of Tahoma's link list that has it; two of those names are given
# to fonts at hand: MS UI Gothic to DejaVu Sans (Greek, which Wine's Tahoma
# lacks, before the fallback font's rough Greek), SimSun to Droid Sans
# Fallback (Chinese). Leaves the prefix idle.
add_cjk_font() {
    local font=/usr/share/fonts/truetype/droid/DroidSansFallbackFull.ttf
    local replacements='HKCU\Software\Wine\Fonts\Replacements'
    [ -f "$font" ] || { fail "$font is missing (tools/install-deps.sh installs it)"; return; }
    cp "$font" /usr/share/fonts/truetype/dejavu/DejaVuSans.ttf "$WINEPREFIX/drive_c/windows/Fonts/"
    run_wine reg add "$replacements" /v 'MS UI Gothic' /d 'DejaVu Sans' /f >/dev/null 2>&1
    run_wine reg add "$replacements" /v SimSun /d 'Droid Sans Fallback' /f >/dev/null 2>&1
    end_prefix "$WINEPREFIX"
}

# expect_utf8_manifests: every program the build ships asks for the UTF-8
# code page in its manifest.
expect_utf8_manifests() {
    local program
    for program in setup TAUninstall bundleloader setupcheck setuppack; do
        grep -qa 'WindowsSettings">UTF-8</activeCodePage>' "$BUILD_DIR/$program.exe" ||
            fail "$program.exe does not ask for the UTF-8 code page"
    done
}
