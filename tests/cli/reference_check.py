#!/usr/bin/env python3
"""Every digit matters: recalculates many random worksheets with gyrant-calc and with the
reference recalculation, and compares every cell of both tables, text for text.

Usage: reference_check.py GYRANT_CALC [--count N] [--seed S] [--keep DIR]
"""

import argparse
import copy
import csv
import io
import os
import random
import subprocess
import sys
import tempfile

sys.dont_write_bytecode = True  # leave no cache beside the sources
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import reference_recalc as ref  # noqa: E402

VEHICLE_TYPES = ["4 Wheel, Rear Drive", "4 Wheel, Front Drive", "Motorcycle", "Mtrcycl wPriRdctn"]
CONVERTERS = ["No", "Yes, Stock (tight)", "Yes, Performance (looser)", "Yes, Higher Stall (loose)",
              "Yes, Very High Stall (very loose)"]
ENGINES = ["Yes, do details", "No, est. prod. eng.", "No, est. perf. eng.", "No, est. race eng."]
MATERIALS = ["Use Wt", "Steel", "Alum", "CrbnFbr"]
TIRE_MATERIALS = ["Use Wt", "Tire"]
UNIT_ITEMS = ["Lbs", "Gms"]

# Where each column's cell sits in a row of a spec file (Value .. % Total).
VALUE, OD, ID, WIDTH, MATERIAL, WEIGHT, UNITS, INERTIA, EQWT, PCT = range(10)

JUNK = ["abc", "n/a", "  ", "", "12,5", '"7"', "1.5.5", "-0", "+3", "3e2", "2D1", ".", "-",
        "\xe9 4", "\xb0", "1e", "  42  ", "1,234.5", "x", "-.5", "9999", "0", ".004999",
        "\t5", "- 5", "1e-3", "7.", "3 in", "E5", "0.005", "-0.005", "1d-2", "1e400", "\xa05",
        "4.9e-324", "2.675", "-0.0049", "\t", " \t "]
# A tab is not a blank: a cell of tabs is not empty, and reads as the number 0.

# Component rows: O.D., I.D. and width ranges (inches) and a plausible weight (lb).
COMPONENTS = {
    14: ((11, 15), (1, 4), (0.5, 1.6), 25), 15: ((9, 12), (1, 3), (1, 4), 20),
    16: ((6, 8), (1, 2), (1, 3), 8), 20: ((2.5, 4), (2, 3.8), (35, 60), 18),
    21: ((7, 10), (1, 3), (1, 3), 30), 22: ((6, 10), (1, 3), (1, 3), 12),
    23: ((13, 18), (2, 6), (4, 10), 20), 24: ((22, 28), (13, 18), (6, 11), 22),
    25: ((10, 13), (5, 8), (0.8, 1.3), 15), 26: ((13, 18), (2, 6), (4, 12), 22),
    27: ((22, 30), (13, 18), (7, 14), 25), 28: ((10, 13), (5, 8), (0.8, 1.3), 15),
    29: ((3, 6), (1, 3), (10, 30), 10), 30: ((3, 6), (1, 3), (1, 3), 5),
    31: ((3, 6), (1, 3), (1, 3), 5),
}


