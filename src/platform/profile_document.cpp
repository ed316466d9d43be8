#include <cstdint>
#include <utility>

#include "platform/code_page.h"
#include "platform/filesystem.h"
#include "platform/profile.h"
#include "platform/profile_text.h"

namespace platform {

using profile_text::names_equal;
using profile_text::trim_blanks;
using profile_text::trim_spaces;

namespace {

constexpr std::string_view kLineBreak = "\r\n";

std::string fold(std::string_view name) {
    std::string folded(name);
    for (char& c : folded) {
        c = code_page_upper(c);
    }
    return folded;
}

bool has_line_break_or_nul(std::string_view text) {
    return text.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos;
}

// Names and values that would not read back as written are refused rather than stored.
bool storable(std::string_view section, std::string_view key, std::string_view value) {
    if (has_line_break_or_nul(section) || has_line_break_or_nul(key) ||
        has_line_break_or_nul(value)) {
        return false;
    }
    if (section.find(']') != std::string_view::npos || key.find('=') != std::string_view::npos) {
        return false;
    }
    const std::string_view lead = trim_blanks(key);
    return lead.empty() || (lead.front() != ';' && lead.front() != '[');
}

bool is_utf16_mark(std::string_view bytes) {
    return bytes.size() >= 2 && static_cast<unsigned char>(bytes[0]) == 0xFF &&
           static_cast<unsigned char>(bytes[1]) == 0xFE;
}

}  // namespace

ProfileDocument::Line ProfileDocument::make_line(std::string text, std::string eol) {
    Line line;
    const std::string_view content = trim_blanks(text);
    if (content.empty()) {
        line.kind = LineKind::Blank;
    } else if (content.front() == ';') {
        line.kind = LineKind::Comment;
    } else if (const std::size_t eq = text.find('='); eq != std::string::npos) {
        line.kind = LineKind::Entry;
        const std::string_view whole(text);
        line.key = std::string(trim_blanks(whole.substr(0, eq)));
        line.value = std::string(profile_text::unquote(trim_blanks(whole.substr(eq + 1))));
    }
    line.text = std::move(text);
    line.eol = std::move(eol);
    return line;
}

ProfileDocument ProfileDocument::parse(std::string_view bytes) {
    ProfileDocument document;
    std::string decoded;
    std::string_view text = bytes;
    if (is_utf16_mark(bytes)) {
        decoded = utf16le_to_code_page(bytes.substr(2));
        text = decoded;
    }
    std::size_t position = 0;
    while (position < text.size()) {
        std::size_t end = text.find_first_of("\r\n", position);
        std::size_t next;
        std::string_view eol;
        if (end == std::string_view::npos) {
            end = text.size();
            next = end;
        } else if (text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n') {
            eol = text.substr(end, 2);
            next = end + 2;
        } else {
            eol = text.substr(end, 1);
            next = end + 1;
        }
        const std::string_view line = text.substr(position, end - position);
        const std::string_view content = trim_blanks(line);
        if (!content.empty() && content.front() == '[') {
            // The name ends at the first ']', or at the end of the line without one.
            std::string_view name = content.substr(1);
            name = name.substr(0, name.find(']'));
            Section section;
            section.header_text = std::string(line);
            section.header_eol = std::string(eol);
            section.name = std::string(trim_blanks(name));
            document.append_section(std::move(section));
        } else {
            auto& lines =
                document.sections_.empty() ? document.preamble_ : document.sections_.back().lines;
            lines.push_back(make_line(std::string(line), std::string(eol)));
        }
        position = next;
    }
    return document;
}

std::optional<ProfileDocument> ProfileDocument::load(const std::string& path) {
    const std::optional<std::string> bytes = read_file(path);
    if (!bytes) {
        return std::nullopt;
    }
    return parse(*bytes);
}

void ProfileDocument::append_section(Section section) {
    const std::size_t added = sections_.size();
    NameChain& chain = index_[fold(section.name)];
    if (chain.first == kNoSection) {
        chain.first = added;
    } else {
        sections_[chain.last].next_same_name = added;
    }
    chain.last = added;
    sections_.push_back(std::move(section));
}

const ProfileDocument::Section* ProfileDocument::find_section(std::string_view section) const {
    const auto found = index_.find(fold(trim_spaces(section)));
    if (found == index_.end()) {
        return nullptr;
    }
    return &sections_[found->second.first];
}

ProfileDocument::Section* ProfileDocument::find_section(std::string_view section) {
    return const_cast<Section*>(std::as_const(*this).find_section(section));
}

const ProfileDocument::Line* ProfileDocument::find_key(const Section& section,
                                                       std::string_view key) {
    const std::string_view wanted = trim_spaces(key);
    for (const Line& line : section.lines) {
        if (line.kind == LineKind::Entry && names_equal(line.key, wanted)) {
            return &line;
        }
    }
    return nullptr;
}

std::optional<std::string> ProfileDocument::value(std::string_view section,
                                                  std::string_view key) const {
    const Section* found = find_section(section);
    if (found == nullptr) {
        return std::nullopt;
    }
    const Line* line = find_key(*found, key);
    if (line == nullptr) {
        return std::nullopt;
    }
    return line->value;
}

std::string ProfileDocument::get_string(std::string_view section, std::string_view key,
                                        std::string_view default_value,
                                        std::size_t capacity) const {
    std::optional<std::string> result = value(section, key);
    if (!result) {
        while (!default_value.empty() && default_value.back() == ' ') {
            default_value.remove_suffix(1);
        }
        result = std::string(default_value);
    }
    if (capacity == 0) {
        return {};
    }
    if (result->size() > capacity - 1) {
        result->resize(capacity - 1);
    }
    return std::move(*result);
}

std::int32_t ProfileDocument::get_int(std::string_view section, std::string_view key,
                                      std::int32_t default_value) const {
    const std::optional<std::string> text = value(section, key);
    if (!text || text->empty()) {
        return default_value;
    }
    std::size_t i = 0;
    const bool negative = (*text)[0] == '-';
    if (negative || (*text)[0] == '+') {
        ++i;
    }
    std::uint32_t number = 0;
    for (; i < text->size() && (*text)[i] >= '0' && (*text)[i] <= '9'; ++i) {
        number = number * 10u + static_cast<std::uint32_t>((*text)[i] - '0');
    }
    if (negative) {
        number = 0u - number;
    }
    return static_cast<std::int32_t>(number);
}

bool ProfileDocument::has_section(std::string_view section) const {
    return find_section(section) != nullptr;
}

std::vector<std::string> ProfileDocument::section_names() const {
    std::vector<std::string> names;
    names.reserve(sections_.size());
    for (const Section& section : sections_) {
        if (!section.removed) {
            names.push_back(section.name);
        }
    }
    return names;
}

std::vector<std::string> ProfileDocument::keys(std::string_view section) const {
    std::vector<std::string> names;
    if (const Section* found = find_section(section)) {
        for (const Line& line : found->lines) {
            if (line.kind == LineKind::Entry) {
                names.push_back(line.key);
            }
        }
    }
    return names;
}

std::string* ProfileDocument::last_eol() {
    for (auto section = sections_.rbegin(); section != sections_.rend(); ++section) {
        if (!section->lines.empty()) {
            return &section->lines.back().eol;
        }
        if (!section->removed) {
            return &section->header_eol;
        }
    }
    return preamble_.empty() ? nullptr : &preamble_.back().eol;
}

bool ProfileDocument::set(std::string_view section, std::string_view key, std::string_view value) {
    section = trim_spaces(section);
    key = trim_spaces(key);
    if (!storable(section, key, value)) {
        return false;
    }
    std::string entry = std::string(key) + "=" + std::string(value);
    Section* found = find_section(section);
    if (found == nullptr) {
        if (std::string* eol = last_eol(); eol != nullptr && eol->empty()) {
            *eol = kLineBreak;
        }
        Section added;
        added.header_text = "[" + std::string(section) + "]";
        added.header_eol = kLineBreak;
        added.name = std::string(trim_blanks(section));
        added.lines.push_back(make_line(std::move(entry), std::string(kLineBreak)));
        append_section(std::move(added));
        modified_ = true;
        return true;
    }
    if (const Line* existing = find_key(*found, key)) {
        Line& line = found->lines[static_cast<std::size_t>(existing - found->lines.data())];
        // The file's spelling of the key stays.
        std::string replaced = line.key + "=" + std::string(value);
        if (replaced == line.text) {
            return true;
        }
        line = make_line(std::move(replaced),
                         line.eol.empty() ? std::string(kLineBreak) : std::move(line.eol));
        modified_ = true;
        return true;
    }
    // After the section's last entry, so before comments that close the section.
    std::size_t position = 0;
    for (std::size_t i = 0; i < found->lines.size(); ++i) {
        const LineKind kind = found->lines[i].kind;
        if (kind == LineKind::Entry || kind == LineKind::Other) {
            position = i + 1;
        }
    }
    std::string& anchor_eol = position == 0 ? found->header_eol : found->lines[position - 1].eol;
    if (anchor_eol.empty()) {
        anchor_eol = kLineBreak;
    }
    found->lines.insert(found->lines.begin() + static_cast<std::ptrdiff_t>(position),
                        make_line(std::move(entry), std::string(kLineBreak)));
    modified_ = true;
    return true;
}

bool ProfileDocument::remove_key(std::string_view section, std::string_view key) {
    Section* found = find_section(section);
    if (found == nullptr) {
        return true;
    }
    if (const Line* line = find_key(*found, key)) {
        found->lines.erase(found->lines.begin() + (line - found->lines.data()));
        modified_ = true;
    }
    return true;
}

bool ProfileDocument::remove_section(std::string_view section) {
    const auto entry = index_.find(fold(trim_spaces(section)));
    if (entry == index_.end()) {
        return true;
    }
    Section& found = sections_[entry->second.first];
    found.removed = true;
    std::vector<Line> kept;
    for (Line& line : found.lines) {
        if (line.kind == LineKind::Comment || line.kind == LineKind::Blank) {
            kept.push_back(std::move(line));
        }
    }
    found.lines = std::move(kept);
    entry->second.first = found.next_same_name;
    if (entry->second.first == kNoSection) {
        index_.erase(entry);
    }
    modified_ = true;
    return true;
}

std::string ProfileDocument::to_bytes() const {
    std::string bytes;
    auto add = [&bytes](const std::vector<Line>& lines) {
        for (const Line& line : lines) {
            bytes += line.text;
            bytes += line.eol;
        }
    };
    add(preamble_);
    for (const Section& section : sections_) {
        if (!section.removed) {
            bytes += section.header_text;
            bytes += section.header_eol;
        }
        add(section.lines);
    }
    return bytes;
}

bool ProfileDocument::save(const std::string& path) const {
    return replace_file(path, to_bytes());
}

}  // namespace platform
