#include "Language.h"

#include "Resources.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QStringList>
#include <QTranslator>

#include <memory>

namespace language {

namespace {

const QString english = QStringLiteral("en");

QString programTranslation(const QString& name) {
    return QStringLiteral(":/i18n/vexaroo_%1.qm").arg(name);
}

// "de_AT.UTF-8@euro" → "de"
QString baseName(const QString& locale) {
    QString name = locale.section(QLatin1Char('.'), 0, 0).section(QLatin1Char('@'), 0, 0);
    return name.section(QLatin1Char('_'), 0, 0).section(QLatin1Char('-'), 0, 0).toLower();
}

QStringList desktopLanguages() {
    QString messages;
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        messages = qEnvironmentVariable(variable);
        if (!messages.isEmpty())
            break;
    }
    const QString base = messages.section(QLatin1Char('.'), 0, 0);
    if (base.isEmpty() || base == QLatin1String("C") || base == QLatin1String("POSIX"))
        return {};
    const QString list = qEnvironmentVariable("LANGUAGE");
    return list.isEmpty() ? QStringList{messages}
                          : list.split(QLatin1Char(':'), Qt::SkipEmptyParts);
}

std::unique_ptr<QTranslator>& installed(int which) {
    static std::unique_ptr<QTranslator> translators[2];
    return translators[which];
}

} // namespace

QString choose(const QString& requested, const QString& stored) {
    const QStringList wanted = !requested.isEmpty() ? QStringList{requested}
                               : !stored.isEmpty()  ? QStringList{stored}
                                                    : desktopLanguages();
    for (const QString& locale : wanted) {
        const QString name = baseName(locale);
        if (name == english || QFileInfo::exists(programTranslation(name)))
            return name;
    }
    return english;
}

void install(const QString& name) {
    resources::setPictureLanguage(name == english ? QString() : name);
    for (int which : {0, 1}) {
        if (auto& translator = installed(which)) {
            QCoreApplication::removeTranslator(translator.get());
            translator.reset();
        }
    }
    if (name == english)
        return;
    // Qt's own texts (the boxes' buttons, the text boxes' menu) come from Debian's
    // qt6-translations-l10n when it is there; without it they stay English.
    const QString paths[] = {programTranslation(name),
                             QLibraryInfo::path(QLibraryInfo::TranslationsPath) +
                                 QStringLiteral("/qtbase_%1.qm").arg(name)};
    for (int which : {0, 1}) {
        auto translator = std::make_unique<QTranslator>();
        if (translator->load(paths[which]) && QCoreApplication::installTranslator(translator.get()))
            installed(which) = std::move(translator);
    }
}

} // namespace language
