#!/usr/bin/env python3
"""Builds the shipped skin from the sources in assets/: the four language files,
the window background, every control's state pictures, the pictures laid over
the background and the pop-up menu pictures.

Sizes and places come from assets/skin/layout.ini; colours and shapes from the
painters below. Usage: make_skin.py <assets dir> <program folder>
"""
import math
import os
import shutil
import sys

sys.dont_write_bytecode = True  # the build runs this from the source tree
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from raster import (Canvas, hexrgb, mix, with_alpha, hsv, sd_rrect, sd_circle, sd_segment, sd_arc,
                    sd_polygon, union, subtract, stroke, polyline, linear, radial, conic)
import skinini

LANGUAGES = [('en', 'skin_En.ini'), ('cs', 'skin_Cs.ini'), ('ct', 'skin_Ct.ini'), ('de', 'skin_De.ini')]

# ---- palette ----------------------------------------------------------------
WINDOW = hexrgb('#0b0d11')
HEADER = hexrgb('#08090c')
RAIL = hexrgb('#08090c')
CARD = hexrgb('#12151b')
CARD_TOP = hexrgb('#161a22')
LINE = hexrgb('#20242e')
LINE_HI = hexrgb('#2c3240')
FIELD = hexrgb('#0a0c10')
CHIP = hexrgb('#181b23')
ROW = hexrgb('#171a21')
ROW_HOVER = hexrgb('#1e222b')
ROW_DOWN = hexrgb('#101217')
INK = hexrgb('#e9ecf2')
INK_DIM = hexrgb('#9ba1ad')
INK_OFF = hexrgb('#4b505c')
ACCENT = hexrgb('#3f7cff')
ACCENT2 = hexrgb('#8a5cff')
ACCENT_LIGHT = hexrgb('#8fb0ff')
DANGER = hexrgb('#d8404e')
BLACK = (0.0, 0.0, 0.0, 1.0)
LED_COLOURS = ['#ff3b3b', '#ffb020', '#f5f53a', '#3bff6a', '#2ee6ff', '#3b6bff', '#b43bff', '#ff3bc4']

# Card panels of the background: (left, top, right, bottom).
CARDS = {
    'effects': (92, 56, 244, 404),
    'profiles': (92, 416, 244, 600),
    'panel': (256, 56, 904, 600),
    'modes': (916, 56, 1188, 240),
    'preview': (916, 252, 1188, 544),
}
WINDOW_SIZE = (1200, 616)


def accent_fill(w, h, a=1.0):
    return linear(0, 0, w, h, [(0.0, with_alpha(ACCENT, a)), (1.0, with_alpha(ACCENT2, a))])


# ---- background ---------------------------------------------------------------

def card(c, box, radius=12):
    x0, y0, x1, y1 = box
    c.shadow(sd_rrect(x0, y0 + 4, x1, y1 + 4, radius), (x0, y0, x1, y1 + 4), 8, BLACK, 0.45)
    c.fill(sd_rrect(x0, y0, x1, y1, radius), box,
           linear(0, y0, 0, y0 + 120, [(0.0, CARD_TOP), (1.0, CARD)]))
    c.fill(stroke(sd_rrect(x0 + 0.5, y0 + 0.5, x1 - 0.5, y1 - 0.5, radius - 0.5), 1.0), box, LINE)


def background(E):
    W, H = WINDOW_SIZE
    c = Canvas(W, H)
    for y in range(H):
        c.rect(0, y, W, y + 1, mix(WINDOW, hexrgb('#0e1016'), y / H))
    # A faint coloured light behind the panels.
    c.shadow(sd_circle(1040, 420, 10), (1040, 420, 1040, 420), 220, hexrgb('#3f2c8a'), 0.22)
    c.shadow(sd_circle(560, 140, 10), (560, 140, 560, 140), 260, hexrgb('#1c3d8a'), 0.16)
    c.rect(0, 0, W, 48, HEADER)
    c.rect(0, 48, 84, H, RAIL)
    c.rect(84, 48, 85, H, LINE)
    for box in CARDS.values():
        card(c, box)
    return c


# ---- glyphs ------------------------------------------------------------------

def led_ring(c, cx, cy, r, dot, colours, centre):
    """The brand mark: eight LEDs round a centre; without colours every LED takes the centre's."""
    for i in range(8):
        a = math.radians(i * 45 - 90)
        x, y = cx + r * math.cos(a), cy + r * math.sin(a)
        col = hexrgb(colours[i]) if colours else centre
        c.fill(sd_circle(x, y, dot), (x - dot, y - dot, x + dot, y + dot), col)
    if centre:
        c.fill(sd_circle(cx, cy, dot * 1.15), (cx - dot * 2, cy - dot * 2, cx + dot * 2, cy + dot * 2), centre)


