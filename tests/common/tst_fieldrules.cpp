#include "TestPictures.h"

#include "app/Dialogs.h"
#include "common/Desktop.h"
#include "common/FieldActions.h"
#include "common/FieldRules.h"
#include "support/TestSupport.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace FieldRules;

class TestFieldRules : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { TestSupport::initGui(); }
    void init()
    {
        Dialogs::Testing::clear();
        Desktop::Testing::enable();
    }

    void encodeUrl_data();
    void encodeUrl();

    void pictureMatchesExtension_data();
    void pictureMatchesExtension();
    void pictureFileSizeLimit_data();
    void pictureFileSizeLimit();
    void incompletePictureFiles_data();
    void incompletePictureFiles();
    void jpegWithThumbnail();
    void placeholderIsAStoredPicture();

    void toStoredPath_data();
    void toStoredPath();
    void fromStoredPath_data();
    void fromStoredPath();
    void relativePathSurvivesFolderMove();

    void fieldTarget_data();
    void fieldTarget();
    void openFieldTarget();

    void flags_data();
    void flags();
    void trimName();
};

void TestFieldRules::encodeUrl_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("encoded");
    QTest::newRow("blank") << "a b/c" << "a%20b/c";
    QTest::newRow("kept") << "AZaz09-./:_~" << "AZaz09-./:_~";
    QTest::newRow("question") << "?" << "%3F";
    QTest::newRow("equals") << "=" << "%3D";
    QTest::newRow("amp hash plus") << "&#+" << "%26%23%2B";
    QTest::newRow("percent") << "100%" << "100%25";
    QTest::newRow("e acute") << QStringLiteral("é") << "%C3%A9";
    QTest::newRow("upper-case hex") << QStringLiteral("«€»") << "%C2%AB%E2%82%AC%C2%BB";
    QTest::newRow("outside BMP") << QStringLiteral("\U0001F600") << "%F0%9F%98%80";
    QTest::newRow("controls") << "\t\n" << "%09%0A";
    QTest::newRow("empty") << "" << "";
    QTest::newRow("address") << "http://x.fr/a b?q=é" << "http://x.fr/a%20b%3Fq%3D%C3%A9";
}

void TestFieldRules::encodeUrl()
{
    QFETCH(QString, text);
    QFETCH(QString, encoded);
    QCOMPARE(EncodeUrl(text), encoded);
}

void TestFieldRules::pictureMatchesExtension_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes"); // null: no file
    QTest::addColumn<bool>("matches");
    QTest::newRow("jpeg as .JPG") << "photo.JPG" << TestPictures::jpeg() << true;
    QTest::newRow("jpeg as .jpeg") << "photo.jpeg" << TestPictures::jpeg() << true;
    QTest::newRow("jpeg as .Jpeg") << "photo.Jpeg" << TestPictures::jpeg() << true;
    QTest::newRow("png as .png") << "photo.png" << TestPictures::png() << true;
    QTest::newRow("png as .PNG") << "photo.PNG" << TestPictures::png() << true;
    QTest::newRow("png named .jpg") << "photo.jpg" << TestPictures::png() << false;
    QTest::newRow("jpeg named .png") << "photo.png" << TestPictures::jpeg() << false;
    QTest::newRow("valid gif") << "photo.gif" << TestPictures::gif() << false;
    QTest::newRow("jpeg named .gif") << "photo.gif" << TestPictures::jpeg() << false;
    QTest::newRow("jpeg without extension") << "photo" << TestPictures::jpeg() << false;
    QTest::newRow("jpeg named .jpg.txt") << "photo.jpg.txt" << TestPictures::jpeg() << false;
    QTest::newRow("3-byte jpg") << "short.jpg" << QByteArray("\xFF\xD8\xFF", 3) << false;
    QTest::newRow("4-byte jpg") << "short.jpg" << QByteArray("\xFF\xD8\xFF\xE0", 4) << true;
    QTest::newRow("5-byte png") << "short.png" << QByteArray("\x89PNG\r", 5) << false;
    QTest::newRow("6-byte png") << "short.png" << QByteArray("\x89PNG\r\n", 6) << true;
    QTest::newRow("PNG at byte 1") << "short.png" << QByteArray("PNG\r\n\x1a\n", 7) << false;
    QTest::newRow("empty jpg") << "empty.jpg" << QByteArray("") << false;
    QTest::newRow("missing") << "missing.jpg" << QByteArray() << false;
}

