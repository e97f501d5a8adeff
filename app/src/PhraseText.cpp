#include "PhraseText.h"

#include <QCoreApplication>

#include <string>
#include <vector>

namespace chanforge::app {

QString Translated(const utils::Phrase& phrase) {
    if (phrase.IsVerbatim())
        return QString::fromStdString(phrase.Utf8());
    std::vector<std::string> args;
    args.reserve(phrase.Args().size());
    for (const utils::Phrase& arg : phrase.Args())
        args.push_back(Translated(arg).toStdString());
    // A counted text's form comes from its count, which also takes the place of %n.
    const QString pattern =
        QCoreApplication::translate(phrase.Context(), phrase.Source(), nullptr,
                                    phrase.IsCounted() ? static_cast<int>(phrase.Count()) : -1);
    // One pass over the translated pattern: a name holding "%2" is not filled in again.
    return QString::fromStdString(utils::FillPlaceholders(pattern.toStdString(), args));
}

} // namespace chanforge::app
