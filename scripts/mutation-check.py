#!/usr/bin/env python3
"""Breaks the code on purpose, one small change at a time, and counts how many of the
changes the native test suite notices. A change the suite misses marks a gap in it.

    scripts/mutation-check.py [BUILD_DIR] [--list tests/mutations/mutations.txt] [--only N,...]

Each line of the list is `file ||| original text ||| changed text ||| what it breaks`;
the original text must occur exactly once in the file. The build folder (default
build/native) must be configured; every change is built incrementally, the whole
native suite runs, and the file is restored, whatever happens. A change that does not
compile counts as neither caught nor missed.
"""
import argparse
import pathlib
import subprocess
import sys
import time

ROOT = pathlib.Path(__file__).resolve().parent.parent


def load(path):
    mutations = []
    for number, line in enumerate(path.read_text(encoding="utf-8").splitlines(), 1):
        if not line.strip() or line.lstrip().startswith("#"):
            continue
        parts = [p.strip() for p in line.split("|||")]
        if len(parts) != 4:
            sys.exit(f"{path}:{number}: expected four fields separated by |||")
        mutations.append((number, *parts))
    return mutations


def run(command, timeout):
    try:
        return subprocess.run(command, cwd=ROOT, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                              timeout=timeout).returncode
    except subprocess.TimeoutExpired:
        return -1  # a hang counts as noticed


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("build", nargs="?", default="build/native")
    parser.add_argument("--list", default="tests/mutations/mutations.txt")
    parser.add_argument("--only", default="")
    args = parser.parse_args()
    build = str((ROOT / args.build).resolve())
    mutations = load(ROOT / args.list)
    only = {int(n) for n in args.only.split(",") if n}

    if run(["cmake", "--build", build, "-j2"], 3600) != 0:
        sys.exit("the unchanged code does not build")
    if run(["ctest", "--test-dir", build, "-j2", "--timeout", "120"], 1200) != 0:
        sys.exit("the unchanged code fails its tests")

    caught = missed = broken = 0
    for number, file, original, changed, what in mutations:
        if only and number not in only:
            continue
        path = ROOT / file
        text = path.read_text(encoding="utf-8")
        if text.count(original) != 1:
            print(f"line {number}: the original text occurs {text.count(original)} times in {file}")
            broken += 1
            continue
        started = time.time()
        try:
            path.write_text(text.replace(original, changed), encoding="utf-8")
            if run(["cmake", "--build", build, "-j2"], 1800) != 0:
                verdict = "does not build"
                broken += 1
            elif run(["ctest", "--test-dir", build, "-j2", "--timeout", "120"], 1200) != 0:
                verdict = "caught"
                caught += 1
            else:
                verdict = "MISSED"
                missed += 1
        finally:
            path.write_text(text, encoding="utf-8")
        print(f"line {number:3}: {verdict:14} {time.time() - started:5.0f} s  {file}: {what}", flush=True)

    run(["cmake", "--build", build, "-j2"], 3600)  # back to the unchanged code
    print(f"caught {caught} of {caught + missed} changes ({broken} did not apply or build)")
    return 0 if missed == 0 else 1


if __name__ == "__main__":
    sys.exit(main())
