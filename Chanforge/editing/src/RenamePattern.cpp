#include "chanforge/editing/RenamePattern.h"

#include "chanforge/editing/ChannelName.h"

#include "Rows.h"
#include "utils/CodeTable.h"

#include <QRegularExpression>
#include <QString>

#include <algorithm>
#include <cstring>
#include <unordered_map>

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

/// Marks the cut lines whose new name another line also gets: the cut alone may have made
/// them one.
void MarkSameAfterCut(std::vector<RenameLine>& lines) {
    std::unordered_map<std::string_view, std::vector<std::size_t>> byName;
    for (std::size_t i = 0; i < lines.size(); ++i)
        byName[lines[i].newName].push_back(i);
    for (const auto& [name, at] : byName) {
        const bool anyCut =
            std::any_of(at.begin(), at.end(), [&](std::size_t i) { return lines[i].cut; });
        if (at.size() > 1 && anyCut)
            for (std::size_t i : at)
                lines[i].sameAfterCut = true;
    }
}

/// Puts the pattern's new name (UTF-8) into the channel's code table and fits it to the slot:
/// what either cannot hold is cut (or replaced by '?') when the operator chose so, else refused.
void FitNewName(RenameLine& line, const std::string& text, std::size_t nameBytes, bool cutToFit) {
    const FittedName fitted = FitText(text, line.codeTable, nameBytes, cutToFit);
    if (fitted.fit == NameFit::NotInTable) {
        line.newName = utils::NameFromUtf8(text, line.codeTable, true).bytes;
        line.notInTable = fitted.refused;
        return;
    }
    line.newName = fitted.stored;
    line.cut = fitted.fit != NameFit::Fits;
    if (line.cut)
        line.kept = fitted.stored.substr(0, NameRoom(nameBytes));
    line.tooLong = !fitted.Stores() && line.Changes();
    line.unshown = std::any_of(line.newName.begin(), line.newName.end(),
                               [](char c) { return UnshownByte(static_cast<unsigned char>(c)); });
}

/// How many lines not left out satisfy pred.
template <class Pred>
std::size_t CountLines(const RenamePreview& preview, const LeftOut& leftOut, Pred&& pred) {
    std::size_t n = 0;
    for (std::size_t i = 0; i < preview.lines.size(); ++i)
        n += !leftOut.contains(i) && pred(preview.lines[i]);
    return n;
}

} // namespace

bool RenamePreview::Applicable(const LeftOut& leftOut) const {
    return ok() && CountLines(*this, leftOut,
                              [](const RenameLine& l) { return l.empty || l.Refused(); }) == 0;
}

std::size_t RenamePreview::Changed(const LeftOut& leftOut) const {
    return CountLines(*this, leftOut, [](const RenameLine& l) { return l.Changes(); });
}

RenamePreview PreviewRename(tabstore::CQoDB& db, const RowIds& keys, const RenameRule& rule,
                            std::size_t nameBytes, bool cutToFit) {
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
    preview.lines.reserve(keys.size());
    for (std::uint32_t key : keys) {
        const auto* ch = rows::Channel(db, key);
        if (ch == nullptr)
            continue;
        RenameLine& line = preview.lines.emplace_back();
        line.key = key;
        line.oldName = NameOf(*ch);
        line.codeTable = ch->CodeTable;
        const QString name = QString::fromStdString(NameText(*ch));
        FitNewName(line, replacer.Apply(name).toStdString(), nameBytes, cutToFit);
        line.empty = line.newName.find_first_not_of(' ') == std::string::npos;
    }
    MarkSameAfterCut(preview.lines);
    return preview;
}

EditResult ApplyRename(tabstore::CQoDB& db, const RenamePreview& preview, const LeftOut& leftOut) {
    if (!preview.ok())
        return EditResult::Nothing;
    if (!preview.Applicable(leftOut))
        return CountLines(preview, leftOut, [](const RenameLine& l) { return l.empty; }) > 0
                   ? EditResult::EmptyName
                   : EditResult::NameTooLong;
    if (preview.Changed(leftOut) == 0)
        return EditResult::Nothing;
    for (std::size_t i = 0; i < preview.lines.size(); ++i) {
        const RenameLine& line = preview.lines[i];
        auto* ch = rows::Channel(db, line.key);
        if (ch == nullptr || !line.Changes() || leftOut.contains(i))
            continue;
        StoreName(*ch, line.newName);
    }
    return EditResult::Ok;
}

} // namespace chanforge::editing
