# Draws every picture of the game as SVG files into this folder: run it after changing a drawing.
import math, os
A = os.path.dirname(os.path.abspath(__file__))
def svg(size, body, defs=''):
    d = f'<defs>{defs}</defs>\n' if defs else ''
    return (f'<svg xmlns="http://www.w3.org/2000/svg" xmlns:xlink="http://www.w3.org/1999/xlink" '
            f'version="1.2" baseProfile="tiny" width="{size}" height="{size}" viewBox="0 0 {size} {size}">\n{d}{body}\n</svg>\n')
def write(folder, name, text):
    os.makedirs(f'{A}/{folder}', exist_ok=True)
    open(f'{A}/{folder}/{name}.svg', 'w').write(text)
def f(x): return ('%.2f' % x).rstrip('0').rstrip('.')
def pts(p): return ' '.join(f'{f(x)},{f(y)}' for x, y in p)
def lin(id, x1, y1, x2, y2, stops):
    s = ''.join(f'<stop offset="{o}" stop-color="{c}"' + (f' stop-opacity="{a}"' if a is not None else '') + '/>' for o, c, a in [(t + (None,))[:3] for t in stops])
    return f'<linearGradient id="{id}" gradientUnits="userSpaceOnUse" x1="{f(x1)}" y1="{f(y1)}" x2="{f(x2)}" y2="{f(y2)}">{s}</linearGradient>'
def rad(id, cx, cy, r, stops, fx=None, fy=None):
    s = ''.join(f'<stop offset="{o}" stop-color="{c}"' + (f' stop-opacity="{a}"' if a is not None else '') + '/>' for o, c, a in [(t + (None,))[:3] for t in stops])
    fxy = f' fx="{f(fx)}" fy="{f(fy)}"' if fx is not None else ''
    return f'<radialGradient id="{id}" gradientUnits="userSpaceOnUse" cx="{f(cx)}" cy="{f(cy)}" r="{f(r)}"{fxy}>{s}</radialGradient>'

# ---------- floor ----------
STONE_L, STONE_D = '#c9c9c4', '#a4a5a2'
def stone(x, y, s, col, hi, lo):
    e = s * 0.09
    return (f'<rect x="{f(x)}" y="{f(y)}" width="{f(s)}" height="{f(s)}" fill="{col}"/>'
            f'<polygon points="{pts([(x,y),(x+s,y),(x+s-e,y+e),(x+e,y+e),(x+e,y+s-e),(x,y+s)])}" fill="{hi}"/>'
            f'<polygon points="{pts([(x+s,y),(x+s,y+s),(x,y+s),(x+e,y+s-e),(x+s-e,y+s-e),(x+s-e,y+e)])}" fill="{lo}"/>')
def floor(s=56):
    h = s / 2
    return (stone(0, 0, h, STONE_L, '#dddcd7', '#aeaea9') + stone(h, 0, h, STONE_D, '#b7b7b3', '#8d8e8b') +
            stone(0, h, h, STONE_D, '#b7b7b3', '#8d8e8b') + stone(h, h, h, STONE_L, '#dddcd7', '#aeaea9'))

def goal_ring(x0, s, n, outline=True):
    c = s / n
    out = []
    if outline:
        out.append(f'<rect x="{f(x0-0.5)}" y="{f(x0-0.5)}" width="{f(s+1)}" height="{f(s+1)}" fill="none" stroke="#2a2418" stroke-opacity="0.6" stroke-width="1.4"/>')
        out.append(f'<rect x="{f(x0+c+0.5)}" y="{f(x0+c+0.5)}" width="{f(s-2*c-1)}" height="{f(s-2*c-1)}" fill="none" stroke="#2a2418" stroke-opacity="0.6" stroke-width="1.4"/>')
    for i in range(n):
        for j in range(n):
            if i in (0, n-1) or j in (0, n-1):
                col = '#f4c81c' if (i + j) % 2 == 0 else '#1c1c1c'
                out.append(f'<rect x="{f(x0+i*c)}" y="{f(x0+j*c)}" width="{f(c)}" height="{f(c)}" fill="{col}"/>')
    return ''.join(out)

def octagon(cx, cy, r):
    return [(cx + r*math.cos(math.radians(22.5+45*k)), cy + r*math.sin(math.radians(22.5+45*k))) for k in range(8)]

def stop_sign(cx, cy, r, detail=True):
    g = lin('stopg', cx, cy-r, cx, cy+r, [(0, '#f0443a'), (1, '#b3140f')])
    body = (f'<polygon points="{pts([(x+1.2*r/17,y+1.5*r/17) for x,y in octagon(cx,cy,r)])}" fill="#000" fill-opacity="0.28"/>'
            f'<polygon points="{pts(octagon(cx,cy,r))}" fill="#7d0d09"/>'
            f'<polygon points="{pts(octagon(cx,cy,r*0.9))}" fill="#fff"/>'
            f'<polygon points="{pts(octagon(cx,cy,r*0.78))}" fill="url(#stopg)"/>')
    if detail:
        body += f'<rect x="{f(cx-r*0.5)}" y="{f(cy-r*0.12)}" width="{f(r)}" height="{f(r*0.24)}" rx="{f(r*0.08)}" fill="#fff"/>'
    return body, g

def arrow_head(tip, direction, size):
    # direction: unit vector the arrow points to
    dx, dy = direction
    px, py = -dy, dx
    bx, by = tip[0] - dx*size, tip[1] - dy*size
    return [tip, (bx + px*size*0.75, by + py*size*0.75), (bx - px*size*0.75, by - py*size*0.75)]

