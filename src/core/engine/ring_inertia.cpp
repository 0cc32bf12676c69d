#include "engine/ring_inertia.h"

#include "engine/materials.h"
#include "model/spec_rows.h"
#include "model/units.h"
#include "text/cell_text.h"

namespace gyrant {
namespace {

enum class Shape { PlainRing, Wheel, Tire };

Shape ShapeOf(int row) {
    if (IsWheelRow(row)) return Shape::Wheel;
    if (IsTireRow(row)) return Shape::Tire;
    return Shape::PlainRing;
}

double SpeedFactor(const SpeedFactors& s, int row) {
    if (row < kDriveshaftRow) return s.EngineFactor;
    if (row == kDriveshaftRow) return s.DriveshaftFactor;
    if (row == kRingGearRow) return s.DrivenWheelFactor;
    if (row <= kFrontBrakeRow) return s.FrontWheelFactor;
    if (row <= kOtherRearRow) return s.RearWheelFactor;
    return 0;
}

// The row being computed, read from and written to its table row or the editing strip.
class RingRow {
  public:
    RingRow(SpecTable& table, StripFields* strip, int row)
        : m_table(table), m_strip(strip), m_row(row) {}

    bool InStrip() const { return m_strip != nullptr; }
    double Value(int column) const {
        return m_strip ? NumericValue(m_strip->Text(column))
                       : NumericValue(m_table.Text(m_row, column));
    }
    bool HasOD() const {
        return !IsBlank(m_strip ? m_strip->Text(kColOD) : m_table.Text(m_row, kColOD));
    }
    void Write(int column, double value, const char* picture) {
        Put(column, FormatPicture(value, picture));
    }
    void Put(int column, std::string text) {
        if (m_strip)
            m_strip->SetText(column, text);
        else
            m_table.SetText(m_row, column, std::move(text));
    }
    bool InGrams() const {
        return m_strip ? IsGramsUnit(m_strip->Text(kColUnits))
                       : IsGramsUnit(m_table.Text(m_row, kColUnits));
    }
    int MaterialIndex() const {
        return m_strip ? m_strip->ListIndex(kColMaterial)
                       : ChoiceNumberInLast(m_table.Text(m_row, kColMaterial), 4);
    }
    void SetEnabled(int field, bool enabled) {
        if (m_strip) m_strip->SetEnabled(field, enabled);
    }

