#!/usr/bin/env bash
# A plan made in the web edition is the desktop program's plan: saved by scripts/web-drive, the
# school's checker confirms it ("geprüft"), and the desktop window opens it with no box and shows
# the same choice state, grid and status as the page did.
#
#   web_plan_roundtrip.sh WEB_DRIVE BELEGIX_DRIVE BELEGIX_CHECK PASS_SCRIPT
set -euo pipefail
web=$1 desktop=$2 check=$3 pass=$4
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
{ echo "click BitBtnHinweise"; grep -v ResetBitBtn "$pass"; echo "save $tmp/plan.belegix"; echo dump; } \
    > "$tmp/web.scn"
"$web" "$tmp/web.scn" | grep '^{"dump"' > "$tmp/web.json"
"$check" --json "$tmp/plan.belegix" > "$tmp/check.json"
printf 'open %s\ndump\n' "$tmp/plan.belegix" | QT_QPA_PLATFORM=offscreen "$desktop" - > "$tmp/desktop.json"
python3 - "$tmp" <<'PY'
import json, sys
tmp = sys.argv[1]
check = json.loads(open(tmp + "/check.json").read().splitlines()[0])
assert check["status"] == "geprüft", check
lines = [json.loads(l) for l in open(tmp + "/desktop.json")]
assert len(lines) == 1 and "dump" in lines[0], "the desktop window raised: %s" % lines[:-1]
web = json.loads(open(tmp + "/web.json").read())["dump"]
desk = lines[0]["dump"]
for key in ("state", "grid"):
    assert web[key] == desk[key], "%s differs:\n web %s\n desktop %s" % (key, web[key], desk[key])
for name, c in web["controls"].items():
    for field in ("text", "enabled", "visible", "colour", "index", "items"):
        if field in c:
            assert c[field] == desk["controls"][name][field], (name, field, c[field], desk["controls"][name][field])
print("plan from the web edition: checked, and the desktop window shows the same plan")
PY
