// SPDX-License-Identifier: GPL-3.0-or-later
// The captions of the design (its control table's, those Form1 switches with the kind of file, the tally sort box's
// rows), each as two messages of the context "Form1": the caption as shown ("caption"), which a language may shorten
// to fit the control's fixed room, and its full text ("full text"), which is then the control's tooltip and screen
// reader name. The rooms are the design's at 640 x 487 in the faces the design names, measured with the fonts the
// window tests install. The program's name and signs are shown as they are in every language.
#pragma once

#include <QString>

#include <iterator>
#include <string_view>

class QComboBox;
class QWidget;

class DesignCaption {
public:
    // As QT_TRANSLATE_NOOP3 gives it.
    struct Message {
        const char *source;
        const char *disambiguation;
    };

    // A caption of the catalogue below, a name or sign shown as it is, or none (""). Any other text would be a
    // caption no translator sees, and does not compile.
    consteval DesignCaption(const char *source);

    // In the language shown: the caption in the control's room, and in full.
    QString shown() const;
    QString full() const;

    // Sets the caption of control (a label or a button). Where the language shortened it, the full text is the
    // control's tooltip and, unless it has a name of its own, its screen reader name.
    void showOn(QWidget *control) const;
    // Adds the caption as a row of box, with its full text as the row's tooltip and name where it was shortened.
    void addTo(QComboBox *box) const;
    // The full text of the caption showOn set on control.
    static QString fullTextOf(const QWidget *control);

private:
    static consteval bool inCatalogue(std::string_view source);
    static consteval bool isFixed(std::string_view source);

    const char *m_source;
    bool m_translated;
};

