#include "editor/animatic/videoencoder.h"

#include <QCoreApplication>
#include <QIODevice>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/error.h>
#include <libavutil/log.h>
#include <libavutil/opt.h>
#include <libswscale/swscale.h>
}

#include <algorithm>
#include <cstring>

namespace editor {
namespace {

constexpr int kIoBufferSize = 64 * 1024;
constexpr qint64 kAudioBitRate = 160000;

// The subtitle encoders read their style from an ASS header.
const char kSubtitleHeader[] = "[Script Info]\r\n"
                               "ScriptType: v4.00+\r\n"
                               "PlayResX: 384\r\n"
                               "PlayResY: 288\r\n"
                               "\r\n"
                               "[V4+ Styles]\r\n"
                               "Format: Name, Fontname, Fontsize, PrimaryColour, SecondaryColour, "
                               "OutlineColour, BackColour, Bold, Italic, Underline, StrikeOut, "
                               "ScaleX, ScaleY, Spacing, Angle, BorderStyle, Outline, Shadow, "
                               "Alignment, MarginL, MarginR, MarginV, Encoding\r\n"
                               "Style: Default,DejaVu Sans,16,&Hffffff,&Hffffff,&H0,&H0,0,0,0,0,"
                               "100,100,0,0,1,1,0,2,10,10,10,0\r\n"
                               "\r\n"
                               "[Events]\r\n"
                               "Format: Layer, Start, End, Style, Name, MarginL, MarginR, MarginV, "
                               "Effect, Text\r\n";

QString avError(int code) {
    char text[AV_ERROR_MAX_STRING_SIZE] = {};
    av_strerror(code, text, sizeof text);
    return QString::fromUtf8(text);
}

int writeToDevice(void* opaque, uint8_t* data, int size) {
    auto* device = static_cast<QIODevice*>(opaque);
    return device->write(reinterpret_cast<const char*>(data), size) == size ? size : AVERROR(EIO);
}

int64_t seekDevice(void* opaque, int64_t offset, int whence) {
    auto* device = static_cast<QIODevice*>(opaque);
    if (whence & AVSEEK_SIZE)
        return device->size();
    qint64 position = offset;
    switch (whence & ~AVSEEK_FORCE) {
    case SEEK_CUR:
        position += device->pos();
        break;
    case SEEK_END:
        position += device->size();
        break;
    default:
        break;
    }
    return device->seek(position) ? position : AVERROR(EIO);
}

struct CodecContextDeleter {
    void operator()(AVCodecContext* context) const { avcodec_free_context(&context); }
};
using CodecContext = std::unique_ptr<AVCodecContext, CodecContextDeleter>;
struct FrameDeleter {
    void operator()(AVFrame* frame) const { av_frame_free(&frame); }
};
using Frame = std::unique_ptr<AVFrame, FrameDeleter>;

class FfmpegEncoder final : public VideoEncoder {
public:
    FfmpegEncoder(QIODevice& device, const VideoFormat& format)
        : m_device(device), m_format(format) {}
    ~FfmpegEncoder() override;

    bool start();
    bool addFrames(const QImage& frame, qint64 count) override;
    bool addSubtitle(qint64 startFrame, qint64 endFrame, const QString& text) override;
    bool addAudio(const float* samples, qint64 sampleFrames) override;
    bool finish() override;
    QString error() const override { return m_error; }

private:
    bool fail(const QString& what, int code = 0);
    AVStream* addStream(CodecContext& context);
    bool openVideo();
    bool openAudio();
    bool openSubtitles();
    // Sends `frame` (null drains) and writes every packet the encoder gives back.
    bool encode(AVCodecContext* context, AVStream* stream, const AVFrame* frame);
    bool writePacket(AVPacket* packet, AVCodecContext* context, AVStream* stream);
    bool sendAudio(int sampleFrames);

