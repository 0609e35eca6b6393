#include "host/Services.h"

#include <atomic>

IZnContext* gpZnContext = nullptr;
IZnObjManager* gpZnObjManager = nullptr;
IZnNativeGate* gpZnNativeGate = nullptr;
IZnDocManager* gpZnDocManager = nullptr;
IZnStyleManager* gpZnStyleManager = nullptr;
IZnFormatManager* gpZnFormatManager = nullptr;
IZnDefParamManager* gpZnDefParamManager = nullptr;
IZnNotificator* gpZnNotificator = nullptr;

bool ZnGetParam(ZNSVariant& value, std::int32_t id, std::uint32_t) {
    return gpZnDefParamManager && SUCCEEDED(gpZnDefParamManager->GetValue(id, value));
}

std::uint32_t ZnNewCookie() {
    static std::atomic<std::uint32_t> next{1};
    return next++;
}
