#!/usr/bin/env python3
"""Writes the program's SVG icons into this directory and the resource list
resources/icons.qrc.

Every button icon is a rounded tile with a line glyph; its "-selected" twin is
the same glyph in white on the accent colour. Tab icons are white glyphs on a
transparent ground (the tab bar paints the tab colour); their "-constraint"
twins carry a red warning badge. Run it again after changing a glyph:

    python3 resources/icons/generate-icons.py
"""
import os

HERE = os.path.dirname(os.path.abspath(__file__))
ACCENT = "#0a9bcd"
INK = "#3c4650"
RED = "#d62828"

# Glyphs in a 48x48 box; "{c}" is the line colour, "{f}" the fill of solid parts.
PAGE = '<rect x="14" y="9" width="20" height="28" rx="1.5" fill="none" stroke="{c}" stroke-width="2.2"/>'
GLYPHS = {
    "color": '<circle cx="19" cy="20" r="7" fill="#e53935" opacity="0.85"/>'
             '<circle cx="29" cy="20" r="7" fill="#1e88e5" opacity="0.85"/>'
             '<circle cx="24" cy="29" r="7" fill="#fdd835" opacity="0.85"/>',
    "monochrome": '<circle cx="24" cy="24" r="11" fill="none" stroke="{c}" stroke-width="2.2"/>'
                  '<path d="M24 13 A11 11 0 0 1 24 35 Z" fill="{c}"/>',
    "collate-on": '<rect x="11" y="8" width="16" height="22" fill="none" stroke="{c}" stroke-width="2"/>'
                  '<rect x="16" y="13" width="16" height="22" fill="{b}" stroke="{c}" stroke-width="2"/>'
                  '<rect x="21" y="18" width="16" height="22" fill="{b}" stroke="{c}" stroke-width="2"/>'
                  '<path d="M25 26h8M25 30h8M25 34h5" stroke="{c}" stroke-width="1.6"/>',
    "collate-off": '<rect x="10" y="12" width="14" height="20" fill="none" stroke="{c}" stroke-width="2"/>'
                   '<rect x="13" y="16" width="14" height="20" fill="{b}" stroke="{c}" stroke-width="2"/>'
                   '<rect x="24" y="12" width="14" height="20" fill="none" stroke="{c}" stroke-width="2"/>'
                   '<rect x="27" y="16" width="14" height="20" fill="{b}" stroke="{c}" stroke-width="2"/>',
    "duplex-off": PAGE + '<path d="M18 16h12M18 21h12M18 26h8" stroke="{c}" stroke-width="1.8"/>',
    "duplex-long": '<rect x="10" y="10" width="13" height="28" fill="none" stroke="{c}" stroke-width="2"/>'
                   '<rect x="25" y="10" width="13" height="28" fill="{c}"/>',
    "duplex-short": '<rect x="10" y="9" width="28" height="13" fill="none" stroke="{c}" stroke-width="2"/>'
                    '<rect x="10" y="25" width="28" height="13" fill="{c}"/>',
    "booklet-off": PAGE,
    "booklet-left": '<path d="M24 12 L10 9 V37 L24 40 Z" fill="{c}"/><path d="M24 12 L38 9 V37 L24 40 Z" fill="none" stroke="{c}" stroke-width="2"/>',
    "booklet-right": '<path d="M24 12 L10 9 V37 L24 40 Z" fill="none" stroke="{c}" stroke-width="2"/><path d="M24 12 L38 9 V37 L24 40 Z" fill="{c}"/>',
    "tonsave-on": '<path d="M24 9 C30 18 34 23 34 29 A10 10 0 0 1 14 29 C14 23 18 18 24 9Z" fill="none" stroke="{c}" stroke-width="2.2"/>'
                  '<path d="M16 31 A8 8 0 0 0 32 31Z" fill="{c}"/>',
    "tonsave-off": '<path d="M24 9 C30 18 34 23 34 29 A10 10 0 0 1 14 29 C14 23 18 18 24 9Z" fill="{c}"/>',
    "pqx-on": '<circle cx="24" cy="24" r="12" fill="none" stroke="{c}" stroke-width="2.2"/><path d="M24 10v14" stroke="{c}" stroke-width="3"/>',
    "pqx-off": '<circle cx="24" cy="24" r="12" fill="none" stroke="{c}" stroke-width="2.2" stroke-dasharray="4 3"/>',
    "Rotate-180-on": PAGE + '<path d="M19 29 A6 6 0 1 1 29 29" fill="none" stroke="{c}" stroke-width="2"/><path d="M29 24v6h-6" fill="none" stroke="{c}" stroke-width="2"/>',
    "Rotate-180-off": PAGE + '<path d="M18 16h12M18 21h12" stroke="{c}" stroke-width="1.8"/>',
    "separation-off": '<rect x="12" y="12" width="22" height="26" fill="none" stroke="{c}" stroke-width="2"/><rect x="15" y="9" width="22" height="26" fill="{b}" stroke="{c}" stroke-width="2"/>',
    "separation-offset": '<rect x="9" y="14" width="18" height="24" fill="none" stroke="{c}" stroke-width="2"/><rect x="21" y="9" width="18" height="24" fill="{c}"/>',
    "separation-rotate": '<rect x="9" y="12" width="18" height="26" fill="none" stroke="{c}" stroke-width="2"/><rect x="18" y="10" width="22" height="16" fill="{c}"/>',
    "bifold": '<path d="M10 12 L24 16 L38 12 V36 L24 40 L10 36 Z" fill="none" stroke="{c}" stroke-width="2"/><path d="M24 16V40" stroke="{c}" stroke-width="2"/>',
    "trifold": '<path d="M8 12 L19 16 L29 12 L40 16 V38 L29 34 L19 38 L8 34 Z" fill="none" stroke="{c}" stroke-width="2"/><path d="M19 16V38M29 12V34" stroke="{c}" stroke-width="2"/>',
    "zfold": '<path d="M10 14 L24 10 L10 24 L24 20 L10 36" fill="none" stroke="{c}" stroke-width="2.2"/><path d="M24 10 H38 M24 20 H38" stroke="{c}" stroke-width="1.4"/>',
    "efold": '<path d="M9 14 H30 L38 20 L30 26 H9 M9 26 L17 32 H38" fill="none" stroke="{c}" stroke-width="2.2"/>',
    "staple": PAGE + '<path d="M16 12 L22 18" stroke="{c}" stroke-width="3"/>',
    "punch": PAGE + '<circle cx="18" cy="16" r="2" fill="{c}"/><circle cx="18" cy="23" r="2" fill="{c}"/><circle cx="18" cy="30" r="2" fill="{c}"/>',
    "covermode": '<rect x="13" y="9" width="22" height="30" rx="2" fill="{c}"/><rect x="17" y="14" width="14" height="6" fill="{b}"/>',
    "transparency": '<rect x="12" y="9" width="24" height="30" fill="none" stroke="{c}" stroke-width="2" stroke-dasharray="3 2"/><path d="M15 34 L33 14" stroke="{c}" stroke-width="1.6"/>',
    "pageinsert": PAGE + '<path d="M8 24h14M17 19l5 5-5 5" fill="none" stroke="{c}" stroke-width="2.2"/>',
    "watermark": PAGE + '<path d="M17 31 L31 15" stroke="{c}" stroke-width="3" opacity="0.5"/>',
    "super-watermark": PAGE + '<path d="M17 31 L31 15M17 22 L24 14" stroke="{c}" stroke-width="3" opacity="0.5"/>',
    "storage": '<rect x="10" y="14" width="28" height="22" rx="2" fill="none" stroke="{c}" stroke-width="2.2"/><path d="M10 22h28" stroke="{c}" stroke-width="2"/><circle cx="33" cy="29" r="2" fill="{c}"/>',
    "user": '<circle cx="24" cy="18" r="6" fill="none" stroke="{c}" stroke-width="2.2"/><path d="M12 38 C12 29 36 29 36 38" fill="none" stroke="{c}" stroke-width="2.2"/>',
    "name": '<rect x="9" y="15" width="30" height="18" rx="2" fill="none" stroke="{c}" stroke-width="2.2"/><path d="M14 21h14M14 27h20" stroke="{c}" stroke-width="2"/>',
    "email": '<rect x="9" y="14" width="30" height="20" rx="2" fill="none" stroke="{c}" stroke-width="2.2"/><path d="M9 15 L24 26 L39 15" fill="none" stroke="{c}" stroke-width="2"/>',
    "accounting": '<rect x="12" y="9" width="24" height="30" rx="2" fill="none" stroke="{c}" stroke-width="2.2"/><path d="M17 16h14M17 22h4M23 22h4M29 22h2M17 28h4M23 28h4M29 28h2M17 34h4M23 34h4" stroke="{c}" stroke-width="2"/>',
    "adjustment": '<path d="M12 14h24M12 24h24M12 34h24" stroke="{c}" stroke-width="2"/><circle cx="18" cy="14" r="3" fill="{c}"/><circle cx="30" cy="24" r="3" fill="{c}"/><circle cx="22" cy="34" r="3" fill="{c}"/>',
    "print-quality": '<path d="M24 9 L28 19 L39 19 L30 26 L34 37 L24 30 L14 37 L18 26 L9 19 L20 19 Z" fill="none" stroke="{c}" stroke-width="2"/>',
}

