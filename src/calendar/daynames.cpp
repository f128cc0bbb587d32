// SPDX-License-Identifier: GPL-3.0-or-later
// Every Sunday's and feast's name is a whole string of its own, so that a translation can say "3. Advent" or
// "Troisième dimanche de l'Avent" as its churches do; only a weekday is put together, from a format with the
// weekday and a whole name or week.
#include "calendar/daynames.h"

#include <QCoreApplication>

#include <algorithm>
#include <array>
#include <span>
#include <vector>

using namespace Qt::StringLiterals;

namespace Calendar {

namespace {

struct DayText {
    Kind kind;
    int number;
    const char *text;
};

// The Revised Common Lectionary's days, and the Sundays after Trinity in each of its four styles.
constexpr DayText commonNames[] = {
    {Kind::Advent, 1, QT_TRANSLATE_NOOP("Calendar", "Advent 1")},
    {Kind::Advent, 2, QT_TRANSLATE_NOOP("Calendar", "Advent 2")},
    {Kind::Advent, 3, QT_TRANSLATE_NOOP("Calendar", "Advent 3")},
    {Kind::Advent, 4, QT_TRANSLATE_NOOP("Calendar", "Advent 4")},
    {Kind::ChristmasEve, 0, QT_TRANSLATE_NOOP("Calendar", "Christmas Eve")},
    {Kind::ChristmasDay, 0, QT_TRANSLATE_NOOP("Calendar", "Christmas Day")},
    {Kind::Christmas, 1, QT_TRANSLATE_NOOP("Calendar", "Christmas 1")},
    {Kind::Christmas, 2, QT_TRANSLATE_NOOP("Calendar", "Christmas 2")},
    {Kind::Epiphany, 0, QT_TRANSLATE_NOOP("Calendar", "Epiphany")},
    {Kind::BaptismOfTheLord, 0, QT_TRANSLATE_NOOP("Calendar", "Baptism of the Lord")},
    {Kind::AfterEpiphany, 2, QT_TRANSLATE_NOOP("Calendar", "Epiphany 2")},
    {Kind::AfterEpiphany, 3, QT_TRANSLATE_NOOP("Calendar", "Epiphany 3")},
    {Kind::AfterEpiphany, 4, QT_TRANSLATE_NOOP("Calendar", "Epiphany 4")},
    {Kind::AfterEpiphany, 5, QT_TRANSLATE_NOOP("Calendar", "Epiphany 5")},
    {Kind::AfterEpiphany, 6, QT_TRANSLATE_NOOP("Calendar", "Epiphany 6")},
    {Kind::AfterEpiphany, 7, QT_TRANSLATE_NOOP("Calendar", "Epiphany 7")},
    {Kind::AfterEpiphany, 8, QT_TRANSLATE_NOOP("Calendar", "Epiphany 8")},
    {Kind::Transfiguration, 0, QT_TRANSLATE_NOOP("Calendar", "Transfiguration")},
    {Kind::AshWednesday, 0, QT_TRANSLATE_NOOP("Calendar", "Ash Wednesday")},
    {Kind::Lent, 1, QT_TRANSLATE_NOOP("Calendar", "Lent 1")},
    {Kind::Lent, 2, QT_TRANSLATE_NOOP("Calendar", "Lent 2")},
    {Kind::Lent, 3, QT_TRANSLATE_NOOP("Calendar", "Lent 3")},
    {Kind::Lent, 4, QT_TRANSLATE_NOOP("Calendar", "Lent 4")},
    {Kind::Lent, 5, QT_TRANSLATE_NOOP("Calendar", "Lent 5")},
    {Kind::PalmSunday, 0, QT_TRANSLATE_NOOP("Calendar", "Palm Sunday")},
    {Kind::MaundyThursday, 0, QT_TRANSLATE_NOOP("Calendar", "Maundy Thursday")},
    {Kind::GoodFriday, 0, QT_TRANSLATE_NOOP("Calendar", "Good Friday")},
    {Kind::HolySaturday, 0, QT_TRANSLATE_NOOP("Calendar", "Holy Saturday")},
    {Kind::EasterDay, 0, QT_TRANSLATE_NOOP("Calendar", "Easter Day")},
    {Kind::Easter, 2, QT_TRANSLATE_NOOP("Calendar", "Easter 2")},
    {Kind::Easter, 3, QT_TRANSLATE_NOOP("Calendar", "Easter 3")},
    {Kind::Easter, 4, QT_TRANSLATE_NOOP("Calendar", "Easter 4")},
    {Kind::Easter, 5, QT_TRANSLATE_NOOP("Calendar", "Easter 5")},
    {Kind::Easter, 6, QT_TRANSLATE_NOOP("Calendar", "Easter 6")},
    {Kind::Easter, 7, QT_TRANSLATE_NOOP("Calendar", "Easter 7")},
    {Kind::Ascension, 0, QT_TRANSLATE_NOOP("Calendar", "Ascension")},
    {Kind::Pentecost, 0, QT_TRANSLATE_NOOP("Calendar", "Pentecost")},
    {Kind::TrinitySunday, 0, QT_TRANSLATE_NOOP("Calendar", "Trinity Sunday")},
    {Kind::Proper, 1, QT_TRANSLATE_NOOP("Calendar", "Proper 1")},
    {Kind::Proper, 2, QT_TRANSLATE_NOOP("Calendar", "Proper 2")},
    {Kind::Proper, 3, QT_TRANSLATE_NOOP("Calendar", "Proper 3")},
    {Kind::Proper, 4, QT_TRANSLATE_NOOP("Calendar", "Proper 4")},
    {Kind::Proper, 5, QT_TRANSLATE_NOOP("Calendar", "Proper 5")},
    {Kind::Proper, 6, QT_TRANSLATE_NOOP("Calendar", "Proper 6")},
    {Kind::Proper, 7, QT_TRANSLATE_NOOP("Calendar", "Proper 7")},
    {Kind::Proper, 8, QT_TRANSLATE_NOOP("Calendar", "Proper 8")},
    {Kind::Proper, 9, QT_TRANSLATE_NOOP("Calendar", "Proper 9")},
    {Kind::Proper, 10, QT_TRANSLATE_NOOP("Calendar", "Proper 10")},
    {Kind::Proper, 11, QT_TRANSLATE_NOOP("Calendar", "Proper 11")},
    {Kind::Proper, 12, QT_TRANSLATE_NOOP("Calendar", "Proper 12")},
    {Kind::Proper, 13, QT_TRANSLATE_NOOP("Calendar", "Proper 13")},
    {Kind::Proper, 14, QT_TRANSLATE_NOOP("Calendar", "Proper 14")},
    {Kind::Proper, 15, QT_TRANSLATE_NOOP("Calendar", "Proper 15")},
    {Kind::Proper, 16, QT_TRANSLATE_NOOP("Calendar", "Proper 16")},
    {Kind::Proper, 17, QT_TRANSLATE_NOOP("Calendar", "Proper 17")},
    {Kind::Proper, 18, QT_TRANSLATE_NOOP("Calendar", "Proper 18")},
    {Kind::Proper, 19, QT_TRANSLATE_NOOP("Calendar", "Proper 19")},
    {Kind::Proper, 20, QT_TRANSLATE_NOOP("Calendar", "Proper 20")},
    {Kind::Proper, 21, QT_TRANSLATE_NOOP("Calendar", "Proper 21")},
    {Kind::Proper, 22, QT_TRANSLATE_NOOP("Calendar", "Proper 22")},
    {Kind::Proper, 23, QT_TRANSLATE_NOOP("Calendar", "Proper 23")},
    {Kind::Proper, 24, QT_TRANSLATE_NOOP("Calendar", "Proper 24")},
    {Kind::Proper, 25, QT_TRANSLATE_NOOP("Calendar", "Proper 25")},
    {Kind::Proper, 26, QT_TRANSLATE_NOOP("Calendar", "Proper 26")},
    {Kind::Proper, 27, QT_TRANSLATE_NOOP("Calendar", "Proper 27")},
    {Kind::Proper, 28, QT_TRANSLATE_NOOP("Calendar", "Proper 28")},
    {Kind::ChristTheKing, 0, QT_TRANSLATE_NOOP("Calendar", "Christ the King")},
    {Kind::AllSaints, 0, QT_TRANSLATE_NOOP("Calendar", "All Saints")},
    {Kind::AfterPentecost, 1, QT_TRANSLATE_NOOP("Calendar", "Pentecost 1")},
    {Kind::AfterPentecost, 2, QT_TRANSLATE_NOOP("Calendar", "Pentecost 2")},
    {Kind::AfterPentecost, 3, QT_TRANSLATE_NOOP("Calendar", "Pentecost 3")},
    {Kind::AfterPentecost, 4, QT_TRANSLATE_NOOP("Calendar", "Pentecost 4")},
    {Kind::AfterPentecost, 5, QT_TRANSLATE_NOOP("Calendar", "Pentecost 5")},
    {Kind::AfterPentecost, 6, QT_TRANSLATE_NOOP("Calendar", "Pentecost 6")},
    {Kind::AfterPentecost, 7, QT_TRANSLATE_NOOP("Calendar", "Pentecost 7")},
    {Kind::AfterPentecost, 8, QT_TRANSLATE_NOOP("Calendar", "Pentecost 8")},
    {Kind::AfterPentecost, 9, QT_TRANSLATE_NOOP("Calendar", "Pentecost 9")},
    {Kind::AfterPentecost, 10, QT_TRANSLATE_NOOP("Calendar", "Pentecost 10")},
    {Kind::AfterPentecost, 11, QT_TRANSLATE_NOOP("Calendar", "Pentecost 11")},
    {Kind::AfterPentecost, 12, QT_TRANSLATE_NOOP("Calendar", "Pentecost 12")},
    {Kind::AfterPentecost, 13, QT_TRANSLATE_NOOP("Calendar", "Pentecost 13")},
    {Kind::AfterPentecost, 14, QT_TRANSLATE_NOOP("Calendar", "Pentecost 14")},
    {Kind::AfterPentecost, 15, QT_TRANSLATE_NOOP("Calendar", "Pentecost 15")},
    {Kind::AfterPentecost, 16, QT_TRANSLATE_NOOP("Calendar", "Pentecost 16")},
    {Kind::AfterPentecost, 17, QT_TRANSLATE_NOOP("Calendar", "Pentecost 17")},
    {Kind::AfterPentecost, 18, QT_TRANSLATE_NOOP("Calendar", "Pentecost 18")},
    {Kind::AfterPentecost, 19, QT_TRANSLATE_NOOP("Calendar", "Pentecost 19")},
    {Kind::AfterPentecost, 20, QT_TRANSLATE_NOOP("Calendar", "Pentecost 20")},
    {Kind::AfterPentecost, 21, QT_TRANSLATE_NOOP("Calendar", "Pentecost 21")},
    {Kind::AfterPentecost, 22, QT_TRANSLATE_NOOP("Calendar", "Pentecost 22")},
    {Kind::AfterPentecost, 23, QT_TRANSLATE_NOOP("Calendar", "Pentecost 23")},
    {Kind::AfterPentecost, 24, QT_TRANSLATE_NOOP("Calendar", "Pentecost 24")},
    {Kind::AfterPentecost, 25, QT_TRANSLATE_NOOP("Calendar", "Pentecost 25")},
    {Kind::AfterPentecost, 26, QT_TRANSLATE_NOOP("Calendar", "Pentecost 26")},
    {Kind::AfterPentecost, 27, QT_TRANSLATE_NOOP("Calendar", "Pentecost 27")},
    {Kind::AfterPentecost, 28, QT_TRANSLATE_NOOP("Calendar", "Pentecost 28")},
    {Kind::OrdinaryTime, 6, QT_TRANSLATE_NOOP("Calendar", "Ordinary Time 6")},
    {Kind::OrdinaryTime, 7, QT_TRANSLATE_NOOP("Calendar", "Ordinary Time 7")},
    {Kind::OrdinaryTime, 8, QT_TRANSLATE_NOOP("Calendar", "Ordinary Time 8")},
    {Kind::OrdinaryTime, 9, QT_TRANSLATE_NOOP("Calendar", "Ordinary Time 9")},
    {Kind::OrdinaryTime, 10, QT_TRANSLATE_NOOP("Calendar", "Ordinary Time 10")},
    {Kind::OrdinaryTime, 11, QT_TRANSLATE_NOOP("Calendar", "Ordinary Time 11")},
    {Kind::OrdinaryTime, 12, QT_TRANSLATE_NOOP("Calendar", "Ordinary Time 12")},
    {Kind::OrdinaryTime, 13, QT_TRANSLATE_NOOP("Calendar", "Ordinary Time 13")},
    {Kind::OrdinaryTime, 14, QT_TRANSLATE_NOOP("Calendar", "Ordinary Time 14")},
    {Kind::OrdinaryTime, 15, QT_TRANSLATE_NOOP("Calendar", "Ordinary Time 15")},
    {Kind::OrdinaryTime, 16, QT_TRANSLATE_NOOP("Calendar", "Ordinary Time 16")},
    {Kind::OrdinaryTime, 17, QT_TRANSLATE_NOOP("Calendar", "Ordinary Time 17")},
    {Kind::OrdinaryTime, 18, QT_TRANSLATE_NOOP("Calendar", "Ordinary Time 18")},
    {Kind::OrdinaryTime, 19, QT_TRANSLATE_NOOP("Calendar", "Ordinary Time 19")},
    {Kind::OrdinaryTime, 20, QT_TRANSLATE_NOOP("Calendar", "Ordinary Time 20")},
    {Kind::OrdinaryTime, 21, QT_TRANSLATE_NOOP("Calendar", "Ordinary Time 21")},
    {Kind::OrdinaryTime, 22, QT_TRANSLATE_NOOP("Calendar", "Ordinary Time 22")},
    {Kind::OrdinaryTime, 23, QT_TRANSLATE_NOOP("Calendar", "Ordinary Time 23")},
    {Kind::OrdinaryTime, 24, QT_TRANSLATE_NOOP("Calendar", "Ordinary Time 24")},
    {Kind::OrdinaryTime, 25, QT_TRANSLATE_NOOP("Calendar", "Ordinary Time 25")},
    {Kind::OrdinaryTime, 26, QT_TRANSLATE_NOOP("Calendar", "Ordinary Time 26")},
    {Kind::OrdinaryTime, 27, QT_TRANSLATE_NOOP("Calendar", "Ordinary Time 27")},
    {Kind::OrdinaryTime, 28, QT_TRANSLATE_NOOP("Calendar", "Ordinary Time 28")},
    {Kind::OrdinaryTime, 29, QT_TRANSLATE_NOOP("Calendar", "Ordinary Time 29")},
    {Kind::OrdinaryTime, 30, QT_TRANSLATE_NOOP("Calendar", "Ordinary Time 30")},
    {Kind::OrdinaryTime, 31, QT_TRANSLATE_NOOP("Calendar", "Ordinary Time 31")},
    {Kind::OrdinaryTime, 32, QT_TRANSLATE_NOOP("Calendar", "Ordinary Time 32")},
    {Kind::OrdinaryTime, 33, QT_TRANSLATE_NOOP("Calendar", "Ordinary Time 33")},
    {Kind::AfterTrinity, 1, QT_TRANSLATE_NOOP("Calendar", "Trinity 1")},
    {Kind::AfterTrinity, 2, QT_TRANSLATE_NOOP("Calendar", "Trinity 2")},
    {Kind::AfterTrinity, 3, QT_TRANSLATE_NOOP("Calendar", "Trinity 3")},
    {Kind::AfterTrinity, 4, QT_TRANSLATE_NOOP("Calendar", "Trinity 4")},
    {Kind::AfterTrinity, 5, QT_TRANSLATE_NOOP("Calendar", "Trinity 5")},
    {Kind::AfterTrinity, 6, QT_TRANSLATE_NOOP("Calendar", "Trinity 6")},
    {Kind::AfterTrinity, 7, QT_TRANSLATE_NOOP("Calendar", "Trinity 7")},
    {Kind::AfterTrinity, 8, QT_TRANSLATE_NOOP("Calendar", "Trinity 8")},
    {Kind::AfterTrinity, 9, QT_TRANSLATE_NOOP("Calendar", "Trinity 9")},
    {Kind::AfterTrinity, 10, QT_TRANSLATE_NOOP("Calendar", "Trinity 10")},
    {Kind::AfterTrinity, 11, QT_TRANSLATE_NOOP("Calendar", "Trinity 11")},
    {Kind::AfterTrinity, 12, QT_TRANSLATE_NOOP("Calendar", "Trinity 12")},
    {Kind::AfterTrinity, 13, QT_TRANSLATE_NOOP("Calendar", "Trinity 13")},
    {Kind::AfterTrinity, 14, QT_TRANSLATE_NOOP("Calendar", "Trinity 14")},
    {Kind::AfterTrinity, 15, QT_TRANSLATE_NOOP("Calendar", "Trinity 15")},
    {Kind::AfterTrinity, 16, QT_TRANSLATE_NOOP("Calendar", "Trinity 16")},
    {Kind::AfterTrinity, 17, QT_TRANSLATE_NOOP("Calendar", "Trinity 17")},
    {Kind::AfterTrinity, 18, QT_TRANSLATE_NOOP("Calendar", "Trinity 18")},
    {Kind::AfterTrinity, 19, QT_TRANSLATE_NOOP("Calendar", "Trinity 19")},
    {Kind::AfterTrinity, 20, QT_TRANSLATE_NOOP("Calendar", "Trinity 20")},
    {Kind::AfterTrinity, 21, QT_TRANSLATE_NOOP("Calendar", "Trinity 21")},
    {Kind::AfterTrinity, 22, QT_TRANSLATE_NOOP("Calendar", "Trinity 22")},
    {Kind::AfterTrinity, 23, QT_TRANSLATE_NOOP("Calendar", "Trinity 23")},
    {Kind::AfterTrinity, 24, QT_TRANSLATE_NOOP("Calendar", "Trinity 24")},
    {Kind::AfterTrinity, 25, QT_TRANSLATE_NOOP("Calendar", "Trinity 25")},
    {Kind::AfterTrinity, 26, QT_TRANSLATE_NOOP("Calendar", "Trinity 26")},
    {Kind::AfterTrinity, 27, QT_TRANSLATE_NOOP("Calendar", "Trinity 27")},
};

// The General Roman Calendar's days; the days it shares with the Revised Common Lectionary have the same kinds.
constexpr DayText romanNames[] = {
    {Kind::Advent, 1, QT_TRANSLATE_NOOP("Calendar", "First Sunday of Advent")},
    {Kind::Advent, 2, QT_TRANSLATE_NOOP("Calendar", "Second Sunday of Advent")},
    {Kind::Advent, 3, QT_TRANSLATE_NOOP("Calendar", "Third Sunday of Advent")},
    {Kind::Advent, 4, QT_TRANSLATE_NOOP("Calendar", "Fourth Sunday of Advent")},
    {Kind::ImmaculateConception, 0,
     QT_TRANSLATE_NOOP("Calendar", "The Immaculate Conception of the Blessed Virgin Mary")},
    {Kind::ChristmasEve, 0, QT_TRANSLATE_NOOP("Calendar", "Vigil of the Nativity of the Lord")},
    {Kind::ChristmasDay, 0, QT_TRANSLATE_NOOP("Calendar", "The Nativity of the Lord")},
    {Kind::HolyFamily, 0, QT_TRANSLATE_NOOP("Calendar", "The Holy Family of Jesus, Mary and Joseph")},
    {Kind::MaryMotherOfGod, 0, QT_TRANSLATE_NOOP("Calendar", "Mary, the Holy Mother of God")},
    {Kind::Christmas, 2, QT_TRANSLATE_NOOP("Calendar", "Second Sunday after the Nativity")},
    {Kind::Epiphany, 0, QT_TRANSLATE_NOOP("Calendar", "The Epiphany of the Lord")},
    {Kind::BaptismOfTheLord, 0, QT_TRANSLATE_NOOP("Calendar", "The Baptism of the Lord")},
    {Kind::InOrdinaryTime, 2, QT_TRANSLATE_NOOP("Calendar", "Second Sunday in Ordinary Time")},
    {Kind::InOrdinaryTime, 3, QT_TRANSLATE_NOOP("Calendar", "Third Sunday in Ordinary Time")},
    {Kind::InOrdinaryTime, 4, QT_TRANSLATE_NOOP("Calendar", "Fourth Sunday in Ordinary Time")},
    {Kind::InOrdinaryTime, 5, QT_TRANSLATE_NOOP("Calendar", "Fifth Sunday in Ordinary Time")},
    {Kind::InOrdinaryTime, 6, QT_TRANSLATE_NOOP("Calendar", "Sixth Sunday in Ordinary Time")},
    {Kind::InOrdinaryTime, 7, QT_TRANSLATE_NOOP("Calendar", "Seventh Sunday in Ordinary Time")},
    {Kind::InOrdinaryTime, 8, QT_TRANSLATE_NOOP("Calendar", "Eighth Sunday in Ordinary Time")},
    {Kind::InOrdinaryTime, 9, QT_TRANSLATE_NOOP("Calendar", "Ninth Sunday in Ordinary Time")},
    {Kind::InOrdinaryTime, 10, QT_TRANSLATE_NOOP("Calendar", "Tenth Sunday in Ordinary Time")},
    {Kind::InOrdinaryTime, 11, QT_TRANSLATE_NOOP("Calendar", "Eleventh Sunday in Ordinary Time")},
    {Kind::InOrdinaryTime, 12, QT_TRANSLATE_NOOP("Calendar", "Twelfth Sunday in Ordinary Time")},
    {Kind::InOrdinaryTime, 13, QT_TRANSLATE_NOOP("Calendar", "Thirteenth Sunday in Ordinary Time")},
    {Kind::InOrdinaryTime, 14, QT_TRANSLATE_NOOP("Calendar", "Fourteenth Sunday in Ordinary Time")},
    {Kind::InOrdinaryTime, 15, QT_TRANSLATE_NOOP("Calendar", "Fifteenth Sunday in Ordinary Time")},
    {Kind::InOrdinaryTime, 16, QT_TRANSLATE_NOOP("Calendar", "Sixteenth Sunday in Ordinary Time")},
    {Kind::InOrdinaryTime, 17, QT_TRANSLATE_NOOP("Calendar", "Seventeenth Sunday in Ordinary Time")},
    {Kind::InOrdinaryTime, 18, QT_TRANSLATE_NOOP("Calendar", "Eighteenth Sunday in Ordinary Time")},
    {Kind::InOrdinaryTime, 19, QT_TRANSLATE_NOOP("Calendar", "Nineteenth Sunday in Ordinary Time")},
    {Kind::InOrdinaryTime, 20, QT_TRANSLATE_NOOP("Calendar", "Twentieth Sunday in Ordinary Time")},
    {Kind::InOrdinaryTime, 21, QT_TRANSLATE_NOOP("Calendar", "Twenty-first Sunday in Ordinary Time")},
    {Kind::InOrdinaryTime, 22, QT_TRANSLATE_NOOP("Calendar", "Twenty-second Sunday in Ordinary Time")},
    {Kind::InOrdinaryTime, 23, QT_TRANSLATE_NOOP("Calendar", "Twenty-third Sunday in Ordinary Time")},
    {Kind::InOrdinaryTime, 24, QT_TRANSLATE_NOOP("Calendar", "Twenty-fourth Sunday in Ordinary Time")},
    {Kind::InOrdinaryTime, 25, QT_TRANSLATE_NOOP("Calendar", "Twenty-fifth Sunday in Ordinary Time")},
    {Kind::InOrdinaryTime, 26, QT_TRANSLATE_NOOP("Calendar", "Twenty-sixth Sunday in Ordinary Time")},
    {Kind::InOrdinaryTime, 27, QT_TRANSLATE_NOOP("Calendar", "Twenty-seventh Sunday in Ordinary Time")},
    {Kind::InOrdinaryTime, 28, QT_TRANSLATE_NOOP("Calendar", "Twenty-eighth Sunday in Ordinary Time")},
    {Kind::InOrdinaryTime, 29, QT_TRANSLATE_NOOP("Calendar", "Twenty-ninth Sunday in Ordinary Time")},
    {Kind::InOrdinaryTime, 30, QT_TRANSLATE_NOOP("Calendar", "Thirtieth Sunday in Ordinary Time")},
    {Kind::InOrdinaryTime, 31, QT_TRANSLATE_NOOP("Calendar", "Thirty-first Sunday in Ordinary Time")},
    {Kind::InOrdinaryTime, 32, QT_TRANSLATE_NOOP("Calendar", "Thirty-second Sunday in Ordinary Time")},
    {Kind::InOrdinaryTime, 33, QT_TRANSLATE_NOOP("Calendar", "Thirty-third Sunday in Ordinary Time")},
    {Kind::Presentation, 0, QT_TRANSLATE_NOOP("Calendar", "The Presentation of the Lord")},
    {Kind::AshWednesday, 0, QT_TRANSLATE_NOOP("Calendar", "Ash Wednesday")},
    {Kind::Lent, 1, QT_TRANSLATE_NOOP("Calendar", "First Sunday of Lent")},
    {Kind::Lent, 2, QT_TRANSLATE_NOOP("Calendar", "Second Sunday of Lent")},
    {Kind::Lent, 3, QT_TRANSLATE_NOOP("Calendar", "Third Sunday of Lent")},
    {Kind::Lent, 4, QT_TRANSLATE_NOOP("Calendar", "Fourth Sunday of Lent")},
    {Kind::Lent, 5, QT_TRANSLATE_NOOP("Calendar", "Fifth Sunday of Lent")},
    {Kind::Joseph, 0, QT_TRANSLATE_NOOP("Calendar", "Saint Joseph, Spouse of the Blessed Virgin Mary")},
    {Kind::Annunciation, 0, QT_TRANSLATE_NOOP("Calendar", "The Annunciation of the Lord")},
    {Kind::PalmSunday, 0, QT_TRANSLATE_NOOP("Calendar", "Palm Sunday of the Passion of the Lord")},
    {Kind::MaundyThursday, 0, QT_TRANSLATE_NOOP("Calendar", "Thursday of the Lord's Supper")},
    {Kind::GoodFriday, 0, QT_TRANSLATE_NOOP("Calendar", "Friday of the Passion of the Lord")},
    {Kind::HolySaturday, 0, QT_TRANSLATE_NOOP("Calendar", "Holy Saturday")},
    {Kind::EasterDay, 0, QT_TRANSLATE_NOOP("Calendar", "Easter Sunday of the Resurrection of the Lord")},
    {Kind::Easter, 2, QT_TRANSLATE_NOOP("Calendar", "Second Sunday of Easter")},
    {Kind::Easter, 3, QT_TRANSLATE_NOOP("Calendar", "Third Sunday of Easter")},
    {Kind::Easter, 4, QT_TRANSLATE_NOOP("Calendar", "Fourth Sunday of Easter")},
    {Kind::Easter, 5, QT_TRANSLATE_NOOP("Calendar", "Fifth Sunday of Easter")},
    {Kind::Easter, 6, QT_TRANSLATE_NOOP("Calendar", "Sixth Sunday of Easter")},
    {Kind::Easter, 7, QT_TRANSLATE_NOOP("Calendar", "Seventh Sunday of Easter")},
    {Kind::Ascension, 0, QT_TRANSLATE_NOOP("Calendar", "The Ascension of the Lord")},
    {Kind::Pentecost, 0, QT_TRANSLATE_NOOP("Calendar", "Pentecost Sunday")},
    {Kind::TrinitySunday, 0, QT_TRANSLATE_NOOP("Calendar", "The Most Holy Trinity")},
    {Kind::BodyAndBlood, 0, QT_TRANSLATE_NOOP("Calendar", "The Most Holy Body and Blood of Christ")},
    {Kind::SacredHeart, 0, QT_TRANSLATE_NOOP("Calendar", "The Most Sacred Heart of Jesus")},
    {Kind::JohnTheBaptist, 0, QT_TRANSLATE_NOOP("Calendar", "The Nativity of Saint John the Baptist")},
    {Kind::PeterAndPaul, 0, QT_TRANSLATE_NOOP("Calendar", "Saints Peter and Paul, Apostles")},
    {Kind::TransfigurationFeast, 0, QT_TRANSLATE_NOOP("Calendar", "The Transfiguration of the Lord")},
    {Kind::Assumption, 0, QT_TRANSLATE_NOOP("Calendar", "The Assumption of the Blessed Virgin Mary")},
    {Kind::HolyCross, 0, QT_TRANSLATE_NOOP("Calendar", "The Exaltation of the Holy Cross")},
    {Kind::AllSaints, 0, QT_TRANSLATE_NOOP("Calendar", "All Saints")},
    {Kind::AllSouls, 0, QT_TRANSLATE_NOOP("Calendar", "The Commemoration of All the Faithful Departed")},
    {Kind::Lateran, 0, QT_TRANSLATE_NOOP("Calendar", "The Dedication of the Lateran Basilica")},
    {Kind::ChristTheKing, 0, QT_TRANSLATE_NOOP("Calendar", "Our Lord Jesus Christ, King of the Universe")},
};

// The Roman Rite's weeks, which name its weekdays: "Tuesday of the Second Week of Lent".
constexpr DayText romanWeeks[] = {
    {Kind::Advent, 1, QT_TRANSLATE_NOOP("Calendar", "First Week of Advent")},
    {Kind::Advent, 2, QT_TRANSLATE_NOOP("Calendar", "Second Week of Advent")},
    {Kind::Advent, 3, QT_TRANSLATE_NOOP("Calendar", "Third Week of Advent")},
    {Kind::Advent, 4, QT_TRANSLATE_NOOP("Calendar", "Fourth Week of Advent")},
    {Kind::Lent, 1, QT_TRANSLATE_NOOP("Calendar", "First Week of Lent")},
    {Kind::Lent, 2, QT_TRANSLATE_NOOP("Calendar", "Second Week of Lent")},
    {Kind::Lent, 3, QT_TRANSLATE_NOOP("Calendar", "Third Week of Lent")},
    {Kind::Lent, 4, QT_TRANSLATE_NOOP("Calendar", "Fourth Week of Lent")},
    {Kind::Lent, 5, QT_TRANSLATE_NOOP("Calendar", "Fifth Week of Lent")},
    {Kind::Easter, 2, QT_TRANSLATE_NOOP("Calendar", "Second Week of Easter")},
    {Kind::Easter, 3, QT_TRANSLATE_NOOP("Calendar", "Third Week of Easter")},
    {Kind::Easter, 4, QT_TRANSLATE_NOOP("Calendar", "Fourth Week of Easter")},
    {Kind::Easter, 5, QT_TRANSLATE_NOOP("Calendar", "Fifth Week of Easter")},
    {Kind::Easter, 6, QT_TRANSLATE_NOOP("Calendar", "Sixth Week of Easter")},
    {Kind::Easter, 7, QT_TRANSLATE_NOOP("Calendar", "Seventh Week of Easter")},
    {Kind::InOrdinaryTime, 1, QT_TRANSLATE_NOOP("Calendar", "First Week in Ordinary Time")},
    {Kind::InOrdinaryTime, 2, QT_TRANSLATE_NOOP("Calendar", "Second Week in Ordinary Time")},
    {Kind::InOrdinaryTime, 3, QT_TRANSLATE_NOOP("Calendar", "Third Week in Ordinary Time")},
    {Kind::InOrdinaryTime, 4, QT_TRANSLATE_NOOP("Calendar", "Fourth Week in Ordinary Time")},
    {Kind::InOrdinaryTime, 5, QT_TRANSLATE_NOOP("Calendar", "Fifth Week in Ordinary Time")},
    {Kind::InOrdinaryTime, 6, QT_TRANSLATE_NOOP("Calendar", "Sixth Week in Ordinary Time")},
    {Kind::InOrdinaryTime, 7, QT_TRANSLATE_NOOP("Calendar", "Seventh Week in Ordinary Time")},
    {Kind::InOrdinaryTime, 8, QT_TRANSLATE_NOOP("Calendar", "Eighth Week in Ordinary Time")},
    {Kind::InOrdinaryTime, 9, QT_TRANSLATE_NOOP("Calendar", "Ninth Week in Ordinary Time")},
    {Kind::InOrdinaryTime, 10, QT_TRANSLATE_NOOP("Calendar", "Tenth Week in Ordinary Time")},
    {Kind::InOrdinaryTime, 11, QT_TRANSLATE_NOOP("Calendar", "Eleventh Week in Ordinary Time")},
    {Kind::InOrdinaryTime, 12, QT_TRANSLATE_NOOP("Calendar", "Twelfth Week in Ordinary Time")},
    {Kind::InOrdinaryTime, 13, QT_TRANSLATE_NOOP("Calendar", "Thirteenth Week in Ordinary Time")},
    {Kind::InOrdinaryTime, 14, QT_TRANSLATE_NOOP("Calendar", "Fourteenth Week in Ordinary Time")},
    {Kind::InOrdinaryTime, 15, QT_TRANSLATE_NOOP("Calendar", "Fifteenth Week in Ordinary Time")},
    {Kind::InOrdinaryTime, 16, QT_TRANSLATE_NOOP("Calendar", "Sixteenth Week in Ordinary Time")},
    {Kind::InOrdinaryTime, 17, QT_TRANSLATE_NOOP("Calendar", "Seventeenth Week in Ordinary Time")},
    {Kind::InOrdinaryTime, 18, QT_TRANSLATE_NOOP("Calendar", "Eighteenth Week in Ordinary Time")},
    {Kind::InOrdinaryTime, 19, QT_TRANSLATE_NOOP("Calendar", "Nineteenth Week in Ordinary Time")},
    {Kind::InOrdinaryTime, 20, QT_TRANSLATE_NOOP("Calendar", "Twentieth Week in Ordinary Time")},
    {Kind::InOrdinaryTime, 21, QT_TRANSLATE_NOOP("Calendar", "Twenty-first Week in Ordinary Time")},
    {Kind::InOrdinaryTime, 22, QT_TRANSLATE_NOOP("Calendar", "Twenty-second Week in Ordinary Time")},
    {Kind::InOrdinaryTime, 23, QT_TRANSLATE_NOOP("Calendar", "Twenty-third Week in Ordinary Time")},
    {Kind::InOrdinaryTime, 24, QT_TRANSLATE_NOOP("Calendar", "Twenty-fourth Week in Ordinary Time")},
    {Kind::InOrdinaryTime, 25, QT_TRANSLATE_NOOP("Calendar", "Twenty-fifth Week in Ordinary Time")},
    {Kind::InOrdinaryTime, 26, QT_TRANSLATE_NOOP("Calendar", "Twenty-sixth Week in Ordinary Time")},
    {Kind::InOrdinaryTime, 27, QT_TRANSLATE_NOOP("Calendar", "Twenty-seventh Week in Ordinary Time")},
    {Kind::InOrdinaryTime, 28, QT_TRANSLATE_NOOP("Calendar", "Twenty-eighth Week in Ordinary Time")},
    {Kind::InOrdinaryTime, 29, QT_TRANSLATE_NOOP("Calendar", "Twenty-ninth Week in Ordinary Time")},
    {Kind::InOrdinaryTime, 30, QT_TRANSLATE_NOOP("Calendar", "Thirtieth Week in Ordinary Time")},
    {Kind::InOrdinaryTime, 31, QT_TRANSLATE_NOOP("Calendar", "Thirty-first Week in Ordinary Time")},
    {Kind::InOrdinaryTime, 32, QT_TRANSLATE_NOOP("Calendar", "Thirty-second Week in Ordinary Time")},
    {Kind::InOrdinaryTime, 33, QT_TRANSLATE_NOOP("Calendar", "Thirty-third Week in Ordinary Time")},
    {Kind::InOrdinaryTime, 34, QT_TRANSLATE_NOOP("Calendar", "Thirty-fourth Week in Ordinary Time")},
};

// Other ways lectionaries write a day, read in English only.
constexpr DayText englishVariants[] = {
    {Kind::Advent, 1, "Advent Sunday"},
    {Kind::ChristmasDay, 0, "Christmas"},
    {Kind::Christmas, 2, "Second Sunday after Christmas"},
    {Kind::HolyFamily, 0, "Holy Family"},
    {Kind::MaryMotherOfGod, 0, "Mary, Mother of God"},
    {Kind::Epiphany, 0, "Epiphany Day"},
    {Kind::BaptismOfTheLord, 0, "Baptism of Our Lord"},
    {Kind::BaptismOfTheLord, 0, "Epiphany 1"},
    {Kind::Transfiguration, 0, "Transfiguration Sunday"},
    {Kind::MaundyThursday, 0, "Holy Thursday"},
    {Kind::HolySaturday, 0, "Easter Vigil"},
    {Kind::EasterDay, 0, "Easter"},
    {Kind::EasterDay, 0, "Easter Sunday"},
    {Kind::EasterDay, 0, "Easter 1"},
    {Kind::EasterDay, 0, "Resurrection of the Lord"},
    {Kind::Ascension, 0, "Ascension Day"},
    {Kind::Pentecost, 0, "Day of Pentecost"},
    {Kind::TrinitySunday, 0, "Trinity"},
    {Kind::TrinitySunday, 0, "Holy Trinity"},
    {Kind::BodyAndBlood, 0, "Corpus Christi"},
    {Kind::BodyAndBlood, 0, "Body and Blood of Christ"},
    {Kind::SacredHeart, 0, "Sacred Heart"},
    {Kind::SacredHeart, 0, "Sacred Heart of Jesus"},
    {Kind::ChristTheKing, 0, "Christ the King Sunday"},
    {Kind::ChristTheKing, 0, "Reign of Christ"},
    {Kind::ChristTheKing, 0, "Proper 29"},
    {Kind::ChristTheKing, 0, "Ordinary Time 34"},
    {Kind::ChristTheKing, 0, "Thirty-fourth Sunday in Ordinary Time"},
    {Kind::Presentation, 0, "Candlemas"},
    {Kind::Joseph, 0, "Saint Joseph"},
    {Kind::Joseph, 0, "St. Joseph"},
    {Kind::Annunciation, 0, "Annunciation"},
    {Kind::JohnTheBaptist, 0, "Nativity of St. John the Baptist"},
    {Kind::PeterAndPaul, 0, "Saints Peter and Paul"},
    {Kind::PeterAndPaul, 0, "Sts. Peter and Paul"},
    {Kind::Assumption, 0, "Assumption"},
    {Kind::HolyCross, 0, "Holy Cross"},
    {Kind::AllSaints, 0, "All Saints' Day"},
    {Kind::AllSouls, 0, "All Souls"},
    {Kind::AllSouls, 0, "All Souls' Day"},
    {Kind::ImmaculateConception, 0, "Immaculate Conception"},
};

constexpr std::array<const char *, 6> weekdayNames = {
    QT_TRANSLATE_NOOP("Calendar", "Monday"),    QT_TRANSLATE_NOOP("Calendar", "Tuesday"),
    QT_TRANSLATE_NOOP("Calendar", "Wednesday"), QT_TRANSLATE_NOOP("Calendar", "Thursday"),
    QT_TRANSLATE_NOOP("Calendar", "Friday"),    QT_TRANSLATE_NOOP("Calendar", "Saturday"),
};

//: A weekday named after the Sunday or feast its week began with: "Tuesday after Lent 2". %1 is the weekday,
//: %2 the day's name.
constexpr const char *afterDay = QT_TRANSLATE_NOOP("Calendar", "%1 after %2");
//: A weekday of the Roman Rite named by its week: "Tuesday of the Second Week of Lent". %1 is the weekday, %2 the
//: week ("Second Week of Lent").
constexpr const char *ofWeek = QT_TRANSLATE_NOOP("Calendar", "%1 of the %2");
//: Monday, Tuesday or Wednesday of Holy Week; %1 is the weekday.
constexpr const char *ofHolyWeek = QT_TRANSLATE_NOOP("Calendar", "%1 of Holy Week");

struct WeekdayForm {
    Kind kind;
    const char *format; // %1 the weekday
};

// The Roman Rite's weekdays outside its numbered weeks.
constexpr WeekdayForm romanWeekdays[] = {
    {Kind::AshWednesday, QT_TRANSLATE_NOOP("Calendar", "%1 after Ash Wednesday")},
    {Kind::EasterDay, QT_TRANSLATE_NOOP("Calendar", "%1 within the Octave of Easter")},
    {Kind::ChristmasDay, QT_TRANSLATE_NOOP("Calendar", "%1 within the Octave of the Nativity of the Lord")},
    {Kind::BeforeEpiphany, QT_TRANSLATE_NOOP("Calendar", "%1 before the Epiphany")},
    {Kind::Epiphany, QT_TRANSLATE_NOOP("Calendar", "%1 after the Epiphany")},
};

QString text(const char *source, Words words)
{
    return words == Words::English ? QString::fromUtf8(source) : QCoreApplication::translate("Calendar", source);
}

const DayText *find(std::span<const DayText> table, Kind kind, int number)
{
    const auto found = std::find_if(table.begin(), table.end(),
                                    [&](const DayText &each) { return each.kind == kind && each.number == number; });
    return found == table.end() ? nullptr : &*found;
}

} // namespace

const DayNames &DayNames::english()
{
    static const DayNames names(Words::English);
    return names;
}

DayNames DayNames::shown()
{
    return DayNames(Words::Shown);
}

QString DayNames::name(const DayId &id, NamingStyle style, Words words)
{
    const bool roman = style == NamingStyle::Roman;
    if (id.weekday >= Qt::Monday && id.weekday <= Qt::Saturday) {
        const QString weekday = text(weekdayNames.at(size_t(id.weekday - 1)), words);
        // Holy Week's weekdays before Maundy Thursday have names of their own in both calendars.
        if (id.kind == Kind::PalmSunday && id.weekday <= Qt::Wednesday)
            return text(ofHolyWeek, words).arg(weekday);
        // The Roman Rite's own weeks keep its forms in every style.
        if (roman || find(commonNames, id.kind, id.number) == nullptr) {
            for (const WeekdayForm &form : romanWeekdays) {
                if (form.kind == id.kind)
                    return text(form.format, words).arg(weekday);
            }
            if (const DayText *week = find(romanWeeks, id.kind, id.number))
                return text(ofWeek, words).arg(weekday, text(week->text, words));
        }
        const QString day = name({id.kind, id.number}, style, words);
        return day.isEmpty() ? QString() : text(afterDay, words).arg(weekday, day);
    }
    const DayText *found = roman ? find(romanNames, id.kind, id.number) : nullptr;
    if (found == nullptr)
        found = find(commonNames, id.kind, id.number);
    if (found == nullptr)
        found = find(romanNames, id.kind, id.number);
    return found == nullptr ? QString() : text(found->text, words);
}

DayNames::DayNames(Words words) : m_words(words)
{
    std::vector<DayText> afterable(std::begin(commonNames), std::end(commonNames));
    if (words == Words::English)
        afterable.insert(afterable.end(), std::begin(englishVariants), std::end(englishVariants));
    for (const DayText &day : commonNames)
        add(text(day.text, words), {day.kind, day.number});
    for (const DayText &day : romanNames)
        add(text(day.text, words), {day.kind, day.number});
    if (words == Words::English) {
        for (const DayText &day : englishVariants)
            add(text(day.text, words), {day.kind, day.number});
    }
    for (int weekday = Qt::Monday; weekday <= Qt::Saturday; ++weekday) {
        const QString name = text(weekdayNames.at(size_t(weekday - 1)), words);
        if (weekday <= Qt::Wednesday)
            add(text(ofHolyWeek, words).arg(name), {Kind::PalmSunday, 0, weekday});
        for (const WeekdayForm &form : romanWeekdays)
            add(text(form.format, words).arg(name), {form.kind, 0, weekday});
        for (const DayText &week : romanWeeks)
            add(text(ofWeek, words).arg(name, text(week.text, words)), {week.kind, week.number, weekday});
        // Any of the Revised Common Lectionary's names may follow "after", as lectionaries write them.
        for (const DayText &day : afterable)
            add(text(afterDay, words).arg(name, text(day.text, words)), {day.kind, day.number, weekday});
    }
}

QString DayNames::key(QStringView text) const
{
    QString folded = text.toString().simplified().toCaseFolded();
    folded.removeIf([](QChar c) { return c == u'\'' || c == u'\u2019' || c == u',' || c == u'.'; });
    QStringList words = folded.split(u' ', Qt::SkipEmptyParts);
    // English lectionaries write "The Epiphany" and "Epiphany", "Friday after the Epiphany" and "after Epiphany".
    if (m_words == Words::English)
        words.removeAll(u"the"_s);
    return words.join(u' ');
}

void DayNames::add(const QString &text, const DayId &id)
{
    const QString name = key(text);
    if (!name.isEmpty() && !m_days.contains(name))
        m_days.insert(name, id);
}

std::optional<DayId> DayNames::read(QStringView text) const
{
    const auto found = m_days.constFind(key(text));
    if (found == m_days.constEnd())
        return std::nullopt;
    return *found;
}

} // namespace Calendar
