#!/usr/bin/env bash
# The stand-in host serving the automation object "MixW2.Application" under
# Wine, called from outside by automation_probe.exe as the plug-in's window
# thread calls it: found by program id and in the running object table,
# the dial following each QSO, the typed call following each letter,
# macros printed and logged, wrong calls refused, each bad-answer quirk
# answering as it should, and load-unload cycles leaving nothing behind.
#   stand_in_host_automation_wine_test.sh WINE_SESSION STATE BIN_DIR
# Runs in the current folder, which it empties first (if made for a test).
set -uo pipefail
session=$1 state=$2 bin=$3

. "$(dirname "$0")/wine_test_lib.sh"
run() { bash "$session" run "$state" "$(windows_path "$bin/$1")" "${@:2}"; }
host() { run stand_in_host.exe --dll "$(windows_path "$bin/Stats.dll")" "$@"; }
probe() { run automation_probe.exe "$@"; }
# Waits (up to a minute) until FILE holds a line matching PATTERN.
wait_for_line() {
    for _ in $(seq 600); do
        grep -q "$2" "$1" 2>/dev/null && return 0
        sleep 0.1
    done
    return 1
}

empty_test_folder
# Made-up QSOs; the last one has no frequency, so the dial stays put.
cat >automation.adi <<'EOF'
Three QSOs for the automation test
<EOH>
<CALL:5>EA1XA <QSO_DATE:8>20170211 <TIME_ON:6>120010 <BAND:3>20M <FREQ:6>14.085 <MODE:4>RTTY <RST_SENT:3>599 <RST_RCVD:3>599 <STX:1>1 <SRX_STRING:1>C <APP_KOLVEX_CTY:2>EA <STATION_CALLSIGN:5>DF7KV <EOR>
<CALL:4>K1QQ <QSO_DATE:8>20170211 <TIME_ON:6>120110 <BAND:3>40M <FREQ:5>7.042 <MODE:4>RTTY <RST_SENT:3>599 <RST_RCVD:3>599 <STX:1>2 <SRX_STRING:2>17 <APP_KOLVEX_CTY:1>K <STATION_CALLSIGN:5>DF7KV <EOR>
<CALL:4>F5ZZ <QSO_DATE:8>20170211 <TIME_ON:6>120210 <BAND:3>40M <MODE:4>RTTY <RST_SENT:3>599 <RST_RCVD:3>599 <STX:1>3 <SRX_STRING:2>22 <APP_KOLVEX_CTY:1>F <STATION_CALLSIGN:5>DF7KV <EOR>
EOF
log=$(windows_path automation.adi)

# 1. The object called directly, in the probe's own process: every wrong
# shape of call, null pointers included, gets its error and no crash.
probe --local --macro "<MODE:RTTY>" >local.txt 2>local.err
check "local probe exits 0" test $? -eq 0
cat >local.expected <<'EOF'
probe: dial: 0x00000000 S_OK, VT_R8 14085000
probe: call: 0x00000000 S_OK, VT_BSTR 6 chars "EA1ABC"
macro: <MODE:RTTY>
probe: macro: 0x00000000 S_OK, VT_EMPTY
probe: dial as a method: 0x80020003 DISP_E_MEMBERNOTFOUND, VT_EMPTY
probe: dial with an argument: 0x8002000E DISP_E_BADPARAMCOUNT, VT_EMPTY
probe: dial without result: 0x00000000 S_OK
probe: call without argument: 0x8002000E DISP_E_BADPARAMCOUNT, VT_EMPTY
probe: call with two arguments: 0x8002000E DISP_E_BADPARAMCOUNT, VT_EMPTY
probe: call with a text argument: 0x80020005 DISP_E_TYPEMISMATCH, argument 0, VT_EMPTY
probe: call of field 4: 0x80070057 E_INVALIDARG, VT_EMPTY
probe: call as a property: 0x80020003 DISP_E_MEMBERNOTFOUND, VT_EMPTY
probe: call without result: 0x00000000 S_OK
probe: macro with a number: 0x80020005 DISP_E_TYPEMISMATCH, argument 0, VT_EMPTY
probe: macro without argument: 0x8002000E DISP_E_BADPARAMCOUNT, VT_EMPTY
probe: macro as a named argument: 0x80020007 DISP_E_NONAMEDARGS, VT_EMPTY
macro: 
probe: macro of a null text: 0x00000000 S_OK, VT_EMPTY
macro: <A>\r\n<B>
probe: macro with a line break: 0x00000000 S_OK, VT_EMPTY
probe: unknown id 7: 0x80020003 DISP_E_MEMBERNOTFOUND, VT_EMPTY
probe: unknown id 0: 0x80020003 DISP_E_MEMBERNOTFOUND, VT_EMPTY
probe: dial with null DISPPARAMS: 0x80070057 E_INVALIDARG, VT_EMPTY
probe: call with null DISPPARAMS: 0x80070057 E_INVALIDARG, VT_EMPTY
probe: macro with null DISPPARAMS: 0x80070057 E_INVALIDARG, VT_EMPTY
probe: call with arguments counted but missing: 0x80070057 E_INVALIDARG, VT_EMPTY
probe: GetIDsOfNames Frequency: 0x80020006 DISP_E_UNKNOWNNAME, id -1
probe: GetTypeInfoCount: 0x00000000 S_OK, 0
probe: QueryInterface IClassFactory: 0x80004002 E_NOINTERFACE
probe: GetTypeInfoCount to null: 0x80004003 E_POINTER
probe: QueryInterface to null: 0x80004003 E_POINTER
probe: macros kept: 3
EOF
check "direct calls answer as listed" cmp -s local.expected local.txt
probe --local --quirk fail >local-fail.txt 2>&1
# The Invoke cases have labels in lower case: the two reads and 20 more.
check "fail quirk refuses every Invoke" \
    test "$(grep -c '^probe: [a-z][^:]*: 0x80004005 E_FAIL' local-fail.txt)" = 22

