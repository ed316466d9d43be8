#include "runtime/expansion.h"

#include <new>
#include <optional>
#include <string_view>

#include "runtime/environment.h"
#include "runtime/expansion_internal.h"
#include "runtime/report.h"
#include "runtime/status.h"

namespace expansion_detail {

namespace {

constexpr std::string_view kVariableDelimiters = "$/\\ .,;{()}";
constexpr std::string_view kPathDelimiters = "?/\\ .,;{()}";

// A value that refers to itself, directly or through others (or a template that keeps
// producing references), would otherwise expand forever. The limits count across nested
// calls, because a lookup such as "TMP" expands texts of its own.
constexpr int kMaxDepth = 16;
constexpr int kMaxSubstitutions = 4096;

int g_depth = 0;
int g_substitutions = 0;

class DepthGuard {
public:
    DepthGuard() {
        if (g_depth == 0) {
            g_substitutions = 0;
        }
        ++g_depth;
    }
    ~DepthGuard() { --g_depth; }
    DepthGuard(const DepthGuard&) = delete;
    DepthGuard& operator=(const DepthGuard&) = delete;
};

// The more telling of two statuses: an error outlives an undefined name.
void note(int& status, int code) {
    if (code == kStatusOk) {
        return;
    }
    if (status == kStatusOk || (status == kStatusUndefined && code != kStatusUndefined)) {
        status = code;
    }
}

std::string undefined_substitute(const std::string& name) {
    std::optional<std::string> pattern = get_variable("KVXNULL");
    if (!pattern) {
        return format_text("Undefined_%s", name.c_str());
    }
    std::size_t mark = pattern->find('$');
    if (mark == std::string::npos) {
        return *pattern;
    }
    return pattern->substr(0, mark) + name + pattern->substr(mark + 1);
}

class Expander {
public:
    Expander(std::string_view text, std::size_t room) : text_(text), room_(room) {}

    ExpansionResult run() {
        DepthGuard guard;
        if (g_depth > kMaxDepth) {
            report_warning(
                format_text(" expchaine(%s) : references nested too deeply !", form().c_str()));
            return fail(kStatusSyntaxError);
        }
        std::size_t i = 0;
        while (i < text_.size()) {
            char c = text_[i];
            if (c != '$' && c != '?') {
                if (out_.size() >= room_) {
                    return fail(kStatusBufferTooSmall);
                }
                out_ += c;
                ++i;
                continue;
            }
            if (!reference(i)) {
                return fail(result_.status);
            }
        }
        result_.text = std::move(out_);
        return std::move(result_);
    }

private:
    std::string form() const { return message_form(text_); }

    ExpansionResult fail(int status) {
        result_.status = status;
        result_.complete = false;
        result_.text.clear();
        return std::move(result_);
    }

    bool stop(int status) {
        result_.status = status;
        return false;
    }

    // One "$" or "?" form starting at `i`; advances `i` past it. False when the expansion
    // must stop (the status is then in result_).
    bool reference(std::size_t& i) {
        const bool variable = text_[i] == '$';
        const char next = i + 1 < text_.size() ? text_[i + 1] : '\0';
        if (i + 1 < text_.size() && next == text_[i]) {
            if (out_.size() >= room_) {
                if (variable) {
                    report_warning(
                        format_text(" expchaine(%*s...) : buffer too small !", 80, form().c_str()));
                } else {
                    report_warning(
                        format_text(" expchaine(%s) : buffer too small !", form().c_str()));
                }
                return stop(kStatusBufferTooSmall);
            }
            out_ += next;
            i += 2;
            return true;
        }
        std::string name;
        if (next == '(' || next == '{') {
            std::size_t close = text_.find(next == '(' ? ')' : '}', i + 2);
            if (close == std::string_view::npos) {
                std::string text = format_text(" expchaine(%s) : syntax error !", form().c_str());
                if (!variable && next == '{') {
                    report_warning(text);
                } else {
                    report_trace(text);
                }
                note(result_.status, kStatusSyntaxError);
                i += 2;
                return true;
            }
            name.assign(text_.substr(i + 2, close - i - 2));
            i = close + 1;
        } else {
            std::string_view delimiters = variable ? kVariableDelimiters : kPathDelimiters;
            std::size_t end = text_.find_first_of(delimiters, i + 1);
            if (end == std::string_view::npos) {
                end = text_.size();
            }
            name.assign(text_.substr(i + 1, end - i - 1));
            i = end;
        }
        return substitute(name, variable);
    }

    bool substitute(const std::string& name, bool variable) {
        if (++g_substitutions > kMaxSubstitutions) {
            report_warning(format_text(" expchaine(%s) : too many references !", form().c_str()));
            return stop(kStatusSyntaxError);
        }
        std::optional<std::string> value = variable ? get_variable(name) : get_path_variable(name);
        if (!value) {
            report_warning(format_text(
                variable ? "Undefined variable : '$%s'" : "Undefined path : '?%s'", name.c_str()));
            note(result_.status, kStatusUndefined);
            value = undefined_substitute(name);
        } else if (verbose_reporting()) {
            std::string origin =
                variable ? variable_origin(name, *value) : path_origin(name, *value);
            report_trace(format_text("  - %s = '%s' ", name.c_str(), message_form(*value).c_str()) +
                         origin);
        }
        const std::size_t room = room_ - out_.size();
        if (value->size() > room) {
            if (variable) {
                report_trace(format_text(" expchaine(%s) : buffer is too small !", form().c_str()));
            } else {
                report_warning(format_text(" expchaine(%s) : buffer too small !", form().c_str()));
            }
            return stop(kStatusBufferTooSmall);
        }
        if (value->find_first_of("$?") == std::string::npos) {
            out_ += *value;
            return true;
        }
        ExpansionResult inner = Expander(*value, room).run();
        if (is_failure(inner.status)) {
            if (!variable && inner.status == kStatusBufferTooSmall) {
                report_warning(format_text(" expchaine(%s) : buffer too small !", form().c_str()));
            }
            return stop(inner.status);
        }
        note(result_.status, inner.status);
        out_ += inner.text;
        return true;
    }

    std::string_view text_;
    std::size_t room_;
    std::string out_;
    ExpansionResult result_;
};

}  // namespace

ExpansionResult expand_content(std::string_view content, std::size_t room) {
    try {
        return Expander(content, room).run();
    } catch (const std::bad_alloc&) {
        ExpansionResult result;
        result.status = kStatusNoMemory;
        result.complete = false;
        return result;
    }
}

}  // namespace expansion_detail

void expchaine(char* buffer, int* status, int length) {
    using namespace expansion_detail;
    int result = kStatusOk;
    if (length > 0 && buffer != nullptr) {
        try {
            ExpansionResult expansion =
                expand_content(content_of(buffer, length), static_cast<std::size_t>(length) - 1);
            result = expansion.status;
            if (expansion.complete) {
                write_padded(buffer, length, expansion.text);
            }
        } catch (const std::bad_alloc&) {
            result = kStatusNoMemory;
        }
    }
    if (status != nullptr) {
        *status = result;
    }
}
