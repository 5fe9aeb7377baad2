#include "gui/main/TextFileViewer.h"

#include "gui/main/TextEditorLauncher.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QStatusBar>
#include <QTextDocument>
#include <QToolBar>
#include <QVBoxLayout>

namespace korva::gui {

TTextFileViewer::TTextFileViewer(const QString& filePath, QWidget* parent)
    : QMainWindow(parent), fFilePath(QFileInfo(filePath).absoluteFilePath())
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QFileInfo(fFilePath).fileName() + " (read-only)");
    Inform = [this](const QString& text) { QMessageBox::information(this, windowTitle(), text); };
    ChoosePdfFile = [this](const QString& suggested) {
        return QFileDialog::getSaveFileName(this, "Print to PDF File", suggested, "PDF (*.pdf)");
    };
    ChooseEditorProgram = [this] {
        return QFileDialog::getOpenFileName(this, "Open in Editor", "/usr/bin", "Programs (*)");
    };

    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    fText = new QPlainTextEdit(central);
    fText->setReadOnly(true);
    // Columns of the report line up only in a fixed-pitch face; long lines are not folded.
    fText->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    fText->setLineWrapMode(QPlainTextEdit::NoWrap);
    fText->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    layout->addWidget(fText, 1);

    fFindBar = new QWidget(central);
    auto* findLayout = new QHBoxLayout(fFindBar);
    findLayout->setContentsMargins(6, 2, 6, 2);
    auto* findLabel = new QLabel("&Find:", fFindBar);
    fFindBox = new QLineEdit(fFindBar);
    fFindBox->setObjectName("FindBox");
    findLabel->setBuddy(fFindBox);
    auto* next = new QPushButton("Find &Next", fFindBar);
    next->setAutoDefault(false);
    fFindStatus = new QLabel(fFindBar);
    fFindStatus->setMinimumWidth(fFindStatus->fontMetrics().horizontalAdvance("From the top") + 8);
    findLayout->addWidget(findLabel);
    findLayout->addWidget(fFindBox, 1);
    findLayout->addWidget(next);
    findLayout->addWidget(fFindStatus);
    fFindBar->hide();
    layout->addWidget(fFindBar);
    setCentralWidget(central);

    fTools = addToolBar("Text");
    fTools->setObjectName("TextTools");
    fTools->setMovable(false);
    fTools->setToolButtonStyle(Qt::ToolButtonTextOnly);
    QAction* find = fTools->addAction("&Find...", this, [this] { FindClick(); });
    find->setObjectName("Find");
    find->setShortcut(QKeySequence::Find);
    QAction* findNext = new QAction(this);
    findNext->setShortcuts({QKeySequence::FindNext});
    connect(findNext, &QAction::triggered, this, [this] { FindNext(); });
    addAction(findNext);
    fTools->addAction("&Print to PDF...", this, [this] { PrintToPdfClick(); })
        ->setObjectName("PrintToPdf");
    fTools->addAction("&Open in Editor...", this, [this] { OpenInEditorClick(); })
        ->setObjectName("OpenInEditor");
    QAction* closeAction = fTools->addAction("&Close", this, [this] { close(); });
    closeAction->setObjectName("Close");
    closeAction->setShortcut(QKeySequence::Close);

    connect(fFindBox, &QLineEdit::returnPressed, this, [this] { FindNext(); });
    connect(next, &QPushButton::clicked, this, [this] { FindNext(); });
    Reload();
    resize(820, 640);
}

bool TTextFileViewer::Reload()
{
    QFile file(fFilePath);
    if (!file.open(QIODevice::ReadOnly)) {
        fText->setPlainText(QDir::toNativeSeparators(fFilePath) + ": " + file.errorString());
        return false;
    }
    // The engine writes the report in the locale's 8-bit code; UTF-8 reads the same for ASCII.
    fText->setPlainText(QString::fromLocal8Bit(file.readAll()));
    return true;
}

void TTextFileViewer::FindClick()
{
    fFindBar->show();
    fFindBox->setFocus();
    fFindBox->selectAll();
}

bool TTextFileViewer::FindNext()
{
    const QString wanted = fFindBox->text();
    if (wanted.isEmpty())
        return false;
    if (fText->find(wanted)) {
        fFindStatus->clear();
        return true;
    }
    // From the top again.
    QTextCursor cursor = fText->textCursor();
    cursor.movePosition(QTextCursor::Start);
    fText->setTextCursor(cursor);
    if (fText->find(wanted)) {
        fFindStatus->setText("From the top");
        return true;
    }
    fFindStatus->setText("Not found");
    return false;
}

bool TTextFileViewer::PrintToPdf(const QString& pdfPath) const
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdfPath);
    printer.setDocName(QFileInfo(fFilePath).fileName());
    QTextDocument document;
    document.setDefaultFont(fText->font());
    document.setPlainText(fText->toPlainText());
    document.print(&printer);
    return QFileInfo(pdfPath).size() > 0;
}

void TTextFileViewer::PrintToPdfClick()
{
    const QFileInfo file(fFilePath);
    QString path = ChoosePdfFile(file.absolutePath() + "/" + file.completeBaseName() + ".pdf");
    if (path.isEmpty())
        return;
    if (!path.endsWith(".pdf", Qt::CaseInsensitive))
        path += ".pdf";
    if (!PrintToPdf(path))
        Inform("The PDF file " + QDir::toNativeSeparators(path) + " could not be written.");
}

void TTextFileViewer::OpenInEditorClick()
{
    const QString program = ChooseEditorProgram();
    if (program.isEmpty())
        return;
    // A path with blanks is one word of the command.
    const QString command = program.contains(' ') ? '"' + program + '"' : program;
    const TEditorLaunch launch = ResolveTextEditor(command);
    if (launch.BuiltInViewer)
        Inform(QDir::toNativeSeparators(program) +
               " works only inside a terminal, and no terminal program (x-terminal-emulator, "
               "xterm) is installed.");
    else if (!StartTextEditor(launch.Command, fFilePath))
        Inform(EditorStartFailedMessage);
}

} // namespace korva::gui
