#pragma once

#include <QDialog>
#include <QLabel>

class QPlainTextEdit;
class QPushButton;
class QTabWidget;

// A label that reads as a link: highlight colour, red under the mouse, opens its text.
class LinkLabel : public QLabel
{
    Q_OBJECT
public:
    explicit LinkLabel(QWidget *parent = nullptr);
    QColor currentColor() const;

protected:
    void enterEvent(QEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void setColor(const QColor &color);
};

// The About box.
class TApropos : public QDialog
{
    Q_OBJECT
public:
    explicit TApropos(QWidget *parent = nullptr);

    QTabWidget *tabs() const { return m_tabs; }
    LinkLabel *link() const { return m_link; }
    QLabel *secondLine() const { return m_second; }
    QLabel *versionLabel() const { return m_version; }
    QPlainTextEdit *licence() const { return m_licence; }

    static QString licenceText();
    static QString secondLineText();
    static QString webAddress();

protected:
    void showEvent(QShowEvent *event) override;

private:
    QTabWidget *m_tabs = nullptr;
    QLabel *m_second = nullptr;
    LinkLabel *m_link = nullptr;
    QLabel *m_version = nullptr;
    QPlainTextEdit *m_licence = nullptr;
};
