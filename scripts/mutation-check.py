#!/usr/bin/env python3
"""Breaks the code on purpose, one small change at a time, and counts how many of the
changes the test suite notices. A change the suite misses marks a gap in it.

    scripts/mutation-check.py [BUILD_DIR] [--list tests/mutations/mutations.txt] [--only N,...]
    scripts/mutation-check.py [BUILD_DIR] --random SEED [--sample N] [--confirm BUILD_DIR]
                              [--files GLOB,...] [--equivalent FILE] [--timeout SECONDS]
                              [--trust-baseline]

List mode: each line of the list is `file ||| original text ||| changed text ||| what it
breaks`; the original text must occur exactly once in the file. Every change is built
incrementally, the tests of the rebuilt programs run until the first one fails, and the
file is restored, whatever happens.

Random mode: picks N one-line changes (default 60), reproducibly from SEED, over every
portable .cpp file of src/ that the build compiles, test doubles (fake_*.cpp) left out:
relational operators moved by one (< to <=, == to !=, ...), && and || swapped, integer
literals one up or down, subscripts one up or down, assignment statements deleted,
boolean returns flipped. Comments, strings, preprocessor lines, static_assert and data
rows are left alone. `--files` keeps to the files matching its patterns (paths from the
top, e.g. `src/images/gif_*.cpp`), and `--sample 0` tries every change drawn: together
they sweep one weak file whole. Run it in the sanitizer build (scripts/build.sh asan, then
build/asan) so an overrun the plain tests survive is still noticed, or, quicker, in
build/native with `--confirm build/asan`: a change the native tests miss is then tried
again under the sanitizers before it counts as missed. Survivors that are listed in the
equivalence file (`file ||| changed line ||| why it changes nothing`, a deleted statement
as `deleted: statement`) are shown but not counted.

In both modes only the tests of the programs a change rebuilt run (all of them when it
rebuilt none), and a change that does not compile counts as neither caught nor missed
(random mode draws another in its place).
"""
import argparse
import fnmatch
import json
import os
import pathlib
import random
import re
import signal
import subprocess
import sys
import time

ROOT = pathlib.Path(__file__).resolve().parent.parent

# Folders of portable code; framework/ and */app/ hold the Win32 programs.
RANDOM_FOLDERS = ["src/base", "src/sprites", "src/graphics", "src/ui", "src/sound", "src/images",
                  "src/cutter", "src/cutter/editor", "src/motion", "src/motion/editor"]
# Test doubles (the recording sound service) stand in for a system service in the
# tests only: no program runs them, so changing them tells nothing about the suite.
TEST_ONLY = "fake_*.cpp"


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
    # A session of its own, so that a hang is killed with everything it started: a
    # generator that a change makes loop forever would otherwise outlive the build.
    process = subprocess.Popen(command, cwd=ROOT, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                               start_new_session=True)
    try:
        return process.wait(timeout=timeout)
    except subprocess.TimeoutExpired:
        os.killpg(process.pid, signal.SIGKILL)
        process.wait()
        return -1  # a hang counts as noticed


def build_and_test(build):
    if run(["cmake", "--build", build, "-j2"], 3600) != 0:
        sys.exit("the unchanged code does not build")
    if run(["ctest", "--test-dir", build, "-j2", "--timeout", "120"], 1800) != 0:
        sys.exit("the unchanged code fails its tests")


def list_mode(args, build):
    mutations = load(ROOT / args.list)
    only = {int(n) for n in args.only.split(",") if n}
    build_and_test(build)
    tests = tests_by_program(build)

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
            verdict = try_change(build, tests, 120)
            if verdict == "does not build":
                broken += 1
            elif verdict == "caught":
                caught += 1
            else:
                missed += 1
        finally:
            path.write_text(text, encoding="utf-8")
        print(f"line {number:3}: {verdict:14} {time.time() - started:5.0f} s  {file}: {what}", flush=True)

    run(["cmake", "--build", build, "-j2"], 3600)  # back to the unchanged code
    print(f"caught {caught} of {caught + missed} changes ({broken} did not apply or build)")
    return 0 if missed == 0 else 1


# ---- random mode -------------------------------------------------------------------------

def masked_lines(text):
    """The file's lines with comments, string and character literals blanked out."""
    out, in_block = [], False
    for line in text.split("\n"):
        chars, i, n = list(line), 0, len(line)
        while i < n:
            if in_block:
                end = line.find("*/", i)
                stop = n if end < 0 else end + 2
                chars[i:stop] = " " * (stop - i)
                in_block, i = end < 0, stop
            elif line.startswith("//", i):
                chars[i:] = " " * (n - i)
                break
            elif line.startswith("/*", i):
                in_block = True
            elif line[i] in "\"'" and not (line[i] == "'" and i > 0 and line[i - 1].isalnum()):
                quote, j = line[i], i + 1
                while j < n and line[j] != quote:
                    j += 2 if line[j] == "\\" else 1
                stop = min(j + 1, n)
                chars[i:stop] = quote + " " * (stop - i - 2) + quote if stop - i >= 2 else quote
                i = stop
            else:
                i += 1
        out.append("".join(chars))
    return out