def turn_arrows(s=56, w=1.0):
    # One double-headed curved arrow joining the left side and the top, one joining right and bottom.
    k = s / 56
    out = []
    def one(p0, p3, c1, c2, h0, d0, h3, d3):
        path = f'M {f(p0[0])},{f(p0[1])} C {f(c1[0])},{f(c1[1])} {f(c2[0])},{f(c2[1])} {f(p3[0])},{f(p3[1])}'
        a0 = arrow_head(h0, d0, 8*k); a3 = arrow_head(h3, d3, 8*k)
        return path, a0, a3
    arrows = [one((11*k, 28*k), (28*k, 11*k), (22*k, 28*k), (28*k, 22*k), (3*k, 28*k), (-1, 0), (28*k, 3*k), (0, -1)),
              one((45*k, 28*k), (28*k, 45*k), (34*k, 28*k), (28*k, 34*k), (53*k, 28*k), (1, 0), (28*k, 53*k), (0, 1))]
    for path, a0, a3 in arrows:   # dark outline first
        out.append(f'<path d="{path}" fill="none" stroke="#2e0f4a" stroke-width="{f(7.5*k*w)}" stroke-linecap="round"/>')
        for a in (a0, a3):
            out.append(f'<polygon points="{pts(a)}" fill="#2e0f4a" stroke="#2e0f4a" stroke-width="{f(2.6*k)}" stroke-linejoin="round"/>')
    for path, a0, a3 in arrows:
        out.append(f'<path d="{path}" fill="none" stroke="#9a4fd6" stroke-width="{f(4.2*k*w)}" stroke-linecap="round"/>')
        for a in (a0, a3):
            out.append(f'<polygon points="{pts(a)}" fill="#9a4fd6"/>')
        out.append(f'<path d="{path}" fill="none" stroke="#d2a9f2" stroke-width="{f(1.2*k*w)}" stroke-linecap="round" transform="translate({f(-0.8*k)},{f(-0.8*k)})" stroke-opacity="0.8"/>')
    return ''.join(out)

def push_button(x, y, s):
    e = s * 0.17
    defs = lin('btg', x, y, x+s, y+s, [(0, '#ffe680'), (0.5, '#f2c12e'), (1, '#c78f0a')])
    body = (f'<rect x="{f(x+2)}" y="{f(y+2.5)}" width="{f(s)}" height="{f(s)}" rx="2" fill="#000" fill-opacity="0.3"/>'
            f'<rect x="{f(x-1)}" y="{f(y-1)}" width="{f(s+2)}" height="{f(s+2)}" rx="2" fill="#5b4306"/>'
            f'<polygon points="{pts([(x,y),(x+s,y),(x+s-e,y+e),(x+e,y+e),(x+e,y+s-e),(x,y+s)])}" fill="#fff1a8"/>'
            f'<polygon points="{pts([(x+s,y),(x+s,y+s),(x,y+s),(x+e,y+s-e),(x+s-e,y+s-e),(x+s-e,y+e)])}" fill="#a3700a"/>'
            f'<rect x="{f(x+e)}" y="{f(y+e)}" width="{f(s-2*e)}" height="{f(s-2*e)}" fill="url(#btg)"/>')
    return body, defs

SAND, SAND_HI, SAND_LO = '#dcc48e', '#f0dfb4', '#b39a62'
def sand_slab(x, y, s):
    # four sand-coloured tiles with grout lines
    h = s / 2
    out = [f'<rect x="{f(x)}" y="{f(y)}" width="{f(s)}" height="{f(s)}" fill="#8f7646"/>']
    g = s * 0.035
    for i in range(2):
        for j in range(2):
            tx, ty, ts = x + i*h + g, y + j*h + g, h - 2*g
            e = ts * 0.1
            col = SAND if (i + j) % 2 == 0 else '#d4ba80'
            out.append(f'<rect x="{f(tx)}" y="{f(ty)}" width="{f(ts)}" height="{f(ts)}" fill="{col}"/>')
            out.append(f'<polygon points="{pts([(tx,ty),(tx+ts,ty),(tx+ts-e,ty+e),(tx+e,ty+e),(tx+e,ty+ts-e),(tx,ty+ts)])}" fill="{SAND_HI}"/>')
            out.append(f'<polygon points="{pts([(tx+ts,ty),(tx+ts,ty+ts),(tx,ty+ts),(tx+e,ty+ts-e),(tx+ts-e,ty+ts-e),(tx+ts-e,ty+e)])}" fill="{SAND_LO}"/>')
    return ''.join(out)

def flat_plate(x, y, s):
    # four flat sand tiles, evenly lit, with a dark groove all round
    h = s / 2
    g = s * 0.03
    out = [f'<rect x="{f(x-1)}" y="{f(y-1)}" width="{f(s+2)}" height="{f(s+2)}" fill="#4a3c22" fill-opacity="0.75"/>',
           f'<rect x="{f(x)}" y="{f(y)}" width="{f(s)}" height="{f(s)}" fill="#a48a58"/>']
    for i in range(2):
        for j in range(2):
            col = '#cdb582' if (i + j) % 2 == 0 else '#c3aa76'
            out.append(f'<rect x="{f(x+i*h+g)}" y="{f(y+j*h+g)}" width="{f(h-2*g)}" height="{f(h-2*g)}" fill="{col}"/>')
    return ''.join(out)

