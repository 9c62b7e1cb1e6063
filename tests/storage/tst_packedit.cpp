// Checks what the pack editor reports about a pack, its status line, its buttons and its map moves.
#include "storage/PackEdit.h"
#include "tests/TestSupport.h"

#include <QTest>

namespace {
TMap Titled(const QString& Title, const QString& Solution = QString()) {
    TMap m;
    m.Title = Title;
    m.Solution = Solution;
    return m;
}

// A pack of maps given as "title" or "title|solution".
TPack PackOf(const QStringList& Maps) {
    TPack p;
    for (const QString& s : Maps) {
        const qsizetype bar = s.indexOf(QLatin1Char('|'));
        AppendMap(p, bar < 0 ? Titled(s) : Titled(s.left(bar), s.mid(bar + 1)));
    }
    return p;
}

QStringList Titles(const TPack& p) {
    QStringList l;
    for (unsigned k = 0; k < p.MapNb; ++k) l << p.Maps[k].Title;
    return l;
}
} // namespace

class TestPackEdit : public QObject {
    Q_OBJECT
private slots:
    void TitleUsedFromCountsFromFirst_data() {
        QTest::addColumn<QString>("Title");
        QTest::addColumn<int>("First");
        QTest::addColumn<bool>("Used");
        QTest::newRow("first map") << "A" << 1 << true;
        QTest::newRow("past it") << "A" << 2 << false;
        QTest::newRow("last map") << "C" << 3 << true;
        QTest::newRow("beyond the pack") << "C" << 4 << false;
        QTest::newRow("case counts") << "a" << 1 << false;
        QTest::newRow("empty title") << "" << 1 << false;
    }
    void TitleUsedFromCountsFromFirst() {
        QFETCH(QString, Title);
        QFETCH(int, First);
        QFETCH(bool, Used);
        QCOMPARE(TitleUsedFrom(PackOf({"A", "B", "C"}), Title, First), Used);
    }

    void DefectReport_data() {
        QTest::addColumn<QStringList>("Maps");
        QTest::addColumn<QString>("Report");
        const QString head = QStringLiteral("🪳 Un ou plusieurs défauts détectés :");
        QTest::newRow("sound") << QStringList{"A|1L", "B|1R"} << QString();
        QTest::newRow("two untitled, one without solution")
            << QStringList{"|1L", "|", "C|1D"}
            << head +
                   "\r\n2 tableaux n'ont pas de titre (un vide apparaitra dans le menu du bouton "
                   "Pack).\r\nUn tableau n'a pas de solution incluse.";
        QTest::newRow("one untitled")
            << QStringList{"|1L"}
            << head + "\r\nUn tableau n'a pas de titre (un vide apparaitra dans le menu du bouton "
                      "Pack).";
        QTest::newRow("same titles, none solved")
            << QStringList{"A", "B", "A"}
            << head +
                   "\r\nDes titres sont identiques.\r\n3 tableaux n'ont pas de solution incluse.";
        QTest::newRow("empty titles are not the same titles")
            << QStringList{"|1L", "|1L", "A|1L", "B|1L"}
            << head +
                   "\r\n2 tableaux n'ont pas de titre (un vide apparaitra dans le menu du bouton "
                   "Pack).";
    }
    void DefectReport() {
        QFETCH(QStringList, Maps);
        QFETCH(QString, Report);
        const TPackDefects d = FindPackDefects(PackOf(Maps));
        QCOMPARE(PackDefectsText(d.NoTitle, d.SameTitles, d.NoSolution), Report);
        TMessageRecorder rec;
        ReportPackDefects(d.NoTitle, d.SameTitles, d.NoSolution, rec);
        if (Report.isEmpty()) {
            QVERIFY(rec.Shown.isEmpty());
        } else {
            QCOMPARE(rec.Shown.size(), 1);
            QCOMPARE(rec.Shown[0].first, mtWarning);
            QCOMPARE(rec.Shown[0].second, Report);
        }
    }

    void MapStatus_data() {
        QTest::addColumn<int>("Index");
        QTest::addColumn<QString>("Edited");
        QTest::addColumn<QString>("Status");
        const QString used = QStringLiteral("⚠️Ce titre est déjà utilisé dans le pack\r\n");
        QTest::newRow("24 characters") << 0 << "A" << QStringLiteral("ℹ️Solution en 12 coups");
        QTest::newRow("no solution")
            << 1 << "B" << QStringLiteral("ℹ️Pas de solution incluse dans ce tableau");
        QTest::newRow("title of another map")
            << 1 << "A" << used + QStringLiteral("ℹ️Pas de solution incluse dans ce tableau");
        QTest::newRow("own title is fine")
            << 0 << "A" << QStringLiteral("ℹ️Solution en 12 coups");
        QTest::newRow("empty titles are equal")
            << 0 << "" << used + QStringLiteral("ℹ️Solution en 12 coups");
    }
    void MapStatus() {
        QFETCH(int, Index);
        QFETCH(QString, Edited);
        QFETCH(QString, Status);
        const TPack p = PackOf({"A|" + QString(24, QLatin1Char('x')), "B", "|1L"});
        QCOMPARE(MapStatusText(p, Index, Edited), Status);
    }