def glyph_note(c, x, y, col):
    # A beamed pair of notes, 16 x 16.
    c.fill(sd_circle(x + 4, y + 13, 2.6), (x, y + 9, x + 8, y + 17), col)
    c.fill(sd_circle(x + 13, y + 11, 2.6), (x + 9, y + 7, x + 17, y + 15), col)
    c.fill(union(sd_segment(x + 6.2, y + 13, x + 6.2, y + 2.5, 0.8), sd_segment(x + 15.2, y + 11, x + 15.2, y + 0.5, 0.8),
                 sd_segment(x + 6.2, y + 2.5, x + 15.2, y + 0.5, 1.3)), (x, y, x + 17, y + 15), col)


def glyph_sync(c, x, y, col):
    # Two arrows chasing each other round a circle, 16 x 16.
    cx, cy = x + 8, y + 8
    c.fill(union(sd_arc(cx, cy, 6, 200, 340, 0.85), sd_arc(cx, cy, 6, 20, 160, 0.85)), (x, y, x + 16, y + 16), col)
    c.fill(sd_polygon([(cx + 6.4, cy - 5.5), (cx + 8.8, cy - 0.6), (cx + 3.6, cy - 1.2)]), (x, y, x + 16, y + 16), col)
    c.fill(sd_polygon([(cx - 6.4, cy + 5.5), (cx - 8.8, cy + 0.6), (cx - 3.6, cy + 1.2)]), (x, y, x + 16, y + 16), col)


def glyph_bulb(c, x, y, col, lit):
    cx = x + 8
    c.fill(stroke(sd_circle(cx, y + 6.5, 4.6), 1.5), (x, y, x + 16, y + 13), col)
    c.fill(union(sd_segment(cx - 2.2, y + 13, cx + 2.2, y + 13, 0.75), sd_segment(cx - 1.6, y + 15.2, cx + 1.6, y + 15.2, 0.75)),
           (x, y + 11, x + 16, y + 17), col)
    if lit:
        c.fill(sd_circle(cx, y + 6.5, 2.4), (x, y, x + 16, y + 12), col)


def glyph_link(c, x, y, col):
    # Two chain links at 45 degrees, 16 x 16.
    a = sd_rrect(-5.5, -2.6, 5.5, 2.6, 2.6)
    def rot(f, ox, oy):
        k = math.sqrt(0.5)
        return lambda px, py: f(((px - ox) + (py - oy)) * k, (-(px - ox) + (py - oy)) * k)
    f = union(stroke(rot(a, x + 5.5, y + 10.5), 1.5), stroke(rot(a, x + 10.5, y + 5.5), 1.5))
    c.fill(f, (x - 1, y - 1, x + 17, y + 17), col)


def glyph_globe(c, cx, cy, r, col):
    f = union(stroke(sd_circle(cx, cy, r), 1.2),
              stroke(lambda x, y: (math.hypot((x - cx) / 0.45, y - cy) - r) * 0.45, 1.1),
              sd_segment(cx - r, cy, cx + r, cy, 0.6))
    c.fill(f, (cx - r - 2, cy - r - 2, cx + r + 2, cy + r + 2), col)


def glyph_chevron_down(c, cx, cy, col):
    c.fill(polyline([(cx - 3.5, cy - 1.8), (cx, cy + 1.8), (cx + 3.5, cy - 1.8)], 0.75), (cx - 5, cy - 3, cx + 5, cy + 3), col)


def glyph_arrow(c, cx, cy, col, right):
    s = 1 if right else -1
    f = union(sd_segment(cx - 7 * s, cy, cx + 6 * s, cy, 0.9),
              sd_segment(cx + 6.5 * s, cy, cx + 1.5 * s, cy - 5, 0.9),
              sd_segment(cx + 6.5 * s, cy, cx + 1.5 * s, cy + 5, 0.9))
    c.fill(f, (cx - 9, cy - 7, cx + 9, cy + 7), col)


# ---- control pictures ----------------------------------------------------------

STATES = ('normal', 'over', 'down', 'disable')


def pill(c, w, h, r, fill, border=None, inset=0.5):
    box = (0, 0, w, h)
    c.fill(sd_rrect(inset, inset, w - inset, h - inset, r), box, fill)
    if border:
        c.fill(stroke(sd_rrect(inset + 0.5, inset + 0.5, w - inset - 0.5, h - inset - 0.5, r - 0.5), 1.0), box, border)


def effect_row(w, h, state):
    c = Canvas(w, h)
    if state == 'over':
        pill(c, w, h, 8, hexrgb('#ffffff', 0.05))
    elif state == 'down':
        pill(c, w, h, 8, accent_fill(w, h, 0.92))
        c.fill(sd_rrect(0, 0, w, h / 2, 8), (0, 0, w, h / 2), hexrgb('#ffffff', 0.06))
    return c


