#pragma once

#include "vocab/player/MciDevice.h"

#include <QStringList>

// The suite's multimedia device, remembering every command it was sent.
class RecordingMci : public MciDevice {
public:
    using MciDevice::MciDevice;

    bool send(const QString &command) override {
        commands << command;
        return MciDevice::send(command);
    }

    QStringList commands;
};