RELATIONAL = {"<": "<=", "<=": "<", ">": ">=", ">=": ">", "==": "!=", "!=": "=="}
RELATIONAL_RE = re.compile(r"(?<= )(<=|>=|==|!=|<|>)(?= )")
LOGICAL_RE = re.compile(r"(?<= )(&&|\|\|)(?= )")
NUMBER_RE = re.compile(r"(?<![\w.'])(0[xX][0-9a-fA-F]+|\d+)([uUlL]*)(?![\w.'])")
SUBSCRIPT_RE = re.compile(r"(?<=[\w)\]])\[([^\[\]]+)\]")
ASSIGN_RE = re.compile(r"^\s*(\*?[\w.\->\[\]()]+ (?:[-+*/%|&^]|<<|>>)?= .*|(?:\+\+|--)[\w.\->\[\]]+|"
                       r"[\w.\->\[\]]+(?:\+\+|--));\s*$")
BOOL_RE = re.compile(r"\breturn (true|false);")
DATA_ROW_RE = re.compile(r"^[\s{}(),0-9a-fA-FxXuUlL+-]*$")


def candidates_in(file, text):
    """Every one-line change of the file, as (file, line number, new line, what)."""
    lines, masked = text.split("\n"), masked_lines(text)
    found, continued = [], False
    for number, (line, code) in enumerate(zip(lines, masked), 1):
        skip = continued or code.lstrip().startswith("#") or "static_assert" in code
        continued = line.rstrip().endswith("\\")
        if skip or not code.strip() or DATA_ROW_RE.match(code):
            continue

        def add(start, end, new, what):
            found.append((file, number, line[:start] + new + line[end:], what))

        for m in RELATIONAL_RE.finditer(code):
            add(m.start(), m.end(), RELATIONAL[m.group(1)], f"{m.group(1)} -> {RELATIONAL[m.group(1)]}")
        for m in LOGICAL_RE.finditer(code):
            other = "||" if m.group(1) == "&&" else "&&"
            add(m.start(), m.end(), other, f"{m.group(1)} -> {other}")
        for m in NUMBER_RE.finditer(code):
            digits = m.group(1)
            value = int(digits, 16 if digits[:2].lower() == "0x" else 10)
            for delta in (1, -1):
                if value + delta < 0:
                    continue
                new = hex(value + delta) if digits[:2].lower() == "0x" else str(value + delta)
                add(m.start(1), m.end(1), new, f"{digits} -> {new}")
        for m in SUBSCRIPT_RE.finditer(code):
            inner = m.group(1).strip()
            if inner in ("&", "=", "this") or NUMBER_RE.fullmatch(inner) or code[:m.start()].endswith("operator"):
                continue
            for sign in "+-":
                add(m.start(1), m.end(1), f"{inner} {sign} 1", f"[{inner}] -> [{inner} {sign} 1]")
        if ASSIGN_RE.match(code) and code.count("(") == code.count(")") and "{" not in code:
            indent = line[:len(line) - len(line.lstrip())]
            found.append((file, number, indent + "{}", "statement deleted"))
        for m in BOOL_RE.finditer(code):
            other = "false" if m.group(1) == "true" else "true"
            add(m.start(1), m.end(1), other, f"return {m.group(1)} -> return {other}")
    return found


def portable_sources(build):
    """The portable .cpp files the build compiles (the Win32-only ones are not in it)."""
    graph = (pathlib.Path(build) / "build.ninja").read_text(encoding="utf-8", errors="replace")
    files = []
    for folder in RANDOM_FOLDERS:
        for path in sorted((ROOT / folder).glob("*.cpp")):
            if str(path) in graph and not path.match(TEST_ONLY):
                files.append(path.relative_to(ROOT).as_posix())
    return files


def load_equivalents(path):
    known = {}
    if path.exists():
        for line in path.read_text(encoding="utf-8").splitlines():
            if line.strip() and not line.lstrip().startswith("#"):
                parts = [p.strip() for p in line.split("|||")]
                if len(parts) != 3:
                    sys.exit(f"{path}: expected `file ||| changed line ||| why` in: {line}")
                known[(parts[0], parts[1])] = parts[2]
    return known


def program_times(build):
    """Modification times of the executables in the build folder."""
    times = {}
    for folder, _, names in os.walk(build):
        if "CMakeFiles" in folder:
            continue
        for name in names:
            path = os.path.join(folder, name)
            if os.access(path, os.X_OK) and os.path.isfile(path):
                times[path] = os.stat(path).st_mtime_ns
    return times


def tests_by_program(build):
    shown = subprocess.run(["ctest", "--test-dir", build, "--show-only=json-v1"], cwd=ROOT,
                           capture_output=True, text=True, check=True).stdout
    return [(t["name"], " ".join(t.get("command", []))) for t in json.loads(shown)["tests"]]


