# The destination and sections pages name the application: "<APPNAME> Setup"
# while there is no caption, the caption once SetCaption gave one. The
# welcome and program group pages keep their own titles.

prepare() {
    write_script 'SetAppName("Tarvane Demo")
SetWelcomeString("Text", "")
ShowWelcome()
ShowDest()
SetCaption("[APPNAME] 2.1 Installation")
ShowSections()
ShowDest()
ShowProgramGroup()
'
}

# Each page in turn: its title, then Next.
robot_script() {
    local title
    echo 'wait-process setup.exe'
    for title in '""' '"Tarvane Demo Setup"' '"Tarvane Demo 2.1 Installation"' '"Tarvane Demo 2.1 Installation"' \
        '"Program group"'; do
        printf 'wait-window class=#32770 title=%s\nclick id=1017\nwait-gone\n' "$title"
    done
    echo 'wait-exit'
}
