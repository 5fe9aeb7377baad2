#pragma once
#include <string_view>

#include "engine/methods/CurveSelector.h"
#include "engine/methods/SocketSettlement.h"

// Fixed texts of the load-transfer and load-settlement output: warnings, table headings and
// notes. The methods return data and result codes; the writers put these texts around the
// numbers. Leading blanks are part of each text.
namespace korva::texts {

// --- Curve depth or tip beyond the strength profile (run status 2 or 4) ---------------------
// Written as: an empty line, kWarningHeading, then kValueOfX + depth (in) + the suffix.
// The depth field is E10.3 for a t-z curve depth and E9.2 for the tip depth.
inline constexpr std::string_view kWarningHeading =
    "                             **** WARNING ****";
inline constexpr std::string_view kValueOfX = "     THE VALUE OF X =";
inline constexpr std::string_view kTzDepthBeyondProfile =
    " IS BEYOND THE EXTENT OF THE INPUT STRENGTH CURVE 1";
inline constexpr std::string_view kTipDepthBeyondProfile =
    " IS BEYOND THE EXTENT OF THE INPUT STRENGTH CURVE";
inline constexpr int kTzDepthFieldWidth = 10; // E10.3
inline constexpr int kTzDepthFieldDecimals = 3;
inline constexpr int kTipDepthFieldWidth = 9; // E9.2
inline constexpr int kTipDepthFieldDecimals = 2;

// --- Curve headings -----------------------------------------------------------------------
inline constexpr std::string_view kTrendHeading = "RESULT FROM TREND (AVERAGED) LINE";
inline constexpr std::string_view kUpperBoundHeading = "RESULT FROM UPPER-BOUND LINE";
inline constexpr std::string_view kLowerBoundHeading = "RESULT FROM LOWER-BOUND LINE";

constexpr std::string_view selectorHeading(methods::CurveSelector selector)
{
    switch (selector) {
    case methods::CurveSelector::UpperBound:
        return kUpperBoundHeading;
    case methods::CurveSelector::LowerBound:
        return kLowerBoundHeading;
    case methods::CurveSelector::Trend:
        break;
    }
    return kTrendHeading;
}

// Column heading of a t-z curve table (report, additional curves and the detail file).
inline constexpr std::string_view kTzTableHeading =
    "T-Z CURVE   NO. OF   DEPTH TO CURVE   LOAD TRANSFER   PILE MOVEMENT";

// --- Load-settlement table of a soil tip -----------------------------------------------------
// A selector heading, an empty line, kLoadSettlementColumns, a units line built from
// kLoadSettlementUnitsLayout, then 15 rows of E17.4 and three times E16.4.
inline constexpr std::string_view kLoadSettlementColumns =
    "        TOP  LOAD     TOP MOVEMENT       TIP LOAD      TIP  MOVEMENT";
// Units line: 11 blanks, load unit, 13 blanks, movement unit, 14 blanks, load unit,
// 12 blanks, movement unit.
inline constexpr std::string_view kLoadUnitEnglish = "TON";
inline constexpr std::string_view kMovementUnitEnglish = "IN.";
inline constexpr std::string_view kLoadUnitSi = "KN.";
inline constexpr std::string_view kMovementUnitSi = " M.";
inline constexpr std::string_view kLoadSettlementUnitsEnglish =
    "           TON             IN.              TON            IN.";
inline constexpr std::string_view kLoadSettlementUnitsSi =
    "           KN.              M.              KN.             M.";
inline constexpr std::string_view kDefinedSettlementsHeading = "RESULT FOR DEFINED SETTLEMENTS";

// --- Detail file of the segment march -------------------------------------------------------
inline constexpr std::string_view kTzNoteSandClay =
    "     NOTE: TZ CURVE DATA ARE AVAILABLE FOR SAND AND CLAY LAYERS ONLY.";
inline constexpr std::string_view kPageMark = "1";
inline constexpr std::string_view kAssumedTipMovementColumns =
    "        ASSUMED TIP MOVEMENT        TIP   LOAD";
inline constexpr std::string_view kSegmentColumns1 =
    "     DEPTH   LOAD     LOAD      TOTAL      AVG     COMP       TOTAL     AVG";
inline constexpr std::string_view kSegmentColumns2 =
    "           TRANSFER   INCR      LOAD       LOAD    OF INCR    MVMNT     MVMNT";

// Run-notes text for a load-settlement curve in which a segment's middle movement did not
// settle within the trial limit; the last trial was used. Written once per curve, followed
// by the selector heading of that curve.
inline constexpr std::string_view kSegmentNotConverged =
    "     NOTE: THE SEGMENT MOVEMENT DID NOT CONVERGE WITHIN 100 TRIALS;"
    " THE LAST TRIAL WAS USED FOR THE CURVE:";

// Report text when the shaft data give no load-settlement solution (length, diameter, modulus
// or segment count not positive); written after kWarningHeading.
inline constexpr std::string_view kInvalidShaft =
    "     THE SHAFT LENGTH, DIAMETER OR MODULUS IS NOT POSITIVE: NO LOAD SETTLEMENT CURVE IS"
    " COMPUTED.";

// Heading record of the design-chart work file.
inline constexpr std::string_view kChartFileHeading =
    " DIAM LENG BASE DIAM(IN) BASE MOV(IN) BASE AREA(SQ IN)";

// --- Socket load-settlement tables ----------------------------------------------------------
// Written as two empty lines and these two lines, then the 15 points.
inline constexpr std::string_view kSocketTableTitle =
    "                      LOAD SETTLEMENT RELATIONSHIP      ";
inline constexpr std::string_view kSocketTableUnderline =
    "               ------------------------------------------   ";

// Socket data for which the closed-form solution has no finite value: the case gets no
// load-settlement curve and the report shows the warning heading and one of these lines.
inline constexpr std::string_view kSocketZeroDiameter =
    "     THE SOCKET DIAMETER IS ZERO: NO LOAD SETTLEMENT CURVE IS COMPUTED.";
inline constexpr std::string_view kSocketZeroLength =
    "     THE SOCKET LENGTH IS ZERO: NO LOAD SETTLEMENT CURVE IS COMPUTED.";
inline constexpr std::string_view kSocketZeroModulus =
    "     THE ROCK OR CONCRETE MODULUS IS ZERO: NO LOAD SETTLEMENT CURVE IS COMPUTED.";
inline constexpr std::string_view kSocketZeroStrength =
    "     THE ROCK STRENGTH, BLOW COUNT OR STRESS IS ZERO: NO LOAD SETTLEMENT CURVE IS COMPUTED.";
inline constexpr std::string_view kSocketOutOfRange =
    "     THE SOCKET DATA ARE OUTSIDE THE RANGE OF THE METHOD: NO LOAD SETTLEMENT CURVE IS"
    " COMPUTED.";

// Line the report shows, after the warning heading, when a socket procedure gives no curve.
constexpr std::string_view socketWarningText(methods::SocketCode code)
{
    switch (code) {
    case methods::SocketCode::ZeroSocketDiameter:
        return kSocketZeroDiameter;
    case methods::SocketCode::ZeroSocketLength:
        return kSocketZeroLength;
    case methods::SocketCode::ZeroModulus:
        return kSocketZeroModulus;
    case methods::SocketCode::ZeroStrength:
        return kSocketZeroStrength;
    case methods::SocketCode::OutOfRange:
        return kSocketOutOfRange;
    case methods::SocketCode::Ok:
        break;
    }
    return {};
}

} // namespace korva::texts
