# wine-session.sh — sourced by the scripts that run Windows programs: one
# Xvfb display, one PulseAudio server with a null sink (the recorder records
# from its monitor, playback plays into it) and one wineserver for the whole
# run, and the one Wine prefix of the build folder, made on first use. The
# session ends exactly what it started: Xvfb and PulseAudio by their PIDs,
# the wineserver with "wineserver -k".
#
#   source scripts/wine-session.sh; wine_session_start; ...; (ended on exit)

NORVA_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export WINEPREFIX=${WINEPREFIX:-$NORVA_ROOT/build/wineprefix}
export WINEDEBUG=-all,err+winediag
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d;winhlp32.exe=d"
export WINEARCH=win64
export LC_ALL=${NORVA_LC_ALL:-C.UTF-8}
export HOME=$NORVA_ROOT/build/winehome   # the prefix's user folders link here
session_dir=""
xvfb_pid=""
pulse_pid=""
audio_dir=""
wineserver_up=""

wine_session_stop() {
  if [ -n "$wineserver_up" ]; then
    timeout 20 wineserver -k >/dev/null 2>&1 || true
    wineserver_up=""
  fi
  if [ -n "$xvfb_pid" ]; then
    kill "$xvfb_pid" 2>/dev/null || true
    wait "$xvfb_pid" 2>/dev/null || true
    xvfb_pid=""
  fi
  if [ -n "$pulse_pid" ]; then
    kill "$pulse_pid" 2>/dev/null || true
    wait "$pulse_pid" 2>/dev/null || true
    pulse_pid=""
  fi
  [ -n "$audio_dir" ] && rm -rf "$audio_dir"
  audio_dir=""
  [ -n "$session_dir" ] && rm -rf "$session_dir"
  session_dir=""
}

start_display() {
  if [ -n "${NORVA_USE_DISPLAY:-}" ] && [ -n "${DISPLAY:-}" ]; then return 0; fi
  session_dir=$(mktemp -d /tmp/norva-session.XXXXXX)
  # -displayfd picks a free display: a fixed number fails on a stale lock.
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp \
       3>"$session_dir/display" >"$session_dir/xvfb.log" 2>&1 </dev/null &
  xvfb_pid=$!
  for _ in $(seq 100); do
    [ -s "$session_dir/display" ] && break
    kill -0 "$xvfb_pid" 2>/dev/null || { cat "$session_dir/xvfb.log" >&2; return 1; }
    sleep 0.1
  done
  export DISPLAY=:$(tr -d '\n' <"$session_dir/display")
  for _ in $(seq 100); do
    xdpyinfo >/dev/null 2>&1 && return 0
    sleep 0.1
  done
  echo "wine-session: Xvfb did not answer on $DISPLAY" >&2
  return 1
}

# A PulseAudio server of the session's own, on a socket in its own folder,
# with one null sink: recording and playback work without sound hardware.
# Without pulseaudio the session runs without audio (recordings stay empty).
start_audio() {
  if [ -n "${NORVA_NO_AUDIO:-}" ] || ! command -v pulseaudio >/dev/null; then return 0; fi
  audio_dir=$(mktemp -d /tmp/norva-audio.XXXXXX)
  chmod 700 "$audio_dir"
  XDG_RUNTIME_DIR=$audio_dir pulseaudio --daemonize=no --exit-idle-time=-1 -n \
    --load="module-null-sink sink_name=nullsink" \
    --load="module-native-protocol-unix auth-anonymous=1 socket=$audio_dir/pulse.sock" \
    >"$audio_dir/pulse.log" 2>&1 </dev/null &
  pulse_pid=$!
  for _ in $(seq 100); do
    if PULSE_SERVER=unix:$audio_dir/pulse.sock pactl info >/dev/null 2>&1; then
      export PULSE_SERVER=unix:$audio_dir/pulse.sock
      return 0
    fi
    kill -0 "$pulse_pid" 2>/dev/null || break
    sleep 0.1
  done
  echo "wine-session: PulseAudio did not start; running without audio" >&2
  cat "$audio_dir/pulse.log" >&2
  kill "$pulse_pid" 2>/dev/null || true
  wait "$pulse_pid" 2>/dev/null || true
  pulse_pid=""
}

# The prefix's settings: font replacements, no window manager, crashes end
# the program at once, and HTML pages handed to the desktop's browser (the
# help pages; Wine's own browser component is disabled for the tests).
write_prefix_settings() {
  printf '%s\r\n' 'REGEDIT4' '' \
    '[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]' \
    '"Times New Roman"="Liberation Serif"' '"Arial"="Liberation Sans"' \
    '"Courier New"="Liberation Mono"' '"MS Sans Serif"="Liberation Sans"' '' \
    '[HKEY_CURRENT_USER\Software\Wine\X11 Driver]' '"Managed"="N"' '' \
    '[HKEY_CURRENT_USER\Software\Wine\WineDbg]' '"ShowCrashDialog"=dword:00000000' '' \
    '[HKEY_LOCAL_MACHINE\Software\Microsoft\Windows NT\CurrentVersion\AeDebug]' \
    '"Debugger"="no_such_debugger.exe"' '' \
    '[HKEY_CLASSES_ROOT\.htm]' '@="htmlfile"' '' \
    '[HKEY_CLASSES_ROOT\htmlfile\shell\open\command]' \
    '@="\"C:\\windows\\system32\\winebrowser.exe\" \"%1\""' >"$1"
}

prefix_settings_version=2

make_prefix() {
  if [ ! -f "$WINEPREFIX/.norva-ready" ]; then
    echo "wine-session: making the Wine prefix $WINEPREFIX (once per build folder)"
    rm -rf "$WINEPREFIX"
    mkdir -p "$HOME"
    timeout 300 wine wineboot -i >/dev/null 2>&1
    cp /usr/share/wine/fonts/{marlett,tahoma,tahomabd}.ttf "$WINEPREFIX/drive_c/windows/Fonts/"
    touch "$WINEPREFIX/.norva-ready"
  fi
  if [ "$(cat "$WINEPREFIX/.norva-settings" 2>/dev/null)" != "$prefix_settings_version" ]; then
    write_prefix_settings "$WINEPREFIX/norva-settings.reg"
    timeout 120 wine regedit /S "$WINEPREFIX/norva-settings.reg" >/dev/null 2>&1
    timeout 60 wineserver -w
    echo "$prefix_settings_version" >"$WINEPREFIX/.norva-settings"
  fi
}

wine_session_start() {
  trap wine_session_stop EXIT
  trap 'wine_session_stop; exit 130' INT TERM
  mkdir -p "$HOME"
  start_display
  start_audio   # before the wineserver: it keeps the environment it starts with
  make_prefix
  # Keep one wineserver up for the run: each cold start costs a second.
  wineserver -p >/dev/null 2>&1 </dev/null
  wineserver_up=1
  # The first Wine process of a session starts Wine's own services; start
  # them here, with their output in /dev/null, so that they do not hold the
  # output pipes of a test runner open.
  timeout 120 wine wineboot >/dev/null 2>&1 </dev/null || true
}
