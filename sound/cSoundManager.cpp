// cSoundManager: the channels, the effect cache, music transitions, the volumes and the per-tick update.
#include "sound/cSoundManager.h"

#include "base/TrackedAllocator.h"
#include "base/cConsole.h"
#include "platform/audio/cAudioDevice.h"
#include "sound/cOggStream.h"

namespace
{
constexpr int kDecodeFrames = 16384;
// Effects are kept whole in memory; anything longer than this (about 50 minutes) is cut short.
constexpr uint32_t kMaxEffectBytes = 256u * 1024u * 1024u;
} // namespace

cSoundManager::~cSoundManager()
{
    Destroy();
}

void cSoundManager::Log(const cString& text, int level) const
{
    ConsolePrint(text, level, "SoundManager");
}

// ---- Life ----

void cSoundManager::Create(cAudioDevice* newDevice)
{
    Destroy();
    if (!newDevice)
    {
        ConsolePrint("Warning! No sound device!");
        return;
    }
    device = newDevice;
    for (int i = 0; i < kChannelCount; ++i)
    {
        const bool music = i == kMusicChannel;
        cSoundBuffer* buffer =
            music ? device->CreateBuffer(2, kMusicBufferBytes) : device->CreateBuffer(1, kEffectBufferBytes);
        channels[i] = QNEW cSoundChannel(buffer, music);
    }
    SetSfxVolume(sfxVolume);
    SetMusicVolume(musicVolume);
}

void cSoundManager::Destroy()
{
    // Buffers leave the mixer before the device goes.
    for (cSoundChannel*& channel : channels)
    {
        delete channel;
        channel = nullptr;
    }
    cache.ClearAndDelete();
    delete device;
    device = nullptr;
    deviceLost = false;
}

cSoundChannel* cSoundManager::GetChannel(int index) const
{
    if (index < 0 || index >= kChannelCount)
        return nullptr;
    return channels[index];
}

// ---- Effects ----

cSoundChannel* cSoundManager::PlaySound(const cString& name, float volume, float pan, float pitch, bool loop)
{
    if (!device || deviceLost)
        return nullptr;
    cSoundChannel* channel = FindFreeEffectChannel();
    if (!channel)
        return nullptr;
    cSoundData* sound = GetSound(name);
    if (!sound)
        return nullptr;
    channel->StartEffect(sound, volume, pan, pitch, loop);
    return channel->IsPlaying() ? channel : nullptr;
}

cSoundChannel* cSoundManager::FindFreeEffectChannel() const
{
    for (int i = kMusicChannel + 1; i < kChannelCount; ++i)
    {
        if (!channels[i]->IsPlaying())
            return channels[i];
    }
    return nullptr;
}

cSoundData* cSoundManager::GetSound(const cString& name)
{
    cSoundData* sound = cache.Find(name);
    if (!sound)
    {
        // A file that cannot be read is remembered as empty, so it is reported once.
        sound = Decode(name);
        cache.Insert(sound);
    }
    return sound->length > 0 ? sound : nullptr;
}

cSoundData* cSoundManager::Decode(const cString& name)
{
    cSoundData* sound = QNEW cSoundData(name);
    const cString path = AudioPath(name);
    cOggStream stream;
    const cOggStream::eOpenResult opened = stream.Open(path.Text());
    if (opened == cOggStream::kMissing)
    {
        Log("Cannot open sound file '" + path + "'.", 2);
        return sound;
    }
    if (opened == cOggStream::kNotVorbis)
    {
        Log("Cannot read sound file '" + path + "'. Not an Ogg Vorbis file.", 2);
        return sound;
    }
    sound->sampleRate = uint32_t(stream.GetRate());
    int16_t* piece = static_cast<int16_t*>(TrackedAlloc(kDecodeFrames * sizeof(int16_t), __FILE__, __LINE__));
    int got = 0;
    while ((got = stream.Read(piece, kDecodeFrames, 1)) > 0)
    {
        if (sound->length + uint32_t(got) * 2 > kMaxEffectBytes)
        {
            Log("Sound file '" + path + "' is too long for an effect. Only its first part plays.", 2);
            break;
        }
        sound->Append(piece, uint32_t(got));
    }
    TrackedFree(piece);
    if (got < 0)
        Log("Sound file '" + path + "' is damaged. Only its first part plays.", 2);
    if (sound->length == 0)
        Log("Sound file '" + path + "' holds no sound.", 2);
    return sound;
}

// ---- Music ----

