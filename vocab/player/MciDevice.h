#pragma once

#include <QString>

// The multimedia command interface: takes command strings such as "close   all" or
// "record   MyWav2" exactly as the program writes them and answers with a result text.
// The recording device is not built yet, so every command is accepted and does nothing.
class MciDevice {
public:
    virtual ~MciDevice() = default;
    virtual QString send(const QString &command);
};
