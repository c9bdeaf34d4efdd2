# Writes anim/gv and anim/target.
import sys
from lot import *
from chars import *
OUTDIR = sys.argv[1]
import os; os.makedirs(OUTDIR, exist_ok=True)
SEG = 24
layers = [layer(gorvan(m, m * SEG, (m + 1) * SEG), m * SEG, (m + 1) * SEG, m + 1, 'frame%d' % m) for m in range(3)]
open(os.path.join(OUTDIR, 'gv'), 'w').write(lottie('gv', 68, 136, 24, 3 * SEG, layers,
    [('frame%d' % m, m * SEG, SEG) for m in range(3)]))
layers = [layer(mine(0, SEG), 0, SEG, 1, 'frame0'), layer(saw(SEG, 2 * SEG), SEG, 2 * SEG, 2, 'frame1')]
open(os.path.join(OUTDIR, 'target'), 'w').write(lottie('target', 74, 74, 24, 2 * SEG, layers,
    [('frame0', 0, SEG), ('frame1', SEG, SEG)]))