void TestFieldRules::pictureMatchesExtension()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QFETCH(bool, matches);
    QTemporaryDir dir;
    const QString path = bytes.isNull() ? dir.filePath(name) : TestPictures::write(QDir(dir.path()), name, bytes);
    QCOMPARE(PictureMatchesExtension(path), matches);
}

void TestFieldRules::pictureFileSizeLimit_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("status");
    const int ok = int(PictureFileStatus::Ok);
    const int tooLarge = int(PictureFileStatus::TooLarge);
    QTest::newRow("1,099,999 bytes") << "big.jpg" << TestPictures::jpegOfSize(1099999) << ok;
    QTest::newRow("1,100,000 bytes") << "big.jpg" << TestPictures::jpegOfSize(1100000) << tooLarge;
    // The size is tested before the content.
    QTest::newRow("1,100,000-byte gif") << "big.gif" << TestPictures::jpegOfSize(1100000) << tooLarge;
    QTest::newRow("small gif") << "small.gif" << TestPictures::gif() << int(PictureFileStatus::WrongSignature);
}

void TestFieldRules::pictureFileSizeLimit()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QFETCH(int, status);
    QTemporaryDir dir;
    const PictureFile file = readPictureFile(TestPictures::write(QDir(dir.path()), name, bytes));
    QCOMPARE(int(file.status), status);
    if (file.status == PictureFileStatus::Ok) {
        QCOMPARE(file.bytes, bytes);
        QCOMPARE(file.image.size(), TestPictures::drawing().size());
    }
}

void TestFieldRules::incompletePictureFiles_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");
    const QByteArray jpeg = TestPictures::jpeg();
    const QByteArray png = TestPictures::png();
    QTest::newRow("jpeg cut in its image data") << "cut.jpg" << jpeg.left(jpeg.size() * 2 / 3);
    QTest::newRow("jpeg cut in its header") << "cut.jpg" << jpeg.left(40);
    QTest::newRow("4-byte jpg") << "short.jpg" << QByteArray("\xFF\xD8\xFF\xE0", 4);
    QTest::newRow("png cut") << "cut.png" << png.left(png.size() / 2);
}

// A file that passes the signature test but cannot be decoded in full is refused with the
// decoder's error.
void TestFieldRules::incompletePictureFiles()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QTemporaryDir dir;
    const QString path = TestPictures::write(QDir(dir.path()), name, bytes);
    QVERIFY(PictureMatchesExtension(path));
    const PictureFile file = readPictureFile(path);
    QCOMPARE(int(file.status), int(PictureFileStatus::Unreadable));
    QVERIFY(!file.error.isEmpty());
    QVERIFY(file.bytes.isEmpty());

    QString error;
    QVERIFY(!decodePicture(bytes, nullptr, &error));
    QVERIFY(!error.isEmpty());
}

// The end-of-picture marker of an embedded thumbnail does not make a cut picture complete.
void TestFieldRules::jpegWithThumbnail()
{
    const QByteArray main = TestPictures::jpeg();
    const QByteArray thumb = TestPictures::encoded(TestPictures::drawing(16, 16), "JPG");
    QByteArray segment("\xFF\xE1", 2);
    const int length = thumb.size() + 2;
    segment.append(char(length >> 8)).append(char(length & 0xFF)).append(thumb);
    const QByteArray whole = main.left(2) + segment + main.mid(2);

    QImage image;
    QVERIFY(decodePicture(whole, &image));
    QCOMPARE(image.size(), TestPictures::drawing().size());
    QVERIFY(!decodePicture(whole.left(whole.size() - main.size() / 3), &image));
}

