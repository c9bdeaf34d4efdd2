# Gold title lettering and the menu button plates, shared by the SVGs and the intro movie.
from lot import *
from letters import word

GOLD = [(0, '#FFE77A'), (0.45, '#FFD23F'), (1, '#FF9F1C')]
TITLE_OUT = '#2A0718'
SHADOW = '#5E0B30'


def letter_groups(d, top, s, sw, ol, shadow=True, gloss=True, tr=None, fill=None, out=TITLE_OUT, nm='letter'):
    """One letter: drop shadow, dark outline, gold stroke, gloss line. All from the same centre line."""
    cap, join = 2, 2
    items = []
    if shadow:
        items.append(G([P(d)], stroke=(SHADOW, sw + 2 * ol, cap, join), tr={'p': [0, max(2, s * 0.45)]}, nm='shadow'))
    items.append(G([P(d)], stroke=(out, sw + 2 * ol, cap, join), nm='outline'))
    items.append(G([P(d)], stroke=(fill or ('lin', GOLD, [0, top - sw / 2], [0, top + 8 * s + sw / 2]), sw, cap, join), nm='gold'))
    if gloss:
        items.append(G([P(d)], stroke=('#FFF7CC', sw * 0.28, cap, join), tr={'p': [0, -sw * 0.2], 'o': 70}, nm='gloss'))
    return G(items, tr=tr, nm=nm)


def band(x0, y0, x1, y1, slant):
    d = poly_d([(x0 + slant, y0), (x1, y0), (x1 - slant, y1), (x0, y1)])
    return G([
        G([P(d)], fill=('lin', [(0, '#FF4F7B'), (0.5, '#D81E6A'), (1, '#8E0F49')], [0, y0], [0, y1]),
          stroke=(TITLE_OUT, 2, 2, 2), nm='band'),
        G([P('M%s %s L%s %s' % (x0 + slant + 3, y0 + 4, x1 - 6, y0 + 4))], stroke=('#FF9AB5', 2, 2), tr={'o': 70}, nm='band shine'),
        G([P('M%s %s L%s %s' % (x0 + 6, y1 - 4, x1 - slant - 3, y1 - 4))], stroke=('#5E0B30', 2, 2), tr={'o': 80}, nm='band shade'),
    ], nm='band g')


def title_letters(cx, top, s, gap=2.9, sw_units=2.3, ol=3):
    """[(group, centre)] for VEXAROO."""
    sw = sw_units * s
    out = []
    for ch, d, c in word('VEXAROO', cx, top, s, gap):
        out.append((letter_groups(d, top, s, sw, ol, nm=ch), c))
    return out


def button(label_lines, lit):
    """A 110x50 yellow plate with magenta lettering; the lit one is brighter and outlines the letters in red."""
    plate_fill = ('lin', [(0, '#FFF3A6'), (0.5, '#FFE04F'), (1, '#FFB52E')] if lit else
                  [(0, '#FFE77A'), (0.5, '#FFD23F'), (1, '#EFA52A')], [0, 1], [0, 49])
    border = '#FF7A00' if lit else '#6B4F1D'
    items = [
        G([R(1, 1, 108, 48, 9)], fill=plate_fill, stroke=(border, 2), nm='plate'),
        G([R(4, 4, 102, 42, 6.5)], stroke=(('#FFFFFF', 100) if lit else ('#FFF6C8', 100), 1), tr={'o': 90 if lit else 60}, nm='bevel'),
    ]
    if lit:
        items.insert(1, G([R(2.5, 2.5, 105, 45, 7.8)], stroke=('#FFB000', 1.5), nm='glow'))
    # lettering: same size on every button; two lines for HIGH SCORES
    s = 1.45 if len(label_lines) == 1 else 1.22
    sw = 2.25 * s
    ol = 1.5 if lit else 1.25
    out = '#D40204' if lit else '#4A0A26'
    mag = ('lin', [(0, '#E8307A'), (1, '#A0104E')], None, None)
    n = len(label_lines)
    line_h = 8 * s
    lead = 5.6
    total = n * line_h + (n - 1) * lead
    top0 = 25 - total / 2
    for li, text in enumerate(label_lines):
        top = top0 + li * (line_h + lead)
        for ch, d, c in word(text, 55, top, s, 2.35):
            fill = ('lin', mag[1], [0, top - sw / 2], [0, top + line_h + sw / 2])
            items.append(letter_groups(d, top, s, sw, ol, shadow=False, gloss=False, fill=fill, out=out, nm=ch))
    return items
