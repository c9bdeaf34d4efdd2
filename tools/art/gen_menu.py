# Writes the title, the menu buttons and the other menu/settings pictures as SVG.
import sys, os
from lot import *
from chars import *
from titles import *
OUTDIR = sys.argv[1]
os.makedirs(OUTDIR, exist_ok=True)
def save(name, text): open(os.path.join(OUTDIR, name), 'w').write(text)

S = 7.5
items = [band(6, 26, 494, 76, 12)] + [g for g, c in title_letters(250, 19.5, S)]
save('title.svg', svg(500, 100, items, comment='game title: lettering drawn as paths, no font needed'))

# The buttons in each language: English beside the other pictures, the others in a folder of
# their language, which the program looks in first.
BUTTONS = {
    '': (('play', ['PLAY']), ('settings', ['SETTINGS']), ('high', ['HIGH', 'SCORES']), ('exit', ['EXIT'])),
    'de': (('play', ['SPIELEN']), ('settings', ['EINSTEL-', 'LUNGEN']), ('high', ['BESTEN-', 'LISTE']),
           ('exit', ['BEENDEN'])),
    'fr': (('play', ['JOUER']), ('settings', ['R\u00c9GLAGES']), ('high', ['MEILLEURS', 'SCORES']),
           ('exit', ['QUITTER'])),
}
for lang, buttons in BUTTONS.items():
    os.makedirs(os.path.join(OUTDIR, lang), exist_ok=True)
    for key, lines in buttons:
        for lit in (False, True):
            save(os.path.join(lang, 'btn_%s%s.svg' % (key, '_lit' if lit else '')),
                 svg(110, 50, button(lines, lit), comment='menu button, %s' % ('mouse over it' if lit else 'normal')))

# Gorvan for the menu: the movie's drawing at rest, with two bananas at his feet
GSC = 1.55
por = [G([gorvan(0, 0, 24)], tr={'p': [0.3, 1.5], 's': [GSC * 100, GSC * 100]}, nm='gorvan')]
for (x, y, r, s) in ((34, 212, -78, 100), (66, 213, 96, 95)):
    por.append(G(banana_groups(), tr={'p': [x, y], 'a': [10, 15.5], 'r': r, 's': [s, s]}, nm='banana'))
save('gorvan.svg', svg(109, 224, por, comment='Gorvan at rest, as in the game movie'))

save('gradient.svg', svg(49, 21, [G([R(0, 0, 49, 21)], fill=('lin', [(0, '#000000'), (1, '#FFFFFF')], [0, 0], [49, 0]))],
                         comment='black on the left to white on the right'))

key = [G([R(0, 0, 70, 20)], fill='#848284'), G([R(0, 0, 70, 1), R(0, 0, 1, 20)], fill='#C4C2C4'),
       G([R(0, 19, 70, 1), R(69, 0, 1, 20)], fill='#444244')]
save('keybox.svg', svg(70, 20, key, comment='raised grey key face: light edge top and left, dark edge bottom and right',
                       extra_root=' shape-rendering="crispEdges"'))

from cursor import cursor_svg
save('cursor_hand.svg', cursor_svg())

# program icon: Gorvan's head, with outlines thick enough to survive 16 px
icon = [
    G([outlined_stroke('M19 11 Q16 5 10 5.5', GUN_D, 2.5, ow=1.8)], nm='antenna'),
    G([E(9.5, 6.5, 10, 10)], fill=YEL, stroke=(OUT, 3), nm='ball'),
    G([E(23, 28, 38, 36)], fill=TEAL, stroke=(OUT, 3), nm='head'),
    G([P('M6.5 33 Q10 45 23 45.5 Q13 41 6.5 33 Z')], fill=TEAL_D, nm='shade'),
    G([E(14, 17.5, 8, 5)], fill=TEAL_L, tr={'p': [14, 17.5], 'a': [14, 17.5], 'r': -35}, nm='shine'),
    G([R(21, 17, 25, 17, 8.5)], fill=('lin', [(0, ORANGE_L), (0.45, ORANGE), (1, ORANGE_D)], [0, 17], [0, 34]), stroke=(OUT, 3), nm='visor'),
    G([E(37, 25.5, 7, 10)], fill=OUT, nm='eye'),
    G([E(38.6, 22.6, 3, 3)], fill='#FFFFFF', nm='glint'),
]
save('icon.svg', svg(48, 48, icon, comment="program icon: Gorvan's head"))
