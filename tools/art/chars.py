# Drawings of Gorvan and the two hazards, shared by the movies and the still pictures.
import math
from lot import *

OUT = '#0B1F1A'
TEAL, TEAL_D, TEAL_L = '#2FBF9F', '#1E8C74', '#8EEBD3'
ORANGE, ORANGE_L, ORANGE_D = '#FF9F1C', '#FFD08A', '#D9700B'
GUN_L, GUN_D = '#8A94A6', '#4A5263'
YEL, BROWN = '#FFD23F', '#6B4F1D'
HOT = '#FFF3B0'
W = 2  # outline width: one pixel at the game size (34x68 from 68x136)


def outlined_stroke(d, col, width, ow=W, cap=2, join=2, nm=''):
    """A thick stroke with a dark outline (outline drawn underneath)."""
    return G([G([P(d)], stroke=(OUT, width + 2 * ow, cap, join)),
              G([P(d)], stroke=(col, width, cap, join))], nm=nm)


def boot(x0, shade):
    body = ('M{a} 106 L{b} 106 Q{c} 106 {c} 109 L{c} 112 L{d} 113 Q{e} 114 {e} 117 L{e} 121 L{a} 121 Z'
            .format(a=x0, b=x0 + 11, c=x0 + 14, d=x0 + 17, e=x0 + 20))
    return G([
        G([P(body)], fill=shade, stroke=(OUT, W)),
        G([R(x0 + 2, 108, 9, 2.5, 1)], fill=GUN_L),            # shine
        G([R(x0 + 1.5, 120.5, 8, 3, 1)], fill=GUN_D, stroke=(OUT, W)),  # jet nozzle
    ], nm='boot')


def flame_down(cx, top, t_cycle=None, phase=0, big=1.0, period=24, t0=0, t1=24):
    """Jet flame under a boot; flickers by scaling from its root."""
    outer = 'M{l} {t} L{r} {t} Q{r2} {m} {cx} {b} Q{l2} {m} {l} {t} Z'.format(
        l=cx - 5.5, r=cx + 5.5, t=top, r2=cx + 5, l2=cx - 5, m=top + 6, cx=cx, b=top + 13)
    inner = 'M{l} {t} L{r} {t} Q{r2} {m} {cx} {b} Q{l2} {m} {l} {t} Z'.format(
        l=cx - 2.8, r=cx + 2.8, t=top, r2=cx + 2.5, l2=cx - 2.5, m=top + 4, cx=cx, b=top + 8.5)
    kf = []
    seq = [100, 72, 95, 80, 100, 68, 90, 78]
    n = len(seq)
    step = period / n
    for i in range(n + 1):
        v = seq[(i + phase) % n] * big
        kf.append((i * step, [100 - (100 - v) * 0.3, v], 'lin'))
    s = cycle(t0, t1, period, kf)
    return G([G([P(outer)], fill=ORANGE), G([P(inner)], fill=HOT)],
             tr={'p': [cx, top], 'a': [cx, top], 's': s}, nm='flame')


def flame_fwd(x, cy, phase=0, period=24, t0=0, t1=24):
    """Braking flame pointing right from a boot toe."""
    outer = 'M{x} {a} L{x} {b} Q{m} {b2} {e} {cy} Q{m} {a2} {x} {a} Z'.format(
        x=x, a=cy - 4, b=cy + 4, a2=cy - 3.5, b2=cy + 3.5, m=x + 6, e=x + 12, cy=cy)
    inner = 'M{x} {a} L{x} {b} Q{m} {b2} {e} {cy} Q{m} {a2} {x} {a} Z'.format(
        x=x, a=cy - 2, b=cy + 2, a2=cy - 1.8, b2=cy + 1.8, m=x + 3, e=x + 7, cy=cy)
    seq = [100, 75, 92, 70, 100, 80, 88, 66]
    n = len(seq); step = period / n
    kf = [(i * step, [seq[(i + phase) % n], 100 - (100 - seq[(i + phase) % n]) * 0.3], 'lin') for i in range(n + 1)]
    return G([G([P(outer)], fill=ORANGE), G([P(inner)], fill=HOT)],
             tr={'p': [x, cy], 'a': [x, cy], 's': cycle(t0, t1, period, kf)}, nm='brake')


