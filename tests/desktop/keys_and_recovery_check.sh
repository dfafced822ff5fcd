#!/usr/bin/env bash
# The planner on a virtual X screen, worked with real key presses and mouse clicks (xdotool):
#  * the shortcuts act after the "Bearbeiten" menu was opened while its items were grey:
#    Ctrl+Z, Ctrl+Y, Ctrl+Shift+Z, Ctrl+S (its dialog saves), Ctrl+O;
#  * a plan in the middle of planning survives SIGKILL: the next start does not load it, Datei →
#    "Letzten Plan wiederherstellen" brings it back, and Ctrl+Shift+S saves exactly its steps.
# What the window holds is read from its recovery file and the files it saves.
#
#   keys_and_recovery_check.sh PLANNER DRIVER SOURCE_DIR
# Exit 77 (skipped) only when Xvfb or xdotool are missing and cannot be installed.
set -uo pipefail

planner=$1
driver=$2
root=$3
have_tools() { command -v Xvfb >/dev/null && command -v xdotool >/dev/null; }
if ! have_tools; then
    "$root/scripts/setup-deps" --test </dev/null >/dev/null 2>&1 || true
    if ! have_tools; then
        echo "SKIPPED: Xvfb or xdotool (scripts/setup-deps --test) are missing"
        exit 77
    fi
fi

work=$(mktemp -d)
xvfb=
app=
cleanup() {
    [[ -n $app ]] && kill -9 "$app" 2>/dev/null
    [[ -n $xvfb ]] && kill "$xvfb" 2>/dev/null
    wait 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
fail() {
    echo "FAIL: $*"
    exit 1
}

export XDG_DATA_HOME=$work/data XDG_CONFIG_HOME=$work/config QT_QPA_PLATFORM=xcb
export LANG=C.UTF-8 LC_ALL=C.UTF-8
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
xvfb=$!
for _ in $(seq 50); do [[ -s $work/display ]] && break; sleep 0.1; done
[[ -s $work/display ]] || fail "Xvfb did not start"
export DISPLAY=:$(cat "$work/display")

# The centre of a control in the client area, from the driver's dump: CONTROL [PARENT...], each
# in its parent's coordinates.
centre() {
    printf 'dump\n' | QT_QPA_PLATFORM=offscreen "$driver" - | python3 -c '
import json, sys
controls = json.loads(sys.stdin.readline())["dump"]["controls"]
g = controls[sys.argv[1]]["geometry"]
x, y = g[0] + g[2] // 2, g[1] + g[3] // 2
for parent in sys.argv[2:]:
    x, y = x + controls[parent]["geometry"][0], y + controls[parent]["geometry"][1]
print(x, y)' "$@"
}
read -r introX introY < <(centre BitBtnHinweise)
read -r resetX resetY < <(centre ResetBitBtn Panel2)

win=
start() {
    "$planner" "$@" >"$work/planner.log" 2>&1 &
    app=$!
    win=$(timeout 20 xdotool search --sync --onlyvisible --pid "$app" --name Kurswahlen | head -1)
    [[ -n $win ]] || fail "the window did not appear"
    xdotool windowfocus --sync "$win"
    sleep 1
    # The menu bar's height: the window is the designed 637 pixels taller than it.
    eval "$(xdotool getwindowgeometry --shell "$win")"
    menu=$((HEIGHT - 637))
}
click() { # X Y in the client area
    xdotool mousemove --window "$win" "$1" $(($2 + menu)) click 1
    sleep 0.5
}
key() {
    xdotool key --clearmodifiers "$@"
    sleep 0.7
}
recovery() { find "$XDG_DATA_HOME" -name wiederherstellung.belegix | head -1; }
steps() { # the number of actions in a plan file
    python3 -c 'import json,sys; print(len(json.load(open(sys.argv[1]))["actions"]))' "$1"
}
same_actions() {
    python3 -c 'import json,sys; a,b=(json.load(open(f))["actions"] for f in sys.argv[1:]); sys.exit(a!=b)' "$1" "$2"
}

# --- Shortcuts ---------------------------------------------------------------------------------
start
key alt+b # "Bearbeiten" with both items grey
key Escape
click "$introX" "$introY"
[[ -n $(recovery) ]] || fail "no recovery file after the first step"
first=$(steps "$(recovery)")
click "$resetX" "$resetY"
full=$(steps "$(recovery)")
[[ $full -gt $first ]] || fail "the click on „Zurücksetzen“ was no step"
key ctrl+z
[[ $(steps "$(recovery)") -lt $full ]] || fail "Ctrl+Z after the grey menu did nothing"
key ctrl+y
[[ $(steps "$(recovery)") -eq $full ]] || fail "Ctrl+Y did nothing"
key ctrl+z
key ctrl+shift+z
[[ $(steps "$(recovery)") -eq $full ]] || fail "Ctrl+Shift+Z did nothing"
key ctrl+s # no file yet: the save dialog
xdotool type --delay 20 "$work/one.belegix"
key Return
[[ -f $work/one.belegix ]] || fail "Ctrl+S saved nothing"
same_actions "$work/one.belegix" "$(recovery)" || fail "the saved plan is not the window's"
xdotool getwindowname "$win" | grep -q 'one.belegix$' || fail "the title does not name the file"
key ctrl+o
xdotool search --onlyvisible --pid "$app" --name 'Plan öffnen' >/dev/null ||
    fail "Ctrl+O opened no dialog"
key Escape

# --- SIGKILL in the middle of planning ---------------------------------------------------------
click "$resetX" "$resetY" # a change after the save
cp "$(recovery)" "$work/before_kill.belegix"
[[ $(steps "$work/before_kill.belegix") -gt $(steps "$work/one.belegix") ]] ||
    fail "the change after the save is not in the recovery file"
kill -9 "$app"
wait "$app" 2>/dev/null
app=
start
xdotool getwindowname "$win" | grep -q 'belegix' && fail "a fresh start loaded a plan"
key alt+d
key Down Down Down Return # "Letzten Plan wiederherstellen"
key ctrl+shift+s
xdotool type --delay 20 "$work/restored.belegix"
key Return
[[ -f $work/restored.belegix ]] || fail "the restored plan could not be saved"
same_actions "$work/restored.belegix" "$work/before_kill.belegix" ||
    fail "the restored plan differs from the one killed"
echo "OK"
