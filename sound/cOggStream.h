// cOggStream: an Ogg Vorbis file read through vorbisfile as 16-bit frames.
#pragma once

#include <cstdint>
#include <cstdio>

struct OggVorbis_File;

// The frames come in the channel count the caller needs.
class cOggStream
{
public:
    enum eOpenResult
    {
        kOpened,
        kMissing,  // the file cannot be opened
        kNotVorbis // not a readable Ogg Vorbis stream
    };

    cOggStream() = default;
    ~cOggStream();
    cOggStream(const cOggStream&) = delete;
    cOggStream& operator=(const cOggStream&) = delete;

    eOpenResult Open(const char* path);
    void Close();
    bool IsOpen() const { return file != nullptr; }

    int GetChannels() const { return channels; }
    int GetRate() const { return rate; }
    // Frames in the whole stream, or -1 when the stream does not say.
    int64_t GetTotalFrames() const;

    // Moves to a frame; false (and the position unchanged) when the stream cannot go there.
    bool SeekFrame(int64_t frame);
    // Reads up to frames frames of 16-bit samples with outChannels (1 or 2) each: mono is copied to
    // both sides, stereo is averaged to mono, more channels are averaged to mono first. Returns the
    // frames read, 0 at the end, -1 when the stream is damaged beyond this point.
    int Read(int16_t* out, int frames, int outChannels);

private:
    static constexpr int kReadChunkBytes = 4096;

    int ReadSome(int16_t* out, int frames, int outChannels);

    OggVorbis_File* file = nullptr;
    int channels = 0;
    int rate = 0;
};
