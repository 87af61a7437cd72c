#!/usr/bin/env python3
"""Renders an approximate screenshot of the skin with ImageMagick, for artists
working on the pictures without running the program.

Usage: preview.py <program folder> <language en|cs|ct|de> <effect 0-14 | music | sync> <out.png> [menu]
"""
import os
import subprocess
import sys

sys.dont_write_bytecode = True  # the build runs this from the source tree
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import skinini

CONVERT = '/usr/bin/convert'
LATIN = '/usr/share/fonts/truetype/liberation/LiberationSans-Regular.ttf'
CJK = '/usr/share/fonts/truetype/wqy/wqy-microhei.ttc'
FILES = {'en': 'skin_En.ini', 'cs': 'skin_Cs.ini', 'ct': 'skin_Ct.ini', 'de': 'skin_De.ini'}
# Which settings each effect uses: colour, speed, direction (15 music, 16 sync).
CAPS = [(1, 0, 0), (1, 0, 0), (1, 1, 0), (1, 1, 0), (0, 1, 0), (0, 1, 1), (0, 1, 0), (1, 1, 0),
        (0, 1, 0), (1, 1, 1), (0, 1, 1), (0, 1, 0), (0, 1, 0), (0, 1, 0), (0, 0, 0), (1, 0, 1), (0, 0, 0)]


def read_skin(path):
    text = open(path, 'rb').read().decode('utf-16')
    out, section = {}, None
    for line in text.splitlines():
        line = line.strip()
        if line.startswith('['):
            section = line[1:-1]
        elif '=' in line:
            k, v = line.split('=', 1)
            v = v.strip()
            if len(v) >= 2 and v[0] == v[-1] == '"':
                v = v[1:-1]
            out[(section, k.strip())] = v
    return out


def entry(skin, section, key):
    f = skin[(section, key)].split(',')
    return f[0], int(f[1]), int(f[2]), int(f[3]), int(f[4]), f[5]


