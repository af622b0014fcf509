#include "app/Dialogs.h"

#include "app/TMyMessageForm.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QQueue>

namespace {
bool g_testing = false;
QQueue<Dialogs::Answer> g_answers;
QVector<Dialogs::Request> g_log;

using Dialogs::Button;
using Dialogs::Icon;
using Dialogs::Request;
using Dialogs::Result;

Request fixed(const QString &kind, const QString &caption, Icon icon, const QString &button, const QString &message,
              bool beep)
{
    Request r;
    r.kind = kind;
    r.caption = caption;
    r.icon = icon;
    r.message = message;
    r.buttons = {{Result::Ok, button}};
    r.defaultKind = Result::Ok;
    r.beep = beep;
    return r;
}

// The embedded control: a text field, in a borderless panel unless the panel width is 0.
QWidget *buildField(const Request &r, QLineEdit **field, QCheckBox **check)
{
    auto *edit = new QLineEdit;
    edit->setObjectName(QStringLiteral("field"));
    edit->setText(r.fieldText);
    *field = edit;
    *check = nullptr;
    if (r.panelWidth <= 0) {
        edit->resize(r.fieldWidth, edit->sizeHint().height());
        return edit;
    }
    auto *panel = new QWidget;
    panel->setObjectName(QStringLiteral("panel"));
    panel->resize(r.panelWidth, r.panelHeight);
    edit->setParent(panel);
    edit->setGeometry(0, 0, r.fieldWidth, edit->sizeHint().height());
    if (!r.checkCaption.isEmpty()) {
        auto *box = new QCheckBox(r.checkCaption, panel);
        box->setObjectName(QStringLiteral("check"));
        box->setChecked(r.checked);
        box->setGeometry(0, edit->height() + 8, r.panelWidth, box->sizeHint().height());
        *check = box;
    }
    return panel;
}
} // namespace

namespace Dialogs {

Answer show(const Request &request)
{
    if (g_testing) {
        g_log.append(request);
        if (!g_answers.isEmpty())
            return g_answers.dequeue();
        Answer a;
        a.result = request.buttons.size() == 1 ? request.buttons.first().kind : Result::Cancel;
        a.text = request.fieldText;
        a.checked = request.checked;
        return a;
    }
    if (request.beep)
        QApplication::beep();
    QLineEdit *field = nullptr;
    QCheckBox *check = nullptr;
    QWidget *embedded = request.hasField ? buildField(request, &field, &check) : nullptr;
    TMyMessageForm form(request, embedded, TMyMessageForm::dialogParent());
    form.exec();
    Answer a;
    a.result = form.answer();
    if (field)
        a.text = field->text();
    a.checked = check ? check->isChecked() : request.checked;
    return a;
}

void error(const QString &message)
{
    show(fixed(QStringLiteral("error"), QStringLiteral("Erreur !"), Icon::Error, QStringLiteral("Ok"), message, true));
}

void warning(const QString &message)
{
    show(fixed(QStringLiteral("warning"), QStringLiteral("Attention !"), Icon::Info, QStringLiteral("Ok"), message,
               true));
}

void information(const QString &message)
{
    show(fixed(QStringLiteral("information"), QStringLiteral("Vorelis"), Icon::Application, QStringLiteral("Ok"),
               message, false));
}

void storagePlace(const QString &message)
{
    show(fixed(QStringLiteral("storage"), QStringLiteral("Rangement ..."), Icon::Armoire, QStringLiteral(" Retour "),
               message, true));
}

bool askDelete(const QString &question)
{
    Request r;
    r.kind = QStringLiteral("question");
    r.caption = QStringLiteral("Vorelis");
    r.icon = Icon::Question;
    r.message = question;
    r.buttons = {{Result::Yes, QStringLiteral("Supprimer")}, {Result::No, QStringLiteral("Annuler")}};
    r.defaultKind = Result::No;
    return show(r).result == Result::Yes;
}

bool askPictureRemoval()
{
    Request r;
    r.kind = QStringLiteral("picture");
    r.caption = QStringLiteral("Attention");
    r.icon = Icon::Info;
    r.message = QStringLiteral("Voulez-vous supprimer l'image actuelle ?");
    r.buttons = {{Result::Yes, QStringLiteral("Oui")}, {Result::No, QStringLiteral("Non")}};
    r.defaultKind = Result::No;
    return show(r).result == Result::Yes;
}

QString search(const QString &prompt)
{
    SearchSpec spec;
    spec.prompt = prompt;
    return search(spec);
}

QString search(const SearchSpec &spec, bool *checked)
{
    Request r;
    r.kind = QStringLiteral("search");
    r.caption = QStringLiteral("Recherche ...");
    r.icon = Icon::Search;
    r.message = spec.prompt;
    r.buttons = {{Result::Cancel, QStringLiteral("Annuler")}, {Result::Ok, QStringLiteral("Rechercher")}};
    r.defaultKind = Result::Ok;
    r.hasField = true;
    r.fieldWidth = spec.fieldWidth;
    r.panelWidth = spec.panelWidth;
    r.panelHeight = spec.panelHeight;
    r.checkCaption = spec.checkCaption;
    r.checked = spec.checked;
    const Answer a = show(r);
    if (checked)
        *checked = a.checked;
    return a.result == Result::Ok ? a.text : QString();
}

QString input(const InputSpec &spec)
{
    Request r;
    r.kind = QStringLiteral("input");
    r.caption = spec.caption;
    r.icon = spec.icon;
    r.message = spec.prompt;
    r.buttons = {{Result::Cancel, spec.cancelCaption}, {Result::Ok, spec.okCaption}};
    r.defaultKind = Result::Ok;
    r.hasField = true;
    r.fieldText = spec.text;
    r.fieldWidth = spec.fieldWidth;
    r.panelWidth = spec.panelWidth;
    r.panelHeight = spec.panelHeight;
    const Answer a = show(r);
    return a.result == Result::Ok ? a.text : QString();
}

void pictureReadError(const QString &decoderError)
{
    information(QStringLiteral("Erreur de lecture de l'image : ") + decoderError);
}

namespace Testing {
void enable()
{
    g_testing = true;
    clear();
}
void disable()
{
    g_testing = false;
    clear();
}
bool enabled()
{
    return g_testing;
}
void push(Result result, const QString &text, bool checked)
{
    g_answers.enqueue({result, text, checked});
}
QVector<Request> &log()
{
    return g_log;
}
void clear()
{
    g_log.clear();
    g_answers.clear();
}
Request last(const QString &kind)
{
    for (int i = g_log.size() - 1; i >= 0; --i)
        if (kind.isEmpty() || g_log[i].kind == kind)
            return g_log[i];
    return Request();
}
} // namespace Testing

} // namespace Dialogs
