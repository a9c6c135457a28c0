#!/usr/bin/env bash
# mosk-e2e.sh MOSK: the whole program as a user meets it. Runs MOSK on a private X server
# (Xvfb) with a private D-Bus session and the accessibility bus, opens a Java file, types
# into it with real X key events (xdotool), saves it with Ctrl+S and compares the file on
# disk byte for byte, compiles it with F7 and reads the compiler's error through AT-SPI (as
# a screen reader would), closes the main window as a window manager does (WM_DELETE_WINDOW)
# and checks what the program wrote into mosk.ini. Then it types again, kills the program
# with SIGKILL, starts it again, restores the kept text and saves it, byte for byte.
#
# Everything it writes stays in one temporary folder (settings, data, home, runtime folder,
# logs), removed at the end unless MOSK_E2E_KEEP=1. Every process it starts is stopped by
# its pid when it ends, however it ends. MOSK_E2E_SHOT=FILE.png keeps a screenshot of the
# screen with the compiler's output (for the README).
#
# Steps named in MOSK_E2E_PENDING (default: $PENDING below) need parts of the main window
# this build may not have yet: when one fails it is reported as pending and does not fail
# the run; when one passes, the report says so, and it should leave the list.
#
# Exit status: 0 all required steps passed, 1 a required step failed, 77 a tool is missing
# (ctest counts that as skipped).
set -u

# Steps that wait for the main window with the output pane, the F7 command, the layout
# keys and MOSK_NO_FIRST_RUN.
PENDING=""
PENDING=${MOSK_E2E_PENDING-$PENDING}

MOSK=$(readlink -f "${1:?usage: mosk-e2e.sh PATH-TO-MOSK}")
HERE=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
KEY_DELAY_MS=${MOSK_E2E_KEY_DELAY_MS:-40}

PY=python3
[ -x /usr/bin/python3 ] && PY=/usr/bin/python3   # the system one has the accessibility bindings
for tool in Xvfb xdotool xwininfo dbus-daemon; do
  command -v "$tool" >/dev/null || { echo "mosk-e2e: $tool is not installed; skipped"; exit 77; }
done
"$PY" -c 'import pyatspi' 2>/dev/null || { echo "mosk-e2e: python3-pyatspi is not installed; skipped"; exit 77; }
[ -x "$MOSK" ] || { echo "mosk-e2e: no program at $MOSK" >&2; exit 1; }

TMP=$(mktemp -d "${TMPDIR:-/tmp}/mosk-e2e.XXXXXX") || exit 1
mkdir -p "$TMP/cfg" "$TMP/data" "$TMP/home" "$TMP/run" "$TMP/work"
chmod 700 "$TMP/run"
XVFB_PID='' DBUS_PID='' DBUS_ADDR='' MOSK_PID='' WIN='' DISPLAY_NAME=''
FAILED=0

log() { printf '%s\n' "$*"; }
now_ms() { echo $(( $(date +%s%N) / 1000000 )); }

# True while PID runs (a zombie counts as ended).
running() {
  local st
  st=$(sed 's/^.*) //' /proc/"$1"/stat 2>/dev/null | cut -c1)
  [ -n "$st" ] && [ "$st" != Z ] && [ "$st" != X ]
}

