#pragma once
// The project data file as the engine uses it: every value of the input deck after reading,
// defaults, derived values and conversion to the English working units (ft, lb/ft^2, lb/ft^3,
// tons). Moduli (Ec, EL) stay as read: the driver converts them to tons/ft^2.
#include <array>
#include <string>
#include <vector>

#include "engine/methods/MaterialKind.h"
#include "engine/methods/SandSideResistance.h"

namespace korva {

inline constexpr int kMaxLayers = 49;           // layer storage of the engine
inline constexpr int kMaxChartSettlements = 10; // design-chart settlements (PDSETT)
inline constexpr int kTitleWidth = 72;          // characters of the title kept by the engine
inline constexpr float kNoLimit = 1.0e10f;      // TRANLM or end bearing without a limit

// Material kind of a layer: the one enumeration of the codes 1-9 (None for any other code).
using methods::MaterialKind;

// Sand side-friction procedures (method record of a sand layer).
enum SandMethod : int {
    SandMethodKo = 1,
    SandMethodBeta = 2,
    SandMethodKulhawyChen = 3, // preconsolidation stress exponent m
};

// A quantity given at the top and at the bottom of a layer; the methods interpolate linearly
// in depth between the two.
struct TopBottom
{
    float top = 0.0f;
    float bottom = 0.0f;
};

// One soil or rock layer. Only the quantities of the layer's kind are read; the others are 0.
struct SoilLayer
{
    float kind = 0.0f;        // kind code as read (a real: "2" and "2.0" are the same)
    float topDepth = 0.0f;    // ft
    float bottomDepth = 0.0f; // ft

    // Property records.
    TopBottom GAMMA;                  // total unit weight, lb/ft^3 (kinds 1, 2, 3, 5, 8, 9)
    TopBottom PHI;                    // friction angle, deg (kind 1)
    TopBottom interfaceAngle;         // soil-shaft interface angle, deg (kind 1)
    TopBottom BLOWS;                  // SPT blow count N (kinds 1, 2, 3, 5, 8, 9)
    TopBottom TRANLM;                 // maximum side friction, lb/ft^2 (kNoLimit when none)
    TopBottom maxEndBearing;          // maximum end bearing, lb/ft^2 (kNoLimit when none)
    TopBottom NC;                     // bearing capacity factor (kinds 2, 3)
    TopBottom CU;                     // undrained shear strength, lb/ft^2 (kinds 2, 3)
    TopBottom QUR;                    // rock compressive strength, lb/ft^2 (kinds 4, 6, 7)
    TopBottom QUCON;                  // concrete compressive strength, lb/ft^2 (kinds 4, 7)
    TopBottom CS;                     // spacing of discontinuities, ft (kinds 4, 7)
    TopBottom DISCT;                  // thickness of discontinuities, ft (kinds 4, 7)
    TopBottom BDS;                    // socket diameter, ft (kinds 4, 5, 6, 7)
    TopBottom EL;                     // rock modulus (4, 6, 7) or Young's modulus (5), as read
    TopBottom RQD;                    // rock quality designation, % (kinds 4, 6, 7)
    TopBottom interfaceCondition;     // interface condition index 1..4 (kind 6)
    TopBottom slump;                  // concrete slump, in or m as read (kind 6)
    TopBottom interfaceFrictionAngle; // interface friction angle, deg (kind 6)
    TopBottom poissonRatio;           // Poisson's ratio (kind 5)
    TopBottom beta;                   // beta: property of kinds 8, 9; sand beta method (kind 1)
    float phiS = 0.0f;                // LRFD resistance factor, side friction
    float phiB = 0.0f;                // LRFD resistance factor, end bearing

    // Method and coefficient records.
    float sandMethod = 0.0f; // kind 1: SandMethod code as read
    TopBottom coefficient;   // kind 1: Ko, beta or m as read; kinds 2, 3: alpha as read

    // Derived on reading.
    TopBottom sandPhi; // kind 1: friction angles for the sand methods
    TopBottom alpha;   // kinds 2, 3: strength reduction factor
    TopBottom m;       // kind 1, method 3: preconsolidation stress exponent
    TopBottom clayNc;  // kinds 2, 3: end-bearing factor

    // The kind as one of 1..9, or MaterialKind::None for any other code.
    MaterialKind kindCode() const;
    // Side-friction procedure of a sand layer by its method code: Ko (1), beta (2), else the
    // preconsolidation-stress procedure.
    methods::SandProcedure sandProcedure() const;
};

struct InputDeck
{
    std::string title = std::string(kTitleWidth, ' '); // 72 characters, blank-padded
    int unitSystem = 1;                                // 2 SI; 1 for any other value read
    std::string unitText = "EN";                       // "SI" or "EN"
    bool isSI() const { return unitText == "SI"; }

    // Control record.
    int METHOD = 0; // 1 design load given, 2 shaft length given
    int KCYCL = 0;  // 1 compression, 2 uplift
    float RCYCL = 0.0f;
    float PINC = 0.0f; // depth step of printed rows, project units (not converted)
    int IMOD = 0;
    int NLRFD = 0; // 1 LRFD, any other value ASD
    int IPENT = 0;
    int IChart = 0;
    int UseElevation = 0;
    float ValElevation = 0.0f;
    int PrintTZCurves = 0;

    // Shaft record (lengths in ft; Ec as read).
    float DSTART = 0.0f;
    float DIALIM = 0.0f;
    float RATIO = 0.0f;
    float BELANG = 0.0f; // deg
    float TOPLEN = 0.0f;
    float BS = 0.0f;
    float Ec = 0.0f;

    // Site record.
    int NL = 0;
    float WTD = 0.0f;         // ft
    float designValue = 0.0f; // design load in tons (METHOD 1) or proposed length in ft (2)
    float PD = 0.0f;          // proposed shaft length in ft when METHOD = 2, otherwise 0
    float FST = 0.0f;
    float FSB = 0.0f;

    // Multiple lengths and design charts (ft).
    float PDMIN = 0.0f;
    float PDINCR = 0.0f;
    float DIAMINCR = 0.0f;
    int NPOINTPD = 0;
    std::array<float, kMaxChartSettlements> PDSETT{}; // in or m, as read

    // Additional t-z curve depths (ft).
    std::vector<float> tzDepths;

    std::array<SoilLayer, kMaxLayers> layers{};

    // Bottom depth of the deepest layer (0 without layers), ft.
    float profileBottom() const;
};

} // namespace korva
