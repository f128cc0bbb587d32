<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL">
<context>
    <name>AccessibleParts</name>
    <message>
        <source>Clear %1</source>
        <extracomment>a screen reader&apos;s name for the button that empties a box; %1 is the box&apos;s name</extracomment>
        <translation>%1 wissen</translation>
    </message>
    <message>
        <source>%1 choices</source>
        <extracomment>a screen reader&apos;s name for the list a drop-down opens; %1 is the drop-down&apos;s name</extracomment>
        <translation>Keuzes voor %1</translation>
    </message>
</context>
<context>
    <name>AddServiceDialog</name>
    <message>
        <source>Print Hymn &amp;Board…</source>
        <translation>Lied&amp;bord afdrukken…</translation>
    </message>
    <message>
        <source>&amp;Copy for Bulletin</source>
        <translation>&amp;Kopiëren voor liturgieboekje</translation>
    </message>
    <message>
        <source>Remove &amp;Service</source>
        <translation>Dienst &amp;verwijderen</translation>
    </message>
    <message>
        <source>The service&apos;s hymn numbers in large figures, a page for the hymn board</source>
        <translation>De liednummers van de dienst in grote cijfers, een pagina voor het liedbord</translation>
    </message>
    <message>
        <source>The service&apos;s date and hymns to the clipboard, for the bulletin</source>
        <translation>De datum en de liederen van de dienst naar het klembord, voor het liturgieboekje</translation>
    </message>
    <message>
        <source>Edit Service</source>
        <translation>Dienst bewerken</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>Opslaan</translation>
    </message>
    <message>
        <source>Write the service in place of the one in the log</source>
        <translation>De dienst opslaan in plaats van die in het logboek</translation>
    </message>
    <message>
        <source>Discard the changes to this service? The log keeps the service as it was.</source>
        <translation>De wijzigingen in deze dienst verwerpen? Het logboek houdt de dienst zoals hij was.</translation>
    </message>
    <message>
        <source>Add &amp;Row</source>
        <translation>&amp;Rij toevoegen</translation>
    </message>
    <message>
        <source>Re&amp;move Row</source>
        <translation>Rij ver&amp;wijderen</translation>
    </message>
    <message>
        <source>Move &amp;Up</source>
        <translation>&amp;Omhoog</translation>
    </message>
    <message>
        <source>Move &amp;Down</source>
        <translation>Om&amp;laag</translation>
    </message>
    <message>
        <source>Su&amp;ggest Hymns…</source>
        <translation>Liederen voor&amp;stellen…</translation>
    </message>
    <message>
        <source>Add Service</source>
        <translation>Dienst toevoegen</translation>
    </message>
    <message>
        <source>Easter, Advent 3 … (may be left empty)</source>
        <translation>Pasen, 3e zondag van de Advent … (mag leeg blijven)</translation>
    </message>
    <message>
        <source>Day of the church year</source>
        <translation>Dag van het kerkelijk jaar</translation>
    </message>
    <message>
        <source>Da&amp;te:</source>
        <translation>&amp;Datum:</translation>
    </message>
    <message>
        <source>&amp;Occasion:</source>
        <translation>&amp;Gelegenheid:</translation>
    </message>
    <message>
        <source>&amp;Hymns:</source>
        <translation>L&amp;iederen:</translation>
    </message>
    <message>
        <source>Mark hymns sung &amp;within</source>
        <translation>&amp;Markeer liederen gezongen in de laatste</translation>
    </message>
    <message>
        <source>Service date</source>
        <translation>Datum van de dienst</translation>
    </message>
    <message>
        <source>Occasion</source>
        <translation>Gelegenheid</translation>
    </message>
    <message>
        <source>Mark hymns sung within this many weeks</source>
        <translation>Liederen markeren die in de laatste zoveel weken zijn gezongen</translation>
    </message>
    <message>
        <source>weeks</source>
        <translation>weken</translation>
    </message>
    <message>
        <source>Hymns for this day&apos;s readings from the hymnal (Alt+G)</source>
        <translation>Liederen uit de liedbundel bij de lezingen van deze dag (Alt+S)</translation>
    </message>
    <message>
        <source>Set a hymnal first, with File &gt; Set Hymnal…</source>
        <translation>Stel eerst een liedbundel in, met Bestand &gt; Liedbundel instellen…</translation>
    </message>
    <message>
        <source>Discard this service? What was typed in it is not added to the log.</source>
        <translation>Deze dienst verwerpen? Wat erin is getypt, wordt niet aan het logboek toegevoegd.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
