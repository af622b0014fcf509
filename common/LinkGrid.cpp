#include "common/LinkGrid.h"

#include "app/TForm1.h"
#include "app/Windows.h"
#include "common/Trecherchesql.h"

namespace {
const QString IdField = QStringLiteral("id");
const QString NameField = QStringLiteral("nom");
} // namespace

LinkGrid::LinkGrid(const RecordLinks::LinkSpec &spec, const QString &caption, int creationKind, QWidget *parent)
    : RecordGrid(parent), m_spec(spec), m_kind(creationKind)
{
    GridColumn id{QStringLiteral("id"), IdField};
    id.hidden = true;
    GridColumn name{caption, NameField};
    name.stretch = true;
    setColumns({id, name});
}

bool LinkGrid::load(qint64 id)
{
    clearRows();
    QVector<RecordLinks::Linked> rows;
    const bool ok = RecordLinks::load(Form1->database(), m_spec, id, &rows);
    for (const RecordLinks::Linked &r : rows)
        addRow({QString::number(r.id), r.name});
    return ok;
}

bool LinkGrid::save(qint64 id) const
{
    return RecordLinks::save(Form1->database(), m_spec, id, ids());
}

QVector<qint64> LinkGrid::ids() const
{
    QVector<qint64> list;
    for (int row = 0; row < rowCount(); ++row) {
        const QString id = cell(row, IdField);
        if (!id.isEmpty())
            list << id.toLongLong();
    }
    return list;
}

bool LinkGrid::contains(qint64 id) const
{
    return ids().contains(id);
}

void LinkGrid::add()
{
    if (m_viewOnly)
        return;
    const int chosen = Recherchesql->SelectRecord(RecordLinks::candidatesStatement(m_spec.target),
                                                  RecordLinks::filteredCandidatesStatement(m_spec.target),
                                                  QStringLiteral("nom"), m_kind, false);
    if (chosen > 0) {
        emit linksChanged();
        RecordLinks::Linked row;
        if (!contains(chosen) && RecordLinks::fetch(Form1->database(), m_spec.target, chosen, &row))
            addRow({QString::number(row.id), row.name});
    }
    selectRowAt(rowCount() - 1);
}

void LinkGrid::removeSelected()
{
    if (m_viewOnly)
        return;
    const int row = selectedRow();
    if (row < 0)
        return;
    emit linksChanged();
    removeRow(row);
}
