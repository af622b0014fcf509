#include "Generator.h"

#include "SchemaHistory.h"
#include "common/FieldRules.h"
#include "store/CollectionStore.h"

#include <QBuffer>
#include <QColor>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QRandomGenerator>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QUuid>
#include <QVariant>

namespace Generator {

namespace {

const char *const Objects[] = {"Gobelets", "Anneaux chinois", "Foulard", "Boîte à double fond", "Jeu biseauté",
                               "Corde coupée", "Pièces de cuivre", "Éventail", "Baguette lumineuse", "Chapeau haut-de-forme",
                               "Dés géants", "Tube à foulards", "Plateau à colombes", "Valise d'évasion",
                               "Cartes géantes", "Bougie escamotable", "Œuf en soie", "Clé tordue", "Billet déchiré",
                               "Éponges rouges"};
const char *const Qualities[] = {"en laiton", "pliant", "de scène", "de poche", "ancien", "à ressort", "lumineux",
                                 "truqué", "en bois d'érable", "émaillé", "de salon", "miniature"};
const char *const Books[] = {"Traité de l'escamotage", "Leçons de cartomagie", "Mémoires d'un prestidigitateur",
                             "La magie des pièces", "Routines pour la scène", "Secrets du close-up",
                             "L'art de la méprise", "Cahiers de mentalisme", "Effets pour enfants",
                             "Manipulations élégantes"};
const char *const Routines[] = {"Les trois gobelets", "La carte ambitieuse", "Le foulard qui s'envole",
                                "La prédiction scellée", "Les anneaux liés", "La pièce voyageuse",
                                "Le billet restauré", "L'œuf du néant", "La corde magique", "Le verre qui disparaît"};
const char *const FirstNames[] = {"Émile", "Hélène", "François", "Léa", "Jérôme", "Cécile", "Noël", "Zoé",
                                  "Gaëtan", "Inès", "Benoît", "Maëlle"};
const char *const LastNames[] = {"Lefèvre", "Moreau", "Bérard", "Fauré", "Dupré", "Château", "Girard",
                                 "Rivière", "Lemaître", "Mercier"};
const char *const Places[] = {"Armoire", "Malle de tournée", "Étagère", "Tiroir", "Caisse", "Valise", "Carton"};
const char *const Cities[] = {"Paris", "Lyon", "Besançon", "Nîmes", "Orléans", "Sète", "Genève", "Liège"};
// Purchase values as users type them, good and bad.
const char *const Amounts[] = {"12,50", "7.5", "12,50 €", "1.234,5", "", "abc", "300", "0", "45,9", "19.99"};

QString word(QRandomGenerator &r, const char *const *list, int n)
{
    return QString::fromUtf8(list[r.bounded(n)]);
}
#define PICK(r, list) word(r, list, int(sizeof(list) / sizeof(list[0])))

QString flag(QRandomGenerator &r, int percent)
{
    return r.bounded(100) < percent ? QStringLiteral("1") : QStringLiteral("0");
}

// A picture of a prop: gradient, shapes and grain, so it compresses like a photograph.
QByteArray picture(QRandomGenerator &r, bool png)
{
    const int w = png ? 180 + r.bounded(120) : 500 + r.bounded(600);
    const int h = w * 3 / 4;
    QImage image(w, h, QImage::Format_RGB32);
    QPainter p(&image);
    QLinearGradient g(0, 0, w, h);
    g.setColorAt(0, QColor::fromHsv(r.bounded(360), 120 + r.bounded(100), 80 + r.bounded(120)));
    g.setColorAt(1, QColor::fromHsv(r.bounded(360), 80 + r.bounded(100), 40 + r.bounded(120)));
    p.fillRect(image.rect(), g);
    p.setRenderHint(QPainter::Antialiasing);
    for (int i = 0; i < 12; ++i) {
        p.setBrush(QColor::fromHsv(r.bounded(360), 200, 200, 160));
        p.setPen(Qt::NoPen);
        p.drawEllipse(r.bounded(w), r.bounded(h), 20 + r.bounded(w / 3), 20 + r.bounded(h / 3));
    }
    p.end();
    for (int y = 0; y < h; ++y) {
        QRgb *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < w; ++x) {
            const int n = int(r.bounded(24)) - 12;
            const QRgb c = line[x];
            line[x] = qRgb(qBound(0, qRed(c) + n, 255), qBound(0, qGreen(c) + n, 255), qBound(0, qBlue(c) + n, 255));
        }
    }
    QByteArray bytes;
    for (int quality = 85; quality >= 30; quality -= 15) {
        bytes.clear();
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, png ? "PNG" : "JPEG", png ? -1 : quality);
        if (bytes.size() <= 300 * 1024 || png)
            break;
    }
    return bytes;
}

