#include "app/TMyMessageForm.h"

#include "app/TForm1.h"
#include "app/Windows.h"
#include "resources/Resources.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

namespace {
constexpr int Margin = 10;
constexpr int IconGap = 30;
constexpr int MessageTop = 18;
constexpr int WrapWidth = 700;
constexpr int Gap = 16;
constexpr int ButtonHeight = 25;
constexpr int ButtonMinWidth = 75;
constexpr int ButtonSpacing = 8;
constexpr int BottomMargin = 8;
} // namespace

QPixmap TMyMessageForm::iconPixmap(Dialogs::Icon icon)
{
    switch (icon) {
    case Dialogs::Icon::Info:
        return Resources::pixmap(QStringLiteral("info"));
    case Dialogs::Icon::Error:
        return Resources::pixmap(QStringLiteral("error"));
    case Dialogs::Icon::Question:
        return Resources::pixmap(QStringLiteral("question"));
    case Dialogs::Icon::Search:
        return Resources::pixmap(QStringLiteral("search"));
    case Dialogs::Icon::Armoire:
        return Resources::pixmap(QStringLiteral("armoire"));
    case Dialogs::Icon::Application:
        return Resources::appIcon().pixmap(32, 32);
    case Dialogs::Icon::None:
        break;
    }
    return QPixmap();
}

QWidget *TMyMessageForm::dialogParent()
{
    if (QWidget *modal = QApplication::activeModalWidget())
        return modal;
    return Form1 ? static_cast<QWidget *>(Form1) : QApplication::activeWindow();
}

TMyMessageForm::TMyMessageForm(const Dialogs::Request &request, QWidget *embedded, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                          Qt::CustomizeWindowHint),
      m_default(request.defaultKind)
{
    setObjectName(QStringLiteral("TMyMessageForm"));
    setWindowTitle(request.caption.isEmpty() ? QStringLiteral("Vorelis") : request.caption);
    setModal(true);

    int contentRight = Margin;
    int contentBottom = 0;
    int textLeft = Margin;

    const QPixmap pix = iconPixmap(request.icon);
    if (!pix.isNull()) {
        m_icon = new QLabel(this);
        m_icon->setObjectName(QStringLiteral("icon"));
        m_icon->setPixmap(pix);
        m_icon->setGeometry(Margin, Margin, pix.width(), pix.height());
        textLeft = Margin + pix.width() + IconGap;
        contentRight = m_icon->geometry().right() + 1;
        contentBottom = m_icon->geometry().bottom() + 1;
    }

    m_message = new QLabel(this);
    m_message->setObjectName(QStringLiteral("message"));
    m_message->setWordWrap(true);
    m_message->setTextFormat(Qt::PlainText);
    m_message->setText(request.message);
    QSize textSize(0, 0);
    if (!request.message.isEmpty()) {
        const QRect r = m_message->fontMetrics().boundingRect(QRect(0, 0, WrapWidth, 100000),
                                                              Qt::TextWordWrap, request.message);
        textSize = QSize(r.width() + 2, r.height());
    }
    m_message->setGeometry(textLeft, MessageTop, textSize.width(), textSize.height());
    contentRight = qMax(contentRight, textLeft + textSize.width());
    contentBottom = qMax(contentBottom, MessageTop + textSize.height());

    if (embedded) {
        m_embedded = embedded;
        embedded->setParent(this);
        const QSize s = embedded->size();
        embedded->setGeometry(textLeft, MessageTop + textSize.height() + Gap, s.width(), s.height());
        embedded->show();
        contentRight = qMax(contentRight, embedded->geometry().right() + 1);
        contentBottom = qMax(contentBottom, embedded->geometry().bottom() + 1);
    }

    const int buttonsTop = contentBottom + Gap;
    QVector<QPushButton *> row;
    int rowWidth = 0;
    for (const Dialogs::Button &b : request.buttons) {
        auto *button = new QPushButton(b.caption, this);
        const int w = qMax(ButtonMinWidth, button->fontMetrics().horizontalAdvance(b.caption) + 16);
        button->resize(w, ButtonHeight);
        button->setAutoDefault(false);
        const Dialogs::Result kind = b.kind;
        connect(button, &QPushButton::clicked, this, [this, kind] { finish(kind); });
        m_buttons.insert(int(kind), button);
        row.append(button);
        rowWidth += w;
    }
    if (row.size() > 1)
        rowWidth += ButtonSpacing * (row.size() - 1);

    const int width = qMax(contentRight + Margin, rowWidth + 2 * Margin);
    int x = (width - rowWidth) / 2;
    for (QPushButton *button : row) {
        button->move(x, buttonsTop);
        x += button->width() + ButtonSpacing;
    }
    setFixedSize(width, buttonsTop + ButtonHeight + BottomMargin);

    if (QPushButton *def = button(m_default))
        def->setDefault(true);
}

void TMyMessageForm::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (QWidget *main = Form1) {
        const QRect g = main->frameGeometry();
        move(g.center() - rect().center());
    }
    if (QPushButton *def = button(m_default))
        def->setFocus(Qt::OtherFocusReason);
}

void TMyMessageForm::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TMyMessageForm::closeEvent(QCloseEvent *event)
{
    m_answer = Dialogs::Result::Cancel;
    QDialog::closeEvent(event);
}

void TMyMessageForm::finish(Dialogs::Result result)
{
    m_answer = result;
    accept();
}