def window_button(w, h, state, kind):
    c = Canvas(w, h)
    if state in ('over', 'down'):
        fill = DANGER if kind == 'close' else hexrgb('#ffffff', 0.08)
        if state == 'down':
            fill = hexrgb('#a8303c') if kind == 'close' else hexrgb('#ffffff', 0.04)
        c.rect(0, 0, w, h, fill)
    col = INK if state in ('over', 'down') else INK_DIM
    cx, cy = w / 2, h / 2
    if kind == 'close':
        f = union(sd_segment(cx - 5, cy - 5, cx + 5, cy + 5, 0.65), sd_segment(cx - 5, cy + 5, cx + 5, cy - 5, 0.65))
    else:
        f = sd_segment(cx - 5.5, cy, cx + 5.5, cy, 0.65)
    c.fill(f, (cx - 7, cy - 7, cx + 7, cy + 7), col)
    return c


def lang_button(w, h, state):
    c = Canvas(w, h)
    fill = {'normal': ROW, 'over': ROW_HOVER, 'down': ROW_DOWN, 'disable': ROW}[state]
    pill(c, w, h, h / 2, fill, LINE_HI if state != 'over' else hexrgb('#3a4150'))
    col = INK if state == 'over' else INK_DIM
    glyph_globe(c, 18, h / 2, 6.5, col)
    glyph_chevron_down(c, w - 16, h / 2 + 0.5, col)
    return c


def text_button(w, h, state, primary):
    c = Canvas(w, h)
    if primary:
        if state == 'normal':
            pill(c, w, h, 10, hexrgb('#141a2b'), with_alpha(ACCENT, 0.85))
        elif state == 'over':
            pill(c, w, h, 10, accent_fill(w, h))
            c.fill(sd_rrect(0.5, 0.5, w - 0.5, h / 2, 10), (0, 0, w, h / 2), hexrgb('#ffffff', 0.08))
        elif state == 'down':
            pill(c, w, h, 10, accent_fill(w, h, 0.7))
        else:
            pill(c, w, h, 10, hexrgb('#111319'), LINE)
    else:
        fill = {'normal': ROW, 'over': ROW_HOVER, 'down': ROW_DOWN, 'disable': hexrgb('#111319')}[state]
        pill(c, w, h, 10, fill, hexrgb('#3a4150') if state == 'over' else LINE_HI)
    return c


def switch(c, x, y, on, state):
    w, h = 30, 16
    if on:
        c.fill(sd_rrect(x, y, x + w, y + h, h / 2), (x, y, x + w, y + h),
               accent_fill(x + w, y + h) if state != 'disable' else hexrgb('#2b3350'))
        kx = x + w - h / 2
        knob = INK if state != 'disable' else INK_DIM
    else:
        c.fill(sd_rrect(x, y, x + w, y + h, h / 2), (x, y, x + w, y + h), hexrgb('#272b35'))
        c.fill(stroke(sd_rrect(x + 0.5, y + 0.5, x + w - 0.5, y + h - 0.5, h / 2 - 0.5), 1.0), (x, y, x + w, y + h), hexrgb('#343a47'))
        kx = x + h / 2
        knob = hexrgb('#8a909c') if state != 'disable' else INK_OFF
    c.shadow(sd_circle(kx, y + h / 2 + 1, 5.5), (kx - 6, y, kx + 6, y + h), 1.2, BLACK, 0.5)
    c.fill(sd_circle(kx, y + h / 2, 5.5), (kx - 6, y, kx + 6, y + h), knob)


def mode_toggle(w, h, state, kind):
    """Mode rows: glyph, centred caption (drawn by the button), switch. The LED
    row is checked while the lighting is off, so its "down" look is the off look."""
    c = Canvas(w, h)
    on = (state == 'down') != (kind == 'led')
    if state == 'disable':
        on = kind == 'led'
    fill = {'normal': ROW, 'over': ROW_HOVER, 'down': ROW, 'disable': hexrgb('#111319')}[state]
    border = LINE_HI if state != 'over' else hexrgb('#3a4150')
    if on and state != 'disable':
        border = with_alpha(ACCENT, 0.55)
    pill(c, w, h, 10, fill, border)
    if on and state != 'disable':
        c.shadow(sd_rrect(1, 1, w - 1, h - 1, 10), (0, 0, w, h), 10, with_alpha(ACCENT, 0.08))
    col = (ACCENT_LIGHT if on else INK_DIM) if state != 'disable' else INK_OFF
    if state == 'over' and not on:
        col = INK
    gx, gy = 14, (h - 16) // 2
    if kind == 'music':
        glyph_note(c, gx, gy, col)
    elif kind == 'sync':
        glyph_sync(c, gx, gy, col)
    elif kind == 'led':
        glyph_bulb(c, gx, gy, col, on)
    else:
        glyph_link(c, gx, gy, col)
    switch(c, w - 44, (h - 16) / 2, on, state)
    return c


