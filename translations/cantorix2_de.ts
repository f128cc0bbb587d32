<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AccessibleParts</name>
    <message>
        <source>Clear %1</source>
        <extracomment>a screen reader&apos;s name for the button that empties a box; %1 is the box&apos;s name</extracomment>
        <translation>%1 leeren</translation>
    </message>
    <message>
        <source>%1 choices</source>
        <extracomment>a screen reader&apos;s name for the list a drop-down opens; %1 is the drop-down&apos;s name</extracomment>
        <translation>Auswahlliste für %1</translation>
    </message>
</context>
<context>
    <name>AddServiceDialog</name>
    <message>
        <source>Print Hymn &amp;Board…</source>
        <translation>&amp;Liedtafel drucken…</translation>
    </message>
    <message>
        <source>&amp;Copy for Bulletin</source>
        <translation>Für Liedblatt &amp;kopieren</translation>
    </message>
    <message>
        <source>Remove &amp;Service</source>
        <translation>Gottesdien&amp;st entfernen</translation>
    </message>
    <message>
        <source>The service&apos;s hymn numbers in large figures, a page for the hymn board</source>
        <translation>Die Liednummern des Gottesdienstes in großen Ziffern, eine Seite für die Liedtafel</translation>
    </message>
    <message>
        <source>The service&apos;s date and hymns to the clipboard, for the bulletin</source>
        <translation>Datum und Lieder des Gottesdienstes in die Zwischenablage, für das Liedblatt</translation>
    </message>
    <message>
        <source>Edit Service</source>
        <translation>Gottesdienst bearbeiten</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>Eintragen</translation>
    </message>
    <message>
        <source>Write the service in place of the one in the log</source>
        <translation>Den Gottesdienst anstelle des bisherigen in die Gottesdienstliste eintragen</translation>
    </message>
    <message>
        <source>Discard the changes to this service? The log keeps the service as it was.</source>
        <translation>Die Änderungen an diesem Gottesdienst verwerfen? Die Gottesdienstliste behält den Gottesdienst, wie er war.</translation>
    </message>
    <message>
        <source>Add &amp;Row</source>
        <translation>&amp;Zeile hinzufügen</translation>
    </message>
    <message>
        <source>Re&amp;move Row</source>
        <translation>Zeile ent&amp;fernen</translation>
    </message>
    <message>
        <source>Move &amp;Up</source>
        <translation>Nach &amp;oben</translation>
    </message>
    <message>
        <source>Move &amp;Down</source>
        <translation>Nach &amp;unten</translation>
    </message>
    <message>
        <source>Su&amp;ggest Hymns…</source>
        <translation>Lieder &amp;vorschlagen…</translation>
    </message>
    <message>
        <source>Add Service</source>
        <translation>Gottesdienst hinzufügen</translation>
    </message>
    <message>
        <source>Easter, Advent 3 … (may be left empty)</source>
        <translation>Ostersonntag, 3. Advent … (darf leer bleiben)</translation>
    </message>
    <message>
        <source>Day of the church year</source>
        <translation>Tag des Kirchenjahres</translation>
    </message>
    <message>
        <source>Da&amp;te:</source>
        <translation>&amp;Datum:</translation>
    </message>
    <message>
        <source>&amp;Occasion:</source>
        <translation>&amp;Anlass:</translation>
    </message>
    <message>
        <source>&amp;Hymns:</source>
        <translation>Li&amp;eder:</translation>
    </message>
    <message>
        <source>Mark hymns sung &amp;within</source>
        <translation>Lieder markieren, gesungen &amp;innerhalb von</translation>
    </message>
    <message>
        <source>Service date</source>
        <translation>Datum des Gottesdienstes</translation>
    </message>
    <message>
        <source>Occasion</source>
        <translation>Anlass</translation>
    </message>
    <message>
        <source>Mark hymns sung within this many weeks</source>
        <translation>Lieder markieren, die innerhalb dieser Anzahl Wochen gesungen wurden</translation>
    </message>
    <message>
        <source>weeks</source>
        <translation>Wochen</translation>
    </message>
    <message>
        <source>Hymns for this day&apos;s readings from the hymnal (Alt+G)</source>
        <translation>Lieder zu den Lesungen dieses Tages aus dem Gesangbuch (Alt+V)</translation>
    </message>
    <message>
        <source>Set a hymnal first, with File &gt; Set Hymnal…</source>
        <translation>Legen Sie zuerst ein Gesangbuch fest, mit Datei &gt; Gesangbuch festlegen…</translation>
    </message>
    <message>
        <source>Discard this service? What was typed in it is not added to the log.</source>
        <translation>Diesen Gottesdienst verwerfen? Was darin eingegeben wurde, wird der Gottesdienstliste nicht hinzugefügt.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>Calendar</name>
    <message>
        <source>Not named: before the Gregorian church year (Advent 1582)</source>
        <translation>Ohne Namen: vor dem gregorianischen Kirchenjahr (Advent 1582)</translation>
    </message>
    <message>
        <source>%1 · Year %2 · %3</source>
        <extracomment>The day line of a Roman Rite weekday in Ordinary Time: %1 the day&apos;s name, %2 the Sunday cycle (A, B or C), %3 the weekday cycle (I or II).</extracomment>
        <translation>%1 · Lesejahr %2 · %3</translation>
    </message>
    <message>
        <source>%1 · Year %2</source>
        <extracomment>The day line beside a date: %1 the day&apos;s name, %2 the lectionary&apos;s year (A, B or C).</extracomment>
        <translation>%1 · Lesejahr %2</translation>
    </message>
    <message>
        <source>Advent</source>
        <comment>season</comment>
        <translation>Advent</translation>
    </message>
    <message>
        <source>Christmas</source>
        <comment>season</comment>
        <translation>Weihnachtszeit</translation>
    </message>
    <message>
        <source>Epiphany</source>
        <comment>season</comment>
        <translation>Epiphaniaszeit</translation>
    </message>
    <message>
        <source>Lent</source>
        <comment>season</comment>
        <translation>Fastenzeit</translation>
    </message>
    <message>
        <source>Holy Week</source>
        <comment>season</comment>
        <translation>Karwoche</translation>
    </message>
    <message>
        <source>Easter</source>
        <comment>season</comment>
        <translation>Osterzeit</translation>
    </message>
    <message>
        <source>After Pentecost</source>
        <comment>season</comment>
        <translation>Zeit nach Pfingsten</translation>
    </message>
    <message>
        <source>Ordinary Time</source>
        <comment>season</comment>
        <translation>Zeit im Jahreskreis</translation>
    </message>
    <message>
        <source>Advent 1</source>
        <translation>1. Advent</translation>
    </message>
    <message>
        <source>Advent 2</source>
        <translation>2. Advent</translation>
    </message>
    <message>
        <source>Advent 3</source>
        <translation>3. Advent</translation>
    </message>
    <message>
        <source>Advent 4</source>
        <translation>4. Advent</translation>
    </message>
    <message>
        <source>Christmas Eve</source>
        <translation>Heiligabend</translation>
    </message>
    <message>
        <source>Christmas Day</source>
        <translation>Christfest</translation>
    </message>
    <message>
        <source>Christmas 1</source>
        <translation>1. Sonntag nach dem Christfest</translation>
    </message>
    <message>
        <source>Christmas 2</source>
        <translation>2. Sonntag nach dem Christfest</translation>
    </message>
    <message>
        <source>Epiphany</source>
        <translation>Epiphanias</translation>
    </message>
    <message>
        <source>Baptism of the Lord</source>
        <translation>1. Sonntag nach Epiphanias</translation>
    </message>
    <message>
        <source>Epiphany 2</source>
        <translation>2. Sonntag nach Epiphanias</translation>
    </message>
    <message>
        <source>Epiphany 3</source>
        <translation>3. Sonntag nach Epiphanias</translation>
    </message>
    <message>
        <source>Epiphany 4</source>
        <translation>4. Sonntag nach Epiphanias</translation>
    </message>
    <message>
        <source>Epiphany 5</source>
        <translation>5. Sonntag nach Epiphanias</translation>
    </message>
    <message>
        <source>Epiphany 6</source>
        <translation>6. Sonntag nach Epiphanias</translation>
    </message>
    <message>
        <source>Epiphany 7</source>
        <translation>7. Sonntag nach Epiphanias</translation>
    </message>
    <message>
        <source>Epiphany 8</source>
        <translation>8. Sonntag nach Epiphanias</translation>
    </message>
    <message>
        <source>Transfiguration</source>
        <translation>Letzter Sonntag nach Epiphanias</translation>
    </message>
    <message>
        <source>Ash Wednesday</source>
        <translation>Aschermittwoch</translation>
    </message>
    <message>
        <source>Lent 1</source>
        <translation>Invokavit</translation>
    </message>
    <message>
        <source>Lent 2</source>
        <translation>Reminiszere</translation>
    </message>
    <message>
        <source>Lent 3</source>
        <translation>Okuli</translation>
    </message>
    <message>
        <source>Lent 4</source>
        <translation>Lätare</translation>
    </message>
    <message>
        <source>Lent 5</source>
        <translation>Judika</translation>
    </message>
    <message>
        <source>Palm Sunday</source>
        <translation>Palmsonntag</translation>
    </message>
    <message>
        <source>Maundy Thursday</source>
        <translation>Gründonnerstag</translation>
    </message>
    <message>
        <source>Good Friday</source>
        <translation>Karfreitag</translation>
    </message>
    <message>
        <source>Holy Saturday</source>
        <translation>Karsamstag</translation>
    </message>
    <message>
        <source>Easter Day</source>
        <translation>Ostersonntag</translation>
    </message>
    <message>
        <source>Easter 2</source>
        <translation>Quasimodogeniti</translation>
    </message>
    <message>
        <source>Easter 3</source>
        <translation>Miserikordias Domini</translation>
    </message>
    <message>
        <source>Easter 4</source>
        <translation>Jubilate</translation>
    </message>
    <message>
        <source>Easter 5</source>
        <translation>Kantate</translation>
    </message>
    <message>
        <source>Easter 6</source>
        <translation>Rogate</translation>
    </message>
    <message>
        <source>Easter 7</source>
        <translation>Exaudi</translation>
    </message>
    <message>
        <source>Ascension</source>
        <translation>Christi Himmelfahrt</translation>
    </message>
    <message>
        <source>Pentecost</source>
        <translation>Pfingstsonntag</translation>
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
        <translation>Christkönigssonntag</translation>
    </message>
    <message>
        <source>All Saints</source>
        <translation>Allerheiligen</translation>
    </message>
    <message>
        <source>Pentecost 1</source>
        <translation>1. Sonntag nach Pfingsten</translation>
    </message>
    <message>
        <source>Pentecost 2</source>
        <translation>2. Sonntag nach Pfingsten</translation>
    </message>
    <message>
        <source>Pentecost 3</source>
        <translation>3. Sonntag nach Pfingsten</translation>
    </message>
    <message>
        <source>Pentecost 4</source>
        <translation>4. Sonntag nach Pfingsten</translation>
    </message>
    <message>
        <source>Pentecost 5</source>
        <translation>5. Sonntag nach Pfingsten</translation>
    </message>
    <message>
        <source>Pentecost 6</source>
        <translation>6. Sonntag nach Pfingsten</translation>
    </message>
    <message>
        <source>Pentecost 7</source>
        <translation>7. Sonntag nach Pfingsten</translation>
    </message>
    <message>
        <source>Pentecost 8</source>
        <translation>8. Sonntag nach Pfingsten</translation>
    </message>
    <message>
        <source>Pentecost 9</source>
        <translation>9. Sonntag nach Pfingsten</translation>
    </message>
    <message>
        <source>Pentecost 10</source>
        <translation>10. Sonntag nach Pfingsten</translation>
    </message>
    <message>
        <source>Pentecost 11</source>
        <translation>11. Sonntag nach Pfingsten</translation>
    </message>
    <message>
        <source>Pentecost 12</source>
        <translation>12. Sonntag nach Pfingsten</translation>
    </message>
    <message>
        <source>Pentecost 13</source>
        <translation>13. Sonntag nach Pfingsten</translation>
    </message>
    <message>
        <source>Pentecost 14</source>
        <translation>14. Sonntag nach Pfingsten</translation>
    </message>
    <message>
        <source>Pentecost 15</source>
        <translation>15. Sonntag nach Pfingsten</translation>
    </message>
    <message>
        <source>Pentecost 16</source>
        <translation>16. Sonntag nach Pfingsten</translation>
    </message>
    <message>
        <source>Pentecost 17</source>
        <translation>17. Sonntag nach Pfingsten</translation>
    </message>
    <message>
        <source>Pentecost 18</source>
        <translation>18. Sonntag nach Pfingsten</translation>
    </message>
    <message>
        <source>Pentecost 19</source>
        <translation>19. Sonntag nach Pfingsten</translation>
    </message>
    <message>
        <source>Pentecost 20</source>
        <translation>20. Sonntag nach Pfingsten</translation>
    </message>
    <message>
        <source>Pentecost 21</source>
        <translation>21. Sonntag nach Pfingsten</translation>
    </message>
    <message>
        <source>Pentecost 22</source>
        <translation>22. Sonntag nach Pfingsten</translation>
    </message>
    <message>
        <source>Pentecost 23</source>
        <translation>23. Sonntag nach Pfingsten</translation>
    </message>
    <message>
        <source>Pentecost 24</source>
        <translation>24. Sonntag nach Pfingsten</translation>
    </message>
    <message>
        <source>Pentecost 25</source>
        <translation>25. Sonntag nach Pfingsten</translation>
    </message>
    <message>
        <source>Pentecost 26</source>
        <translation>26. Sonntag nach Pfingsten</translation>
    </message>
    <message>
        <source>Pentecost 27</source>
        <translation>27. Sonntag nach Pfingsten</translation>
    </message>
    <message>
        <source>Pentecost 28</source>
        <translation>28. Sonntag nach Pfingsten</translation>
    </message>
    <message>
        <source>Ordinary Time 6</source>
        <translation>6. So. im Jahreskreis</translation>
    </message>
    <message>
        <source>Ordinary Time 7</source>
        <translation>7. So. im Jahreskreis</translation>
    </message>
    <message>
        <source>Ordinary Time 8</source>
        <translation>8. So. im Jahreskreis</translation>
    </message>
    <message>
        <source>Ordinary Time 9</source>
        <translation>9. So. im Jahreskreis</translation>
    </message>
    <message>
        <source>Ordinary Time 10</source>
        <translation>10. So. im Jahreskreis</translation>
    </message>
    <message>
        <source>Ordinary Time 11</source>
        <translation>11. So. im Jahreskreis</translation>
    </message>
    <message>
        <source>Ordinary Time 12</source>
        <translation>12. So. im Jahreskreis</translation>
    </message>
    <message>
        <source>Ordinary Time 13</source>
        <translation>13. So. im Jahreskreis</translation>
    </message>
    <message>
        <source>Ordinary Time 14</source>
        <translation>14. So. im Jahreskreis</translation>
    </message>
    <message>
        <source>Ordinary Time 15</source>
        <translation>15. So. im Jahreskreis</translation>
    </message>
    <message>
        <source>Ordinary Time 16</source>
        <translation>16. So. im Jahreskreis</translation>
    </message>
    <message>
        <source>Ordinary Time 17</source>
        <translation>17. So. im Jahreskreis</translation>
    </message>
    <message>
        <source>Ordinary Time 18</source>
        <translation>18. So. im Jahreskreis</translation>
    </message>
    <message>
        <source>Ordinary Time 19</source>
        <translation>19. So. im Jahreskreis</translation>
    </message>
    <message>
        <source>Ordinary Time 20</source>
        <translation>20. So. im Jahreskreis</translation>
    </message>
    <message>
        <source>Ordinary Time 21</source>
        <translation>21. So. im Jahreskreis</translation>
    </message>
    <message>
        <source>Ordinary Time 22</source>
        <translation>22. So. im Jahreskreis</translation>
    </message>
    <message>
        <source>Ordinary Time 23</source>
        <translation>23. So. im Jahreskreis</translation>
    </message>
    <message>
        <source>Ordinary Time 24</source>
        <translation>24. So. im Jahreskreis</translation>
    </message>
    <message>
        <source>Ordinary Time 25</source>
        <translation>25. So. im Jahreskreis</translation>
    </message>
    <message>
        <source>Ordinary Time 26</source>
        <translation>26. So. im Jahreskreis</translation>
    </message>
    <message>
        <source>Ordinary Time 27</source>
        <translation>27. So. im Jahreskreis</translation>
    </message>
    <message>
        <source>Ordinary Time 28</source>
        <translation>28. So. im Jahreskreis</translation>
    </message>
    <message>
        <source>Ordinary Time 29</source>
        <translation>29. So. im Jahreskreis</translation>
    </message>
    <message>
        <source>Ordinary Time 30</source>
        <translation>30. So. im Jahreskreis</translation>
    </message>
    <message>
        <source>Ordinary Time 31</source>
        <translation>31. So. im Jahreskreis</translation>
    </message>
    <message>
        <source>Ordinary Time 32</source>
        <translation>32. So. im Jahreskreis</translation>
    </message>
    <message>
        <source>Ordinary Time 33</source>
        <translation>33. So. im Jahreskreis</translation>
    </message>
    <message>
        <source>Trinity 1</source>
        <translation>1. Sonntag nach Trinitatis</translation>
    </message>
    <message>
        <source>Trinity 2</source>
        <translation>2. Sonntag nach Trinitatis</translation>
    </message>
    <message>
        <source>Trinity 3</source>
        <translation>3. Sonntag nach Trinitatis</translation>
    </message>
    <message>
        <source>Trinity 4</source>
        <translation>4. Sonntag nach Trinitatis</translation>
    </message>
    <message>
        <source>Trinity 5</source>
        <translation>5. Sonntag nach Trinitatis</translation>
    </message>
    <message>
        <source>Trinity 6</source>
        <translation>6. Sonntag nach Trinitatis</translation>
    </message>
    <message>
        <source>Trinity 7</source>
        <translation>7. Sonntag nach Trinitatis</translation>
    </message>
    <message>
        <source>Trinity 8</source>
        <translation>8. Sonntag nach Trinitatis</translation>
    </message>
    <message>
        <source>Trinity 9</source>
        <translation>9. Sonntag nach Trinitatis</translation>
    </message>
    <message>
        <source>Trinity 10</source>
        <translation>10. Sonntag nach Trinitatis</translation>
    </message>
    <message>
        <source>Trinity 11</source>
        <translation>11. Sonntag nach Trinitatis</translation>
    </message>
    <message>
        <source>Trinity 12</source>
        <translation>12. Sonntag nach Trinitatis</translation>
    </message>
    <message>
        <source>Trinity 13</source>
        <translation>13. Sonntag nach Trinitatis</translation>
    </message>
    <message>
        <source>Trinity 14</source>
        <translation>14. Sonntag nach Trinitatis</translation>
    </message>
    <message>
        <source>Trinity 15</source>
        <translation>15. Sonntag nach Trinitatis</translation>
    </message>
    <message>
        <source>Trinity 16</source>
        <translation>16. Sonntag nach Trinitatis</translation>
    </message>
    <message>
        <source>Trinity 17</source>
        <translation>17. Sonntag nach Trinitatis</translation>
    </message>
    <message>
        <source>Trinity 18</source>
        <translation>18. Sonntag nach Trinitatis</translation>
    </message>
    <message>
        <source>Trinity 19</source>
        <translation>19. Sonntag nach Trinitatis</translation>
    </message>
    <message>
        <source>Trinity 20</source>
        <translation>20. Sonntag nach Trinitatis</translation>
    </message>
    <message>
        <source>Trinity 21</source>
        <translation>21. Sonntag nach Trinitatis</translation>
    </message>
    <message>
        <source>Trinity 22</source>
        <translation>22. Sonntag nach Trinitatis</translation>
    </message>
    <message>
        <source>Trinity 23</source>
        <translation>23. Sonntag nach Trinitatis</translation>
    </message>
    <message>
        <source>Trinity 24</source>
        <translation>24. Sonntag nach Trinitatis</translation>
    </message>
    <message>
        <source>Trinity 25</source>
        <translation>25. Sonntag nach Trinitatis</translation>
    </message>
    <message>
        <source>Trinity 26</source>
        <translation>26. Sonntag nach Trinitatis</translation>
    </message>
    <message>
        <source>Trinity 27</source>
        <translation>27. Sonntag nach Trinitatis</translation>
    </message>
    <message>
        <source>First Sunday of Advent</source>
        <translation>1. Adventssonntag</translation>
    </message>
    <message>
        <source>Second Sunday of Advent</source>
        <translation>2. Adventssonntag</translation>
    </message>
    <message>
        <source>Third Sunday of Advent</source>
        <translation>3. Adventssonntag</translation>
    </message>
    <message>
        <source>Fourth Sunday of Advent</source>
        <translation>4. Adventssonntag</translation>
    </message>
    <message>
        <source>The Immaculate Conception of the Blessed Virgin Mary</source>
        <translation>Hochfest der ohne Erbsünde empfangenen Jungfrau und Gottesmutter Maria</translation>
    </message>
    <message>
        <source>Vigil of the Nativity of the Lord</source>
        <translation>Heiliger Abend</translation>
    </message>
    <message>
        <source>The Nativity of the Lord</source>
        <translation>Weihnachten – Hochfest der Geburt des Herrn</translation>
    </message>
    <message>
        <source>The Holy Family of Jesus, Mary and Joseph</source>
        <translation>Fest der Heiligen Familie Jesus, Maria und Josef</translation>
    </message>
    <message>
        <source>Mary, the Holy Mother of God</source>
        <translation>Hochfest der Gottesmutter Maria</translation>
    </message>
    <message>
        <source>Second Sunday after the Nativity</source>
        <translation>2. Sonntag nach Weihnachten</translation>
    </message>
    <message>
        <source>The Epiphany of the Lord</source>
        <translation>Erscheinung des Herrn</translation>
    </message>
    <message>
        <source>The Baptism of the Lord</source>
        <translation>Taufe des Herrn</translation>
    </message>
    <message>
        <source>Second Sunday in Ordinary Time</source>
        <translation>2. Sonntag im Jahreskreis</translation>
    </message>
    <message>
        <source>Third Sunday in Ordinary Time</source>
        <translation>3. Sonntag im Jahreskreis</translation>
    </message>
    <message>
        <source>Fourth Sunday in Ordinary Time</source>
        <translation>4. Sonntag im Jahreskreis</translation>
    </message>
    <message>
        <source>Fifth Sunday in Ordinary Time</source>
        <translation>5. Sonntag im Jahreskreis</translation>
    </message>
    <message>
        <source>Sixth Sunday in Ordinary Time</source>
        <translation>6. Sonntag im Jahreskreis</translation>
    </message>
    <message>
        <source>Seventh Sunday in Ordinary Time</source>
        <translation>7. Sonntag im Jahreskreis</translation>
    </message>
    <message>
        <source>Eighth Sunday in Ordinary Time</source>
        <translation>8. Sonntag im Jahreskreis</translation>
    </message>
    <message>
        <source>Ninth Sunday in Ordinary Time</source>
        <translation>9. Sonntag im Jahreskreis</translation>
    </message>
    <message>
        <source>Tenth Sunday in Ordinary Time</source>
        <translation>10. Sonntag im Jahreskreis</translation>
    </message>
    <message>
        <source>Eleventh Sunday in Ordinary Time</source>
        <translation>11. Sonntag im Jahreskreis</translation>
    </message>
    <message>
        <source>Twelfth Sunday in Ordinary Time</source>
        <translation>12. Sonntag im Jahreskreis</translation>
    </message>
    <message>
        <source>Thirteenth Sunday in Ordinary Time</source>
        <translation>13. Sonntag im Jahreskreis</translation>
    </message>
    <message>
        <source>Fourteenth Sunday in Ordinary Time</source>
        <translation>14. Sonntag im Jahreskreis</translation>
    </message>
    <message>
        <source>Fifteenth Sunday in Ordinary Time</source>
        <translation>15. Sonntag im Jahreskreis</translation>
    </message>
    <message>
        <source>Sixteenth Sunday in Ordinary Time</source>
        <translation>16. Sonntag im Jahreskreis</translation>
    </message>
    <message>
        <source>Seventeenth Sunday in Ordinary Time</source>
        <translation>17. Sonntag im Jahreskreis</translation>
    </message>
    <message>
        <source>Eighteenth Sunday in Ordinary Time</source>
        <translation>18. Sonntag im Jahreskreis</translation>
    </message>
    <message>
        <source>Nineteenth Sunday in Ordinary Time</source>
        <translation>19. Sonntag im Jahreskreis</translation>
    </message>
    <message>
        <source>Twentieth Sunday in Ordinary Time</source>
        <translation>20. Sonntag im Jahreskreis</translation>
    </message>
    <message>
        <source>Twenty-first Sunday in Ordinary Time</source>
        <translation>21. Sonntag im Jahreskreis</translation>
    </message>
    <message>
        <source>Twenty-second Sunday in Ordinary Time</source>
        <translation>22. Sonntag im Jahreskreis</translation>
    </message>
    <message>
        <source>Twenty-third Sunday in Ordinary Time</source>
        <translation>23. Sonntag im Jahreskreis</translation>
    </message>
    <message>
        <source>Twenty-fourth Sunday in Ordinary Time</source>
        <translation>24. Sonntag im Jahreskreis</translation>
    </message>
    <message>
        <source>Twenty-fifth Sunday in Ordinary Time</source>
        <translation>25. Sonntag im Jahreskreis</translation>
    </message>
    <message>
        <source>Twenty-sixth Sunday in Ordinary Time</source>
        <translation>26. Sonntag im Jahreskreis</translation>
    </message>
    <message>
        <source>Twenty-seventh Sunday in Ordinary Time</source>
        <translation>27. Sonntag im Jahreskreis</translation>
    </message>
    <message>
        <source>Twenty-eighth Sunday in Ordinary Time</source>
        <translation>28. Sonntag im Jahreskreis</translation>
    </message>
    <message>
        <source>Twenty-ninth Sunday in Ordinary Time</source>
        <translation>29. Sonntag im Jahreskreis</translation>
    </message>
    <message>
        <source>Thirtieth Sunday in Ordinary Time</source>
        <translation>30. Sonntag im Jahreskreis</translation>
    </message>
    <message>
        <source>Thirty-first Sunday in Ordinary Time</source>
        <translation>31. Sonntag im Jahreskreis</translation>
    </message>
    <message>
        <source>Thirty-second Sunday in Ordinary Time</source>
        <translation>32. Sonntag im Jahreskreis</translation>
    </message>
    <message>
        <source>Thirty-third Sunday in Ordinary Time</source>
        <translation>33. Sonntag im Jahreskreis</translation>
    </message>
    <message>
        <source>The Presentation of the Lord</source>
        <translation>Darstellung des Herrn</translation>
    </message>
    <message>
        <source>First Sunday of Lent</source>
        <translation>1. Fastensonntag</translation>
    </message>
    <message>
        <source>Second Sunday of Lent</source>
        <translation>2. Fastensonntag</translation>
    </message>
    <message>
        <source>Third Sunday of Lent</source>
        <translation>3. Fastensonntag</translation>
    </message>
    <message>
        <source>Fourth Sunday of Lent</source>
        <translation>4. Fastensonntag</translation>
    </message>
    <message>
        <source>Fifth Sunday of Lent</source>
        <translation>5. Fastensonntag</translation>
    </message>
    <message>
        <source>Saint Joseph, Spouse of the Blessed Virgin Mary</source>
        <translation>Heiliger Josef, Bräutigam der Gottesmutter Maria</translation>
    </message>
    <message>
        <source>The Annunciation of the Lord</source>
        <translation>Verkündigung des Herrn</translation>
    </message>
    <message>
        <source>Palm Sunday of the Passion of the Lord</source>
        <translation>Palmsonntag vom Leiden des Herrn</translation>
    </message>
    <message>
        <source>Thursday of the Lord&apos;s Supper</source>
        <translation>Gründonnerstag – Messe vom Letzten Abendmahl</translation>
    </message>
    <message>
        <source>Friday of the Passion of the Lord</source>
        <translation>Karfreitag – Feier vom Leiden und Sterben Christi</translation>
    </message>
    <message>
        <source>Easter Sunday of the Resurrection of the Lord</source>
        <translation>Ostersonntag – Hochfest der Auferstehung des Herrn</translation>
    </message>
    <message>
        <source>Second Sunday of Easter</source>
        <translation>2. Sonntag der Osterzeit</translation>
    </message>
    <message>
        <source>Third Sunday of Easter</source>
        <translation>3. Sonntag der Osterzeit</translation>
    </message>
    <message>
        <source>Fourth Sunday of Easter</source>
        <translation>4. Sonntag der Osterzeit</translation>
    </message>
    <message>
        <source>Fifth Sunday of Easter</source>
        <translation>5. Sonntag der Osterzeit</translation>
    </message>
    <message>
        <source>Sixth Sunday of Easter</source>
        <translation>6. Sonntag der Osterzeit</translation>
    </message>
    <message>
        <source>Seventh Sunday of Easter</source>
        <translation>7. Sonntag der Osterzeit</translation>
    </message>
    <message>
        <source>The Ascension of the Lord</source>
        <translation>Christi Himmelfahrt</translation>
    </message>
    <message>
        <source>Pentecost Sunday</source>
        <translation>Pfingstsonntag</translation>
    </message>
    <message>
        <source>The Most Holy Trinity</source>
        <translation>Dreifaltigkeitssonntag</translation>
    </message>
    <message>
        <source>The Most Holy Body and Blood of Christ</source>
        <translation>Fronleichnam – Hochfest des Leibes und Blutes Christi</translation>
    </message>
    <message>
        <source>The Most Sacred Heart of Jesus</source>
        <translation>Heiligstes Herz Jesu</translation>
    </message>
    <message>
        <source>The Nativity of Saint John the Baptist</source>
        <translation>Geburt des heiligen Johannes des Täufers</translation>
    </message>
    <message>
        <source>Saints Peter and Paul, Apostles</source>
        <translation>Heilige Petrus und Paulus, Apostel</translation>
    </message>
    <message>
        <source>The Transfiguration of the Lord</source>
        <translation>Verklärung des Herrn</translation>
    </message>
    <message>
        <source>The Assumption of the Blessed Virgin Mary</source>
        <translation>Mariä Aufnahme in den Himmel</translation>
    </message>
    <message>
        <source>The Exaltation of the Holy Cross</source>
        <translation>Kreuzerhöhung</translation>
    </message>
    <message>
        <source>The Commemoration of All the Faithful Departed</source>
        <translation>Allerseelen</translation>
    </message>
    <message>
        <source>The Dedication of the Lateran Basilica</source>
        <translation>Weihetag der Lateranbasilika</translation>
    </message>
    <message>
        <source>Our Lord Jesus Christ, King of the Universe</source>
        <translation>Christus, der König des Weltalls</translation>
    </message>
    <message>
        <source>First Week of Advent</source>
        <translation>1. Adventswoche</translation>
    </message>
    <message>
        <source>Second Week of Advent</source>
        <translation>2. Adventswoche</translation>
    </message>
    <message>
        <source>Third Week of Advent</source>
        <translation>3. Adventswoche</translation>
    </message>
    <message>
        <source>Fourth Week of Advent</source>
        <translation>4. Adventswoche</translation>
    </message>
    <message>
        <source>First Week of Lent</source>
        <translation>1. Fastenwoche</translation>
    </message>
    <message>
        <source>Second Week of Lent</source>
        <translation>2. Fastenwoche</translation>
    </message>
    <message>
        <source>Third Week of Lent</source>
        <translation>3. Fastenwoche</translation>
    </message>
    <message>
        <source>Fourth Week of Lent</source>
        <translation>4. Fastenwoche</translation>
    </message>
    <message>
        <source>Fifth Week of Lent</source>
        <translation>5. Fastenwoche</translation>
    </message>
    <message>
        <source>Second Week of Easter</source>
        <translation>2. Osterwoche</translation>
    </message>
    <message>
        <source>Third Week of Easter</source>
        <translation>3. Osterwoche</translation>
    </message>
    <message>
        <source>Fourth Week of Easter</source>
        <translation>4. Osterwoche</translation>
    </message>
    <message>
        <source>Fifth Week of Easter</source>
        <translation>5. Osterwoche</translation>
    </message>
    <message>
        <source>Sixth Week of Easter</source>
        <translation>6. Osterwoche</translation>
    </message>
    <message>
        <source>Seventh Week of Easter</source>
        <translation>7. Osterwoche</translation>
    </message>
    <message>
        <source>First Week in Ordinary Time</source>
        <translation>1. Woche im Jahreskreis</translation>
    </message>
    <message>
        <source>Second Week in Ordinary Time</source>
        <translation>2. Woche im Jahreskreis</translation>
    </message>
    <message>
        <source>Third Week in Ordinary Time</source>
        <translation>3. Woche im Jahreskreis</translation>
    </message>
    <message>
        <source>Fourth Week in Ordinary Time</source>
        <translation>4. Woche im Jahreskreis</translation>
    </message>
    <message>
        <source>Fifth Week in Ordinary Time</source>
        <translation>5. Woche im Jahreskreis</translation>
    </message>
    <message>
        <source>Sixth Week in Ordinary Time</source>
        <translation>6. Woche im Jahreskreis</translation>
    </message>
    <message>
        <source>Seventh Week in Ordinary Time</source>
        <translation>7. Woche im Jahreskreis</translation>
    </message>
    <message>
        <source>Eighth Week in Ordinary Time</source>
        <translation>8. Woche im Jahreskreis</translation>
    </message>
    <message>
        <source>Ninth Week in Ordinary Time</source>
        <translation>9. Woche im Jahreskreis</translation>
    </message>
    <message>
        <source>Tenth Week in Ordinary Time</source>
        <translation>10. Woche im Jahreskreis</translation>
    </message>
    <message>
        <source>Eleventh Week in Ordinary Time</source>
        <translation>11. Woche im Jahreskreis</translation>
    </message>
    <message>
        <source>Twelfth Week in Ordinary Time</source>
        <translation>12. Woche im Jahreskreis</translation>
    </message>
    <message>
        <source>Thirteenth Week in Ordinary Time</source>
        <translation>13. Woche im Jahreskreis</translation>
    </message>
    <message>
        <source>Fourteenth Week in Ordinary Time</source>
        <translation>14. Woche im Jahreskreis</translation>
    </message>
    <message>
        <source>Fifteenth Week in Ordinary Time</source>
        <translation>15. Woche im Jahreskreis</translation>
    </message>
    <message>
        <source>Sixteenth Week in Ordinary Time</source>
        <translation>16. Woche im Jahreskreis</translation>
    </message>
    <message>
        <source>Seventeenth Week in Ordinary Time</source>
        <translation>17. Woche im Jahreskreis</translation>
    </message>
    <message>
        <source>Eighteenth Week in Ordinary Time</source>
        <translation>18. Woche im Jahreskreis</translation>
    </message>
    <message>
        <source>Nineteenth Week in Ordinary Time</source>
        <translation>19. Woche im Jahreskreis</translation>
    </message>
    <message>
        <source>Twentieth Week in Ordinary Time</source>
        <translation>20. Woche im Jahreskreis</translation>
    </message>
    <message>
        <source>Twenty-first Week in Ordinary Time</source>
        <translation>21. Woche im Jahreskreis</translation>
    </message>
    <message>
        <source>Twenty-second Week in Ordinary Time</source>
        <translation>22. Woche im Jahreskreis</translation>
    </message>
    <message>
        <source>Twenty-third Week in Ordinary Time</source>
        <translation>23. Woche im Jahreskreis</translation>
    </message>
    <message>
        <source>Twenty-fourth Week in Ordinary Time</source>
        <translation>24. Woche im Jahreskreis</translation>
    </message>
    <message>
        <source>Twenty-fifth Week in Ordinary Time</source>
        <translation>25. Woche im Jahreskreis</translation>
    </message>
    <message>
        <source>Twenty-sixth Week in Ordinary Time</source>
        <translation>26. Woche im Jahreskreis</translation>
    </message>
    <message>
        <source>Twenty-seventh Week in Ordinary Time</source>
        <translation>27. Woche im Jahreskreis</translation>
    </message>
    <message>
        <source>Twenty-eighth Week in Ordinary Time</source>
        <translation>28. Woche im Jahreskreis</translation>
    </message>
    <message>
        <source>Twenty-ninth Week in Ordinary Time</source>
        <translation>29. Woche im Jahreskreis</translation>
    </message>
    <message>
        <source>Thirtieth Week in Ordinary Time</source>
        <translation>30. Woche im Jahreskreis</translation>
    </message>
    <message>
        <source>Thirty-first Week in Ordinary Time</source>
        <translation>31. Woche im Jahreskreis</translation>
    </message>
    <message>
        <source>Thirty-second Week in Ordinary Time</source>
        <translation>32. Woche im Jahreskreis</translation>
    </message>
    <message>
        <source>Thirty-third Week in Ordinary Time</source>
        <translation>33. Woche im Jahreskreis</translation>
    </message>
    <message>
        <source>Thirty-fourth Week in Ordinary Time</source>
        <translation>34. Woche im Jahreskreis</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Montag</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Dienstag</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Mittwoch</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Donnerstag</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Freitag</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Samstag</translation>
    </message>
    <message>
        <source>%1 after %2</source>
        <extracomment>A weekday named after the Sunday or feast its week began with: &quot;Tuesday after Lent 2&quot;. %1 is the weekday, %2 the day&apos;s name.</extracomment>
        <translation>%1 nach %2</translation>
    </message>
    <message>
        <source>%1 of the %2</source>
        <extracomment>A weekday of the Roman Rite named by its week: &quot;Tuesday of the Second Week of Lent&quot;. %1 is the weekday, %2 the week (&quot;Second Week of Lent&quot;).</extracomment>
        <translation>%1 der %2</translation>
    </message>
    <message>
        <source>%1 of Holy Week</source>
        <extracomment>Monday, Tuesday or Wednesday of Holy Week; %1 is the weekday.</extracomment>
        <translation>%1 der Karwoche</translation>
    </message>
    <message>
        <source>%1 after Ash Wednesday</source>
        <translation>%1 nach Aschermittwoch</translation>
    </message>
    <message>
        <source>%1 within the Octave of Easter</source>
        <translation>%1 der Osteroktav</translation>
    </message>
    <message>
        <source>%1 within the Octave of the Nativity of the Lord</source>
        <translation>%1 der Weihnachtsoktav</translation>
    </message>
    <message>
        <source>%1 before the Epiphany</source>
        <translation>%1 vor Erscheinung des Herrn</translation>
    </message>
    <message>
        <source>%1 after the Epiphany</source>
        <translation>%1 nach Erscheinung des Herrn</translation>
    </message>
    <message>
        <source>%1 is longer than a lectionary is read (%2 lines, 1 MB), so nothing was imported into it.</source>
        <translation>%1 ist länger, als eine Leseordnung gelesen wird (%2 Zeilen, 1 MB), daher wurde nichts in die Datei importiert.</translation>
    </message>
    <message>
        <source>%1 ends in half a character, so nothing was imported into it.</source>
        <translation>%1 endet mit einem halben Zeichen, daher wurde nichts in die Datei importiert.</translation>
    </message>
    <message>
        <source>%1 is written in %2, which has no “%3” (in “%4”), so nothing was imported into it. Saved as UTF-8 in a text editor, it takes every character.</source>
        <translation>%1 ist in %2 geschrieben, das kein „%3“ kennt (in „%4“), daher wurde nichts in die Datei importiert. In einem Texteditor als UTF-8 gespeichert, nimmt sie jedes Zeichen auf.</translation>
    </message>
    <message>
        <source>%1 would be longer than a lectionary is read (%2 lines, 1 MB) with these lines, so nothing was imported into it.</source>
        <translation>%1 wäre mit diesen Zeilen länger, als eine Leseordnung gelesen wird (%2 Zeilen, 1 MB), daher wurde nichts in die Datei importiert.</translation>
    </message>
    <message>
        <source>no colon after the day&apos;s name</source>
        <extracomment>Why a line of Lectionary.txt is not read.</extracomment>
        <translation>kein Doppelpunkt nach dem Tagesnamen</translation>
    </message>
    <message>
        <source>the year letter “%1” is not A, B or C</source>
        <extracomment>Why a line of Lectionary.txt is not read: %1 is the letter after the day&apos;s name.</extracomment>
        <translation>das Lesejahr „%1“ ist nicht A, B oder C</translation>
    </message>
    <message>
        <source>“%1” is not a day of the church year</source>
        <extracomment>Why a line of Lectionary.txt is not read: %1 is the day&apos;s name as the line writes it.</extracomment>
        <translation>„%1“ ist kein Tag des Kirchenjahres</translation>
    </message>
    <message>
        <source>no readings after the colon</source>
        <extracomment>Why a line of Lectionary.txt is not read.</extracomment>
        <translation>keine Lesungen nach dem Doppelpunkt</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <extracomment>A line of Lectionary.txt not read: %1 is its number, %2 why.</extracomment>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>the rest of the file was not read: a lectionary is read up to %1 lines</source>
        <extracomment>Where reading Lectionary.txt stopped: %1 is the most lines read.</extracomment>
        <translation>der Rest der Datei wurde nicht gelesen: Eine Leseordnung wird bis zu %1 Zeilen gelesen</translation>
    </message>
    <message>
        <source>the rest of the file was not read: a lectionary is read up to %1 MB</source>
        <extracomment>Where reading Lectionary.txt stopped: %1 is the most megabytes read.</extracomment>
        <translation>der Rest der Datei wurde nicht gelesen: Eine Leseordnung wird bis zu %1 MB gelesen</translation>
    </message>
    <message>
        <source>%1 is not open for reading</source>
        <translation>%1 ist nicht zum Lesen geöffnet</translation>
    </message>
    <message>
        <source>%1 is a folder</source>
        <extracomment>%1 is the lectionary&apos;s file name.</extracomment>
        <translation>%1 ist ein Ordner</translation>
    </message>
    <message>
        <source>%1 is not a regular file</source>
        <translation>%1 ist keine reguläre Datei</translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2</source>
        <extracomment>%1 is the lectionary&apos;s file name, %2 the system&apos;s reason.</extracomment>
        <translation>%1 kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <extracomment>%1 is the lectionary&apos;s file name, %2 the system&apos;s reason.</extracomment>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>Suggest Hymns&apos; note on Lectionary.txt: %1 is the file&apos;s name, %2 its first line not read.</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1, %2 (and %3 more)</source>
        <extracomment>Suggest Hymns&apos; note on Lectionary.txt: %1 is the file&apos;s name, %2 its first line not read, %3 how many more.</extracomment>
        <translation>%1, %2 (und %3 weitere)</translation>
    </message>
