#!/usr/bin/env bash
# Resident memory of the real program over hours of use on an X desktop, driven from outside
# with xdotool as a user would: each ten minutes it opens and closes every dialog from the
# menus, answers a ring in its box, and every other time hides the window before the ring and
# shows it again after (by starting Tivora a second time). Prints the resident memory every
# ten minutes and its change from minute 20 to the end. Measures; never fails on a figure.
# Run on a private X server with a session bus:
#   scripts/with-x dbus-run-session -- bench/app/memory-day.sh PROGRAM [MINUTES]
# MINUTES is the length of the run, a multiple of ten (default 120).
set -uo pipefail
program="$(cd "$(dirname "$1")" && pwd)/$(basename "$1")"
minutes="${2:-120}"
data="$(cd "$(dirname "$0")/../../data" && pwd)"
[ $((minutes % 10)) = 0 ] && [ "$minutes" -ge 10 ] && [ "$minutes" -le 1000 ] ||
    { echo "MINUTES must be a multiple of ten from 10 to 1000" >&2; exit 2; }
for tool in xdotool pulseaudio pactl; do
    command -v "$tool" >/dev/null || { echo "memory-day: $tool is missing" >&2; exit 1; }
done

tmp=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null && wait "$pid" 2>/dev/null; done
    # The sound server is no child of this script: stopped by its pid, gone before its folder.
    local sound
    if sound=$(cat "$tmp/runtime/pulse/pid" 2>/dev/null) && kill "$sound" 2>/dev/null; then
        while kill -0 "$sound" 2>/dev/null; do sleep 0.1; done
    fi
    rm -rf "$tmp"
}
trap cleanup EXIT
work="$tmp/work"
mkdir -p "$work" "$tmp/config"
cp -r "$data" "$work/"
export XDG_RUNTIME_DIR="$tmp/runtime" XDG_CONFIG_HOME="$tmp/config"
mkdir -p -m 700 "$XDG_RUNTIME_DIR"

# The sound plays into a private sound server's null sink, as into a desktop's speakers.
pulseaudio --daemonize=yes --exit-idle-time=-1 -n --load="module-null-sink sink_name=day" \
    --load=module-native-protocol-unix >/dev/null 2>&1 || { echo "no PulseAudio" >&2; exit 1; }
for _ in $(seq 50); do pactl info >/dev/null 2>&1 && break; sleep 0.1; done
pactl set-default-sink day
# A ring with the window hidden also shows a desktop notification, where a service runs.
if command -v dunst >/dev/null && [ "${DBUS_SESSION_BUS_ADDRESS:-disabled:}" != disabled: ]; then
    dunst >"$tmp/dunst.log" 2>&1 &
    pids+=($!)
fi

# One alarm for every ten minutes of the run, each ringing at the middle of its ten minutes.
start=$(($(date +%s) + 1))
{
    echo "[alarms]"
    for ((i = 1; i <= minutes / 10; i++)); do
        at=$(date -d "@$((start + i * 600 - 300))" +%H:%M:%S)
        printf '%s\\armed=true\n%s\\days=1234567\n%s\\description=Ring %s\n' "$i" "$i" "$i" "$i"
        printf '%s\\reason=0\n%s\\snooze=10\n%s\\time=%s\n' "$i" "$i" "$i" "$at"
    done
    echo "size=$((minutes / 10))"
} >"$work/data/settings/tivora_alarm.ini"

log="$tmp/program.log"
while [ "$(date +%s)" -lt "$start" ]; do sleep 0.1; done
(cd "$work" && exec "$program" >>"$log" 2>&1) &
pid=$!
pids+=("$pid")

rings=0 dialogs=0 hides=0 shows=0 missed=0
miss() { echo "missed: $*"; missed=$((missed + 1)); }
# waitfor SECONDS COMMAND...: true once the command succeeds.
waitfor() {
    local tries=$(($1 * 10)); shift
    for _ in $(seq "$tries"); do "$@" && return 0; sleep 0.1; done
    return 1
}
# shown TITLE [EXCEPT]: prints the id of a mapped window so titled, other than EXCEPT.
shown() { xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | grep -vx "${2:-none}" | head -1 | grep .; }
mapped() { xdotool search --onlyvisible --name '^Tivora$' 2>/dev/null | grep -qx "$1"; }
unmapped() { ! xwininfo -id "$1" 2>/dev/null | grep -q 'IsViewable'; }
# at SECOND: waits until that many seconds after the start.
at() {
    local wait=$((start + $1 - $(date +%s)))
    [ "$wait" -gt 0 ] && sleep "$wait"
    return 0
}
resident() { awk -v what="$1" '$1 == what ":" { printf "%.1f", $2 / 1024 }' "/proc/$pid/status"; }

