"""The reference recalculation: Gyrant's worksheet arithmetic written again, independently, in
plain Python, so that gyrant-calc's figures can be checked text for text.

A worksheet is two tables of text cells, indexed cells[table][row][column], rows 0..31; table 0
(Baseline) has columns 0..11, table 1 (Proposed) columns 0..12. Heights are per table and row.
`open_and_recalculate` does what Open followed by the full recalculation does.
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

TIRE_DENSITY, STEEL_DENSITY, ALUM_DENSITY, CARBON_DENSITY = 0.03, 0.2833, 0.098, 0.064
LB_PER_GRAM = 1 / 454

WHEEL_ROWS, TIRE_ROWS = (23, 26), (24, 27)


class Ambiguous(Exception):
    """The worksheet reaches a case whose result the program is free to choose."""


# ---------------------------------------------------------------- text conventions

_NUMBER = re.compile(r"[ \t]*([+-]?(?:[0-9]+\.?[0-9]*|\.[0-9]+)(?:[eEdD][+-]?[0-9]+)?)")


def num(text):
    """The leading number of a text; 0 when there is none or it is too large to hold."""
    match = _NUMBER.match(text)
    if not match:
        return 0.0
    value = float(match.group(1).replace("d", "e").replace("D", "e"))
    return value if math.isfinite(value) else 0.0


def sq(x):
    return x * x  # never raises on overflow, unlike x ** 2


def div(a, b):
    """a / b as the hardware divides: a zero divisor gives an infinity or NaN, not an error."""
    if b != 0:
        return a / b
    if a == 0 or math.isnan(a):
        return math.nan
    return math.copysign(math.inf, a) * math.copysign(1.0, b)


def round_half_even(value):
    return max(-32768, min(32767, round(value)))


def number_in_last(text, count):
    return round_half_even(num(text[-count:].strip(BLANKS)))


# The characters a cell is trimmed of before the blank tests of the recalculation.
BLANKS = " "


def is_blank(text):
    return text.strip(BLANKS) == ""


def is_grams(units):
    return units[:2].upper() == "GM"


def fmt(value, picture):
    """A number written with a picture such as "####.00" (see the module's text conventions)."""
    if not math.isfinite(value):
        return ""
    whole_pic, _, frac_pic = picture.partition(".")
    places = len(frac_pic)
    required_places = frac_pic.rfind("0") + 1
    required_digits = whole_pic.count("0")
    context = decimal.Context(prec=1000, rounding=decimal.ROUND_HALF_UP)
    exact = decimal.Decimal("%.14e" % value)
    rounded = exact.quantize(decimal.Decimal(1).scaleb(-places), context=context)
    sign = "-" if rounded < 0 else ""
    digits = format(abs(rounded), "f")
    whole, _, frac = digits.partition(".")
    whole = whole.lstrip("0").rjust(required_digits, "0")
    frac = frac.ljust(places, "0")
    while len(frac) > required_places and frac.endswith("0"):
        frac = frac[:-1]
    return sign + whole + "." + frac


def choice(item, blanks, position):
    return item + " " * blanks + (" %d" % position if position >= 0 else "%d" % position)


# ---------------------------------------------------------------- the worksheet

def read_descriptions(program_folder):
    """Row descriptions 1..31 from the row-definition file beside the program."""
    path = _find(program_folder, ["GyrantTEXT", "helpi.txt"])
    with open(path, "rb") as f:
        lines = f.read().decode("cp1252").replace("\r\n", "\n").split("\n")
    descriptions = [""]
    at = 0
    for _ in range(LAST_ROW):
        descriptions.append(lines[at].strip(BLANKS))
        at += 4  # description, help, kind, sub-menu kind
        limits = 0
        while limits < 8:
            limits += len([p for p in lines[at].split(",") if p.strip(" \t")])
            at += 1
    return descriptions


def _find(folder, names):
    for name in names:
        entries = {e.lower(): e for e in os.listdir(folder)} if os.path.isdir(folder) else {}
        folder = os.path.join(folder, entries.get(name.lower(), name))
    return folder


class Worksheet:
    def __init__(self, descriptions, two_vehicles, cells, weight_option):
        self.two_vehicles = two_vehicles
        self.weight_option = weight_option
        self.cells = []
        self.heights = []
        for t in (0, 1):
            table = [list(HEADINGS[:COLUMNS[t]])]
            for r in range(1, LAST_ROW + 1):
                row = [str(r), descriptions[r]] + list(cells[t][r - 1]) + [""] * (COLUMNS[t] - 12)
                table.append(row)
            self.cells.append(table)
            self.heights.append([SHOWN] + [SPACER if descriptions[r] == "" else SHOWN
                                           for r in range(1, LAST_ROW + 1)])
        self.front_drive = self.primary = self.details = self.est_class = 0

    def text(self, t, r, c):
        return self.cells[t][r][c]

    def value(self, t, r, c=VALUE):
        return num(self.cells[t][r][c])

    def put(self, t, r, c, text):
        self.cells[t][r][c] = text

    def shown(self, t, r):
        return self.heights[t][r] >= 11

    # -------------------------------------------------------- layout pass (current table 0)

    def refresh_layout(self, t=0):
        kind = self.text(t, 2, VALUE)
        self.front_drive = 0
        if "4" in kind:
            self.primary = 0
            self.front_drive = 1 if "Front" in kind else 0
        else:
            self.primary = 1 if "Pri" in kind else 0
        engine = self.text(t, 12, VALUE)
        if "Yes" in engine:
            self.details = 1
        else:
            self.details = 0
            self.est_class = 2 if "race" in engine else 0 if "prod" in engine else 1
        self.heights[t][5] = SHOWN if self.primary > 0 else HIDDEN
        for r in range(13, 19):
            self.heights[t][r] = SHOWN if self.details > 0 else HIDDEN
        self.put(t, 8, VALUE, fmt(self.displacement(t)[3], "######.00"))

    def displacement(self, t):
        cylinders, bore, stroke = self.value(t, 9), self.value(t, 10), self.value(t, 11)
        return cylinders, bore, stroke, stroke * (3.14159 * (sq(bore) * cylinders)) / 4

    # -------------------------------------------------------- speed factors

    def ratios(self, t):
        def tire_factor(tire_row, wheel_row):
            diameter = self.value(t, tire_row, OD)
            if diameter == 0:
                wheel = self.value(t, wheel_row, OD)
                if wheel > 0:
                    diameter = 1.3 * wheel
            return 0.0 if diameter == 0 else div(12, diameter / 2)

        rear = tire_factor(27, 26)
        front = tire_factor(24, 23)
        final_drive, trans, primary = self.value(t, 3), self.value(t, 4), self.value(t, 5)
        converter = number_in_last(self.text(t, 6, VALUE), 6)
        driven = front if self.front_drive == 1 else rear
        driveshaft = final_drive * driven
        trans_input = driveshaft * trans
        engine = primary * trans_input if self.primary != 0 else trans_input
        if engine > 0 and converter > 0:
            engine = (engine + converter) / (converter + 1)
        return {"engine": engine, "driveshaft": driveshaft, "driven": driven,
                "front": front, "rear": rear}

    @staticmethod
    def factor_of_row(factors, r):
        if r < 20:
            return factors["engine"]
        if r == 20:
            return factors["driveshaft"]
        if r == 21:
            return factors["driven"]
        if 22 <= r <= 25:
            return factors["front"]
        if 26 <= r <= 29:
            return factors["rear"]
        return 0.0

    # -------------------------------------------------------- engine rows

    def engine_inertia(self, t, factors, totals):
        cylinders, _, stroke, cid = self.displacement(t)
        ef2 = sq(factors["engine"])
        estimated = 0.1 + cid * 0.07 * (5 - self.est_class) / 9 if self.details != 1 else 0.0
        self.put(t, 8, INERTIA, fmt(estimated, "####.00"))
        self.put(t, 8, EQWT, fmt(estimated * ef2, "####.00"))
        weights = inertias = 0.0
        if self.details == 1:
            for r in (13, 17, 18):
                w = self.value(t, r) if r == 13 else self.value(t, r) * cylinders
                self.put(t, r, WEIGHT, fmt(w, "#####.###"))
                if is_grams(self.text(t, r, UNITS)):
                    w = w * LB_PER_GRAM
                if r == 13:
                    i = 0.5 * w * sq(stroke + 1) / 144
                elif r == 17:
                    i = 0.5 * w * sq(stroke) / 144
                else:
                    i = 1.3 * (0.5 * w * sq(stroke) / 144)
                self.put(t, r, INERTIA, fmt(i, "####.00"))
                e = i * ef2 + (w if self.weight_option == 1 else 0.0)
                self.put(t, r, EQWT, fmt(e, "####.00"))
                weights += w
                inertias += i
        totals[0] = totals[0] + weights
        totals[1] = totals[1] + ef2 * (estimated + inertias)

    # -------------------------------------------------------- component rows

    def ring_inertia(self, t, r, factors, totals):
        m = 2 if 23 <= r <= 28 and "4" in self.text(t, 2, VALUE) else 1
        big, small = self.value(t, r, OD), self.value(t, r, ID)
        k = number_in_last(self.text(t, r, MATERIAL), 4)
        width = self.value(t, r, WIDTH)
        grams = is_grams(self.text(t, r, UNITS))
        wheel, tire = r in WHEEL_ROWS, r in TIRE_ROWS
        plain = not wheel and not tire

        volume = 0.0
        if wheel:
            wall = 0.005 * big + 0.05
            if k in (2, 3):
                wall = wall * 2
            v_disc = wall * 0.7854 * (sq(big) - sq(small))
            barrel_id = big - 2 * wall
            v_barrel = (width + 0.1 * big) * 0.7854 * (sq(big) - sq(barrel_id))
            volume = v_disc + v_barrel
        elif tire:
            wall = 0.1 + 0.015 * big
            v_side = wall * 1.5708 * (sq(big) - sq(small))
            tread_id = big - 2 * wall
            v_tread = (width - 2 * wall) * 0.7854 * (sq(big) - sq(tread_id))
            volume = v_side + v_tread
        elif k != 0:
            volume = width * 0.7854 * (sq(big) - sq(small))

        if k == 0:  # the weight as entered, in the row's unit, then in pounds
            w = self.value(t, r, WEIGHT)
            if not plain:
                self.put(t, r, WEIGHT, fmt(w, "####.00"))
            if grams:
                w = w * LB_PER_GRAM
        else:  # the weight from the volume, in pounds, shown in the row's unit
            if tire:
                density = TIRE_DENSITY
            else:
                density = {1: STEEL_DENSITY, 3: CARBON_DENSITY}.get(k, ALUM_DENSITY)
            w = density * volume
            self.put(t, r, WEIGHT, fmt(w / LB_PER_GRAM if grams else w, "####.00"))

        if wheel:
            w_barrel = 0.0 if volume == 0 else w * v_barrel / volume
            w_disc = w - w_barrel
            inertia = (0.5 * w_barrel * (sq(barrel_id / 2) + sq(big / 2))
                       + 0.5 * w_disc * (sq(small / 2) + sq(big / 2)))
        elif tire:
            if volume == 0:
                raise Ambiguous("tire row %d of table %d has no volume" % (r, t))
            w_tread = w * v_tread / volume
            w_side = w - w_tread
            inertia = (0.5 * w_tread * (sq(tread_id / 2) + sq(big / 2))
                       + 0.5 * w_side * (sq(small / 2) + sq(big / 2)))
        else:
            inertia = 0.5 * w * (sq(small / 2) + sq(big / 2))
        inertia = m * inertia / 144
        self.put(t, r, INERTIA, fmt(inertia, "####.00"))
        totals[0] = totals[0] + m * w
        e = inertia * sq(self.factor_of_row(factors, r))
        if self.weight_option == 1:
            e = e + m * w
        totals[1] = totals[1] + e
        self.put(t, r, EQWT, fmt(e, "####.00"))

    # -------------------------------------------------------- one table

    def update_table(self, t):
        w0 = self.value(t, 1)
        self.put(t, 1, EQWT, fmt(w0, "####.00"))
        factors = self.ratios(t)
        totals = [0.0, 0.0]  # rotating weight, equivalent weight
        self.engine_inertia(t, factors, totals)
        for r in range(14, LAST_ROW + 1):
            if r in (17, 18, 19):
                continue
            if self.shown(t, r) and not is_blank(self.text(t, r, OD)):
                self.ring_inertia(t, r, factors, totals)
        weight, eq_wt = totals
        self.put(t, 30, EQWT, fmt(eq_wt, "####.00"))
        self.put(t, 30, WEIGHT, fmt(weight, "####.00"))
        self.put(t, 31, EQWT, fmt(eq_wt + w0, "####.00"))
        total = self.value(t, 31, EQWT)
        self.put(t, 31, WEIGHT, fmt(weight + w0 if self.weight_option == 1 else w0, "####.00"))
        if total > 0:
            for r in range(1, LAST_ROW + 1):
                if self.shown(t, r) and not is_blank(self.text(t, r, EQWT)):
                    self.put(t, r, PCT, fmt(100 * self.value(t, r, EQWT) / total, "####.000"))
        if self.two_vehicles == 1:
            self.vehicle_improvement()

    def vehicle_improvement(self):
        for r in range(1, LAST_ROW + 1):
            if (is_blank(self.text(0, r, EQWT)) or is_blank(self.text(1, r, EQWT))
                    or self.heights[0][r] <= 10):
                continue
            b, p = self.value(0, r, EQWT), self.value(1, r, EQWT)
            if b > 0 and p > 0:
                self.put(1, r, IMPROVEMENT, fmt(100 * (1 - p / b), "#####0.##"))
            elif b == 0 and p > 0:
                self.put(1, r, IMPROVEMENT, fmt(-9999, "#####0.##"))
            elif b > 0 and p == 0:
                self.put(1, r, IMPROVEMENT, fmt(9999, "#####0.##"))

    def recalculate(self):
        self.refresh_layout(0)
        self.update_table(0)
        self.update_table(1)


# ---------------------------------------------------------------- spec files

def spec_file_bytes(two_vehicles, cells, comments):
    """A spec file: cells[t] is 31 rows of the 10 cells Value .. % Total."""
    lines = [MAGIC] + [" %d " % two_vehicles] * 20
    for t in (0, 1):
        for row in cells[t]:
            lines.extend(row)
    lines.append(comments)
    lines.append("-9999")
    return "".join(line + "\r\n" for line in lines).encode("cp1252")


def parse_spec_file(data):
    """(TwoVehicles, cells) of a complete spec file written as above."""
    lines = data.decode("cp1252").split("\r\n")
    if lines[0].split(",")[0].lstrip(" ") != MAGIC:
        raise ValueError("not a spec file")
    two_vehicles = 0
    for line in lines[1:21]:
        two_vehicles = round_half_even(float(line.strip(" ")))
    cells = []
    at = 21
    for _ in (0, 1):
        table = []
        for _ in range(LAST_ROW):
            table.append(lines[at:at + 10])
            at += 10
        cells.append(table)
    return two_vehicles, cells


def open_and_recalculate(descriptions, spec_bytes, weight_option):
    """Every cell of both tables (rows 0..31) after Open and the full recalculation."""
    two_vehicles, cells = parse_spec_file(spec_bytes)
    sheet = Worksheet(descriptions, two_vehicles, cells, weight_option)
    sheet.refresh_layout(0)  # the reader's own layout pass
    sheet.recalculate()
    return sheet
