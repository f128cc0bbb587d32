// SPDX-License-Identifier: GPL-3.0-or-later
// Left clicks on the output lists: which criteria boxes the clicked row and its partner row fill.
#include "panes/clickedit.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestClickEdit : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void list1Click_data();
    void list1Click();
    void list2Click_data();
    void list2Click();
};

void TestClickEdit::list1Click_data()
{
    QTest::addColumn<QString>("row");
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("verseFile");
    QTest::addColumn<int>("tallyShown");
    QTest::addColumn<bool>("setsFilter");
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QString>("indexPos");

    QTest::newRow("usage search copies the whole date")
        << u"Dec 24, 2022"_s << 0 << 0 << 0 << true << u"Dec 24, 2022"_s << u"(1)"_s;
    QTest::newRow("usage tally leaves Filter") << u" 12"_s << 2 << 0 << 1 << false << QString() << u"(3)"_s;
    QTest::newRow("verse title less its dot")
        << u"12 Amazing grace."_s << 4 << 1 << 0 << true << u"Amazing grace"_s << u"(5)"_s;
    QTest::newRow("verse ignores the tally flag")
        << u"12 Amazing grace."_s << 0 << 1 << 1 << true << u"Amazing grace"_s << u"(1)"_s;
    QTest::newRow("verse drops one dot only") << u"7 Amen.."_s << 0 << 1 << 0 << true << u"Amen."_s << u"(1)"_s;
    QTest::newRow("verse row without space leaves Filter")
        << u"Doxology."_s << 1 << 1 << 0 << false << QString() << u"(2)"_s;
    QTest::newRow("verse leading space") << u" Grace."_s << 0 << 1 << 0 << true << u"Grace"_s << u"(1)"_s;
    QTest::newRow("verse space at the end empties Filter") << u"12 "_s << 9 << 1 << 0 << true << QString() << u"(10)"_s;
    QTest::newRow("verse rest after first space only")
        << u"12 O God, our help."_s << 0 << 1 << 0 << true << u"O God, our help"_s << u"(1)"_s;
}

void TestClickEdit::list1Click()
{
    QFETCH(QString, row);
    QFETCH(int, index);
    QFETCH(int, verseFile);
    QFETCH(int, tallyShown);
    QFETCH(bool, setsFilter);
    QFETCH(QString, filter);
    QFETCH(QString, indexPos);

    const Panes::ClickEdit edit = Panes::List1ClickEdit(row, index, verseFile != 0, tallyShown != 0);
    QVERIFY(edit.hymnmbr.isEmpty());
    QVERIFY(edit.hymname.isEmpty());
    QVERIFY(edit.LimitYr.isEmpty());
    QVERIFY(edit.uncheckTitleOnly);
    QCOMPARE(edit.indexPos, indexPos);
    QCOMPARE(edit.Filter.has_value(), setsFilter);
    if (setsFilter)
        QCOMPARE(*edit.Filter, filter);
}

void TestClickEdit::list2Click_data()
{
    QTest::addColumn<QString>("row");
    QTest::addColumn<QString>("partner");
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("verseFile");
    QTest::addColumn<QString>("hymnmbr");
    QTest::addColumn<QString>("hymname");
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QString>("indexPos");

    QTest::newRow("usage number and title") << u"123 Holy God"_s << u"Dec 24, 2022"_s << 0 << 0 << u"123"_s
                                            << u"Holy God"_s << u"Dec 24, 2022"_s << u"(1)"_s;
    QTest::newRow("usage title trimmed") << u"45   Joy to the World  "_s << u"Dec 25, 2022."_s << 2 << 0 << u"45"_s
                                         << u"Joy to the World"_s << u"Dec 25, 2022."_s << u"(3)"_s;
    QTest::newRow("usage row without space")
        << u"Doxology"_s << u"Jan 1"_s << 1 << 0 << QString() << u"Doxology"_s << u"Jan 1"_s << u"(2)"_s;
    QTest::newRow("usage row with leading space")
        << u" Amen "_s << u"Jan 1"_s << 0 << 0 << QString() << u"Amen"_s << u"Jan 1"_s << u"(1)"_s;
    QTest::newRow("tally row of a blank number")
        << u"  Amazing Grace"_s << u" 3"_s << 4 << 0 << QString() << u"Amazing Grace"_s << u" 3"_s << u"(5)"_s;
    QTest::newRow("usage click beyond List1")
        << u"12 Abide"_s << QString() << 7 << 0 << u"12"_s << u"Abide"_s << QString() << u"(8)"_s;
    QTest::newRow("verse line kept untrimmed")
        << u"  (v1 Amazing grace  "_s << u"12 Amazing grace."_s << 2 << 1 << u"12"_s << u"  (v1 Amazing grace  "_s
        << u"Amazing grace"_s << u"(3)"_s;
    QTest::newRow("verse partner without space")
        << u"(R) Glory"_s << u"Doxology."_s << 0 << 1 << QString() << u"(R) Glory"_s << u"Doxology"_s << u"(1)"_s;
    QTest::newRow("verse partner with leading space")
        << u"x"_s << u" Grace."_s << 0 << 1 << QString() << u"x"_s << u"Grace"_s << u"(1)"_s;
    QTest::newRow("verse click beyond List1")
        << u"1779"_s << QString() << 5 << 1 << QString() << u"1779"_s << QString() << u"(6)"_s;
}

void TestClickEdit::list2Click()
{
    QFETCH(QString, row);
    QFETCH(QString, partner);
    QFETCH(int, index);
    QFETCH(int, verseFile);
    QFETCH(QString, hymnmbr);
    QFETCH(QString, hymname);
    QFETCH(QString, filter);
    QFETCH(QString, indexPos);

    const Panes::ClickEdit edit = Panes::List2ClickEdit(row, partner, index, verseFile != 0);
    QCOMPARE(edit.hymnmbr, hymnmbr);
    QCOMPARE(edit.hymname, hymname);
    QVERIFY(edit.LimitYr.isEmpty());
    QVERIFY(!edit.uncheckTitleOnly);
    QCOMPARE(edit.indexPos, indexPos);
    QVERIFY(edit.Filter.has_value());
    QCOMPARE(*edit.Filter, filter);
}

QTEST_GUILESS_MAIN(TestClickEdit)
#include "tst_core_clickedit.moc"