def tab_frame(w, h, state):
    """Device tab: the LED ring in a pill, the caption under it. The caption is
    black on unselected tabs, so those are light cards."""
    c = Canvas(w, h)
    cx, cy = (4 + w) / 2.0, 28
    pill_box = (cx - 25, 5, cx + 25, 51)
    if state == 'down':
        c.shadow(sd_rrect(*pill_box, 16), pill_box, 8, with_alpha(ACCENT, 0.35))
        c.fill(sd_rrect(*pill_box, 16), pill_box, hexrgb('#1a2140'))
        c.fill(stroke(sd_rrect(pill_box[0] + 0.6, 5.6, pill_box[2] - 0.6, 50.4, 15.4), 1.2), pill_box, with_alpha(ACCENT, 0.9))
        led_ring(c, cx, cy, 11, 2.5, LED_COLOURS, INK)
    elif state == 'disable':
        c.fill(sd_rrect(*pill_box, 16), pill_box, hexrgb('#12141a'))
        c.fill(stroke(sd_rrect(pill_box[0] + 0.5, 5.5, pill_box[2] - 0.5, 50.5, 15.5), 1.0), pill_box, LINE_HI)
        led_ring(c, cx, cy, 11, 2.5, None, INK_OFF)
    else:
        fill = hexrgb('#b9c0cc') if state == 'normal' else hexrgb('#d3d8e0')
        c.fill(sd_rrect(6.5, 0.5, w - 0.5, h - 0.5, 12), (6, 0, w, h), fill)
        led_ring(c, cx, cy, 11, 2.5, None, hexrgb('#2a2f3a'))
    return c


def tab_mark(w, h, state):
    # The tab's icon: a bar at its left edge beside the ring, lit on the selected tab.
    c = Canvas(w, h)
    if state in ('over', 'down'):
        col = ACCENT if state == 'down' else hexrgb('#5b6375')
        c.fill(sd_rrect(0, 14, 3, 42, 1.5), (0, 0, w, h), col)
    return c


def profile_button(w, h, state):
    c = Canvas(w, h)
    if state == 'over':
        pill(c, w, h, 9, hexrgb('#ffffff', 0.04))
    elif state == 'down':
        pill(c, w, h, 9, hexrgb('#1b2234'), with_alpha(ACCENT, 0.6))
        c.fill(sd_circle(14, h / 2, 3), (8, 0, 20, h), ACCENT)
    return c


def dir_button(w, h, state, right):
    c = Canvas(w, h)
    if state == 'down':
        pill(c, w, h, 9, accent_fill(w, h))
        col = INK
    else:
        fill = {'normal': ROW, 'over': ROW_HOVER, 'disable': hexrgb('#111319')}[state]
        pill(c, w, h, 9, fill, LINE_HI if state != 'over' else hexrgb('#3a4150'))
        col = INK if state == 'over' else INK_DIM if state == 'normal' else INK_OFF
    glyph_arrow(c, w / 2, h / 2, col, right)
    return c


def same_toggle(w, h, state):
    c = Canvas(w, h)
    fill = {'normal': ROW, 'over': ROW_HOVER, 'down': hexrgb('#19203a'), 'disable': hexrgb('#111319')}[state]
    border = with_alpha(ACCENT, 0.6) if state == 'down' else hexrgb('#3a4150') if state == 'over' else LINE_HI
    pill(c, w, h, h / 2, fill, border)
    bx, by = 10, (h - 14) / 2
    if state == 'down':
        c.fill(sd_rrect(bx, by, bx + 14, by + 14, 4), (bx, by, bx + 14, by + 14), accent_fill(bx + 14, by + 14))
        c.fill(polyline([(bx + 3.5, by + 7.3), (bx + 6, by + 9.8), (bx + 10.8, by + 4.4)], 0.9), (bx, by, bx + 14, by + 14), INK)
    else:
        col = INK_DIM if state != 'disable' else INK_OFF
        c.fill(stroke(sd_rrect(bx + 0.75, by + 0.75, bx + 13.25, by + 13.25, 3.5), 1.4), (bx, by, bx + 14, by + 14), col)
    return c


def track(w, h, state, fill_paint, ticks=0):
    """Slider track: a groove from thumb centre at one end to the other."""
    c = Canvas(w, h)
    r = h / 2.0
    y0, y1 = h / 2 - 2, h / 2 + 2
    box = (r - 2, y0, w - r + 2, y1)
    if state == 'down':
        c.fill(sd_rrect(r - 2, y0, w - r + 2, y1, 2), box, fill_paint)
    else:
        c.fill(sd_rrect(r - 2, y0, w - r + 2, y1, 2), box, hexrgb('#262a34') if state != 'disable' else hexrgb('#191c22'))
    for i in range(ticks):
        x = r + i * (w - 2 * r) / (ticks - 1)
        c.fill(sd_circle(x, h / 2 + 7, 1.1), (x - 2, h / 2 + 5, x + 2, h / 2 + 9), hexrgb('#4b505c'))
    return c


