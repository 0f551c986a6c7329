// The "Fatal Error!" box of the game on the desktop: an SDL message box, with the line on standard error as
// well.
#pragma once

// Makes every message box an SDL box over the desktop. Where SDL can show none (no display, the
// offscreen driver) the text still reaches standard error, so nothing is lost in a log.
void UseSdlMessageBoxes();
