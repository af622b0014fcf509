#pragma once

#include "reference/WebRecordEditor.h"

class QPlainTextEdit;
class QToolButton;

// Creates, edits or shows one web link; in ModeView it can step through the opener's list.
class TEditionlien : public WebRecordEditor, public SteppingEditorContract
{
    Q_OBJECT
public:
    explicit TEditionlien(QWidget *parent = nullptr);

    QPlainTextEdit *descriptionEdit() const { return m_description; }
    QToolButton *visitButton() const { return m_visit; }
    QToolButton *previousButton() const { return m_previous; }
    QToolButton *nextButton() const { return m_next; }

    // "Visiter le site internet": the address, encoded, in the browser.
    void Visit();

protected:
    EditorContract &contract() override { return *this; }
    void clearExtra() override;
    void readExtra(const QSqlRecord &record) override;
    void setExtraReadOnly(bool readOnly) override;
    QVariantMap extraValues() const override;
    void prepare() override;

private:
    // Asks the opener for another record, leaving as "Retour" does.
    void step(bool &request);

    QPlainTextEdit *m_description = nullptr;
    QToolButton *m_visit = nullptr;
    QToolButton *m_previous = nullptr;
    QToolButton *m_next = nullptr;
};
