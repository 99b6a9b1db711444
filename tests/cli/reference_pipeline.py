#!/usr/bin/env python3
"""Independent reference for the command-line pipeline test.

Works the pipeline "--correct-bad-points --search-bad-points --select all
--field-source --depth" out from the processing rules, written separately from
the C++ code, with single precision emulated through struct. Prints the rows
the test checks. Run: tests/cli/reference_pipeline.py examples/line1.dat
"""
import math
import struct
import sys


def f32(x):
    return struct.unpack('f', struct.pack('f', x))[0]


def groups(rows):
    out, start = [], 0
    for i in range(1, len(rows) + 1):
        if i == len(rows) or int(rows[i][0]) != int(rows[start][0]):
            out.append((start, i))
            start = i
    return out


def clip(values, factor):
    n = len(values)
    tenth = f32(n * 0.1)
    t = int(tenth) + (1 if tenth - int(tenth) >= 0.5 else 0)
    s = sorted(values, reverse=True)
    total = 0.0
    for v in s[t:n - t]:
        total = f32(total + v)
    base = f32(f32(total / (n - 2 * t)) * factor)
    limit = base
    order = sorted(range(n), key=lambda i: values[i])
    out = list(values)
    for i in order:
        v = out[i]
        if v > limit:
            out[i] = limit
            limit = f32(limit * 1.2)
        elif base < v < limit:
            limit = f32(limit * 1.2)
    return out


def main(path):
    lines = [l.strip() for l in open(path, 'rb').read().decode('latin-1').split('\n') if l.strip()]
    header = lines[0].split()
    rows = [l.split() for l in lines[1:]]
    freq = [i for i, h in enumerate(header) if 'HZ' in h]

    # correction, k = 3
    for gi, (a, b) in enumerate(groups(rows)):
        stats = {}
        for c in freq:
            total, low = 0.0, (9000.0 if gi == 0 else 900000.0)
            for r in range(a, b):
                v = f32(float(rows[r][c]))
                total = f32(total + v)
                if 0.00001 < v < low:
                    low = f32(v)
            stats[c] = (f32(total / (b - a)), low)
        for r in range(a, b):
            for c in freq:
                v = f32(float(rows[r][c]))
                m, low = stats[c]
                mk = f32(m * 3.0)
                if abs(f32(v - m)) > mk:
                    bound = f32(m + mk) - 0.0001 if f32(v - m) > 0 else f32(m - mk) + 0.0001
                    rows[r][c] = '%0.4f' % bound
                elif abs(v) < 0.0001:
                    rows[r][c] = '%0.4f' % low

    # search: clip the first 200 readings of each group, rewrite with %f
    for c in freq:
        for a, b in groups(rows):
            b = min(b, a + 200)
            vals = [f32(float(rows[r][c])) for r in range(a, b)]
            if len(vals) > 6:
                vals = clip(vals, 3.0)
            for r, v in zip(range(a, b), vals):
                rows[r][c] = '%f' % v

    # field source on all rows
    proc = [list(r) for r in rows]
    top = 0.0
    for a, b in groups(proc):
        a = max(a, b - 200)
        matrix = {}
        for c in freq:
            vals = [f32(float(proc[r][c])) for r in range(a, b)]
            if len(vals) > 6:
                vals = clip(vals, 3.0)
            matrix[c] = vals
            for v in vals:
                if v > top:
                    top = v
        target = top if top >= 1.0 else f32(top + 1.0)
        for c in freq:
            vals = matrix[c]
            m = 0.0
            for v in vals:
                if v > m:
                    m = v
            for r, v in zip(range(a, b), vals):
                proc[r][c] = '%0.4f' % (f32(target * f32(v / m)) if m > 0 else v)

    # depth
    depth = []
    for a, b in groups(proc):
        for c in freq:
            fr = f32(float(header[c][:header[c].index('HZ')]))
            s = f32(math.sqrt(f32(f32(20.0) / fr)))
            h = int(0 - f32(0.7) * (s * 503.5))
            for r in range(a, b):
                depth.append([proc[r][0], proc[r][1], str(h), proc[r][c]])

    print('depth rows', len(depth))
    for i in (0, 1, 59, 60, 61 * 20 - 1, len(depth) - 1):
        print(i, depth[i])
    for r, c in ((54, 21), (62, 6), (111, 16)):
        print('origin', r, c, rows[r][c])


main(sys.argv[1])
