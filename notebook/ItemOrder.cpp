#include "notebook/ItemOrder.h"

#include <map>
#include <memory>

#include <unicode/coll.h>

#include "platform/text/CodePage.h"

namespace notebook {

namespace {

const char* localeOf(int language) {
    switch (language) {
    case 1049:
        return "ru";
    case 3082:
        return "es";
    default:
        return "en";
    }
}

// One collator per interface language, made on first use; the module runs on one thread.
const icu::Collator* collator() {
    static std::map<int, std::unique_ptr<icu::Collator>> made;
    int language = zn::interfaceLanguage();
    auto& slot = made[language];
    if (!slot) {
        UErrorCode status = U_ZERO_ERROR;
        slot.reset(icu::Collator::createInstance(icu::Locale(localeOf(language)), status));
        if (U_FAILURE(status))
            slot.reset();
        else
            slot->setStrength(icu::Collator::TERTIARY); // case tells names apart
    }
    return slot.get();
}

} // namespace

int CompareItemNames(std::u16string_view a, std::u16string_view b) {
    const icu::Collator* order = collator();
    if (!order)
        return a.compare(b);
    UErrorCode status = U_ZERO_ERROR;
    UCollationResult result =
        order->compare(a.data(), int32_t(a.size()), b.data(), int32_t(b.size()), status);
    return U_FAILURE(status) ? a.compare(b) : int(result);
}

} // namespace notebook
