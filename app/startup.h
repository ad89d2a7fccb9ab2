#pragma once

#include <QFont>
#include <QSize>
#include <QString>

#include <memory>

class QApplication;
class MainWindow;

// The style sheet compiled into the program.
extern const char *const applicationStyleSheetPath;

// The style sheet's text; when the file cannot be opened, writes "qss file open
// error" to the debug output and returns an empty sheet.
QString loadStyleSheet(const QString &path = QString::fromLatin1(applicationStyleSheetPath));

// Applies the compiled-in style sheet, with line-edit hints painted dimmer
// than the values.
void applyApplicationStyle(QApplication &app);

// 11 points on a primary screen of at least 1920 x 1080 pixels, 10 otherwise.
int applicationFontPointSize(const QSize &screenSize);

// The application font for a primary screen of this size.
QFont applicationFont(const QSize &screenSize);

// The size the main window opens at: the size its pages ask for, within the screen's
// free area less room for the window's frame, and never below the window's minimum.
QSize startWindowSize(const QSize &preferred, const QSize &minimum, const QSize &available);

// The start-up sequence up to the window that main shows: the style sheet, the
// application font for the primary screen, the main window, and the debug line
// "Screen resolution: " with the screen's width "x" height; the window sized by
// startWindowSize for the primary screen. The font is set
// before the window is built: with a style sheet in force, a font set later does
// not reach the widgets already made.
std::unique_ptr<MainWindow> startMainWindow(QApplication &app);
