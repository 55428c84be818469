#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace ga {

// The report log: the newest `capacity` lines, oldest first, in UTF-8 as the narration
// writes them. Once the log is full, the line that leaves lends its buffer to the one that
// arrives, so a long run allocates nothing for its lines.
//
// Every line added gets the next number, counting on across clears, so a view that shows
// the log later (once a frame, say) can tell what arrived and what left since it looked.
class ReportLog {
  public:
    static constexpr std::size_t kDefaultCapacity = 100'000;

    explicit ReportLog(std::size_t capacity = kDefaultCapacity);

    // A new, empty line at the end, to be written in place; the oldest leaves a full log.
    std::string& add();
    void add(std::string_view line) { add().assign(line); }
    // Empties the log and holds `lines` instead (only the newest that fit).
    void assign(std::span<const std::string> lines);
    void clear();

    [[nodiscard]] std::size_t size() const { return lines_.size(); }
    [[nodiscard]] bool empty() const { return lines_.empty(); }
    [[nodiscard]] std::size_t capacity() const { return capacity_; }
    [[nodiscard]] const std::string& operator[](std::size_t i) const { return lines_[i]; }
    [[nodiscard]] auto begin() const { return lines_.begin(); }
    [[nodiscard]] auto end() const { return lines_.end(); }
    // A copy of the lines, oldest first, for a saved session.
    [[nodiscard]] std::vector<std::string> lines() const { return {begin(), end()}; }

    // The number of the oldest line held and of the next line to come: the log holds the
    // lines numbered first() up to but not including next().
    [[nodiscard]] std::uint64_t first() const { return next_ - lines_.size(); }
    [[nodiscard]] std::uint64_t next() const { return next_; }
    // How often the log was cleared.
    [[nodiscard]] std::uint64_t clears() const { return clears_; }

  private:
    std::deque<std::string> lines_;
    std::size_t capacity_;
    std::uint64_t next_ = 0;
    std::uint64_t clears_ = 0;
};

} // namespace ga
