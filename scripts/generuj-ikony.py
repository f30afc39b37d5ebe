#!/usr/bin/env python3
"""Writes the program's icon and its file-type icons as SVG into pakiet/ikony.

The program's icon is the golden lottery ball with the navy "T" the workbench draws for its windows
(src/ui/app/Obrazki.cpp). Every file type gets a page with a folded corner, the small ball in its
corner, a picture of its content and its extension on a band of its own colour; the sizes up to 24
pixels come from a plain page with a block of that colour (male/), which stays readable. Run it after
changing a drawing; the generated files are committed and the build renders the PNG sizes from them.
"""
import pathlib

katalog = pathlib.Path(__file__).resolve().parent.parent / 'pakiet' / 'ikony'

GRANAT = '#1d3b5a'


def kula(id_, cx, cy, r):
    """The ball with its label disc and the "T", centred at (cx, cy) with radius r."""
    s = r / 108.0
    return f'''<g transform="translate({cx - 128 * s:.3f} {cy - 124 * s:.3f}) scale({s:.5f})">
    <circle cx="128" cy="124" r="108" fill="url(#{id_}-blask)" stroke="#8a5a0a" stroke-width="5"/>
    <circle cx="128" cy="124" r="60" fill="#fffdf4" stroke="#c8962a" stroke-width="4"/>
    <path d="M88 86 h80 a4 4 0 0 1 4 4 v14 a4 4 0 0 1 -4 4 h-29 v60 a4 4 0 0 1 -4 4 h-14 a4 4 0 0 1 -4 -4 v-60 h-29 a4 4 0 0 1 -4 -4 v-14 a4 4 0 0 1 4 -4 z" fill="{GRANAT}"/>
    <ellipse cx="84" cy="66" rx="38" ry="20" transform="rotate(-35 84 66)" fill="url(#{id_}-odblask)"/>
  </g>'''


def gradienty_kuli(id_):
    return f'''<radialGradient id="{id_}-blask" cx="0.38" cy="0.32" r="0.78">
      <stop offset="0" stop-color="#fff7d0"/>
      <stop offset="0.45" stop-color="#f6c945"/>
      <stop offset="0.82" stop-color="#e0a020"/>
      <stop offset="1" stop-color="#a86d0c"/>
    </radialGradient>
    <linearGradient id="{id_}-odblask" x1="0" y1="0" x2="0" y2="1">
      <stop offset="0" stop-color="#ffffff" stop-opacity="0.85"/>
      <stop offset="1" stop-color="#ffffff" stop-opacity="0"/>
    </linearGradient>'''


def ikona_programu():
    return f'''<?xml version="1.0" encoding="UTF-8"?>
<svg xmlns="http://www.w3.org/2000/svg" width="256" height="256" viewBox="0 0 256 256">
  <title>Tarvomund</title>
  <defs>
    {gradienty_kuli('k')}
    <radialGradient id="cien" cx="0.5" cy="0.5" r="0.5">
      <stop offset="0" stop-color="#000000" stop-opacity="0.35"/>
      <stop offset="1" stop-color="#000000" stop-opacity="0"/>
    </radialGradient>
  </defs>
  <ellipse cx="128" cy="238" rx="92" ry="14" fill="url(#cien)"/>
  {kula('k', 128, 122, 110)}
</svg>
'''


# Pictures of the content, drawn in the box x 64..196, y 84..190 in the type's colour.
def kropki_zakladow(kolor):
    """A system: rows of bets, the numbers each bet takes filled."""
    wiersze = [(1, 0, 1, 1, 0, 1), (0, 1, 1, 0, 1, 1), (1, 1, 0, 1, 1, 0)]
    czesci = []
    for w, wiersz in enumerate(wiersze):
        for k, pelna in enumerate(wiersz):
            x, y = 80 + k * 20, 104 + w * 32
            wypelnienie = kolor if pelna else '#ffffff'
            czesci.append(f'<circle cx="{x}" cy="{y}" r="8" fill="{wypelnienie}" stroke="{kolor}" stroke-width="3"/>')
    return '\n  '.join(czesci)


