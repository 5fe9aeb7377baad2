#pragma once

#include <QDialog>
#include <QStringList>

#include <functional>

class QLineEdit;
class QListWidget;

namespace korva::gui {

// "Legend": edits the names of all curves of a graph. Selecting an entry copies it into the
// edit box (in the entry's colour); Enter or leaving the box stores the text into the list,
// an empty text is refused with "The line must have a name!". Enter in the box never closes
// the dialog: only OK and Cancel do.
class TfrmLineNames : public QDialog
{
    Q_OBJECT
  public:
    TfrmLineNames(const QStringList& names, QWidget* parent = nullptr);

    // The names as edited (one per curve, in curve order).
    QStringList Names() const;

    QListWidget* List() const { return fList; }
    QLineEdit* Edit() const { return fEdit; }

    // Shows a message to the user (an information box unless replaced, e.g. by tests).
    std::function<void(const QString&)> Inform;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void SelectionChanged();
    void StoreEdit();

    QListWidget* fList;
    QLineEdit* fEdit;
};

} // namespace korva::gui
