"""The Ponderival artwork: three numbered houses on a street, the middle one lit.

The houses carry 5, 6 and 7: in a street of eight houses, the numbers before
house 6 add up to the same as those after it, which is the puzzle in a picture.
Every size is laid out on whole pixels so that the small icons stay sharp.
"""

# What each pixel shows; the file writers give each of these its colours.
CLEAR, OUTLINE, WALL, LIT_WALL, ROOF, LIT_ROOF, GROUND, NUMBER, LIT_NUMBER = range(9)

DIGITS = {
    5: ("###", "#..", "###", "..#", "###"),
    6: ("###", "#..", "###", "#.#", "###"),
    7: ("###", "..#", "..#", "..#", "..#"),
}

# Each house as left, right and top on a 16-square street, then the colours of
# its wall, roof and number, and the number itself; the front house comes last.
HOUSES = (
    (0, 6, 7, WALL, ROOF, NUMBER, 5),
    (10, 16, 7, WALL, ROOF, NUMBER, 7),
    (5, 11, 4, LIT_WALL, LIT_ROOF, LIT_NUMBER, 6),
)
STREET_TOP = 15


def scaled(value, size):
    """Places a point of the 16-square layout on a grid of size pixels, rounding
    towards the edges so that the picture keeps its symmetry at every size."""
    if 2 * value > 16:
        return size - scaled(16 - value, size)
    return (value * size + 8) // 16


def outline_width(size):
    return max(1, size // 24)


def roof_rows(left, right, base):
    """Rows of a 45-degree roof standing on row base, narrowing to its ridge."""
    rows = []
    while right > left:
        base -= 1
        rows.append((left, base, right, base + 1))
        left, right = left + 1, right - 1
    return rows


def house_shapes(house, size, front):
    """The shapes of one house, back to front, each ("box" or "roof", what, x0, y0, x1, y1).

    A roof fills the rows above y0 between x0 and x1, narrowing by a pixel on each side per row;
    its y1 repeats y0.
    Its number is centred on the part of the wall that the house in front leaves in sight,
    at the same height on every house so that the three read as one row.
    """
    left, right, top, wall, roof, number, digit = house
    x0, x1, y0 = scaled(left, size), scaled(right, size), scaled(top, size)
    y1 = scaled(STREET_TOP, size)
    t = outline_width(size)
    # Measured across a 45-degree slope, this keeps the roof's edge as thick as the walls'.
    inset = round(t * 1.4142)
    seen = in_sight((x0 + t, x1 - t), front)
    sign_top = scaled(max(h[2] for h in HOUSES), size) + t
    return [("roof", OUTLINE, x0, y0, x1, y0), ("box", OUTLINE, x0, y0, x1, y1),
            ("roof", roof, x0 + inset, y0, x1 - inset, y0),
            ("box", wall, x0 + t, y0 + t, x1 - t, y1)] + [
        ("box",) + box for box in digit_shapes(DIGITS[digit], number, size,
                                                (seen[0], sign_top, seen[1], y1))]


def in_sight(span, front):
    """The part of a wall's width that a house standing in front does not hide."""
    x0, x1 = span
    if front[0] < x0 < front[1]:
        x0 = front[1]
    if front[0] < x1 < front[1]:
        x1 = front[0]
    return x0, x1


def digit_shapes(glyph, what, size, box):
    """The digit centred on a wall; a wall too small to hold one gets a door instead."""
    x0, y0, x1, y1 = box
    scale = max(1, size // 20)
    if x1 - x0 < 3 * scale + 2 or y1 - y0 < 5 * scale + 2:
        door = (x1 - x0) // 2
        return [(what, x0 + (x1 - x0 - door) // 2, y1 - 3, x0 + (x1 - x0 + door) // 2, y1)]
    left = x0 + (x1 - x0 - 3 * scale + 1) // 2
    top = y0 + (y1 - y0 - 5 * scale) // 2
    return [(what, left + start * scale, top + row * scale,
             left + end * scale, top + (row + 1) * scale)
            for row, line in enumerate(glyph) for start, end in runs(line)]


def runs(line):
    """The stretches of a glyph row that are inked, as (first, past last) columns."""
    found, start = [], None
    for col, mark in enumerate(line + "."):
        if mark == "#" and start is None:
            start = col
        elif mark != "#" and start is not None:
            found.append((start, col))
            start = None
    return found


def shapes(size):
    """Everything drawn on an icon of size pixels, back to front."""
    drawn = [("box", GROUND, 0, scaled(STREET_TOP, size), size, size)]
    front = (scaled(HOUSES[-1][0], size), scaled(HOUSES[-1][1], size))
    for house in HOUSES:
        drawn += house_shapes(house, size, front if house != HOUSES[-1] else (0, 0))
    return drawn


def boxes(size):
    """The shapes as plain boxes, with every roof broken into its rows."""
    out = []
    for kind, what, x0, y0, x1, y1 in shapes(size):
        rows = roof_rows(x0, x1, y0) if kind == "roof" else [(x0, y0, x1, y1)]
        out += [(what,) + row for row in rows]
    return out


def draw(size):
    """The icon as rows of what each pixel shows."""
    grid = [[CLEAR] * size for _ in range(size)]
    for what, x0, y0, x1, y1 in boxes(size):
        x0, x1 = max(x0, 0), min(x1, size)
        for y in range(max(y0, 0), min(y1, size)):
            grid[y][x0:x1] = [what] * max(0, x1 - x0)
    return grid
