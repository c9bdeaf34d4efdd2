#pragma once

#include <QString>
#include <QStringList>

// What the game asks of the operating system: its own folder, the environment and
// starting other programs. Tests replace the launcher to see what would be started.
class Launcher {
public:
    virtual ~Launcher() = default;
    // Starts the program with its arguments without waiting for it; false with a reason
    // when it cannot be started.
    virtual bool launchDetached(const QString& program, const QStringList& arguments,
                                QString* error) = 0;
};

class ProcessLauncher final : public Launcher {
public:
    bool launchDetached(const QString& program, const QStringList& arguments,
                        QString* error) override;
};

namespace sys {

// The folder that holds the executable (the movies lie in anim/ below it).
QString programDirectory();

// An environment variable, empty when unset.
QString environment(const QString& name);

} // namespace sys
