// The message dialog: each kind's buttons, icon and text size, the keys that answer it, and the
// size and place CenterForm gives a dialog.
#include "platform/BitmapRect.h"
#include "platform/CenterForm.h"
#include "dialogs/MessageDialog.h"
#include "platform/RoundButton.h"
#include "platform/ScaledLayout.h"

#include <QLabel>
#include <QTimer>
#include <QtTest>

class TestMessage : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void kinds_data();
    void kinds();
    void keys_data();
    void keys();
    void buttonsAnswer_data();
    void buttonsAnswer();
    void closeBoxCancels();
    void lines();
    void centeredBounds_data();
    void centeredBounds();
    void centerForm();

private:
    // Shows Msg and, once the dialog runs, does Act on it; returns the answer.
    int ShowThen(TMsgType Kind, std::function<void(TMessageForm&)> Act);
    TMessageForm* Form = nullptr;
    QWidget* Main = nullptr;
    float Scale = 1.0f;
};

void TestMessage::initTestCase() {
    Main = new QWidget;
    Main->setGeometry(100, 50, 800, 600);
    Main->show();
    QVERIFY(QTest::qWaitForWindowExposed(Main));
    Form = new TMessageForm(Main, Scale);
}

void TestMessage::cleanupTestCase() {
    delete Main;
}

int TestMessage::ShowThen(TMsgType Kind, std::function<void(TMessageForm&)> Act) {
    QTimer::singleShot(0, Form, [this, Act] {
        QTRY_VERIFY(Form->isVisible());
        Act(*Form);
        // Anything the action left open is closed, so a failing case cannot hang.
        QTimer::singleShot(1500, Form, [this] {
            if (Form->isVisible()) Form->done(-1);
        });
    });
    return Form->ShowMsg(QStringLiteral("⚠️ Un message"), Kind);
}

void TestMessage::kinds_data() {
    QTest::addColumn<TMsgType>("kind");
    QTest::addColumn<bool>("yesNo");
    QTest::addColumn<int>("image");
    QTest::addColumn<int>("fontSize");
    QTest::newRow("flag") << mtFlag << false << 0 << 16;
    QTest::newRow("warning") << mtWarning << false << 1 << 12;
    QTest::newRow("error") << mtError << false << 2 << 12;
    QTest::newRow("question") << mtQuestion << true << 4 << 12;
    QTest::newRow("information") << mtInformation << false << 3 << 12;
    QTest::newRow("flag question") << mtFlagQuestion << true << 0 << 16;
}

void TestMessage::kinds() {
    QFETCH(TMsgType, kind);
    QFETCH(bool, yesNo);
    Form->Prepare(QStringLiteral("ℹ️ Texte"), kind);
    QCOMPARE(Form->btYes->isVisibleTo(Form), yesNo);
    QCOMPARE(Form->btNo->isVisibleTo(Form), yesNo);
    QCOMPARE(Form->btOK->isVisibleTo(Form), !yesNo);
    QTEST(Form->ImageShown, "image");
    QTEST(Form->FontSize, "fontSize");
    QVERIFY(!Form->rImage->Bitmap().isNull());
    QCOMPARE(Form->lMessage->text(), QStringLiteral("ℹ️ Texte"));
    // The buttons are the form's own French ones.
    QCOMPARE(Form->btYes->text(), QStringLiteral("&Oui"));
    QCOMPARE(Form->btOK->text(), QStringLiteral("&OK"));
    QCOMPARE(Form->btNo->text(), QStringLiteral("&Non"));
}

void TestMessage::keys_data() {
    QTest::addColumn<TMsgType>("kind");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<int>("answer");
    const int none = Qt::NoModifier;
    QTest::newRow("Enter on a question: Yes") << mtQuestion << int(Qt::Key_Return) << none << 6;
    QTest::newRow("Enter on a flag question: Yes")
        << mtFlagQuestion << int(Qt::Key_Return) << none << 6;
    QTest::newRow("keypad Enter: Yes")
        << mtQuestion << int(Qt::Key_Enter) << int(Qt::KeypadModifier) << 6;
    QTest::newRow("Enter on information: OK") << mtInformation << int(Qt::Key_Return) << none << 1;
    QTest::newRow("Backspace on a question: No")
        << mtQuestion << int(Qt::Key_Backspace) << none << 7;
    QTest::newRow("Backspace on an OK message: No")
        << mtWarning << int(Qt::Key_Backspace) << none << 7;
    QTest::newRow("Escape: Cancel") << mtQuestion << int(Qt::Key_Escape) << none << 2;
    // With a modifier held a key does nothing; the dialog stays open (closed after by Escape).
    QTest::newRow("Shift+Enter") << mtQuestion << int(Qt::Key_Return) << int(Qt::ShiftModifier)
                                 << 2;
    QTest::newRow("Ctrl+Backspace")
        << mtQuestion << int(Qt::Key_Backspace) << int(Qt::ControlModifier) << 2;
    // The accelerator letters of the form's own buttons.
    QTest::newRow("Alt+O: Oui") << mtQuestion << int(Qt::Key_O) << int(Qt::AltModifier) << 6;
    QTest::newRow("Alt+N: Non") << mtFlagQuestion << int(Qt::Key_N) << int(Qt::AltModifier) << 7;
    QTest::newRow("Alt+O: OK") << mtWarning << int(Qt::Key_O) << int(Qt::AltModifier) << 1;
    QTest::newRow("another key") << mtInformation << int(Qt::Key_Space) << none << 2;
}

