// A prayer's own sound: the fallback to um.wav with its reason, WAV, OGG and MP3 through SDL2_mixer
// on the dummy driver, and "Stop sound" ending a long sound at once.
#include "platform/os/Sound.h"
#include "WaveFile.h"

#include <gtest/gtest.h>

#include <lame.h>
#include <vorbis/vorbisenc.h>

#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>
#include <vector>

#include <unistd.h>

namespace nuro {
namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

double SecondsSince(Clock::time_point start)
{
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// An Ogg Vorbis file made here with libvorbisenc, so no encoder program is needed.
void WriteOgg(const fs::path& path, double seconds, int rate = 22050)
{
    vorbis_info info;
    vorbis_info_init(&info);
    ASSERT_EQ(vorbis_encode_init_vbr(&info, 1, rate, 0.3f), 0);
    vorbis_comment comment;
    vorbis_comment_init(&comment);
    vorbis_dsp_state dsp;
    vorbis_analysis_init(&dsp, &info);
    vorbis_block block;
    vorbis_block_init(&dsp, &block);
    ogg_stream_state stream;
    ogg_stream_init(&stream, 1);
    std::ofstream out(path, std::ios::binary);
    ogg_page page;
    auto writePages = [&](bool flush) {
        while (flush ? ogg_stream_flush(&stream, &page) : ogg_stream_pageout(&stream, &page)) {
            out.write(reinterpret_cast<const char*>(page.header), page.header_len);
            out.write(reinterpret_cast<const char*>(page.body), page.body_len);
        }
    };
    ogg_packet header, commentPacket, codebook;
    vorbis_analysis_headerout(&dsp, &comment, &header, &commentPacket, &codebook);
    ogg_stream_packetin(&stream, &header);
    ogg_stream_packetin(&stream, &commentPacket);
    ogg_stream_packetin(&stream, &codebook);
    writePages(true);

    const std::vector<float> tone = Tone(seconds, rate);
    auto drain = [&] {
        ogg_packet packet;
        while (vorbis_analysis_blockout(&dsp, &block) == 1) {
            vorbis_analysis(&block, nullptr);
            vorbis_bitrate_addblock(&block);
            while (vorbis_bitrate_flushpacket(&dsp, &packet)) {
                ogg_stream_packetin(&stream, &packet);
                writePages(false);
            }
        }
    };
    const int chunk = 1024;
    for (std::size_t at = 0; at < tone.size(); at += chunk) {
        const int n = static_cast<int>(std::min<std::size_t>(chunk, tone.size() - at));
        float** buffer = vorbis_analysis_buffer(&dsp, n);
        std::copy(tone.begin() + static_cast<long>(at), tone.begin() + static_cast<long>(at) + n, buffer[0]);
        vorbis_analysis_wrote(&dsp, n);
        drain();
    }
    vorbis_analysis_wrote(&dsp, 0);
    drain();
    writePages(true);
    ogg_stream_clear(&stream);
    vorbis_block_clear(&block);
    vorbis_dsp_clear(&dsp);
    vorbis_comment_clear(&comment);
    vorbis_info_clear(&info);
}

// An MP3 file made here with LAME's encoding library, as the OGG one is with libvorbisenc.
void WriteMp3(const fs::path& path, double seconds, int rate = 22050)
{
    lame_t lame = lame_init();
    ASSERT_NE(lame, nullptr);
    lame_set_in_samplerate(lame, rate);
    lame_set_num_channels(lame, 1);
    lame_set_mode(lame, MONO);
    lame_set_brate(lame, 32);
    ASSERT_GE(lame_init_params(lame), 0);
    std::vector<float> tone = Tone(seconds, rate);
    // LAME's own bound for the worst case: 1.25 bytes a sample and 7200 more.
    std::vector<unsigned char> mp3(tone.size() * 5 / 4 + 7200);
    const int encoded = lame_encode_buffer_ieee_float(lame, tone.data(), tone.data(), static_cast<int>(tone.size()),
                                                      mp3.data(), static_cast<int>(mp3.size()));
    ASSERT_GE(encoded, 0);
    const int flushed = lame_encode_flush(lame, mp3.data() + encoded, static_cast<int>(mp3.size()) - encoded);
    ASSERT_GE(flushed, 0);
    lame_close(lame);
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(mp3.data()), encoded + flushed);
}

class ScopedDriver {
public:
    explicit ScopedDriver(const char* driver) { setenv("SDL_AUDIODRIVER", driver, 1); }
    ~ScopedDriver() { unsetenv("SDL_AUDIODRIVER"); }
};

// Answers each PlayFile with the next of `answers` (Played once they run out).
class FakeBackend : public SoundBackend {
public:
    std::vector<SoundResult> answers;
    std::vector<std::string> calls;
    SoundResult PlayFile(const std::string& path) override
    {
        calls.push_back(fs::path(path).filename().string());
        return calls.size() <= answers.size() ? answers[calls.size() - 1] : SoundResult::Played;
    }
    SoundResult PlayDefault() override
    {
        calls.push_back("default tone");
        return SoundResult::Played;
    }
    std::string FailureReason() const override { return "bad header"; }
};

class ChosenSoundTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string pattern = (fs::temp_directory_path() / "nuro-chosen-XXXXXX").string();
        dir = mkdtemp(pattern.data());
        old = fs::current_path();
        fs::current_path(dir); // um.wav is looked for here first
        WriteWav(dir / "um.wav", 0.05);
    }
    void TearDown() override
    {
        SetSoundBackend(nullptr);
        fs::current_path(old);
        std::error_code ec;
        fs::remove_all(dir, ec);
    }
    fs::path dir, old;
};

