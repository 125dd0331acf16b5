#include "render/VideoEncoder.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/channel_layout.h>
#include <libavutil/error.h>
#include <libavutil/log.h>
#include <libavutil/opt.h>
#include <libswscale/swscale.h>
}

#include <cstdio>
#include <cstring>

namespace {

void describe(char* message, size_t size, const char* what, int error) {
    char reason[AV_ERROR_MAX_STRING_SIZE] = "";
    av_strerror(error, reason, sizeof reason);
    std::snprintf(message, size, "%s: %s", what, reason);
}

bool holdsH264AndAac(const AVOutputFormat* container) {
    // 1 is a definite yes; 0 is no, and below 0 the muxer cannot tell.
    return container &&
           avformat_query_codec(container, AV_CODEC_ID_H264, FF_COMPLIANCE_NORMAL) == 1 &&
           avformat_query_codec(container, AV_CODEC_ID_AAC, FF_COMPLIANCE_NORMAL) == 1;
}

// "name the file .mp4, .mkv or .mov", of those this FFmpeg was built to write.
void suggestNames(char* out, size_t size) {
    static const char* const kNames[] = {"a.mp4", "a.mkv", "a.mov"};
    const char* usable[3];
    int count = 0;
    for (const char* name : kNames)
        if (holdsH264AndAac(av_guess_format(nullptr, name, nullptr))) usable[count++] = name + 1;
    if (count == 0) {
        std::snprintf(out, size, "this FFmpeg has no container for H.264 with AAC");
        return;
    }
    size_t length = std::snprintf(out, size, "name the file");
    for (int i = 0; i < count && length < size; ++i)
        length += std::snprintf(out + length, size - length, "%s%s",
                                i == 0           ? " "
                                : i + 1 == count ? " or "
                                                 : ", ",
                                usable[i]);
}

} // namespace

VideoEncoder::~VideoEncoder() {
    close();
}

int VideoEncoder::checkContainer(const char* name, char* message, size_t messageSize) {
    const AVOutputFormat* container = av_guess_format(nullptr, name, nullptr);
    char names[96];
    suggestNames(names, sizeof names);
    if (!container) {
        std::snprintf(message, messageSize, "no video container goes by that name; %s", names);
        return -1;
    }
    if (!holdsH264AndAac(container)) {
        std::snprintf(message, messageSize,
                      "a %s file cannot hold H.264 pictures with AAC sound; %s", container->name,
                      names);
        return -1;
    }
    return 0;
}

int VideoEncoder::open(const char* path, const char* containerName, const Settings& settings,
                       char* message, size_t messageSize) {
    close();
    // The encoders' own statistics would bury the progress line; errors still show.
    av_log_set_level(AV_LOG_ERROR);
    settings_ = settings;
    pictures_ = 0;
    soundFrames_ = 0;
    if (settings.width <= 0 || settings.height <= 0 || settings.width % 2 || settings.height % 2 ||
        settings.fps <= 0 || settings.sampleRate <= 0) {
        std::snprintf(message, messageSize, "%dx%d at %d frames a second: sizes must be even",
                      settings.width, settings.height, settings.fps);
        return -1;
    }
    if (checkContainer(containerName, message, messageSize) != 0) return -1;
    int error = avformat_alloc_output_context2(&format_, nullptr, nullptr, containerName);
    if (error < 0 || !format_) {
        describe(message, messageSize, "no container for that file name", error);
        return -1;
    }
    if (openVideo(message, messageSize) != 0 || openSound(message, messageSize) != 0) {
        close();
        return -1;
    }
    packet_ = av_packet_alloc();
    if (!(format_->oformat->flags & AVFMT_NOFILE)) {
        error = avio_open(&format_->pb, path, AVIO_FLAG_WRITE);
        if (error < 0) {
            describe(message, messageSize, "cannot write the file", error);
            close();
            return -1;
        }
        fileOpen_ = true;
    }
    error = avformat_write_header(format_, nullptr);
    if (error < 0) {
        describe(message, messageSize, "cannot start the file", error);
        close();
        return -1;
    }
    headerWritten_ = true;
    return 0;
}

