#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>

#include "platform/filesystem.h"
#include "runtime/environment.h"
#include "runtime/message_database_internal.h"
#include "runtime/report.h"

namespace {

constexpr std::size_t kPieceLength = 254;
constexpr int kConditionLevels = 8;

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using FileHandle = std::unique_ptr<std::FILE, FileCloser>;

struct DatabaseDeleter {
    void operator()(MessageDatabase* db) const { free_database(db); }
};
using DatabaseHandle = std::unique_ptr<MessageDatabase, DatabaseDeleter>;

[[noreturn]] void fail(const std::string& path, int line, const std::string& text) {
    report_fatal(
        format_text("load_messages: file '%s', line %d : %s", path.c_str(), line, text.c_str()));
}

// The bytes of a file as lines, each cut into pieces of kPieceLength characters; a line
// break right after a full piece belongs to it. The file is read whole and cut in place:
// reading it character by character made loading many times slower than reading its lines.
class PieceReader {
public:
    explicit PieceReader(std::string_view bytes)
        : rest_of_file_(bytes), has_nul_(bytes.find('\0') != std::string_view::npos) {}

    // The next piece, valid while the bytes are; false at the end of the file. The text ends
    // at a NUL byte, as every stored text does.
    bool next(std::string_view& piece) {
        if (rest_of_line_.empty()) {
            if (rest_of_file_.empty()) {
                return false;
            }
            const std::size_t end = rest_of_file_.find('\n');
            rest_of_line_ = rest_of_file_.substr(0, end);
            rest_of_file_.remove_prefix(end == std::string_view::npos ? rest_of_file_.size()
                                                                      : end + 1);
            if (rest_of_line_.empty()) {
                piece = rest_of_line_;
                return true;
            }
        }
        piece = rest_of_line_.substr(0, kPieceLength);
        rest_of_line_.remove_prefix(piece.size());
        if (has_nul_) {
            piece = piece.substr(0, piece.find('\0'));
        }
        return true;
    }

private:
    std::string_view rest_of_file_;
    bool has_nul_;
    std::string_view rest_of_line_;
};

// The rest of the file; false on a read error.
bool read_all(std::FILE* file, std::string& bytes) {
    // Read straight into the string, in one piece when the size is known.
    struct stat info {};
    std::size_t chunk = 65536;
    if (::fstat(::fileno(file), &info) == 0 && info.st_size > 0) {
        chunk = static_cast<std::size_t>(info.st_size) + 1;
    }
    std::size_t used = 0;
    while (true) {
        bytes.resize(used + chunk);
        const std::size_t got = std::fread(bytes.data() + used, 1, chunk, file);
        used += got;
        if (got < chunk) {
            break;
        }
        chunk = 65536;
    }
    bytes.resize(used);
    return std::ferror(file) == 0;
}

// "#" ends the line, "##" stands for one "#". Uses `buffer` only when there is a comment.
std::string_view remove_comment(std::string_view text, std::string& buffer) {
    const std::size_t hash = text.find('#');
    if (hash == std::string_view::npos) {
        return text;
    }
    if (hash + 1 == text.size() || text[hash + 1] != '#') {
        return text.substr(0, hash);
    }
    buffer.assign(text.substr(0, hash));
    for (std::size_t i = hash; i < text.size(); ++i) {
        if (text[i] == '#') {
            if (i + 1 >= text.size() || text[i + 1] != '#') {
                break;
            }
            ++i;
        }
        buffer += text[i];
    }
    return buffer;
}

std::string_view first_word(std::string_view text) {
    std::size_t end = 0;
    while (end < text.size() && !is_blank(text[end])) {
        ++end;
    }
    return text.substr(0, end);
}

class MessageFileLoader {
public:
    MessageFileLoader(MessageDatabase* db, bool base, const std::string& path, std::FILE* file)
        : db_(db), base_(base), path_(path), file_(file) {}

    // False when a section or message could not be stored.
    bool run() {
        origin_ = register_file(*db_, path_);
        if (origin_ < 0) {
            return false;
        }
        std::string bytes;
        if (!read_all(file_, bytes)) {
            fail(path_, 0, format_text("Error reading file - %s", std::strerror(errno)));
        }
        PieceReader reader(bytes);
        std::string_view piece;
        while (reader.next(piece)) {
            ++line_;
            if (!conditions_[depth_]) {
                skip(piece);
            } else if (!process(piece)) {
                return false;
            }
        }
        if (!conditions_[depth_]) {
            fail(path_, line_, "'/if' without '/endif'");
        }
        if (depth_ > 0) {
            fail(path_, -1, "'/if' without '/endif' at end of file.");
        }
        return true;
    }

private:
    void skip(std::string_view piece) {
        std::string_view text = trim_leading_blanks(piece);
        if (text.starts_with("/if")) {
            ++skipped_levels_;
        } else if (text.starts_with("/else")) {
            if (skipped_levels_ == 0) {
                conditions_[depth_] = true;
            }
        } else if (text.starts_with("/endif")) {
            if (skipped_levels_ == 0) {
                --depth_;
            } else {
                --skipped_levels_;
            }
        }
    }