def head(blink=None, antenna_r=0):
    """Head in its own coordinates (same as the 68x136 box)."""
    ant = G([
        outlined_stroke('M26 10 Q23 5.5 17 6.5', GUN_D, 1.6, ow=1.2),
        G([E(16, 7, 8, 8)], fill=YEL, stroke=(OUT, W)),
        G([E(14.8, 5.8, 2.6, 2.2)], fill='#FFF6C8'),
    ], tr={'p': [26, 10], 'a': [26, 10], 'r': antenna_r}, nm='antenna')
    skull = G([E(29, 26.5, 40, 37)], fill=TEAL, stroke=(OUT, W), nm='skull')
    shade = G([P('M11.5 31 Q14 43 29 44.5 Q19 40 11.5 31 Z')], fill=TEAL_D, nm='shade')
    shine = G([E(19, 15, 9, 5)], fill=TEAL_L, tr={'p': [19, 15], 'a': [19, 15], 'r': -35}, nm='shine')
    visor = G([R(29, 16.5, 25, 16, 8)], fill=('lin', [(0, ORANGE_L), (0.45, ORANGE), (1, ORANGE_D)], [40, 16.5], [40, 32.5]),
              stroke=(OUT, W), nm='visor')
    pupil = G([G([E(45, 24.5, 6, 9)], fill=OUT), G([E(46.5, 22, 2.6, 2.6)], fill='#FFFFFF')],
              tr={'p': [45, 24.5], 'a': [45, 24.5], 's': blink if blink is not None else [100, 100]}, nm='eye')
    glint = G([R(32, 19, 7, 2.5, 1.2)], fill=('#FFF6DF', 85), nm='glint')
    mouth = G([P('M39 38 Q43 40.5 47 37.5')], stroke=(OUT, 1.6), nm='mouth')
    return [ant, skull, shade, shine, visor, glint, pupil, mouth]


def torso():
    return [
        G([R(14, 44, 28, 48, 10)], fill=TEAL, stroke=(OUT, W), nm='torso'),
        G([P('M16 60 Q16 88 28 90 Q18 84 16 60 Z')], fill=TEAL_D, nm='torso shade'),
        G([E(32, 66, 13, 20)], fill=TEAL_L, nm='belly'),
        G([R(14, 82, 28, 6)], fill=GUN_D, stroke=(OUT, W), nm='belt'),
        G([R(30, 80.5, 7, 9, 1.5)], fill=YEL, stroke=(OUT, 1.5), nm='buckle'),
    ]


def gun():
    return [
        G([R(42, 56.5, 14, 4, 1)], fill=GUN_D, stroke=(OUT, W), nm='rail'),
        G([P('M44 69 L51 69 L49 79 L42 79 Z')], fill=GUN_D, stroke=(OUT, W), nm='grip'),
        G([R(58, 61.5, 9, 7, 1)], fill=GUN_D, stroke=(OUT, W), nm='barrel'),
        G([R(63.5, 60.5, 3.5, 9, 1)], fill=ORANGE, stroke=(OUT, 1.5), nm='muzzle'),
        G([R(37, 59, 23, 11, 3)], fill=GUN_L, stroke=(OUT, W), nm='body'),
        G([R(41, 63.5, 13, 2.5, 1)], fill=ORANGE, nm='cell'),
        G([R(40, 60.5, 16, 1.6, 0.8)], fill='#C9D0DC', nm='gun shine'),
    ]


