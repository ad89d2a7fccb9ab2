#pragma once

#include <QList>
#include <QMessageBox>
#include <QObject>
#include <QPointer>
#include <QString>

class QTimer;

struct SeenBox
{
    QString title;
    QString text;
};

// Watches for message boxes every 20 ms (also inside a modal exec()), records
// each once and answers it. A scripted answer is taken when the box offers that
// button, else the default answer; a box without that button gets its default
// or escape button (OK, Close ...).
class BoxWatcher : public QObject
{
    Q_OBJECT

public:
    explicit BoxWatcher(QObject *parent = nullptr);
    ~BoxWatcher() override;

    void setDefaultAnswer(QMessageBox::StandardButton button);
    void queueAnswer(QMessageBox::StandardButton button);
    void setLeaveOpen(bool on);
    QList<SeenBox> seen() const;
    int count(const QString &text) const;
    bool waitFor(const QString &text, int timeoutMs = 5000);
    void clear();

    // Looks at the open boxes now (the timer does this every 20 ms).
    void poll();

private:
    void answer(QMessageBox *box);

    QTimer *m_timer = nullptr;
    QMessageBox::StandardButton m_default = QMessageBox::Yes;
    QList<QMessageBox::StandardButton> m_queue;
    bool m_leaveOpen = false;
    QList<SeenBox> m_seen;
    // Boxes recorded and still showing; a box shown again later counts again.
    QList<QPointer<QMessageBox>> m_showing;
};

// File dialogs (Qt's own, non-native): answers the next QFileDialog that opens
// with this path (accepted as typed, whether or not the file exists), or cancels
// it when the path is empty. Works inside the dialog's exec(). Calls are served
// in order, one dialog each.
void answerNextFileDialog(const QString &path);

// Answers still waiting for a file dialog.
int pendingFileDialogAnswers();
