#include "tabstore/MapList.h"

#include <iterator>

namespace tabstore::detail {

namespace {
void FreeBuffer(RowBuffer data) {
    delete[] data;
}
} // namespace

template <class K> BasicMapList<K>::~BasicMapList() {
    destroyed_ = true;
    ClearAllListUnsafety();
    // Let an operation that is still running on another thread finish before the lock goes.
    std::lock_guard guard(mutex_);
}

template <class K>
int BasicMapList<K>::Store(Key id, RowBuffer data, bool replaceFrees, bool keepExisting) {
    if (!K::Valid(id))
        return kListBadKey;
    if (data == nullptr)
        return kListNullData;
    std::lock_guard guard(mutex_);
    if (destroyed_)
        return kListDestroyed;
    // Rows mostly arrive in ascending key order: hinting at the end makes those inserts O(1).
    const auto countBefore = items_.size();
    auto it = items_.try_emplace(items_.end(), K::Store(id), data);
    if (items_.size() != countBefore)
        return kListOk;
    if (keepExisting)
        return kListNotTaken;
    // Storing the very buffer that is already there must not free it.
    if (replaceFrees && it->second != data)
        FreeBuffer(it->second);
    it->second = data;
    return kListOk;
}

template <class K>
typename BasicMapList<K>::Items::const_iterator BasicMapList<K>::Find(Key id) const {
    if (walkHint_ != items_.end() && walkHint_->first == id)
        return walkHint_;
    return items_.find(K::Store(id));
}

template <class K> int BasicMapList<K>::AddSafety(Key id, RowBuffer data) {
    return Store(id, data, true, false);
}

template <class K> int BasicMapList<K>::Add(Key id, RowBuffer data) {
    return Store(id, data, false, true);
}

template <class K> int BasicMapList<K>::Update(Key id, RowBuffer data) {
    return Store(id, data, false, false);
}

template <class K> int BasicMapList<K>::Remove(Key id) {
    if (!K::Valid(id))
        return kListBadKey;
    std::lock_guard guard(mutex_);
    if (destroyed_)
        return kListAbsent;
    if (items_.empty())
        return kListEmpty;
    auto it = items_.find(K::Store(id));
    if (it == items_.end())
        return kListAbsent;
    FreeBuffer(it->second);
    items_.erase(it);
    walkHint_ = items_.end();
    return kListOk;
}

template <class K> RowBuffer BasicMapList<K>::SearchByID(Key id) {
    if (!K::Valid(id))
        return nullptr;
    std::lock_guard guard(mutex_);
    if (destroyed_)
        return nullptr;
    auto it = items_.find(K::Store(id));
    return it == items_.end() ? nullptr : it->second;
}

template <class K> typename K::Stored BasicMapList<K>::HighestKey() {
    std::lock_guard guard(mutex_);
    return items_.empty() ? typename K::Stored{} : items_.rbegin()->first;
}

template <class K> RowBuffer BasicMapList<K>::SearchOneByExtendedCallback(const MatchFn& fn) {
    if (!fn)
        return nullptr;
    std::lock_guard guard(mutex_);
    if (destroyed_)
        return nullptr;
    for (auto& [key, data] : items_)
        if (K::Accepts(fn(data)))
            return data;
    return nullptr;
}

template <class K> RowBuffer BasicMapList<K>::GetNextIDUnsafety(Key id) const {
    if (destroyed_ || items_.empty())
        return nullptr;
    if (!K::Valid(id)) { // key 0 / null: start of the list
        walkHint_ = items_.begin();
        return walkHint_->second;
    }
    auto it = Find(id);
    if (it == items_.end() || ++it == items_.end())
        return nullptr;
    walkHint_ = it;
    return it->second;
}

template <class K> RowBuffer BasicMapList<K>::GetPrevIDUnsafety(Key id) const {
    if (destroyed_ || items_.empty())
        return nullptr;
    if (!K::Valid(id)) { // key 0 / null: the last item
        walkHint_ = std::prev(items_.end());
        return walkHint_->second;
    }
    auto it = Find(id);
    if (it == items_.end() || it == items_.begin())
        return nullptr;
    walkHint_ = std::prev(it);
    return walkHint_->second;
}

template <class K> int BasicMapList<K>::ClearAllListUnsafety() {
    for (auto& [key, data] : items_)
        FreeBuffer(data);
    items_.clear();
    walkHint_ = items_.end();
    return kListOk;
}

template <class K> void BasicMapList<K>::TakeRowsFrom(BasicMapList& source) {
    if (&source == this)
        return;
    std::scoped_lock guard(mutex_, source.mutex_);
    if (destroyed_ || source.destroyed_)
        return;
    ClearAllListUnsafety();
    // The two lists allocate nodes from their own pools, so the entries move, not the nodes.
    for (const auto& [key, data] : source.items_)
        items_.try_emplace(items_.end(), key, data);
    source.items_.clear();
    source.walkHint_ = source.items_.end();
}

template class BasicMapList<IntegerKey>;
template class BasicMapList<StringKey>;

} // namespace tabstore::detail