def cells():
    write('cells', 'Void', svg(56, floor()))
    wall_top = pyramid_top(0, 0, 56, 28, BROWN)
    write('cells', 'WallVoid', svg(56, floor() + wall_top +
          '<rect x="0" y="28" width="56" height="3" fill="#000" fill-opacity="0.35"/><rect x="0" y="31" width="56" height="2" fill="#000" fill-opacity="0.15"/>'))
    write('cells', 'Goal', svg(56, floor() + goal_ring(8, 40, 8)))
    body, defs = stop_sign(28, 28, 19, False)
    write('cells', 'Stop', svg(56, floor() + body, defs))
    write('cells', 'TurnA', svg(56, floor() + turn_arrows()))
    write('cells', 'TurnB', svg(56, floor() + f'<g transform="matrix(-1 0 0 1 56 0)">{turn_arrows()}</g>'))
    body, defs = push_button(15, 15, 26)
    write('cells', 'Button', svg(56, floor() + body, defs))
    # lowered: a flat plate lying level with the floor, framed by the floor's stones and a thin
    # groove; no side, no shadow, nothing that reads as height
    write('cells', 'DoorDown', svg(56, floor() + flat_plate(5, 5, 46)))

BROWN = dict(top='#b9834f', left='#a57340', right='#7f5530', bottom='#6e4826', edge='#4a2f17', cap='#c79260')
def pyramid_top(x, y, w, h, c, cap=0.22):
    # A four-faced pyramid roof over the rectangle, lit from the upper left; small flat cap.
    cx, cy = x + w/2, y + h/2
    qw, qh = w*cap/2, h*cap/2
    tl, tr, br, bl = (x, y), (x+w, y), (x+w, y+h), (x, y+h)
    ctl, ctr, cbr, cbl = (cx-qw, cy-qh), (cx+qw, cy-qh), (cx+qw, cy+qh), (cx-qw, cy+qh)
    return (f'<polygon points="{pts([tl,tr,ctr,ctl])}" fill="{c["top"]}"/>'
            f'<polygon points="{pts([tl,ctl,cbl,bl])}" fill="{c["left"]}"/>'
            f'<polygon points="{pts([tr,br,cbr,ctr])}" fill="{c["right"]}"/>'
            f'<polygon points="{pts([bl,cbl,cbr,br])}" fill="{c["bottom"]}"/>'
            f'<polygon points="{pts([ctl,ctr,cbr,cbl])}" fill="{c["cap"]}"/>'
            f'<polyline points="{pts([tl,ctl])}" stroke="#f3d3a6" stroke-opacity="0.45" stroke-width="0.8" fill="none"/>'
            f'<polyline points="{pts([br,cbr])}" stroke="#3a2410" stroke-opacity="0.5" stroke-width="0.8" fill="none"/>'
            f'<polyline points="{pts([tr,ctr])}" stroke="#3a2410" stroke-opacity="0.25" stroke-width="0.8" fill="none"/>'
            f'<polyline points="{pts([bl,cbl])}" stroke="#3a2410" stroke-opacity="0.25" stroke-width="0.8" fill="none"/>')

def block(top_svg, side_r, side_b, edge, T=58, D=4):
    # The block's top over (0,0)-(T,T); side faces reach T+D; a soft shadow reaches 66.
    sh = []
    for k, op in ((5, 0.10), (4, 0.13), (3, 0.15), (2, 0.17), (1, 0.18)):
        o = D + k
        sh.append(f'<polygon points="{pts([(o+2,o),(T+o,o),(T+o,T+o),(o,T+o),(o,o+2)])}" fill="#000" fill-opacity="{op}"/>')
    right = [(T, 0), (T+D, D), (T+D, T+D), (T, T)]
    bottom = [(0, T), (T, T), (T+D, T+D), (D, T+D)]
    return (''.join(sh) +
            f'<polygon points="{pts(right)}" fill="{side_r}"/>'
            f'<polygon points="{pts(bottom)}" fill="{side_b}"/>'
            f'<polyline points="{pts([(T,T),(T+D,T+D)])}" stroke="{edge}" stroke-width="0.6" fill="none"/>' +
            top_svg +
            f'<rect x="0.3" y="0.3" width="{T-0.6}" height="{T-0.6}" fill="none" stroke="{edge}" stroke-width="0.6" stroke-opacity="0.6"/>')

def rised():
    write('rised', 'Wall', svg(66, block(pyramid_top(0, 0, 58, 58, BROWN), '#5e3c1e', '#4f3218', '#2e1d0d')))
    # raised: the same block as a wall, in sand, with its flat tiled cap on a bevelled top, deep
    # side faces and the wall's shadow
    SANDP = dict(top='#f2dfae', left='#e4cc94', right='#a88e58', bottom='#947a47', edge='#5a4826', cap=SAND)
    cap = sand_slab(58 * 0.2, 58 * 0.2, 58 * 0.6)
    write('rised', 'DoorUp', svg(66, block(pyramid_top(0, 0, 58, 58, SANDP, cap=0.6) + cap, '#7a623a', '#685230', '#3e3018')))

def ball(cx, cy, r, base, light, dark, id, shadow=True):
    defs = (rad(id, cx - r*0.35, cy - r*0.4, r*1.45, [(0, light), (0.45, base), (1, dark)]) +
            rad(id+'h', cx - r*0.3, cy - r*0.48, r*0.55, [(0, '#ffffff', 0.95), (1, '#ffffff', 0)]))
    body = ''
    if shadow:
        body += f'<ellipse cx="{f(cx+r*0.1)}" cy="{f(cy+r*0.14)}" rx="{f(r*1.02)}" ry="{f(r*1.02)}" fill="#000" fill-opacity="0.22"/>'
    body += (f'<circle cx="{f(cx)}" cy="{f(cy)}" r="{f(r)}" fill="url(#{id})"/>'
             f'<circle cx="{f(cx)}" cy="{f(cy)}" r="{f(r-0.4)}" fill="none" stroke="{dark}" stroke-width="0.8" stroke-opacity="0.8"/>'
             f'<ellipse cx="{f(cx-r*0.3)}" cy="{f(cy-r*0.45)}" rx="{f(r*0.5)}" ry="{f(r*0.34)}" fill="url(#{id}h)"/>'
             f'<ellipse cx="{f(cx+r*0.25)}" cy="{f(cy+r*0.55)}" rx="{f(r*0.45)}" ry="{f(r*0.2)}" fill="#ffffff" fill-opacity="0.10"/>')
    return body, defs

