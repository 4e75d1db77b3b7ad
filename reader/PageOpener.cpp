#include "reader/PageOpener.h"

#include <QProcess>
#include <QTextBrowser>

namespace {
const QSize ViewerSize(760, 620);
}

PageOpener::PageOpener(QWidget *owner, DesktopOpen desktopOpen)
    : QObject(owner), m_owner(owner), m_desktopOpen(std::move(desktopOpen)) {}

void PageOpener::open(const QUrl &page) {
    if (!page.isLocalFile()) {
        showInViewer(page);
        return;
    }
    m_desktopOpen(page, [opener = QPointer(this), page] {
        if (opener) opener->showInViewer(page);
    });
}

void PageOpener::showInViewer(const QUrl &page) {
    if (!m_viewer) {
        m_viewer = new QTextBrowser(m_owner);
        m_viewer->setObjectName(QStringLiteral("PageViewer"));
        m_viewer->setWindowFlag(Qt::Window);
        m_viewer->setOpenExternalLinks(true);
        m_viewer->resize(ViewerSize.boundedTo(m_owner->size()));
        m_viewer->move(m_owner->geometry().center() - m_viewer->rect().center());
    }
    m_viewer->setSource(page);
    m_viewer->setWindowTitle(m_viewer->documentTitle());
    m_viewer->show();
    m_viewer->raise();
    m_viewer->activateWindow();
}

// The process is not the owner's child: a handler that is still open when the reader ends
// (xdg-open waits for some browsers) goes on running.
void PageOpener::openWithDesktop(const QUrl &page, std::function<void()> failed) {
    auto *process = new QProcess;
    QObject::connect(process, &QProcess::errorOccurred, process,
                     [process, failed](QProcess::ProcessError error) {
                         if (error != QProcess::FailedToStart) return;
                         failed();
                         process->deleteLater();
                     });
    QObject::connect(process, &QProcess::finished, process,
                     [process, failed](int exitCode, QProcess::ExitStatus status) {
                         if (status != QProcess::NormalExit || exitCode != 0) failed();
                         process->deleteLater();
                     });
    process->start(QStringLiteral("xdg-open"), {page.toLocalFile()});
}
