// cSoundManager: all sound of the program, played over the sound device.
#pragma once

#include "base/cSearchableList.h"
#include "base/cString.h"
#include "sound/cSoundChannel.h"
#include "sound/cSoundData.h"

#include <cstdint>

class cAudioDevice;

// One channel streams the music; 31 more play the effects.
class cSoundManager
{
public:
    static constexpr int kChannelCount = 32;
    static constexpr int kMusicChannel = 0;
    static constexpr uint32_t kEffectBufferBytes = 0x80000;
    static constexpr uint32_t kMusicBufferBytes = 0x100000;
    // Music plays at three quarters of the effects' loudness for the same setting.
    static constexpr float kMusicFactor = 0.75f;

    cSoundManager() = default;
    ~cSoundManager();
    cSoundManager(const cSoundManager&) = delete;
    cSoundManager& operator=(const cSoundManager&) = delete;

    // Takes the device and makes the channels. Without a device (null) nothing will play; that is
    // logged as "Warning! No sound device!".
    void Create(cAudioDevice* newDevice);
    // Releases channels, cache and device.
    void Destroy();
    bool HasDevice() const { return device != nullptr; }
    cAudioDevice* GetDevice() const { return device; }

    // Plays "Data/Audio/" + name + ".ogg" on the first free effect channel and returns it; null when
    // all 31 are busy, the sound cannot be read, or there is no device.
    cSoundChannel* PlaySound(const cString& name, float volume = 1.0f, float pan = 0.0f, float pitch = 1.0f,
                             bool loop = false);
    // Music "Data/Audio/" + name + ".ogg" with a transition (cSoundChannel::eTransition); the start
    // position is a byte offset into the decoded 16-bit stereo stream.
    void PlayMusic(const cString& name, float volume, int kind, float fadeTime, uint32_t startPosition);

    void SetSfxVolume(float volume);
    void SetMusicVolume(float volume);
    float GetSfxVolume() const;
    float GetMusicVolume() const;

    // Once per engine tick with the elapsed seconds.
    void Update(float seconds);

    cSoundChannel* GetChannel(int index) const;
    cSoundChannel* GetMusicChannel() const { return GetChannel(kMusicChannel); }
    // The decoded effect of that name, decoding it on first use; null when it cannot be read.
    cSoundData* GetSound(const cString& name);
    int CachedSoundCount() const { return cache.Count(); }

    static cString AudioPath(const cString& name) { return "Data/Audio/" + name + ".ogg"; }

private:
    cSoundData* Decode(const cString& name);
    cSoundChannel* FindFreeEffectChannel() const;
    void StartMusicNow(const cString& path, float volume, uint32_t startPosition);
    void StartPendingMusic();
    void UpdateTransition();
    void CheckDeviceLoss();
    void Log(const cString& text, int level) const;

    cAudioDevice* device = nullptr;
    cSoundChannel* channels[kChannelCount] = {};
    cSearchableListOf<cSoundData> cache;
    // The settings as given, so that they survive a missing device.
    float sfxVolume = 0.0f;
    float musicVolume = 0.0f;
    bool deviceLost = false;
};