GREEN = ('#2fae3c', '#c8f5b0', '#0d4d16')
BLUE = ('#2a6fe0', '#c5dcff', '#0a2466')
def pawns():
    b, d = ball(19.5, 19.5, 18, *GREEN, 'pg')
    write('pawns', 'PawnG', svg(40, b, d))
    b, d = ball(19.5, 19.5, 18, *BLUE, 'pb')
    write('pawns', 'PawnB', svg(40, b, d))



def floppy(x, y, s, id):
    # A blue floppy disk: body, metal shutter at the top, white label at the bottom.
    k = s / 64
    X = lambda v: f(x + v*k); Y = lambda v: f(y + v*k); L = lambda v: f(v*k)
    defs = lin(id, x, y, x + s, y + s, [(0, '#4f8ff0'), (1, '#173f9c')])
    body = (f'<path d="M {X(4)},{Y(2)} H {X(52)} L {X(62)},{Y(12)} V {Y(60)} Q {X(62)},{Y(62)} {X(60)},{Y(62)} H {X(4)} Q {X(2)},{Y(62)} {X(2)},{Y(60)} V {Y(4)} Q {X(2)},{Y(2)} {X(4)},{Y(2)} Z" '
            f'fill="url(#{id})" stroke="#0d2463" stroke-width="{L(2)}" stroke-linejoin="round"/>'
            f'<rect x="{X(15)}" y="{Y(3)}" width="{L(32)}" height="{L(19)}" rx="{L(1.5)}" fill="#d9dee6" stroke="#59606b" stroke-width="{L(1.2)}"/>'
            f'<rect x="{X(35)}" y="{Y(6)}" width="{L(7)}" height="{L(13)}" fill="#2d3440"/>'
            f'<rect x="{X(10)}" y="{Y(33)}" width="{L(44)}" height="{L(27)}" rx="{L(2)}" fill="#fbfbf6" stroke="#6b7a99" stroke-width="{L(1)}"/>'
            f'<rect x="{X(15)}" y="{Y(40)}" width="{L(34)}" height="{L(2.2)}" fill="#9fb0cf"/>'
            f'<rect x="{X(15)}" y="{Y(47)}" width="{L(34)}" height="{L(2.2)}" fill="#9fb0cf"/>'
            f'<rect x="{X(15)}" y="{Y(54)}" width="{L(24)}" height="{L(2.2)}" fill="#9fb0cf"/>')
    return body, defs

def pencil(x0, y0, x1, y1, w, id, body_col=('#ffe14d', '#f2b705', '#c98a00')):
    # A pencil from its eraser end (x0,y0) to its point (x1,y1), w wide.
    L = math.hypot(x1-x0, y1-y0); ang = math.degrees(math.atan2(y1-y0, x1-x0))
    h = w/2
    defs = lin(id, 0, -h, 0, h, [(0, body_col[0]), (0.5, body_col[1]), (1, body_col[2])])
    tip = L*0.22; er = L*0.13; fe = L*0.09
    g = (f'<g transform="translate({f(x0)},{f(y0)}) rotate({f(ang)})">'
         f'<polygon points="{pts([(1,-h+2),(L-tip+1,-h+2),(L+1,2),(L-tip+1,h+2),(1,h+2)])}" fill="#000" fill-opacity="0.2"/>'
         f'<rect x="0" y="{f(-h)}" width="{f(er+h*0.5)}" height="{f(w)}" rx="{f(h*0.5)}" fill="#f08aa0" stroke="#7a3344" stroke-width="{f(w*0.08)}"/>'
         f'<rect x="{f(er)}" y="{f(-h)}" width="{f(fe)}" height="{f(w)}" fill="#c7ccd4" stroke="#5a606a" stroke-width="{f(w*0.08)}"/>'
         f'<rect x="{f(er+fe)}" y="{f(-h)}" width="{f(L-er-fe-tip)}" height="{f(w)}" fill="url(#{id})" stroke="#7a5600" stroke-width="{f(w*0.08)}"/>'
         f'<polygon points="{pts([(L-tip,-h),(L,0),(L-tip,h)])}" fill="#f3d4a2" stroke="#7a5a2a" stroke-width="{f(w*0.08)}" stroke-linejoin="round"/>'
         f'<polygon points="{pts([(L-tip*0.38,-h*0.38),(L,0),(L-tip*0.38,h*0.38)])}" fill="#333"/>'
         f'<rect x="{f(er+fe)}" y="{f(-h*0.12)}" width="{f(L-er-fe-tip)}" height="{f(w*0.1)}" fill="#fff" fill-opacity="0.35"/>'
         '</g>')
    return g, defs

def disc(cx, cy, r, c1, c2, edge, id):
    defs = lin(id, cx, cy - r, cx, cy + r, [(0, c1), (1, c2)]) + rad(id + 'h', cx, cy - r*0.55, r*0.8, [(0, '#fff', 0.55), (1, '#fff', 0)])
    body = (f'<circle cx="{f(cx+1.5)}" cy="{f(cy+2)}" r="{f(r)}" fill="#000" fill-opacity="0.2"/>'
            f'<circle cx="{f(cx)}" cy="{f(cy)}" r="{f(r)}" fill="url(#{id})" stroke="{edge}" stroke-width="{f(r*0.05)}"/>'
            f'<ellipse cx="{f(cx)}" cy="{f(cy-r*0.5)}" rx="{f(r*0.7)}" ry="{f(r*0.38)}" fill="url(#{id}h)"/>')
    return body, defs

