#pragma once

#include "app/Dialogs.h"

#include <QDialog>
#include <QMap>

class QLabel;
class QPushButton;

// The one builder of every message dialog: icon, wrapped message, optional embedded control,
// a centred row of buttons. No button answers Escape; the title-bar close answers cancel.
class TMyMessageForm : public QDialog
{
    Q_OBJECT
public:
    TMyMessageForm(const Dialogs::Request &request, QWidget *embedded, QWidget *parent = nullptr);

    Dialogs::Result answer() const { return m_answer; }
    QPushButton *button(Dialogs::Result kind) const { return m_buttons.value(int(kind)); }
    QLabel *iconLabel() const { return m_icon; }
    QLabel *messageLabel() const { return m_message; }
    QWidget *embedded() const { return m_embedded; }

    static QPixmap iconPixmap(Dialogs::Icon icon);
    // Where modal dialogs are centred: the main window when there is one.
    static QWidget *dialogParent();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void finish(Dialogs::Result result);

    Dialogs::Result m_answer = Dialogs::Result::Cancel;
    Dialogs::Result m_default = Dialogs::Result::Ok;
    QLabel *m_icon = nullptr;
    QLabel *m_message = nullptr;
    QWidget *m_embedded = nullptr;
    QMap<int, QPushButton *> m_buttons;
};