</context>
<context>
    <name>Calendar</name>
    <message>
        <source>Not named: before the Gregorian church year (Advent 1582)</source>
        <translation>Geen naam: vóór het gregoriaanse kerkelijk jaar (Advent 1582)</translation>
    </message>
    <message>
        <source>%1 · Year %2 · %3</source>
        <extracomment>The day line of a Roman Rite weekday in Ordinary Time: %1 the day&apos;s name, %2 the Sunday cycle (A, B or C), %3 the weekday cycle (I or II).</extracomment>
        <translation>%1 · Jaar %2 · %3</translation>
    </message>
    <message>
        <source>%1 · Year %2</source>
        <extracomment>The day line beside a date: %1 the day&apos;s name, %2 the lectionary&apos;s year (A, B or C).</extracomment>
        <translation>%1 · Jaar %2</translation>
    </message>
    <message>
        <source>Advent</source>
        <comment>season</comment>
        <translation>Advent</translation>
    </message>
    <message>
        <source>Christmas</source>
        <comment>season</comment>
        <translation>Kersttijd</translation>
    </message>
    <message>
        <source>Epiphany</source>
        <comment>season</comment>
        <translation>Tijd na Epifanie</translation>
    </message>
    <message>
        <source>Lent</source>
        <comment>season</comment>
        <translation>Veertigdagentijd</translation>
    </message>
    <message>
        <source>Holy Week</source>
        <comment>season</comment>
        <translation>Goede Week</translation>
    </message>
    <message>
        <source>Easter</source>
        <comment>season</comment>
        <translation>Paastijd</translation>
    </message>
    <message>
        <source>After Pentecost</source>
        <comment>season</comment>
        <translation>Tijd na Pinksteren</translation>
    </message>
    <message>
        <source>Ordinary Time</source>
        <comment>season</comment>
        <translation>Tijd door het jaar</translation>
    </message>
    <message>
        <source>Advent 1</source>
        <translation>1e zondag van de Advent</translation>
    </message>
    <message>
        <source>Advent 2</source>
        <translation>2e zondag van de Advent</translation>
    </message>
    <message>
        <source>Advent 3</source>
        <translation>3e zondag van de Advent</translation>
    </message>
    <message>
        <source>Advent 4</source>
        <translation>4e zondag van de Advent</translation>
    </message>
    <message>
        <source>Christmas Eve</source>
        <translation>Kerstavond</translation>
    </message>
    <message>
        <source>Christmas Day</source>
        <translation>Kerstmis</translation>
    </message>
    <message>
        <source>Christmas 1</source>
        <translation>1e zondag na Kerstmis</translation>
    </message>
    <message>
        <source>Christmas 2</source>
        <translation>2e zondag na Kerstmis</translation>
    </message>
    <message>
        <source>Epiphany</source>
        <translation>Epifanie</translation>
    </message>
    <message>
        <source>Baptism of the Lord</source>
        <translation>Doop van de Heer</translation>
    </message>
    <message>
        <source>Epiphany 2</source>
        <translation>2e zondag na Epifanie</translation>
    </message>
    <message>
        <source>Epiphany 3</source>
        <translation>3e zondag na Epifanie</translation>
    </message>
    <message>
        <source>Epiphany 4</source>
        <translation>4e zondag na Epifanie</translation>
    </message>
    <message>
        <source>Epiphany 5</source>
        <translation>5e zondag na Epifanie</translation>
    </message>
    <message>
        <source>Epiphany 6</source>
        <translation>6e zondag na Epifanie</translation>
    </message>
    <message>
        <source>Epiphany 7</source>
        <translation>7e zondag na Epifanie</translation>
    </message>
    <message>
        <source>Epiphany 8</source>
        <translation>8e zondag na Epifanie</translation>
    </message>
    <message>
        <source>Transfiguration</source>
        <translation>Verheerlijking op de berg</translation>
    </message>
    <message>
        <source>Ash Wednesday</source>
        <translation>Aswoensdag</translation>
    </message>
    <message>
        <source>Lent 1</source>
        <translation>1e zondag van de Veertigdagentijd</translation>
    </message>
    <message>
        <source>Lent 2</source>
        <translation>2e zondag van de Veertigdagentijd</translation>
    </message>
    <message>
        <source>Lent 3</source>
        <translation>3e zondag van de Veertigdagentijd</translation>
    </message>
    <message>
        <source>Lent 4</source>
        <translation>4e zondag van de Veertigdagentijd</translation>
    </message>
    <message>
        <source>Lent 5</source>
        <translation>5e zondag van de Veertigdagentijd</translation>
    </message>
    <message>
        <source>Palm Sunday</source>
        <translation>Palmzondag</translation>
    </message>
    <message>
        <source>Maundy Thursday</source>
        <translation>Witte Donderdag</translation>
    </message>
    <message>
        <source>Good Friday</source>
        <translation>Goede Vrijdag</translation>
    </message>
    <message>
        <source>Holy Saturday</source>
        <translation>Stille Zaterdag</translation>
    </message>
    <message>
        <source>Easter Day</source>
        <translation>Pasen</translation>
    </message>
    <message>
        <source>Easter 2</source>
        <translation>2e zondag van Pasen</translation>
    </message>
    <message>
        <source>Easter 3</source>
        <translation>3e zondag van Pasen</translation>
    </message>
    <message>
        <source>Easter 4</source>
        <translation>4e zondag van Pasen</translation>
    </message>
    <message>
        <source>Easter 5</source>
        <translation>5e zondag van Pasen</translation>
    </message>
    <message>
        <source>Easter 6</source>
        <translation>6e zondag van Pasen</translation>
    </message>
    <message>
        <source>Easter 7</source>
        <translation>7e zondag van Pasen</translation>
    </message>
    <message>
        <source>Ascension</source>
        <translation>Hemelvaartsdag</translation>
    </message>
    <message>
        <source>Pentecost</source>
        <translation>Pinksteren</translation>
    </message>
    <message>
        <source>Trinity Sunday</source>
        <translation>Trinitatis</translation>
    </message>
    <message>
        <source>Proper 1</source>
        <translation>Proprium 1</translation>
    </message>
    <message>
        <source>Proper 2</source>
        <translation>Proprium 2</translation>
    </message>
    <message>
        <source>Proper 3</source>
        <translation>Proprium 3</translation>
    </message>
    <message>
        <source>Proper 4</source>
        <translation>Proprium 4</translation>
    </message>
    <message>
        <source>Proper 5</source>
        <translation>Proprium 5</translation>
    </message>
    <message>
        <source>Proper 6</source>
        <translation>Proprium 6</translation>
    </message>
    <message>
        <source>Proper 7</source>
        <translation>Proprium 7</translation>
    </message>
    <message>
        <source>Proper 8</source>
        <translation>Proprium 8</translation>
    </message>
    <message>
        <source>Proper 9</source>
        <translation>Proprium 9</translation>
    </message>
    <message>
        <source>Proper 10</source>
        <translation>Proprium 10</translation>
    </message>
    <message>
        <source>Proper 11</source>
        <translation>Proprium 11</translation>
    </message>
    <message>
        <source>Proper 12</source>
        <translation>Proprium 12</translation>
    </message>
    <message>
        <source>Proper 13</source>
        <translation>Proprium 13</translation>
    </message>
    <message>
        <source>Proper 14</source>
        <translation>Proprium 14</translation>
    </message>
    <message>
        <source>Proper 15</source>
        <translation>Proprium 15</translation>
    </message>
    <message>
        <source>Proper 16</source>
        <translation>Proprium 16</translation>
    </message>
    <message>
        <source>Proper 17</source>
        <translation>Proprium 17</translation>
    </message>
    <message>
        <source>Proper 18</source>
        <translation>Proprium 18</translation>
    </message>
    <message>
        <source>Proper 19</source>
        <translation>Proprium 19</translation>
    </message>
    <message>
        <source>Proper 20</source>
        <translation>Proprium 20</translation>
    </message>
    <message>
        <source>Proper 21</source>
        <translation>Proprium 21</translation>
    </message>
    <message>
        <source>Proper 22</source>
        <translation>Proprium 22</translation>
    </message>
    <message>
        <source>Proper 23</source>
        <translation>Proprium 23</translation>
    </message>
    <message>
        <source>Proper 24</source>
        <translation>Proprium 24</translation>
    </message>
    <message>
        <source>Proper 25</source>
        <translation>Proprium 25</translation>
    </message>
    <message>
        <source>Proper 26</source>
        <translation>Proprium 26</translation>
    </message>
    <message>
        <source>Proper 27</source>
        <translation>Proprium 27</translation>
    </message>
    <message>
        <source>Proper 28</source>
        <translation>Proprium 28</translation>
    </message>
    <message>
        <source>Christ the King</source>
        <translation>Christus Koning</translation>
    </message>
    <message>
        <source>All Saints</source>
        <translation>Allerheiligen</translation>
    </message>
    <message>
        <source>Pentecost 1</source>
        <translation>1e zondag na Pinksteren</translation>
    </message>
    <message>
        <source>Pentecost 2</source>
        <translation>2e zondag na Pinksteren</translation>
    </message>
    <message>
        <source>Pentecost 3</source>
        <translation>3e zondag na Pinksteren</translation>
    </message>
    <message>
        <source>Pentecost 4</source>
        <translation>4e zondag na Pinksteren</translation>
    </message>
    <message>
        <source>Pentecost 5</source>
        <translation>5e zondag na Pinksteren</translation>
    </message>
    <message>
        <source>Pentecost 6</source>
        <translation>6e zondag na Pinksteren</translation>
    </message>
    <message>
        <source>Pentecost 7</source>
        <translation>7e zondag na Pinksteren</translation>
    </message>
    <message>
        <source>Pentecost 8</source>
        <translation>8e zondag na Pinksteren</translation>
    </message>
    <message>
        <source>Pentecost 9</source>
        <translation>9e zondag na Pinksteren</translation>
    </message>
    <message>
        <source>Pentecost 10</source>
        <translation>10e zondag na Pinksteren</translation>
    </message>
    <message>
        <source>Pentecost 11</source>
        <translation>11e zondag na Pinksteren</translation>
    </message>
    <message>
        <source>Pentecost 12</source>
        <translation>12e zondag na Pinksteren</translation>
    </message>
    <message>
        <source>Pentecost 13</source>
        <translation>13e zondag na Pinksteren</translation>
    </message>
    <message>
        <source>Pentecost 14</source>
        <translation>14e zondag na Pinksteren</translation>
    </message>
    <message>
        <source>Pentecost 15</source>
        <translation>15e zondag na Pinksteren</translation>
    </message>
    <message>
        <source>Pentecost 16</source>
        <translation>16e zondag na Pinksteren</translation>
    </message>
    <message>
        <source>Pentecost 17</source>
        <translation>17e zondag na Pinksteren</translation>
    </message>
    <message>
        <source>Pentecost 18</source>
        <translation>18e zondag na Pinksteren</translation>
    </message>
    <message>
        <source>Pentecost 19</source>
        <translation>19e zondag na Pinksteren</translation>
    </message>
    <message>
        <source>Pentecost 20</source>
        <translation>20e zondag na Pinksteren</translation>
    </message>
    <message>
        <source>Pentecost 21</source>
        <translation>21e zondag na Pinksteren</translation>
    </message>
    <message>
        <source>Pentecost 22</source>
        <translation>22e zondag na Pinksteren</translation>
    </message>
    <message>
        <source>Pentecost 23</source>
        <translation>23e zondag na Pinksteren</translation>
    </message>
    <message>
        <source>Pentecost 24</source>
        <translation>24e zondag na Pinksteren</translation>
    </message>
    <message>
        <source>Pentecost 25</source>
        <translation>25e zondag na Pinksteren</translation>
    </message>
    <message>
        <source>Pentecost 26</source>
        <translation>26e zondag na Pinksteren</translation>
    </message>
    <message>
        <source>Pentecost 27</source>
        <translation>27e zondag na Pinksteren</translation>
    </message>
    <message>
        <source>Pentecost 28</source>
        <translation>28e zondag na Pinksteren</translation>
    </message>
    <message>
        <source>Ordinary Time 6</source>
        <translation>6e zondag door het jaar</translation>
    </message>
    <message>
        <source>Ordinary Time 7</source>
        <translation>7e zondag door het jaar</translation>
    </message>
    <message>
        <source>Ordinary Time 8</source>
        <translation>8e zondag door het jaar</translation>
    </message>
    <message>
        <source>Ordinary Time 9</source>
        <translation>9e zondag door het jaar</translation>
    </message>
    <message>
        <source>Ordinary Time 10</source>
        <translation>10e zondag door het jaar</translation>
    </message>
    <message>
        <source>Ordinary Time 11</source>
        <translation>11e zondag door het jaar</translation>
    </message>
    <message>
        <source>Ordinary Time 12</source>
        <translation>12e zondag door het jaar</translation>
    </message>
    <message>
        <source>Ordinary Time 13</source>
        <translation>13e zondag door het jaar</translation>
    </message>
    <message>
        <source>Ordinary Time 14</source>
        <translation>14e zondag door het jaar</translation>
    </message>
    <message>
        <source>Ordinary Time 15</source>
        <translation>15e zondag door het jaar</translation>
    </message>
    <message>
        <source>Ordinary Time 16</source>
        <translation>16e zondag door het jaar</translation>
    </message>
    <message>
        <source>Ordinary Time 17</source>
        <translation>17e zondag door het jaar</translation>
    </message>
    <message>
        <source>Ordinary Time 18</source>
        <translation>18e zondag door het jaar</translation>
    </message>
    <message>
        <source>Ordinary Time 19</source>
        <translation>19e zondag door het jaar</translation>
    </message>
    <message>
        <source>Ordinary Time 20</source>
        <translation>20e zondag door het jaar</translation>
    </message>
    <message>
        <source>Ordinary Time 21</source>
        <translation>21e zondag door het jaar</translation>
    </message>
    <message>
        <source>Ordinary Time 22</source>
        <translation>22e zondag door het jaar</translation>
    </message>
    <message>
        <source>Ordinary Time 23</source>
        <translation>23e zondag door het jaar</translation>
    </message>
    <message>
        <source>Ordinary Time 24</source>
        <translation>24e zondag door het jaar</translation>
    </message>
    <message>
        <source>Ordinary Time 25</source>
        <translation>25e zondag door het jaar</translation>
    </message>
    <message>
        <source>Ordinary Time 26</source>
        <translation>26e zondag door het jaar</translation>
    </message>
    <message>
        <source>Ordinary Time 27</source>
        <translation>27e zondag door het jaar</translation>
    </message>
    <message>
        <source>Ordinary Time 28</source>
        <translation>28e zondag door het jaar</translation>
    </message>
    <message>
        <source>Ordinary Time 29</source>
        <translation>29e zondag door het jaar</translation>
    </message>
    <message>
        <source>Ordinary Time 30</source>
        <translation>30e zondag door het jaar</translation>
    </message>
    <message>
        <source>Ordinary Time 31</source>
        <translation>31e zondag door het jaar</translation>
    </message>
    <message>
        <source>Ordinary Time 32</source>
        <translation>32e zondag door het jaar</translation>
    </message>
    <message>
        <source>Ordinary Time 33</source>
        <translation>33e zondag door het jaar</translation>
    </message>
    <message>
        <source>Trinity 1</source>
        <translation>1e zondag na Trinitatis</translation>
    </message>
    <message>
        <source>Trinity 2</source>
        <translation>2e zondag na Trinitatis</translation>
    </message>
    <message>
        <source>Trinity 3</source>
        <translation>3e zondag na Trinitatis</translation>
    </message>
    <message>
        <source>Trinity 4</source>
        <translation>4e zondag na Trinitatis</translation>
    </message>
    <message>
        <source>Trinity 5</source>
        <translation>5e zondag na Trinitatis</translation>
    </message>
    <message>
        <source>Trinity 6</source>
        <translation>6e zondag na Trinitatis</translation>
    </message>
    <message>
        <source>Trinity 7</source>
        <translation>7e zondag na Trinitatis</translation>
    </message>
    <message>
        <source>Trinity 8</source>
        <translation>8e zondag na Trinitatis</translation>
    </message>
    <message>
        <source>Trinity 9</source>
        <translation>9e zondag na Trinitatis</translation>
    </message>
    <message>
        <source>Trinity 10</source>
        <translation>10e zondag na Trinitatis</translation>
    </message>
    <message>
        <source>Trinity 11</source>
        <translation>11e zondag na Trinitatis</translation>
    </message>
    <message>
        <source>Trinity 12</source>
        <translation>12e zondag na Trinitatis</translation>
    </message>
    <message>
        <source>Trinity 13</source>
        <translation>13e zondag na Trinitatis</translation>
    </message>
    <message>
        <source>Trinity 14</source>
        <translation>14e zondag na Trinitatis</translation>
    </message>
    <message>
        <source>Trinity 15</source>
        <translation>15e zondag na Trinitatis</translation>
    </message>
    <message>
        <source>Trinity 16</source>
        <translation>16e zondag na Trinitatis</translation>
    </message>
    <message>
        <source>Trinity 17</source>
        <translation>17e zondag na Trinitatis</translation>
    </message>
    <message>
        <source>Trinity 18</source>
        <translation>18e zondag na Trinitatis</translation>
    </message>
    <message>
        <source>Trinity 19</source>
        <translation>19e zondag na Trinitatis</translation>
    </message>
    <message>
        <source>Trinity 20</source>
        <translation>20e zondag na Trinitatis</translation>
    </message>
    <message>
        <source>Trinity 21</source>
        <translation>21e zondag na Trinitatis</translation>
    </message>
    <message>
        <source>Trinity 22</source>
        <translation>22e zondag na Trinitatis</translation>
    </message>
    <message>
        <source>Trinity 23</source>
        <translation>23e zondag na Trinitatis</translation>
    </message>
    <message>
        <source>Trinity 24</source>
        <translation>24e zondag na Trinitatis</translation>
    </message>
    <message>
        <source>Trinity 25</source>
        <translation>25e zondag na Trinitatis</translation>
    </message>
    <message>
        <source>Trinity 26</source>
        <translation>26e zondag na Trinitatis</translation>
    </message>
    <message>
        <source>Trinity 27</source>
        <translation>27e zondag na Trinitatis</translation>
    </message>
    <message>
        <source>First Sunday of Advent</source>
        <translation>Eerste zondag van de Advent</translation>
    </message>
    <message>
        <source>Second Sunday of Advent</source>
        <translation>Tweede zondag van de Advent</translation>
    </message>
    <message>
        <source>Third Sunday of Advent</source>
        <translation>Derde zondag van de Advent</translation>
    </message>
    <message>
        <source>Fourth Sunday of Advent</source>
        <translation>Vierde zondag van de Advent</translation>
    </message>
    <message>
        <source>The Immaculate Conception of the Blessed Virgin Mary</source>
        <translation>Onbevlekte Ontvangenis van de heilige Maagd Maria</translation>
    </message>
    <message>
        <source>Vigil of the Nativity of the Lord</source>
        <translation>Vigilie van de Geboorte van de Heer</translation>
    </message>
    <message>
        <source>The Nativity of the Lord</source>
        <translation>Geboorte van de Heer</translation>
    </message>
    <message>
        <source>The Holy Family of Jesus, Mary and Joseph</source>
        <translation>Heilige Familie van Jezus, Maria en Jozef</translation>
    </message>
    <message>
        <source>Mary, the Holy Mother of God</source>
        <translation>Heilige Maria, Moeder van God</translation>
    </message>
    <message>
        <source>Second Sunday after the Nativity</source>
        <translation>Tweede zondag na Kerstmis</translation>
    </message>
    <message>
        <source>The Epiphany of the Lord</source>
        <translation>Openbaring des Heren</translation>
    </message>
    <message>
        <source>The Baptism of the Lord</source>
        <translation>Doop van de Heer</translation>
    </message>
    <message>
        <source>Second Sunday in Ordinary Time</source>
        <translation>Tweede zondag door het jaar</translation>
    </message>
    <message>
        <source>Third Sunday in Ordinary Time</source>
        <translation>Derde zondag door het jaar</translation>
    </message>
    <message>
        <source>Fourth Sunday in Ordinary Time</source>
        <translation>Vierde zondag door het jaar</translation>
    </message>
    <message>
        <source>Fifth Sunday in Ordinary Time</source>
        <translation>Vijfde zondag door het jaar</translation>
    </message>
    <message>
        <source>Sixth Sunday in Ordinary Time</source>
        <translation>Zesde zondag door het jaar</translation>
    </message>
    <message>
        <source>Seventh Sunday in Ordinary Time</source>
        <translation>Zevende zondag door het jaar</translation>
    </message>
    <message>
        <source>Eighth Sunday in Ordinary Time</source>
        <translation>Achtste zondag door het jaar</translation>
    </message>
    <message>
        <source>Ninth Sunday in Ordinary Time</source>
        <translation>Negende zondag door het jaar</translation>
    </message>
    <message>
        <source>Tenth Sunday in Ordinary Time</source>
        <translation>Tiende zondag door het jaar</translation>
    </message>
    <message>
        <source>Eleventh Sunday in Ordinary Time</source>
        <translation>Elfde zondag door het jaar</translation>
    </message>
    <message>
        <source>Twelfth Sunday in Ordinary Time</source>
        <translation>Twaalfde zondag door het jaar</translation>
    </message>
    <message>
        <source>Thirteenth Sunday in Ordinary Time</source>
        <translation>Dertiende zondag door het jaar</translation>
    </message>
    <message>
        <source>Fourteenth Sunday in Ordinary Time</source>
        <translation>Veertiende zondag door het jaar</translation>
    </message>
    <message>
        <source>Fifteenth Sunday in Ordinary Time</source>
        <translation>Vijftiende zondag door het jaar</translation>
    </message>
    <message>
        <source>Sixteenth Sunday in Ordinary Time</source>
        <translation>Zestiende zondag door het jaar</translation>
    </message>
    <message>
        <source>Seventeenth Sunday in Ordinary Time</source>
        <translation>Zeventiende zondag door het jaar</translation>
    </message>
    <message>
        <source>Eighteenth Sunday in Ordinary Time</source>
        <translation>Achttiende zondag door het jaar</translation>
    </message>
    <message>
        <source>Nineteenth Sunday in Ordinary Time</source>
        <translation>Negentiende zondag door het jaar</translation>
    </message>
    <message>
        <source>Twentieth Sunday in Ordinary Time</source>
        <translation>Twintigste zondag door het jaar</translation>
    </message>
    <message>
        <source>Twenty-first Sunday in Ordinary Time</source>
        <translation>Eenentwintigste zondag door het jaar</translation>
    </message>
    <message>
        <source>Twenty-second Sunday in Ordinary Time</source>
        <translation>Tweeëntwintigste zondag door het jaar</translation>
    </message>
    <message>
        <source>Twenty-third Sunday in Ordinary Time</source>
        <translation>Drieëntwintigste zondag door het jaar</translation>
    </message>
    <message>
        <source>Twenty-fourth Sunday in Ordinary Time</source>
        <translation>Vierentwintigste zondag door het jaar</translation>
    </message>
    <message>
        <source>Twenty-fifth Sunday in Ordinary Time</source>
        <translation>Vijfentwintigste zondag door het jaar</translation>
    </message>
    <message>
        <source>Twenty-sixth Sunday in Ordinary Time</source>
        <translation>Zesentwintigste zondag door het jaar</translation>
    </message>
    <message>
        <source>Twenty-seventh Sunday in Ordinary Time</source>
        <translation>Zevenentwintigste zondag door het jaar</translation>
    </message>
    <message>
        <source>Twenty-eighth Sunday in Ordinary Time</source>
        <translation>Achtentwintigste zondag door het jaar</translation>
    </message>
    <message>
        <source>Twenty-ninth Sunday in Ordinary Time</source>
        <translation>Negenentwintigste zondag door het jaar</translation>
    </message>
    <message>
        <source>Thirtieth Sunday in Ordinary Time</source>
        <translation>Dertigste zondag door het jaar</translation>
    </message>
    <message>
        <source>Thirty-first Sunday in Ordinary Time</source>
        <translation>Eenendertigste zondag door het jaar</translation>
    </message>
    <message>
        <source>Thirty-second Sunday in Ordinary Time</source>
        <translation>Tweeëndertigste zondag door het jaar</translation>
    </message>
    <message>
        <source>Thirty-third Sunday in Ordinary Time</source>
        <translation>Drieëndertigste zondag door het jaar</translation>
    </message>
    <message>
        <source>The Presentation of the Lord</source>
        <translation>Opdracht van de Heer</translation>
    </message>
    <message>
        <source>First Sunday of Lent</source>
        <translation>Eerste zondag van de Veertigdagentijd</translation>
    </message>
    <message>
        <source>Second Sunday of Lent</source>
        <translation>Tweede zondag van de Veertigdagentijd</translation>
    </message>
    <message>
        <source>Third Sunday of Lent</source>
        <translation>Derde zondag van de Veertigdagentijd</translation>
    </message>
    <message>
        <source>Fourth Sunday of Lent</source>
        <translation>Vierde zondag van de Veertigdagentijd</translation>
    </message>
    <message>
        <source>Fifth Sunday of Lent</source>
        <translation>Vijfde zondag van de Veertigdagentijd</translation>
    </message>
    <message>
        <source>Saint Joseph, Spouse of the Blessed Virgin Mary</source>
        <translation>Heilige Jozef, bruidegom van de heilige Maagd Maria</translation>
    </message>
    <message>
        <source>The Annunciation of the Lord</source>
        <translation>Aankondiging van de Heer</translation>
    </message>
    <message>
        <source>Palm Sunday of the Passion of the Lord</source>
        <translation>Palmzondag van het lijden van de Heer</translation>
    </message>
    <message>
        <source>Thursday of the Lord&apos;s Supper</source>
        <translation>Witte Donderdag, Mis van het Laatste Avondmaal</translation>
    </message>
    <message>
        <source>Friday of the Passion of the Lord</source>
        <translation>Goede Vrijdag, viering van het lijden van de Heer</translation>
    </message>
    <message>
        <source>Easter Sunday of the Resurrection of the Lord</source>
        <translation>Paaszondag, verrijzenis van de Heer</translation>
    </message>
    <message>
        <source>Second Sunday of Easter</source>
        <translation>Tweede zondag van Pasen</translation>
    </message>
    <message>
        <source>Third Sunday of Easter</source>
        <translation>Derde zondag van Pasen</translation>
    </message>
    <message>
        <source>Fourth Sunday of Easter</source>
        <translation>Vierde zondag van Pasen</translation>
    </message>
    <message>
        <source>Fifth Sunday of Easter</source>
        <translation>Vijfde zondag van Pasen</translation>
    </message>
    <message>
        <source>Sixth Sunday of Easter</source>
        <translation>Zesde zondag van Pasen</translation>
    </message>
    <message>
        <source>Seventh Sunday of Easter</source>
        <translation>Zevende zondag van Pasen</translation>
    </message>
    <message>
        <source>The Ascension of the Lord</source>
        <translation>Hemelvaart van de Heer</translation>
    </message>
    <message>
        <source>Pentecost Sunday</source>
        <translation>Pinksterzondag</translation>
    </message>
    <message>
        <source>The Most Holy Trinity</source>
        <translation>Heilige Drie-eenheid</translation>
    </message>
    <message>
        <source>The Most Holy Body and Blood of Christ</source>
        <translation>Allerheiligst Sacrament van het Lichaam en Bloed van Christus</translation>
    </message>
    <message>
        <source>The Most Sacred Heart of Jesus</source>
        <translation>Heilig Hart van Jezus</translation>
    </message>
    <message>
        <source>The Nativity of Saint John the Baptist</source>
        <translation>Geboorte van de heilige Johannes de Doper</translation>
    </message>
    <message>
        <source>Saints Peter and Paul, Apostles</source>
        <translation>Heilige Petrus en Paulus, apostelen</translation>
    </message>
    <message>
        <source>The Transfiguration of the Lord</source>
        <translation>Gedaanteverandering van de Heer</translation>
    </message>
    <message>
        <source>The Assumption of the Blessed Virgin Mary</source>
        <translation>Tenhemelopneming van de heilige Maagd Maria</translation>
    </message>
    <message>
        <source>The Exaltation of the Holy Cross</source>
        <translation>Verheffing van het Heilig Kruis</translation>
    </message>
    <message>
        <source>The Commemoration of All the Faithful Departed</source>
        <translation>Gedachtenis van alle overleden gelovigen</translation>
    </message>
    <message>
        <source>The Dedication of the Lateran Basilica</source>
        <translation>Kerkwijding van de Lateraanse basiliek</translation>
    </message>
    <message>
        <source>Our Lord Jesus Christ, King of the Universe</source>
        <translation>Christus, Koning van het heelal</translation>
    </message>
    <message>
        <source>First Week of Advent</source>
        <translation>eerste week van de Advent</translation>
    </message>
    <message>
        <source>Second Week of Advent</source>
        <translation>tweede week van de Advent</translation>
    </message>
    <message>
        <source>Third Week of Advent</source>
        <translation>derde week van de Advent</translation>
    </message>
    <message>
        <source>Fourth Week of Advent</source>
        <translation>vierde week van de Advent</translation>
    </message>
    <message>
        <source>First Week of Lent</source>
        <translation>eerste week van de Veertigdagentijd</translation>
    </message>
    <message>
        <source>Second Week of Lent</source>
        <translation>tweede week van de Veertigdagentijd</translation>
    </message>
    <message>
        <source>Third Week of Lent</source>
        <translation>derde week van de Veertigdagentijd</translation>
    </message>
    <message>
        <source>Fourth Week of Lent</source>
        <translation>vierde week van de Veertigdagentijd</translation>
    </message>
    <message>
        <source>Fifth Week of Lent</source>
        <translation>vijfde week van de Veertigdagentijd</translation>
    </message>
    <message>
        <source>Second Week of Easter</source>
        <translation>tweede week van Pasen</translation>
    </message>
    <message>
        <source>Third Week of Easter</source>
        <translation>derde week van Pasen</translation>
    </message>
    <message>
        <source>Fourth Week of Easter</source>
        <translation>vierde week van Pasen</translation>
    </message>
    <message>
        <source>Fifth Week of Easter</source>
        <translation>vijfde week van Pasen</translation>
    </message>
    <message>
        <source>Sixth Week of Easter</source>
        <translation>zesde week van Pasen</translation>
    </message>
    <message>
        <source>Seventh Week of Easter</source>
        <translation>zevende week van Pasen</translation>
    </message>
    <message>
        <source>First Week in Ordinary Time</source>
        <translation>eerste week door het jaar</translation>
    </message>
    <message>
        <source>Second Week in Ordinary Time</source>
        <translation>tweede week door het jaar</translation>
    </message>
    <message>
        <source>Third Week in Ordinary Time</source>
        <translation>derde week door het jaar</translation>
    </message>
    <message>
        <source>Fourth Week in Ordinary Time</source>
        <translation>vierde week door het jaar</translation>
    </message>
    <message>
        <source>Fifth Week in Ordinary Time</source>
        <translation>vijfde week door het jaar</translation>
    </message>
    <message>
        <source>Sixth Week in Ordinary Time</source>
        <translation>zesde week door het jaar</translation>
    </message>
    <message>
        <source>Seventh Week in Ordinary Time</source>
        <translation>zevende week door het jaar</translation>
    </message>
    <message>
        <source>Eighth Week in Ordinary Time</source>
        <translation>achtste week door het jaar</translation>
    </message>
    <message>
        <source>Ninth Week in Ordinary Time</source>
        <translation>negende week door het jaar</translation>
    </message>
    <message>
        <source>Tenth Week in Ordinary Time</source>
        <translation>tiende week door het jaar</translation>
    </message>
    <message>
        <source>Eleventh Week in Ordinary Time</source>
        <translation>elfde week door het jaar</translation>
    </message>
    <message>
        <source>Twelfth Week in Ordinary Time</source>
        <translation>twaalfde week door het jaar</translation>
    </message>
    <message>
        <source>Thirteenth Week in Ordinary Time</source>
        <translation>dertiende week door het jaar</translation>
    </message>
    <message>
        <source>Fourteenth Week in Ordinary Time</source>
        <translation>veertiende week door het jaar</translation>
    </message>
    <message>
        <source>Fifteenth Week in Ordinary Time</source>
        <translation>vijftiende week door het jaar</translation>
    </message>
    <message>
        <source>Sixteenth Week in Ordinary Time</source>
        <translation>zestiende week door het jaar</translation>
    </message>
    <message>
        <source>Seventeenth Week in Ordinary Time</source>
        <translation>zeventiende week door het jaar</translation>
    </message>
    <message>
        <source>Eighteenth Week in Ordinary Time</source>
        <translation>achttiende week door het jaar</translation>
    </message>
    <message>
        <source>Nineteenth Week in Ordinary Time</source>
        <translation>negentiende week door het jaar</translation>
    </message>
    <message>
        <source>Twentieth Week in Ordinary Time</source>
        <translation>twintigste week door het jaar</translation>
    </message>
    <message>
        <source>Twenty-first Week in Ordinary Time</source>
        <translation>eenentwintigste week door het jaar</translation>
    </message>
    <message>
        <source>Twenty-second Week in Ordinary Time</source>
        <translation>tweeëntwintigste week door het jaar</translation>
    </message>
    <message>
        <source>Twenty-third Week in Ordinary Time</source>
        <translation>drieëntwintigste week door het jaar</translation>
    </message>
    <message>
        <source>Twenty-fourth Week in Ordinary Time</source>
        <translation>vierentwintigste week door het jaar</translation>
    </message>
    <message>
        <source>Twenty-fifth Week in Ordinary Time</source>
        <translation>vijfentwintigste week door het jaar</translation>
    </message>
    <message>
        <source>Twenty-sixth Week in Ordinary Time</source>
        <translation>zesentwintigste week door het jaar</translation>
    </message>
    <message>
        <source>Twenty-seventh Week in Ordinary Time</source>
        <translation>zevenentwintigste week door het jaar</translation>
    </message>
    <message>
        <source>Twenty-eighth Week in Ordinary Time</source>
        <translation>achtentwintigste week door het jaar</translation>
    </message>
    <message>
        <source>Twenty-ninth Week in Ordinary Time</source>
        <translation>negenentwintigste week door het jaar</translation>
    </message>
    <message>
        <source>Thirtieth Week in Ordinary Time</source>
        <translation>dertigste week door het jaar</translation>
    </message>
    <message>
        <source>Thirty-first Week in Ordinary Time</source>
        <translation>eenendertigste week door het jaar</translation>
    </message>
    <message>
        <source>Thirty-second Week in Ordinary Time</source>
        <translation>tweeëndertigste week door het jaar</translation>
    </message>
    <message>
        <source>Thirty-third Week in Ordinary Time</source>
        <translation>drieëndertigste week door het jaar</translation>
    </message>
    <message>
        <source>Thirty-fourth Week in Ordinary Time</source>
        <translation>vierendertigste week door het jaar</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Maandag</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Dinsdag</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Woensdag</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Donderdag</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Vrijdag</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Zaterdag</translation>
    </message>
    <message>
        <source>%1 after %2</source>
        <extracomment>A weekday named after the Sunday or feast its week began with: &quot;Tuesday after Lent 2&quot;. %1 is the weekday, %2 the day&apos;s name.</extracomment>
        <translation>%1 na %2</translation>
    </message>
    <message>
        <source>%1 of the %2</source>
        <extracomment>A weekday of the Roman Rite named by its week: &quot;Tuesday of the Second Week of Lent&quot;. %1 is the weekday, %2 the week (&quot;Second Week of Lent&quot;).</extracomment>
        <translation>%1 in de %2</translation>
    </message>
    <message>
        <source>%1 of Holy Week</source>
        <extracomment>Monday, Tuesday or Wednesday of Holy Week; %1 is the weekday.</extracomment>
        <translation>%1 in de Goede Week</translation>
    </message>
    <message>
        <source>%1 after Ash Wednesday</source>
        <translation>%1 na Aswoensdag</translation>
    </message>
    <message>
        <source>%1 within the Octave of Easter</source>
        <translation>%1 onder het octaaf van Pasen</translation>
    </message>
    <message>
        <source>%1 within the Octave of the Nativity of the Lord</source>
        <translation>%1 onder het octaaf van de Geboorte van de Heer</translation>
    </message>
    <message>
        <source>%1 before the Epiphany</source>
        <translation>%1 vóór Openbaring des Heren</translation>
    </message>
    <message>
        <source>%1 after the Epiphany</source>
        <translation>%1 na Openbaring des Heren</translation>
    </message>
    <message>
        <source>%1 is longer than a lectionary is read (%2 lines, 1 MB), so nothing was imported into it.</source>
        <translation>%1 is langer dan een leesrooster wordt gelezen (%2 regels, 1 MB), dus er is niets in geïmporteerd.</translation>
    </message>
    <message>
        <source>%1 ends in half a character, so nothing was imported into it.</source>
        <translation>%1 eindigt op een half teken, dus er is niets in geïmporteerd.</translation>
    </message>
    <message>
        <source>%1 is written in %2, which has no “%3” (in “%4”), so nothing was imported into it. Saved as UTF-8 in a text editor, it takes every character.</source>
        <translation>%1 is geschreven in %2, dat geen “%3” kent (in “%4”), dus er is niets in geïmporteerd. Opgeslagen als UTF-8 in een teksteditor kan het elk teken bevatten.</translation>
    </message>
    <message>
        <source>%1 would be longer than a lectionary is read (%2 lines, 1 MB) with these lines, so nothing was imported into it.</source>
        <translation>%1 zou met deze regels langer worden dan een leesrooster wordt gelezen (%2 regels, 1 MB), dus er is niets in geïmporteerd.</translation>
    </message>
    <message>
        <source>no colon after the day&apos;s name</source>
        <extracomment>Why a line of Lectionary.txt is not read.</extracomment>
        <translation>geen dubbele punt na de naam van de dag</translation>
    </message>
    <message>
        <source>the year letter “%1” is not A, B or C</source>
        <extracomment>Why a line of Lectionary.txt is not read: %1 is the letter after the day&apos;s name.</extracomment>
        <translation>de jaarletter “%1” is geen A, B of C</translation>
    </message>
    <message>
        <source>“%1” is not a day of the church year</source>
        <extracomment>Why a line of Lectionary.txt is not read: %1 is the day&apos;s name as the line writes it.</extracomment>
        <translation>“%1” is geen dag van het kerkelijk jaar</translation>
    </message>
    <message>
        <source>no readings after the colon</source>
        <extracomment>Why a line of Lectionary.txt is not read.</extracomment>
        <translation>geen lezingen na de dubbele punt</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <extracomment>A line of Lectionary.txt not read: %1 is its number, %2 why.</extracomment>
        <translation>regel %1: %2</translation>
    </message>
    <message>
        <source>the rest of the file was not read: a lectionary is read up to %1 lines</source>
        <extracomment>Where reading Lectionary.txt stopped: %1 is the most lines read.</extracomment>
        <translation>de rest van het bestand is niet gelezen: een leesrooster wordt tot %1 regels gelezen</translation>
    </message>
    <message>
        <source>the rest of the file was not read: a lectionary is read up to %1 MB</source>
        <extracomment>Where reading Lectionary.txt stopped: %1 is the most megabytes read.</extracomment>
        <translation>de rest van het bestand is niet gelezen: een leesrooster wordt tot %1 MB gelezen</translation>
    </message>
    <message>
        <source>%1 is not open for reading</source>
        <translation>%1 is niet geopend om te lezen</translation>
    </message>
    <message>
        <source>%1 is a folder</source>
        <extracomment>%1 is the lectionary&apos;s file name.</extracomment>
        <translation>%1 is een map</translation>
    </message>
    <message>
        <source>%1 is not a regular file</source>
        <translation>%1 is geen gewoon bestand</translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2</source>
        <extracomment>%1 is the lectionary&apos;s file name, %2 the system&apos;s reason.</extracomment>
        <translation>%1 kan niet worden geopend: %2</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <extracomment>%1 is the lectionary&apos;s file name, %2 the system&apos;s reason.</extracomment>
        <translation>%1 kan niet worden gelezen: %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>Suggest Hymns&apos; note on Lectionary.txt: %1 is the file&apos;s name, %2 its first line not read.</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1, %2 (and %3 more)</source>
        <extracomment>Suggest Hymns&apos; note on Lectionary.txt: %1 is the file&apos;s name, %2 its first line not read, %3 how many more.</extracomment>
        <translation>%1, %2 (en nog %3)</translation>
    </message>
