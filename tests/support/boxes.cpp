#include "boxes.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDeadlineTimer>
#include <QFileDialog>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWidget>

namespace {

QList<QWidget *> openWindows()
{
    QList<QWidget *> windows;
    if (QWidget *modal = QApplication::activeModalWidget())
        windows << modal;
    const auto topLevels = QApplication::topLevelWidgets();
    for (QWidget *widget : topLevels) {
        if (!windows.contains(widget))
            windows << widget;
    }
    return windows;
}

} // namespace

BoxWatcher::BoxWatcher(QObject *parent)
    : QObject(parent)
{
    m_timer = new QTimer(this);
    m_timer->setInterval(20);
    connect(m_timer, &QTimer::timeout, this, &BoxWatcher::poll);
    m_timer->start();
}

BoxWatcher::~BoxWatcher() = default;

void BoxWatcher::setDefaultAnswer(QMessageBox::StandardButton button)
{
    m_default = button;
}

void BoxWatcher::queueAnswer(QMessageBox::StandardButton button)
{
    m_queue.append(button);
}

void BoxWatcher::setLeaveOpen(bool on)
{
    m_leaveOpen = on;
}

QList<SeenBox> BoxWatcher::seen() const
{
    return m_seen;
}

int BoxWatcher::count(const QString &text) const
{
    int n = 0;
    for (const SeenBox &box : m_seen) {
        if (box.text == text)
            ++n;
    }
    return n;
}

bool BoxWatcher::waitFor(const QString &text, int timeoutMs)
{
    QDeadlineTimer deadline(timeoutMs);
    for (;;) {
        poll();
        if (count(text) > 0)
            return true;
        if (deadline.hasExpired())
            return false;
        QTest::qWait(10);
    }
}

void BoxWatcher::clear()
{
    m_seen.clear();
}

void BoxWatcher::poll()
{
    // A box is recorded once for as long as it shows.
    for (int i = m_showing.size() - 1; i >= 0; --i) {
        if (!m_showing.at(i) || !m_showing.at(i)->isVisible())
            m_showing.removeAt(i);
    }
    const auto windows = openWindows();
    for (QWidget *widget : windows) {
        auto *box = qobject_cast<QMessageBox *>(widget);
        if (!box || !box->isVisible() || m_showing.contains(box))
            continue;
        m_showing.append(box);
        // Closed and opened again before the next look: a new showing.
        connect(box, &QDialog::finished, this, [this, box] { m_showing.removeAll(box); });
        m_seen.append(SeenBox{box->windowTitle(), box->text()});
        if (!m_leaveOpen)
            answer(box);
    }
}

void BoxWatcher::answer(QMessageBox *box)
{
    QAbstractButton *button = nullptr;
    if (!m_queue.isEmpty() && box->button(m_queue.first()))
        button = box->button(m_queue.takeFirst());
    if (!button)
        button = box->button(m_default);
    if (!button)
        button = box->escapeButton();
    if (!button)
        button = box->defaultButton();
    if (!button) {
        const auto buttons = box->buttons();
        for (QAbstractButton *candidate : buttons) {
            const QMessageBox::ButtonRole role = box->buttonRole(candidate);
            if (role == QMessageBox::RejectRole || role == QMessageBox::AcceptRole) {
                button = candidate;
                break;
            }
        }
        if (!button && !buttons.isEmpty())
            button = buttons.first();
    }
    // Clicked from the timer: the box leaves its exec() (or emits finished())
    // once this slot returns to the event loop.
    if (button)
        QMetaObject::invokeMethod(button, "click", Qt::QueuedConnection);
    else
        QMetaObject::invokeMethod(box, "reject", Qt::QueuedConnection);
}

// --- File dialogs -------------------------------------------------------------

namespace {

class FileDialogAnswerer : public QObject
{
public:
    static FileDialogAnswerer *instance()
    {
        static QPointer<FileDialogAnswerer> answerer;
        if (!answerer)
            answerer = new FileDialogAnswerer(qApp);
        return answerer;
    }

    void add(const QString &path)
    {
        m_paths.append(path);
        if (!m_timer.isActive())
            m_timer.start();
    }

    int pending() const { return m_paths.size(); }

private:
    explicit FileDialogAnswerer(QObject *parent)
        : QObject(parent)
    {
        m_timer.setInterval(20);
        connect(&m_timer, &QTimer::timeout, this, &FileDialogAnswerer::poll);
    }

    void poll()
    {
        for (int i = m_answered.size() - 1; i >= 0; --i) {
            if (!m_answered.at(i) || !m_answered.at(i)->isVisible())
                m_answered.removeAt(i);
        }
        const auto windows = openWindows();
        for (QWidget *widget : windows) {
            if (m_paths.isEmpty())
                break;
            auto *dialog = qobject_cast<QFileDialog *>(widget);
            if (!dialog || !dialog->isVisible() || m_answered.contains(dialog))
                continue;
            m_answered.append(dialog);
            connect(dialog, &QDialog::finished, this, [this, dialog] { m_answered.removeAll(dialog); });
            const QString path = m_paths.takeFirst();
            if (path.isEmpty()) {
                QMetaObject::invokeMethod(dialog, "reject", Qt::QueuedConnection);
            } else {
                dialog->selectFile(path);
                // selectFile() leaves a focused file name field alone.
                if (auto *edit = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit")))
                    edit->setText(path);
                // done() takes the typed file as it stands: an open dialog would
                // otherwise refuse a file that does not exist, and a save dialog
                // would ask before replacing one.
                QPointer<QFileDialog> guard(dialog);
                QTimer::singleShot(0, dialog, [guard] {
                    if (guard)
                        static_cast<QDialog *>(guard.data())->done(QDialog::Accepted);
                });
            }
        }
        if (m_paths.isEmpty() && m_answered.isEmpty())
            m_timer.stop();
    }

    QTimer m_timer;
    QStringList m_paths;
    QList<QPointer<QFileDialog>> m_answered;   // answered, not yet closed
};

} // namespace

void answerNextFileDialog(const QString &path)
{
    FileDialogAnswerer::instance()->add(path);
}

int pendingFileDialogAnswers()
{
    return FileDialogAnswerer::instance()->pending();
}
