#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <limits>
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
// the log later (once a frame, say) can tell what arrived and what left since it looked,
// and meanwhile still paint the lines it shows although they have left.
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

    [[nodiscard]] std::size_t size() const { return std::min(lines_.size(), capacity_); }
    [[nodiscard]] bool empty() const { return lines_.empty(); }
    [[nodiscard]] std::size_t capacity() const { return capacity_; }
    [[nodiscard]] const std::string& operator[](std::size_t i) const { return lines_[kept() + i]; }
    [[nodiscard]] auto begin() const {
        return lines_.begin() + static_cast<std::ptrdiff_t>(kept());
    }
    [[nodiscard]] auto end() const { return lines_.end(); }
    // A copy of the lines, oldest first, for a saved session.
    [[nodiscard]] std::vector<std::string> lines() const { return {begin(), end()}; }

    // The number of the oldest line held and of the next line to come: the log holds the
    // lines numbered first() up to but not including next().
    [[nodiscard]] std::uint64_t first() const { return next_ - size(); }
    [[nodiscard]] std::uint64_t next() const { return next_; }
    // How often the log was cleared.
    [[nodiscard]] std::uint64_t clears() const { return clears_; }

    // A view still shows the lines from this number on: those that leave the log stay
    // readable through find() until the view moves on (the highest number: none). What
    // the log holds does not change.
    void keepFrom(std::uint64_t number) const { keep_ = number; }
    // The line with this number while the log holds it or keeps it for a view; else none.
    [[nodiscard]] const std::string* find(std::uint64_t number) const;

  private:
    // Lines at the front that left the log and are kept for a view.
    [[nodiscard]] std::size_t kept() const { return lines_.size() - size(); }

    // The lines numbered next_ - lines_.size() onwards: those kept, then the log's own.
    std::deque<std::string> lines_;
    // Buffers of kept lines that no view needs any more, for lines to come, taken in the
    // order they came: the buffers then stay in the order of their lines, which is what
    // makes emptying a full log quick.
    std::deque<std::string> spare_;
    std::size_t capacity_;
    mutable std::uint64_t keep_ = std::numeric_limits<std::uint64_t>::max();
    std::uint64_t next_ = 0;
    std::uint64_t clears_ = 0;
};

} // namespace ga
