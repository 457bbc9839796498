# Variables that double on each line, 40 of them: setup stops at the line
# that passes 1 MiB with a message naming it, exit code 2, instead of running
# out of memory; the statements after it never run.
EXPECTED_EXIT=2

prepare() {
    local script=$'// grows until it passes the bound\nSetVariable("A0", "0123456789abcdef")\n' i
    for ((i = 1; i <= 40; i++)); do
        script+="SetVariable(\"A$i\", \"[A$((i - 1))][A$((i - 1))]\")"$'\n'
    done
    write_script "${script}ShowMessage(\"never\", \"Never\", \"\", \"NOW\")
"
}

# A16 (line 18) holds 1 MiB; A17 on line 19 would hold 2.
robot_script() {
    robot_fatal "Error in 'SetupScript.INI', line 19 (SetVariable): a value grows beyond 1 MiB, or all variables together beyond 64 MiB.
Setup cannot be continued."
}
