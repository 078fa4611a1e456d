#!/usr/bin/env python3
"""Print the include cycles among the files of src/ and fail when there is one.

Files include each other when a.cpp includes b.h and b.cpp includes a.h (or the
headers do so directly): a header and its source count as one unit.
"""
import os
import re
import sys

INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.M)


def units(src):
    """Map each unit (path without extension, relative to src) to the units it includes."""
    deps = {}
    for folder, _, names in os.walk(src):
        for name in names:
            stem, ext = os.path.splitext(name)
            if ext not in ('.h', '.cpp'):
                continue
            path = os.path.join(folder, name)
            unit = os.path.relpath(os.path.join(folder, stem), src)
            with open(path, encoding='utf-8', errors='replace') as f:
                text = f.read()
            found = deps.setdefault(unit, set())
            for inc in INCLUDE.findall(text):
                for base in (folder, src):
                    target = os.path.normpath(os.path.join(base, inc))
                    if os.path.exists(target):
                        other = os.path.relpath(os.path.splitext(target)[0], src)
                        if other != unit:
                            found.add(other)
                        break
    return deps


def cycles(deps):
    """Strongly connected components of more than one unit (Tarjan)."""
    index, low, stack, on, out = {}, {}, [], set(), []
    counter = [0]
    sys.setrecursionlimit(10000)

    def visit(v):
        index[v] = low[v] = counter[0]
        counter[0] += 1
        stack.append(v)
        on.add(v)
        for w in sorted(deps.get(v, ())):
            if w not in index:
                visit(w)
                low[v] = min(low[v], low[w])
            elif w in on:
                low[v] = min(low[v], index[w])
        if low[v] == index[v]:
            group = []
            while True:
                w = stack.pop()
                on.discard(w)
                group.append(w)
                if w == v:
                    break
            if len(group) > 1:
                out.append(sorted(group))

    for v in sorted(deps):
        if v not in index:
            visit(v)
    return out


def main():
    root = os.path.join(os.path.dirname(os.path.abspath(__file__)), '..')
    src = os.path.normpath(sys.argv[1] if len(sys.argv) > 1 else os.path.join(root, 'src'))
    found = cycles(units(src))
    for group in found:
        print('include cycle: ' + ' <-> '.join(group))
    return 1 if found else 0


if __name__ == '__main__':
    sys.exit(main())
