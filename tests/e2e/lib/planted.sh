# Libraries planted beside a program under the names of system libraries
# (tests/fixtures/PlantedLibrary.c): each copy that gets loaded leaves
# NAME.dll.loaded beside itself.

# What setup.exe and Wine's own libraries load by name. version and imm32 are
# left out: Wine's user32 imports them by name before any line of a program
# runs; the import-table check of the test command covers them.
PLANTED_LIBRARIES=(setupapi comctl32 shell32 ole32 oleaut32 uxtheme msimg32 usp10)

# plant_libraries DIR: a copy of the planted library under each name in DIR.
plant_libraries() {
    local name
    for name in "${PLANTED_LIBRARIES[@]}"; do
        cp "$BUILD_DIR/fixtures/planted.dll" "$1/$name.dll"
    done
}

# search_like_windows: from here on Wine looks for those libraries as Windows
# does, in the program's folder first, instead of taking its own at once.
search_like_windows() {
    local IFS=,
    export WINEDLLOVERRIDES="$WINEDLLOVERRIDES;${PLANTED_LIBRARIES[*]}=n,b"
}

# loaded_plants DIR: the names of the planted copies in DIR that were loaded,
# one a line.
loaded_plants() {
    find "$1" -maxdepth 1 -name '*.dll.loaded' -printf '%f\n' | sed 's/\.dll\.loaded$//' | sort
}

# expect_plants_seen DIR: a program that loads each library by its bare name
# from DIR (the fixture holdlib.exe, copied there) loads every planted copy:
# the proof that a load would not go unnoticed.
expect_plants_seen() {
    local dir=$1 name
    cp "$BUILD_DIR/fixtures/holdlib.exe" "$dir/"
    for name in "${PLANTED_LIBRARIES[@]}"; do
        (cd "$dir" && run_wine holdlib.exe "$name.dll" no-event 0 >/dev/null 2>&1)
    done
    local expected
    expected=$(printf '%s\n' "${PLANTED_LIBRARIES[@]}" | sort)
    [ "$(loaded_plants "$dir")" = "$expected" ] ||
        fail "a bare-name load finds only: $(loaded_plants "$dir" | tr '\n' ' ')"
}