int VideoEncoder::openVideo(char* message, size_t messageSize) {
    const AVCodec* codec = avcodec_find_encoder(AV_CODEC_ID_H264);
    if (!codec) {
        std::snprintf(message, messageSize, "this FFmpeg has no H.264 encoder");
        return -1;
    }
    videoStream_ = avformat_new_stream(format_, nullptr);
    video_ = avcodec_alloc_context3(codec);
    video_->width = settings_.width;
    video_->height = settings_.height;
    video_->pix_fmt = AV_PIX_FMT_YUV420P;
    video_->time_base = AVRational{1, settings_.fps};
    video_->framerate = AVRational{settings_.fps, 1};
    video_->gop_size = settings_.fps * 2;
    if (format_->oformat->flags & AVFMT_GLOBALHEADER) video_->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
    // Fast to write and still sharp: the file is for showing the demo, not archiving it.
    av_opt_set(video_->priv_data, "preset", "veryfast", 0);
    av_opt_set(video_->priv_data, "crf", "20", 0);
    const int error = avcodec_open2(video_, codec, nullptr);
    if (error < 0) {
        describe(message, messageSize, "cannot start the H.264 encoder", error);
        return -1;
    }
    avcodec_parameters_from_context(videoStream_->codecpar, video_);
    videoStream_->time_base = video_->time_base;
    videoStream_->avg_frame_rate = video_->framerate;
    picture_ = av_frame_alloc();
    picture_->format = video_->pix_fmt;
    picture_->width = video_->width;
    picture_->height = video_->height;
    if (av_frame_get_buffer(picture_, 0) < 0) {
        std::snprintf(message, messageSize, "no memory for a picture");
        return -1;
    }
    return 0;
}

int VideoEncoder::openSound(char* message, size_t messageSize) {
    const AVCodec* codec = avcodec_find_encoder(AV_CODEC_ID_AAC);
    if (!codec) {
        std::snprintf(message, messageSize, "this FFmpeg has no AAC encoder");
        return -1;
    }
    soundStream_ = avformat_new_stream(format_, nullptr);
    sound_ = avcodec_alloc_context3(codec);
    sound_->sample_fmt = AV_SAMPLE_FMT_FLTP;
    sound_->sample_rate = settings_.sampleRate;
    sound_->bit_rate = 192000;
    const AVChannelLayout stereo = AV_CHANNEL_LAYOUT_STEREO;
    av_channel_layout_copy(&sound_->ch_layout, &stereo);
    sound_->time_base = AVRational{1, settings_.sampleRate};
    if (format_->oformat->flags & AVFMT_GLOBALHEADER) sound_->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
    const int error = avcodec_open2(sound_, codec, nullptr);
    if (error < 0) {
        describe(message, messageSize, "cannot start the AAC encoder", error);
        return -1;
    }
    avcodec_parameters_from_context(soundStream_->codecpar, sound_);
    soundStream_->time_base = sound_->time_base;
    soundFrame_ = av_frame_alloc();
    soundFrame_->format = sound_->sample_fmt;
    soundFrame_->nb_samples = sound_->frame_size > 0 ? sound_->frame_size : 1024;
    av_channel_layout_copy(&soundFrame_->ch_layout, &sound_->ch_layout);
    soundFrame_->sample_rate = sound_->sample_rate;
    if (av_frame_get_buffer(soundFrame_, 0) < 0) {
        std::snprintf(message, messageSize, "no memory for sound");
        return -1;
    }
    return 0;
}

int VideoEncoder::writePicture(const uint8_t* rgb, int width, int height) {
    if (!headerWritten_ || width <= 0 || height <= 0) return -1;
    scaler_ = sws_getCachedContext(scaler_, width, height, AV_PIX_FMT_RGB24, settings_.width,
                                   settings_.height, AV_PIX_FMT_YUV420P, SWS_BILINEAR, nullptr,
                                   nullptr, nullptr);
    if (!scaler_ || av_frame_make_writable(picture_) < 0) return -1;
    // Read bottom row first: start at the last row and step backwards, so the file is
    // upright without a copy.
    const int rowBytes = width * 3;
    const uint8_t* top[1] = {rgb + static_cast<size_t>(height - 1) * rowBytes};
    const int strides[1] = {-rowBytes};
    sws_scale(scaler_, top, strides, 0, height, picture_->data, picture_->linesize);
    picture_->pts = pictures_++;
    return encode(video_, videoStream_, picture_);
}

