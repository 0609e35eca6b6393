#include "notebook/OldPageConversion.h"

#include "notebook/PageText.h"

namespace notebook {

// Until the editor control can turn lines into numbered items, each line becomes one
// paragraph of the page.
ZnsStringW ConvertOldPageText(std::u16string_view plainText) {
    return RtfOfPlainText(plainText);
}

} // namespace notebook
