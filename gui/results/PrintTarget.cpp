#include "gui/results/PrintTarget.h"

#include <QFileDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

namespace korva::gui {

bool ChoosePrintTarget(QPrinter& printer, QWidget* parent, const QString& startFolder)
{
    if (QPrinterInfo::availablePrinters().isEmpty()) {
        // No printer installed: the page goes to a PDF file instead.
        QString path = QFileDialog::getSaveFileName(parent, QStringLiteral("Print to PDF File"),
                                                    startFolder, QStringLiteral("PDF (*.pdf)"));
        if (path.isEmpty())
            return false;
        if (!path.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive))
            path += QStringLiteral(".pdf");
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        return true;
    }
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

} // namespace korva::gui
