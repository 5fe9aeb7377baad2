#include "engine/output/InputEcho.h"

#include "engine/deck/UnitConversion.h"
#include "engine/output/FixedFormat.h"

namespace korva {
namespace {

const std::string kIndent5 = blanks(5);

std::string dashes(int n)
{
    return std::string(static_cast<std::size_t>(n), '-');
}

// A length in working units (ft) shown in the project's units.
double shownLength(const InputDeck& deck, float feet)
{
    return deck.isSI() ? static_cast<double>(feet / kFeetPerMetre) : static_cast<double>(feet);
}

// Six blanks, a 27-character label ending in "=", the value in F9.3, two blanks and the unit.
void writeValueLine(std::ostream& out, const char* label, double value, const char* unit)
{
    out << blanks(6) << label << formatF(value, 9, 3) << "  " << unit << '\n';
}

void writeLengthSettings(std::ostream& out, const InputDeck& deck)
{
    const char* unit = deck.isSI() ? "M" : "FT.";
    writeValueLine(out, "MAXIMUM SHAFT LENGTH      =", shownLength(deck, deck.PD), unit);
    writeValueLine(out, "MINIMUM SHAFT LENGTH      =", shownLength(deck, deck.PDMIN), unit);
    writeValueLine(out, "SHAFT LENGTH INCREMENT    =", shownLength(deck, deck.PDINCR), unit);
}

} // namespace

void writeTitleEcho(std::ostream& out, const std::string& title)
{
    out << kIndent5 << padRight(title, kTitleWidth) << '\n';
}

void writeSiteEcho(std::ostream& out, const InputDeck& deck)
{
    const bool si = deck.isSI();
    if (deck.METHOD == 1) {
        out << "\n\n"
            << kIndent5 << "TOTAL LOAD =" << formatF(deck.designValue, 10, 1)
            << (si ? " KN" : " TONS") << '\n'
            << kIndent5 << "------------\n\n\n";
    } else if (deck.METHOD == 2) {
        out << "\n\n"
            << kIndent5 << "PROPOSED DEPTH =" << formatF(deck.designValue, 10, 1)
            << (si ? " M" : " FT") << '\n'
            << kIndent5 << "----------------\n\n\n";
    }
    if (deck.KCYCL == 2) {
        out << kIndent5
            << "REDUCTION FACTOR APPLIED FOR UPLIFT FRICTION =" << formatF(deck.RCYCL, 6, 3) << '\n'
            << kIndent5 << dashes(46) << "\n\n\n";
    }
    out << kIndent5 << "NUMBER OF LAYERS =" << formatI(deck.NL, 5) << '\n'
        << kIndent5 << "------------------\n\n\n";
    out << kIndent5 << "WATER TABLE DEPTH =" << formatF(deck.WTD, 10, 1) << (si ? " M" : " FT.")
        << '\n'
        << kIndent5 << "-------------------\n\n\n";
}

void writeShaftBeyondProfileWarning(std::ostream& out)
{
    out << '\n'
        << kIndent5 << "*********************WARNING**********************\n"
        << kIndent5 << "PLEASE PROVIDE THE SOIL DEPTH THAT IS TWO-DIAMETER DEEPER\n"
        << kIndent5 << "THAN THE TIP OF DRILLED SHAFTS\n"
        << '\n';
}

void writeUnknownKindWarning(std::ostream& out, int layerNumber, float kind)
{
    out << '\n'
        << kIndent5 << "*********************WARNING**********************\n"
        << kIndent5 << "LAYER NO" << formatI(layerNumber, 3) << " HAS THE KIND CODE"
        << formatF(kind, 10, 2) << ", WHICH IS NONE OF 1 TO 9;\n"
        << kIndent5 << "NO PROPERTIES ARE READ FOR THIS LAYER.\n"
        << '\n';
}

void writeFactorOfSafetyEcho(std::ostream& out, const InputDeck& deck)
{
    if (deck.NLRFD == 1)
        return;
    out << '\n'
        << kIndent5 << "FACTOR OF SAFETY APPLIED TO THE ULTIMATE SIDE FRICTION CAPACITY ="
        << formatF(deck.FST, 5, 2) << '\n'
        << kIndent5 << dashes(55) << '\n'
        << kIndent5
        << "FACTOR OF SAFETY APPLIED TO THE ULTIMATE BASE CAPACITY =" << formatF(deck.FSB, 5, 2)
        << '\n'
        << kIndent5 << dashes(54) << '\n';
}

void writeShaftEcho(std::ostream& out, const InputDeck& deck)
{
    const char* lengthUnit = deck.isSI() ? "M" : "FT.";
    out << "\n\n"
        << kIndent5 << "INPUT DRILLED SHAFT INFORMATION\n"
        << kIndent5 << dashes(30) << "\n\n";
    writeValueLine(out, "MINIMUM SHAFT DIAMETER    =", shownLength(deck, deck.DSTART), lengthUnit);
    writeValueLine(out, "MAXIMUM SHAFT DIAMETER    =", shownLength(deck, deck.DIALIM), lengthUnit);
    writeValueLine(out, "RATIO BASE/SHAFT DIAMETER =", deck.RATIO, lengthUnit);
    writeValueLine(out, "ANGLE OF BELL             =", deck.BELANG, "DEG.");
    writeValueLine(out, "IGNORED TOP PORTION       =", shownLength(deck, deck.TOPLEN), lengthUnit);
    writeValueLine(out, "IGNORED BOTTOM PORTION    =", shownLength(deck, deck.BS), lengthUnit);
    out << blanks(6) << "ELASTIC MODULUS, Ec       =" << formatE(deck.Ec, 10, 3) << ' '
        << (deck.isSI() ? "KN/SQ M" : "LB/SQ IN") << '\n';
    out << "\n\n";
}

void writeMultipleLengthEcho(std::ostream& out, const InputDeck& deck)
{
    if (deck.IPENT != 1)
        return;
    out << "\n\n"
        << kIndent5 << "VARY SHAFT LENGTH FOR INITIAL DIAMETER\n"
        << kIndent5 << dashes(38) << '\n';
    writeLengthSettings(out, deck);
    out << "\n\n";
}

void writeDesignChartEcho(std::ostream& out, const InputDeck& deck)
{
    if (deck.IChart != 1)
        return;
    out << "\n\n" << kIndent5 << "COMPUTATION OF LRFD CHARTS\n" << kIndent5 << dashes(26) << '\n';
    writeLengthSettings(out, deck);
    writeValueLine(out, "DIAMETER INCREMENT        =", shownLength(deck, deck.DIAMINCR),
                   deck.isSI() ? "M" : "FT.");
    out << "\n\n";
    out << '\n'
        << blanks(6)
        << (deck.isSI() ? "   POINT    SETTLEMENT VALUES, M" : "   POINT    SETTLEMENT VALUES, IN")
        << '\n';
    for (int i = 0; i < deck.NPOINTPD && i < kMaxChartSettlements; ++i) {
        out << blanks(7) << formatI(i + 1, 5) << blanks(5)
            << formatF(deck.PDSETT[static_cast<std::size_t>(i)], 9, 4) << '\n';
    }
}

void writeResultsHeading(std::ostream& out)
{
    out << "\n\n\n\n" << kIndent5 << "COMPUTATION RESULTS\n" << kIndent5 << dashes(19) << '\n';
}

void writeRunFailure(std::ostream& out, const std::string& message)
{
    out << '\n'
        << kIndent5 << "**********************ERROR***********************\n"
        << kIndent5 << message << '\n'
        << kIndent5 << "THE ANALYSIS CANNOT PROCEED.\n"
        << '\n';
}

} // namespace korva
