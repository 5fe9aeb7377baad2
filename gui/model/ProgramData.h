#pragma once

#include <array>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "gui/controls/GridTable.h"
#include "gui/controls/GridTableRegistry.h"

namespace korva::gui {

struct TProjectReadResult;

// The one open project of the desktop program: its scalar data and the grid tables of its
// soil profile (layer table D with one property table per layer, the per-kind property
// templates, and the additional t-z curve depths TblTZDepth). Units of the fields: L2 = ft
// or m, L = in or m, F2 = tons or kN, F/L^2 = lbs/in^2 or kN/m^2 (unit system fUnits).
class TProgramData
{
  public:
    // An empty project as the file readers start from: every field 0 (unit system English),
    // every table empty, PDSETT all 0.
    TProgramData();
    ~TProgramData();
    TProgramData(const TProgramData&) = delete;
    TProgramData& operator=(const TProgramData&) = delete;

    // A new project with the defaults: English units, "NewKorva.kv8d", title "New Pile", one
    // default sand layer, one t-z depth 0; marked unchanged.
    static std::unique_ptr<TProgramData> Create();
    // A project read from a file, in the layout its control record has (ReadProjectFile),
    // whatever the open dialog's filter (1 current layout, 2 previous, 3 old, 4 all files).
    // Never throws a format error: the result carries the message to show; what was read
    // stays in the project.
    static TProjectReadResult CreateFromFile(const std::filesystem::path& fileName, int filter);

    // Writes the project to FileName (see ProjectFile.h): the previous file is replaced only
    // once the new one is completely written. Throws EInOutError (the system's reason, or
    // the value that cannot be written) and leaves the project
    // marked changed on failure; marks it unchanged on success.
    void Save();

    // Unit system: 1 English, 2 SI.
    int Units() const { return fUnits; }
    // Switches the unit system (values >= 3 count as 2, below 1 as 1), converting the
    // dimensioned scalar fields and every grid table when the system changes.
    void SetUnits(int value);
    // Resets PDSETT to the default design-chart settlements (0.1, 0.25, 0.5, 0.75 and six
    // times 1.0 inches; in metres for an SI project). NPOINTPD is not touched.
    void InitPDSET();

    // Changed flag: set by every edit of the scalar data (SetDataChanged(true)); true also
    // when any grid table reports a change. SetDataChanged(false) clears every mark.
    bool GetDataChanged() const;
    void SetDataChanged(bool changed);

    // Edits ---------------------------------------------------------------------------------
    // The menus and the data windows store through these: a value is stored only when it
    // differs from the stored one, and then the project is marked changed. Each returns
    // whether something was stored.
    template <class TField, class TValue> bool Store(TField& field, const TValue& value)
    {
        const auto stored = static_cast<TField>(value);
        if (field == stored)
            return false;
        field = stored;
        FChanged = true;
        return true;
    }
    // Switches the unit system (SetUnits) when the clamped code differs from the current one.
    bool ChangeUnits(int value);
    // The proposed shaft length PD; a positive length zeroes the design load LPD, since at
    // most one of the two is given.
    bool StoreShaftLength(long double length);
    // The design load LPD; a positive load zeroes the shaft length PD.
    bool StoreDesignLoad(long double load);
    // Type of loading: uplift (KCYCL 2) keeps the given reduction factor RCYCL, compression
    // (KCYCL 1) has none (RCYCL 1).
    bool StoreLoading(int kcycl, long double reduction);

    // Grid tables --------------------------------------------------------------------------
    TGridTable& D() { return *fD; }
    const TGridTable& D() const { return *fD; }
    TGridTable& TblTZDepth() { return *fTblTZDepth; }
    const TGridTable& TblTZDepth() const { return *fTblTZDepth; }
    // Property table template of a material kind 1-9 (nullptr for another code).
    const TGridTable* PropertyTemplate(int kind) const;
    // Property table of layer row `layer` (0-based), nullptr when the row has none.
    TGridTable* LayerProperties(int layer) const;
    // The project's top-level grid tables: the templates, the layer table and the t-z depth
    // table. The layers' property tables are reached through the layer table, which passes
    // unit switches and change marks on to them.
    std::vector<TGridTable*> GridTables() const;
    // Gives every grid table at least its minimum row count.
    void PadTablesToMinRows();
    // Empties every grid table (row count 0).
    void EmptyTables();

    // Scalar data ---------------------------------------------------------------------------
    std::string FileName;                 // full path of the project data file
    std::string Title;                    // one line, UTF-8
    long double PINC = 0;                 // output increment of the printed report (L2)
    int PrintTZCurves = 0;                // 1 = print t-z curves at the depths of TblTZDepth
    int METHOD = 0;                       // 1 design load specified, 2 shaft length specified
    int KCYCL = 0;                        // 1 compression, 2 uplift
    long double RCYCL = 0;                // reduction factor for uplift loading
    long double DSTART = 0;               // minimum shaft diameter (L2)
    long double DIALIM = 0;               // maximum shaft diameter (L2)
    long double RATIO = 0;                // bell base diameter / shaft diameter
    long double BELANGL = 0;              // bell angle from the vertical (deg)
    long double TOPLENG = 0;              // upper zone without side resistance (L2)
    long double BS = 0;                   // bottom portion without side resistance (L2)
    long double EPILE = 0;                // modulus of elasticity of the shaft (F/L^2)
    long double WTD = 0;                  // depth of the water table (L2)
    long double PD = 0;                   // proposed shaft length (L2), computation method 2
    long double LPD = 0;                  // design load (F2), computation method 1
    long double PDMIN = 0;                // minimum shaft length, multiple lengths and charts (L2)
    long double PDINCR = 0;               // shaft length increment (L2)
    long double DIAMINCR = 0;             // design-chart diameter increment (L2)
    int NPOINTPD = 0;                     // design-chart settlements in use (at most 10)
    std::array<long double, 10> PDSETT{}; // design-chart settlements (L)
    long double FST = 0;                  // factor of safety on ultimate side friction (ASD)
    long double FSB = 0;                  // factor of safety on ultimate base capacity (ASD)
    long double ValElevation = 0;         // elevation of the top of the shaft (L2)
    int UseElevation = 0;                 // 1 = label depth plots with elevations
    int ID2 = 0;                          // settlement-bounds code (0 once a rock layer is saved)
    int IPENT = 0;                        // 1 = evaluate multiple shaft lengths
    int IChart = 0;                       // 1 = produce design charts
    int IMOD = 0;                         // sand end bearing: 1 linear to 10 diameters, 0 maximum
    int Yesnewversion = 0;                // 0 only for a project read from the oldest layout
    int NLRFD = 0;                        // 1 LRFD, 2 ASD

    static constexpr const char* DefaultFileName = "NewKorva.kv8d";
    static constexpr int MaxSettlementCount = 10;

  private:
    int fUnits = 1;
    bool FChanged = false;
    // Declared first: it outlives every table registered in it.
    TGridTableRegistry fRegistry;
    std::array<std::unique_ptr<TGridTable>, 9> fTemplates;
    std::unique_ptr<TGridTable> fD;
    std::unique_ptr<TGridTable> fTblTZDepth;
};

// Outcome of reading a project file: the project (always present) and, when reading stopped
// early, the message to show (the partly read project is kept, tables padded).
struct TProjectReadResult
{
    std::unique_ptr<TProgramData> Project;
    std::string ErrorMessage;
    bool Failed() const { return !ErrorMessage.empty(); }
};

} // namespace korva::gui
