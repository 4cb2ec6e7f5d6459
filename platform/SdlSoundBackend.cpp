// The built-in sound backend on SDL2's audio queue.
#include "platform/Sound.h"

#include <SDL.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <mutex>
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

SoundResult PlayBuffer(const SDL_AudioSpec& wanted, const std::uint8_t* data, std::uint32_t length)
{
    SDL_AudioSpec audio = wanted;
    audio.callback = nullptr;
    audio.userdata = nullptr;
    const SDL_AudioDeviceID dev = SDL_OpenAudioDevice(nullptr, 0, &audio, nullptr, 0);
    if (dev == 0)
        return SoundResult::NoDevice;

    const double bytesPerSecond =
        double(audio.freq) * audio.channels * (SDL_AUDIO_BITSIZE(audio.format) / 8.0);
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
    while (SDL_GetQueuedAudioSize(dev) > 0 && Clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    // The device still holds its last buffer when the queue runs empty.
    const double tail = audio.freq > 0 ? double(audio.samples) / audio.freq : 0.0;
    if (Clock::now() < deadline)
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

class SdlSoundBackend : public SoundBackend {
public:
    SoundResult PlayFile(const std::string& path) override
    {
        std::lock_guard lock(playMutex_);
        AudioSession session;
        if (!session.Ok())
            return SoundResult::NoDevice;
        SDL_AudioSpec audio;
        Uint8* data = nullptr;
        Uint32 length = 0;
        if (!SDL_LoadWAV(path.c_str(), &audio, &data, &length))
            return SoundResult::Failed;
        const SoundResult r = PlayBuffer(audio, data, length);
        SDL_FreeWAV(data);
        return r;
    }

    SoundResult PlayDefault() override
    {
        std::lock_guard lock(playMutex_);
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
    std::mutex playMutex_;  // one sound at a time; SDL's subsystem start and stop are not reentrant
};

} // namespace

SoundBackend& BuiltInSoundBackend()
{
    static SdlSoundBackend backend;
    return backend;
}

} // namespace nuro
