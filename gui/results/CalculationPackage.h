#pragma once

#include "gui/results/GraphPlot.h"

#include <string>
#include <vector>

namespace korva::gui {

// What goes into the calculation package of one analysed project.
struct TCalculationPackage
{
    std::string ProjectTitle;
    std::string ProjectFile;              // full path of the project data file
    std::string RunTime;                  // date and time of the run ("2026-03-14 09:26")
    std::string ProgramVersion;           // "2017.8.10"
    int Units = 1;                        // 1 English, 2 SI
    int NLRFD = 2;                        // 1 LRFD, 2 ASD
    std::string Report;                   // the text report, one line per report line
    std::vector<const TGraphPlot*> Plots; // one page each, in this order
};

// Page counts of a written package: the title page, then the report, then one page per plot.
struct TPackagePages
{
    int Report = 0;
    int Plots = 0;
    int Total() const { return 1 + Report + Plots; }
};

// The package of a run: the report (".kv8o") beside the project file, read whole, the run's
// time taken from that report file. Throws EInOutError naming the report when it cannot be read.
TCalculationPackage CalculationPackageOfRun(const std::string& projectFile,
                                            const std::string& projectTitle, int units, int nlrfd,
                                            const std::string& programVersion,
                                            std::vector<const TGraphPlot*> plots);

// Writes the package as one PDF: a title page (title, project file, run time, program version,
// units, design method, contents and a sign-off block), the report in a monospaced font with
// the project title in a running header and page numbers, then one vector page per plot with
// its caption, painted by the plot window's page painter. The file is written through a
// temporary file in the same folder and renamed; a failure throws EInOutError naming the file
// and leaves an earlier file of that name untouched.
TPackagePages WriteCalculationPackage(const std::string& fileName,
                                      const TCalculationPackage& package);

} // namespace korva::gui