</context>
<context>
    <name>ChurchYearMenu</name>
    <message>
        <source>Church &amp;Year</source>
        <translation>&amp;Kirchenjahr</translation>
    </message>
    <message>
        <source>&amp;Propers (“Proper 17”)</source>
        <translation>&amp;Proprien („Proprium 17“)</translation>
    </message>
    <message>
        <source>Sundays after P&amp;entecost (“Pentecost 14”)</source>
        <translation>Sonntage nach Pfin&amp;gsten („14. Sonntag nach Pfingsten“)</translation>
    </message>
    <message>
        <source>&amp;Ordinary Time (“Ordinary Time 22”)</source>
        <translation>&amp;Jahreskreis („22. So. im Jahreskreis“)</translation>
    </message>
    <message>
        <source>Sundays after &amp;Trinity (“Trinity 13”)</source>
        <translation>Sonntage nach &amp;Trinitatis („13. Sonntag nach Trinitatis“)</translation>
    </message>
    <message>
        <source>&amp;Roman Rite (“Twenty-second Sunday in Ordinary Time”)</source>
        <translation>&amp;Römischer Ritus („22. Sonntag im Jahreskreis“)</translation>
    </message>
    <message>
        <source>Epiphany on the &amp;Sunday January 2–8</source>
        <translation>Erscheinung des Herrn am &amp;Sonntag vom 2. bis 8. Januar</translation>
    </message>
    <message>
        <source>Roman Rite: the Epiphany on the Sunday from January 2 to 8 instead of January 6; the Baptism of the Lord then falls on the Monday after a January 7 or 8</source>
        <translation>Römischer Ritus: Erscheinung des Herrn am Sonntag zwischen dem 2. und 8. Januar statt am 6. Januar; die Taufe des Herrn fällt dann auf den Montag nach einem 7. oder 8. Januar</translation>
    </message>
    <message>
        <source>&amp;Ascension on the Following Sunday</source>
        <translation>Christi &amp;Himmelfahrt am folgenden Sonntag</translation>
    </message>
    <message>
        <source>Roman Rite: the Ascension on the Seventh Sunday of Easter instead of the Thursday before</source>
        <translation>Römischer Ritus: Christi Himmelfahrt am 7. Sonntag der Osterzeit statt am Donnerstag davor</translation>
    </message>
    <message>
        <source>&amp;Body and Blood of Christ on the Following Sunday</source>
        <translation>&amp;Fronleichnam am folgenden Sonntag</translation>
    </message>
    <message>
        <source>Roman Rite: the Most Holy Body and Blood of Christ on the Sunday after Trinity instead of the Thursday</source>
        <translation>Römischer Ritus: das Hochfest des Leibes und Blutes Christi am Sonntag nach dem Dreifaltigkeitssonntag statt am Donnerstag</translation>
    </message>
    <message>
        <source>Offer Day &amp;Names Always</source>
        <translation>Tages&amp;namen immer anbieten</translation>
    </message>
    <message>
        <source>Offer the day&apos;s name as the occasion of a new service even in a log whose latest service has none</source>
        <translation>Den Namen des Tages auch dann als Anlass eines neuen Gottesdienstes anbieten, wenn der letzte Gottesdienst der Liste keinen hat</translation>
    </message>
