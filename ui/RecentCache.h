#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

namespace orvane::ui {

// The values last looked up, for texts laid out or drawn once and then only copied. A text that changes
// at every frame (a tape's length) must not make the list grow for as long as the run goes: once it
// holds `Most`, the less recently used half is forgotten.
template <class Key, class Value, std::size_t Most = 64>
class RecentCache {
  public:
    template <class Probe>
    Value* Find(const Probe& key) {
        for (Entry& entry : entries_)
            if (entry.key == key) {
                entry.used = ++clock_;
                return &entry.value;
            }
        return nullptr;
    }
    // The reference holds until the next Add.
    Value& Add(Key key, Value value) {
        if (entries_.size() >= Most) {
            const auto middle = entries_.begin() + static_cast<std::ptrdiff_t>(entries_.size() / 2);
            std::nth_element(entries_.begin(), middle, entries_.end(),
                             [](const Entry& a, const Entry& b) { return a.used > b.used; });
            entries_.erase(middle, entries_.end());
        }
        entries_.push_back(Entry{std::move(key), std::move(value), ++clock_});
        return entries_.back().value;
    }
    void Clear() { entries_.clear(); }
    std::size_t Size() const { return entries_.size(); }

  private:
    struct Entry {
        Key key;
        Value value;
        std::uint64_t used = 0;
    };
    std::vector<Entry> entries_;
    std::uint64_t clock_ = 0;
};

} // namespace orvane::ui
