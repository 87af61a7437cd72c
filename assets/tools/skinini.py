"""Reading the layout and language sources, and writing the shipped skin files."""
import re

ENTRY_SECTIONS = {'MAIN', 'LED', 'MAINPIC', 'MAIN_TEXT', 'LED_TEXT'}


def read_ini(path):
    """Ordered [(section, [(key, value), ...]), ...]; ';' lines are comments."""
    sections = []
    with open(path, encoding='utf-8') as f:
        for n, line in enumerate(f, 1):
            line = line.strip()
            if not line or line.startswith(';'):
                continue
            m = re.fullmatch(r'\[(.+)\]', line)
            if m:
                sections.append((m.group(1), []))
                continue
            if '=' not in line or not sections:
                raise SystemExit(f'{path}:{n}: expected key=value')
            key, value = line.split('=', 1)
            sections[-1][1].append((key.strip(), value.strip()))
    return sections


def entries(layout):
    """{(section, key): (picture, x, y, w, h)} for every entry of the layout."""
    out = {}
    for section, items in layout:
        if section not in ENTRY_SECTIONS:
            continue
        for key, value in items:
            f = value.split(',')
            out[(section, key)] = (f[0], int(f[1]), int(f[2]), int(f[3]), int(f[4]), f[5] if len(f) > 5 else '')
    return out


def merge(layout, texts, lang_path):
    """The skin file's lines for one language: the layout with each "{}" replaced."""
    table = {(s, k): v for s, items in texts for k, v in items}
    used = set()
    lines = []
    for section, items in layout:
        lines.append(f'[{section}]')
        for key, value in items:
            if '{}' in value:
                if (section, key) not in table:
                    raise SystemExit(f'{lang_path}: [{section}] {key} is missing')
                text = table[(section, key)]
                used.add((section, key))
                if section in ENTRY_SECTIONS:
                    # The parser keeps only what follows the text's last comma.
                    if ',' in text or '"' in text or 'TRUE' in text or len(text) > 99:
                        raise SystemExit(f'{lang_path}: [{section}] {key}: no comma, quote or TRUE, at most 99 characters')
                value = value.replace('{}', text)
            lines.append(f'{key}={value}')
        lines.append('')
    stray = set(table) - used
    if stray:
        raise SystemExit(f'{lang_path}: keys the layout has no place for: {sorted(stray)}')
    return lines


def write_utf16(path, lines):
    # UTF-16LE with a BOM is the one encoding GetPrivateProfileStringW reads as Unicode everywhere.
    with open(path, 'wb') as f:
        f.write(('\ufeff' + '\r\n'.join(lines) + '\r\n').encode('utf-16-le'))
