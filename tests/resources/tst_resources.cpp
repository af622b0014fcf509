#include "resources/Resources.h"

#include <QtTest>

// The pictures are drawn at build time; these checks catch a generator or .qrc that
// drifted from the names, sizes and formats the windows rely on.
class TstResources : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        Resources::init();
        Resources::init();
    }

    void picture_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<bool>("jpeg");
        QTest::addColumn<bool>("transparentCorners");

        const QSize background(1280, 1000);
        QTest::newRow("error") << "error" << QSize(32, 32) << false << true;
        QTest::newRow("info") << "info" << QSize(32, 32) << false << true;
        QTest::newRow("question") << "question" << QSize(32, 32) << false << true;
        QTest::newRow("search") << "search" << QSize(32, 32) << false << true;
        QTest::newRow("armoire") << "armoire" << QSize(48, 48) << false << true;
        QTest::newRow("btn-search") << "btn-search" << QSize(32, 32) << false << true;
        QTest::newRow("btn-add") << "btn-add" << QSize(32, 32) << false << true;
        QTest::newRow("btn-delete") << "btn-delete" << QSize(32, 32) << false << true;
        QTest::newRow("btn-edit") << "btn-edit" << QSize(32, 32) << false << true;
        QTest::newRow("btn-add-small") << "btn-add-small" << QSize(16, 16) << false << true;
        QTest::newRow("btn-visit") << "btn-visit" << QSize(32, 32) << false << true;
        for (const char *name : {"btn-remove-small", "btn-visit-small", "btn-websearch", "btn-card", "btn-clear",
                                 "btn-info", "btn-previous", "btn-next"})
            QTest::newRow(name) << QString::fromLatin1(name) << QSize(16, 16) << false << true;
        QTest::newRow("vorelis") << "vorelis" << QSize(256, 256) << false << true;
        QTest::newRow("vorelis-48") << "vorelis-48" << QSize(48, 48) << false << true;
        QTest::newRow("vorelis-32") << "vorelis-32" << QSize(32, 32) << false << true;
        QTest::newRow("vorelis-16") << "vorelis-16" << QSize(16, 16) << false << true;
        QTest::newRow("nophoto") << "nophoto" << QSize(120, 120) << false << false;
        QTest::newRow("nophoto-big") << "nophoto-big" << QSize(300, 300) << false << false;
        for (const char *name : {"img1", "img2", "img3", "img4", "img6"})
            QTest::newRow(name) << QString::fromLatin1(name) << background << true << false;
    }

    void picture()
    {
        QFETCH(QString, name);
        QFETCH(QSize, size);
        QFETCH(bool, jpeg);
        QFETCH(bool, transparentCorners);

        const QByteArray data = Resources::bytes(name);
        if (jpeg)
            QVERIFY(data.startsWith(QByteArray("\xFF\xD8\xFF", 3)));
        else
            QVERIFY(data.startsWith(QByteArray("\x89PNG\r\n\x1A\n", 8)));

        const QImage img = Resources::image(name);
        QCOMPARE(img.size(), size);
        QCOMPARE(Resources::pixmap(name).size(), size);

        if (transparentCorners) {
            // Icons sit on any window colour: real alpha, nothing painted in the corners.
            QVERIFY(img.hasAlphaChannel());
            for (const QPoint &corner : {QPoint(0, 0), QPoint(size.width() - 1, 0), QPoint(0, size.height() - 1),
                                         QPoint(size.width() - 1, size.height() - 1)})
                QCOMPARE(qAlpha(img.pixel(corner)), 0);
            // ...and a solid body, not a faint ghost.
            int maxAlpha = 0;
            for (int y = 0; y < size.height(); ++y)
                for (int x = 0; x < size.width(); ++x)
                    maxAlpha = qMax(maxAlpha, qAlpha(img.pixel(x, y)));
            QCOMPARE(maxAlpha, 255);
        }
    }

    void backgroundsAreDarkAndDistinct()
    {
        const QStringList names = {"img1", "img2", "img3", "img4", "img6"};
        QList<QByteArray> seen;
        for (const QString &name : names) {
            const QByteArray data = Resources::bytes(name);
            QVERIFY2(!seen.contains(data), qPrintable(name + " repeats another background"));
            seen << data;

            // A menu bar and windows go on top: the picture must stay dark overall.
            const QImage small = Resources::image(name).scaled(64, 50, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
            qint64 sum = 0;
            for (int y = 0; y < small.height(); ++y)
                for (int x = 0; x < small.width(); ++x)
                    sum += qGray(small.pixel(x, y));
            const double mean = double(sum) / (small.width() * small.height());
            QVERIFY2(mean > 10 && mean < 100, qPrintable(QStringLiteral("%1: mean grey %2").arg(name).arg(mean)));
        }
    }

    void unknownNameGivesNothing()
    {
        QVERIFY(Resources::bytes(QStringLiteral("no-such-picture")).isEmpty());
        QVERIFY(Resources::image(QStringLiteral("no-such-picture")).isNull());
        QVERIFY(Resources::pixmap(QString()).isNull());
    }

    void iconFallsBackWhenMissing()
    {
        const QIcon fallback(Resources::pixmap(QStringLiteral("info")));
        // A drawn picture wins over the fallback, at its own size: no blurred rescale.
        const QIcon drawn = Resources::icon(QStringLiteral("btn-next"), fallback);
        QCOMPARE(drawn.availableSizes(), QList<QSize>{QSize(16, 16)});
        QCOMPARE(drawn.pixmap(16, 16).toImage().convertToFormat(QImage::Format_ARGB32),
                 Resources::image(QStringLiteral("btn-next")).convertToFormat(QImage::Format_ARGB32));
        QCOMPARE(Resources::icon(QStringLiteral("no-such-picture"), fallback).cacheKey(), fallback.cacheKey());
        QVERIFY(Resources::icon(QStringLiteral("no-such-picture")).isNull());
    }

    void buttonIconsAreDistinct()
    {
        // Two names drawn by the same function would give two buttons the same face.
        QHash<QByteArray, QString> seen;
        for (const char *name : {"btn-search", "btn-add", "btn-delete", "btn-edit", "btn-add-small", "btn-remove-small",
                                 "btn-visit", "btn-visit-small", "btn-websearch", "btn-card", "btn-clear", "btn-info",
                                 "btn-previous", "btn-next"}) {
            const QByteArray data = Resources::bytes(QLatin1String(name));
            QVERIFY2(!seen.contains(data), qPrintable(QStringLiteral("%1 repeats %2").arg(name, seen.value(data))));
            seen.insert(data, QLatin1String(name));
        }
    }

    void appIconOffersEverySize()
    {
        const QIcon icon = Resources::appIcon();
        QVERIFY(!icon.isNull());
        const QList<QSize> sizes = icon.availableSizes();
        for (const QSize &s : {QSize(16, 16), QSize(32, 32), QSize(48, 48), QSize(256, 256)})
            QVERIFY2(sizes.contains(s), qPrintable(QStringLiteral("%1 px missing").arg(s.width())));
        // The dialogs ask for 32 px: they get the hand-drawn cut, not a blurred reduction.
        QCOMPARE(icon.pixmap(32, 32).toImage().convertToFormat(QImage::Format_ARGB32),
                 Resources::image(QStringLiteral("vorelis-32")).convertToFormat(QImage::Format_ARGB32));
    }
};

QTEST_MAIN(TstResources)
#include "tst_resources.moc"
