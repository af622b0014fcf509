#pragma once

#include "common/EditorContract.h"

#include <QDialog>

class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;
class QToolButton;
class RecordGrid;

// Editor of one technique: name, creator and description, and the documentation and routines
// that use it. ModeNew or ModeEdit (RecordId), no stepping.
class TEditiontechnique : public QDialog, public EditorContract
{
    Q_OBJECT
public:
    explicit TEditiontechnique(QWidget *parent = nullptr);

    QTabWidget *pages() const { return m_pages; }
    QLineEdit *nameEdit() const { return m_name; }
    QLineEdit *creatorEdit() const { return m_creator; }
    QToolButton *clearCreatorButton() const { return m_clearCreator; }
    QPlainTextEdit *descriptionEdit() const { return m_description; }
    RecordGrid *documentationGrid() const { return m_documentation; }
    RecordGrid *routineGrid() const { return m_routines; }
    QPushButton *validateButton() const { return m_validate; }
    QPushButton *cancelButton() const { return m_cancel; }
    qint64 creatorId() const { return m_creatorId; }

    // A click on the creator: the author selection dialog.
    void ChooseCreator();
    void ClearCreator();
    // "Valider".
    void Validate();

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void prepare();
    void showCreator();

    QTabWidget *m_pages = nullptr;
    QLineEdit *m_name = nullptr;
    QLineEdit *m_creator = nullptr;
    QToolButton *m_clearCreator = nullptr;
    QPlainTextEdit *m_description = nullptr;
    RecordGrid *m_documentation = nullptr;
    RecordGrid *m_routines = nullptr;
    QPushButton *m_validate = nullptr;
    QPushButton *m_cancel = nullptr;
    qint64 m_creatorId = 0;
};