# Tab glyphs (white on the tab colour), 30x30 box scaled from 48.
TAB_GLYPHS = {
    "printer": '<rect x="14" y="8" width="20" height="10" fill="none" stroke="#fff" stroke-width="2.5"/>'
               '<rect x="8" y="18" width="32" height="14" rx="2" fill="none" stroke="#fff" stroke-width="2.5"/>'
               '<rect x="14" y="28" width="20" height="12" fill="#fff"/>',
    "basic": PAGE.replace("{c}", "#fff") + '<path d="M18 16h12M18 21h12M18 26h12M18 31h7" stroke="#fff" stroke-width="2"/>',
    "layout": '<rect x="9" y="10" width="13" height="28" fill="none" stroke="#fff" stroke-width="2.5"/><rect x="26" y="10" width="13" height="28" fill="none" stroke="#fff" stroke-width="2.5"/>',
    "finishing": PAGE.replace("{c}", "#fff") + '<path d="M16 12 L22 18" stroke="#fff" stroke-width="3"/><circle cx="18" cy="26" r="2" fill="#fff"/><circle cx="18" cy="32" r="2" fill="#fff"/>',
    "imaging": '<rect x="8" y="12" width="32" height="24" rx="2" fill="none" stroke="#fff" stroke-width="2.5"/><path d="M10 34 L20 22 L27 29 L31 25 L38 34" fill="none" stroke="#fff" stroke-width="2.5"/><circle cx="31" cy="18" r="3" fill="#fff"/>',
    "publishing": '<path d="M24 12 L10 9 V37 L24 40 Z M24 12 L38 9 V37 L24 40 Z" fill="none" stroke="#fff" stroke-width="2.5"/>',
    "job": '<rect x="10" y="16" width="28" height="20" rx="2" fill="none" stroke="#fff" stroke-width="2.5"/><path d="M19 16 V11 H29 V16" fill="none" stroke="#fff" stroke-width="2.5"/>',
    "watermark": PAGE.replace("{c}", "#fff") + '<path d="M17 31 L31 15" stroke="#fff" stroke-width="3"/>',
    "pqx": '<circle cx="24" cy="24" r="13" fill="none" stroke="#fff" stroke-width="2.5"/><path d="M11 24h26M24 11 C17 18 17 30 24 37 M24 11 C31 18 31 30 24 37" fill="none" stroke="#fff" stroke-width="2"/>',
}

