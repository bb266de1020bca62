#!/usr/bin/env python3
"""Writes the SVG drawings of Ovix's own artwork into the folder given as argument.

Colours are the Tango palette, so the drawn pictures sit well beside the Tango icons that
make-artwork.sh takes for the other buttons.
"""
import math
import os
import sys

SKY = ("#729fcf", "#3465a4", "#204a87")
CHAMELEON = ("#8ae234", "#73d216", "#4e9a06")
SCARLET = ("#ef2929", "#cc0000", "#a40000")
ALUMINIUM = ("#eeeeec", "#d3d7cf", "#babdb6", "#888a85", "#555753", "#2e3436")
BUTTER = ("#fce94f", "#edd400", "#c4a000")


def svg(width, height, body, defs=""):
    return (f'<svg xmlns="http://www.w3.org/2000/svg" width="{width}" height="{height}" '
            f'viewBox="0 0 {width} {height}"><defs>{defs}</defs>{body}</svg>\n')


def point(cx, cy, r, degrees):
    a = math.radians(degrees)
    return cx + r * math.cos(a), cy + r * math.sin(a)


def line_circle(p, q, cx, cy, r):
    """Where the ray from p through q (beyond q) meets the circle."""
    dx, dy = q[0] - p[0], q[1] - p[1]
    fx, fy = p[0] - cx, p[1] - cy
    a = dx * dx + dy * dy
    b = 2 * (fx * dx + fy * dy)
    c = fx * fx + fy * fy - r * r
    t = (-b + math.sqrt(b * b - 4 * a * c)) / (2 * a)
    return p[0] + t * dx, p[1] + t * dy


def aperture(cx, cy, inner, outer, blades, turn, colours, stroke):
    """An iris of `blades` blades around a polygonal opening: the logo's heart."""
    v = [point(cx, cy, inner, turn + 360.0 * i / blades) for i in range(blades)]
    out = []
    for i in range(blades):
        a, b = v[i], v[(i + 1) % blades]
        prev = v[i - 1]
        qa = line_circle(prev, a, cx, cy, outer)
        qb = line_circle(a, b, cx, cy, outer)
        colour = colours[i % len(colours)]
        out.append(f'<path d="M{a[0]:.2f},{a[1]:.2f} L{b[0]:.2f},{b[1]:.2f} L{qb[0]:.2f},{qb[1]:.2f} '
                   f'A{outer},{outer} 0 0,0 {qa[0]:.2f},{qa[1]:.2f} Z" fill="{colour}" '
                   f'stroke="{stroke}" stroke-width="1.5" stroke-linejoin="round"/>')
    return "".join(out)


def wheel():
    c = 128
    defs = (f'<radialGradient id="ring" cx="50%" cy="40%" r="60%">'
            f'<stop offset="0" stop-color="{ALUMINIUM[1]}"/><stop offset="1" stop-color="{ALUMINIUM[4]}"/>'
            f'</radialGradient>'
            f'<radialGradient id="glass" cx="45%" cy="40%" r="60%">'
            f'<stop offset="0" stop-color="#1c2a3c"/><stop offset="1" stop-color="#05080c"/></radialGradient>')
    body = [f'<circle cx="{c}" cy="{c}" r="124" fill="url(#ring)" stroke="{ALUMINIUM[5]}" stroke-width="3"/>']
    # Knurled grip: short teeth all round the ring.
    for i in range(60):
        x1, y1 = point(c, c, 112, i * 6)
        x2, y2 = point(c, c, 122, i * 6)
        body.append(f'<line x1="{x1:.2f}" y1="{y1:.2f}" x2="{x2:.2f}" y2="{y2:.2f}" '
                    f'stroke="{ALUMINIUM[5]}" stroke-width="2.2" stroke-linecap="round"/>')
    body.append(f'<circle cx="{c}" cy="{c}" r="108" fill="url(#glass)" stroke="{ALUMINIUM[0]}" stroke-width="2"/>')
    blades = [SKY[0], SKY[1], "#5c8ac4", SKY[2], "#4a7bbd", "#2d5a98"]
    body.append(aperture(c, c, 38, 100, 6, 0, blades, "#dbe6f3"))
    body.append(f'<circle cx="{c}" cy="{c}" r="100" fill="none" stroke="{ALUMINIUM[0]}" stroke-width="2.5"/>')
    # A lens highlight, and the red dot every camera maker puts somewhere.
    body.append('<path d="M70,78 A78,78 0 0,1 150,52" fill="none" stroke="#ffffff" stroke-opacity="0.35" '
                'stroke-width="6" stroke-linecap="round"/>')
    body.append(f'<circle cx="{c}" cy="{c - 116}" r="5" fill="{SCARLET[0]}" stroke="{SCARLET[2]}" stroke-width="1.5"/>')
    return svg(256, 256, "".join(body), defs)