def try_change(build, tests, timeout):
    """Builds the changed code and runs the tests of the programs that were rebuilt."""
    before = program_times(build)
    if run(["cmake", "--build", build, "-j2"], 600) != 0:
        return "does not build"
    after = program_times(build)
    rebuilt = [p for p, t in after.items() if before.get(p) != t]
    chosen = [name for name, command in tests if any(p in command for p in rebuilt)]
    # No program rebuilt: the change reached only data the tests read (a compiled
    # resource script), so every test runs.
    pattern = ["-R", "^(" + "|".join(re.escape(n) for n in chosen) + ")$"] if chosen else []
    status = run(["ctest", "--test-dir", build, "-j2", "--timeout", str(timeout), "--stop-on-failure",
                  *pattern], 3600)
    return "MISSED" if status == 0 else "caught"


def random_mode(args, build):
    if not args.trust_baseline:
        build_and_test(build)
    files = portable_sources(build)
    if args.files:
        files = [f for f in files if any(fnmatch.fnmatch(f, g) for g in args.files.split(","))]
    pool = []
    for file in files:
        pool += candidates_in(file, (ROOT / file).read_text(encoding="utf-8"))
    random.Random(args.random).shuffle(pool)
    equivalents = load_equivalents(ROOT / args.equivalent)
    tests = tests_by_program(build)
    print(f"seed {args.random}: {len(pool)} candidate changes in {len(files)} files", flush=True)

    checks = [(build, tests)]
    if args.confirm:
        confirm = str((ROOT / args.confirm).resolve())
        run(["cmake", "--build", confirm, "-j2"], 3600)
        checks.append((confirm, tests_by_program(confirm)))

    caught, missed, equivalent, broken = [], [], [], 0
    for file, number, new_line, what in pool:
        if args.sample and len(caught) + len(missed) + len(equivalent) >= args.sample:
            break
        path = ROOT / file
        text = path.read_text(encoding="utf-8")
        lines = text.split("\n")
        old_line = lines[number - 1]
        started = time.time()
        try:
            lines[number - 1] = new_line
            path.write_text("\n".join(lines), encoding="utf-8")
            # A change the first build's tests miss is tried in the next (the sanitizer build).
            for place, (folder, known) in enumerate(checks):
                # The sanitizer build runs several times slower: there a test gets ten
                # minutes at least, so that slowness alone is not taken for a catch.
                verdict = try_change(folder, known, args.timeout if place == 0 else max(args.timeout, 600))
                if verdict != "MISSED":
                    break
            if verdict == "caught" and place > 0:
                verdict = "caught (2nd)"
        finally:
            path.write_text(text, encoding="utf-8")
        entry = (file, number, old_line.strip(), new_line.strip(), what)
        if verdict.startswith("caught"):
            caught.append(entry)
        elif verdict == "does not build":
            broken += 1
        elif verdict == "MISSED":
            # A deleted statement is named by what it deleted: "{}" alone would match
            # every deletion in the file.
            changed = f"deleted: {old_line.strip()}" if what == "statement deleted" else new_line.strip()
            reason = equivalents.get((file, changed))
            if reason is not None:
                verdict = "equivalent"
                equivalent.append(entry + (reason,))
            else:
                missed.append(entry)
        print(f"{verdict:14} {time.time() - started:5.0f} s  {file}:{number}: {what}", flush=True)

    for folder, _ in checks:
        run(["cmake", "--build", folder, "-j2"], 3600)  # back to the unchanged code
    if missed:
        print("\nsurvivors:")
        for file, number, old, new, what in missed:
            print(f"  {file}:{number}: {what}\n      - {old}\n      + {new}")
    if equivalent:
        print("\nsurvivors listed as equivalent (not counted):")
        for file, number, old, new, what, reason in equivalent:
            print(f"  {file}:{number}: {what}: {reason}")
    total = len(caught) + len(missed)
    share = 100.0 * len(caught) / total if total else 100.0
    print(f"\n{broken} drawn changes did not build and were replaced; {len(equivalent)} equivalent excluded")
    print(f"seed {args.random}: caught {len(caught)} of {total} ({share:.0f} %)")
    return 0 if not missed else 1


def interrupted(signum, frame):
    raise KeyboardInterrupt  # unwinds through the restoring finally blocks


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("build", nargs="?", default="build/native")
    parser.add_argument("--list", default="tests/mutations/mutations.txt")
    parser.add_argument("--only", default="")
    parser.add_argument("--random", type=int, metavar="SEED")
    parser.add_argument("--sample", type=int, default=60, help="changes to count (random mode); 0: all")
    parser.add_argument("--files", default="", help="comma-separated patterns of the files to change (random mode)")
    parser.add_argument("--equivalent", default="tests/mutations/equivalent.txt")
    parser.add_argument("--confirm", metavar="BUILD_DIR",
                        help="random mode: try survivors again in this build (e.g. build/asan)")
    parser.add_argument("--timeout", type=int, default=300, help="seconds a test may take (random mode)")
    parser.add_argument("--trust-baseline", action="store_true",
                        help="skip building and testing the unchanged code first (random mode)")
    args = parser.parse_args()
    build = str((ROOT / args.build).resolve())
    signal.signal(signal.SIGTERM, interrupted)
    if args.random is not None:
        return random_mode(args, build)
    return list_mode(args, build)


if __name__ == "__main__":
    sys.exit(main())
