#include "platform/Fonts.h"
#include "platform/Paths.h"
#include "platform/Speaker.h"
#include "reader/Form1.h"
#include "reader/ReaderFiles.h"
#include "reader/ReaderStartup.h"

#include <QApplication>

// Examvault: puts its files in place, prepares speech and shows the main window. The command
// line is not read.
int main(int argc, char **argv) {
    QApplication app(argc, argv);
    Fonts::installSubstitutions();
    const ReaderFiles files(Paths::fromEnvironment());
    Speaker speaker;
    ReaderStartup::run(files, speaker);
    Form1 window(files, speaker);
    window.show();
    return app.exec();
}
