#pragma once

#include "reference/WebRecordEditor.h"

class QCheckBox;

// Creates or edits one web search engine.
class TEditionmoteurderecherche : public WebRecordEditor, public EditorContract
{
    Q_OBJECT
public:
    explicit TEditionmoteurderecherche(QWidget *parent = nullptr);

    QCheckBox *activeBox() const { return m_active; }

protected:
    EditorContract &contract() override { return *this; }
    void clearExtra() override;
    void readExtra(const QSqlRecord &record) override;
    QVariantMap extraValues() const override;

private:
    QCheckBox *m_active = nullptr;
};
