#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <set>

class QProcess;

// What the game asks of the operating system: its own folder, the environment and
// starting other programs. Tests replace the launcher to see what would be started.
class Launcher {
public:
    virtual ~Launcher() = default;
    using Failed = std::function<void(const QString& reason)>;
    // Starts the program with its arguments without waiting for it. When it cannot be
    // started, or later ends with an error, `failed` runs on this thread with the reason.
    virtual void launch(const QString& program, const QStringList& arguments, Failed failed) = 0;
};

// Watches each program it starts through the event loop, never blocking the caller.
class ProcessLauncher final : public Launcher {
public:
    ~ProcessLauncher() override;
    void launch(const QString& program, const QStringList& arguments, Failed failed) override;

private:
    std::set<QProcess*> running_;
};

namespace sys {

// The folder that holds the executable (the movies lie in anim/ below it).
QString programDirectory();

// The current directory, as the system writes it.
QString currentDirectory();

} // namespace sys
