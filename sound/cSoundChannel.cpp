// cSoundChannel: filling the buffer, refilling by halves as the play cursor moves, fades and attenuation.
#include "sound/cSoundChannel.h"

#include "platform/audio/cSoundBuffer.h"
#include "sound/cSoundData.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace
{
constexpr uint32_t kMusicFrameBytes = 4; // 16-bit stereo
}

cSoundChannel::cSoundChannel(cSoundBuffer* deviceBuffer, bool musicChannel)
    : buffer(deviceBuffer), isMusic(musicChannel)
{
    SendVolume();
}

cSoundChannel::~cSoundChannel()
{
    delete buffer;
}

int32_t cSoundChannel::Attenuation(float effective)
{
    // Anything not above zero, a bad number from a script among them, is the lowest volume.
    const float e = effective > 0.0f ? effective : 0.0f;
    const float hundredths = 100.0f - 100.0f * std::pow(100.0f, 1.0f - e);
    return int32_t(std::lround(std::clamp(hundredths, -10000.0f, 0.0f)));
}

// ---- Operations for everybody ----

void cSoundChannel::Stop()
{
    StopPlayback();
    fileName = cString();
    transitionKind = kTransitionNone;
}

void cSoundChannel::StopPlayback()
{
    if (buffer)
        buffer->Stop();
    playing = false;
    sound = nullptr;
    fadeSpeed = 0.0f;
    stream.Close();
    SendVolume();
}

void cSoundChannel::SetVolume(float newVolume)
{
    volume = targetVolume = newVolume;
    fadeSpeed = 0.0f;
    SendVolume();
}

void cSoundChannel::SetPan(float newPan)
{
    pan = std::isnan(newPan) ? 0.0f : std::clamp(newPan, -1.0f, 1.0f);
    if (buffer)
        buffer->SetPan(int32_t(std::lround(pan * 10000.0f)));
}

void cSoundChannel::SetPitch(float newPitch)
{
    pitch = newPitch;
    SendPitch();
}

void cSoundChannel::SetMasterVolume(float newMaster)
{
    masterVolume = newMaster;
    SendVolume();
}

bool cSoundChannel::IsPlaying() const
{
    return playing && buffer && buffer->IsPlaying();
}

void cSoundChannel::SendVolume()
{
    const int32_t hundredths = playing ? Attenuation(masterVolume * volume) : cSoundBuffer::kVolumeMin;
    if (!buffer || hundredths == sentVolume)
        return;
    buffer->SetVolume(hundredths);
    sentVolume = hundredths;
}

void cSoundChannel::SendPitch()
{
    if (!buffer)
        return;
    const double hertz = pitch > 0.0f ? double(pitch) * double(sampleRate) : 0.0;
    buffer->SetFrequency(uint32_t(
        std::clamp(hertz, double(cSoundBuffer::kFrequencyMin), double(cSoundBuffer::kFrequencyMax))));
}

// ---- Starting ----

void cSoundChannel::StartEffect(cSoundData* data, float newVolume, float newPan, float newPitch, bool loop)
{
    StopPlayback();
    if (!buffer || !data || data->length == 0)
        return;
    const uint32_t size = buffer->Size();
    void* whole = buffer->Lock(0, size);
    if (!whole)
        return;
    sound = data;
    readPosition = 0;
    looping = loop;
    FillEffect(static_cast<uint8_t*>(whole), size);
    buffer->Unlock();
    // Long effects and loops go on by halves; a short one-shot lies whole in the buffer.
    streaming = loop || data->length > size;
    lastRefilledHalf = 1;
    lastCursor = 0;
    playedBytes = 0;
    sampleRate = data->sampleRate;
    volume = targetVolume = newVolume;
    SetPan(newPan);
    SetPitch(newPitch);
    playing = true;
    buffer->Play(streaming);
    SendVolume();
}

