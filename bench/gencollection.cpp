// Writes a benchmark collection:
//   gencollection <file> [records] [picture share 0..1] [seed] [version 1..8]
#include "Generator.h"

#include "resources/Resources.h"

#include <QGuiApplication>
#include <QTextStream>

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    Resources::init();
    QTextStream out(stdout);
    const QStringList args = app.arguments();
    if (args.size() < 2) {
        out << "usage: gencollection <file> [records] [picture share] [seed] [version]\n";
        return 2;
    }
    Generator::Options o;
    if (args.size() > 2)
        o.records = args.at(2).toInt();
    if (args.size() > 3)
        o.pictureShare = args.at(3).toDouble();
    if (args.size() > 4)
        o.seed = args.at(4).toUInt();
    if (args.size() > 5)
        o.version = args.at(5).toInt();
    Generator::Counts c;
    QString error;
    if (!Generator::write(args.at(1), o, &c, &error)) {
        out << "failed: " << error << "\n";
        return 1;
    }
    out << args.at(1) << ": " << c.equipment << " equipment, " << c.documentation << " documentation, " << c.routines
        << " routines, " << c.contacts << " contacts, " << c.pictures << " pictures (" << c.pictureBytes / 1024
        << " KB), version " << o.version << "\n";
    return 0;
}