void TestMessage::keys() {
    QFETCH(TMsgType, kind);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    const int answer = ShowThen(kind, [&](TMessageForm& f) {
        f.activateWindow(); // accelerators act in the active window
        QVERIFY(QTest::qWaitForWindowActive(&f));
        QTest::keyClick(&f, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        // An accelerator presses its button visibly, for a moment, before it answers.
        const bool closed =
            (modifiers & Qt::AltModifier) && QTest::qWaitFor([&] { return !f.isVisible(); }, 1000);
        if (!closed && f.isVisible()) QTest::keyClick(&f, Qt::Key_Escape);
    });
    QTEST(answer, "answer");
}

void TestMessage::buttonsAnswer_data() {
    QTest::addColumn<TMsgType>("kind");
    QTest::addColumn<int>("button"); // 0 Yes, 1 OK, 2 No
    QTest::addColumn<int>("answer");
    QTest::newRow("Oui") << mtQuestion << 0 << 6;
    QTest::newRow("Non") << mtFlagQuestion << 2 << 7;
    QTest::newRow("OK") << mtError << 1 << 1;
}

void TestMessage::buttonsAnswer() {
    QFETCH(TMsgType, kind);
    QFETCH(int, button);
    const int answer = ShowThen(kind, [&](TMessageForm& f) {
        TRoundButton* b[] = {f.btYes, f.btOK, f.btNo};
        QTest::mouseClick(b[button], Qt::LeftButton);
    });
    QTEST(answer, "answer");
}

void TestMessage::closeBoxCancels() {
    QCOMPARE(ShowThen(mtQuestion, [](TMessageForm& f) { f.close(); }), 2);
}

void TestMessage::lines() {
    Form->Prepare(QStringLiteral("Une ligne"), mtWarning);
    const int one = Form->lMessage->heightForWidth(Form->lMessage->width());
    Form->Prepare(QStringLiteral("Une ligne\r\nUne autre"), mtWarning);
    const int two = Form->lMessage->heightForWidth(Form->lMessage->width());
    QVERIFY2(two > one, qPrintable(QStringLiteral("%1 <= %2").arg(two).arg(one)));
    QVERIFY(!Form->lMessage->text().contains(u'\r'));
    Form->Prepare(QString(), mtInformation);
    QVERIFY(Form->lMessage->text().isEmpty());
}

void TestMessage::centeredBounds_data() {
    QTest::addColumn<QSize>("frame");
    QTest::addColumn<float>("scale");
    QTest::addColumn<QRect>("active");
    QTest::addColumn<QRect>("bounds");
    // A frame adding 16 × 39 at scale 1: 332 × 175, centred.
    QTest::newRow("332x175") << QSize(16, 39) << 1.0f << QRect(100, 50, 800, 600)
                             << QRect(100 + (800 - 332) / 2, 50 + (600 - 175) / 2, 332, 175);
    // 316 × 1.125 = 355.5 and 316 × 1.375 = 434.5 round to the even neighbour.
    QTest::newRow("half up to even") << QSize(0, 0) << 1.125f << QRect(0, 0, 1000, 1000)
                                     << QRect((1000 - 356) / 2, (1000 - 153) / 2, 356, 153);
    QTest::newRow("half down to even") << QSize(0, 0) << 1.375f << QRect(0, 0, 1000, 1000)
                                       << QRect((1000 - 434) / 2, (1000 - 187) / 2, 434, 187);
    // Larger than the window it opens over: extends past both sides, truncated towards zero.
    QTest::newRow("larger") << QSize(16, 39) << 1.0f << QRect(10, 10, 301, 100)
                            << QRect(10 + (301 - 332) / 2, 10 + (100 - 175) / 2, 332, 175);
}

void TestMessage::centeredBounds() {
    QFETCH(QSize, frame);
    QFETCH(float, scale);
    QFETCH(QRect, active);
    QTEST(CenteredBounds(frame, QSizeF(316, 136), scale, active), "bounds");
}

void TestMessage::centerForm() {
    // The client area is the design size times the scale, the whole dialog centred over the
    // main window, frames included.
    Scale = 64.0f / 56.0f;
    QSize client;
    QRect outer;
    ShowThen(mtWarning, [&](TMessageForm& f) {
        client = f.size();
        outer = f.frameGeometry();
        f.done(mrOk);
    });
    QCOMPARE(client, QSize(361, 155)); // 316 × 1.142857 = 361.1, 136 × 1.142857 = 155.4
    const QRect m = Main->frameGeometry();
    QCOMPARE(outer.topLeft(), QPoint(m.left() + (m.width() - outer.width()) / 2,
                                     m.top() + (m.height() - outer.height()) / 2));
    QCOMPARE(Form->Layout->geometry(), Form->rect());
    Scale = 1.0f;
}

QTEST_MAIN(TestMessage)
#include "tst_message.moc"