def box(s, id):
    # An open cardboard box seen from the front and a little above, flaps open.
    k = s / 96
    P = lambda l: pts([(x*k, y*k) for x, y in l])
    defs = lin(id, 0, 40*k, 0, 92*k, [(0, '#d9a866'), (1, '#b07a3a')])
    body = (f'<ellipse cx="{f(50*k)}" cy="{f(90*k)}" rx="{f(42*k)}" ry="{f(4*k)}" fill="#000" fill-opacity="0.2"/>'
            # back flap and inside
            f'<polygon points="{P([(26,30),(70,30),(76,12),(32,12)])}" fill="#c89454" stroke="#6b4416" stroke-width="{f(1.5*k)}" stroke-linejoin="round"/>'
            f'<polygon points="{P([(14,42),(26,30),(70,30),(82,42)])}" fill="#5c3a12"/>'
            f'<polygon points="{P([(70,30),(82,42),(84,36),(72,24)])}" fill="#8a5a22"/>'
            # side flaps
            f'<polygon points="{P([(14,42),(26,30),(10,20),(2,34)])}" fill="#d8a35e" stroke="#6b4416" stroke-width="{f(1.5*k)}" stroke-linejoin="round"/>'
            f'<polygon points="{P([(82,42),(70,30),(88,22),(94,36)])}" fill="#b9843f" stroke="#6b4416" stroke-width="{f(1.5*k)}" stroke-linejoin="round"/>'
            # front face and front flap folded down
            f'<polygon points="{P([(14,42),(82,42),(82,86),(14,86)])}" fill="url(#{id})" stroke="#6b4416" stroke-width="{f(1.5*k)}" stroke-linejoin="round"/>'
            f'<polygon points="{P([(14,42),(82,42),(76,56),(8,56)])}" fill="#e6bb7e" stroke="#6b4416" stroke-width="{f(1.5*k)}" stroke-linejoin="round"/>'
            f'<rect x="{f(40*k)}" y="{f(56*k)}" width="{f(16*k)}" height="{f(30*k)}" fill="#e9d2a6" fill-opacity="0.7"/>'
            f'<polygon points="{P([(40,42),(56,42),(54.3,46),(38.3,46)])}" fill="#e9d2a6" fill-opacity="0.7"/>')
    return body, defs

def glyphs():
    # rabbit, white, running to the right
    shapes = ('<ellipse cx="44" cy="14" rx="3.6" ry="12" transform="rotate(28 44 20)"/>'
              '<ellipse cx="49" cy="13" rx="3.8" ry="12.5" transform="rotate(14 49 20)"/>'
              '<circle cx="12" cy="37" r="6"/>'
              '<path d="M 14,44 C 10,30 24,24 36,27 C 44,29 48,34 47,42 C 46,50 40,54 28,54 C 20,54 15,50 14,44 Z"/>'
              '<ellipse cx="24" cy="49" rx="11" ry="7"/>'
              '<path d="M 11,55 C 14,52 24,52 30,54 C 27,57.5 15,58 11,55 Z"/>'
              '<ellipse cx="47" cy="52" rx="6.5" ry="2.8" transform="rotate(12 47 52)"/>'
              '<ellipse cx="49" cy="31" rx="11" ry="9" transform="rotate(18 49 31)"/>')
    rabbit = (f'<g fill="#4a4a52" stroke="#4a4a52" stroke-width="3.6" stroke-linejoin="round">{shapes}</g>'
              f'<g fill="#ffffff">{shapes}</g>'
              '<path d="M 17,46 C 19,40 28,40 33,46" fill="none" stroke="#b8b8c4" stroke-width="1.6" stroke-linecap="round"/>'
              '<ellipse cx="47" cy="14" rx="1.5" ry="8" transform="rotate(14 49 20)" fill="#f2b6c4"/>'
              '<circle cx="52" cy="29" r="2.2" fill="#2a1a2a"/><circle cx="52.6" cy="28.3" r="0.7" fill="#fff"/>'
              '<circle cx="59.3" cy="34.6" r="1.7" fill="#e8798f"/>')
    write('glyphs', 'Fast', svg(64, rabbit))
    sd = rad('shell', 26, 26, 22, [(0, '#f5c27a'), (0.6, '#d8892e'), (1, '#8a4a12')])
    snail = ('<path d="M 4,54 C 6,48 14,47 24,47 L 44,47 C 48,47 50,40 50,32 C 50,26 56,24 58,30 C 60,38 58,48 54,52 C 50,56 44,57 36,57 L 10,57 C 6,57 4,56 4,54 Z" fill="#b8d08a" stroke="#4f6228" stroke-width="2" stroke-linejoin="round"/>'
             '<path d="M 52,27 L 48,12 M 56,27 L 58,11" stroke="#4f6228" stroke-width="2.2" stroke-linecap="round" fill="none"/>'
             '<circle cx="48" cy="12" r="2.6" fill="#4f6228"/><circle cx="58" cy="11" r="2.6" fill="#4f6228"/>'
             '<circle cx="26" cy="30" r="19" fill="url(#shell)" stroke="#6b3a0e" stroke-width="2"/>'
             '<path d="M 27,31 C 27,28 31,28 31,31 C 31,35 24,36 23,31 C 22,25 31,22 35,28 C 39,35 33,42 26,42 C 17,42 13,33 16,26 C 19,18 30,15 37,20" '
             'fill="none" stroke="#6b3a0e" stroke-width="2.2" stroke-linecap="round"/>'
             '<circle cx="56" cy="38" r="1.3" fill="#4f6228"/>')
    write('glyphs', 'Slow', svg(64, snail, sd))
    g, d = pencil(10, 54, 56, 8, 12, 'pen')
    write('glyphs', 'Edit', svg(64, g, d))
    # red die seen from above a corner: three faces with their pips
    top = [(32, 5), (57, 18), (32, 31), (7, 18)]
    left = [(7, 18), (32, 31), (32, 60), (7, 47)]
    right = [(32, 31), (57, 18), (57, 47), (32, 60)]
    def pips(mat, spots, r=0.11):
        return ''.join(f'<circle cx="{f(u)}" cy="{f(v)}" r="{r}" fill="#fff" transform="matrix({mat})"/>' for u, v in spots)
    mt = '25 13 -25 13 7 18'   # u: toward (32,31)... origin at left corner, v toward the top corner
    mt = '25 -13 25 13 7 18'
    ml = '25 13 0 29 7 18'
    mr = '25 -13 0 29 32 31'
    die = (f'<polygon points="{pts([(x+2,y+2) for x,y in [(7,18),(32,5),(57,18),(57,47),(32,60),(7,47)]])}" fill="#000" fill-opacity="0.22"/>'
           f'<polygon points="{pts(top)}" fill="#f04438"/><polygon points="{pts(left)}" fill="#c5221a"/><polygon points="{pts(right)}" fill="#951610"/>'
           f'<g>{pips(mt, [(0.5, 0.5)], 0.13)}{pips(ml, [(0.25, 0.25), (0.5, 0.5), (0.75, 0.75)])}{pips(mr, [(0.25, 0.25), (0.75, 0.25), (0.25, 0.75), (0.75, 0.75)])}</g>'
           f'<polygon points="{pts([(7,18),(32,5),(57,18),(57,47),(32,60),(7,47)])}" fill="none" stroke="#5c0a06" stroke-width="1.8" stroke-linejoin="round"/>'
           '<polyline points="7,18 32,31 57,18" fill="none" stroke="#ff9a90" stroke-width="1" stroke-linejoin="round"/>'
           '<line x1="32" y1="31" x2="32" y2="60" stroke="#5c0a06" stroke-width="1"/>')
    write('glyphs', 'Play', svg(64, die))

