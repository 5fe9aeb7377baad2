#include "engine/deck/InputDeckReader.h"

#include "engine/deck/DeckRanges.h"
#include "engine/deck/UnitConversion.h"
#include "engine/output/InputEcho.h"
#include "engine/run/RunFailure.h"
#include "engine/run/RunStatus.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <span>

namespace korva {
namespace {

// Magnitudes below this in TRANLM or maximum end bearing mean "no limit".
constexpr float kNoLimitThreshold = 1.0e-10f;

void readControlRecord(DeckRecordReader& reader, InputDeck& deck)
{
    DeckRecord r = reader.readRecord(11, "control record");
    const bool si = deck.isSI();
    deck.METHOD = readRangedCode(r, 0, DeckValue::METHOD, si);
    deck.KCYCL = readRangedCode(r, 1, DeckValue::KCYCL, si);
    deck.RCYCL = readRanged(r, 2, DeckValue::RCYCL, si);
    deck.PINC = readRanged(r, 3, DeckValue::PINC, si);
    deck.IMOD = r.integer(4);
    deck.NLRFD = r.integer(5);
    deck.IPENT = r.integer(6);
    deck.IChart = r.integer(7);
    deck.UseElevation = r.integer(8);
    deck.ValElevation = readRanged(r, 9, DeckValue::ValElevation, si);
    deck.PrintTZCurves = r.integer(10);
}

void readShaftRecord(DeckRecordReader& reader, InputDeck& deck)
{
    DeckRecord r = reader.readRecord(7, "shaft record");
    const bool si = deck.isSI();
    deck.DSTART = readRanged(r, 0, DeckValue::DSTART, si);
    deck.DIALIM = readRanged(r, 1, DeckValue::DIALIM, si);
    deck.RATIO = readRanged(r, 2, DeckValue::RATIO, si);
    deck.BELANG = readRanged(r, 3, DeckValue::BELANGL, si);
    deck.TOPLEN = readRanged(r, 4, DeckValue::TOPLENG, si);
    deck.BS = readRanged(r, 5, DeckValue::BS, si);
    deck.Ec = readRanged(r, 6, DeckValue::EPILE, si);
}

void readSiteRecord(DeckRecordReader& reader, InputDeck& deck)
{
    DeckRecord r = reader.readRecord(5, "site record");
    const bool si = deck.isSI();
    deck.NL = r.integer(0);
    deck.WTD = readRanged(r, 1, DeckValue::WTD, si);
    deck.designValue = readRanged(r, 2, deck.METHOD == 1 ? DeckValue::LPD : DeckValue::PD, si);
    deck.FST = readRanged(r, 3, DeckValue::FST, si);
    deck.FSB = readRanged(r, 4, DeckValue::FSB, si);
    if (deck.NL > kMaxLayers || deck.NL < 0)
        throw RunFailure(
            StatusDeckCountOutOfRange,
            "Project data file \"" + reader.fileLabel() + "\", line " +
                std::to_string(reader.lineNumber()) + ", site record: " + std::to_string(deck.NL) +
                " layers; the engine takes 0 to " + std::to_string(kMaxLayers) + " layers");
}

// The shortest shaft of a length series has at least six diameters of side resistance below
// the ignored top and above the ignored bottom portion (values as read).
void raiseMinimumLength(InputDeck& deck)
{
    deck.PDMIN = std::max(deck.PDMIN, 6.0f * deck.DSTART + deck.TOPLEN + deck.BS);
}

void readMultipleLengthRecord(DeckRecordReader& reader, InputDeck& deck)
{
    DeckRecord r = reader.readRecord(2, "multiple-length record");
    deck.PDMIN = readRanged(r, 0, DeckValue::PDMIN, deck.isSI());
    deck.PDINCR = readRanged(r, 1, DeckValue::PDINCR, deck.isSI());
    if (deck.PDMIN == 0.0f)
        deck.PDMIN = 0.7f * deck.designValue;
    if (deck.PDINCR == 0.0f)
        deck.PDINCR = deck.isSI() ? 1.0f : 3.0f;
    raiseMinimumLength(deck);
}

void readDesignChartRecords(DeckRecordReader& reader, InputDeck& deck)
{
    DeckRecord r = reader.readRecord(4, "design-chart record");
    const bool si = deck.isSI();
    deck.PDMIN = readRanged(r, 0, DeckValue::PDMIN, si);
    deck.PDINCR = readRanged(r, 1, DeckValue::PDINCR, si);
    deck.DIAMINCR = readRanged(r, 2, DeckValue::DIAMINCR, si);
    deck.NPOINTPD = r.integer(3);
    if (deck.NPOINTPD > kMaxChartSettlements)
        throw RunFailure(StatusDeckCountOutOfRange,
                         "Project data file \"" + reader.fileLabel() + "\", line " +
                             std::to_string(reader.lineNumber()) +
                             ", design-chart record: " + std::to_string(deck.NPOINTPD) +
                             " settlements; the engine takes at most " +
                             std::to_string(kMaxChartSettlements));
    DeckRecord settlements = reader.readRecord(deck.NPOINTPD, "settlement record");
    for (int i = 0; i < deck.NPOINTPD; ++i)
        deck.PDSETT[static_cast<std::size_t>(i)] =
            readRanged(settlements, static_cast<std::size_t>(i), DeckValue::PDSETT, si);
    if (deck.PDMIN == 0.0f)
        deck.PDMIN = 0.3f * deck.designValue;
    if (deck.PDINCR == 0.0f)
        deck.PDINCR = deck.isSI() ? 1.0f : 3.0f;
    if (deck.DIAMINCR == 0.0f)
        deck.DIAMINCR = deck.isSI() ? 0.15f : 0.5f;
    raiseMinimumLength(deck);
}

std::string layerRecordName(const char* what, int layerNumber)
{
    return std::string(what) + " of layer " + std::to_string(layerNumber);
}

// The coefficient record holds Ko, beta or m for sand by its method, alpha for clay and shale.
DeckValue coefficientOf(MaterialKind kind, float sandMethod)
{
    if (kind != MaterialKind::Sand)
        return DeckValue::Alpha;
    if (sandMethod == static_cast<float>(SandMethodBeta))
        return DeckValue::Beta;
    if (sandMethod == static_cast<float>(SandMethodKulhawyChen))
        return DeckValue::OCR;
    return DeckValue::Ko;
}

// A word of a layer property record: the quantity of the layer it fills (its top value from
// the record at the top of the layer, its bottom value from the record at the bottom) and the
// range it is checked against. A placeholder word (no quantity) is neither read nor checked.
struct PropertyWord
{
    TopBottom SoilLayer::*quantity = nullptr;
    DeckValue range = DeckValue::UnitWeight;
};

constexpr PropertyWord placeholder()
{
    return {};
}

constexpr PropertyWord word(TopBottom SoilLayer::*quantity, DeckValue range)
{
    return {quantity, range};
}

constexpr PropertyWord kSideLimitWord = word(&SoilLayer::TRANLM, DeckValue::MaxSideFriction);
constexpr PropertyWord kBaseLimitWord = word(&SoilLayer::maxEndBearing, DeckValue::MaxEndBearing);

// Word order of the property records by kind, as the desktop program writes them; the two
// LRFD resistance factors (side, base) follow these words in every record.
// kind 1: "0.0", unit weight, friction angle, interface angle, blow counts, qs, qb
constexpr std::array<PropertyWord, 7> kSandWords{{
    placeholder(),
    word(&SoilLayer::GAMMA, DeckValue::UnitWeight),
    word(&SoilLayer::PHI, DeckValue::FrictionAngle),
    word(&SoilLayer::interfaceAngle, DeckValue::InterfaceAngle),
    word(&SoilLayer::BLOWS, DeckValue::BlowCounts),
    kSideLimitWord,
    kBaseLimitWord,
}};
// kinds 2, 3: Nc, unit weight, "0.0", cohesion, blow counts, qs, qb
constexpr std::array<PropertyWord, 7> kClayWords{{
    word(&SoilLayer::NC, DeckValue::Nc),
    word(&SoilLayer::GAMMA, DeckValue::UnitWeight),
    placeholder(),
    word(&SoilLayer::CU, DeckValue::Cohesion),
    word(&SoilLayer::BLOWS, DeckValue::BlowCounts),
    kSideLimitWord,
    kBaseLimitWord,
}};
// kinds 4, 7: rock strength, concrete strength, spacing, thickness, socket diameter, qs,
// elastic modulus, RQD, qb
constexpr std::array<PropertyWord, 9> kStrongRockWords{{
    word(&SoilLayer::QUR, DeckValue::CompressiveStrength),
    word(&SoilLayer::QUCON, DeckValue::ConcreteStrength),
    word(&SoilLayer::CS, DeckValue::DiscontinuitySpacing),
    word(&SoilLayer::DISCT, DeckValue::DiscontinuityThickness),
    word(&SoilLayer::BDS, DeckValue::SocketDiameter),
    kSideLimitWord,
    word(&SoilLayer::EL, DeckValue::ElasticModulus),
    word(&SoilLayer::RQD, DeckValue::RQD),
    kBaseLimitWord,
}};
// kind 6: rock strength, interface condition, slump, interface friction angle, socket
// diameter, qs, modulus of the rock core, RQD, qb
constexpr std::array<PropertyWord, 9> kWeakRockWords{{
    word(&SoilLayer::QUR, DeckValue::CompressiveStrength),
    word(&SoilLayer::interfaceCondition, DeckValue::InterfaceCondition),
    word(&SoilLayer::slump, DeckValue::ConcreteSlump),
    word(&SoilLayer::interfaceFrictionAngle, DeckValue::InterfaceFrictionAngle),
    word(&SoilLayer::BDS, DeckValue::SocketDiameter),
    kSideLimitWord,
    word(&SoilLayer::EL, DeckValue::ElasticModulus),
    word(&SoilLayer::RQD, DeckValue::RQD),
    kBaseLimitWord,
}};
// kind 5: unit weight, blow counts, Poisson's ratio, Young's modulus, socket diameter, qs, qb
constexpr std::array<PropertyWord, 7> kDecomposedRockWords{{
    word(&SoilLayer::GAMMA, DeckValue::UnitWeight),
    word(&SoilLayer::BLOWS, DeckValue::BlowCounts),
    word(&SoilLayer::poissonRatio, DeckValue::PoissonsRatio),
    word(&SoilLayer::EL, DeckValue::YoungsModulus),
    word(&SoilLayer::BDS, DeckValue::SocketDiameter),
    kSideLimitWord,
    kBaseLimitWord,
}};
// kinds 8, 9: unit weight, blow counts, beta, qs, qb
constexpr std::array<PropertyWord, 5> kGravelWords{{
    word(&SoilLayer::GAMMA, DeckValue::UnitWeight),
    word(&SoilLayer::BLOWS, DeckValue::BlowCounts),
    word(&SoilLayer::beta, DeckValue::Beta),
    kSideLimitWord,
    kBaseLimitWord,
}};

// The words of the property records of a kind; none for a kind outside 1..9 (head record only).
std::span<const PropertyWord> propertyWords(MaterialKind kind)
{
    switch (kind) {
    case MaterialKind::Sand:
        return kSandWords;
    case MaterialKind::Clay:
    case MaterialKind::ClayShale:
        return kClayWords;
    case MaterialKind::StrongRockSideOrBase:
    case MaterialKind::StrongRockSideAndBase:
        return kStrongRockWords;
    case MaterialKind::WeakRock:
        return kWeakRockWords;
    case MaterialKind::DecomposedRock:
        return kDecomposedRockWords;
    case MaterialKind::GravellySand:
    case MaterialKind::Gravel:
        return kGravelWords;
    case MaterialKind::None:
        break;
    }
    return {};
}

// The property records at the top and the bottom of a layer, each word checked against its
// range in record order. A layer keeps the resistance factors of its bottom record.
void readPropertyRecords(DeckRecordReader& reader, SoilLayer& layer, int number,
                         std::span<const PropertyWord> words, bool si)
{
    const std::size_t sideFactorIndex = words.size();
    const std::size_t baseFactorIndex = words.size() + 1;
    for (int row = 0; row < 2; ++row) {
        DeckRecord r = reader.readRecord(static_cast<int>(words.size()) + 2,
                                         layerRecordName(row == 0 ? "property record at the top"
                                                                  : "property record at the bottom",
                                                         number));
        for (std::size_t index = 0; index < words.size(); ++index) {
            const PropertyWord& w = words[index];
            if (!w.quantity)
                continue;
            TopBottom& target = layer.*w.quantity;
            (row == 0 ? target.top : target.bottom) = readRanged(r, index, w.range, si);
        }
        const float sideFactor = readRanged(r, sideFactorIndex, DeckValue::PhiSide, si);
        const float baseFactor = readRanged(r, baseFactorIndex, DeckValue::PhiBase, si);
        if (row == 1) {
            layer.phiS = sideFactor;
            layer.phiB = baseFactor;
        }
    }
}

// Kinds 1, 2, 3 add the method record (sand only) and the coefficient record.
void readCoefficientRecords(DeckRecordReader& reader, SoilLayer& layer, int number,
                            MaterialKind kind, bool si)
{
    if (kind == MaterialKind::Sand)
        layer.sandMethod = reader.readRecord(1, layerRecordName("method record", number)).real(0);
    DeckRecord c = reader.readRecord(2, layerRecordName("coefficient record", number));
    const DeckValue coefficient = coefficientOf(kind, layer.sandMethod);
    layer.coefficient = {readRanged(c, 0, coefficient, si), readRanged(c, 1, coefficient, si)};
}

void deriveLayerValues(SoilLayer& layer)
{
    const MaterialKind kind = layer.kindCode();
    if (kind == MaterialKind::Sand) {
        layer.sandPhi = layer.PHI;
        // No interface angle given at either end: the shaft is rough and the interface angle
        // is the soil's friction angle.
        if (layer.interfaceAngle.top <= 0.0f && layer.interfaceAngle.bottom <= 0.0f)
            layer.interfaceAngle = layer.PHI;
        if (layer.sandMethod == static_cast<float>(SandMethodBeta))
            layer.beta = layer.coefficient;
        else if (layer.sandMethod == static_cast<float>(SandMethodKulhawyChen))
            layer.m = layer.coefficient;
    } else if (kind == MaterialKind::Clay || kind == MaterialKind::ClayShale) {
        layer.alpha = layer.coefficient;
        layer.clayNc = layer.NC;
    }
    for (TopBottom* limit : {&layer.TRANLM, &layer.maxEndBearing}) {
        if (std::fabs(limit->top) < kNoLimitThreshold)
            limit->top = kNoLimit;
        if (std::fabs(limit->bottom) < kNoLimitThreshold)
            limit->bottom = kNoLimit;
    }
}

void readLayers(DeckRecordReader& reader, const DeckEchoTargets& echo, InputDeck& deck)
{
    const bool si = deck.isSI();
    float previousBottom = 0.0f;
    std::string previousText;
    for (int i = 0; i < deck.NL; ++i) {
        const int number = i + 1;
        SoilLayer& layer = deck.layers[static_cast<std::size_t>(i)];
        DeckRecord head = reader.readRecord(2, layerRecordName("head record", number));
        layer.kind = head.real(0);
        layer.bottomDepth = readRanged(head, 1, DeckValue::LayerDepth, si);
        checkLayerBottom(head, 1, number, previousBottom, previousText, si);
        layer.topDepth = previousBottom;
        previousBottom = layer.bottomDepth;
        previousText = head.text(1);
        const MaterialKind kind = layer.kindCode();
        if (kind == MaterialKind::None) {
            writeUnknownKindWarning(echo.report, number, layer.kind);
            writeUnknownKindWarning(echo.runNotes, number, layer.kind);
        } else {
            readPropertyRecords(reader, layer, number, propertyWords(kind), si);
            if (kind == MaterialKind::Sand || methods::isClayFamily(kind))
                readCoefficientRecords(reader, layer, number, kind, si);
        }
        deriveLayerValues(layer);
    }
}

void readTzDepths(DeckRecordReader& reader, InputDeck& deck)
{
    const int count = reader.readRecord(1, "t-z depth count").integer(0);
    for (int i = 0; i < count; ++i)
        deck.tzDepths.push_back(
            readRanged(reader.readRecord(1, "t-z depth " + std::to_string(i + 1)), 0,
                       DeckValue::TZDepth, deck.isSI()));
}

void convertToWorkingUnits(InputDeck& deck)
{
    auto convert = [](float& value, SiInput quantity) {
        value = workingValueOfSiInput(value, quantity);
    };
    auto convertBoth = [&convert](TopBottom& q, SiInput quantity) {
        convert(q.top, quantity);
        convert(q.bottom, quantity);
    };
    for (float* length : {&deck.DSTART, &deck.DIALIM, &deck.TOPLEN, &deck.BS, &deck.WTD,
                          &deck.PDMIN, &deck.PDINCR, &deck.DIAMINCR, &deck.PD})
        convert(*length, SiInput::Length);
    if (deck.METHOD == 1)
        convert(deck.designValue, SiInput::Force);
    else if (deck.METHOD == 2)
        convert(deck.designValue, SiInput::Length);
    for (float& depth : deck.tzDepths)
        convert(depth, SiInput::Length);

    for (int i = 0; i < deck.NL; ++i) {
        SoilLayer& layer = deck.layers[static_cast<std::size_t>(i)];
        convert(layer.topDepth, SiInput::Length);
        convert(layer.bottomDepth, SiInput::Length);
        for (TopBottom* length : {&layer.CS, &layer.DISCT, &layer.BDS})
            convertBoth(*length, SiInput::Length);
        convertBoth(layer.GAMMA, SiInput::UnitWeight);
        for (TopBottom* stress :
             {&layer.CU, &layer.TRANLM, &layer.maxEndBearing, &layer.QUR, &layer.QUCON})
            convertBoth(*stress, SiInput::Stress);
    }
}

} // namespace

void readInputDeck(DeckRecordReader& reader, const DeckEchoTargets& echo, InputDeck& deck)
{
    deck.title = reader.readTextLine(kTitleWidth, "title");
    writeTitleEcho(echo.report, deck.title);
    writeTitleEcho(echo.tzReport, deck.title);

    // The unit system is read as a real: 2 (or 2.0) is SI, any other value English.
    const bool si = reader.readRecord(1, "unit system record").real(0) == 2.0f;
    deck.unitSystem = si ? 2 : 1;
    deck.unitText = si ? "SI" : "EN";

    readControlRecord(reader, deck);
    readShaftRecord(reader, deck);
    readSiteRecord(reader, deck);
    if (deck.IPENT >= 1)
        readMultipleLengthRecord(reader, deck);
    if (deck.IChart >= 1)
        readDesignChartRecords(reader, deck);
    if (deck.METHOD == 2)
        deck.PD = deck.designValue;
    writeSiteEcho(echo.report, deck);

    readLayers(reader, echo, deck);
    if (deck.PrintTZCurves == 1)
        readTzDepths(reader, deck);

    if (deck.METHOD == 2 && deck.PD > deck.profileBottom()) {
        writeShaftBeyondProfileWarning(echo.runNotes);
        writeShaftBeyondProfileWarning(echo.report);
    }

    // A bell whose base equals the stem is a straight shaft; a maximum diameter below the
    // minimum (0 included) means one diameter.
    if (deck.RATIO == 1.0f)
        deck.RATIO = 0.0f;
    if (deck.DIALIM < deck.DSTART)
        deck.DIALIM = deck.DSTART;

    if (deck.isSI())
        convertToWorkingUnits(deck);
}

} // namespace korva
