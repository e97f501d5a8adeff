#include "chanforge/editing/RenamePattern.h"

#include "Rows.h"

#include <QRegularExpression>
#include <QString>

#include <algorithm>
#include <cstring>

namespace chanforge::editing {

namespace {

QString FromUtf8(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

/// C0 and C1 control bytes and DEL: the receiver's code tables draw nothing for them.
bool UnshownByte(unsigned char b) {
    return b < 0x20 || b == 0x7F || (b >= 0x80 && b < 0xA0);
}

QString TitleCase(const QString& text) {
    QString out = text.toLower();
    bool wordStart = true;
    for (QChar& c : out) {
        if (wordStart && c.isLetter())
            c = c.toUpper();
        wordStart = !c.isLetterOrNumber();
    }
    return out;
}

QString ChangeCase(const QString& text, CaseChange change) {
    switch (change) {
    case CaseChange::Upper:
        return text.toUpper();
    case CaseChange::Lower:
        return text.toLower();
    case CaseChange::Title:
        return TitleCase(text);
    case CaseChange::Keep:
        break;
    }
    return text;
}

/// The replacement as the rule gives it; an empty pattern finds nothing (it would match between
/// every two characters).
struct Replacer {
    RenameRule rule;
    QString find;
    QString replace;
    QRegularExpression re;

    QString Apply(const QString& name) const {
        QString out = name;
        if (!find.isEmpty()) {
            if (rule.regex)
                out.replace(re, replace);
            else
                out.replace(find, replace,
                            rule.matchCase ? Qt::CaseSensitive : Qt::CaseInsensitive);
        }
        out = ChangeCase(out, rule.change);
        return out == name ? name : out.trimmed();
    }
};

/// Latin-1 bytes of text; a character beyond it becomes '?' and marks the line unshown.
std::string StoredBytes(const QString& text, RenameLine& line) {
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(text.size()));
    for (QChar c : text) {
        const char16_t u = c.unicode();
        const bool fits = u <= 0xFF;
        line.unshown = line.unshown || !fits || UnshownByte(static_cast<unsigned char>(u));
        bytes.push_back(fits ? static_cast<char>(u) : '?');
    }
    return bytes;
}

} // namespace

bool RenamePreview::Applicable() const {
    return ok() &&
           std::none_of(lines.begin(), lines.end(), [](const RenameLine& l) { return l.empty; });
}

std::size_t RenamePreview::Changed() const {
    return static_cast<std::size_t>(
        std::count_if(lines.begin(), lines.end(), [](const RenameLine& l) { return l.Changes(); }));
}

RenamePreview PreviewRename(tabstore::CQoDB& db, const RowIds& keys, const RenameRule& rule,
                            std::size_t nameBytes) {
    RenamePreview preview;
    Replacer replacer{rule, FromUtf8(rule.find), FromUtf8(rule.replace), {}};
    if (rule.regex && !rule.find.empty()) {
        replacer.re = QRegularExpression(
            replacer.find, rule.matchCase ? QRegularExpression::NoPatternOption
                                          : QRegularExpression::CaseInsensitiveOption);
        if (!replacer.re.isValid()) {
            preview.error = replacer.re.errorString().toStdString() + " at " +
                            std::to_string(replacer.re.patternErrorOffset());
            return preview;
        }
        replacer.re.optimize();
    }
    const std::size_t slot = std::min(nameBytes, sizeof Channel_Info_Tag::Name - 1);
    preview.lines.reserve(keys.size());
    for (std::uint32_t key : keys) {
        const auto* ch = rows::Channel(db, key);
        if (ch == nullptr)
            continue;
        RenameLine& line = preview.lines.emplace_back();
        line.key = key;
        line.oldName.assign(ch->Name, strnlen(ch->Name, sizeof ch->Name));
        const QString name =
            QString::fromLatin1(line.oldName.data(), static_cast<qsizetype>(line.oldName.size()));
        line.newName = StoredBytes(replacer.Apply(name), line);
        if (line.newName.size() > sizeof ch->Name - 1)
            line.newName.resize(sizeof ch->Name - 1);
        line.cut = line.newName.size() > slot;
        if (line.cut)
            line.kept = line.newName.substr(0, slot);
        line.empty = line.newName.find_first_not_of(' ') == std::string::npos;
    }
    return preview;
}

EditResult ApplyRename(tabstore::CQoDB& db, const RenamePreview& preview) {
    if (!preview.Applicable())
        return preview.ok() ? EditResult::EmptyName : EditResult::Nothing;
    if (preview.Changed() == 0)
        return EditResult::Nothing;
    for (const RenameLine& line : preview.lines) {
        auto* ch = rows::Channel(db, line.key);
        if (ch == nullptr || !line.Changes())
            continue;
        std::memset(ch->Name, 0, sizeof ch->Name);
        std::memcpy(ch->Name, line.newName.data(),
                    std::min(line.newName.size(), sizeof ch->Name - 1));
    }
    return EditResult::Ok;
}

} // namespace chanforge::editing