def historia_losowan(kolor):
    """A game: its draws, one line each, a date and the balls drawn."""
    czesci = []
    for w in range(4):
        y = 98 + w * 24
        czesci.append(f'<rect x="66" y="{y - 6}" width="30" height="12" rx="3" fill="#9aa6b4"/>')
        for k in range(5):
            czesci.append(f'<circle cx="{110 + k * 18}" cy="{y}" r="7" fill="{kolor}"/>')
    return '\n  '.join(czesci)


def wykres(kolor):
    """Statistics: a bar chart over its axes."""
    slupki = [(76, 52), (100, 80), (124, 38), (148, 66), (172, 92)]
    czesci = [f'<path d="M66 86 V186 H198" fill="none" stroke="#5d6875" stroke-width="4" stroke-linecap="round"/>']
    for x, wys in slupki:
        czesci.append(f'<rect x="{x}" y="{182 - wys}" width="16" height="{wys}" rx="2" fill="{kolor}"/>')
    return '\n  '.join(czesci)


def grupa(kolor):
    """A group: the players who share the cost."""
    czesci = []
    for cx, skala in ((98, 1.0), (162, 1.0), (130, 1.15)):
        r = 17 * skala
        cy = 112 - (8 if skala > 1 else 0)
        czesci.append(f'<circle cx="{cx}" cy="{cy:.1f}" r="{r:.1f}" fill="{kolor}" stroke="#ffffff" stroke-width="3"/>')
        w, h = 36 * skala, 40 * skala
        top = cy + r + 4
        czesci.append(f'<path d="M{cx - w:.1f} {top + h:.1f} v-{h * 0.45:.1f} a{w:.1f} {h * 0.55:.1f} 0 0 1 {2 * w:.1f} 0 '
                      f'v{h * 0.45:.1f} z" fill="{kolor}" stroke="#ffffff" stroke-width="3"/>')
    return '\n  '.join(czesci)


def blankiet(kolor):
    """A slip layout: the operator's grid with crosses where the bet goes."""
    czesci = [f'<rect x="66" y="86" width="130" height="100" rx="4" fill="#fff5f0" stroke="{kolor}" stroke-width="3"/>']
    krzyzyki = {(0, 1), (1, 3), (2, 0), (3, 4), (1, 5)}
    for w in range(4):
        for k in range(6):
            x, y = 74 + k * 20, 94 + w * 23
            czesci.append(f'<rect x="{x}" y="{y}" width="14" height="16" fill="none" stroke="{kolor}" stroke-width="2"/>')
            if (w, k) in krzyzyki:
                czesci.append(f'<path d="M{x + 2} {y + 2} l10 12 M{x + 12} {y + 2} l-10 12" stroke="{GRANAT}" '
                              f'stroke-width="3" stroke-linecap="round"/>')
    return '\n  '.join(czesci)


def komorki(wiersze, kolumny, krok, rozmiar, rx, wyglad):
    """A grid of rounded cells from (68, 90); `wyglad(w, k)` gives each cell's fill and stroke attributes."""
    czesci = []
    for w in range(wiersze):
        for k in range(kolumny):
            x, y = 68 + k * krok[0], 90 + w * krok[1]
            czesci.append(f'<rect x="{x}" y="{y}" width="{rozmiar[0]}" height="{rozmiar[1]}" rx="{rx}" '
                          f'{wyglad(w, k)}/>')
    return '\n  '.join(czesci)


def kolekcja(kolor):
    """A number collection: numbers gathered in rows, some picked."""
    return komorki(3, 5, (26, 32), (22, 26), 5, lambda w, k: f'fill="{kolor if (w + k) % 3 == 0 else "#ffffff"}" '
                   f'stroke="{kolor}" stroke-width="3"')


def numery_kolekcji(kolor):
    """The collection's companion: its numbers two bytes each, as a strip of cells."""
    return komorki(5, 8, (16, 19), (12, 14), 2, lambda w, k: f'fill="{kolor}" '
                   f'fill-opacity="{0.35 + 0.65 * ((w * 8 + k) % 3 == 0):.2f}"')


