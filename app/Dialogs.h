#pragma once

#include <QString>
#include <QVector>

class QWidget;

// The message dialogs of the whole program. Every window reports, asks and searches through
// these functions; tests switch them to a queue of answers instead of a modal loop.
namespace Dialogs {

enum class Result { Yes, No, Ok, Cancel };
enum class Icon { None, Info, Error, Question, Search, Armoire, Application };

struct Button {
    Result kind;
    QString caption;
};

// What a dialog asks; also what tests see of it.
struct Request {
    QString kind;        // "error", "warning", "information", "storage", "question", "search", "input", ...
    QString caption;     // empty means "Vorelis"
    QString message;
    Icon icon = Icon::None;
    QVector<Button> buttons;
    Result defaultKind = Result::Ok;
    bool beep = false;
    // Embedded text field, when there is one.
    bool hasField = false;
    QString fieldText;
    int fieldWidth = 280;
    int panelWidth = 300; // 0: the bare field, without panel
    int panelHeight = 60;
    // Optional check box under the field.
    QString checkCaption;
    bool checked = false;
};

struct Answer {
    Result result = Result::Cancel;
    QString text;
    bool checked = false;
};

// Shows any dialog; the building block of the functions below.
Answer show(const Request &request);

// Fixed dialogs.
void error(const QString &message);
void warning(const QString &message);
void information(const QString &message);
void storagePlace(const QString &message);

// Delete question of the list windows: true only on "Supprimer".
bool askDelete(const QString &question);
// Picture removal question: true only on "Oui".
bool askPictureRemoval();

// Search dialog: the typed text on "Rechercher", the empty text otherwise.
struct SearchSpec {
    QString prompt;
    int fieldWidth = 280;
    int panelWidth = 300; // 0: a bare field
    int panelHeight = 60;
    QString checkCaption; // empty: no check box
    bool checked = false;
};
QString search(const QString &prompt);
QString search(const SearchSpec &spec, bool *checked = nullptr);

// Input dialog: typed text on the ok button, empty text otherwise.
struct InputSpec {
    QString caption;
    QString prompt;
    QString text;
    QString cancelCaption = QStringLiteral("Annuler");
    QString okCaption = QStringLiteral("Ok");
    Icon icon = Icon::None;
    int fieldWidth = 480;
    int panelWidth = 500;
    int panelHeight = 60;
};
QString input(const InputSpec &spec);

// A picture that cannot be decoded.
void pictureReadError(const QString &decoderError);

namespace Testing {
// While enabled, dialogs are recorded and answered from the queue; an empty queue answers
// with the only button of a one-button dialog, otherwise with cancel.
void enable();
void disable();
bool enabled();
void push(Result result, const QString &text = QString(), bool checked = false);
QVector<Request> &log();
void clear();
// Last request of the given kind, or an empty one.
Request last(const QString &kind = QString());
} // namespace Testing

} // namespace Dialogs
