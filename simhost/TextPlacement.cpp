#include "simhost/TextPlacement.h"

#include <cmath>

#include "simhost/TextContent.h"

namespace simhost {

PlacedText PlaceText(const ZnsTextPrimitive& text, const TextStyles& styles) {
    PlacedText placed;
    auto paragraphs = VisibleParagraphs(text.content, text.contentKind);
    placed.readable = paragraphs.has_value();
    placed.layout =
        LayOutText(paragraphs.value_or(std::vector<ZnsStringW>{}), text.params, text.width, styles);

    double length = std::hypot(text.direction.x, text.direction.y);
    if (length > 0)
        placed.direction = {text.direction.x / length, text.direction.y / length, 0};
    placed.up = {-placed.direction.y, placed.direction.x, 0};
    auto at = [&](double x, double y) {
        return text.position + placed.direction * x + placed.up * y;
    };

    const LaidOutText& layout = placed.layout;
    double top = text.anchor == 2 ? layout.height : text.anchor == 1 ? layout.height / 2 : 0;
    auto shift = [&](double width) {
        return text.alignment == 2 ? -width : text.alignment == 1 ? -width / 2 : 0;
    };
    for (size_t i = 0; i < layout.lines.size(); ++i)
        placed.baselines.push_back(
            at(shift(layout.lines[i].width), top - layout.capHeight - layout.pitch * double(i)));
    double left = shift(layout.width);
    placed.corners = {at(left, top), at(left + layout.width, top),
                      at(left + layout.width, top - layout.height), at(left, top - layout.height)};
    return placed;
}

} // namespace simhost
