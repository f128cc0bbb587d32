#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""What a screen reader is told about the program's windows.

Starts the program on a copy of a service log, in an X server and a session bus of its own, opens the usage report,
prints the accessibility tree of both windows (role, name and description of every node) as the AT-SPI registry
gives it to a screen reader, and fails when a control has no name, a name made of a program's internal identifier
(an object or class name), a name with stray blanks or marks around it, or is a drop-down that no label names, or
when a window is not announced as one.

    atspi-dump.py PROGRAM SERVICE_LOG [--report-faults-allowed] [--lang=LANG]

Exits 0 when every control is named, 1 when one is not, and 77 (a skipped test for ctest) when the tools it needs
(python3-pyatspi, at-spi2-core, dbus, xvfb) are not installed. --report-faults-allowed lists the usage report's
faults without failing on them. --lang=de (or another language of translations/) starts the program with
LANG=de_DE.UTF-8 and finds its controls by their names in that language's catalogue; --lang=C starts it with
LANG=C.UTF-8, in English. It needs an X server: on Qt's offscreen platform a program never appears on the
accessibility bus.
"""

import os
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import time
import xml.etree.ElementTree as ET
from pathlib import Path

SKIPPED = 77
ROOT = Path(__file__).resolve().parent.parent
INNER = "CANTORIX_ATSPI_INNER"

# Roles a user acts on or reads as a control: each needs a name that says what it is.
CONTROL_ROLES = {
    "push button", "toggle button", "check box", "radio button", "combo box", "text", "entry", "password text",
    "list", "list box", "table", "tree", "tree table", "menu", "menu item", "check menu item", "radio menu item",
    "page tab", "spin button", "slider", "progress bar", "menu bar", "tool bar", "scroll pane",
}
# Rows and cells hold the user's data, which may be empty: they are shown, not judged, and only the first few.
ROW_ROLES = {"list item", "table cell", "table row", "tree item", "table column header", "table row header",
             "column header", "row header"}
ROWS_SHOWN = 3
# What a window must be to be announced as one when it opens.
WINDOW_ROLES = {"frame", "dialog", "window", "alert"}


def skip(reason):
    print(f"skipped: {reason}")
    sys.exit(SKIPPED)


def missing_tools():
    for tool in ("dbus-run-session", "Xvfb"):
        if shutil.which(tool) is None:
            return f"{tool} is not installed"
    if not any(Path(d, "at-spi-bus-launcher").exists() for d in ("/usr/libexec", "/usr/lib/at-spi2-core")):
        return "at-spi2-core is not installed"
    try:
        import pyatspi  # noqa: F401
    except ImportError:
        return "python3-pyatspi is not installed"
    return None


def system_python():
    """The distribution's python3, where its packages (python3-pyatspi) are, when another one runs this."""
    candidate = "/usr/bin/python3"
    if sys.executable == candidate or not Path(candidate).exists():
        return None
    probe = subprocess.run([candidate, "-c", "import pyatspi"], capture_output=True)
    return candidate if probe.returncode == 0 else None


def internal_names():
    """The program's own identifiers: objectNames and class names, which a user must never hear."""
    names = set()
    captions = set()
    for source in (ROOT / "src").rglob("*"):
        if source.suffix not in (".cpp", ".h"):
            continue
        text = source.read_text(encoding="utf-8", errors="replace")
        names.update(re.findall(r'setObjectName\(u"(\w+)"_s\)', text))
        names.update(re.findall(r'u"(act[A-Z]\w*)"_s', text))  # actions, named where they are made
        names.update(re.findall(r"^class (\w+)\b", text, re.MULTILINE))
        # The design window's table: {u"objectName", Kind::…, u"caption", …}
        for name, caption in re.findall(r'\{u"(\w+)", Kind::\w+, u"([^"]*)"', text):
            names.add(name)
            captions.add(caption)
    # A caption that happens to be spelt like an object name ("Tally") is a word the user sees.
    return names - captions