class Generator:
    def __init__(self, rng, descriptions):
        self.rng = rng
        self.descriptions = descriptions

    def chance(self, p):
        return self.rng.random() < p

    def number(self, lo, hi, places=None):
        rng = self.rng
        places = rng.choice([0, 1, 2, 2, 3, 3]) if places is None else places
        text = "%.*f" % (places, rng.uniform(lo, hi))
        if self.chance(0.06):
            text = rng.choice([" " + text, text + " ", "  " + text + "  ", text + " in",
                               "+" + text, text + "E0", "\t" + text])
        return text

    def junk(self):
        if self.chance(0.05):
            return self.rng.choice(["1e160", "-1e160", "2.5e200"])
        return self.rng.choice(JUNK)

    def maybe_junk(self, p=0.3):
        return self.junk() if self.chance(p) else ""

    def choice_cell(self, items, blanks, i):
        return ref.choice(items[i], blanks, i)

    def odd_choice(self, items, blanks):
        """A choice cell, or one of the odd texts a hand-edited file may hold."""
        rng = self.rng
        i = rng.randrange(len(items))
        if not self.chance(0.15):
            return self.choice_cell(items, blanks, i)
        return rng.choice([items[i], items[i] + " " * blanks + " " + str(rng.randrange(9)),
                           items[i] + " " * 5 + rng.choice([" 2.5", " 3.5", "-1", " 12", "1e1"]),
                           self.junk(), items[i] + " " * blanks + " " + str(i) + "  "])

    def units(self):
        if self.chance(0.12):
            return self.rng.choice(["gms", "GM", " Gms", "grams", "Gm", "lbs", "", "GMS 0"])
        return self.choice_cell(UNIT_ITEMS, 20, 1 if self.chance(0.3) else 0)

    def component(self, r, row):
        """Fills a component row (its 10 cells Value .. % Total)."""
        rng = self.rng
        (od_lo, od_hi), (id_lo, id_hi), (w_lo, w_hi), weight = COMPONENTS[r]
        items = TIRE_MATERIALS if r in ref.TIRE_ROWS else MATERIALS
        for c, p in ((INERTIA, 0.3), (EQWT, 0.3), (PCT, 0.2)):
            row[c] = self.maybe_junk(p)
        if r >= 30 and not self.chance(0.08):  # total rows: no inputs, mostly
            for c in (VALUE, OD, ID, WIDTH, MATERIAL, WEIGHT, UNITS):
                row[c] = self.maybe_junk(0.05) if c != OD or self.chance(0.3) else ""
            return
        if self.chance(0.12):  # no O.D.: the row is skipped, its other cells stay
            row[OD] = rng.choice(["", "", "   "])
            for c in (ID, WIDTH, MATERIAL, WEIGHT, UNITS):
                row[c] = self.maybe_junk(0.3)
            return
        row[OD] = self.number(od_lo, od_hi) if not self.chance(0.06) else self.junk()
        row[ID] = rng.choice([self.number(id_lo, id_hi)] * 12 + [
            self.number(od_hi, od_hi + 5), row[OD], "", self.junk()])  # I.D. not below O.D.
        row[WIDTH] = self.number(w_lo, w_hi) if not self.chance(0.08) else self.junk()
        row[MATERIAL] = self.odd_choice(items, 20)
        row[UNITS] = self.units()
        if ref.number_in_last(row[MATERIAL], 4) == 0:
            if ref.is_grams(row[UNITS]):
                row[WEIGHT] = self.number(weight * 140, weight * 770)
            else:
                row[WEIGHT] = self.number(weight * 0.3, weight * 1.7)
            if self.chance(0.06):
                row[WEIGHT] = self.junk()
        else:
            row[WEIGHT] = self.maybe_junk(0.5)

    def baseline(self):
        rng = self.rng
        rows = [[""] * 10 for _ in range(31)]

        def cell(r, c, text):
            rows[r - 1][c - 2] = text

        for r in range(1, 32):  # old result texts that must be rewritten or kept
            for c in (ref.WEIGHT, ref.INERTIA, ref.EQWT, ref.PCT):
                if self.chance(0.12):
                    cell(r, c, self.junk())
        kind = rng.randrange(4)
        cell(1, 2, self.number(800, 4500, rng.choice([0, 0, 1, 2])) if not self.chance(0.08)
             else self.junk())
        cell(2, 2, self.choice_cell(VEHICLE_TYPES, 30, kind) if not self.chance(0.12)
             else rng.choice([VEHICLE_TYPES[kind], "Front 4x4", "Trike", "", "Pri bike",
                              self.junk()]))
        cell(3, 2, self.number(2.5, 5.5) if not self.chance(0.1) else rng.choice(["0", "", "x"]))
        cell(4, 2, self.number(0.6, 3.5) if not self.chance(0.1) else rng.choice(["0", "", "1"]))
        if kind == 3 or self.chance(0.3):
            cell(5, 2, self.number(1, 3) if not self.chance(0.1) else self.junk())
        cell(6, 2, self.odd_choice(CONVERTERS, 30))
        if self.chance(0.1):
            for c in range(2, 12):
                cell(7, c, self.maybe_junk(0.5))
        cell(8, 2, self.maybe_junk(0.5))
        cell(9, 2, rng.choice(["4", "6", "8", "8", "1", "12", "", "8.5", "2"]))
        cell(10, 2, self.number(2.5, 4.6, 3) if not self.chance(0.1) else self.junk())
        cell(11, 2, self.number(2.2, 4.5, 3) if not self.chance(0.1) else self.junk())
        engine = rng.randrange(4)
        cell(12, 2, self.choice_cell(ENGINES, 30, engine) if not self.chance(0.12)
             else rng.choice(["Yes", "race", "production", "prod race", "", self.junk()]))
        for r, lo, hi in ((13, 20, 80), (17, 0.8, 3), (18, 0.8, 3)):
            cell(r, 8, self.units())
            grams = ref.is_grams(rows[r - 1][UNITS])
            cell(r, 2, self.number(lo * 454 if grams else lo, hi * 454 if grams else hi)
                 if not self.chance(0.08) else self.junk())
        for r in COMPONENTS:
            self.component(r, rows[r - 1])
        if self.chance(0.15):  # wheels without tires
            for r in rng.sample([24, 27], rng.randint(1, 2)):
                rows[r - 1][OD] = rng.choice(["", "0", "  "])
        return rows

    def mutate(self, rows, changes):
        """Changes a few inputs of a table: the Proposed vehicle as a variant of the Baseline."""
        rng = self.rng
        for _ in range(changes):
            r = rng.choice(list(COMPONENTS) + [1, 2, 3, 4, 5, 6, 9, 10, 11, 12, 13, 17, 18])
            row = rows[r - 1]
            if r in COMPONENTS and self.chance(0.5):
                self.component(r, row)
            elif r in COMPONENTS:
                c = rng.choice([OD, ID, WIDTH, MATERIAL, WEIGHT, UNITS])
                if c == MATERIAL:
                    row[c] = self.odd_choice(TIRE_MATERIALS if r in ref.TIRE_ROWS
                                             else MATERIALS, 20)
                elif c == UNITS:
                    row[c] = self.units()
                else:
                    x = ref.num(row[c])
                    row[c] = self.number(x * 0.7, x * 1.1) if x > 0 else self.junk()
            elif r == 2:
                row[VALUE] = self.odd_choice(VEHICLE_TYPES, 30)
            elif r == 6:
                row[VALUE] = self.odd_choice(CONVERTERS, 30)
            elif r == 12:
                row[VALUE] = self.odd_choice(ENGINES, 30)
            else:
                x = ref.num(row[VALUE])
                row[VALUE] = self.number(x * 0.8, x * 1.1) if x > 0 else self.junk()
        return rows

    def proposed(self, baseline):
        if self.chance(0.08):
            return self.baseline()
        rows = self.mutate(copy.deepcopy(baseline), self.rng.randint(0, 6))
        for r, items in ((2, VEHICLE_TYPES), (6, CONVERTERS), (12, ENGINES)):
            if self.chance(0.4):  # the two vehicles differ in their layout
                rows[r - 1][VALUE] = self.odd_choice(items, 30)
        for row in rows:
            for c in (WEIGHT, INERTIA, EQWT, PCT):
                if self.chance(0.05):
                    row[c] = self.junk()
        return rows

    def comments(self):
        rng = self.rng
        return "\r\n".join(rng.choice(["", "Test car, 1/4 mile", 'He said "light", fast',
                                       "-9998", "\xe9t\xe9 build"])
                           for _ in range(rng.randint(1, 3)))

    def worksheet(self):
        baseline = self.baseline()
        sheet = {
            "two_vehicles": 1 if self.chance(0.75) else 0,
            "weight_option": 1 if self.chance(0.4) else 0,
            "cells": [baseline, self.proposed(baseline)],
            "comments": self.comments(),
        }
        if self.chance(0.3):
            self.stale_results(sheet)
        return sheet

    def stale_results(self, sheet):
        """A worksheet saved after a recalculation and then edited: its result cells hold
        figures of other inputs, which the recalculation must rewrite or keep."""
        spec = ref.spec_file_bytes(sheet["two_vehicles"], sheet["cells"], sheet["comments"])
        try:
            done = ref.open_and_recalculate(self.descriptions, spec, self.rng.randrange(2))
        except ref.Ambiguous:
            return
        for t in (0, 1):
            rows = [done.cells[t][r][2:12] for r in range(1, ref.LAST_ROW + 1)]
            sheet["cells"][t] = self.mutate(rows, self.rng.randint(1, 5))


