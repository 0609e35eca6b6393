// libFuzzer entry point: the settings file.
#include "fuzz/FuzzInput.h"
#include "simhost/SettingsStore.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    simhost::SettingsStore settings(FuzzFile(data, size));
    settings.Get("Reqpad", "Notebook");
    return 0;
}
