#include "app/TForm2.h"

#include "app/Dialogs.h"
#include "app/FileDialogs.h"
#include "app/TForm1.h"
#include "app/Windows.h"
#include "resources/Resources.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QToolButton>

TForm2::TForm2(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint)
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("Nouvelle collection ..."));
    setFixedSize(567, 336);
    setModal(true);

    auto *side = new QLabel(this);
    side->setObjectName(QStringLiteral("picture"));
    side->setGeometry(0, 0, 170, 336);
    side->setAlignment(Qt::AlignCenter);
    side->setStyleSheet(QStringLiteral("background-color: #1d1830;"));
    side->setPixmap(Resources::pixmap(QStringLiteral("vorelis")).scaled(128, 128, Qt::KeepAspectRatio,
                                                                        Qt::SmoothTransformation));

    auto *heading = new QLabel(QStringLiteral("Assistant de création d'une nouvelle collection"), this);
    QFont bold = heading->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.15);
    heading->setFont(bold);
    heading->setWordWrap(true);
    heading->setGeometry(190, 18, 360, 48);

    auto *nameLabel = new QLabel(QStringLiteral("Nom de la collection :"), this);
    nameLabel->setGeometry(190, 80, 360, 20);
    m_name = new QLineEdit(this);
    m_name->setObjectName(QStringLiteral("name"));
    m_name->setGeometry(190, 102, 360, 26);
    nameLabel->setBuddy(m_name);

    auto *pathLabel = new QLabel(QStringLiteral("Sauvegarder la collection dans :"), this);
    pathLabel->setGeometry(190, 146, 360, 20);
    m_path = new QLineEdit(this);
    m_path->setObjectName(QStringLiteral("path"));
    m_path->setReadOnly(true);
    m_path->setGeometry(190, 168, 326, 26);
    m_choose = new QToolButton(this);
    m_choose->setObjectName(QStringLiteral("choose"));
    m_choose->setText(QStringLiteral("..."));
    m_choose->setToolTip(QStringLiteral("Choisir l'emplacement sur le disque"));
    m_choose->setGeometry(522, 168, 28, 26);

    m_cancel = new QPushButton(QStringLiteral("Annuler"), this);
    m_cancel->setObjectName(QStringLiteral("cancel"));
    m_cancel->setGeometry(370, 290, 85, 28);
    m_cancel->setAutoDefault(false);
    m_validate = new QPushButton(QStringLiteral("Valider"), this);
    m_validate->setObjectName(QStringLiteral("validate"));
    m_validate->setGeometry(465, 290, 85, 28);
    m_validate->setEnabled(false);
    m_validate->setAutoDefault(false);

    connect(m_name, &QLineEdit::textChanged, this, &TForm2::updateValidate);
    connect(m_path, &QLineEdit::textChanged, this, &TForm2::updateValidate);
    connect(m_choose, &QToolButton::clicked, this, &TForm2::chooseFile);
    connect(m_validate, &QPushButton::clicked, this, &TForm2::validate);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TForm2::updateValidate()
{
    m_validate->setEnabled(!m_name->text().isEmpty() && !m_path->text().isEmpty());
}

void TForm2::reset()
{
    m_name->clear();
    m_path->clear();
    m_validate->setEnabled(false);
}

void TForm2::chooseFile()
{
    FileDialogs::Options o = FileDialogs::collectionOptions(QStringLiteral("Sauvegarder la collection"));
    o.confirmOverwrite = true;
    const QString path = FileDialogs::saveFile(o);
    if (!path.isEmpty())
        m_path->setText(path);
}

void TForm2::validate()
{
    if (!Form1->CreateCollection(m_path->text(), m_name->text())) {
        Dialogs::error(QStringLiteral("Impossibilité d'écrire dans le fichier Vorelis choisi !!"));
        return;
    }
    accept();
}
