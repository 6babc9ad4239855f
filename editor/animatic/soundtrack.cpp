#include "editor/animatic/soundtrack.h"

#include "editor/animatic/videoencoder.h"

#include <QCoreApplication>
#include <QFile>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/error.h>
#include <libswresample/swresample.h>
}

#include <algorithm>
#include <deque>

namespace editor {
namespace {

QString avError(int code) {
    char text[AV_ERROR_MAX_STRING_SIZE] = {};
    av_strerror(code, text, sizeof text);
    return QString::fromUtf8(text);
}

class FfmpegSoundtrack final : public Soundtrack {
public:
    explicit FfmpegSoundtrack(qint64 totalSampleFrames) : m_total(totalSampleFrames) {}
    ~FfmpegSoundtrack() override {
        swr_free(&m_resample);
        av_frame_free(&m_frame);
        av_packet_free(&m_packet);
        avcodec_free_context(&m_decoder);
        avformat_close_input(&m_input);
    }

    QString open(const QString& fileName);
    void read(float* out, qint64 sampleFrames) override;

private:
    // Decodes on until `sampleFrames` wait or the file ends; a damaged packet is skipped.
    void fill(qint64 sampleFrames);
    void convert(const AVFrame* frame);

    qint64 m_total;
    qint64 m_position = 0;
    bool m_ended = false;
    AVFormatContext* m_input = nullptr;
    AVCodecContext* m_decoder = nullptr;
    SwrContext* m_resample = nullptr;
    AVPacket* m_packet = nullptr;
    AVFrame* m_frame = nullptr;
    int m_stream = -1;
    std::deque<float> m_ready;
};

QString FfmpegSoundtrack::open(const QString& fileName) {
    const QByteArray path = QFile::encodeName(fileName);
    if (const int opened = avformat_open_input(&m_input, path.constData(), nullptr, nullptr);
        opened < 0)
        return avError(opened);
    if (const int found = avformat_find_stream_info(m_input, nullptr); found < 0)
        return avError(found);
    const AVCodec* codec = nullptr;
    m_stream = av_find_best_stream(m_input, AVMEDIA_TYPE_AUDIO, -1, -1, &codec, 0);
    if (m_stream < 0 || !codec)
        return QCoreApplication::translate("Soundtrack", "The file holds no sound.");
    m_decoder = avcodec_alloc_context3(codec);
    avcodec_parameters_to_context(m_decoder, m_input->streams[m_stream]->codecpar);
    if (const int started = avcodec_open2(m_decoder, codec, nullptr); started < 0)
        return avError(started);
    if (m_decoder->ch_layout.order == AV_CHANNEL_ORDER_UNSPEC)
        av_channel_layout_default(&m_decoder->ch_layout, m_decoder->ch_layout.nb_channels);
    AVChannelLayout stereo;
    av_channel_layout_default(&stereo, kVideoChannels);
    if (const int made = swr_alloc_set_opts2(
            &m_resample, &stereo, AV_SAMPLE_FMT_FLT, kVideoSampleRate, &m_decoder->ch_layout,
            m_decoder->sample_fmt, m_decoder->sample_rate, 0, nullptr);
        made < 0 || swr_init(m_resample) < 0)
        return QCoreApplication::translate("Soundtrack", "The sound cannot be converted.");
    m_packet = av_packet_alloc();
    m_frame = av_frame_alloc();
    return {};
}

void FfmpegSoundtrack::convert(const AVFrame* frame) {
    const int room = swr_get_out_samples(m_resample, frame ? frame->nb_samples : 0);
    if (room <= 0)
        return;
    std::vector<float> out(static_cast<size_t>(room) * kVideoChannels);
    auto* target = reinterpret_cast<uint8_t*>(out.data());
    const int made =
        swr_convert(m_resample, &target, room,
                    frame ? const_cast<const uint8_t**>(frame->extended_data) : nullptr,
                    frame ? frame->nb_samples : 0);
    if (made > 0)
        m_ready.insert(m_ready.end(), out.begin(), out.begin() + made * kVideoChannels);
}

void FfmpegSoundtrack::fill(qint64 sampleFrames) {
    while (!m_ended && static_cast<qint64>(m_ready.size()) < sampleFrames * kVideoChannels) {
        const int got = av_read_frame(m_input, m_packet);
        if (got >= 0 && m_packet->stream_index != m_stream) {
            av_packet_unref(m_packet);
            continue;
        }
        avcodec_send_packet(m_decoder, got >= 0 ? m_packet : nullptr);
        av_packet_unref(m_packet);
        while (avcodec_receive_frame(m_decoder, m_frame) >= 0) {
            convert(m_frame);
            av_frame_unref(m_frame);
        }
        if (got < 0) {
            convert(nullptr);
            m_ended = true;
        }
    }
}

void FfmpegSoundtrack::read(float* out, qint64 sampleFrames) {
    fill(sampleFrames);
    const qint64 fadeFrom = std::max<qint64>(0, m_total - kVideoSampleRate);
    for (qint64 i = 0; i < sampleFrames; ++i, ++m_position) {
        // The last second fades out, whether the sound is cut there or has ended.
        const float gain = m_position < fadeFrom ? 1.0f
                                                 : std::max<float>(0, m_total - m_position) /
                                                       std::max<qint64>(1, m_total - fadeFrom);
        for (int c = 0; c < kVideoChannels; ++c) {
            float sample = 0;
            if (!m_ready.empty()) {
                sample = m_ready.front();
                m_ready.pop_front();
            }
            out[i * kVideoChannels + c] = sample * gain;
        }
    }
}

} // namespace

std::unique_ptr<Soundtrack> Soundtrack::open(const QString& fileName, qint64 totalSampleFrames,
                                             QString* error) {
    auto soundtrack = std::make_unique<FfmpegSoundtrack>(totalSampleFrames);
    if (const QString failure = soundtrack->open(fileName); !failure.isEmpty()) {
        if (error)
            *error = failure;
        return nullptr;
    }
    return soundtrack;
}

} // namespace editor