def thumb(w, h, state, ring):
    c = Canvas(w, h)
    cx, cy = w / 2, h / 2
    c.shadow(sd_circle(cx, cy + 1, 6.5), (0, 0, w, h), 1.5, BLACK, 0.6)
    if state == 'over':
        c.shadow(sd_circle(cx, cy, 6), (0, 0, w, h), 2.5, with_alpha(ring, 0.6))
    body = INK if state != 'disable' else hexrgb('#6a707c')
    c.fill(sd_circle(cx, cy, 7), (0, 0, w, h), body)
    if state == 'down':
        c.fill(stroke(sd_circle(cx, cy, 4), 3.0), (0, 0, w, h), ring)
    return c


def vscroll_track(w, h, state):
    c = Canvas(w, h)
    c.fill(sd_rrect(w / 2 - 2, 0, w / 2 + 2, h, 2), (0, 0, w, h), hexrgb('#1c1f27'))
    return c


def vscroll_thumb(w, h, state):
    c = Canvas(w, h)
    col = {'normal': hexrgb('#3a4050'), 'over': hexrgb('#50596e'), 'down': ACCENT, 'disable': hexrgb('#262a33')}[state]
    c.fill(sd_rrect(w / 2 - 3, 0, w / 2 + 3, h, 3), (0, 0, w, h), col)
    return c


def hue_dial(bg_crop):
    """Opaque: the window shape cuts it round, and what it leaves transparent would show black."""
    c = bg_crop.copy()
    w = c.w
    cx = cy = w / 2.0
    knob_r = (w - 26) // 2  # the knob runs on the circle 13 pixels inside the edge
    c.shadow(sd_circle(cx, cy, knob_r + 9), (0, 0, w, w), 3, BLACK, 0.7)
    c.fill(subtract(sd_circle(cx, cy, knob_r + 9), sd_circle(cx, cy, knob_r - 9)), (0, 0, w, w),
           conic(cx, cy, lambda a: hsv(a)))
    c.fill(sd_circle(cx, cy, knob_r - 12), (0, 0, w, w),
           radial(cx, cy - 20, knob_r, [(0.0, hexrgb('#1b1f28')), (1.0, hexrgb('#0e1015'))]))
    c.fill(stroke(sd_circle(cx, cy, knob_r - 12), 1.0), (0, 0, w, w), LINE_HI)
    c.fill(stroke(sd_circle(cx, cy, 17), 1.0), (0, 0, w, w), hexrgb('#2a2f3b'))
    return c


def hue_mask(w):
    c = Canvas(w, w, (1.0, 1.0, 1.0, 1.0))
    c.fill(sd_circle(w / 2.0, w / 2.0, w / 2.0 - 0.5), (0, 0, w, w), BLACK, soft=0.01)
    return c


def hue_knob(state):
    c = Canvas(22, 22)
    c.shadow(sd_circle(11, 12, 8), (0, 0, 22, 22), 1.5, BLACK, 0.7)
    c.fill(stroke(sd_circle(11, 11, 7.5), 3.0), (0, 0, 22, 22), INK)
    return c


def slot_swatch(w, h, state):
    """Grey-scale shape the swatch tints: its brightness becomes the colour's
    alpha, so the faint chip takes a wash of the colour and the dot all of it."""
    c = Canvas(w, h)
    box = (0, 0, w, h)
    cx, cy = w - 18, h / 2
    body, edge = (0.10, 0.28) if state != 'down' else (0.16, 1.0)
    c.fill(sd_rrect(0.5, 0.5, w - 0.5, h - 0.5, 8), box, (body, body, body, body))
    c.fill(stroke(sd_rrect(1, 1, w - 1, h - 1, 7.5), 1.0 if state != 'down' else 1.6), box, (edge, edge, edge, edge))
    if state == 'down':
        c.shadow(sd_circle(cx, cy, 7), (cx - 8, cy - 8, cx + 8, cy + 8), 3, (1.0, 1.0, 1.0, 1.0), 0.5)
    c.fill(sd_circle(cx, cy, 7), (cx - 8, cy - 8, cx + 8, cy + 8), (1.0, 1.0, 1.0, 1.0))
    return c


def preset_swatch(w, h, state):
    c = Canvas(w, h)
    white = (1.0, 1.0, 1.0, 1.0)
    cx, cy = w / 2, h / 2
    if state == 'down':
        c.fill(sd_circle(cx, cy, 6.5), (0, 0, w, h), white)
        c.fill(stroke(sd_circle(cx, cy, 9.6), 1.5), (0, 0, w, h), white)
    else:
        c.fill(sd_circle(cx, cy, 8.5), (0, 0, w, h), white)
    return c


# ---- pictures over the background -------------------------------------------------