</context>
<context>
    <name>ChurchYearMenu</name>
    <message>
        <source>Church &amp;Year</source>
        <translation>&amp;Kerkelijk jaar</translation>
    </message>
    <message>
        <source>&amp;Propers (“Proper 17”)</source>
        <translation>&amp;Propria (“Proprium 17”)</translation>
    </message>
    <message>
        <source>Sundays after P&amp;entecost (“Pentecost 14”)</source>
        <translation>Zondagen na P&amp;inksteren (“14e zondag na Pinksteren”)</translation>
    </message>
    <message>
        <source>&amp;Ordinary Time (“Ordinary Time 22”)</source>
        <translation>Zondagen &amp;door het jaar (“22e zondag door het jaar”)</translation>
    </message>
    <message>
        <source>Sundays after &amp;Trinity (“Trinity 13”)</source>
        <translation>Zondagen na &amp;Trinitatis (“13e zondag na Trinitatis”)</translation>
    </message>
    <message>
        <source>&amp;Roman Rite (“Twenty-second Sunday in Ordinary Time”)</source>
        <translation>&amp;Romeinse ritus (“Tweeëntwintigste zondag door het jaar”)</translation>
    </message>
    <message>
        <source>Epiphany on the &amp;Sunday January 2–8</source>
        <translation>Openbaring des Heren op de &amp;zondag van 2 tot 8 januari</translation>
    </message>
    <message>
        <source>Roman Rite: the Epiphany on the Sunday from January 2 to 8 instead of January 6; the Baptism of the Lord then falls on the Monday after a January 7 or 8</source>
        <translation>Romeinse ritus: Openbaring des Heren op de zondag van 2 tot 8 januari in plaats van op 6 januari; de Doop van de Heer valt dan op de maandag erna als die zondag op 7 of 8 januari valt</translation>
    </message>
    <message>
        <source>&amp;Ascension on the Following Sunday</source>
        <translation>Hemelvaart op de &amp;volgende zondag</translation>
    </message>
    <message>
        <source>Roman Rite: the Ascension on the Seventh Sunday of Easter instead of the Thursday before</source>
        <translation>Romeinse ritus: Hemelvaart van de Heer op de zevende zondag van Pasen in plaats van op de donderdag ervoor</translation>
    </message>
    <message>
        <source>&amp;Body and Blood of Christ on the Following Sunday</source>
        <translation>Lichaam en &amp;Bloed van Christus op de volgende zondag</translation>
    </message>
    <message>
        <source>Roman Rite: the Most Holy Body and Blood of Christ on the Sunday after Trinity instead of the Thursday</source>
        <translation>Romeinse ritus: het Allerheiligst Sacrament van het Lichaam en Bloed van Christus op de zondag na Heilige Drie-eenheid in plaats van op de donderdag</translation>
    </message>
    <message>
        <source>Offer Day &amp;Names Always</source>
        <translation>Dag&amp;namen altijd aanbieden</translation>
    </message>
    <message>
        <source>Offer the day&apos;s name as the occasion of a new service even in a log whose latest service has none</source>
        <translation>De naam van de dag altijd aanbieden als gelegenheid van een nieuwe dienst, ook in een logboek waarvan de laatste dienst er geen heeft</translation>
    </message>
