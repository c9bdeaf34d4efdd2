#include "Sound.h"

#include <QCoreApplication>

#include <SDL.h>

#include <dlfcn.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <semaphore>
#include <thread>
#include <vector>

namespace {
constexpr int voiceCount = 8;
// 512 frames: about 23 ms at the effects' rate, well within a frame of the game.
constexpr Uint16 bufferFrames = 512;
// After this much silence the device closes, and its thread sleeps with it.
constexpr int quietSecondsBeforeClose = 2;

void quiet(const char*, int, const char*, int, const char*, ...) {}

// ALSA prints its own errors on standard error, nine lines when there is no sound card, where
// the program says in one line that it has no sound. The library comes with SDL; it is loaded
// here to be told to keep quiet, and kept loaded so that it stays quiet.
void silenceAlsa() {
    static const bool silenced = [] {
        void* alsa = dlopen("libasound.so.2", RTLD_NOW | RTLD_LOCAL);
        using Handler = void (*)(const char*, int, const char*, int, const char*, ...);
        auto* setHandler =
            alsa ? reinterpret_cast<int (*)(Handler)>(dlsym(alsa, "snd_lib_error_set_handler"))
                 : nullptr;
        if (setHandler)
            setHandler(quiet);
        return setHandler != nullptr;
    }();
    (void)silenced;
}
} // namespace

struct SdlSound::Device {
    std::vector<std::vector<Sint16>> effects;
    int rate = 0;
    bool reported = false;

    // Requests from the program's thread to the mixer: a ring with one writer and one reader.
    static constexpr unsigned ringSize = 32;
    std::array<int, ringSize> ring{};
    std::atomic<unsigned> head{0}, tail{0};

    // The mixer's own, touched only in the callback.
    struct Voice {
        const Sint16* next = nullptr;
        std::size_t left = 0;
        std::uint64_t order = 0;
    };
    std::array<Voice, voiceCount> voices{};
    std::uint64_t started = 0;

    std::atomic<bool> open{false}, broken{false}, stopping{false};
    std::atomic<int> quietBuffers{0};
    std::counting_semaphore<1 << 20> wake{0};
    SDL_AudioDeviceID id = 0;
    std::thread opener;

    void report(const QString& what) {
        if (!reported)
            std::fprintf(stderr, "vexaroo: no sound: %s\n", qPrintable(what));
        reported = true;
    }

    static void mix(void* user, Uint8* stream, int bytes) {
        static_cast<Device*>(user)->mix(stream, bytes);
    }

    void mix(Uint8* stream, int bytes) {
        SDL_memset(stream, 0, static_cast<std::size_t>(bytes));
        for (unsigned t = tail.load(std::memory_order_relaxed);
             t != head.load(std::memory_order_acquire);) {
            startVoice(effects[static_cast<std::size_t>(ring[t % ringSize])]);
            tail.store(++t, std::memory_order_release);
        }
        bool sounding = false;
        for (Voice& voice : voices) {
            if (voice.left == 0)
                continue;
            const std::size_t frames =
                std::min(voice.left, static_cast<std::size_t>(bytes) / sizeof(Sint16));
            SDL_MixAudioFormat(stream, reinterpret_cast<const Uint8*>(voice.next), AUDIO_S16SYS,
                               static_cast<Uint32>(frames * sizeof(Sint16)), SDL_MIX_MAXVOLUME);
            voice.next += frames;
            voice.left -= frames;
            sounding = true;
        }
        quietBuffers.store(sounding ? 0 : quietBuffers.load(std::memory_order_relaxed) + 1,
                           std::memory_order_relaxed);
    }

    // A free voice, or else the one that started first.
    void startVoice(const std::vector<Sint16>& effect) {
        Voice* chosen = &voices[0];
        for (Voice& voice : voices) {
            if (voice.left == 0) {
                chosen = &voice;
                break;
            }
            if (voice.order < chosen->order)
                chosen = &voice;
        }
        *chosen = {effect.data(), effect.size(), ++started};
    }

