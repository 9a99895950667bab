#pragma once

#include <initializer_list>
#include <string_view>
#include <vector>

namespace quillex {

/// The full dictionary lines ("headword@syn\syn…") of the headwords the last browse listed, by
/// list position. It holds the current listing only, so nothing of an earlier one is ever found.
/// The lines are views of the synonym list's bytes, which outlive every listing.
class ListedEntries {
  public:
    ListedEntries() = default;
    /// A listing of the given lines, in order.
    ListedEntries(std::initializer_list<std::string_view> lines) : lines_(lines) {}

    /// The number of headwords listed.
    int count() const { return static_cast<int>(lines_.size()); }
    /// The line of list position k (0-based); std::out_of_range outside the listing.
    std::string_view line(int k) const { return lines_.at(k); }
    /// The part of line k before its first "@" (the whole line when it has none).
    std::string_view headword(int k) const;

    /// Starts a new, empty listing; keeps the room of the previous one.
    void clear() { lines_.clear(); }
    /// Adds the line of the next listed headword.
    void append(std::string_view line) { lines_.push_back(line); }

  private:
    std::vector<std::string_view> lines_;
};

}  // namespace quillex
