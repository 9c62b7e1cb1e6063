// Multi-line texts in an edit box: their line breaks both ways and the cut at a limit.
#include "storage/MemoText.h"

#include <QtTest>

class TestMemoText : public QObject {
    Q_OBJECT

private slots:
    void memoLineBreaks_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("memo");
        QTest::addColumn<QString>("back");
        QTest::newRow("empty") << ""
                               << ""
                               << "";
        QTest::newRow("CR LF") << "a\r\nb"
                               << "a\nb"
                               << "a\r\nb";
        QTest::newRow("lone CR") << "a\rb"
                                 << "a\nb"
                                 << "a\r\nb";
        QTest::newRow("lone LF") << "a\nb"
                                 << "a\nb"
                                 << "a\r\nb";
        QTest::newRow("LF CR is two breaks") << "a\n\rb"
                                             << "a\n\nb"
                                             << "a\r\n\r\nb";
    }
    void memoLineBreaks() {
        QFETCH(QString, text);
        QFETCH(QString, memo);
        QFETCH(QString, back);
        QCOMPARE(TextToMemo(text), memo);
        QCOMPARE(MemoToText(memo), back);
    }

    void cutMemoText_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("limit");
        QTest::addColumn<QString>("kept");
        QTest::newRow("within") << "ab" << 5 << "ab";
        QTest::newRow("plain cut") << "abcdef" << 4 << "abcd";
        QTest::newRow("cut inside CR LF") << "ab\r\ncd" << 3 << "ab";
        QTest::newRow("cut after CR LF") << "ab\r\ncd" << 4 << "ab\r\n";
        QTest::newRow("cut inside an emoji") << "ab😀" << 3 << "ab";
    }
    void cutMemoText() {
        QFETCH(QString, text);
        QFETCH(int, limit);
        QFETCH(QString, kept);
        QCOMPARE(CutMemoText(text, limit), kept);
    }
};

QTEST_GUILESS_MAIN(TestMemoText)
#include "tst_memotext.moc"
