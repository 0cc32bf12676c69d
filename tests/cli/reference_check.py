#!/usr/bin/env python3
"""Every digit matters: recalculates many random worksheets with gyrant-calc and with a
reference recalculation (the worksheet arithmetic written again, independently, from the rules)
and compares every cell of both tables, Imprvmnt included, text for text.

Usage: reference_check.py GYRANT_CALC [--count N] [--seed S] [--keep DIR]
"""
import argparse, contextlib, csv, decimal, io, itertools, math, pathlib, random, re, subprocess, sys
import tempfile

MAGIC, LAST_ROW, COLUMNS = "QRX-GY*1.10", 31, (12, 13)
HEADINGS = ("Row", "Description", "Value", "O.D.", "I.D.", "Width", "Material", "Weight",
            "Units", "Inertia", "Eq. Wt", "% Total", "Imprvmnt")
VALUE, OD, ID, WIDTH, MATERIAL, WEIGHT, UNITS, INERTIA, EQWT, PCT, IMPROVEMENT = range(2, 13)
SHOWN, HIDDEN, SPACER = 225, 1, 15
WHEEL_ROWS, TIRE_ROWS = (23, 26), (24, 27)
PART_ROWS = [r for r in range(14, 30) if r not in (17, 18, 19)]
DENSITY = {1: 0.2833, 3: 0.064}  # steel, carbon fibre; any other material is aluminium (0.098)
LB_PER_GRAM = 1 / 454

class Ambiguous(Exception): pass  # a case whose result the program is free to choose

_NUMBER = re.compile(r"[ \t]*([+-]?(?:[0-9]+\.?[0-9]*|\.[0-9]+)(?:[eEdD][+-]?[0-9]+)?)")

def num(text):
    match = _NUMBER.match(text)
    value = float(match.group(1).replace("d", "e").replace("D", "e")) if match else 0.0
    return value if math.isfinite(value) else 0.0

def sq(x): return x * x  # never raises on overflow, unlike x ** 2
def number_in_last(text, count): return max(-32768, min(32767, round(num(text[-count:].strip(" ")))))
def is_blank(text): return text.strip(" ") == ""
def is_grams(units): return units[:2].upper() == "GM"

def fmt(value, picture):
    """A number written with a picture such as "####.00": half away from zero, no leading 0."""
    if not math.isfinite(value): return ""
    whole_pic, _, frac_pic = picture.partition(".")
    places, required = len(frac_pic), frac_pic.rfind("0") + 1
    context = decimal.Context(prec=1000, rounding=decimal.ROUND_HALF_UP)
    rounded = decimal.Decimal("%.14e" % value).quantize(decimal.Decimal(1).scaleb(-places),
                                                        context=context)
    whole, _, frac = format(abs(rounded), "f").partition(".")
    whole = whole.lstrip("0").rjust(whole_pic.count("0"), "0")
    frac = frac.ljust(places, "0")
    while len(frac) > required and frac.endswith("0"): frac = frac[:-1]
    return ("-" if rounded < 0 else "") + whole + "." + frac

def choice(item, blanks, position): return item + " " * blanks + "%2d" % position

