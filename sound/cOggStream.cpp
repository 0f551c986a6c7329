// cOggStream: vorbisfile on a C file opened "rb", with channel conversion of the decoded frames.
#include "sound/cOggStream.h"

#include <vorbis/vorbisfile.h>

#include <algorithm>

cOggStream::~cOggStream()
{
    Close();
}

cOggStream::eOpenResult cOggStream::Open(const char* path)
{
    Close();
    std::FILE* handle = std::fopen(path, "rb");
    if (!handle)
        return kMissing;
    OggVorbis_File* opened = new OggVorbis_File;
    // vorbisfile owns the handle from here on when it succeeds.
    if (ov_open_callbacks(handle, opened, nullptr, 0, OV_CALLBACKS_DEFAULT) != 0)
    {
        std::fclose(handle);
        delete opened;
        return kNotVorbis;
    }
    const vorbis_info* info = ov_info(opened, -1);
    if (!info || info->channels < 1 || info->rate < 1)
    {
        ov_clear(opened);
        delete opened;
        return kNotVorbis;
    }
    file = opened;
    channels = info->channels;
    rate = int(info->rate);
    return kOpened;
}

void cOggStream::Close()
{
    if (!file)
        return;
    ov_clear(file);
    delete file;
    file = nullptr;
    channels = 0;
    rate = 0;
}

int64_t cOggStream::GetTotalFrames() const
{
    if (!file)
        return -1;
    const ogg_int64_t total = ov_pcm_total(file, -1);
    return total < 0 ? -1 : int64_t(total);
}

bool cOggStream::SeekFrame(int64_t frame)
{
    if (!file || frame < 0)
        return false;
    const int64_t total = GetTotalFrames();
    if (total >= 0 && frame > total)
        return false;
    return ov_pcm_seek(file, frame) == 0;
}

int cOggStream::Read(int16_t* out, int frames, int outChannels)
{
    if (!file || frames <= 0)
        return file ? 0 : -1;
    int done = 0;
    int holes = 0;
    while (done < frames)
    {
        const int got = ReadSome(out + done * outChannels, frames - done, outChannels);
        if (got == OV_HOLE && ++holes < 16)
            continue; // a gap in the data: the stream goes on after it
        if (got < 0)
            return done > 0 ? done : -1;
        if (got == 0)
            break;
        done += got;
    }
    return done;
}

int cOggStream::ReadSome(int16_t* out, int frames, int outChannels)
{
    int16_t decoded[kReadChunkBytes / 2];
    const int frameBytes = channels * 2;
    const int maxFrames = std::min(frames, kReadChunkBytes / frameBytes);
    if (maxFrames <= 0)
        return -1;
    int section = 0;
    const long bytes =
        ov_read(file, reinterpret_cast<char*>(decoded), maxFrames * frameBytes, 0, 2, 1, &section);
    if (bytes < 0)
        return int(bytes);
    // A chained stream may change its channel count from one link to the next.
    const vorbis_info* info = ov_info(file, section);
    if (info && info->channels > 0 && info->channels != channels)
        channels = info->channels;
    const int got = std::min(frames, int(bytes) / (channels * 2));
    for (int i = 0; i < got; ++i)
    {
        const int16_t* in = decoded + i * channels;
        if (channels == outChannels)
        {
            std::copy(in, in + channels, out + i * outChannels);
            continue;
        }
        int sum = 0;
        for (int c = 0; c < channels; ++c)
            sum += in[c];
        const int16_t mono = int16_t(sum / channels);
        for (int c = 0; c < outChannels; ++c)
            out[i * outChannels + c] = mono;
    }
    return got;
}
