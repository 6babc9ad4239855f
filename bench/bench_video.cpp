// The video of the largest project (40 boards of 5 x 5, 1000 JPEG pictures of
// 320 x 240) at 1280 x 720, 1 s a pane, 25 frames a second, MP4, through the
// export's own path, beside
//  - the floor: the same libavcodec encoder with the same settings, fed frames
//    already scaled and converted (only the encoding and the writing are timed);
//  - the peer: the ffmpeg command line with its concat demuxer over the same
//    pictures and durations, scaled and padded into the frame, with its defaults.
#include "benchpictures.h"
#include "editor/animatic/animaticframe.h"
#include "editor/animatic/videoencoder.h"
#include "editor/animatic/videoexport.h"
#include "editor/model/project/projectrecord.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <QtConcurrent/QtConcurrentMap>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libswscale/swscale.h>
}

#include <cstdio>
#include <cstdlib>

using namespace editor;

namespace {

constexpr int kPanes = 1000;
constexpr int kFps = 25;
constexpr QSize kFrame(1280, 720);

[[noreturn]] void failed(const char* what) {
    std::fprintf(stderr, "bench_video: %s\n", what);
    std::exit(1);
}

// Encodes every pane's frame for one second into `out`; returns the seconds spent
// in the encoder and the muxer alone.
double runFloor(const ProjectRecord& project, const VideoOptions& options, const QString& out) {
    av_log_set_level(AV_LOG_ERROR);
    const VideoCodecSettings settings = videoCodecSettings(VideoOptions::FileType::Mp4);
    const AVCodec* codec = avcodec_find_encoder_by_name(settings.encoder);
    AVFormatContext* output = nullptr;
    avformat_alloc_output_context2(&output, nullptr, "mp4", nullptr);
    AVCodecContext* context = avcodec_alloc_context3(codec);
    context->width = kFrame.width();
    context->height = kFrame.height();
    context->pix_fmt = AV_PIX_FMT_YUV420P;
    context->time_base = {1, kFps};
    context->framerate = {kFps, 1};
    context->gop_size = kFps * 10;
    context->thread_count = 0;
    context->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
    AVDictionary* dictionary = nullptr;
    for (const auto& [key, value] : settings.options)
        av_dict_set(&dictionary, key, value, 0);
    if (avcodec_open2(context, codec, &dictionary) < 0)
        failed("the floor's encoder did not open");
    av_dict_free(&dictionary);
    AVStream* stream = avformat_new_stream(output, nullptr);
    stream->time_base = context->time_base;
    avcodec_parameters_from_context(stream->codecpar, context);
    if (avio_open(&output->pb, QFile::encodeName(out).constData(), AVIO_FLAG_WRITE) < 0 ||
        avformat_write_header(output, nullptr) < 0)
        failed("the floor's file did not open");
    SwsContext* scale =
        sws_getContext(kFrame.width(), kFrame.height(), AV_PIX_FMT_BGRA, kFrame.width(),
                       kFrame.height(), AV_PIX_FMT_YUV420P, SWS_BICUBIC, nullptr, nullptr, nullptr);
    AVPacket* packet = av_packet_alloc();
    QElapsedTimer timer;
    qint64 encoding = 0;
    const auto drain = [&] {
        while (avcodec_receive_packet(context, packet) == 0) {
            if (packet->duration == 0)
                packet->duration = 1;
            av_packet_rescale_ts(packet, context->time_base, stream->time_base);
            av_interleaved_write_frame(output, packet);
        }
    };
    qint64 pts = 0;
    for (int pane = 1; pane <= kPanes; ++pane) {
        const AnimaticShot shot{AnimaticShot::Kind::Pane, pane, 1.0, QString()};
        const QImage frame =
            drawAnimaticFrame(shot, animaticPicture(project.Panes[pane], kFrame, options.animatic),
                              kFrame, options.animatic);
        AVFrame* yuv = av_frame_alloc();
        yuv->format = AV_PIX_FMT_YUV420P;
        yuv->width = kFrame.width();
        yuv->height = kFrame.height();
        av_frame_get_buffer(yuv, 0);
        const uint8_t* source[] = {frame.constBits()};
        const int stride[] = {int(frame.bytesPerLine())};
        sws_scale(scale, source, stride, 0, frame.height(), yuv->data, yuv->linesize);
        timer.start();
        for (int i = 0; i < kFps; ++i) {
            AVFrame* repeat = av_frame_clone(yuv);
            repeat->pts = pts++;
            avcodec_send_frame(context, repeat);
            av_frame_free(&repeat);
            drain();
        }
        encoding += timer.nsecsElapsed();
        av_frame_free(&yuv);
    }
    timer.start();
    avcodec_send_frame(context, nullptr);
    drain();
    av_write_trailer(output);
    avio_closep(&output->pb);
    encoding += timer.nsecsElapsed();
    av_packet_free(&packet);
    sws_freeContext(scale);
    avcodec_free_context(&context);
    avformat_free_context(output);
    return encoding / 1e9;
}

double runPeer(const QStringList& pictures, const QString& list, const QString& out) {
    QFile file(list);
    if (!file.open(QIODevice::WriteOnly))
        failed("the peer's list was not written");
    for (const QString& picture : pictures)
        file.write(QStringLiteral("file '%1'\nduration 1\n").arg(picture).toUtf8());
    // The concat demuxer takes the last duration only with the file once more.
    file.write(QStringLiteral("file '%1'\n").arg(pictures.last()).toUtf8());
    file.close();
    QProcess ffmpeg;
    QElapsedTimer timer;
    timer.start();
    ffmpeg.start(QStringLiteral("ffmpeg"),
                 {"-v", "error", "-y", "-f", "concat", "-safe", "0", "-i", list, "-vf",
                  "scale=1280:720:force_original_aspect_ratio=decrease,"
                  "pad=1280:720:(ow-iw)/2:(oh-ih)/2,fps=25,format=yuv420p",
                  "-c:v", "libx264", "-an", out});
    if (!ffmpeg.waitForFinished(-1) || ffmpeg.exitCode() != 0)
        failed("the peer failed");
    return timer.nsecsElapsed() / 1e9;
}

} // namespace

