// cSoundChannel: one sound buffer of the sound manager, playing an effect or the streamed music.
#pragma once

#include "base/cString.h"
#include "sound/cOggStream.h"

#include <cstdint>

class cSoundBuffer;
class cSoundData;

class cSoundChannel
{
public:
    enum eTransition
    {
        kTransitionNone = 0,
        kTransitionSwitch = 1,       // switch after the fade-out
        kTransitionSwitchFadeIn = 2, // switch after the fade-out, then fade in
        kTransitionStop = 3          // fade out and stop
    };

    // Takes the buffer (null for a manager without a device).
    cSoundChannel(cSoundBuffer* deviceBuffer, bool musicChannel);
    ~cSoundChannel();
    cSoundChannel(const cSoundChannel&) = delete;
    cSoundChannel& operator=(const cSoundChannel&) = delete;

    // The attenuation of an effective volume, in hundredths of a decibel:
    // 100 - 100 × 100^(1 - e), so 1 is full, 0.5 is -900 and 0 is nearly silent.
    static int32_t Attenuation(float effective);

    // ---- Operations for everybody ----
    void Stop();
    // The channel's own volume; ends a fade.
    void SetVolume(float newVolume);
    // -1 (left) to 1 (right), clamped.
    void SetPan(float newPan);
    // Playback speed factor: 2 plays an octave higher.
    void SetPitch(float newPitch);
    // The volume of the channel's group (effects or music), multiplied with the channel's.
    void SetMasterVolume(float newMaster);
    float GetMasterVolume() const { return masterVolume; }
    float GetVolume() const { return volume; }
    float GetPan() const { return pan; }
    float GetPitch() const { return pitch; }
    bool IsPlaying() const;
    bool IsMusic() const { return isMusic; }
    bool IsLooping() const { return looping; }

    // ---- Used by the sound manager ----
    void StartEffect(cSoundData* data, float newVolume, float newPan, float newPitch, bool loop);
    // Opens the file, fills the buffer from startByte of the decoded stereo stream and plays it in a
    // loop. Anything but kOpened leaves the channel stopped.
    cOggStream::eOpenResult StartMusic(const cString& path, uint32_t startByte, float newVolume);
    // Moves the volume to target at speed per second; speed 0 sets it at once.
    void FadeTo(float target, float speed);
    bool IsFading() const { return fadeSpeed > 0.0f; }
    // Refills the half just played, advances the fade and sends the volume.
    void Update(float seconds);

    const cString& GetFileName() const { return fileName; }
    uint64_t GetStreamPosition() const { return streamPosition; }
    cSoundData* GetSound() const { return sound; }
    cSoundBuffer* GetBuffer() const { return buffer; }

    // The music transition waiting in Update.
    int transitionKind = kTransitionNone;
    float transitionFade = 0.0f;
    float transitionVolume = 1.0f;
    uint32_t transitionStart = 0;
    cString transitionFile;

private:
    void StopPlayback();
    void SendVolume();
    void SendPitch();
    void TrackPlayedBytes();
    void RefillHalf();
    void FillEffect(uint8_t* target, uint32_t bytes);
    void FillMusic(uint8_t* target, uint32_t bytes);
    void Fade(float seconds);

    cSoundBuffer* buffer;
    bool isMusic;
    bool playing = false;
    bool looping = false;
    // Whether the buffer loops and is refilled by halves as it plays.
    bool streaming = false;
    uint8_t lastRefilledHalf = 1;
    uint32_t lastCursor = 0;
    uint64_t playedBytes = 0;

    cSoundData* sound = nullptr;
    uint32_t readPosition = 0;

    cOggStream stream;
    cString fileName;
    uint64_t streamPosition = 0;

    float volume = 1.0f;
    float targetVolume = 1.0f;
    float fadeSpeed = 0.0f;
    float masterVolume = 0.0f;
    float pan = 0.0f;
    float pitch = 1.0f;
    uint32_t sampleRate = 44100;
    int32_t sentVolume = 1;
};
