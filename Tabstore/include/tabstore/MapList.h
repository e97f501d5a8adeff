// Keyed lists: ordered maps from a key to a caller-allocated row buffer that the list owns.
//
// Buffers are allocated with new[] as unsigned char arrays; the list frees them with delete[].
// Every operation except those named "Unsafety" and the size queries holds the list's lock for
// its whole duration. The lock is not re-entrant: no operation calls another locking one.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory_resource>
#include <mutex>
#include <string>

namespace tabstore {

using RowBuffer = unsigned char*;
using MatchFn = std::function<int(RowBuffer)>;

/// Result codes of the keyed lists.
enum ListResult : int {
    kListOk = 1,
    kListNotTaken = 0, ///< Add found the key present; the caller still owns its buffer
    kListBadKey = -1,
    kListNullData = -2,
    kListDestroyed = -3,
    kListAbsent = -2, ///< Remove: key absent or list destroyed
    kListEmpty = -3,  ///< Remove: list empty
};

namespace detail {

struct IntegerKey {
    using Arg = std::uint32_t;
    using Stored = std::uint32_t;
    static bool Valid(Arg key) { return key != 0; }
    static Stored Store(Arg key) { return key; }
    static bool Accepts(int callbackResult) { return callbackResult != 0; }
};

struct StringKey {
    using Arg = const char*;
    using Stored = std::string;
    static bool Valid(Arg key) { return key != nullptr; }
    static Stored Store(Arg key) { return Stored(key); }
    static bool Accepts(int callbackResult) { return callbackResult > 0; }
};

/// The shared implementation of both keyed lists; KeyTraits fixes the key type and its rules.
template <class KeyTraits> class BasicMapList {
  public:
    using Key = typename KeyTraits::Arg;

    BasicMapList() = default;
    virtual ~BasicMapList();
    // Buffers are opaque and of unknown size: a copy could only share them, then free them twice.
    BasicMapList(const BasicMapList&) = delete;
    BasicMapList& operator=(const BasicMapList&) = delete;

    /// Inserts, or replaces and frees the buffer already stored under the key.
    int AddSafety(Key id, RowBuffer data);
    /// Inserts; a present key keeps its buffer and the result is kListNotTaken.
    int Add(Key id, RowBuffer data);
    /// Stores under the key without freeing a buffer it replaces (the caller holds that one).
    int Update(Key id, RowBuffer data);
    int Remove(Key id);
    RowBuffer SearchByID(Key id);
    /// The largest key present; a default key (0, "") when the list is empty.
    typename KeyTraits::Stored HighestKey();
    RowBuffer SearchOneByExtendedCallback(const MatchFn& fn);

    /// Callers hold the lock (lock()/unlock()) or run on a single thread.
    RowBuffer GetNextIDUnsafety(Key id) const;
    RowBuffer GetPrevIDUnsafety(Key id) const;
    int ClearAllListUnsafety();
    /// Frees this list's rows, then takes over every row of source (which is left empty);
    /// no buffer is copied.
    void TakeRowsFrom(BasicMapList& source);

    unsigned TotalListSize() const { return static_cast<unsigned>(items_.size()); }
    bool IsEmpty() const { return items_.empty(); }

    /// The list's lock, for callers of the Unsafety operations (BasicLockable).
    void lock() { mutex_.lock(); }
    void unlock() { mutex_.unlock(); }

  private:
    using Items = std::pmr::map<typename KeyTraits::Stored, RowBuffer>;

    int Store(Key id, RowBuffer data, bool replaceFrees, bool keepExisting);
    typename Items::const_iterator Find(Key id) const;

    /// Map nodes come from their own pool, packed together rather than strewn between the
    /// (much larger) row buffers: a walk then stays in cache.
    std::pmr::unsynchronized_pool_resource nodePool_;
    Items items_{&nodePool_};
    /// The item a walk returned last: the next step of a walk costs O(1) instead of a search.
    /// Reset whenever an item is erased (inserts leave map iterators valid).
    mutable typename Items::const_iterator walkHint_ = items_.end();
    std::mutex mutex_;
    bool destroyed_ = false;
};

extern template class BasicMapList<IntegerKey>;
extern template class BasicMapList<StringKey>;

} // namespace detail

/// Ordered map from a non-zero 32-bit key to a row buffer, ascending numeric key order.
class CMapListIntegerID : public detail::BasicMapList<detail::IntegerKey> {};

/// Ordered map from a NUL-terminated string key to a row buffer, byte-wise key order.
class CMapListStringID : public detail::BasicMapList<detail::StringKey> {};

} // namespace tabstore
