#include "CommandLine.h"

#include <QCommandLineParser>

namespace {

const QString usage = QStringLiteral("Usage: vexaroo [--help] [--version] [--mute]\n");

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
        return fail(parser.errorText());
    if (!parser.positionalArguments().isEmpty())
        return fail(QStringLiteral("unexpected argument '%1'")
                        .arg(parser.positionalArguments().constFirst()));
    result.mute = parser.isSet(QStringLiteral("mute"));
    if (parser.isSet(QStringLiteral("help"))) {
        result.output = helpText();
        result.exitCode = 0;
    } else if (parser.isSet(QStringLiteral("version"))) {
        result.output = QStringLiteral("Vexaroo " VEXAROO_VERSION "\n");
        result.exitCode = 0;
    }
    return result;
}