cOggStream::eOpenResult cSoundChannel::StartMusic(const cString& path, uint32_t startByte, float newVolume)
{
    StopPlayback();
    if (!buffer)
        return cOggStream::kMissing;
    const cOggStream::eOpenResult opened = stream.Open(path.Text());
    if (opened != cOggStream::kOpened)
    {
        fileName = cString();
        return opened;
    }
    streamPosition = 0;
    const int64_t startFrame = startByte / kMusicFrameBytes;
    // A start beyond the piece begins it from the top.
    if (startFrame > 0 && stream.SeekFrame(startFrame))
        streamPosition = uint64_t(startFrame) * kMusicFrameBytes;
    const uint32_t size = buffer->Size();
    void* whole = buffer->Lock(0, size);
    if (!whole)
    {
        stream.Close();
        return cOggStream::kNotVorbis;
    }
    FillMusic(static_cast<uint8_t*>(whole), size);
    buffer->Unlock();
    fileName = path;
    looping = true;
    streaming = true;
    lastRefilledHalf = 1;
    lastCursor = 0;
    playedBytes = 0;
    sampleRate = uint32_t(stream.GetRate());
    volume = targetVolume = newVolume;
    fadeSpeed = 0.0f;
    SetPan(0.0f);
    SendPitch();
    playing = true;
    buffer->Play(true);
    SendVolume();
    return cOggStream::kOpened;
}

// ---- Filling ----

void cSoundChannel::FillEffect(uint8_t* target, uint32_t bytes)
{
    const uint32_t length = sound ? sound->length : 0;
    const uint8_t* source = sound ? reinterpret_cast<const uint8_t*>(sound->data) : nullptr;
    while (bytes > 0)
    {
        if (readPosition >= length)
        {
            if (!looping || length == 0)
            {
                std::memset(target, 0, bytes);
                return;
            }
            readPosition = 0;
        }
        const uint32_t piece = std::min(bytes, length - readPosition);
        std::memcpy(target, source + readPosition, piece);
        readPosition += piece;
        target += piece;
        bytes -= piece;
    }
}

void cSoundChannel::FillMusic(uint8_t* target, uint32_t bytes)
{
    int16_t* out = reinterpret_cast<int16_t*>(target);
    const int frames = int(bytes / kMusicFrameBytes);
    int done = 0;
    bool restartedEmpty = false;
    while (done < frames)
    {
        const int got = stream.Read(out + done * 2, frames - done, 2);
        if (got > 0)
        {
            done += got;
            streamPosition += uint64_t(got) * kMusicFrameBytes;
            restartedEmpty = false;
            continue;
        }
        // The end of the piece (or a damaged rest of it): music always starts over. A stream that
        // gives nothing right after starting over fills silence instead of spinning.
        if (restartedEmpty || !stream.SeekFrame(0))
            break;
        restartedEmpty = true;
        streamPosition = 0;
    }
    std::memset(out + done * 2, 0, size_t(frames - done) * kMusicFrameBytes);
}

// ---- Per frame ----

void cSoundChannel::Update(float seconds)
{
    if (!playing || !buffer)
        return;
    if (!buffer->IsPlaying())
    {
        // A one-shot buffer reached its end.
        StopPlayback();
        return;
    }
    TrackPlayedBytes();
    if (!isMusic && !looping && playedBytes >= sound->length)
    {
        StopPlayback();
        return;
    }
    if (streaming)
        RefillHalf();
    Fade(seconds);
    SendVolume();
}

void cSoundChannel::TrackPlayedBytes()
{
    const uint32_t size = buffer->Size();
    const uint32_t cursor = buffer->GetPlayCursor();
    playedBytes += (cursor + size - lastCursor) % size;
    lastCursor = cursor;
}

void cSoundChannel::RefillHalf()
{
    const uint32_t half = buffer->Size() / 2;
    const uint8_t cursorHalf = lastCursor >= half ? 1 : 0;
    if (cursorHalf != lastRefilledHalf)
        return;
    // The cursor has crossed into the half filled last: the other one has just been played.
    const uint8_t played = uint8_t(1 - lastRefilledHalf);
    void* region = buffer->Lock(played * half, half);
    if (!region)
        return;
    if (isMusic)
        FillMusic(static_cast<uint8_t*>(region), half);
    else
        FillEffect(static_cast<uint8_t*>(region), half);
    buffer->Unlock();
    lastRefilledHalf = played;
}

void cSoundChannel::FadeTo(float target, float speed)
{
    targetVolume = target;
    if (speed <= 0.0f)
    {
        volume = target;
        fadeSpeed = 0.0f;
    }
    else
    {
        fadeSpeed = speed;
    }
    SendVolume();
}

void cSoundChannel::Fade(float seconds)
{
    if (fadeSpeed <= 0.0f)
        return;
    const float step = fadeSpeed * seconds;
    if (std::fabs(targetVolume - volume) <= step)
    {
        volume = targetVolume;
        fadeSpeed = 0.0f;
        return;
    }
    volume += targetVolume > volume ? step : -step;
}