struct Writer {
    QSqlDatabase db;
    QRandomGenerator r;
    Options o;
    Counts counts;
    QString error;
    QVector<QByteArray> pictures;
    QByteArray placeholder;

    bool run(QSqlQuery &q, const QString &sql, const QVariantList &values)
    {
        if (q.lastQuery() != sql && !q.prepare(sql)) {
            error = q.lastError().text();
            return false;
        }
        for (int i = 0; i < values.size(); ++i)
            q.bindValue(i, values.at(i));
        if (!q.exec()) {
            error = q.lastError().text() + QStringLiteral(" — ") + sql;
            return false;
        }
        return true;
    }

    QByteArray visuel()
    {
        if (r.generateDouble() < o.pictureShare) {
            const QByteArray &b = pictures.at(r.bounded(pictures.size()));
            ++counts.pictures;
            counts.pictureBytes += b.size();
            return b;
        }
        return placeholder;
    }

    qint64 some(int n) { return n > 0 ? 1 + r.bounded(n) : 0; }
    qint64 maybe(int n, int percent) { return r.bounded(100) < percent ? some(n) : 0; }

    QString personName() { return PICK(r, FirstNames) + QLatin1Char(' ') + PICK(r, LastNames); }

    bool fill()
    {
        const int n = o.records;
        const int places = qMax(10, n / 20), tags = qMax(20, n / 50), authors = qMax(10, n / 20);
        const int suppliers = qMax(5, n / 100), contacts = qMax(10, n / 10), techniques = qMax(10, n / 50);
        QSqlQuery q(db);
        for (int i = 1; i <= places; ++i)
            if (!run(q, QStringLiteral("INSERT INTO rangement ( nom , description ) VALUES ( :nom , :description )"),
                     {QStringLiteral("%1 n°%2").arg(PICK(r, Places)).arg(i), QStringLiteral("Pièce du fond, côté gauche")}))
                return false;
        for (int i = 1; i <= tags; ++i)
            if (!run(q, QStringLiteral("INSERT INTO categorie ( nom ) VALUES ( :nom )"),
                     {QStringLiteral("Balise %1 %2").arg(PICK(r, Qualities)).arg(i)}))
                return false;
        for (int i = 1; i <= authors; ++i)
            if (!run(q, QStringLiteral("INSERT INTO auteurs ( nom ) VALUES ( :nom )"),
                     {QStringLiteral("%1 %2").arg(personName()).arg(i)}))
                return false;
        for (int i = 1; i <= techniques; ++i)
            if (!run(q,
                     QStringLiteral("INSERT INTO techniques ( nom, id_auteur, description ) VALUES ( "
                                    ":nom,:id_auteur,:description )"),
                     {QStringLiteral("Technique %1 %2").arg(PICK(r, Qualities)).arg(i), maybe(authors, 60),
                      QStringLiteral("Passe décrite pas à pas.")}))
                return false;
        for (int i = 1; i <= suppliers; ++i)
            if (!run(q,
                     QStringLiteral("INSERT INTO fournisseurs "
                                    "(nom,nom_contact,adresse,adresse_suite,codepostal,ville,pays,tel,email,site) "
                                    "VALUES (:nom,:nom_contact,:adresse,:adresse_suite,:codepostal,:ville,:pays,:tel,:"
                                    "email,:site)"),
                     {QStringLiteral("Boutique de magie %1").arg(i), personName(), QStringLiteral("12 rue des Écoles"),
                      QString(), QStringLiteral("75005"), PICK(r, Cities), QStringLiteral("France"),
                      QStringLiteral("01 23 45 67 89"), QStringLiteral("boutique%1@exemple.fr").arg(i),
                      QStringLiteral("https://boutique%1.exemple.fr").arg(i)}))
                return false;
        for (int i = 1; i <= contacts; ++i) {
            if (!run(q,
                     QStringLiteral("INSERT INTO contacts ( "
                                    "nom,commentaire,adresse,adresse_suite,codepostal,ville,pays,tel,email,site,"
                                    "isArtiste,isProspection,isClient,isAdministration,fax,siret ) VALUES ( "
                                    ":nom,:commentaire,:adresse,:adresse_suite,:codepostal,:ville,:pays,:tel,:email,"
                                    ":site,:isArtiste,:isProspection,:isClient,:isAdministration,:fax,:siret )"),
                     {QStringLiteral("%1 %2").arg(personName()).arg(i), QStringLiteral("Rencontré au festival"),
                      QStringLiteral("3 place de la Mairie"), QString(), QStringLiteral("69001"), PICK(r, Cities),
                      QStringLiteral("France"), QStringLiteral("06 12 34 56 78"),
                      QStringLiteral("contact%1@exemple.fr").arg(i), QString(), flag(r, 30), flag(r, 20), flag(r, 40),
                      flag(r, 5), QString(), QString()}))
                return false;
            ++counts.contacts;
        }
        for (int i = 1; i <= n; ++i) {
            const QString consumable = flag(r, 15);
            if (!run(q,
                     QStringLiteral("INSERT INTO materiels "
                                    "(id,nom,designation,isAcommander,isHS,isMaintenance,isConsommable,quantite,date_"
                                    "achat,valeur_achat,id_fournisseur,id_rangement,description,id_pret,url,visuel, "
                                    "isImport) VALUES "
                                    "(:id,:nom,:designation,:isacommander,:ishs,:ismaintenance,:isconsommable,:"
                                    "quantite,:date_achat,:valeur_achat,:id_fournisseur,:id_rangement,:description,:"
                                    "id_pret,:url,:visuel,:isImport)"),
                     {i, QStringLiteral("%1 %2 %3").arg(PICK(r, Objects), PICK(r, Qualities)).arg(i),
                      QStringLiteral("Modèle %1").arg(PICK(r, Qualities)), flag(r, 10), flag(r, 5), flag(r, 5),
                      consumable, consumable == QLatin1String("1") ? QString::number(r.bounded(40)) : QString(),
                      QStringLiteral("%1/%2/20%3").arg(1 + r.bounded(28)).arg(1 + r.bounded(12)).arg(10 + r.bounded(16)),
                      PICK(r, Amounts), maybe(suppliers, 70), maybe(places, 85),
                      QStringLiteral("Acheté pour la tournée ; se range à plat.\nVérifier le mécanisme avant chaque "
                                     "spectacle."),
                      maybe(contacts, 3), QStringLiteral("https://exemple.fr/materiel?id=%1").arg(i), visuel(),
                      r.bounded(100) < 4 ? 1 : 0}))
                return false;
            ++counts.equipment;
        }
        for (int i = 1; i <= n; ++i) {
            const int kind = r.bounded(9);
            auto is = [kind](int k) { return kind == k ? QStringLiteral("1") : QStringLiteral("0"); };
            if (!run(q,
                     QStringLiteral("INSERT INTO medias (id,nom,description,commentaire,isLivre,isEbook,isDVD,"
                                    "isStreaming,isK7,isVideo, "
                                    "isNotice,nom_fichier,url,date_achat,valeur_achat,annee_publication,id_"
                                    "fournisseur,id_rangement,id_auteur,contenu,id_pret,visuel,isFichier,isNotes,"
                                    "iSimport) VALUES "
                                    "(:id,:nom,:description,:commentaire,:isLivre,:isEbook,:isDVD,:isStreaming,:isK7,"
                                    ":isVideo,:isNotice,:nom_fichier,:url,:date_achat,:valeur_achat,:annee_"
                                    "publication,:id_fournisseur,:id_rangement,:id_auteur,:contenu,:id_pret,:visuel,"
                                    ":isFichier,:isNotes,:iSimport)"),
                     {i, QStringLiteral("%1, tome %2").arg(PICK(r, Books)).arg(i), QStringLiteral("Édition reliée"),
                      QStringLiteral("À relire"), is(0), is(1), is(2), is(3), is(4), is(5), is(6),
                      kind == 7 ? QStringLiteral("%%DATABASE_PATH%%\\docs\\livre%1.pdf").arg(i) : QString(),
                      QString(), QStringLiteral("2019"), PICK(r, Amounts), QString::number(1950 + r.bounded(75)),
                      maybe(suppliers, 50), maybe(places, 80), maybe(authors, 90),
                      QStringLiteral("Chapitre 1 : les bases. Chapitre 2 : la présentation."), maybe(contacts, 2),
                      visuel(), is(7), is(8), r.bounded(100) < 4 ? 1 : 0}))
                return false;
            ++counts.documentation;
        }
        for (int i = 1; i <= n; ++i) {
            const int status = r.bounded(5);
            auto st = [status](int k) { return status == k ? QStringLiteral("1") : QStringLiteral("0"); };
            if (!run(q,
                     QStringLiteral("INSERT INTO routines (id,nom,id_createur,visuel, "
                                    "isMaitrise,isAtravailler,isIdee,isAbandon,isCulture,description,preparation,"
                                    "modus,remarques,fiche_technique,bande_son,nom_fichier,url,duree,evaluation,"
                                    "difficulte,isImport,fiche_technique_interne,demo) VALUES (:id,:nom,:id_"
                                    "createur,:visuel, :isMaitrise,:isAtravailler,:isIdee,:isAbandon,:isCulture,:"
                                    "description,:preparation,:modus,:remarques,:fiche_technique,:bande_son,:nom_"
                                    "fichier,:url,:duree,:evaluation,:difficulte,:isImport,:fiche_technique_interne,:"
                                    "demo)"),
                     {i, QStringLiteral("%1 n°%2").arg(PICK(r, Routines)).arg(i), maybe(authors, 70), visuel(),
                      st(0), st(1), st(2), st(3), st(4), QStringLiteral("Effet : le spectateur est bluffé."),
                      QStringLiteral("Préparer le jeu en ordre."), QStringLiteral("Fausse donne puis révélation."),
                      QStringLiteral("Soigner l'entrée."), QString(), QString(), QString(), QString(),
                      QStringLiteral("00:%1:%2").arg(r.bounded(20), 2, 10, QLatin1Char('0')).arg(r.bounded(60), 2, 10, QLatin1Char('0')),
                      1 + r.bounded(5), 1 + r.bounded(5), r.bounded(100) < 4 ? 1 : 0, 0, QString()}))
                return false;
            ++counts.routines;
        }
        // Links: tags on every kind, techniques on documentation and routines, what routines need
        // and who saw them.
        for (int dest = 1; dest <= 3; ++dest)
            for (int i = 1; i <= n; ++i)
                for (int k = r.bounded(4); k > 0; --k)
                    if (!run(q, QStringLiteral("INSERT INTO lnk_categories (id_categorie,dest,id_dest) VALUES (:idcat,:dest,:iddest)"),
                             {some(tags), dest, i}))
                        return false;
        for (int dest = 2; dest <= 3; ++dest)
            for (int i = 1; i <= n; ++i)
                for (int k = r.bounded(3); k > 0; --k)
                    if (!run(q, QStringLiteral("INSERT INTO lnk_techniques (id_technique,dest,id_dest) VALUES (:idcat,:dest,:iddest)"),
                             {some(techniques), dest, i}))
                        return false;
        for (int i = 1; i <= n; ++i) {
            for (int k = r.bounded(4); k > 0; --k)
                if (!run(q, QStringLiteral("INSERT INTO lnk_materiels (id_materiel,id_dest) VALUES (:idcat,:iddest)"),
                         {some(n), i}))
                    return false;
            for (int k = r.bounded(3); k > 0; --k)
                if (!run(q, QStringLiteral("INSERT INTO lnk_medias (id_media,id_dest) VALUES (:idcat,:iddest)"),
                         {some(n), i}))
                    return false;
            for (int k = r.bounded(3); k > 0; --k)
                if (!run(q, QStringLiteral("INSERT INTO lnk_spectateurs (id_spectateur,id_dest) VALUES (:idcat,:iddest)"),
                         {some(contacts), i}))
                    return false;
        }
        const int sequences = qMax(3, n / 100);
        for (int s = 1; s <= sequences; ++s) {
            if (!run(q, QStringLiteral("INSERT INTO enchainements (id,nom,description,fiche_technique_interne) VALUES (:id,:nom,:description,:fiche_technique_interne)"),
                     {s, QStringLiteral("Spectacle d'été n°%1").arg(s), QStringLiteral("Salle des fêtes"), 0}))
                return false;
            for (int pos = 1, k = 3 + r.bounded(8); pos <= k; ++pos)
                if (!run(q, QStringLiteral("INSERT INTO lnk_enchainements (id_routine,id_enchainement,position) VALUES (:id_routine,:id_enchainement,:position)"),
                         {some(n), s, pos}))
                    return false;
        }
        for (int i = 1; i <= qMax(10, n / 10); ++i)
            if (!run(q, QStringLiteral("INSERT INTO bookmarks (id,nom,url,description) VALUES (:id,:nom,:url,:description)"),
                     {i, QStringLiteral("Forum de magie %1").arg(i), QStringLiteral("https://forum.exemple.fr/fil?id=%1").arg(i),
                      QStringLiteral("Discussions sur les effets de scène")}))
                return false;
        return true;
    }
};