# 2. The replay with the object served.  The probe starts first and waits
# for the object, follows the dial and the typed call, then sends two
# macros and every wrong call through the proxy.
# "Start" 1: the reset stores 0 and does not start the plug-in's window
# thread, whose own macros would mix with the probe's.
mkdir -p Plugins
printf '[Settings]\r\nStart=1\r\n' >Plugins/KOLVEX.ini
probe --wait-ms 60000 --watch-ms 5000 --macro "<MODE:RTTY>" --macro "<SP1>" --bad-calls \
    >probe.txt 2>probe.err &
probe_pid=$!
host --log "$log" --call DF7KV --country DL --automation --type-pause-ms 200 --hold-ms 8000 \
    --macro-log macros.txt >host.txt 2>host.err
check "served replay exits 0" test $? -eq 0
wait "$probe_pid"
check "probe exits 0" test $? -eq 0
clsid=$(sed -n 's/^automation: serving MixW2.Application \({[-0-9A-F]*}\) (program id in .*/\1/p' host.txt)
check "host serves the object" test -n "$clsid"
check "CLSIDFromProgID finds the host's class" \
    grep -qF "probe: CLSIDFromProgID: 0x00000000 S_OK, $clsid" probe.txt
check "GetActiveObject finds the running object" \
    grep -qx 'probe: GetActiveObject: 0x00000000 S_OK' probe.txt