# Stops pids politely, then by force after 3 s.
stop_pids() {
  local p i alive
  [ $# -gt 0 ] || return 0
  kill -TERM "$@" 2>/dev/null
  for i in $(seq 30); do
    alive=
    for p in "$@"; do running "$p" && alive=1; done
    [ -z "$alive" ] && return 0
    sleep 0.1
  done
  kill -KILL "$@" 2>/dev/null
  return 0
}

# Processes our private D-Bus started (the accessibility bus launcher, its bus, the
# registry): the bus re-parents them to pid 1, so they are found by our bus address in
# their environment or by our temporary folder on their command line.
bus_children() {
  local e p
  [ -n "$DBUS_ADDR" ] || return 0
  for e in /proc/[0-9]*/environ; do
    p=${e#/proc/}; p=${p%/environ}
    [ "$p" = "$DBUS_PID" ] && continue
    { tr '\0' '\n' <"$e" | grep -qxF -e "DBUS_SESSION_BUS_ADDRESS=$DBUS_ADDR" -e "DBUS_STARTER_ADDRESS=$DBUS_ADDR" ||
      tr '\0' ' ' </proc/"$p"/cmdline | grep -qF "$TMP/"; } 2>/dev/null && echo "$p"
  done
  return 0
}

cleanup() {
  local others
  [ -n "$MOSK_PID" ] && running "$MOSK_PID" && stop_pids "$MOSK_PID"
  if [ -n "$DBUS_PID" ]; then
    others=$(bus_children)
    # shellcheck disable=SC2086
    stop_pids "$DBUS_PID" $others
  fi
  [ -n "$XVFB_PID" ] && stop_pids "$XVFB_PID"
  wait 2>/dev/null
  if [ "${MOSK_E2E_KEEP:-0}" = 1 ]; then
    log "mosk-e2e: files kept in $TMP"
  else
    rm -rf "$TMP"
  fi
}
trap cleanup EXIT
trap 'exit 1' INT TERM HUP

# ---- Steps: each returns 0 or prints why it failed and returns 1.

PASSED_STEPS=()
PENDING_FAILED=()
PENDING_PASSED=()

is_pending() { [[ " $PENDING " == *" $1 "* ]]; }

# run_step NAME FUNCTION: runs it and books the outcome.
run_step() {
  local name=$1 t0 ms
  t0=$(now_ms)
  if "$2"; then
    ms=$(( $(now_ms) - t0 ))
    if is_pending "$name"; then
      log "PASS    $name (${ms} ms) -- passes now: take it out of PENDING"
      PENDING_PASSED+=("$name")
    else
      log "PASS    $name (${ms} ms)"
    fi
    PASSED_STEPS+=("$name")
    return 0
  fi
  if is_pending "$name"; then
    log "PENDING $name (not in this build yet; see above)"
    PENDING_FAILED+=("$name")
    return 1
  fi
  log "FAIL    $name"
  FAILED=1
  return 1
}

start_display() {
  local i fd_file=$TMP/display
  # Xvfb picks a free display itself and writes its number once it listens.
  Xvfb -displayfd 9 -screen 0 1280x900x24 -nolisten tcp -noreset 9>"$fd_file" >"$TMP/xvfb.log" 2>&1 &
  XVFB_PID=$!
  for i in $(seq 200); do
    if [ -s "$fd_file" ]; then
      DISPLAY_NAME=:$(tr -dc '0-9' <"$fd_file")
      DISPLAY=$DISPLAY_NAME xdpyinfo >/dev/null 2>&1 && return 0
    fi
    running "$XVFB_PID" || break
    sleep 0.05
  done
  echo "no X display (see xvfb.log):"; cat "$TMP/xvfb.log"
  return 1
}

start_bus() {
  local out
  out=$(env HOME="$TMP/home" XDG_RUNTIME_DIR="$TMP/run" DISPLAY="$DISPLAY_NAME" \
        dbus-daemon --session --fork --nopidfile --print-address=1 --print-pid=1 2>"$TMP/dbus.log") || {
    echo "no D-Bus session:"; cat "$TMP/dbus.log"; return 1; }
  DBUS_ADDR=$(sed -n 1p <<<"$out")
  DBUS_PID=$(sed -n 2p <<<"$out")
  [ -n "$DBUS_ADDR" ] && [ -n "$DBUS_PID" ]
}

# The environment of the program and of the tools that talk to it.
session_env() {
  env -u XDG_CONFIG_HOME -u XDG_DATA_HOME -u XDG_CACHE_HOME -u SESSION_MANAGER \
    DISPLAY="$DISPLAY_NAME" DBUS_SESSION_BUS_ADDRESS="$DBUS_ADDR" HOME="$TMP/home" XDG_RUNTIME_DIR="$TMP/run" \
    QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1 NO_AT_BRIDGE=0 \
    MOSK_CONFIG_DIR="$TMP/cfg" MOSK_DATA_DIR="$TMP/data" MOSK_NO_FIRST_RUN=1 "$@"
}

atspi() { session_env timeout 120 "$PY" "$HERE/atspi_text.py" --pid "$MOSK_PID" "$@"; }
xdo() { session_env xdotool "$@"; }

# The largest visible window of the program.
main_window() {
  local w best='' area bestarea=0
  for w in $(xdo search --onlyvisible --pid "$MOSK_PID" 2>/dev/null); do
    area=$(DISPLAY=$DISPLAY_NAME xwininfo -id "$w" 2>/dev/null | awk '/^ *Width:/{w=$2} /^ *Height:/{h=$2} END{print w*h}')
    (( ${area:-0} > bestarea )) && { best=$w; bestarea=$area; }
  done
  echo "$best"
}

window_count() { xdo search --onlyvisible --pid "$MOSK_PID" 2>/dev/null | wc -l; }

# Keys go to the program's window that has the focus, else to the main window.
focus_program() {
  local f fp
  f=$(xdo getwindowfocus 2>/dev/null)
  fp=$(xdo getwindowpid "$f" 2>/dev/null)
  [ "$fp" = "$MOSK_PID" ] && return 0
  xdo windowfocus --sync "$WIN" 2>/dev/null
}
keys() { focus_program; xdo key --clearmodifiers --delay "$KEY_DELAY_MS" "$@"; }
type_text() { focus_program; xdo type --clearmodifiers --delay "$KEY_DELAY_MS" -- "$1"; }

JAVA=$TMP/work/Hello.java
ORIGINAL='public class Hello {
    public static void main(String[] args) {
        System.out.println("hello");
    }
}
'
TYPED='oops'

step_open() {
  local t0 deadline
  printf '%s' "$ORIGINAL" >"$JAVA"
  t0=$(now_ms)
  ( cd "$TMP/work" && exec env -u XDG_CONFIG_HOME -u XDG_DATA_HOME -u XDG_CACHE_HOME \
      DISPLAY="$DISPLAY_NAME" DBUS_SESSION_BUS_ADDRESS="$DBUS_ADDR" HOME="$TMP/home" XDG_RUNTIME_DIR="$TMP/run" \
      QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1 \
      MOSK_CONFIG_DIR="$TMP/cfg" MOSK_DATA_DIR="$TMP/data" MOSK_NO_FIRST_RUN=1 \
      "$MOSK" "$JAVA" ) >"$TMP/mosk.log" 2>&1 </dev/null &
  MOSK_PID=$!
  deadline=$(( t0 + 30000 ))
  while [ -z "$(xdo search --onlyvisible --pid "$MOSK_PID" 2>/dev/null | head -1)" ]; do
    if ! running "$MOSK_PID"; then
      echo "mosk ended before showing a window; its output:"; tail -20 "$TMP/mosk.log"; return 1
    fi
    (( $(now_ms) > deadline )) && { echo "no window after 30 s"; return 1; }
    sleep 0.05
  done
  log "        window after $(( $(now_ms) - t0 )) ms"
  sleep 0.5                             # the first paint and the focus settle
  WIN=$(main_window)
  [ -n "$WIN" ] || { echo "no main window"; return 1; }
  # Without MOSK_NO_FIRST_RUN a tip or first-run dialog would be a second window.
  if [ "$(window_count)" -gt 1 ]; then
    echo "more than one window at start-up (a first-run dialog?):"
    for w in $(xdo search --onlyvisible --pid "$MOSK_PID"); do echo "  $(xdo getwindowname "$w")"; done
    return 1
  fi
  case "$(xdo getwindowname "$WIN")" in
    *Hello.java*) ;;
    *) # An MDI program may name the file only in the document window's title.
       atspi --wait-for "Hello.java" --timeout 5 >/dev/null 2>&1 ||
         log "        (the main window's title does not name Hello.java: $(xdo getwindowname "$WIN"))" ;;
  esac
  return 0
}

