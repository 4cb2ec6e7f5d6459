// The built-in sound backend: files through SDL2_mixer (WAV, OGG, MP3 and the others it decodes),
// streamed rather than decoded whole, since an adhan lasts minutes; the default tone on SDL2's queue.
#include "platform/os/Sound.h"
#include "platform/os/SoundCheck.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <memory>
#include <fstream>
#include <cmath>
#include <cstdint>
#include <mutex>
#include <system_error>
#include <thread>
#include <vector>

namespace nuro {
namespace {

using Clock = std::chrono::steady_clock;

// Beyond its own length a sound gets this long before the wait gives up.
constexpr auto kGrace = std::chrono::seconds(3);
constexpr auto kLongest = std::chrono::minutes(10);

// The audio subsystem is started for each sound and stopped after it, so a device that appears
// later is found, and SDL_AUDIODRIVER is read afresh.
class AudioSession {
public:
    AudioSession() : ok_(SDL_InitSubSystem(SDL_INIT_AUDIO) == 0) {}
    ~AudioSession()
    {
        if (ok_)
            SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }
    AudioSession(const AudioSession&) = delete;
    AudioSession& operator=(const AudioSession&) = delete;
    bool Ok() const { return ok_; }

private:
    bool ok_;
};

// Why the calling thread's last PlayFile failed: per thread, so a preview and an alert never mix them.
thread_local std::string lastFailure;

// Set by Stop() from any thread; each play clears it when it starts.
std::atomic<bool> stopRequested{false};

SoundResult PlayBuffer(const SDL_AudioSpec& wanted, const std::uint8_t* data, std::uint32_t length)
{
    SDL_AudioSpec audio = wanted;
    audio.callback = nullptr;
    audio.userdata = nullptr;
    const SDL_AudioDeviceID dev = SDL_OpenAudioDevice(nullptr, 0, &audio, nullptr, 0);
    if (dev == 0)
        return SoundResult::NoDevice;

    const double bytesPerSecond = double(audio.freq) * audio.channels * (SDL_AUDIO_BITSIZE(audio.format) / 8.0);
    const auto length_s = std::chrono::duration<double>(bytesPerSecond > 0 ? length / bytesPerSecond : 0.0);
    auto limit = std::chrono::duration_cast<Clock::duration>(length_s) + kGrace;
    if (limit > kLongest)
        limit = kLongest;
    const auto deadline = Clock::now() + limit;

    if (SDL_QueueAudio(dev, data, length) != 0) {
        SDL_CloseAudioDevice(dev);
        return SoundResult::Failed;
    }
    SDL_PauseAudioDevice(dev, 0);
    while (SDL_GetQueuedAudioSize(dev) > 0 && Clock::now() < deadline && !stopRequested.load())
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    // The device still holds its last buffer when the queue runs empty.
    const double tail = audio.freq > 0 ? double(audio.samples) / audio.freq : 0.0;
    if (Clock::now() < deadline && !stopRequested.load())
        std::this_thread::sleep_for(std::chrono::duration<double>(tail + 0.05));
    SDL_CloseAudioDevice(dev);
    return SoundResult::Played;
}

// A soft two-note chime of our own, 0.7 s.
std::vector<std::int16_t> DefaultTone(int rate)
{
    std::vector<std::int16_t> samples;
    const double notes[] = {880.0, 659.25};
    const double noteLength = 0.35;
    for (double freq : notes) {
        const int n = static_cast<int>(noteLength * rate);
        for (int i = 0; i < n; ++i) {
            const double t = double(i) / rate;
            const double envelope = std::min(1.0, t / 0.01) * std::exp(-t * 6.0);
            samples.push_back(static_cast<std::int16_t>(9000.0 * envelope * std::sin(2.0 * M_PI * freq * t)));
        }
    }
    return samples;
}

// One file's play on the thread that decodes it, as its caller sees it.
struct FileJob {
    enum State { Starting, Playing, Done };
    std::mutex lock;
    std::condition_variable changed;
    State state = Starting;
    SoundResult result = SoundResult::Failed;
    std::string failure;
    std::atomic<bool> abandoned{false}; // the caller stopped waiting for the decoder
};

// A decoder gets this long to open a file; one that takes longer is left to itself, so that no
// file can keep a notice from opening.
constexpr auto kDecodeLimit = std::chrono::seconds(5);
// The chime waits this long for a decoder still holding the device, then gives up.
constexpr auto kDeviceWait = std::chrono::seconds(1);

class SdlSoundBackend : public SoundBackend {
public:
    SoundResult PlayFile(const std::string& path) override
    {
        lastFailure.clear();
        // Before any decoder sees it: SDL2 divides by the header's channels and rate.
        if (std::string why = CheckSoundFile(path); !why.empty()) {
            lastFailure = why;
            return SoundResult::Failed;
        }
        stopRequested = false;
        auto job = std::make_shared<FileJob>();
        try {
            std::thread([this, job, path] { RunFile(*job, path); }).detach();
        } catch (const std::system_error&) {
            lastFailure = "no thread could be started to decode it";
            return SoundResult::Failed;
        }
        std::unique_lock lock(job->lock);
        if (!job->changed.wait_for(lock, kDecodeLimit, [&] { return job->state != FileJob::Starting; })) {
            job->abandoned = true;
            lastFailure = "it was not decoded within 5 s";
            return SoundResult::Failed;
        }
        // The play's own deadline bounds this wait.
        job->changed.wait(lock, [&] { return job->state == FileJob::Done; });
        lastFailure = job->failure;
        return job->result;
    }