def read_descriptions(program_folder):
    path = pathlib.Path(program_folder, "GyrantTEXT", "helpi.txt")
    lines = path.read_bytes().decode("cp1252").split("\r\n")
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
        self.flags, self.est_class = [None, None], [0, 0]
    def text(self, t, r, c): return self.cells[t][r][c]
    def value(self, t, r, c=VALUE): return num(self.cells[t][r][c])
    def put(self, t, r, c, text): self.cells[t][r][c] = text
    def put_figures(self, t, r, by_column, picture="####.00"):
        for c, value in by_column.items():
            self.put(t, r, c, fmt(value, picture))
    def shown(self, t, r): return self.heights[t][r] >= 11
    def added(self, weight): return weight if self.weight_option == 1 else 0.0  # to Eq. Wt, totals
    def refresh_layout(self):
        """Each table's flags, hidden rows and displacement from its own rows."""
        for t in (0, 1):
            kind, engine = self.text(t, 2, VALUE), self.text(t, 12, VALUE)
            four, details = "4" in kind, "Yes" in engine
            if not details:
                self.est_class[t] = 2 if "race" in engine else 0 if "prod" in engine else 1
            self.flags[t] = {"front": four and "Front" in kind, "primary": not four and "Pri" in kind,
                             "details": details}
            self.heights[t][5] = SHOWN if self.flags[t]["primary"] else HIDDEN
            self.heights[t][13:19] = [SHOWN if details else HIDDEN] * 6
            self.put(t, 8, VALUE, fmt(self.displacement(t), "######.00"))
    def displacement(self, t):
        return self.value(t, 11) * (3.14159 * (sq(self.value(t, 10)) * self.value(t, 9))) / 4
    def factors(self, t):
        def wheel(tire_row, wheel_row):
            diameter = self.value(t, tire_row, OD)
            if diameter == 0 and self.value(t, wheel_row, OD) > 0:
                diameter = 1.3 * self.value(t, wheel_row, OD)
            return 0.0 if diameter == 0 else 12 / (diameter / 2) if diameter / 2 else math.inf

        rear, front = wheel(27, 26), wheel(24, 23)
        driven = front if self.flags[t]["front"] else rear
        driveshaft = self.value(t, 3) * driven
        engine = driveshaft * self.value(t, 4)
        engine = self.value(t, 5) * engine if self.flags[t]["primary"] else engine
        c = number_in_last(self.text(t, 6, VALUE), 6)
        engine = (engine + c) / (c + 1) if engine > 0 and c > 0 else engine
        return lambda r: (engine if r < 20 else driveshaft if r == 20 else driven if r == 21
                          else front if r <= 25 else rear)
    def engine_rows(self, t, factor, totals):
        cylinders, stroke = self.value(t, 9), self.value(t, 11)
        ef2 = sq(factor(8))
        details = self.flags[t]["details"]
        estimated = 0.0 if details else 0.1 + self.displacement(t) * 0.07 * (5 - self.est_class[t]) / 9
        self.put_figures(t, 8, {INERTIA: estimated, EQWT: estimated * ef2})
        weights = inertias = 0.0
        for r, arm, share in ((13, stroke + 1, 1.0), (17, stroke, 1.0), (18, stroke, 1.3)) * details:
            w = self.value(t, r) * (1 if r == 13 else cylinders)
            self.put(t, r, WEIGHT, fmt(w, "#####.###"))
            w = w * LB_PER_GRAM if is_grams(self.text(t, r, UNITS)) else w
            i = share * (0.5 * w * sq(arm) / 144)
            self.put_figures(t, r, {INERTIA: i, EQWT: i * ef2 + self.added(w)})
            weights, inertias = weights + w, inertias + i
        totals[0] += weights
        totals[1] += ef2 * (estimated + inertias)
        totals[1] += self.added(weights)
    def part_row(self, t, r, factor, totals):
        big, small, width = self.value(t, r, OD), self.value(t, r, ID), self.value(t, r, WIDTH)
        k = number_in_last(self.text(t, r, MATERIAL), 4)
        if is_blank(self.text(t, r, OD)) or not small < big:  # no results; a typed weight stays
            for c in (INERTIA, EQWT, PCT) + ((WEIGHT,) if k > 0 else ()):
                self.put(t, r, c, "")
            return
        m = 2 if 23 <= r <= 28 and "4" in self.text(t, 2, VALUE) else 1
        grams = is_grams(self.text(t, r, UNITS))
        ring, tire = r in WHEEL_ROWS + TIRE_ROWS, r in TIRE_ROWS
        if ring:  # a wheel's disc and rim barrel, a tire's sidewalls and tread band
            wall = 0.1 + 0.015 * big if tire else (0.005 * big + 0.05) * (2 if k in (2, 3) else 1)
            band_id = big - 2 * wall
            band = (width - 2 * wall if tire else width + 0.1 * big) * 0.7854 * (sq(big) - sq(band_id))
            volume = wall * (1.5708 if tire else 0.7854) * (sq(big) - sq(small)) + band
            if tire and volume == 0:
                raise Ambiguous("tire row %d of table %d has no volume" % (r, t))
        else:
            volume = width * 0.7854 * (sq(big) - sq(small)) if k != 0 else 0.0
        if k == 0:
            w = self.value(t, r, WEIGHT)
            if ring:
                self.put(t, r, WEIGHT, fmt(w, "####.00"))
            w = w * LB_PER_GRAM if grams else w
        else:
            w = (0.03 if tire else DENSITY.get(k, 0.098)) * volume
            self.put(t, r, WEIGHT, fmt(w / LB_PER_GRAM if grams else w, "####.00"))
        if ring:
            w_band = 0.0 if volume == 0 else w * band / volume
            inertia = (0.5 * w_band * (sq(band_id / 2) + sq(big / 2))
                       + 0.5 * (w - w_band) * (sq(small / 2) + sq(big / 2)))
        else:
            inertia = 0.5 * w * (sq(small / 2) + sq(big / 2))
        inertia = m * inertia / 144
        e = inertia * sq(factor(r)) + self.added(m * w)
        self.put_figures(t, r, {INERTIA: inertia, EQWT: e})
        totals[0] += m * w
        totals[1] += e
    def update_table(self, t):
        w0 = self.value(t, 1)
        self.put(t, 1, EQWT, fmt(w0, "####.00"))
        factor = self.factors(t)
        totals = [0.0, 0.0]  # rotating weight, equivalent weight
        self.engine_rows(t, factor, totals)
        for r in filter(lambda r: self.shown(t, r), PART_ROWS):
            self.part_row(t, r, factor, totals)
        self.put_figures(t, 30, {EQWT: totals[1], WEIGHT: totals[0]})
        self.put_figures(t, 31, {EQWT: totals[1] + w0, WEIGHT: w0 + self.added(totals[0])})
        total = self.value(t, 31, EQWT)
        for r in filter(lambda r: total <= 0 or self.shown(t, r), range(1, LAST_ROW + 1)):
            blank = total <= 0 or is_blank(self.text(t, r, EQWT))
            self.put(t, r, PCT, "" if blank else fmt(100 * self.value(t, r, EQWT) / total, "####.000"))
    def improvement(self, r):
        if (self.two_vehicles != 1 or is_blank(self.text(0, r, EQWT))
                or is_blank(self.text(1, r, EQWT)) or not self.shown(0, r) or not self.shown(1, r)):
            return ""
        b, p = self.value(0, r, EQWT), self.value(1, r, EQWT)
        if b > 0 and p > 0:
            return fmt(100 * (1 - p / b), "#####0.##")
        return fmt(-9999 if b == 0 else 9999, "#####0.##") if (b == 0) != (p == 0) and b >= 0 <= p else ""
    def recalculate(self):
        self.refresh_layout(), self.update_table(0), self.update_table(1)
        for r in range(1, LAST_ROW + 1):
            self.put(1, r, IMPROVEMENT, self.improvement(r))

