// libFuzzer entry point: the binary drawing file.
#include "fuzz/FuzzInput.h"
#include "simhost/DrawingFile.h"
#include "simhost/SimHost.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static simhost::SimHost host("/tmp/reqpad-fuzz-settings.xml");
    std::unique_ptr<simhost::Drawing> drawing;
    simhost::LoadDrawing(FuzzFile(data, size), host.Classes(), host.Styles(), drawing);
    return 0;
}
