#include "engine/InputDeckReader.h"

#include "engine/InputEcho.h"
#include "engine/RunFailure.h"
#include "engine/RunStatus.h"
#include "engine/UnitConversion.h"

#include <algorithm>
#include <cmath>

namespace korva {
namespace {

// Magnitudes below this in TRANLM or maximum end bearing mean "no limit".
constexpr float NoLimitThreshold = 1.0e-10f;

void readControlRecord(DeckRecordReader& reader, InputDeck& deck)
{
    DeckRecord r = reader.readRecord(11, "control record");
    deck.METHOD = r.integer(0);
    deck.KCYCL = r.integer(1);
    deck.RCYCL = r.real(2);
    deck.PINC = r.real(3);
    deck.IMOD = r.integer(4);
    deck.NLRFD = r.integer(5);
    deck.IPENT = r.integer(6);
    deck.IChart = r.integer(7);
    deck.UseElevation = r.integer(8);
    deck.ValElevation = r.real(9);
    deck.PrintTZCurves = r.integer(10);
}

void readShaftRecord(DeckRecordReader& reader, InputDeck& deck)
{
    DeckRecord r = reader.readRecord(7, "shaft record");
    deck.DSTART = r.real(0);
    deck.DIALIM = r.real(1);
    deck.RATIO = r.real(2);
    deck.BELANG = r.real(3);
    deck.TOPLEN = r.real(4);
    deck.BS = r.real(5);
    deck.Ec = r.real(6);
}

void readSiteRecord(DeckRecordReader& reader, InputDeck& deck)
{
    DeckRecord r = reader.readRecord(5, "site record");
    deck.NL = r.integer(0);
    deck.WTD = r.real(1);
    deck.designValue = r.real(2);
    deck.FST = r.real(3);
    deck.FSB = r.real(4);
    if (deck.NL > MaxLayers || deck.NL < 0)
        throw RunFailure(
            StatusDeckCountOutOfRange,
            "Project data file \"" + reader.fileLabel() + "\", line " +
                std::to_string(reader.lineNumber()) + ", site record: " + std::to_string(deck.NL) +
                " layers; the engine takes 0 to " + std::to_string(MaxLayers) + " layers");
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
    deck.PDMIN = r.real(0);
    deck.PDINCR = r.real(1);
    if (deck.PDMIN == 0.0f)
        deck.PDMIN = 0.7f * deck.designValue;
    if (deck.PDINCR == 0.0f)
        deck.PDINCR = deck.isSI() ? 1.0f : 3.0f;
    raiseMinimumLength(deck);
}

void readDesignChartRecords(DeckRecordReader& reader, InputDeck& deck)
{
    DeckRecord r = reader.readRecord(4, "design-chart record");
    deck.PDMIN = r.real(0);
    deck.PDINCR = r.real(1);
    deck.DIAMINCR = r.real(2);
    deck.NPOINTPD = r.integer(3);
    if (deck.NPOINTPD > MaxChartSettlements)
        throw RunFailure(StatusDeckCountOutOfRange,
                         "Project data file \"" + reader.fileLabel() + "\", line " +
                             std::to_string(reader.lineNumber()) +
                             ", design-chart record: " + std::to_string(deck.NPOINTPD) +
                             " settlements; the engine takes at most " +
                             std::to_string(MaxChartSettlements));
    DeckRecord settlements = reader.readRecord(deck.NPOINTPD, "settlement record");
    for (int i = 0; i < deck.NPOINTPD; ++i)
        deck.PDSETT[static_cast<std::size_t>(i)] = settlements.real(static_cast<std::size_t>(i));
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

// Kinds 1, 2, 3: top and bottom property records of 9 values, the method record (sand only)
// and the coefficient record.
void readSoilLayer(DeckRecordReader& reader, SoilLayer& layer, int number, MaterialKind kind)
{
    TopBottom phiS;
    TopBottom phiB;
    for (int row = 0; row < 2; ++row) {
        DeckRecord r =
            reader.readRecord(9, layerRecordName(row == 0 ? "property record at the top"
                                                          : "property record at the bottom",
                                                 number));
        auto set = [row](TopBottom& q, float v) { (row == 0 ? q.top : q.bottom) = v; };
        if (kind == MaterialKind::Sand) {
            set(layer.GAMMA, r.real(1));
            set(layer.PHI, r.real(2));
            set(layer.interfaceAngle, r.real(3));
        } else {
            set(layer.NC, r.real(0));
            set(layer.GAMMA, r.real(1));
            set(layer.CU, r.real(3));
        }
        set(layer.BLOWS, r.real(4));
        set(layer.TRANLM, r.real(5));
        set(layer.maxEndBearing, r.real(6));
        set(phiS, r.real(7));
        set(phiB, r.real(8));
    }
    layer.phiS = phiS.bottom;
    layer.phiB = phiB.bottom;
    if (kind == MaterialKind::Sand)
        layer.sandMethod = reader.readRecord(1, layerRecordName("method record", number)).real(0);
    DeckRecord c = reader.readRecord(2, layerRecordName("coefficient record", number));
    layer.coefficient = {c.real(0), c.real(1)};
}

// Kinds 4, 6, 7: two property records of 11 values.
void readRockLayer(DeckRecordReader& reader, SoilLayer& layer, int number, MaterialKind kind)
{
    for (int row = 0; row < 2; ++row) {
        DeckRecord r =
            reader.readRecord(11, layerRecordName(row == 0 ? "property record at the top"
                                                           : "property record at the bottom",
                                                  number));
        auto set = [row](TopBottom& q, float v) { (row == 0 ? q.top : q.bottom) = v; };
        set(layer.QUR, r.real(0));
        if (kind == MaterialKind::WeakRock) {
            set(layer.interfaceCondition, r.real(1));
            set(layer.slump, r.real(2));
            set(layer.interfaceFrictionAngle, r.real(3));
        } else {
            set(layer.QUCON, r.real(1));
            set(layer.CS, r.real(2));
            set(layer.DISCT, r.real(3));
        }
        set(layer.BDS, r.real(4));
        set(layer.TRANLM, r.real(5));
        set(layer.EL, r.real(6));
        set(layer.RQD, r.real(7));
        set(layer.maxEndBearing, r.real(8));
        // One value per layer: the bottom record's value replaces the top record's.
        layer.phiS = r.real(9);
        layer.phiB = r.real(10);
    }
}

// Kind 5: two property records of 9 values.
void readDecomposedRockLayer(DeckRecordReader& reader, SoilLayer& layer, int number)
{
    for (int row = 0; row < 2; ++row) {
        DeckRecord r =
            reader.readRecord(9, layerRecordName(row == 0 ? "property record at the top"
                                                          : "property record at the bottom",
                                                 number));
        auto set = [row](TopBottom& q, float v) { (row == 0 ? q.top : q.bottom) = v; };
        set(layer.GAMMA, r.real(0));
        set(layer.BLOWS, r.real(1));
        set(layer.poissonRatio, r.real(2));
        set(layer.EL, r.real(3));
        set(layer.BDS, r.real(4));
        set(layer.TRANLM, r.real(5));
        set(layer.maxEndBearing, r.real(6));
        layer.phiS = r.real(7);
        layer.phiB = r.real(8);
    }
}

// Kinds 8, 9: two property records of 7 values.
void readGravelLayer(DeckRecordReader& reader, SoilLayer& layer, int number)
{
    for (int row = 0; row < 2; ++row) {
        DeckRecord r =
            reader.readRecord(7, layerRecordName(row == 0 ? "property record at the top"
                                                          : "property record at the bottom",
                                                 number));
        auto set = [row](TopBottom& q, float v) { (row == 0 ? q.top : q.bottom) = v; };
        set(layer.GAMMA, r.real(0));
        set(layer.BLOWS, r.real(1));
        set(layer.beta, r.real(2));
        set(layer.TRANLM, r.real(3));
        set(layer.maxEndBearing, r.real(4));
        layer.phiS = r.real(5);
        layer.phiB = r.real(6);
    }
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
        if (std::fabs(limit->top) < NoLimitThreshold)
            limit->top = NoLimit;
        if (std::fabs(limit->bottom) < NoLimitThreshold)
            limit->bottom = NoLimit;
    }
}

void readLayers(DeckRecordReader& reader, const DeckEchoTargets& echo, InputDeck& deck)
{
    float previousBottom = 0.0f;
    for (int i = 0; i < deck.NL; ++i) {
        const int number = i + 1;
        SoilLayer& layer = deck.layers[static_cast<std::size_t>(i)];
        DeckRecord head = reader.readRecord(2, layerRecordName("head record", number));
        layer.kind = head.real(0);
        layer.bottomDepth = head.real(1);
        layer.topDepth = previousBottom;
        previousBottom = layer.bottomDepth;
        const MaterialKind kind = layer.kindCode();
        switch (kind) {
        case MaterialKind::Sand:
        case MaterialKind::Clay:
        case MaterialKind::ClayShale:
            readSoilLayer(reader, layer, number, kind);
            break;
        case MaterialKind::StrongRockSideOrBase:
        case MaterialKind::StrongRockSideAndBase:
        case MaterialKind::WeakRock:
            readRockLayer(reader, layer, number, kind);
            break;
        case MaterialKind::DecomposedRock:
            readDecomposedRockLayer(reader, layer, number);
            break;
        case MaterialKind::GravellySand:
        case MaterialKind::Gravel:
            readGravelLayer(reader, layer, number);
            break;
        case MaterialKind::None:
            writeUnknownKindWarning(echo.report, number, layer.kind);
            writeUnknownKindWarning(echo.runNotes, number, layer.kind);
            break;
        }
        deriveLayerValues(layer);
    }
}

void readTzDepths(DeckRecordReader& reader, InputDeck& deck)
{
    const int count = reader.readRecord(1, "t-z depth count").integer(0);
    for (int i = 0; i < count; ++i)
        deck.tzDepths.push_back(reader.readRecord(1, "t-z depth " + std::to_string(i + 1)).real(0));
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
    deck.title = reader.readTextLine(TitleWidth, "title");
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
