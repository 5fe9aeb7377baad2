#include "gui/model/ProgramData.h"

#include <algorithm>

#include "gui/controls/UnitCodes.h"
#include "gui/model/LayerTables.h"
#include "gui/model/ProjectFile.h"

namespace korva::gui {

TProgramData::TProgramData()
{
    for (int kind = 1; kind <= MaterialKindCount; ++kind)
        fTemplates[static_cast<std::size_t>(kind - 1)] = MakePropertyTemplate(fRegistry, kind);
    fD = MakeLayerTable(fRegistry);
    fTblTZDepth = MakeTZDepthTable(fRegistry);
    SetDataChanged(false);
}

TProgramData::~TProgramData()
{
    // The layer table's rows hold copies that refer to the templates: release it first.
    fD.reset();
    fTblTZDepth.reset();
    for (std::unique_ptr<TGridTable>& table : fTemplates)
        table.reset();
}

std::unique_ptr<TProgramData> TProgramData::Create()
{
    auto project = std::make_unique<TProgramData>();
    TProgramData& p = *project;
    p.SetUnits(1);
    p.FileName = DefaultFileName;
    p.Title = "New Pile";
    p.PINC = 1;
    p.PrintTZCurves = 0;
    p.METHOD = 2;
    p.KCYCL = 1;
    p.RCYCL = 1;
    p.NPOINTPD = 5;
    p.InitPDSET();
    p.FST = 2.5L;
    p.FSB = 3.0L;
    p.ValElevation = 0;
    p.UseElevation = 0;
    p.ID2 = 1;
    p.IPENT = 0;
    p.IChart = 0;
    p.IMOD = 1;
    p.Yesnewversion = 1;
    p.NLRFD = 2;
    p.EmptyTables();
    p.PadTablesToMinRows();
    p.SetDataChanged(false);
    return project;
}

TProjectReadResult TProgramData::CreateFromFile(const std::filesystem::path& fileName,
                                                [[maybe_unused]] int filter)
{
    TProjectReadResult result;
    result.Project = std::make_unique<TProgramData>();
    // The layout comes from the file itself: a filter chosen in the open dialog that does not
    // fit the file ("All Files" for a current file) would otherwise misread it silently.
    result.ErrorMessage = ReadProjectFile(*result.Project, fileName);
    return result;
}

void TProgramData::Save()
{
    SaveProjectFile(*this);
}

void TProgramData::SetUnits(int value)
{
    value = std::clamp(value, 1, 2);
    if (value != fUnits) {
        const long double length = UnitCodes::ConversionFactor("L2", fUnits, value);
        for (long double* field :
             {&PINC, &DSTART, &DIALIM, &TOPLENG, &BS, &WTD, &PD, &PDMIN, &PDINCR, &DIAMINCR})
            *field *= length;
        // Only the settlements in use are converted.
        const long double inch = UnitCodes::ConversionFactor("L", fUnits, value);
        const int settlements = std::clamp(NPOINTPD, 0, MaxSettlementCount);
        for (int i = 0; i < settlements; ++i)
            PDSETT[static_cast<std::size_t>(i)] *= inch;
        LPD *= UnitCodes::ConversionFactor("F2", fUnits, value);
        EPILE *= UnitCodes::ConversionFactor("F/L^2", fUnits, value);
    }
    fUnits = value;
    for (TGridTable* table : GridTables())
        table->SetUnits(value);
}

bool TProgramData::ChangeUnits(int value)
{
    if (std::clamp(value, 1, 2) == fUnits)
        return false;
    SetUnits(value);
    FChanged = true;
    return true;
}

bool TProgramData::StoreShaftLength(long double length)
{
    bool stored = Store(PD, length);
    if (length > 0)
        stored = Store(LPD, 0) || stored;
    return stored;
}

bool TProgramData::StoreDesignLoad(long double load)
{
    bool stored = Store(LPD, load);
    if (load > 0)
        stored = Store(PD, 0) || stored;
    return stored;
}

bool TProgramData::StoreLoading(int kcycl, long double reduction)
{
    const bool uplift = kcycl == 2;
    bool stored = Store(KCYCL, uplift ? 2 : 1);
    stored = Store(RCYCL, uplift ? reduction : 1.0L) || stored;
    return stored;
}

void TProgramData::InitPDSET()
{
    constexpr std::array<long double, MaxSettlementCount> settlements_in{
        0.1L, 0.25L, 0.5L, 0.75L, 1.0L, 1.0L, 1.0L, 1.0L, 1.0L, 1.0L};
    PDSETT = settlements_in;
    if (fUnits == 2)
        for (long double& settlement : PDSETT)
            settlement /= UnitCodes::LetterFactor("L");
}

bool TProgramData::GetDataChanged() const
{
    if (FChanged)
        return true;
    const std::vector<TGridTable*> tables = GridTables();
    return std::any_of(tables.begin(), tables.end(),
                       [](const TGridTable* table) { return table->GetChanged(); });
}

void TProgramData::SetDataChanged(bool changed)
{
    FChanged = changed;
    if (!changed)
        for (TGridTable* table : GridTables())
            table->SetChanged(false);
}

const TGridTable* TProgramData::PropertyTemplate(int kind) const
{
    if (!IsMaterialKind(kind))
        return nullptr;
    return fTemplates[static_cast<std::size_t>(kind - 1)].get();
}

TGridTable* TProgramData::LayerProperties(int layer) const
{
    if (layer < 0 || layer >= fD->RowCount())
        return nullptr;
    return fD->GetTableValue(LayerColumn::Properties, layer);
}

std::vector<TGridTable*> TProgramData::GridTables() const
{
    // Sub-tables follow their owner's unit switch and flags through the layer table, so the
    // property tables of the layers are not listed separately.
    std::vector<TGridTable*> tables;
    for (const std::unique_ptr<TGridTable>& table : fTemplates)
        if (table != nullptr)
            tables.push_back(table.get());
    if (fD != nullptr)
        tables.push_back(fD.get());
    if (fTblTZDepth != nullptr)
        tables.push_back(fTblTZDepth.get());
    return tables;
}

void TProgramData::PadTablesToMinRows()
{
    for (TGridTable* table : GridTables())
        table->EnsureMinRows();
    for (int layer = 0; layer < fD->RowCount(); ++layer)
        if (TGridTable* properties = LayerProperties(layer))
            properties->EnsureMinRows();
}

void TProgramData::EmptyTables()
{
    for (TGridTable* table : GridTables())
        table->SetRowCount(0);
}

} // namespace korva::gui