def arrow_arc(clockwise):
    """A photo tilted a quarter turn with a curved arrow round it: rotate left or right."""
    body = []
    s = 1 if clockwise else -1
    # The photo: a landscape frame, slightly tilted in the turning direction.
    body.append(f'<g transform="rotate({12 * s} 24 26)">'
                f'<rect x="12.5" y="17.5" width="23" height="17" rx="1.5" fill="{ALUMINIUM[0]}" stroke="{ALUMINIUM[4]}"/>'
                f'<rect x="15" y="20" width="18" height="12" fill="{SKY[0]}"/>'
                f'<path d="M15,32 L21,25 L25,29 L28,26 L33,32 Z" fill="{CHAMELEON[2]}"/>'
                f'<circle cx="29" cy="23" r="1.8" fill="{BUTTER[0]}"/></g>')
    # The arc from the left through the top to the right (mirrored for the other way).
    r = 19
    start = point(24, 26, r, 160 if clockwise else 20)
    end = point(24, 26, r, 310 if clockwise else 230)
    sweep = 1 if clockwise else 0
    body.append(f'<path d="M{start[0]:.2f},{start[1]:.2f} A{r},{r} 0 0,{sweep} {end[0]:.2f},{end[1]:.2f}" '
                f'fill="none" stroke="{SKY[2]}" stroke-width="5.5" stroke-linecap="round"/>'
                f'<path d="M{start[0]:.2f},{start[1]:.2f} A{r},{r} 0 0,{sweep} {end[0]:.2f},{end[1]:.2f}" '
                f'fill="none" stroke="{SKY[0]}" stroke-width="3" stroke-linecap="round"/>')
    # Arrow head at the end, pointing along the arc.
    tangent = 310 + 90 if clockwise else 230 - 90
    tip = point(end[0], end[1], 6, tangent)
    left = point(end[0], end[1], 6, tangent + 120)
    right = point(end[0], end[1], 6, tangent - 120)
    body.append(f'<path d="M{tip[0]:.2f},{tip[1]:.2f} L{left[0]:.2f},{left[1]:.2f} L{right[0]:.2f},{right[1]:.2f} Z" '
                f'fill="{SKY[0]}" stroke="{SKY[2]}" stroke-width="1.5" stroke-linejoin="round"/>')
    return svg(48, 48, "".join(body))


def magnifier(sign):
    defs = ('<radialGradient id="lens" cx="40%" cy="35%" r="65%"><stop offset="0" stop-color="#ffffff"/>'
            f'<stop offset="1" stop-color="{SKY[0]}"/></radialGradient>')
    body = [f'<path d="M29,29 L42,42" stroke="{ALUMINIUM[5]}" stroke-width="8" stroke-linecap="round"/>',
            f'<path d="M30,30 L41,41" stroke="{ALUMINIUM[3]}" stroke-width="4.5" stroke-linecap="round"/>',
            f'<circle cx="20" cy="20" r="14" fill="url(#lens)" stroke="{ALUMINIUM[4]}" stroke-width="3"/>',
            f'<circle cx="20" cy="20" r="11.5" fill="none" stroke="#ffffff" stroke-opacity="0.6" stroke-width="1.2"/>']
    colour = CHAMELEON if sign == "+" else SCARLET
    body.append(f'<path d="M13,20 H27" stroke="{colour[2]}" stroke-width="5.5" stroke-linecap="round"/>'
                f'<path d="M13,20 H27" stroke="{colour[0]}" stroke-width="3" stroke-linecap="round"/>')
    if sign == "+":
        body.append(f'<path d="M20,13 V27" stroke="{colour[2]}" stroke-width="5.5" stroke-linecap="round"/>'
                    f'<path d="M20,13 V27" stroke="{colour[0]}" stroke-width="3" stroke-linecap="round"/>'
                    f'<path d="M13,20 H27" stroke="{colour[0]}" stroke-width="3" stroke-linecap="round"/>')
    return svg(48, 48, "".join(body), defs)