int VideoEncoder::encodeSoundFrame(int samples) {
    soundFrame_->nb_samples = samples;
    soundFrame_->pts = soundFrames_;
    soundFrames_ += samples;
    soundFill_ = 0;
    return encode(sound_, soundStream_, soundFrame_);
}

int VideoEncoder::writeSound(const float* stereo, uint32_t frames) {
    if (!headerWritten_) return -1;
    const int frameSize = sound_->frame_size > 0 ? sound_->frame_size : 1024;
    for (uint32_t i = 0; i < frames;) {
        if (soundFill_ == 0 && av_frame_make_writable(soundFrame_) < 0) return -1;
        float* left = reinterpret_cast<float*>(soundFrame_->data[0]);
        float* right = reinterpret_cast<float*>(soundFrame_->data[1]);
        for (; i < frames && soundFill_ < frameSize; ++i, ++soundFill_) {
            left[soundFill_] = stereo[2 * i];
            right[soundFill_] = stereo[2 * i + 1];
        }
        if (soundFill_ == frameSize && encodeSoundFrame(frameSize) != 0) return -1;
    }
    return 0;
}

int VideoEncoder::encode(AVCodecContext* codec, AVStream* stream, AVFrame* frame) {
    int error = avcodec_send_frame(codec, frame);
    if (error < 0) return -1;
    for (;;) {
        error = avcodec_receive_packet(codec, packet_);
        if (error == AVERROR(EAGAIN) || error == AVERROR_EOF) return 0;
        if (error < 0) return -1;
        av_packet_rescale_ts(packet_, codec->time_base, stream->time_base);
        packet_->stream_index = stream->index;
        error = av_interleaved_write_frame(format_, packet_);
        if (error < 0) return -1;
    }
}

int VideoEncoder::writeError() const {
    return format_ && format_->pb && format_->pb->error < 0 ? -1 : 0;
}

int VideoEncoder::finish() {
    if (!headerWritten_) return -1;
    int result = 0;
    if (soundFill_ > 0) {
        const int frameSize = sound_->frame_size > 0 ? sound_->frame_size : 1024;
        // An encoder that takes only whole frames gets the last one padded with silence.
        if (!(sound_->codec->capabilities & AV_CODEC_CAP_SMALL_LAST_FRAME)) {
            for (int i = soundFill_; i < frameSize; ++i) {
                reinterpret_cast<float*>(soundFrame_->data[0])[i] = 0.0f;
                reinterpret_cast<float*>(soundFrame_->data[1])[i] = 0.0f;
            }
            soundFill_ = frameSize;
        }
        if (encodeSoundFrame(soundFill_) != 0) result = -1;
    }
    if (encode(video_, videoStream_, nullptr) != 0) result = -1;
    if (encode(sound_, soundStream_, nullptr) != 0) result = -1;
    if (av_write_trailer(format_) < 0) result = -1;
    headerWritten_ = false;
    // Buffered bytes may meet a full disk only now.
    if (fileOpen_) {
        avio_flush(format_->pb);
        if (format_->pb->error < 0) result = -1;
        fileOpen_ = false;
        if (avio_closep(&format_->pb) < 0) result = -1;
    }
    close();
    return result;
}

void VideoEncoder::close() {
    if (fileOpen_) avio_closep(&format_->pb);
    fileOpen_ = false;
    headerWritten_ = false;
    avcodec_free_context(&video_);
    avcodec_free_context(&sound_);
    av_frame_free(&picture_);
    av_frame_free(&soundFrame_);
    av_packet_free(&packet_);
    sws_freeContext(scaler_);
    scaler_ = nullptr;
    avformat_free_context(format_);
    format_ = nullptr;
    videoStream_ = soundStream_ = nullptr;
    soundFill_ = 0;
}
