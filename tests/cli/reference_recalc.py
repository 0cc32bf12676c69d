"""The reference recalculation: Gyrant's worksheet arithmetic written again, independently, in
plain Python, so that gyrant-calc's figures can be checked text for text.

A worksheet is two tables of text cells, cells[table][row][column], rows 0..31; table 0
(Baseline) has columns 0..11, table 1 (Proposed) columns 0..12. Each table is laid out from its
own rows. `open_and_recalculate` does what Open followed by the full recalculation does.
"""

import decimal
import math
import os
import re

MAGIC = "QRX-GY*1.10"
LAST_ROW = 31
COLUMNS = (12, 13)
HEADINGS = ("Row", "Description", "Value", "O.D.", "I.D.", "Width", "Material", "Weight",
            "Units", "Inertia", "Eq. Wt", "% Total", "Imprvmnt")
VALUE, OD, ID, WIDTH, MATERIAL, WEIGHT, UNITS, INERTIA, EQWT, PCT, IMPROVEMENT = range(2, 13)
SHOWN, HIDDEN, SPACER = 225, 1, 15
WHEEL_ROWS, TIRE_ROWS = (23, 26), (24, 27)
PART_ROWS = [r for r in range(14, 30) if r not in (17, 18, 19)]
DENSITY = {1: 0.2833, 3: 0.064}  # steel, carbon fibre; any other material is aluminium (0.098)
LB_PER_GRAM = 1 / 454


class Ambiguous(Exception):
    """The worksheet reaches a case whose result the program is free to choose."""


_NUMBER = re.compile(r"[ \t]*([+-]?(?:[0-9]+\.?[0-9]*|\.[0-9]+)(?:[eEdD][+-]?[0-9]+)?)")


def num(text):
    """The leading number of a text; 0 when there is none or it is too large to hold."""
    match = _NUMBER.match(text)
    value = float(match.group(1).replace("d", "e").replace("D", "e")) if match else 0.0
    return value if math.isfinite(value) else 0.0


def sq(x):
    return x * x  # never raises on overflow, unlike x ** 2


def div(a, b):
    """a / b as the hardware divides: a zero divisor gives an infinity or NaN, not an error."""
    if b != 0:
        return a / b
    return math.nan if a == 0 or math.isnan(a) else math.copysign(math.inf, a) * math.copysign(1, b)


def number_in_last(text, count):
    return max(-32768, min(32767, round(num(text[-count:].strip(" ")))))


def is_blank(text):
    return text.strip(" ") == ""


def is_grams(units):
    return units[:2].upper() == "GM"


def fmt(value, picture):
    """A number written with a picture such as "####.00": half away from zero, no leading 0."""
    if not math.isfinite(value):
        return ""
    whole_pic, _, frac_pic = picture.partition(".")
    places, required = len(frac_pic), frac_pic.rfind("0") + 1
    context = decimal.Context(prec=1000, rounding=decimal.ROUND_HALF_UP)
    rounded = decimal.Decimal("%.14e" % value).quantize(decimal.Decimal(1).scaleb(-places),
                                                        context=context)
    whole, _, frac = format(abs(rounded), "f").partition(".")
    whole = whole.lstrip("0").rjust(whole_pic.count("0"), "0")
    frac = frac.ljust(places, "0")
    while len(frac) > required and frac.endswith("0"):
        frac = frac[:-1]
    return ("-" if rounded < 0 else "") + whole + "." + frac


def choice(item, blanks, position):
    return item + " " * blanks + (" %d" % position if position >= 0 else "%d" % position)


def read_descriptions(program_folder):
    """Row descriptions 1..31 from the row-definition file beside the program."""
    folder = program_folder
    for name in ("GyrantTEXT", "helpi.txt"):
        entries = {e.lower(): e for e in os.listdir(folder)} if os.path.isdir(folder) else {}
        folder = os.path.join(folder, entries.get(name.lower(), name))
    with open(folder, "rb") as f:
        lines = f.read().decode("cp1252").replace("\r\n", "\n").split("\n")
    descriptions, at = [""], 0
    for _ in range(LAST_ROW):
        descriptions.append(lines[at].strip(" "))
        at, limits = at + 4, 0  # description, help, kind, sub-menu kind, then 8 limits
        while limits < 8:
            limits += len([p for p in lines[at].split(",") if p.strip(" \t")])
            at += 1
    return descriptions


