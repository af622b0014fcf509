#include "TestPictures.h"

#include "app/Dialogs.h"
#include "app/FileDialogs.h"
#include "common/FieldRules.h"
#include "common/PictureArea.h"
#include "support/TestSupport.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

using Dialogs::Result;

class TestPictureArea : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { TestSupport::initGui(); }
    void init();
    void cleanup();

    void startsWithPlaceholder();
    void chosenFileIsStoredAsRead();
    void cancelAsksRemoval_data();
    void cancelAsksRemoval();
    void refusedFiles_data();
    void refusedFiles();
    void storedBytes_data();
    void storedBytes();
    void viewModeIgnoresClicks();
    void bigPlaceholder();

private:
    void click() { QTest::mouseClick(m_area, Qt::LeftButton, Qt::NoModifier, QPoint(10, 10)); }
    QString file(const QString &name, const QByteArray &bytes)
    {
        return TestPictures::write(QDir(m_dir->path()), name, bytes);
    }
    // Loads a chosen picture by a click, so that the tests start from a real picture.
    void choose(const QByteArray &bytes)
    {
        FileDialogs::Testing::push(file(QStringLiteral("chosen.png"), bytes));
        click();
        QCOMPARE(m_area->pictureBytes(), bytes);
        Dialogs::Testing::clear();
        FileDialogs::Testing::log().clear();
    }

    QTemporaryDir *m_dir = nullptr;
    PictureArea *m_area = nullptr;
};

void TestPictureArea::init()
{
    Dialogs::Testing::clear();
    FileDialogs::Testing::enable();
    m_dir = new QTemporaryDir;
    m_area = new PictureArea;
    m_area->resize(120, 120);
    m_area->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_area));
}

void TestPictureArea::cleanup()
{
    delete m_area;
    m_area = nullptr;
    delete m_dir;
    m_dir = nullptr;
}

void TestPictureArea::startsWithPlaceholder()
{
    QVERIFY(m_area->isPlaceholder());
    QCOMPARE(m_area->pictureBytes(), FieldRules::placeholderBytes(QStringLiteral("nophoto")));
    QVERIFY(!m_area->pictureBytes().isEmpty());

    choose(TestPictures::png());
    m_area->setEditorMode(ModeEdit);
    QVERIFY(!m_area->isPlaceholder());
    m_area->setEditorMode(ModeNew);
    QVERIFY(m_area->isPlaceholder());
    QCOMPARE(m_area->pictureBytes(), FieldRules::placeholderBytes(QStringLiteral("nophoto")));
}

void TestPictureArea::chosenFileIsStoredAsRead()
{
    QSignalSpy changed(m_area, &PictureArea::pictureChanged);
    const QByteArray jpeg = TestPictures::jpeg();
    FileDialogs::Testing::push(file(QStringLiteral("photo.JPG"), jpeg));
    click();

    const FileDialogs::Options options = FileDialogs::Testing::log().constLast();
    QVERIFY(!options.save);
    QVERIFY(options.mustExist);
    QCOMPARE(options.filter, QStringLiteral("Fichiers images|*.PNG; *.JPG; *.JPEG"));

    QVERIFY(Dialogs::Testing::log().isEmpty());
    QCOMPARE(m_area->pictureBytes(), jpeg);
    QVERIFY(!m_area->isPlaceholder());
    QCOMPARE(m_area->picture().size(), TestPictures::drawing().size());
    QCOMPARE(changed.count(), 1);
    // Shown scaled to the area, keeping its proportions.
    QCOMPARE(m_area->pixmap(Qt::ReturnByValue).size(), QSize(120, 90));
}

void TestPictureArea::cancelAsksRemoval_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("removed");
    QTest::newRow("yes") << int(Result::Yes) << true;
    QTest::newRow("no") << int(Result::No) << false;
    QTest::newRow("closed") << int(Result::Cancel) << false;
}

void TestPictureArea::cancelAsksRemoval()
{
    QFETCH(int, answer);
    QFETCH(bool, removed);
    const QByteArray png = TestPictures::png();
    choose(png);
    QSignalSpy changed(m_area, &PictureArea::pictureChanged);

    FileDialogs::Testing::push(QString());
    Dialogs::Testing::push(Result(answer));
    click();
    QCOMPARE(Dialogs::Testing::log().size(), 1);
    const Dialogs::Request question = Dialogs::Testing::last();
    QCOMPARE(question.kind, QStringLiteral("picture"));
    QCOMPARE(question.message, QStringLiteral("Voulez-vous supprimer l'image actuelle ?"));
    QCOMPARE(m_area->isPlaceholder(), removed);
    QCOMPARE(m_area->pictureBytes(), removed ? FieldRules::placeholderBytes(QStringLiteral("nophoto")) : png);
    QCOMPARE(changed.count(), removed ? 1 : 0);
}

