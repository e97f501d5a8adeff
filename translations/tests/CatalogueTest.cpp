// Every text the program shows is translated in every shipped language: the catalogue built
// from the sources today against the checked-in translations. A translation keeps the source's
// placeholders and its accelerator.
#include <QFile>
#include <QMap>
#include <QRegularExpression>
#include <QStringList>
#include <QXmlStreamReader>

#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace {

struct Entry {
    QStringList forms; ///< the translation, or one text a plural form for a counted source
    QString type;      ///< "unfinished", "obsolete", "vanished" ... or empty when done
    bool counted = false;
};

/// "context\nsource" → entry, read from a .ts file.
QMap<QString, Entry> ReadTs(const QString& path) {
    QMap<QString, Entry> out;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return out;
    QXmlStreamReader xml(&file);
    QString context, source;
    bool counted = false;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("name"))
            context = xml.readElementText();
        else if (xml.name() == QLatin1String("source"))
            source = xml.readElementText();
        else if (xml.name() == QLatin1String("message"))
            counted = xml.attributes().value(QLatin1String("numerus")) == QLatin1String("yes");
        else if (xml.name() == QLatin1String("translation")) {
            Entry e{{}, xml.attributes().value(QLatin1String("type")).toString(), counted};
            QString plain;
            while (xml.readNext() != QXmlStreamReader::EndElement && !xml.atEnd()) {
                if (xml.isCharacters())
                    plain += xml.text();
                else if (xml.isStartElement())
                    e.forms << xml.readElementText();
            }
            if (!counted)
                e.forms = QStringList{plain};
            out.insert(context + QLatin1Char('\n') + source, e);
        }
    }
    return out;
}

/// %1, %L1, %n and printf forms (%.2f, %%), sorted: a translation may reorder them.
QStringList PlaceholderList(const QString& text) {
    static const QRegularExpression pattern(QStringLiteral("%(?:L?\\d+|n|%|\\.?\\d*[a-z])"));
    QStringList out;
    for (const QRegularExpressionMatch& m : pattern.globalMatch(text))
        out << m.captured();
    out.sort();
    return out;
}

std::string Placeholders(const QString& text) {
    return PlaceholderList(text).join(QLatin1Char(' ')).toStdString();
}

bool HasAccelerator(QString text) {
    return text.remove(QStringLiteral("&&")).contains(QLatin1Char('&'));
}

TEST(Catalogue, ChecksPlaceholdersAndAccelerators) {
    EXPECT_EQ(Placeholders("Downloading (%.2f%%)"), "%% %.2f");
    EXPECT_EQ(Placeholders("%2 von %1 · 100 % %L3"), "%1 %2 %L3");
    EXPECT_TRUE(HasAccelerator("Ö&ffnen"));
    EXPECT_FALSE(HasAccelerator("Drag && drop"));
}

/// How many forms a counted text has in a language, as Qt's plural rules count them.
qsizetype PluralForms(const QString& language) {
    static const QMap<QString, qsizetype> forms{{"tr", 1}, {"pl", 3}, {"ru", 3}, {"ar", 6}};
    return forms.value(language, 2);
}

std::vector<std::string> Languages() {
    std::vector<std::string> out;
    for (const QString& code : QString::fromLatin1(CHANFORGE_LANGUAGES).split(QLatin1Char(',')))
        out.push_back(code.toStdString());
    return out;
}

class Translation : public testing::TestWithParam<std::string> {};

TEST_P(Translation, CoversTheCatalogueWhole) {
    const QMap<QString, Entry> catalogue = ReadTs(QStringLiteral(CHANFORGE_CATALOGUE));
    ASSERT_FALSE(catalogue.isEmpty());
    const QString code = QString::fromStdString(GetParam());
    const QString path = QStringLiteral(CHANFORGE_TRANSLATIONS "/chanforge_%1.ts").arg(code);
    const qsizetype forms = PluralForms(code);
    const QMap<QString, Entry> language = ReadTs(path);
    ASSERT_FALSE(language.isEmpty()) << path.toStdString();
    for (auto it = catalogue.begin(); it != catalogue.end(); ++it) {
        const QString source = it.key().section(QLatin1Char('\n'), 1);
        const std::string where = it.key().toStdString();
        const auto found = language.find(it.key());
        ASSERT_TRUE(found != language.end()) << "missing: " << where;
        EXPECT_TRUE(found->type.isEmpty()) << found->type.toStdString() << ": " << where;
        EXPECT_EQ(found->forms.size(), it->counted ? forms : 1) << where;
        for (const QString& form : found->forms) {
            EXPECT_FALSE(form.isEmpty()) << where;
            EXPECT_EQ(Placeholders(form), Placeholders(source))
                << where << "\n  translated: " << form.toStdString();
            EXPECT_EQ(HasAccelerator(form), HasAccelerator(source))
                << where << "\n  translated: " << form.toStdString();
        }
    }
    for (auto it = language.begin(); it != language.end(); ++it)
        EXPECT_TRUE(it->type != QLatin1String("obsolete") && it->type != QLatin1String("vanished"))
            << "left over: " << it.key().toStdString();
}

INSTANTIATE_TEST_SUITE_P(Shipped, Translation, testing::ValuesIn(Languages()),
                         [](const auto& language) { return language.param; });

} // namespace
