// The command players start. The game reads settings, scores and the help files from its
// current folder, so this makes that folder the player's own, seeds it once with the
// delivered files and then becomes the game (exec: one process, the game's exit code).
#include "Display.h"
#include "Resources.h"

#include <QApplication>
#include <QMessageBox>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include <pwd.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// ${XDG_DATA_HOME:-$HOME/.local/share}/vexaroo; a relative XDG_DATA_HOME is ignored.
fs::path playerFolder() {
    const char* dataHome = std::getenv("XDG_DATA_HOME");
    if (dataHome && dataHome[0] == '/')
        return fs::path(dataHome) / "vexaroo";
    const char* home = std::getenv("HOME");
    if (!home || !*home) {
        const passwd* entry = getpwuid(getuid());
        home = entry ? entry->pw_dir : "/";
    }
    return fs::path(home) / ".local/share/vexaroo";
}

// What went wrong, or an empty text when the folder is ready and current.
std::string prepare(const fs::path& folder, const fs::path& delivered) {
    std::error_code error;
    fs::create_directories(folder, error);
    if (!error && !fs::is_directory(folder))
        error = std::make_error_code(std::errc::not_a_directory);
    if (error)
        return "Vexaroo cannot create the folder " + folder.string() + ": " + error.message();
    if (access(folder.c_str(), W_OK | X_OK) != 0)
        return "Vexaroo cannot write to the folder " + folder.string() + ": " +
               std::strerror(errno);
    // Never over the player's own copies: they hold the player's choices. The help comes in
    // a file per language; one that an upgrade adds is seeded at the next start.
    for (const char* name : {"settings", "HelpFile.txt", "HelpFile.de.txt", "HelpFile.fr.txt"}) {
        fs::copy_file(delivered / name, folder / name, fs::copy_options::skip_existing, error);
        if (error)
            return "Vexaroo cannot copy " + (delivered / name).string() + " to " + folder.string() +
                   ": " + error.message();
    }
    if (chdir(folder.c_str()) != 0)
        return "Vexaroo cannot enter the folder " + folder.string() + ": " + std::strerror(errno);
    return {};
}

// One line for a terminal; a desktop message too, since from the menu nobody sees stderr.
int fail(const std::string& problem, int argc, char* argv[]) {
    std::fprintf(stderr, "%s\n", problem.c_str());
    if (QString ignored; display::reachable(&ignored)) {
        QApplication app(argc, argv);
        QMessageBox box(QMessageBox::Critical, QStringLiteral("Vexaroo"),
                        QString::fromStdString(problem));
        box.setWindowIcon(resources::programIcon());
        box.exec();
    }
    return 1;
}

} // namespace

int main(int argc, char* argv[]) {
    std::error_code error;
    const fs::path here = fs::read_symlink("/proc/self/exe", error).parent_path();
    const fs::path game = (here / VEXAROO_GAME_FROM_LAUNCHER).lexically_normal();
    const fs::path delivered = (here / VEXAROO_DATA_FROM_LAUNCHER).lexically_normal();

    // A replay named on the command line is found where the player stands, not in the folder.
    std::vector<std::string> given(argv, argv + argc);
    for (std::size_t i = 1; i < given.size(); ++i) {
        for (const std::string option : {"--replay", "--verify"}) {
            std::size_t at = std::string::npos;
            if (given[i].rfind(option + "=", 0) == 0)
                at = option.size() + 1;
            else if (given[i - 1] == option)
                at = 0;
            if (at < given[i].size() && given[i][at] != '/')
                given[i].replace(at, std::string::npos,
                                 fs::absolute(given[i].substr(at), error).string());
        }
    }
    if (const std::string problem = prepare(playerFolder(), delivered); !problem.empty())
        return fail(problem, argc, argv);

    std::vector<char*> arguments;
    for (std::string& argument : given)
        arguments.push_back(argument.data());
    arguments.push_back(nullptr);
    std::string program = game.string();
    arguments[0] = program.data();
    execv(program.c_str(), arguments.data());
    return fail("Vexaroo cannot start " + program + ": " + std::strerror(errno), argc, argv);
}
