#include "save/hand_appender.h"

#include <sys/stat.h>

namespace holdem {

void HandAppender::append(const std::string& hand) {
    // Beyond the bound the oldest waiting hands are the ones given up.
    if (waiting_.size() + hand.size() > max_waiting_hand_bytes) waiting_.clear();
    waiting_ += hand;
    std::string why;
    if (append_whole(path_, waiting_, &why)) {
        waiting_.clear();
        problem_.reset();
    } else {
        problem_ = why;
    }
}

std::uint64_t HandAppender::length() const {
    struct stat info {};
    const std::uint64_t on_disk = ::stat(path_.c_str(), &info) == 0 && S_ISREG(info.st_mode)
                                      ? static_cast<std::uint64_t>(info.st_size)
                                      : 0;
    return on_disk + waiting_.size();
}

}  // namespace holdem
