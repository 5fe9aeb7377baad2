#pragma once
#include "gui/main/ProjectDocument.h"

#include <memory>

class TProgramData;

namespace korva::gui {

// The project model (TProgramData with its soil layer tables) behind the main window.
class ProgramDataDocument : public ProjectDocument
{
  public:
    explicit ProgramDataDocument(std::unique_ptr<TProgramData> project);
    ~ProgramDataDocument() override;

    TProgramData& Data() { return *fData; }
    const TProgramData& Data() const { return *fData; }

    std::string FileName() const override;
    void SetFileName(const std::string& fileName) override;
    void Save() override;
    bool TablesChanged() const override;
    void SetTablesChanged(bool changed) override;
    int Units() const override;
    void SetUnits(int units) override;
    int NLRFD() const override;
    void SetNLRFD(int value) override;
    int ComputationMethod() const override;
    void SetComputationMethod(int value) override;
    int IPENT() const override;
    int IChart() const override;
    int PrintTZCurves() const override;
    int ID2() const override;
    void SetID2(int value) override;
    int NPOINTPD() const override;
    double PDSETT(int index) const override;
    ProfileCheckInput ProfileCheck() const override;
    TPlotReadSettings PlotReadSettings() const override;

  private:
    std::unique_ptr<TProgramData> fData;
};

// Creates projects with TProgramData: Create for a new one, CreateFromFile for a file.
class ProgramDataStore : public ProjectStore
{
  public:
    std::unique_ptr<ProjectDocument> New() override;
    std::unique_ptr<ProjectDocument> FromFile(const std::string& fileName, int filter,
                                              std::string& errorMessage) override;
};

} // namespace korva::gui
