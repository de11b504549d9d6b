#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
# SPDX-License-Identifier: GPL-3.0-or-later

"""Checks that the folders show the architecture: the core and the programs include
no Qt header, the core includes nothing of a front end, and no two units (a .h and its
.cpp) of platform/, cube/ or cylinder/ include each other, directly or round a circle.
Prints what it finds wrong; exits 1 if anything."""
import pathlib
import re
import sys

root = pathlib.Path(__file__).resolve().parent.parent
include = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]', re.M)
units = {}  # unit name -> (folder, set of included header names)
problems = []
for folder in ['platform/core', 'platform/qt', 'platform/web', 'cube', 'cylinder']:
    for path in sorted((root / folder).glob('*.[hc]*')):
        if path.suffix not in ('.h', '.cpp'):
            continue
        text = path.read_text(encoding='utf-8')
        found = include.findall(text)
        if folder in ('platform/core', 'cube', 'cylinder'):
            for kind, name in found:
                if kind == '<' and name.startswith('Q'):
                    problems.append(f'{path.relative_to(root)} includes the Qt header <{name}>')
        unit = units.setdefault(path.stem, (folder, set()))
        unit[1].update(name[:-2] for kind, name in found if kind == '"' and name.endswith('.h'))

for name, (folder, includes) in units.items():
    if folder == 'platform/core':
        for other in includes:
            if other in units and units[other][0].startswith('platform/') and units[other][0] != folder:
                problems.append(f'the core unit {name} includes {other}.h of {units[other][0]}')

# A unit on a circle of includes reaches itself.
def reaches(start):
    seen, todo = set(), [other for other in units[start][1] if other in units and other != start]
    while todo:
        unit = todo.pop()
        if unit == start:
            return True
        if unit not in seen:
            seen.add(unit)
            todo.extend(other for other in units[unit][1] if other in units)
    return False

for name in sorted(units):
    if reaches(name):
        problems.append(f'{units[name][0]}/{name} includes itself round a circle of units')

for problem in problems:
    print(problem)
print(f'{len(units)} units, {len(problems)} problems')
sys.exit(1 if problems else 0)
