#!/usr/bin/env python3
"""Refuses an #include "..." in src/ that points at a folder its folder may not include.

What each folder may include is src/layers.txt, the table the build makes its libraries
from. Also refuses a table that is not layered (a folder naming one below it, or not
everything the folders it names may include) and a source folder without a line.
usage: check-layers.py [SRC_DIR]   (default: the src/ beside this script's folder)"""
import os
import re
import sys

src = os.path.normpath(sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), '..', 'src'))
table_path = os.path.join(src, 'layers.txt')
errors = []

allowed = {}  # folder -> the folders it may include, in table order
for no, line in enumerate(open(table_path), 1):
    words = line.split('#')[0].split()
    if not words:
        continue
    folder, deps = words[0], words[1:]
    where = f'{table_path}:{no}'
    if folder in allowed:
        errors.append(f'{where}: {folder} has a line already')
    for dep in deps:
        if dep not in allowed:
            errors.append(f'{where}: {folder} names {dep}, which has no line above it')
            continue
        missing = [d for d in allowed[dep] if d not in deps]
        if missing:
            errors.append(f'{where}: {folder} names {dep} but not what {dep} may include: {" ".join(missing)}')
    parent = folder.rsplit('/', 1)[0]
    if parent != folder and parent not in deps:
        errors.append(f'{where}: {folder} must name its own folder {parent}')
    allowed[folder] = deps

top_folders = {d for d in os.listdir(src) if os.path.isdir(os.path.join(src, d))}
include = re.compile(r'^\s*#\s*include\s*"([^"]+)"')
files_checked = 0
for root, _, names in sorted(os.walk(src)):
    sources = sorted(n for n in names if n.endswith(('.h', '.cpp', '.in')))
    if root == src or not sources:
        continue
    folder = os.path.relpath(root, src).replace(os.sep, '/')
    if folder not in allowed:
        errors.append(f'{table_path}: src/{folder} has no line')
        continue
    for name in sources:
        files_checked += 1
        path = os.path.join(root, name)
        for no, line in enumerate(open(path, errors='replace'), 1):
            m = include.match(line)
            if not m or '/' not in m.group(1):
                continue
            target = m.group(1).rsplit('/', 1)[0]
            if target.split('/')[0] not in top_folders or target == folder or target in allowed[folder]:
                continue
            errors.append(f'{os.path.relpath(path, os.path.join(src, ".."))}:{no}: {folder} may not include '
                          f'{target} (it may include: {" ".join(allowed[folder]) or "nothing"})')

for e in errors:
    print(e)
print(f'{len(errors)} layer error(s); {files_checked} files, {len(allowed)} folders in {table_path}')
sys.exit(1 if errors else 0)
