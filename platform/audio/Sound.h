#pragma once

#include <QStringList>

#include <atomic>
#include <memory>

// Short effects played on request, by their index in the list the program loads. Muted, a
// request is dropped; a request never waits for the sound device.
class Sound {
public:
    virtual ~Sound() = default;

    void play(int effect) {
        if (!muted_)
            start(effect);
    }
    bool muted() const { return muted_; }
    void setMuted(bool muted) { muted_ = muted; }

protected:
    virtual void start(int effect) = 0;

private:
    bool muted_ = false;
};

// No sound at all: for programs without a device, and the tools.
class SilentSound final : public Sound {
protected:
    void start(int /*effect*/) override {}
};

// The effects (16-bit mono WAV files of one rate) mixed on SDL's audio device, up to eight
// at once, the oldest giving way. The device is opened by a thread of its own at the first
// request and closed after a while of silence, so an idle program keeps no audio thread
// awake. Without a device the program stays silent after one line on standard error.
class SdlSound final : public Sound {
public:
    explicit SdlSound(const QStringList& files);
    ~SdlSound() override;

    struct Device;

protected:
    void start(int effect) override;

private:
    std::unique_ptr<Device> device_;
};