</context>
<context>
    <name>FileChangedBar</name>
    <message>
        <source>&amp;Put Back Backup…</source>
        <translation>Back-up &amp;terugzetten…</translation>
    </message>
    <message>
        <source>&amp;Keep Log</source>
        <translation>Logboek &amp;behouden</translation>
    </message>
    <message>
        <source>Put the backup back in place of the log</source>
        <translation>De back-up terugzetten in plaats van het logboek</translation>
    </message>
    <message>
        <source>Keep the log as it is</source>
        <translation>Het logboek houden zoals het is</translation>
    </message>
    <message>
        <source>The last write of %1 was cut short: the log may hold part of a service.</source>
        <translation>Het laatste schrijven naar %1 is afgebroken: het logboek kan een deel van een dienst bevatten.</translation>
    </message>
    <message>
        <source>The last write of %1 was cut short: the log may hold part of a service. %2 holds it as it was.</source>
        <translation>Het laatste schrijven naar %1 is afgebroken: het logboek kan een deel van een dienst bevatten. %2 bevat het zoals het was.</translation>
    </message>
    <message>
        <source>&amp;Reload</source>
        <translation>Opnieuw &amp;laden</translation>
    </message>
    <message>
        <source>&amp;Dismiss</source>
        <translation>&amp;Sluiten</translation>
    </message>
    <message>
        <source>Reload the file</source>
        <translation>Het bestand opnieuw laden</translation>
    </message>
    <message>
        <source>Dismiss the notice</source>
        <translation>De melding sluiten</translation>
    </message>
    <message>
        <source>%1 changed on disk</source>
        <extracomment>%1 is the loaded file&apos;s name</extracomment>
        <translation>%1 is op schijf gewijzigd</translation>
    </message>
    <message>
        <source>%1 was moved or deleted on disk</source>
        <extracomment>%1 is the loaded file&apos;s name</extracomment>
        <translation>%1 is op schijf verplaatst of verwijderd</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>title only</source>
        <comment>caption</comment>
        <extracomment>the design&apos;s caption: at most 53 px wide in Arial 8.25 bold, on one line; list the hymns&apos; titles only</extracomment>
        <translation>enkel titel</translation>
    </message>
    <message>
        <source>title only</source>
        <comment>full text</comment>
        <extracomment>tooltip and screen reader name of the caption</extracomment>
        <translation>alleen titels</translation>
    </message>
    <message>
        <source>of music?</source>
        <comment>caption</comment>
        <extracomment>the design&apos;s caption: at most 55 px wide in Arial 8.25 bold, on one line; beside the year box: the year is the music&apos;s (from its credit), not the text&apos;s</extracomment>
        <translation>melodie?</translation>
    </message>
    <message>
        <source>of music?</source>
        <comment>full text</comment>
        <extracomment>tooltip and screen reader name of the caption</extracomment>
        <translation>van de melodie?</translation>
    </message>
    <message>
        <source>book list</source>
        <comment>caption</comment>
        <extracomment>the design&apos;s caption: at most 39 px wide in Arial 8.25 bold, on two lines; the button that opens the list of scripture books</extracomment>
        <translation>boeken</translation>
    </message>
    <message>
        <source>book list</source>
        <comment>full text</comment>
        <extracomment>tooltip and screen reader name of the caption</extracomment>
        <translation>boekenlijst</translation>
    </message>
    <message>
        <source>incl. refs</source>
        <comment>caption</comment>
        <extracomment>the design&apos;s caption: at most 26 px wide in Arial 8.25 bold, on two lines; &quot;including references&quot;: list the lines of scripture references too</extracomment>
        <translation>incl. ref.</translation>
    </message>
    <message>
        <source>incl. refs</source>
        <comment>full text</comment>
        <extracomment>tooltip and screen reader name of the caption</extracomment>
        <translation>inclusief verwijzingen</translation>
    </message>
    <message>
        <source>Tally</source>
        <comment>caption</comment>
        <extracomment>the design&apos;s caption: at most 47 px wide in Arial 9.75 bold, on one line; the button that counts the uses of each hymn</extracomment>
        <translation>Tellen</translation>
    </message>
    <message>
        <source>Tally</source>
        <comment>full text</comment>
        <extracomment>tooltip and screen reader name of the caption</extracomment>
        <translation>Tellen</translation>
    </message>
    <message>
        <source> full # only</source>
        <comment>caption</comment>
        <extracomment>the design&apos;s caption: at most 61 px wide in Arial 8.25 bold, on one line; the leading blank included; &quot;#&quot; is the hymn number: find that whole number only, not the numbers that begin with it</extracomment>
        <translation> exact nr.</translation>
    </message>
    <message>
        <source> full # only</source>
        <comment>full text</comment>
        <extracomment>tooltip and screen reader name of the caption</extracomment>
        <translation> alleen het exacte nummer</translation>
    </message>
    <message>
        <source>Find</source>
        <comment>caption</comment>
        <extracomment>the design&apos;s caption: at most 47 px wide in Arial 9.75 bold, on one line; the search button</extracomment>
        <translation>Zoeken</translation>
    </message>
    <message>
        <source>Find</source>
        <comment>full text</comment>
        <extracomment>tooltip and screen reader name of the caption</extracomment>
        <translation>Zoeken</translation>
    </message>
    <message>
        <source>Clear</source>
        <comment>caption</comment>
        <extracomment>the design&apos;s caption: at most 55 px wide in Arial 9.75 bold, on one line; the button that empties the criteria boxes</extracomment>
        <translation>Wissen</translation>
    </message>
    <message>
        <source>Clear</source>
        <comment>full text</comment>
        <extracomment>tooltip and screen reader name of the caption</extracomment>
        <translation>Wissen</translation>
    </message>
    <message>
        <source>Get File</source>
        <comment>caption</comment>
        <extracomment>the design&apos;s caption: at most 71 px wide in Arial 9.75 bold, on one line; the button that loads the file chosen</extracomment>
        <translation>Laden</translation>
    </message>
    <message>
        <source>Get File</source>
        <comment>full text</comment>
        <extracomment>tooltip and screen reader name of the caption</extracomment>
        <translation>Bestand laden</translation>
    </message>
    <message>
        <source>copy w/ title</source>
        <comment>caption</comment>
        <extracomment>the design&apos;s caption: at most 40 px wide in Arial 8.25 bold, on two lines; &quot;copy with the title&quot; (of a hymnal text&apos;s hymn)</extracomment>
        <translation>kop. m. titel</translation>
    </message>
    <message>
        <source>copy w/ title</source>
        <comment>full text</comment>
        <extracomment>tooltip and screen reader name of the caption</extracomment>
        <translation>kopiëren met titel</translation>
    </message>
    <message>
        <source>Year</source>
        <comment>caption</comment>
        <extracomment>the design&apos;s caption: at most 25 px wide in Arial 8.25 bold, on one line</extracomment>
        <translation>Jaar</translation>
    </message>
    <message>
        <source>Year</source>
        <comment>full text</comment>
        <extracomment>tooltip and screen reader name of the caption</extracomment>
        <translation>Jaar</translation>
    </message>
    <message>
        <source>exclude title:</source>
        <comment>caption</comment>
        <extracomment>the design&apos;s caption: at most 89 px wide in Arial 8.25 bold italic, on one line</extracomment>
        <translation>titel uitsluiten:</translation>
    </message>
    <message>
        <source>exclude title:</source>
        <comment>full text</comment>
        <extracomment>tooltip and screen reader name of the caption</extracomment>
        <translation>titel uitsluiten:</translation>
    </message>
    <message>
        <source># of hymns:</source>
        <comment>caption</comment>
        <extracomment>the design&apos;s caption: at most 65 px wide in Arial 8.25 bold, on one line; &quot;#&quot; is &quot;number&quot;</extracomment>
        <translation># liederen:</translation>
    </message>
    <message>
        <source># of hymns:</source>
        <comment>full text</comment>
        <extracomment>tooltip and screen reader name of the caption</extracomment>
        <translation>aantal liederen:</translation>
    </message>
    <message>
        <source>exclude hymn:</source>
        <comment>caption</comment>
        <extracomment>the design&apos;s caption: at most 81 px wide in Arial 8.25 bold italic, on one line</extracomment>
        <translation>lied uitsluiten:</translation>
    </message>
    <message>
        <source>exclude hymn:</source>
        <comment>full text</comment>
        <extracomment>tooltip and screen reader name of the caption</extracomment>
        <translation>lied uitsluiten:</translation>
    </message>
    <message>
        <source>Sort tally by:</source>
        <comment>caption</comment>
        <extracomment>the design&apos;s caption: at most 81 px wide in Arial 8.25 bold, on one line</extracomment>
        <translation>Sorteren op:</translation>
    </message>
    <message>
        <source>Sort tally by:</source>
        <comment>full text</comment>
        <extracomment>tooltip and screen reader name of the caption</extracomment>
        <translation>Telling sorteren op:</translation>
    </message>
    <message>
        <source>Limit date to:</source>
        <comment>caption</comment>
        <extracomment>the design&apos;s caption: at most 49 px wide in Arial 9.75 bold, on two lines</extracomment>
        <translation>Alleen datum:</translation>
    </message>
    <message>
        <source>Limit date to:</source>
        <comment>full text</comment>
        <extracomment>tooltip and screen reader name of the caption</extracomment>
        <translation>Datum beperken tot:</translation>
    </message>
    <message>
        <source>#</source>
        <comment>caption</comment>
        <extracomment>the design&apos;s caption: at most 7 px wide in Arial 9.75 bold, on one line; &quot;number&quot;, beside the count of hymns</extracomment>
        <translation>#</translation>
    </message>
    <message>
        <source>#</source>
        <comment>full text</comment>
        <extracomment>tooltip and screen reader name of the caption</extracomment>
        <translation>aantal</translation>
    </message>
    <message>
        <source>Title phrase:</source>
        <comment>caption</comment>
        <extracomment>the design&apos;s caption: at most 57 px wide in Arial 9.75 bold, on two lines</extracomment>
        <translation>Tekst in titel:</translation>
    </message>
    <message>
        <source>Title phrase:</source>
        <comment>full text</comment>
        <extracomment>tooltip and screen reader name of the caption</extracomment>
        <translation>Tekst in titel:</translation>
    </message>
    <message>
        <source>Hymn #</source>
        <comment>caption</comment>
        <extracomment>the design&apos;s caption: at most 49 px wide in Arial 9.75 bold, on one line; &quot;hymn number&quot;</extracomment>
        <translation>Liednr.</translation>
    </message>
    <message>
        <source>Hymn #</source>
        <comment>full text</comment>
        <extracomment>tooltip and screen reader name of the caption</extracomment>
        <translation>Liednummer</translation>
    </message>
    <message>
        <source>Files:</source>
        <comment>caption</comment>
        <extracomment>the design&apos;s caption: at most 49 px wide in Arial 9 bold, on one line</extracomment>
        <translation>Bestand</translation>
    </message>
    <message>
        <source>Files:</source>
        <comment>full text</comment>
        <extracomment>tooltip and screen reader name of the caption</extracomment>
        <translation>Bestanden:</translation>
    </message>
    <message>
        <source>Limit title to:</source>
        <comment>caption</comment>
        <extracomment>the design&apos;s caption: at most 49 px wide in Arial 9.75 bold, on two lines; for a hymnal text</extracomment>
        <translation>Alleen titel:</translation>
    </message>
    <message>
        <source>Limit title to:</source>
        <comment>full text</comment>
        <extracomment>tooltip and screen reader name of the caption</extracomment>
        <translation>Titel beperken tot:</translation>
    </message>
    <message>
        <source>Verse phrase:</source>
        <comment>caption</comment>
        <extracomment>the design&apos;s caption: at most 57 px wide in Arial 9.75 bold, on two lines; for a hymnal text</extracomment>
        <translation>Tekst in couplet:</translation>
    </message>
    <message>
        <source>Verse phrase:</source>
        <comment>full text</comment>
        <extracomment>tooltip and screen reader name of the caption</extracomment>
        <translation>Tekst in couplet:</translation>
    </message>
    <message>
        <source>exclude phrase:</source>
        <comment>caption</comment>
        <extracomment>the design&apos;s caption: at most 89 px wide in Arial 8.25 bold italic, on one line; for a hymnal text</extracomment>
        <translation>tekst uitsluiten:</translation>
    </message>
    <message>
        <source>exclude phrase:</source>
        <comment>full text</comment>
        <extracomment>tooltip and screen reader name of the caption</extracomment>
        <translation>tekst uitsluiten:</translation>
    </message>
    <message>
        <source>  # of dates:</source>
        <comment>caption</comment>
        <extracomment>the design&apos;s caption: at most 65 px wide in Arial 8.25 bold, on one line; the leading blanks included (they move it right); for a service log; &quot;#&quot; is &quot;number&quot;</extracomment>
        <translation>  # datums:</translation>
    </message>
    <message>
        <source>  # of dates:</source>
        <comment>full text</comment>
        <extracomment>tooltip and screen reader name of the caption</extracomment>
        <translation>  aantal datums:</translation>
    </message>
    <message>
        <source>           sum:</source>
        <comment>caption</comment>
        <extracomment>the design&apos;s caption: at most 65 px wide in Arial 8.25 bold, on one line; the leading blanks included (they move it right); the sum of a tally&apos;s counts</extracomment>
        <translation>           som:</translation>
    </message>
    <message>
        <source>           sum:</source>
        <comment>full text</comment>
        <extracomment>tooltip and screen reader name of the caption</extracomment>
        <translation>           totaal:</translation>
    </message>
    <message>
        <source>copy w/ date</source>
        <comment>caption</comment>
        <extracomment>the design&apos;s caption: at most 40 px wide in Arial 8.25 bold, on two lines; &quot;copy with the date&quot; (of a service)</extracomment>
        <translation>kop. m. datum</translation>
    </message>
    <message>
        <source>copy w/ date</source>
        <comment>full text</comment>
        <extracomment>tooltip and screen reader name of the caption</extracomment>
        <translation>kopiëren met datum</translation>
    </message>
    <message>
        <source>Clear*</source>
        <comment>caption</comment>
        <extracomment>the design&apos;s caption: at most 55 px wide in Arial 9.75 bold, on one line; the Clear button while criteria are set, which the star marks</extracomment>
        <translation>Wissen*</translation>
    </message>
    <message>
        <source>Clear*</source>
        <comment>full text</comment>
        <extracomment>tooltip and screen reader name of the caption</extracomment>
        <translation>Wissen*</translation>
    </message>
    <message>
        <source>freq</source>
        <comment>caption</comment>
        <extracomment>the design&apos;s caption: at most 48 px wide in MS Sans Serif 8.25, on one line; a row of the tally&apos;s sort box: by how often a hymn was used</extracomment>
        <translation>freq.</translation>
    </message>
    <message>
        <source>freq</source>
        <comment>full text</comment>
        <extracomment>tooltip and screen reader name of the caption</extracomment>
        <translation>frequentie</translation>
    </message>
    <message>
        <source>title</source>
        <comment>caption</comment>
        <extracomment>the design&apos;s caption: at most 48 px wide in MS Sans Serif 8.25, on one line; a row of the tally&apos;s sort box: by the hymn&apos;s title</extracomment>
        <translation>titel</translation>
    </message>
    <message>
        <source>title</source>
        <comment>full text</comment>
        <extracomment>tooltip and screen reader name of the caption</extracomment>
        <translation>titel</translation>
    </message>
    <message>
        <source>hymn #</source>
        <comment>caption</comment>
        <extracomment>the design&apos;s caption: at most 48 px wide in MS Sans Serif 8.25, on one line; a row of the tally&apos;s sort box: by the hymn number</extracomment>
        <translation>liednr.</translation>
    </message>
    <message>
        <source>hymn #</source>
        <comment>full text</comment>
        <extracomment>tooltip and screen reader name of the caption</extracomment>
        <translation>liednummer</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; cannot be opened: %2.</source>
        <extracomment>%1 is the folder&apos;s path, %2 the system&apos;s reason</extracomment>
        <translation>De map &quot;%1&quot; kan niet worden geopend: %2.</translation>
    </message>
    <message>
        <source>Change Folder</source>
        <translation>Map wijzigen</translation>
    </message>
    <message>
        <source>Folders</source>
        <extracomment>screen reader name of the folder list</extracomment>
        <translation>Mappen</translation>
    </message>
    <message>
        <source>Scripture books</source>
        <extracomment>screen reader name of the list of scripture books</extracomment>
        <translation>Bijbelboeken</translation>
    </message>
    <message>
        <source>full number only</source>
        <extracomment>screen reader name of the check box &quot; full # only&quot;: the hymn number matches whole</extracomment>
        <translation>alleen het exacte nummer</translation>
    </message>
    <message>
        <source>Counts</source>
        <extracomment>screen reader name of the left list in a tally: how often each hymn was used</extracomment>
        <translation>Aantallen</translation>
    </message>
    <message>
        <source>Hymns</source>
        <extracomment>screen reader name of the right list in a tally: the hymns counted</extracomment>
        <translation>Liederen</translation>
    </message>
    <message>
        <source>Titles</source>
        <extracomment>screen reader name of the left list: a hymnal text&apos;s titles (or, next, a service log&apos;s dates)</extracomment>
        <translation>Titels</translation>
    </message>
    <message>
        <source>Dates</source>
        <translation>Datums</translation>
    </message>
    <message>
        <source>Verse lines</source>
        <translation>Versregels</translation>
    </message>
    <message>
        <source>Hymn lines</source>
        <translation>Liedregels</translation>
    </message>
    <message>
        <source>Hymns loaded</source>
        <extracomment>screen reader name of a count, heard before its value (&quot;Hymns loaded: 120&quot;); so are the names next to it</extracomment>
        <translation>Liederen geladen</translation>
    </message>
    <message>
        <source>Services loaded</source>
        <translation>Diensten geladen</translation>
    </message>
    <message>
        <source>Hymns listed</source>
        <translation>Liederen getoond</translation>
    </message>
    <message>
        <source>Dates listed</source>
        <translation>Datums getoond</translation>
    </message>
    <message>
        <source>Hymns tallied</source>
        <translation>Liederen geteld</translation>
    </message>
    <message>
        <source>Uses counted</source>
        <translation>Keren gebruikt</translation>
    </message>
    <message>
        <source>Lines listed</source>
        <translation>Regels getoond</translation>
    </message>
    <message>
        <source>Hymn lines listed</source>
        <translation>Liedregels getoond</translation>
    </message>
    <message>
        <source>Row clicked</source>
        <translation>Aangeklikte rij</translation>
    </message>
    <message>
        <source>File date</source>
        <translation>Bestandsdatum</translation>
    </message>
    <message>
        <source>File loaded</source>
        <translation>Geladen bestand</translation>
    </message>
    <message>
        <source>Volume</source>
        <extracomment>screen reader name of the list of drives (volumes)</extracomment>
        <translation>Station</translation>
    </message>
    <message>
        <source>Change Drive</source>
        <translation>Station wijzigen</translation>
    </message>
    <message>
        <source>Error encountered while changing drive</source>
        <translation>Fout bij het wijzigen van station</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; is no longer there, so &quot;%2&quot; could not be read.</source>
        <extracomment>%1 is the folder&apos;s path, %2 the file&apos;s name</extracomment>
        <translation>De map &quot;%1&quot; bestaat niet meer, dus &quot;%2&quot; kon niet worden gelezen.</translation>
    </message>
    <message>
        <source>File Error</source>
        <translation>Bestandsfout</translation>
    </message>
    <message>
        <source>Limit reached</source>
        <translation>Limiet bereikt</translation>
    </message>
    <message>
        <source>Show output</source>
        <translation>Uitvoer tonen</translation>
    </message>
    <message>
        <source>Show entire file (may be slow)?</source>
        <translation>Het hele bestand tonen (kan traag zijn)?</translation>
    </message>
    <message>
        <source>Clear, criteria set</source>
        <translation>Wissen, criteria ingesteld</translation>
    </message>
</context>
<context>
    <name>HymnBoard</name>
    <message>
        <source>Hymn board</source>
        <translation>Liedbord</translation>
    </message>
</context>
<context>
    <name>HymnBoardDialog</name>
    <message>
        <source>Print Hymn Board</source>
        <translation>Liedbord afdrukken</translation>
    </message>
    <message>
        <source>On the board, one a line: %1</source>
        <translation>Op het bord, één per regel: %1</translation>
    </message>
    <message>
        <source>&amp;Date and occasion above them: %1</source>
        <translation>&amp;Datum en gelegenheid erboven: %1</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>&amp;Afdrukken…</translation>
    </message>
    <message>
        <source>&amp;Save PDF…</source>
        <translation>PDF &amp;opslaan…</translation>
    </message>
    <message>
        <source>The hymn board could not be printed.</source>
        <translation>Het liedbord kon niet worden afgedrukt.</translation>
    </message>
    <message>
        <source>The hymn board was sent to %1</source>
        <translation>Het liedbord is naar %1 gestuurd</translation>
    </message>
    <message>
        <source>Save Hymn Board as PDF</source>
        <translation>Liedbord opslaan als PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF-bestanden (*.pdf)</translation>
    </message>
    <message>
        <source>the PDF could not be made</source>
        <translation>de PDF kon niet worden gemaakt</translation>
    </message>
    <message>
        <source>The hymn board could not be saved as &quot;%1&quot;: %2. Nothing was changed there.</source>
        <translation>Het liedbord kon niet worden opgeslagen als &quot;%1&quot;: %2. Daar is niets gewijzigd.</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>%1 opgeslagen</translation>
    </message>
</context>
<context>
    <name>HymnRow</name>
    <message>
        <source>Drag to move this line; Alt+Up and Alt+Down move it with the keyboard</source>
        <translation>Sleep om deze regel te verplaatsen; met Alt+Pijl-omhoog en Alt+Pijl-omlaag verplaatst u hem met het toetsenbord</translation>
    </message>
    <message>
        <source>Title, or a line without a number</source>
        <translation>Titel, of een regel zonder nummer</translation>
    </message>
    <message>
        <source>Last sung %1</source>
        <translation>Laatst gezongen %1</translation>
    </message>
    <message>
        <source>Hymn number, line %1</source>
        <translation>Liednummer, regel %1</translation>
    </message>
    <message>
        <source>Title, line %1</source>
        <translation>Titel, regel %1</translation>
    </message>
    <message>
        <source>Use of line %1</source>
        <translation>Gebruik van regel %1</translation>
    </message>
    <message>
        <source>Not in the log</source>
        <translation>Niet in het logboek</translation>
    </message>
    <message>
        <source>Not sung before this date</source>
        <translation>Niet gezongen vóór deze datum</translation>
    </message>
    <message numerus="yes">
        <source>within %n week(s)</source>
        <translation>
            <numerusform>binnen %n week</numerusform>
            <numerusform>binnen %n weken</numerusform>
        </translation>
    </message>
    <message>
        <source>none in 12 months</source>
        <translation>niet in 12 maanden</translation>
    </message>
    <message>
        <source>once in 12 months</source>
        <translation>eenmaal in 12 maanden</translation>
    </message>
    <message>
        <source>%1 times in 12 months</source>
        <translation>%1 keer in 12 maanden</translation>
    </message>
</context>
<context>
    <name>HymnRows</name>
    <message>
        <source>Hymns</source>
        <translation>Liederen</translation>
    </message>