def arrow_stroke(path, col, dark, w, head):
    # a thick arrow along path with a filled head polygon
    return (f'<path d="{path}" fill="none" stroke="{dark}" stroke-width="{f(w+3)}" stroke-linecap="round"/>'
            f'<polygon points="{pts(head)}" fill="{dark}" stroke="{dark}" stroke-width="3" stroke-linejoin="round"/>'
            f'<path d="{path}" fill="none" stroke="{col}" stroke-width="{f(w)}" stroke-linecap="round"/>'
            f'<polygon points="{pts(head)}" fill="{col}"/>')

def menu():
    b, d = floppy(4, 18, 72, 'fl')
    arrow = arrow_stroke('M 48,60 C 50,36 62,24 76,22', '#ff9a1f', '#8a4300', 9, [(92,18),(72,6),(76,36)])
    write('menu', 'Load', svg(96, b + arrow, d))
    b, d = floppy(4, 4, 76, 'fl')
    g, d2 = pencil(46, 90, 92, 36, 14, 'pen')
    write('menu', 'SaveAs', svg(96, b + g, d + d2))
    b, d = box(96, 'bx')
    write('menu', 'Pack', svg(96, b, d))
    b, d = disc(46, 46, 42, '#4f95f5', '#1746a8', '#0c2d78', 'ds')
    write('menu', 'Info', svg(96, b + '<circle cx="46" cy="25" r="6.5" fill="#fff"/><path d="M 37,38 H 52 V 68 H 57 V 75 H 36 V 68 H 41 V 45 H 37 Z" fill="#fff" stroke="#fff" stroke-width="1" stroke-linejoin="round"/>', d))
    write('menu', 'About', svg(96, b + '<path d="M 33,36 C 33,21 59,19 59,35 C 59,46 46,46 46,58 V 60" fill="none" stroke="#fff" stroke-width="9.5" stroke-linecap="round" stroke-linejoin="round"/><circle cx="46" cy="73" r="6" fill="#fff"/>', d))
    b, d = disc(46, 46, 42, '#f2564a', '#b3150d', '#6e0a05', 'dr')
    write('menu', 'Remove', svg(96, b + '<path d="M 30,30 L 62,62 M 62,30 L 30,62" stroke="#fff" stroke-width="11" stroke-linecap="round"/>', d))

