// report3: builds a report from a template without the windows. Needs no
// display: it runs on the offscreen platform unless told otherwise. Built
// with VED_INSTALLED_LAYOUT it is the packaged command, which reads the
// program's data where the packaged program keeps it.
#include "report/render/QtReportServices.h"
#include "report3/Report3Run.h"

#include <QGuiApplication>

#include <iostream>

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    const QGuiApplication application(argc, argv);
    const std::vector<std::string> arguments(argv + 1, argv + argc);
#if VED_INSTALLED_LAYOUT
    const TReport3Setting setting = InstalledReport3Setting(VED_VERSION);
#else
    const TReport3Setting setting = BuildTreeReport3Setting(VED_VERSION);
#endif
    return Report3Main(arguments, MakeQtReportServices(), setting, std::cout, std::cerr);
}
