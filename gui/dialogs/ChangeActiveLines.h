#pragma once

#include <QDialog>
#include <QStringList>

#include <vector>

class QListWidget;

namespace korva::gui {

// "Active Curves": chooses which curves of a graph are listed in the legend and drawn.
// Entries read " yes : " or " no  : ", three blanks and the curve name.
class TfrmActiveLines : public QDialog
{
    Q_OBJECT
  public:
    TfrmActiveLines(const QStringList& names, const std::vector<bool>& active,
                    QWidget* parent = nullptr);

    std::vector<bool> Active() const;

    QListWidget* List() const { return fList; }
    void ActivateAll();
    void DeactivateAll();
    void ToggleSelected();
    void Toggle(int row);

  private:
    void SetEntry(int row, bool active);

    QListWidget* fList;
    QStringList fNames;
};

} // namespace korva::gui