</context>
<context>
    <name>ImportLectionaryDialog</name>
    <message>
        <source>&amp;Open File…</source>
        <translation>Bestand &amp;openen…</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Plakken</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importeren</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Import Lectionary</source>
        <translation>Leesrooster importeren</translation>
    </message>
    <message>
        <source>Tables (*.csv *.tsv *.tab *.txt);;All files (*)</source>
        <translation>Tabellen (*.csv *.tsv *.tab *.txt);;Alle bestanden (*)</translation>
    </message>
    <message>
        <source>A CSV or tab-separated file, as a spreadsheet saves it</source>
        <translation>Een CSV-bestand of een bestand met tabs als scheidingsteken, zoals een spreadsheet het opslaat</translation>
    </message>
    <message>
        <source>A table copied in a spreadsheet or on a web page</source>
        <translation>Een tabel gekopieerd in een spreadsheet of op een webpagina</translation>
    </message>
    <message>
        <source>Column of the day&apos;s name</source>
        <translation>Kolom met de naam van de dag</translation>
    </message>
    <message>
        <source>Column of the year</source>
        <translation>Kolom met het jaar</translation>
    </message>
    <message>
        <source>Columns of the readings</source>
        <translation>Kolommen met de lezingen</translation>
    </message>
    <message>
        <source>Every column ticked is a reading; they are joined by &quot;; &quot; in their order</source>
        <translation>Elke aangevinkte kolom is een lezing; ze worden in hun volgorde samengevoegd met &quot;; &quot;</translation>
    </message>
    <message>
        <source>Preview of the table</source>
        <translation>Voorbeeld van de tabel</translation>
    </message>
    <message>
        <source>Rows not read</source>
        <translation>Niet gelezen rijen</translation>
    </message>
    <message>
        <source>Write the lines into %1 beside the hymnal</source>
        <translation>De regels naar %1 naast de liedbundel schrijven</translation>
    </message>
    <message>
        <source>&amp;Day&apos;s name:</source>
        <translation>Naam van de &amp;dag:</translation>
    </message>
    <message>
        <source>&amp;Year:</source>
        <translation>&amp;Jaar:</translation>
    </message>
    <message>
        <source>&amp;Readings:</source>
        <translation>&amp;Lezingen:</translation>
    </message>
    <message>
        <source>Rows &amp;not read:</source>
        <translation>&amp;Niet gelezen rijen:</translation>
    </message>
    <message>
        <source>“%1” holds no table.</source>
        <translation>“%1” bevat geen tabel.</translation>
    </message>
    <message>
        <source>The clipboard holds no table. Copy the lectionary&apos;s table in a spreadsheet or on a web page, then press Paste.</source>
        <translation>Het klembord bevat geen tabel. Kopieer de tabel van het leesrooster in een spreadsheet of op een webpagina en klik dan op Plakken.</translation>
    </message>
    <message>
        <source>The clipboard&apos;s HTML table</source>
        <translation>De HTML-tabel op het klembord</translation>
    </message>
    <message>
        <source>The clipboard&apos;s text</source>
        <translation>De tekst op het klembord</translation>
    </message>
    <message>
        <source>Open a CSV or tab-separated file, or copy a lectionary&apos;s table in a spreadsheet or on a web page and paste it here.</source>
        <translation>Open een CSV-bestand of een bestand met tabs als scheidingsteken, of kopieer de tabel van een leesrooster in een spreadsheet of op een webpagina en plak die hier.</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n row(s)</source>
        <translation>
            <numerusform>%1: %n rij</numerusform>
            <numerusform>%1: %n rijen</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A column of the imported table: its letter and the heading above it, &quot;B: Sunday&quot;.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>None (every year, or as the day&apos;s name says)</source>
        <translation>Geen (elk jaar, of zoals de naam van de dag aangeeft)</translation>
    </message>
    <message>
        <source>Choose the column of the day&apos;s name and at least one column of readings.</source>
        <translation>Kies de kolom met de naam van de dag en ten minste één kolom met lezingen.</translation>
    </message>
    <message>
        <source>No row gives a line for %1.</source>
        <translation>Geen enkele rij levert een regel voor %1.</translation>
    </message>
    <message>
        <source>They go into the %1 beside the hymnal; its lines for the same days and years are replaced only after a question, and the rest of it stays as it is.</source>
        <translation>Ze komen in %1 naast de liedbundel; de regels daarin voor dezelfde dagen en jaren worden pas na een vraag vervangen, en de rest blijft zoals het is.</translation>
    </message>
    <message>
        <source>They make a new %1 beside the hymnal.</source>
        <translation>Ze vormen een nieuw %1 naast de liedbundel.</translation>
    </message>
    <message numerus="yes">
        <source>%n line(s) to write.</source>
        <translation>
            <numerusform>%n regel om te schrijven.</numerusform>
            <numerusform>%n regels om te schrijven.</numerusform>
        </translation>
    </message>
    <message>
        <source>line %1: %2 (removed: a second line for the same day and year)</source>
        <extracomment>A line of Lectionary.txt the import removes: a second line for a day and year.</extracomment>
        <translation>regel %1: %2 (verwijderd: een tweede regel voor dezelfde dag en hetzelfde jaar)</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>regel %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>… and %n more</source>
        <translation>
            <numerusform>… en nog %n</numerusform>
            <numerusform>… en nog %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 already has %n line(s) for the days and years imported:</source>
        <translation>
            <numerusform>%1 heeft al %n regel voor de geïmporteerde dagen en jaren:</numerusform>
            <numerusform>%1 heeft al %n regels voor de geïmporteerde dagen en jaren:</numerusform>
        </translation>
    </message>
    <message>
        <source>Replace them with the imported lines? Every other line stays as it is.</source>
        <translation>Ze vervangen door de geïmporteerde regels? Alle andere regels blijven zoals ze zijn.</translation>
    </message>
    <message>
        <source>%1 holds these lines already, so nothing was written.</source>
        <translation>%1 bevat deze regels al, dus er is niets geschreven.</translation>
    </message>
    <message numerus="yes">
        <source>%1 written: %n line(s) imported</source>
        <translation>
            <numerusform>%1 geschreven: %n regel geïmporteerd</numerusform>
            <numerusform>%1 geschreven: %n regels geïmporteerd</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 made beside the hymnal: %n line(s)</source>
        <translation>
            <numerusform>%1 gemaakt naast de liedbundel: %n regel</numerusform>
            <numerusform>%1 gemaakt naast de liedbundel: %n regels</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %n row(s) (the rest was left out: a table is read up to %2 rows and %3 columns)</source>
        <translation>
            <numerusform>%1: %n rij (de rest is weggelaten: een tabel wordt gelezen tot %2 rijen en %3 kolommen)</numerusform>
            <numerusform>%1: %n rijen (de rest is weggelaten: een tabel wordt gelezen tot %2 rijen en %3 kolommen)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ImportPreviewModel</name>
    <message>
        <source>day</source>
        <translation>dag</translation>
    </message>
    <message>
        <source>year</source>
        <translation>jaar</translation>
    </message>
    <message>
        <source>readings</source>
        <translation>lezingen</translation>
    </message>
    <message>
        <source>%1 · %2</source>
        <extracomment>A column of the imported table and what it is taken for: &quot;B Sunday · day&quot;.</extracomment>
        <translation>%1 · %2</translation>
    </message>
    <message>
        <source>(the headings)</source>
        <translation>(de kopjes)</translation>
    </message>
    <message>
        <source>Written to Lectionary.txt</source>
        <translation>Geschreven naar Lectionary.txt</translation>
    </message>
</context>
<context>
    <name>LanguageMenu</name>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Taal</translation>
    </message>
    <message>
        <source>&amp;System</source>
        <translation>&amp;Systeem</translation>
    </message>
    <message>
        <source>Takes effect at the next start</source>
        <translation>Van kracht bij de volgende start</translation>
    </message>
</context>
<context>
    <name>Logbook</name>
    <message>
        <source>&quot;%1&quot; holds the same bytes as &quot;%2&quot;.</source>
        <translation>&quot;%1&quot; bevat dezelfde bytes als &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>The first %1 of the %2 bytes of &quot;%3&quot; are as in &quot;%4&quot; (%5 bytes); after them the log differs.</source>
        <translation>De eerste %1 van de %2 bytes van &quot;%3&quot; zijn als in &quot;%4&quot; (%5 bytes); daarna wijkt het logboek af.</translation>
    </message>
    <message numerus="yes">
        <source>The log holds %n NUL byte(s) that the backup does not.</source>
        <translation>
            <numerusform>Het logboek bevat %n NUL-byte die de back-up niet heeft.</numerusform>
            <numerusform>Het logboek bevat %n NUL-bytes die de back-up niet heeft.</numerusform>
        </translation>
    </message>
    <message>
        <source>The mark beside &quot;%1&quot; names no backup that can be put back.</source>
        <translation>De markering naast &quot;%1&quot; noemt geen back-up die kan worden teruggezet.</translation>
    </message>
    <message>
        <source>The backup &quot;%1&quot; is no longer as it was written (it was changed, moved or removed), so it was not put back. &quot;%2&quot; is as it was.</source>
        <translation>De back-up &quot;%1&quot; is niet meer zoals hij is geschreven (hij is gewijzigd, verplaatst of verwijderd), dus hij is niet teruggezet. &quot;%2&quot; is zoals het was.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; put back in place of &quot;%2&quot;</source>
        <translation>&quot;%1&quot; teruggezet in plaats van &quot;%2&quot;</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has changed on disk since it was loaded, so the service was not added.</source>
        <translation>&quot;%1&quot; is op schijf gewijzigd sinds het is geladen, dus de dienst is niet toegevoegd.</translation>
    </message>
    <message>
        <source> Make room on the disk and try again.</source>
        <translation> Maak ruimte vrij op de schijf en probeer het opnieuw.</translation>
    </message>
    <message>
        <source> Check that you may write in the folder &quot;%1&quot;.</source>
        <translation> Controleer of u in de map &quot;%1&quot; mag schrijven.</translation>
    </message>
    <message>
        <source> The disk is read-only: copy the log to a disk you can write to and load it from there.</source>
        <translation> De schijf is alleen-lezen: kopieer het logboek naar een schijf waarop u kunt schrijven en laad het van daar.</translation>
    </message>
    <message>
        <source> Try again; if it fails again, check the disk or the network connection.</source>
        <translation> Probeer het opnieuw; als het weer mislukt, controleer dan de schijf of de netwerkverbinding.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is being written by another copy of Cantorix2, so the service was not added. Try again in a moment.</source>
        <translation>&quot;%1&quot; wordt beschreven door een ander exemplaar van Cantorix2, dus de dienst is niet toegevoegd. Probeer het zo meteen opnieuw.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is being written by Cantorix2 on %2, so the service was not added. Try again in a moment.</source>
        <translation>&quot;%1&quot; wordt beschreven door Cantorix2 op %2, dus de dienst is niet toegevoegd. Probeer het zo meteen opnieuw.</translation>
    </message>
    <message>
        <source> Nothing was written.</source>
        <translation> Er is niets geschreven.</translation>
    </message>
    <message>
        <source>The last write of &quot;%1&quot; was cut short, so the service was not added: in the bar under the window, put its backup back or keep the log as it is, then add the service again.</source>
        <translation>Het laatste schrijven naar &quot;%1&quot; is afgebroken, dus de dienst is niet toegevoegd: zet in de balk onder het venster de back-up terug of houd het logboek zoals het is, en voeg de dienst dan opnieuw toe.</translation>
    </message>
    <message>
        <source>%1 is read-only, so the service was not added.</source>
        <translation>%1 is alleen-lezen, dus de dienst is niet toegevoegd.</translation>
    </message>
    <message>
        <source>The name &quot;%1&quot; leaves no room for a backup&apos;s name beside it, so the service was not added. A shorter name will do: rename the log and load it again.</source>
        <translation>De naam &quot;%1&quot; laat geen ruimte voor de naam van een back-up ernaast, dus de dienst is niet toegevoegd. Een kortere naam volstaat: geef het logboek een andere naam en laad het opnieuw.</translation>
    </message>
    <message>
        <source>Every name for a backup of &quot;%1&quot; (up to &quot;%2&quot;) is taken, so the service was not added. Move old backups away and try again.</source>
        <translation>Elke naam voor een back-up van &quot;%1&quot; (tot en met &quot;%2&quot;) is bezet, dus de dienst is niet toegevoegd. Verplaats oude back-ups en probeer het opnieuw.</translation>
    </message>
    <message>
        <source>The backup &quot;%1&quot; could not be written: %2. Nothing was written; &quot;%3&quot; is as it was.</source>
        <translation>De back-up &quot;%1&quot; kon niet worden geschreven: %2. Er is niets geschreven; &quot;%3&quot; is zoals het was.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was not written: the mark of a write in progress could not be left beside it (%2). The file is as it was.</source>
        <translation>&quot;%1&quot; is niet geschreven: de markering van een lopende schrijfactie kon er niet naast worden gezet (%2). Het bestand is zoals het was.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be written: %2. Its bytes as they were are in &quot;%3&quot;.</source>
        <translation>&quot;%1&quot; kon niet worden geschreven: %2. De bytes zoals ze waren staan in &quot;%3&quot;.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be written: %2. The file is as it was; its bytes are also in &quot;%3&quot;.</source>
        <translation>&quot;%1&quot; kon niet worden geschreven: %2. Het bestand is zoals het was; de bytes staan ook in &quot;%3&quot;.</translation>
    </message>
    <message>
        <source>; the log as it was is kept in %1</source>
        <translation>; het logboek zoals het was, wordt bewaard in %1</translation>
    </message>
    <message>
        <source>This file holds hymn texts, not a service log, so no service can be added to it.</source>
        <translation>Dit bestand bevat liedteksten, geen logboek van diensten, dus er kan geen dienst aan worden toegevoegd.</translation>
    </message>
    <message>
        <source>The service&apos;s date cannot be written as a head line that the program reads back.</source>
        <translation>De datum van de dienst kan niet worden geschreven als een kopregel die het programma terugleest.</translation>
    </message>
    <message>
        <source>The character “%1” cannot be written in this file&apos;s encoding (%2).</source>
        <translation>Het teken “%1” kan niet worden geschreven in de codering van dit bestand (%2).</translation>
    </message>
    <message>
        <source>The service is not in the file as it was loaded, so nothing was written. Load the log again and choose the service anew.</source>
        <translation>De dienst staat niet in het bestand zoals het is geladen, dus er is niets geschreven. Laad het logboek opnieuw en kies de dienst opnieuw.</translation>
    </message>
    <message>
        <source>This log is full: with this service longer, the program would no longer read the last service of the file, so nothing was written. Start a new log for the services to come.</source>
        <translation>Dit logboek is vol: met deze langere dienst zou het programma de laatste dienst van het bestand niet meer lezen, dus er is niets geschreven. Begin een nieuw logboek voor de komende diensten.</translation>
    </message>
    <message>
        <source>Written this way, the service would change how the program reads other services of the log (a head line without a year takes it from the next one below), so nothing was written.</source>
        <translation>Zo geschreven zou de dienst veranderen hoe het programma andere diensten van het logboek leest (een kopregel zonder jaar neemt het jaar over van de volgende eronder), dus er is niets geschreven.</translation>
    </message>
    <message numerus="yes">
        <source>Service of %1 changed: %n hymn(s)</source>
        <translation>
            <numerusform>Dienst van %1 gewijzigd: %n lied</numerusform>
            <numerusform>Dienst van %1 gewijzigd: %n liederen</numerusform>
        </translation>
    </message>
    <message>
        <source>Service of %1 removed</source>
        <translation>Dienst van %1 verwijderd</translation>
    </message>
    <message>
        <source>The service without a date removed</source>
        <translation>De dienst zonder datum verwijderd</translation>
    </message>
    <message>
        <source>Cantorix2 has made no change to &quot;%1&quot; that it can undo: it remembers none since its backups were kept.</source>
        <translation>Cantorix2 heeft geen wijziging in &quot;%1&quot; gemaakt die het ongedaan kan maken: het onthoudt er geen sinds de back-ups ervan zijn bewaard.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no longer as Cantorix2 left it after its last change (%2), so that change cannot be undone.</source>
        <translation>&quot;%1&quot; is niet meer zoals Cantorix2 het na de laatste wijziging (%2) heeft achtergelaten, dus die wijziging kan niet ongedaan worden gemaakt.</translation>
    </message>
    <message>
        <source>The backup &quot;%1&quot; is no longer as Cantorix2 wrote it, so the last change to &quot;%2&quot; cannot be undone.</source>
        <translation>De back-up &quot;%1&quot; is niet meer zoals Cantorix2 hem heeft geschreven, dus de laatste wijziging in &quot;%2&quot; kan niet ongedaan worden gemaakt.</translation>
    </message>
    <message>
        <source>Undone: %1</source>
        <translation>Ongedaan gemaakt: %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has changed on disk since it was loaded, so nothing was written.</source>
        <translation>&quot;%1&quot; is op schijf gewijzigd sinds het is geladen, dus er is niets geschreven.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is being written by another copy of Cantorix2, so nothing was written. Try again in a moment.</source>
        <translation>&quot;%1&quot; wordt beschreven door een ander exemplaar van Cantorix2, dus er is niets geschreven. Probeer het zo meteen opnieuw.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is being written by Cantorix2 on %2, so nothing was written. Try again in a moment.</source>
        <translation>&quot;%1&quot; wordt beschreven door Cantorix2 op %2, dus er is niets geschreven. Probeer het zo meteen opnieuw.</translation>
    </message>
    <message>
        <source>The last write of &quot;%1&quot; was cut short, so nothing was written: in the bar under the window, put its backup back or keep the log as it is, then try again.</source>
        <translation>Het laatste schrijven naar &quot;%1&quot; is afgebroken, dus er is niets geschreven: zet in de balk onder het venster de back-up terug of houd het logboek zoals het is, en probeer het dan opnieuw.</translation>
    </message>
    <message>
        <source>%1 is read-only, so nothing was written.</source>
        <translation>%1 is alleen-lezen, dus er is niets geschreven.</translation>
    </message>
    <message>
        <source>The name &quot;%1&quot; leaves no room for a backup&apos;s name beside it, so nothing was written. A shorter name will do: rename the log and load it again.</source>
        <translation>De naam &quot;%1&quot; laat geen ruimte voor de naam van een back-up ernaast, dus er is niets geschreven. Een kortere naam volstaat: geef het logboek een andere naam en laad het opnieuw.</translation>
    </message>
    <message>
        <source>Every name for a backup of &quot;%1&quot; (up to &quot;%2&quot;) is taken, so nothing was written. Move old backups away and try again.</source>
        <translation>Elke naam voor een back-up van &quot;%1&quot; (tot en met &quot;%2&quot;) is bezet, dus er is niets geschreven. Verplaats oude back-ups en probeer het opnieuw.</translation>
    </message>
    <message>
        <source>UTF-8 with byte-order mark</source>
        <translation>UTF-8 met bytevolgordemarkering (BOM)</translation>
    </message>
    <message>
        <source>The occasion holds a line break or a NUL character, which a line of the file cannot hold.</source>
        <translation>De gelegenheid bevat een regeleinde of een NUL-teken, wat een regel van het bestand niet kan bevatten.</translation>
    </message>
    <message>
        <source>Line %1 of the service holds a line break or a NUL character, which a line of the file cannot hold.</source>
        <translation>Regel %1 van de dienst bevat een regeleinde of een NUL-teken, wat een regel van het bestand niet kan bevatten.</translation>
    </message>
    <message>
        <source>The hymn number “%1” holds a space.</source>
        <translation>Het liednummer “%1” bevat een spatie.</translation>
    </message>
    <message>
        <source>Hymn %1 has no title.</source>
        <translation>Lied %1 heeft geen titel.</translation>
    </message>
    <message>
        <source>“%1” holds “--”, which would make the program read the whole file as hymn texts.</source>
        <translation>“%1” bevat “--”, waardoor het programma het hele bestand als liedteksten zou lezen.</translation>
    </message>
    <message>
        <source>The file ends in the middle of a character, so nothing can be written after it.</source>
        <translation>Het bestand eindigt midden in een teken, dus er kan niets achter worden geschreven.</translation>
    </message>
    <message>
        <source>This log is full: it holds %1 services, and the program reads no more than %2 (fewer when a service has more than %3 lines), so it would never read a new one.</source>
        <translation>Dit logboek is vol: het bevat %1 diensten, en het programma leest er niet meer dan %2 (minder als een dienst meer dan %3 regels heeft), dus het zou nooit een nieuwe dienst lezen.</translation>
    </message>
    <message>
        <source>This log holds %1 services, of which the program reads only the first %2, so it would never read one added after them.</source>
        <translation>Dit logboek bevat %1 diensten, waarvan het programma alleen de eerste %2 leest, dus het zou nooit een dienst lezen die erna is toegevoegd.</translation>
    </message>
    <message>
        <source>The service was not added: start a new log for the services to come.</source>
        <translation>De dienst is niet toegevoegd: begin een nieuw logboek voor de komende diensten.</translation>
    </message>
    <message numerus="yes">
        <source>Service of %1 added: %n hymn(s)</source>
        <translation>
            <numerusform>Dienst van %1 toegevoegd: %n lied</numerusform>
            <numerusform>Dienst van %1 toegevoegd: %n liederen</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>The system&apos;s language from the next start</source>
        <translation>De taal van het systeem vanaf de volgende start</translation>
    </message>
    <message>
        <source>%1 from the next start</source>
        <translation>%1 vanaf de volgende start</translation>
    </message>
    <message>
        <source>&amp;User Guide</source>
        <translation>&amp;Gebruikershandleiding</translation>
    </message>
    <message numerus="yes">
        <source>%1 holds %n NUL character(s), which a text file does not: a write may have been cut short. Look at it in a text editor.</source>
        <translation>
            <numerusform>%1 bevat %n NUL-teken, wat een tekstbestand niet heeft: een schrijfactie is mogelijk afgebroken. Bekijk het bestand in een teksteditor.</numerusform>
            <numerusform>%1 bevat %n NUL-tekens, wat een tekstbestand niet heeft: een schrijfactie is mogelijk afgebroken. Bekijk het bestand in een teksteditor.</numerusform>
        </translation>
    </message>
    <message>
        <source>Put Back Backup</source>
        <translation>Back-up terugzetten</translation>
    </message>
    <message>
        <source>The backup &quot;%1&quot; cannot be read, so it cannot be put back.</source>
        <translation>De back-up &quot;%1&quot; kan niet worden gelezen, dus hij kan niet worden teruggezet.</translation>
    </message>
    <message>
        <source>Put &quot;%1&quot; back in place of &quot;%2&quot;? The log as it is now is kept in a backup of its own.</source>
        <translation>&quot;%1&quot; terugzetten in plaats van &quot;%2&quot;? Het logboek zoals het nu is, wordt in een eigen back-up bewaard.</translation>
    </message>
    <message>
        <source>%1 is kept as it is.</source>
        <translation>%1 blijft zoals het is.</translation>
    </message>
    <message>
        <source>&amp;Import Lectionary…</source>
        <translation>Leesrooster &amp;importeren…</translation>
    </message>
    <message>
        <source>Import Lectionary</source>
        <translation>Leesrooster importeren</translation>
    </message>
    <message>
        <source>Print Hymn &amp;Board…</source>
        <translation>Lied&amp;bord afdrukken…</translation>
    </message>
    <message>
        <source>&amp;Edit Service…</source>
        <translation>Dienst be&amp;werken…</translation>
    </message>
    <message>
        <source>&amp;Undo Last Change</source>
        <translation>Laatste wijziging &amp;ongedaan maken</translation>
    </message>
    <message>
        <source>Copy for &amp;Bulletin</source>
        <translation>&amp;Kopiëren voor liturgieboekje</translation>
    </message>
    <message>
        <source>Edit Service</source>
        <translation>Dienst bewerken</translation>
    </message>
    <message>
        <source>Load a service log first: a service of the log loaded is edited.</source>
        <translation>Laad eerst een logboek van diensten: een dienst uit het geladen logboek wordt bewerkt.</translation>
    </message>
    <message>
        <source>The log holds no service to edit.</source>
        <translation>Het logboek bevat geen dienst om te bewerken.</translation>
    </message>
    <message>
        <source>Hymn files (*.txt);;All files (*)</source>
        <translation>Liedbestanden (*.txt);;Alle bestanden (*)</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Bestand</translation>
    </message>
    <message>
        <source>&amp;Open…</source>
        <translation>&amp;Openen…</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>&amp;Recente bestanden</translation>
    </message>
    <message>
        <source>Re&amp;load</source>
        <translation>Opnieuw &amp;laden</translation>
    </message>
    <message>
        <source>Open in Text &amp;Editor</source>
        <translation>Openen in &amp;teksteditor</translation>
    </message>
    <message>
        <source>Set &amp;Hymnal…</source>
        <translation>Liedbundel in&amp;stellen…</translation>
    </message>
    <message>
        <source>Clear H&amp;ymnal</source>
        <translation>Liedbundel los&amp;koppelen</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Afsluiten</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>Be&amp;werken</translation>
    </message>
    <message>
        <source>&amp;Add Service…</source>
        <translation>Dienst &amp;toevoegen…</translation>
    </message>
    <message>
        <source>Copy &amp;Left List</source>
        <translation>&amp;Linkerlijst kopiëren</translation>
    </message>
    <message>
        <source>Copy &amp;Right List</source>
        <translation>&amp;Rechterlijst kopiëren</translation>
    </message>
    <message>
        <source>&amp;Clear criteria</source>
        <translation>&amp;Criteria wissen</translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation>&amp;Zoeken</translation>
    </message>
    <message>
        <source>&amp;Find</source>
        <translation>&amp;Zoeken</translation>
    </message>
    <message>
        <source>&amp;Tally</source>
        <translation>&amp;Tellen</translation>
    </message>
    <message>
        <source>Focus Hymn &amp;#</source>
        <translation>Naar lied&amp;nummer</translation>
    </message>
    <message>
        <source>Usage &amp;Report…</source>
        <translation>Gebruiks&amp;rapport…</translation>
    </message>
    <message>
        <source>Suggest &amp;Hymns…</source>
        <translation>&amp;Liederen voorstellen…</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>Beel&amp;d</translation>
    </message>
    <message>
        <source>&amp;Bold</source>
        <translation>&amp;Vet</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;About Cantorix2</source>
        <translation>&amp;Over Cantorix2</translation>
    </message>
    <message>
        <source>Set Hymnal</source>
        <translation>Liedbundel instellen</translation>
    </message>
    <message>
        <source>Hymnal set: %1</source>
        <translation>Liedbundel ingesteld: %1</translation>
    </message>
    <message>
        <source>“%1” is not a hymnal text (hymns with their verses between &quot;--&quot; lines), so the hymnal stays “%2”.</source>
        <translation>“%1” is geen liedbundeltekst (liederen met hun coupletten tussen &quot;--&quot;-regels), dus de liedbundel blijft “%2”.</translation>
    </message>
    <message>
        <source>“%1” is not a hymnal text (hymns with their verses between &quot;--&quot; lines), so no hymnal is set.</source>
        <translation>“%1” is geen liedbundeltekst (liederen met hun coupletten tussen &quot;--&quot;-regels), dus er is geen liedbundel ingesteld.</translation>
    </message>
    <message>
        <source>%1 (missing)</source>
        <translation>%1 (ontbreekt)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no longer there; it may have been moved or deleted.

