// SPDX-License-Identifier: GPL-3.0-or-later
// Keeping the service log: a service added to a file in each encoding and line end and read back by the loader,
// a service changed or removed in each encoding, line end and place with every other byte kept, the refusals, head
// lines written in the file's style and read back, the file's order, the default date, the planner's marks over a
// hand-counted log, whether the latest service names its occasion, the numbers written for what is typed, and the weeks
// kept.
#include "logbook/addservice.h"
#include "logbook/changeservice.h"
#include "logbook/fileform.h"
#include "logbook/headstyle.h"
#include "logbook/hymntitles.h"
#include "logbook/planner.h"
#include "search/datelimits.h"
#include "store/hymnfileloader.h"
#include "store/serviceview.h"

#include <QLocale>
#include <QStringEncoder>
#include <QTest>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(Logbook::LineEnd)
Q_DECLARE_METATYPE(Logbook::ServiceOrder)

namespace {

// The test's own encoder, so that the expected bytes do not come from the code under test.
QByteArray encoded(const QString &text, const QString &encoding)
{
    if (encoding == u"Windows-1252")
        return text.toLatin1();
    if (encoding.startsWith(u"UTF-8"))
        return (encoding.endsWith(u"BOM") ? QByteArray("\xEF\xBB\xBF") : QByteArray()) + text.toUtf8();
    QStringEncoder encoder(encoding == u"UTF-16LE" ? QStringEncoder::Utf16LE : QStringEncoder::Utf16BE,
                           QStringEncoder::Flag::WriteBom);
    return encoder.encode(text);
}

QStringList entriesOf(const QByteArray &bytes)
{
    EntryStore store;
    HymnFileLoader::loadBytes(bytes, u"log.txt"_s, store);
    QStringList entries;
    for (int e = 1; e <= store.entryCount(); ++e) {
        QString entry = store.head(e);
        for (int s = 1; s <= EntryStore::MaxSlots && !store.text(e, s).isEmpty(); ++s)
            entry += u'|' + store.tag(e, s) + u'=' + store.text(e, s);
        entries.append(entry);
    }
    return entries;
}

// "number|text" per line.
Logbook::NewService serviceOf(QDate date, const QString &occasion, const QStringList &lines)
{
    Logbook::NewService service{date, occasion, {}};
    for (const QString &line : lines)
        service.lines.push_back({line.section(u'|', 0, 0), line.section(u'|', 1)});
    return service;
}

const QStringList kLines{u"88|O Come, All Ye Faithful"_s, u"|Anthem"_s, u" | "_s, u"92(2)| Noël "_s};
const QStringList kWritten{u"Dec 14, 2026 Advent 3"_s, u"88 O Come, All Ye Faithful"_s, u"Anthem"_s, u"92(2) Noël"_s};
const QString kStatus = u"Service of Dec 14, 2026 added: 2 hymns"_s;

// A log of a service a day from Jan 2, 2000, each of linesEach hymns.
QString daily(int services, int linesEach)
{
    QString file;
    for (int i = 0; i < services; ++i) {
        file += QLocale(QLocale::English).toString(QDate(2000, 1, 2).addDays(i), u"MMM d, yyyy"_s);
        for (int line = 1; line <= linesEach; ++line)
            file += u'\n' + QString::number(line) + u" Hymn"_s;
        file += u"\n\n"_s;
    }
    return file;
}

} // namespace