LETTERS = {
    # Strokes in a box one unit high; (width, [polylines], [arcs (cx, cy, r, a0, a1)]).
    'L': (0.56, [[(0, 0), (0, 1), (0.56, 1)]], []),
    'U': (0.66, [[(0, 0), (0, 0.67)], [(0.66, 0.67), (0.66, 0)]], [(0.33, 0.67, 0.33, 0, 180)]),
    'M': (0.82, [[(0, 1), (0, 0), (0.41, 0.62), (0.82, 0), (0.82, 1)]], []),
    'E': (0.56, [[(0.56, 0), (0, 0), (0, 1), (0.56, 1)], [(0, 0.5), (0.46, 0.5)]], []),
    'N': (0.68, [[(0, 1), (0, 0), (0.68, 1), (0.68, 0)]], []),
    'K': (0.6, [[(0, 0), (0, 1)], [(0.6, 0), (0.02, 0.56)], [(0.2, 0.38), (0.62, 1)]], []),
    'I': (0.0, [[(0, 0), (0, 1)]], []),
    'T': (0.62, [[(0, 0), (0.62, 0)], [(0.31, 0), (0.31, 1)]], []),
}


def wordmark(c, text, x, y, cap, weight, paint, spacing=0.42):
    for ch in text:
        w, lines, arcs = LETTERS[ch]
        fs = [polyline([(x + px * cap, y + py * cap) for px, py in pl], weight / 2) for pl in lines]
        fs += [sd_arc(x + ax * cap, y + ay * cap, r * cap, a0, a1, weight / 2) for ax, ay, r, a0, a1 in arcs]
        c.fill(union(*fs), (x - weight, y - weight, x + w * cap + weight, y + cap + weight), paint)
        x += (w + spacing) * cap


def logo(w, h):
    c = Canvas(w, h)
    cy = h / 2
    c.shadow(sd_circle(12, cy, 6), (0, 0, 24, h), 5, hexrgb('#6b5cff'), 0.35)
    led_ring(c, 12, cy, 8.5, 1.9, LED_COLOURS, INK)
    wordmark(c, 'LUMENKIT', 34, cy - 6, 12, 1.9, INK)
    return c


def rule(w, h):
    c = Canvas(w, h)
    c.rect(0, 0, w, 1, LINE)
    for x in range(w):
        t = x / w
        a = max(0.0, 1.0 - abs(t - 0.18) / 0.3) * 0.7
        if a > 0:
            c.rect(x, 1, x + 1, 2, with_alpha(mix(ACCENT, ACCENT2, t * 2), a))
    return c


def mark(w, h):
    # The brand mark, dimmed, at the foot of the device rail.
    c = Canvas(w, h)
    led_ring(c, w / 2, h / 2, min(w, h) / 2 - 4, 2.2, None, hexrgb('#2a2f3b'))
    return c


def fan(c, cx, cy, r):
    """The preview illustration: a lit fan ring with blades."""
    c.shadow(sd_circle(cx, cy, r), (cx - r, cy - r, cx + r, cy + r), 16, hexrgb('#7a5cff'), 0.25)
    c.fill(sd_circle(cx, cy, r + 6), (cx - r - 8, cy - r - 8, cx + r + 8, cy + r + 8), hexrgb('#0d0f14'))
    c.fill(stroke(sd_circle(cx, cy, r + 6), 1.0), (cx - r - 8, cy - r - 8, cx + r + 8, cy + r + 8), LINE_HI)
    ringf = subtract(sd_circle(cx, cy, r), sd_circle(cx, cy, r - 7))
    c.fill(ringf, (cx - r, cy - r, cx + r, cy + r), conic(cx, cy, lambda a: hsv(a + 200, 0.85, 1.0)))
    c.fill(ringf, (cx - r, cy - r, cx + r, cy + r), hexrgb('#ffffff', 0.15), soft=4)
    hub = r * 0.26
    for i in range(7):
        a0 = math.radians(i * 360 / 7)
        pts = []
        for t in (0.0, 0.35, 0.7, 1.0):
            rr = hub + (r - 12 - hub) * t
            aa = a0 + t * 0.9
            pts.append((cx + rr * math.cos(aa), cy + rr * math.sin(aa)))
        blade = polyline(pts, 5.5)
        c.fill(blade, (cx - r, cy - r, cx + r, cy + r), linear(cx - r, cy - r, cx + r, cy + r,
                                                               [(0.0, hexrgb('#2a2f3c')), (1.0, hexrgb('#1a1d25'))]))
    c.fill(sd_circle(cx, cy, hub), (cx - hub, cy - hub, cx + hub, cy + hub), hexrgb('#1f232d'))
    c.fill(stroke(sd_circle(cx, cy, hub), 1.0), (cx - hub - 1, cy - hub - 1, cx + hub + 1, cy + hub + 1), LINE_HI)
    led_ring(c, cx, cy, hub * 0.55, 1.5, LED_COLOURS, None)


def preview(w, h):
    c = Canvas(w, h)
    fan(c, w / 2, 108, 84)
    # A light strip under the fan.
    y = 224
    c.fill(sd_rrect(14, y, w - 14, y + 16, 8), (14, y, w - 14, y + 16), hexrgb('#0d0f14'))
    c.fill(stroke(sd_rrect(14.5, y + 0.5, w - 14.5, y + 15.5, 7.5), 1.0), (14, y, w - 14, y + 16), LINE_HI)
    n = 18
    for i in range(n):
        x = 26 + i * (w - 52) / (n - 1)
        col = hsv(200 + i * 9, 0.85, 1.0)
        c.shadow(sd_circle(x, y + 8, 2), (x - 4, y, x + 4, y + 16), 3, col, 0.5)
        c.fill(sd_circle(x, y + 8, 2.6), (x - 4, y + 4, x + 4, y + 12), col)
    return c


