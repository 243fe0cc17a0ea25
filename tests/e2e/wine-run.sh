#!/usr/bin/env bash
# CTest runs every Windows test executable through this wrapper.
#
# A persistent wineserver is started once (under a lock) with every file
# descriptor redirected: otherwise Wine's helper processes inherit CTest's
# output pipe and each test waits for them. Every run sits inside `timeout`
# so a stuck dialog fails its test instead of hanging the whole run.
#
# ORACLINE_SCREEN=WxHxD runs the test on a private Xvfb screen of that shape
# (the display checks need small and palette screens). The wineserver is
# restarted around such a run, since one left over from another display makes
# later GUI calls fail. ORACLINE_LOGPIXELS=N runs it at N dpi, the prefix's
# setting made with the server stopped and put back to 96 afterwards.
# ORACLINE_RUN_SECONDS gives a run that waits for the clock more than the
# usual 120 seconds.
set -u
: "${WINEPREFIX:=$(pwd)/wine}"
export WINEPREFIX WINEDEBUG=-all
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=;mapi32=n,b}"
lock="$WINEPREFIX.lock"

stop_server() {
  wineserver -k >/dev/null 2>&1
  wineserver -w >/dev/null 2>&1
}

if [ -n "${ORACLINE_SCREEN:-}" ]; then
  n=50
  while [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ]; do n=$((n + 1)); done
  Xvfb ":$n" -screen 0 "$ORACLINE_SCREEN" -nolisten tcp >/dev/null 2>&1 &
  xvfb=$!
  for _ in $(seq 100); do [ -e "/tmp/.X11-unix/X$n" ] && break; sleep 0.05; done
  export DISPLAY=":$n"
  stop_server
  logpixels() {
    timeout 60 wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f \
        </dev/null >/dev/null 2>&1
    stop_server
  }
  [ -n "${ORACLINE_LOGPIXELS:-}" ] && logpixels "$ORACLINE_LOGPIXELS"
  timeout 120 wine "$@" </dev/null
  rc=$?
  stop_server
  [ -n "${ORACLINE_LOGPIXELS:-}" ] && logpixels 96
  kill "$xvfb" 2>/dev/null
  wait "$xvfb" 2>/dev/null
  exit $rc
fi

# Start the persistent server once (a second start answers 2 and does
# nothing), and bring up Wine's own services with a throw-away process whose
# descriptors lead nowhere, so they never hold on to CTest's pipe.
(
  flock 9
  if wineserver -p </dev/null >/dev/null 2>&1 9>&-; then
    timeout 60 wine cmd.exe /c exit </dev/null >/dev/null 2>&1 9>&-
  fi
) 9>"$lock"
exec timeout "${ORACLINE_RUN_SECONDS:-120}" wine "$@"
