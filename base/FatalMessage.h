// FatalMessage: the modal "Fatal Error!" box for failures of the operating system; the program goes on afterwards.
#pragma once

void FatalMessage(const char* text);