void TestPictureArea::refusedFiles_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes"); // null: the file is gone when read
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("message"); // beginning of the message
    const QString error = QStringLiteral("error");
    const QByteArray jpeg = TestPictures::jpeg();
    QTest::newRow("1,100,000 bytes") << "big.jpg" << TestPictures::jpegOfSize(1100000) << error
                                     << "Le fichier image est trop volumineux (taille maxi : 1Mo)";
    QTest::newRow("png named .jpg") << "photo.jpg" << TestPictures::png() << error
                                    << "Le fichier n'est pas une image correspondant à son extension";
    QTest::newRow("gif") << "photo.gif" << TestPictures::gif() << error
                         << "Le fichier n'est pas une image correspondant à son extension";
    QTest::newRow("cut jpeg") << "cut.jpg" << jpeg.left(jpeg.size() / 2) << "information"
                              << "Erreur de lecture de l'image";
    QTest::newRow("missing") << "gone.jpg" << QByteArray() << "warning" << "Fichier introuvable";
}

// A refused file is reported and the picture shown before stays.
void TestPictureArea::refusedFiles()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, kind);
    QFETCH(QString, message);
    const QByteArray png = TestPictures::png();
    choose(png);
    QSignalSpy changed(m_area, &PictureArea::pictureChanged);

    FileDialogs::Testing::push(bytes.isNull() ? m_dir->filePath(name) : file(name, bytes));
    click();
    QCOMPARE(Dialogs::Testing::log().size(), 1);
    QCOMPARE(Dialogs::Testing::last().kind, kind);
    QVERIFY2(Dialogs::Testing::last().message.startsWith(message), qPrintable(Dialogs::Testing::last().message));
    QCOMPARE(m_area->pictureBytes(), png);
    QVERIFY(!m_area->isPlaceholder());
    QCOMPARE(changed.count(), 0);
}

void TestPictureArea::storedBytes_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("readable");
    const QByteArray jpeg = TestPictures::jpeg();
    QTest::newRow("png") << TestPictures::png() << true;
    QTest::newRow("jpeg") << jpeg << true;
    QTest::newRow("gif") << TestPictures::gif() << true;
    QTest::newRow("cut jpeg") << jpeg.left(jpeg.size() * 2 / 3) << false;
    QTest::newRow("jpeg header only") << jpeg.left(40) << false;
    QTest::newRow("empty") << QByteArray() << false;
    QTest::newRow("text") << QByteArray("not a picture") << false;
}

// Stored bytes are decoded by their content; what cannot be read gives the placeholder.
void TestPictureArea::storedBytes()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, readable);
    choose(TestPictures::png());
    m_area->setEditorMode(ModeEdit);

    QCOMPARE(m_area->setPictureBytes(bytes), readable);
    QCOMPARE(m_area->isPlaceholder(), !readable);
    if (readable) {
        QVERIFY(Dialogs::Testing::log().isEmpty());
        QCOMPARE(m_area->pictureBytes(), bytes);
    } else {
        QCOMPARE(Dialogs::Testing::log().size(), 1);
        const QString message = Dialogs::Testing::last().message;
        QVERIFY2(message.startsWith(QStringLiteral("Erreur de lecture de l'image")), qPrintable(message));
        QVERIFY(message.size() > QStringLiteral("Erreur de lecture de l'image : ").size());
        QCOMPARE(m_area->pictureBytes(), FieldRules::placeholderBytes(QStringLiteral("nophoto")));
    }
}

void TestPictureArea::viewModeIgnoresClicks()
{
    const QByteArray png = TestPictures::png();
    choose(png);
    m_area->setEditorMode(ModeView);
    QVERIFY(m_area->isReadOnly());
    FileDialogs::Testing::push(file(QStringLiteral("other.jpg"), TestPictures::jpeg()));
    click();
    QVERIFY(FileDialogs::Testing::log().isEmpty());
    QVERIFY(Dialogs::Testing::log().isEmpty());
    QCOMPARE(m_area->pictureBytes(), png);
    // Shown as stored in view mode too.
    QVERIFY(!m_area->setPictureBytes(QByteArray("x")));
    QCOMPARE(m_area->pictureBytes(), FieldRules::placeholderBytes(QStringLiteral("nophoto")));
}

void TestPictureArea::bigPlaceholder()
{
    m_area->setPlaceholderName(QStringLiteral("nophoto-big"));
    const QByteArray big = FieldRules::placeholderBytes(QStringLiteral("nophoto-big"));
    QCOMPARE(m_area->pictureBytes(), big);
    choose(TestPictures::png());
    FileDialogs::Testing::push(QString());
    Dialogs::Testing::push(Result::Yes);
    click();
    QCOMPARE(m_area->pictureBytes(), big);
}

QTEST_MAIN(TestPictureArea)
#include "tst_picturearea.moc"