  private:
    SpecTable& m_table;
    StripFields* m_strip;
    int m_row;
};

struct Dimensions {
    double od = 0, id = 0, width = 0;
};

// Volume of the whole part and of its outer band (a wheel's rim barrel or a tire's tread),
// with the band's inner diameter.
struct Volumes {
    double total = 0, band = 0, bandID = 0;
};

Volumes WheelVolumes(const Dimensions& d, int material) {
    double wall = 0.005 * d.od + 0.05;
    if (material == 2 || material == 3) wall *= 2;  // cast and composite wheels are thicker
    double disc = wall * kQuarterPiAsTheTablesHaveIt * (d.od * d.od - d.id * d.id);
    double barrelID = d.od - 2 * wall;
    double barrel =
        (d.width + 0.1 * d.od) * kQuarterPiAsTheTablesHaveIt * (d.od * d.od - barrelID * barrelID);
    return {disc + barrel, barrel, barrelID};
}

Volumes VolumesOf(Shape shape, const Dimensions& d, int material) {
    switch (shape) {
        case Shape::Wheel:
            return WheelVolumes(d, material);
        case Shape::Tire: {
            TireVolume tire = CalcTireVolume(d.width, d.od, d.id);
            return {tire.TotalVolume, tire.TreadVolume, tire.TreadID};
        }
        case Shape::PlainRing:
            break;
    }
    return {d.width * kQuarterPiAsTheTablesHaveIt * (d.od * d.od - d.id * d.id), 0, 0};
}

double Density(Shape shape, int material) {
    if (shape == Shape::Tire) return TireDensity;
    if (material == 1) return SteelDensity;
    if (material == 3) return CarbonFiberDensity;
    return AlumDensity;
}

// Half the weight times the sum of the squared radii: a thick ring about its axis, lb.in^2.
double RingInertia(double weight, double innerDia, double outerDia) {
    return 0.5 * weight * ((innerDia / 2) * (innerDia / 2) + (outerDia / 2) * (outerDia / 2));
}

// The part's weight in pounds. An entered weight is read in the row's unit; a computed one is
// written to the Weight field in the row's unit.
double PartWeight(RingRow& row, Shape shape, int material, const Volumes& volumes) {
    bool grams = row.InGrams();
    if (material == 0) {
        double weight = row.Value(kColWeight);
        if (shape != Shape::PlainRing && !row.InStrip())
            row.Write(kColWeight, weight, kWeightFormat);
        return grams ? weight * LbPerGram : weight;
    }
    double weight = Density(shape, material) * volumes.total;
    row.Write(kColWeight, grams ? weight / LbPerGram : weight, kWeightFormat);
    return weight;
}

// The Weight field takes input only with "Use Wt"; a plain ring's width matters only when its
// weight is computed.
void EnableWeightFields(RingRow& row, Shape shape, int material) {
    row.SetEnabled(kColWeight, material == 0);
    row.SetEnabled(kColWidth, material != 0 || shape != Shape::PlainRing);
}

// A row without an O.D., or with an I.D. not below it, has no results; a typed weight stays.
void ClearResults(RingRow& row, int material) {
    for (int column : {kColInertia, kColEqWt}) row.Put(column, "");
    if (material > 0) row.Put(kColWeight, "");
    if (!row.InStrip()) row.Put(kColPercentTotal, "");
}

// Moment of inertia in lb.in^2; a wheel or tire splits its weight between its outer band and
// the rest by volume.
double PartInertia(Shape shape, const Dimensions& d, const Volumes& volumes, double weight) {
    if (shape == Shape::PlainRing) return RingInertia(weight, d.id, d.od);
    double bandWeight = volumes.total == 0 ? 0 : weight * volumes.band / volumes.total;
    return RingInertia(bandWeight, volumes.bandID, d.od) +
           RingInertia(weight - bandWeight, d.id, d.od);
}

// The row's results, read from and written to the strip when given, else to the table row.
void CalcRow(Worksheet& sheet, StripFields* strip, int tableIndex, int rowNumber,
             RunningTotals& totals) {
    RingRow row(sheet.Table(tableIndex), strip, rowNumber);
    Shape shape = ShapeOf(rowNumber);
    int multiplier = TimesCounted(sheet.Table(tableIndex), rowNumber);
    Dimensions d{row.Value(kColOD), row.Value(kColID), row.Value(kColWidth)};
    int material = row.MaterialIndex();
    EnableWeightFields(row, shape, material);
    if (!row.HasOD() || !(d.id < d.od)) return ClearResults(row, material);

    Volumes volumes;
    if (shape != Shape::PlainRing || material != 0) volumes = VolumesOf(shape, d, material);
    double weight = PartWeight(row, shape, material, volumes);

    double inertia = multiplier * PartInertia(shape, d, volumes, weight) / 144;
    row.Write(kColInertia, inertia, kWeightFormat);
    totals.TotalWeight += multiplier * weight;

    double factor = SpeedFactor(sheet.derived.Speeds, rowNumber);
    double eqWt = inertia * (factor * factor);
    if (sheet.document.WeightOption == 1) eqWt += multiplier * weight;
    totals.TotalEqWt += eqWt;
    row.Write(kColEqWt, eqWt, kWeightFormat);
}

}  // namespace

int TimesCounted(const SpecTable& table, int row) {
    return IsPerWheelRow(row) && Contains(table.Text(kVehicleTypeRow, kColValue), "4") ? 2 : 1;
}

double CountedWeight(const SpecTable& table, int row) {
    double weight = NumericValue(table.Text(row, kColWeight)) * TimesCounted(table, row);
    return IsGramsUnit(table.Text(row, kColUnits)) ? weight * LbPerGram : weight;
}

TireVolume CalcTireVolume(double width, double od, double rimDia) {
    double wall = 0.1 + 0.015 * od;
    double sidewalls = wall * kHalfPiAsTheTablesHaveIt * (od * od - rimDia * rimDia);
    TireVolume tire;
    tire.TreadID = od - 2 * wall;
    tire.TreadVolume =
        (width - 2 * wall) * kQuarterPiAsTheTablesHaveIt * (od * od - tire.TreadID * tire.TreadID);
    tire.TotalVolume = sidewalls + tire.TreadVolume;
    return tire;
}

void CalcRingInertia(Worksheet& sheet, int tableIndex, int rowNumber, RunningTotals& totals) {
    CalcRow(sheet, nullptr, tableIndex, rowNumber, totals);
}

void CalcRingInertia(Worksheet& sheet, StripFields& strip, int tableIndex, int rowNumber,
                     RunningTotals& totals) {
    CalcRow(sheet, &strip, tableIndex, rowNumber, totals);
}

}  // namespace gyrant
