#include "gui/main/UserPrompt.h"

#include "gui/main/ProjectFileNames.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

namespace korva::gui {

QStringList OpenDialogFilters()
{
    return {"KORVA 2017(*.kv8d)", "KORVA 2012(*.kvd)", "KORVA 6.0(*.kvd)", "All Files(*)"};
}

QStringList SaveDialogFilters()
{
    return {"KORVA 2017(*.kv8d)", "All File(*)"};
}

UserPrompt::Answer DialogPrompt::AskSaveChanges()
{
    const auto button = QMessageBox::question(
        fParent, ApplicationTitle, "Do you want to save any changes?",
        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes);
    if (button == QMessageBox::Yes)
        return Answer::Yes;
    if (button == QMessageBox::No)
        return Answer::No;
    return Answer::Cancel;
}

void DialogPrompt::Information(const QString& text)
{
    QMessageBox::information(fParent, ApplicationTitle, text);
}

void DialogPrompt::Warning(const QString& text)
{
    QMessageBox::warning(fParent, ApplicationTitle, text);
}

void DialogPrompt::Error(const QString& text)
{
    QMessageBox::critical(fParent, ApplicationTitle, text);
}

QString DialogPrompt::OpenFileName(const QString& folder, const QStringList& filters,
                                   int& filterIndex)
{
    QFileDialog dialog(fParent, "Open", folder);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setNameFilters(filters);
    if (filterIndex >= 1 && filterIndex <= filters.size())
        dialog.selectNameFilter(filters[filterIndex - 1]);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    filterIndex = static_cast<int>(filters.indexOf(dialog.selectedNameFilter())) + 1;
    if (filterIndex < 1)
        filterIndex = 1;
    return dialog.selectedFiles().first();
}

QString DialogPrompt::SaveFileName(const QString& title, const QString& folder,
                                   const QString& fileName, const QStringList& filters)
{
    QFileDialog dialog(fParent, title, folder);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters(filters);
    // A typed name without extension gets the extension of the suggested name (a project
    // data file when that has none).
    const QString suggested = QFileInfo(fileName).suffix();
    dialog.setDefaultSuffix(suggested.isEmpty() ? QString(ProjectDataExtension).mid(1) : suggested);
    dialog.selectFile(fileName);
    while (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty()) {
        const QString chosen = dialog.selectedFiles().first();
        const QFileInfo info(chosen);
        if (!info.dir().exists()) {
            Warning("The folder " + QDir::toNativeSeparators(info.absolutePath()) +
                    " does not exist.");
            continue;
        }
        if (info.exists() && !info.isWritable()) {
            Warning(QDir::toNativeSeparators(chosen) + " is read-only.\nPlease choose another "
                                                       "file name.");
            continue;
        }
        return chosen;
    }
    return {};
}

} // namespace korva::gui
