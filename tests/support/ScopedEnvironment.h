#pragma once

#include <QByteArray>
#include <QString>

// Sets an environment variable for the life of the object, then restores it as it was.
class ScopedEnvironment {
public:
    ScopedEnvironment(const char *name, const QString &value)
        : m_name(name), m_previous(qgetenv(name)), m_wasSet(qEnvironmentVariableIsSet(name)) {
        qputenv(name, value.toUtf8());
    }
    ~ScopedEnvironment() { m_wasSet ? qputenv(m_name, m_previous) : qunsetenv(m_name); }
    ScopedEnvironment(const ScopedEnvironment &) = delete;
    ScopedEnvironment &operator=(const ScopedEnvironment &) = delete;

private:
    const char *m_name;
    QByteArray m_previous;
    bool m_wasSet;
};