</context>
<context>
    <name>FileChangedBar</name>
    <message>
        <source>&amp;Put Back Backup…</source>
        <translation>Sicherung &amp;wiederherstellen…</translation>
    </message>
    <message>
        <source>&amp;Keep Log</source>
        <translation>Liste &amp;behalten</translation>
    </message>
    <message>
        <source>Put the backup back in place of the log</source>
        <translation>Die Sicherung anstelle der Gottesdienstliste wiederherstellen</translation>
    </message>
    <message>
        <source>Keep the log as it is</source>
        <translation>Die Gottesdienstliste so lassen, wie sie ist</translation>
    </message>
    <message>
        <source>The last write of %1 was cut short: the log may hold part of a service.</source>
        <translation>Der letzte Schreibvorgang in %1 wurde abgebrochen: Die Gottesdienstliste enthält womöglich einen unvollständigen Gottesdienst.</translation>
    </message>
    <message>
        <source>The last write of %1 was cut short: the log may hold part of a service. %2 holds it as it was.</source>
        <translation>Der letzte Schreibvorgang in %1 wurde abgebrochen: Die Gottesdienstliste enthält womöglich einen unvollständigen Gottesdienst. %2 enthält sie im vorherigen Zustand.</translation>
    </message>
    <message>
        <source>&amp;Reload</source>
        <translation>&amp;Neu laden</translation>
    </message>
    <message>
        <source>&amp;Dismiss</source>
        <translation>&amp;Ausblenden</translation>
    </message>
    <message>
        <source>Reload the file</source>
        <translation>Die Datei neu laden</translation>
    </message>
    <message>
        <source>Dismiss the notice</source>
        <translation>Den Hinweis ausblenden</translation>
    </message>
    <message>
        <source>%1 changed on disk</source>
        <extracomment>%1 is the loaded file&apos;s name</extracomment>
        <translation>%1 wurde auf dem Datenträger geändert</translation>
    </message>
    <message>
        <source>%1 was moved or deleted on disk</source>
        <extracomment>%1 is the loaded file&apos;s name</extracomment>
        <translation>%1 wurde auf dem Datenträger verschoben oder gelöscht</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>title only</source>
        <comment>caption</comment>
        <extracomment>the design&apos;s caption: at most 53 px wide in Arial 8.25 bold, on one line; list the hymns&apos; titles only</extracomment>
        <translation>nur Titel</translation>
    </message>
    <message>
        <source>title only</source>
        <comment>full text</comment>
        <extracomment>tooltip and screen reader name of the caption</extracomment>
        <translation>nur Titel</translation>
    </message>
    <message>
        <source>of music?</source>
        <comment>caption</comment>
        <extracomment>the design&apos;s caption: at most 55 px wide in Arial 8.25 bold, on one line; beside the year box: the year is the music&apos;s (from its credit), not the text&apos;s</extracomment>
        <translation>Melodie?</translation>
    </message>
    <message>
        <source>of music?</source>
        <comment>full text</comment>
        <extracomment>tooltip and screen reader name of the caption</extracomment>
        <translation>der Melodie?</translation>
    </message>
    <message>
        <source>book list</source>
        <comment>caption</comment>
        <extracomment>the design&apos;s caption: at most 39 px wide in Arial 8.25 bold, on two lines; the button that opens the list of scripture books</extracomment>
        <translation>Bücher</translation>
    </message>
    <message>
        <source>book list</source>
        <comment>full text</comment>
        <extracomment>tooltip and screen reader name of the caption</extracomment>
        <translation>Liste der Bibelbücher</translation>
    </message>
    <message>
        <source>incl. refs</source>
        <comment>caption</comment>
        <extracomment>the design&apos;s caption: at most 26 px wide in Arial 8.25 bold, on two lines; &quot;including references&quot;: list the lines of scripture references too</extracomment>
        <translation>inkl. Stel.</translation>
    </message>
    <message>
        <source>incl. refs</source>
        <comment>full text</comment>
        <extracomment>tooltip and screen reader name of the caption</extracomment>
        <translation>einschließlich Bibelstellen</translation>
    </message>
    <message>
        <source>Tally</source>
        <comment>caption</comment>
        <extracomment>the design&apos;s caption: at most 47 px wide in Arial 9.75 bold, on one line; the button that counts the uses of each hymn</extracomment>
        <translation>Zählen</translation>
    </message>
    <message>
        <source>Tally</source>
        <comment>full text</comment>
        <extracomment>tooltip and screen reader name of the caption</extracomment>
        <translation>Zählen</translation>
    </message>
    <message>
        <source> full # only</source>
        <comment>caption</comment>
        <extracomment>the design&apos;s caption: at most 61 px wide in Arial 8.25 bold, on one line; the leading blank included; &quot;#&quot; is the hymn number: find that whole number only, not the numbers that begin with it</extracomment>
        <translation> exakte Nr.</translation>
    </message>
    <message>
        <source> full # only</source>
        <comment>full text</comment>
        <extracomment>tooltip and screen reader name of the caption</extracomment>
        <translation> nur die ganze Liednummer</translation>
    </message>
    <message>
        <source>Find</source>
        <comment>caption</comment>
        <extracomment>the design&apos;s caption: at most 47 px wide in Arial 9.75 bold, on one line; the search button</extracomment>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Find</source>
        <comment>full text</comment>
        <extracomment>tooltip and screen reader name of the caption</extracomment>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Clear</source>
        <comment>caption</comment>
        <extracomment>the design&apos;s caption: at most 55 px wide in Arial 9.75 bold, on one line; the button that empties the criteria boxes</extracomment>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>Clear</source>
        <comment>full text</comment>
        <extracomment>tooltip and screen reader name of the caption</extracomment>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>Get File</source>
        <comment>caption</comment>
        <extracomment>the design&apos;s caption: at most 71 px wide in Arial 9.75 bold, on one line; the button that loads the file chosen</extracomment>
        <translation>Datei laden</translation>
    </message>
    <message>
        <source>Get File</source>
        <comment>full text</comment>
        <extracomment>tooltip and screen reader name of the caption</extracomment>
        <translation>Datei laden</translation>
    </message>
    <message>
        <source>copy w/ title</source>
        <comment>caption</comment>
        <extracomment>the design&apos;s caption: at most 40 px wide in Arial 8.25 bold, on two lines; &quot;copy with the title&quot; (of a hymnal text&apos;s hymn)</extracomment>
        <translation>mit Titel</translation>
    </message>
    <message>
        <source>copy w/ title</source>
        <comment>full text</comment>
        <extracomment>tooltip and screen reader name of the caption</extracomment>
        <translation>mit Titel kopieren</translation>
    </message>
    <message>
        <source>Year</source>
        <comment>caption</comment>
        <extracomment>the design&apos;s caption: at most 25 px wide in Arial 8.25 bold, on one line</extracomment>
        <translation>Jahr</translation>
    </message>
    <message>
        <source>Year</source>
        <comment>full text</comment>
        <extracomment>tooltip and screen reader name of the caption</extracomment>
        <translation>Jahr</translation>
    </message>
    <message>
        <source>exclude title:</source>
        <comment>caption</comment>
        <extracomment>the design&apos;s caption: at most 89 px wide in Arial 8.25 bold italic, on one line</extracomment>
        <translation>Titel ausschl.:</translation>
    </message>
    <message>
        <source>exclude title:</source>
        <comment>full text</comment>
        <extracomment>tooltip and screen reader name of the caption</extracomment>
        <translation>Titel ausschließen:</translation>
    </message>
    <message>
        <source># of hymns:</source>
        <comment>caption</comment>
        <extracomment>the design&apos;s caption: at most 65 px wide in Arial 8.25 bold, on one line; &quot;#&quot; is &quot;number&quot;</extracomment>
        <translation>Anz. Lieder:</translation>
    </message>
    <message>
        <source># of hymns:</source>
        <comment>full text</comment>
        <extracomment>tooltip and screen reader name of the caption</extracomment>
        <translation>Anzahl Lieder:</translation>
    </message>
    <message>
        <source>exclude hymn:</source>
        <comment>caption</comment>
        <extracomment>the design&apos;s caption: at most 81 px wide in Arial 8.25 bold italic, on one line</extracomment>
        <translation>Lied ausschl.:</translation>
    </message>
    <message>
        <source>exclude hymn:</source>
        <comment>full text</comment>
        <extracomment>tooltip and screen reader name of the caption</extracomment>
        <translation>Lied ausschließen:</translation>
    </message>
    <message>
        <source>Sort tally by:</source>
        <comment>caption</comment>
        <extracomment>the design&apos;s caption: at most 81 px wide in Arial 8.25 bold, on one line</extracomment>
        <translation>Sortieren nach:</translation>
    </message>
    <message>
        <source>Sort tally by:</source>
        <comment>full text</comment>
        <extracomment>tooltip and screen reader name of the caption</extracomment>
        <translation>Zählung sortieren nach:</translation>
    </message>
    <message>
        <source>Limit date to:</source>
        <comment>caption</comment>
        <extracomment>the design&apos;s caption: at most 49 px wide in Arial 9.75 bold, on two lines</extracomment>
        <translation>Datum filtern:</translation>
    </message>
    <message>
        <source>Limit date to:</source>
        <comment>full text</comment>
        <extracomment>tooltip and screen reader name of the caption</extracomment>
        <translation>Datum eingrenzen auf:</translation>
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
        <translation>Anzahl</translation>
    </message>
    <message>
        <source>Title phrase:</source>
        <comment>caption</comment>
        <extracomment>the design&apos;s caption: at most 57 px wide in Arial 9.75 bold, on two lines</extracomment>
        <translation>Titel enthält:</translation>
    </message>
    <message>
        <source>Title phrase:</source>
        <comment>full text</comment>
        <extracomment>tooltip and screen reader name of the caption</extracomment>
        <translation>Titel enthält:</translation>
    </message>
    <message>
        <source>Hymn #</source>
        <comment>caption</comment>
        <extracomment>the design&apos;s caption: at most 49 px wide in Arial 9.75 bold, on one line; &quot;hymn number&quot;</extracomment>
        <translation>Lied-Nr.</translation>
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
        <translation>Dateien:</translation>
    </message>
    <message>
        <source>Files:</source>
        <comment>full text</comment>
        <extracomment>tooltip and screen reader name of the caption</extracomment>
        <translation>Dateien:</translation>
    </message>
    <message>
        <source>Limit title to:</source>
        <comment>caption</comment>
        <extracomment>the design&apos;s caption: at most 49 px wide in Arial 9.75 bold, on two lines; for a hymnal text</extracomment>
        <translation>Titel filtern:</translation>
    </message>
    <message>
        <source>Limit title to:</source>
        <comment>full text</comment>
        <extracomment>tooltip and screen reader name of the caption</extracomment>
        <translation>Titel eingrenzen auf:</translation>
    </message>
    <message>
        <source>Verse phrase:</source>
        <comment>caption</comment>
        <extracomment>the design&apos;s caption: at most 57 px wide in Arial 9.75 bold, on two lines; for a hymnal text</extracomment>
        <translation>Strophe enthält:</translation>
    </message>
    <message>
        <source>Verse phrase:</source>
        <comment>full text</comment>
        <extracomment>tooltip and screen reader name of the caption</extracomment>
        <translation>Strophe enthält:</translation>
    </message>
    <message>
        <source>exclude phrase:</source>
        <comment>caption</comment>
        <extracomment>the design&apos;s caption: at most 89 px wide in Arial 8.25 bold italic, on one line; for a hymnal text</extracomment>
        <translation>Wortl. ausschl.:</translation>
    </message>
    <message>
        <source>exclude phrase:</source>
        <comment>full text</comment>
        <extracomment>tooltip and screen reader name of the caption</extracomment>
        <translation>Wortlaut ausschließen:</translation>
    </message>
    <message>
        <source>  # of dates:</source>
        <comment>caption</comment>
        <extracomment>the design&apos;s caption: at most 65 px wide in Arial 8.25 bold, on one line; the leading blanks included (they move it right); for a service log; &quot;#&quot; is &quot;number&quot;</extracomment>
        <translation>  Datenzahl:</translation>
    </message>
    <message>
        <source>  # of dates:</source>
        <comment>full text</comment>
        <extracomment>tooltip and screen reader name of the caption</extracomment>
        <translation>  Anzahl Daten:</translation>
    </message>
    <message>
        <source>           sum:</source>
        <comment>caption</comment>
        <extracomment>the design&apos;s caption: at most 65 px wide in Arial 8.25 bold, on one line; the leading blanks included (they move it right); the sum of a tally&apos;s counts</extracomment>
        <translation>           ges.:</translation>
    </message>
    <message>
        <source>           sum:</source>
        <comment>full text</comment>
        <extracomment>tooltip and screen reader name of the caption</extracomment>
        <translation>           Summe:</translation>
    </message>
    <message>
        <source>copy w/ date</source>
        <comment>caption</comment>
        <extracomment>the design&apos;s caption: at most 40 px wide in Arial 8.25 bold, on two lines; &quot;copy with the date&quot; (of a service)</extracomment>
        <translation>mit Datum</translation>
    </message>
    <message>
        <source>copy w/ date</source>
        <comment>full text</comment>
        <extracomment>tooltip and screen reader name of the caption</extracomment>
        <translation>mit Datum kopieren</translation>
    </message>
    <message>
        <source>Clear*</source>
        <comment>caption</comment>
        <extracomment>the design&apos;s caption: at most 55 px wide in Arial 9.75 bold, on one line; the Clear button while criteria are set, which the star marks</extracomment>
        <translation>Leeren*</translation>
    </message>
    <message>
        <source>Clear*</source>
        <comment>full text</comment>
        <extracomment>tooltip and screen reader name of the caption</extracomment>
        <translation>Leeren, Kriterien gesetzt</translation>
    </message>
    <message>
        <source>freq</source>
        <comment>caption</comment>
        <extracomment>the design&apos;s caption: at most 48 px wide in MS Sans Serif 8.25, on one line; a row of the tally&apos;s sort box: by how often a hymn was used</extracomment>
        <translation>Anzahl</translation>
    </message>
    <message>
        <source>freq</source>
        <comment>full text</comment>
        <extracomment>tooltip and screen reader name of the caption</extracomment>
        <translation>Häufigkeit</translation>
    </message>
    <message>
        <source>title</source>
        <comment>caption</comment>
        <extracomment>the design&apos;s caption: at most 48 px wide in MS Sans Serif 8.25, on one line; a row of the tally&apos;s sort box: by the hymn&apos;s title</extracomment>
        <translation>Titel</translation>
    </message>
    <message>
        <source>title</source>
        <comment>full text</comment>
        <extracomment>tooltip and screen reader name of the caption</extracomment>
        <translation>Titel</translation>
    </message>
    <message>
        <source>hymn #</source>
        <comment>caption</comment>
        <extracomment>the design&apos;s caption: at most 48 px wide in MS Sans Serif 8.25, on one line; a row of the tally&apos;s sort box: by the hymn number</extracomment>
        <translation>Lied-Nr.</translation>
    </message>
    <message>
        <source>hymn #</source>
        <comment>full text</comment>
        <extracomment>tooltip and screen reader name of the caption</extracomment>
        <translation>Liednummer</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; cannot be opened: %2.</source>
        <extracomment>%1 is the folder&apos;s path, %2 the system&apos;s reason</extracomment>
        <translation>Der Ordner &quot;%1&quot; kann nicht geöffnet werden: %2.</translation>
    </message>
    <message>
        <source>Change Folder</source>
        <translation>Ordner wechseln</translation>
    </message>
    <message>
        <source>Folders</source>
        <extracomment>screen reader name of the folder list</extracomment>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>Scripture books</source>
        <extracomment>screen reader name of the list of scripture books</extracomment>
        <translation>Bibelbücher</translation>
    </message>
    <message>
        <source>full number only</source>
        <extracomment>screen reader name of the check box &quot; full # only&quot;: the hymn number matches whole</extracomment>
        <translation>nur die ganze Liednummer</translation>
    </message>
    <message>
        <source>Counts</source>
        <extracomment>screen reader name of the left list in a tally: how often each hymn was used</extracomment>
        <translation>Häufigkeiten</translation>
    </message>
    <message>
        <source>Hymns</source>
        <extracomment>screen reader name of the right list in a tally: the hymns counted</extracomment>
        <translation>Lieder</translation>
    </message>
    <message>
        <source>Titles</source>
        <extracomment>screen reader name of the left list: a hymnal text&apos;s titles (or, next, a service log&apos;s dates)</extracomment>
        <translation>Titel</translation>
    </message>
    <message>
        <source>Dates</source>
        <translation>Daten</translation>
    </message>
    <message>
        <source>Verse lines</source>
        <translation>Strophenzeilen</translation>
    </message>
    <message>
        <source>Hymn lines</source>
        <translation>Liedzeilen</translation>
    </message>
    <message>
        <source>Hymns loaded</source>
        <extracomment>screen reader name of a count, heard before its value (&quot;Hymns loaded: 120&quot;); so are the names next to it</extracomment>
        <translation>Geladene Lieder</translation>
    </message>
    <message>
        <source>Services loaded</source>
        <translation>Geladene Gottesdienste</translation>
    </message>
    <message>
        <source>Hymns listed</source>
        <translation>Aufgelistete Lieder</translation>
    </message>
    <message>
        <source>Dates listed</source>
        <translation>Aufgelistete Daten</translation>
    </message>
    <message>
        <source>Hymns tallied</source>
        <translation>Gezählte Lieder</translation>
    </message>
    <message>
        <source>Uses counted</source>
        <translation>Gezählte Verwendungen</translation>
    </message>
    <message>
        <source>Lines listed</source>
        <translation>Aufgelistete Zeilen</translation>
    </message>
    <message>
        <source>Hymn lines listed</source>
        <translation>Aufgelistete Liedzeilen</translation>
    </message>
    <message>
        <source>Row clicked</source>
        <translation>Angeklickte Zeile</translation>
    </message>
    <message>
        <source>File date</source>
        <translation>Dateidatum</translation>
    </message>
    <message>
        <source>File loaded</source>
        <translation>Geladene Datei</translation>
    </message>
    <message>
        <source>Volume</source>
        <extracomment>screen reader name of the list of drives (volumes)</extracomment>
        <translation>Laufwerk</translation>
    </message>
    <message>
        <source>Change Drive</source>
        <translation>Laufwerk wechseln</translation>
    </message>
    <message>
        <source>Error encountered while changing drive</source>
        <translation>Fehler beim Wechseln des Laufwerks</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; is no longer there, so &quot;%2&quot; could not be read.</source>
        <extracomment>%1 is the folder&apos;s path, %2 the file&apos;s name</extracomment>
        <translation>Den Ordner &quot;%1&quot; gibt es nicht mehr, daher konnte &quot;%2&quot; nicht gelesen werden.</translation>
    </message>
    <message>
        <source>File Error</source>
        <translation>Dateifehler</translation>
    </message>
    <message>
        <source>Limit reached</source>
        <translation>Grenze erreicht</translation>
    </message>
    <message>
        <source>Show output</source>
        <translation>Ausgabe anzeigen</translation>
    </message>
    <message>
        <source>Show entire file (may be slow)?</source>
        <translation>Die ganze Datei anzeigen (kann langsam sein)?</translation>
    </message>
    <message>
        <source>Clear, criteria set</source>
        <translation>Leeren, Kriterien gesetzt</translation>
    </message>
