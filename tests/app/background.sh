#!/usr/bin/env bash
# Tivora in the background, with the desktop's own parts, as a user meets them. Run on a
# private X server with a window manager (scripts/with-x); starts a private session bus, a
# notification service (dunst) and a system tray (trayer), then the program, and checks that
# closing keeps an armed alarm ringing, that the ring shows a notification whose Stop ends it
# everywhere, that the tray icon shows the window, that one Tivora runs per folder, and that
# the autostart entry starts Tivora hidden with its alarm armed, whose notification shows the
# window and whose ring the tray stops, and that a timer's notification stops the timer.
# Usage: background.sh PROGRAM        (the sound is measured when TIVORA_TEST_SINK names a sink)
set -uo pipefail
program="$(cd "$(dirname "$1")" && pwd)/$(basename "$1")"
tmp=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null; done
    [ -n "${DBUS_SESSION_BUS_PID:-}" ] && kill "$DBUS_SESSION_BUS_PID" 2>/dev/null
    rm -rf "$tmp"
}
trap cleanup EXIT
failures=0
check() { # check DESCRIPTION COMMAND...
    local what="$1"; shift
    if "$@"; then echo "ok   - $what"; else echo "FAIL - $what"; failures=$((failures + 1)); fi
}
# waitfor SECONDS COMMAND...: true once the command succeeds.
waitfor() {
    local tries=$(($1 * 10)); shift
    for _ in $(seq "$tries"); do "$@" && return 0; sleep 0.1; done
    return 1
}
visible() { xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1; }
hidden() { ! visible "$1"; }
trayicon() { xwininfo -root -tree | sed -n 's/^ *\(0x[0-9a-f]*\) "tivora": ("tivora" "tivora")  22x22.*/\1/p' | head -1; }
has_trayicon() { [ -n "$(trayicon)" ]; }
# peak COMPARISON: whether the loudest sample of the next second in the test sink compares so
# (as "> 0.05"); true without a sink to measure.
peak() {
    [ -n "${TIVORA_TEST_SINK:-}" ] || return 0
    local p
    p=$(sox -q -t pulseaudio "$TIVORA_TEST_SINK.monitor" -n trim 0 1 stat 2>&1 | sed -n 's/^Maximum amplitude: *//p')
    awk -v p="$p" "BEGIN { exit !(p != \"\" && p $1) }"
}
# arm_in SECONDS: keeps an armed alarm that rings that many seconds from now.
# A file of the release that kept one alarm, which this one reads as its first; "named" is how
# a notification names it.
arm_in() {
    local at
    at=$(date -d "+$1 seconds" +%H:%M:%S)
    printf '[General]\ntime=%s\nreason=0\ndescription=Bus at seven\narmed=true\n' "$at" \
        >"$work/data/settings/tivora_alarm.ini"
    named="Alarm Clock ${at%:*}|Bus at seven"
}
start() { (cd "$work" && exec "$program" "$@" >>"$tmp/program.log" 2>&1) & pids+=($!); }

work="$tmp/work"
mkdir -p "$work/data/settings" "$tmp/runtime"
chmod 700 "$tmp/runtime"
printf 1 >"$work/data/settings/tivora_lang.txt"
printf 80 >"$work/data/settings/tivora_volume.txt"
export XDG_CONFIG_HOME="$tmp/config" QT_QPA_PLATFORM=xcb
[ -n "${TIVORA_TEST_SINK:-}" ] || export XDG_RUNTIME_DIR="$tmp/runtime"
eval "$(dbus-launch --sh-syntax)"
# dunst tells what it shows through a script, and picks a notification's action through its
# menu program, which gets the actions on its input and prints the one chosen.
printf '#!/bin/sh\necho "$2|$3" >>%s/shown\n' "$tmp" >"$tmp/record" && chmod +x "$tmp/record"
printf '#!/bin/sh\ntee %s/actions | grep stop\n' "$tmp" >"$tmp/choose" && chmod +x "$tmp/choose"
printf '[global]\ndmenu = %s/choose\n[record]\nappname = Tivora\nscript = %s/record\n' \
    "$tmp" "$tmp" >"$tmp/dunstrc"
dunst -config "$tmp/dunstrc" >"$tmp/dunst.log" 2>&1 & pids+=($!)
trayer --edge top --align right --widthtype request --height 24 >/dev/null 2>&1 & pids+=($!)
sleep 1

arm_in 10
start
check "the main window shows" waitfor 20 visible Tivora
first=${pids[-1]}
main=$(xdotool search --onlyvisible --name '^Tivora$' | head -1)
xdotool windowactivate --sync "$main" key alt+F4
check "closing it with an armed alarm hides it" waitfor 15 sh -c "! xdotool search --onlyvisible --name '^Tivora\$' | grep -qx $main"
check "and says Tivora runs on" waitfor 15 visible Tivora
xdotool key Return
check "the window is gone, the program runs on, with its tray icon" \
    waitfor 15 sh -c "! xdotool search --onlyvisible --name '^Tivora$' >/dev/null && kill -0 $first 2>/dev/null && [ -n \"\$(xwininfo -root -tree | grep '(\"tivora\" \"tivora\")  22x22')\" ]"