Remove it from the recent files?</source>
        <translation>&quot;%1&quot; bestaat niet meer; het is misschien verplaatst of verwijderd.

Uit de recente bestanden verwijderen?</translation>
    </message>
    <message>
        <source>Remove from list</source>
        <translation>Uit lijst verwijderen</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Openen</translation>
    </message>
    <message>
        <source>About Cantorix2</source>
        <translation>Over Cantorix2</translation>
    </message>
    <message>
        <source>Cantorix2 %1, by the %2

Searches a plain-text service log or hymnal, tallies how often each hymn was used, reports each hymn&apos;s use over a date range, and copies what it finds to the clipboard.

Licensed under the GNU General Public License, version 3 or later.

Homepage: %3
Sample files: %4</source>
        <extracomment>%1 the version, %2 the publisher, %3 a web address, %4 a folder</extracomment>
        <translation>Cantorix2 %1, door %2

Doorzoekt een logboek van diensten of een liedbundel in platte tekst, telt hoe vaak elk lied is gebruikt, rapporteert het gebruik van elk lied over een periode en kopieert wat het vindt naar het klembord.

Uitgegeven onder de GNU General Public License, versie 3 of later.

Website: %3
Voorbeeldbestanden: %4</translation>
    </message>
    <message>
        <source>Open in Text Editor</source>
        <translation>Openen in teksteditor</translation>
    </message>
    <message>
        <source>No program was found to open &quot;%1&quot; with.</source>
        <translation>Er is geen programma gevonden om &quot;%1&quot; mee te openen.</translation>
    </message>
    <message>
        <source>Add Service</source>
        <translation>Dienst toevoegen</translation>
    </message>
    <message>
        <source>Load a service log first: a service is added to the log loaded.</source>
        <translation>Laad eerst een logboek van diensten: een dienst wordt aan het geladen logboek toegevoegd.</translation>
    </message>
    <message>
        <source>The service has no hymns yet: add at least one line.</source>
        <translation>De dienst heeft nog geen liederen: voeg ten minste één regel toe.</translation>
    </message>
    <message>
        <source>Reload it now? The service stays in the dialog, to be added to the file as it is now.</source>
        <translation>Nu opnieuw laden? De dienst blijft in het venster, om te worden toegevoegd aan het bestand zoals het nu is.</translation>
    </message>
