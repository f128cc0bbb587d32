// SPDX-License-Identifier: GPL-3.0-or-later
// The catalogues as translators leave them: every message translated, with the same placeholders, the same blanks
// at either end and one keyboard shortcut where the English has one. What is wrong is listed whole, message by
// message, so that one run names every fault of a file.
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTest>
#include <QXmlStreamReader>

using namespace Qt::StringLiterals;

namespace {

struct Message {
    QString context;
    QString source;
    QString comment; // the disambiguation
    bool numerus = false;
    QString type;             // "unfinished", "vanished", "obsolete" or empty
    QStringList translations; // one, or a numerus form each
};

std::vector<Message> read(const QString &path, QString *error)
{
    std::vector<Message> messages;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = file.errorString();
        return messages;
    }
    QXmlStreamReader xml(&file);
    QString context;
    Message message;
    while (!xml.atEnd()) {
        xml.readNext();
        // A numerus message is whole once its translation element ends.
        if (xml.isEndElement() && xml.name() == u"translation" && message.numerus)
            messages.push_back(message);
        if (!xml.isStartElement())
            continue;
        const auto name = xml.name();
        if (name == u"name") {
            context = xml.readElementText();
        } else if (name == u"message") {
            message = {context, {}, {}, xml.attributes().value(u"numerus"_s) == u"yes", {}, {}};
        } else if (name == u"source") {
            message.source = xml.readElementText();
        } else if (name == u"comment") {
            message.comment = xml.readElementText();
        } else if (name == u"translation") {
            message.type = xml.attributes().value(u"type"_s).toString();
            if (!message.numerus) {
                message.translations = {xml.readElementText()};
                messages.push_back(message);
            }
        } else if (name == u"numerusform") {
            message.translations.append(xml.readElementText());
        }
    }
    if (xml.hasError())
        *error = xml.errorString();
    return messages;
}

QStringList placeholders(const QString &text)
{
    static const QRegularExpression marker(u"%(?:[1-9]|n|L[1-9])"_s);
    QStringList found;
    for (QRegularExpressionMatchIterator it = marker.globalMatch(text); it.hasNext();)
        found.append(it.next().captured());
    found.sort();
    return found;
}

// The shortcut letters a text marks with "&" ("&&" is an ampersand, not a shortcut).
int shortcuts(const QString &text)
{
    int count = 0;
    for (qsizetype at = 0; at + 1 < text.size(); ++at) {
        if (text[at] != u'&')
            continue;
        if (text[at + 1] == u'&')
            ++at;
        else
            ++count;
    }
    return count;
}

QString edges(const QString &text)
{
    qsizetype start = 0;
    while (start < text.size() && text[start].isSpace())
        ++start;
    qsizetype end = text.size();
    while (end > start && text[end - 1].isSpace())
        --end;
    return text.first(start) + u'|' + text.sliced(end);
}

QString faultsOf(const Message &message, bool english)
{
    QStringList faults;
    if (message.type == u"unfinished" || message.translations.isEmpty())
        faults.append(u"not translated"_s);
    if (message.type == u"vanished" || message.type == u"obsolete")
        faults.append(u"no longer in the sources"_s);
    for (const QString &translation : message.translations) {
        if (translation.isEmpty()) {
            faults.append(u"an empty translation"_s);
            continue;
        }
        // A form for one may say "one" in words where the language does ("ein Lied"): %n may be left out there.
        const bool firstOfPlural = message.numerus && &translation == &message.translations.front();
        QStringList expected = placeholders(message.source);
        QStringList got = placeholders(translation);
        if (firstOfPlural && !got.contains(u"%n"_s))
            expected.removeAll(u"%n"_s);
        if (got != expected)
            faults.append(u"placeholders %1 for %2"_s.arg(got.join(u' '), expected.join(u' ')));
        if (edges(translation) != edges(message.source))
            faults.append(u"blanks at either end differ"_s);
        if (!english && shortcuts(translation) != shortcuts(message.source)) {
            faults.append(
                u"%1 shortcut(s) for the source's %2"_s.arg(shortcuts(translation)).arg(shortcuts(message.source)));
        }
    }
    if (english && message.numerus && message.translations.size() != 2)
        faults.append(u"English has two forms, one and more"_s);
    return faults.join(u"; "_s);
}

} // namespace

class TestTranslations : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void catalogueIsComplete_data()
    {
        QTest::addColumn<QString>("file");
        const QStringList files = QDir(QStringLiteral(CANTORIX_TRANSLATIONS_DIR)).entryList({u"*.ts"_s}, QDir::Files);
        QVERIFY(files.size() == 6);
        for (const QString &file : files)
            QTest::newRow(qPrintable(file)) << file;
    }

    void catalogueIsComplete()
    {
        QFETCH(QString, file);
        QString error;
        const std::vector<Message> messages = read(QStringLiteral(CANTORIX_TRANSLATIONS_DIR "/") + file, &error);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        QVERIFY(!messages.empty());
        const bool english = file == u"cantorix2_en.ts";
        QStringList faults;
        for (const Message &message : messages) {
            if (const QString fault = faultsOf(message, english); !fault.isEmpty()) {
                faults.append(u"%1 \"%2\"%3: %4"_s.arg(
                    message.context, message.source,
                    message.comment.isEmpty() ? QString() : u" ("_s + message.comment + u')', fault));
            }
        }
        QVERIFY2(faults.isEmpty(),
                 qPrintable(u"%1 of %2 messages:\n"_s.arg(faults.size()).arg(messages.size()) + faults.join(u'\n')));
    }
};

QTEST_GUILESS_MAIN(TestTranslations)
#include "tst_core_translations.moc"
