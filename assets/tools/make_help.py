#!/usr/bin/env python3
"""Typesets the user guide (assets/help/manual.txt) as a small PDF.

Source format: "# " title, "## " section, "- " bullet, other lines are
paragraphs. The PDF uses the standard Helvetica faces, so it embeds no font.
Usage: make_help.py <manual.txt> <Help.pdf>
"""
import sys

# Helvetica advance widths (1/1000 em) for the printable ASCII range.
WIDTHS = [278, 278, 355, 556, 556, 889, 667, 191, 333, 333, 389, 584, 278, 333, 278, 278,
          556, 556, 556, 556, 556, 556, 556, 556, 556, 556, 278, 278, 584, 584, 584, 556,
          1015, 667, 667, 722, 722, 667, 611, 778, 722, 278, 500, 667, 556, 833, 722, 778,
          667, 778, 722, 667, 611, 722, 667, 944, 667, 667, 611, 278, 278, 278, 469, 556,
          333, 556, 556, 500, 556, 556, 278, 556, 556, 222, 222, 500, 222, 833, 556, 556,
          556, 556, 333, 500, 278, 556, 500, 722, 500, 500, 500, 334, 260, 334, 584]
PAGE_W, PAGE_H, MARGIN = 595, 842, 64
ACCENT = (0.25, 0.49, 1.0)


def text_width(s, size, bold=False):
    w = sum(WIDTHS[ord(c) - 32] if 32 <= ord(c) < 127 else 556 for c in s)
    return w * size / 1000.0 * (1.06 if bold else 1.0)


def wrap(text, size, width, bold=False):
    lines, line = [], ''
    for word in text.split():
        trial = (line + ' ' + word).strip()
        if line and text_width(trial, size, bold) > width:
            lines.append(line)
            line = word
        else:
            line = trial
    if line:
        lines.append(line)
    return lines


def pdf_string(s):
    data = s.encode('cp1252')
    return b'(' + data.replace(b'\\', b'\\\\').replace(b'(', b'\\(').replace(b')', b'\\)') + b')'


class Pages:
    def __init__(self):
        self.pages = []
        self.new_page()

    def new_page(self):
        self.ops = []
        self.pages.append(self.ops)
        self.y = PAGE_H - MARGIN
        # A thin accent rule at the head of every page.
        self.ops.append(b'%.3f %.3f %.3f rg %d %d %d 3 re f' % (*ACCENT, MARGIN, PAGE_H - 40, PAGE_W - 2 * MARGIN))

    def need(self, h):
        if self.y - h < MARGIN:
            self.new_page()

    def line(self, s, x, size, font, grey=0.1):
        self.ops.append(b'BT /%s %d Tf %.2f g %.2f %.2f Td ' % (font, size, grey, x, self.y) + pdf_string(s) + b' Tj ET')


def typeset(source):
    p = Pages()
    width = PAGE_W - 2 * MARGIN
    for raw in source.splitlines():
        s = raw.strip()
        if not s:
            continue
        if s.startswith('## '):
            p.need(70)
            p.y -= 14
            p.line(s[3:], MARGIN, 14, b'F2', 0.05)
            p.y -= 20
        elif s.startswith('# '):
            p.line(s[2:], MARGIN, 24, b'F2', 0.05)
            p.y -= 22
        elif s.startswith('- '):
            lines = wrap(s[2:], 10.5, width - 16)
            p.need(14 * len(lines))
            p.ops.append(b'%.3f %.3f %.3f rg %.2f %.2f 3 3 re f' % (*ACCENT, MARGIN + 3, p.y + 2.5))
            for ln in lines:
                p.line(ln, MARGIN + 16, 10.5, b'F1', 0.2)
                p.y -= 14
            p.y -= 3
        else:
            lines = wrap(s, 10.5, width)
            p.need(14 * len(lines))
            for ln in lines:
                p.line(ln, MARGIN, 10.5, b'F1', 0.2)
                p.y -= 14
            p.y -= 6
    return p.pages


def write_pdf(path, pages):
    objs = []  # object bodies, numbered from 1

    def add(body):
        objs.append(body)
        return len(objs)

    catalog = add(None)
    tree = add(None)
    f1 = add(b'<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica /Encoding /WinAnsiEncoding >>')
    f2 = add(b'<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica-Bold /Encoding /WinAnsiEncoding >>')
    kids = []
    for n, ops in enumerate(pages, 1):
        ops = ops + [b'BT /F1 9 Tf 0.5 g %d 40 Td (%d) Tj ET' % (PAGE_W // 2 - 3, n)]
        stream = b'\n'.join(ops)
        content = add(b'<< /Length %d >>\nstream\n' % len(stream) + stream + b'\nendstream')
        kids.append(add(b'<< /Type /Page /Parent %d 0 R /MediaBox [0 0 %d %d] /Contents %d 0 R '
                        b'/Resources << /Font << /F1 %d 0 R /F2 %d 0 R >> >> >>'
                        % (tree, PAGE_W, PAGE_H, content, f1, f2)))
    objs[catalog - 1] = b'<< /Type /Catalog /Pages %d 0 R >>' % tree
    objs[tree - 1] = b'<< /Type /Pages /Kids [%s] /Count %d >>' % (b' '.join(b'%d 0 R' % k for k in kids), len(kids))
    info = add(b'<< /Title (Lumenkit Configurator - User guide) /Producer (make_help.py) >>')

    out = bytearray(b'%PDF-1.4\n%\xe2\xe3\xcf\xd3\n')
    offsets = []
    for i, body in enumerate(objs, 1):
        offsets.append(len(out))
        out += b'%d 0 obj\n' % i + body + b'\nendobj\n'
    xref = len(out)
    out += b'xref\n0 %d\n0000000000 65535 f \n' % (len(objs) + 1)
    for off in offsets:
        out += b'%010d 00000 n \n' % off
    out += b'trailer\n<< /Size %d /Root %d 0 R /Info %d 0 R >>\nstartxref\n%d\n%%%%EOF\n' % (len(objs) + 1, catalog, info, xref)
    with open(path, 'wb') as f:
        f.write(out)


if __name__ == '__main__':
    if len(sys.argv) != 3:
        raise SystemExit(__doc__)
    import os
    os.makedirs(os.path.dirname(os.path.abspath(sys.argv[2])), exist_ok=True)
    with open(sys.argv[1], encoding='utf-8') as f:
        write_pdf(sys.argv[2], typeset(f.read()))
