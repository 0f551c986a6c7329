// FatalMessage: shown through the platform's message box.
#include "base/FatalMessage.h"

#include "platform/MessageBox.h"

void FatalMessage(const char* text)
{
    ShowMessageBox("Fatal Error!", text);
}
