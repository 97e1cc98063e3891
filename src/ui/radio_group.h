#pragma once

#include <QGroupBox>
#include <QStringList>

class QButtonGroup;

namespace zel::ui {

// A captioned choice of one item among several, laid out in columns; items are
// addressed by their index (the value stored for the choice).
class RadioGroup : public QGroupBox {
    Q_OBJECT
  public:
    RadioGroup(const QString& caption, const QStringList& items, int columns,
               QWidget* parent = nullptr);

    // -1 when no item is chosen.
    int itemIndex() const;
    // An index out of range (-1) clears the choice.
    void setItemIndex(int index);
    int count() const;

  signals:
    // Emitted when the user or the program changes the choice (-1 when it is cleared).
    void itemIndexChanged(int index);

  private:
    QButtonGroup* buttons_;
};

}  // namespace zel::ui