    bool process(std::string_view piece) {
        std::string_view trimmed = trim_blanks(piece);
        if (trimmed.empty()) {
            return true;
        }
        const std::string_view body = trim_trailing_blanks(remove_comment(trimmed, comment_));
        if (body.empty()) {
            return true;
        }
        if (body[0] == '/' && (body.size() < 2 || body[1] != '/')) {
            directive(body);
            return true;
        }
        if (body[0] == '[') {
            return section_header(body);
        }
        if (section_ == kNoSection) {
            return true;
        }
        if (base_) {
            const std::size_t leading = piece.size() - trim_leading_blanks(piece).size();
            if (leading == 0) {
                return append_message(*db_, section_, body, origin_, line_);
            }
            message_.assign(piece.substr(0, leading));
            message_.append(body);
            return append_message(*db_, section_, message_, origin_, line_);
        }
        if (!parameter_name(body)) {
            report_warning(format_text(
                "load_messages: file '%s', trying to modify a non-parameter message: [%s] %s\n",
                path_.c_str(), db_->sections[section_].name.c_str(), std::string(body).c_str()));
            return false;
        }
        return define_parameter(*db_, section_, body, origin_, line_);
    }

    bool section_header(std::string_view body) {
        std::string name(body.substr(1, body.find(']') - 1));
        section_ = base_ ? kNoSection : find_section(db_, name);
        if (section_ == kNoSection) {
            section_ = create_section(db_, name);
        }
        return section_ != kNoSection;
    }

    void directive(std::string_view body) {
        std::string_view keyword = body.substr(1);
        if (keyword.starts_with("if")) {
            if (++depth_ == kConditionLevels) {
                fail(path_, line_, "too many nested conditions: " + std::string(body));
            }
            conditions_[depth_] = condition(keyword.substr(2), body);
        } else if (keyword.starts_with("else")) {
            if (depth_ == 0) {
                fail(path_, line_, "'/else' without '/if'");
            }
            conditions_[depth_] = !conditions_[depth_];
        } else if (keyword.starts_with("endif")) {
            if (depth_ == 0) {
                fail(path_, line_, "'/endif' without '/if'");
            }
            --depth_;
        } else {
            fail(path_, line_, "Unknown keyword : '/" + std::string(first_word(keyword)) + "'");
        }
    }

    bool condition(std::string_view text, std::string_view body) {
        text = trim_leading_blanks(text);
        while (!text.empty() && (text.back() == ' ' || text.back() == ')' || text.back() == '}')) {
            text.remove_suffix(1);
        }
        if (!text.empty() && (text.front() == '(' || text.front() == '{')) {
            text.remove_prefix(1);
        }
        text = trim_leading_blanks(text);
        std::string_view name = first_word(text);
        std::string_view rest = trim_leading_blanks(text.substr(name.size()));
        std::optional<std::string> value = get_variable(std::string(name));
        if (!value) {
            if (!rest.empty()) {
                report_warning(
                    format_text("load_messages: file '%s' line %d, unknown variable : %s\n",
                                path_.c_str(), line_, std::string(body).c_str()));
            }
            return false;
        }
        if (rest.empty()) {
            return true;
        }
        std::string_view op = first_word(rest);
        std::string_view operand = trim_leading_blanks(rest.substr(op.size()));
        if (op == "==") {
            return *value == operand;
        }
        if (op == "!=") {
            return *value != operand;
        }
        fail(path_, line_, "invalid condition: " + std::string(body));
    }

    MessageDatabase* db_;
    bool base_;
    const std::string& path_;
    std::FILE* file_;
    std::int32_t origin_ = -1;
    int line_ = 0;
    std::uint16_t section_ = kNoSection;
    bool conditions_[kConditionLevels] = {true};
    int depth_ = 0;
    long skipped_levels_ = 0;
    std::string comment_;  // reused for each line, so that reading allocates rarely
    std::string message_;
};

}  // namespace

MessageDatabase* load_messages(MessageDatabase* db, const std::string& path) {
    FileHandle file(platform::open_regular_stream(path));
    const int error = errno;
    if (!file) {
        if (!platform::exists(path)) {
            return db;
        }
        fail(path, 0, format_text("Error opening file - %s", std::strerror(error)));
    }
    // A base load owns its database until it succeeds, so that a failing load leaves nothing.
    DatabaseHandle created(db == nullptr ? new_database() : nullptr);
    MessageDatabase* target = db == nullptr ? created.get() : db;
    if (target != nullptr && MessageFileLoader(target, db == nullptr, path, file.get()).run()) {
        trim_database(*target);
        created.release();
        return target;
    }
    file.reset();
    created.reset();
    free_database(db);
    fail(path, 0, "Error loading file.");
}