    void IntakeRemarks_data() {
        QTest::addColumn<QString>("Title");
        QTest::addColumn<QString>("Solution");
        QTest::addColumn<int>("Replace");
        QTest::addColumn<QString>("Remarks");
        QTest::newRow("new title, solved") << "N"
                                           << "1L" << -1 << QString();
        QTest::newRow("untitled, unsolved")
            << ""
            << "" << -1
            << "\r\n⚠️Ce tableau n'a pas de titre.\r\nCe tableau n'a pas de solution incluse.";
        QTest::newRow("added with a used title")
            << "B"
            << "1L" << -1 << "\r\n⚠️Le titre de ce tableau est déjà utilisé dans le pack.";
        QTest::newRow("replacing the map of that title") << "B"
                                                         << "1L" << 1 << QString();
        QTest::newRow("replacing another map")
            << "B"
            << "1L" << 0 << "\r\n⚠️Le titre de ce tableau est déjà utilisé dans le pack.";
    }
    void IntakeRemarks() {
        QFETCH(QString, Title);
        QFETCH(QString, Solution);
        QFETCH(int, Replace);
        QFETCH(QString, Remarks);
        QCOMPARE(MapIntakeRemarks(PackOf({"A|1L", "B|1L"}), Titled(Title, Solution), Replace),
                 Remarks);
    }

    void ButtonStates_data() {
        QTest::addColumn<int>("Maps");
        QTest::addColumn<int>("Selected");
        QTest::addColumn<QString>(
            "Enabled"); // S save, A add, R replace/remove/export, U up, D down
        QTest::newRow("empty") << 0 << -1 << "A";
        QTest::newRow("one, none selected") << 1 << -1 << "SA";
        QTest::newRow("one selected") << 1 << 0 << "SAR";
        QTest::newRow("first of three") << 3 << 0 << "SARD";
        QTest::newRow("middle of three") << 3 << 1 << "SARUD";
        QTest::newRow("last of three") << 3 << 2 << "SARU";
        QTest::newRow("twenty, last") << 20 << 19 << "SRU";
        QTest::newRow("twenty, none") << 20 << -1 << "S";
    }
    void ButtonStates() {
        QFETCH(int, Maps);
        QFETCH(int, Selected);
        QFETCH(QString, Enabled);
        TPack p;
        for (int k = 0; k < Maps; ++k) QVERIFY(AppendMap(p, Titled(QString::number(k))));
        const TPackButtons b = PackButtonStates(p, Maps, Selected);
        QString got;
        if (b.SaveAs) got += 'S';
        if (b.Add) got += 'A';
        if (b.Replace) {
            QVERIFY(b.Remove && b.Export);
            got += 'R';
        } else {
            QVERIFY(!b.Remove && !b.Export);
        }
        if (b.MoveUp) got += 'U';
        if (b.MoveDown) got += 'D';
        QCOMPARE(got, Enabled);
    }

    void AppendStopsAtTwenty() {
        TPack p;
        for (int k = 0; k < MaxMaps; ++k) QVERIFY(AppendMap(p, Titled(QString::number(k))));
        QVERIFY(!AppendMap(p, Titled("21")));
        QCOMPARE(p.MapNb, 20u);
        QCOMPARE(p.Maps[19].Title, QStringLiteral("19"));
    }

    void RemoveSelectsNeighbour_data() {
        QTest::addColumn<QStringList>("Maps");
        QTest::addColumn<int>("Index");
        QTest::addColumn<QStringList>("Left");
        QTest::addColumn<int>("Next");
        QTest::newRow("first") << QStringList{"A", "B", "C"} << 0 << QStringList{"B", "C"} << 0;
        QTest::newRow("middle") << QStringList{"A", "B", "C"} << 1 << QStringList{"A", "C"} << 1;
        QTest::newRow("last") << QStringList{"A", "B", "C"} << 2 << QStringList{"A", "B"} << 1;
        QTest::newRow("only") << QStringList{"A"} << 0 << QStringList{} << -1;
        QTest::newRow("outside") << QStringList{"A"} << 1 << QStringList{"A"} << -1;
    }
    void RemoveSelectsNeighbour() {
        QFETCH(QStringList, Maps);
        QFETCH(int, Index);
        QFETCH(QStringList, Left);
        QFETCH(int, Next);
        TPack p = PackOf(Maps);
        QCOMPARE(RemoveMap(p, Index), Next);
        QCOMPARE(Titles(p), Left);
    }

    void SwapStaysInside() {
        TPack p = PackOf({"A", "B", "C"});
        QVERIFY(SwapMaps(p, 1, 2));
        QCOMPARE(Titles(p), QStringList({"A", "C", "B"}));
        QVERIFY(!SwapMaps(p, 2, 3));
        QVERIFY(!SwapMaps(p, -1, 0));
        QCOMPARE(Titles(p), QStringList({"A", "C", "B"}));
    }
};

QTEST_GUILESS_MAIN(TestPackEdit)
#include "tst_packedit.moc"
