// Writes a video file through the FFmpeg libraries: one H.264 picture stream and one AAC
// sound stream, in the container a file name's extension selects (MP4 for ".mp4").
// Pictures come as OpenGL reads them (RGB, bottom row first) and are scaled to the file's
// size when theirs differs; sound comes as interleaved float stereo and is cut into the
// encoder's frames here. Buffers are made by open(); writing allocates nothing of ours.
#pragma once

#include <cstddef>
#include <cstdint>

struct AVCodecContext;
struct AVFormatContext;
struct AVFrame;
struct AVPacket;
struct AVStream;
struct SwsContext;

class VideoEncoder {
public:
    struct Settings {
        int width;  // even
        int height; // even
        int fps;
        int sampleRate;
    };

    VideoEncoder() = default;
    // Without finish() the file is left incomplete.
    ~VideoEncoder();
    VideoEncoder(const VideoEncoder&) = delete;
    VideoEncoder& operator=(const VideoEncoder&) = delete;

    // 0 when the container that the extension of `name` selects takes H.264 and AAC; -1
    // with the reason, naming the extensions this FFmpeg can write, in `message` otherwise.
    static int checkContainer(const char* name, char* message, size_t messageSize);
    // Writes to `path` in the container `containerName`'s extension selects (the file may
    // be a temporary one with a name of its own). -1 with the reason in `message` when the
    // container, the file or an encoder cannot be had.
    int open(const char* path, const char* containerName, const Settings& settings, char* message,
             size_t messageSize);
    // One picture, `width` x `height` RGB bytes without row padding, bottom row first.
    int writePicture(const uint8_t* rgb, int width, int height);
    // `frames` stereo frames, left and right interleaved.
    int writeSound(const float* stereo, uint32_t frames);
    // -1 once writing the file has failed (a full disk), which may show a few frames after
    // the write that failed, as bytes are buffered.
    int writeError() const;
    // Flushes both encoders and completes and closes the file: -1 when any of it failed.
    int finish();
    // Closes the file unfinished, so that it can be removed (Windows keeps an open file).
    void close();

private:
    int openVideo(char* message, size_t messageSize);
    int openSound(char* message, size_t messageSize);
    // Sends a frame (null to flush) and writes every packet that comes out.
    int encode(AVCodecContext* codec, AVStream* stream, AVFrame* frame);
    int encodeSoundFrame(int samples);

    Settings settings_ = {};
    AVFormatContext* format_ = nullptr;
    AVCodecContext* video_ = nullptr;
    AVCodecContext* sound_ = nullptr;
    AVStream* videoStream_ = nullptr;
    AVStream* soundStream_ = nullptr;
    AVFrame* picture_ = nullptr;
    AVFrame* soundFrame_ = nullptr;
    AVPacket* packet_ = nullptr;
    SwsContext* scaler_ = nullptr;
    int soundFill_ = 0; // samples waiting in soundFrame_
    int64_t pictures_ = 0;
    int64_t soundFrames_ = 0;
    bool headerWritten_ = false;
    bool fileOpen_ = false;
};