</context>
<context>
    <name>Panes</name>
    <message numerus="yes">
        <source>%n item(s) copied</source>
        <extracomment>The message after a right click put rows of an output list on the clipboard.</extracomment>
        <translation>
            <numerusform>%n item gekopieerd</numerusform>
            <numerusform>%n items gekopieerd</numerusform>
        </translation>
    </message>
    <message>
        <source>Song titles</source>
        <extracomment>The title of the message after the list of a hymnal&apos;s titles was copied.</extracomment>
        <translation>Liedtitels</translation>
    </message>
    <message>
        <source>Dates used</source>
        <extracomment>The title of the message after the list of a log&apos;s service dates was copied.</extracomment>
        <translation>Gebruikte datums</translation>
    </message>
    <message>
        <source>Limit copy to Verse #:</source>
        <extracomment>The question before a copy of hymns&apos; lines: which verse of each hymn to copy (&quot;#&quot;: number).</extracomment>
        <translation>Kopie beperken tot couplet nr.:</translation>
    </message>
    <message>
        <source>Select verse # (0 = credits only; ^ = references )</source>
        <extracomment>The title of that question: 0 copies the hymns&apos; credits only, &quot;^&quot; (typed as it is) their scripture references. &quot;#&quot;: number.</extracomment>
        <translation>Kies couplet nr. (0 = alleen bronvermelding; ^ = verwijzingen )</translation>
    </message>
    <message>
        <source>Select verse # (0 = credits only)</source>
        <extracomment>The title of that question: 0 copies the hymns&apos; credits only. &quot;#&quot;: number.</extracomment>
        <translation>Kies couplet nr. (0 = alleen bronvermelding)</translation>
    </message>
    <message numerus="yes">
        <source>%1 +  %n title(s)</source>
        <extracomment>%1 is the &quot;… item(s) copied&quot; message; the hymns&apos; titles were copied too, as headings. The two blanks after &quot;+&quot; are kept.</extracomment>
        <translation>
            <numerusform>%1 +  %n titel</numerusform>
            <numerusform>%1 +  %n titels</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 +  %n count(s)</source>
        <extracomment>%1 is the &quot;… item(s) copied&quot; message; the tally&apos;s counts were copied too, as headings. The two blanks after &quot;+&quot; are kept.</extracomment>
        <translation>
            <numerusform>%1 +  %n telling</numerusform>
            <numerusform>%1 +  %n tellingen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 +  %n date(s)</source>
        <extracomment>%1 is the &quot;… item(s) copied&quot; message; the services&apos; dates were copied too, as headings. The two blanks after &quot;+&quot; are kept.</extracomment>
        <translation>
            <numerusform>%1 +  %n datum</numerusform>
            <numerusform>%1 +  %n datums</numerusform>
        </translation>
    </message>
    <message>
        <source>Verse lines</source>
        <extracomment>The title of the message after the hymns&apos; lines were copied.</extracomment>
        <translation>Versregels</translation>
    </message>
    <message>
        <source>- only &apos;Exclude&apos; terms are case sensitive</source>
        <extracomment>A tip in the help message: the boxes captioned &quot;exclude title:&quot;, &quot;exclude phrase:&quot; and &quot;exclude hymn:&quot;.</extracomment>
        <translation>- alleen &apos;Uitsluiten&apos;-termen zijn hoofdlettergevoelig</translation>
    </message>
    <message>
        <source>- either &gt; or &lt; may be used in date or year box</source>
        <extracomment>A tip in the help message: &quot;&gt; 1990&quot; or &quot;&lt; 2000&quot; typed in the date or year box.</extracomment>
        <translation>- in het datum- of jaarvak kan &gt; of &lt; worden gebruikt</translation>
    </message>
    <message>
        <source>- R click on an output box will copy box contents to clipboard</source>
        <extracomment>A tip in the help message: &quot;R click&quot; is a click of the right mouse button.</extracomment>
        <translation>- rechtsklik op een uitvoervak kopieert de inhoud van het vak naar het klembord</translation>
    </message>
    <message>
        <source>- L click in either output box will re-synchronize both boxes</source>
        <extracomment>A tip in the help message: &quot;L click&quot; is a click of the left mouse button.</extracomment>
        <translation>- linksklik in een van beide uitvoervakken synchroniseert beide vakken opnieuw</translation>
    </message>
    <message>
        <source>- to select from directory box, double click your selection</source>
        <extracomment>A tip in the help message: the directory box lists the folders.</extracomment>
        <translation>- dubbelklik in het mappenvak op uw keuze om die te selecteren</translation>
    </message>
    <message>
        <source>Cantorix2 ver %1</source>
        <extracomment>The help message&apos;s title: &quot;ver&quot; is short for version; %1 is the version number (2.9.7).</extracomment>
        <translation>Cantorix2 versie %1</translation>
    </message>
    <message>
        <source>Cantorix2 team, 2026</source>
        <extracomment>The help message&apos;s copyright line, after &quot;©&quot;.</extracomment>
        <translation>Cantorix2-team, 2026</translation>
    </message>
</context>
<context>
    <name>Plan</name>
    <message>
        <source>Row %1: %2</source>
        <extracomment>A row of an imported table that was left out, or only partly read: &quot;Row 12: no readings&quot;.</extracomment>
        <translation>Rij %1: %2</translation>
    </message>
    <message>
        <source>no day&apos;s name</source>
        <translation>geen naam van de dag</translation>
    </message>
    <message>
        <source>“%1” is not a day of the church year</source>
        <translation>“%1” is geen dag van het kerkelijk jaar</translation>
    </message>
    <message>
        <source>“%1” is not a year letter (A, B or C)</source>
        <translation>“%1” is geen jaarletter (A, B of C)</translation>
    </message>
    <message>
        <source>no readings</source>
        <translation>geen lezingen</translation>
    </message>
    <message>
        <source>a “#” in the readings would begin a comment in Lectionary.txt</source>
        <translation>een “#” in de lezingen zou in Lectionary.txt een commentaar beginnen</translation>
    </message>
    <message>
        <source>%1 is in row %2 already</source>
        <extracomment>%1 is a day and year (&quot;Advent 3 B&quot;), %2 the row that gave it first.</extracomment>
        <translation>%1 staat al in rij %2</translation>
    </message>
    <message numerus="yes">
        <source>No hymn fits all three; %n hold(s) the phrase and the meter</source>
        <translation>
            <numerusform>Geen lied past bij alle drie; %n bevat de tekst en het metrum</numerusform>
            <numerusform>Geen lied past bij alle drie; %n bevatten de tekst en het metrum</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>No hymn fits both; %n hold(s) the phrase</source>
        <translation>
            <numerusform>Geen lied past bij beide; %n bevat de tekst</numerusform>
            <numerusform>Geen lied past bij beide; %n bevatten de tekst</numerusform>
        </translation>
    </message>
    <message>
        <source>title</source>
        <extracomment>Why a hymn is suggested: the phrase is in its title.</extracomment>
        <translation>titel</translation>
    </message>
    <message>
        <source>refrain: %1</source>
        <extracomment>Why a hymn is suggested: %1 is the part of its refrain that holds the phrase.</extracomment>
        <translation>refrein: %1</translation>
    </message>
    <message>
        <source>verse %1: %2</source>
        <extracomment>Why a hymn is suggested: %1 is the verse&apos;s number, %2 the part of the verse that holds the phrase.</extracomment>
        <translation>couplet %1: %2</translation>
    </message>
    <message>
        <source>verse: %1</source>
        <extracomment>Why a hymn is suggested: %1 is the part of a verse without a number that holds the phrase.</extracomment>
        <translation>couplet: %1</translation>
    </message>
    <message>
        <source>meter %1</source>
        <extracomment>Why a hymn is suggested: its meter is the one asked for; %1 is the meter as numbers, &quot;8.6.8.6&quot;.</extracomment>
        <translation>metrum %1</translation>
    </message>
    <message>
        <source>Type readings, a phrase or a meter to see suggestions.</source>
        <translation>Typ lezingen, een tekst of een metrum om suggesties te zien.</translation>
    </message>
    <message>
        <source>Load a hymnal to see suggestions.</source>
        <translation>Laad een liedbundel om suggesties te zien.</translation>
    </message>
    <message>
        <source>The loaded file is a service log; suggestions need a hymnal.</source>
        <translation>Het geladen bestand is een logboek van diensten; voor suggesties is een liedbundel nodig.</translation>
    </message>
    <message>
        <source>Could not read the meter &quot;%1&quot;.</source>
        <translation>Het metrum &quot;%1&quot; kon niet worden gelezen.</translation>
    </message>
    <message>
        <source>Hymn #</source>
        <extracomment>A column heading of the suggested hymns: the hymn&apos;s number (&quot;#&quot;: number).</extracomment>
        <translation>Liednr.</translation>
    </message>
    <message>
        <source>Title</source>
        <extracomment>A column heading of the suggested hymns: the hymn&apos;s title.</extracomment>
        <translation>Titel</translation>
    </message>
    <message>
        <source>Why</source>
        <extracomment>A column heading of the suggested hymns: why the hymn is suggested (the reading, the phrase or the meter it matched).</extracomment>
        <translation>Waarom</translation>
    </message>
    <message>
        <source>Meter</source>
        <extracomment>A column heading of the suggested hymns: the hymn&apos;s meter.</extracomment>
        <translation>Metrum</translation>
    </message>
    <message>
        <source>Last 12 months</source>
        <extracomment>A column heading of the suggested hymns: how often the log has the hymn in the last 12 months.</extracomment>
        <translation>Laatste 12 maanden</translation>
    </message>
    <message>
        <source>Uses</source>
        <extracomment>A column heading of the suggested hymns: how often the log has the hymn at all (a noun).</extracomment>
        <translation>Gebruik</translation>
    </message>
    <message>
        <source>Last sung</source>
        <extracomment>A column heading of the suggested hymns: the date the hymn was last sung.</extracomment>
        <translation>Laatst gezongen</translation>
    </message>
    <message>
        <source>Days since</source>
        <extracomment>A column heading of the suggested hymns: the days since the hymn was last sung.</extracomment>
        <translation>Dagen sinds</translation>
    </message>
    <message>
        <source>new</source>
        <extracomment>The last sung date of a suggested hymn the log never used.</extracomment>
        <translation>nieuw</translation>
    </message>
    <message numerus="yes">
        <source>Could not read the reference(s) %1.</source>
        <extracomment>Under Suggest Hymns&apos; readings: %1 is the pieces not read, each in quotes, separated by commas.</extracomment>
        <translation>
            <numerusform>De verwijzing %1 kon niet worden gelezen.</numerusform>
            <numerusform>De verwijzingen %1 konden niet worden gelezen.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Platform</name>
    <message>
        <source>error %1</source>
        <extracomment>In place of the system&apos;s reason for a failure, when it has none: %1 is the system&apos;s error code.</extracomment>
        <translation>fout %1</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>Hymns joined by number: 14, 014 and #14 are one hymn</source>
        <translation>Liederen samengevoegd op nummer: 14, 014 en #14 zijn één lied</translation>
    </message>
    <message>
        <source>No service is dated up to today</source>
        <translation>Geen dienst gedateerd tot en met vandaag</translation>
    </message>
    <message>
        <source>Counted from %1, the latest service up to today</source>
        <translation>Geteld vanaf %1, de laatste dienst tot en met vandaag</translation>
    </message>
    <message>
        <source>Counted from %1, the latest service</source>
        <translation>Geteld vanaf %1, de laatste dienst</translation>
    </message>
    <message numerus="yes">
        <source>%n planned service(s) after today is/are not counted</source>
        <translation>
            <numerusform>%n geplande dienst na vandaag wordt niet meegeteld</numerusform>
            <numerusform>%n geplande diensten na vandaag worden niet meegeteld</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n planned service(s) after today is/are counted</source>
        <translation>
            <numerusform>%n geplande dienst na vandaag wordt meegeteld</numerusform>
            <numerusform>%n geplande diensten na vandaag worden meegeteld</numerusform>
        </translation>
    </message>
    <message>
        <source>The head line “%1” is dated more than a year after today: check its year</source>
        <translation>De kopregel “%1” is gedateerd meer dan een jaar na vandaag: controleer het jaar</translation>
    </message>
    <message>
        <source>hymn-usage</source>
        <extracomment>The file name offered for the usage report&apos;s exports, without its suffix (.csv, .pdf, .png).</extracomment>
        <translation>liedgebruik</translation>
    </message>
    <message>
        <source>hymn-usage %1 to %2</source>
        <extracomment>The file name offered for the usage report&apos;s exports, without its suffix: %1 and %2 are the range&apos;s dates.</extracomment>
        <translation>liedgebruik %1 tot %2</translation>
    </message>
    <message>
        <source>Counted from %1, the latest service — after today: check the head line “%2”</source>
        <extracomment>%1 is the latest service&apos;s date, %2 its head line as the log writes it.</extracomment>
        <translation>Geteld vanaf %1, de laatste dienst — na vandaag: controleer de kopregel “%2”</translation>
    </message>
    <message>
        <source>Jan %1</source>
        <extracomment>A month&apos;s label on the usage chart: %1 is the year (&quot;Jan 2019&quot;).</extracomment>
        <translation>jan %1</translation>
    </message>
    <message>
        <source>Feb %1</source>
        <translation>feb %1</translation>
    </message>
    <message>
        <source>Mar %1</source>
        <translation>mrt %1</translation>
    </message>
    <message>
        <source>Apr %1</source>
        <translation>apr %1</translation>
    </message>
    <message>
        <source>May %1</source>
        <translation>mei %1</translation>
    </message>
    <message>
        <source>Jun %1</source>
        <translation>jun %1</translation>
    </message>
    <message>
        <source>Jul %1</source>
        <translation>jul %1</translation>
    </message>
    <message>
        <source>Aug %1</source>
        <translation>aug %1</translation>
    </message>
    <message>
        <source>Sep %1</source>
        <translation>sep %1</translation>
    </message>
    <message>
        <source>Oct %1</source>
        <translation>okt %1</translation>
    </message>
    <message>
        <source>Nov %1</source>
        <translation>nov %1</translation>
    </message>
    <message>
        <source>Dec %1</source>
        <translation>dec %1</translation>
    </message>
</context>
<context>
    <name>ReportChart</name>
    <message>
        <source>Chart of uses</source>
        <translation>Grafiek van het gebruik</translation>
    </message>
    <message>
        <source>%1: no dated services in this range</source>
        <extracomment>Read to a screen reader for a chart without bars; %1 is the chart&apos;s title.</extracomment>
        <translation>%1: geen gedateerde diensten in deze periode</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>Read to a screen reader: %1 is the chart&apos;s title, %2 each period with its uses.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>No dated services in this range</source>
        <translation>Geen gedateerde diensten in deze periode</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n use(s)</source>
        <extracomment>A bar&apos;s tooltip on the usage chart: %1 is the period (&quot;2019&quot;, &quot;Jan 2019&quot;).</extracomment>
        <translation>
            <numerusform>%1: %n keer gebruikt</numerusform>
            <numerusform>%1: %n keer gebruikt</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ReportExports</name>
    <message>
        <source>Saved %1</source>
        <translation>%1 opgeslagen</translation>
    </message>
    <message numerus="yes">
        <source>Printed the report: %n page(s)</source>
        <translation>
            <numerusform>Het rapport is afgedrukt: %n pagina</numerusform>
            <numerusform>Het rapport is afgedrukt: %n pagina&apos;s</numerusform>
        </translation>
    </message>
    <message>
        <source>The folder “%1” has a name the file dialog cannot pass on, so nothing was written. Choose another folder, or the folder of the loaded file.</source>
        <translation>De map “%1” heeft een naam die het bestandsvenster niet kan doorgeven, dus er is niets geschreven. Kies een andere map, of de map van het geladen bestand.</translation>
    </message>
    <message>
        <source>“%1” already exists.
Do you want to replace it?</source>
        <translation>“%1” bestaat al.
Wilt u het vervangen?</translation>
    </message>
    <message>
        <source>The report could not be written to “%1”:
%2

Nothing was changed there.</source>
        <extracomment>%1 is the file&apos;s path, %2 the system&apos;s reason.</extracomment>
        <translation>Het rapport kon niet worden geschreven naar “%1”:
%2

Daar is niets gewijzigd.</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>CSV exporteren</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <extracomment>The save dialog&apos;s file types: the patterns in brackets stay as they are.</extracomment>
        <translation>CSV-bestanden (*.csv);;Alle bestanden (*)</translation>
    </message>
    <message>
        <source>Hymn usage</source>
        <extracomment>The printed report&apos;s title; %1 is the log&apos;s file name.</extracomment>
        <translation>Liedgebruik</translation>
    </message>
    <message>
        <source>Hymn usage: %1</source>
        <translation>Liedgebruik: %1</translation>
    </message>
    <message>
        <source>Export PDF</source>
        <translation>PDF exporteren</translation>
    </message>
    <message>
        <source>PDF files (*.pdf);;All files (*)</source>
        <extracomment>The save dialog&apos;s file types: the patterns in brackets stay as they are.</extracomment>
        <translation>PDF-bestanden (*.pdf);;Alle bestanden (*)</translation>
    </message>
    <message>
        <source>Making the PDF…</source>
        <translation>De PDF wordt gemaakt…</translation>
    </message>
    <message>
        <source>The PDF could not be made. Nothing was written.</source>
        <translation>De PDF kon niet worden gemaakt. Er is niets geschreven.</translation>
    </message>
    <message>
        <source>Print Usage Report</source>
        <translation>Gebruiksrapport afdrukken</translation>
    </message>
    <message>
        <source>Print</source>
        <extracomment>The title of the progress window and of the message when printing fails.</extracomment>
        <translation>Afdrukken</translation>
    </message>
    <message>
        <source>Printing the report…</source>
        <translation>Het rapport wordt afgedrukt…</translation>
    </message>
    <message>
        <source>The report could not be printed.</source>
        <translation>Het rapport kon niet worden afgedrukt.</translation>
    </message>
    <message>
        <source>%1 hymns: %2</source>
        <extracomment>A chart picture&apos;s second title line: %1 is how many hymns are selected (two or more), %2 their names.</extracomment>
        <translation>%1 liederen: %2</translation>
    </message>
    <message>
        <source>Save Chart</source>
        <translation>Grafiek opslaan</translation>
    </message>
    <message>
        <source>PNG images (*.png);;All files (*)</source>
        <extracomment>The save dialog&apos;s file types: the patterns in brackets stay as they are.</extracomment>
        <translation>PNG-afbeeldingen (*.png);;Alle bestanden (*)</translation>
    </message>
    <message>
        <source>The chart could not be made into a PNG image. Nothing was written.</source>
        <translation>Van de grafiek kon geen PNG-afbeelding worden gemaakt. Er is niets geschreven.</translation>
    </message>
</context>
<context>
    <name>ReportModel</name>
    <message>
        <source>Days from the last use to the latest service counted</source>
        <translation>Dagen van het laatste gebruik tot de laatste getelde dienst</translation>
    </message>
    <message>
        <source>Credits</source>
        <translation>Bronnen</translation>
    </message>
    <message>
        <source>Hymn #</source>
        <extracomment>The usage report&apos;s column of hymn numbers, also the heading of its copies and CSV.</extracomment>
        <translation>Liednr.</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>Gebruik</translation>
    </message>
    <message>
        <source>First used</source>
        <translation>Eerste gebruik</translation>
    </message>
    <message>
        <source>Last used</source>
        <translation>Laatste gebruik</translation>
    </message>
    <message>
        <source>Days since</source>
        <extracomment>The usage report&apos;s column of days from a hymn&apos;s last use to the latest service.</extracomment>
        <translation>Dagen sinds</translation>
    </message>
</context>
<context>
    <name>ReportPrinter</name>
    <message>
        <source>Page %1 of %2</source>
        <extracomment>The foot of each printed page of the usage report.</extracomment>
        <translation>Pagina %1 van %2</translation>
    </message>
</context>
<context>
    <name>ReportWindow</name>
    <message>
        <source>Previous church year</source>
        <translation>Vorig kerkelijk jaar</translation>
    </message>
    <message>
        <source>Previous calendar year</source>
        <translation>Vorig kalenderjaar</translation>
    </message>
    <message>
        <source>The range of services to count, taken back from the latest service held, or from today for the previous years</source>
        <translation>De reeks diensten om te tellen, teruggerekend vanaf de laatst gehouden dienst, of vanaf vandaag voor de vorige jaren</translation>
    </message>
    <message>
        <source>Count pla&amp;nned services</source>
        <translation>&amp;Geplande diensten meetellen</translation>
    </message>
    <message>
        <source>Count the services dated after today too, as if they had been held</source>
        <translation>Ook de diensten na vandaag meetellen, alsof ze al gehouden zijn</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Alles</translation>
    </message>
    <message>
        <source>Latest year</source>
        <translation>Laatste jaar</translation>
    </message>
    <message>
        <source>Year before</source>
        <translation>Jaar daarvoor</translation>
    </message>
    <message>
        <source>Last 12 months</source>
        <translation>Laatste 12 maanden</translation>
    </message>
    <message>
        <source>Church year</source>
        <translation>Kerkelijk jaar</translation>
    </message>
    <message>
        <source>Season</source>
        <translation>Liturgische tijd</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Aangepast</translation>
    </message>
    <message>
        <source>Usage Report</source>
        <translation>Gebruiksrapport</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>Periode</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Van</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Tot</translation>
    </message>
    <message>
        <source>open</source>
        <extracomment>Beside a date of the range: the range has no end there, it counts from the file&apos;s first service or to its last.</extracomment>
        <translation>open</translation>
    </message>
    <message>
        <source>Count from the first service of the file</source>
        <translation>Tellen vanaf de eerste dienst van het bestand</translation>
    </message>
    <message>
        <source>From: open</source>
        <translation>Van: open</translation>
    </message>
    <message>
        <source>Count to the last service of the file</source>
        <translation>Tellen tot en met de laatste dienst van het bestand</translation>
    </message>
    <message>
        <source>To: open</source>
        <translation>Tot: open</translation>
    </message>
    <message>
        <source>Count a hymn &amp;once per service</source>
        <translation>Een lied eenmaal per dienst &amp;tellen</translation>
    </message>
    <message>
        <source>&amp;Range:</source>
        <translation>&amp;Periode:</translation>
    </message>
    <message>
        <source>&amp;From</source>
        <translation>&amp;Van</translation>
    </message>
    <message>
        <source>&amp;to</source>
        <extracomment>Between the range&apos;s two dates: &quot;From [date] to [date]&quot;.</extracomment>
        <translation>t&amp;ot</translation>
    </message>
    <message>
        <source>Filter by hymn number or title</source>
        <translation>Filteren op liednummer of titel</translation>
    </message>
    <message>
        <source>F&amp;ilter:</source>
        <translation>F&amp;ilter:</translation>
    </message>
    <message>
        <source>Sort by</source>
        <translation>Sorteren op</translation>
    </message>
    <message>
        <source>&amp;Sort by:</source>
        <translation>&amp;Sorteren op:</translation>
    </message>
    <message>
        <source>D&amp;escending</source>
        <translation>Aflop&amp;end</translation>
    </message>
    <message>
        <source>Hymns and their uses</source>
        <translation>Liederen en hun gebruik</translation>
    </message>
    <message>
        <source>Save as PNG…</source>
        <translation>Opslaan als PNG…</translation>
    </message>
    <message>
        <source>Table and chart</source>
        <translation>Tabel en grafiek</translation>
    </message>
    <message>
        <source>Divider between the table and the chart</source>
        <translation>Scheiding tussen de tabel en de grafiek</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopiëren</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>Copy the selected rows, or all rows, for a spreadsheet (%1)</source>
        <extracomment>%1 is the copy&apos;s shortcut (Ctrl+C).</extracomment>
        <translation>De geselecteerde rijen, of alle rijen, kopiëren voor een spreadsheet (%1)</translation>
    </message>
    <message>
        <source>Export CS&amp;V…</source>
        <translation>&amp;CSV exporteren…</translation>
    </message>
    <message>
        <source>Export P&amp;DF…</source>
        <translation>P&amp;DF exporteren…</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>&amp;Afdrukken…</translation>
    </message>
    <message>
        <source>Save C&amp;hart…</source>
        <translation>Gra&amp;fiek opslaan…</translation>
    </message>
    <message>
        <source>Save the chart as a PNG picture</source>
        <translation>De grafiek opslaan als PNG-afbeelding</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>Sl&amp;uiten</translation>
    </message>
    <message>
        <source>Usage Report — %1</source>
        <translation>Gebruiksrapport — %1</translation>
    </message>
    <message>
        <source>%1 + %2 more</source>
        <extracomment>The chart&apos;s hymns when more than three are selected: %1 is the first three names, %2 how many more.</extracomment>
        <translation>%1 + nog %2</translation>
    </message>
    <message>
        <source>Hymns matching “%1” (%2)</source>
        <extracomment>The chart&apos;s hymns: %1 is the filter&apos;s text, %2 how many rows it leaves.</extracomment>
        <translation>Liederen die overeenkomen met “%1” (%2)</translation>
    </message>
    <message>
        <source>All hymns</source>
        <translation>Alle liederen</translation>
    </message>
    <message>
        <source>Uses per year, %1
%2</source>
        <extracomment>The chart&apos;s title on two lines: %1 is the range (&quot;2019-01-01 to 2019-12-31&quot;), %2 the hymns charted.</extracomment>
        <translation>Gebruik per jaar, %1
%2</translation>
    </message>
    <message>
        <source>Uses per month, %1
%2</source>
        <translation>Gebruik per maand, %1
%2</translation>
    </message>
    <message numerus="yes">
        <source>%Ln service(s)</source>
        <translation>
            <numerusform>%Ln dienst</numerusform>
            <numerusform>%Ln diensten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln hymn(s)</source>
        <translation>
            <numerusform>%Ln lied</numerusform>
            <numerusform>%Ln liederen</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2 (%3 shown)</source>
        <extracomment>The report&apos;s counts when the filter hides rows: %1 the services, %2 the hymns, %3 the rows shown.</extracomment>
        <translation>%1, %2 (%3 getoond)</translation>
    </message>
    <message>
        <source>From is after To: nothing is counted.</source>
        <translation>Van ligt na Tot: er wordt niets geteld.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln service(s) has/have no date in its/their head line</source>
        <translation>
            <numerusform>%Ln dienst heeft geen datum in de kopregel</numerusform>
            <numerusform>%Ln diensten hebben geen datum in hun kopregel</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: counted in the table, not in the chart.</source>
        <extracomment>%1 says how many services have no date (&quot;3 services have no date in their head line&quot;).</extracomment>
        <translation>%1: meegeteld in de tabel, niet in de grafiek.</translation>
    </message>
    <message>
        <source>%1: counted only under All.</source>
        <translation>%1: alleen meegeteld onder Alles.</translation>
    </message>
    <message>
        <source>all services</source>
        <translation>alle diensten</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <extracomment>A range of dates: %1 and %2 are dates written 2019-01-01.</extracomment>
        <translation>%1 tot en met %2</translation>
    </message>
    <message>
        <source>hymn # %1 (full # only)</source>
        <extracomment>The printed report&apos;s criteria: %1 is the hymn number searched for.</extracomment>
        <translation>liednr. %1 (alleen exact nummer)</translation>
    </message>
    <message>
        <source>hymn # %1</source>
        <translation>liednr. %1</translation>
    </message>
    <message>
        <source>title phrase “%1”</source>
        <translation>tekst in titel “%1”</translation>
    </message>
    <message>
        <source>excluding # %1</source>
        <translation>nr. %1 uitgesloten</translation>
    </message>
    <message>
        <source>excluding title “%1”</source>
        <translation>titel “%1” uitgesloten</translation>
    </message>
    <message>
        <source>date limit %1</source>
        <extracomment>The printed report&apos;s criteria: %1 is the date limit as typed in the main window.</extracomment>
        <translation>datum beperkt tot %1</translation>
    </message>
    <message>
        <source>%1; a hymn counted once per service</source>
        <extracomment>A printed note: %1 is the counts (&quot;12 services, 30 hymns&quot;).</extracomment>
        <translation>%1; een lied eenmaal per dienst geteld</translation>
    </message>
    <message>
        <source>Criteria: %1</source>
        <extracomment>A printed note: %1 is the main window&apos;s search criteria.</extracomment>
        <translation>Criteria: %1</translation>
    </message>
    <message>
        <source>Rows matching “%1”</source>
        <extracomment>A printed note: %1 is the filter&apos;s text.</extracomment>
        <translation>Rijen die overeenkomen met “%1”</translation>
    </message>
    <message>
        <source>Chart of the selected hymn: %1</source>
        <translation>Grafiek van het geselecteerde lied: %1</translation>
    </message>
    <message>
        <source>Chart of the %1 selected hymns: %2</source>
        <extracomment>A printed note: %1 is how many hymns are selected (two or more), %2 their names.</extracomment>
        <translation>Grafiek van de %1 geselecteerde liederen: %2</translation>
    </message>
</context>
<context>
    <name>SampleCopy</name>
    <message>
        <source>The folder “%1” could not be made: %2.</source>
        <extracomment>%1 is a folder&apos;s path, %2 the system&apos;s reason</extracomment>
        <translation>De map “%1” kon niet worden gemaakt: %2.</translation>
    </message>
    <message>
        <source>“%1” could not be copied into “%2”: %3.</source>
        <extracomment>%1 is a sample file&apos;s name, %2 the folder&apos;s path, %3 the system&apos;s reason</extracomment>
        <translation>“%1” kon niet worden gekopieerd naar “%2”: %3.</translation>
    </message>
    <message>
        <source>%1 The samples are opened where they are installed, to be read only.</source>
        <extracomment>%1 says why the samples could not be copied</extracomment>
        <translation>%1 De voorbeelden worden geopend waar ze zijn geïnstalleerd, alleen om te lezen.</translation>
    </message>
    <message>
        <source>Sample files</source>
        <translation>Voorbeeldbestanden</translation>
    </message>
</context>
<context>
    <name>ServiceCommands</name>
    <message>
        <source>Edit Service</source>
        <translation>Dienst bewerken</translation>
    </message>
    <message>
        <source>The service has no lines left: add at least one, or take the service out of the log with Remove Service.</source>
        <translation>De dienst heeft geen regels meer: voeg er ten minste één toe, of haal de dienst uit het logboek met Dienst verwijderen.</translation>
    </message>
    <message>
        <source>Remove Service</source>
        <translation>Dienst verwijderen</translation>
    </message>
    <message>
        <source>Remove this service from &quot;%1&quot;?

%2

The log as it was is kept in a backup, and Edit &gt; Undo Last Change puts it back.</source>
        <translation>Deze dienst verwijderen uit &quot;%1&quot;?

%2

Het logboek zoals het was, wordt in een back-up bewaard, en Bewerken &gt; Laatste wijziging ongedaan maken zet het terug.</translation>
    </message>
    <message>
        <source>Close this dialog, reload the log (File &gt; Reload) and choose the service again.</source>
        <translation>Sluit dit venster, laad het logboek opnieuw (Bestand &gt; Opnieuw laden) en kies de dienst opnieuw.</translation>
    </message>
    <message>
        <source>Undo Last Change</source>
        <translation>Laatste wijziging ongedaan maken</translation>
    </message>
    <message>
        <source>Load the service log whose last change is to be undone.</source>
        <translation>Laad het logboek van diensten waarvan de laatste wijziging ongedaan moet worden gemaakt.</translation>
    </message>
    <message>
        <source>Undo the last change to &quot;%1&quot; (%2)?

The log is put back as it was before, from &quot;%3&quot;; the log as it is now is kept in a backup of its own.</source>
        <translation>De laatste wijziging in &quot;%1&quot; (%2) ongedaan maken?

Het logboek wordt teruggezet zoals het eerder was, uit &quot;%3&quot;; het logboek zoals het nu is, wordt in een eigen back-up bewaard.</translation>
    </message>
    <message>
        <source>Print Hymn Board</source>
        <translation>Liedbord afdrukken</translation>
    </message>
    <message>
        <source>The service has no hymn numbers to put on the board.</source>
        <translation>De dienst heeft geen liednummers om op het bord te zetten.</translation>
    </message>
    <message>
        <source>%1 — %2</source>
        <translation>%1 — %2</translation>
    </message>
    <message>
        <source>Hymn board %1.pdf</source>
        <translation>Liedbord %1.pdf</translation>
    </message>
    <message>
        <source>Hymn board.pdf</source>
        <translation>Liedbord.pdf</translation>
    </message>
    <message>
        <source>Copied for the bulletin: %1</source>
        <translation>Gekopieerd voor het liturgieboekje: %1</translation>
    </message>
</context>
<context>
    <name>Store</name>
    <message numerus="yes">
        <source>The file holds more than the %n entries the program can keep (line %1 would need one more); the entries before it were loaded.</source>
        <extracomment>%n is the most entries (hymns, services and their continuations) the program keeps, %1 a line number of the file.</extracomment>
        <translation>
            <numerusform>Het bestand bevat meer dan het %n item dat het programma kan bewaren (regel %1 zou er nog één nodig hebben); de items ervoor zijn geladen.</numerusform>
            <numerusform>Het bestand bevat meer dan de %n items die het programma kan bewaren (regel %1 zou er nog één nodig hebben); de items ervoor zijn geladen.</numerusform>
        </translation>
    </message>
    <message>
        <source>&quot;%1&quot; is empty: it holds no hymns or services.</source>
        <translation>&quot;%1&quot; is leeg: het bevat geen liederen of diensten.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; grew past 64 MiB while it was read; it is not a hymn file, so nothing was loaded.</source>
        <translation>&quot;%1&quot; is tijdens het lezen groter geworden dan 64 MiB; het is geen liedbestand, dus er is niets geladen.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; was not found; it may have been moved or deleted.</source>
        <translation>Het bestand &quot;%1&quot; is niet gevonden; het is misschien verplaatst of verwijderd.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a folder, not a hymn file.</source>
        <translation>&quot;%1&quot; is een map, geen liedbestand.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an ordinary file (a pipe or a device), so it was not read.</source>
        <translation>&quot;%1&quot; is geen gewoon bestand (maar een pipe of een apparaat), dus het is niet gelezen.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be opened (%2).</source>
        <extracomment>%2 is the system&apos;s own reason.</extracomment>
        <translation>&quot;%1&quot; kon niet worden geopend (%2).</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is %2 MiB; hymn files are far smaller than 64 MiB, so it was not read.</source>
        <extracomment>MiB: mebibytes (1024 × 1024 bytes).</extracomment>
        <translation>&quot;%1&quot; is %2 MiB; liedbestanden zijn veel kleiner dan 64 MiB, dus het is niet gelezen.</translation>
    </message>
    <message numerus="yes">
        <source>Reading &quot;%1&quot; failed after %n byte(s) (%2); the entries read before the failure were kept.</source>
        <extracomment>%2 is the system&apos;s own reason.</extracomment>
        <translation>
            <numerusform>Het lezen van &quot;%1&quot; is mislukt na %n byte (%2); de items die vóór de fout zijn gelezen, zijn bewaard.</numerusform>
            <numerusform>Het lezen van &quot;%1&quot; is mislukt na %n bytes (%2); de items die vóór de fout zijn gelezen, zijn bewaard.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n item(s) loaded - this is the program&apos;s maximum</source>
        <extracomment>The message when a file holds more entries than the program keeps: the first %n were loaded.</extracomment>
        <translation>
            <numerusform>%n item geladen - dit is het maximum van het programma</numerusform>
            <numerusform>%n items geladen - dit is het maximum van het programma</numerusform>
        </translation>
    </message>
    <message>
        <source>Reading &quot;%1&quot; failed (%2).</source>
        <extracomment>%2 is the system&apos;s own reason.</extracomment>
        <translation>Het lezen van &quot;%1&quot; is mislukt (%2).</translation>
    </message>
</context>
<context>
    <name>SuggestWindow</name>
    <message>
        <source>Suggest Hymns</source>
        <translation>Liederen voorstellen</translation>
    </message>
    <message>
        <source>Date planned for</source>
        <translation>Geplande datum</translation>
    </message>
    <message>
        <source>The day planned for: its readings come from Lectionary.txt beside the hymnal, and uses are counted up to it</source>
        <translation>De geplande dag: de lezingen komen uit Lectionary.txt naast de liedbundel, en het gebruik wordt tot die dag geteld</translation>
    </message>
    <message>
        <source>Readings</source>
        <translation>Lezingen</translation>
    </message>
    <message>
        <source>Isaiah 40:1-11; Mark 1:1-8</source>
        <extracomment>An example of references, as a planner of the language writes them; the book names must be ones the program reads in that language (&quot;Jes 40,1-11; Mk 1,1-8&quot;).</extracomment>
        <translation>Jesaja 40:1-11; Marcus 1:1-8</translation>
    </message>
    <message>
        <source>Scripture references, separated by semicolons</source>
        <translation>Bijbelverwijzingen, gescheiden door puntkomma&apos;s</translation>
    </message>
    <message>
        <source>Phrase</source>
        <translation>Tekst</translation>
    </message>
    <message>
        <source>every word somewhere in the hymn</source>
        <translation>elk woord ergens in het lied</translation>
    </message>
    <message>
        <source>Words that must all occur in the title, a verse or a refrain, in any case</source>
        <translation>Woorden die alle in de titel, een couplet of een refrein moeten voorkomen, in hoofd- of kleine letters</translation>
    </message>
    <message>
        <source>Meter</source>
        <extracomment>The meter box&apos;s placeholder: C.M. and 8.7.8.7 D are meters as typed, kept as they are.</extracomment>
        <translation>Metrum</translation>
    </message>
    <message>
        <source>C.M. or 8.7.8.7 D</source>
        <translation>C.M. of 8.7.8.7 D</translation>
    </message>
    <message>
        <source>A meter, as letters (C.M., L.M.D.) or syllable counts (8.7.8.7)</source>
        <translation>Een metrum, als letters (C.M., L.M.D.) of als aantallen lettergrepen (8.7.8.7)</translation>
    </message>
    <message>
        <source>Sort by</source>
        <translation>Sorteren op</translation>
    </message>
    <message>
        <source>Suggested order</source>
        <translation>Voorgestelde volgorde</translation>
    </message>
    <message>
        <source>Suggested order: hymns sung often but not lately first, hymns never sung (new) last</source>
        <translation>Voorgestelde volgorde: eerst liederen die vaak maar niet onlangs zijn gezongen, als laatste liederen die nooit zijn gezongen (nieuw)</translation>
    </message>
    <message>
        <source>&amp;Descending</source>
        <translation>Aflop&amp;end</translation>
    </message>
    <message>
        <source>Descending</source>
        <translation>Aflopend</translation>
    </message>
    <message>
        <source>Da&amp;te:</source>
        <translation>&amp;Datum:</translation>
    </message>
    <message>
        <source>&amp;Readings:</source>
        <translation>&amp;Lezingen:</translation>
    </message>
    <message>
        <source>&amp;Phrase:</source>
        <translation>&amp;Tekst:</translation>
    </message>
    <message>
        <source>&amp;Meter:</source>
        <translation>&amp;Metrum:</translation>
    </message>
    <message>
        <source>&amp;Sort by:</source>
        <translation>&amp;Sorteren op:</translation>
    </message>
    <message>
        <source>Suggested hymns</source>
        <translation>Voorgestelde liederen</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopiëren</translation>
    </message>
    <message>
        <source>&amp;Add to Service</source>
        <translation>&amp;Aan dienst toevoegen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>Copy the selected rows, or all rows, for a spreadsheet (%1)</source>
        <extracomment>%1 is the copy&apos;s shortcut (Ctrl+C).</extracomment>
        <translation>De geselecteerde rijen, of alle rijen, kopiëren voor een spreadsheet (%1)</translation>
    </message>
    <message>
        <source>Start a service with the selected hymns (%1)</source>
        <extracomment>%1 is the command&apos;s shortcut (Ctrl+Return).</extracomment>
        <translation>Een dienst beginnen met de geselecteerde liederen (%1)</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>Sl&amp;uiten</translation>
    </message>
    <message>
        <source>Close (Esc)</source>
        <translation>Sluiten (Esc)</translation>
    </message>
    <message>
        <source>No readings for %1 %2 in %3</source>
        <extracomment>%1 is the day&apos;s name in the church year, %2 the lectionary&apos;s year (A, B or C), %3 the file&apos;s name.</extracomment>
        <translation>Geen lezingen voor %1 %2 in %3</translation>
    </message>
    <message>
        <source>%1 could not be read: %2</source>
        <extracomment>%1 is the lectionary&apos;s file name, %2 why it could not be read.</extracomment>
        <translation>%1 kon niet worden gelezen: %2</translation>
    </message>
    <message>
        <source>No hymn in the hymnal fits.</source>
        <translation>Geen enkel lied in de liedbundel past.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln hymn(s) suggested, uses counted up to %1.</source>
        <translation>
            <numerusform>%Ln lied voorgesteld, gebruik geteld tot en met %1.</numerusform>
            <numerusform>%Ln liederen voorgesteld, gebruik geteld tot en met %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln hymn(s) suggested. Load a service log to see how often each was sung.</source>
        <translation>
            <numerusform>%Ln lied voorgesteld. Laad een logboek van diensten om te zien hoe vaak het is gezongen.</numerusform>
            <numerusform>%Ln liederen voorgesteld. Laad een logboek van diensten om te zien hoe vaak elk lied is gezongen.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>UserGuide</name>
    <message>
        <source>User Guide</source>
        <translation>Gebruikershandleiding</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>%1 User Guide</source>
        <extracomment>%1 is the program&apos;s name</extracomment>
        <translation>Gebruikershandleiding van %1</translation>
    </message>
</context>
<context>
    <name>ValueLabel</name>
    <message>
        <source>%1: %2</source>
        <extracomment>a screen reader&apos;s name for a count or a name the window shows: %1 what it is (&quot;Dates listed&quot;), %2 the value</extracomment>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>Workspace</name>
    <message>
        <source>%1 was changed by another program while the import was being prepared, so nothing was written. Import again to merge into it as it is now.</source>
        <translation>%1 is door een ander programma gewijzigd terwijl de import werd voorbereid, dus er is niets geschreven. Importeer opnieuw om samen te voegen met het bestand zoals het nu is.</translation>
    </message>
    <message>
        <source>The hymnal&apos;s folder “%1” cannot be written, so no lectionary can be imported: %2 goes beside the hymnal. Copy the hymnal to a folder you may write in, and set it there.</source>
        <translation>In de map van de liedbundel “%1” kan niet worden geschreven, dus er kan geen leesrooster worden geïmporteerd: %2 komt naast de liedbundel. Kopieer de liedbundel naar een map waarin u mag schrijven, en stel hem daar in.</translation>
    </message>
    <message>
        <source>%1 in “%2” is read-only, so no lectionary can be imported into it.</source>
        <translation>%1 in “%2” is alleen-lezen, dus er kan geen leesrooster in worden geïmporteerd.</translation>
    </message>
    <message>
        <source>%1 in “%2” is not a file the program can write, so no lectionary can be imported.</source>
        <translation>%1 in “%2” is geen bestand dat het programma kan schrijven, dus er kan geen leesrooster worden geïmporteerd.</translation>
    </message>
    <message>
        <source>%1 is being written by another copy of Cantorix2, so nothing was written. Try again in a moment.</source>
        <translation>%1 wordt beschreven door een ander exemplaar van Cantorix2, dus er is niets geschreven. Probeer het zo meteen opnieuw.</translation>
    </message>
    <message>
        <source>%1 could not be written: %2. The file is as it was.</source>
        <translation>%1 kon niet worden geschreven: %2. Het bestand is zoals het was.</translation>
    </message>
</context>
</TS>
