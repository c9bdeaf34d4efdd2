# Tiny scene model with two back ends: Lottie JSON (for rlottie) and SVG.
import json, math, re

# ---------- animated values ----------
class Anim:
    """Keyframes: list of (t, value, ease) with ease in 'ease', 'lin', 'hold', 'in', 'out'."""
    def __init__(self, kfs):
        self.k = sorted(kfs, key=lambda k: k[0])
    def at(self, t):
        k = self.k
        if t <= k[0][0]: return k[0][1]
        for i in range(len(k) - 1):
            t0, v0, e = k[i]; t1, v1, _ = k[i + 1]
            if t0 <= t < t1:
                u = (t - t0) / (t1 - t0)
                if e == 'hold': u = 0
                else: u = bez_ease(EASE[e], u)
                return lerp(v0, v1, u)
        return k[-1][1]

EASE = {'lin': (0.0, 0.0, 1.0, 1.0), 'ease': (0.42, 0.0, 0.58, 1.0),
        'in': (0.42, 0.0, 1.0, 1.0), 'out': (0.0, 0.0, 0.58, 1.0), 'back': (0.3, 0.0, 0.4, 1.35)}

def bez_ease(c, u):
    x1, y1, x2, y2 = c
    lo, hi = 0.0, 1.0
    for _ in range(40):
        m = (lo + hi) / 2
        x = 3 * (1 - m) ** 2 * m * x1 + 3 * (1 - m) * m * m * x2 + m ** 3
        if x < u: lo = m
        else: hi = m
    m = (lo + hi) / 2
    return 3 * (1 - m) ** 2 * m * y1 + 3 * (1 - m) * m * m * y2 + m ** 3

def lerp(a, b, u):
    if isinstance(a, (list, tuple)): return [x + (y - x) * u for x, y in zip(a, b)]
    return a + (b - a) * u

def val(v, t):
    return v.at(t) if isinstance(v, Anim) else v

def cycle(t0, t1, period, kfs):
    """Repeat cycle keyframes kfs [(dt, v, ease)] (dt in [0, period], first == last) over [t0, t1]."""
    out = []
    n = 0
    while t0 + n * period < t1 + 1e-9:
        for dt, v, e in kfs:
            t = t0 + n * period + dt
            if t > t1 + 1e-9: break
            if out and abs(out[-1][0] - t) < 1e-9: out[-1] = (t, v, e); continue
            out.append((t, v, e))
        n += 1
    return Anim(out)

# ---------- shapes ----------
def E(cx, cy, w, h): return {'t': 'el', 'p': [cx, cy], 's': [w, h]}
def R(x, y, w, h, r=0): return {'t': 'rc', 'x': x, 'y': y, 'w': w, 'h': h, 'r': r}
def P(d): return {'t': 'sh', 'd': d}

def star_d(cx, cy, n, ro, ri, rot=0.0):
    pts = []
    for k in range(2 * n):
        a = math.radians(-90 + rot + k * 180.0 / n)
        r = ro if k % 2 == 0 else ri
        pts.append((cx + r * math.cos(a), cy + r * math.sin(a)))
    return 'M' + ' L'.join('%.2f %.2f' % p for p in pts) + ' Z'

def poly_d(pts, close=True):
    return 'M' + ' L'.join('%.2f %.2f' % tuple(p) for p in pts) + (' Z' if close else '')

def G(items, fill=None, stroke=None, tr=None, nm='', rule=1):
    """Group. items: shapes or sub-groups (painter's order: first is drawn first).
    fill: '#hex' | ('#hex', opacity) | ('lin'|'rad', stops, start, end)
    stroke: (paint, width[, cap, join])  paint like fill."""
    return {'t': 'gr', 'items': items, 'fill': fill, 'stroke': stroke, 'tr': tr or {}, 'nm': nm, 'rule': rule}

def hexc(h):
    h = h.lstrip('#')
    return [int(h[i:i + 2], 16) / 255.0 for i in (0, 2, 4)]