def badge(sign):
    """A small round plus or minus for the volume buttons, placed on a corner."""
    colour = CHAMELEON if sign == "+" else SCARLET
    body = [f'<circle cx="12" cy="12" r="10.5" fill="{colour[1]}" stroke="{colour[2]}" stroke-width="2"/>',
            '<path d="M6.5,12 H17.5" stroke="#ffffff" stroke-width="3.2" stroke-linecap="round"/>']
    if sign == "+":
        body.append('<path d="M12,6.5 V17.5" stroke="#ffffff" stroke-width="3.2" stroke-linecap="round"/>')
    return svg(24, 24, "".join(body))


def film_strip():
    """The film-strip bar: a dark strip with sprocket holes along both edges."""
    w, h = 512, 64
    body = [f'<rect width="{w}" height="{h}" fill="#1b1d1f"/>',
            f'<rect y="13" width="{w}" height="38" fill="#26292c"/>']
    for x in range(6, w, 16):
        body.append(f'<rect x="{x}" y="3" width="8" height="7" rx="1.5" fill="#d6d8d2" fill-opacity="0.85"/>')
        body.append(f'<rect x="{x}" y="54" width="8" height="7" rx="1.5" fill="#d6d8d2" fill-opacity="0.85"/>')
    for x in range(0, w, 128):
        body.append(f'<rect x="{x + 1}" y="14" width="126" height="36" fill="none" stroke="#3a3e42" stroke-width="2"/>')
    return svg(w, h, "".join(body))


def blank_photo():
    """An empty film-strip frame: a dim landscape placeholder (drawn 3:2, stored square)."""
    body = [f'<rect width="192" height="128" fill="{ALUMINIUM[5]}"/>',
            f'<rect x="6" y="6" width="180" height="116" fill="#3b4045" stroke="{ALUMINIUM[3]}" stroke-width="3"/>',
            f'<path d="M20,108 L70,52 L100,84 L124,62 L172,108 Z" fill="{ALUMINIUM[4]}"/>',
            f'<circle cx="140" cy="38" r="12" fill="{ALUMINIUM[3]}"/>']
    return svg(192, 128, "".join(body))


def background():
    """The faint backdrop: soft light spots on a deep blue, drawn at a tenth of its strength."""
    defs = ('<radialGradient id="sky" cx="50%" cy="45%" r="75%"><stop offset="0" stop-color="#6f9bd2"/>'
            '<stop offset="0.6" stop-color="#2f5a94"/><stop offset="1" stop-color="#101d30"/></radialGradient>'
            '<filter id="soft"><feGaussianBlur stdDeviation="10"/></filter>')
    body = ['<rect width="512" height="512" fill="url(#sky)"/>']
    spots = [(90, 120, 70, "#ffffff", 0.30), (400, 90, 55, "#fce94f", 0.25), (330, 380, 90, "#ad7fa8", 0.25),
             (120, 410, 60, "#8ae234", 0.20), (250, 250, 120, "#ffffff", 0.15), (460, 260, 40, "#fcaf3e", 0.3),
             (40, 260, 35, "#729fcf", 0.4), (200, 60, 30, "#ffffff", 0.35)]
    for x, y, r, colour, opacity in spots:
        body.append(f'<circle cx="{x}" cy="{y}" r="{r}" fill="{colour}" fill-opacity="{opacity}" filter="url(#soft)"/>')
    # Fine concentric rings, like light through a lens.
    for r in range(40, 380, 28):
        body.append(f'<circle cx="256" cy="256" r="{r}" fill="none" stroke="#ffffff" stroke-opacity="0.07" stroke-width="6"/>')
    return svg(512, 512, "".join(body), defs)


def frames():
    """A small pile of photos: the right-hand picture of every dialog header (on white)."""
    body = [f'<rect width="64" height="64" fill="#ffffff"/>']
    for angle, x, y, sky in ((-14, 6, 16, "#8fb3dc"), (8, 16, 10, "#a7c7a0"), (-3, 12, 22, SKY[0])):
        body.append(f'<g transform="rotate({angle} {x + 20} {y + 15})">'
                    f'<rect x="{x}" y="{y}" width="40" height="30" fill="#ffffff" stroke="{ALUMINIUM[3]}" stroke-width="1.5"/>'
                    f'<rect x="{x + 3}" y="{y + 3}" width="34" height="20" fill="{sky}"/>'
                    f'<path d="M{x + 3},{y + 23} L{x + 14},{y + 12} L{x + 22},{y + 19} L{x + 28},{y + 14} L{x + 37},{y + 23} Z" fill="{CHAMELEON[2]}"/>'
                    f'</g>')
    return svg(64, 64, "".join(body))


