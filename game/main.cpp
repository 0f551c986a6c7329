// vexmoor: the game's program.
#include "base/TrackedAllocator.h"
#include "engine/entry.h"
#include "game/cGame.h"

int main()
{
    return RunApplication(QNEW cGame);
}