# ---------- path parsing ----------
def parse_path(d):
    """Return list of contours: (verts, ins, outs, closed) with absolute coordinates."""
    toks = re.findall(r'[MLCQZHV]|-?\d*\.?\d+(?:e-?\d+)?', d)
    i = 0
    contours = []
    cur = None
    pos = (0, 0)
    def num():
        nonlocal i
        v = float(toks[i]); i += 1; return v
    cmd = None
    while i < len(toks):
        if re.match(r'[MLCQZHV]', toks[i]):
            cmd = toks[i]; i += 1
        if cmd == 'M':
            if cur: contours.append(cur)
            pos = (num(), num())
            cur = [[pos], [(0, 0)], [(0, 0)], False]
            cmd = 'L'
        elif cmd == 'L' or cmd == 'H' or cmd == 'V':
            if cmd == 'H': pos = (num(), pos[1])
            elif cmd == 'V': pos = (pos[0], num())
            else: pos = (num(), num())
            cur[0].append(pos); cur[1].append((0, 0)); cur[2].append((0, 0))
        elif cmd == 'C':
            c1 = (num(), num()); c2 = (num(), num()); p = (num(), num())
            cur[2][-1] = (c1[0] - pos[0], c1[1] - pos[1])
            cur[0].append(p); cur[1].append((c2[0] - p[0], c2[1] - p[1])); cur[2].append((0, 0))
            pos = p
        elif cmd == 'Q':
            q = (num(), num()); p = (num(), num())
            c1 = (pos[0] + 2 / 3 * (q[0] - pos[0]), pos[1] + 2 / 3 * (q[1] - pos[1]))
            c2 = (p[0] + 2 / 3 * (q[0] - p[0]), p[1] + 2 / 3 * (q[1] - p[1]))
            cur[2][-1] = (c1[0] - pos[0], c1[1] - pos[1])
            cur[0].append(p); cur[1].append((c2[0] - p[0], c2[1] - p[1])); cur[2].append((0, 0))
            pos = p
        elif cmd == 'Z':
            cur[3] = True
            v = cur[0]
            if len(v) > 1 and abs(v[-1][0] - v[0][0]) < 1e-6 and abs(v[-1][1] - v[0][1]) < 1e-6:
                cur[1][0] = cur[1][-1]
                v.pop(); cur[1].pop(); cur[2].pop()
            pos = cur[0][0]
            contours.append(cur); cur = None
            cmd = None
    if cur: contours.append(cur)
    return contours

# ---------- Lottie back end ----------
def r3(x):
    if isinstance(x, (list, tuple)): return [r3(y) for y in x]
    if isinstance(x, float):
        y = round(x, 3)
        return int(y) if y == int(y) else y
    return x

def lprop(v, conv=lambda x: x):
    if isinstance(v, Anim):
        out = []
        for i, (t, x, e) in enumerate(v.k):
            kf = {'t': r3(t), 's': r3(as_list(conv(x)))}
            if i < len(v.k) - 1:
                kf['e'] = r3(as_list(conv(v.k[i + 1][1])))
                if e == 'hold':
                    kf['h'] = 1
                else:
                    x1, y1, x2, y2 = EASE[e]
                    kf['o'] = {'x': [x1], 'y': [y1]}
                    kf['i'] = {'x': [x2], 'y': [y2]}
            out.append(kf)
        return {'a': 1, 'k': out}
    return {'a': 0, 'k': r3(conv(v))}

def as_list(x):
    return list(x) if isinstance(x, (list, tuple)) else [x]

def l_paint(paint, kind, width=None, cap=2, join=2):
    op = 100
    if isinstance(paint, tuple) and paint[0] in ('lin', 'rad'):
        _, stops, s, e = paint
        flat = []
        for off, c in stops:
            flat += [off] + hexc(c)
        alphas = []
        if any(len(st) > 2 for st in stops):
            pass
        d = {'ty': 'gf' if kind == 'fl' else 'gs', 'o': lprop(100), 's': lprop(s), 'e': lprop(e),
             't': 1 if paint[0] == 'lin' else 2, 'g': {'p': len(stops), 'k': lprop(r3(flat))}}
        if paint[0] == 'rad':
            d['h'] = lprop(0); d['a'] = lprop(0)
    else:
        if isinstance(paint, tuple): paint, op = paint
        d = {'ty': kind, 'c': lprop(hexc(paint) + [1]), 'o': lprop(op)}
    if kind == 'fl':
        d['r'] = 1
    else:
        d['w'] = lprop(width); d['lc'] = cap; d['lj'] = join; d['ml'] = 4
    return d

def l_tr(tr):
    return {'ty': 'tr', 'p': lprop(tr.get('p', [0, 0])), 'a': lprop(tr.get('a', [0, 0])),
            's': lprop(tr.get('s', [100, 100]), lambda v: [v, v] if not isinstance(v, (list, tuple)) else v),
            'r': lprop(tr.get('r', 0)), 'o': lprop(tr.get('o', 100)),
            'sk': lprop(0), 'sa': lprop(0)}

