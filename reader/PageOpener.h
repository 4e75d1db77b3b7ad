#pragma once

#include <QObject>
#include <QPointer>
#include <QTextBrowser>
#include <QUrl>
#include <functional>

class QWidget;

// Opens the pages that ship with the reader (help, About): with the desktop's own handler,
// or, when the desktop has none or its handler fails, in a small viewer window of the
// reader's own, so a page always opens.
class PageOpener : public QObject {
    Q_OBJECT
public:
    // Hands a local page to the desktop without waiting; calls failed, then or later, when the
    // desktop cannot show it.
    using DesktopOpen = std::function<void(const QUrl &page, std::function<void()> failed)>;

    explicit PageOpener(QWidget *owner, DesktopOpen desktopOpen = openWithDesktop);

    // page: a file, or a resource ("qrc:…") when the file could not be written; a resource
    // goes straight to the viewer, as no other program can read it.
    void open(const QUrl &page);

    // The viewer window, once a page was shown in it.
    QTextBrowser *viewer() const { return m_viewer; }

    void setDesktopOpen(DesktopOpen desktopOpen) { m_desktopOpen = std::move(desktopOpen); }

    // The desktop's opener, xdg-open, whose exit status tells whether it found a handler.
    static void openWithDesktop(const QUrl &page, std::function<void()> failed);

private:
    void showInViewer(const QUrl &page);

    QWidget *m_owner;
    DesktopOpen m_desktopOpen;
    QPointer<QTextBrowser> m_viewer;
};
