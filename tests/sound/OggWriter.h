// Writes small Ogg Vorbis files for sound tests and benchmarks, with libvorbisenc.
#pragma once

#include <vorbis/vorbisenc.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

// The sample of a channel at a frame, -1..1.
using SampleFunction = std::function<float(int64_t frame, int channel)>;

inline float Tone(int64_t frame, float hertz, float amplitude, int rate = 44100)
{
    return amplitude * std::sin(6.2831853f * hertz * float(frame) / float(rate));
}

// Encodes frames of channels at rate into path; false when the file cannot be written.
inline bool WriteOgg(const std::string& path, int channels, int rate, int64_t frames,
                     const SampleFunction& sample)
{
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file)
        return false;
    vorbis_info info;
    vorbis_info_init(&info);
    if (vorbis_encode_init_vbr(&info, channels, rate, 0.4f) != 0)
    {
        std::fclose(file);
        return false;
    }
    vorbis_comment comment;
    vorbis_comment_init(&comment);
    vorbis_dsp_state dsp;
    vorbis_analysis_init(&dsp, &info);
    vorbis_block block;
    vorbis_block_init(&dsp, &block);
    ogg_stream_state stream;
    ogg_stream_init(&stream, 1);
    ogg_page page;
    ogg_packet packet;

    ogg_packet header, commentHeader, codeHeader;
    vorbis_analysis_headerout(&dsp, &comment, &header, &commentHeader, &codeHeader);
    ogg_stream_packetin(&stream, &header);
    ogg_stream_packetin(&stream, &commentHeader);
    ogg_stream_packetin(&stream, &codeHeader);
    while (ogg_stream_flush(&stream, &page))
    {
        std::fwrite(page.header, 1, size_t(page.header_len), file);
        std::fwrite(page.body, 1, size_t(page.body_len), file);
    }

    const auto drain = [&]()
    {
        while (vorbis_analysis_blockout(&dsp, &block) == 1)
        {
            vorbis_analysis(&block, nullptr);
            vorbis_bitrate_addblock(&block);
            while (vorbis_bitrate_flushpacket(&dsp, &packet))
            {
                ogg_stream_packetin(&stream, &packet);
                while (ogg_stream_pageout(&stream, &page))
                {
                    std::fwrite(page.header, 1, size_t(page.header_len), file);
                    std::fwrite(page.body, 1, size_t(page.body_len), file);
                }
            }
        }
    };
    const int64_t chunk = 4096;
    for (int64_t start = 0; start < frames; start += chunk)
    {
        const int count = int(std::min(chunk, frames - start));
        float** buffers = vorbis_analysis_buffer(&dsp, count);
        for (int c = 0; c < channels; ++c)
        {
            for (int i = 0; i < count; ++i)
                buffers[c][i] = sample(start + i, c);
        }
        vorbis_analysis_wrote(&dsp, count);
        drain();
    }
    vorbis_analysis_wrote(&dsp, 0);
    drain();
    while (ogg_stream_flush(&stream, &page))
    {
        std::fwrite(page.header, 1, size_t(page.header_len), file);
        std::fwrite(page.body, 1, size_t(page.body_len), file);
    }
    ogg_stream_clear(&stream);
    vorbis_block_clear(&block);
    vorbis_dsp_clear(&dsp);
    vorbis_comment_clear(&comment);
    vorbis_info_clear(&info);
    return std::fclose(file) == 0;
}
