#pragma once
// Scripted answers for the main window's questions, and a record of what it showed.
#include "gui/main/UserPrompt.h"

#include <QQueue>

class ScriptedPrompt : public korva::gui::UserPrompt
{
  public:
    QQueue<Answer> saveAnswers;    // answers to "Do you want to save any changes?"
    QQueue<QString> saveFileNames; // chosen paths of Save As dialogs ("" = cancelled)
    QQueue<QString> openFileNames;
    QQueue<int> openFilters; // 1-based filter chosen with each open dialog (default 1)
    int askCount = 0;
    QStringList informations;
    QStringList warnings;
    QStringList errors;
    QStringList saveTitles;
    QStringList saveSuggestions;

    Answer AskSaveChanges() override
    {
        ++askCount;
        return saveAnswers.isEmpty() ? Answer::Cancel : saveAnswers.dequeue();
    }
    void Information(const QString& text) override { informations << text; }
    void Warning(const QString& text) override { warnings << text; }
    void Error(const QString& text) override { errors << text; }
    QString OpenFileName(const QString&, const QStringList&, int& filterIndex) override
    {
        filterIndex = openFilters.isEmpty() ? 1 : openFilters.dequeue();
        return openFileNames.isEmpty() ? QString() : openFileNames.dequeue();
    }
    QString SaveFileName(const QString& title, const QString&, const QString& fileName,
                         const QStringList&) override
    {
        saveTitles << title;
        saveSuggestions << fileName;
        return saveFileNames.isEmpty() ? QString() : saveFileNames.dequeue();
    }
};