def l_shape(s):
    if s['t'] == 'el':
        return [{'ty': 'el', 'd': 1, 'p': lprop(s['p']), 's': lprop(s['s'])}]
    if s['t'] == 'rc':
        return [{'ty': 'rc', 'd': 1, 'p': lprop([s['x'] + s['w'] / 2, s['y'] + s['h'] / 2]),
                 's': lprop([s['w'], s['h']]), 'r': lprop(s['r'])}]
    if s['t'] == 'sh':
        out = []
        for v, ins, outs, closed in parse_path(s['d']):
            out.append({'ty': 'sh', 'ks': {'a': 0, 'k': {'c': closed, 'v': r3(v), 'i': r3(ins), 'o': r3(outs)}}})
        return out
    raise ValueError(s)

def l_group(g):
    it = []
    for child in reversed(g['items']):
        if child['t'] == 'gr': it.append(l_group(child))
    shapes = [s for s in g['items'] if s['t'] != 'gr']
    for s in shapes: it += l_shape(s)
    if shapes:
        if g['stroke']:
            st = g['stroke']
            it.append(l_paint(st[0], 'st', st[1], *(st[2:] if len(st) > 2 else [])))
        if g['fill']:
            f = l_paint(g['fill'], 'fl')
            f['r'] = g['rule']
            it.append(f)
    it.append(l_tr(g['tr']))
    return {'ty': 'gr', 'nm': g['nm'] or 'g', 'it': it}

def layer(content, ip, op, ind, nm='', ks=None, parent=None, ty=4):
    return {'content': content, 'ip': ip, 'op': op, 'ind': ind, 'nm': nm, 'ks': ks or {}, 'parent': parent, 'ty': ty}

def l_layer(L):
    ks = L['ks']
    tr = l_tr(ks)
    d = {'ddd': 0, 'ind': L['ind'], 'ty': L['ty'], 'nm': L['nm'] or 'layer', 'sr': 1,
         'ks': {'o': tr['o'], 'r': tr['r'], 'p': lprop(as3(ks.get('p', [0, 0]))),
                'a': lprop(as3(ks.get('a', [0, 0]))), 's': lprop(as3s(ks.get('s', [100, 100])))},
         'ao': 0, 'ip': L['ip'], 'op': L['op'], 'st': 0, 'bm': 0}
    if L['ty'] == 4:
        d['shapes'] = [l_group(L['content'])]
    if L['parent'] is not None: d['parent'] = L['parent']
    return d

def as3(v):
    if isinstance(v, Anim): return Anim([(t, list(x) + [0], e) for t, x, e in v.k])
    return list(v) + [0]

def as3s(v):
    if isinstance(v, Anim): return Anim([(t, (list(x) if isinstance(x, (list, tuple)) else [x, x]) + [100], e) for t, x, e in v.k])
    return (list(v) if isinstance(v, (list, tuple)) else [v, v]) + [100]

def lottie(nm, w, h, fr, op, layers, markers=()):
    # Lottie lists the top layer first; our list is painter's order.
    doc = {'v': '5.7.4', 'fr': fr, 'ip': 0, 'op': op, 'w': w, 'h': h, 'nm': nm, 'ddd': 0, 'assets': [],
           'layers': [l_layer(L) for L in reversed(layers)],
           'markers': [{'cm': n, 'tm': t, 'dr': d} for n, t, d in markers]}
    return json.dumps(doc, separators=(',', ':'))

# ---------- SVG back end (static, at time t) ----------
class SvgCtx:
    def __init__(self): self.defs = []; self.n = 0

def fmt(x):
    s = '%.2f' % x
    s = s.rstrip('0').rstrip('.')
    return '0' if s == '-0' else s

def s_paint(ctx, paint):
    if isinstance(paint, tuple) and paint[0] in ('lin', 'rad'):
        kind, stops, s, e = paint
        ctx.n += 1
        gid = 'g%d' % ctx.n
        st = ''.join('<stop offset="%s" stop-color="%s"/>' % (fmt(o), c) for o, c in stops)
        if kind == 'lin':
            ctx.defs.append('<linearGradient id="%s" gradientUnits="userSpaceOnUse" x1="%s" y1="%s" x2="%s" y2="%s">%s</linearGradient>'
                            % (gid, fmt(s[0]), fmt(s[1]), fmt(e[0]), fmt(e[1]), st))
        else:
            r = math.hypot(e[0] - s[0], e[1] - s[1])
            ctx.defs.append('<radialGradient id="%s" gradientUnits="userSpaceOnUse" cx="%s" cy="%s" r="%s">%s</radialGradient>'
                            % (gid, fmt(s[0]), fmt(s[1]), fmt(r), st))
        return 'url(#%s)' % gid, None
    if isinstance(paint, tuple): return paint[0], paint[1]
    return paint, None

