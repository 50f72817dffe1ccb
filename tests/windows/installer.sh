#!/usr/bin/env bash
# Tivora for Windows as a new user meets it, in a fresh wine prefix on a private X server with a
# window manager (scripts/with-x), from its installer to its uninstaller.
# Usage: installer.sh SETUP.exe      (the sound is measured when TIVORA_TEST_SINK names a sink)
set -uo pipefail
setup=$(realpath "$1")
tmp=$(mktemp -d)
export WINEPREFIX="$tmp/prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
cleanup() { wineserver -k 2>/dev/null && wineserver -w; rm -rf "$tmp"; }
trap cleanup EXIT
failures=0
check() { # check DESCRIPTION COMMAND...
    local what="$1"; shift
    if "$@"; then echo "ok   - $what"; else echo "FAIL - $what"; failures=$((failures + 1)); fi
}
waitfor() { # waitfor SECONDS COMMAND...: true once the command succeeds
    local tries=$(($1 * 10)); shift
    for _ in $(seq "$tries"); do "$@" && return 0; sleep 0.1; done
    return 1
}
visible() { xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1; }
hidden() { ! visible "$1"; }
focus() { xdotool windowactivate --sync "$(xdotool search --onlyvisible --name "^$1\$" | head -1)"; }
peak() { # peak COMPARISON: whether the loudest sample of the next second in the sink compares so
    [ -n "${TIVORA_TEST_SINK:-}" ] || { echo "     (no test sink: not measured)"; return 0; }
    local p
    p=$(sox -q -t pulseaudio "$TIVORA_TEST_SINK.monitor" -n trim 0 1 stat 2>&1 | sed -n 's/^Maximum amplitude: *//p')
    echo "     peak $p" && awk -v p="$p" "BEGIN { exit !(p != \"\" && p $1) }"
}
arm_in() { # arm_in SECONDS: the user's alarm file holds one alarm, every day, that many seconds on
    at=$(date -d "+$1 seconds" +%s)
    printf '[alarms]\n1\\armed=true\n1\\days=1234567\n1\\description=Bus\n1\\reason=0\n1\\snooze=10\n1\\time=%s\nsize=1\n' \
        "$(date -d "@$at" +%H:%M:%S)" >"$alarms"
}
rings_on_time() { # the ring's box shows at its second (seen within two)
    waitfor 30 visible "Alarm Clock" || return 1
    local late=$(($(date +%s%N) / 1000000 - at * 1000))
    echo "     box seen $late ms after the alarm's second began" && [ "$late" -ge 0 ] && [ "$late" -lt 2000 ]
}
menu() { focus Tivora && sleep 0.3 && xdotool key "$@" && sleep 0.5; } # menu KEYS...
# running COUNT: that many Tivoras run in this prefix
running() { [ "$(pgrep -f 'Tivora\\tivora\.exe' | xargs -rI{} grep -lzx "WINEPREFIX=$WINEPREFIX" /proc/{}/environ | wc -l)" = "$1" ]; }
# Waits for the program to end: a start meanwhile would hand over to it.
quit() { menu alt+f Return && xdotool key alt+y && waitfor 15 running 0; }
key() { wine reg query "HKCU\\Software\\Microsoft\\Windows\\CurrentVersion\\$1" 2>/dev/null | tr -d '\r'; }
run_value() { key Run | sed -n 's/^ *Tivora *REG_SZ *//p'; }
md5s() { (cd "$1" && find . -type f -exec md5sum {} + | sort); }

mkdir "$WINEPREFIX" && wineserver -p >"$tmp/wine.log" 2>&1 && wineboot -i >>"$tmp/wine.log" 2>&1
check "the setup installs silently" wine "$setup" /S
appdata() { winepath -u "$(wine cmd /c "echo %$1%" 2>/dev/null | tr -d '\r')"; }
installed="$(appdata LOCALAPPDATA)/Programs/Tivora" user="$(appdata LOCALAPPDATA)/Tivora"
shortcut="$(appdata APPDATA)/Microsoft/Windows/Start Menu/Programs/Tivora.lnk"
check "into %LOCALAPPDATA%\\Programs\\Tivora, with a Start-menu shortcut" test -f "$installed/tivora.exe" -a -f "$shortcut"
check "Apps & features lists it with its icon, version 2.0.0, publisher and (quiet) uninstall" test "$(key Uninstall\\Tivora |
    grep -cE '^ *(DisplayName.*Tivora|DisplayIcon.*\\tivora.exe,0|DisplayVersion.*2\.0\.0|Publisher.*Quorvane|UninstallString.*uninstall.exe"|QuietUninstallString.*uninstall.exe" /S)$')" = 6
