#include "gui/main/UserSettings.h"

#include "gui/main/ProjectFileNames.h"

#include <QSettings>

namespace korva::gui {

namespace {

constexpr const char* Organisation = "Velmar";
constexpr const char* Application = "KORVA";

QString FileKey(int index)
{
    return QStringLiteral("File%1").arg(index + 1);
}

} // namespace

bool UserSettings::Exists()
{
    QSettings settings(Organisation, Application);
    return settings.childGroups().contains(ProgramVersion);
}

void UserSettings::ReadEditorAndFolder()
{
    QSettings settings(Organisation, Application);
    if (settings.status() != QSettings::NoError)
        return;
    settings.beginGroup(ProgramVersion);
    wordProcessor = settings.value("Word Processor").toString();
    directory = settings.value("Directory").toString();
}

void UserSettings::ReadEditorAndRecentFiles()
{
    QSettings settings(Organisation, Application);
    if (settings.status() != QSettings::NoError) {
        wordProcessor.clear();
        recentFiles.Clear();
        return;
    }
    settings.beginGroup(ProgramVersion);
    const QString editor = settings.value("Word Processor").toString();
    if (!editor.isEmpty())
        wordProcessor = editor;
    for (int i = 0; i < RecentFiles::Capacity; ++i)
        recentFiles.SetEntry(i, settings.value(FileKey(i)).toString().toStdString());
}

void UserSettings::Write() const
{
    QSettings settings(Organisation, Application);
    settings.beginGroup(ProgramVersion);
    settings.setValue("Word Processor", wordProcessor);
    settings.setValue("Directory", directory);
    for (int i = 0; i < RecentFiles::Capacity; ++i)
        settings.setValue(FileKey(i), QString::fromStdString(recentFiles.Entry(i)));
    settings.endGroup();
    settings.sync(); // a write failure is ignored: the settings are a convenience only
}

bool UserSettings::ReadLiveResults()
{
    QSettings settings(Organisation, Application);
    if (settings.status() != QSettings::NoError)
        return false;
    settings.beginGroup(ProgramVersion);
    return settings.value("Live Results", false).toBool();
}

void UserSettings::WriteLiveResults(bool on)
{
    QSettings settings(Organisation, Application);
    settings.beginGroup(ProgramVersion);
    settings.setValue("Live Results", on);
    settings.endGroup();
    settings.sync();
}

} // namespace korva::gui
