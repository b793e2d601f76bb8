#!/usr/bin/env python3
"""Plants small faults in a scratch copy of the program, one at a time, and records
which tests catch each one.

    scripts/plant-faults.py [--work DIR] [--jobs N] [--only ID[,ID...]]
                            [--report FILE] [--json FILE] [--compare OLD.json] [--list]

The checkout the script lies in is only read. Its tracked files (and new files not yet
added, unless ignored) are copied into DIR/src, configured once into DIR/build
(RelWithDebInfo, no benchmarks, ccache when installed) and built. The whole suite runs
once unplanted; tests that already fail there are left out of every verdict. Then
every plant of scripts/fault_plants.py is applied in turn (an exact text replacement
whose old text must occur once in its file), the program is rebuilt, the suite runs
(ctest -j N --timeout 120) and the file gets its text back.

Each plant ends as one of: caught (at least one test failed), MISSED (every test
passed), does not build, anchor missing (the old text is not there exactly once).
The markdown table goes to stdout and to --report (default DIR/plant-report.md); the
results go to --json (default DIR/plant-results.json). --compare OLD.json names the
plants that OLD caught and this run does not, and exits with 1 when there are any.

Without --work a temporary folder is used and only the report and the results are
left in it at the end; give --work to keep
the build, so that the next run only rebuilds what changed (a full run of every plant
then takes roughly half a minute per plant). --list checks the anchors against the
checkout and prints the plants without building anything.
"""

import argparse
import datetime
import fcntl
import json
import os
import shutil
import subprocess
import sys
import tempfile
import time
import xml.etree.ElementTree as ET

HERE = os.path.dirname(os.path.abspath(__file__))
SHOWN_TESTS = 3


def load_plants():
    sys.dont_write_bytecode = True  # no cache folder beside the scripts
    sys.path.insert(0, HERE)
    import fault_plants
    plants = fault_plants.PLANTS
    ids = [p["id"] for p in plants]
    duplicates = sorted({i for i in ids if ids.count(i) > 1})
    if duplicates:
        sys.exit("plant ids used twice: " + ", ".join(duplicates))
    return plants


def library_of(path):
    parts = path.split("/")
    return parts[1] if len(parts) > 2 and parts[0] == "src" else parts[0]


def git(repo, *args):
    return subprocess.run(["git", "-C", repo, *args], check=True, capture_output=True).stdout


def log(message):
    print(message, file=sys.stderr, flush=True)


# ---- the scratch copy -------------------------------------------------------------

def same_file(a, b):
    try:
        if os.path.getsize(a) != os.path.getsize(b):
            return False
        with open(a, "rb") as fa, open(b, "rb") as fb:
            return fa.read() == fb.read()
    except OSError:
        return False


def sync_copy(repo, dest):
    """Makes dest hold the checkout's files. Only files whose content differs are
    copied, and they get a new time stamp, so the build redoes just what changed."""
    listing = git(repo, "ls-files", "-z", "--cached", "--others", "--exclude-standard")
    files = sorted({f for f in listing.decode("utf-8", "surrogateescape").split("\0") if f})
    wanted = set()
    copied = 0
    for rel in files:
        src = os.path.join(repo, rel)
        if os.path.islink(src) or not os.path.isfile(src):
            continue
        wanted.add(rel)
        dst = os.path.join(dest, rel)
        if same_file(src, dst):
            continue
        os.makedirs(os.path.dirname(dst), exist_ok=True)
        if os.path.lexists(dst):
            os.remove(dst)
        shutil.copyfile(src, dst)
        shutil.copymode(src, dst)
        copied += 1
    removed = 0
    for root, dirs, names in os.walk(dest):
        for name in names:
            rel = os.path.relpath(os.path.join(root, name), dest)
            if rel not in wanted:
                os.remove(os.path.join(root, name))
                removed += 1
    return copied, removed


def configure(src, build, jobs):
    if os.path.isfile(os.path.join(build, "CMakeCache.txt")):
        return
    args = ["cmake", "-S", src, "-B", build, "-DCMAKE_BUILD_TYPE=RelWithDebInfo", "-DPRIMER_BENCH=OFF",
            "-DPRIMER_TESTS=ON"]
    if shutil.which("ccache"):
        args.append("-DCMAKE_CXX_COMPILER_LAUNCHER=ccache")
    log("configuring " + build)
    result = subprocess.run(args, capture_output=True, text=True)
    if result.returncode != 0:
        sys.exit("configuring failed:\n" + result.stdout + result.stderr)


def build(build_dir, jobs, log_path):
    with open(log_path, "w") as out:
        result = subprocess.run(["cmake", "--build", build_dir, "-j", str(jobs)], stdout=out,
                                stderr=subprocess.STDOUT)
    return result.returncode == 0


