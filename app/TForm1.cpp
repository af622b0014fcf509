#include "app/TForm1.h"

#include "app/Dialogs.h"
#include "app/FileDialogs.h"
#include "app/TApropos.h"
#include "app/TForm2.h"
#include "app/TOptimizedatabase.h"
#include "app/UpdateChecker.h"
#include "app/Windows.h"
#include "resources/Resources.h"
#include "store/CollectionStore.h"
#include "store/Schema.h"

#include <QAction>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMenuBar>
#include <QPainter>
#include <QRandomGenerator>
#include <QTimer>

namespace {

const QString InvalidFile = QStringLiteral("Ce fichier n'est pas un fichier Vorelis valide !");
const QString WriteError = QStringLiteral("Impossibilité d'écrire dans le fichier Vorelis choisi !!");

struct MenuItem {
    const char *objectName; // "-" for a separator
    const char *caption;
};

struct MenuSpec {
    const char *objectName;
    const char *title;
    QVector<MenuItem> items;
};

// The main menu, top to bottom.
const QVector<MenuSpec> &menuTable()
{
    static const QVector<MenuSpec> table = {
        {"menuFichier",
         "Fichier",
         {{"actNouvelleCollection", "Nouvelle collection"},
          {"-", ""},
          {"actOuvrirCollection", "Ouvrir collection"},
          {"actFermer", "Fermer"},
          {"-", ""},
          {"actExporterXml", "Exporter au format XML..."},
          {"actImporterXml", "Importer depuis XML ..."},
          {"-", ""},
          {"actQuitter", "Quitter"}}},
        {"menuRecherche",
         "Recherche",
         {{"actRechercheBalise", "Recherche par balise"},
          {"actRechercheMotCle", "Recherche par mot-clé"},
          {"actRechercheTechnique", "Recherche par technique"},
          {"actRechercheAuteur", "Recherche par auteur ou créateur"},
          {"actRechercheAvancee", "Recherche avancée"}}},
        {"menuEnvironnement",
         "Environnement",
         {{"actRangements", "Gestion des rangements"},
          {"actBalises", "Gestion des balises"},
          {"actAuteurs", "Gestion des auteurs et créateurs"},
          {"actTechniques", "Gestion des techniques"},
          {"-", ""},
          {"actFournisseurs", "Gestion des fournisseurs"},
          {"actContacts", "Gestion des contacts"},
          {"-", ""},
          {"actExportContacts", "Exportation des contacts"},
          {"-", ""},
          {"actMoteurs", "Gestion des moteurs de recherche"}}},
        {"menuMateriel",
         "Matériel",
         {{"actInventaireMateriel", "Inventaire matériel"},
          {"-", ""},
          {"actVisuRangement", "Visualisation par rangement"},
          {"actConsommables", "Etat des consommables"},
          {"actACommander", "Liste des matériels à commander"},
          {"actHorsService", "Liste des matériels hors service"},
          {"actMaintenance", "Liste des matériels en maintenance"},
          {"actMaterielsPretes", "Liste des matériels prêtés"},
          {"actSansRoutine", "Liste des matériels sans routine"},
          {"actInventaireComptable", "Inventaire comptable"},
          {"-", ""},
          {"actImportCsvMateriel", "Import depuis CSV"}}},
        {"menuDocumentation",
         "Documentation",
         {{"actRessources", "Ressources documentaires"},
          {"-", ""},
          {"actLiens", "Collection de liens internet"},
          {"-", ""},
          {"actDocsPretees", "Liste des documentations prêtées"},
          {"actDocsGlobale", "Liste globale des documents"},
          {"actDocsParType", "Liste par type de documents"},
          {"actInventaireComptableDocs", "Inventaire comptable"},
          {"sepImportDocs", "-"},
          {"actImportCsvDocs", "Import depuis CSV"},
          {"actImportMasse", "Import de masse"}}},
        {"menuRoutines",
         "Routines",
         {{"actRoutines", "Liste des routines"},
          {"-", ""},
          {"actRoutinesParType", "Liste par type de routines"},
          {"-", ""},
          {"actEnchainements", "Liste des enchainements"},
          {"actAffecterPublic", "Affecter un public à un enchainement"},
          {"actTesterEnchainement", "Tester un enchainement sur un public"},
          {"-", ""},
          {"actChecklist", "Création de checklist"},
          {"actFichesTechniques", "Création de fiches techniques"}}},
        {"menuAide", "?", {{"actAPropos", "A propos ..."}}},
    };
    return table;
}

const char *const CollectionMenus[] = {"menuRecherche", "menuEnvironnement", "menuMateriel", "menuDocumentation",
                                       "menuRoutines"};

} // namespace

