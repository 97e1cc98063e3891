#pragma once

#include <QString>
#include <QTest>
#include <QWidget>

namespace zel::testing {

// Types text key by key as the user would; unlike QTest::keyClicks it also takes
// Cyrillic letters.
inline void typeText(QWidget* widget, const QString& text) {
    for (const QChar character : text) {
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(character),
                            Qt::NoModifier);
    }
}

}  // namespace zel::testing