resources=$(/usr/bin/python3 - "$installed/tivora.exe" <<'EOF'
import sys, pefile
pe, kind = pefile.PE(sys.argv[1]), pefile.RESOURCE_TYPE['RT_GROUP_ICON']
icons = [str(i.name) for t in pe.DIRECTORY_ENTRY_RESOURCE.entries if t.id == kind for i in t.directory.entries]
v = pe.VS_FIXEDFILEINFO[0]
strings = {k: s for e in pe.FileInfo[0] if e.Key == b'StringFileInfo' for t in e.StringTable for k, s in t.entries.items()}
print(pefile.SUBSYSTEM_TYPE[pe.OPTIONAL_HEADER.Subsystem], *icons, '%d.%d.%d.%d' % (v.FileVersionMS >> 16,
      v.FileVersionMS & 0xffff, v.FileVersionLS >> 16, v.FileVersionLS & 0xffff), strings[b'FileDescription'].decode(), sep='|')
EOF
)
check "tivora.exe is a GUI program with the icon group IDI_ICON1 and version 2.0.0.0: $resources" \
    test "$resources" = "IMAGE_SUBSYSTEM_WINDOWS_GUI|IDI_ICON1|2.0.0.0|Computer alarm clock"

# The user had saved a volume and an alarm before; the first start keeps them.
alarms="$user/data/settings/tivora_alarm.ini"
mkdir -p "$user/data/settings" && printf 40 >"$user/data/settings/tivora_volume.txt"
program_files=$(md5s "$installed")
arm_in 12
wine start /unix "$shortcut" >>"$tmp/program.log" 2>&1
check "started from its shortcut, it shows its window titled Tivora" waitfor 30 visible Tivora
check "and seeds %LOCALAPPDATA%\\Tivora with the shipped settings and articles" test -f "$user/data/settings/tivora_lang.txt" \
    -a -f "$user/data/settings/tivora_ivn.txt" -a -f "$user/data/articles/en/doc_item_one.html" -a -f "$user/data/articles/no/doc_item_one.html"
check "keeping what the user saved" test "$(cat "$user/data/settings/tivora_volume.txt")" = 40
check "the alarm rings at its second with its box" rings_on_time
check "and its sound" peak "> 0.05"
focus "Alarm Clock" && xdotool key Return
check "OK closes the box and stops the sound" eval 'waitfor 10 hidden "Alarm Clock" && peak "< 0.01"'

menu alt+t Down Return
value=$(run_value)
check "Tools > Start Tivora when I log in writes the Run value" test "$value" = "\"$(winepath -w "$installed/tivora.exe")\" --background"
check "File > Exit quits, once asked" quit
arm_in 10
# As Windows runs it at login, in a folder of its own.
(cd "$(winepath -u 'C:\windows\system32')" && eval "wine $value" >>"$tmp/program.log" 2>&1 &)
check "run as the Run value says, Tivora starts with no window and its alarm rings on time" rings_on_time
check "(no window)" hidden Tivora
focus "Alarm Clock" && xdotool key Return
wine start /unix "$shortcut" >>"$tmp/program.log" 2>&1
check "the shortcut shows the Tivora that runs, and no other stays" eval 'waitfor 20 visible Tivora && waitfor 10 running 1'
menu alt+t Down Return
check "unchecking start at login deletes the Run value" test -z "$(run_value)"
check "File > Exit quits" quit
check "nothing was written in the program's folder" test "$(md5s "$installed")" = "$program_files"

cp "$alarms" "$tmp/alarms.kept"
wine "$installed/uninstall.exe" /S
check "the uninstaller removes the program, its shortcut and its Apps & features entry" \
    waitfor 30 eval 'test ! -e "$installed" -a ! -e "$shortcut" && ! key Uninstall\\Tivora | grep -q Tivora'
check "and keeps the user's alarms" cmp -s "$alarms" "$tmp/alarms.kept"
[ $failures = 0 ] || { echo "--- program"; tail -40 "$tmp/program.log"; }
exit $failures
