#include "app/Application.h"
#include "app/TForm1.h"
#include "app/Windows.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    Application::setUp(app);
    Windows::createAll();
    Form1->showMaximized();
    const int rc = app.exec();
    Windows::destroyAll();
    return rc;
}