# (icon name, extension, colour, picture, title)
TYPY = [
    ('application-x-tarvomund-system', 'SS2', '#3a6ea5', kropki_zakladow, 'System'),
    ('application-x-tarvomund-game', 'PL2', '#2e8b57', historia_losowan, 'Gra i losowania'),
    ('application-x-tarvomund-statistics', 'ST2', '#6a4c93', wykres, 'Statystyka'),
    ('application-x-tarvomund-group', 'GR2', '#8b5a2b', grupa, 'Grupa graczy'),
    ('application-x-tarvomund-slip', 'BLN', '#b22222', blankiet, 'Blankiet'),
    ('application-x-tarvomund-collection', 'K22', '#2f7f86', kolekcja, 'Kolekcja numerów'),
    ('application-x-tarvomund-collection-numbers', 'K12', '#4f8f96', numery_kolekcji, 'Numery kolekcji'),
]


def ikona_pliku(rozszerzenie, kolor, obrazek, tytul):
    return f'''<?xml version="1.0" encoding="UTF-8"?>
<svg xmlns="http://www.w3.org/2000/svg" width="256" height="256" viewBox="0 0 256 256">
  <title>{tytul}</title>
  <defs>
    {gradienty_kuli('k')}
    <linearGradient id="kartka" x1="0" y1="0" x2="0" y2="1">
      <stop offset="0" stop-color="#ffffff"/>
      <stop offset="1" stop-color="#e9edf2"/>
    </linearGradient>
  </defs>
  <path d="M60 12 H166 L216 62 V236 a8 8 0 0 1 -8 8 H60 a8 8 0 0 1 -8 -8 V20 a8 8 0 0 1 8 -8 z" fill="url(#kartka)" stroke="#6f7b8a" stroke-width="5" stroke-linejoin="round"/>
  <path d="M166 12 V54 a8 8 0 0 0 8 8 H216 z" fill="#cfd6df" stroke="#6f7b8a" stroke-width="5" stroke-linejoin="round"/>
  {kula('k', 86, 44, 22)}
  {obrazek(kolor)}
  <rect x="64" y="198" width="140" height="36" rx="6" fill="{kolor}"/>
  <text x="134" y="226" text-anchor="middle" font-family="DejaVu Sans, Verdana, sans-serif" font-weight="bold" font-size="28" fill="#ffffff">{rozszerzenie}</text>
</svg>
'''


def ikona_pliku_mala(kolor, tytul):
    """16 to 24 pixels: only the page and its colour, drawn bold enough to stay visible."""
    return f'''<?xml version="1.0" encoding="UTF-8"?>
<svg xmlns="http://www.w3.org/2000/svg" width="16" height="16" viewBox="0 0 16 16">
  <title>{tytul}</title>
  <path d="M3.5 1.5 H10 L13.5 5 V14 a0.5 0.5 0 0 1 -0.5 0.5 H3.5 a0.5 0.5 0 0 1 -0.5 -0.5 V2 a0.5 0.5 0 0 1 0.5 -0.5 z" fill="#ffffff" stroke="#5d6875" stroke-width="1"/>
  <path d="M10 1.5 V5 H13.5" fill="#cfd6df" stroke="#5d6875" stroke-width="1" stroke-linejoin="round"/>
  <rect x="4.5" y="7" width="7.5" height="6.5" fill="{kolor}"/>
  <circle cx="6.5" cy="4" r="1.6" fill="#f0b830"/>
</svg>
'''


def main():
    (katalog / 'male').mkdir(parents=True, exist_ok=True)
    (katalog / 'tarvomund.svg').write_text(ikona_programu(), encoding='utf-8')
    for nazwa, rozszerzenie, kolor, obrazek, tytul in TYPY:
        (katalog / f'{nazwa}.svg').write_text(ikona_pliku(rozszerzenie, kolor, obrazek, tytul), encoding='utf-8')
        (katalog / 'male' / f'{nazwa}.svg').write_text(ikona_pliku_mala(kolor, tytul), encoding='utf-8')
    print(1 + len(TYPY), 'icons')


main()
