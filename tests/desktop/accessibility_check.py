#!/usr/bin/python3
"""The planner's window as a screen reader meets it, through AT-SPI on a virtual screen.

    accessibility_check.py PLANNER DRIVER CHECKER SCENARIO

Starts the real program on an Xvfb screen with the accessibility bus (run inside a private
session bus: dbus-run-session) and reads the window with pyatspi: every focusable object has a
name, no combo box is named by its value, no two buttons share a name, the plan table has its
headers, nothing under the intro screen can be reached. Then it works the SCENARIO's clicks and
picks through AT-SPI actions alone (the intro button, the profile's radio button, "Fertig", the
items of the combo boxes' lists), answers the message boxes, saves the plan through the menu and
checks the file with belegix-check. belegix-drive, the scripted driver, runs the same scenario
as the oracle: the names to look for at each step, the boxes to expect, the results the window
must show and the figures of the saved plan.

Exit 77 (skipped) only when no accessibility bus can be started.
"""

import json
import os
import shutil
import subprocess
import sys
import tempfile
import time

PLANNER, DRIVER, CHECKER, SCENARIO = sys.argv[1:5]
SKIP = 77
failures = []


def fail(message):
    failures.append(message)
    print("FAIL:", message, flush=True)


def check(condition, message):
    if not condition:
        fail(message)
    return condition


# ---------------------------------------------------------------------------------------------
# The oracle: the same scenario through belegix-drive.

def scenario_actions():
    actions = []
    with open(SCENARIO, encoding="utf-8") as f:
        for line in f:
            words = line.split()
            if words and words[0] in ("click", "pick"):
                actions.append(words)
    return actions


def drive(script, work):
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
    out = subprocess.run([DRIVER, "-"], input=script, capture_output=True, text=True, env=env,
                         cwd=work, timeout=120)
    if out.returncode != 0:
        sys.exit(f"belegix-drive failed ({out.returncode}): {out.stderr}")
    return [json.loads(line) for line in out.stdout.splitlines() if line.strip()]


def oracle(actions, work):
    """Per action: the dump before it and the boxes it raised; the boxes of the start; the final
    dump; the boxes of closing the window by its "Ende" button."""
    script = "".join("dump\n" + " ".join(a) + "\n" for a in actions) + "dump\n"
    script += "save drive.belegix\nanswer Yes\nclick BeendenBitBtn\n"
    steps, start_boxes, boxes = [], [], None
    for line in drive(script, work):
        if "dump" in line:
            boxes = []
            steps.append({"dump": line["dump"], "boxes": boxes})
        elif "box" in line:
            (start_boxes if boxes is None else boxes).append(line["box"])
        elif "ignored" in line:
            sys.exit(f"the scenario does something the window ignores: {line}")
    return steps[:-1], start_boxes, steps[-1]["dump"], steps[-1]["boxes"]


# ---------------------------------------------------------------------------------------------
# The desktop: Xvfb, the accessibility bus, the planner.

