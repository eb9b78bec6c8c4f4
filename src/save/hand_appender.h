// A file of whole hands the game appends to (a hand history, the PHH file, the hand records).
// A hand that cannot be written now (a full disk, a file that is no ordinary file) waits in
// memory and goes in, in order, with the next one that can be written; what failed is kept
// for the window to tell, until a hand is written again.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "save/snapshot_file.h"

namespace holdem {

class HandAppender {
  public:
    HandAppender(std::string path, HandFile kind) : path_(std::move(path)), kind_(kind) {}

    // Appends one whole hand, after any that wait.
    void append(const std::string& hand);
    // Why the last hand could not be written, if it could not.
    const std::optional<std::string>& problem() const { return problem_; }
    // Hands written to the file or waiting to be: what a saved game remembers. A file cut back
    // to it ends on a hand's end.
    std::uint64_t length() const;
    std::size_t waiting_bytes() const { return waiting_.size(); }
    const std::string& path() const { return path_; }
    HandFile kind() const { return kind_; }

  private:
    std::string path_;
    HandFile kind_;
    std::string waiting_;
    std::optional<std::string> problem_;
};

// Hands kept in memory while a file cannot be written: far more than a long tournament writes.
inline constexpr std::size_t max_waiting_hand_bytes = std::size_t{32} << 20;

}  // namespace holdem
