#include "store/Schema.h"

namespace Schema {

const char *const IdentityRead = "SELECT id, nomdb , databaseversion from vorelis_info";
const char *const IdentityWrite = "INSERT INTO vorelis_info ( nomdb , databaseversion ) VALUES ( :nom, :databaseversion)";
const char *const VersionUpdate = "UPDATE vorelis_info SET databaseversion=:databaseversion WHERE id=:iddb";

namespace {

using IndexList = QVector<QPair<QString, QString>>;

// Indexes named idx_<table>_<column>, in the order given.
IndexList idx(const QString &table, const QStringList &columns)
{
    IndexList list;
    for (const QString &c : columns)
        list.append({QStringLiteral("idx_") + table + QLatin1Char('_') + c, c});
    return list;
}

QVector<Table> buildTables()
{
    QVector<Table> t;
    t.append({QStringLiteral("vorelis_info"),
              QStringLiteral("CREATE TABLE vorelis_info ( id INTEGER PRIMARY KEY , nomdb TEXT , databaseversion INTEGER )"),
              {}});
    t.append({QStringLiteral("rangement"),
              QStringLiteral("CREATE TABLE rangement( id  Integer NOT NULL PRIMARY KEY AUTOINCREMENT, nom varchar(255) NOT "
                             "NULL, description  varchar(255),CONSTRAINT unique_id UNIQUE ( id ) )"),
              idx(QStringLiteral("rangement"), {QStringLiteral("nom"), QStringLiteral("id")})});
    t.append({QStringLiteral("categorie"),
              QStringLiteral("CREATE TABLE categorie( id  Integer NOT NULL PRIMARY KEY AUTOINCREMENT, nom varchar(255) NOT "
                             "NULL,CONSTRAINT unique_id UNIQUE ( id ) )"),
              idx(QStringLiteral("categorie"), {QStringLiteral("nom"), QStringLiteral("id")})});
    t.append({QStringLiteral("techniques"),
              QStringLiteral("CREATE TABLE techniques( id  Integer NOT NULL PRIMARY KEY AUTOINCREMENT, nom varchar(255) NOT "
                             "NULL, id_auteur Integer,description TEXT,   CONSTRAINT unique_id UNIQUE ( id ) )"),
              idx(QStringLiteral("techniques"), {QStringLiteral("id"), QStringLiteral("id_auteur"), QStringLiteral("nom")})});
    t.append({QStringLiteral("auteurs"),
              QStringLiteral("CREATE TABLE auteurs( id  Integer NOT NULL PRIMARY KEY AUTOINCREMENT, nom varchar(255) NOT "
                             "NULL,CONSTRAINT unique_id UNIQUE ( id ) )"),
              idx(QStringLiteral("auteurs"), {QStringLiteral("nom"), QStringLiteral("id")})});
    t.append({QStringLiteral("fournisseurs"),
              QStringLiteral("CREATE TABLE fournisseurs( id  Integer NOT NULL PRIMARY KEY AUTOINCREMENT, nom varchar(255) "
                             "NOT NULL, nom_contact varchar(255), adresse varchar(255), adresse_suite varchar(255), "
                             "codepostal varchar(255), ville  varchar(255), pays varchar(255), tel varchar(255), email "
                             "varchar(255),site varchar(255),CONSTRAINT unique_id UNIQUE ( id ) )"),
              idx(QStringLiteral("fournisseurs"), {QStringLiteral("id"), QStringLiteral("nom")})});
    t.append({QStringLiteral("contacts"),
              QStringLiteral("CREATE TABLE contacts( id  Integer NOT NULL PRIMARY KEY AUTOINCREMENT, nom varchar(255) NOT "
                             "NULL, adresse varchar(255), adresse_suite varchar(255), codepostal varchar(255), ville  "
                             "varchar(255), pays varchar(255), tel varchar(255), fax varchar(255), email "
                             "varchar(255),site varchar(255),commentaire varchar(255),isArtiste "
                             "varchar(1),isProspection varchar(1),isClient varchar(1),isAdministration varchar(1), siret "
                             "varchar(20), CONSTRAINT unique_id UNIQUE ( id ) )"),
              idx(QStringLiteral("contacts"),
                  {QStringLiteral("id"), QStringLiteral("nom"), QStringLiteral("isArtiste"),
                   QStringLiteral("isProspection"), QStringLiteral("isClient"), QStringLiteral("isAdministration")})});
    t.append({QStringLiteral("materiels"),
              QStringLiteral("CREATE TABLE materiels ( id  Integer NOT NULL PRIMARY KEY AUTOINCREMENT, nom varchar(255) "
                             "NOT NULL, visuel BLOB, designation varchar(255), isAcommander varchar (1), isHS varchar "
                             "(1), isMaintenance varchar (1),isConsommable varchar (1), quantite varchar(100), url "
                             "varchar(255), date_achat varchar(11), valeur_achat  varchar(255), id_fournisseur integer, "
                             "id_rangement integer, description TEXT, id_pret integer,iSimport integer, CONSTRAINT "
                             "unique_id UNIQUE ( id ) )"),
              idx(QStringLiteral("materiels"),
                  {QStringLiteral("id"), QStringLiteral("nom"), QStringLiteral("designation"),
                   QStringLiteral("isAcommander"), QStringLiteral("isHS"), QStringLiteral("isMaintenance"),
                   QStringLiteral("isConsommable"), QStringLiteral("id_fournisseur"), QStringLiteral("id_pret"),
                   QStringLiteral("id_rangement"), QStringLiteral("description"), QStringLiteral("isImport")})});
    t.append({QStringLiteral("medias"),
              QStringLiteral("CREATE TABLE medias ( id  Integer NOT NULL PRIMARY KEY AUTOINCREMENT, nom varchar(255) NOT "
                             "NULL, visuel BLOB, description TEXT, commentaire TEXT, isLivre varchar (1), isEbook "
                             "varchar (1), isDVD varchar (1), isStreaming varchar (1), isK7 varchar (1),isFichier varchar "
                             "(1),isNotes varchar (1),  isVideo varchar (1),  isNotice varchar (1), nom_fichier "
                             "varchar(255), url varchar(255),  date_achat varchar(11), valeur_achat  varchar(255), "
                             "annee_publication varchar(4), id_fournisseur integer, id_rangement integer,id_auteur "
                             "integer, contenu TEXT, id_pret integer,iSimport integer, CONSTRAINT unique_id UNIQUE ( id "
                             ") )"),
              idx(QStringLiteral("medias"),
                  {QStringLiteral("id"), QStringLiteral("nom"), QStringLiteral("nom_fichier"),
                   QStringLiteral("contenu"), QStringLiteral("isLivre"), QStringLiteral("isEbook"),
                   QStringLiteral("isDVD"), QStringLiteral("isStreaming"), QStringLiteral("isK7"),
                   QStringLiteral("isFichier"), QStringLiteral("isNotes"), QStringLiteral("isVideo"),
                   QStringLiteral("isImport"), QStringLiteral("isNotice"), QStringLiteral("id_fournisseur"),
                   QStringLiteral("id_pret"), QStringLiteral("id_rangement"), QStringLiteral("id_auteur"),
                   QStringLiteral("description"), QStringLiteral("commentaire")})});
    t.append({QStringLiteral("routines"),
              QStringLiteral("CREATE TABLE routines ( id  Integer NOT NULL PRIMARY KEY AUTOINCREMENT, nom varchar(255) "
                             "NOT NULL, id_createur integer, visuel BLOB, isMaitrise varchar (1),isAtravailler varchar "
                             "(1),isIdee varchar (1),isAbandon varchar (1),isCulture varchar (1), description TEXT, "
                             "preparation TEXT,modus TEXT, remarques TEXT, fiche_technique varchar(255),demo "
                             "varchar(255), bande_son varchar(255), nom_fichier varchar(255), url varchar(255),  duree "
                             "TEXT, evaluation integer, difficulte integer,iSimport integer,fiche_technique_interne "
                             "integer, CONSTRAINT unique_id UNIQUE ( id ) )"),
              idx(QStringLiteral("routines"),
                  {QStringLiteral("nom"), QStringLiteral("id_createur"), QStringLiteral("isMaitrise"),
                   QStringLiteral("isAtravailler"), QStringLiteral("isIdee"), QStringLiteral("isAbandon"),
                   QStringLiteral("isCulture"), QStringLiteral("preparation"), QStringLiteral("modus"),
                   QStringLiteral("remarques"), QStringLiteral("evaluation"), QStringLiteral("difficulte"),
                   QStringLiteral("isImport"), QStringLiteral("id")})});
    t.append({QStringLiteral("lnk_categories"),
              QStringLiteral("CREATE TABLE lnk_categories ( id  Integer NOT NULL PRIMARY KEY AUTOINCREMENT,  "
                             "id_categorie integer,  dest integer, id_dest integer, CONSTRAINT unique_id UNIQUE ( id ) )"),
              idx(QStringLiteral("lnk_categories"), {QStringLiteral("id"), QStringLiteral("id_categorie"),
                                                     QStringLiteral("dest"), QStringLiteral("id_dest")})});
    // The technique index keeps its historical name on the id_technique column.
    t.append({QStringLiteral("lnk_techniques"),
              QStringLiteral("CREATE TABLE lnk_techniques ( id  Integer NOT NULL PRIMARY KEY AUTOINCREMENT,  "
                             "id_technique integer,  dest integer, id_dest integer, CONSTRAINT unique_id UNIQUE ( id ) )"),
              {{QStringLiteral("idx_lnk_techniques_id"), QStringLiteral("id")},
               {QStringLiteral("idx_lnk_techniques_id_categorie"), QStringLiteral("id_technique")},
               {QStringLiteral("idx_lnk_techniques_dest"), QStringLiteral("dest")},
               {QStringLiteral("idx_lnk_techniques_id_dest"), QStringLiteral("id_dest")}}});
    t.append({QStringLiteral("lnk_medias"),
              QStringLiteral("CREATE TABLE lnk_medias ( id  Integer NOT NULL PRIMARY KEY AUTOINCREMENT,  id_media "
                             "integer,  id_dest integer, CONSTRAINT unique_id UNIQUE ( id ) )"),
              idx(QStringLiteral("lnk_medias"),
                  {QStringLiteral("id"), QStringLiteral("id_media"), QStringLiteral("id_dest")})});
    t.append({QStringLiteral("lnk_materiels"),
              QStringLiteral("CREATE TABLE lnk_materiels ( id  Integer NOT NULL PRIMARY KEY AUTOINCREMENT,  id_materiel "
                             "integer,  id_dest integer, CONSTRAINT unique_id UNIQUE ( id ) )"),
              idx(QStringLiteral("lnk_materiels"),
                  {QStringLiteral("id"), QStringLiteral("id_materiel"), QStringLiteral("id_dest")})});
    t.append({QStringLiteral("lnk_spectateurs"),
              QStringLiteral("CREATE TABLE lnk_spectateurs ( id  Integer NOT NULL PRIMARY KEY AUTOINCREMENT,  "
                             "id_spectateur integer,  id_dest integer, CONSTRAINT unique_id UNIQUE ( id ) )"),
              idx(QStringLiteral("lnk_spectateurs"),
                  {QStringLiteral("id"), QStringLiteral("id_spectateur"), QStringLiteral("id_dest")})});
    t.append({QStringLiteral("enchainements"),
              QStringLiteral("CREATE TABLE enchainements ( id  Integer NOT NULL PRIMARY KEY AUTOINCREMENT,  nom "
                             "varchar(255), description varchar (255),fiche_technique_interne integer, CONSTRAINT "
                             "unique_id UNIQUE ( id ) )"),
              idx(QStringLiteral("enchainements"),
                  {QStringLiteral("id"), QStringLiteral("nom"), QStringLiteral("description")})});
    t.append({QStringLiteral("lnk_enchainements"),
              QStringLiteral("CREATE TABLE lnk_enchainements ( id  Integer NOT NULL PRIMARY KEY AUTOINCREMENT,  "
                             "id_routine integer,  id_enchainement integer, position integer, CONSTRAINT unique_id "
                             "UNIQUE ( id ) )"),
              idx(QStringLiteral("lnk_enchainements"),
                  {QStringLiteral("id"), QStringLiteral("id_routine"), QStringLiteral("id_enchainement")})});
    t.append({QStringLiteral("fiches_techniques"),
              QStringLiteral("CREATE TABLE fiches_techniques ( id  Integer NOT NULL PRIMARY KEY AUTOINCREMENT, nom "
                             "varchar(255) NOT NULL, remarques TEXT, contraintes TEXT, temps_installation TEXT, "
                             "temps_desinstallation TEXT,duree_numero TEXT, type_numero integer, demarrage varchar(255) "
                             ", CONSTRAINT unique_id UNIQUE ( id ) )"),
              idx(QStringLiteral("fiches_techniques"), {QStringLiteral("id"), QStringLiteral("nom")})});
    t.append({QStringLiteral("cues"),
              QStringLiteral("CREATE TABLE cues ( id  Integer NOT NULL PRIMARY KEY AUTOINCREMENT, titre varchar(255) NOT "
                             "NULL, visuel BLOB,  repere TEXT, lumiere TEXT, son TEXT, id_fiche_technique integer, "
                             "ordre integer,timecode TEXT, CONSTRAINT unique_id UNIQUE ( id ) )"),
              idx(QStringLiteral("cues"),
                  {QStringLiteral("id"), QStringLiteral("id_fiche_technique"), QStringLiteral("ordre")})});
    t.append({QStringLiteral("musiques"),
              QStringLiteral("CREATE TABLE musiques ( id  Integer NOT NULL PRIMARY KEY AUTOINCREMENT, artiste "
                             "varchar(255), titre varchar(255), album varchar(255), duree TEXT, id_fiche_technique "
                             "integer, ordre integer, CONSTRAINT unique_id UNIQUE ( id ) )"),
              idx(QStringLiteral("musiques"),
                  {QStringLiteral("id"), QStringLiteral("id_fiche_technique"), QStringLiteral("ordre")})});
    t.append({QStringLiteral("bookmarks"),
              QStringLiteral("CREATE TABLE bookmarks ( id  Integer NOT NULL PRIMARY KEY AUTOINCREMENT,  nom "
                             "varchar(255), url varchar (255), description TEXT, CONSTRAINT unique_id UNIQUE ( id ) )"),
              idx(QStringLiteral("bookmarks"),
                  {QStringLiteral("id"), QStringLiteral("nom"), QStringLiteral("url"), QStringLiteral("description")})});
    t.append({QStringLiteral("moteurs"),
              QStringLiteral("CREATE TABLE moteurs ( id  Integer NOT NULL PRIMARY KEY AUTOINCREMENT,  nom varchar(255), "
                             "url varchar (255), actif integer, CONSTRAINT unique_id UNIQUE ( id ) )"),
              idx(QStringLiteral("moteurs"), {QStringLiteral("id"), QStringLiteral("actif")})});
    return t;
}

QString indexOf(const QString &table, const QString &index)
{
    for (const auto &i : Schema::table(table).indexes)
        if (i.first == index)
            return indexStatement(table, i.first, i.second);
    Q_ASSERT_X(false, "Schema::indexOf", "unknown index");
    return QString();
}

QStringList statementsOf(const QStringList &tableNames)
{
    QStringList s;
    for (const QString &n : tableNames)
        s << tableStatements(Schema::table(n));
    return s;
}

} // namespace

const QVector<Table> &tables()
{
    static const QVector<Table> t = buildTables();
    return t;
}

const Table &table(const QString &name)
{
    for (const Table &t : tables())
        if (t.name == name)
            return t;
    Q_ASSERT_X(false, "Schema::table", "unknown table");
    return tables().first();
}

QString indexStatement(const QString &table, const QString &index, const QString &column)
{
    return QStringLiteral("CREATE INDEX ") + index + QStringLiteral(" ON ") + table + QStringLiteral(" (") + column +
           QLatin1Char(')');
}

QStringList tableStatements(const Table &t)
{
    QStringList s{t.create};
    for (const auto &i : t.indexes)
        s << indexStatement(t.name, i.first, i.second);
    return s;
}

QStringList engineSeedStatements()
{
    // Constant rows: no user value ever reaches these statements.
    static const char *const rows[][3] = {
        {"Google", "https://www.google.com/search?q=[_SEARCH_]", "1"},
        {"Youtube", "https://www.youtube.com/results?search_query=[_SEARCH_]", "1"},
        {"The Conjuring Archive", "https://www.conjuringarchive.com/list/search?keyword=[_SEARCH_]", "1"},
        {"Virtualmagie", "https://www.virtualmagie.com/?s=[_SEARCH_]", "1"},
        {"Magic Cafe", "https://www.google.com/search?q=[_SEARCH_]+site%3Awww.themagiccafe.com%2Fforums", "0"},
        {"Maître Zéphyrin", "https://www.youtube.com/@MaitreZephyrin/search?query=[_SEARCH_]", "0"},
        {"Magigazine", "https://www.youtube.com/@magigazine/search?query=[_SEARCH_]", "0"},
        {"Vintage Magic Archive", "https://www.youtube.com/@vintagemagicarchive/search?query=[_SEARCH_]", "0"},
        {"Dame Ondine", "https://www.youtube.com/@DameOndine/search?query=[_SEARCH_]", "0"},
        {"Magic Orthodoxy", "https://www.youtube.com/@magicorthodoxy/search?query=[_SEARCH_]", "0"},
    };
    QStringList s;
    for (const auto &r : rows)
        s << QStringLiteral("INSERT INTO moteurs (nom,url,actif) VALUES ('%1', '%2', %3)")
                 .arg(QString::fromUtf8(r[0]), QString::fromUtf8(r[1]), QString::fromUtf8(r[2]));
    return s;
}

QVector<QStringList> creationGroups()
{
    QVector<QStringList> groups;
    groups.append({table(QStringLiteral("vorelis_info")).create});
    for (const char *name : {"rangement", "categorie", "techniques", "auteurs", "fournisseurs", "contacts", "materiels",
                             "medias", "routines", "lnk_categories", "lnk_techniques", "lnk_medias", "lnk_materiels",
                             "lnk_spectateurs", "enchainements", "lnk_enchainements"})
        groups.append(tableStatements(table(QString::fromLatin1(name))));
    QStringList last = statementsOf({QStringLiteral("fiches_techniques"), QStringLiteral("cues"),
                                     QStringLiteral("musiques"), QStringLiteral("bookmarks"), QStringLiteral("moteurs")});
    last << engineSeedStatements();
    groups.append(last);
    return groups;
}

const QVector<UpgradeStep> &upgradeSteps()
{
    static const QVector<UpgradeStep> steps = [] {
        const QString r = QStringLiteral("routines");
        QVector<UpgradeStep> s;
        s.append({2,
                  {QStringLiteral("ALTER TABLE routines ADD COLUMN evaluation INTEGER"),
                   QStringLiteral("ALTER TABLE routines ADD COLUMN difficulte INTEGER"),
                   indexOf(r, QStringLiteral("idx_routines_evaluation")),
                   indexOf(r, QStringLiteral("idx_routines_difficulte")),
                   QStringLiteral("UPDATE routines SET evaluation=5 WHERE ID>0"),
                   QStringLiteral("UPDATE routines SET difficulte=5 WHERE ID>0")}});
        s.append({3,
                  {QStringLiteral("ALTER TABLE materiels ADD COLUMN isImport INTEGER"),
                   indexOf(QStringLiteral("materiels"), QStringLiteral("idx_materiels_isImport"))}});
        s.append({4,
                  {QStringLiteral("ALTER TABLE routines ADD COLUMN isImport INTEGER"),
                   indexOf(r, QStringLiteral("idx_routines_isImport"))}});
        // The upgrade's sheet table differs from the creation text only in blanks around two commas.
        Table sheets = table(QStringLiteral("fiches_techniques"));
        sheets.create = QStringLiteral(
            "CREATE TABLE fiches_techniques ( id  Integer NOT NULL PRIMARY KEY AUTOINCREMENT, nom varchar(255) NOT NULL, "
            "remarques TEXT, contraintes TEXT, temps_installation TEXT, temps_desinstallation TEXT, duree_numero TEXT, "
            "type_numero integer, demarrage varchar(255), CONSTRAINT unique_id UNIQUE ( id ) )");
        QStringList v5{indexOf(r, QStringLiteral("idx_routines_id"))};
        v5 << tableStatements(sheets) << statementsOf({QStringLiteral("cues"), QStringLiteral("musiques")});
        s.append({5, v5});
        s.append({6,
                  {QStringLiteral("ALTER TABLE routines ADD COLUMN fiche_technique_interne INTEGER"),
                   QStringLiteral("ALTER TABLE enchainements ADD COLUMN fiche_technique_interne INTEGER")}});
        QStringList v7 = statementsOf({QStringLiteral("moteurs")});
        v7 << engineSeedStatements();
        s.append({7, v7});
        s.append({8, {QStringLiteral("ALTER TABLE routines ADD COLUMN demo varchar(255)")}});
        return s;
    }();
    return steps;
}

QStringList upgradeStatements(int version)
{
    QStringList s;
    for (const UpgradeStep &step : upgradeSteps())
        if (version < step.below)
            s << step.statements;
    return s;
}

} // namespace Schema
