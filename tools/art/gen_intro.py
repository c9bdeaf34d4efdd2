# Writes anim/intro: title drops in, Gorvan flies in and shoots two hazards, the title is held.
import sys, os, math, random, re
from lot import *
from chars import *
from titles import *
OUTDIR = sys.argv[1]
os.makedirs(OUTDIR, exist_ok=True)

FPS, END = 24, 144
# The intro plays in a window of the menu's inner size, which the menu's header names.
with open(os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', '..', 'frontend', 'frmMain.h')) as header:
    CW, CH = map(int, re.search(r'designSize\{(\d+), (\d+)\}', header.read()).groups())
layers = []
def add(content, ip, op, nm):
    layers.append(layer(content, ip, op, len(layers) + 1, nm))

# ---- twinkling stars (still from frame 120 on) ----
rnd = random.Random(7)
stars = []
for i in range(46):
    x, y = rnd.uniform(6, CW - 6), rnd.uniform(6, CH - 6)
    if 28 < y < 100: y += 80 if rnd.random() < 0.5 else -22
    r = rnd.choice([1.2, 1.5, 1.5, 2, 2.6])
    col = rnd.choice(['#FFFFFF', '#FFFFFF', '#C9B3FF', '#FFD23F', '#8EEBD3'])
    ph = rnd.randrange(0, 24)
    lo = rnd.uniform(15, 45)
    kf = [(0, 0, 'ease'), (4 + ph % 6, 100, 'ease')]
    t = 4 + ph % 6
    while t + 12 < 120:
        kf += [(t + 6, lo, 'ease'), (t + 12, 100, 'ease')]
        t += 12
    stars.append(G([E(x, y, r, r)], fill=col, tr={'o': Anim(kf)}, nm='star'))
add(G(stars, nm='stars'), 0, END, 'stars')

# ---- title band and letters ----
TOP = 33.5
bnd = band(17, 40, 505, 90, 12)
bnd['tr'] = {'p': [261, 65], 'a': [261, 65], 's': Anim([(0, [0, 100], 'out'), (10, [100, 100], 'lin')]),
             'o': Anim([(0, 0, 'lin'), (3, 100, 'lin')])}
add(bnd, 0, END, 'band')

letters = []
for i, (g, c) in enumerate(title_letters(261, TOP, 7.5)):
    t0 = 6 + 4 * i
    t1 = t0 + 12
    w0 = 100 + 3 * i
    pos = Anim([(t0, [c[0], c[1] - 150], 'out'), (t1, [c[0], c[1] + 6], 'ease'), (t1 + 4, list(c), 'hold'),
                (w0, list(c), 'ease'), (w0 + 5, [c[0], c[1] - 10], 'ease'), (w0 + 11, list(c), 'lin')])
    scl = Anim([(t0, 40, 'out'), (t1, [104, 94], 'ease'), (t1 + 4, 100, 'hold'),
                (w0, 100, 'ease'), (w0 + 5, 110, 'ease'), (w0 + 11, 100, 'lin')])
    rot = Anim([(t0, -35 if i % 2 else 35, 'out'), (t1, 0, 'lin')])
    op = Anim([(t0, 0, 'lin'), (t0 + 3, 100, 'lin')])
    letters.append(G([g], tr={'p': pos, 'a': list(c), 's': scl, 'r': rot, 'o': op}, nm='letter'))
add(G(letters, nm='title'), 6, END, 'title')

# ---- Gorvan ----
GS = 1.15
home = [64, 186]
gpos = Anim([(26, [-110, 214], 'out'), (50, home, 'lin')])
MUZ = (home[0] + 68 * GS, home[1] + 65 * GS)
def gv_layer(mode, t0, t1, cyc_end):
    return G([gorvan(mode, t0, cyc_end)], tr={'p': gpos, 's': [GS * 100, GS * 100]}, nm='gorvan%d' % mode)
add(gv_layer(1, 26, 104, 104), 26, 104, 'gorvan flying')
add(gv_layer(0, 104, END, 128), 104, END, 'gorvan at rest')

# ---- hazards, shots and bursts ----
TS = 1.0
BULLET_V = 30
def target_layer(kind, t_in, x_in, speed, hit, wobble):
    def pos(t): return [x_in - speed * (t - t_in), MUZ[1] + wobble * math.sin((t - t_in) / 5.0)]
    kf = [(t, pos(t), 'lin') for t in range(t_in, hit + 1, 2)] + [(hit, pos(hit), 'lin')]
    draw = mine(t_in, hit + 24) if kind == 0 else saw(t_in, hit + 24)
    add(G([draw], tr={'p': Anim(kf), 'a': [37, 37], 's': [TS * 100, TS * 100]}, nm='hazard'), t_in, hit, 'hazard')
    return pos

def find_hit(pos, fire, r):
    t = fire
    while MUZ[0] + 8 + BULLET_V * (t - fire) < pos(t)[0] - r:
        t += 1
    return t

def bullet_layer(fire, stop):
    x0 = MUZ[0] + 2
    d = G([G([R(0, -2, 10, 4, 2)], fill=ORANGE), G([R(3, -2, 7, 4, 2)], fill=HOT), G([R(7, -1.5, 3, 3, 1.5)], fill='#FFFFFF')],
          tr={'p': Anim([(fire, [x0, MUZ[1]], 'lin'), (stop, [x0 + BULLET_V * (stop - fire), MUZ[1]], 'lin')])}, nm='bullet')
    add(d, fire, stop, 'bullet')
    flash = G([P(star_d(0, 0, 6, 9, 3.5))], fill=HOT, stroke=(ORANGE, 1.5),
              tr={'p': [MUZ[0] + 3, MUZ[1]], 's': Anim([(fire, 60, 'lin'), (fire + 2, 120, 'lin')]), 'r': (fire * 17) % 60}, nm='flash')
    add(flash, fire, fire + 2, 'muzzle flash')

def burst(at, t, cols):
    c1, c2 = cols
    items = [
        G([E(0, 0, 64, 64)], stroke=(c1, 5), tr={'s': Anim([(t, 30, 'out'), (t + 12, 190, 'lin')]),
                                                 'o': Anim([(t, 100, 'lin'), (t + 12, 0, 'lin')])}, nm='ring'),
        G([E(0, 0, 56, 56)], fill=c2, tr={'s': Anim([(t, 40, 'out'), (t + 4, 120, 'lin'), (t + 8, 60, 'lin')]),
                                                 'o': Anim([(t, 100, 'lin'), (t + 4, 100, 'lin'), (t + 8, 0, 'lin')])}, nm='flash'),
        G([E(0, 0, 30, 30)], fill='#FFFFFF', tr={'s': Anim([(t, 60, 'out'), (t + 4, 110, 'lin'), (t + 7, 20, 'lin')]),
                                                 'o': Anim([(t, 100, 'lin'), (t + 5, 100, 'lin'), (t + 7, 0, 'lin')])}, nm='core'),
    ]
    for k in range(10):
        a = math.radians(k * 36 + 10)
        dist = 62 + 14 * (k % 3)
        shard = G([P('M0 -7 L4 0 L0 7 L-4 0 Z')], fill=c2 if k % 2 else c1, stroke=('#FFFFFF', 1.2),
                  tr={'p': Anim([(t, [8 * math.cos(a), 8 * math.sin(a)], 'out'), (t + 14, [dist * math.cos(a), dist * math.sin(a)], 'lin')]),
                      'r': Anim([(t, k * 30, 'lin'), (t + 14, k * 30 + 220, 'lin')]),
                      'o': Anim([(t, 100, 'lin'), (t + 9, 100, 'lin'), (t + 14, 0, 'lin')])}, nm='shard')
        items.append(shard)
    add(G(items, tr={'p': list(at)}, nm='burst'), t, t + 15, 'burst')

hits = []
for kind, t_in, x_in, speed, fires, wob, cols in ((0, 40, 560, 5, (58, 63, 68), 5, ('#FF3B5C', '#FFD23F')),
                                                   (1, 60, 585, 6, (82, 87, 92), 7, ('#8E5CFF', '#C9B3FF'))):
    pos = lambda t, t_in=t_in, x_in=x_in, speed=speed, wob=wob: [x_in - speed * (t - t_in), MUZ[1] + wob * math.sin((t - t_in) / 5.0)]
    hit = find_hit(pos, fires[0], 24)
    target_layer(kind, t_in, x_in, speed, hit, wob)
    bullet_layer(fires[0], hit)
    for f in fires[1:]:
        bullet_layer(f, f + int((CW + 20 - MUZ[0]) / BULLET_V) + 1)
    burst(pos(hit), hit, cols)
    hits.append(hit)


# ---- the prize: a banana pops up where the hazards were ----
BT = 97
ban = G(banana_groups(), tr={'p': Anim([(BT, [405, 330], 'out'), (BT + 9, [405, 244], 'ease'), (BT + 14, [405, 252], 'ease'), (BT + 18, [405, 250], 'lin')]),
                             'a': [10, 15.5], 's': Anim([(BT, 30, 'out'), (BT + 9, 340, 'ease'), (BT + 14, 300, 'ease'), (BT + 18, 310, 'lin')]),
                             'r': Anim([(BT, -40, 'out'), (BT + 9, 14, 'ease'), (BT + 14, 4, 'ease'), (BT + 20, 10, 'lin')]),
                             'o': Anim([(BT, 0, 'lin'), (BT + 3, 100, 'lin')])}, nm='banana')
add(ban, BT, END, 'banana')
sparkles = []
for k, (x, y, t, sz) in enumerate(((352, 196, BT + 8, 16), (462, 214, BT + 12, 12), (452, 300, BT + 16, 14), (358, 296, BT + 20, 10))):
    sparkles.append(G([P(star_d(0, 0, 4, sz, sz * 0.28))], fill='#FFF3B0', stroke=(ORANGE, 1.2),
                      tr={'p': [x, y], 's': Anim([(t, 0, 'out'), (t + 5, 110, 'ease'), (t + 10, 70, 'ease'), (min(t + 16, 128), 100, 'lin')]),
                          'r': Anim([(t, 0, 'lin'), (min(t + 16, 128), 45, 'lin')])}, nm='sparkle'))
add(G(sparkles, nm='sparkles'), BT + 8, END, 'sparkles')

open(os.path.join(OUTDIR, 'intro'), 'w').write(lottie('intro', CW, CH, FPS, END, layers))
print('hits at', hits, 'muzzle', MUZ)
