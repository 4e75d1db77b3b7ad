#include "platform/Clock.h"
#include "platform/Fonts.h"
#include "platform/Paths.h"
#include "platform/Speaker.h"
#include "vocab/library/Form1.h"
#include "vocab/library/VocabStartUp.h"
#include "vocab/player/MciDevice.h"

#include <QApplication>

int main(int argc, char **argv) {
    QApplication app(argc, argv);
    Fonts::installSubstitutions();
    const Paths paths = Paths::fromEnvironment().withWritableProgramFolder();
    const Clock &clock = Clock::system();
    Speaker speaker(makeFliteBackend(), Speaker::PlayAudio, clock);
    MciDevice mci(clock, speaker);
    const bool showTips = VocabStartUp::run(paths, speaker);
    Form1 form(paths, speaker, mci, clock);
    form.show();
    if (showTips) form.showTipsWindow();
    return app.exec();
}
