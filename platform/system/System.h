#pragma once

#include <QByteArrayList>
#include <QString>
#include <QStringList>

#include <functional>
#include <set>

class QProcess;

// What the program asks of the operating system: its own folder, the environment and
// starting other programs. Tests replace the launcher to see what would be started.
class Launcher {
public:
    virtual ~Launcher() = default;
    using Failed = std::function<void(const QString& reason)>;
    // Starts the program with its arguments without waiting for it. Each argument reaches
    // the program as these very bytes, so a path need not be valid text. When it cannot be
    // started, or later ends with an error, `failed` runs on this thread with the reason.
    virtual void launch(const QString& program, const QByteArrayList& arguments, Failed failed) = 0;
};

// Watches each program it starts through the event loop, never blocking the caller.
class ProcessLauncher final : public Launcher {
public:
    ~ProcessLauncher() override;
    void launch(const QString& program, const QByteArrayList& arguments, Failed failed) override;

private:
    std::set<QProcess*> running_;
};

namespace sys {

// The folder that holds the executable (the movies lie in anim/ below it).
QString programDirectory();

// The current directory, as the system writes it.
QString currentDirectory();

// The path of a file in the current directory as the bytes the system names it by, which
// need not be valid text. Empty, with the reason, when the system cannot name it: the folder
// is gone, or the path is longer than the system takes.
QByteArray pathInCurrentDirectory(const QByteArray& fileName, QString* problem);

} // namespace sys
