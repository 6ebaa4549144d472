#!/usr/bin/env bash
# The program end to end, as a user meets it: a real X server (Xvfb) and a real
# PulseAudio server playing into a null sink, both started here and stopped on exit.
#
#   e2e_tervox.sh TERVOX PROBE OVIX_DAT
#
# 1. With its sound track and a stale report: the report is gone, the splash window
#    is mapped at (221, 170) with its hole, the start-up sound reaches the sink, the
#    splash button (Return) brings up the calculator window centred, Calculate writes
#    the report, and "Exit to windows" ends the program after the exit sound.
# 2. From a folder without a sound track: the program finds its own data folder.
# 3. Without any sound track: the message, and the program ends once it is confirmed.
# Exit status 77 (skipped) when Xvfb, xdotool or PulseAudio is not installed.
set -uo pipefail

tervox=$(realpath "$1")
probe=$(realpath "$2")
ovix=$(realpath "$3")

for tool in Xvfb xdotool xwininfo pulseaudio pactl parec; do
  if ! command -v "$tool" >/dev/null; then
    echo "SKIP: $tool is not installed (scripts/install-deps.sh installs it)"
    exit 77
  fi
done

root=$(mktemp -d /tmp/tervox-e2e.XXXXXX)
pids=()
cleanup() {
  for pid in "${pids[@]}"; do
    kill "$pid" 2>/dev/null
  done
  for pid in "${pids[@]}"; do
    wait "$pid" 2>/dev/null
  done
  rm -rf "$root"
}
trap cleanup EXIT

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
pass() { echo "ok: $*"; }
die() {
  echo "FAIL: $*"
  echo "--- windows"
  for w in $(xdotool search --name . 2>/dev/null); do
    echo "$w $(xdotool getwindowname "$w" 2>/dev/null)"
  done
  for log in "$root"/*.log; do
    echo "--- $(basename "$log")"
    tail -n 20 "$log"
  done
  exit 1
}

# Waits up to $1 seconds for the command to succeed.
wait_for() {
  local limit=$1
  shift
  local end=$((SECONDS + limit))
  until "$@"; do
    ((SECONDS < end)) || return 1
    sleep 0.1
  done
}

# A home of our own: the report goes to $HOME/Documents/Tervox/result.txt.
export HOME=$root/home
export XDG_CONFIG_HOME=$HOME/.config
export XDG_RUNTIME_DIR=$root/run
export DBUS_SESSION_BUS_ADDRESS=disabled:
# Russian regional settings: the fields' default texts are written with a comma.
if ! locale -a 2>/dev/null | grep -qi '^ru_RU\.utf8$'; then
  echo "SKIP: the locale ru_RU.UTF-8 is missing (scripts/install-deps.sh generates it)"
  exit 77
fi
export LC_ALL=ru_RU.UTF-8
mkdir -p "$HOME" "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
report=$HOME/Documents/Tervox/result.txt

# --- X server ------------------------------------------------------------------
screen_w=1024
screen_h=768
Xvfb -displayfd 9 -screen 0 ${screen_w}x${screen_h}x24 -nolisten tcp 9>"$root/display" 2>"$root/xvfb.log" &
pids+=($!)
wait_for 10 test -s "$root/display" || die "Xvfb did not start: $(cat "$root/xvfb.log")"
export DISPLAY=:$(head -n1 "$root/display")
rootwin=$(xwininfo -root | sed -n 's/.*Window id: \(0x[0-9a-f]*\).*/\1/p')
rootwin=$((rootwin))

# --- Sound server: a null sink, reachable through one socket ----------------------
# As root PulseAudio warns but runs in user mode; with -n it loads only what is named.
pulse_socket=$root/pulse/native
mkdir -p "$root/pulse"
pulseaudio -n --daemonize=no --exit-idle-time=-1 --use-pid-file=no --disallow-exit \
  --disable-shm=yes --log-target=stderr \
  --load="module-null-sink sink_name=tervox_null rate=22050 channels=1" \
  --load="module-native-protocol-unix auth-anonymous=1 socket=$pulse_socket" \
  2>"$root/pulse.log" &
pids+=($!)
export PULSE_SERVER=unix:$pulse_socket
wait_for 10 pactl info >/dev/null 2>&1 || die "PulseAudio did not start: $(tail -5 "$root/pulse.log")"
pactl set-default-sink tervox_null

# Everything the sink plays is recorded from its monitor.
parec -d tervox_null.monitor --format=s16le --channels=1 --rate=22050 >"$root/sink.raw" 2>/dev/null &
parec_pid=$!
pids+=($parec_pid)

track_ms=$("$probe" length-ms "$ovix") || die "cannot read $ovix"
exit_sound_ms=$((track_ms - 19260))
read -r hole_x hole_y < <("$probe" hole-point) || die "no hole in the splash mask"
read -r solid_x solid_y < <("$probe" solid-point) || die "no skin point in the splash mask"
echo "sound track ${track_ms} ms, exit sound ${exit_sound_ms} ms; hole ($hole_x, $hole_y), skin ($solid_x, $solid_y)"

visible_window() { xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n1; }
window_shown() { [[ -n $(visible_window "$1") ]]; }
sink_has_streams() { [[ -n $(pactl list short sink-inputs 2>/dev/null) ]]; }
process_ended() { ! kill -0 "$1" 2>/dev/null; }
window_at() { # the window that receives the pointer at a screen point
  xdotool mousemove "$1" "$2"
  sleep 0.2
  xdotool getmouselocation --shell | sed -n 's/^WINDOW=//p'
}
geometry() { # x y width height of a window
  xwininfo -id "$1" | awk '/Absolute upper-left X/{x=$NF} /Absolute upper-left Y/{y=$NF}
    /Width:/{w=$NF} /Height:/{h=$NF} END{print x, y, w, h}'
}

# --- 1. A normal run ----------------------------------------------------------------
work=$root/work
mkdir -p "$work" "$(dirname "$report")"
cp "$ovix" "$work/ovix.dat"
echo "stale report" >"$report"

(cd "$work" && exec "$tervox") >"$root/tervox.log" 2>&1 &
tervox_pid=$!
pids+=($tervox_pid)

wait_for 20 window_shown '^Form3' || die "the splash window did not appear"
form3=$(visible_window '^Form3')
pass "splash window mapped"

[[ -e $report ]] && fail "the stale report is still there" || pass "stale report deleted at start-up"

read -r x y w h < <(geometry "$form3")
[[ "$x $y" == "221 170" ]] && pass "splash at (221, 170)" || fail "splash at ($x, $y), expected (221, 170)"
[[ "$w $h" == "320 239" ]] && pass "splash 320 x 239" || fail "splash is $w x $h, expected 320 x 239"

under=$(window_at $((221 + hole_x)) $((170 + hole_y)))
[[ $under == "$rootwin" ]] && pass "a point in the hole is outside the window" \
  || fail "the hole at ($hole_x, $hole_y) belongs to window $under, not the root $rootwin"
under=$(window_at $((221 + solid_x)) $((170 + solid_y)))
[[ $under == "$form3" ]] && pass "a point of the skin is inside the window" \
  || fail "the skin at ($solid_x, $solid_y) belongs to window $under, not Form3 $form3"

wait_for 5 sink_has_streams && pass "a stream plays into the sink" \
  || fail "no stream reached the sink"
sleep 1.5
peak=$("$probe" peak "$root/sink.raw")
((peak > 500)) && pass "the start-up sound is audible on the sink (peak $peak)" \
  || fail "the sink heard silence (peak $peak)"

# The splash button has the focus: Return presses it.
xdotool mousemove 0 0
xdotool key Return
wait_for 10 window_shown 'ovix-calculator' || die "the calculator window did not appear"
form1=$(visible_window 'ovix-calculator')
read -r x y w h < <(geometry "$form1")
cx=$(((screen_w - 701) / 2))
cy=$(((screen_h - 374) / 2))
[[ "$w $h" == "701 374" ]] && pass "calculator 701 x 374" || fail "calculator is $w x $h"
((x >= cx - 1 && x <= cx + 1 && y >= cy - 1 && y <= cy + 1)) && pass "calculator centred at ($x, $y)" \
  || fail "calculator at ($x, $y), centred would be ($cx, $cy)"
[[ -z $(visible_window '^Form3') ]] && pass "splash hidden" || fail "the splash window is still shown"

# Calculate: BitBtn1's middle.
xdotool mousemove --window "$form1" 597 336 click 1
wait_for 10 test -s "$report" && pass "Calculate wrote the report" || fail "no report after Calculate"
# The saved-results message: confirm it.
if wait_for 10 window_shown '^Tervox Engine calc'; then
  pass "the saved-results message is shown"
  xdotool key Return
  wait_for 5 bash -c "! xdotool search --onlyvisible --name '^Tervox Engine calc' >/dev/null 2>&1" \
    || fail "the saved-results message did not close on Return"
else
  fail "no saved-results message"
fi

# The pop-up menu from Image1, then "Exit to windows" (the second entry).
xdotool mousemove --window "$form1" 666 335 click 1
sleep 0.7
xdotool key Down Down
# From here on: the streams opened on the sink, and what it plays.
LC_ALL=C stdbuf -oL pactl subscribe >"$root/events.txt" 2>/dev/null &
subscribe_pid=$!
pids+=($subscribe_pid)
sleep 0.3
exit_from=$(stat -c %s "$root/sink.raw")
start_ms=$(date +%s%3N)
xdotool key Return
if wait_for $((exit_sound_ms / 1000 + 20)) process_ended "$tervox_pid"; then
  elapsed=$(($(date +%s%3N) - start_ms))
  wait "$tervox_pid"
  status=$?
  ((status == 0)) && pass "the program ended normally" || fail "the program ended with status $status"
  # It may take longer than the sound (the sink's own latency), never less.
  ((elapsed >= exit_sound_ms - 150)) && pass "ended ${elapsed} ms after the exit entry (exit sound ${exit_sound_ms} ms)" \
    || fail "ended ${elapsed} ms after the exit entry, before the ${exit_sound_ms} ms exit sound was out"
else
  fail "the program did not end after the exit entry"
fi
kill "$subscribe_pid" 2>/dev/null
streams=$(grep -c "Event 'new' on sink-input" "$root/events.txt")
((streams == 1)) && pass "the exit sound played once" \
  || fail "$streams streams for the exit sound, expected 1: $(cat "$root/events.txt")"
peak=$("$probe" peak "$root/sink.raw" "$exit_from")
((peak > 500)) && pass "the exit sound is audible on the sink (peak $peak)" || fail "the exit sound was silent (peak $peak)"

# --- 2. Started from a folder of the user's own ---------------------------------------
# No sound track there: the program changes to its data folder (next to it in the
# build tree) and starts as usual.
mkdir -p "$root/elsewhere"
(cd "$root/elsewhere" && exec "$tervox") >"$root/tervox-elsewhere.log" 2>&1 &
elsewhere_pid=$!
pids+=($elsewhere_pid)
if wait_for 20 window_shown '^Form3'; then
  pass "started elsewhere, the program found its sound track"
else
  fail "started elsewhere, no splash window"
fi
window_shown '^Tervox Engine calc' && fail "a message box came up when started elsewhere"
kill "$elsewhere_pid"
wait "$elsewhere_pid" 2>/dev/null

# --- 3. No sound track ----------------------------------------------------------------
# A copy of the program in a folder of its own, so that it finds no data folder either.
bare=$root/bare
mkdir -p "$bare/bin" "$bare/work"
cp "$tervox" "$bare/bin/tervox"
echo "stale report" >"$report"
(cd "$bare/work" && exec "$bare/bin/tervox") >"$root/tervox-bare.log" 2>&1 &
bare_pid=$!
pids+=($bare_pid)
wait_for 20 window_shown '^Tervox Engine calc' && pass "the missing-track message is shown" \
  || fail "no message box without ovix.dat"
[[ -e $report ]] && fail "the stale report survived a start without ovix.dat" || pass "report deleted without ovix.dat too"
[[ -z $(visible_window '^Form3') ]] && pass "no splash window behind the message" || fail "the splash window is shown"
kill -0 "$bare_pid" 2>/dev/null && pass "the program waits for the message to be confirmed" \
  || fail "the program ended before the message was confirmed"
xdotool key Return
if wait_for 10 process_ended "$bare_pid"; then
  pass "the program ended after the message"
else
  fail "the program did not end after the message"
fi
[[ -z $(visible_window '^Form3') ]] || fail "a splash window appeared"

kill "$parec_pid" 2>/dev/null
echo "$failures failure(s)"
((failures == 0))
