#include "engine/output/ReportCase.h"

#include <string_view>

#include "engine/deck/UnitConversion.h"
#include "engine/methods/MethodWarnings.h"
#include "engine/output/FixedFormat.h"

namespace korva {

namespace {

const std::string kIndent5 = blanks(5);

std::string dashes(int n)
{
    return std::string(static_cast<std::size_t>(n), '-');
}

// Six blanks, a 27-character label ending in "=", the value in F9.3, two blanks and the unit.
void valueLine(std::ostream& out, const char* label, float value, const char* unit)
{
    out << blanks(6) << label << formatF(value, 9, 3) << "  " << unit << '\n';
}

float shownLength(float feet, bool si)
{
    return si ? feet / kFeetPerMetre : feet;
}

} // namespace

void writeCaseHeading(std::ostream& out, int caseNumber, int lengthNumber, int diameterNumber)
{
    out << "\n\n\n"
        << kIndent5 << "- CASE ANALYZED      : " << formatI(caseNumber, 5) << '\n'
        << kIndent5 << "  VARIATION LENGTH   : " << formatI(lengthNumber, 5) << '\n'
        << kIndent5 << "  VARIATION DIAMETER : " << formatI(diameterNumber, 5) << '\n';
}

void writeShaftDiameterLines(std::ostream& out, const CaseGeometry& g, bool si)
{
    const char* unit = si ? "M" : "FT.";
    valueLine(out, "DIAMETER OF STEM          =", shownLength(g.stemDiameter_ft, si), unit);
    valueLine(out, "DIAMETER OF BASE          =", shownLength(g.baseDiameter_ft, si), unit);
}

void writeShaftInformation(std::ostream& out, const CaseGeometry& g, const ShaftBlockValues& v)
{
    const bool si = v.si;
    const char* unit = si ? "M" : "FT.";
    out << "\n\n\n"
        << kIndent5 << "DRILLED SHAFT INFORMATION\n\n"
        << kIndent5 << dashes(25) << "\n\n";
    writeShaftDiameterLines(out, g, si);
    valueLine(out, "END OF STEM TO BASE       =", shownLength(g.bellHeight_ft, si), unit);
    valueLine(out, "ANGLE OF BELL             =", v.bellAngle_deg, "DEG.");
    valueLine(out, "IGNORED TOP PORTION       =", shownLength(v.topLength_ft, si), unit);
    valueLine(out, "IGNORED BOTTOM PORTION    =", shownLength(v.bottomLength_ft, si), unit);
    valueLine(out, "AREA OF ONE PERCENT STEEL =",
              si ? g.steelArea_in2 / kSquareInchesPerSquareMetre : g.steelArea_in2,
              si ? "SQ. M" : "SQ.IN.");
    out << blanks(6) << "ELASTIC MODULUS, Ec       =" << formatE(v.concreteModulusAsRead, 10, 3)
        << ' ' << (si ? "KN/SQ M" : "LB/SQ IN") << '\n';
    valueLine(out, "VOLUME OF UNDERREAM       =",
              si ? g.underreamVolume_yd3 / kCubicYardsPerCubicMetre : g.underreamVolume_yd3,
              si ? "CU. M" : "CU.YDS.");
}

void writeShaftLengthLine(std::ostream& out, float length_ft, bool si)
{
    valueLine(out, "SHAFT LENGTH              =", shownLength(length_ft, si), si ? "M" : "FT.");
}

void writeResultsLegend(std::ostream& out, bool lrfd)
{
    if (!lrfd) {
        out << "\n\n\n" << kIndent5 << "PREDICTED RESULTS\n" << kIndent5 << dashes(17) << "\n\n";
        for (const char* line :
             {"QS     = ULTIMATE SIDE RESISTANCE;", "QB     = ULTIMATE BASE RESISTANCE;",
              "WT     = WEIGHT OF DRILLED SHAFT (FOR UPLIFT CAPACITY ONLY);",
              "QU     = TOTAL ULTIMATE RESISTANCE;",
              "QBD    = TOTAL ALLOWABLE LOAD USING A FACTOR OF SAFETY",
              "         APPLIED TO THE ULTIMATE BASE RESISTANCE;",
              "QDN    = TOTAL ALLOWABLE LOAD USING FACTORS OF SAFETY",
              "         APPLIED TO THE ULTIMATE SIDE RESISTANCE AND",
              "         THE ULTIMATE BASE RESISTANCE."})
            out << kIndent5 << line << '\n';
        return;
    }
    out << "\n\n" << kIndent5 << "PREDICTED RESULTS\n" << kIndent5 << dashes(17) << "\n\n";
    for (const char* line :
         {"QS      = ULTIMATE SIDE RESISTANCE;", "QB      = ULTIMATE BASE RESISTANCE;",
          "WT      = WEIGHT OF DRILLED SHAFT (UPLIFT CAPACITY ONLY);",
          "QU      = TOTAL ULTIMATE RESISTANCE;",
          "LRFD QS = TOTAL SIDE FRICTION USING LRFD RESISTANCE FACTOR",
          "          TO THE ULTIMATE SIDE RESISTANCE;",
          "LRFD QB = TOTAL BASE BEARING USING LRFD RESISTANCE FACTOR",
          "          TO THE ULTIMATE BASE RESISTANCE",
          "LRFD QU = TOTAL CAPACITY WITH LRFD RESISTANCE FACTOR."})
        out << kIndent5 << line << '\n';
}

void writeResultsTableHeading(std::ostream& out, bool lrfd, bool uplift, bool si)
{
    const char* qb = uplift ? "WT" : "QB";
    std::string columns;
    std::string units;
    if (!si) {
        columns = blanks(5) + "LENGTH" + blanks(2) + "VOLUME" + blanks(5) + "QS" + blanks(6) + qb +
                  blanks(6) + "QU";
        if (!lrfd)
            columns += blanks(7) + "QBD" + blanks(6) + "QDN" + blanks(6) + "QU/VOLUME";
        else
            columns += blanks(5) + "LRFD QS" + blanks(2) + (uplift ? "    WT" : "LRFD QB") +
                       blanks(3) + "LRFD QU";
        units = blanks(5) + " (FT) " + blanks(2) + "(CU.YDS)" + blanks(1) + "(TONS)" + blanks(3) +
                "(TONS)" + blanks(2) + "(TONS)" + blanks(3) + "(TONS)" + blanks(3) + "(TONS)";
        units += lrfd ? blanks(4) + "(TONS)" : blanks(2) + "(TONS/CU.YDS)";
    } else {
        columns = blanks(5) + "LENGTH" + blanks(2) + "VOLUME" + blanks(4) + "QS" + blanks(5) + qb +
                  blanks(8) + "QU";
        if (!lrfd)
            columns += blanks(7) + "QBD" + blanks(5) + "QDN" + blanks(5) + "QU/VOLUME";
        else
            columns += blanks(6) + "LRFD QS" + blanks(2) + "LRFD QB" + blanks(3) + "LRFD QU";
        units = blanks(6) + "( M ) " + blanks(1) + "(CU.M ) " + blanks(1) + "( KN )" + blanks(3) +
                "( KN )" + blanks(2) + "( KN )" + blanks(3) + "( KN )" + blanks(3) + "( KN )" +
                blanks(2) + (uplift ? "( KN ) " : "( KN /CU.M) ");
    }
    out << '\n' << columns << '\n' << units << '\n';
}

std::string resultRowLine(const CapacityRow& r, RowLayout layout, bool lrfd)
{
    const int d = layout == RowLayout::A ? 2 : 1;
    std::string line = " " + formatF(r.length, 8, 1) + " " + formatF(r.volume, 8, d) +
                       formatF(r.qs, 9, d) + formatF(r.qb, 9, d) + formatF(r.qu, 9, d);
    if (lrfd)
        line += formatF(r.lrfdQs, 9, d) + formatF(r.lrfdQb, 9, d) + " " + formatF(r.lrfdQu, 9, 2);
    else
        line += formatF(r.qbd, 9, d) + formatF(r.qdn, 9, d) + " " + formatF(r.quPerVolume, 9, 2);
    return line;
}

void writeCaseOpening(std::ostream& report, std::ostream& runNotes, const CaseGeometry& geometry,
                      const CaseOpening& c)
{
    writeCaseHeading(report, c.caseNumber, c.lengthNumber, c.diameterNumber);
    writeCaseHeading(runNotes, c.caseNumber, c.lengthNumber, c.diameterNumber);
    runNotes << '\n';
    writeShaftInformation(report, geometry, c.shaft);
    writeShaftDiameterLines(runNotes, geometry, c.shaft.si);
    if (c.lengthGiven) {
        writeShaftLengthLine(report, c.length_ft, c.shaft.si);
        writeShaftLengthLine(runNotes, c.length_ft, c.shaft.si);
    }
    writeResultsLegend(report, c.lrfd);
    writeResultsTableHeading(report, c.lrfd, c.uplift, c.shaft.si);
}

void writeCaseResultRows(std::ostream& report, std::span<const CapacityRow> rows, bool reachedFinal,
                         const ListingSettings& listing, bool lrfd)
{
    const bool si = listing.si;
    if (listing.designLoadGiven)
        for (const CapacityRow& row : rows)
            report << resultRowLine(rowInReportUnits(row, si), RowLayout::A, lrfd) << '\n';
    if (listing.designLoadGiven && reachedFinal)
        return;
    std::vector<CapacityRow> shown;
    shown.reserve(rows.size());
    for (const CapacityRow& row : rows)
        shown.push_back(rowInReportUnits(row, si));
    for (const CapacityRow& row : listedRows(shown, listing))
        report << resultRowLine(row, si ? RowLayout::B : RowLayout::A, lrfd) << '\n';
}

void writeNeedAnotherSoilLayer(std::ostream& out)
{
    out << '\n' << kNeedAnotherSoilLayerLine << '\n';
}

void writeAdditionalTzHeading(std::ostream& out)
{
    out << "\n\n\n"
        << kIndent5 << "ADDITIONAL TZ CURVES\n"
        << kIndent5 << dashes(20) << "\n\n\n"
        << kIndent5
        << "NOTE: TZ AND QW CURVES DATA ARE AVAILABLE ONLY FOR SAND AND CLAY LAYERS.\n\n\n";
}

void writeLoadSettlementHeading(std::ostream& out)
{
    out << "\n\n\n"
        << kIndent5 << "AXIAL LOAD VS SETTLEMENT CURVES\n"
        << kIndent5 << dashes(31) << '\n';
}

void writeCurveOnePoints(std::ostream& out, std::span<const CurvePoint> points, bool si)
{
    out << '\n';
    if (si)
        out << blanks(22) << "TOP  LOAD     TOP MOVEMENT        \n"
            << blanks(22) << "   kN              M             \n";
    else
        out << blanks(22) << "TOP  LOAD     TOP MOVEMENT     \n"
            << blanks(22) << "   TONS             IN.       \n";
    for (const CurvePoint& p : points)
        out << blanks(13) << formatE(p.topLoad, 17, 4) << formatE(p.topMovement, 17, 4) << '\n';
}

void writeBestCase(std::ostream& out, const BestCase& b, bool si)
{
    out << "\n\n\n";
    if (!si) {
        out << " THE MOST EFFICIENT SHAFT FOR THIS SOIL PROFILE APPEARS TO BE THE FOLLOWING ONE:\n"
            << "\n  DIAMETER OF STEM       =" << formatF(b.stemDiameter_ft, 5, 2) << " FT.\n"
            << "\n  DIAMETER OF BASE       =" << formatF(b.baseDiameter_ft, 5, 2) << " FT.\n"
            << "\n  ESTIMATED SHAFT LENGTH =" << formatF(b.length_ft, 5, 0) << " FT.\n"
            << "\n  VOLUME OF CONCRETE     =" << formatF(b.volume_yd3, 7, 2) << " CU.YDS.\n"
            << "\n  ULTIMATE LOAD CAPACITY =" << formatF(b.qu_tons, 10, 2) << " TONS\n"
            << "\n  QU/VOLUME OF CONCRETE  =" << formatF(b.quPerVolume, 7, 2) << " TONS/CU.YD.\n";
        return;
    }
    out << " THE MOST EFFICIENT SHAFT FOR THIS SOIL PROFILE  APPEARS TO BE THE FOLLOWING ONE:\n"
        << "\n  DIAMETER OF STEM       = " << formatF(b.stemDiameter_ft / kFeetPerMetre, 5, 1)
        << " M\n"
        << "\n  DIAMETER OF BASE       = " << formatF(b.baseDiameter_ft / kFeetPerMetre, 5, 1)
        << " M\n"
        << "\n  ESTIMATED SHAFT LENGTH =" << formatF(b.length_ft / kFeetPerMetre, 5, 0) << " M\n"
        << "\n  VOLUME OF CONCRETE     =" << formatF(b.volume_yd3 / kCubicYardsPerCubicMetre, 7, 2)
        << " CU.M\n"
        << "\n  ULTIMATE LOAD CAPACITY =" << formatF(b.qu_tons / kTonsPerKilonewton, 10, 2)
        << " KN  \n"
        << "\n  QU/VOLUME OF CONCRETE  ="
        << formatF(b.quPerVolume / kTonsPerCubicYardPerKilonewtonPerCubicMetre, 7, 2)
        << " KN /CU.M\n";
}

void writeWeakRockNote(std::ostream& out)
{
    out << "\n\n";
    for (std::string_view line : methods::kStrongRockBelow1000PsiLines)
        out << line << '\n';
}

void writeAnalysisWarning(std::ostream& out, std::span<const std::string> lines)
{
    out << '\n' << kIndent5 << "*********************WARNING**********************\n";
    for (const std::string& line : lines)
        out << kIndent5 << line << '\n';
    out << '\n';
}

} // namespace korva