def main(dist, lang, mode, out, menu=None):
    skin = read_skin(os.path.join(dist, 'Lan', FILES[lang]))
    sk = os.path.join(dist, 'skins')
    music, sync = mode == 'music', mode == 'sync'
    effect = 2 if mode in ('music', 'sync') else int(mode)
    row = 16 if sync else 15 if music else effect
    colour, speed, direction = CAPS[row]
    args = [CONVERT, '-respect-parentheses', os.path.join(sk, skin[('MAINSCREENNEW', 'Main')])]

    def pic(path, x, y, w=None, h=None):
        size = f' {w},{h}' if w else ' 0,0'
        args.extend(['-draw', f"image over {x},{y}{size} '{path}'"])

    def text(t, x, y, w, h, size, colour='#ffffff', gravity='West', dy=0):
        if not t:
            return
        font = CJK if any(ord(ch) > 0x2e80 for ch in t) else LATIN
        args.extend(['(', '-size', f'{w}x{h}', 'xc:none', '-font', font, '-pointsize', str(size / 1.12),
                     '-fill', colour, '-gravity', gravity, '-annotate', f'+0+{dy}', t, ')',
                     '-geometry', f'+{x}+{y}', '-composite'])

    def state_pic(name, st):
        p = os.path.join(sk, f'{name}_{st}.png')
        return p if os.path.exists(p) else os.path.join(sk, f'{name}_normal.png')

    def button(section, key, st='normal', colour='#999999', caption=None, gravity='Center', size=15, dy=0):
        name, x, y, w, h, t = entry(skin, section, key)
        icon = None
        if 'btnPng' in name:
            icon = name.split('_', 1)[1] if '_' in name else name
            name = 'btnPng'
        pic(state_pic(name, st), x, y)
        cap = t if caption is None else caption
        if cap and icon:
            pic(state_pic(icon, st), x, y)
            x += 4
            w -= 4
        text(cap, x, y, w, h, size, colour, gravity, dy)

    for key in ('2', '3', '4'):
        _, x, y, w, h, t = entry(skin, 'MAINPIC', key)
        pic(os.path.join(sk, 'Pic', t), x, y, w, h)
    _, x, y, w, h, t = entry(skin, 'MAINPIC', '1')
    pic(os.path.join(sk, 'Pic', t), x, y, w, h)

    lang_name = skin[('FUNC_STRING', {'en': '10', 'cs': '11', 'ct': '12', 'de': '13'}[lang])]
    button('MAIN', '1'), button('MAIN', '2')
    button('MAIN', '3', caption=lang_name)
    button('MAIN', '4'), button('MAIN', '5')
    button('MAIN', '7', colour='#ffffff')
    button('MAIN', '6', 'down' if music else 'normal', '#ffffff')
    button('MAIN', '8', 'down' if sync else 'normal', '#ffffff')
    if sync:
        button('MAIN', '9', colour='#ffffff')
    busy = music or sync
    for i in range(4):
        checked = i == 0 and not busy
        button('MAIN', str(21 + i), 'down' if checked else 'normal', '#ffffff' if checked else '#646464')
    button('MAIN', '11', 'disable' if busy else 'down', '#646464' if busy else '#ffffff',
           skin[('FUNC_STRING', '30')], 'South', 16, 2)

    # Effect list: rows 1 to 8 at the rectangle of key 2, 37 pixels apart.
    _, ex, ey, ew, eh, _ = entry(skin, 'LED', '2')
    for n in range(1, 9):
        name, _, _, _, _, t = entry(skin, 'LED', str(n + 1))
        y = ey + 37 * (n - 1)
        st = 'disable' if busy else 'down' if n == effect else 'normal'
        pic(state_pic(name, st), ex, y)
        text(t, ex, y, ew, eh, 15, '#464646' if busy else '#ffffff' if n == effect else '#8a8a88', 'Center')
    name, x, y, w, h, _ = entry(skin, 'LED', '21')
    pic(state_pic(name, 'normal'), x, y)
    pic(state_pic(name + '_bar', 'normal'), x, y)

    def hslider(key, pos, lo, hi):
        name, x, y, w, h, _ = entry(skin, 'LED', key)
        off = int((pos - lo) * ((w - h) / (hi - lo)))
        args.extend(['(', state_pic(name, 'normal'), '-crop', f'{w - off}x{h}+{off}+0', '+repage', ')',
                     '-geometry', f'+{x + off}+{y}', '-composite'])
        args.extend(['(', state_pic(name, 'down'), '-crop', f'{off + h // 2}x{h}+0+0', '+repage', ')',
                     '-geometry', f'+{x}+{y}', '-composite'])
        pic(state_pic(name + '_bar', 'normal'), x + off, y)

    def swatch(key, rgb, caption='', checked=False):
        name, x, y, w, h, t = entry(skin, 'LED', key)
        p = state_pic(name, 'down' if checked else 'normal')
        args.extend(['(', p, '-fill', rgb, '-colorize', '100', ')', '-geometry', f'+{x}+{y}', '-composite'])
        text(caption, x + 5, y, w - 5, h, 15)

    if colour:
        name, x, y, w, h, _ = entry(skin, 'LED', '28')
        pic(state_pic(name, 'normal'), x, y)
        cx, cy, r = x + w // 2, y + h // 2, (h - 26) // 2
        import math
        a = math.radians(350)
        kx, ky = cx + r * math.cos(a), cy - r * math.sin(a)
        args.extend(['-stroke', '#ffffffb2', '-strokewidth', '1.5', '-draw', f'line {cx},{cy} {kx:.0f},{ky:.0f}',
                     '-stroke', 'none', '-fill', '#ff0000', '-draw', f'circle {cx},{cy} {cx + 12},{cy}'])
        pic(state_pic(name + '_bar', 'normal'), int(kx) - 11, int(ky) - 11)
        for key, pos in (('22', 255), ('23', 40), ('24', 64), ('25', 75), ('26', 255)):
            hslider(key, pos, 0, 100 if key == '25' else 255)
        for key, v in (('31', '255'), ('32', '40'), ('33', '64'), ('34', 'FF2840')):
            name, x, y, w, h, _ = entry(skin, 'LED', key)
            pic(state_pic(name, 'normal'), x, y)
            text(v, x, y - 1, w, h, 16, '#ffffff', 'North')
        prefix = skin[('LED_STRING', '4' if music else '2')]
        slots = ['#ff2840', '#ffb020', '#3ddc84', '#2ee6ff', '#3f7cff', '#b43bff', '#ff3bc4', '#ffffff']
        one = row in (7, 9)
        for i in range(8 if not one else 1):
            swatch(str(41 + i), slots[i], f'{prefix} {i + 1}', i == 0)
        for i, c in enumerate(['#ff0000', '#ffff00', '#00ff00', '#00ffff', '#0000ff']):
            swatch(str(51 + i), c, '', i == 0)
        if not one:
            button('LED', '63', caption=skin[('LED_STRING', '5' if music else '3')], colour='#ffffff')
    if speed:
        hslider('27', 1, -2, 2)
    if music:
        hslider('29', 30, 1, 50)
    if direction:
        button('LED', '61', 'down', '#ffffff'), button('LED', '62', colour='#ffffff')

    def label(key, size=15, gravity='NorthWest', t=None):
        _, x, y, w, h, own = entry(skin, 'LED_TEXT', key)
        text(own if t is None else t, x, y + (h - size) // 2, w, size + 4, size, '#ffffff', gravity)

    _, x, y, w, h, _ = entry(skin, 'MAIN_TEXT', 'VER')
    text('v1.00.03', x, y, w, h, 15, '#ffffff', 'Center')
    label('1')
    if sync:
        label('2', t=skin[('LED_STRING', '6')])
        for key in ('5', '6'):
            _, x, y, w, h, t = entry(skin, 'MAINPIC', key)
            pic(os.path.join(sk, 'Pic', t), x, y, w, h)
    elif music:
        label('2', t=skin[('LED_STRING', '1')])
        label('22')
    else:
        label('2', t=entry(skin, 'LED', str(effect + 1))[5])
    if colour:
        for key in ('3', '5', '7', '8', '9', '10', '11'):
            label(key)
        label('12', 10, 'North'), label('16', 10, 'North')
    if music:
        label('23', 10 if colour else 15, 'North'), label('24', 10 if colour else 15, 'North')
    if speed:
        label('4')
    if direction:
        label('6')

    if menu == 'device':
        _, x, y, w, h, _ = entry(skin, 'MAIN', '11')
        items = [skin[('FUNC_STRING', '30')]] + [skin[('FUNC_STRING', '31')] + str(d) for d in (1, 2, 3)]
        for i, t in enumerate(items):
            st = 'over' if i == 2 else 'normal'
            pic(os.path.join(sk, 'Menu', f'Device_menu_{st}.png'), x + w, y + 24 * i)
            text(t, x + w + 5, y + 24 * i, 190, 24, 15, '#d82630' if st == 'over' else '#ffffff', 'West')
        args.extend(['-fill', 'black', '-draw', f'rectangle {x + w + 196},{y} {x + w + 213},{y + 95}'])
    elif menu == 'lang':
        _, x, y, w, h, _ = entry(skin, 'MAIN', '3')
        for i in range(4):
            st = 'over' if i == 1 else 'normal'
            pic(os.path.join(sk, 'Menu', f'Len_menu_{st}.png'), x, y + h + 20 * i)
            text(skin[('FUNC_STRING', str(10 + i))], x, y + h + 20 * i, w, 20, 15,
                 '#ffffff' if st == 'over' else '#999999', 'Center')
        args.extend(['-fill', 'black', '-draw', f'rectangle {x + w},{y + h} {x + w + 17},{y + h + 79}'])
    subprocess.run(args + [out], check=True)


if __name__ == '__main__':
    if len(sys.argv) not in (5, 6):
        raise SystemExit(__doc__)
    main(*sys.argv[1:])
