# Checks the movies use only plain features: shape/null/precomp layers, no text, images, effects or expressions.
import json, sys
ALLOWED_LAYERS = {0, 3, 4}
ALLOWED_SHAPES = {'gr', 'sh', 'rc', 'el', 'sr', 'fl', 'st', 'gf', 'gs', 'tr', 'tm'}
def walk(o, path, probs):
    if isinstance(o, dict):
        if 'x' in o and isinstance(o['x'], str): probs.append('expression at ' + path)
        if o.get('ty') in ('gr',) or 'it' in o:
            for s in o.get('it', []):
                if s.get('ty') not in ALLOWED_SHAPES: probs.append('shape %s at %s' % (s.get('ty'), path))
        for k, v in o.items(): walk(v, path + '/' + k, probs)
    elif isinstance(o, list):
        for i, v in enumerate(o): walk(v, path + '/%d' % i, probs)
for fn in sys.argv[1:]:
    d = json.load(open(fn))
    probs = []
    for L in d['layers']:
        if L['ty'] not in ALLOWED_LAYERS: probs.append('layer type %s' % L['ty'])
        if L.get('ef'): probs.append('effects')
    if d.get('assets'): probs.append('assets present')
    walk(d, '', probs)
    segs = [(m['cm'], m['tm'], m['dr']) for m in d.get('markers', [])]
    cover = all(d['ip'] <= tm and tm + dr <= d['op'] for _, tm, dr in segs)
    print('%s: %dx%d fr=%s ip=%s op=%s layers=%d markers=%s covered=%s problems=%s' % (
        fn, d['w'], d['h'], d['fr'], d['ip'], d['op'], len(d['layers']), segs, cover, probs or 'none'))