int main(int argc, char** argv) {
    // Each line as it is known: a long run under load shows what it has measured.
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    QGuiApplication app(argc, argv);
    QTemporaryDir scratch;
    std::printf("Preparing %d JPEG pictures of 320 x 240 ...\n", kPanes);
    ProjectRecord project;
    project.GridSize = 5;
    project.BoardCount = 40;
    QStringList pictures;
    for (int pane = 1; pane <= kPanes; ++pane) {
        PaneRecord& record = project.Panes[pane];
        record.SourcePicture = scratch.filePath(QStringLiteral("Image%1.jpg").arg(pane));
        record.Label = QStringLiteral("Pane %1").arg(pane);
        record.Text = QStringLiteral("Scene %1: the camera follows the road.").arg(pane);
        pictures << record.SourcePicture;
    }
    QtConcurrent::blockingMap(pictures, [](const QString& file) {
        const int pane = QFileInfo(file).completeBaseName().mid(5).toInt();
        bench::photoLikePicture(pane, 240).scaled(320, 240).save(file, "JPEG", 90);
    });

    VideoOptions options;
    options.animatic.fixedSeconds = 1.0;
    options.animatic.lastBoard = 40;
    const QString video = scratch.filePath(QStringLiteral("boards.mp4"));
    QElapsedTimer timer;
    timer.start();
    if (exportVideo(project, options, video).result != VideoOutcome::Result::Done)
        failed("the video was not written");
    const double ours = timer.nsecsElapsed() / 1e9;
    const double floor = runFloor(project, options, scratch.filePath(QStringLiteral("floor.mp4")));
    const double peer = runPeer(pictures, scratch.filePath(QStringLiteral("list.txt")),
                                scratch.filePath(QStringLiteral("peer.mp4")));
    std::printf("Video of %d panes, 1 s each, 1280 x 720 at %d frames a second, MP4 (H.264 %s):\n",
                kPanes, kFps, videoCodecSettings(VideoOptions::FileType::Mp4).options[0].second);
    std::printf("  floor: the same encoder fed frames already scaled: %.2f s, %.1f MiB\n", floor,
                QFileInfo(scratch.filePath(QStringLiteral("floor.mp4"))).size() / 1048576.0);
    std::printf("  peer: ffmpeg's concat demuxer, its defaults: %.2f s, %.1f MiB\n", peer,
                QFileInfo(scratch.filePath(QStringLiteral("peer.mp4"))).size() / 1048576.0);
    std::printf("  ours: pictures, captions, subtitles: %.2f s, %.1f MiB\n", ours,
                QFileInfo(video).size() / 1048576.0);
    std::printf("  ours / floor = %.2f (goal at most 1.3), ours / peer = %.2f (goal at most 0.5)\n",
                ours / floor, ours / peer);
    return 0;
}
