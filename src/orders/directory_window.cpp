#include "orders/directory_window.h"

#include <QEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include "orders/field_length_delegate.h"
#include "ui/db_actions.h"
#include "ui/db_grid.h"
#include "ui/dialogs.h"

namespace zelvan {

using zel::ui::Answer;
using zel::ui::Dialogs;

DirectoryWindow::DirectoryWindow(Dataset& list, const QString& table, const QString& gridName,
                                 QSize openedSize, QWidget* parent)
    : QDialog(parent), list_(list), table_(table), openedSize_(openedSize) {
    auto* tools = new QToolBar(this);
    btnAdd = new QToolButton(tools);
    btnAdd->setObjectName(QStringLiteral("btnAdd"));
    btnAdd->setText(QStringLiteral("Добавить"));
    btnAdd->setToolTip(QStringLiteral("Добавить запись"));
    btnDel = new QToolButton(tools);
    btnDel->setObjectName(QStringLiteral("btnDel"));
    btnDel->setText(QStringLiteral("Удалить"));
    btnDel->setToolTip(QStringLiteral("Удалить текущую запись"));
    tools->addWidget(btnAdd);
    tools->addWidget(btnDel);

    grid_ = new zel::ui::DbGrid(this);
    grid_->setObjectName(gridName);
    grid_->setDataset(&list);
    grid_->setEditable(true);
    grid_->setItemDelegate(new FieldLengthDelegate(*grid_->datasetModel(), table, grid_));
    grid_->horizontalHeader()->setStretchLastSection(true);

    btnOK = new QPushButton(QStringLiteral("Выбрать"), this);
    btnOK->setObjectName(QStringLiteral("btnOK"));
    btnOK->setDefault(true);
    btnCancel = new QPushButton(QStringLiteral("Закрыть"), this);
    btnCancel->setObjectName(QStringLiteral("btnCancel"));

    searches_ = new QHBoxLayout;
    auto* buttons = new QVBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnOK);
    buttons->addWidget(btnCancel);
    auto* bottom = new QHBoxLayout;
    bottom->addLayout(searches_);
    bottom->addStretch();
    bottom->addLayout(buttons);

    auto* layout = new QVBoxLayout(this);
    layout->setMenuBar(tools);
    layout->addWidget(grid_, 1);
    layout->addLayout(bottom);

    connect(btnAdd, &QToolButton::clicked, this, &DirectoryWindow::addRow);
    connect(btnDel, &QToolButton::clicked, this, &DirectoryWindow::deleteRow);
    connect(btnOK, &QPushButton::clicked, this, &DirectoryWindow::chooseRow);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(grid_, &zel::ui::DbGrid::rowDoubleClicked, this, &DirectoryWindow::chooseRow);
    connect(grid_, &zel::ui::DbGrid::titleClicked, this, &DirectoryWindow::sortBy);
}

void DirectoryWindow::setColumns(const QVector<QPair<QString, QString>>& columns) {
    QVector<zel::ui::GridColumn> gridColumns;
    for (const auto& [field, title] : columns) {
        gridColumns.append({field, title});
    }
    grid_->setColumns(gridColumns);
}

void DirectoryWindow::addSearch(const QString& caption, const QString& editName,
                                const QString& buttonName, const QString& field, QLineEdit*& edit,
                                QPushButton*& button) {
    auto* group = new QGroupBox(caption, this);
    edit = new QLineEdit(group);
    edit->setObjectName(editName);
    edit->setMinimumWidth(220);
    button = new QPushButton(QStringLiteral("Найти"), group);
    button->setObjectName(buttonName);
    button->setToolTip(QStringLiteral("Найти следующую запись, начинающуюся с этого текста"));
    button->setAutoDefault(false);
    auto* row = new QHBoxLayout(group);
    row->addWidget(edit, 1);
    row->addWidget(button);
    searches_->addWidget(group);

    QLineEdit* source = edit;
    connect(button, &QPushButton::clicked, this,
            [this, source, field] { searchForward(field, source->text()); });
    edit->installEventFilter(this);
    searchButtons_.append({edit, button});
}

bool DirectoryWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut) {
        for (const auto& [edit, button] : searchButtons_) {
            if (edit == watched) {
                (event->type() == QEvent::FocusIn ? button : btnOK)->setDefault(true);
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}

void DirectoryWindow::prepare(Opener opener) {
    opener_ = opener;
    const bool maintaining = opener == Opener::MainWindow;
    btnOK->setVisible(!maintaining);
    btnCancel->setText(maintaining ? QStringLiteral("Закрыть") : QStringLiteral("Отмена"));
    btnOK->setDefault(true);
    // While picking, a double click chooses the row; while maintaining it edits the cell.
    grid_->setEditTriggers(
        maintaining ? QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                          QAbstractItemView::AnyKeyPressed
                    : QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed);
    setWindowState(Qt::WindowNoState);
    resize(openedSize_);
    if (QWidget* opener = parentWidget(); opener != nullptr && opener->isVisible()) {
        move(opener->window()->frameGeometry().center() - rect().center());
    }
}

bool DirectoryWindow::postPendingEdit() {
    return !list_.isEditing() || zel::ui::postOrShowError(this, list_);
}

void DirectoryWindow::addRow() {
    zel::ui::runOrShowError(this, [this] {
        list_.append();
        list_.post();
    });
    grid_->setFocus();
}

void DirectoryWindow::deleteRow() {
    if (list_.isEmpty()) {
        Dialogs::warn(this, QStringLiteral("Нет записи для удаления, таблица пуста!"));
        return;
    }
    if (Dialogs::askYesNo(this,
                          QStringLiteral("Вы действительно хотите удалить выделенную запись?")) !=
        Answer::Yes) {
        return;
    }
    zel::ui::runOrShowError(this, [this] { list_.remove(); });
}

void DirectoryWindow::chooseRow() {
    if (!opener_ || *opener_ == Opener::MainWindow || !postPendingEdit() ||
        list_.currentRow() < 0) {
        return;
    }
    if (handOver(*opener_)) {
        accept();
    }
}

void DirectoryWindow::sortBy(const QString& field) {
    if (!postPendingEdit()) {
        return;
    }
    const QVariant key = list_.value(QStringLiteral("KOD"));
    zel::ui::runOrShowError(this, [this, &field, &key] {
        list_.setSelectSql(QStringLiteral("select * from %1 order by %2").arg(table_, field));
        list_.open();
        if (key.isValid()) {
            list_.locate(QStringLiteral("KOD"), key);
        }
    });
}

void DirectoryWindow::searchForward(const QString& field, const QString& text) {
    zel::ui::runOrShowError(this, [this, &field, &text] {
        if (!list_.isActive()) {
            return;
        }
        for (int row = list_.currentRow() + 1;; ++row) {
            if (row >= list_.fetchedCount() && list_.fetchMore(Dataset::kDefaultBatch) == 0) {
                return;
            }
            if (list_.valueAt(row, field).toString().startsWith(text, Qt::CaseInsensitive)) {
                list_.moveTo(row);
                return;
            }
        }
    });
    grid_->setFocus();
}

void DirectoryWindow::done(int result) {
    if (!postPendingEdit()) {
        return;
    }
    opener_.reset();
    QDialog::done(result);
}

}  // namespace zelvan
