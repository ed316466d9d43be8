#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "platform/ascii_case.h"
#include "platform/filesystem.h"

namespace platform {
namespace {

// The pattern forms of the Windows file system: the user's '?', '.' and '*' take their
// "DOS" meaning from what follows them, which is what makes "*.*" match "README" and
// "a?.txt" match "a.txt".
enum class Token { Literal, Star, DosStar, DosQuestion, DosDot };

struct Element {
    Token token;
    char literal;
};

std::vector<Element> compile(std::string_view pattern) {
    std::vector<Element> elements;
    elements.reserve(pattern.size());
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char c = pattern[i];
        const char next = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
        const bool at_end = i + 1 == pattern.size();
        if (c == '?') {
            elements.push_back({Token::DosQuestion, c});
        } else if (c == '*') {
            elements.push_back({next == '.' ? Token::DosStar : Token::Star, c});
        } else if (c == '.' && (at_end || next == '?' || next == '*')) {
            elements.push_back({Token::DosDot, c});
        } else {
            elements.push_back({Token::Literal, ascii_upper(c)});
        }
    }
    return elements;
}

// Bottom-up over pattern positions, two rows of name positions: no recursion, so long
// names or many stars cost time proportional to their product and nothing more.
bool matches(const std::vector<Element>& elements, std::string_view name) {
    const std::size_t length = name.size();
    const std::size_t last_dot = name.rfind('.');
    std::vector<char> next(length + 1, 0);  // row p + 1
    std::vector<char> row(length + 1, 0);   // row p
    next[length] = 1;                       // the empty pattern matches the empty rest
    for (std::size_t p = elements.size(); p-- > 0;) {
        const Element& e = elements[p];
        for (std::size_t n = length + 1; n-- > 0;) {
            const bool name_end = n == length;
            bool result = false;
            switch (e.token) {
                case Token::Literal:
                    result = !name_end && ascii_upper(name[n]) == e.literal && next[n + 1];
                    break;
                case Token::Star:
                    result = next[n] || (!name_end && row[n + 1]);
                    break;
                case Token::DosStar:
                    // Anything up to, not including, the name's last point.
                    result = next[n] || (!name_end && n != last_dot && row[n + 1]);
                    break;
                case Token::DosQuestion:
                    // One character, or nothing at a point or at the end of the name.
                    result = (name_end || name[n] == '.') ? next[n] : next[n + 1];
                    break;
                case Token::DosDot:
                    // A point, or nothing at the end of the name.
                    result = name_end ? next[n] : (name[n] == '.' && next[n + 1]);
                    break;
            }
            row[n] = result ? 1 : 0;
        }
        next.swap(row);
    }
    return next[0] != 0;
}

bool is_dot_entry(std::string_view name) {
    return name == "." || name == "..";
}

}  // namespace

bool wildcard_match(std::string_view pattern, std::string_view name) {
    if (pattern == "*.*") {
        pattern = "*";
    }
    const std::vector<Element> elements = compile(pattern);
    return matches(elements, name);
}

std::vector<DirectoryEntry> find_files(const std::string& pattern) {
    std::vector<DirectoryEntry> entries;
    const std::size_t cut = pattern.rfind(kPathSeparator);
    std::string directory;
    std::string name_pattern;
    if (cut == std::string::npos) {
        directory = ".";
        name_pattern = pattern;
    } else {
        directory = cut == 0 ? std::string(1, kPathSeparator) : pattern.substr(0, cut);
        name_pattern = pattern.substr(cut + 1);
    }
    if (name_pattern.empty()) {
        return entries;
    }
    directory = resolve_case(directory);
    std::unique_ptr<DIR, int (*)(DIR*)> dir(::opendir(directory.c_str()), &::closedir);
    if (!dir) {
        return entries;
    }
    const std::vector<Element> elements =
        compile(name_pattern == "*.*" ? std::string_view("*") : std::string_view(name_pattern));
    const int folder = ::dirfd(dir.get());
    while (const dirent* raw = ::readdir(dir.get())) {
        const std::string_view name(raw->d_name);
        if (!matches(elements, name)) {
            continue;
        }
        DirectoryEntry entry;
        entry.name = std::string(name);
        // Relative to the open directory: the kernel need not walk the whole path again for
        // each of a library's thousands of entries.
        struct stat link_info {};
        if (::fstatat(folder, raw->d_name, &link_info, AT_SYMLINK_NOFOLLOW) != 0) {
            continue;  // removed while we were reading
        }
        entry.is_symlink = S_ISLNK(link_info.st_mode);
        struct stat info = link_info;
        if (entry.is_symlink && ::fstatat(folder, raw->d_name, &info, 0) != 0) {
            info = link_info;  // a dangling link is shown as itself
        }
        entry.is_directory = S_ISDIR(info.st_mode);
        entry.read_only = (info.st_mode & S_IWUSR) == 0;
        entry.size = static_cast<std::int64_t>(info.st_size);
        entry.modified = static_cast<std::int64_t>(info.st_mtime);
        entries.push_back(std::move(entry));
    }
    // "." and ".." lead, as on the Windows file system; the rest in name order ignoring case.
    std::sort(entries.begin(), entries.end(), [](const DirectoryEntry& a, const DirectoryEntry& b) {
        const bool a_dot = is_dot_entry(a.name);
        const bool b_dot = is_dot_entry(b.name);
        if (a_dot != b_dot) {
            return a_dot;
        }
        return ascii_compare_ignoring_case(a.name, b.name) < 0;
    });
    return entries;
}

}  // namespace platform
