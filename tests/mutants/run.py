#!/usr/bin/env python3
"""make mutants: puts each fault of mutants.tsv into a scratch copy of the
sources, one at a time, rebuilds incrementally and runs the ordinary tests.
A fault that makes a test fail is caught; one that passes them all survived.

    tests/mutants/run.py [SCRATCH_DIR] [--only N,M,...]

Prints caught or survived per fault, then the score and how long it took;
exits 1 when any survived or a fault no longer applies to the code."""

import os
import shutil
import subprocess
import sys
import time

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
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


def main():
    args = [a for a in sys.argv[1:] if not a.startswith("--only")]
    only = None
    for a in sys.argv[1:]:
        if a.startswith("--only"):
            only = {int(n) for n in a.split("=", 1)[1].split(",")}
    scratch = os.path.abspath(args[0] if args else os.path.join(ROOT, "build-mutants"))
    source = os.path.join(scratch, "source")
    build = os.path.join(scratch, "build")
    jobs = str(os.cpu_count() or 2)
    started = time.time()

    # The sources as they are now, tracked files and new ones alike. A file
    # whose bytes changed since the last run is copied with the time of now,
    # never its own: the object a mutant of an earlier run left may be newer
    # than the file's own time, and the build would keep that object.
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
    if run(["cmake", "-S", source, "-B", build, "-DCMAKE_BUILD_TYPE=RelWithDebInfo"], scratch, log) != 0 or \
            run(["cmake", "--build", build, "-j" + jobs], scratch, log) != 0:
        sys.exit(f"the unchanged sources do not build; see {log}")
    tests = ["ctest", "--test-dir", build, "-j" + jobs, "-LE", "extended|benchmark", "--timeout", "120"]
    environment = dict(os.environ, QT_QPA_PLATFORM="offscreen")
    if subprocess.call(tests, stdout=subprocess.DEVNULL, stderr=subprocess.STDOUT, env=environment) != 0:
        sys.exit("the ordinary tests fail on the unchanged sources")

    faults = read_list()
    caught = survived = broken = 0
    for number, (name, text, replacement, breaks) in enumerate(faults, 1):
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
        with open(path, "w", encoding="utf-8") as f:
            f.write(original.replace(text, replacement))
        try:
            built = run(["cmake", "--build", build, "-j" + jobs], scratch, log) == 0
            failed = not built or subprocess.call(tests, stdout=subprocess.DEVNULL, stderr=subprocess.STDOUT,
                                                  env=environment) != 0
        finally:
            with open(path, "w", encoding="utf-8") as f:
                f.write(original)
            os.utime(path)  # newer than the mutant's build, so the next build takes it
        if not built:
            print(f"{number:3} DOES NOT BUILD: {breaks} ({name})", flush=True)
            broken += 1
        elif failed:
            print(f"{number:3} caught    {breaks} ({time.time() - t0:.0f} s)", flush=True)
            caught += 1
        else:
            print(f"{number:3} SURVIVED  {breaks} ({name})", flush=True)
            survived += 1
    run(["cmake", "--build", build, "-j" + jobs], scratch, log)
    total = caught + survived + broken
    minutes = (time.time() - started) / 60
    print(f"mutants: {caught} of {total} caught, {survived} survived, {broken} not applied; {minutes:.1f} min")
    sys.exit(0 if caught == total else 1)


if __name__ == "__main__":
    main()