def buttons():
    b, d = floppy(6, 6, 84, 'fl')
    write('buttons', 'Save', svg(96, b, d))
    G, GD = '#3cc44a', '#11591a'
    undo = arrow_stroke('M 78,76 C 84,52 72,34 50,34 L 34,34', G, GD, 12, [(8,34),(34,14),(34,54)])
    write('buttons', 'Undo', svg(96, undo))
    def arc(a0, a1, r=32, c=(48, 48)):
        x0, y0 = c[0] + r*math.cos(math.radians(a0)), c[1] + r*math.sin(math.radians(a0))
        x1, y1 = c[0] + r*math.cos(math.radians(a1)), c[1] + r*math.sin(math.radians(a1))
        path = f'M {f(x0)},{f(y0)} A {r},{r} 0 0 1 {f(x1)},{f(y1)}'
        # head at the end, pointing along the clockwise tangent
        t = (-math.sin(math.radians(a1+14)), math.cos(math.radians(a1+14)))
        tip = (c[0] + r*math.cos(math.radians(a1+26)), c[1] + r*math.sin(math.radians(a1+26)))
        return path, arrow_head(tip, t, 19)
    p1, h1 = arc(200, 330); p2, h2 = arc(20, 150)
    replay = arrow_stroke(p1, G, GD, 11, h1) + arrow_stroke(p2, G, GD, 11, h2)
    write('buttons', 'Replay', svg(96, replay))
    bd = rad('bulb', 42, 30, 34, [(0, '#fffde0'), (0.45, '#ffe95a'), (1, '#e0a800')])
    bulb = ('<g stroke="#f5b400" stroke-width="4" stroke-linecap="round"><path d="M 48,4 V 10 M 16,16 L 21,21 M 80,16 L 75,21 M 6,44 H 13 M 90,44 H 83"/></g>'
            '<path d="M 36,66 C 36,56 22,52 22,38 C 22,23 34,14 48,14 C 62,14 74,23 74,38 C 74,52 60,56 60,66 Z" fill="url(#bulb)" stroke="#9a6b00" stroke-width="2.5" stroke-linejoin="round"/>'
            '<path d="M 41,64 L 44,44 L 48,50 L 52,44 L 55,64" fill="none" stroke="#c98a00" stroke-width="2" stroke-linejoin="round"/>'
            '<ellipse cx="38" cy="30" rx="6" ry="9" transform="rotate(30 38 30)" fill="#fff" fill-opacity="0.7"/>'
            '<rect x="35" y="66" width="26" height="16" rx="3" fill="#a8adb5" stroke="#4b5058" stroke-width="2"/>'
            '<path d="M 36,71 H 60 M 36,76 H 60" stroke="#5d636c" stroke-width="2"/>'
            '<path d="M 41,82 H 55 L 52,89 H 44 Z" fill="#4b5058"/>')
    write('buttons', 'Help', svg(96, bulb, bd))
    # life buoy: ring of alternating red and white quarters
    R0, R1, c = 42, 22, 48
    segs = []
    for i in range(8):
        a0, a1 = math.radians(i*45 - 22.5 + 45), math.radians(i*45 + 22.5 + 45)
        col = '#e5261c' if i % 2 == 0 else '#ffffff'
        p0 = (c + R0*math.cos(a0), c + R0*math.sin(a0)); p1 = (c + R0*math.cos(a1), c + R0*math.sin(a1))
        q1 = (c + R1*math.cos(a1), c + R1*math.sin(a1)); q0 = (c + R1*math.cos(a0), c + R1*math.sin(a0))
        segs.append(f'<path d="M {f(p0[0])},{f(p0[1])} A {R0},{R0} 0 0 1 {f(p1[0])},{f(p1[1])} L {f(q1[0])},{f(q1[1])} A {R1},{R1} 0 0 0 {f(q0[0])},{f(q0[1])} Z" fill="{col}"/>')
    sdefs = rad('buoy', 48, 48, 44, [(0, '#000', 0), (0.45, '#000', 0), (0.55, '#fff', 0.35), (0.7, '#fff', 0), (0.9, '#000', 0), (1, '#000', 0.25)])
    buoy = (f'<circle cx="{c+2}" cy="{c+3}" r="{(R0+R1)/2}" fill="none" stroke="#000" stroke-opacity="0.15" stroke-width="{R0-R1}"/>' + ''.join(segs) +
            f'<circle cx="{c}" cy="{c}" r="{(R0+R1)/2}" fill="none" stroke="url(#buoy)" stroke-width="{R0-R1}"/>'
            f'<circle cx="{c}" cy="{c}" r="{R0}" fill="none" stroke="#5a0d08" stroke-width="2"/>'
            f'<circle cx="{c}" cy="{c}" r="{R1}" fill="none" stroke="#5a0d08" stroke-width="2"/>'
            '')
    write('buttons', 'Solution', svg(96, buoy, sdefs))

def messages():
    # chequered flag on a pole, waving
    cols, rows = 6, 4
    x0, y0, w, h = 22, 10, 66, 44
    def pos(i, j):
        u = i / cols
        return (x0 + u*w, y0 + j*h/rows + 6*math.sin(u*math.pi*1.6) * (0.4 + u))
    quads = []
    for i in range(cols):
        for j in range(rows):
            col = '#1b1b1b' if (i + j) % 2 == 0 else '#ffffff'
            quads.append(f'<polygon points="{pts([pos(i,j),pos(i+1,j),pos(i+1,j+1),pos(i,j+1)])}" fill="{col}" stroke="{col}" stroke-width="0.4"/>')
    outline = [pos(i, 0) for i in range(cols+1)] + [pos(cols - i, rows) for i in range(cols+1)]
    flag = (f'<polygon points="{pts([(x+2,y+3) for x,y in outline])}" fill="#000" fill-opacity="0.2"/>' + ''.join(quads) +
            f'<polygon points="{pts(outline)}" fill="none" stroke="#333" stroke-width="1.6" stroke-linejoin="round"/>'
            '<rect x="15" y="6" width="7" height="86" rx="3" fill="#8a5a2a" stroke="#3f2610" stroke-width="1.5"/>'
            '<circle cx="18.5" cy="6" r="5" fill="#f2c230" stroke="#7a5a00" stroke-width="1.5"/>')
    write('message', 'Flag', svg(96, flag))
    wd = lin('warn', 0, 8, 0, 88, [(0, '#ffe35a'), (1, '#f2a900')])
    warn = ('<path d="M 48,8 L 90,84 Q 92,88 87,88 H 9 Q 4,88 6,84 Z" transform="translate(2,3)" fill="#000" fill-opacity="0.2"/>'
            '<path d="M 44,10 Q 48,4 52,10 L 90,80 Q 93,88 86,88 H 10 Q 3,88 6,80 Z" fill="url(#warn)" stroke="#7a5200" stroke-width="3" stroke-linejoin="round"/>'
            '<path d="M 42.5,34 Q 42,29 48,29 Q 54,29 53.5,34 L 51,62 Q 50.5,65 48,65 Q 45.5,65 45,62 Z" fill="#1a1a1a"/>'
            '<circle cx="48" cy="74" r="5.5" fill="#1a1a1a"/>')
    write('message', 'Warning', svg(96, warn, wd))
    b, d = disc(46, 46, 42, '#f2564a', '#b3150d', '#6e0a05', 'dr')
    write('message', 'Error', svg(96, b + '<rect x="21" y="39" width="50" height="14" rx="3" fill="#fff"/>', d))