</context>
<context>
    <name>HymnBoard</name>
    <message>
        <source>Hymn board</source>
        <translation>Liedtafel</translation>
    </message>
</context>
<context>
    <name>HymnBoardDialog</name>
    <message>
        <source>Print Hymn Board</source>
        <translation>Liedtafel drucken</translation>
    </message>
    <message>
        <source>On the board, one a line: %1</source>
        <translation>Auf der Tafel, eine je Zeile: %1</translation>
    </message>
    <message>
        <source>&amp;Date and occasion above them: %1</source>
        <translation>Datum und &amp;Anlass darüber: %1</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>&amp;Drucken…</translation>
    </message>
    <message>
        <source>&amp;Save PDF…</source>
        <translation>Als PDF &amp;speichern…</translation>
    </message>
    <message>
        <source>The hymn board could not be printed.</source>
        <translation>Die Liedtafel konnte nicht gedruckt werden.</translation>
    </message>
    <message>
        <source>The hymn board was sent to %1</source>
        <translation>Die Liedtafel wurde an %1 gesendet</translation>
    </message>
    <message>
        <source>Save Hymn Board as PDF</source>
        <translation>Liedtafel als PDF speichern</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
    <message>
        <source>the PDF could not be made</source>
        <translation>die PDF-Datei konnte nicht erstellt werden</translation>
    </message>
    <message>
        <source>The hymn board could not be saved as &quot;%1&quot;: %2. Nothing was changed there.</source>
        <translation>Die Liedtafel konnte nicht als &quot;%1&quot; gespeichert werden: %2. Dort wurde nichts verändert.</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>%1 gespeichert</translation>
    </message>
</context>
<context>
    <name>HymnRow</name>
    <message>
        <source>Drag to move this line; Alt+Up and Alt+Down move it with the keyboard</source>
        <translation>Ziehen, um diese Zeile zu verschieben; Alt+Pfeil nach oben und Alt+Pfeil nach unten verschieben sie mit der Tastatur</translation>
    </message>
    <message>
        <source>Title, or a line without a number</source>
        <translation>Titel oder eine Zeile ohne Nummer</translation>
    </message>
    <message>
        <source>Last sung %1</source>
        <translation>Zuletzt gesungen: %1</translation>
    </message>
    <message>
        <source>Hymn number, line %1</source>
        <translation>Liednummer, Zeile %1</translation>
    </message>
    <message>
        <source>Title, line %1</source>
        <translation>Titel, Zeile %1</translation>
    </message>
    <message>
        <source>Use of line %1</source>
        <translation>Verwendung von Zeile %1</translation>
    </message>
    <message>
        <source>Not in the log</source>
        <translation>Nicht in der Gottesdienstliste</translation>
    </message>
    <message>
        <source>Not sung before this date</source>
        <translation>Vor diesem Datum nicht gesungen</translation>
    </message>
    <message numerus="yes">
        <source>within %n week(s)</source>
        <translation>
            <numerusform>innerhalb von %n Woche</numerusform>
            <numerusform>innerhalb von %n Wochen</numerusform>
        </translation>
    </message>
    <message>
        <source>none in 12 months</source>
        <translation>keinmal in 12 Monaten</translation>
    </message>
    <message>
        <source>once in 12 months</source>
        <translation>einmal in 12 Monaten</translation>
    </message>
    <message>
        <source>%1 times in 12 months</source>
        <translation>%1-mal in 12 Monaten</translation>
    </message>
</context>
<context>
    <name>HymnRows</name>
    <message>
        <source>Hymns</source>
        <translation>Lieder</translation>
    </message>
