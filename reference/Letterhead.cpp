#include "reference/Letterhead.h"

namespace reference {

report::Band letterheadBand(const Letterhead &head, qreal height, const QList<report::Element> &below)
{
    using report::Align;
    using report::Element;
    Element firm = Element::label({0, 0, head.width, 8}, FirmTitle).sized(head.firmSize).aligned(Align::Center);
    if (head.firmBold)
        firm = firm.bold();
    const Element title =
        Element::label({0, 9, head.width, head.titleHeight}, head.title).sized(head.titleSize).bold().aligned(Align::Center);
    return report::Band{height, QList<Element>{firm, title} + below};
}

} // namespace reference
