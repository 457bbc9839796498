# A bundle signed with a throwaway certificate verifies; with bytes appended
# after the signature it still unpacks exactly the packed files and installs
# them, and the extraction folder is gone afterwards.
source "$E2E_LIB/bundle.sh"
PROGRAM=Signed.exe

prepare() {
    local small="$SCENARIO_DIR/small"
    mkdir -p "$small/files"
    head -c 300000 /dev/urandom >"$small/files/noise.bin" # stored, not compressed
    printf 'read me' >"$small/files/ReadMe.txt"
    printf '%s' 'SetAppName("Demo")
CreateSection("Main", "1", "0", "Main files")
AddFile("[SP]\files\ReadMe.txt", "[DP]", "Main", "0", "1", "0", "0", "0", "0", "")
AddFile("[SP]\files\noise.bin", "[DP]", "Main", "0", "1", "0", "0", "0", "0", "")
'"$SECTIONS_THEN_COPY" >"$small/SetupScript.ini"
    make_bundle "$SCENARIO_DIR/unsigned.exe" "$small"
    openssl req -x509 -newkey rsa:2048 -nodes -days 2 -subj "/CN=Tarvane Test Signer" \
        -keyout "$SCENARIO_DIR/key.pem" -out "$SCENARIO_DIR/cert.pem" >"$SCENARIO_DIR/sign.out" 2>&1
    osslsigncode sign -certs "$SCENARIO_DIR/cert.pem" -key "$SCENARIO_DIR/key.pem" -n "Demo Setup" \
        -in "$SCENARIO_DIR/unsigned.exe" -out "$MEDIUM/$PROGRAM" >>"$SCENARIO_DIR/sign.out" 2>&1 ||
        fail "signing: $(tail -n 2 "$SCENARIO_DIR/sign.out")"
    osslsigncode verify -CAfile "$SCENARIO_DIR/cert.pem" -in "$MEDIUM/$PROGRAM" >"$SCENARIO_DIR/verify.out" 2>&1 ||
        fail "the signed bundle does not verify: $(grep -i -m 2 'fail\|error' "$SCENARIO_DIR/verify.out")"
    printf 'appended after signing: never unpacked' >>"$MEDIUM/$PROGRAM"
}

robot_script() { robot_sections_then_copy; }

verify() {
    cmp -s "$(demo_dir)/ReadMe.txt" "$SCENARIO_DIR/small/files/ReadMe.txt" || fail "ReadMe.txt differs"
    cmp -s "$(demo_dir)/noise.bin" "$SCENARIO_DIR/small/files/noise.bin" || fail "noise.bin differs"
    expect_no_extraction_folder
}
