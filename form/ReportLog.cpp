#include "form/ReportLog.h"

#include <algorithm>

namespace ga {

ReportLog::ReportLog(std::size_t capacity) : capacity_(std::max<std::size_t>(1, capacity)) {}

std::string& ReportLog::add() {
    ++next_;
    if (lines_.size() < capacity_) {
        return lines_.emplace_back();
    }
    std::string reused = std::move(lines_.front());
    lines_.pop_front();
    reused.clear();
    return lines_.emplace_back(std::move(reused));
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
}

} // namespace ga
