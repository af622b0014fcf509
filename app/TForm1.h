#pragma once

#include "store/Collection.h"

#include <QHash>
#include <QMainWindow>
#include <QPixmap>

#include <functional>

class QAction;
class QMenu;
class UpdateChecker;

// The background picture: centred, shrunk to fit when larger than the window, never enlarged.
class BackgroundView : public QWidget
{
    Q_OBJECT
public:
    explicit BackgroundView(QWidget *parent = nullptr);
    void setPicture(const QPixmap &pixmap);
    const QPixmap &picture() const { return m_pixmap; }
    // Where the picture is drawn inside a client area of the given size.
    static QRect placement(const QSize &picture, const QSize &area);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPixmap m_pixmap;
};

// The main window: owns the connection to the collection and the main menu.
class TForm1 : public QMainWindow
{
    Q_OBJECT
public:
    explicit TForm1(QWidget *parent = nullptr);
    ~TForm1() override;

    // Full path of the open collection file; empty when none is open.
    QString DatabaseFile;
    // Its folder, ending with the separator.
    QString DatabasePath;

    Collection &collection() { return m_collection; }
    QSqlDatabase database() const { return m_collection.database(); }
    QSqlQuery &Query() { return m_collection.query(); }
    // Commits what the shared transaction holds (writes are committed at once otherwise).
    void Commit() { m_collection.commit(); }

    // Menu commands of "Fichier".
    void NewCollection();
    void OpenCollection();
    void CloseCollection();
    void Quit();

    // Called by the wizard: writes the new file and opens it. False when it cannot be written.
    bool CreateCollection(const QString &path, const QString &name);

    bool isCollectionOpen() const { return m_open; }

    // Menu items by object name ("actOuvrir", "menuRecherche", ...), for wiring and tests.
    QAction *action(const QString &objectName) const;
    QMenu *menu(const QString &objectName) const;
    // Connects a menu item to the command that shows a window.
    void wire(const QString &objectName, const std::function<void()> &command);

    // The background picture chosen for a draw of 0..5 ("img1" for 0 and 4).
    static QString backgroundForDraw(int draw);
    QString backgroundName() const { return m_backgroundName; }
    BackgroundView *background() const { return m_background; }

    UpdateChecker *updateChecker() const { return m_update; }

    static QString folderOf(const QString &file);
    // The title while a collection is open: "Vorelis - " and its name.
    static QString titleFor(const QString &collectionName);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void buildMenu();
    void setCollectionState(bool open, const QString &name = QString());
    void setHiddenImportVisible(bool visible);
    void refuseOpen(const QString &message);

    Collection m_collection;
    bool m_open = false;
    bool m_updateAsked = false;
    BackgroundView *m_background = nullptr;
    QString m_backgroundName;
    QHash<QString, QAction *> m_actions;
    QHash<QString, QMenu *> m_menus;
    UpdateChecker *m_update = nullptr;
};
