#!/usr/bin/env bash
# The planner on a virtual screen, as scripts/run starts it without a desktop, with nobody at the
# screen: the window appears with a window manager's frame, every listening socket is on loopback,
# a picture through the VNC port with the printed password shows the planner; another local user
# (nobody) is offered no VNC access without the password, is refused by the X display, and a
# WebSocket from a foreign page gets nothing. A second start while the first runs takes the next
# free ports and Ctrl+C ends it with all it started; SIGKILL of a third leaves nothing running or
# listening within 5 s; closing the planner by its "  Ende" button ends the first and all it
# started.
#
#   virtual_desktop_check.sh PLANNER SOURCE_DIR
# Runs as root (to act as nobody). Exit 77 (skipped) only when not root or when the virtual
# screen's packages are missing and cannot be installed.
set -uo pipefail
set -m  # background jobs in their own process groups, taking SIGINT as from a terminal

planner=$1
root=$2
tools=(Xvnc ss xauth vncpasswd setpriv jwm websockify xdotool xwininfo xdpyinfo convert vncsnapshot
       /usr/bin/python3 runuser)
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
if [[ $(id -u) -ne 0 ]]; then
    echo "SKIPPED: acting as another local user (runuser -u nobody) needs root"
    exit 77
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

# Starts scripts/virtual-desktop without a desktop; sets run_pid, port, web_port, display,
# password, planner_pid and XAUTHORITY (the cookie the planner got, for this test's X clients).
start() {
    local out=$work/out$1
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u XAUTHORITY BELEGIX_VNC_PORT="$2" \
        BELEGIX_WEB_PORT="$3" "$root/scripts/virtual-desktop" "$planner" </dev/null >"$out" 2>&1 &
    run_pid=$!
    runs+=("$run_pid")
    for _ in $(seq 300); do
        grep -q "VNC viewer:" "$out" && break
        kill -0 "$run_pid" 2>/dev/null || fail "scripts/virtual-desktop ended before it was ready"
        sleep 0.1
    done
    local vnc='^  VNC viewer:  127\.0\.0\.1:\([0-9]*\)  password: \([A-Za-z0-9]\{8\}\)$'
    port=$(sed -n "s/$vnc/\1/p" "$out")
    password=$(sed -n "s/$vnc/\2/p" "$out")
    web_port=$(sed -n 's|^  Browser: *http://127\.0\.0\.1:\([0-9]*\)/.*|\1|p' "$out" | head -n1)
    display=$(sed -n 's/^Belegix-LiH runs on a virtual screen (\(:[0-9]*\)).*/\1/p' "$out")
    [[ -n "$port" && -n "$password" && -n "$web_port" && -n "$display" ]] ||
        fail "no VNC address with password, browser address or display printed"
    grep -qF "#host=127.0.0.1&port=$web_port&autoconnect=true&password=$password" "$out" ||
        fail "the browser address does not carry the password"
    grep -q "ssh -L $port:127.0.0.1:$port -L $web_port:127.0.0.1:$web_port " "$out" ||
        fail "no ssh line for ports $port and $web_port"
    grep -q "VNC-Viewer:  127.0.0.1:$port  Passwort: $password" "$out" || fail "no German address"
    grep -q localhost "$out" && fail "an address names localhost, which may be ::1"
    for _ in $(seq 100); do
        planner_pid=$(pgrep -P "$run_pid" -x belegix | head -n1)
        [[ -n "$planner_pid" ]] && break
        sleep 0.1
    done
    [[ -n "$planner_pid" ]] || fail "the planner did not start"
    XAUTHORITY=$(tr '\0' '\n' <"/proc/$planner_pid/environ" | sed -n 's/^XAUTHORITY=//p')
    export XAUTHORITY
    local secrets
    secrets=$(dirname "$XAUTHORITY")
    [[ $(stat -c %a "$secrets" "$XAUTHORITY" "$secrets/vncpasswd" | tr '\n' ' ') == "700 600 600 " ]] ||
        fail "the X cookie and the VNC password are not in private files"
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

# Nothing that run $1 started is left within $5 tenths of a second: no process (a zombie waiting
# for its parent counts as gone), no listening port, no display socket, no folder of secrets.
check_gone() {
    local run=$1 ports=$2 disp=$3 before=$4 limit=$5 secrets=$6 left
    for _ in $(seq "$limit"); do
        left=$(ps -o pid=,stat=,args= -p "$(echo $before | tr " " ,)" | awk '$2 !~ /^Z/')
        [[ -z "$left" ]] && break
        sleep 0.1
    done
    [[ -z "$left" ]] || fail "left running after run $run: $left"
    for p in $ports; do
        ! ss -Htln "sport = :$p" | grep -q . || fail "port $p still listens after run $run"
    done
    # A socket there that something listens on is a newer X server's (all of ours are gone).
    local socket=/tmp/.X11-unix/X${disp#:}
    [[ -e "$socket" ]] && ! ss -Hxl "src $socket" | grep -q . &&
        fail "display $disp left its socket"
    [[ ! -e "$secrets" ]] || fail "the secrets of run $run are left in $secrets"
}

# What another local user gets: VNC only with the password, no X display, no WebSocket from a
# foreign page (while the viewer's own page gets the VNC server through it).
check_others() {
    # The probe comes on stdin: nobody need not be able to read the source tree.
    local probe=$root/tests/desktop/rfb_probe.py answer
    answer=$(runuser -u nobody -- /usr/bin/python3 - vnc "$port" <"$probe" 2>&1)
    grep -qx "types 2" <<<"$answer" || fail "VNC offers more than the password check: $answer"
    grep -qx "auth failed" <<<"$answer" || fail "VNC let in without the password: $answer"
    runuser -u nobody -- env -u XAUTHORITY DISPLAY="$display" xdpyinfo >/dev/null 2>&1 &&
        fail "another user could open the X display $display"
    answer=$(runuser -u nobody -- /usr/bin/python3 - ws "$web_port" http://evil.example <"$probe" 2>&1)
    grep -q "^status HTTP/1.1 403" <<<"$answer" || fail "foreign-origin WebSocket: $answer"
    grep -q "^through" <<<"$answer" && fail "foreign-origin WebSocket got through: $answer"
    answer=$(/usr/bin/python3 - ws "$web_port" "http://127.0.0.1:$web_port" <"$probe" 2>&1)
    grep -q "^through b'RFB " <<<"$answer" || fail "the viewer's own page is refused: $answer"
}

# First run: the window in a frame, the sockets, what others get, a picture through VNC with
# the printed password that shows the planner's window.
start 1 5900 6080
run1=$run_pid port1=$port web1=$web_port display1=$display secrets1=$(dirname "$XAUTHORITY")
wait_window
window1=$window
DISPLAY=$display1 xwininfo -children -id "$window1" | grep -q 'Parent window id: .*(the root' &&
    fail "the planner's window has no window manager's frame (no title bar)"
check_loopback "$run1"
pids1=$pids
check_others
printf '%s\n' "$password" | vncpasswd -f >"$work/passwd"
timeout 30 vncsnapshot -quiet -encodings raw -passwd "$work/passwd" "127.0.0.1::$port1" \
    "$work/screen.jpg" >/dev/null 2>&1 || fail "no picture through VNC with the printed password"
colours=$(convert "$work/screen.jpg" -format %k info:)
((colours > 50)) || fail "the picture is blank ($colours colours)"
# The planner's window itself shows its intro: navy memo, white and red text.
colours=$(convert "$work/screen.jpg" -crop "$(DISPLAY=$display1 xwininfo -id "$window1" |
    awk '/Width:/{w=$2} /Height:/{h=$2} /Absolute upper-left X:/{x=$4} /Absolute upper-left Y:/{y=$4}
         END{print w "x" h "+" x "+" y}')" -format %k info:)
((colours > 50)) || fail "the planner's window is blank ($colours colours)"
xauth1=$XAUTHORITY

# Second run while the first still runs: the next free ports; Ctrl+C ends it and all it started.
start 2 "$port1" "$web1"
run2=$run_pid
[[ "$port" != "$port1" ]] || fail "second run took the port $port1 in use"
[[ "$web_port" != "$web1" ]] || fail "second run took the web port $web1 in use"
wait_window
check_loopback "$run2"
kill -INT -- "-$run2"
wait "$run2"
status=$?
((status == 130)) || fail "Ctrl+C: exit status $status"
check_gone 2 "$port $web_port" "$display" "$pids" 100 "$(dirname "$XAUTHORITY")"

# Third run killed outright: within 5 s nothing it started runs or listens.
start 3 "$port1" "$web1"
run3=$run_pid
wait_window
check_loopback "$run3"
kill -KILL "$run3"
wait "$run3" 2>/dev/null
check_gone 3 "$port $web_port" "$display" "$(grep -vx "$run3" <<<"$pids")" 50 \
    "$(dirname "$XAUTHORITY")"
export XAUTHORITY=$xauth1

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
check_gone 1 "$port1 $web1" "$display1" "$pids1" 100 "$secrets1"

rm -rf "$work"
echo "virtual screen: window framed, loopback only, picture with the password of $colours" \
    "colours, nobody refused (VNC, X, foreign WebSocket), next free port after $port1, Ctrl+C," \
    "SIGKILL and closing left nothing running"
