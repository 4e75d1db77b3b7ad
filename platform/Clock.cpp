#include "platform/Clock.h"

#include <QDateTime>

namespace {

class SystemClock : public Clock {
public:
    qint64 nowMs() const override { return QDateTime::currentMSecsSinceEpoch(); }
};

} // namespace

const Clock &Clock::system() {
    static const SystemClock clock;
    return clock;
}
