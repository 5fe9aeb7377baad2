#pragma once
#include <QDialog>

namespace korva::gui {

class TProgramData;
class TTzDepthsGroup;

// "Option of Printing t-z Curves": the t-z printing option alone, as a modal window.
class TfrmTZPrint : public QDialog
{
    Q_OBJECT

  public:
    TfrmTZPrint(TProgramData& project, QWidget* parent);
    TTzDepthsGroup* Group() const { return fGroup; }

  protected:
    void done(int result) override;

  private:
    TProgramData& fProject;
    TTzDepthsGroup* fGroup;
};

} // namespace korva::gui
