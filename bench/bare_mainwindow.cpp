// The floor of the start-up figures: a bare Qt main window with a menu bar, shown maximised.
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Bare"));
    window.menuBar()->addMenu(QStringLiteral("Fichier"))->addAction(QStringLiteral("Quitter"), &app, &QApplication::quit);
    window.showMaximized();
    return app.exec();
}
