# Writes the game screen's still pictures (lives, bullet) as SVG.
import sys, os
from lot import *
from chars import *
OUTDIR = sys.argv[1]
os.makedirs(OUTDIR, exist_ok=True)

def save(name, text):
    open(os.path.join(OUTDIR, name), 'w').write(text)

save('life_present.svg', svg(20, 31, banana_groups(), comment='one life left: a ripe banana'))

PEEL, PEEL_IN, PEEL_OUT = '#8C7A4E', '#B8A67A', '#2A200C'
peel = [
    # flaps splayed on the floor, stem up: the cartoon peel everyone slips on
    G([P('M7 19 Q4.5 22 1.5 28.2 Q1.2 29.6 2.6 29 Q6 26 9 22.5 Z')], fill=PEEL_IN, stroke=(PEEL_OUT, 1, 2, 2), nm='left flap'),
    G([P('M13 19 Q15.5 22 18.5 28.2 Q18.8 29.6 17.4 29 Q14 26 11 22.5 Z')], fill=PEEL_IN, stroke=(PEEL_OUT, 1, 2, 2), nm='right flap'),
    G([P('M8.2 20.5 Q8.2 26 9.6 29.6 Q10.4 30.4 11 29.4 Q12 26 11.8 20.5 Z')], fill='#A8966A', stroke=(PEEL_OUT, 1, 2, 2), nm='middle flap'),
    G([P('M6 21 Q5.6 11.5 10 10 Q14.4 11.5 14 21 Q10 23.2 6 21 Z')], fill=('lin', [(0, '#A08C5C'), (1, '#6E5E38')], [6, 10], [14, 22]),
      stroke=(PEEL_OUT, 1, 2, 2), nm='dome'),
    G([P('M9 4.2 L11.4 4.6 L11.2 10.4 L8.8 10.4 Z')], fill='#4A3410', stroke=(PEEL_OUT, 1, 2, 2), nm='stem'),
    G([E(8.6, 15, 1.6, 2), E(11.8, 18, 1.4, 1.6), E(12, 13.4, 1.2, 1.2)], fill='#3E2F14', nm='spots'),
    G([P('M7.8 13.5 Q7.4 16 7.6 18.5')], stroke=('#C2B084', 1, 2, 2), nm='shine'),
]
save('life_lost.svg', svg(20, 31, peel, comment='a life lost: an empty banana peel'))

bullet = [G([R(0, 0, 4, 2)], fill=ORANGE), G([R(1, 0, 3, 2)], fill=HOT), G([R(3, 0, 1, 2)], fill='#FFFFFF')]
save('bullet.svg', svg(4, 2, bullet, comment='hot tail on the left, white tip on the right', extra_root=' shape-rendering="crispEdges"'))