// Each caption twice, as shown and in full, in the order of the control table. A check box's room is its width less
// the indicator and its gap (20 px), a button's its width less the bevel (2 px).
inline constexpr DesignCaption::Message kDesignCaptions[] = {
    //: the design's caption: at most 53 px wide in Arial 8.25 bold, on one line; list the hymns' titles only
    QT_TRANSLATE_NOOP3("Form1", "title only", "caption"),
    //: tooltip and screen reader name of the caption
    QT_TRANSLATE_NOOP3("Form1", "title only", "full text"),
    //: the design's caption: at most 55 px wide in Arial 8.25 bold, on one line; beside the year box: the year is the
    //: music's (from its credit), not the text's
    QT_TRANSLATE_NOOP3("Form1", "of music?", "caption"),
    //: tooltip and screen reader name of the caption
    QT_TRANSLATE_NOOP3("Form1", "of music?", "full text"),
    //: the design's caption: at most 39 px wide in Arial 8.25 bold, on two lines; the button that opens the list of
    //: scripture books
    QT_TRANSLATE_NOOP3("Form1", "book list", "caption"),
    //: tooltip and screen reader name of the caption
    QT_TRANSLATE_NOOP3("Form1", "book list", "full text"),
    //: the design's caption: at most 26 px wide in Arial 8.25 bold, on two lines; "including references": list the
    //: lines of scripture references too
    QT_TRANSLATE_NOOP3("Form1", "incl. refs", "caption"),
    //: tooltip and screen reader name of the caption
    QT_TRANSLATE_NOOP3("Form1", "incl. refs", "full text"),
    //: the design's caption: at most 47 px wide in Arial 9.75 bold, on one line; the button that counts the uses of
    //: each hymn
    QT_TRANSLATE_NOOP3("Form1", "Tally", "caption"),
    //: tooltip and screen reader name of the caption
    QT_TRANSLATE_NOOP3("Form1", "Tally", "full text"),
    //: the design's caption: at most 61 px wide in Arial 8.25 bold, on one line; the leading blank included; "#" is the
    //: hymn number: find that whole number only, not the numbers that begin with it
    QT_TRANSLATE_NOOP3("Form1", " full # only", "caption"),
    //: tooltip and screen reader name of the caption
    QT_TRANSLATE_NOOP3("Form1", " full # only", "full text"),
    //: the design's caption: at most 47 px wide in Arial 9.75 bold, on one line; the search button
    QT_TRANSLATE_NOOP3("Form1", "Find", "caption"),
    //: tooltip and screen reader name of the caption
    QT_TRANSLATE_NOOP3("Form1", "Find", "full text"),
    //: the design's caption: at most 55 px wide in Arial 9.75 bold, on one line; the button that empties the criteria
    //: boxes
    QT_TRANSLATE_NOOP3("Form1", "Clear", "caption"),
    //: tooltip and screen reader name of the caption
    QT_TRANSLATE_NOOP3("Form1", "Clear", "full text"),
    //: the design's caption: at most 71 px wide in Arial 9.75 bold, on one line; the button that loads the file chosen
    QT_TRANSLATE_NOOP3("Form1", "Get File", "caption"),
    //: tooltip and screen reader name of the caption
    QT_TRANSLATE_NOOP3("Form1", "Get File", "full text"),
    //: the design's caption: at most 40 px wide in Arial 8.25 bold, on two lines; "copy with the title" (of a hymnal
    //: text's hymn)
    QT_TRANSLATE_NOOP3("Form1", "copy w/ title", "caption"),
    //: tooltip and screen reader name of the caption
    QT_TRANSLATE_NOOP3("Form1", "copy w/ title", "full text"),
    //: the design's caption: at most 25 px wide in Arial 8.25 bold, on one line
    QT_TRANSLATE_NOOP3("Form1", "Year", "caption"),
    //: tooltip and screen reader name of the caption
    QT_TRANSLATE_NOOP3("Form1", "Year", "full text"),
    //: the design's caption: at most 89 px wide in Arial 8.25 bold italic, on one line
    QT_TRANSLATE_NOOP3("Form1", "exclude title:", "caption"),
    //: tooltip and screen reader name of the caption
    QT_TRANSLATE_NOOP3("Form1", "exclude title:", "full text"),
    //: the design's caption: at most 65 px wide in Arial 8.25 bold, on one line; "#" is "number"
    QT_TRANSLATE_NOOP3("Form1", "# of hymns:", "caption"),
    //: tooltip and screen reader name of the caption
    QT_TRANSLATE_NOOP3("Form1", "# of hymns:", "full text"),
    //: the design's caption: at most 81 px wide in Arial 8.25 bold italic, on one line
    QT_TRANSLATE_NOOP3("Form1", "exclude hymn:", "caption"),
    //: tooltip and screen reader name of the caption
    QT_TRANSLATE_NOOP3("Form1", "exclude hymn:", "full text"),
    //: the design's caption: at most 81 px wide in Arial 8.25 bold, on one line
    QT_TRANSLATE_NOOP3("Form1", "Sort tally by:", "caption"),
    //: tooltip and screen reader name of the caption
    QT_TRANSLATE_NOOP3("Form1", "Sort tally by:", "full text"),
    //: the design's caption: at most 49 px wide in Arial 9.75 bold, on two lines
    QT_TRANSLATE_NOOP3("Form1", "Limit date to:", "caption"),
    //: tooltip and screen reader name of the caption
    QT_TRANSLATE_NOOP3("Form1", "Limit date to:", "full text"),
    //: the design's caption: at most 7 px wide in Arial 9.75 bold, on one line; "number", beside the count of hymns
    QT_TRANSLATE_NOOP3("Form1", "#", "caption"),
    //: tooltip and screen reader name of the caption
    QT_TRANSLATE_NOOP3("Form1", "#", "full text"),
    //: the design's caption: at most 57 px wide in Arial 9.75 bold, on two lines
    QT_TRANSLATE_NOOP3("Form1", "Title phrase:", "caption"),
    //: tooltip and screen reader name of the caption
    QT_TRANSLATE_NOOP3("Form1", "Title phrase:", "full text"),
    //: the design's caption: at most 49 px wide in Arial 9.75 bold, on one line; "hymn number"
    QT_TRANSLATE_NOOP3("Form1", "Hymn #", "caption"),
    //: tooltip and screen reader name of the caption
    QT_TRANSLATE_NOOP3("Form1", "Hymn #", "full text"),
    //: the design's caption: at most 49 px wide in Arial 9 bold, on one line
    QT_TRANSLATE_NOOP3("Form1", "Files:", "caption"),
    //: tooltip and screen reader name of the caption
    QT_TRANSLATE_NOOP3("Form1", "Files:", "full text"),

    // Those Form1 shows for a hymnal text, a tally or while criteria are set.
    //: the design's caption: at most 49 px wide in Arial 9.75 bold, on two lines; for a hymnal text
    QT_TRANSLATE_NOOP3("Form1", "Limit title to:", "caption"),
    //: tooltip and screen reader name of the caption
    QT_TRANSLATE_NOOP3("Form1", "Limit title to:", "full text"),
    //: the design's caption: at most 57 px wide in Arial 9.75 bold, on two lines; for a hymnal text
    QT_TRANSLATE_NOOP3("Form1", "Verse phrase:", "caption"),
    //: tooltip and screen reader name of the caption
    QT_TRANSLATE_NOOP3("Form1", "Verse phrase:", "full text"),
    //: the design's caption: at most 89 px wide in Arial 8.25 bold italic, on one line; for a hymnal text
    QT_TRANSLATE_NOOP3("Form1", "exclude phrase:", "caption"),
    //: tooltip and screen reader name of the caption
    QT_TRANSLATE_NOOP3("Form1", "exclude phrase:", "full text"),
    //: the design's caption: at most 65 px wide in Arial 8.25 bold, on one line; the leading blanks included (they move
    //: it right); for a service log; "#" is "number"
    QT_TRANSLATE_NOOP3("Form1", "  # of dates:", "caption"),
    //: tooltip and screen reader name of the caption
    QT_TRANSLATE_NOOP3("Form1", "  # of dates:", "full text"),
    //: the design's caption: at most 65 px wide in Arial 8.25 bold, on one line; the leading blanks included (they move
    //: it right); the sum of a tally's counts
    QT_TRANSLATE_NOOP3("Form1", "           sum:", "caption"),
    //: tooltip and screen reader name of the caption
    QT_TRANSLATE_NOOP3("Form1", "           sum:", "full text"),
    //: the design's caption: at most 40 px wide in Arial 8.25 bold, on two lines; "copy with the date" (of a service)
    QT_TRANSLATE_NOOP3("Form1", "copy w/ date", "caption"),
    //: tooltip and screen reader name of the caption
    QT_TRANSLATE_NOOP3("Form1", "copy w/ date", "full text"),
    //: the design's caption: at most 55 px wide in Arial 9.75 bold, on one line; the Clear button while criteria are
    //: set, which the star marks
    QT_TRANSLATE_NOOP3("Form1", "Clear*", "caption"),
    //: tooltip and screen reader name of the caption
    QT_TRANSLATE_NOOP3("Form1", "Clear*", "full text"),

    // The tally sort box's rows, the orders of a tally.
    //: the design's caption: at most 48 px wide in MS Sans Serif 8.25, on one line; a row of the tally's sort box: by
    //: how often a hymn was used
    QT_TRANSLATE_NOOP3("Form1", "freq", "caption"),
    //: tooltip and screen reader name of the caption
    QT_TRANSLATE_NOOP3("Form1", "freq", "full text"),
    //: the design's caption: at most 48 px wide in MS Sans Serif 8.25, on one line; a row of the tally's sort box: by
    //: the hymn's title
    QT_TRANSLATE_NOOP3("Form1", "title", "caption"),
    //: tooltip and screen reader name of the caption
    QT_TRANSLATE_NOOP3("Form1", "title", "full text"),
    //: the design's caption: at most 48 px wide in MS Sans Serif 8.25, on one line; a row of the tally's sort box: by
    //: the hymn number
    QT_TRANSLATE_NOOP3("Form1", "hymn #", "caption"),
    //: tooltip and screen reader name of the caption
    QT_TRANSLATE_NOOP3("Form1", "hymn #", "full text"),
};

// The program's name, its digit, the copyright sign and the credits line (a name and a year): the same in every
// language, and never in the catalogue.
inline constexpr const char *kFixedCaptions[] = {"Cantorix", "2", "\u00A9", "Cantorix2 team 2026"};

consteval bool DesignCaption::inCatalogue(std::string_view source)
{
    // The messages come in pairs, the caption then its full text.
    for (size_t i = 0; i + 1 < std::size(kDesignCaptions); i += 2) {
        if (kDesignCaptions[i].source == source)
            return kDesignCaptions[i].disambiguation == std::string_view("caption") &&
                   kDesignCaptions[i + 1].source == source &&
                   kDesignCaptions[i + 1].disambiguation == std::string_view("full text");
    }
    return false;
}

consteval bool DesignCaption::isFixed(std::string_view source)
{
    if (source.empty())
        return true;
    for (const char *fixed : kFixedCaptions) {
        if (fixed == source)
            return true;
    }
    return false;
}

consteval DesignCaption::DesignCaption(const char *source) : m_source(source), m_translated(inCatalogue(source))
{
    if (!m_translated && !isFixed(source))
        throw "a caption of the design without its two messages in kDesignCaptions";
}
