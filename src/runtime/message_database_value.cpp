#include "runtime/message_database_internal.h"
#include "runtime/report.h"

namespace {

// A value holds at most 21 references; without a bound, references to references could
// multiply the work far beyond anything the result can show.
constexpr int kMaxResolvedReferences = 1024;
constexpr std::size_t kReferenceLength = 11;  // "+(XXXXXXXX)"

std::string origin_of_record(const MessageDatabase& db, std::int32_t record) {
    RecordHeader header = record_header(db, record);
    if (header.origin < 0) {
        return "set by program";
    }
    return format_text("from '%s' line %d", std::string(stored_text(db, header.origin)).c_str(),
                       static_cast<int>(header.line));
}

int hex_digit(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    return -1;
}

// The offset of a "+(XXXXXXXX)" reference starting at `at`, or nullopt when there is none.
std::optional<std::uint32_t> reference_at(std::string_view text, std::size_t at) {
    if (text.size() - at < kReferenceLength || text[at + 1] != '(' ||
        text[at + kReferenceLength - 1] != ')') {
        return std::nullopt;
    }
    std::uint32_t offset = 0;
    for (std::size_t i = at + 2; i < at + 10; ++i) {
        int digit = hex_digit(text[i]);
        if (digit < 0) {
            return std::nullopt;
        }
        offset = offset * 16 + static_cast<std::uint32_t>(digit);
    }
    return offset;
}

class ValueResolver {
public:
    explicit ValueResolver(const MessageDatabase& db) : db_(db) {}

    // `own_text` is the text offset of the record the value belongs to; a reference resolves
    // only to an earlier record, which every overload's reference is, so resolution ends.
    void resolve(std::string_view value, std::int32_t own_text) {
        std::size_t i = 0;
        while (i < value.size() && !full()) {
            if (value[i] != '+') {
                result_ += value[i++];
            } else if (i + 1 < value.size() && value[i + 1] == '+') {
                result_ += '+';
                i += 2;
            } else if (auto offset = reference_at(value, i)) {
                resolve_reference(*offset, value.substr(i + 2, 8), own_text);
                i += kReferenceLength;
            } else {
                result_ += value[i++];
            }
        }
        if (result_.size() > kValueCapacity) {
            result_.resize(kValueCapacity);
        }
    }

    std::string take() { return std::move(result_); }

private:
    bool full() const { return result_.size() >= kValueCapacity; }

    void resolve_reference(std::uint32_t offset, std::string_view digits, std::int32_t own_text) {
        auto text_offset = static_cast<std::int32_t>(offset);
        if (offset < static_cast<std::uint32_t>(own_text) && is_record_text(db_, text_offset) &&
            resolved_ < kMaxResolvedReferences) {
            ++resolved_;
            std::string_view referenced = parameter_value(stored_text(db_, text_offset));
            if (verbose_reporting()) {
                std::int32_t record = text_offset - static_cast<std::int32_t>(sizeof(RecordHeader));
                report_trace(
                    format_text("   %08X -> %s ", offset, std::string(referenced).c_str()) +
                    origin_of_record(db_, record));
            }
            resolve(referenced, text_offset);
            return;
        }
        report_trace(format_text("ref=[%s]\n", std::string(digits).c_str()));
        result_ += "$(KVXNULL)";
    }

    const MessageDatabase& db_;
    std::string result_;
    int resolved_ = 0;
};

}  // namespace

std::optional<std::string> get_value(const MessageDatabase* db, std::uint16_t section,
                                     const std::string& name) {
    if (db == nullptr) {
        return std::nullopt;
    }
    std::int32_t record = find_parameter(*db, section, name);
    if (record < 0) {
        return std::nullopt;
    }
    ValueResolver resolver(*db);
    resolver.resolve(parameter_value(record_text(*db, record)),
                     record + static_cast<std::int32_t>(sizeof(RecordHeader)));
    return resolver.take();
}

std::optional<std::string> origin_description(const MessageDatabase* db, std::uint16_t section,
                                              const std::string& name) {
    if (db == nullptr) {
        return std::nullopt;
    }
    std::int32_t record = find_parameter(*db, section, name);
    if (record < 0) {
        return std::nullopt;
    }
    return origin_of_record(*db, record);
}
