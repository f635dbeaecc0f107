#!/usr/bin/env python3
"""make mutants: puts each fault of mutants.tsv into a scratch copy of the
sources, one at a time, rebuilds incrementally and runs the ordinary tests;
then as many faults drawn from the code by generate.py. A fault that makes a
test fail is caught; one that passes them all survived.

    tests/mutants/run.py [SCRATCH_DIR] [--only N,M,...]   the list, then drawn ones
    tests/mutants/run.py SCRATCH_DIR --drawn-only          only the drawn ones
    tests/mutants/run.py SCRATCH_DIR --replay INDEX        drawn mutant INDEX of MUTANTS_SEED

MUTANTS_RANDOM (30) says how many are drawn, MUTANTS_SEED (DEFAULT_SEED below;
"random" for a new one, printed) which, MUTANTS_FILES (files or folders; by
default DEFAULT_FOLDERS below) from where.
Prints caught (by which test) or SURVIVED per fault, the score per folder and
how long it took; exits 1 when a listed fault survived or no longer applies."""

import json
import os
import random
import re
import shutil
import subprocess
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import generate  # noqa: E402

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
# Faults are drawn from the whole of the folders where data and messages are
# made, with a seed fixed here (and in the README), so that two runs draw the
# same faults and a score can be compared; MUTANTS_SEED=random draws afresh.
DEFAULT_FOLDERS = ["src/store", "src/private", "src/lists", "src/dialogs", "src/app"]
DEFAULT_SEED = "4311"
LIST = os.path.join(ROOT, "tests", "mutants", "mutants.tsv")


def unescape(field):
    out, i = [], 0
    while i < len(field):
        if field[i] == "\\" and i + 1 < len(field):
            out.append({"n": "\n", "t": "\t", "\\": "\\"}.get(field[i + 1], "\\" + field[i + 1]))
            i += 2
        else:
            out.append(field[i])
            i += 1
    return "".join(out)


def read_list():
    faults = []
    with open(LIST, encoding="utf-8") as f:
        for number, line in enumerate(f, 1):
            line = line.rstrip("\n")
            if not line or line.startswith("#"):
                continue
            fields = line.split("\t")
            if len(fields) != 4:
                sys.exit(f"{LIST}:{number}: four fields separated by tabs, not {len(fields)}")
            faults.append((fields[0], unescape(fields[1]), unescape(fields[2]), fields[3]))
    return faults


def run(command, cwd, log):
    with open(log, "w") as out:
        return subprocess.call(command, cwd=cwd, stdout=out, stderr=subprocess.STDOUT)


def prepare(scratch):
    """The sources as they are now in scratch/source, built in scratch/build;
    returns (source, build, log)."""
    source = os.path.join(scratch, "source")
    build = os.path.join(scratch, "build")
    # A file whose bytes changed since the last run is copied with the time
    # of now, never its own: the object a mutant of an earlier run left may
    # be newer than the file's own time, and the build would keep that object.
    files = subprocess.check_output(["git", "ls-files", "-co", "--exclude-standard"], cwd=ROOT, text=True).split()
    if os.path.isdir(source):
        wanted = {os.path.join(source, name) for name in files}
        for folder, _, names in os.walk(source):
            for name in names:
                if os.path.join(folder, name) not in wanted:
                    os.remove(os.path.join(folder, name))
    for name in files:
        original, copy = os.path.join(ROOT, name), os.path.join(source, name)
        if not os.path.isfile(original):
            continue
        with open(original, "rb") as f:
            content = f.read()
        if os.path.isfile(copy):
            with open(copy, "rb") as f:
                if f.read() == content:
                    continue
        os.makedirs(os.path.dirname(copy), exist_ok=True)
        with open(copy, "wb") as f:
            f.write(content)
        shutil.copymode(original, copy)
    os.makedirs(build, exist_ok=True)
    log = os.path.join(scratch, "build.log")
    if run(["cmake", "-S", source, "-B", build, "-DCMAKE_BUILD_TYPE=RelWithDebInfo",
            "-DCMAKE_EXPORT_COMPILE_COMMANDS=ON"], scratch, log) != 0 or \
            run(["cmake", "--build", build, "-j" + JOBS], scratch, log) != 0:
        sys.exit(f"the unchanged sources do not build; see {log}")
    if tests_fail(build, None):
        sys.exit("the ordinary tests fail on the unchanged sources")
    return source, build, log


JOBS = str(os.cpu_count() or 2)
ENVIRONMENT = dict(os.environ, QT_QPA_PLATFORM="offscreen")
FAILED = re.compile(r"^\s*\d+ - (\S+) \(", re.M)


def tests_fail(build, folder):
    """The name of a failing ordinary test, or None. The tests of the mutated
    folder run first, and the run stops at the first failure: a caught
    mutant costs seconds, not the whole suite."""
    base = ["ctest", "--test-dir", build, "-j" + JOBS, "-LE", "extended|benchmark", "--timeout", "120",
            "--stop-on-failure"]
    near = os.path.join(build, "tests", folder) if folder else None
    phases = [base]
    if near and os.path.isdir(near):
        phases = [base[:3] + [near] + base[4:], base]
    for command in phases:
        done = subprocess.run(command, stdout=subprocess.PIPE, stderr=subprocess.STDOUT, env=ENVIRONMENT, text=True)
        if done.returncode != 0:
            names = FAILED.findall(done.stdout)
            return names[0] if names else "ctest"
    return None


