// cQorn: start-up in its fixed order, the engine commands, the measured tick, reset and shutdown.
#include "engine/cQorn.h"

#include "base/TrackedAllocator.h"
#include "engine/cScreen.h"
#include "platform/OSPaths.h"
#include "platform/audio/cNullAudioDevice.h"
#include "platform/audio/cSdlAudioDevice.h"
#include "platform/cClock.h"
#include "platform/cInstanceGuard.h"
#include "sound/cSoundManager.h"
#include "platform/video/cNullGraphicsSystem.h"
#include "platform/video/cNullWindowSystem.h"
#include "platform/video/cRenderDevice.h"
#include "platform/video/cWindow.h"

#include <string>

namespace
{
const char* const kDashes = "----------------------------------------------------- ";
const char* const kConfigName = "config";
} // namespace

cQorn::cQorn()
{
    current = this;
    name = "Qorn";
    className = "QORN";
}

cQorn::~cQorn()
{
    if (initialised && !shutDownDone)
        Shutdown();
    delete ownClock;
    delete ownGraphicsSystem;
    delete ownWindowSystem;
    if (current == this)
        current = nullptr;
}

void cQorn::SetClock(cClock* newClock)
{
    clock = newClock;
}

void cQorn::PrintQorn(const char* text)
{
    console->Print(text, 0, "Qorn");
}

// ---- Start-up ----

void cQorn::Initialise()
{
    if (initialised)
        return;
    if (!clock)
        clock = ownClock = QNEW cSystemClock;
    if (!resetPending && instanceGuard && !instanceGuard->Acquire())
    {
        // Another copy runs and has been asked to come forward; this one leaves at its first tick.
        quitRequested = true;
        return;
    }
    editorBuffer = static_cast<uint8_t*>(TrackedAlloc(kEditorBufferSize, "cQorn", __LINE__));

    console = QNEW cConsole;
    console->Initialise();
    console->SetHost(this);
    PrintBanner();
    PrintQorn("Initializing...");

    jobHandler = QNEW cJobHandler;
    interpreter = QNEW cInterpreter;
    interpreter->SetRoot(this);
    fileSystem = QNEW cFileSystem;
    fileSystem->Initialise();

    CreateUserFolder();
    interpreter->LoadLanguage();
    RegisterEngineCommands();
    LoadConfiguration();
    CreateGraphics();
    CreateSoundManager();

    PrintQorn("Initialization completed.");
    console->Print(" ");
    PrintQorn("Initializing application...");
    InitApplication();
    PrintQorn("Application initialized.");
    console->Print(kDashes);
    console->Print(" ");
    SendToEditor("start", nullptr, 0);

    initialised = true;
    counter = lastCounter = clock->Counter();
    counterFrequency = clock->CounterFrequency();
    tick = lastTick = clock->TickCount();
    AddChild(fileSystem);
    AddChild(interpreter);
}

void cQorn::PrintBanner()
{
    console->Print(cString("Qorn Engine [") + __DATE__ + " / " + __TIME__ + "]");
    console->Print("Application: " + applicationName);
    console->Print(" ");
    console->Print(" ");
    console->Print(kDashes);
}

void cQorn::CreateUserFolder()
{
    // The user data folder itself may not exist yet on a fresh account.
    const std::string dataFolder = UserDataFolder();
    std::string path;
    for (char part : dataFolder)
    {
        if (part == '/' && !path.empty())
            CreateFolder(path);
        path += part;
    }
    CreateFolder(path);
    path += "/Tessaverde";
    CreateFolder(path);
    path += "/Vexmoor";
    CreateFolder(path);
    userPath = (path + "/").c_str();
    Log("User path: " + userPath);
}

void cQorn::LoadConfiguration()
{
    cFS_File* file = fileSystem->Open(cString(UserFolder()) + kConfigName + ".qsc");
    if (fileSystem->Exists(file))
    {
        PrintQorn("Config file found. Loading...");
        interpreter->RunFile(cString(UserFolder()) + kConfigName);
    }
    fileSystem->Close(file);
    PrintQorn("Config loaded.");
}

