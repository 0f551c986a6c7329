// cQorn: the engine object, root of the module tree, owner of every subsystem, its start-up, tick, reset and shutdown.
#pragma once

#include "base/cConsole.h"
#include "base/cConsoleHost.h"
#include "script/cFileSystem.h"
#include "script/cInterpreter.h"
#include "script/cJobHandler.h"
#include "script/cModule.h"
#include "script/cWorker.h"

#include <cstdint>
#include <cstdio>

class cClock;
class cGraphicsSystem;
class cInputSink;
class cInstanceGuard;
class cSoundManager;
class cNullGraphicsSystem;
class cNullWindowSystem;
class cRenderDevice;
class cScreen;
class cWindowSystem;

class cQorn : public cModule, public cWorker, public cConsoleHost
{
public:
    enum eEngineCommand
    {
        kQuit = 101,
        kScreenSize = 102,
        kFullScreen = 103,
        kReset = 104,
        kHide = 105,
        kShow = 106,
        kSfxVolume = 107,
        kMusicVolume = 108,
        kCustomCursors = 109,
    };

    cQorn();
    ~cQorn() override;

    // The one engine object, or null.
    static cQorn* Get() { return current; }

    void OnCommand(cCommand& call) override;
    // Builds its modules; called at the end of start-up and after every reset.
    virtual void InitApplication() {}
    // Called before a reset and at shutdown.
    virtual void ShutdownApplication() {}
    // Once per tick while the device is usable.
    virtual void Update(float seconds) {}
    virtual void RequestQuit() { quitRequested = true; }
    virtual void RegisterEngineCommands();

    void Initialise();
    // One frame; returns the quit flag.
    bool Tick();
    void Shutdown();
    void CreateGraphics();
    void DestroyGraphics();
    // Sends a tagged message to the external editor; nothing happens when none runs.
    void SendToEditor(const char* tag, const void* bytes, int count);

    // Set-up before Initialise: the clock the tick measures with (the system clock by default),
    // the guard against a second running copy (none by default), and a stream that mirrors
    // every console line (none by default).
    void SetClock(cClock* clock);
    void SetInstanceGuard(cInstanceGuard* guard) { instanceGuard = guard; }
    void SetConsoleMirror(std::FILE* stream) { consoleMirror = stream; }
    // Where sound goes: nowhere, a device without hardware that plays along with the ticks (the
    // default, for headless programs and tests), or the system's output (the game itself).
    enum eSoundOutput
    {
        kSoundNone,
        kSoundNull,
        kSoundSystem,
    };
    void SetSoundOutput(eSoundOutput output) { soundOutput = output; }
    // The platform's windows and graphics (not owned); without them the engine makes windows and
    // devices that live in memory only, as the headless console and the tests need.
    void SetWindowSystem(cWindowSystem* windows) { windowSystem = windows; }
    void SetGraphicsSystem(cGraphicsSystem* graphics) { graphicsSystem = graphics; }
    // The receiver of mouse and character input (the interface layer; not owned), or null.
    void SetInputSink(cInputSink* sink) { inputSink = sink; }

    cConsole* GetConsole() const { return console; }
    cInterpreter* GetInterpreter() const { return interpreter; }
    cFileSystem* GetFileSystem() const { return fileSystem; }
    cJobHandler* GetJobHandler() const { return jobHandler; }
    cSoundManager* GetSoundManager() const { return soundManager; }
    // The per-user folder as a logical path and as a disk path.
    static const char* UserFolder() { return "@Tessaverde\\Vexmoor\\"; }
    const cString& GetUserPath() const { return userPath; }
    bool IsInitialised() const { return initialised; }
    bool IsQuitRequested() const { return quitRequested; }
    cWindowSystem* GetWindowSystem() const { return windowSystem; }
    cGraphicsSystem* GetGraphicsSystem() const { return graphicsSystem; }
    cScreen* GetScreen() const { return screen; }
    cRenderDevice* GetDevice() const;
    cInputSink* GetInputSink() const { return inputSink; }
    // Whether the per-tick update may run: the rendering device can draw (always when there is
    // no screen at all).
    bool IsDeviceUsable() const;
    // Whether time passes for the application: the main window is in front and not minimised
    // (always when there is no window).
    virtual bool IsWindowInFront() const;
    float GetLastElapsed() const { return lastElapsed; }

    // cConsoleHost
    void WaitForPendingJobs() override;
    cString GetCurrentModuleName() override;
    void ExecuteInput(const cString& line) override;
    void OnLinePrinted(const cString& composedLine) override;

    bool shutDownDone = false;
    bool quitRequested = false;
    bool graphicsCreated = false;
    cFileSystem* fileSystem = nullptr;
    cConsole* console = nullptr;
    cJobHandler* jobHandler = nullptr;
    cInterpreter* interpreter = nullptr;
    int64_t lastCounter = 0;
    int64_t counter = 0;
    uint32_t lastTick = 0;
    uint32_t tick = 0;
    bool useTickCount = false;
    int64_t counterFrequency = 1;
    cString applicationName = "Qorn";
    cSoundManager* soundManager = nullptr;
    bool windowVisible = true;
    uint8_t* editorBuffer = nullptr;
    uint32_t randomSeed = 0;
    float sfxVolume = 1.0f;
    float musicVolume = 0.8f;
    bool windowed = false;
    int32_t screenWidth = 0;
    int32_t screenHeight = 0;
    bool customCursors = true;
    bool resetPending = false;
    bool initialised = false;

protected:
    static constexpr int kEditorBufferSize = 128 * 1024;

    void PrintBanner();
    void CreateUserFolder();
    void LoadConfiguration();
    void CreateSoundManager();
    void DestroySoundManager();
    void Reset();
    void PrintQorn(const char* text);
    // Until the renderer draws the layers: a black frame, and a reset after a lost device.
    void DrawFrame();
    // Another start of the program asked this one to show its window in front.
    void BringToFront();

private:
    static inline cQorn* current = nullptr;

    cClock* clock = nullptr;
    cClock* ownClock = nullptr;
    cInstanceGuard* instanceGuard = nullptr;
    std::FILE* consoleMirror = nullptr;
    eSoundOutput soundOutput = kSoundNull;
    cWindowSystem* windowSystem = nullptr;
    cNullWindowSystem* ownWindowSystem = nullptr;
    cGraphicsSystem* graphicsSystem = nullptr;
    cNullGraphicsSystem* ownGraphicsSystem = nullptr;
    cScreen* screen = nullptr;
    cInputSink* inputSink = nullptr;
    cString userPath;
    float lastElapsed = 0.0f;
};