class Worksheet:
    def __init__(self, descriptions, two_vehicles, cells, weight_option):
        self.two_vehicles, self.weight_option = two_vehicles, weight_option
        self.cells = [[list(HEADINGS[:COLUMNS[t]])] +
                      [[str(r), descriptions[r]] + list(cells[t][r - 1]) + [""] * (t == 1)
                       for r in range(1, LAST_ROW + 1)] for t in (0, 1)]
        self.heights = [[SHOWN] + [SPACER if descriptions[r] == "" else SHOWN
                                   for r in range(1, LAST_ROW + 1)] for _ in (0, 1)]
        self.flags = [None, None]
        self.est_class = [0, 0]

    def text(self, t, r, c):
        return self.cells[t][r][c]

    def value(self, t, r, c=VALUE):
        return num(self.cells[t][r][c])

    def put(self, t, r, c, text):
        self.cells[t][r][c] = text

    def shown(self, t, r):
        return self.heights[t][r] >= 11

    def refresh_layout(self):
        """Each table's flags, hidden rows and displacement from its own rows."""
        for t in (0, 1):
            kind, engine = self.text(t, 2, VALUE), self.text(t, 12, VALUE)
            four = "4" in kind
            details = "Yes" in engine
            if not details:
                self.est_class[t] = 2 if "race" in engine else 0 if "prod" in engine else 1
            self.flags[t] = {"front": four and "Front" in kind, "primary": not four and "Pri" in kind,
                             "details": details}
            self.heights[t][5] = SHOWN if self.flags[t]["primary"] else HIDDEN
            for r in range(13, 19):
                self.heights[t][r] = SHOWN if details else HIDDEN
            self.put(t, 8, VALUE, fmt(self.displacement(t), "######.00"))

    def displacement(self, t):
        return self.value(t, 11) * (3.14159 * (sq(self.value(t, 10)) * self.value(t, 9))) / 4

    def factors(self, t):
        """Radians per foot of travel of each speed group: engine, driveshaft, driven, wheels."""
        def wheel(tire_row, wheel_row):
            diameter = self.value(t, tire_row, OD)
            if diameter == 0 and self.value(t, wheel_row, OD) > 0:
                diameter = 1.3 * self.value(t, wheel_row, OD)
            return 0.0 if diameter == 0 else div(12, diameter / 2)

        rear, front = wheel(27, 26), wheel(24, 23)
        driven = front if self.flags[t]["front"] else rear
        driveshaft = self.value(t, 3) * driven
        engine = driveshaft * self.value(t, 4)
        if self.flags[t]["primary"]:
            engine = self.value(t, 5) * engine
        c = number_in_last(self.text(t, 6, VALUE), 6)
        if engine > 0 and c > 0:
            engine = (engine + c) / (c + 1)
        return lambda r: (engine if r < 20 else driveshaft if r == 20 else driven if r == 21
                          else front if r <= 25 else rear)

    def engine_rows(self, t, factor, totals):
        cylinders, stroke = self.value(t, 9), self.value(t, 11)
        ef2 = sq(factor(8))
        details = self.flags[t]["details"]
        estimated = 0.0 if details else 0.1 + self.displacement(t) * 0.07 * (5 - self.est_class[t]) / 9
        self.put(t, 8, INERTIA, fmt(estimated, "####.00"))
        self.put(t, 8, EQWT, fmt(estimated * ef2, "####.00"))
        weights = inertias = 0.0
        for r, arm, share in ((13, stroke + 1, 1.0), (17, stroke, 1.0), (18, stroke, 1.3)):
            if not details:
                continue
            w = self.value(t, r) * (1 if r == 13 else cylinders)
            self.put(t, r, WEIGHT, fmt(w, "#####.###"))
            w = w * LB_PER_GRAM if is_grams(self.text(t, r, UNITS)) else w
            i = share * (0.5 * w * sq(arm) / 144)
            self.put(t, r, INERTIA, fmt(i, "####.00"))
            self.put(t, r, EQWT, fmt(i * ef2 + (w if self.weight_option == 1 else 0.0), "####.00"))
            weights, inertias = weights + w, inertias + i
        totals[0] += weights
        totals[1] += ef2 * (estimated + inertias)
        if self.weight_option == 1:  # the weights the rows add count in the total too
            totals[1] += weights

    def part_row(self, t, r, factor, totals):
        big, small, width = self.value(t, r, OD), self.value(t, r, ID), self.value(t, r, WIDTH)
        k = number_in_last(self.text(t, r, MATERIAL), 4)
        if is_blank(self.text(t, r, OD)) or not small < big:  # no results; a typed weight stays
            for c in (INERTIA, EQWT, PCT) + ((WEIGHT,) if k > 0 else ()):
                self.put(t, r, c, "")
            return
        m = 2 if 23 <= r <= 28 and "4" in self.text(t, 2, VALUE) else 1
        grams = is_grams(self.text(t, r, UNITS))
        band = band_id = 0.0  # a wheel's rim barrel or a tire's tread: volume, inner diameter
        if r in WHEEL_ROWS:
            wall = (0.005 * big + 0.05) * (2 if k in (2, 3) else 1)
            band_id = big - 2 * wall
            band = (width + 0.1 * big) * 0.7854 * (sq(big) - sq(band_id))
            volume = wall * 0.7854 * (sq(big) - sq(small)) + band
        elif r in TIRE_ROWS:
            wall = 0.1 + 0.015 * big
            band_id = big - 2 * wall
            band = (width - 2 * wall) * 0.7854 * (sq(big) - sq(band_id))
            volume = wall * 1.5708 * (sq(big) - sq(small)) + band
            if volume == 0:
                raise Ambiguous("tire row %d of table %d has no volume" % (r, t))
        else:
            volume = width * 0.7854 * (sq(big) - sq(small)) if k != 0 else 0.0
        if k == 0:
            w = self.value(t, r, WEIGHT)
            if r in WHEEL_ROWS + TIRE_ROWS:
                self.put(t, r, WEIGHT, fmt(w, "####.00"))
            w = w * LB_PER_GRAM if grams else w
        else:
            w = (0.03 if r in TIRE_ROWS else DENSITY.get(k, 0.098)) * volume
            self.put(t, r, WEIGHT, fmt(w / LB_PER_GRAM if grams else w, "####.00"))
        if r in WHEEL_ROWS + TIRE_ROWS:
            w_band = 0.0 if volume == 0 else w * band / volume
            inertia = (0.5 * w_band * (sq(band_id / 2) + sq(big / 2))
                       + 0.5 * (w - w_band) * (sq(small / 2) + sq(big / 2)))
        else:
            inertia = 0.5 * w * (sq(small / 2) + sq(big / 2))
        inertia = m * inertia / 144
        e = inertia * sq(factor(r)) + (m * w if self.weight_option == 1 else 0.0)
        self.put(t, r, INERTIA, fmt(inertia, "####.00"))
        self.put(t, r, EQWT, fmt(e, "####.00"))
        totals[0] += m * w
        totals[1] += e

    def update_table(self, t):
        w0 = self.value(t, 1)
        self.put(t, 1, EQWT, fmt(w0, "####.00"))
        factor = self.factors(t)
        totals = [0.0, 0.0]  # rotating weight, equivalent weight
        self.engine_rows(t, factor, totals)
        for r in PART_ROWS:
            if self.shown(t, r):
                self.part_row(t, r, factor, totals)
        self.put(t, 30, EQWT, fmt(totals[1], "####.00"))
        self.put(t, 30, WEIGHT, fmt(totals[0], "####.00"))
        self.put(t, 31, EQWT, fmt(totals[1] + w0, "####.00"))
        self.put(t, 31, WEIGHT, fmt(totals[0] + w0 if self.weight_option == 1 else w0, "####.00"))
        total = self.value(t, 31, EQWT)
        for r in range(1, LAST_ROW + 1):
            if total > 0 and self.shown(t, r) and not is_blank(self.text(t, r, EQWT)):
                self.put(t, r, PCT, fmt(100 * self.value(t, r, EQWT) / total, "####.000"))

    def improvement(self, r):
        if (self.two_vehicles != 1 or is_blank(self.text(0, r, EQWT))
                or is_blank(self.text(1, r, EQWT)) or not self.shown(0, r) or not self.shown(1, r)):
            return ""
        b, p = self.value(0, r, EQWT), self.value(1, r, EQWT)
        if b > 0 and p > 0:
            return fmt(100 * (1 - p / b), "#####0.##")
        if b == 0 and p > 0:
            return fmt(-9999, "#####0.##")
        return fmt(9999, "#####0.##") if b > 0 and p == 0 else ""

    def recalculate(self):
        self.refresh_layout()
        self.update_table(0)
        self.update_table(1)
        for r in range(1, LAST_ROW + 1):
            self.put(1, r, IMPROVEMENT, self.improvement(r))


def spec_file_bytes(two_vehicles, cells, comments):
    """A spec file: cells[t] is 31 rows of the 10 cells Value .. % Total."""
    lines = [MAGIC] + [" %d " % two_vehicles] * 20
    lines += [cell for t in (0, 1) for row in cells[t] for cell in row] + [comments, "-9999"]
    return "".join(line + "\r\n" for line in lines).encode("cp1252")


def open_and_recalculate(descriptions, spec_bytes, weight_option):
    """Every cell of both tables (rows 0..31) after Open and the full recalculation."""
    lines = spec_bytes.decode("cp1252").split("\r\n")
    if lines[0].split(",")[0].lstrip(" ") != MAGIC:
        raise ValueError("not a spec file")
    two_vehicles = max(-32768, min(32767, round(float(lines[20].strip(" ")))))
    cells = [[lines[21 + 310 * t + 10 * r:31 + 310 * t + 10 * r] for r in range(LAST_ROW)]
             for t in (0, 1)]
    sheet = Worksheet(descriptions, two_vehicles, cells, weight_option)
    sheet.recalculate()
    return sheet
