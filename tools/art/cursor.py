# Pixel hand cursor, 32x32, two colours; the fingertip (hot spot) is the pixel (12, 9).
def cursor_pixels():
    inside = set()
    def rect(x0, x1, y0, y1):
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1): inside.add((x, y))
    rect(11, 13, 9, 9); rect(10, 14, 10, 22)          # index finger, round top
    rect(15, 17, 14, 14); rect(14, 18, 15, 22)        # folded middle finger
    rect(19, 21, 15, 15); rect(18, 22, 16, 22)        # ring finger
    rect(23, 24, 16, 16); rect(22, 25, 17, 22)        # little finger
    rect(8, 25, 19, 26)                               # palm
    for y, (a, b) in {17: (5, 6), 18: (4, 7), 19: (4, 8), 20: (5, 9), 21: (6, 10), 22: (7, 10)}.items():
        rect(a, b, y, y)                              # thumb
    rect(8, 24, 27, 27); rect(9, 23, 28, 31)          # wrist and cuff
    black = set()
    for (x, y) in inside:
        if any((x + dx, y + dy) not in inside for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1))):
            black.add((x, y))
    for y in range(15, 20): black.add((14, y))       # gaps between the fingers
    for y in range(16, 20): black.add((18, y))
    for y in range(17, 20): black.add((22, y))
    for x in range(9, 24): black.add((x, 28))        # cuff seam
    for (x, y) in [(8, 20), (9, 21)]: black.add((x, y))  # thumb crease
    return inside, black

def cursor_svg():
    inside, black = cursor_pixels()
    def runs(cells):
        out = []
        for y in range(32):
            x = 0
            while x < 32:
                if (x, y) in cells:
                    x0 = x
                    while (x, y) in cells: x += 1
                    out.append('M%d %dh%dv1h-%dz' % (x0, y, x - x0, x - x0))
                else:
                    x += 1
        return ''.join(out)
    white = inside - black
    assert (12, 9) in black and all((12, y) not in inside for y in range(9))
    return ('<svg xmlns="http://www.w3.org/2000/svg" width="32" height="32" viewBox="0 0 32 32" shape-rendering="crispEdges">\n'
            '<!-- pointing hand, hot spot at the fingertip (12, 9) -->\n'
            '<path fill="#FFFFFF" d="%s"/>\n<path fill="#000000" d="%s"/>\n</svg>\n' % (runs(white), runs(black)))

if __name__ == '__main__':
    import sys
    open(sys.argv[1], 'w').write(cursor_svg())
