#!/usr/bin/env bash
# Fails when src/ names a control by a string literal outside the control
# declarations (<subsystem>/controls.h, app/app_controls.h). A literal that
# follows a declared name on the same line is a text (a caption, a value), not a name.
set -euo pipefail
cd "$(dirname "$0")/.."
python3 - <<'PY'
import glob, re, sys
decl_files = [f for f in glob.glob('src/*/controls.h') if f != 'src/app/controls.h'] + ['src/app/app_controls.h']
names = set()
for f in decl_files:
    names |= set(re.findall(r'ControlName(?:\s+\w+)?\{"([^"]+)"\}', open(f).read()))
bad = []
for f in sorted(glob.glob('src/**/*.cpp', recursive=True) + glob.glob('src/**/*.h', recursive=True)):
    if f in decl_files:
        continue
    for no, line in enumerate(open(f), 1):
        code = line.split('//')[0]
        if re.search(r'ControlName[{(]"', code):
            bad.append((f, no, line.strip()))
            continue
        for m in re.finditer(r'"((?:[^"\\]|\\.)*)"', code):
            if m.group(1) in names and 'ctl::' not in code[:m.start()]:
                bad.append((f, no, line.strip()))
                break
for f, no, line in bad:
    print(f'{f}:{no}: control named by a string literal: {line}')
print(f'{len(bad)} string literal(s) naming controls outside the declarations')
sys.exit(1 if bad else 0)
PY
