// Modal message boxes: the standard-error presenter and the replaceable hook.
#include "platform/MessageBox.h"

#include <atomic>
#include <cstdio>

namespace
{
void PrintToStandardError(const char* caption, const char* text)
{
    std::fprintf(stderr, "%s: %s\n", caption, text);
    std::fflush(stderr);
}

std::atomic<MessageBoxPresenter> currentPresenter{&PrintToStandardError};
} // namespace

void ShowMessageBox(const char* caption, const char* text)
{
    currentPresenter.load()(caption ? caption : "", text ? text : "");
}

MessageBoxPresenter SetMessageBoxPresenter(MessageBoxPresenter presenter)
{
    return currentPresenter.exchange(presenter ? presenter : &PrintToStandardError);
}
