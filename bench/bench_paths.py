#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""The store and file paths as whole processes, each beside its reference
measured in the same run, A and B in turn (A B A B ...), medians of the runs.

    bench/bench_paths.py [--build build] [--runs 5] [--sizes 1000,5000,20000]
                         [--only export,import,parse,cgats,workbook,startup]

Paths (46 libraries at every size, every value held):
  export   colorcard-cli export --format csv   vs  sqlite3 -csv of the same rows
  import   colorcard-cli import of that CSV    vs  Python csv + sqlite3, one
           into an empty store                     transaction (ref_csv_import.py)
  parse    CSV parse in process                vs  Python's csv.reader in process
  cgats    reading a CGATS file for import     vs  Little CMS cmsIT8LoadFromFile
           (bench_fileread)                        (ref_it8_load)
  workbook colorcard-cli import of the exchange vs  xlrd + sqlite3, one transaction
           workbook into an empty store            (ref_xls_import.py; skipped
                                                   without xlrd)
  startup  the program up to its first window  vs  an empty toolkit window
           (bench_startup, a store of that size)   (ref_empty_window); and one
                                                   label and line edit of Chinese
                                                   text vs the empty window
The windows run on a virtual X server (Xvfb) when there is one, else offscreen. Needs the sqlite3 command
(tools/deps.sh installs it). Nothing is timed inside the tests.
"""
import argparse
import csv
import os
import random
import shutil
import sqlite3
import statistics
import subprocess
import sys
import tempfile
import time

HERE = os.path.dirname(os.path.abspath(__file__))
VALUES = ["LabL", "Laba", "Labb", "LuvL", "Luvu", "Luvv", "LChL", "LChC", "LChh",
          "YxyY", "Yxyx", "Yxyy2", "CMYKC", "CMYKM", "CMYKY", "CMYKK", "RGBR", "RGBG", "RGBB"]
LIBRARIES = 46


def run_once(command, stdout=None, env=None, before=None):
    """Wall and CPU seconds of one whole process."""
    if before:
        before()
    out = open(stdout, "wb") if stdout else subprocess.DEVNULL
    start = time.perf_counter()
    process = subprocess.Popen(command, stdout=out, stderr=subprocess.PIPE, env=env)
    _, status, usage = os.wait4(process.pid, 0)
    wall = time.perf_counter() - start
    process.returncode = os.waitstatus_to_exitcode(status)
    err = process.stderr.read().decode(errors="replace")
    process.stderr.close()
    if stdout:
        out.close()
    if process.returncode != 0:
        sys.exit("failed (%d): %s\n%s" % (process.returncode, " ".join(command), err))
    return wall, usage.ru_utime + usage.ru_stime


def pair(a, b, runs):
    """Medians of A and B run in turn, after one run of each not counted."""
    run_once(**a)
    run_once(**b)
    times = {"a": [], "b": []}
    for _ in range(runs):
        times["a"].append(run_once(**a))
        times["b"].append(run_once(**b))
    med = {k: (statistics.median(t[0] for t in v), statistics.median(t[1] for t in v))
           for k, v in times.items()}
    return med["a"], med["b"]


def row(path, size, a, b, reference):
    print("| %s | %d | %.0f ms / %.0f ms | %s: %.0f ms / %.0f ms | %.2fx / %.2fx |" % (
        path, size, a[0] * 1e3, a[1] * 1e3, reference, b[0] * 1e3, b[1] * 1e3,
        a[0] / b[0], a[1] / max(b[1], 1e-9)), flush=True)


def write_lab_csv(path, size):
    """size colours over the libraries, L*a*b* only (the import derives the rest)."""
    rng = random.Random(size)
    with open(path, "w", newline="", encoding="utf-8") as f:
        w = csv.writer(f, lineterminator="\r\n")
        w.writerow(["Library", "Description", "Name", "LabL", "Laba", "Labb"])
        for n in range(size):
            k = n % LIBRARIES
            w.writerow(["色卡库 %d" % (k + 1), "Library %d" % (k + 1), "颜色%d" % n,
                        "%.2f" % rng.uniform(0, 100), "%.2f" % rng.uniform(-100, 100),
                        "%.2f" % rng.uniform(-100, 100)])


def export_query(database):
    db = sqlite3.connect(database)
    parts = []
    for ident, name, description in db.execute(
            "SELECT colorcardid, colorcardname, colorcarddesc FROM ColorCard ORDER BY id"):
        q = lambda s: "'" + s.replace("'", "''") + "'"
        parts.append('SELECT %s, %s, colordataname, %s FROM "%s"' % (
            q(name), q(description), ", ".join(VALUES), ident))
    db.close()
    return "SELECT 'Library','Description','Name',%s UNION ALL %s" % (
        ",".join("'%s'" % v for v in VALUES), " UNION ALL ".join(parts))


def parse_in_process(build, path, runs):
    """Median milliseconds of our parse (bench_fileread) and of csv.reader."""
    ours = []
    for _ in range(runs):
        p = subprocess.run([os.path.join(build, "bench", "bench_fileread"), "--parse", path],
                           capture_output=True, text=True, check=True)
        ours.append(float(p.stderr.split()[1]))
    theirs = []
    for _ in range(runs):
        start = time.perf_counter()
        with open(path, newline="", encoding="utf-8-sig") as f:
            list(csv.reader(f))
        theirs.append(time.perf_counter() - start)
    return statistics.median(ours), statistics.median(theirs) * 1e3


def python_with(module):
    """A Python that imports module: this one, else the system's (Debian's packages)."""
    for python in (sys.executable, "/usr/bin/python3"):
        if os.path.exists(python) and subprocess.run(
                [python, "-c", "import " + module], capture_output=True).returncode == 0:
            return python
    return None


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--build", default=os.path.join(HERE, os.pardir, "build"))
    parser.add_argument("--runs", type=int, default=5)
    parser.add_argument("--sizes", default="1000,5000,20000")
    parser.add_argument("--only", default="export,import,parse,cgats,workbook,startup")
    args = parser.parse_args()
    build = os.path.abspath(args.build)
    only = set(args.only.split(","))
    cli = os.path.join(build, "bin", "colorcard-cli")
    if shutil.which("sqlite3") is None and "export" in only:
        sys.exit("the sqlite3 command is missing: run tools/deps.sh")

    work = tempfile.mkdtemp(prefix="bench_paths.")
    env = dict(os.environ, XDG_CONFIG_HOME=os.path.join(work, "config"),
               QT_QPA_PLATFORM="offscreen", LC_ALL="C.UTF-8")
    env.pop("LANG", None)
    # The windows go to a virtual X server of their own when there is one,
    # as on a desktop; else to the offscreen platform.
    server, display = None, {}
    if "startup" in only and shutil.which("Xvfb"):
        read, write = os.pipe()
        server = subprocess.Popen(["Xvfb", "-displayfd", str(write), "-screen", "0",
                                   "1280x1024x24", "-nolisten", "tcp"], pass_fds=[write],
                                  stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(write)
        with os.fdopen(read) as f:
            number = f.readline().strip()
        display = {"DISPLAY": ":" + number, "QT_QPA_PLATFORM": "xcb"}
    print("| path | colours | wall / CPU | reference wall / CPU | ratio wall / CPU |")
    print("|---|---|---|---|---|")
    try:
        for size in [int(s) for s in args.sizes.split(",")]:
            d = os.path.join(work, str(size))
            os.makedirs(d)
            store = os.path.join(d, "database.db")
            lab = os.path.join(d, "lab.csv")
            write_lab_csv(lab, size)
            run_once([cli, "--database", store, "import", "--max-libraries", "46", lab], env=env)
            full = os.path.join(d, "full.csv")
            run_once([cli, "--database", store, "export", "--overwrite", full], env=env)

            if "export" in only:
                out = os.path.join(d, "out.csv")
                query = export_query(store)
                a, b = pair({"command": [cli, "--database", store, "export", "--format", "csv",
                                         "--overwrite", out], "env": env},
                            {"command": ["sqlite3", "-csv", store, query],
                             "stdout": os.path.join(d, "ref.csv")}, args.runs)
                row("CSV export", size, a, b, "sqlite3 -csv")

            if "import" in only:
                fresh = os.path.join(d, "fresh.db")
                ref = os.path.join(d, "ref.db")

                def clear(*paths):
                    return lambda: [os.remove(p) for p in paths if os.path.exists(p)]
                a, b = pair({"command": [cli, "--database", fresh, "import", "--max-libraries",
                                         "46", full], "env": env, "before": clear(fresh)},
                            {"command": [sys.executable, os.path.join(HERE, "ref_csv_import.py"),
                                         full, ref], "before": clear(ref)}, args.runs)
                row("CSV import", size, a, b, "Python csv + sqlite3")

            if "parse" in only:
                ours, theirs = parse_in_process(build, full, args.runs)
                print("| CSV parse (in process) | %d | %.1f ms | Python csv.reader: %.1f ms "
                      "| %.2fx |" % (size, ours, theirs, ours / theirs), flush=True)

            if "cgats" in only:
                cgats = os.path.join(d, "full.txt")
                run_once([cli, "--database", store, "export", "--overwrite", cgats], env=env)
                a, b = pair({"command": [os.path.join(build, "bench", "bench_fileread"), cgats]},
                            {"command": [os.path.join(build, "bench", "ref_it8_load"), cgats]},
                            args.runs)
                row("CGATS read for import", size, a, b, "cmsIT8LoadFromFile")

            xlrd_python = python_with("xlrd")
            if "workbook" in only and xlrd_python is None:
                print("| workbook import | %d | - | xlrd is not installed: skipped | - |" % size,
                      flush=True)
            elif "workbook" in only:
                book = os.path.join(d, "full.xls")
                run_once([cli, "--database", store, "export", "--format", "xls", "--overwrite",
                          book], env=env)
                fresh = os.path.join(d, "fresh.db")
                ref = os.path.join(d, "ref.db")

                def clear_both():
                    for p in (fresh, ref):
                        if os.path.exists(p):
                            os.remove(p)
                a, b = pair({"command": [cli, "--database", fresh, "import", "--max-libraries",
                                         "46", book], "env": env, "before": clear_both},
                            {"command": [xlrd_python, os.path.join(HERE, "ref_xls_import.py"),
                                         book, ref], "before": clear_both}, args.runs)
                row("workbook import", size, a, b, "xlrd + sqlite3")

            if "startup" in only:
                shown = dict(env, **display)
                a, b = pair({"command": [os.path.join(build, "bench", "bench_startup"), d],
                             "env": shown},
                            {"command": [os.path.join(build, "bench", "ref_empty_window")],
                             "env": shown}, args.runs)
                row("start-up to the window", size, a, b, "empty window")
                # The floor for any first screen with text: one Chinese label
                # and line edit in the program's font, against the same empty window.
                a, b = pair({"command": [os.path.join(build, "bench", "ref_empty_window"),
                                         "--text"], "env": shown},
                            {"command": [os.path.join(build, "bench", "ref_empty_window")],
                             "env": shown}, args.runs)
                row("a window of one label and one line edit", size, a, b, "empty window")
    finally:
        if server:
            server.terminate()
            server.wait()
        shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    main()
