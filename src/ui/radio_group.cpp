#include "ui/radio_group.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QGridLayout>
#include <QRadioButton>

namespace zel::ui {

RadioGroup::RadioGroup(const QString& caption, const QStringList& items, int columns,
                       QWidget* parent)
    : QGroupBox(caption, parent), buttons_(new QButtonGroup(this)) {
    auto* layout = new QGridLayout(this);
    const int rows = (static_cast<int>(items.size()) + columns - 1) / columns;
    for (int i = 0; i < items.size(); ++i) {
        auto* button = new QRadioButton(items.at(i), this);
        buttons_->addButton(button, i);
        layout->addWidget(button, i % rows, i / rows);
    }
    connect(buttons_, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
        if (checked) {
            emit itemIndexChanged(id);
        }
    });
}

int RadioGroup::itemIndex() const {
    return buttons_->checkedId();
}

void RadioGroup::setItemIndex(int index) {
    if (QAbstractButton* button = buttons_->button(index)) {
        button->setChecked(true);
        return;
    }
    if (QAbstractButton* checked = buttons_->checkedButton()) {
        // An exclusive group never unchecks its last checked button by itself.
        buttons_->setExclusive(false);
        checked->setChecked(false);
        buttons_->setExclusive(true);
        emit itemIndexChanged(-1);
    }
}

int RadioGroup::count() const {
    return static_cast<int>(buttons_->buttons().size());
}

}  // namespace zel::ui
