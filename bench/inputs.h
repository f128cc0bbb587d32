// SPDX-License-Identifier: GPL-3.0-or-later
// Deterministic maximal hymn files for the benchmarks: a service log that fills the entry store with dated
// services of ten hymns each, and a hymnal text whose hymns fill it with verse lines.
#pragma once

#include <QByteArray>
#include <QString>

namespace BenchInputs {

// Services and hymns per service of the maximal usage file: 1,800 entries of 10 lines, 18,000 hymn lines.
constexpr int kServices = 1800;
constexpr int kHymnsPerService = 10;
// Hymns of the maximal verse file; each stores 20 lines, so it takes two entries and the file 1,800 in all.
constexpr int kVerseHymns = 900;
constexpr int kVerseLinesPerHymn = 20;

// The word the phrase searches look for; it stands in about one usage line in twelve and one verse line in seven.
QString phraseWord();

// A usage file (Windows-1252, CR-LF) of kServices services dated "Mmm d, yyyy" over about seventeen years, with
// distinctHymns different hymns among its 18,000 hymn lines. Each hymn is used at least once, the popular ones
// far more often. Numbers have a non-zero third digit and titles differ, so each hymn counts as itself under
// both the number and the title key. With distinctHymns = 18,000 every line is a hymn of its own.
QByteArray usageFile(int distinctHymns);

// A verse file (Windows-1252, CR-LF): kVerseHymns hymns, each with a head line "NNN Title", a credits line with
// years, meter, key and time lines, a scripture reference (every third hymn) or a tune line, then three verses
// of five lines labelled "(vN)" (the last line of each a refrain "(R)") after "--" separator lines.
QByteArray verseFile();

} // namespace BenchInputs
