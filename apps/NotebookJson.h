// The notebook as one JSON document for `reqpad notebook tree`.
#pragma once

#include <nlohmann/json.hpp>

namespace notebook {
class CNotebookDoc;
}

nlohmann::json NotebookToJson(const notebook::CNotebookDoc& doc);