void cQorn::RegisterEngineCommands()
{
    AddCommand(kQuit, "quit");
    AddCommand(kScreenSize, "screensize 1024 768");
    AddCommand(kFullScreen, "fullscreen 1");
    AddCommand(kCustomCursors, "customcursors 1");
    AddCommand(kReset, "reset");
    AddCommand(kHide, "hide");
    AddCommand(kShow, "show");
    AddCommand(kSfxVolume, "SFXVolume 1");
    AddCommand(kMusicVolume, "MusicVolume 1");
}

// ---- Subsystems created and destroyed with the graphics and the sound ----

void cQorn::CreateGraphics()
{
    if (graphicsCreated)
        DestroyGraphics();
    if (!windowSystem)
        windowSystem = ownWindowSystem = QNEW cNullWindowSystem;
    if (!graphicsSystem)
        graphicsSystem = ownGraphicsSystem = QNEW cNullGraphicsSystem;
    // The screen is the renderer's once the renderer exists; until then the engine holds it.
    screen = QNEW cScreen(*windowSystem);
    screen->Initialise(graphicsSystem);
    if (!screen->Create(applicationName, screenWidth, screenHeight, 32, windowed))
    {
        // The box has told why; without a device nothing can be drawn.
        RequestQuit();
    }
    graphicsCreated = true;
}

void cQorn::DestroyGraphics()
{
    if (screen)
    {
        screen->Destroy();
        delete screen;
        screen = nullptr;
    }
    graphicsCreated = false;
}

cRenderDevice* cQorn::GetDevice() const
{
    return screen ? screen->GetDevice() : nullptr;
}

bool cQorn::IsDeviceUsable() const
{
    if (!screen)
        return true;
    cRenderDevice* device = screen->GetDevice();
    return device && device->TestCooperativeLevel() == RenderResult::Ok;
}

bool cQorn::IsWindowInFront() const
{
    const cWindow* window = cScreen::GetMainWindow();
    return !window || (window->IsInFront() && !window->IsMinimised());
}

void cQorn::DrawFrame()
{
    cRenderDevice* device = GetDevice();
    if (!device)
        return;
    const RenderResult level = device->TestCooperativeLevel();
    if (level == RenderResult::DeviceNotReset)
    {
        PresentParameters parameters = screen->GetPresentParameters();
        device->Reset(parameters);
        return;
    }
    if (level != RenderResult::Ok)
        return;
    device->Clear(ClearTarget | ClearZBuffer, 0xFF000000, 1.0f);
    device->BeginScene();
    device->EndScene();
    device->Present();
    // The in-memory device records every call; nobody reads the record of the engine's own.
    if (ownGraphicsSystem)
        ownGraphicsSystem->GetLog()->Clear();
}

void cQorn::CreateSoundManager()
{
    DestroySoundManager();
    cAudioDevice* device = nullptr;
    if (soundOutput == kSoundSystem)
    {
        device = cSdlAudioDevice::Open();
    }
    else if (soundOutput == kSoundNull)
    {
        cNullAudioDevice* silent = QNEW cNullAudioDevice;
        silent->SetFollowsTime(true);
        device = silent;
    }
    soundManager = QNEW cSoundManager;
    soundManager->Create(device);
    soundManager->SetMusicVolume(musicVolume);
    soundManager->SetSfxVolume(sfxVolume);
}

void cQorn::DestroySoundManager()
{
    if (!soundManager)
        return;
    // The next sound manager starts where the player left the volumes.
    sfxVolume = soundManager->GetSfxVolume();
    musicVolume = soundManager->GetMusicVolume();
    delete soundManager;
    soundManager = nullptr;
}

// ---- Commands ----

