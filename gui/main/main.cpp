// The desktop program korvawin: edits, stores and runs drilled-shaft projects and shows their
// results. An optional first argument names a project data file to open.
#include "gui/main/Main.h"
#include "gui/main/ToolBarIcons.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setWindowIcon(korva::gui::ToolBarIcon(korva::gui::ToolBarGlyph::SoilProfile));

    korva::gui::TMainForm form;
    form.show();
    QStringList arguments = QApplication::arguments();
    arguments.removeFirst(); // the program itself
    form.StartUp(arguments);
    return QApplication::exec();
}
