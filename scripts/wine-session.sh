#!/usr/bin/env bash
# One Wine session for the Windows tests: a private WINEPREFIX, a private
# Xvfb display and one persistent wineserver, all kept in a state folder.
#   wine-session.sh start STATE   prepare the prefix, start Xvfb and wineserver
#   wine-session.sh run STATE PROGRAM [ARGS...]   run a Windows program in it
#   wine-session.sh stop STATE    stop the wineserver and Xvfb started here
# With WINE_SESSION_DISPLAY set (for instance to "$DISPLAY") at start, no
# Xvfb is started: the session's programs show on that X display instead.
# Where a real Windows differs, set at start: WINE_SESSION_DPI (for
# instance 120) for the screen's DPI, WINE_SESSION_DIALOG_FONT (a font
# name) for the fonts that "MS Shell Dlg" and "MS Sans Serif" stand for,
# WINE_SESSION_WINDOW_MANAGER (a program, for instance openbox) for a window
# manager on the session's Xvfb display, which then manages Wine's windows.
set -euo pipefail

command=$1 state=$2
shift 2
prefix=$state/prefix

export WINEPREFIX=$prefix WINEARCH=win32 WINEDEBUG=-all
# No Mono or Gecko installer dialogs: nothing here needs them.
export WINEDLLOVERRIDES="mscoree,mshtml="

# Only a process that this script started, found by its pid file and still
# running the program named, is ever stopped.
stop_pid_file() {
    local file=$1 program=$2 pid
    [ -f "$file" ] || return 0
    pid=$(cat "$file")
    if [ -r "/proc/$pid/cmdline" ] && tr '\0' ' ' <"/proc/$pid/cmdline" | grep -q "$program"; then
        kill "$pid" 2>/dev/null || true
        for _ in $(seq 50); do [ -d "/proc/$pid" ] || break; sleep 0.1; done
    fi
    rm -f "$file"
}

stop_window_manager() {
    [ -f "$state/wm.name" ] || return 0
    stop_pid_file "$state/wm.pid" "$(cat "$state/wm.name")"
    rm -f "$state/wm.name"
}

start_xvfb() {
    rm -f "$state/display"
    # -displayfd picks a free display and writes its number once it accepts
    # clients; every descriptor is redirected so that ctest does not wait for it.
    setsid Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp \
        3>"$state/display" >"$state/xvfb.log" 2>&1 </dev/null &
    echo $! >"$state/xvfb.pid"
    for _ in $(seq 100); do
        [ -s "$state/display" ] && return 0
        sleep 0.1
    done
    echo "Xvfb did not start:" >&2
    cat "$state/xvfb.log" >&2
    return 1
}

use_display() {
    if [ -s "$state/display-name" ]; then
        export DISPLAY="$(head -n1 "$state/display-name")"
    else
        export DISPLAY=":$(head -n1 "$state/display")"
    fi
}

case $command in
    start)
        mkdir -p "$state"
        [ -d "$prefix" ] && wineserver -k 2>/dev/null || true
        stop_pid_file "$state/xvfb.pid" Xvfb
        rm -f "$state/display-name"
        if [ -n "${WINE_SESSION_DISPLAY:-}" ]; then
            echo "$WINE_SESSION_DISPLAY" >"$state/display-name"
        else
            start_xvfb
        fi
        use_display
        stop_window_manager
        managed=N
        if [ -n "${WINE_SESSION_WINDOW_MANAGER:-}" ]; then
            setsid "$WINE_SESSION_WINDOW_MANAGER" >"$state/wm.log" 2>&1 </dev/null &
            echo $! >"$state/wm.pid"
            echo "$WINE_SESSION_WINDOW_MANAGER" >"$state/wm.name"
            managed=Y
            sleep 1
        fi
        mkdir -p "$prefix"
        # A persistent server saves the start-up of one per test program.
        wineserver -p >"$state/wineserver.log" 2>&1 </dev/null
        # --update, not --init: it also stamps the prefix as up to date, so
        # the next program does not boot it a second time beside the first.
        wine wineboot --update >"$state/wineboot.log" 2>&1 </dev/null
        # Unmanaged windows unless a window manager runs: with none on the
        # display, Wine would otherwise wait for one at every window shown
        # or hidden.
        wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d "$managed" /f \
            >>"$state/wineboot.log" 2>&1 </dev/null
        # A crash ends the program with its backtrace on the error output,
        # not in a dialog that waits for a click.
        wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f \
            >>"$state/wineboot.log" 2>&1 </dev/null
        if [ -n "${WINE_SESSION_DPI:-}" ]; then
            wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD \
                /d "$WINE_SESSION_DPI" /f >>"$state/wineboot.log" 2>&1 </dev/null
        fi
        if [ -n "${WINE_SESSION_DIALOG_FONT:-}" ]; then
            for face in "MS Shell Dlg" "MS Shell Dlg 2" "MS Sans Serif"; do
                wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes' \
                    /v "$face" /d "$WINE_SESSION_DIALOG_FONT" /f >>"$state/wineboot.log" 2>&1 </dev/null
            done
        fi
        # COM's running object table needs the RPC service; started on demand
        # it is not up in time for the first program of a fresh prefix.
        wine net start RpcSs >>"$state/wineboot.log" 2>&1 </dev/null || true
        for _ in $(seq 50); do
            wine net start 2>/dev/null </dev/null | grep -q 'Remote Procedure Call' && break
            sleep 0.2
        done
        echo "Wine session ready: WINEPREFIX=$prefix DISPLAY=$DISPLAY"
        ;;
    run)
        use_display
        exec wine "$@" </dev/null
        ;;
    stop)
        [ -d "$prefix" ] && wineserver -k 2>/dev/null || true
        stop_window_manager
        stop_pid_file "$state/xvfb.pid" Xvfb
        echo "Wine session stopped"
        ;;
    *)
        echo "usage: $0 start|run|stop STATE [PROGRAM ARGS...]" >&2
        exit 2
        ;;
esac
