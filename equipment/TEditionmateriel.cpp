#include "equipment/TEditionmateriel.h"

#include "app/Dialogs.h"
#include "app/Windows.h"
#include "common/AmountField.h"
#include "common/FieldActions.h"
#include "common/LinkGrid.h"
#include "common/LookupField.h"
#include "common/PictureArea.h"
#include "common/RecordLinks.h"
#include "common/SelectionDialog.h"
#include "common/StoreMessages.h"
#include "equipment/Equipment.h"
#include "equipment/TInventairemateriel.h"
#include "reference/CardForm.h"
#include "reference/Teditfournisseur.h"
#include "reference/Teditioncontact.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
RecordEditorSpec spec()
{
    return {QStringLiteral("Editionmateriel"),        QSize(1002, 710),
            QStringLiteral("Nouveau matériel"),        QStringLiteral("Edition d'un matériel"),
            QStringLiteral("Edition d'un matériel"),   QStringLiteral("Ce matériel existe déjà !")};
}

// The field limits of the record.
constexpr int NameLimit = 255;
constexpr int TextLimit = 255;
constexpr int DateLimit = 10;

QLineEdit *textField(QWidget *parent, const QString &objectName, int maxLength)
{
    auto *f = new QLineEdit(parent);
    f->setObjectName(objectName);
    f->setMaxLength(maxLength);
    return f;
}

QLabel *label(QWidget *parent, const QString &text, QWidget *buddy)
{
    auto *l = new QLabel(text, parent);
    l->setBuddy(buddy);
    return l;
}

QCheckBox *checkBox(QWidget *parent, const QString &objectName, const QString &caption)
{
    auto *b = new QCheckBox(caption, parent);
    b->setObjectName(objectName);
    return b;
}
} // namespace

TEditionmateriel::TEditionmateriel(QWidget *parent) : RecordEditor(spec(), parent)
{
    buildLayout();
}

