#include "common/DialogButtons.h"

#include <QBoxLayout>
#include <QPushButton>

CancelValidate addCancelValidate(QWidget *parent, QBoxLayout *row)
{
    CancelValidate b;
    b.cancel = new QPushButton(QStringLiteral("Annuler"), parent);
    b.cancel->setObjectName(QStringLiteral("cancel"));
    b.cancel->setAutoDefault(false);
    b.validate = new QPushButton(QStringLiteral("Valider"), parent);
    b.validate->setObjectName(QStringLiteral("validate"));
    b.validate->setAutoDefault(false);
    b.validate->setDefault(true);
    b.validate->setEnabled(false);
    for (QPushButton *p : {b.cancel, b.validate}) {
        p->setMinimumWidth(90);
        row->addWidget(p);
    }
    return b;
}