def spec_of(two_vehicles, cells, comments):
    """A spec file of rows of cells by column: their inputs and results, not the Imprvmnt."""
    lines = [MAGIC] + [" %d " % two_vehicles] * 20 + [cell for table in cells for row in table
                                                      for cell in row[VALUE:IMPROVEMENT]]
    return "".join(line + "\r\n" for line in lines + [comments, "-9999"]).encode("cp1252")

def open_and_recalculate(descriptions, spec_bytes, weight_option):
    """Every cell of both tables (rows 0..31) after Open and the full recalculation."""
    lines = spec_bytes.decode("cp1252").split("\r\n")
    two_vehicles = max(-32768, min(32767, round(float(lines[20].strip(" ")))))
    cells = [[lines[21 + 310 * t + 10 * r:31 + 310 * t + 10 * r] for r in range(LAST_ROW)]
             for t in (0, 1)]
    sheet = Worksheet(descriptions, two_vehicles, cells, weight_option)
    return sheet.recalculate() or sheet

TYPES = ["4 Wheel, Rear Drive", "4 Wheel, Front Drive", "Motorcycle", "Mtrcycl wPriRdctn"]
CONVERTERS = ["No", "Yes, Stock (tight)", "Yes, Performance (looser)", "Yes, Higher Stall (loose)",
              "Yes, Very High Stall (very loose)"]
ENGINES = ["Yes, do details", "No, est. prod. eng.", "No, est. perf. eng.", "No, est. race eng."]
MATERIALS, TIRE_MATERIALS = ["Use Wt", "Steel", "Alum", "CrbnFbr"], ["Use Wt", "Tire"]
CHOICES = {2: TYPES, 6: CONVERTERS, 12: ENGINES}  # rows whose Value is picked from a list
INPUTS = [1, 2, 3, 4, 5, 6, 9, 10, 11, 12, 13, 17, 18]  # rows with a typed or picked Value
# A tab is not a blank: a cell of tabs is not empty, and reads as the number 0.
JUNK = ["abc", "n/a", "  ", "", "12,5", '"7"', "1.5.5", "-0", "+3", "3e2", "2D1", ".", "-", "\xe9 4",
        "\xb0", "1e", "  42  ", "1,234.5", "x", "-.5", "9999", "0", ".004999", "\t5", "- 5", "1e-3",
        "7.", "3 in", "E5", "0.005", "-0.005", "1d-2", "1e400", "\xa05", "4.9e-324", "2.675",
        "-0.0049", "\t", " \t "]
