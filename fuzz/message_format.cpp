// Catalogue texts from arbitrary bytes, formatted with arbitrary arguments: no undefined
// behaviour, and a result bounded by the text, the arguments and the field limit.

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "language/message_catalogue.h"
#include "language/message_format.h"

namespace {

class SilentPresenter : public MessagePresenter {
public:
    int Present(const std::string& text, int button_set, int) override {
        length = text.size();
        return default_answer(button_set);
    }
    std::size_t length = 0;
};

// Segments after the first NUL are arguments; their first byte chooses the kind.
FormatArguments arguments_from(std::string_view rest, std::size_t& longest) {
    FormatArguments arguments;
    while (!rest.empty() && arguments.size() < 8) {
        const std::size_t end = rest.find('\0');
        std::string_view segment = rest.substr(0, end);
        rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
        if (segment.empty()) {
            arguments.emplace_back(std::string());
            continue;
        }
        const unsigned char kind = static_cast<unsigned char>(segment.front()) % 3;
        segment.remove_prefix(1);
        if (kind == 0) {
            std::int64_t value = 0;
            std::memcpy(&value, segment.data(), segment.size() < 8 ? segment.size() : 8);
            arguments.emplace_back(value);
        } else if (kind == 1) {
            double value = 0;
            std::memcpy(&value, segment.data(), segment.size() < 8 ? segment.size() : 8);
            arguments.emplace_back(value);
        } else {
            arguments.emplace_back(std::string(segment));
        }
        longest = segment.size() > longest ? segment.size() : longest;
    }
    return arguments;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::size_t split = bytes.find('\0');
    const std::string_view format = bytes.substr(0, split);
    std::size_t longest = 0;
    const FormatArguments arguments = arguments_from(
        split == std::string_view::npos ? std::string_view() : bytes.substr(split + 1), longest);

    const std::string out = format_message(format, arguments);
    // Each conversion adds at most a field, a full double in fixed notation, or an argument.
    const std::size_t per_conversion = 2 * kMaxFormatField + 420 + longest;
    if (out.size() > format.size() * per_conversion + format.size()) {
        __builtin_trap();
    }

    static SilentPresenter presenter;
    static TalmorError catalogue;
    install_message_presenter(&presenter);
    catalogue.SetDetail(size % 2);
    const int buttons = size > 0 ? static_cast<int>(data[0] % 11) - 1 : 0;
    const int answer =
        catalogue.InternalMessage("fuzz", 1, "d", "t", std::string(format), buttons, arguments);
    if (format.empty() ? answer != buttons : answer != default_answer(buttons)) {
        __builtin_trap();
    }
    return 0;
}