def small_ball(cx, cy, r, col, id):
    return ball(cx, cy, r, *col, id)

def overview():
    write('overview', 'OverView0', svg(48, pyramid_top(0, 0, 48, 48, BROWN, 0.24) +
          '<rect x="0.75" y="0.75" width="46.5" height="46.5" fill="none" stroke="#3f2712" stroke-width="1.5"/>'))
    write('overview', 'OverView1', svg(48, floor(48)))
    write('overview', 'OverView2', svg(48, floor(48) + goal_ring(4, 40, 6, False)))
    b, d = stop_sign(24, 24, 20, False)
    write('overview', 'OverView3', svg(48, floor(48) + b, d))
    write('overview', 'OverView4', svg(48, floor(48) + turn_arrows(48, 1.25)))
    write('overview', 'OverView5', svg(48, floor(48) + f'<g transform="matrix(-1 0 0 1 48 0)">{turn_arrows(48, 1.25)}</g>'))
    b, d = push_button(9, 9, 30)
    write('overview', 'OverView6', svg(48, floor(48) + b, d))
    write('overview', 'OverView7', svg(48, sand_slab(0, 0, 48)))
    b, d = ball(24, 24, 21, *GREEN, 'og', shadow=False)
    write('overview', 'OverView8', svg(48, b, d))

def checker_tile(x, y, s, n, id):
    c = s / n
    out = [f'<rect x="{f(x+1.5)}" y="{f(y+2)}" width="{f(s)}" height="{f(s)}" rx="{f(s*0.05)}" fill="#000" fill-opacity="0.25"/>']
    for i in range(n):
        for j in range(n):
            col = '#d2d3d0' if (i + j) % 2 == 0 else '#8e908d'
            out.append(f'<rect x="{f(x+i*c)}" y="{f(y+j*c)}" width="{f(c)}" height="{f(c)}" fill="{col}"/>')
    out.append(f'<rect x="{f(x)}" y="{f(y)}" width="{f(s)}" height="{f(s)}" fill="url(#{id})"/>')
    out.append(f'<rect x="{f(x)}" y="{f(y)}" width="{f(s)}" height="{f(s)}" fill="none" stroke="#4f514e" stroke-width="{f(s*0.025)}"/>')
    return ''.join(out), lin(id, x, y, x+s, y+s, [(0, '#fff', 0.25), (0.5, '#fff', 0), (1, '#000', 0.18)])

def emblem_svg(size, ball_r_ratio=0.3):
    k = size / 80
    t, td = checker_tile(6*k, 10*k, 64*k, 4, 'tile')
    b, bd = ball(40*k, 39*k, 80*k*ball_r_ratio, *BLUE, 'eb')
    return svg(size, t + b, td + bd)

def treeview():
    fd = lin('fold', 0, 14, 0, 44, [(0, '#ffd966'), (1, '#e8a91a')])
    folder = ('<path d="M 4,10 Q 4,7 7,7 H 18 L 22,11 H 41 Q 44,11 44,14 V 40 Q 44,42 41,42 H 7 Q 4,42 4,40 Z" fill="#d39a1e" stroke="#7a5205" stroke-width="1.5" stroke-linejoin="round"/>'
              '<rect x="8" y="13" width="32" height="10" fill="#fffbe8" stroke="#c9c2a8" stroke-width="0.8"/>'
              '<path d="M 4,18 Q 4,16 7,16 H 41 Q 44,16 44,18 V 40 Q 44,42 41,42 H 7 Q 4,42 4,40 Z" fill="url(#fold)" stroke="#7a5205" stroke-width="1.5" stroke-linejoin="round"/>'
              '<path d="M 6,19 H 42" stroke="#fff4c4" stroke-width="1.2"/>')
    write('treeview', 'Folder', svg(48, folder, fd))
    write('treeview', 'MapFile', emblem_svg(48, 0.28))
    b, d = box(48, 'bx')
    write('treeview', 'PackFile', svg(48, b, d))

def emblem():
    write('emblem', 'Emblem', emblem_svg(80))

def star_points(cx, cy, r_out, r_in):
    return [(cx + (r_out if k % 2 == 0 else r_in) * math.sin(k * math.pi / 5),
             cy - (r_out if k % 2 == 0 else r_in) * math.cos(k * math.pi / 5)) for k in range(10)]

def progress():
    # Marks of the Load and Pack menus: a map solved, and one solved in the fewest moves.
    star = pts(star_points(16, 17, 14.5, 6.2))
    write('progress', 'StarOutline', svg(32,
          f'<polygon points="{star}" fill="#fff6d8" stroke="#b8860b" stroke-width="2.2" stroke-linejoin="round"/>'))
    d = lin('sf', 8, 4, 24, 30, [(0, '#ffe680'), (0.55, '#ffc21a'), (1, '#e08a00')])
    write('progress', 'StarFull', svg(32,
          f'<polygon points="{star}" fill="url(#sf)" stroke="#a86a00" stroke-width="1.6" stroke-linejoin="round"/>', d))

if __name__ == '__main__':
    cells(); rised(); pawns()
    glyphs(); menu(); buttons(); messages(); overview(); treeview(); emblem(); progress()