# Part rows: O.D., I.D. and width ranges (inches), a weight (lb); total rows too, never counted.
PARTS = {14: (11, 15, 1, 4, .5, 1.6, 25), 15: (9, 12, 1, 3, 1, 4, 20), 16: (6, 8, 1, 2, 1, 3, 8),
         20: (2.5, 4, 2, 3.8, 35, 60, 18), 21: (7, 10, 1, 3, 1, 3, 30), 22: (6, 10, 1, 3, 1, 3, 12),
         23: (13, 18, 2, 6, 4, 10, 20), 24: (22, 28, 13, 18, 6, 11, 22), 25: (10, 13, 5, 8, .8, 1.3, 15),
         26: (13, 18, 2, 6, 4, 12, 22), 27: (22, 30, 13, 18, 7, 14, 25), 28: (10, 13, 5, 8, .8, 1.3, 15),
         29: (3, 6, 1, 3, 10, 30, 10), 30: (3, 6, 1, 3, 1, 3, 5), 31: (3, 6, 1, 3, 1, 3, 5)}
VALUES = {1: (800, 4500), 3: (2.5, 5.5), 4: (0.6, 3.5), 5: (1, 3), 10: (2.5, 4.6), 11: (2.2, 4.5),
          13: (20, 80), 17: (0.8, 3), 18: (0.8, 3)}

class Generator:
    def __init__(self, rng, descriptions): self.rng, self.descriptions = rng, descriptions
    def chance(self, p): return self.rng.random() < p
    def number(self, lo, hi):
        text = "%.*f" % (self.rng.choice([0, 1, 2, 2, 3, 3]), self.rng.uniform(lo, hi))
        odd = [" " + text, text + " ", text + " in", "+" + text, text + "E0", "\t" + text]
        return self.rng.choice(odd) if self.chance(0.06) else text
    def junk(self, p=1.0):
        junk = ["1e160", "-1e160", "2.5e200"] if self.chance(0.05) else JUNK
        return self.rng.choice(junk) if self.chance(p) else ""
    def choice(self, items, blanks):
        """A choice cell, or one of the odd texts a hand-edited file may hold."""
        i, item = self.rng.randrange(len(items)), self.rng.choice(items)
        odd = [item, item + " " * blanks + " %d" % self.rng.randrange(9), item + "     -1",
               item + "      2.5", self.junk(), item + " " * blanks + " 12  "]
        return self.rng.choice(odd) if self.chance(0.15) else choice(items[i], blanks, i)
    def units(self):
        odd = ["gms", "GM", " Gms", "grams", "Gm", "lbs", "", "GMS 0"]
        return self.rng.choice(odd) if self.chance(0.12) else self.choice(["Lbs", "Gms"], 20)
    def part(self, r, row):
        od_lo, od_hi, id_lo, id_hi, w_lo, w_hi, weight = PARTS[r]
        for c in (INERTIA, EQWT, PCT):
            row[c] = self.junk(0.3)
        if r >= 30 and not self.chance(0.08) or self.chance(0.12):  # no O.D.
            row[OD] = self.rng.choice(["", "", "   "])
            for c in (ID, WIDTH, MATERIAL, WEIGHT, UNITS):
                row[c] = self.junk(0.3)
            return
        row[OD] = self.junk() if self.chance(0.06) else self.number(od_lo, od_hi)
        row[ID] = self.rng.choice([self.number(id_lo, id_hi)] * 12 + [
            self.number(od_hi, od_hi + 5), row[OD], "", self.junk()])  # I.D. not below O.D.
        row[WIDTH] = self.junk() if self.chance(0.08) else self.number(w_lo, w_hi)
        row[MATERIAL] = self.choice(TIRE_MATERIALS if r in TIRE_ROWS else MATERIALS, 20)
        row[UNITS] = self.units()
        scale = weight * (454 if is_grams(row[UNITS]) else 1)
        row[WEIGHT] = self.junk() if self.chance(0.3) else self.number(0.3 * scale, 1.7 * scale)
    def change(self, rows, r):
        """New inputs for row r: a part, a choice or a number (with units on 13, 17, 18)."""
        row, (lo, hi) = rows[r - 1], VALUES.get(r, (0, 3))
        if r in PARTS:
            return self.part(r, row)
        if r in CHOICES:
            row[VALUE] = self.choice(CHOICES[r], 30)
        elif r == 9:
            row[VALUE] = self.rng.choice(["4", "6", "8", "8", "1", "12", "", "8.5", "2"])
        else:
            row[UNITS] = self.units() if r in (13, 17, 18) else ""
            scale = 454 if is_grams(row[UNITS]) else 1
            row[VALUE] = self.junk() if self.chance(0.1) else self.number(lo * scale, hi * scale)
    def vehicle(self):
        rows = [[self.junk(0.12) if c in (WEIGHT, INERTIA, EQWT, PCT) else "" for c in range(12)]
                for _ in range(31)]  # cells by column; old results, to be rewritten or kept
        for r in INPUTS + list(PARTS):
            if r != 5 or self.chance(0.5):
                self.change(rows, r)
        rows[7][VALUE] = self.junk(0.5)
        for r in self.rng.sample([24, 27], self.rng.randint(1, 2)) if self.chance(0.15) else []:
            rows[r - 1][OD] = self.rng.choice(["", "0", "  "])  # a wheel without its tire
        return rows
    def variant(self, rows, changes):
        """A few inputs changed; the layout choices differ between the tables often."""
        rows = [list(row) for row in rows]
        for r in self.rng.sample(list(PARTS) + INPUTS, changes):
            self.change(rows, r)
        for r in filter(lambda r: self.chance(0.4), CHOICES):
            self.change(rows, r)
        return rows
    def worksheet(self):
        two, option, baseline = int(self.chance(0.75)), int(self.chance(0.4)), self.vehicle()
        cells = [baseline, self.vehicle() if self.chance(0.08)
                 else self.variant(baseline, self.rng.randint(0, 6))]
        comments = self.rng.choice(["", "Test car, 1/4 mile", "-9998\r\n\xe9t\xe9"])
        if self.chance(0.3):  # saved after a recalculation, then edited: stale results
            with contextlib.suppress(Ambiguous):
                done = open_and_recalculate(self.descriptions, spec_of(two, cells, comments), 0)
                cells = [self.variant([done.cells[t][r][:12] for r in range(1, 32)],
                                      self.rng.randint(1, 5)) for t in (0, 1)]
        return option, spec_of(two, cells, comments)