check "the ring shows its box" waitfor 15 visible "Alarm Clock"
check "and a notification naming the alarm, with its description" \
    waitfor 15 grep -sqxF "$named" "$tmp/shown"
check "the sound plays" peak "> 0.05"
dunstctl context
check "Stop in the notification closes the box" waitfor 15 hidden "Alarm Clock"
check "the notification offered Snooze and Stop" \
    sh -c "grep -q 'Snooze 10 minutes' '$tmp/actions' && grep -q 'Stop' '$tmp/actions'"
check "and the sound stops" peak "< 0.01"
xdotool mousemove --window "$(trayicon)" 10 10 click 3
sleep 0.5 && xdotool key Down Return
check "Show Tivora in the tray icon's menu shows the window" waitfor 15 visible Tivora
xdotool windowactivate --sync "$main" key alt+F4
check "closing it again hides it without a word" waitfor 15 hidden Tivora
sleep 1
check "(no notice the second time)" hidden Tivora
xdotool mousemove --window "$(trayicon)" 10 10 click 1
check "a click on the tray icon shows the window" waitfor 15 visible Tivora

(cd "$work" && timeout 10 "$program" >/dev/null 2>&1); second=$?
check "a second start exits with 0" [ "$second" = 0 ]
check "and the first runs on" kill -0 "$first" 2>/dev/null
kill -9 "$first" && wait "$first" 2>/dev/null
start
check "after the first was killed a third start shows its window" waitfor 20 visible Tivora
third=${pids[-1]}
(cd "$work" && timeout 10 "$program" >/dev/null 2>&1); fourth=$?
check "and a fourth start hands over to it" sh -c "[ $fourth = 0 ] && kill -0 $third"
check "one Tivora runs in the folder" [ "$(pgrep -fc "^$program( |$)")" = 1 ]

# Start at login, chosen in Tools: its entry validates and starts Tivora hidden, armed.
main=$(xdotool search --onlyvisible --name '^Tivora$' | head -1)
xdotool windowactivate --sync "$main" mousemove --window "$main" 12 10 click 1
sleep 0.3 && xdotool key Right Down Return
entry="$XDG_CONFIG_HOME/autostart/tivora.desktop"
check "Tools > Start Tivora when I log in writes the autostart entry" waitfor 15 test -f "$entry"
check "the entry validates" desktop-file-validate "$entry"
kill "${pids[-1]}" && sleep 1
arm_in 8
rm -f "$tmp/shown"
(cd "$(sed -n 's/^Path=//p' "$entry")" && eval "exec $(sed -n 's/^Exec=//p' "$entry")" >/dev/null 2>&1) & pids+=($!)
check "run as it says, Tivora starts with no window, its icon in the tray" \
    waitfor 15 has_trayicon
check "and no window" hidden Tivora
check "its alarm rings" waitfor 15 grep -sqxF "$named" "$tmp/shown"
# While it rings, the tray icon's menu starts with Stop for it; once answered, with Show Tivora.
check "and shows its box" waitfor 15 visible "Alarm Clock"
xdotool mousemove --window "$(trayicon)" 10 10 click 3
sleep 0.5 && xdotool key Down Return
check "Stop in the tray icon's menu ends the ring" waitfor 15 hidden "Alarm Clock"
xdotool mousemove --window "$(trayicon)" 10 10 click 3
sleep 0.5 && xdotool key Down Return
check "and the menu's first entry is Show Tivora again" waitfor 15 visible Tivora
# A click on a ring's notification shows the window.
kill "${pids[-1]}" && sleep 1
arm_in 6
rm -f "$tmp/shown"
start --background
check "started hidden, its ring shows a notification" waitfor 15 grep -sqxF "$named" "$tmp/shown"
dunstctl action 0
check "a click on the notification shows the window" waitfor 15 visible Tivora
# A timer that ends in the background shows its box and a notification whose Stop ends it.
kill "${pids[-1]}" && sleep 1
dunstctl close-all
rm -f "$tmp/shown" "$work/data/settings/tivora_alarm.ini"
printf '[timers]\n1\\label=Tea\n1\\length=60\n1\\state=running\n1\\ends=%s\nsize=1\n' \
    "$(date -u -d '+6 seconds' +%Y-%m-%dT%H:%M:%S.000Z)" >"$work/data/settings/tivora_timers.ini"
start --background
check "a timer's end shows a notification" waitfor 15 grep -sqxF "Time is up|Tea" "$tmp/shown"
check "and its box" waitfor 15 visible "Time is up"
dunstctl context
check "Stop in the notification closes the box" waitfor 15 hidden "Time is up"
[ $failures = 0 ] || { echo "--- program"; cat "$tmp/program.log"; echo "--- dunst"; tail -20 "$tmp/dunst.log"; }
exit $failures
