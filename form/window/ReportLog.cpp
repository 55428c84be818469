#include "form/window/ReportLog.h"

#include <algorithm>

namespace ga {

ReportLog::ReportLog(std::size_t capacity) : capacity_(std::max<std::size_t>(1, capacity)) {}

std::string& ReportLog::add() {
    const std::uint64_t number = next_++;
    // Kept lines that no view needs any more lend their buffers to the lines to come.
    while (lines_.size() > capacity_ && number - lines_.size() < keep_) {
        spare_.push_back(std::move(lines_.front()));
        lines_.pop_front();
    }
    if (lines_.size() < capacity_) {
        return lines_.emplace_back();
    }
    // The oldest line leaves the log: its buffer is reused unless a view keeps it.
    std::string buffer;
    if (number - lines_.size() < keep_) {
        buffer = std::move(lines_.front());
        lines_.pop_front();
    } else if (!spare_.empty()) {
        buffer = std::move(spare_.front());
        spare_.pop_front();
    }
    buffer.clear();
    return lines_.emplace_back(std::move(buffer));
}

const std::string* ReportLog::find(std::uint64_t number) const {
    const std::uint64_t front = next_ - lines_.size();
    return number >= front && number < next_ ? &lines_[number - front] : nullptr;
}

void ReportLog::assign(std::span<const std::string> lines) {
    clear();
    for (const std::string& line :
         lines.subspan(lines.size() - std::min(lines.size(), capacity_))) {
        add(line);
    }
}

void ReportLog::clear() {
    ++clears_;
    lines_.clear();
    lines_.shrink_to_fit();
    spare_.clear();
}

} // namespace ga