BackgroundView::BackgroundView(QWidget *parent) : QWidget(parent)
{
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::black);
    setPalette(p);
}

void BackgroundView::setPicture(const QPixmap &pixmap)
{
    m_pixmap = pixmap;
    update();
}

QRect BackgroundView::placement(const QSize &picture, const QSize &area)
{
    // Each side is shrunk on its own: the proportions are not kept.
    const QSize s(qMin(picture.width(), area.width()), qMin(picture.height(), area.height()));
    return QRect(QPoint((area.width() - s.width()) / 2, (area.height() - s.height()) / 2), s);
}

void BackgroundView::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), Qt::black);
    if (!m_pixmap.isNull())
        p.drawPixmap(placement(m_pixmap.size(), size()), m_pixmap);
}

TForm1::TForm1(QWidget *parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Vorelis"));
    setWindowIcon(Resources::appIcon());
    setFocusPolicy(Qt::StrongFocus);
    resize(1280, 1000);

    m_background = new BackgroundView(this);
    m_background->setObjectName(QStringLiteral("background"));
    m_background->setFocusPolicy(Qt::NoFocus);
    setCentralWidget(m_background);

    QRandomGenerator random(quint32(QDateTime::currentMSecsSinceEpoch()));
    m_backgroundName = backgroundForDraw(int(random.bounded(6)));
    m_background->setPicture(Resources::pixmap(m_backgroundName));

    buildMenu();
    setCollectionState(false);
    setWindowState(windowState() | Qt::WindowMaximized);

    m_update = new UpdateChecker(this);
    connect(m_update, &UpdateChecker::newVersionAvailable, this, [] {
        Dialogs::warning(QStringLiteral("Une nouvelle version de Vorelis est disponible sur le site officiel. Il est "
                                        "conseillé d'appliquer cette mise à jour"));
    });

    wire(QStringLiteral("actNouvelleCollection"), [this] { NewCollection(); });
    wire(QStringLiteral("actOuvrirCollection"), [this] { OpenCollection(); });
    wire(QStringLiteral("actFermer"), [this] { CloseCollection(); });
    wire(QStringLiteral("actQuitter"), [this] { Quit(); });
    wire(QStringLiteral("actAPropos"), [] { Apropos->exec(); });
}

TForm1::~TForm1() = default;

QString TForm1::backgroundForDraw(int draw)
{
    switch (draw) {
    case 1:
        return QStringLiteral("img2");
    case 2:
        return QStringLiteral("img3");
    case 3:
        return QStringLiteral("img4");
    case 5:
        return QStringLiteral("img6");
    default:
        return QStringLiteral("img1");
    }
}

QString TForm1::titleFor(const QString &collectionName)
{
    // "[*]" is Qt's modified mark in a title: doubled, it shows as typed.
    QString name = collectionName;
    name.replace(QStringLiteral("[*]"), QStringLiteral("[*][*]"));
    return QStringLiteral("Vorelis - ") + name;
}

QString TForm1::folderOf(const QString &file)
{
    const int slash = file.lastIndexOf(QDir::separator());
    return slash < 0 ? QString() : file.left(slash + 1);
}

void TForm1::buildMenu()
{
    for (const MenuSpec &spec : menuTable()) {
        QMenu *m = menuBar()->addMenu(QString::fromUtf8(spec.title));
        m->setObjectName(QString::fromLatin1(spec.objectName));
        m->menuAction()->setObjectName(QString::fromLatin1(spec.objectName) + QStringLiteral("Action"));
        m_menus.insert(m->objectName(), m);
        for (const MenuItem &item : spec.items) {
            const QString name = QString::fromLatin1(item.objectName);
            QAction *a = nullptr;
            if (name == QLatin1String("-") || QString::fromUtf8(item.caption) == QLatin1String("-")) {
                a = m->addSeparator();
                if (name != QLatin1String("-"))
                    a->setObjectName(name);
            } else {
                a = m->addAction(QString::fromUtf8(item.caption));
                a->setObjectName(name);
            }
            if (!a->objectName().isEmpty())
                m_actions.insert(a->objectName(), a);
        }
    }
    action(QStringLiteral("actImportMasse"))->setVisible(false);
}

QAction *TForm1::action(const QString &objectName) const
{
    return m_actions.value(objectName);
}

QMenu *TForm1::menu(const QString &objectName) const
{
    return m_menus.value(objectName);
}

void TForm1::wire(const QString &objectName, const std::function<void()> &command)
{
    QAction *a = action(objectName);
    Q_ASSERT_X(a, "TForm1::wire", "unknown menu item");
    if (a)
        connect(a, &QAction::triggered, this, [command] { command(); });
}

