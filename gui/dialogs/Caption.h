#pragma once

#include <QDialog>

class QLineEdit;
class QRadioButton;

namespace korva::gui {

// "Graph Caption": the graph title drawn on the plot and whether it stands above or below.
class TfrmGraphCaption : public QDialog
{
    Q_OBJECT
  public:
    TfrmGraphCaption(const QString& caption, bool onTop, QWidget* parent = nullptr);

    QString GraphCaption() const;
    bool CaptionOnTop() const;

    QLineEdit* CaptionEdit() const { return fEdit; }
    QRadioButton* TopButton() const { return fTop; }
    QRadioButton* BottomButton() const { return fBottom; }

  private:
    QLineEdit* fEdit;
    QRadioButton* fTop;
    QRadioButton* fBottom;
};

} // namespace korva::gui
