#!/usr/bin/env python3
"""Report pages in a real browser.

Runs `ormyx --html` on sample inputs (US customary, SI, bending stiffness only,
and one run with every kind of plot) and `ormyx plot` on a hand-made plot file
with every record, renders each page in headless Chromium and checks, from the
page's own DOM after rendering, that every expected chart exists with the
expected number of series and points, and that the browser's console shows no
error. The expected charts are worked out here from the plot files themselves
(their record labels), independently of the page writer. Screenshots of two
pages are kept in the work folder.

Fails with a clear message when Chromium cannot be found: it never passes
silently.
"""
import argparse
import html
import json
import os
import re
import shutil
import subprocess
import sys
import tempfile

CHROMIUM_FLAGS = [
    "--headless", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
    "--disable-background-networking", "--disable-component-update", "--disable-sync",
    "--hide-scrollbars", "--enable-logging=stderr", "--v=0",
]

failures = []


def check(ok, message):
    if not ok:
        failures.append(message)
    return ok


def find_chromium():
    for c in (os.environ.get("ORMYX_CHROMIUM"), "/usr/bin/chromium", shutil.which("chromium"),
              shutil.which("chromium-browser")):
        if c and os.path.isfile(c) and os.access(c, os.X_OK):
            return c
    return None


def run_chromium(chromium, url, action, work):
    """Runs one headless Chromium action; returns (stdout, stderr)."""
    profile = tempfile.mkdtemp(prefix="chromium-", dir=work)
    try:
        cmd = [chromium] + CHROMIUM_FLAGS + ["--user-data-dir=" + profile] + action + [url]
        p = subprocess.run(cmd, capture_output=True, text=True, timeout=120)
        return p.stdout, p.stderr
    finally:
        shutil.rmtree(profile, ignore_errors=True)


def console_errors(stderr):
    """Console messages and page errors that Chromium logs to standard error."""
    bad = []
    for line in stderr.splitlines():
        if ":CONSOLE" in line or "Uncaught" in line or "Refused to" in line:
            bad.append(line.strip())
    return bad


def element_text(dom, element_id):
    m = re.search(r'<pre id="%s">(.*?)</pre>' % re.escape(element_id), dom, re.S)
    return html.unescape(m.group(1)) if m else None


def expected_charts(plot_text, has_ground):
    """Chart id -> expected point counts of its data series, from the records."""
    cases, curves, tables, length, stiffness, interaction = [], [], [], [], 0, []
    for line in plot_text.splitlines():
        at = line.find("Line ")
        if at < 0:
            continue
        label = line[at:]
        m = re.match(r"Line (\d+)", label)
        n = int(m.group(1))
        if n == 4:
            tables.append([None, 0])  # section, points
        elif n == 5:
            tables[-1][0] = int(re.search(r"Sect#=(\d+)", label).group(1))
            tables[-1][1] += 1
        elif n == 7:
            curves.append(0 if label.startswith("Line 7:  p-y curve depth, no.") else [0])
        elif n == 8:
            curves[-1][0] += 1
        elif n == 10:
            if not cases or cases[-1][1]:
                cases.append([0, False])
            cases[-1][0] += 1
        elif n == 11:
            cases[-1][1] = True
            length.append(0)
        elif n == 12:
            length[-1] += 1
        elif n == 14:
            stiffness += 1
        elif n == 15:
            interaction.append([int(label.split()[-1]), 0])
        elif n == 16:
            interaction[-1][1] += 1
    charts = {}
    if cases:
        nodes = [c[0] for c in cases] + ([2] if has_ground else [])
        for q in ("deflection", "moment", "shear", "reaction", "stiffness"):
            charts["response-" + q] = nodes
    drawn = [c[0] for c in curves if c != 0]
    if drawn:
        charts["py-curves"] = drawn
    for s in sorted({t[0] for t in tables}):
        # The curves of a section; markers of the moment capacity come on top.
        charts["section-%d-moment-curvature" % s] = [t[1] for t in tables if t[0] == s]
        charts["section-%d-stiffness-moment" % s] = [t[1] for t in tables if t[0] == s]
    for s, points in interaction:
        charts["section-%d-interaction" % s] = [points, points]
    if any(length):
        charts["length-study"] = [k for k in length if k]
    if stiffness:
        charts["stiffness-deflection"] = [stiffness, stiffness]
        charts["stiffness-rotation"] = [stiffness, stiffness]
    return charts


