// Drives the about box offscreen: its version text, what closes it and what does not, and the
// link to the guide page in the game folder.
#include "dialogs/AboutDialog.h"
#include "platform/BitmapRect.h"
#include "storage/GameFolder.h"
#include "tests/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>
#include <QWindow>
#include <memory>

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
    std::unique_ptr<QTemporaryDir> Dir; // the game folder, with "mon jeu" in its path
    TMessageRecorder Rec;

    // A real click at the centre of W, found by the window as the player's pointer would be.
    void ClickOn(QWidget* W, Qt::MouseButton Button = Qt::LeftButton) {
        const QPoint at = W->mapTo(Form, W->rect().center());
        QTest::mouseClick(Form->windowHandle(), Button, {}, at);
    }
    QString Guide() const { return Dir->path() + "/mon jeu/Virelune.html"; }

private slots:
    void init() {
        Opened.clear();
        Rec = TMessageRecorder();
        Dir = std::make_unique<QTemporaryDir>();
        QVERIFY(Dir->isValid());
        QVERIFY(QDir(Dir->path()).mkpath("mon jeu"));
        SetGameDir(Dir->path() + "/mon jeu");
        QFile page(Guide());
        QVERIFY(page.open(QIODevice::WriteOnly));
        page.write("<!DOCTYPE html><html lang=\"fr\"></html>\n");
        page.close();
        Form = new TAboutForm(Rec);
        Form->SetUrlOpener(&RecordUrl);
        Form->show();
        QVERIFY(QTest::qWaitForWindowExposed(Form));
    }
    void cleanup() {
        delete Form;
        Form = nullptr;
        SetGameDir(QString());
        Dir.reset();
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
        QTest::addColumn<int>("Button");
        QTest::newRow("picture") << "Rectangle1" << int(Qt::LeftButton);
        QTest::newRow("description") << "Desc" << int(Qt::LeftButton);
        QTest::newRow("name") << "Label0" << int(Qt::LeftButton);
        QTest::newRow("version") << "lInfo" << int(Qt::LeftButton);
        QTest::newRow("right click on the description") << "Desc" << int(Qt::RightButton);
        QTest::newRow("middle click on the picture") << "Rectangle1" << int(Qt::MiddleButton);
        QTest::newRow("right click on the name") << "Label0" << int(Qt::RightButton);
    }
    void ClicksOutsideTheLinkClose() {
        QFETCH(QString, Target);
        QFETCH(int, Button);
        QWidget* w = Target == "Rectangle1" ? static_cast<QWidget*>(Form->Rectangle1)
                     : Target == "Desc"     ? Form->Desc
                     : Target == "Label0"   ? Form->Label0
                                            : Form->lInfo;
        ClickOn(w, Qt::MouseButton(Button));
        QVERIFY(Form->isHidden());
        QVERIFY(Opened.isEmpty());
    }

    // The link names the guide and opens its file:// address in the game folder; the box stays.
    void TheLinkOpensTheGuideAndStays() {
        QCOMPARE(Form->lLink->text(), QStringLiteral("Virelune.html"));
        ClickOn(Form->lLink);
        QVERIFY(Form->isVisible());
        QCOMPARE(Opened.size(), 1);
        const QUrl url(Opened.first(), QUrl::StrictMode);
        QVERIFY(url.isValid());
        QCOMPARE(url.scheme(), QStringLiteral("file"));
        QCOMPARE(url.toLocalFile(), Guide());
        QVERIFY(Opened.first().contains("mon%20jeu"));
        QVERIFY(Rec.Shown.isEmpty());
        // Other buttons on the link neither open it nor close the box.
        ClickOn(Form->lLink, Qt::RightButton);
        ClickOn(Form->lLink, Qt::MiddleButton);
        QVERIFY(Form->isVisible());
        QCOMPARE(Opened.size(), 1);
    }

    void AMissingGuideIsReported() {
        QVERIFY(QFile::remove(Guide()));
        ClickOn(Form->lLink);
        QVERIFY(Opened.isEmpty());
        QCOMPARE(Rec.Shown.size(), 1);
        QCOMPARE(Rec.Shown.first().first, mtError);
        QCOMPARE(Rec.Shown.first().second, QStringLiteral("Le fichier Virelune.html n'existe pas"));
        QVERIFY(Form->isVisible());
        // A folder of that name is no page either.
        QVERIFY(QDir().mkpath(Guide()));
        ClickOn(Form->lLink);
        QVERIFY(Opened.isEmpty());
        QCOMPARE(Rec.Shown.size(), 2);
    }
};

QTEST_MAIN(TestAbout)
#include "tst_about.moc"
