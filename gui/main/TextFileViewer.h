#pragma once
#include <QMainWindow>
#include <QString>

#include <functional>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QToolBar;

namespace korva::gui {

// A project's text file (report, run notes, data file) shown read-only in a window of the
// program, for when no text editor can be started: monospaced type so that the report's
// columns line up, Find, Print to PDF and "Open in Editor..." for choosing an editor program.
class TTextFileViewer : public QMainWindow
{
    Q_OBJECT

  public:
    explicit TTextFileViewer(const QString& filePath, QWidget* parent = nullptr);

    const QString& FilePath() const { return fFilePath; }
    // Reads the file again (after a run has rewritten it); false with the reason shown in the
    // window when it cannot be read.
    bool Reload();

    QPlainTextEdit* Text() const { return fText; }
    QLineEdit* FindBox() const { return fFindBox; }
    QLabel* FindStatus() const { return fFindStatus; }
    QToolBar* Tools() const { return fTools; }

    // Commands.
    void FindClick();
    // Selects the next occurrence of the find box's text after the cursor, from the top again
    // after the last one; false when there is none.
    bool FindNext();
    void PrintToPdfClick();
    void OpenInEditorClick();
    // Writes the text to a PDF file, one monospaced page after another; false on failure.
    bool PrintToPdf(const QString& pdfPath) const;

    // What the commands ask of the user; dialogs unless replaced (by tests).
    std::function<QString(const QString& suggested)> ChoosePdfFile;
    std::function<QString()> ChooseEditorProgram;
    std::function<void(const QString&)> Inform;

  private:
    QString fFilePath;
    QPlainTextEdit* fText;
    QToolBar* fTools;
    QWidget* fFindBar;
    QLineEdit* fFindBox;
    QLabel* fFindStatus;
};

} // namespace korva::gui
