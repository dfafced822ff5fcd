#!/usr/bin/env bash
# The planner on a virtual screen, as scripts/run starts it without a desktop, with nobody at the
# screen: the window appears, every listening socket is on loopback, the screen shows something,
# a second start while the first runs takes the next free ports, Ctrl+C ends that one with all it
# started, and closing the planner by its "  Ende" button ends the first and all it started.
#
#   virtual_desktop_check.sh PLANNER SOURCE_DIR
# Exit 77 (skipped) only when the virtual screen's packages are missing and cannot be installed.
set -uo pipefail
set -m  # background jobs in their own process groups, taking SIGINT as from a terminal

planner=$1
root=$2
tools=(Xvnc ss xdotool xwininfo xwd convert)
have_tools() {
    for t in "${tools[@]}"; do command -v "$t" >/dev/null || return 1; done
}
if ! have_tools; then
    "$root/scripts/setup-deps" --test </dev/null >/dev/null 2>&1 || true
    if ! have_tools; then
        echo "SKIPPED: the virtual screen's packages (scripts/setup-deps --test) are missing" \
            "and could not be installed"
        exit 77
    fi
fi

work=$(mktemp -d)
runs=()
fail() {
    echo "FAIL: $*"
    for f in "$work"/out*; do [[ -f "$f" ]] && { echo "--- $f"; cat "$f"; }; done
    for pid in "${runs[@]}"; do kill -TERM -- "-$pid" 2>/dev/null; done
    wait
    rm -rf "$work"
    exit 1
}

# Starts scripts/virtual-desktop without a desktop; sets run_pid, port, web_port, display.
start() {
    local out=$work/out$1
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM BELEGIX_VNC_PORT="$2" \
        BELEGIX_WEB_PORT="$3" "$root/scripts/virtual-desktop" "$planner" </dev/null >"$out" 2>&1 &
    run_pid=$!
    runs+=("$run_pid")
    for _ in $(seq 300); do
        grep -q "VNC viewer:" "$out" && break
        kill -0 "$run_pid" 2>/dev/null || fail "scripts/virtual-desktop ended before it was ready"
        sleep 0.1
    done
    port=$(sed -n 's/^  VNC viewer:  localhost:\([0-9]*\)$/\1/p' "$out")
    web_port=$(sed -n 's|^  Browser: *http://localhost:\([0-9]*\)/.*|\1|p' "$out" | head -n1)
    display=$(sed -n 's/^Belegix-LiH runs on a virtual screen (\(:[0-9]*\)).*/\1/p' "$out")
    [[ -n "$port" && -n "$display" ]] || fail "no VNC address or display printed"
    grep -q "ssh -L $port:localhost:$port" "$out" || fail "no ssh line for port $port"
    grep -q "VNC-Viewer:  localhost:$port" "$out" || fail "no German address"
}

# The planner's window on $display, waited for.
wait_window() {
    for _ in $(seq 300); do
        window=$(DISPLAY=$display xdotool search --name '^Kurswahlen f' 2>/dev/null | head -n1)
        [[ -n "$window" ]] && DISPLAY=$display xwininfo -id "$window" | grep -q IsViewable && return
        sleep 0.1
    done
    fail "the planner's window did not appear on $display"
}

# A process and all its descendants.
tree() {
    echo "$1"
    local child
    for child in $(ps -o pid= --ppid "$1"); do tree "$child"; done
}

# Every TCP socket that run $1 and what it started listen on is bound to loopback; sets pids.
check_loopback() {
    pids=$(tree "$1")
    local listening=0 pid line address
    for pid in $pids; do
        while read -r line; do
            [[ -z "$line" ]] && continue
            listening=$((listening + 1))
            address=$(awk '{print $4}' <<<"$line")
            [[ "$address" == 127.* || "$address" == "[::1]:"* ]] ||
                fail "listens beyond loopback: $line"
        done < <(ss -Htlnp | grep "pid=$pid,")
    done
    ((listening >= 1)) || fail "found no listening socket of the virtual screen"
    ss -Htlnp "sport = :$port" | grep -q "pid=" || fail "nothing listens on the printed port $port"
}

