// cNullWindow: remembers what it was asked to do.
#include "platform/video/cNullWindow.h"

cNullWindow::cNullWindow(const WindowDescription& newDescription)
    : description(newDescription), visible(newDescription.visible)
{
}

void cNullWindow::BringToFront()
{
    visible = true;
    minimised = false;
    inFront = true;
    ++timesBroughtToFront;
}

void cNullWindow::SetClientSize(int width, int height)
{
    description.width = width;
    description.height = height;
}