def gorvan(mode, t0, t1, period=24):
    """Gorvan as one group for the time range [t0, t1): mode 0 idle, 1 moving, 2 moving left."""
    hip = [28, 88]
    if mode == 0:
        breathe = cycle(t0, t1, period, [(0, [100, 100], 'ease'), (period / 2, [100, 102.5], 'ease'), (period, [100, 100], 'ease')])
        bob = cycle(t0, t1, period, [(0, [0, 0], 'ease'), (period / 2, [0, 1.2], 'ease'), (period, [0, 0], 'ease')])
        ant = cycle(t0, t1, period, [(0, -4, 'ease'), (period / 2, 6, 'ease'), (period, -4, 'ease')])
        bl = period * 0.7
        blink = cycle(t0, t1, period, [(0, [100, 100], 'hold'), (bl, [100, 100], 'lin'), (bl + 1.5, [100, 10], 'lin'),
                                       (bl + 3, [100, 100], 'hold'), (period, [100, 100], 'hold')])
        lean = 0
    elif mode == 1:
        breathe = [100, 100]
        bob = cycle(t0, t1, period, [(0, [0, 0], 'ease'), (period / 4, [0, -1.2], 'ease'), (period / 2, [0, 0], 'ease'),
                                     (3 * period / 4, [0, -1.2], 'ease'), (period, [0, 0], 'ease')])
        ant = cycle(t0, t1, period, [(0, -22, 'ease'), (period / 4, -14, 'ease'), (period / 2, -22, 'ease'),
                                     (3 * period / 4, -14, 'ease'), (period, -22, 'ease')])
        blink = [100, 100]
        lean = 0
    else:
        breathe = [100, 100]
        bob = cycle(t0, t1, period, [(0, [0, 0], 'ease'), (period / 2, [0, 1], 'ease'), (period, [0, 0], 'ease')])
        ant = cycle(t0, t1, period, [(0, 4, 'ease'), (period / 4, 11, 'ease'), (period / 2, 4, 'ease'),
                                     (3 * period / 4, 11, 'ease'), (period, 4, 'ease')])
        blink = [100, 100]
        lean = -4.5

    back_arm = outlined_stroke('M23 56 Q38 74 56 68', TEAL_D, 5, nm='back arm')
    front_arm = outlined_stroke('M31 56 Q32 71 44 73', TEAL, 5, nm='front arm')
    back_hand = G([R(52.5, 64, 9, 9, 4)], fill=TEAL_D, stroke=(OUT, W), nm='back hand')
    front_hand = G([R(42, 68, 9.5, 9, 4)], fill=TEAL, stroke=(OUT, W), nm='front hand')

    legs = [
        G([R(18.5, 86, 9, 22, 3)], fill=TEAL_D, stroke=(OUT, W), nm='back leg'),
        boot(14, GUN_D),
        G([R(29, 86, 9, 22, 3)], fill=TEAL, stroke=(OUT, W), nm='front leg'),
        boot(26, '#5E6880'),
    ]
    flames = []
    if mode == 1:
        flames = [flame_down(19.5, 122.5, phase=0, t0=t0, t1=t1, period=period),
                  flame_down(31.5, 122.5, phase=3, t0=t0, t1=t1, period=period)]
    elif mode == 2:
        flames = [flame_down(19.5, 122.5, phase=0, big=0.55, t0=t0, t1=t1, period=period),
                  flame_down(31.5, 122.5, phase=3, big=0.55, t0=t0, t1=t1, period=period),
                  flame_fwd(47, 117, phase=2, t0=t0, t1=t1, period=period)]

    upper = G([
        G([back_arm], nm='back arm g'),
        G(torso(), tr={'p': hip, 'a': hip, 's': breathe}, nm='torso g'),
        G(head(blink, ant), tr={'p': bob}, nm='head g'),
    ], tr={'p': hip, 'a': hip, 'r': lean}, nm='upper')
    body = G(flames + legs + [upper] + [back_hand, G(gun(), nm='gun'), front_arm, front_hand], nm='gorvan')
    if mode != 0:
        body['tr'] = {'p': bob}
    return body


# ---------- hazards (74x74 box) ----------
HZ_OUT = '#2A0718'
VI_OUT = '#170A3D'