def sync_emblem(w, h):
    c = Canvas(w, h)
    cx, cy = w / 2, h / 2
    r = w / 2 - 22
    c.shadow(sd_circle(cx, cy, r), (0, 0, w, h), 14, with_alpha(ACCENT2, 0.6), 0.6)
    c.fill(union(sd_arc(cx, cy, r, 200, 340, 5), sd_arc(cx, cy, r, 20, 160, 5)), (0, 0, w, h),
           accent_fill(w, h))
    for ang, sgn in ((340, 1), (160, 1)):
        a = math.radians(ang)
        px, py = cx + r * math.cos(a), cy + r * math.sin(a)
        tx, ty = -math.sin(a) * sgn, math.cos(a) * sgn  # travel direction (clockwise)
        nx, ny = math.cos(a), math.sin(a)
        tip = (px + tx * 16, py + ty * 16)
        c.fill(sd_polygon([tip, (px + nx * 13, py + ny * 13), (px - nx * 13, py - ny * 13)]), (0, 0, w, h),
               accent_fill(w, h))
    led_ring(c, cx, cy, 22, 4, LED_COLOURS, INK)
    return c


def sync_links(w, h):
    c = Canvas(w, h)
    n = 5
    cy = h / 2
    xs = [40 + i * (w - 80) / (n - 1) for i in range(n)]
    c.fill(sd_segment(xs[0], cy, xs[-1], cy, 1.2), (0, 0, w, h), linear(0, 0, w, 0, [(0.0, with_alpha(ACCENT, 0.8)), (1.0, with_alpha(ACCENT2, 0.8))]))
    for i, x in enumerate(xs):
        c.fill(sd_rrect(x - 20, cy - 16, x + 20, cy + 16, 9), (x - 21, cy - 17, x + 21, cy + 17), hexrgb('#161a22'))
        c.fill(stroke(sd_rrect(x - 19.5, cy - 15.5, x + 19.5, cy + 15.5, 8.5), 1.0), (x - 21, cy - 17, x + 21, cy + 17), LINE_HI)
        col = hsv(220 + i * 14, 0.75, 1.0)
        c.shadow(sd_circle(x, cy, 4), (x - 10, cy - 10, x + 10, cy + 10), 4, col, 0.7)
        c.fill(sd_circle(x, cy, 4.5), (x - 6, cy - 6, x + 6, cy + 6), col)
    return c


# ---- pop-up menus --------------------------------------------------------------

def menu_row(w, h, state, bar):
    # Opaque: the rows of a menu are painted without any background behind them.
    c = Canvas(w, h, hexrgb('#15181f'))
    if state == 'over':
        c.rect(0, 0, w, h, hexrgb('#232838'))
        if bar:
            c.rect(0, 3, 2, h - 3, ACCENT)
    c.rect(0, 0, w, 1, hexrgb('#1f232c'))
    c.rect(0, 0, 1, h, hexrgb('#2a2f3b'))
    return c


# ---- assembly ------------------------------------------------------------------

