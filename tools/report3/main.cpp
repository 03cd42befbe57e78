// report3: builds a report from a template without the windows. Needs no
// display: it runs on the offscreen platform unless told otherwise.
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
    return Report3Main(arguments, MakeQtReportServices(), std::cerr);
}