def mine(t0, t1, period=24):
    c = 37
    spin = Anim([(t0, 0, 'lin'), (t0 + period, 144, 'lin')]) if t1 - t0 <= period else \
        cycle(t0, t1, period, [(0, 0, 'lin'), (period, 144, 'lin')])
    rivets = [E(c + 16.5 * math.cos(math.radians(a)), c + 16.5 * math.sin(math.radians(a)), 4, 4) for a in range(0, 360, 72)]
    spin_tr = lambda: {'p': [c, c], 'a': [c, c], 'r': spin}
    spikes = G([P(star_d(c, c, 10, 33, 20.5))], fill=('rad', [(0, '#FFB3C1'), (0.62, '#FF5470'), (1, '#FF2E62')], [c, c], [c + 33, c]),
               stroke=(HZ_OUT, W, 2, 2), tr=spin_tr(), nm='spikes')
    shell = G([E(c, c, 46, 46)], fill=('rad', [(0, '#FF7A93'), (1, '#B0175A')], [c - 6, c - 8], [c + 20, c + 14]),
              stroke=(HZ_OUT, W), nm='shell')
    marks = G([
        G([P(' '.join('M%.2f %.2f L%.2f %.2f' % (c + 13 * math.cos(math.radians(a)), c + 13 * math.sin(math.radians(a)),
                                                  c + 22 * math.cos(math.radians(a)), c + 22 * math.sin(math.radians(a))) for a in range(36, 360, 72)))],
          stroke=('#7A0F3E', 2, 1), nm='seams'),
        G(rivets, fill='#FFD6DF', stroke=(HZ_OUT, 1.2), nm='rivets'),
    ], tr=spin_tr(), nm='marks')
    spinning = G([spikes, shell, marks], nm='spin')
    pulse = cycle(t0, t1, period, [(0, 100, 'ease'), (period / 2, 78, 'ease'), (period, 100, 'ease')])
    glow_o = cycle(t0, t1, period, [(0, 90, 'ease'), (period / 2, 35, 'ease'), (period, 90, 'ease')])
    core = G([
        G([E(c, c, 26, 26)], fill='#5A0B2E', stroke=(HZ_OUT, W), nm='socket'),
        G([E(c, c, 22, 22)], fill=('#FF3B5C', 100), tr={'o': glow_o}, nm='glow'),
        G([E(c, c, 13, 13)], fill=('rad', [(0, '#FFFFFF'), (0.6, '#FFE3EA'), (1, '#FF8FA3')], [c, c], [c + 7, c]),
          tr={'p': [c, c], 'a': [c, c], 's': pulse}, nm='core'),
    ], nm='core g')
    hl = G([E(27, 26, 12, 6)], fill=('#FFFFFF', 55), tr={'p': [27, 26], 'a': [27, 26], 'r': -40}, nm='highlight')
    return G([spinning, core, hl], nm='mine')