TEST_F(ChosenSoundTest, AMissingOrUndecodableChoiceFallsBackToUmWavAndSaysWhy)
{
    FakeBackend fake;
    SetSoundBackend(&fake);
    WriteWav(dir / "adhan.wav", 0.05);
    const std::string adhan = (dir / "adhan.wav").string(), gone = (dir / "gone.mp3").string();
    const struct {
        std::string chosen;
        SoundResult fileAnswer;
        std::vector<std::string> calls;
        std::string log; // a part of what stderr gets, "" for nothing
    } rows[] = {
        {"", SoundResult::Played, {"um.wav"}, ""},
        {adhan, SoundResult::Played, {"adhan.wav"}, ""},
        {"adhan.wav", SoundResult::Played, {"adhan.wav"}, ""}, // a bare name is searched like um.wav
        {gone, SoundResult::Played, {"um.wav"}, "sound file '" + gone + "' not found; playing um.wav instead"},
        {adhan,
         SoundResult::Failed,
         {"adhan.wav", "um.wav"},
         "sound file '" + adhan + "' cannot be played (bad header); playing um.wav instead"},
        {adhan, SoundResult::NoDevice, {"adhan.wav"}, ""}, // no device: um.wav would not play either
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.chosen);
        fake.calls.clear();
        fake.answers = {row.fileAnswer};
        std::ostringstream log;
        EXPECT_EQ(PlayChosenSound(row.chosen, "um.wav", log), row.fileAnswer != SoundResult::NoDevice);
        EXPECT_EQ(fake.calls, row.calls);
        if (row.log.empty()) {
            EXPECT_EQ(log.str(), "");
        } else {
            EXPECT_NE(log.str().find(row.log), std::string::npos) << log.str();
        }
    }
}

TEST_F(ChosenSoundTest, WavOggAndMp3PlayThroughTheMixerAndBrokenFilesFallBack)
{
    ScopedDriver driver("dummy");
    WriteWav(dir / "chime.wav", 0.6);
    WriteOgg(dir / "adhan.ogg", 0.6);
    WriteMp3(dir / "adhan.mp3", 0.6);
    std::ofstream(dir / "broken.ogg") << "OggS but not really";
    std::ofstream(dir / "broken.mp3") << "ID3 but not really";
    const struct {
        const char* file;
        bool fallsBack;
    } rows[] = {
        {"chime.wav", false}, {"adhan.ogg", false}, {"adhan.mp3", false}, {"broken.ogg", true}, {"broken.mp3", true}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.file);
        std::ostringstream log;
        const auto start = Clock::now();
        EXPECT_TRUE(PlayChosenSound((dir / row.file).string(), "um.wav", log));
        // The dummy driver plays in real time: a decoded file takes about its length.
        if (!row.fallsBack) {
            EXPECT_GE(SecondsSince(start), 0.4);
        }
        EXPECT_EQ(log.str().find("cannot be played") != std::string::npos, row.fallsBack) << log.str();
    }
}

TEST_F(ChosenSoundTest, StopSoundEndsALongSoundAtOnceWithoutTheFallback)
{
    ScopedDriver driver("dummy");
    WriteOgg(dir / "long.ogg", 20.0);
    EXPECT_FALSE(SoundPlaying());
    StopSound(); // nothing plays: nothing happens
    std::atomic<bool> done{false};
    Clock::time_point ended;
    std::thread player([&] {
        std::ostringstream log;
        PlayChosenSound((dir / "long.ogg").string(), "um.wav", log);
        ended = Clock::now();
        done = true;
    });
    const auto start = Clock::now();
    while (!SoundPlaying() && SecondsSince(start) < 5)
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    EXPECT_TRUE(SoundPlaying());
    const auto stopAt = Clock::now();
    StopSound();
    player.join();
    EXPECT_TRUE(done);
    EXPECT_LT(std::chrono::duration<double>(ended - stopAt).count(), 0.5);
    EXPECT_FALSE(SoundPlaying());
}

} // namespace
} // namespace nuro