    std::string FailureReason() const override { return lastFailure; }

    SoundResult Probe(const std::string& path) override
    {
        // Never waits for a sound that plays (an alert's adhan): then the decoder is not asked.
        std::unique_lock lock(playMutex_, std::try_to_lock);
        if (!lock.owns_lock())
            return SoundResult::NoDevice;
        lastFailure = CheckSoundFile(path); // no decoder sees a header that could crash it
        if (!lastFailure.empty())
            return SoundResult::Failed;
        AudioSession session;
        if (!session.Ok())
            return SoundResult::NoDevice;
        static const int decoders = Mix_Init(MIX_INIT_OGG | MIX_INIT_MP3);
        (void)decoders;
        if (Mix_OpenAudio(MIX_DEFAULT_FREQUENCY, MIX_DEFAULT_FORMAT, 2, 2048) != 0)
            return SoundResult::NoDevice;
        Mix_Music* music = Mix_LoadMUS(path.c_str());
        const SoundResult result = music ? SoundResult::Played : SoundResult::Failed;
        if (!music)
            lastFailure = Mix_GetError();
        else
            Mix_FreeMusic(music);
        Mix_CloseAudio();
        return result;
    }

    void Stop() override { stopRequested = true; }

    SoundResult PlayDefault() override
    {
        std::unique_lock lock(playMutex_, std::defer_lock);
        if (!lock.try_lock_for(kDeviceWait))
            return SoundResult::NoDevice; // a decoder that never came back still holds the device
        stopRequested = false;
        AudioSession session;
        if (!session.Ok())
            return SoundResult::NoDevice;
        SDL_AudioSpec audio{};
        audio.freq = 22050;
        audio.format = AUDIO_S16SYS;
        audio.channels = 1;
        audio.samples = 1024;
        const std::vector<std::int16_t> tone = DefaultTone(audio.freq);
        return PlayBuffer(audio, reinterpret_cast<const std::uint8_t*>(tone.data()),
                          static_cast<std::uint32_t>(tone.size() * sizeof(std::int16_t)));
    }

private:
    void RunFile(FileJob& job, const std::string& path)
    {
        auto finish = [&job](SoundResult result, std::string failure) {
            std::lock_guard lock(job.lock);
            job.state = FileJob::Done;
            job.result = result;
            job.failure = std::move(failure);
            job.changed.notify_all();
        };
        std::unique_lock device(playMutex_);
        if (job.abandoned)
            return finish(SoundResult::Failed, {});
        AudioSession session;
        if (!session.Ok())
            return finish(SoundResult::NoDevice, {});
        static const int decoders = Mix_Init(MIX_INIT_OGG | MIX_INIT_MP3);
        (void)decoders; // a decoder that failed to start shows as a load error below
        if (Mix_OpenAudio(MIX_DEFAULT_FREQUENCY, MIX_DEFAULT_FORMAT, 2, 2048) != 0)
            return finish(SoundResult::NoDevice, {});
        Mix_Music* music = Mix_LoadMUS(path.c_str());
        if (!music) {
            std::string why = Mix_GetError();
            Mix_CloseAudio();
            return finish(SoundResult::Failed, why);
        }
        const double length = Mix_MusicDuration(music);
        auto limit =
            std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(length > 0 ? length : 0)) +
            kGrace;
        if (limit > kLongest)
            limit = kLongest;
        const auto deadline = Clock::now() + limit;
        SoundResult result = SoundResult::Played;
        std::string failure;
        if (job.abandoned.load()) {
            result = SoundResult::Failed;
        } else if (Mix_PlayMusic(music, 0) != 0) {
            failure = Mix_GetError();
            result = SoundResult::Failed;
        } else {
            {
                std::lock_guard lock(job.lock);
                job.state = FileJob::Playing;
                job.changed.notify_all();
            }
            while (Mix_PlayingMusic() && Clock::now() < deadline && !stopRequested.load())
                std::this_thread::sleep_for(std::chrono::milliseconds(10));
            Mix_HaltMusic();
        }
        Mix_FreeMusic(music);
        Mix_CloseAudio();
        finish(result, failure);
    }

    std::timed_mutex playMutex_; // one sound at a time; SDL's subsystem start and stop are not reentrant
};

} // namespace

SoundBackend& BuiltInSoundBackend()
{
    // Never destroyed: a decoder's thread may outlive the statics.
    static SdlSoundBackend* backend = new SdlSoundBackend;
    return *backend;
}

} // namespace nuro
