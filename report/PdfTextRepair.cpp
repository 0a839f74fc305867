#include "report/PdfTextRepair.h"

#include <QFile>
#include <QFont>

namespace report {

namespace {

const QByteArray mapStart = QByteArrayLiteral("begincmap");
const QByteArray mapEnd = QByteArrayLiteral("endcmap");

// Positions of the hex digits of the four-digit <XXXX> codes in a line.
QList<qsizetype> codesIn(const QByteArray &pdf, qsizetype from, qsizetype to)
{
    QList<qsizetype> codes;
    for (qsizetype at = pdf.indexOf('<', from); at >= 0 && at + 5 < to; at = pdf.indexOf('<', at + 1)) {
        if (pdf.at(at + 5) == '>')
            codes.append(at + 1);
    }
    return codes;
}

char16_t codeAt(const QByteArray &pdf, qsizetype at)
{
    return char16_t(pdf.mid(at, 4).toUShort(nullptr, 16));
}

}

PdfTextRepair::PdfTextRepair(const Document &document)
{
    for (const Page &page : document.pages()) {
        for (const PlacedItem &item : page.items) {
            for (const QChar c : item.text)
                m_printed.insert(c.unicode());
        }
    }
    QString printed;
    for (const char16_t c : std::as_const(m_printed))
        printed.append(QChar(c));

    for (const QString &family : {QStringLiteral("Noto Sans CJK SC"), QStringLiteral("Noto Serif CJK SC")}) {
        for (const bool bold : {false, true}) {
            QFont font(family);
            font.setBold(bold);
            const QRawFont raw = QRawFont::fromFont(font);
            if (!raw.isValid() || raw.familyName() != family)
                continue;
            const QList<quint32> glyphs = raw.glyphIndexesForString(printed);
            QHash<quint32, char16_t> byGlyph;
            for (qsizetype index = 0; index < glyphs.size() && index < printed.size(); ++index)
                byGlyph.insert(glyphs.at(index), printed.at(index).unicode());
            m_fonts.append(raw);
            m_printedByGlyph.append(byGlyph);
        }
    }
}

bool PdfTextRepair::apply(const QString &path) const
{
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite))
        return false;
    QByteArray pdf = file.readAll();
    bool changed = false;
    for (qsizetype from = pdf.indexOf(mapStart); from >= 0; from = pdf.indexOf(mapStart, from + 1)) {
        const qsizetype to = pdf.indexOf(mapEnd, from);
        if (to < 0)
            break;
        changed = repairCharacterMap(pdf, from, to) || changed;
    }
    return !changed || (file.seek(0) && file.write(pdf) == pdf.size());
}

bool PdfTextRepair::repairCharacterMap(QByteArray &pdf, qsizetype from, qsizetype to) const
{
    bool changed = false;
    for (qsizetype line = from; line < to;) {
        qsizetype lineEnd = pdf.indexOf('\n', line);
        if (lineEnd < 0 || lineEnd > to)
            lineEnd = to;
        changed = repairRangeLine(pdf, line, lineEnd) || changed;
        line = lineEnd + 1;
    }
    return changed;
}

// A range line names glyphs from its first code to its second: by a list of
// characters in brackets, or by one character that the following glyphs
// count up from. Only a list, or a range of one glyph, can be renamed.
bool PdfTextRepair::repairRangeLine(QByteArray &pdf, qsizetype from, qsizetype to) const
{
    const QList<qsizetype> codes = codesIn(pdf, from, to);
    if (codes.size() < 3)
        return false;
    const bool isList = pdf.indexOf('[', from) >= 0 && pdf.indexOf('[', from) < to;
    if (!isList && (codes.size() != 3 || codeAt(pdf, codes.at(0)) != codeAt(pdf, codes.at(1))))
        return false;

    bool changed = false;
    for (qsizetype index = 2; index < codes.size(); ++index) {
        const char16_t printed = printedCharacterFor(codeAt(pdf, codes.at(index)));
        if (printed == 0)
            continue;
        const QByteArray hex = QByteArray::number(printed, 16).toUpper().rightJustified(4, '0');
        pdf.replace(codes.at(index), 4, hex);
        changed = true;
    }
    return changed;
}

char16_t PdfTextRepair::printedCharacterFor(char16_t named) const
{
    if (named == 0 || m_printed.contains(named))
        return 0;
    for (qsizetype font = 0; font < m_fonts.size(); ++font) {
        const QList<quint32> glyphs = m_fonts.at(font).glyphIndexesForString(QString(QChar(named)));
        if (!glyphs.isEmpty() && glyphs.first() != 0) {
            const char16_t printed = m_printedByGlyph.at(font).value(glyphs.first());
            if (printed != 0)
                return printed;
        }
    }
    return 0;
}

}