def key_cap(x, y, label):
    """One key: a light rounded cap with its name; returns the svg and the cap's right edge."""
    arrow = label in "←↑→↓"
    width = max(26 if arrow else 22, 8 + 7.4 * len(label))
    text = label.replace("&", "&amp;").replace("<", "&lt;")
    return (f'<rect x="{x}" y="{y}" width="{width:.1f}" height="20" rx="4" fill="{ALUMINIUM[1]}" '
            f'stroke="{ALUMINIUM[0]}" stroke-width="1"/>'
            f'<rect x="{x + 1.5}" y="{y + 15}" width="{width - 3:.1f}" height="3.5" rx="1.5" fill="{ALUMINIUM[2]}"/>'
            f'<text x="{x + width / 2:.1f}" y="{y + (15.5 if arrow else 14.5)}" text-anchor="middle" '
            f'font-family="DejaVu Sans" font-weight="bold" font-size="{16 if arrow else 11}" '
            f'fill="{ALUMINIUM[5]}">{text}</text>'), x + width


def keyboard():
    """The keyboard shortcuts, 481 x 298 pixels: the help picture of the scene (F1 or the menu)."""
    defs = ('<linearGradient id="panel" x1="0" y1="0" x2="0" y2="1"><stop offset="0" stop-color="#3a4147"/>'
            '<stop offset="1" stop-color="#1d2125"/></linearGradient>')
    body = ['<rect x="0.5" y="0.5" width="480" height="297" rx="10" fill="url(#panel)" '
            f'stroke="{ALUMINIUM[3]}" stroke-width="1"/>',
            f'<text x="240.5" y="29" text-anchor="middle" font-family="DejaVu Sans" font-weight="bold" '
            f'font-size="17" fill="{ALUMINIUM[0]}">Klávesové zkratky</text>',
            f'<path d="M16,41 H465" stroke="{SKY[0]}" stroke-width="1.5"/>']
    columns = [
        (16, "Fotky", [(["→"], "další fotka"), (["←"], "předchozí fotka"), (["↑"], "přiblížit"),
                       (["↓"], "oddálit"), (["W", "A", "S", "D"], "posun fotky"),
                       (["Mezerník"], "přehrát / zastavit"), (["Kolečko myši"], "přiblížit / oddálit"),
                       (["I"], "informace o fotce")]),
        (246, "Program", [(["Ctrl", "O"], "otevřít fotky"), (["Ctrl", "N"], "nastavení"),
                          (["Ctrl", "L"], "seznam fotek"), (["Ctrl", "M"], "skrýt menu"),
                          (["Ctrl", "Enter"], "celá obrazovka"), (["Esc"], "zpět do okna"), (["F1"], "nápověda"),
                          (["Ctrl", "Q"], "konec"), (["Pravé tlačítko"], "místní nabídka")]),
    ]
    for x, title, rows in columns:
        body.append(f'<text x="{x}" y="62" font-family="DejaVu Sans" font-weight="bold" font-size="12" '
                    f'fill="{SKY[0]}">{title}</text>')
        y = 70
        for keys, meaning in rows:
            right = x
            for i, key in enumerate(keys):
                if i and keys[0] == "Ctrl":
                    body.append(f'<text x="{right + 3}" y="{y + 15}" font-family="DejaVu Sans" font-size="12" '
                                f'fill="{ALUMINIUM[2]}">+</text>')
                    right += 12
                elif i:
                    right += 3
                cap, right = key_cap(right, y, key)
                body.append(cap)
            body.append(f'<text x="{max(right + 8, x + 104)}" y="{y + 15}" font-family="DejaVu Sans" '
                        f'font-size="12.5" fill="{ALUMINIUM[0]}">{meaning}</text>')
            y += 24
    return svg(481, 298, "".join(body), defs)


def main():
    out = sys.argv[1]
    drawings = {
        "wheel.svg": wheel(), "rotate_left.svg": arrow_arc(False), "rotate_right.svg": arrow_arc(True),
        "zoomin.svg": magnifier("+"), "zoomout.svg": magnifier("-"), "badge_plus.svg": badge("+"),
        "badge_minus.svg": badge("-"), "negativ.svg": film_strip(), "blankphoto.svg": blank_photo(),
        "background.svg": background(), "frames.svg": frames(), "klavesnice.svg": keyboard(),
    }
    for name, text in drawings.items():
        with open(os.path.join(out, name), "w", encoding="utf-8") as f:
            f.write(text)


if __name__ == "__main__":
    main()
