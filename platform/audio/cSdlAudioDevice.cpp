// cSdlAudioDevice: opening SDL's default output at 44100 Hz stereo 16-bit, the audio callback and recovery.
#include "platform/audio/cSdlAudioDevice.h"

#include <SDL.h>

#include <cstring>

cSdlAudioDevice* cSdlAudioDevice::Open()
{
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0)
        return nullptr;
    cSdlAudioDevice* device = new cSdlAudioDevice;
    if (!device->OpenOutput())
    {
        delete device;
        return nullptr;
    }
    return device;
}

cSdlAudioDevice::~cSdlAudioDevice()
{
    // The audio thread stops here, before the mixer it reads goes away.
    CloseOutput();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

bool cSdlAudioDevice::OpenOutput()
{
    SDL_AudioSpec wanted;
    std::memset(&wanted, 0, sizeof(wanted));
    wanted.freq = cAudioMixer::kDefaultOutputRate;
    wanted.format = AUDIO_S16SYS;
    wanted.channels = 2;
    wanted.samples = 1024;
    wanted.callback = &cSdlAudioDevice::FillOutput;
    wanted.userdata = this;
    SDL_AudioSpec obtained;
    // Another output rate is resampled by the mixer; SDL converts anything else.
    const SDL_AudioDeviceID id =
        SDL_OpenAudioDevice(nullptr, 0, &wanted, &obtained, SDL_AUDIO_ALLOW_FREQUENCY_CHANGE);
    if (id == 0)
        return false;
    mixer.SetOutputRate(obtained.freq);
    deviceId = id;
    SDL_PauseAudioDevice(id, 0);
    return true;
}

void cSdlAudioDevice::CloseOutput()
{
    if (deviceId == 0)
        return;
    SDL_CloseAudioDevice(deviceId);
    deviceId = 0;
}

void cSdlAudioDevice::FillOutput(void* self, uint8_t* stream, int length)
{
    cSdlAudioDevice* device = static_cast<cSdlAudioDevice*>(self);
    device->mixer.Mix(reinterpret_cast<int16_t*>(stream), length / int(2 * sizeof(int16_t)));
}

void cSdlAudioDevice::Service(float seconds)
{
    if (deviceId != 0 && SDL_GetAudioDeviceStatus(deviceId) != SDL_AUDIO_STOPPED)
        return;
    if (deviceId != 0)
    {
        CloseOutput();
        retryWait = kRetrySeconds;
        return;
    }
    retryWait -= seconds;
    if (retryWait > 0.0f)
        return;
    retryWait = kRetrySeconds;
    OpenOutput();
}

const char* cSdlAudioDevice::DriverName()
{
    return SDL_GetCurrentAudioDriver();
}