def run_suite(build_dir, jobs, log_path):
    """Runs every test; returns (names of all tests that ran, names of those that failed)."""
    junit = os.path.join(build_dir, "plant-junit.xml")
    if os.path.exists(junit):
        os.remove(junit)
    with open(log_path, "w") as out:
        subprocess.run(["ctest", "-j", str(jobs), "--timeout", "120", "--output-junit", junit],
                       cwd=build_dir, stdout=out, stderr=subprocess.STDOUT)
    ran, failed = set(), set()
    try:
        root = ET.parse(junit).getroot()
    except (OSError, ET.ParseError):
        return ran, failed
    for case in root.iter("testcase"):
        name = case.get("name")
        ran.add(name)
        if case.get("status") not in ("run", "disabled"):
            failed.add(name)
    return ran, failed


# ---- plants -----------------------------------------------------------------------

def anchor_count(root, plant):
    path = os.path.join(root, plant["file"])
    try:
        with open(path, encoding="utf-8") as f:
            return f.read().count(plant["old"])
    except OSError:
        return 0


def run_plant(plant, src, build_dir, jobs, logs, baseline):
    path = os.path.join(src, plant["file"])
    result = {"id": plant["id"], "library": library_of(plant["file"]), "file": plant["file"],
              "what": plant["what"], "failed_tests": []}
    start = time.monotonic()
    try:
        with open(path, encoding="utf-8") as f:
            original = f.read()
    except OSError:
        original = ""
    if original.count(plant["old"]) != 1:
        result["status"] = "anchor missing"
        result["seconds"] = 0
        return result
    try:
        with open(path, "w", encoding="utf-8") as f:
            f.write(original.replace(plant["old"], plant["new"], 1))
        if not build(build_dir, jobs, os.path.join(logs, plant["id"] + ".build.log")):
            result["status"] = "does not build"
        else:
            ran, failed = run_suite(build_dir, jobs, os.path.join(logs, plant["id"] + ".ctest.log"))
            # A test that did not run at all (its program could not list its tests) failed too.
            caught = (failed | (baseline["ran"] - ran)) - baseline["failed"]
            result["failed_tests"] = sorted(caught)
            result["status"] = "caught" if caught else "missed"
    finally:
        with open(path, "w", encoding="utf-8") as f:
            f.write(original)
    result["seconds"] = round(time.monotonic() - start, 1)
    return result


# ---- report -----------------------------------------------------------------------

def cell(text):
    return text.replace("|", "\\|").replace("\n", " ")


def catching(result):
    tests = result["failed_tests"]
    if not tests:
        return ""
    shown = ", ".join(tests[:SHOWN_TESTS])
    if len(tests) > SHOWN_TESTS:
        shown += ", ..."
    return "%d: %s" % (len(tests), shown)


def verdict(status):
    return {"caught": "yes", "missed": "**NO**"}.get(status, status)


def summary_of(results):
    counts = {}
    for r in results:
        counts[r["status"]] = counts.get(r["status"], 0) + 1
    return counts


def markdown(data):
    lines = ["# Planted faults", "",
             "Commit %s%s, %s, %d plants in %.0f s (ctest -j %d)." % (
                 data["commit"][:12], " with local changes" if data["dirty"] else "", data["date"],
                 len(data["plants"]), data["seconds"], data["jobs"]), ""]
    s = data["summary"]
    lines.append("Caught %d, missed %d, does not build %d, anchor missing %d." % (
        s.get("caught", 0), s.get("missed", 0), s.get("does not build", 0), s.get("anchor missing", 0)))
    if data["baseline_failures"]:
        lines.append("")
        lines.append("Failing before any plant (left out of every verdict): "
                     + ", ".join(data["baseline_failures"]) + ".")
    lines += ["", "| plant | library | file | planted | caught | catching tests |",
              "|---|---|---|---|---|---|"]
    for r in data["plants"]:
        lines.append("| %s | %s | %s | %s | %s | %s |" % (
            r["id"], r["library"], cell(r["file"].replace("src/", "", 1)), cell(r["what"]),
            verdict(r["status"]), cell(catching(r))))
    missed = [r for r in data["plants"] if r["status"] == "missed"]
    if missed:
        lines += ["", "## Missed by every test", ""]
        lines += ["- %s (%s): %s" % (r["id"], r["file"], r["what"]) for r in missed]
    return "\n".join(lines) + "\n"


def compare(old_path, data):
    with open(old_path, encoding="utf-8") as f:
        old = {r["id"]: r for r in json.load(f)["plants"]}
    now = {r["id"]: r for r in data["plants"]}
    lost = [i for i in now if old.get(i, {}).get("status") == "caught" and now[i]["status"] != "caught"]
    gained = [i for i in now if i in old and old[i]["status"] != "caught" and now[i]["status"] == "caught"]
    lines = ["", "## Compared with " + old_path, ""]
    if lost:
        lines.append("Caught before, not now:")
        for i in lost:
            lines.append("- %s: now %s; caught before by %s" % (i, now[i]["status"], catching(old[i])))
    else:
        lines.append("Every plant caught before is still caught.")
    if gained:
        lines.append("")
        lines.append("Caught now, not before: " + ", ".join(gained))
    return "\n".join(lines) + "\n", lost