</context>
<context>
    <name>ImportLectionaryDialog</name>
    <message>
        <source>&amp;Open File…</source>
        <translation>&amp;Datei öffnen…</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Einfügen</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importieren</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Import Lectionary</source>
        <translation>Leseordnung importieren</translation>
    </message>
    <message>
        <source>Tables (*.csv *.tsv *.tab *.txt);;All files (*)</source>
        <translation>Tabellen (*.csv *.tsv *.tab *.txt);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>A CSV or tab-separated file, as a spreadsheet saves it</source>
        <translation>Eine CSV- oder tabulatorgetrennte Datei, wie eine Tabellenkalkulation sie speichert</translation>
    </message>
    <message>
        <source>A table copied in a spreadsheet or on a web page</source>
        <translation>Eine Tabelle, kopiert in einer Tabellenkalkulation oder auf einer Webseite</translation>
    </message>
    <message>
        <source>Column of the day&apos;s name</source>
        <translation>Spalte des Tagesnamens</translation>
    </message>
    <message>
        <source>Column of the year</source>
        <translation>Spalte des Lesejahrs</translation>
    </message>
    <message>
        <source>Columns of the readings</source>
        <translation>Spalten der Lesungen</translation>
    </message>
    <message>
        <source>Every column ticked is a reading; they are joined by &quot;; &quot; in their order</source>
        <translation>Jede angekreuzte Spalte ist eine Lesung; sie werden in ihrer Reihenfolge mit &quot;; &quot; verbunden</translation>
    </message>
    <message>
        <source>Preview of the table</source>
        <translation>Vorschau der Tabelle</translation>
    </message>
    <message>
        <source>Rows not read</source>
        <translation>Nicht gelesene Zeilen</translation>
    </message>
    <message>
        <source>Write the lines into %1 beside the hymnal</source>
        <translation>Die Zeilen in %1 neben dem Gesangbuch schreiben</translation>
    </message>
    <message>
        <source>&amp;Day&apos;s name:</source>
        <translation>&amp;Tagesname:</translation>
    </message>
    <message>
        <source>&amp;Year:</source>
        <translation>Lese&amp;jahr:</translation>
    </message>
    <message>
        <source>&amp;Readings:</source>
        <translation>&amp;Lesungen:</translation>
    </message>
    <message>
        <source>Rows &amp;not read:</source>
        <translation>&amp;Nicht gelesene Zeilen:</translation>
    </message>
    <message>
        <source>“%1” holds no table.</source>
        <translation>„%1“ enthält keine Tabelle.</translation>
    </message>
    <message>
        <source>The clipboard holds no table. Copy the lectionary&apos;s table in a spreadsheet or on a web page, then press Paste.</source>
        <translation>Die Zwischenablage enthält keine Tabelle. Kopieren Sie die Tabelle der Leseordnung in einer Tabellenkalkulation oder auf einer Webseite und klicken Sie dann auf „Einfügen“.</translation>
    </message>
    <message>
        <source>The clipboard&apos;s HTML table</source>
        <translation>Die HTML-Tabelle der Zwischenablage</translation>
    </message>
    <message>
        <source>The clipboard&apos;s text</source>
        <translation>Der Text der Zwischenablage</translation>
    </message>
    <message>
        <source>Open a CSV or tab-separated file, or copy a lectionary&apos;s table in a spreadsheet or on a web page and paste it here.</source>
        <translation>Öffnen Sie eine CSV- oder tabulatorgetrennte Datei, oder kopieren Sie die Tabelle einer Leseordnung in einer Tabellenkalkulation oder auf einer Webseite und fügen Sie sie hier ein.</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n row(s)</source>
        <translation>
            <numerusform>%1: %n Zeile</numerusform>
            <numerusform>%1: %n Zeilen</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A column of the imported table: its letter and the heading above it, &quot;B: Sunday&quot;.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>None (every year, or as the day&apos;s name says)</source>
        <translation>Keine (jedes Jahr oder wie der Tagesname angibt)</translation>
    </message>
    <message>
        <source>Choose the column of the day&apos;s name and at least one column of readings.</source>
        <translation>Wählen Sie die Spalte des Tagesnamens und mindestens eine Spalte mit Lesungen.</translation>
    </message>
    <message>
        <source>No row gives a line for %1.</source>
        <translation>Keine Tabellenzeile ergibt eine Zeile für %1.</translation>
    </message>
    <message>
        <source>They go into the %1 beside the hymnal; its lines for the same days and years are replaced only after a question, and the rest of it stays as it is.</source>
        <translation>Sie kommen in %1 neben dem Gesangbuch; die dortigen Zeilen für dieselben Tage und Jahre werden erst nach Rückfrage ersetzt, alles Übrige bleibt, wie es ist.</translation>
    </message>
    <message>
        <source>They make a new %1 beside the hymnal.</source>
        <translation>Sie ergeben eine neue Datei %1 neben dem Gesangbuch.</translation>
    </message>
    <message numerus="yes">
        <source>%n line(s) to write.</source>
        <translation>
            <numerusform>%n Zeile zu schreiben.</numerusform>
            <numerusform>%n Zeilen zu schreiben.</numerusform>
        </translation>
    </message>
    <message>
        <source>line %1: %2 (removed: a second line for the same day and year)</source>
        <extracomment>A line of Lectionary.txt the import removes: a second line for a day and year.</extracomment>
        <translation>Zeile %1: %2 (entfernt: eine zweite Zeile für denselben Tag und dasselbe Jahr)</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>… and %n more</source>
        <translation>
            <numerusform>… und %n weitere</numerusform>
            <numerusform>… und %n weitere</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 already has %n line(s) for the days and years imported:</source>
        <translation>
            <numerusform>%1 hat bereits %n Zeile für die importierten Tage und Jahre:</numerusform>
            <numerusform>%1 hat bereits %n Zeilen für die importierten Tage und Jahre:</numerusform>
        </translation>
    </message>
    <message>
        <source>Replace them with the imported lines? Every other line stays as it is.</source>
        <translation>Durch die importierten Zeilen ersetzen? Alle anderen Zeilen bleiben, wie sie sind.</translation>
    </message>
    <message>
        <source>%1 holds these lines already, so nothing was written.</source>
        <translation>%1 enthält diese Zeilen bereits, daher wurde nichts geschrieben.</translation>
    </message>
    <message numerus="yes">
        <source>%1 written: %n line(s) imported</source>
        <translation>
            <numerusform>%1 geschrieben: %n Zeile importiert</numerusform>
            <numerusform>%1 geschrieben: %n Zeilen importiert</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 made beside the hymnal: %n line(s)</source>
        <translation>
            <numerusform>%1 neben dem Gesangbuch erstellt: %n Zeile</numerusform>
            <numerusform>%1 neben dem Gesangbuch erstellt: %n Zeilen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %n row(s) (the rest was left out: a table is read up to %2 rows and %3 columns)</source>
        <translation>
            <numerusform>%1: %n Zeile (der Rest wurde ausgelassen: Eine Tabelle wird bis zu %2 Zeilen und %3 Spalten gelesen)</numerusform>
            <numerusform>%1: %n Zeilen (der Rest wurde ausgelassen: Eine Tabelle wird bis zu %2 Zeilen und %3 Spalten gelesen)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ImportPreviewModel</name>
    <message>
        <source>day</source>
        <translation>Tag</translation>
    </message>
    <message>
        <source>year</source>
        <translation>Jahr</translation>
    </message>
    <message>
        <source>readings</source>
        <translation>Lesungen</translation>
    </message>
    <message>
        <source>%1 · %2</source>
        <extracomment>A column of the imported table and what it is taken for: &quot;B Sunday · day&quot;.</extracomment>
        <translation>%1 · %2</translation>
    </message>
    <message>
        <source>(the headings)</source>
        <translation>(die Überschriften)</translation>
    </message>
    <message>
        <source>Written to Lectionary.txt</source>
        <translation>In Lectionary.txt geschrieben</translation>
    </message>
</context>
<context>
    <name>LanguageMenu</name>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Sprache</translation>
    </message>
    <message>
        <source>&amp;System</source>
        <translation>&amp;Systemsprache</translation>
    </message>
    <message>
        <source>Takes effect at the next start</source>
        <translation>Wirkt ab dem nächsten Start</translation>
    </message>
</context>
<context>
    <name>Logbook</name>
    <message>
        <source>&quot;%1&quot; holds the same bytes as &quot;%2&quot;.</source>
        <translation>&quot;%1&quot; enthält dieselben Bytes wie &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>The first %1 of the %2 bytes of &quot;%3&quot; are as in &quot;%4&quot; (%5 bytes); after them the log differs.</source>
        <translation>Die ersten %1 der %2 Bytes von &quot;%3&quot; stimmen mit &quot;%4&quot; (%5 Bytes) überein; danach weicht die Gottesdienstliste ab.</translation>
    </message>
    <message numerus="yes">
        <source>The log holds %n NUL byte(s) that the backup does not.</source>
        <translation>
            <numerusform>Die Gottesdienstliste enthält %n NUL-Byte, das die Sicherung nicht enthält.</numerusform>
            <numerusform>Die Gottesdienstliste enthält %n NUL-Bytes, die die Sicherung nicht enthält.</numerusform>
        </translation>
    </message>
    <message>
        <source>The mark beside &quot;%1&quot; names no backup that can be put back.</source>
        <translation>Die Markierung neben &quot;%1&quot; nennt keine Sicherung, die wiederhergestellt werden kann.</translation>
    </message>
    <message>
        <source>The backup &quot;%1&quot; is no longer as it was written (it was changed, moved or removed), so it was not put back. &quot;%2&quot; is as it was.</source>
        <translation>Die Sicherung &quot;%1&quot; ist nicht mehr so, wie sie geschrieben wurde (sie wurde geändert, verschoben oder entfernt), daher wurde sie nicht wiederhergestellt. &quot;%2&quot; ist unverändert.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; put back in place of &quot;%2&quot;</source>
        <translation>&quot;%1&quot; anstelle von &quot;%2&quot; wiederhergestellt</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has changed on disk since it was loaded, so the service was not added.</source>
        <translation>&quot;%1&quot; wurde seit dem Laden auf dem Datenträger geändert, daher wurde der Gottesdienst nicht hinzugefügt.</translation>
    </message>
    <message>
        <source> Make room on the disk and try again.</source>
        <translation> Schaffen Sie Platz auf dem Datenträger und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source> Check that you may write in the folder &quot;%1&quot;.</source>
        <translation> Prüfen Sie, ob Sie im Ordner &quot;%1&quot; schreiben dürfen.</translation>
    </message>
    <message>
        <source> The disk is read-only: copy the log to a disk you can write to and load it from there.</source>
        <translation> Der Datenträger ist schreibgeschützt: Kopieren Sie die Gottesdienstliste auf einen beschreibbaren Datenträger und laden Sie sie von dort.</translation>
    </message>
    <message>
        <source> Try again; if it fails again, check the disk or the network connection.</source>
        <translation> Versuchen Sie es erneut; schlägt es wieder fehl, prüfen Sie den Datenträger oder die Netzwerkverbindung.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is being written by another copy of Cantorix2, so the service was not added. Try again in a moment.</source>
        <translation>&quot;%1&quot; wird gerade von einer anderen Instanz von Cantorix2 geschrieben, daher wurde der Gottesdienst nicht hinzugefügt. Versuchen Sie es gleich noch einmal.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is being written by Cantorix2 on %2, so the service was not added. Try again in a moment.</source>
        <translation>&quot;%1&quot; wird gerade von Cantorix2 auf %2 geschrieben, daher wurde der Gottesdienst nicht hinzugefügt. Versuchen Sie es gleich noch einmal.</translation>
    </message>
    <message>
        <source> Nothing was written.</source>
        <translation> Es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>The last write of &quot;%1&quot; was cut short, so the service was not added: in the bar under the window, put its backup back or keep the log as it is, then add the service again.</source>
        <translation>Der letzte Schreibvorgang in &quot;%1&quot; wurde abgebrochen, daher wurde der Gottesdienst nicht hinzugefügt: Stellen Sie in der Leiste unter dem Fenster die Sicherung wieder her oder behalten Sie die Liste, wie sie ist, und fügen Sie den Gottesdienst dann erneut hinzu.</translation>
    </message>
    <message>
        <source>%1 is read-only, so the service was not added.</source>
        <translation>%1 ist schreibgeschützt, daher wurde der Gottesdienst nicht hinzugefügt.</translation>
    </message>
    <message>
        <source>The name &quot;%1&quot; leaves no room for a backup&apos;s name beside it, so the service was not added. A shorter name will do: rename the log and load it again.</source>
        <translation>Der Name &quot;%1&quot; lässt keinen Platz für den Namen einer Sicherung daneben, daher wurde der Gottesdienst nicht hinzugefügt. Ein kürzerer Name genügt: Benennen Sie die Liste um und laden Sie sie erneut.</translation>
    </message>
    <message>
        <source>Every name for a backup of &quot;%1&quot; (up to &quot;%2&quot;) is taken, so the service was not added. Move old backups away and try again.</source>
        <translation>Alle Namen für eine Sicherung von &quot;%1&quot; (bis &quot;%2&quot;) sind vergeben, daher wurde der Gottesdienst nicht hinzugefügt. Verschieben Sie alte Sicherungen an einen anderen Ort und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>The backup &quot;%1&quot; could not be written: %2. Nothing was written; &quot;%3&quot; is as it was.</source>
        <translation>Die Sicherung &quot;%1&quot; konnte nicht geschrieben werden: %2. Es wurde nichts geschrieben; &quot;%3&quot; ist unverändert.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was not written: the mark of a write in progress could not be left beside it (%2). The file is as it was.</source>
        <translation>&quot;%1&quot; wurde nicht geschrieben: Die Markierung eines laufenden Schreibvorgangs konnte nicht daneben angelegt werden (%2). Die Datei ist unverändert.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be written: %2. Its bytes as they were are in &quot;%3&quot;.</source>
        <translation>&quot;%1&quot; konnte nicht geschrieben werden: %2. Der vorherige Inhalt liegt in &quot;%3&quot;.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be written: %2. The file is as it was; its bytes are also in &quot;%3&quot;.</source>
        <translation>&quot;%1&quot; konnte nicht geschrieben werden: %2. Die Datei ist unverändert; ihr Inhalt liegt auch in &quot;%3&quot;.</translation>
    </message>
    <message>
        <source>; the log as it was is kept in %1</source>
        <translation>; die vorherige Gottesdienstliste ist in %1 aufbewahrt</translation>
    </message>
    <message>
        <source>This file holds hymn texts, not a service log, so no service can be added to it.</source>
        <translation>Diese Datei enthält Liedtexte, keine Gottesdienstliste, daher kann ihr kein Gottesdienst hinzugefügt werden.</translation>
    </message>
    <message>
        <source>The service&apos;s date cannot be written as a head line that the program reads back.</source>
        <translation>Das Datum des Gottesdienstes lässt sich nicht als Kopfzeile schreiben, die das Programm wieder einlesen kann.</translation>
    </message>
    <message>
        <source>The character “%1” cannot be written in this file&apos;s encoding (%2).</source>
        <translation>Das Zeichen „%1“ kann in der Kodierung dieser Datei (%2) nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>The service is not in the file as it was loaded, so nothing was written. Load the log again and choose the service anew.</source>
        <translation>Der Gottesdienst steht nicht mehr so in der Datei, wie sie geladen wurde, daher wurde nichts geschrieben. Laden Sie die Gottesdienstliste erneut und wählen Sie den Gottesdienst neu aus.</translation>
    </message>
    <message>
        <source>This log is full: with this service longer, the program would no longer read the last service of the file, so nothing was written. Start a new log for the services to come.</source>
        <translation>Diese Gottesdienstliste ist voll: Mit diesem längeren Gottesdienst würde das Programm den letzten Gottesdienst der Datei nicht mehr lesen, daher wurde nichts geschrieben. Beginnen Sie eine neue Liste für die kommenden Gottesdienste.</translation>
    </message>
    <message>
        <source>Written this way, the service would change how the program reads other services of the log (a head line without a year takes it from the next one below), so nothing was written.</source>
        <translation>So geschrieben würde der Gottesdienst ändern, wie das Programm andere Gottesdienste der Liste liest (eine Kopfzeile ohne Jahr übernimmt es von der nächsten darunter), daher wurde nichts geschrieben.</translation>
    </message>
    <message numerus="yes">
        <source>Service of %1 changed: %n hymn(s)</source>
        <translation>
            <numerusform>Gottesdienst vom %1 geändert: %n Lied</numerusform>
            <numerusform>Gottesdienst vom %1 geändert: %n Lieder</numerusform>
        </translation>
    </message>
    <message>
        <source>Service of %1 removed</source>
        <translation>Gottesdienst vom %1 entfernt</translation>
    </message>
    <message>
        <source>The service without a date removed</source>
        <translation>Der Gottesdienst ohne Datum wurde entfernt</translation>
    </message>
    <message>
        <source>Cantorix2 has made no change to &quot;%1&quot; that it can undo: it remembers none since its backups were kept.</source>
        <translation>Cantorix2 hat an &quot;%1&quot; keine Änderung vorgenommen, die es rückgängig machen kann: Seit seine Sicherungen aufbewahrt wurden, hat es sich keine gemerkt.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no longer as Cantorix2 left it after its last change (%2), so that change cannot be undone.</source>
        <translation>&quot;%1&quot; ist nicht mehr so, wie Cantorix2 die Datei nach seiner letzten Änderung (%2) hinterlassen hat, daher kann diese Änderung nicht zurückgenommen werden.</translation>
    </message>
    <message>
        <source>The backup &quot;%1&quot; is no longer as Cantorix2 wrote it, so the last change to &quot;%2&quot; cannot be undone.</source>
        <translation>Die Sicherung &quot;%1&quot; ist nicht mehr so, wie Cantorix2 sie geschrieben hat, daher kann die letzte Änderung an &quot;%2&quot; nicht zurückgenommen werden.</translation>
    </message>
    <message>
        <source>Undone: %1</source>
        <translation>Zurückgenommen: %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has changed on disk since it was loaded, so nothing was written.</source>
        <translation>&quot;%1&quot; wurde seit dem Laden auf dem Datenträger geändert, daher wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is being written by another copy of Cantorix2, so nothing was written. Try again in a moment.</source>
        <translation>&quot;%1&quot; wird gerade von einer anderen Instanz von Cantorix2 geschrieben, daher wurde nichts geschrieben. Versuchen Sie es gleich noch einmal.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is being written by Cantorix2 on %2, so nothing was written. Try again in a moment.</source>
        <translation>&quot;%1&quot; wird gerade von Cantorix2 auf %2 geschrieben, daher wurde nichts geschrieben. Versuchen Sie es gleich noch einmal.</translation>
    </message>
    <message>
        <source>The last write of &quot;%1&quot; was cut short, so nothing was written: in the bar under the window, put its backup back or keep the log as it is, then try again.</source>
        <translation>Der letzte Schreibvorgang in &quot;%1&quot; wurde abgebrochen, daher wurde nichts geschrieben: Stellen Sie in der Leiste unter dem Fenster die Sicherung wieder her oder behalten Sie die Liste, wie sie ist, und versuchen Sie es dann erneut.</translation>
    </message>
    <message>
        <source>%1 is read-only, so nothing was written.</source>
        <translation>%1 ist schreibgeschützt, daher wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>The name &quot;%1&quot; leaves no room for a backup&apos;s name beside it, so nothing was written. A shorter name will do: rename the log and load it again.</source>
        <translation>Der Name &quot;%1&quot; lässt keinen Platz für den Namen einer Sicherung daneben, daher wurde nichts geschrieben. Ein kürzerer Name genügt: Benennen Sie die Liste um und laden Sie sie erneut.</translation>
    </message>
    <message>
        <source>Every name for a backup of &quot;%1&quot; (up to &quot;%2&quot;) is taken, so nothing was written. Move old backups away and try again.</source>
        <translation>Alle Namen für eine Sicherung von &quot;%1&quot; (bis &quot;%2&quot;) sind vergeben, daher wurde nichts geschrieben. Verschieben Sie alte Sicherungen an einen anderen Ort und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>UTF-8 with byte-order mark</source>
        <translation>UTF-8 mit Byte-Order-Mark</translation>
    </message>
    <message>
        <source>The occasion holds a line break or a NUL character, which a line of the file cannot hold.</source>
        <translation>Der Anlass enthält einen Zeilenumbruch oder ein NUL-Zeichen, was eine Zeile der Datei nicht aufnehmen kann.</translation>
    </message>
    <message>
        <source>Line %1 of the service holds a line break or a NUL character, which a line of the file cannot hold.</source>
        <translation>Zeile %1 des Gottesdienstes enthält einen Zeilenumbruch oder ein NUL-Zeichen, was eine Zeile der Datei nicht aufnehmen kann.</translation>
    </message>
    <message>
        <source>The hymn number “%1” holds a space.</source>
        <translation>Die Liednummer „%1“ enthält ein Leerzeichen.</translation>
    </message>
    <message>
        <source>Hymn %1 has no title.</source>
        <translation>Lied %1 hat keinen Titel.</translation>
    </message>
    <message>
        <source>“%1” holds “--”, which would make the program read the whole file as hymn texts.</source>
        <translation>„%1“ enthält „--“, wodurch das Programm die ganze Datei als Liedtexte lesen würde.</translation>
    </message>
    <message>
        <source>The file ends in the middle of a character, so nothing can be written after it.</source>
        <translation>Die Datei endet mitten in einem Zeichen, daher kann nichts dahinter geschrieben werden.</translation>
    </message>
    <message>
        <source>This log is full: it holds %1 services, and the program reads no more than %2 (fewer when a service has more than %3 lines), so it would never read a new one.</source>
        <translation>Diese Gottesdienstliste ist voll: Sie enthält %1 Gottesdienste, und das Programm liest nicht mehr als %2 (weniger, wenn ein Gottesdienst mehr als %3 Zeilen hat), daher würde es einen neuen nie lesen.</translation>
    </message>
    <message>
        <source>This log holds %1 services, of which the program reads only the first %2, so it would never read one added after them.</source>
        <translation>Diese Gottesdienstliste enthält %1 Gottesdienste, von denen das Programm nur die ersten %2 liest, daher würde es einen danach hinzugefügten nie lesen.</translation>
    </message>
    <message>
        <source>The service was not added: start a new log for the services to come.</source>
        <translation>Der Gottesdienst wurde nicht hinzugefügt: Beginnen Sie eine neue Liste für die kommenden Gottesdienste.</translation>
    </message>
    <message numerus="yes">
        <source>Service of %1 added: %n hymn(s)</source>
        <translation>
            <numerusform>Gottesdienst vom %1 hinzugefügt: %n Lied</numerusform>
            <numerusform>Gottesdienst vom %1 hinzugefügt: %n Lieder</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>The system&apos;s language from the next start</source>
        <translation>Ab dem nächsten Start die Sprache des Systems</translation>
    </message>
    <message>
        <source>%1 from the next start</source>
        <translation>Ab dem nächsten Start %1</translation>
    </message>
    <message>
        <source>&amp;User Guide</source>
        <translation>&amp;Benutzerhandbuch</translation>
    </message>
    <message numerus="yes">
        <source>%1 holds %n NUL character(s), which a text file does not: a write may have been cut short. Look at it in a text editor.</source>
        <translation>
            <numerusform>%1 enthält %n NUL-Zeichen, das in einer Textdatei nicht vorkommt: Ein Schreibvorgang wurde womöglich abgebrochen. Sehen Sie sich die Datei in einem Texteditor an.</numerusform>
            <numerusform>%1 enthält %n NUL-Zeichen, die in einer Textdatei nicht vorkommen: Ein Schreibvorgang wurde womöglich abgebrochen. Sehen Sie sich die Datei in einem Texteditor an.</numerusform>
        </translation>
    </message>
    <message>
        <source>Put Back Backup</source>
        <translation>Sicherung wiederherstellen</translation>
    </message>
    <message>
        <source>The backup &quot;%1&quot; cannot be read, so it cannot be put back.</source>
        <translation>Die Sicherung &quot;%1&quot; kann nicht gelesen werden, daher kann sie nicht wiederhergestellt werden.</translation>
    </message>
    <message>
        <source>Put &quot;%1&quot; back in place of &quot;%2&quot;? The log as it is now is kept in a backup of its own.</source>
        <translation>&quot;%1&quot; anstelle von &quot;%2&quot; wiederherstellen? Die Gottesdienstliste im jetzigen Zustand wird in einer eigenen Sicherung aufbewahrt.</translation>
    </message>
    <message>
        <source>%1 is kept as it is.</source>
        <translation>%1 bleibt unverändert.</translation>
    </message>
    <message>
        <source>&amp;Import Lectionary…</source>
        <translation>Leseordnung &amp;importieren…</translation>
    </message>
    <message>
        <source>Import Lectionary</source>
        <translation>Leseordnung importieren</translation>
    </message>
    <message>
        <source>Print Hymn &amp;Board…</source>
        <translation>Liedtafel &amp;drucken…</translation>
    </message>
    <message>
        <source>&amp;Edit Service…</source>
        <translation>Gottesdienst &amp;bearbeiten…</translation>
    </message>
    <message>
        <source>&amp;Undo Last Change</source>
        <translation>Letzte Änderung &amp;zurücknehmen</translation>
    </message>
    <message>
        <source>Copy for &amp;Bulletin</source>
        <translation>Für Liedblatt &amp;kopieren</translation>
    </message>
    <message>
        <source>Edit Service</source>
        <translation>Gottesdienst bearbeiten</translation>
    </message>
    <message>
        <source>Load a service log first: a service of the log loaded is edited.</source>
        <translation>Laden Sie zuerst eine Gottesdienstliste: Bearbeitet wird ein Gottesdienst der geladenen Liste.</translation>
    </message>
    <message>
        <source>The log holds no service to edit.</source>
        <translation>Die Gottesdienstliste enthält keinen Gottesdienst zum Bearbeiten.</translation>
    </message>
    <message>
        <source>Hymn files (*.txt);;All files (*)</source>
        <translation>Lieddateien (*.txt);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Open…</source>
        <translation>Ö&amp;ffnen…</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>&amp;Zuletzt geöffnet</translation>
    </message>
    <message>
        <source>Re&amp;load</source>
        <translation>&amp;Neu laden</translation>
    </message>
    <message>
        <source>Open in Text &amp;Editor</source>
        <translation>In Text&amp;editor öffnen</translation>
    </message>
    <message>
        <source>Set &amp;Hymnal…</source>
        <translation>&amp;Gesangbuch festlegen…</translation>
    </message>
    <message>
        <source>Clear H&amp;ymnal</source>
        <translation>Gesangbuch entfe&amp;rnen</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Add Service…</source>
        <translation>Gottesdienst &amp;hinzufügen…</translation>
    </message>
    <message>
        <source>Copy &amp;Left List</source>
        <translation>&amp;Linke Liste kopieren</translation>
    </message>
    <message>
        <source>Copy &amp;Right List</source>
        <translation>&amp;Rechte Liste kopieren</translation>
    </message>
    <message>
        <source>&amp;Clear criteria</source>
        <translation>Kriterien l&amp;eeren</translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation>&amp;Suche</translation>
    </message>
    <message>
        <source>&amp;Find</source>
        <translation>&amp;Suchen</translation>
    </message>
    <message>
        <source>&amp;Tally</source>
        <translation>&amp;Zählen</translation>
    </message>
    <message>
        <source>Focus Hymn &amp;#</source>
        <translation>Zum Feld Lied-&amp;Nr.</translation>
    </message>
    <message>
        <source>Usage &amp;Report…</source>
        <translation>&amp;Verwendungsbericht…</translation>
    </message>
    <message>
        <source>Suggest &amp;Hymns…</source>
        <translation>&amp;Lieder vorschlagen…</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Bold</source>
        <translation>&amp;Fett</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;About Cantorix2</source>
        <translation>Über &amp;Cantorix2</translation>
    </message>
    <message>
        <source>Set Hymnal</source>
        <translation>Gesangbuch festlegen</translation>
    </message>
    <message>
        <source>Hymnal set: %1</source>
        <translation>Gesangbuch festgelegt: %1</translation>
    </message>
    <message>
        <source>“%1” is not a hymnal text (hymns with their verses between &quot;--&quot; lines), so the hymnal stays “%2”.</source>
        <translation>„%1“ ist kein Gesangbuchtext (Lieder mit ihren Strophen zwischen &quot;--&quot;-Zeilen), daher bleibt das Gesangbuch „%2“.</translation>
    </message>
    <message>
        <source>“%1” is not a hymnal text (hymns with their verses between &quot;--&quot; lines), so no hymnal is set.</source>
        <translation>„%1“ ist kein Gesangbuchtext (Lieder mit ihren Strophen zwischen &quot;--&quot;-Zeilen), daher ist kein Gesangbuch festgelegt.</translation>
    </message>
    <message>
        <source>%1 (missing)</source>
        <translation>%1 (fehlt)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no longer there; it may have been moved or deleted.