// Copies the rows of `source` (today's schema) into `target` (an older one): the columns the two share.
bool copyInto(const QString &source, const QString &target, QString *error)
{
    const QString name = QStringLiteral("generator-old-%1").arg(QUuid::createUuid().toString(QUuid::Id128));
    bool ok = true;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(target);
        ok = db.open();
        QSqlQuery q(db);
        ok = ok && q.exec(QStringLiteral("ATTACH DATABASE '%1' AS src").arg(QString(source).replace(QLatin1Char('\''), QStringLiteral("''"))));
        ok = ok && db.transaction();
        const QStringList tables = db.tables();
        for (const QString &t : tables) {
            if (!ok || t == QLatin1String("vorelis_info") || t.startsWith(QLatin1String("sqlite_")))
                continue;
            const QSqlRecord old = db.record(t);
            QStringList shared;
            QSqlQuery cols(db);
            cols.exec(QStringLiteral("PRAGMA src.table_info(%1)").arg(t));
            QStringList sourceCols;
            while (cols.next())
                sourceCols << cols.value(1).toString().toLower();
            for (int i = 0; i < old.count(); ++i)
                if (sourceCols.contains(old.fieldName(i).toLower()))
                    shared << old.fieldName(i);
            if (shared.isEmpty())
                continue;
            const QString list = shared.join(QLatin1Char(','));
            ok = q.exec(QStringLiteral("DELETE FROM main.%1").arg(t))
                && q.exec(QStringLiteral("INSERT INTO main.%1 (%2) SELECT %2 FROM src.%1").arg(t, list));
        }
        ok = ok && db.commit();
        if (!ok && error)
            *error = q.lastError().text();
        q.finish();
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    return ok;
}

} // namespace

