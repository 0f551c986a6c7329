// cGame: Vexmoor's engine object, the engine extended by the game.
#pragma once

#include "engine/cQorn.h"

class cGame : public cQorn
{
public:
    cGame();

    void OnCommand(cCommand& call) override;
    void InitApplication() override;
    void ShutdownApplication() override;
    void Update(float seconds) override;
    void RequestQuit() override;
    void RegisterEngineCommands() override;
    void DoJob(cJob& job) override;
};
