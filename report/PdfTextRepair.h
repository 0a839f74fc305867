#pragma once

#include "report/Document.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QRawFont>
#include <QSet>
#include <QString>

namespace report {

// Qt's PDF writer tells readers which character a glyph shows by the lowest
// code point the font maps to that glyph. Noto CJK shares glyphs between
// common ideographs and radicals or rare look-alikes, so 户 reads back as ⼾
// and 胶 as 㬵, and nobody finds 客户 in the file. This names such glyphs
// again by the character the document printed. It puts four hex digits in
// the place of four, so every offset in the file stays valid.
class PdfTextRepair {
public:
    explicit PdfTextRepair(const Document &document);

    bool apply(const QString &path) const;

private:
    bool repairCharacterMap(QByteArray &pdf, qsizetype from, qsizetype to) const;
    bool repairRangeLine(QByteArray &pdf, qsizetype from, qsizetype to) const;
    char16_t printedCharacterFor(char16_t named) const;

    QSet<char16_t> m_printed;
    QList<QRawFont> m_fonts;
    QList<QHash<quint32, char16_t>> m_printedByGlyph; // per font in m_fonts
};

}
