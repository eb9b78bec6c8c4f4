// A tournament's file of hand records read as untrusted input, for the hands viewer: each hand's
// summary (number, level, the human's cards, the result) and where its line lies, never more
// than a bounded part of the file and never a line longer than a record can be, so that a huge
// or hostile file costs little time and memory. A hand is read whole only when it is replayed.
#pragma once

#include <array>
#include <atomic>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "report/hand_record.h"

namespace holdem {

struct RecordSummary {
    std::uint64_t hand = 0;
    int level = 1;
    std::array<CardCode, 2> cards{};  // the human's, when dealt
    Chips result = 0;
    std::uint64_t offset = 0;  // where its line starts in the file
    std::uint32_t length = 0;  // and how long it is
};

// Far more than the records of the longest tournament, far less than could freeze anything.
inline constexpr std::uint64_t max_records_read = std::uint64_t{32} << 20;

struct RecordFileRead {
    std::vector<RecordSummary> hands;
    std::size_t left_out = 0;      // lines that are no hand record, or too long to be one
    bool beyond_limit = false;     // the file goes on past what was read
    std::uint64_t bytes_read = 0;  // of the file
    std::string why;               // why nothing could be read, if so
};

// Reads the summaries of the file at `path`, at most `limit` bytes of it; stops early, with what
// it has, once `cancel` is set.
RecordFileRead read_record_file(const std::string& path, std::uint64_t limit = max_records_read,
                                const std::atomic<bool>* cancel = nullptr);
// The hand a summary stands for, read again from the file; none if it is no longer there.
std::optional<HandRecord> read_record_at(const std::string& path, const RecordSummary& summary);
// Every hand of the file (within `limit` bytes) read whole and handed to `hand`, in order.
void each_record(const std::string& path, const std::function<void(const HandRecord&)>& hand,
                 std::uint64_t limit = max_records_read);

}  // namespace holdem