void cSoundManager::PlayMusic(const cString& name, float volume, int kind, float fadeTime,
                              uint32_t startPosition)
{
    if (!device)
        return;
    cSoundChannel* music = GetMusicChannel();
    const cString path = AudioPath(name);
    if (kind == cSoundChannel::kTransitionStop)
    {
        if (!music->IsPlaying())
            return;
        music->transitionKind = kind;
        music->FadeTo(0.0f, fadeTime > 0.0f ? 1.0f / fadeTime : 0.0f);
        return;
    }
    // The piece already playing, or already on its way in, goes on undisturbed.
    const cString& current = music->transitionKind == cSoundChannel::kTransitionNone ? music->GetFileName()
                                                                                     : music->transitionFile;
    if (!current.IsEmpty() && current == path)
        return;
    if (kind != cSoundChannel::kTransitionSwitch && kind != cSoundChannel::kTransitionSwitchFadeIn)
    {
        music->transitionKind = cSoundChannel::kTransitionNone;
        StartMusicNow(path, volume, startPosition);
        return;
    }
    music->transitionKind = kind;
    music->transitionFile = path;
    music->transitionFade = fadeTime;
    music->transitionVolume = volume;
    music->transitionStart = startPosition;
    if (!music->IsPlaying())
    {
        StartPendingMusic();
        return;
    }
    music->FadeTo(0.0f, fadeTime > 0.0f ? 1.0f / fadeTime : 0.0f);
}

void cSoundManager::StartMusicNow(const cString& path, float volume, uint32_t startPosition)
{
    const cOggStream::eOpenResult opened = GetMusicChannel()->StartMusic(path, startPosition, volume);
    if (opened == cOggStream::kMissing)
        Log("Cannot open music file '" + path + "'.", 2);
    else if (opened == cOggStream::kNotVorbis)
        Log("Cannot read music file '" + path + "'. Not an Ogg Vorbis file.", 2);
}

void cSoundManager::StartPendingMusic()
{
    cSoundChannel* music = GetMusicChannel();
    const int kind = music->transitionKind;
    const cString path = music->transitionFile;
    music->transitionKind = cSoundChannel::kTransitionNone;
    music->transitionFile = cString();
    if (kind == cSoundChannel::kTransitionSwitch)
    {
        StartMusicNow(path, music->transitionVolume, music->transitionStart);
        return;
    }
    StartMusicNow(path, 0.0f, music->transitionStart);
    if (!music->IsPlaying())
        return;
    const float fade = music->transitionFade;
    music->FadeTo(music->transitionVolume, fade > 0.0f ? music->transitionVolume / fade : 0.0f);
}

void cSoundManager::UpdateTransition()
{
    cSoundChannel* music = GetMusicChannel();
    const int kind = music->transitionKind;
    if (kind == cSoundChannel::kTransitionNone || (music->IsFading() && music->IsPlaying()))
        return;
    if (kind == cSoundChannel::kTransitionStop)
    {
        music->Stop();
        return;
    }
    StartPendingMusic();
}

// ---- Volumes ----

void cSoundManager::SetSfxVolume(float volume)
{
    sfxVolume = volume;
    for (int i = kMusicChannel + 1; i < kChannelCount; ++i)
    {
        if (channels[i])
            channels[i]->SetMasterVolume(volume);
    }
}

void cSoundManager::SetMusicVolume(float volume)
{
    musicVolume = volume;
    if (channels[kMusicChannel])
        channels[kMusicChannel]->SetMasterVolume(volume * kMusicFactor);
}

float cSoundManager::GetSfxVolume() const
{
    return channels[1] ? channels[1]->GetMasterVolume() : sfxVolume;
}

float cSoundManager::GetMusicVolume() const
{
    return channels[kMusicChannel] ? channels[kMusicChannel]->GetMasterVolume() / kMusicFactor : musicVolume;
}

// ---- The tick ----

void cSoundManager::Update(float seconds)
{
    if (!device)
        return;
    device->Service(seconds);
    CheckDeviceLoss();
    UpdateTransition();
    for (cSoundChannel* channel : channels)
        channel->Update(seconds);
}

void cSoundManager::CheckDeviceLoss()
{
    const bool lost = device->IsLost();
    if (lost == deviceLost)
        return;
    deviceLost = lost;
    if (!lost)
    {
        Log("Sound device is back.", 0);
        return;
    }
    // Effects are moments: they are dropped rather than played late. The music waits.
    Log("Sound device lost. Effects are dropped until it comes back.", 2);
    for (int i = kMusicChannel + 1; i < kChannelCount; ++i)
        channels[i]->Stop();
}