def saw(t0, t1, period=24):
    c = 37
    n = 12
    pts = []
    for k in range(n):
        a = 2 * math.pi * k / n
        st = 2 * math.pi / n
        pts.append((c + 23 * math.cos(a), c + 23 * math.sin(a)))
        pts.append((c + 33 * math.cos(a + 0.72 * st), c + 33 * math.sin(a + 0.72 * st)))
        pts.append((c + 30.5 * math.cos(a + 0.9 * st), c + 30.5 * math.sin(a + 0.9 * st)))
    spin = cycle(t0, t1, period, [(0, 0, 'lin'), (period, 120, 'lin')])
    holes = [E(c + 18.5 * math.cos(math.radians(a)), c + 18.5 * math.sin(math.radians(a)), 6, 6) for a in (30, 150, 270)]
    blade = G([
        G([P(poly_d(pts))], fill=('rad', [(0, '#D9C8FF'), (0.75, '#A98BFF'), (1, '#8E5CFF')], [c, c], [c + 33, c]),
          stroke=(VI_OUT, W, 2, 2), nm='teeth'),
        G([E(c, c, 48, 48)], fill=('rad', [(0, '#6A45D6'), (1, '#4B2AA8')], [c - 8, c - 8], [c + 24, c + 10]),
          stroke=(VI_OUT, W), nm='disc'),
        G(holes, fill='#1F1052', stroke=(VI_OUT, 1.2), nm='holes'),
    ], tr={'p': [c, c], 'a': [c, c], 'r': spin}, nm='blade')
    orb = G([
        G([E(c, c, 30, 30)], fill=('#8E5CFF', 100), stroke=(VI_OUT, W), nm='orb rim'),
        G([E(c, c, 24, 24)], fill=('rad', [(0, '#FFFFFF'), (0.45, '#E6DAFF'), (1, '#9D74FF')], [c - 2, c - 3], [c + 12, c]),
          nm='orb'),
    ], tr={'p': [c, c], 'a': [c, c], 's': cycle(t0, t1, period / 2, [(0, 100, 'ease'), (period / 4, 92, 'ease'), (period / 2, 100, 'ease')])},
        nm='orb g')
    bolts = []
    bolt_d = 'M{x0} {y} L{x1} {y1} L{x2} {y2} L{x3} {y3} L{x4} {y4}'.format(
        x0=c + 9, y=c, x1=c + 15, y1=c - 3, x2=c + 18, y2=c + 2.5, x3=c + 24, y3=c - 1.5, x4=c + 30, y4=c + 1.5)
    for i, base in enumerate((0, 120, 240)):
        # hold keys: each bolt jumps to a new angle every few frames; opacity flickers
        angs = [base + a for a in (0, 37, 81, 19, 63, 104, 0)]
        steps = len(angs) - 1
        rk = [(j * period / steps, angs[j], 'hold') for j in range(steps + 1)]
        ok = [(j * period / steps, 100 if (j + i) % 3 else 0, 'hold') for j in range(steps + 1)]
        ok[-1] = (period, ok[0][1], 'hold')
        bolts.append(G([G([P(bolt_d)], stroke=('#8E5CFF', 5, 2, 2)), G([P(bolt_d)], stroke=('#FFFFFF', 2, 2, 2))],
                       tr={'p': [c, c], 'a': [c, c], 'r': cycle(t0, t1, period, rk), 'o': cycle(t0, t1, period, ok)}, nm='bolt'))
    hl = G([E(30, 30, 7, 4)], fill=('#FFFFFF', 80), tr={'p': [30, 30], 'a': [30, 30], 'r': -40}, nm='orb shine')
    return G([blade] + bolts + [orb, hl], nm='saw')


# ---------- banana (20x31 box) ----------
BAN_OUT = '#3B2A0C'

def banana_groups():
    """A ripe banana standing in a 20x31 box."""
    body = 'M12 5 C3 8.5 1.2 20.5 10.2 28.6 L13.4 28.1 C8 22 9 12.5 15.6 6.4 Z'
    return [
        G([P(body)], fill=('lin', [(0, '#FFE36E'), (0.55, YEL), (1, '#F2B52A')], [4, 10], [14, 18]), stroke=(BAN_OUT, 1, 2, 2), nm='fruit'),
        G([P('M14.2 7.6 C9.4 12.6 8.4 21 12.6 27 L13.4 28.1 C8 22 9 12.5 15.6 6.4 Z')], fill='#E39E22', nm='inner shade'),
        G([P('M5.6 12.5 C4.4 16.5 4.8 21 7.4 24.6')], stroke=('#FFF6C4', 1.2, 2, 2), nm='shine'),
        G([P('M11.8 1.3 L14.3 1.5 L15 6 L12.2 6.9 Z')], fill=BROWN, stroke=(BAN_OUT, 1, 2, 2), nm='stem'),
        G([E(11.8, 28.6, 3.2, 2.4)], fill='#4A3410', nm='tip'),
    ]

