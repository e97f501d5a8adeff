#include "Languages.h"

#include "EnglishCounts.h"

#include "qpui/MessageBox.h"
#include "utils/Registry.h"

#include <QActionGroup>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QMenu>
#include <QSettings>
#include <QTranslator>

namespace chanforge::app {

namespace {

constexpr Language kLanguages[] = {
    {"", QT_TRANSLATE_NOOP("chanforge::app::Languages", "System language")},
    {"en", "English"},
    {"de", "Deutsch"},
    {"it", "Italiano"},
    {"fr", "Français"},
    {"es", "Español"},
    {"pl", "Polski"},
    {"tr", "Türkçe"},
    {"ru", "Русский"},
    {"ar", "العربية"},
};

const QString kLanguageKey = QStringLiteral("Window/language");

QSettings Settings() {
    return QSettings(QString::fromStdString(utils::SettingsPath()), QSettings::IniFormat);
}

/// Loads one catalogue into a translator owned by the application; false when it is missing.
bool Install(QCoreApplication& app, const QLocale& locale, const QString& name,
             const QString& folder) {
    auto* translator = new QTranslator(&app);
    if (translator->load(locale, name, QStringLiteral("_"), folder)) {
        QCoreApplication::installTranslator(translator);
        return true;
    }
    delete translator;
    return false;
}

} // namespace

std::span<const Language> Languages() {
    return kLanguages;
}

QString ChosenLanguage() {
    return Settings().value(kLanguageKey).toString();
}

void ChooseLanguage(const QString& code) {
    QSettings s = Settings();
    if (code.isEmpty())
        s.remove(kLanguageKey);
    else
        s.setValue(kLanguageKey, code);
}

QString TranslationsFolder() {
    return QCoreApplication::applicationDirPath() +
           QStringLiteral("/../share/chanforge/translations");
}

QLocale InstallTranslators(QCoreApplication& app) {
    const QString chosen = ChosenLanguage();
    const QLocale locale = chosen.isEmpty() ? QLocale::system() : QLocale(chosen);
    // Asked last, after any catalogue installed below: English is what the sources lack.
    QCoreApplication::installTranslator(new CEnglishCounts(&app));
    if (locale.language() == QLocale::English || locale.language() == QLocale::C)
        return QLocale(QLocale::English);
    if (!Install(app, locale, QStringLiteral("chanforge"), TranslationsFolder()))
        return QLocale(QLocale::English); // no translation of ours: Qt's alone would mix
    // The standard buttons, file dialogs and shortcut names come from Qt's own catalogue.
    Install(app, locale, QStringLiteral("qtbase"),
            QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    QLocale::setDefault(locale);
    // Arabic lays the window out from the right; names and numbers keep their own direction.
    QGuiApplication::setLayoutDirection(locale.textDirection());
    return locale;
}

QMenu* LanguageMenu(QWidget* parent) {
    auto* menu =
        new QMenu(QCoreApplication::translate("chanforge::app::Languages", "&Language"), parent);
    menu->setObjectName(QStringLiteral("languageMenu"));
    auto* group = new QActionGroup(menu);
    const QString chosen = ChosenLanguage();
    for (const Language& language : kLanguages) {
        const QString code = QString::fromLatin1(language.code);
        const QString name =
            code.isEmpty() ? QCoreApplication::translate("chanforge::app::Languages", language.name)
                           : QString::fromUtf8(language.name);
        QAction* item = menu->addAction(name);
        item->setObjectName(QStringLiteral("language-") + (code.isEmpty() ? "system" : code));
        item->setCheckable(true);
        item->setChecked(code == chosen);
        group->addAction(item);
        QObject::connect(item, &QAction::triggered, parent, [parent, code] {
            if (code == ChosenLanguage())
                return;
            ChooseLanguage(code);
            qpui::ShowInformation(
                parent, QCoreApplication::translate(
                            "chanforge::app::Languages",
                            "The new language is used from the next start of Chanforge."));
        });
    }
    return menu;
}

} // namespace chanforge::app
