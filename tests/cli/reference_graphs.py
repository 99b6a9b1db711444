#!/usr/bin/env python3
"""Independent reference for the command line's graph data.

Works out, from the data file alone, what "--select all --depth" followed by
"--graph-data vertical|plane|circular" must print for a few curves and charts:
the heights from the skin-depth rule, the float mean, the shaded regions and
the circular labels. Single precision is emulated through struct; the code is
written apart from the C++ graphs. Run:
    tests/cli/reference_graphs.py examples/line1.dat
"""
import math
import struct
import sys


def f32(x):
    return struct.unpack('f', struct.pack('f', x))[0]


def shortest(v):
    """The shortest decimal text that reads back to the float v."""
    if v != v or v in (float('inf'), float('-inf')):
        return 'null'
    for digits in range(1, 10):
        text = '%.*g' % (digits, v)
        if f32(float(text)) == v:
            return '%d' % v if v.is_integer() and abs(v) < 1e9 else text
    raise ValueError(v)


def shade(xs, ys, factor):
    """Mean and regions of one curve; every operation rounded to float."""
    xs = [f32(v) for v in xs]
    ys = [f32(v) for v in ys]
    factor = f32(factor)
    total = 0.0
    for v in ys:
        total = f32(total + v)
    n = len(ys)
    mean = f32(total / n)
    dev = f32(mean * factor)
    high, low = f32(mean + dev), f32(mean - dev)

    def cross(k, level):
        rise = f32(f32(xs[k] - xs[k - 1]) * f32(level - ys[k - 1]))
        return f32(xs[k - 1] + f32(rise / f32(ys[k] - ys[k - 1])))

    regions, up, down = [], None, None
    for k in range(n):
        last = k == n - 1
        if f32(ys[k] - mean) > dev:
            if up is None:
                up = 0.0 if k == 0 else cross(k, high)
            if last:
                regions.append(('high', high, up, xs[k]))
                up = None
        elif up is not None:
            regions.append(('high', high, up, cross(k, high)))
            up = None
        if f32(mean - ys[k]) > dev:
            if down is None:
                down = 0.0 if k == 0 else cross(k, low)
            if last:
                regions.append(('low-last', low, down, xs[k]))
                down = None
        elif down is not None:
            regions.append(('low', low, down, cross(k, low)))
            down = None
    return mean, regions


def describe(mean, regions):
    parts = ['mean ' + shortest(mean)]
    for kind, level, a, b in regions:
        parts.append('%s %s %s %s' % (kind, shortest(level), shortest(a), shortest(b)))
    return ' | '.join(parts)


def main(path):
    text = open(path, 'rb').read().decode('latin-1')
    lines = [l.replace(',', ' ').split() for l in text.splitlines() if l.strip()]
    header, rows = [h.upper() for h in lines[0]], lines[1:]
    freq = [i for i, h in enumerate(header) if 'HZ' in h]
    first_file = rows[0][0]
    file_rows = [r for r in rows if r[0] == first_file]

    print('vertical: File%s Vertical Profile Graph, %d curves of %d points'
          % (first_file, len(freq), len(file_rows)))
    for n, c in enumerate(freq):
        f = f32(float(header[c][:header[c].index('HZ')]))
        root = f32(math.sqrt(f32(f32(20.0) / f)))
        height = int(0 - f32(0.7) * (root * 503.5))
        mean, regions = shade([float(r[1]) for r in file_rows], [float(r[c]) for r in file_rows], 0.3)
        print('  curve %d height %d: %s' % (n, height, describe(mean, regions)))

    groups = []
    for r in rows:
        if not groups or groups[-1][0][0] != r[0]:
            groups.append([])
        groups[-1].append(r)
    for title in dict.fromkeys([header[freq[0]], '1000HZ']):
        if title not in header:
            continue
        c = header.index(title)
        print('plane %s: %d curves' % (title, len(groups)))
        for n, g in enumerate(groups):
            mean, regions = shade([float(r[1]) for r in g], [float(r[c]) for r in g], 0.3)
            print('  curve %d: %s' % (n, describe(mean, regions)))

    print('circular: File%s circular Graph' % rows[0][0])
    for n, c in enumerate(freq):
        v = [f32(float(rows[i][c])) for i in range(4)]
        hz = float(header[c][:header[c].index('HZ')])
        ratio = '--' if min(v) == 0 else '%.2f' % f32(max(v) / min(v))
        print('  chart %d at (%d, %d): %s label %.1fHz\\nβ=%s'
              % (n, n % 3 * 336, n // 3 * 336, ','.join(shortest(x) for x in v), hz, ratio))
    count = len(freq)
    print('  scroll [1008, %d]' % ((count + 2) // 3 * 336 + 1))


main(sys.argv[1])
