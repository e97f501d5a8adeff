#include "chanforge/editing/ChannelQuery.h"

#include "Rows.h"
#include "chanforge/editing/ChannelName.h"

#include <QRegularExpression>
#include <QString>

#include <cstring>

namespace chanforge::editing {

struct CompiledQuery::Pattern {
    QString needle;        ///< a part of the name, when not a regular expression
    QRegularExpression re; ///< valid only for a regular expression
    bool regex = false;
};

namespace {

bool Fits(Want want, bool has) {
    return want == Want::Any || (want == Want::Yes) == has;
}

bool FitsGroup(const ChannelQuery& q, const Channel_Info_Tag& ch) {
    switch (q.group) {
    case GroupWant::Any:
        return true;
    case GroupWant::Group:
        return q.favorite >= 1 && q.favorite <= kFavoriteGroupsMax &&
               (ch.Favorite & (1u << (q.favorite - 1))) != 0;
    case GroupWant::AnyGroup:
        return ch.Favorite != 0;
    case GroupWant::NoGroup:
        return ch.Favorite == 0;
    }
    return true;
}

bool FitsCarrier(const std::optional<Carrier>& carrier, const Channel_Info_Tag& ch) {
    return !carrier ||
           (ch.TPID == carrier->tpid && (carrier->satId == 0 || ch.SatID == carrier->satId));
}

bool FitsKind(KindWant kind, const Channel_Info_Tag& ch) {
    return kind == KindWant::Any || (kind == KindWant::TV ? IsTV(ch) : IsRadio(ch));
}

} // namespace

bool ChannelQuery::Empty() const {
    return text.empty() && satellite == 0 && !carrier && !provider && kind == KindWant::Any &&
           scrambled == Want::Any && locked == Want::Any && skipped == Want::Any &&
           group == GroupWant::Any;
}

CompiledQuery Compile(const ChannelQuery& query) {
    CompiledQuery out;
    out.query_ = query;
    auto pattern = std::make_shared<CompiledQuery::Pattern>();
    pattern->regex = query.regex && !query.text.empty();
    const QString text =
        QString::fromUtf8(query.text.data(), static_cast<qsizetype>(query.text.size()));
    if (pattern->regex) {
        pattern->re = QRegularExpression(text, QRegularExpression::CaseInsensitiveOption);
        if (!pattern->re.isValid())
            out.error_ = pattern->re.errorString().toStdString() + " at " +
                         std::to_string(pattern->re.patternErrorOffset());
        pattern->re.optimize();
    } else {
        pattern->needle = text;
    }
    out.pattern_ = std::move(pattern);
    return out;
}

bool CompiledQuery::Matches(const Channel_Info_Tag& ch) const {
    if (!ok())
        return false;
    const ChannelQuery& q = query_;
    const bool flagsFit =
        FitsKind(q.kind, ch) && (q.satellite == 0 || ch.SatID == q.satellite) &&
        FitsCarrier(q.carrier, ch) && (!q.provider || ch.BroadcastID == *q.provider) &&
        Fits(q.scrambled, (ch.Attributes & attr::kScrambled) != 0) &&
        Fits(q.locked, (ch.Attributes & attr::kLocked) != 0) &&
        Fits(q.skipped, (ch.Attributes & attr::kSkipped) != 0) && FitsGroup(q, ch);
    if (!flagsFit)
        return false;
    if (pattern_ == nullptr || (!pattern_->regex && pattern_->needle.isEmpty()))
        return true;
    const QString name = QString::fromStdString(NameText(ch));
    return pattern_->regex ? pattern_->re.match(name).hasMatch()
                           : name.contains(pattern_->needle, Qt::CaseInsensitive);
}

RowIds Narrow(tabstore::CQoDB& db, const RowIds& keys, const CompiledQuery& query) {
    RowIds out;
    out.reserve(keys.size());
    for (std::uint32_t key : keys)
        if (const auto* ch = rows::Channel(db, key); ch != nullptr && query.Matches(*ch))
            out.push_back(key);
    return out;
}

} // namespace chanforge::editing
