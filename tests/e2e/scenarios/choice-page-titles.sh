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

robot_script() {
    cat <<'ROBOT'
wait-process setup.exe
wait-window class=#32770 title=""
click id=1017
wait-gone
wait-window class=#32770 title="Tarvane Demo Setup"
click id=1017
wait-gone
wait-window class=#32770 title="Tarvane Demo 2.1 Installation"
click id=1017
wait-gone
wait-window class=#32770 title="Tarvane Demo 2.1 Installation"
click id=1017
wait-gone
wait-window class=#32770 title="Program group"
click id=1017
wait-exit
ROBOT
}
