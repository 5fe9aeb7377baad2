#pragma once
// An example project copied into a fresh folder and analysed by the main window, as Run
// Analysis does, with the engine library of this build and scripted answers.
#include "ScriptedPrompt.h"
#include "gui/main/Main.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <memory>

struct TExampleRun
{
    QTemporaryDir folder;
    QString project;
    ScriptedPrompt* answers = nullptr; // owned by the main window
    std::unique_ptr<korva::gui::TMainForm> form;
    korva::gui::EngineRunEnd outcome = korva::gui::EngineRunEnd::NotStarted;

    // `example` names a project of examples/ or tests/data/gui/, without extension.
    explicit TExampleRun(const QString& example)
    {
        QString source = QString(KORVA_EXAMPLES) + "/" + example + ".kv8d";
        if (!QFileInfo::exists(source))
            source = QString(KORVA_TEST_DATA) + "/gui/" + example + ".kv8d";
        project = folder.filePath(example + ".kv8d");
        if (!QFile::copy(source, project))
            return;
        auto prompt = std::make_unique<ScriptedPrompt>();
        answers = prompt.get();
        form = std::make_unique<korva::gui::TMainForm>(std::move(prompt));
        form->SetEngineLibraryPath(KORVA_ENGINE_LIBRARY);
        form->StartUp({project});
        outcome = form->CompRunClick();
    }
    bool Ran() const
    {
        return form && outcome == korva::gui::EngineRunEnd::Completed && form->ShowOutput;
    }
    QString File(const QString& name) const { return folder.filePath(name); }
};