Remove it from the recent files?</source>
        <translation>&quot;%1&quot; ist nicht mehr vorhanden; die Datei wurde vielleicht verschoben oder gelöscht.

Aus den zuletzt geöffneten Dateien entfernen?</translation>
    </message>
    <message>
        <source>Remove from list</source>
        <translation>Aus der Liste entfernen</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>About Cantorix2</source>
        <translation>Über Cantorix2</translation>
    </message>
    <message>
        <source>Cantorix2 %1, by the %2

Searches a plain-text service log or hymnal, tallies how often each hymn was used, reports each hymn&apos;s use over a date range, and copies what it finds to the clipboard.

Licensed under the GNU General Public License, version 3 or later.

Homepage: %3
Sample files: %4</source>
        <extracomment>%1 the version, %2 the publisher, %3 a web address, %4 a folder</extracomment>
        <translation>Cantorix2 %1, von %2

Durchsucht eine Gottesdienstliste oder ein Gesangbuch im Textformat, zählt, wie oft jedes Lied verwendet wurde, zeigt die Verwendung jedes Liedes in einem Zeitraum und kopiert das Gefundene in die Zwischenablage.

Lizenziert unter der GNU General Public License, Version 3 oder neuer.

Webseite: %3
Beispieldateien: %4</translation>
    </message>
    <message>
        <source>Open in Text Editor</source>
        <translation>In Texteditor öffnen</translation>
    </message>
    <message>
        <source>No program was found to open &quot;%1&quot; with.</source>
        <translation>Es wurde kein Programm gefunden, mit dem sich &quot;%1&quot; öffnen lässt.</translation>
    </message>
    <message>
        <source>Add Service</source>
        <translation>Gottesdienst hinzufügen</translation>
    </message>
    <message>
        <source>Load a service log first: a service is added to the log loaded.</source>
        <translation>Laden Sie zuerst eine Gottesdienstliste: Ein Gottesdienst wird der geladenen Liste hinzugefügt.</translation>
    </message>
    <message>
        <source>The service has no hymns yet: add at least one line.</source>
        <translation>Der Gottesdienst hat noch keine Lieder: Fügen Sie mindestens eine Zeile hinzu.</translation>
    </message>
    <message>
        <source>Reload it now? The service stays in the dialog, to be added to the file as it is now.</source>
        <translation>Jetzt neu laden? Der Gottesdienst bleibt im Dialog, um der Datei in ihrem jetzigen Stand hinzugefügt zu werden.</translation>
    </message>
