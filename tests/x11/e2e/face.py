"""Reading the analog face from a screenshot of the client area.

The face stands where the window's layout puts it: centre (201, 289), radius 189.
Positions run 0..59 clockwise from straight up, every point cut towards zero, as the
program places its marks, hands and knobs.
"""
import math

CENTRE = (201, 289)
RADIUS = 189
HOUR_KNOB = RADIUS - 85
MINUTE_KNOB = RADIUS - 65
NUMERAL_DISTANCE = RADIUS - 10
DOT_DISTANCE = RADIUS - 18
KNOB_RADIUS = 7
# Both hands cross this band; the knobs (from 97 out) and the marks lie beyond it.
HAND_BAND = range(45, 93)


def point(position, distance):
    angle = math.radians(-6.0 * position)
    return (CENTRE[0] - int(math.sin(angle) * distance), CENTRE[1] - int(math.cos(angle) * distance))


def numeral_point(hour):
    """A point inside the numeral mark of an hour (the mark of minute hour*5)."""
    return point(5 * hour, NUMERAL_DISTANCE)


def dot_box(minute):
    """The box (x, y, w, h) of a dot mark: 9 x 17 from its point on the circle less its offset."""
    x, y = point(minute, DOT_DISTANCE)
    dx = 3 if minute < 30 else 4
    dy = 5 if minute < 15 or minute > 45 else 4
    return (x - dx, y - dy, 9, 17)


def is_dark(rgb):
    return rgb is not None and max(rgb) < 64


def is_white(rgb):
    return rgb is not None and min(rgb) > 240


def ray_cover(shot, position, test, band=HAND_BAND, spread=0):
    """The share of the band's distances at which the pixel on the ray passes test; with a
    spread, any pixel that close to the ray does (a thin line strays a pixel from the
    points cut towards zero)."""
    def hit(x, y):
        return any(test(shot.pixel(x + dx, y + dy))
                   for dx in range(-spread, spread + 1) for dy in range(-spread, spread + 1))
    return sum(1 for d in band if hit(*point(position, d))) / len(band)


def hand_positions(shot):
    """The positions at which a dark hand stands: rays covered along nearly the whole band."""
    return [p for p in range(60) if ray_cover(shot, p, is_dark) >= 0.9]


def hour_on_face(shot):
    """The hour (0..11) shown with the minute hand at 12: 0 when only one hand is seen."""
    positions = hand_positions(shot)
    if 0 not in positions:
        return None, f"no hand at 12 (hands at {positions})"
    others = [p for p in positions if p != 0]
    if not others:
        # The hour hand is twice as wide as the minute hand: a thin line alone is no hour.
        across = sum(is_dark(shot.pixel(CENTRE[0] + dx, CENTRE[1] - HAND_BAND[0])) for dx in range(-6, 7))
        return (0, "both hands at 12") if across >= 5 else (None, "only a thin hand at 12")
    if len(others) > 1 or others[0] % 5:
        return None, f"hands at {positions}, not one hour hand on an hour"
    return others[0] // 5, f"hour hand at {others[0]}"


def knob_centre(shot, distance):
    """The centre of the white knob whose centre lies at this distance from the face's centre."""
    inner, outer = distance - KNOB_RADIUS - 2, distance + KNOB_RADIUS + 2
    cx, cy = CENTRE
    xs, ys = [], []
    for y in range(cy - outer, cy + outer + 1):
        for x in range(cx - outer, cx + outer + 1):
            if inner * inner <= (x - cx) ** 2 + (y - cy) ** 2 <= outer * outer and is_white(shot.pixel(x, y)):
                xs.append(x)
                ys.append(y)
    if len(xs) < 60:
        return None
    centre = (round(sum(xs) / len(xs)), round(sum(ys) / len(ys)))
    # One compact disc, not stray white from elsewhere.
    if max(abs(x - centre[0]) for x in xs) > KNOB_RADIUS or max(abs(y - centre[1]) for y in ys) > KNOB_RADIUS:
        return None
    return centre