void TestFieldRules::placeholderIsAStoredPicture()
{
    for (const QString &name : {QStringLiteral("nophoto"), QStringLiteral("nophoto-big")}) {
        const QByteArray bytes = placeholderBytes(name);
        QVERIFY(!bytes.isEmpty());
        QCOMPARE(placeholderBytes(name), bytes); // always the same bytes
        QVERIFY(decodePicture(bytes, nullptr));
    }
}

void TestFieldRules::toStoredPath_data()
{
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("databasePath");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<bool>("relative");
    const QString p = RelativePathPrefix;
    QTest::newRow("in the folder") << "/a/coll/doc.pdf" << "/a/coll/" << p + "doc.pdf" << "doc.pdf" << true;
    QTest::newRow("in a subfolder") << "/a/coll/sub/doc.pdf" << "/a/coll/" << p + "sub/doc.pdf" << "sub/doc.pdf"
                                    << true;
    QTest::newRow("folder without separator")
        << "/a/coll/doc.pdf" << "/a/coll" << p + "doc.pdf" << "doc.pdf" << true;
    QTest::newRow("sibling folder") << "/a/collection2/doc.pdf" << "/a/coll/" << "/a/collection2/doc.pdf"
                                    << "/a/collection2/doc.pdf" << false;
    QTest::newRow("sibling, folder without separator")
        << "/a/collection2/doc.pdf" << "/a/coll" << "/a/collection2/doc.pdf" << "/a/collection2/doc.pdf" << false;
    QTest::newRow("elsewhere") << "/b/doc.pdf" << "/a/coll/" << "/b/doc.pdf" << "/b/doc.pdf" << false;
    QTest::newRow("climbing out") << "/a/coll/../other/doc.pdf" << "/a/coll/" << "/a/coll/../other/doc.pdf"
                                  << "/a/coll/../other/doc.pdf" << false;
    QTest::newRow("other case") << "/A/COLL/doc.pdf" << "/a/coll/" << "/A/COLL/doc.pdf" << "/A/COLL/doc.pdf"
                                << false;
    QTest::newRow("no collection") << "/a/coll/doc.pdf" << "" << "/a/coll/doc.pdf" << "/a/coll/doc.pdf" << false;
    QTest::newRow("the folder itself") << "/a/coll/" << "/a/coll/" << "/a/coll/" << "/a/coll/" << false;
}

void TestFieldRules::toStoredPath()
{
    QFETCH(QString, chosen);
    QFETCH(QString, databasePath);
    QFETCH(QString, stored);
    QFETCH(QString, shown);
    QFETCH(bool, relative);
    const StoredPath result = FieldRules::toStoredPath(chosen, databasePath);
    QCOMPARE(result.stored, stored);
    QCOMPARE(result.shown, shown);
    QCOMPARE(result.relative, relative);
    QCOMPARE(result.hint, relative ? QStringLiteral("Ceci est un chemin relatif vers le fichier") : chosen);
}