# Each call seen belongs, letter by letter, to the QSO the dial was set for.
bad_pairs=$(sed -n 's/^probe: seen dial VT_R8 \([0-9]*\), call VT_BSTR [0-9]* chars "\(.*\)"$/\1 \2/p' \
    probe.txt | awk '
        BEGIN { dial["EA1XA"] = 14085000; dial["K1QQ"] = 7042000; dial["F5ZZ"] = 7042000 }
        $2 == "" { next }
        { ok = 0; for (c in dial) if (index(c, $2) == 1 && dial[c] == $1) ok = 1 }
        !ok { print }')
check "typed calls seen with their QSO's dial (${bad_pairs:-all match})" test -z "$bad_pairs"
check "typed call seen letter by letter" \
    test "$(grep -c '^probe: seen dial VT_R8 [0-9]*, call VT_BSTR [1-9]' probe.txt)" -ge 3
check "every seen answer is a dial and a call" \
    test -z "$(grep '^probe: seen' probe.txt | grep -v '^probe: seen dial VT_R8 [0-9]*, call VT_BSTR')"
# The same wrong calls through the proxy as directly (without the null
# pointers, which a proxy does not pass on).
sed -n '/dial as a method/,/QueryInterface IClassFactory/p' local.expected |
    grep -v -e '^macro: ' -e 'null DISPPARAMS' -e 'counted but missing' >remote.expected
check "wrong calls through the proxy answer as listed" \
    cmp -s remote.expected <(sed -n '/dial as a method/,/QueryInterface IClassFactory/p' probe.txt)
printf '%s\r\n' "<MODE:RTTY>" "<SP1>" "" '<A>\r\n<B>' >macros.expected
check "macro log holds the texts in order" cmp -s macros.expected macros.txt
check "host prints each macro" test "$(grep -c '^macro: ' host.txt)" = 4
check "host counts the macros" grep -qx 'macros received: 4' host.txt
check "plug-in unloads completely" \
    grep -q '^unload: FreeLibrary returned in [0-9]* ms; module gone: yes$' host.txt

# 3. Each quirk: the host holds while the probe asks once.  The probe waits
# for the hold, when the replay has set the dial to the last QSO's 7.042 MHz:
# the object is served from before the plug-in loads, and every other run
# (the "Start" key alternates) the reset first waits for the plug-in's
# Setup window, so a probe that asked at once could read the dial unset.
quirk_run() {  # quirk_run NAME
    host --log "$log" --call DF7KV --country DL --automation-quirk "$1" --hold-ms 6000 \
        >"host-$1.txt" 2>&1 &
    local pid=$!
    wait_for_line "host-$1.txt" '^hold: handling messages'
    probe --wait-ms 2000 --macro "<SP1>" >"probe-$1.txt" 2>&1
    wait "$pid"
}
while IFS='|' read -r quirk dial call macro; do
    quirk_run "$quirk"
    check "$quirk: dial" grep -qxF "probe: dial: $dial" "probe-$quirk.txt"
    check "$quirk: call" grep -qxF "probe: call: $call" "probe-$quirk.txt"
    check "$quirk: macro" grep -qxF "probe: macro: $macro" "probe-$quirk.txt"
done <<'EOF'
wrong-types|0x00000000 S_OK, VT_BSTR 7 chars "7042000"|0x00000000 S_OK, VT_I4 0|0x00000000 S_OK, VT_EMPTY
long-call|0x00000000 S_OK, VT_R8 7042000|0x00000000 S_OK, VT_BSTR 10000 chars "ABCDEFGHIJKLMNOPQRSTUVWXYZABCDEFGHIJKLMN..."|0x00000000 S_OK, VT_EMPTY
nan-dial|0x00000000 S_OK, VT_R8 NaN|0x00000000 S_OK, VT_BSTR 0 chars ""|0x00000000 S_OK, VT_EMPTY
inf-dial|0x00000000 S_OK, VT_R8 +Inf|0x00000000 S_OK, VT_BSTR 0 chars ""|0x00000000 S_OK, VT_EMPTY
negative-dial|0x00000000 S_OK, VT_R8 -14025000|0x00000000 S_OK, VT_BSTR 0 chars ""|0x00000000 S_OK, VT_EMPTY
fail|0x80004005 E_FAIL, VT_EMPTY|0x80004005 E_FAIL, VT_EMPTY|0x80004005 E_FAIL, VT_EMPTY
EOF
check "fail: no macro taken" grep -qx 'macros received: 0' host-fail.txt
quirk_run registered-only
check "registered-only: program id found" grep -q '^probe: CLSIDFromProgID: 0x00000000 S_OK' \
    probe-registered-only.txt
check "registered-only: no running object" \
    grep -qx 'probe: GetActiveObject: 0x800401E3 MK_E_UNAVAILABLE' probe-registered-only.txt

# 4. Load-unload cycles with the object served.
host --cycles 3 --automation >cycles.txt 2>cycles.err
check "cycles exit 0" test $? -eq 0
check "each cycle unloads completely" test "$(grep -c \
    '^cycle [1-3]: [0-9]* windows open; FreeLibrary returned in [0-9]* ms; module gone: yes; windows left: 0$' \
    cycles.txt)" = 3
check "cycles summary" grep -q '^cycles: 3 run; .* module stayed: 0; windows stayed: 0; heap' cycles.txt

# 5. Bad options are refused with the usage text.
for args in "--automation-quirk bogus" "--type-pause-ms -1" "--hold-ms x" "--cycles 0"; do
    # shellcheck disable=SC2086
    host $args >/dev/null 2>bad.err
    check "refused: $args" test $? -eq 2
done

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
