#pragma once

#include "common/EditorContract.h"
#include "common/RecordStatements.h"

#include <QDialog>
#include <QIcon>
#include <QPointer>
#include <QSqlDatabase>
#include <QStyle>
#include <QVector>

#include <functional>

class LinkGrid;
class LookupField;
class PictureArea;
class QCheckBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QToolButton;
class WebSearchMenu;

struct RecordEditorSpec {
    QString objectName;
    QSize size; // fixed
    QString newCaption;
    QString editCaption;
    QString viewCaption;
    QString duplicateMessage; // error shown when the name is taken
};

// A record editor (equipment, documentation, routine): creates (ModeNew), edits (ModeEdit) or
// shows (ModeView) one record, and steps to the opener's previous or next row.
//
// The modes act on the controls registered here: text fields are emptied, and editable unless
// in ModeView; check boxes are unchecked, and enabled unless in ModeView; look-up fields and link
// lists ignore clicks in ModeView; "Annuler" is hidden and "Valider" reads "Retour" in ModeView.
// "Valider" (and each step button, which first asks for the step) trims the name, refuses an
// empty or taken one while keeping everything typed, writes the record and its links together,
// and closes. Each editor supplies its fields, statements and list reload.
class RecordEditor : public QDialog, public SteppingEditorContract
{
    Q_OBJECT
public:
    // A link list was changed since the editor was shown.
    bool LinksChanged = false;

    QPushButton *validateButton() const { return m_validate; }
    QPushButton *cancelButton() const { return m_cancel; }
    QToolButton *previousButton() const { return m_previous; }
    QToolButton *nextButton() const { return m_next; }
    QLineEdit *nameField() const { return m_name; }
    PictureArea *pictureArea() const { return m_picture; }
    // The engines offered by the web-search buttons, rebuilt at each showing; its WebSearchText is
    // the text they search for.
    WebSearchMenu *webSearchMenu() const { return m_webSearch; }

    // "Valider" / "Retour".
    void Validate();
    // The step buttons: validate, then ask the opener for the previous / next row.
    void Previous();
    void Next();
    // "Annuler", Escape, the close box: nothing is written.
    void reject() override;

    // Hides a control for the next showing only (a caller that is itself that control's target).
    void hideForNextShowing(QWidget *control);

    // A small icon button beside a field: 16 px pictures on a 28 px button.
    static QToolButton *iconButton(QWidget *parent, const QString &objectName, const QString &hint,
                                   const QIcon &icon);
    // ...showing the named picture, or the style's `fallback` when it is missing.
    static QToolButton *iconButton(QWidget *parent, const QString &objectName, const QString &hint,
                                   const QString &iconName, QStyle::StandardPixmap fallback);
    // The multi-line texts of the editors: Arial 13 pixels, Tab typed into the text.
    static QPlainTextEdit *longText(QWidget *parent, const QString &objectName);

protected:
    RecordEditor(const RecordEditorSpec &spec, QWidget *parent);

    // The controls the modes act on.
    void setNameField(QLineEdit *field);
    void addTextField(QLineEdit *field);
    void addCheckBox(QCheckBox *box);
    void addLongText(QPlainTextEdit *text);
    void addLookup(LookupField *field, QToolButton *clearButton = nullptr, QToolButton *cardButton = nullptr);
    // A list is saved when a list was changed, or at every save when `alwaysSaved`.
    void addLinkGrid(LinkGrid *grid, QToolButton *addButton, QToolButton *removeButton, bool alwaysSaved = false);
    void setPictureArea(PictureArea *area);
    // A web-search button: the web-search menu pops up under it for the text `text` gives.
    void addWebSearch(QToolButton *button, const std::function<QString()> &text);

    // The window's table of differences.
    // ModeNew: choose RecordId, set the defaults.
    virtual void startNew() = 0;
    // ModeEdit, ModeView: show the record RecordId (its link lists are loaded by the pattern).
    virtual void loadRecord() = 0;
    // Writes the record: INSERT in ModeNew, UPDATE in ModeEdit (after the duplicate test).
    virtual RecordStatements::SaveResult saveRecord() = 0;
    // After a save: reload the list of this kind.
    virtual void afterSave(bool wasNew) = 0;
    // After the mode has been applied and the record shown.
    virtual void afterShowing() {}

    QWidget *content() const { return m_content; }
    static QSqlDatabase db();

    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    void applyMode();
    RecordStatements::SaveResult write();
    void refuse();
    void nameEdited();

    RecordEditorSpec m_spec;
    QWidget *m_content = nullptr;
    QPushButton *m_validate = nullptr;
    QPushButton *m_cancel = nullptr;
    QToolButton *m_previous = nullptr;
    QToolButton *m_next = nullptr;

    QLineEdit *m_name = nullptr;
    PictureArea *m_picture = nullptr;
    WebSearchMenu *m_webSearch = nullptr;
    QVector<QLineEdit *> m_texts;
    QVector<QCheckBox *> m_boxes;
    QVector<QPlainTextEdit *> m_longTexts;
    QVector<LookupField *> m_lookups;
    QVector<LinkGrid *> m_grids;
    QVector<LinkGrid *> m_alwaysSaved;
    QVector<QToolButton *> m_editButtons; // clear, add and remove buttons: nothing to do in ModeView
    QVector<QPointer<QWidget>> m_hiddenOnce;
};