waitfor 30 shown Tivora >/dev/null || { echo "the main window did not show" >&2; cat "$log" >&2; exit 1; }
main=$(shown Tivora)

# dialog TITLE KEYS...: opens a dialog from the menus with the keys, keeps it open ten seconds
# and closes it with Escape.
dialog() {
    local title="$1" id="" try; shift
    for try in 1 2; do
        xdotool windowactivate --sync "$main" key "$1"
        sleep 0.5
        xdotool key --delay 100 "${@:2}"
        id=$(waitfor 10 shown "$title" "$main") && break
        xdotool key Escape Escape
    done
    [ -n "$id" ] || { miss "$title did not open"; return; }
    sleep 10
    xdotool windowactivate --sync "$id" key Escape
    if waitfor 10 unmapped "$id"; then dialogs=$((dialogs + 1)); else miss "$title did not close"; fi
}
ring() {
    local id
    id=$(waitfor 30 shown "Alarm Clock") || { miss "no ring"; return; }
    # Let it sound a while, as a sleeper would.
    sleep 5
    xdotool windowactivate --sync "$id" key Return
    if waitfor 10 unmapped "$id"; then rings=$((rings + 1)); else miss "the ring's box stayed"; fi
}
hide() {
    local notice
    xdotool windowactivate --sync "$main" key alt+F4
    # The first time, a notice says Tivora runs on.
    if notice=$(waitfor 5 shown Tivora "$main"); then
        xdotool windowactivate --sync "$notice" key Return
        waitfor 10 unmapped "$notice" || miss "the notice stayed"
    fi
    if waitfor 10 unmapped "$main"; then hides=$((hides + 1)); else miss "the window did not hide"; fi
}
show() {
    (cd "$work" && timeout 20 "$program" >>"$log" 2>&1) || miss "the second start failed"
    if waitfor 10 mapped "$main"; then shows=$((shows + 1)); else miss "the window did not show"; fi
}

# reading NAME: prints and keeps the resident memory now.
reading() {
    local now
    now=$(resident VmRSS)
    readings+=("$now")
    echo "$1: $now MiB resident (anonymous $(resident RssAnon), files $(resident RssFile))"
}
readings=()
sleep 5
reading start-up
for ((minute = 0; minute < minutes; minute += 10)); do
    base=$((minute * 60))
    at $((base + 30)) && dialog Settings alt+t Return
    at $((base + 120)) && dialog Tivora alt+x Return
    at $((base + 210)) && dialog "Tivora Updater" alt+h Return
    hidden=$(((minute / 10) % 2 == 0))
    [ "$hidden" = 1 ] && at $((base + 260)) && hide
    at $((base + 300)) && ring
    [ "$hidden" = 1 ] && at $((base + 360)) && show
    at $((base + 420)) && dialog Information alt+h Down Down Return
    at $((base + 510)) && dialog About alt+h Down Down Down Return
    at $((base + 600))
    reading "minute $((minute + 10))"
done

echo "$rings rings answered ($((minutes / 10)) due), $dialogs dialogs opened and closed" \
    "($((minutes / 2)) due), hidden $hides and shown again $shows times, $missed actions missed"
[ "$missed" = 0 ] || { echo "--- program"; tail -20 "$log"; }
first="${readings[0]}" last="${readings[-1]}"
change=$(awk -v a="$first" -v b="$last" 'BEGIN { printf "%+.1f", 100 * (b - a) / a }')
if [ "$minutes" -ge 30 ]; then
    settled=$(awk -v a="${readings[2]}" -v b="$last" 'BEGIN { printf "%+.1f", 100 * (b - a) / a }')
    echo "change: $change% from start-up, $settled% from minute 20 to $minutes"
    echo "TABLE|Resident memory of the program after $minutes minutes of real use|$last MiB:" \
        "$change% from start-up, $settled% from minute 20 to $minutes||flat within 5%"
else
    echo "change: $change% from start-up"
fi
