#pragma once
#include "gui/main/ChildWindow.h"

#include <QPointer>
#include <QWidget>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QPushButton;
class QTableWidget;

namespace korva::gui {

class TDataEdit;
class TProgramData;

// "Soill Layers": the layers of the soil profile from the ground surface down, one grid row
// per layer with its kind, the depth of its bottom, the limits on side friction and end
// bearing and, in LRFD projects, the two resistance factors. Over each row lie an "Edit Layer"
// button (the layer editor of that layer), a drop-down list of the nine kinds and a numeric
// field per value. The grid's cells hold the values as text while the window is shown; the
// layer table D gets them back when the window is left or closed. Kind changes, added,
// inserted and deleted layers go straight into D, with their property tables.
class TDlgSoilLayers : public QWidget, public EditingWindow
{
    Q_OBJECT

  public:
    explicit TDlgSoilLayers(const TChildWindowContext& context);

    // Fills the grid from D and lays out the row controls (activation).
    void ShowProjectValues() override;
    // Writes the grid back into D and marks the project changed (deactivation). False when a
    // field holds text that is not a number: the field keeps the focus, nothing is stored.
    bool StoreEdits() override;

    QTableWidget* LayerGrid() const { return fLayerGrid; }
    // Grid row of the layer last touched; the layer handed to the layer editor (1-based).
    int FocusRow = FirstLayerRow;
    int LayerNumber = 1;

    // Grid rows of the two heading lines come first: layer k (1-based) lies in grid row k + 1.
    static constexpr int HeadingRows = 2;
    static constexpr int FirstLayerRow = HeadingRows;

    // Grid columns.
    static constexpr int ButtonColumn = 0;
    static constexpr int KindColumn = 1;
    static constexpr int DepthColumn = 2;
    static constexpr int SideLimitColumn = 3;
    static constexpr int EndLimitColumn = 4;
    static constexpr int SideFactorColumn = 5;
    static constexpr int EndFactorColumn = 6;

  protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    TProgramData& Project() const { return fContext.Project; }
    int LayerCount() const;
    bool LRFD() const;
    int ValueColumnCount() const;

    void FillGrid();
    void FillHeadings();
    void FillRow(int gridRow);
    void LayOutRowControls();
    void FitGrid();
    void EnableButtons();
    void WriteBack();

    // The numeric field the user was in last accepts its text; false when it refused.
    bool AcceptActiveField();
    // Every field's number into its cell; false (message shown, field focused) when a field
    // does not hold a number.
    bool CommitFields();
    void CopyFieldToCell(TDataEdit* field);
    TDataEdit* Field(int gridRow, int gridColumn) const;
    long double CellNumber(int gridRow, int gridColumn) const;
    void SetCellNumber(int gridRow, int gridColumn, long double value);
    // Checks and stores what is typed before a command that moves or opens layers.
    bool PrepareCommand();

    void EditLayerClick(int gridRow);
    void KindChange(int gridRow, int index);
    void AddLayerClick();
    void InsertLayerClick();
    void DeleteLayerClick();

    TChildWindowContext fContext;
    QGroupBox* fGroup = nullptr;
    QTableWidget* fLayerGrid = nullptr;
    QPushButton* fAdd = nullptr;
    QPushButton* fInsert = nullptr;
    QPushButton* fDelete = nullptr;
    QPushButton* fClose = nullptr;
    QCheckBox* fConfirmDeletion = nullptr;
    QPointer<TDataEdit> fActiveField;
};

} // namespace korva::gui
