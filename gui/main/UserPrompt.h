#pragma once
#include <QString>
#include <QStringList>

class QWidget;

namespace korva::gui {

// Everything the main window asks of the user: message boxes and file dialogs. The desktop
// program uses DialogPrompt; tests substitute scripted answers.
class UserPrompt
{
  public:
    enum class Answer { Yes, No, Cancel };

    virtual ~UserPrompt() = default;
    // "Do you want to save any changes?" with Yes, No and Cancel.
    virtual Answer AskSaveChanges() = 0;
    virtual void Information(const QString& text) = 0;
    virtual void Warning(const QString& text) = 0;
    // An unexpected failure of a command (an exception that reached the window).
    virtual void Error(const QString& text) = 0;
    // Open dialog: returns the chosen path (empty when cancelled) and the 1-based index of
    // the chosen filter.
    virtual QString OpenFileName(const QString& folder, const QStringList& filters,
                                 int& filterIndex) = 0;
    // Save dialog: returns the chosen path, empty when cancelled.
    virtual QString SaveFileName(const QString& title, const QString& folder,
                                 const QString& fileName, const QStringList& filters) = 0;
};

// Filters of the open and save dialogs.
QStringList OpenDialogFilters();
QStringList SaveDialogFilters();

// Message boxes and file dialogs on a parent window.
class DialogPrompt : public UserPrompt
{
  public:
    explicit DialogPrompt(QWidget* parent) : fParent(parent) {}
    Answer AskSaveChanges() override;
    void Information(const QString& text) override;
    void Warning(const QString& text) override;
    void Error(const QString& text) override;
    QString OpenFileName(const QString& folder, const QStringList& filters,
                         int& filterIndex) override;
    QString SaveFileName(const QString& title, const QString& folder, const QString& fileName,
                         const QStringList& filters) override;

  private:
    QWidget* fParent;
};

} // namespace korva::gui
