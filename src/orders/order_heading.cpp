#include "orders/order_heading.h"

#include "core/dataset.h"

namespace zelvan {
namespace {

bool isBlankOrControl(QChar character) {
    return character.isSpace() || character.category() == QChar::Other_Control;
}

// One side pair of colours: the typed texts become numbers, the numbers are written
// back as the texts, and the pair as "front+back".
void normaliseSide(zel::Dataset& zakaz, const QString& typedLeft, const QString& typedRight,
                   const QString& left, const QString& right, const QString& paint) {
    const int front = colourCount(zakaz.value(typedLeft));
    const int back = colourCount(zakaz.value(typedRight));
    zakaz.setValue(left, front);
    zakaz.setValue(right, back);
    zakaz.setValue(typedLeft, QString::number(front));
    zakaz.setValue(typedRight, QString::number(back));
    zakaz.setValue(paint, QString::number(front) + QLatin1Char('+') + QString::number(back));
}

}  // namespace

int colourCount(const QVariant& typed) {
    bool whole = false;
    const int count = typed.toString().trimmed().toInt(&whole);
    return whole ? count : 0;
}

QString colourSummary(const QString& paint, const QString& paint2) {
    QString summary = paint + QStringLiteral("; ") + paint2;
    const qsizetype noInnerColours = summary.indexOf(QStringLiteral("; 0+0"));
    if (noInnerColours >= 0) {
        summary.remove(noInnerColours, 5);
    }
    return summary;
}

QString oneLine(const QString& text) {
    QString line = text;
    line.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    line.replace(QLatin1Char('\r'), QLatin1Char(' '));
    line.replace(QLatin1Char('\n'), QLatin1Char(' '));
    qsizetype start = 0;
    qsizetype end = line.size();
    while (start < end && isBlankOrControl(line.at(start))) {
        ++start;
    }
    while (end > start && isBlankOrControl(line.at(end - 1))) {
        --end;
    }
    return line.mid(start, end - start);
}

void normaliseHeading(zel::Dataset& zakaz) {
    zakaz.edit();
    normaliseSide(zakaz, QStringLiteral("PSTRLEFT"), QStringLiteral("PSTRRIGHT"),
                  QStringLiteral("PLEFT"), QStringLiteral("PRIGHT"), QStringLiteral("PAINT"));
    normaliseSide(zakaz, QStringLiteral("PSTRLEFT2"), QStringLiteral("PSTRRIGHT2"),
                  QStringLiteral("PLEFT2"), QStringLiteral("PRIGHT2"), QStringLiteral("PAINT2"));
    zakaz.setValue(QStringLiteral("PAINTPREDL"),
                   colourSummary(zakaz.asString(QStringLiteral("PAINT")),
                                 zakaz.asString(QStringLiteral("PAINT2"))));
    zakaz.setValue(QStringLiteral("NAMEIZD"), oneLine(zakaz.asString(QStringLiteral("NAMEIZD"))));
}

}  // namespace zelvan