def expected_rows(descriptions, spec, weight_option):
    sheet = ref.open_and_recalculate(descriptions, spec, weight_option)
    rows = []
    for t in (0, 1):
        for r in range(1, ref.LAST_ROW + 1):
            rows.append([str(t)] + sheet.cells[t][r] + [""] * (13 - ref.COLUMNS[t]))
    return rows


def actual_rows(calc, path, weight_option):
    command = [calc] + (["--weights-add"] if weight_option else []) + ["--csv", path]
    done = subprocess.run(command, capture_output=True, timeout=30)
    if done.returncode != 0:
        raise RuntimeError("%s exited %d: %s" % (" ".join(command), done.returncode,
                                                  done.stderr.decode("cp1252", "replace")))
    records = list(csv.reader(io.StringIO(done.stdout.decode("cp1252"), newline="")))
    header = ["Table"] + list(ref.HEADINGS)
    if records[0] != header:
        raise RuntimeError("unexpected header %r" % (records[0],))
    return records[1:]


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("calc", help="path of gyrant-calc")
    parser.add_argument("--count", type=int, default=300)
    parser.add_argument("--seed", type=int, default=20240601)
    parser.add_argument("--keep", help="folder to keep the worksheets that disagree in")
    parser.add_argument("--show", type=int, default=12, help="mismatches to print")
    args = parser.parse_args()

    calc = os.path.abspath(args.calc)
    descriptions = ref.read_descriptions(os.path.dirname(calc))
    rng = random.Random(args.seed)
    generator = Generator(rng, descriptions)
    mismatches = 0
    bad_sheets = 0
    with tempfile.TemporaryDirectory(prefix="gyrant-reference-") as folder:
        made = 0
        while made < args.count:
            sheet = generator.worksheet()
            spec = ref.spec_file_bytes(sheet["two_vehicles"], sheet["cells"], sheet["comments"])
            try:
                expected = expected_rows(descriptions, spec, sheet["weight_option"])
            except ref.Ambiguous:
                continue  # a case the program may settle its own way: draw another
            name = "worksheet%04d.qrx" % made
            path = os.path.join(folder, name)
            with open(path, "wb") as f:
                f.write(spec)
            actual = actual_rows(calc, path, sheet["weight_option"])
            options = "--weights-add " if sheet["weight_option"] else ""
            found = 0
            if len(actual) != len(expected):
                found += 1
                print("%s: %d records, expected %d" % (name, len(actual), len(expected)))
            headings = ["Table"] + list(ref.HEADINGS)
            for want, got in zip(expected, actual):
                for c in range(14):
                    have = got[c] if c < len(got) else "<missing>"
                    if want[c] != have:
                        found += 1
                        if mismatches + found <= args.show:
                            print("%s (%sseed %d): table %s row %s column %d %s: expected %r, "
                                  "got %r" % (name, options, args.seed, want[0], want[1], c - 1,
                                              headings[c], want[c], have))
            if found:
                bad_sheets += 1
                mismatches += found
                if args.keep:
                    os.makedirs(args.keep, exist_ok=True)
                    with open(os.path.join(args.keep, name), "wb") as f:
                        f.write(spec)
            made += 1
    print("reference check: %d worksheets, %d mismatches%s" % (
        args.count, mismatches, " in %d worksheets" % bad_sheets if bad_sheets else ""))
    return 1 if mismatches else 0


if __name__ == "__main__":
    sys.exit(main())