# Nothing that run $1 started is left: no process, no listening port, no display socket.
check_gone() {
    local run=$1 ports=$2 disp=$3 before=$4
    for _ in $(seq 100); do
        local left=""
        for pid in $before; do kill -0 "$pid" 2>/dev/null && left+=" $pid"; done
        [[ -z "$left" ]] && break
        sleep 0.1
    done
    [[ -z "$left" ]] || fail "left running after run $run: $(ps -o pid=,args= -p "$(echo $left | tr " " ,)")"
    for p in $ports; do
        ! ss -Htln "sport = :$p" | grep -q . || fail "port $p still listens after run $run"
    done
    [[ ! -e "/tmp/.X11-unix/X${disp#:}" ]] || fail "display $disp still has its socket"
}

# First run: the window, the sockets, a screenshot that is not blank.
start 1 5900 6080
run1=$run_pid port1=$port web1=$web_port display1=$display
wait_window
window1=$window
check_loopback "$run1"
pids1=$pids
# A VNC server answers there.
banner=$(timeout 5 bash -c "exec 3<>/dev/tcp/127.0.0.1/$port1; head -c 4 <&3") || true
[[ "$banner" == "RFB " ]] || fail "no VNC server on port $port1 (\"$banner\")"
DISPLAY=$display1 xwd -root -silent >"$work/screen.xwd" || fail "no screenshot"
convert "xwd:$work/screen.xwd" "$work/screen.png" || fail "screenshot unreadable"
colours=$(convert "$work/screen.png" -format %k info:)
((colours > 50)) || fail "the screenshot is blank ($colours colours)"
# The planner's window itself shows its intro: navy memo, white and red text.
colours=$(convert "$work/screen.png" -crop "$(DISPLAY=$display1 xwininfo -id "$window1" |
    awk '/Width:/{w=$2} /Height:/{h=$2} /Absolute upper-left X:/{x=$4} /Absolute upper-left Y:/{y=$4}
         END{print w "x" h "+" x "+" y}')" -format %k info:)
((colours > 50)) || fail "the planner's window is blank ($colours colours)"

# Second run while the first still runs: the next free ports; Ctrl+C ends it and all it started.
start 2 "$port1" "${web1:-6080}"
run2=$run_pid
[[ "$port" != "$port1" ]] || fail "second run took the port $port1 in use"
[[ -z "$web1" || "$web_port" != "$web1" ]] || fail "second run took the web port $web1 in use"
wait_window
check_loopback "$run2"
kill -INT -- "-$run2"
wait "$run2"
status=$?
((status == 130)) || fail "Ctrl+C: exit status $status"
check_gone 2 "$port $web_port" "$display" "$pids"

# Closing the planner as a student does: past the intro, "  Ende", Yes, OK. Positions are the
# design's; the menu bar above the designed area (the window's height beyond 637) shifts them.
menu=$(($(DISPLAY=$display1 xdotool getwindowgeometry --shell "$window1" |
    sed -n 's/^HEIGHT=//p') - 637))
((menu >= 0 && menu < 80)) || fail "unexpected window height (menu bar $menu px)"
click() {
    DISPLAY=$display1 xdotool mousemove --window "$window1" "$1" $(($2 + menu)) click 1
}
# The id of a shown confirmation box other than $1, waited for up to 10 s.
wait_box() {
    local box
    for _ in $(seq 100); do
        box=$(DISPLAY=$display1 xdotool search --onlyvisible --name '^Best.*tigung$' 2>/dev/null |
            grep -vx "${1:-none}" | head -n1)
        [[ -n "$box" ]] && { echo "$box"; return 0; }
        sleep 0.1
    done
    return 1
}
click 700 561  # "Kurswahlen beginnen"
box=
for _ in 1 2 3; do
    sleep 0.5
    click 791 573  # "  Ende"
    box=$(wait_box) && break
done
[[ -n "$box" ]] || fail "\"  Ende\" brought up no confirmation box"
DISPLAY=$display1 xdotool key alt+j  # "&Ja"
box=$(wait_box "$box") || fail "no contact box after Yes"
DISPLAY=$display1 xdotool key Return  # OK
for _ in $(seq 200); do kill -0 "$run1" 2>/dev/null || break; sleep 0.1; done
kill -0 "$run1" 2>/dev/null && fail "the planner did not close through \"  Ende\""
wait "$run1"
status=$?
((status == 0)) || fail "closing the planner: exit status $status"
check_gone 1 "$port1 $web1" "$display1" "$pids1"

rm -rf "$work"
echo "virtual screen: window shown, loopback only, screenshot of $colours colours, next free" \
    "port $port after $port1, Ctrl+C and closing left nothing running"
