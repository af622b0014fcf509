#include "app/Application.h"

#include "resources/Resources.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace Application {

void setUp(QApplication &app)
{
    app.setApplicationName(QStringLiteral("Vorelis"));
    app.setApplicationDisplayName(QString());
    app.setApplicationVersion(QStringLiteral("1.8.2"));
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    Resources::init();
    app.setWindowIcon(Resources::appIcon());

    // Standard dialogs (file dialogs, context menus) speak French.
    static QTranslator qtbase;
    if (qtbase.load(QLocale(QLocale::French, QLocale::France), QStringLiteral("qtbase"), QStringLiteral("_"),
                    QLibraryInfo::location(QLibraryInfo::TranslationsPath)))
        app.installTranslator(&qtbase);
}

} // namespace Application