bool write(const QString &path, const Options &options, Counts *counts, QString *error)
{
    QString err;
    const QString current = options.version >= 8 ? path : path + QStringLiteral(".current.tmp");
    QFile::remove(path);
    if (!CollectionStore::createFile(current, QStringLiteral("Collection de démonstration"), &err)) {
        if (error)
            *error = err;
        return false;
    }
    const QString name = QStringLiteral("generator-%1").arg(QUuid::createUuid().toString(QUuid::Id128));
    bool ok = false;
    Writer w;
    {
        w.db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        w.db.setDatabaseName(current);
        w.r.seed(options.seed);
        w.o = options;
        if (w.db.open()) {
            QSqlQuery pragma(w.db);
            pragma.exec(QStringLiteral("PRAGMA journal_mode=OFF"));
            pragma.exec(QStringLiteral("PRAGMA synchronous=OFF"));
            for (int i = 0; i < 12; ++i)
                w.pictures << picture(w.r, i % 3 == 2);
            w.placeholder = FieldRules::placeholderBytes();
            w.db.transaction();
            ok = w.fill();
            ok = ok ? w.db.commit() : (w.db.rollback(), false);
            err = w.error;
        } else {
            err = w.db.lastError().text();
        }
        w.db.close();
        w.db = QSqlDatabase();
    }
    QSqlDatabase::removeDatabase(name);
    if (ok && options.version < 8) {
        ok = SchemaHistory::writeFile(path, options.version) && copyInto(current, path, &err);
        QFile::remove(current);
    }
    if (counts)
        *counts = w.counts;
    if (error)
        *error = err;
    return ok;
}

} // namespace Generator