def check_page(chromium, page, plot_file, has_ground, work, screenshot=None):
    name = os.path.basename(page)
    if not check(os.path.isfile(page), "%s: the page was not written" % name):
        return
    url = "file://" + os.path.abspath(page)
    dom, stderr = run_chromium(chromium, url, ["--dump-dom"], work)
    summary_text = element_text(dom, "chart-summary")
    if not check(summary_text, "%s: no chart summary in the rendered page (scripts did not run)" % name):
        return
    drawn = {c["id"]: c for c in json.loads(summary_text)}
    page_errors = element_text(dom, "page-errors") or ""
    check(page_errors.strip() == "", "%s: page errors: %s" % (name, page_errors))
    bad = console_errors(stderr)
    check(not bad, "%s: console shows: %s" % (name, bad[:3]))

    with open(plot_file, encoding="latin-1") as f:
        expected = expected_charts(f.read(), has_ground)
    check(set(drawn) == set(expected),
          "%s: charts %s, expected %s" % (name, sorted(drawn), sorted(expected)))
    for chart_id, points in expected.items():
        c = drawn.get(chart_id)
        if c is None:
            continue
        got = c["points"]
        if chart_id.startswith("section-") and not chart_id.endswith("interaction"):
            # Moment capacity marks, named "Mn ...": a dashed line (two points)
            # per thrust on the stiffness chart; a marker (one point) on the
            # moment-curvature chart where the curve reaches the capacity.
            curves = [p for p, l in zip(got, c["labels"]) if not l.startswith("Mn ")]
            marks = [p for p, l in zip(got, c["labels"]) if l.startswith("Mn ")]
            check(curves == points, "%s %s: curve points %s, expected %s" % (name, chart_id, curves, points))
            if chart_id.endswith("stiffness-moment"):
                ok = marks == [2] * len(points)
            else:
                ok = len(marks) <= len(points) and all(p == 1 for p in marks)
            check(ok, "%s %s: moment capacity marks %s" % (name, chart_id, marks))
        else:
            check(got == points, "%s %s: series points %s, expected %s" % (name, chart_id, got, points))
            check(c["datasets"] == len(points), "%s %s: series count" % (name, chart_id))
    if screenshot:
        run_chromium(chromium, url, ["--window-size=1600,2600", "--screenshot=" + screenshot], work)
        check(os.path.isfile(screenshot) and os.path.getsize(screenshot) > 10000,
              "%s: no screenshot" % name)
    print("page %s: %d charts checked" % (name, len(expected)))


def every_kind_input(source):
    """The length-study example with a second load case, p-y curves at three
    depths and the pile-head stiffness matrix: every kind of plot of a run."""
    with open(os.path.join(source, "examples", "us_length_study.inp")) as f:
        text = f.read()
    text = text.replace("ComputeKmatrix NO", "ComputeKmatrix YES")
    text = text.replace("PrintPYCurves NO", "PrintPYCurves YES")
    text = text.replace("LOADING\n1\n1 1 20000.0 400000.0 30000.0 0\n",
                        "LOADING\n2\n1 1 20000.0 400000.0 30000.0 0\n2 2 15000.0 0.0 30000.0 0\n")
    assert "LOADING\n2\n" in text and "ComputeKmatrix YES" in text
    return text.replace("\nEND", "\nDEPTHS OF PRINTED P-Y CURVES\n3\n1 2.0\n2 10.0\n3 25.0\nEND")


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--ormyx", required=True)
    ap.add_argument("--source", required=True)
    ap.add_argument("--work", required=True)
    ap.add_argument("--screenshot-to", help="also copy the every-kind screenshot here")
    a = ap.parse_args()

    chromium = find_chromium()
    if not chromium:
        print("FAILED: Chromium was not found (looked for $ORMYX_CHROMIUM, /usr/bin/chromium and "
              "chromium on PATH). Install Debian's chromium package: the report pages are tested "
              "in a real browser.")
        print("0 passed, 1 failed")
        return 1

    shutil.rmtree(a.work, ignore_errors=True)
    os.makedirs(a.work)

    # The detector itself: a page that writes to the console must be caught.
    probe = os.path.join(a.work, "probe.html")
    with open(probe, "w") as f:
        f.write("<!DOCTYPE html><html><body><script>console.error('probe error');"
                "</script></body></html>")
    _, stderr = run_chromium(chromium, "file://" + probe, ["--dump-dom"], a.work)
    check(console_errors(stderr), "the console check does not see console.error (stderr: %s)"
          % stderr[-500:])

    inputs = {}
    for name in ("us_soft_clay", "si_stiffness_matrix", "si_ei_only"):
        shutil.copy(os.path.join(a.source, "examples", name + ".inp"), a.work)
        inputs[name] = os.path.join(a.work, name + ".inp")
    with open(os.path.join(a.work, "every_kind.inp"), "w") as f:
        f.write(every_kind_input(a.source))
    inputs["every_kind"] = os.path.join(a.work, "every_kind.inp")
    run = subprocess.run([a.ormyx, "--html", "-j", "2"] + list(inputs.values()),
                         capture_output=True, text=True, timeout=600)
    check(run.returncode == 0, "ormyx --html failed: %s %s" % (run.stdout, run.stderr))

    shots = {"every_kind": os.path.join(a.work, "every_kind.png"),
             "si_stiffness_matrix": os.path.join(a.work, "si_stiffness_matrix.png")}
    for name in inputs:
        base = os.path.join(a.work, name)
        check_page(chromium, base + ".html", base + ".plt", True, a.work, shots.get(name))

    # A plot file with every record (interaction diagrams too), no report beside it.
    sample = os.path.join(a.work, "sample.plt")
    shutil.copy(os.path.join(a.source, "tests", "data", "plot_sample.plt"), sample)
    p = subprocess.run([a.ormyx, "plot", sample, "-o", os.path.join(a.work, "sample_page.html")],
                       capture_output=True, text=True, timeout=60)
    check(p.returncode == 0, "ormyx plot failed: %s" % p.stderr)
    check_page(chromium, os.path.join(a.work, "sample_page.html"), sample, False, a.work)

    if a.screenshot_to and os.path.isfile(shots["every_kind"]):
        shutil.copy(shots["every_kind"], a.screenshot_to)

    for f in failures:
        print("FAILED: " + f)
    print("%d passed, %d failed" % (0 if failures else 1, 1 if failures else 0))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