def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("calc", help="path of gyrant-calc")
    parser.add_argument("--count", type=int, default=300)
    parser.add_argument("--seed", type=int, default=20240601)
    parser.add_argument("--keep", help="folder to keep the worksheets that disagree in")
    args = parser.parse_args()
    calc, descriptions = args.calc, read_descriptions(pathlib.Path(args.calc).absolute().parent)
    generator = Generator(random.Random(args.seed), descriptions)
    mismatches, bad_sheets, made = [], 0, 0
    with tempfile.TemporaryDirectory(prefix="gyrant-reference-") as folder:
        while made < args.count:
            option, spec = generator.worksheet()
            try:
                done = open_and_recalculate(descriptions, spec, option)
            except Ambiguous:
                continue  # a case the program may settle its own way: draw another
            path = pathlib.Path(args.keep or folder, "worksheet%04d.qrx" % made)
            path.parent.mkdir(parents=True, exist_ok=True)
            path.write_bytes(spec)
            command = [calc] + ["--weights-add"] * option + ["--csv", str(path)]
            ran = subprocess.run(command, capture_output=True, timeout=30, check=True)
            actual = list(csv.reader(io.StringIO(ran.stdout.decode("cp1252"), newline="")))
            expected = [["Table"] + list(HEADINGS)] + [[str(t)] + done.cells[t][r] + [""] * (1 - t)
                                                       for t in (0, 1) for r in range(1, 32)]
            found = ["%s: record %d column %d: expected %r, got %r" % (" ".join(command), i, c, w, g)
                     for i, row in enumerate(itertools.zip_longest(expected, actual, fillvalue=[]))
                     for c, (w, g) in enumerate(itertools.zip_longest(*row)) if w != g]
            if args.keep and not found:
                path.unlink()
            mismatches, bad_sheets, made = mismatches + found, bad_sheets + bool(found), made + 1
    print("\n".join(mismatches[:12] + ["reference check: %d worksheets, %d mismatches%s" % (
        args.count, len(mismatches), " in %d worksheets" % bad_sheets if bad_sheets else "")]))
    return 1 if mismatches else 0

if __name__ == "__main__":
    sys.exit(main())
