#pragma once

#include <stdexcept>
#include <vector>

// An ordered list of records owned by the declaration. A record's position is its identity: stream
// names in the file carry it and the screens address records by it.
template <class Record> class RecordList
{
public:
    // Stream names carry positions with three digits; a list the screens fill stays below this.
    static constexpr int kMaxEntries = 999;

    // Appends a new, empty record and returns its position.
    int Add()
    {
        m_records.emplace_back();
        return Count() - 1;
    }
    Record& At(int position) { return m_records.at(index(position)); }
    const Record& At(int position) const { return m_records.at(index(position)); }
    void Replace(int position, const Record& record) { m_records.at(index(position)) = record; }
    void Delete(int position)
    {
        (void)m_records.at(index(position));
        m_records.erase(m_records.begin() + position);
    }
    int Count() const { return int(m_records.size()); }
    bool IsFull() const { return Count() >= kMaxEntries; }
    void Clear() { m_records.clear(); }

    auto begin() { return m_records.begin(); }
    auto end() { return m_records.end(); }
    auto begin() const { return m_records.begin(); }
    auto end() const { return m_records.end(); }

    bool operator==(const RecordList&) const = default;

private:
    static size_t index(int position)
    {
        if (position < 0)
            throw std::out_of_range("record position");
        return size_t(position);
    }

    std::vector<Record> m_records;
};
