#pragma once

#include <QDialog>

#include <functional>
#include <vector>

class QCheckBox;
class QListWidget;
class QPushButton;

namespace korva::gui {

class TGraphPlot;

// "Export to Excel": the result graphs that the Graphics menu offers, each with a check mark,
// exported as one spreadsheet workbook. The list is rebuilt, fully checked, each time the
// window is shown; "Add markers in plots" keeps the user's last choice while the program runs.
class TDlgExport : public QDialog
{
    Q_OBJECT
  public:
    // What the window needs of the program.
    struct THooks
    {
        // The offered graphs, in the order of the export table.
        std::function<std::vector<TGraphPlot*>()> Offered;
        // Asks where the workbook goes; empty when the user cancels.
        std::function<QString()> ChooseFile;
        std::function<void(const QString&)> Inform;
        // A failed export: the message names the file.
        std::function<void(const QString&)> Warn;
        // Opens the written workbook with the desktop's application for it; false when there
        // is none.
        std::function<bool(const QString&)> Open;
    };

    explicit TDlgExport(THooks hooks, QWidget* parent = nullptr);

    // "Generate Excel File": asks for the file, writes the checked graphs (graph k = the k-th
    // checked entry), opens the workbook and tells the user; the window stays open.
    void GenerateClick();
    void SelectAllClick();
    void UnselectAllClick();

    QListWidget* CheckListBoxPlots() const { return fList; }
    QCheckBox* AddMarkers() const { return fMarkers; }
    QPushButton* SelectAllButton() const { return fSelectAll; }
    QPushButton* UnselectAllButton() const { return fUnselectAll; }
    QPushButton* GenerateButton() const { return fGenerate; }
    QPushButton* CloseButton() const { return fClose; }

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void FillList();
    void UpdateGenerateButton();
    void SetAllChecks(bool checked);

    THooks fHooks;
    // The graph of each list position, valid while the window is shown.
    std::vector<TGraphPlot*> fGraphs;
    QListWidget* fList;
    QCheckBox* fMarkers;
    QPushButton* fSelectAll;
    QPushButton* fUnselectAll;
    QPushButton* fGenerate;
    QPushButton* fClose;
};

} // namespace korva::gui