def start_display():
    """An X server of its own: Xvfb picks a free display and writes its number to the pipe."""
    read_end, write_end = os.pipe()
    server = subprocess.Popen(
        ["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1280x1024x24", "-nolisten", "tcp"],
        pass_fds=(write_end,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    os.close(write_end)
    with os.fdopen(read_end) as pipe:
        number = pipe.readline().strip()
    if not number:
        server.kill()
        skip("Xvfb did not start")
    return server, f":{number}"


def wait_for(what, find, seconds=30):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        found = find()
        if found is not None:
            return found
        time.sleep(0.2)
    raise SystemExit(f"atspi-dump: gave up waiting for {what}")


def children(node):
    try:
        return [node.getChildAtIndex(i) for i in range(node.childCount)]
    except Exception:
        return []


def role_of(node):
    try:
        return node.getRoleName()
    except Exception:
        return "?"


def labels_of(node):
    import pyatspi
    names = []
    try:
        for relation in node.getRelationSet():
            if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY:
                for i in range(relation.getNTargets()):
                    names.append(relation.getTarget(i).name or "")
    except Exception:
        pass
    return [name for name in names if name.strip()]


def judge(node, role, internal):
    """What is wrong with a control's name, or None."""
    name = node.name or ""
    if role == "combo box":
        # Qt names a drop-down on Linux by its current value; what it is comes from the label that names it.
        return None if labels_of(node) else "a drop-down that no label names"
    if role in ("scroll pane", "menu bar", "tool bar") and not name:
        return None  # containers: read by what they hold
    if not name.strip():
        return "no name"
    if name in internal or re.fullmatch(r"Q[A-Z]\w+|qt_\w+", name):
        return "an internal name"
    if name != name.strip() or name.endswith("*"):
        return "blanks or a mark around the name"
    return None


def dump(node, depth, internal, faults, window):
    role = role_of(node)
    name = node.name or ""
    description = node.description or ""
    line = f"{'  ' * depth}[{role}] {name!r}"
    if description:
        line += f" — {description!r}"
    if role == "combo box":
        line += f" (labelled by {labels_of(node)!r})"
    fault = judge(node, role, internal) if role in CONTROL_ROLES else None
    if depth == 0 and role not in WINDOW_ROLES:
        fault = "a window not announced as a window"
    if fault is not None:
        faults.append((window, f"[{role}] {name!r}: {fault}"))
        line += f"   <-- {fault}"
    print(line)
    kids = children(node)
    shown = 0
    for kid in kids:
        if role_of(kid) in ROW_ROLES:
            shown += 1
            if shown > ROWS_SHOWN:
                continue
        dump(kid, depth + 1, internal, faults, window)
    if shown > ROWS_SHOWN:
        print(f"{'  ' * (depth + 1)}… {shown - ROWS_SHOWN} more rows")


def find_app(desktop, name):
    for app in children(desktop):
        if app is not None and (app.name or "").lower() == name.lower():
            return app
    return None


def find_node(node, role, name):
    if role_of(node) == role and (node.name or "") == name:
        return node
    for kid in children(node):
        found = find_node(kid, role, name)
        if found is not None:
            return found
    return None


def catalogue(language):
    """The words shown in language: (context, source, comment) -> text, or None for English."""
    path = ROOT / "translations" / f"cantorix2_{language}.ts"
    if language in ("C", "en") or not path.exists():
        return None
    words = {}
    for context in ET.parse(path).getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            translation = message.find("translation")
            if translation is not None and translation.get("type") != "unfinished" and translation.text:
                words[(name, message.findtext("source"), message.findtext("comment"))] = translation.text
    return words


def shown(words, context, source, comment=None):
    """The text a control shows for source, its & shortcut marks taken out as a screen reader is told it."""
    if words is not None and (context, source, comment) not in words:
        raise SystemExit(f"the catalogue holds no translation of {source!r} ({context})")
    text = source if words is None else words[(context, source, comment)]
    return re.sub(r"&(.)", r"\1", text)


def inner(program, log, report_faults_allowed, language):
    server, display = start_display()
    # The accessibility bus is started for the first client that asks, on the display given here.
    os.environ["DISPLAY"] = display
    import pyatspi

    work = Path(tempfile.mkdtemp(prefix="cantorix-atspi-"))
    process = None
    try:
        shutil.copy(log, work / "ServiceLog.txt")
        env = dict(os.environ, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", HOME=str(work),
                   XDG_CONFIG_HOME=str(work / "config"), XDG_RUNTIME_DIR=str(work), LC_ALL="", LANGUAGE="",
                   LANG={"en": "en_US.UTF-8", "C": "C.UTF-8"}.get(language, f"{language}_{language.upper()}.UTF-8"
                                                                  if "_" not in language else f"{language}.UTF-8"))
        words = catalogue(language)
        process = subprocess.Popen([program, str(work / "ServiceLog.txt")], env=env, cwd=work,
                                   stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True)
        desktop = pyatspi.Registry.getDesktop(0)
        # A busy machine (the sanitizers' build beside it) starts the program and the bus slowly.
        app = wait_for("the program on the accessibility bus", lambda: find_app(desktop, "Cantorix2"),
                       seconds=90)
        main = wait_for("its main window", lambda: find_node(app, "frame", "ServiceLog.txt \u2014 Cantorix2"))

        # A search first, as a user would make one, so that the lists and counts hold something to be read.
        number = wait_for("the hymn number box", lambda: find_node(main, "text", shown(words, "Form1", "Hymn #", "full text")))
        number.queryEditableText().setTextContents("378")
        find_node(main, "menu item", shown(words, "MainWindow", "&Find")).queryAction().doAction(0)
        dates = wait_for("the list of dates", lambda: find_node(main, "list", shown(words, "Form1", "Dates")))
        wait_for("the search's rows", lambda: children(dates) or None)

        report_item = wait_for("the Usage Report menu item",
                               lambda: find_node(main, "menu item", shown(words, "MainWindow", "Usage &Report…")))
        report_item.queryAction().doAction(0)
        wait_for("the usage report window", lambda: next((w for w in children(app) if w != main), None))

        internal = internal_names()
        faults = []
        for window in children(app):
            if window is None:
                continue
            title = window.name or "(untitled window)"
            print(f"== {title}")
            dump(window, 0, internal, faults, title)
            print()

        blocking = [f for f in faults if not (report_faults_allowed and f[0] != main.name)]
        for window, fault in faults:
            allowed = "" if (window, fault) in blocking else " (allowed for now)"
            print(f"FAULT in {window}: {fault}{allowed}")
        print(f"{len(faults)} faults, {len(blocking)} failing")
        return 1 if blocking else 0
    finally:
        if process is not None:
            process.send_signal(signal.SIGTERM)
            try:
                output, _ = process.communicate(timeout=10)
            except subprocess.TimeoutExpired:
                process.kill()
                output, _ = process.communicate()
            if output.strip():
                print("-- the program's output:\n" + output)
        server.terminate()
        server.wait()
        shutil.rmtree(work, ignore_errors=True)


def main():
    args = [a for a in sys.argv[1:] if not a.startswith("--")]
    report_faults_allowed = "--report-faults-allowed" in sys.argv[1:]
    language = next((a.split("=", 1)[1] for a in sys.argv[1:] if a.startswith("--lang=")), "en")
    if len(args) != 2:
        print(__doc__)
        return 2
    program, log = (str(Path(a).resolve()) for a in args)
    if os.environ.get(INNER) == "1":
        return inner(program, log, report_faults_allowed, language)
    reason = missing_tools()
    python = sys.executable
    if reason is not None and "pyatspi" in reason:
        python = system_python() or python
        reason = None if python != sys.executable else reason
    if reason is not None:
        skip(reason)
    # A session bus of its own, on which the accessibility bus is started for this run alone.
    env = dict(os.environ, **{INNER: "1"})
    return subprocess.call(["dbus-run-session", "--", python, __file__, *sys.argv[1:]], env=env)


if __name__ == "__main__":
    sys.exit(main())