    QIODevice& m_device;
    VideoFormat m_format;
    QString m_error;
    bool m_failed = false;
    AVFormatContext* m_output = nullptr;
    AVIOContext* m_io = nullptr;
    CodecContext m_video;
    CodecContext m_audio;
    CodecContext m_subtitles;
    AVStream* m_videoStream = nullptr;
    AVStream* m_audioStream = nullptr;
    AVStream* m_subtitleStream = nullptr;
    SwsContext* m_scale = nullptr;
    qint64 m_nextVideoPts = 0;
    qint64 m_nextAudioPts = 0;
    std::vector<float> m_pendingAudio;
    bool m_headerWritten = false;
};

FfmpegEncoder::~FfmpegEncoder() {
    sws_freeContext(m_scale);
    if (m_output)
        avformat_free_context(m_output);
    if (m_io) {
        av_freep(&m_io->buffer);
        avio_context_free(&m_io);
    }
}

bool FfmpegEncoder::fail(const QString& what, int code) {
    if (!m_failed) {
        m_failed = true;
        m_error = code == 0 ? what : QStringLiteral("%1 (%2)").arg(what, avError(code));
        if (m_device.errorString().size() && code == AVERROR(EIO))
            m_error = QStringLiteral("%1 (%2)").arg(what, m_device.errorString());
    }
    return false;
}

AVStream* FfmpegEncoder::addStream(CodecContext& context) {
    if (m_output->oformat->flags & AVFMT_GLOBALHEADER)
        context->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
    AVStream* stream = avformat_new_stream(m_output, nullptr);
    if (stream) {
        stream->time_base = context->time_base;
        avcodec_parameters_from_context(stream->codecpar, context.get());
    }
    return stream;
}

bool FfmpegEncoder::openVideo() {
    const VideoCodecSettings settings = videoCodecSettings(m_format.fileType);
    const AVCodec* codec = avcodec_find_encoder_by_name(settings.encoder);
    if (!codec)
        return fail(QCoreApplication::translate("VideoEncoder", "The encoder %1 is missing.")
                        .arg(QString::fromLatin1(settings.encoder)));
    m_video.reset(avcodec_alloc_context3(codec));
    m_video->width = m_format.frameSize.width();
    m_video->height = m_format.frameSize.height();
    m_video->pix_fmt = AV_PIX_FMT_YUV420P;
    m_video->time_base = AVRational{1, m_format.framesPerSecond};
    m_video->framerate = AVRational{m_format.framesPerSecond, 1};
    m_video->gop_size = m_format.framesPerSecond * 10;
    m_video->thread_count = 0; // every core
    AVDictionary* options = nullptr;
    for (const auto& [key, value] : settings.options)
        av_dict_set(&options, key, value, 0);
    if (m_output->oformat->flags & AVFMT_GLOBALHEADER)
        m_video->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
    const int opened = avcodec_open2(m_video.get(), codec, &options);
    av_dict_free(&options);
    if (opened < 0)
        return fail(QCoreApplication::translate("VideoEncoder", "The video encoder did not start."),
                    opened);
    m_videoStream = addStream(m_video);
    m_scale =
        sws_getContext(m_video->width, m_video->height, AV_PIX_FMT_BGRA, m_video->width,
                       m_video->height, AV_PIX_FMT_YUV420P, SWS_BICUBIC, nullptr, nullptr, nullptr);
    return m_videoStream && m_scale;
}

bool FfmpegEncoder::openAudio() {
    const bool mp4 = m_format.fileType == VideoOptions::FileType::Mp4;
    const AVCodec* codec = avcodec_find_encoder_by_name(mp4 ? "aac" : "libopus");
    if (!codec)
        return fail(QCoreApplication::translate("VideoEncoder", "The sound encoder is missing."));
    m_audio.reset(avcodec_alloc_context3(codec));
    m_audio->sample_rate = kVideoSampleRate;
    m_audio->sample_fmt = mp4 ? AV_SAMPLE_FMT_FLTP : AV_SAMPLE_FMT_FLT;
    av_channel_layout_default(&m_audio->ch_layout, kVideoChannels);
    m_audio->bit_rate = kAudioBitRate;
    m_audio->time_base = AVRational{1, kVideoSampleRate};
    if (m_output->oformat->flags & AVFMT_GLOBALHEADER)
        m_audio->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
    if (const int opened = avcodec_open2(m_audio.get(), codec, nullptr); opened < 0)
        return fail(QCoreApplication::translate("VideoEncoder", "The sound encoder did not start."),
                    opened);
    m_audioStream = addStream(m_audio);
    return m_audioStream != nullptr;
}

bool FfmpegEncoder::openSubtitles() {
    const bool mp4 = m_format.fileType == VideoOptions::FileType::Mp4;
    const AVCodec* codec = avcodec_find_encoder_by_name(mp4 ? "mov_text" : "webvtt");
    if (!codec)
        return fail(
            QCoreApplication::translate("VideoEncoder", "The subtitle encoder is missing."));
    m_subtitles.reset(avcodec_alloc_context3(codec));
    m_subtitles->time_base = AVRational{1, 1000};
    m_subtitles->subtitle_header = static_cast<uint8_t*>(av_malloc(sizeof kSubtitleHeader));
    std::memcpy(m_subtitles->subtitle_header, kSubtitleHeader, sizeof kSubtitleHeader);
    m_subtitles->subtitle_header_size = sizeof kSubtitleHeader - 1;
    if (const int opened = avcodec_open2(m_subtitles.get(), codec, nullptr); opened < 0)
        return fail(
            QCoreApplication::translate("VideoEncoder", "The subtitle encoder did not start."),
            opened);
    m_subtitleStream = addStream(m_subtitles);
    return m_subtitleStream != nullptr;
}

bool FfmpegEncoder::start() {
    const char* container = m_format.fileType == VideoOptions::FileType::Mp4 ? "mp4" : "webm";
    if (const int made = avformat_alloc_output_context2(&m_output, nullptr, container, nullptr);
        made < 0)
        return fail(QStringLiteral("avformat"), made);
    auto* buffer = static_cast<unsigned char*>(av_malloc(kIoBufferSize));
    m_io = avio_alloc_context(buffer, kIoBufferSize, 1, &m_device, nullptr, &writeToDevice,
                              m_device.isSequential() ? nullptr : &seekDevice);
    if (!m_io) {
        av_free(buffer);
        return fail(QStringLiteral("avio"), AVERROR(ENOMEM));
    }
    m_io->seekable = m_device.isSequential() ? 0 : AVIO_SEEKABLE_NORMAL;
    m_output->pb = m_io;
    m_output->flags |= AVFMT_FLAG_CUSTOM_IO;
    if (!openVideo() || (m_format.audio && !openAudio()) ||
        (m_format.subtitles && !openSubtitles()))
        return fail(QCoreApplication::translate("VideoEncoder", "The encoders did not start."));
    if (const int written = avformat_write_header(m_output, nullptr); written < 0)
        return fail(QCoreApplication::translate("VideoEncoder", "The file's header failed."),
                    written);
    m_headerWritten = true;
    return true;
}

bool FfmpegEncoder::writePacket(AVPacket* packet, AVCodecContext* context, AVStream* stream) {
    // Every picture lasts one frame; without it MP4 drops the last one from its edit list.
    if (context == m_video.get() && packet->duration == 0)
        packet->duration = 1;
    av_packet_rescale_ts(packet, context->time_base, stream->time_base);
    packet->stream_index = stream->index;
    if (const int written = av_interleaved_write_frame(m_output, packet); written < 0)
        return fail(QCoreApplication::translate("VideoEncoder", "Writing the file failed."),
                    written);
    if (m_io->error < 0)
        return fail(QCoreApplication::translate("VideoEncoder", "Writing the file failed."),
                    m_io->error);
    return true;
}

bool FfmpegEncoder::encode(AVCodecContext* context, AVStream* stream, const AVFrame* frame) {
    if (const int sent = avcodec_send_frame(context, frame); sent < 0)
        return fail(QCoreApplication::translate("VideoEncoder", "Encoding failed."), sent);
    AVPacket* packet = av_packet_alloc();
    bool ok = true;
    for (;;) {
        const int received = avcodec_receive_packet(context, packet);
        if (received == AVERROR(EAGAIN) || received == AVERROR_EOF)
            break;
        if (received < 0) {
            ok = fail(QCoreApplication::translate("VideoEncoder", "Encoding failed."), received);
            break;
        }
        if (!writePacket(packet, context, stream)) {
            ok = false;
            break;
        }
    }
    av_packet_free(&packet);
    return ok;
}

bool FfmpegEncoder::addFrames(const QImage& image, qint64 count) {
    if (m_failed)
        return false;
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    if (rgb.size() != m_format.frameSize)
        return fail(QStringLiteral("frame size"));
    Frame converted(av_frame_alloc());
    converted->format = AV_PIX_FMT_YUV420P;
    converted->width = m_video->width;
    converted->height = m_video->height;
    if (const int got = av_frame_get_buffer(converted.get(), 0); got < 0)
        return fail(QStringLiteral("frame"), got);
    const uint8_t* source[] = {rgb.constBits()};
    const int stride[] = {static_cast<int>(rgb.bytesPerLine())};
    sws_scale(m_scale, source, stride, 0, rgb.height(), converted->data, converted->linesize);
    for (qint64 i = 0; i < count; ++i) {
        // Each repeat shares the converted pixels, which nothing writes again.
        Frame repeat(av_frame_clone(converted.get()));
        if (!repeat)
            return fail(QStringLiteral("frame"), AVERROR(ENOMEM));
        repeat->pts = m_nextVideoPts++;
        if (!encode(m_video.get(), m_videoStream, repeat.get()))
            return false;
    }
    return true;
}

bool FfmpegEncoder::addSubtitle(qint64 startFrame, qint64 endFrame, const QString& text) {
    if (m_failed)
        return false;
    if (!m_subtitles || text.isEmpty() || endFrame <= startFrame)
        return true;
    const auto milliseconds = [this](qint64 frame) {
        return frame * 1000 / m_format.framesPerSecond;
    };
    QByteArray dialogue = QByteArrayLiteral("0,0,Default,,0,0,0,,") +
                          QString(text).replace(QLatin1Char('\n'), QStringLiteral("\\N")).toUtf8();
    AVSubtitleRect rect{};
    rect.type = SUBTITLE_ASS;
    rect.ass = dialogue.data();
    AVSubtitleRect* rects[] = {&rect};
    AVSubtitle subtitle{};
    subtitle.num_rects = 1;
    subtitle.rects = rects;
    subtitle.pts = av_rescale_q(startFrame, m_video->time_base, AV_TIME_BASE_Q);
    subtitle.end_display_time =
        static_cast<uint32_t>(milliseconds(endFrame) - milliseconds(startFrame));
    std::vector<uint8_t> buffer(dialogue.size() * 4 + 1024);
    const int size = avcodec_encode_subtitle(m_subtitles.get(), buffer.data(),
                                             static_cast<int>(buffer.size()), &subtitle);
    if (size < 0)
        return fail(QCoreApplication::translate("VideoEncoder", "Encoding a subtitle failed."),
                    size);
    AVPacket* packet = av_packet_alloc();
    if (const int made = av_new_packet(packet, size); made < 0) {
        av_packet_free(&packet);
        return fail(QStringLiteral("packet"), made);
    }
    std::memcpy(packet->data, buffer.data(), size);
    packet->pts = packet->dts = milliseconds(startFrame);
    packet->duration = milliseconds(endFrame) - milliseconds(startFrame);
    const bool ok = writePacket(packet, m_subtitles.get(), m_subtitleStream);
    av_packet_free(&packet);
    return ok;
}

bool FfmpegEncoder::sendAudio(int sampleFrames) {
    Frame frame(av_frame_alloc());
    frame->nb_samples = sampleFrames;
    frame->format = m_audio->sample_fmt;
    frame->sample_rate = m_audio->sample_rate;
    av_channel_layout_copy(&frame->ch_layout, &m_audio->ch_layout);
    if (const int got = av_frame_get_buffer(frame.get(), 0); got < 0)
        return fail(QStringLiteral("frame"), got);
    const float* samples = m_pendingAudio.data();
    if (m_audio->sample_fmt == AV_SAMPLE_FMT_FLT) {
        std::memcpy(frame->data[0], samples, sampleFrames * kVideoChannels * sizeof(float));
    } else {
        for (int c = 0; c < kVideoChannels; ++c) {
            auto* plane = reinterpret_cast<float*>(frame->data[c]);
            for (int i = 0; i < sampleFrames; ++i)
                plane[i] = samples[i * kVideoChannels + c];
        }
    }
    m_pendingAudio.erase(m_pendingAudio.begin(),
                         m_pendingAudio.begin() + sampleFrames * kVideoChannels);
    frame->pts = m_nextAudioPts;
    m_nextAudioPts += sampleFrames;
    return encode(m_audio.get(), m_audioStream, frame.get());
}

bool FfmpegEncoder::addAudio(const float* samples, qint64 sampleFrames) {
    if (m_failed)
        return false;
    if (!m_audio)
        return true;
    m_pendingAudio.insert(m_pendingAudio.end(), samples, samples + sampleFrames * kVideoChannels);
    const int chunk = m_audio->frame_size > 0 ? m_audio->frame_size : 1024;
    while (m_pendingAudio.size() >= static_cast<size_t>(chunk * kVideoChannels))
        if (!sendAudio(chunk))
            return false;
    return true;
}

bool FfmpegEncoder::finish() {
    if (m_failed)
        return false;
    if (m_audio && !m_pendingAudio.empty() &&
        !sendAudio(static_cast<int>(m_pendingAudio.size() / kVideoChannels)))
        return false;
    if (!encode(m_video.get(), m_videoStream, nullptr))
        return false;
    if (m_audio && !encode(m_audio.get(), m_audioStream, nullptr))
        return false;
    if (const int ended = av_write_trailer(m_output); ended < 0)
        return fail(QCoreApplication::translate("VideoEncoder", "Ending the file failed."), ended);
    avio_flush(m_io);
    if (m_io->error < 0)
        return fail(QCoreApplication::translate("VideoEncoder", "Writing the file failed."),
                    m_io->error);
    return true;
}

} // namespace

VideoCodecSettings videoCodecSettings(VideoOptions::FileType fileType) {
    // Pictures that stand still for seconds compress to almost nothing, so the
    // fast presets lose little and halve the time.
    if (fileType == VideoOptions::FileType::Mp4)
        return {"libx264", {{"preset", "superfast"}, {"crf", "23"}, {"tune", "stillimage"}}};
    return {"libvpx-vp9",
            {{"deadline", "good"}, {"cpu-used", "5"}, {"row-mt", "1"}, {"crf", "32"}, {"b", "0"}}};
}

std::unique_ptr<VideoEncoder> VideoEncoder::open(QIODevice& device, const VideoFormat& format,
                                                 QString* error) {
    av_log_set_level(AV_LOG_ERROR);
    auto encoder = std::make_unique<FfmpegEncoder>(device, format);
    if (!encoder->start()) {
        if (error)
            *error = encoder->error();
        return nullptr;
    }
    return encoder;
}

} // namespace editor