BADGE = ('<circle cx="38" cy="38" r="9" fill="' + RED + '" stroke="#fff" stroke-width="1.5"/>'
         '<path d="M38 32v7" stroke="#fff" stroke-width="3"/><circle cx="38" cy="43" r="1.6" fill="#fff"/>')


def svg(width, height, body, view="0 0 48 48"):
    return ('<?xml version="1.0" encoding="UTF-8"?>\n'
            f'<svg xmlns="http://www.w3.org/2000/svg" width="{width}" height="{height}" viewBox="{view}">'
            f'{body}</svg>\n')


def write(name, text):
    with open(os.path.join(HERE, name + ".svg"), "w", encoding="utf-8") as f:
        f.write(text)


def main():
    for name, glyph in GLYPHS.items():
        normal = ('<rect x="2" y="2" width="44" height="44" rx="6" fill="#ffffff" stroke="#9aa5ae" stroke-width="1.5"/>'
                  + glyph.format(c=INK, b="#ffffff"))
        selected = (f'<rect x="2" y="2" width="44" height="44" rx="6" fill="{ACCENT}" stroke="#077aa3" stroke-width="1.5"/>'
                    + glyph.format(c="#ffffff", b=ACCENT))
        write(name, svg(48, 48, normal))
        write(name + "-selected", svg(48, 48, selected))
    for name, glyph in TAB_GLYPHS.items():
        write("tab-" + name, svg(30, 30, glyph))
        write("tab-" + name + "-constraint", svg(30, 30, glyph + BADGE))
    write("error", svg(16, 16, f'<circle cx="8" cy="8" r="7" fill="{RED}"/>'
                                '<path d="M8 3.5v5.5" stroke="#fff" stroke-width="2"/>'
                                '<circle cx="8" cy="12" r="1.2" fill="#fff"/>', view="0 0 16 16"))
    write("background", svg(800, 735,
                            '<defs><linearGradient id="g" x1="0" y1="0" x2="0" y2="1">'
                            '<stop offset="0" stop-color="#e9eef2"/><stop offset="1" stop-color="#c9d3db"/>'
                            '</linearGradient></defs><rect width="800" height="735" fill="url(#g)"/>'
                            f'<path d="M0 690 C250 640 520 720 800 660 V735 H0Z" fill="{ACCENT}" opacity="0.18"/>',
                            view="0 0 800 735"))
    write("about-background-wr", svg(483, 310,
                                     '<rect width="400" height="260" fill="#f4f7f9"/>'
                                     f'<rect width="400" height="70" fill="{ACCENT}"/>'
                                     f'<path d="M0 230 C120 200 260 250 400 215 V260 H0Z" fill="{ACCENT}" opacity="0.25"/>',
                                     view="0 0 400 260", ))
    write("appicon_wr", svg(64, 64,
                            f'<rect x="2" y="2" width="60" height="60" rx="12" fill="{ACCENT}"/>'
                            '<rect x="18" y="12" width="28" height="12" fill="none" stroke="#fff" stroke-width="3"/>'
                            '<rect x="10" y="24" width="44" height="18" rx="3" fill="#fff"/>'
                            f'<rect x="18" y="36" width="28" height="16" fill="#fff" stroke="{ACCENT}" stroke-width="2"/>',
                            view="0 0 64 64"))


def write_qrc():
    names = sorted(f[:-4] for f in os.listdir(HERE) if f.endswith(".svg"))
    lines = ['<RCC>', '  <qresource prefix="/icons">']
    lines += [f'    <file alias="{n}">icons/{n}.svg</file>' for n in names]
    lines += ['  </qresource>', '</RCC>', '']
    with open(os.path.join(HERE, "..", "icons.qrc"), "w", encoding="utf-8") as f:
        f.write("\n".join(lines))


if __name__ == "__main__":
    main()
    write_qrc()
