#pragma once
#include "gui/dialogs/DataWindow.h"

class QLineEdit;

namespace korva::gui {

// "Project Title": the one line of text that describes the project (at most 80 characters).
class TfrmTitle : public TDataWindow
{
    Q_OBJECT

  public:
    explicit TfrmTitle(const TChildWindowContext& context);
    QLineEdit* TitleEdit() const { return fTitle; }

    static constexpr int MaxTitleLength = 80;

  protected:
    void LoadValues() override;
    void StoreValues() override;

  private:
    QLineEdit* fTitle;
};

} // namespace korva::gui
