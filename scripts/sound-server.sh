#!/usr/bin/env bash
# A private PulseAudio server with a null sink for the tests of the speaker
# mute: its socket, runtime files and pid live in DIR, so it never meets a
# user's own sound server. Wine reaches it through PULSE_SERVER=unix:DIR/native.
#
#   scripts/sound-server.sh start DIR    (always exits 0; without a server the
#                                          mute tests say so and skip)
#   scripts/sound-server.sh stop DIR
set -uo pipefail

action="${1:?start or stop}"
dir="$(mkdir -p "${2:?directory}" && cd "$2" && pwd)"
socket="$dir/native"
pidfile="$dir/runtime/pid"

stop() {
  if [ -f "$pidfile" ]; then
    pid="$(cat "$pidfile")"
    if [ -n "$pid" ] && kill -0 "$pid" 2>/dev/null; then
      kill "$pid" 2>/dev/null
      for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
    fi
  fi
  rm -rf "$dir/runtime" "$socket"
}

case "$action" in
  stop)
    stop
    ;;
  start)
    stop
    if ! command -v pulseaudio >/dev/null; then
      echo "sound-server: pulseaudio is not installed (scripts/setup.sh installs it)"
      exit 0
    fi
    mkdir -p "$dir/runtime" "$dir/home"
    chmod 700 "$dir/runtime"
    # No session bus and possibly root: no default script, no autospawn, only
    # the null sink and an anonymous socket of our own.
    env HOME="$dir/home" XDG_RUNTIME_DIR="$dir/runtime" PULSE_RUNTIME_PATH="$dir/runtime" \
      pulseaudio -n --daemonize=yes --use-pid-file=yes --exit-idle-time=-1 \
        --log-target="file:$dir/server.log" \
        -L "module-null-sink sink_name=plov_null" \
        -L "module-native-protocol-unix auth-anonymous=1 socket=$socket" \
        </dev/null >/dev/null 2>&1
    for _ in $(seq 50); do [ -S "$socket" ] && break; sleep 0.1; done
    if [ -S "$socket" ] && PULSE_SERVER="unix:$socket" pactl info >/dev/null 2>&1; then
      echo "sound-server: running at $socket"
    else
      echo "sound-server: could not start; see $dir/server.log"
      stop
    fi
    ;;
  *)
    echo "usage: $0 start|stop DIR" >&2
    exit 2
    ;;
esac
exit 0
