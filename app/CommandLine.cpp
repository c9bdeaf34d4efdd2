#include "CommandLine.h"

#include "Preferences.h"
#include "Replay.h"
#include "WindowSize.h"

#include <QCommandLineParser>

namespace {

const QString usage =
    QStringLiteral("Usage: vexaroo [--help] [--version] [--mute] [--size N] [--lang LANGUAGE]\n"
                   "               [--replay FILE | --verify FILE]\n");

// The options and their help, one line each; the help text is ours, so that it needs no
// application object and reads the same everywhere.
struct Option {
    QStringList names;
    QString valueName;
    QString help;
};

const std::vector<Option>& options() {
    static const std::vector<Option> all = {
        {{QStringLiteral("h"), QStringLiteral("help")},
         {},
         QStringLiteral("Show this help and end.")},
        {{QStringLiteral("v"), QStringLiteral("version")},
         {},
         QStringLiteral("Show the version and end.")},
        {{QStringLiteral("mute")}, {}, QStringLiteral("Play without sound this time.")},
        {{QStringLiteral("lang")},
         QStringLiteral("LANGUAGE"),
         QStringLiteral("Show the game in LANGUAGE (de, fr, en) instead of the desktop's.")},
        {{QStringLiteral("size")},
         QStringLiteral("N"),
         QStringLiteral("Window size, 1 to 3 in half steps; kept for the next start.")},
        {{QStringLiteral("replay")},
         QStringLiteral("FILE"),
         QStringLiteral("Watch a recorded game.")},
        {{QStringLiteral("verify")},
         QStringLiteral("FILE"),
         QStringLiteral("Replay a recorded game without a window; exit 0 if it ends as recorded.")},
    };
    return all;
}

QString helpText() {
    QString text =
        usage + QStringLiteral("Steer Gorvan and shoot the hazards that fly at him.\n\nOptions:\n");
    for (const Option& option : options()) {
        QStringList names;
        for (const QString& name : option.names)
            names << (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
        QString left = names.join(QStringLiteral(", "));
        if (!option.valueName.isEmpty())
            left += QLatin1Char(' ') + option.valueName;
        text += QStringLiteral("  %1  %2\n").arg(left, -22).arg(option.help);
    }
    return text;
}

// A value as the player typed it, for a message: a long one is cut to a readable length, and
// control characters cannot reach the terminal.
QString shown(const QString& value, qsizetype readable = 40) {
    QString text = value.left(readable);
    for (QChar& c : text)
        if (c.category() == QChar::Other_Control)
            c = QLatin1Char('?');
    return value.size() > readable ? text + QStringLiteral("...") : text;
}

} // namespace

CommandLine parseCommandLine(const QStringList& arguments) {
    CommandLine result;
    QCommandLineParser parser;
    for (const Option& option : options())
        parser.addOption(QCommandLineOption(option.names, option.help, option.valueName));

    auto fail = [&](const QString& why) {
        result.errors = QStringLiteral("vexaroo: ") + why + QLatin1Char('\n') + usage;
        result.exitCode = 2;
        return result;
    };
    if (!parser.parse(arguments))
        return fail(shown(parser.errorText(), 80)); // it names the option as given
    if (!parser.positionalArguments().isEmpty())
        return fail(QStringLiteral("unexpected argument '%1'")
                        .arg(shown(parser.positionalArguments().constFirst())));
    if (parser.isSet(QStringLiteral("size"))) {
        bool number = false;
        const double size = parser.value(QStringLiteral("size")).toDouble(&number);
        if (!number || !windowsize::isStep(size))
            return fail(QStringLiteral("--size takes 1, 1.5, 2, 2.5 or 3, not '%1'")
                            .arg(shown(parser.value(QStringLiteral("size")))));
        result.size = size;
    }
    // Not stored: the next start follows the desktop again.
    if (parser.isSet(QStringLiteral("lang"))) {
        result.language = parser.value(QStringLiteral("lang"));
        if (!isLanguage(result.language))
            return fail(QStringLiteral("'%1' is not a language such as de or fr_CA")
                            .arg(shown(result.language)));
    }
    result.mute = parser.isSet(QStringLiteral("mute"));
    result.replay = parser.value(QStringLiteral("replay"));
    result.verify = parser.value(QStringLiteral("verify"));
    if (!result.replay.isEmpty() && !result.verify.isEmpty())
        return fail(QStringLiteral("--replay and --verify do not go together"));
    if (parser.isSet(QStringLiteral("help"))) {
        result.output = helpText();
        result.exitCode = 0;
    } else if (parser.isSet(QStringLiteral("version"))) {
        result.output = QStringLiteral("Vexaroo " VEXAROO_VERSION "\n");
        result.exitCode = 0;
    }
    return result;
}

int verifyReplay(const QString& path, QString* output, QString* errors) {
    Replay recorded;
    if (QString why; !replay::read(path, &recorded, &why)) {
        *errors = QStringLiteral("vexaroo: cannot replay %1: %2\n").arg(path, why);
        return 2;
    }
    QString result, why;
    const bool matches = ReplayRun::verify(recorded, &result, &why);
    *output = result + QLatin1Char('\n');
    if (!matches)
        *errors = QStringLiteral("vexaroo: %1 does not end as recorded: %2\n").arg(path, why);
    return matches ? 0 : 1;
}
