# A small rounded stroke alphabet (centre lines, cap height 8) so no font is needed.
import re
K = 0.5523

def oval(cx, cy, rx, ry):
    return ('M{a} {cy} C{a} {t1} {b1} {t} {cx} {t} C{b2} {t} {c} {t1} {c} {cy} C{c} {u1} {b2} {u} {cx} {u} '
            'C{b1} {u} {a} {u1} {a} {cy} Z').format(
        a=cx - rx, c=cx + rx, cx=cx, cy=cy, t=cy - ry, u=cy + ry, t1=cy - ry * K, u1=cy + ry * K,
        b1=cx - rx * K, b2=cx + rx * K)

FONT = {
    'V': (6, 'M0 0 L3 8 L6 0'),
    'E': (5, 'M5 0 L0 0 L0 8 L5 8 M0 4 L4 4'),
    'X': (6, 'M0 0 L6 8 M6 0 L0 8'),
    'A': (6.4, 'M0 8 L3.2 0 L6.4 8 M1.3 5 L5.1 5'),
    'R': (5.4, 'M0 8 L0 0 L2.8 0 C5.6 0 5.6 4.4 2.8 4.4 L0 4.4 M2.8 4.4 L5.4 8'),
    'O': (6.4, oval(3.2, 4, 3.2, 4)),
    'P': (5.2, 'M0 8 L0 0 L2.8 0 C5.6 0 5.6 4.6 2.8 4.6 L0 4.6'),
    'L': (4.6, 'M0 0 L0 8 L4.6 8'),
    'Y': (6, 'M0 0 L3 4.2 L6 0 M3 4.2 L3 8'),
    'S': (5.2, 'M5 1.2 C4.4 0.4 3.6 0 2.6 0 C1 0 0.1 0.9 0.1 2 C0.1 4.6 5.2 3.2 5.2 5.9 C5.2 7.2 4 8 2.6 8 C1.5 8 0.6 7.6 0 6.8'),
    'T': (6, 'M0 0 L6 0 M3 0 L3 8'),
    'I': (0, 'M0 0 L0 8'),
    'N': (5.6, 'M0 8 L0 0 L5.6 8 L5.6 0'),
    'G': (6.2, 'M6 1.4 C5.3 0.5 4.3 0 3.1 0 C1.2 0 0 1.8 0 4 C0 6.2 1.2 8 3.1 8 C4.9 8 6.2 6.9 6.2 5 L6.2 4.6 L3.6 4.6'),
    'H': (5.6, 'M0 0 L0 8 M5.6 0 L5.6 8 M0 4 L5.6 4'),
    'C': (6, 'M5.9 1.5 C5.2 0.5 4.2 0 3.1 0 C1.2 0 0 1.8 0 4 C0 6.2 1.2 8 3.1 8 C4.2 8 5.2 7.5 5.9 6.5'),
    # for the German and French buttons
    'U': (5.6, 'M0 0 L0 5.2 C0 7 1.2 8 2.8 8 C4.4 8 5.6 7 5.6 5.2 L5.6 0'),
    'J': (4.4, 'M4.4 0 L4.4 5.6 C4.4 7.2 3.4 8 2.2 8 C1 8 0.3 7.3 0 6.4'),
    'M': (7, 'M0 8 L0 0 L3.5 5.2 L7 0 L7 8'),
    'B': (5.4, 'M0 4 L2.6 4 C4.9 4 4.9 0 2.6 0 L0 0 L0 8 L3 8 C5.7 8 5.7 4 3 4 L2.6 4'),
    'D': (5.8, 'M0 0 L0 8 L2.4 8 C4.8 8 5.8 6.2 5.8 4 C5.8 1.8 4.8 0 2.4 0 Z'),
    'Q': (6.4, oval(3.2, 4, 3.2, 4) + ' M3.9 5.5 L6.4 8.2'),
    '\u00c9': (5, 'M5 0 L0 0 L0 8 L5 8 M0 4 L4 4 M2 -1.7 L3.6 -3.4'),
    '-': (3, 'M0 4.4 L3 4.4'),
}

def tf(d, s, tx, ty):
    toks = re.findall(r'[MLCQZHV]|-?\d*\.?\d+', d)
    out = []
    i = 0
    cmd = None
    xy = 0
    for t in toks:
        if t.isalpha():
            out.append(t); xy = 0; continue
        v = float(t)
        v = v * s + (tx if xy % 2 == 0 else ty)
        xy += 1
        out.append('%.2f' % v)
    return ' '.join(out)

def layout(text, gap):
    """Return [(char, x_offset, width)] in font units, and the total width (centre lines)."""
    x = 0; out = []
    for ch in text:
        if ch == ' ':
            x += 3; continue
        w, _ = FONT[ch]
        out.append((ch, x, w))
        x += w + gap
    return out, x - gap

def word(text, cx, top, s, gap):
    """Letters of text centred on cx, cap top at top, scale s: list of (char, path d, centre)."""
    items, total = layout(text, gap)
    x0 = cx - total * s / 2
    res = []
    for ch, x, w in items:
        d = tf(FONT[ch][1], s, x0 + x * s, top)
        res.append((ch, d, (x0 + (x + w / 2) * s, top + 4 * s)))
    return res
