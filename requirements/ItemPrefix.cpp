#include "requirements/ItemPrefix.h"

bool StartsWithItemPrefix(std::u16string_view line) {
    size_t digits = 0;
    while (digits < line.size() && line[digits] >= u'0' && line[digits] <= u'9')
        ++digits;
    return digits > 0 && line.size() > digits + 1 && line[digits] == u'.' &&
           line[digits + 1] == u' ';
}
