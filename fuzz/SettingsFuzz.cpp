// The settings reader: any bytes give six values and at most a short message, and what it
// read is written back and read again unchanged.
#include "FuzzFolder.h"
#include "SettingsFile.h"

#include <cstdio>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    writeInput(settingsFileName, data, size);
    const SettingsRead read = readSettings();
    if (read.problem.size() > 600) {
        std::fprintf(stderr, "message of %lld characters\n",
                     static_cast<long long>(read.problem.size()));
        abort();
    }
    QString error;
    if (!writeSettings(read.settings, &error))
        abort();
    const SettingsRead again = readSettings();
    const Settings& a = read.settings;
    const Settings& b = again.settings;
    if (!again.problem.isEmpty() || a.imageQuality != b.imageQuality ||
        a.keyMoveLeft != b.keyMoveLeft || a.keyMoveRight != b.keyMoveRight ||
        a.keyMoveUp != b.keyMoveUp || a.keyMoveDown != b.keyMoveDown || a.keyFire != b.keyFire)
        abort();
    return 0;
}
