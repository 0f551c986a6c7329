// cSdlAudioDevice: the system's sound output through SDL2 audio, fed by the mixer from SDL's audio thread.
#pragma once

#include "platform/audio/cAudioDevice.h"

#include <cstdint>

class cSdlAudioDevice : public cAudioDevice
{
public:
    // The default output device, or null when SDL has no working audio driver or device.
    static cSdlAudioDevice* Open();
    ~cSdlAudioDevice() override;

    // Notices a device that went away and tries to open the default output again every few seconds.
    void Service(float seconds) override;
    bool IsLost() const override { return deviceId == 0; }

    // The audio driver in use ("pulseaudio", "alsa", "disk"...), or null.
    static const char* DriverName();

private:
    static constexpr float kRetrySeconds = 2.0f;

    cSdlAudioDevice() = default;
    bool OpenOutput();
    void CloseOutput();
    static void FillOutput(void* self, uint8_t* stream, int length);

    uint32_t deviceId = 0;
    float retryWait = 0.0f;
};
