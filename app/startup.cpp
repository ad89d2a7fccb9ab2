#include "startup.h"

#include "mainwindow.h"

#include <QApplication>
#include <QLineEdit>
#include <QScreen>

#include <QDebug>
#include <QFile>

const char *const applicationStyleSheetPath = ":/Ubuntu.qss";

QString loadStyleSheet(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        qDebug() << "qss file open error";
        return QString();
    }
    return QString::fromUtf8(file.readAll());
}

int applicationFontPointSize(const QSize &screenSize)
{
    return (screenSize.width() >= 1920 && screenSize.height() >= 1080) ? 11 : 10;
}

QFont applicationFont(const QSize &screenSize)
{
    return QFont(QStringLiteral("微软雅黑"), applicationFontPointSize(screenSize));
}

QSize startWindowSize(const QSize &preferred, const QSize &minimum, const QSize &available)
{
    // The title bar and the frame lie outside the window's own size.
    const QSize frameRoom(16, 40);
    return preferred.boundedTo(available - frameRoom).expandedTo(minimum);
}

namespace {
// Qt 5 paints a line edit's hint in the colour its style-sheet rule gives the
// text, so a hint such as "Password" would look like a value read from the
// BMS. Whenever a line edit's palette is set, its hint colour becomes the text
// colour mixed halfway into the background.
class HintColours : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::PaletteChange) {
            if (auto *edit = qobject_cast<QLineEdit *>(watched))
                dimHints(edit);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    static void dimHints(QLineEdit *edit)
    {
        QPalette palette = edit->palette();
        bool changed = false;
        for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
            const QColor text = palette.color(group, QPalette::Text);
            if (palette.color(group, QPalette::PlaceholderText) != text)
                continue;
            const QColor base = palette.color(group, QPalette::Base);
            palette.setColor(group, QPalette::PlaceholderText,
                             QColor((text.red() + base.red()) / 2, (text.green() + base.green()) / 2,
                                    (text.blue() + base.blue()) / 2));
            changed = true;
        }
        // The new palette sends another change, which then finds nothing to do.
        if (changed)
            edit->setPalette(palette);
    }
};
} // namespace

void applyApplicationStyle(QApplication &app)
{
    static HintColours *hints = nullptr;
    if (!hints) {
        hints = new HintColours(&app);
        app.installEventFilter(hints);
    }
    app.setStyleSheet(loadStyleSheet());
}

std::unique_ptr<MainWindow> startMainWindow(QApplication &app)
{
    applyApplicationStyle(app);
    const QScreen *screen = QGuiApplication::primaryScreen();
    const QSize resolution = screen ? screen->size() : QSize();
    app.setFont(applicationFont(resolution));
    auto window = std::make_unique<MainWindow>();
    // Left to itself a window opens at no more than two thirds of the screen, which
    // squeezes every page to its minimum even on a large screen.
    if (screen)
        window->resize(startWindowSize(window->sizeHint(), window->minimumSizeHint(),
                                       screen->availableGeometry().size()));
    qDebug() << "Screen resolution: " << resolution.width() << "x" << resolution.height();
    return window;
}
