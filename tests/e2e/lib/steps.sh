# The steps that many scenarios share: the robot's lines for a run's usual
# opening and endings, and the usual start of a script. Every scenario has
# them (run.sh loads this file).

# robot_word TEXT: TEXT as one quoted word of a robot command; a line break
# becomes the robot's \n, a carriage return its \r.
robot_word() {
    local text=${1//\\/\\\\}
    text=${text//\"/\\\"}
    text=${text//$'\r'/\\r}
    printf '"%s"' "${text//$'\n'/\\n}"
}

# robot_window TITLE: the robot waits for the dialog titled TITLE, which
# becomes its window.
robot_window() { printf 'wait-window class=#32770 title=%s\n' "$(robot_word "$1")"; }

# robot_start TITLE [PROCESS]: the program (setup.exe by default) starts and
# shows the dialog titled TITLE.
robot_start() {
    printf 'wait-process %s\n' "${2:-setup.exe}"
    robot_window "$1"
}

# robot_box TITLE [TEXT]: the message box titled TITLE (saying exactly TEXT)
# is answered with OK and has closed.
robot_box() {
    robot_window "$1"
    (($# < 2)) || printf 'expect-text id=0xFFFF %s\n' "$(robot_word "$2")"
    printf 'click text=OK\nwait-gone\n'
}

# robot_end TITLE [TEXT]: the last message box, titled TITLE (saying exactly
# TEXT), is answered with OK and the program ends.
robot_end() {
    robot_window "$1"
    (($# < 2)) || printf 'expect-text id=0xFFFF %s\n' "$(robot_word "$2")"
    printf 'click text=OK\nwait-exit\n'
}

# robot_next_end TITLE [TEXT]: Next on the open page, then robot_end.
robot_next_end() {
    printf 'click id=1017\n'
    robot_end "$@"
}

# robot_quit NEVER: Cancel on the open page and Yes to "Quit setup": the
# program ends without showing the box titled NEVER.
robot_quit() {
    printf 'click id=1018\n'
    robot_window 'Quit setup'
    printf 'click text=Yes\nabsent-until-exit class=#32770 title=%s\n' "$(robot_word "$1")"
}

# robot_fatal TEXT: setup.exe shows only its "Fatal error" box, saying exactly
# TEXT, answered with OK; the script's box titled Never never appears.
robot_fatal() {
    robot_start 'Fatal error'
    printf 'expect-text id=0xFFFF %s\nclick text=OK\nabsent-until-exit class=#32770 title=Never\n' "$(robot_word "$1")"
}

# The start of a script that installs the files of one must-install section,
# Main, into the default directory of the application Demo.
DEMO_MAIN_SECTION='SetAppName("Demo")
CreateSection("Main", "1", "0", "Main files")
'

# as_windows_98: the prefix's programs are told they run on Windows 98.
as_windows_98() { run_wine reg add 'HKCU\Software\Wine' /v Version /d win98 /f >/dev/null 2>&1; }