void TEditionmateriel::buildLayout()
{
    QWidget *c = content();
    auto *picture = new PictureArea(c);
    picture->setObjectName(QStringLiteral("picture"));
    picture->setFixedSize(120, 120);
    picture->setToolTip(QStringLiteral("Cliquez pour ajouter une photo"));
    picture->setStyleSheet(QStringLiteral("background-color: black;"));
    setPictureArea(picture);

    m_nameField = textField(c, QStringLiteral("name"), NameLimit);
    m_designation = textField(c, QStringLiteral("designation"), TextLimit);
    m_toOrder = checkBox(c, QStringLiteral("toOrder"), QStringLiteral("A commander"));
    m_outOfService = checkBox(c, QStringLiteral("outOfService"), QStringLiteral("Hors-service"));
    m_maintenance = checkBox(c, QStringLiteral("maintenance"), QStringLiteral("En maintenance"));
    m_consumable = checkBox(c, QStringLiteral("consumable"), QStringLiteral("Consommable"));
    m_quantity = textField(c, QStringLiteral("quantity"), TextLimit);
    m_purchaseDate = textField(c, QStringLiteral("purchaseDate"), DateLimit);
    m_purchaseValue = new AmountField(c);
    m_purchaseValue->setObjectName(QStringLiteral("purchaseValue"));
    m_purchaseValue->setMaxLength(255);
    m_supplier = new LookupField(QStringLiteral("fournisseurs"), SelectionDialog::Supplier, c);
    m_supplier->setObjectName(QStringLiteral("supplier"));
    m_storage = new LookupField(QStringLiteral("rangement"), SelectionDialog::StoragePlace, c);
    m_storage->setObjectName(QStringLiteral("storage"));
    m_lender = new LookupField(QStringLiteral("contacts"), SelectionDialog::Contact, c);
    m_lender->setObjectName(QStringLiteral("lender"));
    m_link = textField(c, QStringLiteral("link"), TextLimit);
    m_description = longText(c, QStringLiteral("description"));
    m_tags = new LinkGrid(RecordLinks::tags(RecordLinks::Equipment), QStringLiteral("Balises"), SelectionDialog::Tag, c);
    m_tags->setObjectName(QStringLiteral("tags"));

    const QString webHint = QStringLiteral("Visualiser sur The Conjuring Archive");
    const QString web = QStringLiteral("btn-websearch"), card = QStringLiteral("btn-card"),
                  clear = QStringLiteral("btn-clear");
    const QStyle::StandardPixmap webFallback = QStyle::SP_FileDialogContentsView,
                                 cardFallback = QStyle::SP_FileDialogDetailedView,
                                 clearFallback = QStyle::SP_DialogDiscardButton;
    QToolButton *webName = iconButton(c, QStringLiteral("webSearchName"), webHint, web, webFallback);
    QToolButton *webDesignation = iconButton(c, QStringLiteral("webSearchDesignation"), webHint, web, webFallback);
    QToolButton *supplierCard = iconButton(c, QStringLiteral("supplierCard"), QStringLiteral("Voir la fiche fournisseur"),
                                           card, cardFallback);
    QToolButton *supplierClear =
        iconButton(c, QStringLiteral("supplierClear"), QStringLiteral("Supprimer le fournisseur"), clear, clearFallback);
    QToolButton *storageInfo = iconButton(c, QStringLiteral("storageInfo"), QStringLiteral("Infos sur le rangement"),
                                          QStringLiteral("btn-info"), QStyle::SP_MessageBoxInformation);
    QToolButton *storageClear =
        iconButton(c, QStringLiteral("storageClear"), QStringLiteral("Supprimer le rangement"), clear, clearFallback);
    QToolButton *visit = iconButton(c, QStringLiteral("visitLink"), QStringLiteral("Visiter le site internet"),
                                    QStringLiteral("btn-visit-small"), QStyle::SP_DriveNetIcon);
    QToolButton *tagAdd = iconButton(c, QStringLiteral("tagAdd"), QStringLiteral("Ajouter une balise"),
                                     QStringLiteral("btn-add-small"), QStyle::SP_FileDialogNewFolder);
    QToolButton *tagRemove = iconButton(c, QStringLiteral("tagRemove"), QStringLiteral("Supprimer une balise"),
                                        QStringLiteral("btn-remove-small"), QStyle::SP_TrashIcon);
    QToolButton *lenderCard = iconButton(c, QStringLiteral("lenderCard"),
                                         QStringLiteral("Visualiser la fiche de l'emprunteur"), card, cardFallback);
    QToolButton *lenderClear =
        iconButton(c, QStringLiteral("lenderClear"), QStringLiteral("Supprimer le prêt"), clear, clearFallback);

    setNameField(m_nameField);
    for (QLineEdit *f : {m_designation, m_quantity, m_purchaseDate, static_cast<QLineEdit *>(m_purchaseValue), m_link})
        addTextField(f);
    for (QCheckBox *b : {m_toOrder, m_outOfService, m_maintenance, m_consumable})
        addCheckBox(b);
    addLongText(m_description);
    addLookup(m_supplier, supplierClear, supplierCard);
    addLookup(m_storage, storageClear);
    addLookup(m_lender, lenderClear, lenderCard);
    addLinkGrid(m_tags, tagAdd, tagRemove);

    connect(m_consumable, &QCheckBox::toggled, m_quantity, &QWidget::setEnabled);
    connect(storageInfo, &QToolButton::clicked, this, &TEditionmateriel::ShowStorageInfo);
    connect(visit, &QToolButton::clicked, this, &TEditionmateriel::VisitLink);
    addWebSearch(webName, [this] { return m_nameField->text(); });
    addWebSearch(webDesignation, [this] { return m_designation->text(); });
    m_supplier->setCardOpener([](qint64 id) { openCard(Editfournisseur, ModeView, id); });
    m_lender->setCardOpener([](qint64 id) { openCard(Editioncontact, ModeView, id); });

    // Left: the picture with the name and designation, the flags, then the fields; the
    // description fills the rest. Right: the tags.
    auto *top = new QGridLayout;
    top->setHorizontalSpacing(8);
    top->addWidget(label(c, QStringLiteral("Nom du matériel :"), m_nameField), 0, 0);
    top->addWidget(m_nameField, 0, 1);
    top->addWidget(webName, 0, 2);
    top->addWidget(label(c, QStringLiteral("Désignation :"), m_designation), 1, 0);
    top->addWidget(m_designation, 1, 1);
    top->addWidget(webDesignation, 1, 2);
    auto *flags = new QHBoxLayout;
    for (QCheckBox *b : {m_toOrder, m_outOfService, m_maintenance, m_consumable})
        flags->addWidget(b);
    flags->addStretch(1);
    top->addLayout(flags, 2, 0, 1, 3);
    auto *quantity = new QHBoxLayout;
    quantity->addWidget(label(c, QStringLiteral("Quantité restante :"), m_quantity));
    quantity->addSpacing(6);
    m_quantity->setFixedWidth(120);
    quantity->addWidget(m_quantity);
    quantity->addStretch(1);
    top->addLayout(quantity, 3, 0, 1, 3);
    top->setColumnStretch(1, 1);

    auto *head = new QHBoxLayout;
    head->addWidget(picture, 0, Qt::AlignTop);
    head->addSpacing(6);
    head->addLayout(top, 1);

    auto *fields = new QGridLayout;
    fields->setHorizontalSpacing(8);
    auto row = [&](int r, const QString &text, QWidget *field, QToolButton *first, QToolButton *second) {
        fields->addWidget(label(c, text, field), r, 0);
        fields->addWidget(field, r, 1);
        if (first)
            fields->addWidget(first, r, 2);
        if (second)
            fields->addWidget(second, r, 3);
    };
    auto *purchase = new QHBoxLayout;
    m_purchaseDate->setFixedWidth(110);
    purchase->addWidget(m_purchaseDate);
    purchase->addSpacing(24);
    purchase->addWidget(label(c, QStringLiteral("Valeur d'achat ( € )  :"), m_purchaseValue));
    purchase->addSpacing(6);
    m_purchaseValue->setFixedWidth(120);
    purchase->addWidget(m_purchaseValue);
    purchase->addStretch(1);
    fields->addWidget(label(c, QStringLiteral("Date d'achat :"), m_purchaseDate), 0, 0);
    fields->addLayout(purchase, 0, 1);
    row(1, QStringLiteral("Fournisseur :"), m_supplier, supplierCard, supplierClear);
    row(2, QStringLiteral("Rangement :"), m_storage, storageInfo, storageClear);
    row(3, QStringLiteral("Preté à :"), m_lender, lenderCard, lenderClear);
    row(4, QStringLiteral("Lien Internet :"), m_link, visit, nullptr);
    fields->setColumnStretch(1, 1);
    fields->setColumnMinimumWidth(0, 130);

    auto *left = new QVBoxLayout;
    left->addLayout(head);
    left->addSpacing(6);
    left->addLayout(fields);
    left->addSpacing(6);
    left->addWidget(label(c, QStringLiteral("Description :"), m_description));
    left->addWidget(m_description, 1);

    auto *tagButtons = new QVBoxLayout;
    tagButtons->addWidget(tagAdd);
    tagButtons->addWidget(tagRemove);
    tagButtons->addStretch(1);
    auto *right = new QHBoxLayout;
    right->addWidget(m_tags, 1);
    right->addLayout(tagButtons);

    auto *layout = new QHBoxLayout(c);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(14);
    layout->addLayout(left, 3);
    layout->addLayout(right, 1);
}

