#!/usr/bin/env python3
"""Writes the fuzzers' seed corpus: small valid move files, setup files and
text exports, built from the file layouts independently of the program."""
import os
import struct
import sys

HERE = os.path.dirname(os.path.abspath(__file__))


def move_file(frames, keyframes, shape):
    """keyframes: list of (frame, [posA..posE]); shape(f, axis) gives movepos."""
    out = struct.pack('<hhh', frames, 2, len(keyframes) + 1)
    for axis in range(5):
        rows_f = [kf[0] for kf in keyframes] + [0] * (frames - len(keyframes))
        rows_p = [kf[1][axis] for kf in keyframes] + [0] * (frames - len(keyframes))
        out += struct.pack('<%di' % frames, *rows_f)
        out += struct.pack('<%di' % frames, *rows_p)
    for axis in range(5):
        out += struct.pack('<%dd' % frames, *[shape(f, axis) for f in range(1, frames + 1)])
    return out


def setup_file(names, acc, speed, fspeed, mins, maxs):
    out = b' ' * 8
    for n in names:
        out += n.encode('latin-1')[:8].ljust(8, b' ')
    out += struct.pack('<8h', *acc) + struct.pack('<8h', *speed) + struct.pack('<8h', *fspeed)
    out += struct.pack('<8i', *mins) + struct.pack('<8i', *maxs)
    assert len(out) == 184
    return out


def export(rows):
    cols = [7, 18, 30, 42, 54]
    lines = ['Axes = , Tilt, Track, Focus, Lens2']
    for row in rows:
        line = ''
        for a, v in enumerate(row):
            text = ('%d ' % v) if a == 0 or v < 0 else (' %d ' % v)
            line = line.ljust(cols[a] - 1) + text
        lines.append(line)
    return ('\r\n'.join(lines) + '\r\n').encode()


def write(target, name, data):
    folder = os.path.join(HERE, 'corpus', target)
    os.makedirs(folder, exist_ok=True)
    with open(os.path.join(folder, name), 'wb') as f:
        f.write(data)


def main():
    write('fuzz_move_file', 'one_frame', move_file(1, [], lambda f, a: 0.0))
    write('fuzz_move_file', 'three_keyframes',
          move_file(12, [(1, [0, 0, 0, 0, 0]), (6, [10, 20, 30, 40, 50]), (12, [-5, 7, 0, 1000, -250])],
                    lambda f, a: f * (a + 1) * 0.5))
    write('fuzz_move_file', 'bezier_like', move_file(40, [(1, [1, 2, 3, 4, 5]), (40, [9, 8, 7, 6, 5])],
                                                     lambda f, a: (f / 40.0) ** 3 * 1000 - a))
    write('fuzz_move_file', 'longer_file', move_file(5, [(3, [1, 1, 1, 1, 1])], lambda f, a: f) + b'\x07' * 33)
    defaults = ([''] + ['Tilt', 'Track', 'Focus', 'Lens2', 'Spare1', 'Spare2', 'Spare3'],
                list(range(10, 18)), list(range(101, 109)), [0] * 8, [-50000] * 8, [50000] * 8)
    write('fuzz_setup_file', 'defaults', setup_file(*defaults))
    write('fuzz_setup_file', 'edited', setup_file(['Pan', 'Tilt', 'Track-long', 'F\xf6cus', 'L', '', 'x', 'yz'],
                                                  [1, -2, 3, 32767, -32768, 0, 9, 8],
                                                  [250, 1, 2, 3, 4, 5, 6, 7], [20, 30, 40, 50, 60, 70, 80, 90],
                                                  [-8388608, -1, 0, -50000, -7, -8, -9, -10],
                                                  [8388607, 1, 2, 50000, 7, 8, 9, 10]))
    write('fuzz_setup_file', 'with_tail', setup_file(*defaults) + b'tail bytes')
    write('fuzz_text_import', 'worked_line', export([[12, 14, 0, 1000, -250]]))
    write('fuzz_text_import', 'ramp', export([[f, -f, 2 * f, 0, 100000 - f] for f in range(1, 30)]))
    return 0


if __name__ == '__main__':
    sys.exit(main())