class TestLogbook : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void addsService_data()
    {
        QTest::addColumn<QString>("encoding");
        QTest::addColumn<QString>("original");
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<int>("place"); // the new service's place among the entries; -1: the last
        QTest::addColumn<QString>("status");

        const QDate dec14(2026, 12, 14);
        // "é" makes the Windows-1252 file invalid UTF-8, as such files are.
        const QStringList log{u"Jan 3, 2021"_s, u"130 As with Gladness"_s,  u"Doxology"_s,
                              QString(),        u"Jan 10, 2021 Epiphany"_s, u"105 Noël é"_s};
        for (const QString &encoding : {u"UTF-8"_s, u"UTF-8 BOM"_s, u"UTF-16LE"_s, u"UTF-16BE"_s, u"Windows-1252"_s}) {
            for (const QString &eol : {u"\r\n"_s, u"\n"_s, u"\r"_s}) {
                const QString name = encoding + (eol == u"\n" ? u" LF"_s : eol == u"\r" ? u" CR"_s : u" CRLF"_s);
                QTest::newRow(qPrintable(name))
                    << encoding << log.join(eol) + eol << kLines << dec14
                    << log.join(eol) + eol + eol + kWritten.join(eol) + eol << -1 << kStatus;
            }
        }
        const QString oldest = log.join(u'\n');
        const QString newest = u"Jan 10, 2021\n105 Noël\n\nJan 3, 2021\n130 As with Gladness\n"_s;
        const QString service = kWritten.join(u'\n');
        QTest::newRow("newest first: at the top")
            << u"UTF-8 BOM"_s << newest << kLines << dec14 << service + u"\n\n"_s + newest << 0 << kStatus;
        QTest::newRow("newest first, blank line at the top")
            << u"UTF-16LE"_s << u"\n"_s + newest << kLines << dec14 << service + u"\n\n"_s + newest << 0 << kStatus;
        QTest::newRow("last line unended stays so")
            << u"UTF-8"_s << oldest << kLines << dec14 << oldest + u"\n\n"_s + service << -1 << kStatus;
        QTest::newRow("unended blank last line")
            << u"UTF-8"_s << oldest + u"\n  "_s << kLines << dec14 << oldest + u"\n  \n"_s + service << -1 << kStatus;
        QTest::newRow("blank lines already at the end") << u"UTF-8"_s << oldest + u"\n\n\n"_s << kLines << dec14
                                                        << oldest + u"\n\n\n"_s + service + u'\n' << -1 << kStatus;
        QTest::newRow("lone CR at the end of an LF file") << u"Windows-1252"_s << oldest + u'\r' << kLines << dec14
                                                          << oldest + u"\r\n\n"_s + service + u'\n' << -1 << kStatus;
        QTest::newRow("empty file: the caller's line end, one hymn")
            << u"UTF-8"_s << QString() << QStringList{u"5|Hymn"_s} << dec14 << u"Dec 14, 2026 Advent 3\r\n5 Hymn\r\n"_s
            << -1 << u"Service of Dec 14, 2026 added: 1 hymn"_s;
        QTest::newRow("the last service the program reads")
            << u"UTF-8"_s << daily(1799, 1) << QStringList{u"5|Hymn"_s} << dec14
            << daily(1799, 1) + u"Dec 14, 2026 Advent 3\n5 Hymn\n"_s << -1
            << u"Service of Dec 14, 2026 added: 1 hymn"_s;
        QTest::newRow("the file's own date style")
            << u"UTF-8"_s << u"January 3, 2021\n130 As with Gladness\n"_s << QStringList{u"5|Hymn"_s} << dec14
            << u"January 3, 2021\n130 As with Gladness\n\nDecember 14, 2026 Advent 3\n5 Hymn\n"_s << -1
            << u"Service of Dec 14, 2026 added: 1 hymn"_s;

        // A service dated before the latest goes where its date puts it, every other byte as it was.
        const QString jan17 = u"Jan 17, 2021\r\n105 Noël\r\n"_s;
        const QString jan3 = u"Jan 3, 2021\r\n130 As with Gladness\r\n"_s;
        const QString jan10 = u"Jan 10, 2021 Advent 3\r\n5 Hymn\r\n"_s;
        const QString jan10Status = u"Service of Jan 10, 2021 added: 1 hymn"_s;
        QTest::newRow("oldest first: after the last service on or before it")
            << u"Windows-1252"_s << jan3 + u"\r\n"_s + jan17 << QStringList{u"5|Hymn"_s} << QDate(2021, 1, 10)
            << jan3 + u"\r\n"_s + jan10 + u"\r\n"_s + jan17 << 1 << jan10Status;
        QTest::newRow("oldest first: a service of the same day goes after it")
            << u"UTF-8"_s << jan3 + u"\r\n\r\n"_s + jan17 << QStringList{u"5|Hymn"_s} << QDate(2021, 1, 3)
            << jan3 + u"\r\n\r\nJan 3, 2021 Advent 3\r\n5 Hymn\r\n\r\n"_s + jan17 << 1
            << u"Service of Jan 3, 2021 added: 1 hymn"_s;
        QTest::newRow("oldest first: before them all")
            << u"UTF-16BE"_s << jan10 + u"\r\n"_s + jan17 << QStringList{u"5|Hymn"_s} << QDate(2021, 1, 3)
            << u"Jan 3, 2021 Advent 3\r\n5 Hymn\r\n\r\n"_s + jan10 + u"\r\n"_s + jan17 << 0
            << u"Service of Jan 3, 2021 added: 1 hymn"_s;
        QTest::newRow("newest first: below the first service on or before it")
            << u"UTF-8"_s << jan17 + u"\r\n"_s + jan3 << QStringList{u"5|Hymn"_s} << QDate(2021, 1, 10)
            << jan17 + u"\r\n"_s + jan10 + u"\r\n"_s + jan3 << 1 << jan10Status;
        QTest::newRow("newest first: below them all")
            << u"UTF-8"_s << jan17 + u"\r\n"_s + jan10 << QStringList{u"5|Hymn"_s} << QDate(2021, 1, 3)
            << jan17 + u"\r\n"_s + jan10 + u"\r\nJan 3, 2021 Advent 3\r\n5 Hymn\r\n"_s << -1
            << u"Service of Jan 3, 2021 added: 1 hymn"_s;
    }

    void addsService()
    {
        QFETCH(QString, encoding);
        QFETCH(QString, original);
        QFETCH(QStringList, lines);
        QFETCH(QDate, date);
        QFETCH(QString, expected);
        QFETCH(int, place);

        const QByteArray before = encoded(original, encoding);
        const Logbook::AddedService added =
            Logbook::addService(before, serviceOf(date, u" Advent 3 "_s, lines), Logbook::LineEnd::CrLf);
        QVERIFY2(added.ok(), qPrintable(added.error));
        QCOMPARE(added.bytes, encoded(expected, encoding));
        QTEST(added.status, "status");

        // The loader reads every old service as before, and the new one in its place.
        QStringList entries = entriesOf(added.bytes);
        QCOMPARE(entries.size(), entriesOf(before).size() + 1);
        const QString read = entries.takeAt(place < 0 ? entries.size() - 1 : place);
        QVERIFY2(read.startsWith(added.headLine + u'|'), qPrintable(read));
        QCOMPARE(entries, entriesOf(before));
    }

    // What a change to one service leaves of the others: every byte, in every encoding and line end, for the first,
    // a middle and the last service; and a service written back as it was read leaves the file as it was.
    void changesService_data()
    {
        QTest::addColumn<QString>("encoding");
        QTest::addColumn<QString>("original");
        // "edit", "remove", "same" (written back as read, its head line kept) or "lines" (new lines, the head line
        // kept)
        QTest::addColumn<QString>("change");
        QTest::addColumn<int>("place");
        QTest::addColumn<QString>("expected");

        const QStringList first{u"Jan 3, 2021"_s, u"130 As with Gladness"_s, u"Doxology"_s};
        const QStringList middle{u"Jan 10, 2021 Epiphany"_s, u"105 Noël é"_s, u"Anthem: Il est né"_s};
        const QStringList last{u"Jan 17, 2021"_s, u"14 Holy, Holy, Holy"_s};
        // Written for each service's own date, in the log's style.
        const auto edited = [](const QStringList &service) {
            return QStringList{service.first().section(u' ', 0, 2) + u" Sunday"_s, u"88 O Come"_s, u"Anthem"_s};
        };
        for (const QString &encoding : {u"UTF-8"_s, u"UTF-8 BOM"_s, u"UTF-16LE"_s, u"UTF-16BE"_s, u"Windows-1252"_s}) {
            for (const QString &eol : {u"\r\n"_s, u"\n"_s, u"\r"_s}) {
                const QString ends = eol == u"\n" ? u"LF"_s : eol == u"\r" ? u"CR"_s : u"CRLF"_s;
                const QList<QStringList> services{first, middle, last};
                const auto file = [&](QList<QStringList> blocks) {
                    QStringList texts;
                    for (const QStringList &block : blocks)
                        texts.append(block.join(eol));
                    return texts.join(eol + eol) + eol;
                };
                const QString original = file(services);
                for (int place = 0; place < 3; ++place) {
                    const QString where = QStringList{u"first"_s, u"middle"_s, u"last"_s}[place];
                    QList<QStringList> changed = services;
                    changed[place] = edited(services[place]);
                    QList<QStringList> removed = services;
                    removed.removeAt(place);
                    const QString name = u"%1 %2 %3"_s.arg(encoding, ends, where);
                    QTest::newRow(qPrintable(u"edit "_s + name))
                        << encoding << original << u"edit"_s << place << file(changed);
                    QTest::newRow(qPrintable(u"remove "_s + name))
                        << encoding << original << u"remove"_s << place << file(removed);
                    QTest::newRow(qPrintable(u"same "_s + name))
                        << encoding << original << u"same"_s << place << original;
                }
            }
        }

        const QString a = u"Jan 3, 2021\n130 As with Gladness\n"_s;
        const QString b = u"Jan 10, 2021\n105 Noël\n"_s;
        const QString c = u"Jan 17, 2021\n14 Holy\n"_s;
        const QString bEdited = u"Jan 10, 2021 Sunday\n88 O Come\nAnthem\n"_s;
        QTest::newRow("newest first: edit the middle")
            << u"UTF-16LE"_s << c + u'\n' + b + u'\n' + a << u"edit"_s << 1 << c + u'\n' + bEdited + u'\n' + a;
        QTest::newRow("newest first: remove the latest")
            << u"Windows-1252"_s << c + u'\n' + b + u'\n' + a << u"remove"_s << 0 << b + u'\n' + a;
        QTest::newRow("remove takes one blank line of two")
            << u"UTF-8"_s << a + u"\n\n"_s + b << u"remove"_s << 0 << u'\n' + b;
        QTest::newRow("remove the last: the blank line above goes")
            << u"UTF-8"_s << a + u"\n  \n"_s + b + u"\n"_s << u"remove"_s << 1 << a + u"\n\n"_s;
        QTest::newRow("remove the only service") << u"UTF-8"_s << u"\n"_s + a << u"remove"_s << 0 << u"\n"_s;
        QTest::newRow("edit the last, unended, keeps it so")
            << u"UTF-8"_s << a + u'\n' + b.chopped(1) << u"edit"_s << 1 << a + u'\n' + bEdited.chopped(1);
        QTest::newRow("a head line alone, unended, given lines")
            << u"UTF-8"_s << a + u"\nJan 10, 2021"_s << u"lines"_s << 1 << a + u"\nJan 10, 2021\n88 O Come\nAnthem"_s;
        // A head line the file writes in a style of its own stays as written when its date and occasion do not change.
        QTest::newRow("the head line as written is kept") << u"UTF-8"_s << u"10 January 2021\n105  Noël \n\n"_s + c
                                                          << u"same"_s << 0 << u"10 January 2021\n105 Noël\n\n"_s + c;
        QString eleven = u"Jan 10, 2021\n"_s;
        for (int line = 1; line <= 11; ++line)
            eleven += QString::number(line) + u" Hymn\n"_s;
        QTest::newRow("a service over continuation entries is one")
            << u"UTF-8"_s << a + u'\n' + eleven + u'\n' + c << u"edit"_s << 1 << a + u'\n' + bEdited + u'\n' + c;
        QTest::newRow("and written back whole")
            << u"UTF-8"_s << a + u'\n' + eleven + u'\n' + c << u"same"_s << 1 << a + u'\n' + eleven + u'\n' + c;
    }

    void changesService()
    {
        QFETCH(QString, encoding);
        QFETCH(QString, original);
        QFETCH(QString, change);
        QFETCH(int, place);
        QFETCH(QString, expected);

        const QByteArray before = encoded(original, encoding);
        Logbook::AddedService changed;
        if (change == u"remove") {
            changed = Logbook::removeService(before, place);
        } else if (change == u"same") {
            EntryStore store;
            HymnFileLoader::loadBytes(before, u"log.txt"_s, store);
            const auto services = ServiceView::servicesOf(store, &Search::headDate);
            QVERIFY(size_t(place) < services.size());
            const Logbook::NewService read = Logbook::loggedService(services[size_t(place)]);
            changed = Logbook::replaceService(before, place, read, true, Logbook::LineEnd::Lf);
        } else {
            const QDate date = Logbook::readForm(before, Logbook::LineEnd::Lf).serviceDates[size_t(place)];
            changed =
                Logbook::replaceService(before, place, serviceOf(date, u"Sunday"_s, {u"88|O Come"_s, u"|Anthem"_s}),
                                        change == u"lines", Logbook::LineEnd::Lf);
        }
        QVERIFY2(changed.ok(), qPrintable(changed.error));
        QCOMPARE(changed.bytes, encoded(expected, encoding));
    }

    void refusesChange_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("place");
        QTest::addColumn<QString>("line"); // the service's one line; empty: the service is removed
        QTest::addColumn<QString>("error");

        const QString others = u"Written this way, the service would change how the program reads other services of "
                               "the log (a head line without a year takes it from the next one below), so nothing was "
                               "written."_s;
        // "Dec 27" takes its year from the head line below it.
        QTest::newRow("a yearless head line above loses its year")
            << u"Dec 27\n1 A\n\nJan 3, 2021\n2 B\n"_s << 1 << QString() << others;
        QTest::newRow("no such service") << u"Jan 3, 2021\n2 B\n"_s << 1 << u"5|Hymn"_s
                                         << u"The service is not in the file as it was loaded, so nothing was written. "
                                            "Load the log again and choose the service anew."_s;
        QTest::newRow("a full log would lose its last service")
            << daily(1800, 1) << 0 << u"5|Hymn"_s
            << u"This log is full: with this service longer, the program would no longer read the last service of the "
               "file, so nothing was written. Start a new log for the services to come."_s;
    }

    void refusesChange()
    {
        QFETCH(QString, file);
        QFETCH(int, place);
        QFETCH(QString, line);
        const QByteArray bytes = file.toUtf8();
        // The full log's first service is given an eleventh line, which takes an entry of its own.
        QStringList lines{line};
        if (QByteArray(QTest::currentDataTag()).startsWith("a full log")) {
            for (int extra = 1; extra <= 10; ++extra)
                lines.append(u"%1|Hymn"_s.arg(extra));
        }
        const Logbook::AddedService changed =
            line.isEmpty() ? Logbook::removeService(bytes, place)
                           : Logbook::replaceService(bytes, place, serviceOf(QDate(2022, 1, 3), QString(), lines),
                                                     false, Logbook::LineEnd::Lf);
        QTEST(changed.error, "error");
        QVERIFY(changed.bytes.isEmpty());
    }

    void refuses_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("occasion");
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("error");

        const QByteArray cp1252("Jan 3, 2021\n105 No\xEBl\n");
        const QString encodingError = u"The character “%1” cannot be written in this file's encoding (%2)."_s;
        QTest::newRow("arrow in Windows-1252")
            << cp1252 << QString() << u"5|Lead → Follow"_s << encodingError.arg(u"→"_s, u"Windows-1252"_s);
        QTest::newRow("macron in the occasion")
            << cp1252 << u"Pāsca"_s << u"5|Hymn"_s << encodingError.arg(u"ā"_s, u"Windows-1252"_s);
        QTest::newRow("combining mark by code point")
            << cp1252 << QString() << u"5|Pa\u0304sca"_s << encodingError.arg(u"U+0304"_s, u"Windows-1252"_s);
        QTest::newRow("half a surrogate pair in UTF-8")
            << QByteArray("Jan 3, 2021\n") << QString() << u"5|A"_s + QChar(0xD800)
            << encodingError.arg(u"U+D800"_s, u"UTF-8"_s);
        QTest::newRow("line break in a title")
            << QByteArray() << QString() << u"5|Amazing\nGrace"_s
            << u"Line 1 of the service holds a line break or a NUL character, which a line of the file cannot hold."_s;
        QTest::newRow("NUL in the occasion")
            << QByteArray() << u"Ea\0ster"_s << u"5|Hymn"_s
            << u"The occasion holds a line break or a NUL character, which a line of the file cannot hold."_s;
        QTest::newRow("dash pair")
            << QByteArray() << QString() << u"|Kyrie -- Gloria"_s
            << u"“Kyrie -- Gloria” holds “--”, which would make the program read the whole file as hymn texts."_s;
        QTest::newRow("number without a title")
            << QByteArray() << QString() << u"12|  "_s << u"Hymn 12 has no title."_s;
        QTest::newRow("space in a number")
            << QByteArray() << QString() << u"12 a|Hymn"_s << u"The hymn number “12 a” holds a space."_s;
        QTest::newRow("hymn texts") << QByteArray("378 Amazing Grace\n--\nverse\n") << QString() << u"5|Hymn"_s
                                    << u"This file holds hymn texts, not a service log, so no service can be added to "
                                       "it."_s;
        // A service the loader would never reach: past the store's last entry, or past the part of the file it
        // reads.
        const QString notAdded = u" The service was not added: start a new log for the services to come."_s;
        QTest::newRow("full log") << daily(1800, 1).toLatin1() << QString() << u"5|Hymn"_s
                                  << u"This log is full: it holds 1,800 services, and the program reads no more than "
                                     "1,800 (fewer when a service has more than 10 lines), so it would never read a "
                                     "new one."_s +
                                         notAdded;
        QTest::newRow("full with services of many lines")
            << daily(900, 11).toLatin1() << QString() << u"5|Hymn"_s
            << u"This log is full: it holds 900 services, and the program reads no more than 1,800 (fewer when a "
               "service has more than 10 lines), so it would never read a new one."_s +
                   notAdded;
        QTest::newRow("read only in part") << daily(2000, 1).toLatin1() << QString() << u"5|Hymn"_s
                                           << u"This log holds 2,000 services, of which the program reads only the "
                                              "first 1,800, so it would never read one added after them."_s +
                                                  notAdded;
        QTest::newRow("UTF-16 cut in a character")
            << QByteArray("\xFF\xFEJ\0\n\0A", 7) << QString() << u"5|Hymn"_s
            << u"The file ends in the middle of a character, so nothing can be written after it."_s;
    }

    void refuses()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, occasion);
        QFETCH(QString, line);
        const Logbook::AddedService added =
            Logbook::addService(file, serviceOf(QDate(2026, 12, 14), occasion, {line}), Logbook::LineEnd::Lf);
        QTEST(added.error, "error");
        QVERIFY(added.bytes.isEmpty());
    }

    void writesHeadLines_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("head"); // the file's latest dated head line; empty: none
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QString>("occasion");
        QTest::addColumn<QString>("suffix"); // what the loader would add to a head line without a comma
        QTest::addColumn<QString>("expected");

        const QDate dec14(2026, 12, 14);
        QTest::newRow("no dated head line")
            << u"en_US"_s << QString() << dec14 << QString() << QString() << u"Dec 14, 2026"_s;
        QTest::newRow("sample log") << u"en_US"_s << u"Apr 4, 2021 Easter"_s << dec14 << u"Advent 3"_s << QString()
                                    << u"Dec 14, 2026 Advent 3"_s;
        QTest::newRow("upper case, dotted")
            << u"en_US"_s << u"JAN. 3, 2021"_s << QDate(2026, 5, 3) << QString() << QString() << u"MAY. 3, 2026"_s;
        QTest::newRow("shortened name") << u"en_US"_s << u"Sept 12, 2021"_s << QDate(2026, 9, 13) << QString()
                                        << QString() << u"Sept 13, 2026"_s;
        QTest::newRow("shortened name, other month")
            << u"en_US"_s << u"Sept 12, 2021"_s << QDate(2026, 10, 11) << QString() << QString() << u"Oct 11, 2026"_s;
        QTest::newRow("day first") << u"en_US"_s << u"3 Jan 2021"_s << dec14 << QString() << QString()
                                   << u"14 Dec 2026"_s;
        QTest::newRow("day first cannot carry an occasion")
            << u"en_US"_s << u"3 Jan 2021"_s << dec14 << u"Advent 3"_s << QString() << u"Dec 14, 2026 Advent 3"_s;
        QTest::newRow("numeric, US order")
            << u"en_US"_s << u"1/3/2021"_s << QDate(2026, 12, 4) << QString() << QString() << u"12/4/2026"_s;
        QTest::newRow("numeric, British order")
            << u"en_GB"_s << u"3/1/2021"_s << QDate(2026, 12, 4) << QString() << QString() << u"4/12/2026"_s;
        QTest::newRow("numeric, padded") << u"en_US"_s << u"01/03/2021"_s << QDate(2026, 2, 4) << QString() << QString()
                                         << u"02/04/2026"_s;
        QTest::newRow("two-digit year") << u"en_US"_s << u"1-3-21"_s << dec14 << QString() << QString()
                                        << u"12-14-26"_s;
        QTest::newRow("two-digit year of another century")
            << u"en_US"_s << u"1-3-21"_s << QDate(2031, 1, 5) << QString() << QString() << u"1-5-2031"_s;
        QTest::newRow("ISO") << u"en_US"_s << u"2021-12-13"_s << QDate(2026, 2, 4) << QString() << QString()
                             << u"2026-02-04"_s;
        QTest::newRow("ISO under a head line with a comma")
            << u"en_US"_s << u"2021-12-13"_s << dec14 << QString() << u" 2021"_s << u"Dec 14, 2026"_s;
        QTest::newRow("German") << u"de_DE"_s << u"1. Januar 2019"_s << dec14 << QString() << QString()
                                << u"14. Dezember 2026"_s;
        QTest::newRow("Hungarian closing dot")
            << u"hu_HU"_s << u"2022. 05. 01."_s << QDate(2026, 2, 4) << QString() << QString() << u"2026. 02. 04."_s;
    }

    void writesHeadLines()
    {
        QFETCH(QString, locale);
        QFETCH(QString, head);
        QFETCH(QDate, date);
        QFETCH(QString, suffix);
        QLocale::setDefault(QLocale(locale));
        const std::optional<Logbook::HeadStyle> style =
            head.isEmpty() ? Logbook::HeadStyle() : Logbook::HeadStyle::ofHead(head);
        QVERIFY(style);
        QFETCH(QString, occasion);
        const QString line = style->headLine(date, occasion, suffix);
        QTEST(line, "expected");
        QCOMPARE(Search::headDate(line.contains(u',') || suffix.isEmpty() ? line : line + u',' + suffix), date);
    }

    void readsForm_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<Logbook::ServiceOrder>("order");
        QTest::addColumn<QString>("head"); // written for Dec 14, 2026 (or Jan 4, 2027 to show padding)

        const auto oldest = Logbook::ServiceOrder::OldestFirst;
        const auto newest = Logbook::ServiceOrder::NewestFirst;
        QTest::newRow("oldest first") << u"Jan 3, 2021\n\nEaster\n\nJan 17, 2021\n\nFeb 7, 2021\n"_s << oldest
                                      << u"Dec 14, 2026"_s;
        QTest::newRow("newest first") << u"Feb 7, 2021\n\nJan 17, 2021\n\nJan 31, 2021\n\nJan 3, 2021\n"_s << newest
                                      << u"Dec 14, 2026"_s;
        QTest::newRow("equal dates") << u"Jan 3, 2021\n\nJan 3, 2021\n"_s << oldest << u"Dec 14, 2026"_s;
        QTest::newRow("style of the latest, not the last")
            << u"3 Jan 2021\n\n2021-02-07\n\n10 Jan 2021\n"_s << oldest << u"2026-12-14"_s;
        QTest::newRow("May settled by a long name")
            << u"April 4, 2021\n\nMay 2, 2021\n"_s << oldest << u"December 14, 2026"_s;
        QTest::newRow("padding settled by an earlier date")
            << u"01/03/2021\n\n12/14/2021\n\n11/21/2021\n"_s << oldest << u"01/04/2027"_s;
        QTest::newRow("yearless head line on top takes the year below")
            << u"Dec 31\n\nDecember 24, 2022\n"_s << newest << u"Dec 14, 2026"_s;
    }

    void readsForm()
    {
        QFETCH(QString, file);
        QFETCH(QString, head);
        const Logbook::FileForm form = Logbook::readForm(file.toUtf8(), Logbook::LineEnd::Lf);
        QTEST(form.order, "order");
        const QDate date = head.endsWith(u"2027") ? QDate(2027, 1, 4) : QDate(2026, 12, 14);
        QCOMPARE(form.headStyle.headLine(date, QString()), head);
    }

    void defaultDate_data()
    {
        QTest::addColumn<QList<QDate>>("dates");
        QTest::addColumn<QDate>("today");
        QTest::addColumn<QDate>("expected");

        const QDate sunday(2026, 12, 6), wednesday(2026, 12, 9);
        QTest::newRow("after a Sunday service")
            << QList<QDate>{QDate(2026, 11, 1), sunday, QDate()} << QDate(2026, 12, 1) << QDate(2026, 12, 13);
        QTest::newRow("after a weekday service")
            << QList<QDate>{wednesday} << QDate(2026, 12, 1) << QDate(2026, 12, 13);
        QTest::newRow("today is later") << QList<QDate>{sunday} << QDate(2027, 2, 2) << QDate(2027, 2, 7);
        QTest::newRow("today is a Sunday") << QList<QDate>{sunday} << QDate(2027, 2, 7) << QDate(2027, 2, 7);
        QTest::newRow("no dated service") << QList<QDate>{QDate()} << QDate(2026, 12, 9) << QDate(2026, 12, 13);
        QTest::newRow("more than a year ahead is passed over")
            << QList<QDate>{sunday, QDate(2028, 1, 2)} << QDate(2026, 12, 9) << QDate(2026, 12, 13);
        QTest::newRow("a year ahead is taken")
            << QList<QDate>{sunday, QDate(2027, 12, 9)} << QDate(2026, 12, 9) << QDate(2027, 12, 12);
    }

    void defaultDate()
    {
        QFETCH(QList<QDate>, dates);
        QFETCH(QDate, today);
        QTEST(Logbook::defaultDate(std::vector<QDate>(dates.begin(), dates.end()), today), "expected");
    }

    void plannerMarks_data()
    {
        QTest::addColumn<QString>("number");
        QTest::addColumn<QDate>("planned");
        QTest::addColumn<int>("weeks");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QDate>("lastSung");
        QTest::addColumn<int>("usesInYear");
        QTest::addColumn<bool>("recent");
        QTest::addColumn<int>("leftOut"); // the head entry of a service being edited, whose hymns are not counted

        // Planned for Dec 14, 2025: the year before runs from Dec 15, 2024, four weeks back to Nov 16, 2025.
        const QDate planned(2025, 12, 14);
        QTest::newRow("marked twice in one service")
            << u"12"_s << planned << 4 << u"New Title"_s << QDate(2025, 11, 30) << 2 << true << 0;
        QTest::newRow("asked with a mark")
            << u"12*"_s << planned << 4 << u"New Title"_s << QDate(2025, 11, 30) << 2 << true << 0;
        QTest::newRow("planned earlier") << u"12"_s << QDate(2025, 11, 1) << 4 << u"New Title"_s << QDate(2024, 12, 14)
                                         << 1 << false << 0;
        QTest::newRow("two services on one day")
            << u"300"_s << planned << 4 << u"Grace Again"_s << QDate(2025, 12, 7) << 3 << true << 0;
        QTest::newRow("again in a continuation, two weeks")
            << u"150"_s << planned << 2 << u"Alpha"_s << QDate(2025, 11, 30) << 1 << true << 0;
        QTest::newRow("one week") << u"150"_s << planned << 1 << u"Alpha"_s << QDate(2025, 11, 30) << 1 << false << 0;
        QTest::newRow("undated only") << u"77"_s << planned << 4 << u"Only Undated"_s << QDate() << 0 << false << 0;
        // Edited on its own day, the service of Nov 30 is no use of its hymns: 12 was last sung on Nov 2.
        QTest::newRow("the service being edited")
            << u"12"_s << QDate(2025, 11, 30) << 4 << u"Old Title"_s << QDate(2025, 11, 2) << 2 << true << 3;
        QTest::newRow("never used") << u"999"_s << planned << 4 << QString() << QDate() << 0 << false << 0;
    }

    void plannerMarks()
    {
        QFETCH(QString, number);
        QFETCH(QDate, planned);
        QFETCH(int, weeks);
        const QString log = u"Dec 14, 2024\n12 Older\n\nNov 2, 2025\n12 Old Title\n300 Grace\n\n"
                            "Nov 30, 2025\n150 Alpha\n12* New Title\n12(2) New Title\n"_s +
                            u"Doxology\n"_s.repeated(7) +
                            u"150 Alpha\n\nDec 7, 2025 (evening)\nAnthem\n300 Grace\n\nDec 7, 2025\n300 Grace Again\n\n"
                            "Easter\n12 Undated Title\n77 Only Undated\n"_s;
        EntryStore store;
        HymnFileLoader::loadBytes(log.toUtf8(), u"log.txt"_s, store);
        QFETCH(int, leftOut);
        const Logbook::Planner planner(store, leftOut);
        const Logbook::HymnMarks marks = planner.marks(HymnKey::ofNumber(number), planned, weeks);
        QTEST(marks.title, "title");
        QTEST(marks.lastSung, "lastSung");
        QTEST(marks.usesInYear, "usesInYear");
        QTEST(marks.recent, "recent");

        if (leftOut > 0)
            return;
        QStringList known;
        for (const Logbook::KnownHymn &hymn : planner.knownHymns())
            known.append(hymn.number + u' ' + hymn.title);
        QCOMPARE(known, (QStringList{u"12 New Title"_s, u"77 Only Undated"_s, u"150 Alpha"_s, u"300 Grace Again"_s}));
    }

    void latestOccasion_data()
    {
        QTest::addColumn<QString>("log");
        QTest::addColumn<bool>("occasion");
        QTest::newRow("latest names one") << u"Nov 30, 2025\n1 A\n\nDec 7, 2025 Advent 2\n1 A\n"_s << true;
        QTest::newRow("only an earlier one names one")
            << u"Nov 30, 2025 Advent 1\n1 A\n\nDec 7, 2025\n1 A\n"_s << false;
        QTest::newRow("newest first") << u"Dec 7, 2025 (evening)\n1 A\n\nNov 30, 2025\n1 A\n"_s << true;
        QTest::newRow("undated service after it") << u"Dec 7, 2025 Advent 2\n1 A\n\nEaster\n1 A\n"_s << true;
        QTest::newRow("two on one date: the later in the file")
            << u"Dec 7, 2025 Advent 2\n1 A\n\nDec 7, 2025\n1 A\n"_s << false;
    }

    void latestOccasion()
    {
        QFETCH(QString, log);
        EntryStore store;
        HymnFileLoader::loadBytes(log.toUtf8(), u"log.txt"_s, store);
        QTEST(Logbook::Planner(store).latestHasOccasion(), "occasion");
    }

    void writtenNumbers_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("written");
        QTest::newRow("hash") << u"#14"_s << u"14"_s;
        QTest::newRow("leading zero") << u"014"_s << u"14"_s;
        QTest::newRow("the log's zeros") << u"300"_s << u"0300"_s;
        QTest::newRow("the log's letter case") << u"7A"_s << u"7a"_s;
        QTest::newRow("one of the log's two forms") << u"010"_s << u"010"_s;
        QTest::newRow("bare is the log's other form") << u"#0010"_s << u"10"_s;
        QTest::newRow("not in the log: bare") << u" # 0099b "_s << u"99b"_s;
        QTest::newRow("zero stays a number") << u"00"_s << u"0"_s;
        QTest::newRow("mark kept") << u"#014(2)"_s << u"14(2)"_s;
        QTest::newRow("no number at all") << u"#"_s << u"#"_s;
    }

    void writtenNumbers()
    {
        QFETCH(QString, typed);
        EntryStore log;
        HymnFileLoader::loadBytes("Jan 4, 2026\n14 Holy, Holy, Holy\n010 Comfort\n0300 Gamma\n7a Seven\n\n"
                                  "Jan 11, 2026\n10 Comfort\n",
                                  u"log.txt"_s, log);
        const Logbook::Planner planner(log);
        QTEST(Logbook::HymnTitles(planner, nullptr).logNumber(typed), "written");
    }

    void numberedLines_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("number"); // and the title after "|"; empty when the line is not split
        QTest::newRow("number and title") << u"378 Amazing Grace"_s << u"378|Amazing Grace"_s;
        QTest::newRow("hash, letter, blanks") << u" #12a  Dies Irae"_s << u"#12a|Dies Irae"_s;
        QTest::newRow("no title yet") << u"378 "_s << QString();
        QTest::newRow("ordinal") << u"1st Sunday"_s << QString();
        QTest::newRow("words") << u"Anthem by Bach"_s << QString();
    }

    void numberedLines()
    {
        QFETCH(QString, line);
        const Logbook::NumberedLine numbered = Logbook::numberedLine(line);
        QTEST(numbered.titleAt < 0 ? QString() : numbered.number + u'|' + line.sliced(numbered.titleAt), "number");
    }

    void recentWeeks_data()
    {
        QTest::addColumn<QVariant>("stored");
        QTest::addColumn<int>("weeks");
        QTest::newRow("nothing kept") << QVariant() << 4;
        QTest::newRow("as the dialog keeps it") << QVariant(7) << 7;
        QTest::newRow("as the file gives it back") << QVariant(u" 52 "_s) << 52;
        QTest::newRow("one") << QVariant(u"1"_s) << 1;
        for (const char *odd : {"-1", "0", "text", "4.7", "nan"})
            QTest::newRow(odd) << QVariant(QString::fromLatin1(odd)) << 4;
        QTest::newRow("53") << QVariant(u"53"_s) << 52;
        QTest::newRow("1e9") << QVariant(u"1e9"_s) << 52;
    }

    void recentWeeks()
    {
        QFETCH(QVariant, stored);
        QTEST(Logbook::recentWeeksFrom(stored), "weeks");
    }
};

QTEST_GUILESS_MAIN(TestLogbook)
#include "tst_core_logbook.moc"
