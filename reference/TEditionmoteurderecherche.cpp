#include "reference/TEditionmoteurderecherche.h"

#include "app/Windows.h"
#include "reference/TGestionmoteursderecherche.h"

#include <QCheckBox>
#include <QLabel>
#include <QSqlRecord>
#include <QVariant>

namespace {
WebRecordEditorSpec spec()
{
    WebRecordEditorSpec s;
    s.objectName = QStringLiteral("Editionmoteurderecherche");
    s.size = QSize(782, 277);
    s.captionNew = QStringLiteral("Création d'un nouveau moteur de recherche");
    s.captionEdit = QStringLiteral("Edition d'un moteur de recherche");
    s.nameMaxLength = WebRecords::EngineNameMaxLength;
    s.records = &WebRecords::engines();
    s.duplicateMessage = QStringLiteral("Un moteur portant ce nom existe déjà !");
    s.acceptable = WebRecords::engineAcceptable;
    s.storedAddress = WebRecords::engineStoredAddress;
    s.afterSave = [](bool created) { Gestionmoteursderecherche->reloadAfterSave(created); };
    return s;
}

QLabel *note(QWidget *parent, const QString &text)
{
    auto *l = new QLabel(text, parent);
    QPalette p = l->palette();
    p.setColor(QPalette::WindowText, Qt::red);
    l->setPalette(p);
    return l;
}
} // namespace

TEditionmoteurderecherche::TEditionmoteurderecherche(QWidget *parent) : WebRecordEditor(spec(), parent)
{
    addRow(note(this, QStringLiteral("Remplacer le mot-clé de recherche dans l'URL par le mot clé [_SEARCH_]")));
    m_active = new QCheckBox(QStringLiteral("Activer ce moteur pour les recherches"), this);
    m_active->setObjectName(QStringLiteral("active"));
    addRow(m_active);
    addRow(note(this, QStringLiteral("L'URL doit commencer par http:// ou https://")));
    addStretch();
}

void TEditionmoteurderecherche::clearExtra()
{
    m_active->setChecked(false);
}

void TEditionmoteurderecherche::readExtra(const QSqlRecord &record)
{
    m_active->setChecked(record.value(QStringLiteral("actif")).toInt() == 1);
}

QVariantMap TEditionmoteurderecherche::extraValues() const
{
    return {{QStringLiteral(":actif"), m_active->isChecked() ? 1 : 0}};
}
