#pragma once

#include "common/RecordGrid.h"
#include "common/RecordLinks.h"

// The list of records linked to an editor's record (its tags, techniques, equipment...): a
// hidden id column and the names. Records are added through the selection dialog, at most once
// each, and removed one by one; every such change is reported by linksChanged(). In a read-only
// editor both do nothing.
class LinkGrid : public RecordGrid
{
    Q_OBJECT
public:
    // `caption` titles the names column; `creationKind` is a SelectionDialog::Creation.
    LinkGrid(const RecordLinks::LinkSpec &spec, const QString &caption, int creationKind, QWidget *parent = nullptr);

    const RecordLinks::LinkSpec &spec() const { return m_spec; }

    void setViewOnly(bool viewOnly) { m_viewOnly = viewOnly; }
    bool isViewOnly() const { return m_viewOnly; }

    // The links of the record `id`; false when they cannot be read.
    bool load(qint64 id);
    // Writes the rows, in their order, as the links of `id`.
    bool save(qint64 id) const;

    QVector<qint64> ids() const;
    bool contains(qint64 id) const;

    void add();
    void removeSelected();

signals:
    void linksChanged();

private:
    RecordLinks::LinkSpec m_spec;
    int m_kind;
    bool m_viewOnly = false;
};