void TestFieldRules::fromStoredPath_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("databasePath");
    QTest::addColumn<QString>("fullPath");
    QTest::addColumn<QString>("shown");
    const QString p = RelativePathPrefix;
    QTest::newRow("backslashes") << p + "sub\\doc.pdf" << "/a/coll/" << "/a/coll/sub/doc.pdf" << "sub/doc.pdf";
    QTest::newRow("slashes") << p + "sub/doc.pdf" << "/a/coll/" << "/a/coll/sub/doc.pdf" << "sub/doc.pdf";
    QTest::newRow("folder without separator") << p + "doc.pdf" << "/a/coll" << "/a/coll/doc.pdf" << "doc.pdf";
    QTest::newRow("absolute kept as is") << "/b/x\\y.pdf" << "/a/coll/" << "/b/x\\y.pdf" << "/b/x\\y.pdf";
    QTest::newRow("prefix not at the start") << "x" + p + "doc.pdf" << "/a/coll/" << "x" + p + "doc.pdf"
                                             << "x" + p + "doc.pdf";
    QTest::newRow("prefix in lower case") << "%%database_path%%\\doc.pdf" << "/a/coll/"
                                          << "%%database_path%%\\doc.pdf" << "%%database_path%%\\doc.pdf";
    QTest::newRow("no collection") << p + "doc.pdf" << "" << "" << "doc.pdf";
    QTest::newRow("empty") << "" << "/a/coll/" << "" << "";
}

void TestFieldRules::fromStoredPath()
{
    QFETCH(QString, stored);
    QFETCH(QString, databasePath);
    QFETCH(QString, fullPath);
    QFETCH(QString, shown);
    const ExpandedPath result = FieldRules::fromStoredPath(stored, databasePath);
    QCOMPARE(result.fullPath, fullPath);
    QCOMPARE(result.shown, shown);
}

// A file chosen inside the collection's folder is found again after the folder has moved; an
// absolute path still points to the old place.
void TestFieldRules::relativePathSurvivesFolderMove()
{
    QTemporaryDir root;
    QDir dir(root.path());
    QVERIFY(dir.mkpath(QStringLiteral("coll/docs")));
    QVERIFY(dir.mkpath(QStringLiteral("coll2")));
    TestPictures::write(QDir(dir.filePath(QStringLiteral("coll/docs"))), QStringLiteral("notes.pdf"), "pdf");
    TestPictures::write(QDir(dir.filePath(QStringLiteral("coll2"))), QStringLiteral("out.pdf"), "pdf");
    const QString oldFolder = dir.filePath(QStringLiteral("coll")) + QLatin1Char('/');
    const QString newFolder = dir.filePath(QStringLiteral("moved")) + QLatin1Char('/');

    const StoredPath inside = FieldRules::toStoredPath(oldFolder + QStringLiteral("docs/notes.pdf"), oldFolder);
    QCOMPARE(inside.stored, RelativePathPrefix + QStringLiteral("docs/notes.pdf"));
    const QString sibling = dir.filePath(QStringLiteral("coll2/out.pdf"));
    const StoredPath outside = FieldRules::toStoredPath(sibling, oldFolder);
    QCOMPARE(outside.stored, sibling);

    QVERIFY(dir.rename(QStringLiteral("coll"), QStringLiteral("moved")));
    const FieldTarget moved = resolveFieldTarget(inside.stored, newFolder);
    QCOMPARE(int(moved.kind), int(FieldTarget::File));
    QCOMPARE(moved.path, newFolder + QStringLiteral("docs/notes.pdf"));
    QCOMPARE(int(resolveFieldTarget(inside.stored, oldFolder).kind), int(FieldTarget::MissingFile));
    QCOMPARE(resolveFieldTarget(outside.stored, newFolder).path, sibling);
}

void TestFieldRules::fieldTarget_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QByteArray>("url"); // links: the address handed to the browser
    const int link = FieldTarget::Link;
    const int missing = FieldTarget::MissingFile;
    QTest::newRow("http") << "http://x.fr/a b" << link << QByteArray("http://x.fr/a%20b");
    QTest::newRow("https upper case") << "HTTPS://X.FR/é" << link << QByteArray("https://x.fr/%C3%A9");
    QTest::newRow("query encoded") << "https://x.fr/?q=1" << link << QByteArray("https://x.fr/%3Fq%3D1");
    QTest::newRow("ftp is a file") << "ftp://x.fr/a" << missing << QByteArray();
    QTest::newRow("leading blank is a file") << " http://x.fr" << missing << QByteArray();
    QTest::newRow("www is a file") << "www.x.fr" << missing << QByteArray();
    QTest::newRow("http without slashes") << "http:x.fr" << missing << QByteArray();
    QTest::newRow("empty") << "" << missing << QByteArray();
}

