#include "engine/output/ReportLayerBlock.h"

#include <algorithm>
#include <string_view>

#include "engine/deck/UnitConversion.h"
#include "engine/methods/MethodWarnings.h"
#include "engine/output/FixedFormat.h"

namespace korva {

namespace {

constexpr int kValueIndent = 7;
constexpr int kSoilLabelWidth = 50; // "=" in column 58
constexpr int kRockLabelWidth = 51; // "=" in column 59

struct Lines
{
    std::vector<std::string> out;
    void add(std::string line) { out.push_back(std::move(line)); }
    void empty(int count = 1)
    {
        for (int i = 0; i < count; ++i)
            out.emplace_back();
    }
    void text(std::string_view text) { add(blanks(kValueIndent) + std::string(text)); }
    void value(std::string_view label, float v, int labelWidth, bool withMarker = false,
               bool estimated = false)
    {
        std::string line =
            blanks(kValueIndent) + padRight(label, labelWidth) + "=" + formatE(v, 10, 3);
        if (withMarker)
            line +=
                std::string(estimated ? methods::kEstimatedMarker : methods::kNotEstimatedMarker);
        add(std::move(line));
    }
};

enum class End { Top, Bottom };

float at(const TopBottom& tb, End end)
{
    return end == End::Top ? tb.top : tb.bottom;
}

// Converters from working units back to the project's units.
struct Units
{
    bool si;
    float length(float ft) const { return si ? ft / kFeetPerMetre : ft; }
    float stress(float psf) const { return si ? psf / kPsfPerKilopascal : psf; }
    float unitWeight(float pcf) const { return si ? pcf / kPcfPerKilonewtonPerCubicMetre : pcf; }
};

void soilTail(Lines& l, const SoilLayer& layer, End end, const Units& u, int emptyLines)
{
    l.value("BLOWS PER FOOT FROM STANDARD PENETRATION TEST", at(layer.BLOWS, end), kSoilLabelWidth);
    l.value(u.si ? "SOIL UNIT WEIGHT, KN/CU M" : "SOIL UNIT WEIGHT, LB/CU FT",
            u.unitWeight(at(layer.GAMMA, end)), kSoilLabelWidth);
    l.value(u.si ? "MAXIMUM LOAD TRANSFER FOR SOIL, KN/SQ M"
                 : "MAXIMUM LOAD TRANSFER FOR SOIL, LB/SQ FT",
            u.stress(at(layer.TRANLM, end)), kSoilLabelWidth);
    const float depth = end == End::Top ? layer.topDepth : layer.bottomDepth;
    l.value(u.si ? "DEPTH, M" : "DEPTH, FT", u.length(depth), kSoilLabelWidth);
    l.empty(emptyLines);
}

void sandLines(Lines& l, const SoilLayer& layer, const LayerEstimate& e, End end, const Units& u)
{
    const float method = layer.sandMethod;
    const float coefficient = at(e.coefficient, end);
    if (method == 1.0f) {
        l.text("SIDE FRICTION PROCEDURE: Ko METHOD");
        l.value("LATERAL EARTH-PRESSURE COEFFICIENT - Ko", coefficient, kSoilLabelWidth);
    } else if (method == 2.0f) {
        l.text("SIDE FRICTION PROCEDURE, BETA METHOD");
        l.value("SKIN FRICTION COEFFICIENT- BETA", coefficient, kSoilLabelWidth, true,
                e.coefficientEstimated);
    } else {
        l.text("SIDE FRICTION PROCEDURE, KULHAWY AND CHEN METHOD");
        l.value("PRECONSOLIDATION STRESS EXPONENT - M", coefficient, kSoilLabelWidth, true,
                e.coefficientEstimated);
    }
    l.value("INTERNAL FRICTION ANGLE, DEG.", at(e.phi, end), kSoilLabelWidth, true, e.phiEstimated);
    soilTail(l, layer, end, u, 1);
}

void clayLines(Lines& l, const SoilLayer& layer, const LayerEstimate& e, End end, const Units& u)
{
    l.value("STRENGTH REDUCTION FACTOR-ALPHA", at(e.coefficient, end), kSoilLabelWidth, true,
            e.coefficientEstimated);
    l.value("END BEARING COEFFICIENT-Nc", at(e.nc, end), kSoilLabelWidth, true, e.ncEstimated);
    l.value(u.si ? "UNDRAINED SHEAR STRENGTH, KN/SQ M" : "UNDRAINED SHEAR STRENGTH, LB/SQ FT",
            u.stress(at(layer.CU, end)), kSoilLabelWidth);
    soilTail(l, layer, end, u, 2);
}

void rockTail(Lines& l, const SoilLayer& layer, End end, const Units& u)
{
    l.value(u.si ? "UNIAXIAL COMPRESSION STRENGTH OF ROCK,KN/SQ M"
                 : "UNIAXIAL COMPRESSION STRENGTH OF ROCK,LB/SQ FT",
            u.stress(at(layer.QUR, end)), kRockLabelWidth);
}

void rockModulusToDepth(Lines& l, const SoilLayer& layer, End end, const Units& u)
{
    // Moduli are shown as entered, in both unit systems.
    l.value(u.si ? "ELASTIC MODULUS FOR THE INTACT ROCK, KN/SQ M"
                 : "ELASTIC MODULUS FOR THE INTACT ROCK, LB/SQ IN.",
            at(layer.EL, end), kRockLabelWidth);
    l.value("ROCK QUALITY DESIGNATION (RQD) %", at(layer.RQD, end), kRockLabelWidth);
    const float depth = end == End::Top ? layer.topDepth : layer.bottomDepth;
    l.value(u.si ? "DEPTH, M" : "DEPTH, FT", u.length(depth), kRockLabelWidth);
    l.empty(2);
}

void strongRockLines(Lines& l, const SoilLayer& layer, End end, const Units& u)
{
    l.value(u.si ? "DIAMETER OF SOCKET,M" : "DIAMETER OF SOCKET, FT", u.length(at(layer.BDS, end)),
            kRockLabelWidth);
    l.value(u.si ? "SPACING OF DISCONTINUITIES,M" : "SPACING OF DISCONTINUITIES,FT",
            u.length(at(layer.CS, end)), kRockLabelWidth);
    l.value(u.si ? "THICKNESS OF INDIVIDUAL DISCONTINUITIES,M"
                 : "THICKNESS OF INDIVIDUAL DISCONTINUITIES,FT",
            u.length(at(layer.DISCT, end)), kRockLabelWidth);
    rockTail(l, layer, end, u);
    l.value(u.si ? "UNIAXIAL COMPRESSION STRENGTH OF CONCRETE,KN/SQ M"
                 : "UNIAXIAL COMPRESSION STRENGTH OF CONCRETE,LB/SQ FT",
            u.stress(at(layer.QUCON, end)), kRockLabelWidth);
    rockModulusToDepth(l, layer, end, u);
}

void weakRockLines(Lines& l, const SoilLayer& layer, End end, const Units& u)
{
    l.value(u.si ? "DIAMETER OF SOCKET, M" : "DIAMETER OF SOCKET, FT", u.length(at(layer.BDS, end)),
            kRockLabelWidth);
    l.value(u.si ? "SLUMP OF CONCRETE, M" : "SLUMP OF CONCRETE, IN", at(layer.slump, end),
            kRockLabelWidth);
    l.value("ANGLE OF INTERFACE FRICTION, DEG.", at(layer.interfaceFrictionAngle, end),
            kRockLabelWidth);
    rockTail(l, layer, end, u);
    rockModulusToDepth(l, layer, end, u);
}

void decomposedRockLines(Lines& l, const SoilLayer& layer, End end, const Units& u)
{
    l.value(u.si ? "ELASTIC MODULUS OF GRAVEL, KN/SQ M" : "ELASTIC MODULUS OF GRAVEL, LB/SQ IN",
            at(layer.EL, end), kSoilLabelWidth);
    l.value("POISSION RATIO OF GRAVEL", at(layer.poissonRatio, end), kSoilLabelWidth);
    soilTail(l, layer, end, u, 2);
}

void gravelLines(Lines& l, const SoilLayer& layer, const LayerEstimate& e, End end, const Units& u)
{
    l.text("SIDE FRICTION PROCEDURE, BETA METHOD");
    l.value("SKIN FRICTION COEFFICIENT- BETA", at(e.coefficient, end), kSoilLabelWidth, true,
            e.coefficientEstimated);
    soilTail(l, layer, end, u, 2);
}

const char* kindText(MaterialKind kind)
{
    switch (kind) {
    case MaterialKind::Sand:
        return "----SAND";
    case MaterialKind::Clay:
        return "----CLAY";
    case MaterialKind::ClayShale:
        return "----CLAY SHALE";
    case MaterialKind::StrongRockSideOrBase:
    case MaterialKind::StrongRockSideAndBase:
        return "----STRONG ROCK";
    case MaterialKind::WeakRock:
        return "----WEAK ROCK";
    case MaterialKind::DecomposedRock:
        return "----DECOMPOSED ROCK";
    case MaterialKind::GravellySand:
        return "----GRAVELLEY SAND";
    case MaterialKind::Gravel:
        return "----GRAVEL";
    case MaterialKind::None:
        break;
    }
    return "";
}

void blowCountLines(Lines& l, const SoilLayer& layer)
{
    l.text(std::string(methods::kBlowCountLine) + formatF(layer.BLOWS.top, 8, 2) +
           std::string(methods::kAtTop));
    l.text(std::string(methods::kBlowCountLine) + formatF(layer.BLOWS.bottom, 8, 2) +
           std::string(methods::kAtBottom));
}

void gravelWarnings(Lines& l, const SoilLayer& layer)
{
    const float top = layer.BLOWS.top;
    const float bottom = layer.BLOWS.bottom;
    if (top > 50.0f || bottom > 50.0f) {
        l.text(methods::kGravelHighBlowCountHeading);
        l.text(std::string(methods::kGravelHighBlowCountRuleLength, '-'));
        blowCountLines(l, layer);
        l.text(methods::kGravelTipLimitedLine);
        l.text(methods::kGravelLoadTestLine);
        l.empty();
    }
    if (top <= 25.0f || bottom <= 25.0f) {
        l.empty();
        l.text(methods::kGravelLowBlowCountHeading);
        blowCountLines(l, layer);
        for (std::string_view advice : methods::kGravelLowBlowCountAdvice)
            l.text(advice);
    }
}

} // namespace

bool clayStrengthMayBeTooHigh(const SoilLayer& layer)
{
    const float limit = 2.5f * kAtmosphericPressureClay_psf;
    return layer.CU.top >= limit || layer.CU.bottom >= limit;
}

std::vector<std::string> layerBlockLines(const SoilLayer& layer, int layerNumber,
                                         const LayerEstimate& estimate,
                                         const LayerBlockSettings& settings)
{
    Lines l;
    const MaterialKind kind = layer.kindCode();
    const bool rockIndent =
        kind >= MaterialKind::StrongRockSideOrBase && kind <= MaterialKind::Gravel;
    l.add(blanks(rockIndent ? 4 : 5) + "LAYER NO" + formatI(layerNumber, 3) + kindText(kind));
    l.empty();
    if (kind == MaterialKind::None)
        return l.out;
    const Units u{settings.si};
    for (End end : {End::Top, End::Bottom}) {
        l.text(end == End::Top ? "AT THE TOP" : "AT THE BOTTOM");
        l.empty();
        switch (kind) {
        case MaterialKind::Sand:
            sandLines(l, layer, estimate, end, u);
            break;
        case MaterialKind::Clay:
        case MaterialKind::ClayShale:
            clayLines(l, layer, estimate, end, u);
            break;
        case MaterialKind::StrongRockSideOrBase:
        case MaterialKind::StrongRockSideAndBase:
            strongRockLines(l, layer, end, u);
            break;
        case MaterialKind::WeakRock:
            weakRockLines(l, layer, end, u);
            break;
        case MaterialKind::DecomposedRock:
            decomposedRockLines(l, layer, end, u);
            break;
        case MaterialKind::GravellySand:
        case MaterialKind::Gravel:
            gravelLines(l, layer, estimate, end, u);
            break;
        case MaterialKind::None:
            break;
        }
    }
    if (settings.lrfd) {
        l.value("LRFD RESISTANCE FACTOR (SIDE FRICTION)", layer.phiS, kSoilLabelWidth);
        l.value("LRFD RESISTANCE FACTOR (TIP RESISTANCE)", layer.phiB, kSoilLabelWidth);
        l.empty(2);
    }
    if ((kind == MaterialKind::Clay || kind == MaterialKind::ClayShale) &&
        clayStrengthMayBeTooHigh(layer)) {
        for (std::string_view line : methods::kClayStrengthTooHighLines)
            l.text(line);
        l.empty();
    }
    if (kind == MaterialKind::GravellySand || kind == MaterialKind::Gravel)
        gravelWarnings(l, layer);
    return l.out;
}

} // namespace korva

namespace korva {

void writeSoilInformation(std::ostream& out, const InputDeck& deck, const LayerEstimates& estimates,
                          const LayerBlockSettings& settings)
{
    out << "\n\n" << blanks(5) << "SOIL INFORMATION\n" << blanks(5) << "---------------\n\n";
    bool anyEstimated = false;
    const int count = std::min(deck.NL, kMaxLayers);
    for (int i = 0; i < count; ++i) {
        const LayerEstimate estimate =
            i < static_cast<int>(estimates.size()) ? estimates[i] : LayerEstimate{};
        for (const std::string& line : layerBlockLines(deck.layers[i], i + 1, estimate, settings))
            out << line << '\n';
        anyEstimated = anyEstimated || estimate.coefficientEstimated || estimate.ncEstimated ||
                       estimate.phiEstimated;
    }
    if (anyEstimated)
        out << '\n' << blanks(5) << methods::kEstimatedNote << "\n\n";
}

} // namespace korva