</context>
<context>
    <name>Panes</name>
    <message numerus="yes">
        <source>%n item(s) copied</source>
        <extracomment>The message after a right click put rows of an output list on the clipboard.</extracomment>
        <translation>
            <numerusform>%n Eintrag kopiert</numerusform>
            <numerusform>%n Einträge kopiert</numerusform>
        </translation>
    </message>
    <message>
        <source>Song titles</source>
        <extracomment>The title of the message after the list of a hymnal&apos;s titles was copied.</extracomment>
        <translation>Liedtitel</translation>
    </message>
    <message>
        <source>Dates used</source>
        <extracomment>The title of the message after the list of a log&apos;s service dates was copied.</extracomment>
        <translation>Verwendete Daten</translation>
    </message>
    <message>
        <source>Limit copy to Verse #:</source>
        <extracomment>The question before a copy of hymns&apos; lines: which verse of each hymn to copy (&quot;#&quot;: number).</extracomment>
        <translation>Kopie auf Strophe Nr. beschränken:</translation>
    </message>
    <message>
        <source>Select verse # (0 = credits only; ^ = references )</source>
        <extracomment>The title of that question: 0 copies the hymns&apos; credits only, &quot;^&quot; (typed as it is) their scripture references. &quot;#&quot;: number.</extracomment>
        <translation>Strophe Nr. wählen (0 = nur Urheberangaben; ^ = Bibelstellen )</translation>
    </message>
    <message>
        <source>Select verse # (0 = credits only)</source>
        <extracomment>The title of that question: 0 copies the hymns&apos; credits only. &quot;#&quot;: number.</extracomment>
        <translation>Strophe Nr. wählen (0 = nur Urheberangaben)</translation>
    </message>
    <message numerus="yes">
        <source>%1 +  %n title(s)</source>
        <extracomment>%1 is the &quot;… item(s) copied&quot; message; the hymns&apos; titles were copied too, as headings. The two blanks after &quot;+&quot; are kept.</extracomment>
        <translation>
            <numerusform>%1 +  %n Titel</numerusform>
            <numerusform>%1 +  %n Titel</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 +  %n count(s)</source>
        <extracomment>%1 is the &quot;… item(s) copied&quot; message; the tally&apos;s counts were copied too, as headings. The two blanks after &quot;+&quot; are kept.</extracomment>
        <translation>
            <numerusform>%1 +  %n Anzahl</numerusform>
            <numerusform>%1 +  %n Anzahlen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 +  %n date(s)</source>
        <extracomment>%1 is the &quot;… item(s) copied&quot; message; the services&apos; dates were copied too, as headings. The two blanks after &quot;+&quot; are kept.</extracomment>
        <translation>
            <numerusform>%1 +  %n Datum</numerusform>
            <numerusform>%1 +  %n Daten</numerusform>
        </translation>
    </message>
    <message>
        <source>Verse lines</source>
        <extracomment>The title of the message after the hymns&apos; lines were copied.</extracomment>
        <translation>Strophenzeilen</translation>
    </message>
    <message>
        <source>- only &apos;Exclude&apos; terms are case sensitive</source>
        <extracomment>A tip in the help message: the boxes captioned &quot;exclude title:&quot;, &quot;exclude phrase:&quot; and &quot;exclude hymn:&quot;.</extracomment>
        <translation>- nur die &apos;ausschl.&apos;-Felder beachten Groß-/Kleinschreibung</translation>
    </message>
    <message>
        <source>- either &gt; or &lt; may be used in date or year box</source>
        <extracomment>A tip in the help message: &quot;&gt; 1990&quot; or &quot;&lt; 2000&quot; typed in the date or year box.</extracomment>
        <translation>- im Datums- oder Jahresfeld kann &gt; oder &lt; verwendet werden</translation>
    </message>
    <message>
        <source>- R click on an output box will copy box contents to clipboard</source>
        <extracomment>A tip in the help message: &quot;R click&quot; is a click of the right mouse button.</extracomment>
        <translation>- Rechtsklick auf ein Ausgabefeld kopiert dessen Inhalt in die Zwischenablage</translation>
    </message>
    <message>
        <source>- L click in either output box will re-synchronize both boxes</source>
        <extracomment>A tip in the help message: &quot;L click&quot; is a click of the left mouse button.</extracomment>
        <translation>- Linksklick in eines der Ausgabefelder gleicht beide Felder wieder ab</translation>
    </message>
    <message>
        <source>- to select from directory box, double click your selection</source>
        <extracomment>A tip in the help message: the directory box lists the folders.</extracomment>
        <translation>- zur Auswahl im Ordnerfeld den gewünschten Eintrag doppelklicken</translation>
    </message>
    <message>
        <source>Cantorix2 ver %1</source>
        <extracomment>The help message&apos;s title: &quot;ver&quot; is short for version; %1 is the version number (2.9.7).</extracomment>
        <translation>Cantorix2 Version %1</translation>
    </message>
    <message>
        <source>Cantorix2 team, 2026</source>
        <extracomment>The help message&apos;s copyright line, after &quot;©&quot;.</extracomment>
        <translation>Cantorix2-Team, 2026</translation>
    </message>
</context>
<context>
    <name>Plan</name>
    <message>
        <source>Row %1: %2</source>
        <extracomment>A row of an imported table that was left out, or only partly read: &quot;Row 12: no readings&quot;.</extracomment>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>no day&apos;s name</source>
        <translation>kein Tagesname</translation>
    </message>
    <message>
        <source>“%1” is not a day of the church year</source>
        <translation>„%1“ ist kein Tag des Kirchenjahres</translation>
    </message>
    <message>
        <source>“%1” is not a year letter (A, B or C)</source>
        <translation>„%1“ ist kein Lesejahr (A, B oder C)</translation>
    </message>
    <message>
        <source>no readings</source>
        <translation>keine Lesungen</translation>
    </message>
    <message>
        <source>a “#” in the readings would begin a comment in Lectionary.txt</source>
        <translation>ein „#“ in den Lesungen würde in Lectionary.txt einen Kommentar beginnen</translation>
    </message>
    <message>
        <source>%1 is in row %2 already</source>
        <extracomment>%1 is a day and year (&quot;Advent 3 B&quot;), %2 the row that gave it first.</extracomment>
        <translation>%1 steht bereits in Zeile %2</translation>
    </message>
    <message numerus="yes">
        <source>No hymn fits all three; %n hold(s) the phrase and the meter</source>
        <translation>
            <numerusform>Kein Lied passt zu allen dreien; %n enthält den Wortlaut und das Versmaß</numerusform>
            <numerusform>Kein Lied passt zu allen dreien; %n enthalten den Wortlaut und das Versmaß</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>No hymn fits both; %n hold(s) the phrase</source>
        <translation>
            <numerusform>Kein Lied passt zu beidem; %n enthält den Wortlaut</numerusform>
            <numerusform>Kein Lied passt zu beidem; %n enthalten den Wortlaut</numerusform>
        </translation>
    </message>
    <message>
        <source>title</source>
        <extracomment>Why a hymn is suggested: the phrase is in its title.</extracomment>
        <translation>Titel</translation>
    </message>
    <message>
        <source>refrain: %1</source>
        <extracomment>Why a hymn is suggested: %1 is the part of its refrain that holds the phrase.</extracomment>
        <translation>Kehrvers: %1</translation>
    </message>
    <message>
        <source>verse %1: %2</source>
        <extracomment>Why a hymn is suggested: %1 is the verse&apos;s number, %2 the part of the verse that holds the phrase.</extracomment>
        <translation>Strophe %1: %2</translation>
    </message>
    <message>
        <source>verse: %1</source>
        <extracomment>Why a hymn is suggested: %1 is the part of a verse without a number that holds the phrase.</extracomment>
        <translation>Strophe: %1</translation>
    </message>
    <message>
        <source>meter %1</source>
        <extracomment>Why a hymn is suggested: its meter is the one asked for; %1 is the meter as numbers, &quot;8.6.8.6&quot;.</extracomment>
        <translation>Versmaß %1</translation>
    </message>
    <message>
        <source>Type readings, a phrase or a meter to see suggestions.</source>
        <translation>Geben Sie Lesungen, einen Wortlaut oder ein Versmaß ein, um Vorschläge zu sehen.</translation>
    </message>
    <message>
        <source>Load a hymnal to see suggestions.</source>
        <translation>Laden Sie ein Gesangbuch, um Vorschläge zu sehen.</translation>
    </message>
    <message>
        <source>The loaded file is a service log; suggestions need a hymnal.</source>
        <translation>Die geladene Datei ist eine Gottesdienstliste; für Vorschläge wird ein Gesangbuch gebraucht.</translation>
    </message>
    <message>
        <source>Could not read the meter &quot;%1&quot;.</source>
        <translation>Das Versmaß &quot;%1&quot; konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>Hymn #</source>
        <extracomment>A column heading of the suggested hymns: the hymn&apos;s number (&quot;#&quot;: number).</extracomment>
        <translation>Lied-Nr.</translation>
    </message>
    <message>
        <source>Title</source>
        <extracomment>A column heading of the suggested hymns: the hymn&apos;s title.</extracomment>
        <translation>Titel</translation>
    </message>
    <message>
        <source>Why</source>
        <extracomment>A column heading of the suggested hymns: why the hymn is suggested (the reading, the phrase or the meter it matched).</extracomment>
        <translation>Grund</translation>
    </message>
    <message>
        <source>Meter</source>
        <extracomment>A column heading of the suggested hymns: the hymn&apos;s meter.</extracomment>
        <translation>Versmaß</translation>
    </message>
    <message>
        <source>Last 12 months</source>
        <extracomment>A column heading of the suggested hymns: how often the log has the hymn in the last 12 months.</extracomment>
        <translation>Letzte 12 Monate</translation>
    </message>
    <message>
        <source>Uses</source>
        <extracomment>A column heading of the suggested hymns: how often the log has the hymn at all (a noun).</extracomment>
        <translation>Verwendungen</translation>
    </message>
    <message>
        <source>Last sung</source>
        <extracomment>A column heading of the suggested hymns: the date the hymn was last sung.</extracomment>
        <translation>Zuletzt gesungen</translation>
    </message>
    <message>
        <source>Days since</source>
        <extracomment>A column heading of the suggested hymns: the days since the hymn was last sung.</extracomment>
        <translation>Tage seither</translation>
    </message>
    <message>
        <source>new</source>
        <extracomment>The last sung date of a suggested hymn the log never used.</extracomment>
        <translation>neu</translation>
    </message>
    <message numerus="yes">
        <source>Could not read the reference(s) %1.</source>
        <extracomment>Under Suggest Hymns&apos; readings: %1 is the pieces not read, each in quotes, separated by commas.</extracomment>
        <translation>
            <numerusform>Die Bibelstelle %1 konnte nicht gelesen werden.</numerusform>
            <numerusform>Die Bibelstellen %1 konnten nicht gelesen werden.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Platform</name>
    <message>
        <source>error %1</source>
        <extracomment>In place of the system&apos;s reason for a failure, when it has none: %1 is the system&apos;s error code.</extracomment>
        <translation>Fehler %1</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>Hymns joined by number: 14, 014 and #14 are one hymn</source>
        <translation>Lieder nach Nummer zusammengefasst: 14, 014 und #14 sind ein Lied</translation>
    </message>
    <message>
        <source>No service is dated up to today</source>
        <translation>Kein Gottesdienst ist bis heute datiert</translation>
    </message>
    <message>
        <source>Counted from %1, the latest service up to today</source>
        <translation>Gezählt ab %1, dem letzten Gottesdienst bis heute</translation>
    </message>
    <message>
        <source>Counted from %1, the latest service</source>
        <translation>Gezählt ab %1, dem letzten Gottesdienst</translation>
    </message>
    <message numerus="yes">
        <source>%n planned service(s) after today is/are not counted</source>
        <translation>
            <numerusform>%n geplanter Gottesdienst nach heute wird nicht gezählt</numerusform>
            <numerusform>%n geplante Gottesdienste nach heute werden nicht gezählt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n planned service(s) after today is/are counted</source>
        <translation>
            <numerusform>%n geplanter Gottesdienst nach heute wird gezählt</numerusform>
            <numerusform>%n geplante Gottesdienste nach heute werden gezählt</numerusform>
        </translation>
    </message>
    <message>
        <source>The head line “%1” is dated more than a year after today: check its year</source>
        <translation>Die Kopfzeile „%1“ ist mehr als ein Jahr nach heute datiert: Prüfen Sie das Jahr</translation>
    </message>
    <message>
        <source>hymn-usage</source>
        <extracomment>The file name offered for the usage report&apos;s exports, without its suffix (.csv, .pdf, .png).</extracomment>
        <translation>Liedverwendung</translation>
    </message>
    <message>
        <source>hymn-usage %1 to %2</source>
        <extracomment>The file name offered for the usage report&apos;s exports, without its suffix: %1 and %2 are the range&apos;s dates.</extracomment>
        <translation>Liedverwendung %1 bis %2</translation>
    </message>
    <message>
        <source>Counted from %1, the latest service — after today: check the head line “%2”</source>
        <extracomment>%1 is the latest service&apos;s date, %2 its head line as the log writes it.</extracomment>
        <translation>Gezählt ab %1, dem letzten Gottesdienst — nach heute: Prüfen Sie die Kopfzeile „%2“</translation>
    </message>
    <message>
        <source>Jan %1</source>
        <extracomment>A month&apos;s label on the usage chart: %1 is the year (&quot;Jan 2019&quot;).</extracomment>
        <translation>Jan. %1</translation>
    </message>
    <message>
        <source>Feb %1</source>
        <translation>Feb. %1</translation>
    </message>
    <message>
        <source>Mar %1</source>
        <translation>März %1</translation>
    </message>
    <message>
        <source>Apr %1</source>
        <translation>Apr. %1</translation>
    </message>
    <message>
        <source>May %1</source>
        <translation>Mai %1</translation>
    </message>
    <message>
        <source>Jun %1</source>
        <translation>Juni %1</translation>
    </message>
    <message>
        <source>Jul %1</source>
        <translation>Juli %1</translation>
    </message>
    <message>
        <source>Aug %1</source>
        <translation>Aug. %1</translation>
    </message>
    <message>
        <source>Sep %1</source>
        <translation>Sept. %1</translation>
    </message>
    <message>
        <source>Oct %1</source>
        <translation>Okt. %1</translation>
    </message>
    <message>
        <source>Nov %1</source>
        <translation>Nov. %1</translation>
    </message>
    <message>
        <source>Dec %1</source>
        <translation>Dez. %1</translation>
    </message>
</context>
<context>
    <name>ReportChart</name>
    <message>
        <source>Chart of uses</source>
        <translation>Diagramm der Verwendungen</translation>
    </message>
    <message>
        <source>%1: no dated services in this range</source>
        <extracomment>Read to a screen reader for a chart without bars; %1 is the chart&apos;s title.</extracomment>
        <translation>%1: keine datierten Gottesdienste in diesem Zeitraum</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>Read to a screen reader: %1 is the chart&apos;s title, %2 each period with its uses.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>No dated services in this range</source>
        <translation>Keine datierten Gottesdienste in diesem Zeitraum</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n use(s)</source>
        <extracomment>A bar&apos;s tooltip on the usage chart: %1 is the period (&quot;2019&quot;, &quot;Jan 2019&quot;).</extracomment>
        <translation>
            <numerusform>%1: %n Verwendung</numerusform>
            <numerusform>%1: %n Verwendungen</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ReportExports</name>
    <message>
        <source>Saved %1</source>
        <translation>%1 gespeichert</translation>
    </message>
    <message numerus="yes">
        <source>Printed the report: %n page(s)</source>
        <translation>
            <numerusform>Bericht gedruckt: %n Seite</numerusform>
            <numerusform>Bericht gedruckt: %n Seiten</numerusform>
        </translation>
    </message>
    <message>
        <source>The folder “%1” has a name the file dialog cannot pass on, so nothing was written. Choose another folder, or the folder of the loaded file.</source>
        <translation>Der Ordner „%1“ hat einen Namen, den der Dateidialog nicht weitergeben kann, daher wurde nichts geschrieben. Wählen Sie einen anderen Ordner oder den Ordner der geladenen Datei.</translation>
    </message>
    <message>
        <source>“%1” already exists.
Do you want to replace it?</source>
        <translation>„%1“ ist bereits vorhanden.
Möchten Sie die Datei ersetzen?</translation>
    </message>
    <message>
        <source>The report could not be written to “%1”:
%2

Nothing was changed there.</source>
        <extracomment>%1 is the file&apos;s path, %2 the system&apos;s reason.</extracomment>
        <translation>Der Bericht konnte nicht in „%1“ geschrieben werden:
%2

Dort wurde nichts verändert.</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>CSV exportieren</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <extracomment>The save dialog&apos;s file types: the patterns in brackets stay as they are.</extracomment>
        <translation>CSV-Dateien (*.csv);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Hymn usage</source>
        <extracomment>The printed report&apos;s title; %1 is the log&apos;s file name.</extracomment>
        <translation>Liedverwendung</translation>
    </message>
    <message>
        <source>Hymn usage: %1</source>
        <translation>Liedverwendung: %1</translation>
    </message>
    <message>
        <source>Export PDF</source>
        <translation>PDF exportieren</translation>
    </message>
    <message>
        <source>PDF files (*.pdf);;All files (*)</source>
        <extracomment>The save dialog&apos;s file types: the patterns in brackets stay as they are.</extracomment>
        <translation>PDF-Dateien (*.pdf);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Making the PDF…</source>
        <translation>PDF wird erstellt…</translation>
    </message>
    <message>
        <source>The PDF could not be made. Nothing was written.</source>
        <translation>Die PDF-Datei konnte nicht erstellt werden. Es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>Print Usage Report</source>
        <translation>Verwendungsbericht drucken</translation>
    </message>
    <message>
        <source>Print</source>
        <extracomment>The title of the progress window and of the message when printing fails.</extracomment>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Printing the report…</source>
        <translation>Bericht wird gedruckt…</translation>
    </message>
    <message>
        <source>The report could not be printed.</source>
        <translation>Der Bericht konnte nicht gedruckt werden.</translation>
    </message>
    <message>
        <source>%1 hymns: %2</source>
        <extracomment>A chart picture&apos;s second title line: %1 is how many hymns are selected (two or more), %2 their names.</extracomment>
        <translation>%1 Lieder: %2</translation>
    </message>
    <message>
        <source>Save Chart</source>
        <translation>Diagramm speichern</translation>
    </message>
    <message>
        <source>PNG images (*.png);;All files (*)</source>
        <extracomment>The save dialog&apos;s file types: the patterns in brackets stay as they are.</extracomment>
        <translation>PNG-Bilder (*.png);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>The chart could not be made into a PNG image. Nothing was written.</source>
        <translation>Das Diagramm konnte nicht in ein PNG-Bild umgewandelt werden. Es wurde nichts geschrieben.</translation>
    </message>
</context>
<context>
    <name>ReportModel</name>
    <message>
        <source>Days from the last use to the latest service counted</source>
        <translation>Tage von der letzten Verwendung bis zum letzten gezählten Gottesdienst</translation>
    </message>
    <message>
        <source>Credits</source>
        <translation>Urheber</translation>
    </message>
    <message>
        <source>Hymn #</source>
        <extracomment>The usage report&apos;s column of hymn numbers, also the heading of its copies and CSV.</extracomment>
        <translation>Lied-Nr.</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>Verwendungen</translation>
    </message>
    <message>
        <source>First used</source>
        <translation>Erste Verwendung</translation>
    </message>
    <message>
        <source>Last used</source>
        <translation>Letzte Verwendung</translation>
    </message>
    <message>
        <source>Days since</source>
        <extracomment>The usage report&apos;s column of days from a hymn&apos;s last use to the latest service.</extracomment>
        <translation>Tage seither</translation>
    </message>
</context>
<context>
    <name>ReportPrinter</name>
    <message>
        <source>Page %1 of %2</source>
        <extracomment>The foot of each printed page of the usage report.</extracomment>
        <translation>Seite %1 von %2</translation>
    </message>
</context>
<context>
    <name>ReportWindow</name>
    <message>
        <source>Previous church year</source>
        <translation>Vorheriges Kirchenjahr</translation>
    </message>
    <message>
        <source>Previous calendar year</source>
        <translation>Vorheriges Kalenderjahr</translation>
    </message>
    <message>
        <source>The range of services to count, taken back from the latest service held, or from today for the previous years</source>
        <translation>Der Zeitraum der zu zählenden Gottesdienste, zurückgerechnet vom letzten gehaltenen Gottesdienst oder, bei den vorherigen Jahren, von heute</translation>
    </message>
    <message>
        <source>Count pla&amp;nned services</source>
        <translation>Gepla&amp;nte Gottesdienste mitzählen</translation>
    </message>
    <message>
        <source>Count the services dated after today too, as if they had been held</source>
        <translation>Auch die nach heute datierten Gottesdienste zählen, als hätten sie schon stattgefunden</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Alle</translation>
    </message>
    <message>
        <source>Latest year</source>
        <translation>Neuestes Jahr</translation>
    </message>
    <message>
        <source>Year before</source>
        <translation>Jahr davor</translation>
    </message>
    <message>
        <source>Last 12 months</source>
        <translation>Letzte 12 Monate</translation>
    </message>
    <message>
        <source>Church year</source>
        <translation>Kirchenjahr</translation>
    </message>
    <message>
        <source>Season</source>
        <translation>Kirchenjahreszeit</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Benutzerdefiniert</translation>
    </message>
    <message>
        <source>Usage Report</source>
        <translation>Verwendungsbericht</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>Zeitraum</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Von</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Bis</translation>
    </message>
    <message>
        <source>open</source>
        <extracomment>Beside a date of the range: the range has no end there, it counts from the file&apos;s first service or to its last.</extracomment>
        <translation>offen</translation>
    </message>
    <message>
        <source>Count from the first service of the file</source>
        <translation>Ab dem ersten Gottesdienst der Datei zählen</translation>
    </message>
    <message>
        <source>From: open</source>
        <translation>Von: offen</translation>
    </message>
    <message>
        <source>Count to the last service of the file</source>
        <translation>Bis zum letzten Gottesdienst der Datei zählen</translation>
    </message>
    <message>
        <source>To: open</source>
        <translation>Bis: offen</translation>
    </message>
    <message>
        <source>Count a hymn &amp;once per service</source>
        <translation>Ein Lied nur &amp;einmal je Gottesdienst zählen</translation>
    </message>
    <message>
        <source>&amp;Range:</source>
        <translation>&amp;Zeitraum:</translation>
    </message>
    <message>
        <source>&amp;From</source>
        <translation>&amp;Von</translation>
    </message>
    <message>
        <source>&amp;to</source>
        <extracomment>Between the range&apos;s two dates: &quot;From [date] to [date]&quot;.</extracomment>
        <translation>&amp;bis</translation>
    </message>
    <message>
        <source>Filter by hymn number or title</source>
        <translation>Nach Liednummer oder Titel filtern</translation>
    </message>
    <message>
        <source>F&amp;ilter:</source>
        <translation>F&amp;ilter:</translation>
    </message>
    <message>
        <source>Sort by</source>
        <translation>Sortieren nach</translation>
    </message>
    <message>
        <source>&amp;Sort by:</source>
        <translation>&amp;Sortieren nach:</translation>
    </message>
    <message>
        <source>D&amp;escending</source>
        <translation>&amp;Absteigend</translation>
    </message>
    <message>
        <source>Hymns and their uses</source>
        <translation>Lieder und ihre Verwendungen</translation>
    </message>
    <message>
        <source>Save as PNG…</source>
        <translation>Als PNG speichern…</translation>
    </message>
    <message>
        <source>Table and chart</source>
        <translation>Tabelle und Diagramm</translation>
    </message>
    <message>
        <source>Divider between the table and the chart</source>
        <translation>Trennlinie zwischen Tabelle und Diagramm</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Copy the selected rows, or all rows, for a spreadsheet (%1)</source>
        <extracomment>%1 is the copy&apos;s shortcut (Ctrl+C).</extracomment>
        <translation>Die ausgewählten Zeilen oder alle Zeilen für eine Tabellenkalkulation kopieren (%1)</translation>
    </message>
    <message>
        <source>Export CS&amp;V…</source>
        <translation>&amp;CSV exportieren…</translation>
    </message>
    <message>
        <source>Export P&amp;DF…</source>
        <translation>&amp;PDF exportieren…</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>&amp;Drucken…</translation>
    </message>
    <message>
        <source>Save C&amp;hart…</source>
        <translation>Dia&amp;gramm speichern…</translation>
    </message>
    <message>
        <source>Save the chart as a PNG picture</source>
        <translation>Das Diagramm als PNG-Bild speichern</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>Sch&amp;ließen</translation>
    </message>
    <message>
        <source>Usage Report — %1</source>
        <translation>Verwendungsbericht — %1</translation>
    </message>
    <message>
        <source>%1 + %2 more</source>
        <extracomment>The chart&apos;s hymns when more than three are selected: %1 is the first three names, %2 how many more.</extracomment>
        <translation>%1 + %2 weitere</translation>
    </message>
    <message>
        <source>Hymns matching “%1” (%2)</source>
        <extracomment>The chart&apos;s hymns: %1 is the filter&apos;s text, %2 how many rows it leaves.</extracomment>
        <translation>Lieder, die „%1“ entsprechen (%2)</translation>
    </message>
    <message>
        <source>All hymns</source>
        <translation>Alle Lieder</translation>
    </message>
    <message>
        <source>Uses per year, %1
%2</source>
        <extracomment>The chart&apos;s title on two lines: %1 is the range (&quot;2019-01-01 to 2019-12-31&quot;), %2 the hymns charted.</extracomment>
        <translation>Verwendungen pro Jahr, %1
%2</translation>
    </message>
    <message>
        <source>Uses per month, %1
%2</source>
        <translation>Verwendungen pro Monat, %1
%2</translation>
    </message>
    <message numerus="yes">
        <source>%Ln service(s)</source>
        <translation>
            <numerusform>%Ln Gottesdienst</numerusform>
            <numerusform>%Ln Gottesdienste</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln hymn(s)</source>
        <translation>
            <numerusform>%Ln Lied</numerusform>
            <numerusform>%Ln Lieder</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2 (%3 shown)</source>
        <extracomment>The report&apos;s counts when the filter hides rows: %1 the services, %2 the hymns, %3 the rows shown.</extracomment>
        <translation>%1, %2 (%3 angezeigt)</translation>
    </message>
    <message>
        <source>From is after To: nothing is counted.</source>
        <translation>„Von“ liegt nach „Bis“: Es wird nichts gezählt.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln service(s) has/have no date in its/their head line</source>
        <translation>
            <numerusform>%Ln Gottesdienst hat kein Datum in seiner Kopfzeile</numerusform>
            <numerusform>%Ln Gottesdienste haben kein Datum in ihrer Kopfzeile</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: counted in the table, not in the chart.</source>
        <extracomment>%1 says how many services have no date (&quot;3 services have no date in their head line&quot;).</extracomment>
        <translation>%1: in der Tabelle gezählt, nicht im Diagramm.</translation>
    </message>
    <message>
        <source>%1: counted only under All.</source>
        <translation>%1: nur unter „Alle“ gezählt.</translation>
    </message>
    <message>
        <source>all services</source>
        <translation>alle Gottesdienste</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <extracomment>A range of dates: %1 and %2 are dates written 2019-01-01.</extracomment>
        <translation>%1 bis %2</translation>
    </message>
    <message>
        <source>hymn # %1 (full # only)</source>
        <extracomment>The printed report&apos;s criteria: %1 is the hymn number searched for.</extracomment>
        <translation>Lied-Nr. %1 (nur die ganze Liednummer)</translation>
    </message>
    <message>
        <source>hymn # %1</source>
        <translation>Lied-Nr. %1</translation>
    </message>
    <message>
        <source>title phrase “%1”</source>
        <translation>Titel enthält „%1“</translation>
    </message>
    <message>
        <source>excluding # %1</source>
        <translation>Lied-Nr. %1 ausgeschlossen</translation>
    </message>
    <message>
        <source>excluding title “%1”</source>
        <translation>Titel „%1“ ausgeschlossen</translation>
    </message>
    <message>
        <source>date limit %1</source>
        <extracomment>The printed report&apos;s criteria: %1 is the date limit as typed in the main window.</extracomment>
        <translation>Datum eingegrenzt auf %1</translation>
    </message>
    <message>
        <source>%1; a hymn counted once per service</source>
        <extracomment>A printed note: %1 is the counts (&quot;12 services, 30 hymns&quot;).</extracomment>
        <translation>%1; ein Lied je Gottesdienst nur einmal gezählt</translation>
    </message>
    <message>
        <source>Criteria: %1</source>
        <extracomment>A printed note: %1 is the main window&apos;s search criteria.</extracomment>
        <translation>Kriterien: %1</translation>
    </message>
    <message>
        <source>Rows matching “%1”</source>
        <extracomment>A printed note: %1 is the filter&apos;s text.</extracomment>
        <translation>Zeilen, die „%1“ entsprechen</translation>
    </message>
    <message>
        <source>Chart of the selected hymn: %1</source>
        <translation>Diagramm des ausgewählten Liedes: %1</translation>
    </message>
    <message>
        <source>Chart of the %1 selected hymns: %2</source>
        <extracomment>A printed note: %1 is how many hymns are selected (two or more), %2 their names.</extracomment>
        <translation>Diagramm der %1 ausgewählten Lieder: %2</translation>
    </message>
</context>
<context>
    <name>SampleCopy</name>
    <message>
        <source>The folder “%1” could not be made: %2.</source>
        <extracomment>%1 is a folder&apos;s path, %2 the system&apos;s reason</extracomment>
        <translation>Der Ordner „%1“ konnte nicht angelegt werden: %2.</translation>
    </message>
    <message>
        <source>“%1” could not be copied into “%2”: %3.</source>
        <extracomment>%1 is a sample file&apos;s name, %2 the folder&apos;s path, %3 the system&apos;s reason</extracomment>
        <translation>„%1“ konnte nicht nach „%2“ kopiert werden: %3.</translation>
    </message>
    <message>
        <source>%1 The samples are opened where they are installed, to be read only.</source>
        <extracomment>%1 says why the samples could not be copied</extracomment>
        <translation>%1 Die Beispieldateien werden schreibgeschützt an ihrem Installationsort geöffnet.</translation>
    </message>
    <message>
        <source>Sample files</source>
        <translation>Beispieldateien</translation>
    </message>
</context>
<context>
    <name>ServiceCommands</name>
    <message>
        <source>Edit Service</source>
        <translation>Gottesdienst bearbeiten</translation>
    </message>
    <message>
        <source>The service has no lines left: add at least one, or take the service out of the log with Remove Service.</source>
        <translation>Der Gottesdienst hat keine Zeilen mehr: Fügen Sie mindestens eine hinzu oder nehmen Sie den Gottesdienst mit „Gottesdienst entfernen“ aus der Liste.</translation>
    </message>
    <message>
        <source>Remove Service</source>
        <translation>Gottesdienst entfernen</translation>
    </message>
    <message>
        <source>Remove this service from &quot;%1&quot;?

%2

The log as it was is kept in a backup, and Edit &gt; Undo Last Change puts it back.</source>
        <translation>Diesen Gottesdienst aus &quot;%1&quot; entfernen?

%2

Die bisherige Gottesdienstliste wird in einer Sicherung aufbewahrt, und Bearbeiten &gt; Letzte Änderung zurücknehmen stellt sie wieder her.</translation>
    </message>
    <message>
        <source>Close this dialog, reload the log (File &gt; Reload) and choose the service again.</source>
        <translation>Schließen Sie diesen Dialog, laden Sie die Gottesdienstliste neu (Datei &gt; Neu laden) und wählen Sie den Gottesdienst erneut aus.</translation>
    </message>
    <message>
        <source>Undo Last Change</source>
        <translation>Letzte Änderung zurücknehmen</translation>
    </message>
    <message>
        <source>Load the service log whose last change is to be undone.</source>
        <translation>Laden Sie die Gottesdienstliste, deren letzte Änderung zurückgenommen werden soll.</translation>
    </message>
    <message>
        <source>Undo the last change to &quot;%1&quot; (%2)?

The log is put back as it was before, from &quot;%3&quot;; the log as it is now is kept in a backup of its own.</source>
        <translation>Die letzte Änderung an &quot;%1&quot; (%2) zurücknehmen?

Die Gottesdienstliste wird aus &quot;%3&quot; auf den vorherigen Stand gebracht; die Liste im jetzigen Zustand wird in einer eigenen Sicherung aufbewahrt.</translation>
    </message>
    <message>
        <source>Print Hymn Board</source>
        <translation>Liedtafel drucken</translation>
    </message>
    <message>
        <source>The service has no hymn numbers to put on the board.</source>
        <translation>Der Gottesdienst hat keine Liednummern für die Tafel.</translation>
    </message>
    <message>
        <source>%1 — %2</source>
        <translation>%1 — %2</translation>
    </message>
    <message>
        <source>Hymn board %1.pdf</source>
        <translation>Liedtafel %1.pdf</translation>
    </message>
    <message>
        <source>Hymn board.pdf</source>
        <translation>Liedtafel.pdf</translation>
    </message>
    <message>
        <source>Copied for the bulletin: %1</source>
        <translation>Für das Liedblatt kopiert: %1</translation>
    </message>
</context>
<context>
    <name>Store</name>
    <message numerus="yes">
        <source>The file holds more than the %n entries the program can keep (line %1 would need one more); the entries before it were loaded.</source>
        <extracomment>%n is the most entries (hymns, services and their continuations) the program keeps, %1 a line number of the file.</extracomment>
        <translation>
            <numerusform>Die Datei enthält mehr als den %n Eintrag, den das Programm aufnehmen kann (Zeile %1 bräuchte einen weiteren); die Einträge davor wurden geladen.</numerusform>
            <numerusform>Die Datei enthält mehr als die %n Einträge, die das Programm aufnehmen kann (Zeile %1 bräuchte einen weiteren); die Einträge davor wurden geladen.</numerusform>
        </translation>
    </message>
    <message>
        <source>&quot;%1&quot; is empty: it holds no hymns or services.</source>
        <translation>&quot;%1&quot; ist leer: Die Datei enthält weder Lieder noch Gottesdienste.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; grew past 64 MiB while it was read; it is not a hymn file, so nothing was loaded.</source>
        <translation>&quot;%1&quot; ist beim Lesen über 64 MiB gewachsen; das ist keine Lieddatei, daher wurde nichts geladen.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; was not found; it may have been moved or deleted.</source>
        <translation>Die Datei &quot;%1&quot; wurde nicht gefunden; sie wurde vielleicht verschoben oder gelöscht.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a folder, not a hymn file.</source>
        <translation>&quot;%1&quot; ist ein Ordner, keine Lieddatei.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an ordinary file (a pipe or a device), so it was not read.</source>
        <translation>&quot;%1&quot; ist keine gewöhnliche Datei (eine Pipe oder ein Gerät), daher wurde sie nicht gelesen.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be opened (%2).</source>
        <extracomment>%2 is the system&apos;s own reason.</extracomment>
        <translation>&quot;%1&quot; konnte nicht geöffnet werden (%2).</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is %2 MiB; hymn files are far smaller than 64 MiB, so it was not read.</source>
        <extracomment>MiB: mebibytes (1024 × 1024 bytes).</extracomment>
        <translation>&quot;%1&quot; ist %2 MiB groß; Lieddateien sind weit kleiner als 64 MiB, daher wurde die Datei nicht gelesen.</translation>
    </message>
    <message numerus="yes">
        <source>Reading &quot;%1&quot; failed after %n byte(s) (%2); the entries read before the failure were kept.</source>
        <extracomment>%2 is the system&apos;s own reason.</extracomment>
        <translation>
            <numerusform>Das Lesen von &quot;%1&quot; ist nach %n Byte fehlgeschlagen (%2); die zuvor gelesenen Einträge wurden behalten.</numerusform>
            <numerusform>Das Lesen von &quot;%1&quot; ist nach %n Bytes fehlgeschlagen (%2); die zuvor gelesenen Einträge wurden behalten.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n item(s) loaded - this is the program&apos;s maximum</source>
        <extracomment>The message when a file holds more entries than the program keeps: the first %n were loaded.</extracomment>
        <translation>
            <numerusform>%n Eintrag geladen - das ist das Maximum des Programms</numerusform>
            <numerusform>%n Einträge geladen - das ist das Maximum des Programms</numerusform>
        </translation>
    </message>
    <message>
        <source>Reading &quot;%1&quot; failed (%2).</source>
        <extracomment>%2 is the system&apos;s own reason.</extracomment>
        <translation>Das Lesen von &quot;%1&quot; ist fehlgeschlagen (%2).</translation>
    </message>
</context>
<context>
    <name>SuggestWindow</name>
    <message>
        <source>Suggest Hymns</source>
        <translation>Lieder vorschlagen</translation>
    </message>
    <message>
        <source>Date planned for</source>
        <translation>Geplantes Datum</translation>
    </message>
    <message>
        <source>The day planned for: its readings come from Lectionary.txt beside the hymnal, and uses are counted up to it</source>
        <translation>Der geplante Tag: Seine Lesungen kommen aus Lectionary.txt neben dem Gesangbuch, und Verwendungen werden bis zu diesem Tag gezählt</translation>
    </message>
    <message>
        <source>Readings</source>
        <translation>Lesungen</translation>
    </message>
    <message>
        <source>Isaiah 40:1-11; Mark 1:1-8</source>
        <extracomment>An example of references, as a planner of the language writes them; the book names must be ones the program reads in that language (&quot;Jes 40,1-11; Mk 1,1-8&quot;).</extracomment>
        <translation>Jes 40,1-11; Mk 1,1-8</translation>
    </message>
    <message>
        <source>Scripture references, separated by semicolons</source>
        <translation>Bibelstellen, durch Semikolons getrennt</translation>
    </message>
    <message>
        <source>Phrase</source>
        <translation>Wortlaut</translation>
    </message>
    <message>
        <source>every word somewhere in the hymn</source>
        <translation>jedes Wort irgendwo im Lied</translation>
    </message>
    <message>
        <source>Words that must all occur in the title, a verse or a refrain, in any case</source>
        <translation>Wörter, die alle im Titel, in einer Strophe oder einem Kehrvers vorkommen müssen, ohne Rücksicht auf Groß-/Kleinschreibung</translation>
    </message>
    <message>
        <source>Meter</source>
        <extracomment>The meter box&apos;s placeholder: C.M. and 8.7.8.7 D are meters as typed, kept as they are.</extracomment>
        <translation>Versmaß</translation>
    </message>
    <message>
        <source>C.M. or 8.7.8.7 D</source>
        <translation>C.M. oder 8.7.8.7 D</translation>
    </message>
    <message>
        <source>A meter, as letters (C.M., L.M.D.) or syllable counts (8.7.8.7)</source>
        <translation>Ein Versmaß, als Buchstaben (C.M., L.M.D.) oder Silbenzahlen (8.7.8.7)</translation>
    </message>
    <message>
        <source>Sort by</source>
        <translation>Sortieren nach</translation>
    </message>
    <message>
        <source>Suggested order</source>
        <translation>Vorgeschlagene Reihenfolge</translation>
    </message>
    <message>
        <source>Suggested order: hymns sung often but not lately first, hymns never sung (new) last</source>
        <translation>Vorgeschlagene Reihenfolge: oft, aber nicht in letzter Zeit gesungene Lieder zuerst, nie gesungene (neu) zuletzt</translation>
    </message>
    <message>
        <source>&amp;Descending</source>
        <translation>&amp;Absteigend</translation>
    </message>
    <message>
        <source>Descending</source>
        <translation>Absteigend</translation>
    </message>
    <message>
        <source>Da&amp;te:</source>
        <translation>&amp;Datum:</translation>
    </message>
    <message>
        <source>&amp;Readings:</source>
        <translation>&amp;Lesungen:</translation>
    </message>
    <message>
        <source>&amp;Phrase:</source>
        <translation>&amp;Wortlaut:</translation>
    </message>
    <message>
        <source>&amp;Meter:</source>
        <translation>&amp;Versmaß:</translation>
    </message>
    <message>
        <source>&amp;Sort by:</source>
        <translation>&amp;Sortieren nach:</translation>
    </message>
    <message>
        <source>Suggested hymns</source>
        <translation>Vorgeschlagene Lieder</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>&amp;Add to Service</source>
        <translation>Zum &amp;Gottesdienst hinzufügen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Copy the selected rows, or all rows, for a spreadsheet (%1)</source>
        <extracomment>%1 is the copy&apos;s shortcut (Ctrl+C).</extracomment>
        <translation>Die ausgewählten Zeilen oder alle Zeilen für eine Tabellenkalkulation kopieren (%1)</translation>
    </message>
    <message>
        <source>Start a service with the selected hymns (%1)</source>
        <extracomment>%1 is the command&apos;s shortcut (Ctrl+Return).</extracomment>
        <translation>Einen Gottesdienst mit den ausgewählten Liedern beginnen (%1)</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>Schl&amp;ießen</translation>
    </message>
    <message>
        <source>Close (Esc)</source>
        <translation>Schließen (Esc)</translation>
    </message>
    <message>
        <source>No readings for %1 %2 in %3</source>
        <extracomment>%1 is the day&apos;s name in the church year, %2 the lectionary&apos;s year (A, B or C), %3 the file&apos;s name.</extracomment>
        <translation>Keine Lesungen für %1, Lesejahr %2, in %3</translation>
    </message>
    <message>
        <source>%1 could not be read: %2</source>
        <extracomment>%1 is the lectionary&apos;s file name, %2 why it could not be read.</extracomment>
        <translation>%1 konnte nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>No hymn in the hymnal fits.</source>
        <translation>Kein Lied im Gesangbuch passt.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln hymn(s) suggested, uses counted up to %1.</source>
        <translation>
            <numerusform>%Ln Lied vorgeschlagen, Verwendungen gezählt bis %1.</numerusform>
            <numerusform>%Ln Lieder vorgeschlagen, Verwendungen gezählt bis %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln hymn(s) suggested. Load a service log to see how often each was sung.</source>
        <translation>
            <numerusform>%Ln Lied vorgeschlagen. Laden Sie eine Gottesdienstliste, um zu sehen, wie oft es gesungen wurde.</numerusform>
            <numerusform>%Ln Lieder vorgeschlagen. Laden Sie eine Gottesdienstliste, um zu sehen, wie oft jedes gesungen wurde.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>UserGuide</name>
    <message>
        <source>User Guide</source>
        <translation>Benutzerhandbuch</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>%1 User Guide</source>
        <extracomment>%1 is the program&apos;s name</extracomment>
        <translation>%1-Benutzerhandbuch</translation>
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
        <translation>%1 wurde während der Vorbereitung des Imports von einem anderen Programm geändert, daher wurde nichts geschrieben. Importieren Sie erneut, um die Zeilen in den jetzigen Stand der Datei einzufügen.</translation>
    </message>
    <message>
        <source>The hymnal&apos;s folder “%1” cannot be written, so no lectionary can be imported: %2 goes beside the hymnal. Copy the hymnal to a folder you may write in, and set it there.</source>
        <translation>Der Ordner des Gesangbuchs „%1“ ist nicht beschreibbar, daher kann keine Leseordnung importiert werden: %2 gehört neben das Gesangbuch. Kopieren Sie das Gesangbuch in einen Ordner, in dem Sie schreiben dürfen, und legen Sie es dort fest.</translation>
    </message>
    <message>
        <source>%1 in “%2” is read-only, so no lectionary can be imported into it.</source>
        <translation>%1 in „%2“ ist schreibgeschützt, daher kann keine Leseordnung in die Datei importiert werden.</translation>
    </message>
    <message>
        <source>%1 in “%2” is not a file the program can write, so no lectionary can be imported.</source>
        <translation>%1 in „%2“ ist keine Datei, die das Programm schreiben kann, daher kann keine Leseordnung importiert werden.</translation>
    </message>
    <message>
        <source>%1 is being written by another copy of Cantorix2, so nothing was written. Try again in a moment.</source>
        <translation>%1 wird gerade von einer anderen Instanz von Cantorix2 geschrieben, daher wurde nichts geschrieben. Versuchen Sie es gleich noch einmal.</translation>
    </message>
    <message>
        <source>%1 could not be written: %2. The file is as it was.</source>
        <translation>%1 konnte nicht geschrieben werden: %2. Die Datei ist unverändert.</translation>
    </message>
</context>
</TS>
