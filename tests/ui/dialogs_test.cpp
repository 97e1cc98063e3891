#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QMessageBox>
#include <QTest>
#include <functional>
#include <memory>
#include <optional>

#include "core/fb/error.h"
#include "ui/dialogs.h"
#include "ui/scripted_dialogs.h"

namespace {

using zel::ui::Answer;
using zel::ui::DialogKind;
using zel::ui::DialogRequest;
using zel::ui::Dialogs;
using zel::ui::ScriptedDialogs;

struct DialogCase {
    const char* name;
    std::function<std::optional<Answer>()> show;  // the answer a question returned
    DialogKind kind;
    QString text;
    QVector<Answer> buttons;
    std::optional<Answer> scripted;  // nothing: left to the unscripted default
    std::optional<Answer> received;  // nothing for a message
};

std::optional<Answer> message(const std::function<void()>& show) {
    show();
    return std::nullopt;
}

TEST(Dialogs, EveryKindReachesTheAnswererWithItsTextAndButtons) {
    const QString deleteText = QString::fromUtf8("Вы действительно хотите удалить запись?");
    const QString serverText = QString::fromUtf8(
        "lock conflict on no wait transaction\n-update conflicts with concurrent update");
    const QString fillText =
        QString::fromUtf8("Таблица материалов не пуста. Что вы хотите сделать?");
    const QVector<DialogCase> cases{
        {"information",
         [] { return message([] { Dialogs::inform(nullptr, "i"); }); },
         DialogKind::Information,
         "i",
         {Answer::Ok},
         std::nullopt,
         std::nullopt},
        {"warning",
         [] { return message([] { Dialogs::warn(nullptr, "w"); }); },
         DialogKind::Warning,
         "w",
         {Answer::Ok},
         std::nullopt,
         std::nullopt},
        {"error",
         [] { return message([] { Dialogs::showError(nullptr, "e"); }); },
         DialogKind::Error,
         "e",
         {Answer::Ok},
         std::nullopt,
         std::nullopt},
        {"database error",
         [&] {
             return message([&] { Dialogs::showDatabaseError(nullptr, fb::Error(serverText)); });
         },
         DialogKind::Error,
         serverText,
         {Answer::Ok},
         std::nullopt,
         std::nullopt},
        {"yes/no answered no",
         [&] { return Dialogs::askYesNo(nullptr, deleteText); },
         DialogKind::Confirmation,
         deleteText,
         {Answer::Yes, Answer::No},
         Answer::No,
         Answer::No},
        {"yes/no answered yes",
         [&] { return Dialogs::askYesNo(nullptr, deleteText); },
         DialogKind::Confirmation,
         deleteText,
         {Answer::Yes, Answer::No},
         Answer::Yes,
         Answer::Yes},
        {"warning ok/cancel",
         [] { return Dialogs::askOkCancel(nullptr, DialogKind::Warning, "oc"); },
         DialogKind::Warning,
         "oc",
         {Answer::Ok, Answer::Cancel},
         Answer::Ok,
         Answer::Ok},
        {"cancel/ignore",
         [] { return Dialogs::askCancelIgnore(nullptr, "ci"); },
         DialogKind::Confirmation,
         "ci",
         {Answer::Cancel, Answer::Ignore},
         Answer::Ignore,
         Answer::Ignore},
        {"add/replace answered replace",
         [&] { return Dialogs::askAddReplace(nullptr, fillText); },
         DialogKind::Confirmation,
         fillText,
         {Answer::Add, Answer::Replace, Answer::Cancel},
         Answer::Replace,
         Answer::Replace},
        {"add/replace answered add",
         [&] { return Dialogs::askAddReplace(nullptr, fillText); },
         DialogKind::Confirmation,
         fillText,
         {Answer::Add, Answer::Replace, Answer::Cancel},
         Answer::Add,
         Answer::Add},
        {"add/replace unscripted",
         [&] { return Dialogs::askAddReplace(nullptr, fillText); },
         DialogKind::Confirmation,
         fillText,
         {Answer::Add, Answer::Replace, Answer::Cancel},
         std::nullopt,
         Answer::Cancel},
    };
    for (const DialogCase& c : cases) {
        SCOPED_TRACE(c.name);
        ScriptedDialogs dialogs;
        if (c.scripted) {
            dialogs.answerNext(*c.scripted);
        }
        const std::optional<Answer> answer = c.show();
        if (c.received) {
            EXPECT_EQ(answer, c.received);
        }
        ASSERT_EQ(dialogs.requests().size(), 1);
        const DialogRequest& request = dialogs.requests().first();
        EXPECT_EQ(request.kind, c.kind);
        EXPECT_EQ(request.text, c.text);
        EXPECT_EQ(request.buttons, c.buttons);
    }
}

QAbstractButton* buttonCaptioned(const QMessageBox& box, const QString& caption) {
    for (QAbstractButton* button : box.buttons()) {
        if (button->text() == caption) {
            return button;
        }
    }
    return nullptr;
}

QStringList captions(const QMessageBox& box) {
    QStringList all;
    for (QAbstractButton* button : box.buttons()) {
        all.append(button->text());
    }
    all.sort();
    return all;
}

// The real boxes are built and clicked without running them modally.
TEST(Dialogs, RealBoxesCarryRussianCaptionsAndReportTheClickedAnswer) {
    const DialogRequest fill{
        DialogKind::Confirmation, "fill", {Answer::Add, Answer::Replace, Answer::Cancel}};
    const std::unique_ptr<QMessageBox> box(Dialogs::createMessageBox(nullptr, fill));
    EXPECT_EQ(box->text(), "fill");
    EXPECT_EQ(box->icon(), QMessageBox::Question);
    EXPECT_EQ(captions(*box),
              QStringList({QString::fromUtf8("Добавить"), QString::fromUtf8("Заменить"),
                           QString::fromUtf8("Отмена")}));
    box->show();
    QAbstractButton* replace = buttonCaptioned(*box, QString::fromUtf8("Заменить"));
    ASSERT_NE(replace, nullptr);
    replace->click();
    EXPECT_EQ(Dialogs::answerOf(*box, fill), Answer::Replace);

    const DialogRequest question{DialogKind::Confirmation, "q", {Answer::Yes, Answer::No}};
    const std::unique_ptr<QMessageBox> yesNo(Dialogs::createMessageBox(nullptr, question));
    EXPECT_EQ(captions(*yesNo), QStringList({QString::fromUtf8("&Да"), QString::fromUtf8("&Нет")}));
    yesNo->show();
    QTest::keyClick(yesNo.get(), Qt::Key_Escape);
    EXPECT_EQ(Dialogs::answerOf(*yesNo, question), Answer::No);

    const DialogRequest guard{DialogKind::Confirmation, "g", {Answer::Cancel, Answer::Ignore}};
    const std::unique_ptr<QMessageBox> cancelIgnore(Dialogs::createMessageBox(nullptr, guard));
    EXPECT_EQ(captions(*cancelIgnore),
              QStringList({QString::fromUtf8("&Игнорировать"), QString::fromUtf8("Отмена")}));
    EXPECT_EQ(Dialogs::answerOf(*cancelIgnore, guard), Answer::Cancel);  // closed unanswered
    cancelIgnore->show();
    buttonCaptioned(*cancelIgnore, QString::fromUtf8("&Игнорировать"))->click();
    EXPECT_EQ(Dialogs::answerOf(*cancelIgnore, guard), Answer::Ignore);
}

}  // namespace
