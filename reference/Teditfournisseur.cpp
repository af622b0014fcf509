#include "reference/Teditfournisseur.h"

#include "app/Windows.h"
#include "reference/CardForm.h"
#include "reference/TGestionfournisseurs.h"

#include <QShowEvent>
#include <QVBoxLayout>

Teditfournisseur::Teditfournisseur(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint)
{
    setObjectName(QStringLiteral("Editfournisseur"));
    setModal(true);
    CardFormSpec spec;
    spec.record = &Contacts::suppliers();
    spec.newCaption = QStringLiteral("Nouveau fournisseur");
    spec.editCaption = QStringLiteral("Edition d'un fournisseur");
    spec.viewCaption = QStringLiteral("Visualisation d'un fournisseur");
    spec.duplicateMessage = QStringLiteral("Ce fournisseur existe déjà !");
    spec.listWindow = [] { return static_cast<ListWindow *>(Gestionfournisseurs); };
    m_form = new CardForm(this, this, spec);

    auto *outer = new QVBoxLayout(this);
    outer->addWidget(m_form->fieldsPanel(), 1);
    outer->addLayout(m_form->buttonRow());
    setFixedSize(562, 644);
}

void Teditfournisseur::showEvent(QShowEvent *event)
{
    // A window brought back from minimised keeps what was typed.
    if (!event->spontaneous())
        m_form->prepare();
    QDialog::showEvent(event);
}
