#include "app/TApropos.h"

#include "app/UpdateChecker.h"
#include "common/Desktop.h"
#include "common/Text.h"

#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QUrl>
#include <QVBoxLayout>

namespace {
const unsigned char SecondLine[] = {0x98, 0xc8, 0x48, 0x5d, 0x46, 0x4f, 0xb2, 0xab, 0xde, 0xbe, 0x63, 0x0e, 0xdf,
                                    0xc0, 0xd5, 0xb3, 0xaf, 0xf1, 0x8e, 0xb0, 0x94, 0x88, 0x98, 0x92, 0x71};
const unsigned char WebAddress[] = {0x32, 0x15, 0x1c, 0x1f, 0x05, 0x47, 0xab, 0xa4, 0xe5, 0xee, 0xd7, 0x89, 0xd8, 0xda,
                                    0xce, 0xa6, 0xa6, 0xb8, 0xab, 0xf1, 0x83, 0x95, 0x95, 0x96, 0x72, 0x65, 0x75};

template <size_t N> QString decode(const unsigned char (&bytes)[N])
{
    return Text::unscramble(QByteArray(reinterpret_cast<const char *>(bytes), int(N)));
}
} // namespace

LinkLabel::LinkLabel(QWidget *parent) : QLabel(parent)
{
    setCursor(Qt::PointingHandCursor);
    setColor(palette().color(QPalette::Highlight));
}

QColor LinkLabel::currentColor() const
{
    return palette().color(QPalette::WindowText);
}

void LinkLabel::setColor(const QColor &color)
{
    QPalette p = palette();
    p.setColor(QPalette::WindowText, color);
    setPalette(p);
}

void LinkLabel::enterEvent(QEvent *event)
{
    setColor(Qt::red);
    QLabel::enterEvent(event);
}

void LinkLabel::leaveEvent(QEvent *event)
{
    setColor(palette().color(QPalette::Highlight));
    QLabel::leaveEvent(event);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->pos()))
        Desktop::openUrl(QUrl(text()));
    QLabel::mouseReleaseEvent(event);
}

TApropos::TApropos(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint)
{
    setObjectName(QStringLiteral("Apropos"));
    setWindowTitle(QStringLiteral("A propos de Vorelis"));
    setFixedSize(503, 474);
    setModal(true);

    auto *layout = new QVBoxLayout(this);
    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(QStringLiteral("tabs"));
    layout->addWidget(m_tabs);

    auto *about = new QWidget;
    auto *aboutLayout = new QVBoxLayout(about);
    aboutLayout->setSpacing(14);
    auto *title = new QLabel(QStringLiteral("VORELIS"), about);
    QFont big = title->font();
    big.setBold(true);
    big.setPointSizeF(big.pointSizeF() * 2.2);
    title->setFont(big);
    m_second = new QLabel(about);
    m_second->setObjectName(QStringLiteral("secondLine"));
    m_link = new LinkLabel(about);
    m_link->setObjectName(QStringLiteral("link"));
    m_version = new QLabel(QStringLiteral("Version : "), about);
    m_version->setObjectName(QStringLiteral("version"));
    auto *notice = new QLabel(QStringLiteral("L'utilisation de ce logiciel implique l'acceptation pleine et entière "
                                             "du contrat de licence présenté dans l'onglet « Licence d'utilisation »."),
                              about);
    notice->setWordWrap(true);
    aboutLayout->addStretch(1);
    for (QLabel *l : {title, m_second, static_cast<QLabel *>(m_link), m_version, notice}) {
        l->setAlignment(Qt::AlignCenter);
        aboutLayout->addWidget(l);
    }
    aboutLayout->addStretch(2);
    m_tabs->addTab(about, QStringLiteral("A propos ..."));

    m_licence = new QPlainTextEdit;
    m_licence->setObjectName(QStringLiteral("licence"));
    m_licence->setReadOnly(true);
    m_licence->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_licence->setPlainText(licenceText());
    m_tabs->addTab(m_licence, QStringLiteral("Licence d'utilisation"));

    auto *close = new QPushButton(QStringLiteral("Fermer"), this);
    close->setObjectName(QStringLiteral("close"));
    close->setAutoDefault(false);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    auto *row = new QHBoxLayout;
    row->addStretch(1);
    row->addWidget(close);
    row->addStretch(1);
    layout->addLayout(row);
}

QString TApropos::secondLineText()
{
    return decode(SecondLine);
}

QString TApropos::webAddress()
{
    return decode(WebAddress);
}

void TApropos::showEvent(QShowEvent *event)
{
    m_second->setText(secondLineText());
    m_link->setText(webAddress());
    m_version->setText(QStringLiteral("Version : ") + QLatin1String(UpdateChecker::VersionText));
    m_tabs->setCurrentIndex(0);
    QDialog::showEvent(event);
}

QString TApropos::licenceText()
{
    return QStringLiteral(
        "CONTRAT DE LICENCE D'UTILISATION DE VORELIS\n"
        "\n"
        "Le présent contrat est conclu entre l'équipe Vorelis, auteur du logiciel, et toute personne qui "
        "l'installe ou l'utilise (ci-après « l'utilisateur »).\n"
        "\n"
        "1. Objet\n"
        "Le contrat définit les conditions dans lesquelles l'utilisateur peut utiliser le logiciel Vorelis, "
        "destiné à la gestion du matériel, de la documentation, des routines et des spectacles d'un magicien.\n"
        "\n"
        "2. Droit d'utilisation\n"
        "L'utilisateur reçoit un droit personnel, non exclusif et non cessible d'installer le logiciel et de "
        "l'utiliser pour ses propres besoins, sur le nombre de postes qui lui est nécessaire.\n"
        "\n"
        "3. Données de l'utilisateur\n"
        "Les collections créées avec Vorelis appartiennent à l'utilisateur. Le logiciel les enregistre dans des "
        "fichiers placés à l'endroit qu'il choisit ; aucune donnée n'est transmise à un tiers. Seule une demande "
        "anonyme de numéro de version est adressée au site officiel au démarrage, afin de signaler une mise à "
        "jour.\n"
        "\n"
        "4. Sauvegardes\n"
        "Il appartient à l'utilisateur de conserver des copies régulières de ses fichiers de collection. L'équipe "
        "Vorelis recommande une copie après chaque séance de travail importante.\n"
        "\n"
        "5. Restrictions\n"
        "L'utilisateur s'interdit de vendre, louer ou distribuer le logiciel sous son propre nom, et d'en retirer "
        "les mentions d'auteur.\n"
        "\n"
        "6. Garantie\n"
        "Le logiciel est fourni « en l'état ». L'équipe Vorelis s'efforce d'en corriger les défauts signalés, "
        "sans garantir qu'il convienne à un usage particulier ni qu'il fonctionne sans interruption.\n"
        "\n"
        "7. Responsabilité\n"
        "L'équipe Vorelis ne saurait être tenue responsable des dommages indirects nés de l'utilisation du "
        "logiciel, notamment d'une perte de données que des sauvegardes auraient permis d'éviter.\n"
        "\n"
        "8. Durée\n"
        "Le contrat prend effet à la première utilisation du logiciel et dure tant que l'utilisateur le "
        "conserve. Il prend fin de plein droit en cas de manquement à l'une de ses clauses.\n"
        "\n"
        "9. Droit applicable\n"
        "Le présent contrat est soumis au droit français.\n");
}