    // The opener's thread: opens the device at a request, closes it after a quiet while.
    void run() {
        for (;;) {
            wake.acquire();
            if (stopping)
                return;
            if (!openDevice())
                return;
            while (wake.try_acquire()) {
            }
            while (!stopping) {
                (void)wake.try_acquire_for(std::chrono::seconds(1));
                if (head.load() == tail.load() &&
                    quietBuffers.load() * bufferFrames >= quietSecondsBeforeClose * rate)
                    break;
            }
            SDL_CloseAudioDevice(id);
            SDL_QuitSubSystem(SDL_INIT_AUDIO);
            open = false;
            if (stopping)
                return;
            // A request that came as the device closed would otherwise wait for the next one.
            if (head.load() != tail.load())
                wake.release();
        }
    }

    // SDL's audio drivers keep threads of their own (ALSA looks for new cards ten times a
    // second), so the audio part of SDL lives only as long as the device is open.
    bool openDevice() {
        silenceAlsa();
        if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
            report(QString::fromUtf8(SDL_GetError()));
            broken = true;
            return false;
        }
        SDL_AudioSpec want{};
        want.freq = rate;
        want.format = AUDIO_S16SYS;
        want.channels = 1;
        want.samples = bufferFrames;
        want.callback = &Device::mix;
        want.userdata = this;
        quietBuffers = 0;
        id = SDL_OpenAudioDevice(nullptr, 0, &want, nullptr, 0);
        if (id == 0) {
            report(QString::fromUtf8(SDL_GetError()));
            SDL_QuitSubSystem(SDL_INIT_AUDIO);
            broken = true;
            return false;
        }
        open = true;
        SDL_PauseAudioDevice(id, 0);
        return true;
    }

    // Every effect is mixed as 16-bit mono at the rate of the first; one stored otherwise is
    // converted once here. A file that holds no sound is named, and the program stays silent.
    bool load(const QStringList& files) {
        for (const QString& file : files) {
            SDL_AudioSpec stored{};
            Uint8* data = nullptr;
            Uint32 bytes = 0;
            if (!SDL_LoadWAV(qPrintable(file), &stored, &data, &bytes)) {
                report(file + QStringLiteral(": ") + QString::fromUtf8(SDL_GetError()));
                return false;
            }
            if (rate == 0)
                rate = stored.freq;
            SDL_AudioCVT convert{};
            const int built = SDL_BuildAudioCVT(&convert, stored.format, stored.channels,
                                                stored.freq, AUDIO_S16SYS, 1, rate);
            std::vector<Uint8> samples;
            if (built >= 0 && bytes > 0) {
                samples.assign(data, data + bytes);
                samples.resize(std::size_t(bytes) * std::max(1, convert.len_mult));
                convert.buf = samples.data();
                convert.len = static_cast<int>(bytes);
                if (built == 0 || SDL_ConvertAudio(&convert) == 0)
                    samples.resize(built == 0 ? bytes : std::size_t(convert.len_cvt));
                else
                    samples.clear();
            }
            SDL_FreeWAV(data);
            if (samples.size() < sizeof(Sint16)) {
                report(file + QStringLiteral(": holds no sound"));
                return false;
            }
            const auto* first = reinterpret_cast<const Sint16*>(samples.data());
            effects.emplace_back(first, first + samples.size() / sizeof(Sint16));
        }
        return !effects.empty();
    }
};

SdlSound::SdlSound(const QStringList& files) : device_(std::make_unique<Device>()) {
    SDL_SetHint(SDL_HINT_AUDIO_DEVICE_APP_NAME, qPrintable(QCoreApplication::applicationName()));
    if (!device_->load(files)) {
        device_->broken = true;
        return;
    }
    device_->opener = std::thread([device = device_.get()] { device->run(); });
}

SdlSound::~SdlSound() {
    if (device_->opener.joinable()) {
        device_->stopping = true;
        device_->wake.release();
        device_->opener.join();
    }
}

void SdlSound::start(int effect) {
    Device& d = *device_;
    if (d.broken || effect < 0 || effect >= static_cast<int>(d.effects.size()))
        return;
    const unsigned h = d.head.load(std::memory_order_relaxed);
    if (h - d.tail.load(std::memory_order_acquire) >= Device::ringSize)
        return; // a burst the mixer has not caught up with: this one is dropped
    d.ring[h % Device::ringSize] = effect;
    d.head.store(h + 1, std::memory_order_release);
    if (!d.open.load())
        d.wake.release();
}