def main(src, dist):
    layout = skinini.read_ini(os.path.join(src, 'skin', 'layout.ini'))
    E = skinini.entries(layout)
    lan = os.path.join(dist, 'Lan')
    skins = os.path.join(dist, 'skins')
    # Start empty, so a picture the sources no longer make cannot linger and hide a broken entry.
    for d in (lan, skins):
        shutil.rmtree(d, ignore_errors=True)
    for d in (lan, skins, os.path.join(skins, 'Pic'), os.path.join(skins, 'Menu')):
        os.makedirs(d)

    for code, name in LANGUAGES:
        lang_path = os.path.join(src, 'lang', code + '.ini')
        skinini.write_utf16(os.path.join(lan, name), skinini.merge(layout, skinini.read_ini(lang_path), lang_path))

    bg = background(E)
    main_name = dict(next(items for s, items in layout if s == 'MAINSCREENNEW'))['Main']
    bg.save_bmp(os.path.join(skins, main_name))

    # Pictures 2 to 4 are laid over the background by the program; the
    # opaque pictures below are cut from the same composition.
    pics = {'logo.png': logo, 'preview.png': preview, 'rule.png': rule, 'mark.png': mark,
            'sync_emblem.png': sync_emblem, 'sync_links.png': sync_links}
    composed = bg.copy()
    done = set()
    for key in ('1', '2', '3', '4', '5', '6', '7'):
        _, x, y, w, h, name = E[('MAINPIC', key)]
        pic = pics[name](w, h) if name not in done else None
        if pic:
            pic.save_png(os.path.join(skins, 'Pic', name))
            done.add(name)
        if key in ('2', '3', '4'):
            composed.draw(pic, x, y)

    def size_of(picture):
        for (s, k), (p, x, y, w, h, _) in E.items():
            if s in ('MAIN', 'LED') and p == picture:
                return x, y, w, h
        raise SystemExit(f'layout has no control with picture {picture}')

    def save_states(name, painter, states=STATES):
        x, y, w, h = size_of(name)
        for st in states:
            painter(w, h, st).save_png(os.path.join(skins, f'{name}_{st}.png'))

    save_states('effect', effect_row)
    save_states('btnMin', lambda w, h, s: window_button(w, h, s, 'min'), STATES[:3])
    save_states('btnClose', lambda w, h, s: window_button(w, h, s, 'close'), STATES[:3])
    save_states('btnLang', lang_button)
    save_states('btnApply', lambda w, h, s: text_button(w, h, s, True))
    save_states('btnReset', lambda w, h, s: text_button(w, h, s, False))
    for name, kind in (('tglLed', 'led'), ('tglMusic', 'music'), ('tglSync', 'sync'), ('tglPartner', 'link')):
        save_states(name, lambda w, h, s, k=kind: mode_toggle(w, h, s, k))
    save_states('btnProfile', profile_button)
    save_states('dirFwd', lambda w, h, s: dir_button(w, h, s, True))
    save_states('dirRev', lambda w, h, s: dir_button(w, h, s, False))
    save_states('tglSame', same_toggle)

    # Device tabs: the shared "btnPng" frame and the selection mark as their icon.
    _, _, w, h = size_of('btnPng_tabMark')
    for st in STATES:
        tab_frame(w, h, st).save_png(os.path.join(skins, f'btnPng_{st}.png'))
    for st in STATES[:3]:
        tab_mark(4, h, st).save_png(os.path.join(skins, f'tabMark_{st}.png'))

    # Linear sliders: track pictures under the name, thumbs under name + "_bar".
    fills = {
        'slRed': ('#5a1018', '#ff3b47'), 'slGreen': ('#0f4a26', '#3ddc84'), 'slBlue': ('#10245a', '#3f7cff'),
        'slSat': ('#4a4f5c', '#b36bff'), 'slVal': ('#23262e', '#f2f4f8'),
        'slSpeed': ('#3f7cff', '#8a5cff'), 'slLevel': ('#3f7cff', '#8a5cff'),
    }
    for name, (c0, c1) in fills.items():
        x, y, w, h = size_of(name)
        paint = linear(h / 2, 0, w - h / 2, 0, [(0.0, hexrgb(c0)), (1.0, hexrgb(c1))])
        ticks = 5 if name == 'slSpeed' else 0
        for st in ('normal', 'down', 'disable'):
            track(w, h, st, paint, ticks).save_png(os.path.join(skins, f'{name}_{st}.png'))
        for st in STATES:
            thumb(h, h, st, hexrgb(c1)).save_png(os.path.join(skins, f'{name}_bar_{st}.png'))
    x, y, w, h = size_of('scroll')
    for st in ('normal', 'down'):
        vscroll_track(w, h, st).save_png(os.path.join(skins, f'scroll_{st}.png'))
    for st in STATES[:3]:
        vscroll_thumb(w, 56, st).save_png(os.path.join(skins, f'scroll_bar_{st}.png'))

    x, y, w, h = size_of('dialHue')
    hue_dial(composed.crop(x, y, w, h)).save_png(os.path.join(skins, 'dialHue_normal.png'))
    hue_mask(w).save_bmp(os.path.join(skins, 'dialHue_mask.bmp'))
    hue_knob('normal').save_png(os.path.join(skins, 'dialHue_bar_normal.png'))

    # Edits fill their background with this picture, without alpha: it is the
    # window's own pixels with the field drawn on them.
    for name in ('field', 'fieldHex'):
        x, y, w, h = size_of(name)
        field = composed.crop(x, y, w, h)
        field.fill(sd_rrect(0, 0, w, h, 6), (0, 0, w, h), FIELD)
        field.fill(stroke(sd_rrect(0.5, 0.5, w - 0.5, h - 0.5, 5.5), 1.0), (0, 0, w, h), LINE_HI)
        field.save_png(os.path.join(skins, f'{name}_normal.png'))

    for name, painter in (('slot', slot_swatch), ('preset', preset_swatch)):
        x, y, w, h = size_of(name)
        for st in ('normal', 'down'):
            painter(w, h, st).save_png(os.path.join(skins, f'{name}_{st}.png'))

    menu = os.path.join(skins, 'Menu')
    for prefix, w, h, bar in (('Device', 196, 24, True), ('Len', size_of('btnLang')[2], 20, False)):
        for st in ('normal', 'over'):
            menu_row(w, h, st, bar).save_png(os.path.join(menu, f'{prefix}_menu_{st}.png'))


if __name__ == '__main__':
    if len(sys.argv) != 3:
        raise SystemExit(__doc__)
    main(sys.argv[1], sys.argv[2])
