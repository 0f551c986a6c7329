// The game's "Fatal Error!" box on the desktop: an SDL message box, also written to standard error.
#pragma once

// Makes every message box an SDL box over the desktop. Where SDL can show none (no display, the
// offscreen driver) the text still reaches standard error, so nothing is lost in a log.
void UseSdlMessageBoxes();
