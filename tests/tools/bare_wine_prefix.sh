# A Wine prefix as a new user has it (sourced): made by `wineboot --init`
# alone, in STATE/prefix, its programs shown on an Xvfb display of its own
# with no window manager.  Nothing is set in it: no unmanaged windows, no
# RPC service started beforehand, no crash dialog turned off.
#   start_bare_prefix STATE   exports WINEPREFIX and DISPLAY for `wine`
#   stop_bare_prefix STATE    stops its wineserver and the Xvfb started here

start_bare_prefix() {
    local state=$1
    mkdir -p "$state"
    # -displayfd picks a free display and writes its number once it accepts
    # clients; every descriptor is redirected so that ctest does not wait.
    setsid Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp \
        3>"$state/display" >"$state/xvfb.log" 2>&1 </dev/null &
    echo $! >"$state/xvfb.pid"
    for _ in $(seq 100); do
        [ -s "$state/display" ] && break
        sleep 0.1
    done
    [ -s "$state/display" ] || { cat "$state/xvfb.log"; return 1; }
    export WINEPREFIX=$state/prefix DISPLAY=":$(head -n1 "$state/display")" WINEDEBUG=-all
    wine wineboot --init </dev/null
    # wineboot returns while the session it started still boots.  A person
    # who then types the next command finds that session ended; a program
    # started at once would join it, where a second service manager beside
    # the first keeps the RPC service from ever starting.
    wineserver -w
}

stop_bare_prefix() {
    local state=$1 pid
    [ -d "$state/prefix" ] && WINEPREFIX=$state/prefix wineserver -k 2>/dev/null
    [ -f "$state/xvfb.pid" ] || return 0
    pid=$(cat "$state/xvfb.pid")
    if [ -r "/proc/$pid/cmdline" ] && tr '\0' ' ' <"/proc/$pid/cmdline" | grep -q Xvfb; then
        kill "$pid" 2>/dev/null
        for _ in $(seq 50); do [ -d "/proc/$pid" ] || break; sleep 0.1; done
    fi
    rm -f "$state/xvfb.pid"
}
