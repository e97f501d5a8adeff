// The text of each column for one channel. The records a channel names (satellite, transponder,
// multiplex, provider, favourite group) are looked up once for the whole list, so a list of
// thousands of channels costs one pass over each table.
#pragma once

#include "chanforge/Records.h"
#include "chanforge/editing/Product.h"
#include "chanforge/listprint/ListOptions.h"
#include "tabstore/QoDB.h"

#include <QHash>
#include <QString>

#include <cstdint>
#include <vector>

namespace chanforge::listprint {

class CellTexts {
  public:
    CellTexts(tabstore::CQoDB& db, editing::Product product);

    QString Text(const Channel_Info_Tag& ch, ListColumn column) const;

  private:
    QString Delivery(const Channel_Info_Tag& ch) const;
    QString Favorites(std::uint32_t bits) const;

    editing::Product product_;
    QHash<std::uint32_t, QString> satellites_;   ///< by SatID
    QHash<std::uint32_t, QString> transponders_; ///< by SatID << 8 | TPID
    QHash<std::uint32_t, QString> terrestrial_;  ///< by the multiplex's TPID
    QHash<std::uint32_t, QString> cable_;        ///< by MuxID
    QHash<std::uint32_t, QString> providers_;    ///< by BroadcastID
    std::vector<QString> groups_;                ///< by group index (bit number)
};

} // namespace chanforge::listprint
