// Modal message boxes of the platform: the "Fatal Error!" box and the hook through which tests and the window layer show it.
#pragma once

// Shows a modal box with the caption and text and returns when it is dismissed.
// Until a window layer installs its own presenter the text goes to standard error
// as "<caption>: <text>".
void ShowMessageBox(const char* caption, const char* text);

using MessageBoxPresenter = void (*)(const char* caption, const char* text);

// Replaces the presenter; null restores the standard-error presenter. Returns the previous one.
MessageBoxPresenter SetMessageBoxPresenter(MessageBoxPresenter presenter);
