#include "DesktopSession.h"

#include "support/TestCommands.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTest>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <unistd.h>
#include <xcb/xcb.h>

namespace {

const QString DeletedSuffix = QStringLiteral(" (deleted)");
constexpr QFile::Permissions OwnerOnly = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner;
const QByteArray CookieProtocol = QByteArrayLiteral("MIT-MAGIC-COOKIE-1");

// One entry of an X authority file that gives the cookie for every display of every host.
QByteArray authorityEntry(const QByteArray &cookie) {
    QByteArray entry("\xff\xff", 2); // any family and address
    for (const QByteArray &field : {QByteArray(), QByteArray(), CookieProtocol, cookie}) {
        entry += char(field.size() >> 8); // the length in two bytes, big-endian
        entry += char(field.size() & 0xff);
        entry += field;
    }
    return entry;
}

// The program file a process runs, as the kernel names it; empty when it cannot be read.
QString programOf(const QString &pid) {
    char target[4096];
    const QByteArray link = QFile::encodeName("/proc/" + pid + "/exe");
    const ssize_t length = ::readlink(link.constData(), target, sizeof target);
    if (length <= 0) return {};
    QString program = QFile::decodeName(QByteArray(target, int(length)));
    if (program.endsWith(DeletedSuffix)) program.chop(DeletedSuffix.size());
    return program;
}

// The pids of the running processes whose program file satisfies the predicate.
std::vector<pid_t> processesWhere(const std::function<bool(const QString &)> &matches) {
    std::vector<pid_t> pids;
    static const QRegularExpression number(QStringLiteral("^[0-9]+$"));
    for (const QString &entry : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs)) {
        if (!number.match(entry).hasMatch()) continue;
        const QString program = programOf(entry);
        if (!program.isEmpty() && matches(program)) pids.push_back(pid_t(entry.toInt()));
    }
    return pids;
}

xcb_atom_t internAtom(xcb_connection_t *connection, const char *name) {
    const xcb_intern_atom_cookie_t cookie =
        xcb_intern_atom(connection, 0, uint16_t(std::strlen(name)), name);
    xcb_intern_atom_reply_t *reply = xcb_intern_atom_reply(connection, cookie, nullptr);
    const xcb_atom_t atom = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    std::free(reply);
    return atom;
}

} // namespace

DesktopSession::DesktopSession() : m_root(QFileInfo(m_folder.path()).canonicalFilePath()) {
    // Another user run in the session (a student without rights to the program's folder)
    // must reach the folders inside it.
    QFile::setPermissions(folder(), OwnerOnly | QFile::ReadGroup | QFile::ExeGroup |
                                        QFile::ReadOther | QFile::ExeOther);
    for (const char *name : {"home", "data", "tmp", "runtime"})
        QDir(folder()).mkdir(QString::fromLatin1(name));
    QFile::setPermissions(folder() + "/runtime", OwnerOnly);
    startDisplay();
}

DesktopSession::~DesktopSession() {
    endPrograms();
    if (m_xvfb) {
        m_xvfb->terminate();
        if (!m_xvfb->waitForFinished(TimeoutMs)) m_xvfb->kill();
        m_xvfb->waitForFinished();
    }
}

// Xvfb picks a free display itself and writes its number on the given descriptor once it
// accepts clients, so sessions running side by side never race for a display. Only clients with
// the session's cookie get in: a program elsewhere that takes the display for its own cannot
// reach into the session. Nor does the display reset when its last client leaves, which drops a
// client that is just connecting.
void DesktopSession::startDisplay() {
    writeAuthority();
    m_xvfb = std::make_unique<QProcess>();
    m_xvfb->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_xvfb->start(QStringLiteral("Xvfb"),
                  {"-displayfd", "1", "-screen", "0", "1600x1000x24", "-nolisten", "tcp", "-auth",
                   authorityFile(), "-noreset"});
    if (!m_xvfb->waitForStarted(TimeoutMs)) return;
    waitUntil([this] { return m_xvfb->canReadLine(); });
    const QByteArray number = m_xvfb->readLine().trimmed();
    if (!number.isEmpty()) m_display = ':' + QString::fromLatin1(number);
}

void DesktopSession::writeAuthority() {
    quint32 cookie[4];
    QRandomGenerator::system()->fillRange(cookie);
    m_cookie = QByteArray(reinterpret_cast<const char *>(cookie), sizeof cookie);
    writeFile(authorityFile(), authorityEntry(m_cookie));
    // Readable by the other user a test may run its programs as.
    QFile::setPermissions(authorityFile(), QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup |
                                               QFile::ReadOther);
}

void DesktopSession::endPrograms() {
    for (const auto &program : m_programs) {
        program->kill();
        program->waitForFinished(TimeoutMs);
    }
    // Programs that the programs started, such as a detached Vocadrill, are found by the file
    // they run from.
    const QString inside = folder() + '/';
    auto startedInside = [&inside](const QString &program) { return program.startsWith(inside); };
    for (pid_t pid : processesWhere(startedInside))
        ::kill(pid, SIGKILL);
    waitUntil([&] { return processesWhere(startedInside).empty(); });
}

