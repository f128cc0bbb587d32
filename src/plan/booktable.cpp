// SPDX-License-Identifier: GPL-3.0-or-later
// The built-in names of the books in six languages and the lookups by name, abbreviation, name without its accents
// and the start of a full name.
#include "plan/booktable.h"

#include <algorithm>
#include <array>

using namespace Qt::StringLiterals;

namespace Plan {

namespace {

struct BuiltInBook {
    // The English name first (the book's name in messages), then the names of the German, Spanish, Portuguese,
    // French and Dutch tables, separated by "|"; the abbreviations of all six follow in the second field.
    const char16_t *names;
    const char16_t *abbreviations;
    bool singleChapter;
};

// Catholic and Protestant tables in English, German (Einheitsübersetzung, Luther), Spanish, Portuguese, French and
// Dutch. An abbreviation that stands for more than one book in one notation ("Jud" for Jude, Judges or Judith) is
// left out on purpose: such a reference is reported as unreadable rather than matched to the wrong book. One that
// stands for one book in English tables and another in the continent's is in kByNotation. "Ez" is Ezekiel, as in
// Catholic English tables and in all five languages.
constexpr std::array<BuiltInBook, BookTable::BuiltInBooks> kBooks = {{
    {u"Genesis|1 Mose|Génesis|Gênesis|Génesis|Genèse", u"Gen|Ge|Gn|Gén|1 Mos|1 Mo", false},
    {u"Exodus|2 Mose|Éxodo|Êxodo|Exode", u"Exod|Exo|Ex|Éx|2 Mos|2 Mo", false},
    {u"Leviticus|Levitikus|3 Mose|Levítico|Lévitique", u"Lev|Le|Lv|3 Mos|3 Mo", false},
    {u"Numbers|Numeri|4 Mose|Números|Nombres", u"Num|Nu|Nm|Nb|Núm|4 Mos|4 Mo", false},
    {u"Deuteronomy|Deuteronomium|5 Mose|Deuteronomio|Deuteronômio|Deuteronómio|Deutéronome",
     u"Deut|Dt|De|Dtn|5 Mos|5 Mo", false},
    {u"Joshua|Josua|Josué|Jozua", u"Josh|Jos|Jsh|Js|Joz", false},
    {u"Judges|Richter|Jueces|Juízes|Juges|Rechters|Richteren", u"Judg|Jdg|Jg|Jdgs|Ri|Richt|Jue|Jz", false},
    {u"Ruth|Rut|Rute", u"Rth|Ru|Rt", false},
    {u"1 Samuel|1 Samuël", u"1 Sam|1 Sa|1 Sm|1 S", false},
    {u"2 Samuel|2 Samuël", u"2 Sam|2 Sa|2 Sm|2 S", false},
    {u"1 Kings|1 Könige|1 Reyes|1 Reis|1 Rois|1 Koningen", u"1 Kgs|1 Ki|1 Kin|1 Kön|1 Kon|1 Re|1 Rey|1 Rs|1 R", false},
    {u"2 Kings|2 Könige|2 Reyes|2 Reis|2 Rois|2 Koningen", u"2 Kgs|2 Ki|2 Kin|2 Kön|2 Kon|2 Re|2 Rey|2 Rs|2 R", false},
    {u"1 Chronicles|1 Chronik|1 Crónicas|1 Crônicas|1 Chroniques|1 Kronieken", u"1 Chron|1 Chr|1 Ch|1 Cró|1 Cr|1 Kron",
     false},
    {u"2 Chronicles|2 Chronik|2 Crónicas|2 Crônicas|2 Chroniques|2 Kronieken", u"2 Chron|2 Chr|2 Ch|2 Cró|2 Cr|2 Kron",
     false},
    {u"Ezra|Esra|Esdras", u"Ezr|Esr|Esd", false},
    {u"Nehemiah|Nehemia|Nehemías|Neemias|Néhémie", u"Neh|Ne|Né", false},
    {u"Esther|Ester", u"Esth|Est|Es", false},
    {u"Job|Ijob|Hiob|Jó", u"Jb|Hi", false},
    {u"Psalms|Psalm|Psalter|Psalmen|Salmos|Salmo|Psaumes|Psaume", u"Ps|Psa|Pss|Psm|Psal|Sal|Sl", false},
    {u"Proverbs|Sprichwörter|Sprüche|Proverbios|Provérbios|Proverbes|Spreuken", u"Prov|Pro|Prv|Pr|Spr", false},
    {u"Ecclesiastes|Qoheleth|Kohelet|Prediger|Eclesiastés|Qohélet|Eclesiastes|Ecclésiaste|Prediker",
     u"Eccles|Eccl|Ecc|Ec|Qoh|Koh|Pred|Ecl|Qo", false},
    {u"Song of Solomon|Song of Songs|Canticles|Hoheslied|Hohelied|Cantar de los Cantares|Cantares|"
     u"Cântico dos Cânticos|Cantique des Cantiques|Hooglied",
     u"Song of Sol|Song|Songs|SOS|Cant|Hld|Ct|Hgl", false},
    {u"Isaiah|Jesaja|Isaías|Isaïe", u"Isa|Is|Jes", false},
    {u"Jeremiah|Jeremia|Jeremías|Jeremias|Jérémie", u"Jer|Je|Jr", false},
    {u"Lamentations|Klagelieder|Lamentaciones|Lamentações|Klaagliederen", u"Lam|La|Lm|Klgl|Klg|Klaagl", false},
    {u"Ezekiel|Ezechiel|Hesekiel|Ezequiel|Ézéchiel|Ezechiël", u"Ezek|Eze|Ezk|Hes|Ez", false},
    {u"Daniel|Daniël", u"Dan|Da|Dn", false},
    {u"Hosea|Oseas|Oseias|Oséias|Osée", u"Hos|Ho|Os", false},
    {u"Joel|Joël", u"Jl", false},
    {u"Amos|Amós", u"Am", false},
    {u"Obadiah|Obadja|Abdías|Abdias", u"Obad|Ob|Obd|Abd|Ab", true},
    {u"Jonah|Jona|Jonás|Jonas", u"Jon|Jnh", false},
    {u"Micah|Micha|Miqueas|Miqueias|Miquéias|Michée", u"Mic|Mi|Miq|Mq", false},
    {u"Nahum|Nahúm|Naum|Nahoum", u"Nah|Na", false},
    {u"Habakkuk|Habakuk|Habacuc|Habacuque", u"Hab|Ha", false},
    {u"Zephaniah|Zefanja|Sofonías|Sofonias|Sophonie|Sefanja", u"Zeph|Zep|Zp|Zef|Sof|Sf|So|Sef", false},
    {u"Haggai|Ageo|Ageu|Aggée", u"Hag|Hg|Ag", false},
    {u"Zechariah|Sacharja|Zacarías|Zacarias|Zacharie|Zacharia", u"Zech|Zec|Zc|Sach|Zac|Za|Zach", false},
    {u"Malachi|Maleachi|Malaquías|Malaquias|Malachie", u"Mal|Ml", false},
    {u"Matthew|Matthäus|Mateo|Mateus|Matthieu|Matteüs|Mattheüs", u"Matt|Mat|Mt", false},
    {u"Mark|Markus|Marcos|Marc|Marcus", u"Mrk|Mar|Mk|Mr", false},
    {u"Luke|Lukas|Lucas|Luc", u"Luk|Lk|Lc", false},
    {u"John|Johannes|Juan|João|Jean", u"Joh|Jhn|Jn", false},
    {u"Acts|Apostelgeschichte|Hechos|Hechos de los Apóstoles|Atos|Atos dos Apóstolos|Actos|Actes|"
     u"Actes des Apôtres|Handelingen",
     u"Act|Ac|Apg|Hch|Hech|At|Hand", false},
    {u"Romans|Römer|Romanos|Romains|Romeinen", u"Rom|Ro|Rm|Röm", false},
    {u"1 Corinthians|1 Korinther|1 Corintios|1 Coríntios|1 Corinthiens|1 Korintiërs|1 Korinthiërs", u"1 Cor|1 Co|1 Kor",
     false},
    {u"2 Corinthians|2 Korinther|2 Corintios|2 Coríntios|2 Corinthiens|2 Korintiërs|2 Korinthiërs", u"2 Cor|2 Co|2 Kor",
     false},
    {u"Galatians|Galater|Gálatas|Galates|Galaten", u"Gal|Ga|Gál|Gl", false},
    {u"Ephesians|Epheser|Efesios|Efésios|Éphésiens|Efeziërs", u"Eph|Ephes|Ef|Ep", false},
    {u"Philippians|Philipper|Filipenses|Philippiens|Filippenzen", u"Phil|Php|Pp|Flp|Fl|Fil", false},
    {u"Colossians|Kolosser|Colosenses|Colossenses|Colossiens|Kolossenzen", u"Col|Kol|Cl", false},
    {u"1 Thessalonians|1 Thessalonicher|1 Tesalonicenses|1 Tessalonicenses|1 Thessaloniciens|1 Tessalonicenzen",
     u"1 Thess|1 Thes|1 Th|1 Tes|1 Ts|1 Tess", false},
    {u"2 Thessalonians|2 Thessalonicher|2 Tesalonicenses|2 Tessalonicenses|2 Thessaloniciens|2 Tessalonicenzen",
     u"2 Thess|2 Thes|2 Th|2 Tes|2 Ts|2 Tess", false},
    {u"1 Timothy|1 Timotheus|1 Timoteo|1 Timóteo|1 Timothée|1 Timoteüs|1 Timotheüs", u"1 Tim|1 Ti|1 Tm", false},
    {u"2 Timothy|2 Timotheus|2 Timoteo|2 Timóteo|2 Timothée|2 Timoteüs|2 Timotheüs", u"2 Tim|2 Ti|2 Tm", false},
    {u"Titus|Tito|Tite", u"Tit|Tt|Ti", false},
    {u"Philemon|Filemón|Filemom|Filêmon|Philémon|Filemon", u"Philem|Phm|Phlm|Flm|Fm|Filem", true},
    {u"Hebrews|Hebräer|Hebreos|Hebreus|Hébreux|Hebreeën", u"Heb|Hebr|He", false},
    {u"James|Jakobus|Santiago|Tiago|Jacques", u"Jas|Jm|Jak|Sant|Tg|Jc", false},
    {u"1 Peter|1 Petrus|1 Pedro|1 Pierre", u"1 Pet|1 Pe|1 Pt|1 Petr|1 Pd|1 P", false},
    {u"2 Peter|2 Petrus|2 Pedro|2 Pierre", u"2 Pet|2 Pe|2 Pt|2 Petr|2 Pd|2 P", false},
    {u"1 John|1 Johannes|1 Juan|1 João|1 Jean", u"1 Jn|1 Jhn|1 Joh|1 Jo", false},
    {u"2 John|2 Johannes|2 Juan|2 João|2 Jean", u"2 Jn|2 Jhn|2 Joh|2 Jo", true},
    {u"3 John|3 Johannes|3 Juan|3 João|3 Jean", u"3 Jn|3 Jhn|3 Joh|3 Jo", true},
    {u"Jude|Judas", u"Jd|Jds", true},
    {u"Revelation|Revelations|Apocalypse|Offenbarung|Apokalypse|Apocalipsis|Apocalipse|Openbaring|Apocalyps",
     u"Rev|Rv|Apoc|Apok|Ap|Offb|Off|Apk|Openb", false},
    // The deuterocanonical books of Catholic tables, and the Apocrypha of Anglican and Lutheran ones.
    {u"Tobit|Tobias|Tobías|Tobie", u"Tob|Tb", false},
    {u"Judith|Judit|Judite", u"Jdt|Jdth|Jth|Jt", false},
    {u"Wisdom of Solomon|Wisdom|Weisheit|Weisheit Salomos|Sabiduría|Sabedoria|Sagesse|Wijsheid|"
     u"Wijsheid van Salomo",
     u"Wis|Wisd|Ws|Weish|Sab|Sb|Sap|Wijsh", false},
    {u"Sirach|Ecclesiasticus|Ben Sira|Jesus Sirach|Eclesiástico|Siracide|Ecclésiastique|Wijsheid van Jezus Sirach",
     u"Sir|Ecclus|Eclo|Si", false},
    {u"Baruch|Baruc", u"Bar|Ba|Br", false},
    {u"1 Maccabees|1 Makkabäer|1 Macabeos|1 Macabeus|1 Maccabées|1 Makkabeeën",
     u"1 Macc|1 Mac|1 Mc|1 Ma|1 Makk|1 Mak|1 M", false},
    {u"2 Maccabees|2 Makkabäer|2 Macabeos|2 Macabeus|2 Maccabées|2 Makkabeeën",
     u"2 Macc|2 Mac|2 Mc|2 Ma|2 Makk|2 Mak|2 M", false},
    {u"Prayer of Manasseh|Prayer of Manasses|Gebet des Manasse|Oración de Manasés|Oração de Manassés|"
     u"Prière de Manassé|Gebed van Manasse",
     u"Pr Man|PrMan|Man", true},
    {u"Letter of Jeremiah|Epistle of Jeremiah|Brief des Jeremia|Carta de Jeremías|Carta de Jeremias|"
     u"Lettre de Jérémie|Brief van Jeremia",
     u"Let Jer|Ep Jer|EpJer|LJe", true},
    {u"Song of the Three|Song of the Three Jews|Song of the Three Young Men|Song of the Three Holy Children|"
     u"Prayer of Azariah|Gebet des Asarja|Cántico de los tres jóvenes|Cântico dos três jovens|"
     u"Cantique des trois enfants|Gebed van Azarja",
     u"Song of Three|Song Three|Sg Three|Pr Azar|Aza", true},
    {u"Susanna|Susana|Suzanne", u"Sus", true},
    {u"Bel and the Dragon|Bel und der Drache|Bel y el Dragón|Bel e o Dragão|Bel et le Dragon|Bel en de draak", u"Bel",
     true},
}};

// Abbreviations that English tables and those of the continent give to different books ("Mc" is Micah in some
// English lists and Mark in the Spanish, Portuguese, French and Dutch ones); 0 where one side has no such book.
// Which side a reference is on its own notation tells ("Hb 1,1-4" is the continent's Hebrews).
struct ByNotation {
    const char16_t *name;
    int english, continental; // book numbers, as kBooks counts them from 1
};
constexpr ByNotation kByNotation[] = {
    {u"Mc", 33, 41}, // Micah, Mark
    {u"Hb", 35, 58}, // Habakkuk, Hebrews
    {u"Sg", 22, 69}, // Song of Songs, Wisdom (the French "Sagesse")
    {u"Re", 66, 7},  // Revelation, Judges (the Dutch "Rechters")
    {u"Ph", 0, 50},  // Philippians in French tables; Philippians or Philemon in English ones
    {u"Jo", 0, 43},  // John in Portuguese tables; Joshua, Job, Joel, John or Jonah in English ones
};

// The ordinal words a numbered book may begin with, and the digit each stands for.
int ordinalOf(QStringView word)
{
    static const std::array<std::pair<QStringView, int>, 9> ordinals = {{
        {u"I", 1},
        {u"II", 2},
        {u"III", 3},
        {u"FIRST", 1},
        {u"SECOND", 2},
        {u"THIRD", 3},
        {u"1ST", 1},
        {u"2ND", 2},
        {u"3RD", 3},
    }};
    for (const auto &[text, digit] : ordinals) {
        if (word == text)
            return digit;
    }
    return 0;
}

bool isAsciiDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

} // namespace

BookTable::BookTable()
{
    for (int b = 0; b < BuiltInBooks; ++b) {
        const QStringList names = QString::fromUtf16(kBooks[size_t(b)].names).split(u'|');
        for (const QString &name : names)
            addName(name, b + 1, true);
        for (const QString &name : QString::fromUtf16(kBooks[size_t(b)].abbreviations).split(u'|'))
            addName(name, b + 1, false);
    }
    for (const ByNotation &name : kByNotation) {
        const QString key = keyOf(QString::fromUtf16(name.name));
        if (name.english != 0)
            m_english.insert(key, name.english);
        m_continental.insert(key, name.continental);
        m_byStripped.insert(strippedOf(key), 0);
    }
    std::sort(m_fullNames.begin(), m_fullNames.end());
}

BookTable::BookTable(const QStringList &bookList) : BookTable()
{
    for (const QString &name : bookList) {
        const QString key = keyOf(name);
        if (key.isEmpty() || key == u"NONE"_s ||
            !std::any_of(key.begin(), key.end(), [](QChar c) { return c.isLetter(); }))
            continue;
        // A list name the table knows ("Psalms", "Ps") is that book; only whole names are taken, so that a list
        // of any length is read in one pass. A hymnal's list writes English.
        const int known = exactBook(key, Notation::English);
        if (known == 0)
            m_listNames.append(name);
        addName(name, known != 0 ? known : ++m_bookCount, true);
    }
    std::sort(m_fullNames.begin(), m_fullNames.end());
}

QString BookTable::strippedOf(const QString &key)
{
    // Only a key with a letter outside ASCII can lose anything: the rest are their own stripped form.
    if (std::all_of(key.begin(), key.end(), [](QChar c) { return c.unicode() < 0x80; }))
        return key;
    QString stripped = key.normalized(QString::NormalizationForm_D);
    stripped.removeIf([](QChar c) { return c.isMark(); });
    return stripped;
}

void BookTable::addName(const QString &name, int book, bool fullName)
{
    const QString key = keyOf(name);
    if (m_byKey.contains(key))
        return;
    m_byKey.insert(key, book);
    if (fullName)
        m_fullNames.emplace_back(key, book);
    // A stripped form two books share (Portuguese "Jó" and "Jo") names neither.
    const QString stripped = strippedOf(key);
    const auto other = m_byStripped.constFind(stripped);
    m_byStripped.insert(stripped, other == m_byStripped.constEnd() || *other == book ? book : 0);
}

int BookTable::exactBook(const QString &key, Notation notation) const
{
    const QHash<QString, int> &own = notation == Notation::English ? m_english : m_continental;
    if (const auto found = own.constFind(key); found != own.constEnd())
        return *found;
    if (const auto found = m_byKey.constFind(key); found != m_byKey.constEnd())
        return *found;
    return 0;
}

int BookTable::bookOf(QStringView name, Notation notation) const
{
    const QString key = keyOf(name);
    if (const int book = exactBook(key, notation))
        return book;
    // Typed without its accents ("Gal" for "Gál", "Hebraer"), a name is still the one book it can be.
    if (const auto found = m_byStripped.constFind(strippedOf(key)); found != m_byStripped.constEnd() && *found != 0)
        return *found;
    // The start of exactly one book's full name, with at least three letters to go on: among six languages' names
    // two ("To", "Of") would begin one book's name by chance.
    const qsizetype letters = std::count_if(key.begin(), key.end(), [](QChar c) { return c.isLetter(); });
    if (letters < 3)
        return 0;
    // The names that begin with key stand together in the sorted list, right from where key would go.
    int book = 0;
    auto at = std::lower_bound(m_fullNames.begin(), m_fullNames.end(), key,
                               [](const std::pair<QString, int> &entry, const QString &k) { return entry.first < k; });
    for (; at != m_fullNames.end() && at->first.startsWith(key); ++at) {
        if (book != 0 && at->second != book)
            return 0;
        book = at->second;
    }
    return book;
}

bool BookTable::dependsOnNotation(QStringView name) const
{
    const QString key = keyOf(name);
    return m_english.contains(key) || m_continental.contains(key);
}

QString BookTable::nameOf(int book) const
{
    if (book >= 1 && book <= BuiltInBooks)
        return QString::fromUtf16(kBooks[size_t(book - 1)].names).section(u'|', 0, 0);
    return m_listNames.value(book - BuiltInBooks - 1);
}

bool BookTable::isSingleChapter(int book) const
{
    return book >= 1 && book <= BuiltInBooks && kBooks[size_t(book - 1)].singleChapter;
}

QString BookTable::keyOf(QStringView name)
{
    QString key;
    key.reserve(name.size() + 1);
    bool blank = false;
    for (const QChar c : name) {
        if (c == u'.' || c.isSpace()) {
            blank = !key.isEmpty();
            continue;
        }
        if (blank)
            key += u' ';
        blank = false;
        key += c;
    }
    key = key.toUpper();

    const qsizetype space = key.indexOf(u' ');
    if (space > 0) {
        if (const int digit = ordinalOf(QStringView(key).first(space)))
            return QString::number(digit) + key.sliced(space);
    }
    qsizetype digits = 0;
    while (digits < key.size() && isAsciiDigit(key[digits]))
        ++digits;
    if (digits > 0 && digits < key.size() && key[digits].isLetter())
        key.insert(digits, u' ');
    return key;
}

} // namespace Plan