step_type() {
  keys ctrl+End || return 1
  type_text "$TYPED" || return 1
  sleep 0.3
  # The editor's text as a screen reader reads it holds what was typed.
  atspi --wait-for "System.out.println" --wait-for "}
$TYPED" --timeout 10 >/dev/null || { echo "the typed text did not show in the editor"; return 1; }
}

step_save() {
  local expected=$TMP/expected.java i
  printf '%s%s' "$ORIGINAL" "$TYPED" >"$expected"
  keys ctrl+s || return 1
  for i in $(seq 100); do
    cmp -s "$expected" "$JAVA" && return 0
    sleep 0.1
  done
  echo "the file on disk is not what was typed:"
  diff <(od -c "$expected") <(od -c "$JAVA") | head -20
  return 1
}

step_compile() {
  local out
  keys F7 || return 1
  # javac's own message, shown in the output pane and read over the accessibility bus.
  out=$(atspi --wait-for "Hello.java:6: error:" --wait-for "Javac Output" --timeout 90) || {
    echo "no compiler error in any text the program shows"; return 1; }
  printf '%s\n' "$out" | grep -F "error" | head -3 | sed 's/^/        /'
  return 0
}

step_screenshot() {
  [ -n "${MOSK_E2E_SHOT:-}" ] || return 0
  DISPLAY=$DISPLAY_NAME import -window root "$MOSK_E2E_SHOT" || { echo "no screenshot"; return 1; }
  log "        screenshot: $MOSK_E2E_SHOT"
}