void cQorn::OnCommand(cCommand& call)
{
    switch (call.id)
    {
    case kQuit:
        quitRequested = true;
        return;
    case kScreenSize:
        screenWidth = call.Argument(0).IntegerValue();
        screenHeight = call.Argument(1).IntegerValue();
        if (screen)
            screen->Resize(screenWidth, screenHeight);
        return;
    case kFullScreen:
        windowed = call.Argument(0).value == 0.0f;
        return;
    case kCustomCursors:
        customCursors = call.Argument(0).value != 0.0f;
        return;
    case kReset:
        Reset();
        return;
    case kHide:
        windowVisible = false;
        if (cWindow* window = cScreen::GetMainWindow())
            window->Hide();
        return;
    case kShow:
        windowVisible = true;
        if (cWindow* window = cScreen::GetMainWindow())
            window->Show();
        return;
    case kSfxVolume:
        sfxVolume = call.Argument(0).value;
        if (soundManager)
            soundManager->SetSfxVolume(sfxVolume);
        return;
    case kMusicVolume:
        musicVolume = call.Argument(0).value;
        if (soundManager)
            soundManager->SetMusicVolume(musicVolume);
        return;
    default:
        cModule::OnCommand(call);
        return;
    }
}

void cQorn::Reset()
{
    jobHandler->WaitUntilIdle(100);
    ShutdownApplication();
    DestroySoundManager();
    DestroyGraphics();
    if (!windowed)
    {
        // A full-screen device gives the display mode back before it is made again.
        const bool wasWindowed = windowed;
        windowed = true;
        CreateGraphics();
        DestroyGraphics();
        windowed = wasWindowed;
    }
    LoadConfiguration();
    CreateGraphics();
    CreateSoundManager();
    InitApplication();
}

// ---- The frame ----

bool cQorn::Tick()
{
    counter = clock->Counter();
    tick = clock->TickCount();
    double elapsed = useTickCount ? double(uint32_t(tick - lastTick)) / 1000.0
                                  : double(counter - lastCounter) / double(counterFrequency);
    if (elapsed < 0.0)
    {
        // A counter that runs backwards is not trusted again.
        elapsed = 0.0;
        useTickCount = true;
    }
    if (!IsWindowInFront())
        elapsed = 0.0;
    lastElapsed = float(elapsed);
    if (instanceGuard && instanceGuard->TakeRaiseRequest())
        BringToFront();
    if (resetPending)
    {
        interpreter->Execute("reset", this);
        resetPending = false;
        return false;
    }
    if (initialised)
    {
        if (IsDeviceUsable())
            Update(float(elapsed));
        DrawFrame();
        if (IsDeviceUsable() && jobHandler->HasPendingJobs())
            SleepMilliseconds(jobHandler->idleSleep);
        if (soundManager)
            soundManager->Update(float(elapsed));
    }
    lastTick = tick;
    lastCounter = counter;
    return quitRequested;
}

void cQorn::BringToFront()
{
    windowVisible = true;
    if (cWindow* window = cScreen::GetMainWindow())
        window->BringToFront();
}

// ---- Shutdown ----

void cQorn::Shutdown()
{
    if (!initialised)
        return;
    RemoveChild(fileSystem);
    RemoveChild(interpreter);
    delete jobHandler;
    jobHandler = nullptr;
    ShutdownApplication();
    DestroySoundManager();
    DestroyGraphics();
    delete interpreter;
    interpreter = nullptr;
    console->SetHost(nullptr);
    console->Shutdown();
    delete console;
    console = nullptr;
    fileSystem->Shutdown();
    delete fileSystem;
    fileSystem = nullptr;
    TrackedFree(editorBuffer);
    editorBuffer = nullptr;
    shutDownDone = true;
    initialised = false;
}

// ---- Console host ----

void cQorn::WaitForPendingJobs()
{
    if (jobHandler)
        jobHandler->WaitUntilIdle(100);
}

cString cQorn::GetCurrentModuleName()
{
    if (!interpreter)
        return cString();
    const cModule* module = interpreter->GetCurrent();
    return module ? module->name : interpreter->GetRootModule()->name;
}

void cQorn::ExecuteInput(const cString& line)
{
    if (interpreter)
        interpreter->Execute(line, nullptr);
}

void cQorn::OnLinePrinted(const cString& composedLine)
{
    if (consoleMirror)
    {
        std::fprintf(consoleMirror, "%s\n", composedLine.Text());
        std::fflush(consoleMirror);
    }
    SendToEditor("consoleoutput", composedLine.Text(), composedLine.Length() + 1);
}

void cQorn::SendToEditor(const char* tag, const void* bytes, int count)
{
    // The editor link comes with the editor mode; until then no editor can be listening.
    (void)tag;
    (void)bytes;
    (void)count;
}
