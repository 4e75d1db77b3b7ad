#include "vocab/player/MciDevice.h"

QString MciDevice::send(const QString &) {
    return {};
}
