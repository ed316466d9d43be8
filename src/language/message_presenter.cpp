#include "language/message_presenter.h"

#include <cstdio>

namespace {

using C = ButtonCaption;

constexpr MessageButton kOk{kAnswerOk, kAnswerOk, false, 0, C::Ok};
constexpr MessageButton kCancel{kAnswerCancel, kAnswerCancel, false, 0, C::Cancel};
constexpr MessageButton kAbort{kAnswerAbort, kAnswerAbort, false, 0, C::Abort};
constexpr MessageButton kRetry{kAnswerRetry, kAnswerRetry, false, 0, C::Retry};
constexpr MessageButton kIgnore{kAnswerIgnore, kAnswerIgnore, false, 0, C::Ignore};
constexpr MessageButton kYes{kAnswerYes, kAnswerYes, false, 0, C::Yes};
constexpr MessageButton kNo{kAnswerNo, kAnswerNo, false, 0, C::No};
constexpr MessageButton kYesToAll{kControlYesToAll, kAnswerYes, true, 0, C::YesToAll};
constexpr MessageButton kNoToAll{kControlNoToAll, kAnswerNo, true, 0, C::NoToAll};
constexpr MessageButton kOkToAll{kControlOkToAll, kAnswerOk, true, 0, C::OkToAll};

constexpr MessageButton at(MessageButton button, int slot) {
    button.slot = slot;
    return button;
}

const MessageButton kSet0[] = {at(kOk, -1)};
const MessageButton kSet1[] = {at(kOk, -2), at(kCancel, 0)};
const MessageButton kSet2[] = {at(kAbort, -3), at(kRetry, -1), at(kIgnore, 1)};
const MessageButton kSet3[] = {at(kYes, -3), at(kNo, -1), at(kCancel, 1)};
const MessageButton kSet4[] = {at(kYes, -2), at(kNo, 0)};
const MessageButton kSet5[] = {at(kRetry, -2), at(kCancel, 0)};
const MessageButton kSet6[] = {at(kYes, -4), at(kYesToAll, -2), at(kNo, 0), at(kNoToAll, 2)};
const MessageButton kSet7[] = {at(kYes, -5), at(kYesToAll, -3), at(kNo, -1), at(kNoToAll, 1),
                               at(kCancel, 3)};
const MessageButton kSet8[] = {at(kOk, -3), at(kOkToAll, -1), at(kCancel, 1)};

const std::span<const MessageButton> kSets[] = {kSet0, kSet1, kSet2, kSet3, kSet4,
                                                kSet5, kSet6, kSet7, kSet8};

class StandardErrorPresenter : public MessagePresenter {
public:
    int Present(const std::string& text, int button_set, int) override {
        std::fwrite(text.data(), 1, text.size(), stderr);
        std::fputc('\n', stderr);
        std::fflush(stderr);
        return default_answer(button_set);
    }
};

MessagePresenter* g_installed = nullptr;

}  // namespace

std::span<const MessageButton> buttons_of_set(int button_set) {
    if (button_set < 0 || button_set > kButtonsOkToAllCancel) {
        button_set = kButtonsOk;
    }
    return kSets[button_set];
}

int default_answer(int button_set) {
    return buttons_of_set(button_set).front().answer;
}

MessagePresenter& message_presenter() {
    static StandardErrorPresenter standard_error;
    return g_installed != nullptr ? *g_installed : standard_error;
}

MessagePresenter* install_message_presenter(MessagePresenter* presenter) {
    MessagePresenter* previous = g_installed;
    g_installed = presenter;
    return previous;
}
