#pragma once

#include <QPoint>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <functional>
#include <memory>
#include <sys/types.h>
#include <vector>

class QProcess;

// A desktop of its own for end-to-end tests of the built programs: a private X display
// (Xvfb, open only to the session's programs), and a temporary folder that holds the home folder,
// the data home (XDG_DATA_HOME), the temporary folder and the runtime folder of every program
// started in it. Mouse clicks and keys go through xdotool. Every wait ends at a deadline; every
// program started in the session, and every program started from a file inside its folder, ends
// with the session.
class DesktopSession {
public:
    static constexpr int TimeoutMs = 60000;

    DesktopSession();
    ~DesktopSession();
    DesktopSession(const DesktopSession &) = delete;
    DesktopSession &operator=(const DesktopSession &) = delete;

    // False when the display could not be started; nothing else works then.
    bool isReady() const { return !m_display.isEmpty(); }

    QString folder() const { return m_root; }
    QString dataHome() const;
    QString dataFolder() const; // <data home>/Lumenfold, where the suite keeps its files
    QString inDataFolder(const QString &name) const;

    // The environment programs start with: the session's display and folders, the X platform.
    QProcessEnvironment environment() const;

    // Starts a program (with environment() unless another one is given); nullptr when it
    // could not start.
    QProcess *start(const QString &program, const QStringList &arguments = {},
                    const QProcessEnvironment &environment = {});

    // The visible windows whose title is exactly title, as X window ids.
    QStringList windows(const QString &title) const;
    // Waits until at least count such windows show; returns the first, or empty at the deadline.
    QString waitForWindow(const QString &title, int count = 1) const;
    // A left click at a point given in the window's own pixels.
    void click(const QString &window, QPoint point) const;
    // Asks the window to close, as its title-bar button does.
    void closeWindow(const QString &window) const;
    // Gives the window the keyboard, as a click on it would under a window manager; returns
    // once the display has moved it there.
    void focus(const QString &window) const;
    // Keys as xdotool names them ("ctrl+a", "Return"), pressed one after the other on the
    // window that has the keyboard. The program gets them after every click sent before.
    void pressKeys(const QStringList &keys) const;
    // Types the text into the line edit at a point of the window, over what it held.
    void typeInto(const QString &window, QPoint field, const QString &text) const;

    // The running processes whose program is this file (also after the file was deleted).
    std::vector<pid_t> processesOf(const QString &programFile) const;

    static bool waitUntil(const std::function<bool()> &condition, int timeoutMs = TimeoutMs);
    // Waits for the process to end; true when it ended by itself with exit code 0.
    static bool waitForCleanExit(QProcess *process);

private:
    void startDisplay();
    // A new cookie for the display, in the authority file the session's programs read.
    void writeAuthority();
    QString authorityFile() const;
    void endPrograms();
    bool xdotool(const QStringList &arguments, QByteArray *output = nullptr) const;

    QTemporaryDir m_folder;
    QString m_root; // m_folder's canonical path, as the kernel names the programs in it
    std::unique_ptr<QProcess> m_xvfb;
    QString m_display; // ":N"
    QByteArray m_cookie;
    std::vector<std::unique_ptr<QProcess>> m_programs;
};