class Desktop:
    def __init__(self, work):
        self.work = work
        self.processes = []

    def start(self, argv, **kwargs):
        p = subprocess.Popen(argv, stdin=subprocess.DEVNULL, **kwargs)
        self.processes.append(p)
        return p

    def up(self):
        read, write = os.pipe()
        self.start(["Xvfb", "-displayfd", str(write), "-screen", "0", "1280x1024x24", "-nolisten",
                    "tcp"], pass_fds=(write,), stdout=subprocess.DEVNULL,
                   stderr=subprocess.DEVNULL)
        os.close(write)
        with os.fdopen(read) as f:
            display = f.readline().strip()
        if not display:
            sys.exit("Xvfb did not start")
        os.environ["DISPLAY"] = ":" + display
        launcher = self.start(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"],
                              stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        for _ in range(100):
            address = subprocess.run(
                ["dbus-send", "--session", "--print-reply=literal", "--dest=org.a11y.Bus",
                 "/org/a11y/bus", "org.a11y.Bus.GetAddress"], capture_output=True, text=True)
            if address.returncode == 0 and address.stdout.strip():
                return None
            if launcher.poll() is not None:
                break
            time.sleep(0.1)
        return "at-spi-bus-launcher gave no accessibility bus"

    def down(self):
        for p in reversed(self.processes):
            if p.poll() is None:
                p.terminate()
                try:
                    p.wait(5)
                except subprocess.TimeoutExpired:
                    p.kill()
                    p.wait()


# ---------------------------------------------------------------------------------------------
# Reading the tree.

def find_app(pyatspi, planner):
    deadline = time.time() + 30
    while time.time() < deadline:
        if planner.poll() is not None:
            sys.exit(f"the planner ended at start ({planner.returncode})")
        desktop = pyatspi.Registry.getDesktop(0)
        for i in range(desktop.childCount):
            app = desktop.getChildAtIndex(i)
            if app is not None and app.get_process_id() == planner.pid and app.childCount:
                return app
        time.sleep(0.2)
    sys.exit("the planner's window never appeared on the accessibility bus")


def walk(obj, into_lists=True):
    """Every object below `obj` (itself included), with its depth; table cells are left out."""
    stack = [(obj, 0)]
    while stack:
        o, depth = stack.pop()
        yield o, depth
        role = o.getRoleName()
        if role == "table" or (role == "list" and not into_lists):
            continue
        stack.extend((o.getChildAtIndex(i), depth + 1) for i in reversed(range(o.childCount)))


def states(pyatspi, o):
    s = o.getState()
    return {name for name, state in (("showing", pyatspi.STATE_SHOWING),
                                     ("focusable", pyatspi.STATE_FOCUSABLE),
                                     ("sensitive", pyatspi.STATE_SENSITIVE))
            if s.contains(state)}


def text_of(o):
    try:
        t = o.queryText()
        return t.getText(0, t.characterCount)
    except NotImplementedError:
        return None


def frame_of(app):
    for i in range(app.childCount):
        if app.getChildAtIndex(i).getRoleName() == "frame":
            return app.getChildAtIndex(i)
    return None


def boxes_shown(app):
    try:
        return [app.getChildAtIndex(i) for i in range(app.childCount)
                if app.getChildAtIndex(i).getRoleName() in ("alert", "dialog")]
    except Exception:  # the program has ended
        return []


def find(root, name, roles):
    for o, _ in walk(root, into_lists=False):
        if o.name == name and o.getRoleName() in roles:
            return o
    return None


def press(o, what):
    action = o.queryAction()
    names = [action.getName(i) for i in range(action.nActions)]
    usable = [n for n in ("Press", "Toggle") if n in names]
    if not check(usable, f"{what}: no action to press or toggle it ({names})"):
        return False
    return action.doAction(names.index(usable[0]))


def extents(pyatspi, o):
    e = o.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    return (e.x, e.y, e.width, e.height)


def inside(inner, outer):
    x, y, w, h = inner
    ox, oy, ow, oh = outer
    return w > 0 and h > 0 and x >= ox and y >= oy and x + w <= ox + ow and y + h <= oy + oh


# ---------------------------------------------------------------------------------------------
# What the tree must show.

def check_names(pyatspi, frame, when):
    buttons = {}
    for o, _ in walk(frame):
        role, st = o.getRoleName(), states(pyatspi, o)
        if "focusable" in st:
            check(o.name.strip(), f"{when}: a focusable {role} without a name")
        if role == "push button" and "showing" in st:
            check(o.name not in buttons, f"{when}: two buttons named {o.name!r}")
            buttons[o.name] = o
        if role == "combo box" and "showing" in st:
            kids = [o.getChildAtIndex(i) for i in range(o.childCount)]
            lists = [k for k in kids if k.getRoleName() == "list"]
            edits = [k for k in kids if k.getRoleName() == "text"]
            value = text_of(edits[0]) if edits else None
            check(lists and edits, f"{when}: combo box {o.name!r} without its list and edit field")
            labels = [r.getTarget(i).name for r in o.getRelationSet()
                      if r.getRelationType() == pyatspi.RELATION_LABELLED_BY
                      for i in range(r.getNTargets())]
            check(labels, f"{when}: combo box {o.name!r} has no label relation")
            # Its value may read as its label ("Deutsch" in the box beside "Deutsch").
            check(o.name and (o.name != value or o.name in labels),
                  f"{when}: combo box named by its value ({o.name!r})")
            check(text_of(o) == value, f"{when}: combo box {o.name!r} reads its value as "
                                       f"{text_of(o)!r}, its field shows {value!r}")
            for k in lists + edits:
                check(k.name, f"{when}: the {k.getRoleName()} of combo box {o.name!r} has no name")
    return buttons


def check_intro(pyatspi, frame, names):
    """While the intro screen is shown, nothing that lies under it can be reached."""
    intro_names = {names[c] for c in ("MemoIntro", "MemoHead", "MemoHead2", "BitBtnHinweise")}
    memo = find(frame, names["MemoIntro"], ("text",))
    if not check(memo is not None, "the intro screen cannot be read"):
        return
    area = extents(pyatspi, memo)
    skip_depth = None
    for o, depth in walk(frame):
        if skip_depth is not None and depth > skip_depth:
            continue
        skip_depth = None
        if o.name in intro_names:
            skip_depth = depth  # the intro screen and what belongs to it
            continue
        if "showing" in states(pyatspi, o) and o.getRoleName() not in ("frame", "filler"):
            check(not inside(extents(pyatspi, o), area),
                  f"under the intro screen, {o.getRoleName()} {o.name!r} can be reached")


def check_table(frame, names, grid):
    table = find(frame, names["Tabelle"], ("table",))
    if not check(table is not None, "the plan table cannot be read"):
        return
    t = table.queryTable()
    check((t.nRows, t.nColumns) == (len(grid), len(grid[0])), "the plan table's size")
    for c in range(t.nColumns):
        header = t.getColumnHeader(c)
        shown = grid[0][c].strip()
        check(header is not None and header.name and (not shown or header.name == shown),
              f"column {c} of the plan table: header {header.name if header else None!r}")
    for r in range(1, t.nRows):
        header = t.getRowHeader(r)
        check(header is not None and header.name == grid[r][0].strip(),
              f"row {r} of the plan table: header {header.name if header else None!r}")


def answer_boxes(pyatspi, app, expected, when):
    """Reads each box the driver saw at this point and answers it as the driver did."""
    for box in expected:
        shown = []
        deadline = time.time() + 10
        while not shown and time.time() < deadline:
            time.sleep(0.1)
            shown = boxes_shown(app)
        if not check(shown, f"{when}: the box {box['text']!r} does not show"):
            return
        alert = shown[0]
        check(alert.getRoleName() == "alert", f"{when}: a box is no alert")
        texts = " ".join((text_of(o) or o.name) for o, _ in walk(alert)
                         if o.getRoleName() in ("label", "text"))
        check(" ".join(box["text"].split()) in " ".join(texts.split()),
              f"{when}: the box's text cannot be read ({texts!r})")
        buttons = [o for o, _ in walk(alert) if o.getRoleName() == "push button"]
        check(buttons and all(b.name for b in buttons), f"{when}: a box's button has no name")
        wanted = {"OK": "OK", "Yes": "Ja", "No": "Nein"}.get(box.get("answer", "OK"), "OK")
        button = next((b for b in buttons if b.name == wanted), buttons[0] if buttons else None)
        if button is not None:
            press(button, f"{when}: the box's button")
        deadline = time.time() + 10
        while boxes_shown(app) and time.time() < deadline:
            time.sleep(0.1)
    time.sleep(0.3)
    check(not boxes_shown(app), f"{when}: a box shows that the driver did not see")


def eventually(condition, seconds=10):
    """Whether `condition()` holds within `seconds` (the window works after each action)."""
    deadline = time.time() + seconds
    while True:
        result = condition()
        if result or time.time() > deadline:
            return result
        time.sleep(0.1)


def act(pyatspi, frame, action, names):
    """Does one click or pick of the scenario through AT-SPI, once its control can be used."""
    verb, control = action[0], action[1]
    name = names[control]
    what = " ".join(action)
    roles = ("push button",) if verb == "click" else ("combo box", "panel")

    def usable():
        o = find(frame, name, roles)
        return o if o is not None and {"showing", "sensitive"} <= states(pyatspi, o) else None

    target = eventually(usable)
    if not check(target is not None, f"{what}: no usable control {name!r} can be reached"):
        return
    if verb == "click":
        press(target, what)
        return
    index = int(action[2])
    if target.getRoleName() == "combo box":
        lists = [target.getChildAtIndex(i) for i in range(target.childCount)
                 if target.getChildAtIndex(i).getRoleName() == "list"]
        if check(lists and eventually(lambda: index < lists[0].childCount),
                 f"{what}: the item cannot be reached"):
            press(lists[0].getChildAtIndex(index), what)
    else:
        options = [target.getChildAtIndex(i) for i in range(target.childCount)
                   if target.getChildAtIndex(i).getRoleName() == "radio button"]
        if check(index < len(options), f"{what}: the option cannot be reached"):
            press(options[index], what)


def names_of(dump):
    return {c: v.get("accessibleName", "") for c, v in dump["controls"].items()}


# ---------------------------------------------------------------------------------------------

def main():
    work = tempfile.mkdtemp(prefix="belegix-a11y-")
    desktop = Desktop(work)
    try:
        actions = scenario_actions()
        steps, start_boxes, final, end_boxes = oracle(actions, work)
        plan = os.path.join(work, "plan.belegix")
        drive("save plan.belegix\n", work)
        with open(plan, "rb") as f:
            empty_plan = f.read()

        problem = desktop.up()
        if problem:
            print(f"SKIPPED: no accessibility bus can be started here: {problem}")
            return SKIP
        import pyatspi  # after the bus is up: pyatspi connects to it when imported

        env = dict(os.environ, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
                   QT_ACCESSIBILITY="1")
        planner = desktop.start([PLANNER, plan], env=env, cwd=work, stdout=subprocess.DEVNULL,
                                stderr=subprocess.DEVNULL)
        app = find_app(pyatspi, planner)
        check(app.name == "Belegix-LiH", f"the application is named {app.name!r}")
        time.sleep(1)
        frame = frame_of(app)
        check(frame is not None, "the window is no frame")
        answer_boxes(pyatspi, app, start_boxes, "at start")
        frame = frame or app
        check(frame.name, "the window has no name")

        names = names_of(steps[0]["dump"])
        check_names(pyatspi, frame, "intro screen")
        check_intro(pyatspi, frame, names)

        for n, (action, step) in enumerate(zip(actions, steps)):
            act(pyatspi, frame, action, names_of(step["dump"]))
            time.sleep(0.4)
            answer_boxes(pyatspi, app, step["boxes"], " ".join(action))
            if n == 0:
                check_names(pyatspi, frame, "after the intro screen")
                check_table(frame, names_of(final), final["grid"])

        # The window shows what the driver's window shows after the same clicks and picks.
        names = names_of(final)
        boxes_read = 0
        for control, v in final["controls"].items():
            if not v.get("visible"):
                continue
            if "accessibleDescription" in v:
                o = find(frame, names[control], ("label", "panel"))
                check(o is not None and
                      eventually(lambda: o.description == v["accessibleDescription"]),
                      f"{control} reads {o.description if o else None!r}, "
                      f"not {v['accessibleDescription']!r}")
            box = find(frame, names[control], ("combo box",)) if "items" in v else None
            if box is not None:
                boxes_read += 1
                edit = [box.getChildAtIndex(i) for i in range(box.childCount)
                        if box.getChildAtIndex(i).getRoleName() == "text"]
                check(edit and eventually(lambda: text_of(edit[0]) == v["text"]),
                      f"{control} holds {text_of(edit[0]) if edit else None!r}, "
                      f"not {v['text']!r}")
        check(boxes_read > 0, "no combo box could be read after the plan")

        # "Plan speichern" from the menu, into the file the window opened.
        item = None
        for o, _ in walk(frame):
            if o.getRoleName() == "menu item" and o.name == "Plan speichern":
                item = o
                break
        if check(item is not None, "no menu item 'Plan speichern'"):
            press(item, "Plan speichern")
            deadline = time.time() + 10
            while time.time() < deadline:
                with open(plan, "rb") as f:
                    if f.read() != empty_plan:
                        break
                time.sleep(0.2)
            answer_boxes(pyatspi, app, [], "Plan speichern")

        # "Ende", answered as in the driver: the program ends cleanly.
        ende = find(frame, names["BeendenBitBtn"], ("push button",))
        if check(ende is not None, "no button to end the program"):
            press(ende, "Ende")
            answer_boxes(pyatspi, app, end_boxes, "Ende")
            try:
                check(planner.wait(10) == 0, f"the program ended with {planner.returncode}")
            except subprocess.TimeoutExpired:
                fail("the program did not end after \"Ende\"")

        def checked(file):
            out = subprocess.run([CHECKER, "--json", file], capture_output=True, text=True)
            return json.loads(out.stdout.splitlines()[0])

        mine, theirs = checked(plan), checked(os.path.join(work, "drive.belegix"))
        for key in ("profil", "pruefungsfaecher", "wochenstunden", "durchschnitt", "kurse",
                    "gesamtqualifikation", "zulaessig", "urteil"):
            check(mine.get(key) == theirs.get(key),
                  f"the saved plan's {key} is {mine.get(key)!r}, the driver's {theirs.get(key)!r}")
        check(theirs["status"] == "geprüft", f"the driver's plan: {theirs['status']}")
        check(mine["status"] == "geprüft", f"belegix-check on the saved plan: {mine['status']}")
    finally:
        desktop.down()
        shutil.rmtree(work, ignore_errors=True)
    if failures:
        print(f"{len(failures)} failure(s)")
        return 1
    print("OK: the window read and worked through AT-SPI")
    return 0


if __name__ == "__main__":
    sys.exit(main())
