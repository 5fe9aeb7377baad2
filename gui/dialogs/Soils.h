#pragma once
#include <QDialog>

#include <array>
#include <vector>

class QButtonGroup;
class QComboBox;
class QGridLayout;
class QLabel;
class QPushButton;
class QRadioButton;
class QTabWidget;

namespace korva::gui {

class TDataEdit;
class TGridTable;
class TProgramData;

// "Data for Layer k": the kind-specific property values of one layer, a top field and a
// bottom field per value, on the page of the layer's kind group (sand; clay and shale; strong
// rock; decomposed rock; weak rock; gravelly sand and gravel). Shown modally by the soil
// layers window. The fields are filled from the layer's property table when the window is
// shown and stored back when it is closed: the sand page first zeroes the values its chosen
// side-friction procedure does not use, blow counts are rounded to whole numbers.
class TDlgSoils : public QDialog
{
    Q_OBJECT

  public:
    TDlgSoils(TProgramData& project, QWidget* parent = nullptr);

    // Set by the caller before the window is shown: the layer (1-based) and its kind.
    int LayerNumber = 1;
    int LayerType = 1;

    // Index of the page of each kind group.
    enum Page { SandPage, ClayPage, RockPage, DecomposedRockPage, WeakRockPage, GravelPage };
    static int PageOfKind(int kind);
    QTabWidget* Pages() const { return fPages; }

    // Stores the fields into the property table; false when an entry is refused (a field
    // that does not hold a number, or the Ko procedure without a Ko value): the user has been
    // told, the window stays open and nothing is stored.
    bool StoreValues();

  public slots:
    void done(int result) override;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    // One value: its top and bottom fields and its property-table column.
    struct TFieldPair
    {
        TDataEdit* Top = nullptr;
        TDataEdit* Bottom = nullptr;
        int Column = 0;
        bool BlowCounts = false; // stored as a whole number
    };
    struct TPage
    {
        QWidget* Widget = nullptr;
        QLabel* Heading = nullptr;
        std::vector<TFieldPair> Fields;
    };

    QWidget* NewPage(Page page, const char* name, const char* tabCaption);
    // Adds a value row to a page's grid: the caption with its unit, the top and bottom fields.
    TFieldPair& AddValue(Page page, const char* caption, const char* unitCode, int column,
                         bool blowCounts = false);
    QLabel* AddNote(Page page, const QString& text);
    void BuildSandPage();
    void BuildClayPage();
    void BuildRockPage();
    void BuildDecomposedRockPage();
    void BuildWeakRockPage();
    void BuildGravelPage();

    TGridTable* Properties() const;
    // Fills the visible page from the property table (activation).
    void LoadValues();
    // Sand: which fields and notes the checked procedure uses.
    void UpdateSandEnabling();
    int CheckedSandMethod() const;
    void CopyTopToBottomClick();
    void CloseClick();
    bool CheckEntries();

    TProgramData& fProject;
    QTabWidget* fPages = nullptr;
    std::array<TPage, 6> fPage;
    std::array<QGridLayout*, 6> fGrid{};
    std::array<int, 6> fNextRow{};
    QButtonGroup* fSandMethod = nullptr;
    QRadioButton* fKoMethod = nullptr;
    QRadioButton* fBetaMethod = nullptr;
    QRadioButton* fChenKulhawyMethod = nullptr;
    // Sand notes shown by procedure: (*), first (***), (**), second (***).
    QLabel* fNoteEstimate = nullptr;
    QLabel* fNoteFrictionIgnored = nullptr;
    QLabel* fNoteExponent = nullptr;
    QLabel* fNoteFrictionEstimated = nullptr;
    QComboBox* fInterfaceTop = nullptr;
    QComboBox* fInterfaceBottom = nullptr;
    QPushButton* fCopy = nullptr;
    QPushButton* fClose = nullptr;
};

} // namespace korva::gui
