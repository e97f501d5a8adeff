// The languages the window speaks: English, and the translations shipped beside the program.
// The command line stays English; only the window loads them.
#pragma once

#include <QLocale>
#include <QString>

#include <span>

class QCoreApplication;
class QMenu;
class QWidget;

namespace chanforge::app {

struct Language {
    const char* code; ///< "de"; empty for the system's language
    const char* name; ///< in the language itself, so anyone finds their own
};

/// The system's language first, then English and the shipped translations, in menu order.
std::span<const Language> Languages();

/// The code chosen in View → Language; empty when the system's language applies.
QString ChosenLanguage();
void ChooseLanguage(const QString& code);

/// The folder of the compiled translations: share/chanforge/translations beside the program's
/// bin folder, in the build tree and once installed.
QString TranslationsFolder();

/// Installs the program's and Qt's own translators for the chosen language (or the system's)
/// and returns the locale they are for. English needs none.
QLocale InstallTranslators(QCoreApplication& app);

/// View → Language: one checkable item per language; a choice is kept and takes effect at the
/// next start, which the operator is told.
QMenu* LanguageMenu(QWidget* parent);

} // namespace chanforge::app
