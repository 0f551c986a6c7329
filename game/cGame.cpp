// cGame: the game's hooks into the engine's start-up, tick and shutdown.
#include "game/cGame.h"

cGame::cGame()
{
    name = "Game";
    className = "GAME";
    applicationName = "Vexmoor";
}

void cGame::OnCommand(cCommand& call)
{
    cQorn::OnCommand(call);
}

void cGame::InitApplication() {}

void cGame::ShutdownApplication() {}

void cGame::Update(float seconds)
{
    cQorn::Update(seconds);
}

void cGame::RequestQuit()
{
    cQorn::RequestQuit();
}

void cGame::RegisterEngineCommands()
{
    cQorn::RegisterEngineCommands();
}

void cGame::DoJob(cJob& job) {}
