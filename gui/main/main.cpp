// The desktop program korvawin: edits, stores and runs drilled-shaft projects and shows their
// results. An optional first argument names a project data file to open; the options of
// CommandLineExport.h export a project's results without a window.
#include "gui/main/Main.h"
#include "gui/main/CommandLineExport.h"
#include "gui/main/ToolBarIcons.h"
#include "gui/views/GlWindow.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QStringList options;
    for (int i = 1; i < argc; ++i)
        options << QString::fromLocal8Bit(argv[i]);
    if (korva::gui::IsWindowlessCommand(options)) {
        // No window is shown: the commands work without a display.
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        QApplication app(argc, argv);
        return korva::gui::RunWindowlessCommand(QApplication::arguments().mid(1));
    }
    // The 3-D view draws with fixed-function OpenGL: the context is chosen before the
    // application object exists.
    korva::gui::RequestSceneSurfaceFormat();
    QApplication app(argc, argv);
    QApplication::setWindowIcon(korva::gui::ToolBarIcon(korva::gui::ToolBarGlyph::SoilProfile));

    korva::gui::TMainForm form;
    form.show();
    QStringList arguments = QApplication::arguments();
    arguments.removeFirst(); // the program itself
    form.StartUp(arguments);
    return QApplication::exec();
}
