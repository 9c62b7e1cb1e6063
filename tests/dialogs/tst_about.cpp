// Drives the about box offscreen: its version text, and what closes it and what does not.
#include "AboutUnit.h"
#include "BitmapRect.h"

#include <QLabel>
#include <QTest>
#include <QWindow>

namespace {
QStringList Opened;
bool RecordUrl(const QString& Url) {
    Opened << Url;
    return true;
}
} // namespace

class TestAbout : public QObject {
    Q_OBJECT

    TAboutForm* Form = nullptr;

    // A real click at the centre of W, found by the window as the player's pointer would be.
    void ClickOn(QWidget* W) {
        const QPoint at = W->mapTo(Form, W->rect().center());
        QTest::mouseClick(Form->windowHandle(), Qt::LeftButton, {}, at);
    }

private slots:
    void init() {
        Opened.clear();
        Form = new TAboutForm;
        Form->SetUrlOpener(&RecordUrl);
        Form->show();
        QVERIFY(QTest::qWaitForWindowExposed(Form));
    }
    void cleanup() {
        delete Form;
        Form = nullptr;
    }

    void VersionTextHasFourLines() {
#if defined(Q_OS_LINUX)
        const QString platform = QStringLiteral("Linux");
#elif defined(Q_OS_WIN)
        const QString platform = QStringLiteral("Windows");
#else
        const QString platform =
            TAboutForm::VersionText().split("\r\n").value(2).section(' ', 0, -3);
#endif
        const QString bits = QString::number(sizeof(void*) * 8);
        const QStringList lines = TAboutForm::VersionText().split(QStringLiteral("\r\n"));
        QCOMPARE(lines, QStringList({"Jeu gratuit", "Version 1.2.1",
                                     platform + " " + bits + " bits", "Juin 2023"}));
        QCOMPARE(Form->lInfo->text(), TAboutForm::VersionText());
        QCOMPARE(Form->Label0->text(), QStringLiteral("Virelune"));
    }

    void AnyKeyCloses_data() {
        QTest::addColumn<int>("Key");
        QTest::addColumn<int>("Modifiers");
        QTest::newRow("escape") << int(Qt::Key_Escape) << int(Qt::NoModifier);
        QTest::newRow("enter") << int(Qt::Key_Return) << int(Qt::NoModifier);
        QTest::newRow("letter") << int(Qt::Key_A) << int(Qt::NoModifier);
        QTest::newRow("ctrl+letter") << int(Qt::Key_A) << int(Qt::ControlModifier);
        QTest::newRow("ctrl+escape") << int(Qt::Key_Escape) << int(Qt::ControlModifier);
        QTest::newRow("tab") << int(Qt::Key_Tab) << int(Qt::NoModifier);
    }
    void AnyKeyCloses() {
        QFETCH(int, Key);
        QFETCH(int, Modifiers);
        QTest::keyClick(Form->windowHandle(), Qt::Key(Key), Qt::KeyboardModifiers(Modifiers));
        QVERIFY(Form->isHidden());
    }

    void ClicksOutsideTheLinkClose_data() {
        QTest::addColumn<QString>("Target");
        QTest::newRow("picture") << "Rectangle1";
        QTest::newRow("description") << "Desc";
        QTest::newRow("name") << "Label0";
        QTest::newRow("version") << "lInfo";
    }
    void ClicksOutsideTheLinkClose() {
        QFETCH(QString, Target);
        QWidget* w = Target == "Rectangle1" ? static_cast<QWidget*>(Form->Rectangle1)
                     : Target == "Desc"     ? Form->Desc
                     : Target == "Label0"   ? Form->Label0
                                            : Form->lInfo;
        ClickOn(w);
        QVERIFY(Form->isHidden());
        QVERIFY(Opened.isEmpty());
    }

    void TheLinkOpensThePageAndStays() {
        ClickOn(Form->lLink);
        QVERIFY(Form->isVisible());
        QCOMPARE(Opened, QStringList{TAboutForm::WebPage});
        QCOMPARE(Form->lLink->text(), TAboutForm::WebPage);
    }
};

QTEST_MAIN(TestAbout)
#include "tst_about.moc"
