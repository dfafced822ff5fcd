#!/usr/bin/env bash
# The planner's window read and worked through AT-SPI, as a screen reader does
# (accessibility_check.py), inside a private session bus.
#
#   accessibility_check.sh PLANNER DRIVER CHECKER SCENARIO SOURCE_DIR
# Exit 77 (skipped) only when the accessibility bus's packages are missing and cannot be installed.
set -uo pipefail

root=$5
have_tools() {
    command -v Xvfb >/dev/null && command -v dbus-run-session >/dev/null &&
        command -v dbus-send >/dev/null && [[ -x /usr/libexec/at-spi-bus-launcher ]] &&
        /usr/bin/python3 -c 'import pyatspi' 2>/dev/null
}
if ! have_tools; then
    "$root/scripts/setup-deps" --test </dev/null >/dev/null 2>&1 || true
    if ! have_tools; then
        echo "SKIPPED: no accessibility bus can be started: Xvfb, dbus, at-spi2-core or" \
            "python3-pyatspi (scripts/setup-deps --test) are missing and could not be installed"
        exit 77
    fi
fi
exec dbus-run-session -- /usr/bin/python3 "$(dirname "$0")/accessibility_check.py" "$1" "$2" "$3" "$4"
