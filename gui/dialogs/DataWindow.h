#pragma once
#include "gui/main/ChildWindow.h"

#include <QWidget>

#include <functional>
#include <vector>

class QGridLayout;
class QLabel;

namespace korva::gui {

class TDataEdit;
class TProgramData;

// The common pattern of the data windows of the shaft and analysis options. The window shows
// the project's values each time it becomes active and stores them when it is left or
// closed. Before anything is stored the focused numeric field runs its acceptance check and
// every numeric field's text is evaluated: one refused entry stores nothing and keeps the
// window open on that field, so leaving a window never stores half of its values and never
// loses a valid one.
class TDataWindow : public QWidget, public EditingWindow
{
    Q_OBJECT

  public:
    TDataWindow(const TChildWindowContext& context, const QString& caption);

    bool StoreEdits() override;
    void ShowProjectValues() override;

    // A numeric field of this window with its label in a grid row: caption (unit text
    // appended), unit code, range. `hint` is the tool tip.
    TDataEdit* AddField(QGridLayout* grid, int row, const QString& caption, const QString& unitCode,
                        const char* limitsOf, const QString& hint = {});

  protected:
    // Fills the fields from the project.
    virtual void LoadValues() = 0;
    // Stores the fields into the project (every field's text is known to evaluate).
    virtual void StoreValues() = 0;
    // Enables and shows the controls that depend on other controls.
    virtual void UpdateEnabling() {}
    // Further entries that must be valid before anything is stored (a grid of settlements):
    // false after telling the user.
    virtual bool CheckOtherEntries() { return true; }

    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

    TProgramData& Project() const { return fContext.Project; }
    const TChildWindowContext& Context() const { return fContext; }
    // The number of a field: checked when the field is enabled; a disabled field that does not
    // hold a number leaves `unchanged`, the value stored before.
    static long double Number(const TDataEdit* field, long double unchanged);
    // A label of notes in the window's font.
    QLabel* Note(const QString& text);

  private:
    // With live results on, a field the user accepted stores the window's values at once.
    void StoreAcceptedField();

    TChildWindowContext fContext;
    std::vector<TDataEdit*> fFields;
    bool fChoicesWatched = false;
};

} // namespace korva::gui