def try_fault(path, mutated, build, log, folder):
    """Builds and tests with path holding mutated; returns (built, failing test)."""
    with open(path, encoding="utf-8") as f:
        original = f.read()
    with open(path, "w", encoding="utf-8") as f:
        f.write(mutated)
    try:
        built = run(["cmake", "--build", build, "-j" + JOBS], os.path.dirname(build), log) == 0
        return built, (tests_fail(build, folder) if built else None)
    finally:
        with open(path, "w", encoding="utf-8") as f:
            f.write(original)
        os.utime(path)  # newer than the mutant's build, so the next build takes it


def listed(source, build, log, only):
    caught = survived = broken = 0
    for number, (name, text, replacement, breaks) in enumerate(read_list(), 1):
        if only and number not in only:
            continue
        path = os.path.join(source, name)
        with open(path, encoding="utf-8") as f:
            original = f.read()
        if original.count(text) != 1:
            print(f"{number:3} NO LONGER APPLIES ({original.count(text)} matches in {name}): {breaks}", flush=True)
            broken += 1
            continue
        t0 = time.time()
        built, failing = try_fault(path, original.replace(text, replacement), build, log, folder_of(name))
        if not built:
            print(f"{number:3} DOES NOT BUILD: {breaks} ({name})", flush=True)
            broken += 1
        elif failing:
            print(f"{number:3} caught    {breaks} (by {failing}, {time.time() - t0:.0f} s)", flush=True)
            caught += 1
        else:
            print(f"{number:3} SURVIVED  {breaks} ({name})", flush=True)
            survived += 1
    print(f"listed: {caught} of {caught + survived + broken} caught, {survived} survived, {broken} not applied")
    return survived + broken == 0


def folder_of(name):
    """src/store/x.cpp -> store: the folder of tests run first, and scored."""
    parts = name.split("/")
    return parts[1] if len(parts) > 2 and parts[0] == "src" else ""


def drawable(build, names):
    """The C++ sources among names (files or folders) that this build compiles
    (a Windows-only file would let every mutant of it survive)."""
    with open(os.path.join(build, "compile_commands.json"), encoding="utf-8") as f:
        compiled = {os.path.realpath(entry["file"]) for entry in json.load(f)}
    source = os.path.join(os.path.dirname(build), "source")
    files = []
    for name in names:
        name = name.rstrip("/")
        found = [name]
        if os.path.isdir(os.path.join(source, name)):
            found = [os.path.relpath(os.path.join(folder, f), source)
                     for folder, _, inside in os.walk(os.path.join(source, name)) for f in inside]
        for f in found:
            if not os.path.isfile(os.path.join(source, f)):
                continue
            if f.endswith(".h") or (f.endswith(".cpp") and os.path.realpath(os.path.join(source, f)) in compiled):
                files.append(f)
    return sorted(set(files))


def drawn(source, build, log, replay=None):
    seed = os.environ.get("MUTANTS_SEED") or DEFAULT_SEED
    if seed == "random":
        seed = str(random.SystemRandom().randrange(1, 10**6))
    count = int(os.environ.get("MUTANTS_RANDOM", "30"))
    names = os.environ.get("MUTANTS_FILES", "").split() or DEFAULT_FOLDERS
    files = drawable(build, names)
    if replay is not None:
        count = replay + 1
    mutants, texts = generate.draw(seed, count, files, read=lambda p: open(os.path.join(source, p), encoding="utf-8").read())
    print(f"drawn: seed {seed}, {len(mutants)} mutants from {len(files)} files "
          f"(make mutant SEED={seed} INDEX=n replays one with the same MUTANTS_FILES)", flush=True)
    score = {}
    for index, mutant in enumerate(mutants):
        if replay is not None and index != replay:
            continue
        text = texts[mutant.path]
        where = f"{mutant.path}:{mutant.line_number(text)}"
        before, after = mutant.changed_line(text)
        t0 = time.time()
        folder = folder_of(mutant.path)
        built, failing = try_fault(os.path.join(source, mutant.path), mutant.apply(text), build, log, folder)
        tally = score.setdefault(folder or "other", [0, 0, 0])
        if not built:
            print(f"{index:3} DOES NOT BUILD  {where} {mutant.operator}", flush=True)
            tally[2] += 1
        elif failing:
            print(f"{index:3} caught by {failing:26} {where} {mutant.operator} ({time.time() - t0:.0f} s)", flush=True)
            tally[0] += 1
        else:
            print(f"{index:3} SURVIVED  {where} {mutant.operator}\n      - {before}\n      + {after}", flush=True)
            tally[1] += 1
    for folder, (caught, survived, broken) in sorted(score.items()):
        judged = caught + survived
        share = f"{100 * caught / judged:.0f}%" if judged else "-"
        print(f"drawn in {folder}: {caught} of {judged} caught ({share}), {broken} did not build")


def main():
    args = [a for a in sys.argv[1:] if not a.startswith("--")]
    only, replay = None, None
    for k, a in enumerate(sys.argv[1:]):
        if a.startswith("--only"):
            only = {int(n) for n in a.split("=", 1)[1].split(",")}
        if a == "--replay":
            replay = int(sys.argv[k + 2])
            args.remove(sys.argv[k + 2])
    scratch = os.path.abspath(args[0] if args else os.path.join(ROOT, "build-mutants"))
    started = time.time()
    source, build, log = prepare(scratch)
    ok = True
    if replay is None and "--drawn-only" not in sys.argv:
        ok = listed(source, build, log, only)
    if only is None:
        drawn(source, build, log, replay)
    run(["cmake", "--build", build, "-j" + JOBS], scratch, log)
    print(f"mutants: {(time.time() - started) / 60:.1f} min")
    sys.exit(0 if ok else 1)


if __name__ == "__main__":
    main()
