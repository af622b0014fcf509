#include "SchemaHistory.h"

#include "store/Schema.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QUuid>

namespace SchemaHistory {

namespace {

// The tables of version 1: today's tables without what later versions added.
QStringList version1()
{
    QStringList s;
    for (const char *name : {"vorelis_info", "rangement", "categorie", "techniques", "auteurs", "fournisseurs",
                             "contacts", "lnk_categories", "lnk_techniques", "lnk_medias", "lnk_materiels",
                             "lnk_spectateurs", "lnk_enchainements", "bookmarks"})
        s << Schema::tableStatements(Schema::table(QString::fromLatin1(name)));
    s << QStringLiteral(
        "CREATE TABLE materiels ( id  Integer NOT NULL PRIMARY KEY AUTOINCREMENT, nom varchar(255) NOT NULL, visuel "
        "BLOB, designation varchar(255), isAcommander varchar (1), isHS varchar (1), isMaintenance varchar "
        "(1),isConsommable varchar (1), quantite varchar(100), url varchar(255), date_achat varchar(11), "
        "valeur_achat  varchar(255), id_fournisseur integer, id_rangement integer, description TEXT, id_pret "
        "integer, CONSTRAINT unique_id UNIQUE ( id ) )");
    s << Schema::tableStatements(Schema::table(QStringLiteral("medias")));
    s << QStringLiteral(
        "CREATE TABLE routines ( id  Integer NOT NULL PRIMARY KEY AUTOINCREMENT, nom varchar(255) NOT NULL, "
        "id_createur integer, visuel BLOB, isMaitrise varchar (1),isAtravailler varchar (1),isIdee varchar "
        "(1),isAbandon varchar (1),isCulture varchar (1), description TEXT, preparation TEXT,modus TEXT, remarques "
        "TEXT, fiche_technique varchar(255), bande_son varchar(255), nom_fichier varchar(255), url varchar(255),  "
        "duree TEXT, CONSTRAINT unique_id UNIQUE ( id ) )");
    s << QStringLiteral("CREATE TABLE enchainements ( id  Integer NOT NULL PRIMARY KEY AUTOINCREMENT,  nom "
                        "varchar(255), description varchar (255), CONSTRAINT unique_id UNIQUE ( id ) )");
    // Indexes of version 1: today's, but for those the upgrade steps add.
    const QStringList later{QStringLiteral("idx_materiels_isImport"), QStringLiteral("idx_routines_evaluation"),
                            QStringLiteral("idx_routines_difficulte"), QStringLiteral("idx_routines_isImport"),
                            QStringLiteral("idx_routines_id")};
    for (const char *name : {"materiels", "routines", "enchainements"}) {
        const Schema::Table &t = Schema::table(QString::fromLatin1(name));
        for (const auto &i : t.indexes)
            if (!later.contains(i.first))
                s << Schema::indexStatement(t.name, i.first, i.second);
    }
    return s;
}

// What each version added, as that version wrote it.
QStringList addedIn(int version)
{
    switch (version) {
    case 2:
        return {QStringLiteral("ALTER TABLE routines ADD COLUMN evaluation INTEGER"),
                QStringLiteral("ALTER TABLE routines ADD COLUMN difficulte INTEGER"),
                QStringLiteral("CREATE INDEX idx_routines_evaluation ON routines (evaluation)"),
                QStringLiteral("CREATE INDEX idx_routines_difficulte ON routines (difficulte)")};
    case 3:
        return {QStringLiteral("ALTER TABLE materiels ADD COLUMN isImport INTEGER"),
                QStringLiteral("CREATE INDEX idx_materiels_isImport ON materiels (isImport)")};
    case 4:
        return {QStringLiteral("ALTER TABLE routines ADD COLUMN isImport INTEGER"),
                QStringLiteral("CREATE INDEX idx_routines_isImport ON routines (isImport)")};
    case 5: {
        QStringList s{QStringLiteral("CREATE INDEX idx_routines_id ON routines (id)")};
        for (const char *name : {"fiches_techniques", "cues", "musiques"})
            s << Schema::tableStatements(Schema::table(QString::fromLatin1(name)));
        return s;
    }
    case 6:
        return {QStringLiteral("ALTER TABLE routines ADD COLUMN fiche_technique_interne INTEGER"),
                QStringLiteral("ALTER TABLE enchainements ADD COLUMN fiche_technique_interne INTEGER")};
    case 7:
        return Schema::tableStatements(Schema::table(QStringLiteral("moteurs")));
    default:
        return {};
    }
}

} // namespace

bool writeFile(const QString &path, int version, bool breakUpgrade)
{
    const QString name = QStringLiteral("history-") + QUuid::createUuid().toString();
    bool ok = true;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        ok = db.open();
        QSqlQuery q(db);
        QStringList statements = version1();
        for (int v = 2; v <= version; ++v)
            statements << addedIn(v);
        if (breakUpgrade)
            statements << QStringLiteral("ALTER TABLE routines ADD COLUMN evaluation INTEGER");
        statements << QStringLiteral("INSERT INTO vorelis_info (nomdb, databaseversion) VALUES ('Ancienne', %1)")
                          .arg(version);
        statements << QStringLiteral("INSERT INTO routines (nom, isMaitrise) VALUES ('La corde coupée', '1')");
        statements << QStringLiteral("INSERT INTO materiels (nom) VALUES ('Gobelets')");
        statements << QStringLiteral("INSERT INTO enchainements (nom) VALUES ('Gala')");
        for (const QString &sql : statements) {
            if (ok && !q.exec(sql)) {
                qWarning("%s: %s", qPrintable(sql), qPrintable(q.lastError().text()));
                ok = false;
            }
        }
        q.finish();
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    return ok;
}

} // namespace SchemaHistory
