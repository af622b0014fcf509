#pragma once

#include <QDialog>

#include <functional>

class QLabel;
class QProgressBar;
class QTimer;

// Small busy window shown while the collection file is compacted (and, when opening an
// older file, upgraded first). It does its work by itself and closes itself.
class TOptimizedatabase : public QDialog
{
    Q_OBJECT
public:
    explicit TOptimizedatabase(QWidget *parent = nullptr);

    // Shows the window modally; runs `before` (if any) then the compaction of
    // Form1->DatabaseFile. Returns false when `before` failed (no compaction then).
    bool run(const QString &caption, const QString &label, const std::function<bool()> &before = {});

    QLabel *label() const { return m_label; }
    QTimer *timer() const { return m_timer; }
    bool lastCompactionSucceeded() const { return m_compacted; }

    struct Testing {
        // Delays before and after the work, in milliseconds (1500 and 500 normally).
        static void setDelays(int beforeMs, int afterMs);
    };

protected:
    void showEvent(QShowEvent *event) override;
    void reject() override;

private:
    void work();

    QLabel *m_label = nullptr;
    QProgressBar *m_bar = nullptr;
    QTimer *m_timer = nullptr;
    bool m_pending = false;
    bool m_ok = true;
    bool m_compacted = false;
    std::function<bool()> m_before;
};
