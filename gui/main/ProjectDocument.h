#pragma once
#include "gui/main/ProfileCheck.h"
#include "gui/main/ProjectFileNames.h"
#include "gui/results/PlotReadSettings.h"

#include <memory>
#include <string>

namespace korva::gui {

// The open project as the main window sees it: the project object and the grid tables of
// its soil layers. The main window reaches the project only through this interface, so the
// window logic can be exercised with a scripted project in tests.
class ProjectDocument
{
  public:
    virtual ~ProjectDocument() = default;

    virtual std::string FileName() const = 0;
    virtual void SetFileName(const std::string& fileName) = 0;
    // Writes the project data file under FileName; throws with the system's reason when the
    // file cannot be written completely. Marks the tables unchanged on success.
    virtual void Save() = 0;

    // A change in any grid table of the project since the last save or load.
    virtual bool TablesChanged() const = 0;
    virtual void SetTablesChanged(bool changed) = 0;

    virtual int Units() const = 0;
    // Switches the unit system and converts the stored values.
    virtual void SetUnits(int units) = 0;
    virtual int NLRFD() const = 0;
    virtual void SetNLRFD(int value) = 0;
    // METHOD: 1 design load given, 2 shaft length given (named apart from Qt's METHOD macro).
    virtual int ComputationMethod() const = 0;
    virtual void SetComputationMethod(int value) = 0;
    virtual int IPENT() const = 0;
    virtual int IChart() const = 0;
    virtual int PrintTZCurves() const = 0;
    virtual int ID2() const = 0;
    virtual void SetID2(int value) = 0;
    virtual int NPOINTPD() const = 0;
    // Design-chart settlement index (0-based), in inches or metres.
    virtual double PDSETT(int index) const = 0;

    // Layer bottoms, shaft length and minimum diameter for the check before a run.
    virtual ProfileCheckInput ProfileCheck() const = 0;
    // Project fields the plot data reader labels and fills the result graphs with.
    virtual TPlotReadSettings PlotReadSettings() const = 0;
};

// Creates project documents: a new project, or one read from a file with the reader of the
// given filter (1 current layout, 2 previous, 3 old, 4 previous layout through "All Files").
// A format error stops reading: the partly read project is returned and errorMessage holds
// the text to show (empty when the whole file was read).
class ProjectStore
{
  public:
    virtual ~ProjectStore() = default;
    virtual std::unique_ptr<ProjectDocument> New() = 0;
    virtual std::unique_ptr<ProjectDocument> FromFile(const std::string& fileName, int filter,
                                                      std::string& errorMessage) = 0;
};

} // namespace korva::gui