def s_shape(s):
    if s['t'] == 'el':
        cx, cy = s['p']; w, h = s['s']
        return '<ellipse cx="%s" cy="%s" rx="%s" ry="%s"/>' % (fmt(cx), fmt(cy), fmt(w / 2), fmt(h / 2))
    if s['t'] == 'rc':
        r = min(s['r'], s['w'] / 2, s['h'] / 2)
        rr = ' rx="%s"' % fmt(r) if r else ''
        return '<rect x="%s" y="%s" width="%s" height="%s"%s/>' % (fmt(s['x']), fmt(s['y']), fmt(s['w']), fmt(s['h']), rr)
    if s['t'] == 'sh':
        return '<path d="%s"/>' % svg_d(s['d'])
    raise ValueError(s)

def svg_d(d):
    out = []
    for v, ins, outs, closed in parse_path(d):
        out.append('M%s %s' % (fmt(v[0][0]), fmt(v[0][1])))
        n = len(v)
        segs = n if closed else n - 1
        for k in range(segs):
            a = v[k]; b = v[(k + 1) % n]; o = outs[k]; i = ins[(k + 1) % n]
            if o == (0, 0) and i == (0, 0):
                out.append('L%s %s' % (fmt(b[0]), fmt(b[1])))
            else:
                out.append('C%s %s %s %s %s %s' % (fmt(a[0] + o[0]), fmt(a[1] + o[1]), fmt(b[0] + i[0]), fmt(b[1] + i[1]), fmt(b[0]), fmt(b[1])))
        if closed: out.append('Z')
    return ''.join(out)

CAPS = {1: 'butt', 2: 'round', 3: 'square'}
JOINS = {1: 'miter', 2: 'round', 3: 'bevel'}

def s_group(ctx, g, t, ind=''):
    tr = g['tr']
    attrs = []
    p = val(tr.get('p', [0, 0]), t); a = val(tr.get('a', [0, 0]), t)
    s = val(tr.get('s', [100, 100]), t); r = val(tr.get('r', 0), t); o = val(tr.get('o', 100), t)
    if not isinstance(s, (list, tuple)): s = [s, s]
    tf = []
    if p != [0, 0] and list(p) != [0, 0]: tf.append('translate(%s %s)' % (fmt(p[0]), fmt(p[1])))
    if r: tf.append('rotate(%s)' % fmt(r))
    if list(s) != [100, 100]: tf.append('scale(%s %s)' % (fmt(s[0] / 100), fmt(s[1] / 100)))
    if list(a) != [0, 0]: tf.append('translate(%s %s)' % (fmt(-a[0]), fmt(-a[1])))
    if tf: attrs.append('transform="%s"' % ' '.join(tf))
    if o < 100: attrs.append('opacity="%s"' % fmt(o / 100))
    shapes = [c for c in g['items'] if c['t'] != 'gr']
    if shapes:
        if g['fill']:
            c, op = s_paint(ctx, g['fill'])
            attrs.append('fill="%s"' % c)
            if op is not None and op < 100: attrs.append('fill-opacity="%s"' % fmt(op / 100))
            if g['rule'] == 2: attrs.append('fill-rule="evenodd"')
        else:
            attrs.append('fill="none"')
        if g['stroke']:
            st = g['stroke']
            c, op = s_paint(ctx, st[0])
            cap = st[2] if len(st) > 2 else 2; join = st[3] if len(st) > 3 else 2
            attrs.append('stroke="%s" stroke-width="%s" stroke-linecap="%s" stroke-linejoin="%s"' % (c, fmt(st[1]), CAPS[cap], JOINS[join]))
            if op is not None and op < 100: attrs.append('stroke-opacity="%s"' % fmt(op / 100))
    out = ['%s<g%s>' % (ind, (' ' + ' '.join(attrs)) if attrs else '')]
    for c in g['items']:
        if c['t'] == 'gr':
            out.append(s_group(ctx, c, t, ind + ' '))
        else:
            out.append(ind + ' ' + s_shape(c))
    out.append(ind + '</g>')
    return '\n'.join(out)

def svg(w, h, groups, t=0, comment=None, vb=None, extra_root=''):
    ctx = SvgCtx()
    body = '\n'.join(s_group(ctx, g, t) for g in groups)
    vb = vb or (0, 0, w, h)
    head = '<svg xmlns="http://www.w3.org/2000/svg" width="%s" height="%s" viewBox="%s"%s>\n' % (
        fmt(w), fmt(h), ' '.join(fmt(x) for x in vb), extra_root)
    com = '<!-- %s -->\n' % comment if comment else ''
    defs = '<defs>\n%s\n</defs>\n' % '\n'.join(ctx.defs) if ctx.defs else ''
    return head + com + defs + body + '\n</svg>\n'