# ---- main -------------------------------------------------------------------------

def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--work", help="scratch folder kept between runs (default: a temporary one)")
    parser.add_argument("--jobs", type=int, default=4, help="parallel build and test jobs (default 4)")
    parser.add_argument("--only", help="comma-separated plant ids to run")
    parser.add_argument("--report", help="markdown report (default WORK/plant-report.md)")
    parser.add_argument("--json", help="results (default WORK/plant-results.json)")
    parser.add_argument("--compare", metavar="OLD.json", help="results of an earlier run to compare with")
    parser.add_argument("--list", action="store_true", help="check the anchors in the checkout and list the plants")
    args = parser.parse_args()

    repo = git(HERE, "rev-parse", "--show-toplevel").decode().strip()
    plants = load_plants()
    if args.only:
        wanted = [i.strip() for i in args.only.split(",") if i.strip()]
        unknown = [i for i in wanted if i not in {p["id"] for p in plants}]
        if unknown:
            sys.exit("unknown plant ids: " + ", ".join(unknown))
        plants = [p for p in plants if p["id"] in wanted]

    if args.list:
        bad = 0
        for p in plants:
            n = anchor_count(repo, p)
            bad += n != 1
            print("%-28s %-12s %-40s %s%s" % (p["id"], library_of(p["file"]), p["file"], p["what"],
                                              "" if n == 1 else "   [anchor found %d times]" % n))
        print("%d plants, %d with an anchor not found exactly once" % (len(plants), bad))
        return 1 if bad else 0

    work = os.path.abspath(args.work) if args.work else tempfile.mkdtemp(prefix="primer-plants-")
    if work == repo or work.startswith(repo + os.sep):
        sys.exit("the scratch folder must lie outside the checkout")
    os.makedirs(work, exist_ok=True)
    lock = open(os.path.join(work, ".lock"), "w")
    try:
        fcntl.flock(lock, fcntl.LOCK_EX | fcntl.LOCK_NB)
    except OSError:
        sys.exit("another run is using " + work)
    src, build_dir, logs = (os.path.join(work, d) for d in ("src", "build", "logs"))
    os.makedirs(src, exist_ok=True)
    os.makedirs(logs, exist_ok=True)
    started = time.monotonic()
    # What was copied: the commit and whether tracked files differed from it.
    commit = git(repo, "rev-parse", "HEAD").decode().strip()
    dirty = bool(git(repo, "status", "--porcelain", "--untracked-files=no").strip())
    try:
        copied, removed = sync_copy(repo, src)
        log("scratch copy %s: %d files copied, %d removed" % (src, copied, removed))
        configure(src, build_dir, args.jobs)
        log("building the unplanted program")
        if not build(build_dir, args.jobs, os.path.join(logs, "baseline.build.log")):
            sys.exit("the unplanted program does not build: see " + os.path.join(logs, "baseline.build.log"))
        ran, failed = run_suite(build_dir, args.jobs, os.path.join(logs, "baseline.ctest.log"))
        if not ran:
            sys.exit("no test ran: see " + os.path.join(logs, "baseline.ctest.log"))
        baseline = {"ran": ran, "failed": failed}
        log("baseline: %d tests, %d failing%s" % (len(ran), len(failed),
                                                  (": " + ", ".join(sorted(failed))) if failed else ""))
        results = []
        for n, plant in enumerate(plants, 1):
            r = run_plant(plant, src, build_dir, args.jobs, logs, baseline)
            results.append(r)
            log("[%d/%d] %-28s %-15s %5.1fs %s" % (n, len(plants), r["id"], r["status"], r["seconds"],
                                                   catching(r)))
        # Leave the build matching the unplanted sources for the next run.
        build(build_dir, args.jobs, os.path.join(logs, "final.build.log"))

        data = {
            "commit": commit,
            "dirty": dirty,
            "date": datetime.datetime.now().isoformat(timespec="seconds"),
            "jobs": args.jobs,
            "seconds": round(time.monotonic() - started, 1),
            "tests": len(ran),
            "baseline_failures": sorted(failed),
            "summary": summary_of(results),
            "plants": results,
        }
        text = markdown(data)
        lost = []
        if args.compare:
            extra, lost = compare(args.compare, data)
            text += extra
        report = args.report or os.path.join(work, "plant-report.md")
        results_path = args.json or os.path.join(work, "plant-results.json")
        with open(report, "w", encoding="utf-8") as f:
            f.write(text)
        with open(results_path, "w", encoding="utf-8") as f:
            json.dump(data, f, indent=1, ensure_ascii=False)
            f.write("\n")
        sys.stdout.write(text)
        log("report: %s\nresults: %s" % (report, results_path))
        return 1 if lost else 0
    finally:
        lock.close()
        if not args.work:
            # The report and the results stay; the copy and its build go.
            for folder in (src, build_dir, logs):
                shutil.rmtree(folder, ignore_errors=True)


if __name__ == "__main__":
    sys.exit(main())