void TestFieldRules::fieldTarget()
{
    QFETCH(QString, text);
    QFETCH(int, kind);
    QFETCH(QByteArray, url);
    const FieldTarget target = resolveFieldTarget(text, QStringLiteral("/nonexistent/coll/"));
    QCOMPARE(int(target.kind), kind);
    if (kind == FieldTarget::Link)
        QCOMPARE(target.url.toEncoded(), url);
}

void TestFieldRules::openFieldTarget()
{
    QTemporaryDir dir;
    const QString folder = dir.path() + QLatin1Char('/');
    TestPictures::write(QDir(dir.path()), QStringLiteral("routine.txt"), "x");

    QVERIFY(FieldActions::openFieldTarget(RelativePathPrefix + QStringLiteral("routine.txt"), folder));
    QVERIFY(FieldActions::openFieldTarget(QStringLiteral("Http://x.fr/a b"), folder));
    QVERIFY(FieldActions::openLink(QStringLiteral("x.fr/é")));
    QCOMPARE(Desktop::Testing::opened().size(), 3);
    QCOMPARE(Desktop::Testing::opened().at(0), QUrl::fromLocalFile(folder + QStringLiteral("routine.txt")));
    QCOMPARE(Desktop::Testing::opened().at(1).toEncoded(), QByteArray("http://x.fr/a%20b"));
    QCOMPARE(Desktop::Testing::opened().at(2).toEncoded(), QByteArray("x.fr/%C3%A9"));
    QVERIFY(Dialogs::Testing::log().isEmpty());

    QVERIFY(!FieldActions::openFieldTarget(RelativePathPrefix + QStringLiteral("gone.txt"), folder));
    QVERIFY(!FieldActions::openFieldTarget(folder + QStringLiteral("gone.txt"), folder));
    QCOMPARE(Desktop::Testing::opened().size(), 3);
    QCOMPARE(Dialogs::Testing::log().size(), 2);
    QCOMPARE(Dialogs::Testing::last().kind, QStringLiteral("warning"));
    QCOMPARE(Dialogs::Testing::last().message, QStringLiteral("Fichier introuvable"));
}

void TestFieldRules::flags_data()
{
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<bool>("set");
    QTest::newRow("1") << QVariant(QStringLiteral("1")) << true;
    QTest::newRow("integer 1") << QVariant(1) << true;
    QTest::newRow("0") << QVariant(QStringLiteral("0")) << false;
    QTest::newRow("empty") << QVariant(QString()) << false;
    QTest::newRow("null") << QVariant() << false;
    QTest::newRow("blank before") << QVariant(QStringLiteral(" 1")) << false;
    QTest::newRow("blank after") << QVariant(QStringLiteral("1 ")) << false;
    QTest::newRow("01") << QVariant(QStringLiteral("01")) << false;
    QTest::newRow("true") << QVariant(QStringLiteral("true")) << false;
    QTest::newRow("bool true") << QVariant(true) << false;
}

void TestFieldRules::flags()
{
    QFETCH(QVariant, value);
    QFETCH(bool, set);
    QCOMPARE(flagIsSet(value), set);
    QCOMPARE(flagIsSet(flagText(set)), set);
    QCOMPARE(flagText(set), set ? QStringLiteral("1") : QStringLiteral("0"));
}

void TestFieldRules::trimName()
{
    QCOMPARE(FieldRules::trimName(QStringLiteral(" \t\x01Jeux  de cartes\r\n ")), QStringLiteral("Jeux  de cartes"));
}

QTEST_MAIN(TestFieldRules)
#include "tst_fieldrules.moc"