void TForm1::setCollectionState(bool open, const QString &name)
{
    m_open = open;
    action(QStringLiteral("actNouvelleCollection"))->setEnabled(!open);
    action(QStringLiteral("actOuvrirCollection"))->setEnabled(!open);
    action(QStringLiteral("actFermer"))->setEnabled(open);
    action(QStringLiteral("actExporterXml"))->setEnabled(open);
    action(QStringLiteral("actImporterXml"))->setEnabled(open);
    for (const char *m : CollectionMenus)
        menu(QString::fromLatin1(m))->menuAction()->setEnabled(open);
    setWindowTitle(open ? titleFor(name) : QStringLiteral("Vorelis"));
}

void TForm1::setHiddenImportVisible(bool visible)
{
    action(QStringLiteral("sepImportDocs"))->setVisible(visible);
    action(QStringLiteral("actImportMasse"))->setVisible(visible);
}

void TForm1::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Control)
        setHiddenImportVisible(true);
    QMainWindow::keyPressEvent(event);
}

void TForm1::keyReleaseEvent(QKeyEvent *event)
{
    setHiddenImportVisible(false);
    QMainWindow::keyReleaseEvent(event);
}

void TForm1::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (!m_updateAsked) {
        m_updateAsked = true;
        QTimer::singleShot(0, m_update, &UpdateChecker::start);
    }
}

void TForm1::NewCollection()
{
    DatabaseFile.clear();
    // On "Valider" the wizard calls CreateCollection, which opens the file and the menus.
    Form2->exec();
}

bool TForm1::CreateCollection(const QString &path, const QString &name)
{
    m_collection.close();
    QString error;
    if (!CollectionStore::createFile(path, name, &error) || !m_collection.open(path, &error)) {
        qWarning("Collection not created: %s", qPrintable(error));
        return false;
    }
    DatabasePath = folderOf(QDir::toNativeSeparators(path));
    DatabaseFile = path;
    setCollectionState(true, name);
    return true;
}

void TForm1::refuseOpen(const QString &message)
{
    m_collection.close();
    DatabaseFile.clear();
    setCollectionState(false);
    Dialogs::error(message);
}

void TForm1::OpenCollection()
{
    FileDialogs::Options o = FileDialogs::collectionOptions(QStringLiteral("Ouvrir collection"));
    o.mustExist = true;
    const QString path = FileDialogs::openFile(o);
    if (path.isEmpty()) {
        Dialogs::warning(QStringLiteral("Ouverture de collection annulée"));
        return;
    }

    m_collection.close();
    DatabaseFile = path;
    DatabasePath = folderOf(QDir::toNativeSeparators(path));
    if (!m_collection.open(path)) {
        refuseOpen(InvalidFile);
        return;
    }
    const CollectionStore::Identity identity = CollectionStore::inspect(m_collection.database());
    if (identity.status == CollectionStore::Identity::NotACollection) {
        refuseOpen(InvalidFile);
        return;
    }
    if (identity.status == CollectionStore::Identity::TooRecent) {
        refuseOpen(QStringLiteral("Vous devez mettre à jour votre version de Vorelis pour pouvoir ouvrir ce fichier"));
        return;
    }
    // Every command writes at once: a file that cannot take writes is not opened.
    if (!CollectionStore::isWritable(path)) {
        refuseOpen(WriteError);
        return;
    }

    setWindowTitle(titleFor(identity.name));
    m_collection.query().finish();
    if (identity.version == Schema::CurrentVersion) {
        Optimizedatabase->run(QStringLiteral("Ouverture de la base Vorelis"),
                              QStringLiteral("Ouverture et optimisation de la base de données en cours ..."));
    } else {
        // The upgrade runs before the compaction, so a refused upgrade leaves the file as it was.
        QString error;
        const bool upgraded = Optimizedatabase->run(
            QStringLiteral("Ouverture de la base Vorelis"),
            QStringLiteral("Mise à niveau de la base de données en cours ..."),
            [this, identity, &error] { return CollectionStore::upgrade(m_collection.database(), identity, &error); });
        if (!upgraded) {
            qWarning("Upgrade refused: %s", qPrintable(error));
            refuseOpen(InvalidFile);
            return;
        }
    }
    setCollectionState(true, identity.name);
}

void TForm1::CloseCollection()
{
    m_collection.query().finish();
    m_collection.commit();
    Optimizedatabase->run(QStringLiteral("Fermeture de la base Vorelis"),
                          QStringLiteral("Fermeture et optimisation de la base de données en cours ..."));
    m_collection.close();
    setCollectionState(false);
    DatabaseFile.clear();
    Form2->reset();
}

void TForm1::Quit()
{
    close();
}