step_close() {
  local i
  DISPLAY=$DISPLAY_NAME "$PY" "$HERE/x11_close.py" "$WIN" || return 1
  # A question on the way out ("Save changes?", the project) is answered No; then Escape.
  for i in $(seq 150); do
    running "$MOSK_PID" || break
    if [ "$i" = 20 ] || [ "$i" = 60 ]; then
      if [ "$(window_count)" -gt 1 ]; then
        log "        a dialog is open on closing: $(xdo getwindowname "$(xdo getwindowfocus)") -- answering No"
        keys alt+n
      fi
    elif [ "$i" = 100 ] && [ "$(window_count)" -ge 1 ]; then
      keys Escape
    fi
    sleep 0.1
  done
  if running "$MOSK_PID"; then
    echo "mosk is still running 15 s after its window was asked to close"
    return 1
  fi
  wait "$MOSK_PID"
  local status=$?
  MOSK_PID=''
  [ "$status" = 0 ] || { echo "mosk exited with status $status; its output:"; tail -20 "$TMP/mosk.log"; return 1; }
}

step_settings() {
  local ini=$TMP/cfg/mosk.ini key missing=()
  [ -f "$ini" ] || { echo "no mosk.ini in the settings folder"; ls -la "$TMP/cfg"; return 1; }
  grep -qi '^\[Windows\]' "$ini" || { echo "mosk.ini has no [Windows] section:"; cat "$ini"; return 1; }
  for key in MainOrigX MainOrigY MainSizeX MainSizeY Split1Y1 Split1Y2 Split2X1 Split2X2 Output Project; do
    # Keys of the [Windows] section only.
    awk -v k="$key" 'BEGIN{IGNORECASE=1} /^\[/{s=(tolower($0)=="[windows]")} s && tolower($0) ~ "^"tolower(k)"=-?[0-9]+" {f=1} END{exit !f}' \
      "$ini" || missing+=("$key")
  done
  [ ${#missing[@]} -eq 0 ] || { echo "mosk.ini [Windows] lacks: ${missing[*]}"; return 1; }
}

# ---- Never losing text: typing, a kill -9, a new start that offers the text again.
KEPT='// kept'

# launch [ENV=VALUE...] [FILE]: starts the program and waits for its first window.
launch() {
  local t0 deadline
  t0=$(now_ms)
  ( cd "$TMP/work" && exec env -u XDG_CONFIG_HOME -u XDG_DATA_HOME -u XDG_CACHE_HOME \
      DISPLAY="$DISPLAY_NAME" DBUS_SESSION_BUS_ADDRESS="$DBUS_ADDR" HOME="$TMP/home" XDG_RUNTIME_DIR="$TMP/run" \
      QT_QPA_PLATFORM=xcb MOSK_CONFIG_DIR="$TMP/cfg" MOSK_DATA_DIR="$TMP/data" MOSK_NO_FIRST_RUN=1 \
      MOSK_RECOVERY_SECONDS=1 "$MOSK" "$@" ) >>"$TMP/mosk.log" 2>&1 </dev/null &
  MOSK_PID=$!
  deadline=$(( t0 + 30000 ))
  while [ -z "$(xdo search --onlyvisible --pid "$MOSK_PID" 2>/dev/null | head -1)" ]; do
    running "$MOSK_PID" || { echo "mosk ended before showing a window"; tail -20 "$TMP/mosk.log"; return 1; }
    (( $(now_ms) > deadline )) && { echo "no window after 30 s"; return 1; }
    sleep 0.05
  done
  sleep 0.5
  WIN=$(main_window)
  [ -n "$WIN" ]
}

step_kill() {
  launch "$JAVA" || return 1
  [ "$(window_count)" = 1 ] || { echo "a question at a start with nothing to restore"; return 1; }
  keys ctrl+Home || return 1
  type_text "$KEPT" || return 1
  keys Return || return 1
  sleep 2.5                             # the next keeping of the unsaved text
  ls "$TMP"/data/recovery/*.recover >/dev/null 2>&1 || { echo "no recovery file after typing"; return 1; }
  kill -KILL "$MOSK_PID"
  wait "$MOSK_PID" 2>/dev/null
  MOSK_PID=''
  return 0
}

step_restore() {
  local expected=$TMP/restored.java i
  printf '%s\n%s%s' "$KEPT" "$ORIGINAL" "$TYPED" >"$expected"
  cmp -s "$expected" "$JAVA" && { echo "the typing was saved before the kill"; return 1; }
  launch || return 1
  for i in $(seq 100); do
    [ "$(window_count)" -gt 1 ] && break
    sleep 0.1
  done
  [ "$(window_count)" -gt 1 ] || { echo "no restore question at the start after the kill"; return 1; }
  log "        asked: $(xdo getwindowname "$(xdo getwindowfocus)")"
  keys Return || return 1               # Restore is the default
  sleep 0.5
  keys ctrl+s || return 1
  for i in $(seq 100); do
    cmp -s "$expected" "$JAVA" && break
    sleep 0.1
  done
  cmp -s "$expected" "$JAVA" || { echo "the restored text is not what was typed:";
    diff <(od -c "$expected") <(od -c "$JAVA") | head -20; return 1; }
  step_close || return 1
  ! ls "$TMP"/data/recovery/*.recover >/dev/null 2>&1 || { echo "recovery files left after a clean close"; return 1; }
}

log "mosk-e2e: $MOSK"
run_step display start_display || exit 1
run_step bus start_bus || exit 1
if run_step open step_open; then
  run_step type step_type && run_step save step_save
  run_step compile step_compile
  run_step screenshot step_screenshot
  run_step close step_close && run_step settings step_settings
  run_step kill step_kill && run_step restore step_restore
fi

log "mosk-e2e: passed: ${PASSED_STEPS[*]:-none}"
[ ${#PENDING_FAILED[@]} -gt 0 ] && log "mosk-e2e: pending (need the merged main window): ${PENDING_FAILED[*]}"
[ ${#PENDING_PASSED[@]} -gt 0 ] && log "mosk-e2e: passing but still listed as pending: ${PENDING_PASSED[*]}"
exit "$FAILED"
