// Draws every picture Vorelis carries (icons, placeholders, backgrounds) and writes
// them into the folder given on the command line. Run at build time; the output is
// deterministic so rebuilds produce the same bytes.

#include "Pictures.h"

#include <QDir>
#include <QGuiApplication>
#include <QImageWriter>

#include <cstdio>
#include <functional>
#include <vector>

using namespace Draw;

namespace {

struct Picture {
    const char *file;
    std::function<QImage()> draw;
};

bool write(const QString &dir, const Picture &pic)
{
    const QString path = dir + QLatin1Char('/') + QLatin1String(pic.file);
    const QImage img = pic.draw();
    const bool jpeg = path.endsWith(QLatin1String(".jpg"));
    QImageWriter writer(path, jpeg ? "jpeg" : "png");
    if (jpeg)
        writer.setQuality(88);
    if (!writer.write(jpeg ? img.convertToFormat(QImage::Format_RGB32) : img.convertToFormat(QImage::Format_ARGB32))) {
        std::fprintf(stderr, "genresources: cannot write %s: %s\n", qPrintable(path), qPrintable(writer.errorString()));
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    // A build tool: never needs a display.
    std::vector<char *> args(argv, argv + argc);
    char platformOpt[] = "-platform";
    char platformName[] = "offscreen";
    args.insert(args.begin() + 1, {platformOpt, platformName});
    args.push_back(nullptr);
    int n = int(args.size()) - 1;
    QGuiApplication app(n, args.data());

    const QStringList rest = app.arguments();
    if (rest.size() != 2) {
        std::fprintf(stderr, "usage: vorelis_genresources OUTPUT_DIR\n");
        return 2;
    }
    const QString dir = rest.at(1);
    if (!QDir().mkpath(dir)) {
        std::fprintf(stderr, "genresources: cannot create %s\n", qPrintable(dir));
        return 1;
    }

    // Keep in step with VORELIS_PNG_PICTURES / VORELIS_JPG_PICTURES in resources/CMakeLists.txt.
    const Picture pictures[] = {
        {"error.png", iconError},
        {"info.png", iconInfo},
        {"question.png", iconQuestion},
        {"search.png", iconSearch},
        {"armoire.png", iconArmoire},
        {"btn-search.png", iconBtnSearch},
        {"btn-add.png", iconBtnAdd},
        {"btn-delete.png", iconBtnDelete},
        {"btn-edit.png", iconBtnEdit},
        {"btn-add-small.png", iconBtnAddSmall},
        {"btn-remove-small.png", iconBtnRemoveSmall},
        {"btn-visit.png", iconBtnVisit},
        {"btn-visit-small.png", iconBtnVisitSmall},
        {"btn-websearch.png", iconBtnWebSearch},
        {"btn-card.png", iconBtnCard},
        {"btn-clear.png", iconBtnClear},
        {"btn-info.png", iconBtnInfo},
        {"btn-previous.png", iconBtnPrevious},
        {"btn-next.png", iconBtnNext},
        {"vorelis.png", [] { return appIcon(256, 2); }},
        {"vorelis-48.png", [] { return appIcon(48, 1); }},
        {"vorelis-32.png", [] { return appIcon(32, 1); }},
        {"vorelis-16.png", [] { return appIcon(16, 0); }},
        {"nophoto.png", [] { return noPhoto(120); }},
        {"nophoto-big.png", [] { return noPhoto(300); }},
        {"img1.jpg", bgCurtains},
        {"img2.jpg", bgNight},
        {"img3.jpg", bgCards},
        {"img4.jpg", bgHat},
        {"img6.jpg", bgSparkles},
    };
    bool ok = true;
    for (const Picture &pic : pictures)
        ok = write(dir, pic) && ok;
    return ok ? 0 : 1;
}
