#pragma once

#include <QString>
#include <QVariant>

namespace zel {
class Dataset;
}

namespace zelvan {

// The number of colours typed into one colour field: the text read as a whole number,
// anything else (empty text, a letter) 0.
int colourCount(const QVariant& typed);

// The colours as proposals print them: the main part, "; " and the inner block, where
// an inner block of "0+0" is left out.
QString colourSummary(const QString& paint, const QString& paint2);

// An edition name or note on one line: every line break (CR LF, CR or LF) becomes one
// blank, and blanks and control characters at either end are dropped.
QString oneLine(const QString& text);

// Rewrites the colour columns of the order row being edited from what was typed
// (PSTRLEFT/PSTRRIGHT and PSTRLEFT2/PSTRRIGHT2 into PLEFT/PRIGHT, PLEFT2/PRIGHT2, the
// typed texts normalised, PAINT, PAINT2 and PAINTPREDL), and puts NAMEIZD on one line.
// Puts the row into edit state.
void normaliseHeading(zel::Dataset& zakaz);

}  // namespace zelvan
