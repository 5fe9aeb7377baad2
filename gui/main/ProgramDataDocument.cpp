#include "gui/main/ProgramDataDocument.h"

#include "gui/model/LayerTables.h"
#include "gui/model/ProgramData.h"
#include "gui/results/ProjectPlotSettings.h"

namespace korva::gui {

ProgramDataDocument::ProgramDataDocument(std::unique_ptr<TProgramData> project)
    : fData(std::move(project))
{
}

ProgramDataDocument::~ProgramDataDocument() = default;

std::string ProgramDataDocument::FileName() const
{
    return fData->FileName;
}
void ProgramDataDocument::SetFileName(const std::string& fileName)
{
    fData->FileName = fileName;
}
void ProgramDataDocument::Save()
{
    fData->Save();
}
bool ProgramDataDocument::TablesChanged() const
{
    return fData->GetDataChanged();
}
void ProgramDataDocument::SetTablesChanged(bool changed)
{
    fData->SetDataChanged(changed);
}
int ProgramDataDocument::Units() const
{
    return fData->Units();
}
void ProgramDataDocument::SetUnits(int units)
{
    fData->SetUnits(units);
}
int ProgramDataDocument::NLRFD() const
{
    return fData->NLRFD;
}
void ProgramDataDocument::SetNLRFD(int value)
{
    fData->NLRFD = value;
}
int ProgramDataDocument::ComputationMethod() const
{
    return fData->METHOD;
}
void ProgramDataDocument::SetComputationMethod(int value)
{
    fData->METHOD = value;
}
int ProgramDataDocument::IPENT() const
{
    return fData->IPENT;
}
int ProgramDataDocument::IChart() const
{
    return fData->IChart;
}
int ProgramDataDocument::PrintTZCurves() const
{
    return fData->PrintTZCurves;
}
int ProgramDataDocument::ID2() const
{
    return fData->ID2;
}
void ProgramDataDocument::SetID2(int value)
{
    fData->ID2 = value;
}
int ProgramDataDocument::NPOINTPD() const
{
    return fData->NPOINTPD;
}

double ProgramDataDocument::PDSETT(int index) const
{
    if (index < 0 || index >= static_cast<int>(fData->PDSETT.size()))
        return 0;
    return static_cast<double>(fData->PDSETT[static_cast<std::size_t>(index)]);
}

ProfileCheckInput ProgramDataDocument::ProfileCheck() const
{
    ProfileCheckInput input;
    input.units = fData->Units();
    const TGridTable& layers = fData->D();
    for (int row = 0; row < layers.RowCount(); ++row)
        input.layerBottoms.push_back(
            static_cast<double>(layers.GetFloatValue(LayerColumn::Depth, row)));
    input.shaftLength = static_cast<double>(fData->PD);
    input.minimumDiameter = static_cast<double>(fData->DSTART);
    return input;
}

TPlotReadSettings ProgramDataDocument::PlotReadSettings() const
{
    return PlotReadSettingsOf(*fData);
}

std::unique_ptr<ProjectDocument> ProgramDataStore::New()
{
    return std::make_unique<ProgramDataDocument>(TProgramData::Create());
}

std::unique_ptr<ProjectDocument> ProgramDataStore::FromFile(const std::string& fileName, int filter,
                                                            std::string& errorMessage)
{
    TProjectReadResult result = TProgramData::CreateFromFile(fileName, filter);
    errorMessage = result.ErrorMessage;
    return std::make_unique<ProgramDataDocument>(std::move(result.Project));
}

} // namespace korva::gui