QToolButton *TEditionmateriel::button(const QString &objectName) const
{
    return content()->findChild<QToolButton *>(objectName);
}

qint64 TEditionmateriel::SupplierId() const
{
    return m_supplier->id();
}

qint64 TEditionmateriel::StorageId() const
{
    return m_storage->id();
}

qint64 TEditionmateriel::LenderId() const
{
    return m_lender->id();
}

void TEditionmateriel::hideBorrowerCardButtonOnce()
{
    hideForNextShowing(button(QStringLiteral("lenderCard")));
}

void TEditionmateriel::startNew()
{
    RecordId = Equipment::newId(db());
    if (RecordId == 0)
        Dialogs::error(StoreMessages::ReadError);
    m_purchaseValue->setText(QStringLiteral("0"));
    // The limits a longer stored text widened come back.
    for (auto f : {std::make_pair(m_nameField, NameLimit), std::make_pair(m_designation, TextLimit),
                   std::make_pair(m_quantity, TextLimit), std::make_pair(m_purchaseDate, DateLimit),
                   std::make_pair(m_link, TextLimit)})
        FieldActions::showStoredText(f.first, QString(), f.second);
}

void TEditionmateriel::loadRecord()
{
    Equipment::Record r;
    bool failed = false;
    if (!Equipment::read(db(), RecordId, &r, &failed)) {
        if (failed)
            Dialogs::error(StoreMessages::ReadError);
        return;
    }
    FieldActions::showStoredText(m_nameField, r.name, NameLimit);
    FieldActions::showStoredText(m_designation, r.designation, TextLimit);
    FieldActions::showStoredText(m_quantity, r.quantity, TextLimit);
    FieldActions::showStoredText(m_purchaseDate, r.purchaseDate, DateLimit);
    FieldActions::showStoredText(m_link, r.url, TextLimit);
    m_purchaseValue->showStored(r.purchaseValue);
    m_supplier->setId(r.supplierId);
    m_storage->setId(r.storageId);
    m_lender->setId(r.lenderId);
    m_toOrder->setChecked(r.toOrder);
    m_outOfService->setChecked(r.outOfService);
    m_maintenance->setChecked(r.inMaintenance);
    m_consumable->setChecked(r.consumable);
    m_description->setPlainText(r.description);
    for (QLineEdit *f : {m_nameField, m_designation, m_quantity, m_purchaseDate, m_link})
        f->setCursorPosition(0);
    // Last, so that a picture that cannot be read is reported over a record already shown.
    pictureArea()->setPictureBytes(r.picture);
}