QString DesktopSession::authorityFile() const {
    return folder() + QStringLiteral("/Xauthority");
}

QString DesktopSession::dataHome() const {
    return folder() + QStringLiteral("/data");
}

QString DesktopSession::dataFolder() const {
    return dataHome() + QStringLiteral("/Lumenfold");
}

QString DesktopSession::inDataFolder(const QString &name) const {
    return dataFolder() + '/' + name;
}

QProcessEnvironment DesktopSession::environment() const {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("DISPLAY"), m_display);
    environment.insert(QStringLiteral("XAUTHORITY"), authorityFile());
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    // The file dialogs start in the home folder and keep their settings under it.
    environment.insert(QStringLiteral("HOME"), folder() + QStringLiteral("/home"));
    environment.insert(QStringLiteral("XDG_DATA_HOME"), dataHome());
    environment.insert(QStringLiteral("TMPDIR"), folder() + QStringLiteral("/tmp"));
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), folder() + QStringLiteral("/runtime"));
    return environment;
}

QProcess *DesktopSession::start(const QString &program, const QStringList &arguments,
                                const QProcessEnvironment &environment) {
    auto process = std::make_unique<QProcess>();
    process->setProcessEnvironment(environment.isEmpty() ? this->environment() : environment);
    process->setProcessChannelMode(QProcess::ForwardedChannels);
    process->start(program, arguments);
    if (!process->waitForStarted(TimeoutMs)) return nullptr;
    m_programs.push_back(std::move(process));
    return m_programs.back().get();
}

bool DesktopSession::xdotool(const QStringList &arguments, QByteArray *output) const {
    const CommandResult result =
        runCommand(QStringLiteral("xdotool"), arguments, environment(), TimeoutMs);
    if (output) *output = result.output;
    return result.exitCode == 0;
}

QStringList DesktopSession::windows(const QString &title) const {
    QByteArray found;
    const QString exactTitle = '^' + QRegularExpression::escape(title) + '$';
    if (!xdotool({"search", "--onlyvisible", "--name", exactTitle}, &found)) return {};
    return QString::fromLatin1(found).split('\n', Qt::SkipEmptyParts);
}

QString DesktopSession::waitForWindow(const QString &title, int count) const {
    QStringList found;
    waitUntil([&] {
        found = windows(title);
        return found.size() >= count;
    });
    return found.size() >= count ? found.first() : QString();
}

void DesktopSession::click(const QString &window, QPoint point) const {
    xdotool({"mousemove", "--window", window, QString::number(point.x()),
             QString::number(point.y()), "click", "1"});
}

// The WM_DELETE_WINDOW message a window manager sends when the close button is pressed.
void DesktopSession::closeWindow(const QString &window) const {
    QByteArray protocol = CookieProtocol;
    QByteArray cookie = m_cookie;
    xcb_auth_info_t authority{int(protocol.size()), protocol.data(), int(cookie.size()),
                              cookie.data()};
    xcb_connection_t *connection = xcb_connect_to_display_with_auth_info(
        m_display.toLatin1().constData(), &authority, nullptr);
    if (!xcb_connection_has_error(connection)) {
        xcb_client_message_event_t message{};
        message.response_type = XCB_CLIENT_MESSAGE;
        message.format = 32;
        message.window = window.toUInt();
        message.type = internAtom(connection, "WM_PROTOCOLS");
        message.data.data32[0] = internAtom(connection, "WM_DELETE_WINDOW");
        message.data.data32[1] = XCB_CURRENT_TIME;
        // Checked: waiting for the server's answer makes sure it has handled the message
        // before the connection closes (sent unchecked, it was now and then lost).
        const xcb_void_cookie_t sent =
            xcb_send_event_checked(connection, 0, message.window, XCB_EVENT_MASK_NO_EVENT,
                                   reinterpret_cast<const char *>(&message));
        std::free(xcb_request_check(connection, sent));
    }
    xcb_disconnect(connection);
}

void DesktopSession::focus(const QString &window) const {
    xdotool({"windowfocus", "--sync", window});
}

void DesktopSession::pressKeys(const QStringList &keys) const {
    xdotool(QStringList{"key"} + keys);
}

void DesktopSession::typeInto(const QString &window, QPoint field, const QString &text) const {
    focus(window);
    click(window, field);
    pressKeys({"ctrl+a"});
    xdotool({"type", "--", text});
}

std::vector<pid_t> DesktopSession::processesOf(const QString &programFile) const {
    return processesWhere(
        [&programFile](const QString &program) { return program == programFile; });
}

bool DesktopSession::waitUntil(const std::function<bool()> &condition, int timeoutMs) {
    return QTest::qWaitFor(condition, timeoutMs);
}

bool DesktopSession::waitForCleanExit(QProcess *process) {
    return process->waitForFinished(TimeoutMs) && process->exitStatus() == QProcess::NormalExit &&
           process->exitCode() == 0;
}