void TEditionmateriel::afterShowing()
{
    m_quantity->setEnabled(m_consumable->isChecked());
}

RecordStatements::SaveResult TEditionmateriel::saveRecord()
{
    // No id could be chosen when the editor was shown: nothing is written under a made-up one.
    if (RecordId <= 0)
        return RecordStatements::SaveResult::Failed;
    Equipment::Record r;
    r.id = RecordId;
    r.name = m_nameField->text();
    r.designation = m_designation->text();
    r.toOrder = m_toOrder->isChecked();
    r.outOfService = m_outOfService->isChecked();
    r.inMaintenance = m_maintenance->isChecked();
    r.consumable = m_consumable->isChecked();
    r.quantity = m_quantity->text();
    r.purchaseDate = m_purchaseDate->text();
    r.purchaseValue = m_purchaseValue->text();
    r.url = m_link->text();
    r.description = m_description->toPlainText();
    r.supplierId = m_supplier->id();
    r.storageId = m_storage->id();
    r.lenderId = m_lender->id();
    r.picture = pictureArea()->pictureBytes();
    return Equipment::save(db(), r, EditorMode == ModeNew);
}

void TEditionmateriel::afterSave(bool wasNew)
{
    if (wasNew)
        Inventairemateriel->SearchText.clear();
    Inventairemateriel->Reload();
}

void TEditionmateriel::ShowStorageInfo()
{
    if (m_storage->text().isEmpty())
        return;
    QString text;
    if (RecordLinks::storagePlaceInfo(db(), m_storage->id(), &text))
        Dialogs::storagePlace(text);
}

void TEditionmateriel::VisitLink()
{
    if (!m_link->text().isEmpty())
        FieldActions::openLink(m_link->text());
}
