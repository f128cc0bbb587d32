<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>AddServiceDialog</name>
    <message>
        <source>Print Hymn &amp;Board…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Copy for Bulletin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove &amp;Service</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The service&apos;s hymn numbers in large figures, a page for the hymn board</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The service&apos;s date and hymns to the clipboard, for the bulletin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit Service</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write the service in place of the one in the log</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Discard the changes to this service? The log keeps the service as it was.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Calendar</name>
    <message>
        <source>Not named: before the Gregorian church year (Advent 1582)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 · Year %2 · %3</source>
        <extracomment>The day line of a Roman Rite weekday in Ordinary Time: %1 the day&apos;s name, %2 the Sunday cycle (A, B or C), %3 the weekday cycle (I or II).</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 · Year %2</source>
        <extracomment>The day line beside a date: %1 the day&apos;s name, %2 the lectionary&apos;s year (A, B or C).</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Advent</source>
        <comment>season</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Christmas</source>
        <comment>season</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Epiphany</source>
        <comment>season</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lent</source>
        <comment>season</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Holy Week</source>
        <comment>season</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Easter</source>
        <comment>season</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>After Pentecost</source>
        <comment>season</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ordinary Time</source>
        <comment>season</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Advent 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Advent 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Advent 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Advent 4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Christmas Eve</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Christmas Day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Christmas 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Christmas 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Epiphany</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Baptism of the Lord</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Epiphany 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Epiphany 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Epiphany 4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Epiphany 5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Epiphany 6</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Epiphany 7</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Epiphany 8</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transfiguration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ash Wednesday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lent 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lent 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lent 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lent 4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lent 5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Palm Sunday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Maundy Thursday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Good Friday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Holy Saturday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Easter Day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Easter 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Easter 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Easter 4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Easter 5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Easter 6</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Easter 7</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ascension</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pentecost</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trinity Sunday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Proper 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Proper 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Proper 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Proper 4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Proper 5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Proper 6</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Proper 7</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Proper 8</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Proper 9</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Proper 10</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Proper 11</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Proper 12</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Proper 13</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Proper 14</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Proper 15</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Proper 16</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Proper 17</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Proper 18</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Proper 19</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Proper 20</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Proper 21</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Proper 22</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Proper 23</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Proper 24</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Proper 25</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Proper 26</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Proper 27</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Proper 28</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Christ the King</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All Saints</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pentecost 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pentecost 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pentecost 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pentecost 4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pentecost 5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pentecost 6</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pentecost 7</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pentecost 8</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pentecost 9</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pentecost 10</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pentecost 11</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pentecost 12</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pentecost 13</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pentecost 14</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pentecost 15</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pentecost 16</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pentecost 17</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pentecost 18</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pentecost 19</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pentecost 20</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pentecost 21</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pentecost 22</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pentecost 23</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pentecost 24</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pentecost 25</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pentecost 26</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pentecost 27</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pentecost 28</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ordinary Time 6</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ordinary Time 7</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ordinary Time 8</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ordinary Time 9</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ordinary Time 10</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ordinary Time 11</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ordinary Time 12</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ordinary Time 13</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ordinary Time 14</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ordinary Time 15</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ordinary Time 16</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ordinary Time 17</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ordinary Time 18</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ordinary Time 19</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ordinary Time 20</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ordinary Time 21</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ordinary Time 22</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ordinary Time 23</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ordinary Time 24</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ordinary Time 25</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ordinary Time 26</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ordinary Time 27</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ordinary Time 28</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ordinary Time 29</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ordinary Time 30</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ordinary Time 31</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ordinary Time 32</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ordinary Time 33</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trinity 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trinity 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trinity 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trinity 4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trinity 5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trinity 6</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trinity 7</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trinity 8</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trinity 9</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trinity 10</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trinity 11</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trinity 12</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trinity 13</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trinity 14</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trinity 15</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trinity 16</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trinity 17</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trinity 18</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trinity 19</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trinity 20</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trinity 21</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trinity 22</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trinity 23</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trinity 24</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trinity 25</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trinity 26</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trinity 27</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First Sunday of Advent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Second Sunday of Advent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Third Sunday of Advent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fourth Sunday of Advent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Immaculate Conception of the Blessed Virgin Mary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vigil of the Nativity of the Lord</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Nativity of the Lord</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Holy Family of Jesus, Mary and Joseph</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mary, the Holy Mother of God</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Second Sunday after the Nativity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Epiphany of the Lord</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Baptism of the Lord</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Second Sunday in Ordinary Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Third Sunday in Ordinary Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fourth Sunday in Ordinary Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fifth Sunday in Ordinary Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sixth Sunday in Ordinary Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Seventh Sunday in Ordinary Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eighth Sunday in Ordinary Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ninth Sunday in Ordinary Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tenth Sunday in Ordinary Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eleventh Sunday in Ordinary Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Twelfth Sunday in Ordinary Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thirteenth Sunday in Ordinary Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fourteenth Sunday in Ordinary Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fifteenth Sunday in Ordinary Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sixteenth Sunday in Ordinary Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Seventeenth Sunday in Ordinary Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eighteenth Sunday in Ordinary Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nineteenth Sunday in Ordinary Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Twentieth Sunday in Ordinary Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Twenty-first Sunday in Ordinary Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Twenty-second Sunday in Ordinary Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Twenty-third Sunday in Ordinary Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Twenty-fourth Sunday in Ordinary Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Twenty-fifth Sunday in Ordinary Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Twenty-sixth Sunday in Ordinary Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Twenty-seventh Sunday in Ordinary Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Twenty-eighth Sunday in Ordinary Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Twenty-ninth Sunday in Ordinary Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thirtieth Sunday in Ordinary Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thirty-first Sunday in Ordinary Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thirty-second Sunday in Ordinary Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thirty-third Sunday in Ordinary Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Presentation of the Lord</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First Sunday of Lent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Second Sunday of Lent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Third Sunday of Lent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fourth Sunday of Lent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fifth Sunday of Lent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saint Joseph, Spouse of the Blessed Virgin Mary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Annunciation of the Lord</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Palm Sunday of the Passion of the Lord</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thursday of the Lord&apos;s Supper</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Friday of the Passion of the Lord</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Easter Sunday of the Resurrection of the Lord</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Second Sunday of Easter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Third Sunday of Easter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fourth Sunday of Easter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fifth Sunday of Easter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sixth Sunday of Easter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Seventh Sunday of Easter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Ascension of the Lord</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pentecost Sunday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Most Holy Trinity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Most Holy Body and Blood of Christ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Most Sacred Heart of Jesus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Nativity of Saint John the Baptist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saints Peter and Paul, Apostles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Transfiguration of the Lord</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Assumption of the Blessed Virgin Mary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Exaltation of the Holy Cross</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Commemoration of All the Faithful Departed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Dedication of the Lateran Basilica</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Our Lord Jesus Christ, King of the Universe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First Week of Advent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Second Week of Advent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Third Week of Advent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fourth Week of Advent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First Week of Lent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Second Week of Lent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Third Week of Lent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fourth Week of Lent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fifth Week of Lent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Second Week of Easter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Third Week of Easter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fourth Week of Easter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fifth Week of Easter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sixth Week of Easter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Seventh Week of Easter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First Week in Ordinary Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Second Week in Ordinary Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Third Week in Ordinary Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fourth Week in Ordinary Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fifth Week in Ordinary Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sixth Week in Ordinary Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Seventh Week in Ordinary Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eighth Week in Ordinary Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ninth Week in Ordinary Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tenth Week in Ordinary Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eleventh Week in Ordinary Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Twelfth Week in Ordinary Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thirteenth Week in Ordinary Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fourteenth Week in Ordinary Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fifteenth Week in Ordinary Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sixteenth Week in Ordinary Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Seventeenth Week in Ordinary Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eighteenth Week in Ordinary Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nineteenth Week in Ordinary Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Twentieth Week in Ordinary Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Twenty-first Week in Ordinary Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Twenty-second Week in Ordinary Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Twenty-third Week in Ordinary Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Twenty-fourth Week in Ordinary Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Twenty-fifth Week in Ordinary Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Twenty-sixth Week in Ordinary Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Twenty-seventh Week in Ordinary Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Twenty-eighth Week in Ordinary Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Twenty-ninth Week in Ordinary Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thirtieth Week in Ordinary Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thirty-first Week in Ordinary Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thirty-second Week in Ordinary Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thirty-third Week in Ordinary Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thirty-fourth Week in Ordinary Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Monday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Friday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 after %2</source>
        <extracomment>A weekday named after the Sunday or feast its week began with: &quot;Tuesday after Lent 2&quot;. %1 is the weekday, %2 the day&apos;s name.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of the %2</source>
        <extracomment>A weekday of the Roman Rite named by its week: &quot;Tuesday of the Second Week of Lent&quot;. %1 is the weekday, %2 the week (&quot;Second Week of Lent&quot;).</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of Holy Week</source>
        <extracomment>Monday, Tuesday or Wednesday of Holy Week; %1 is the weekday.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 after Ash Wednesday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 within the Octave of Easter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 within the Octave of the Nativity of the Lord</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 before the Epiphany</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 after the Epiphany</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ChurchYearMenu</name>
    <message>
        <source>Church &amp;Year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Propers (“Proper 17”)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sundays after P&amp;entecost (“Pentecost 14”)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Ordinary Time (“Ordinary Time 22”)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sundays after &amp;Trinity (“Trinity 13”)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Roman Rite (“Twenty-second Sunday in Ordinary Time”)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Epiphany on the &amp;Sunday January 2–8</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Roman Rite: the Epiphany on the Sunday from January 2 to 8 instead of January 6; the Baptism of the Lord then falls on the Monday after a January 7 or 8</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Ascension on the Following Sunday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Roman Rite: the Ascension on the Seventh Sunday of Easter instead of the Thursday before</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Body and Blood of Christ on the Following Sunday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Roman Rite: the Most Holy Body and Blood of Christ on the Sunday after Trinity instead of the Thursday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Offer Day &amp;Names Always</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Offer the day&apos;s name as the occasion of a new service even in a log whose latest service has none</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FileChangedBar</name>
    <message>
        <source>&amp;Put Back Backup…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Keep Log</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Put the backup back in place of the log</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep the log as it is</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The last write of %1 was cut short: the log may hold part of a service.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The last write of %1 was cut short: the log may hold part of a service. %2 holds it as it was.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HymnBoard</name>
    <message>
        <source>Hymn board</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HymnBoardDialog</name>
    <message>
        <source>Print Hymn Board</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>On the board, one a line: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Date and occasion above them: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save PDF…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The hymn board could not be printed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The hymn board was sent to %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Hymn Board as PDF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the PDF could not be made</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The hymn board could not be saved as &quot;%1&quot;: %2. Nothing was changed there.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LanguageMenu</name>
    <message>
        <source>&amp;Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;System</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Takes effect at the next start</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Logbook</name>
    <message>
        <source>&quot;%1&quot; holds the same bytes as &quot;%2&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The first %1 of the %2 bytes of &quot;%3&quot; are as in &quot;%4&quot; (%5 bytes); after them the log differs.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>The log holds %n NUL byte(s) that the backup does not.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>The mark beside &quot;%1&quot; names no backup that can be put back.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The backup &quot;%1&quot; is no longer as it was written (it was changed, moved or removed), so it was not put back. &quot;%2&quot; is as it was.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; put back in place of &quot;%2&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; has changed on disk since it was loaded, so the service was not added.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Make room on the disk and try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Check that you may write in the folder &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> The disk is read-only: copy the log to a disk you can write to and load it from there.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Try again; if it fails again, check the disk or the network connection.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is being written by another copy of Cantorix2, so the service was not added. Try again in a moment.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is being written by Cantorix2 on %2, so the service was not added. Try again in a moment.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Nothing was written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The last write of &quot;%1&quot; was cut short, so the service was not added: in the bar under the window, put its backup back or keep the log as it is, then add the service again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is read-only, so the service was not added.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The name &quot;%1&quot; leaves no room for a backup&apos;s name beside it, so the service was not added. A shorter name will do: rename the log and load it again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every name for a backup of &quot;%1&quot; (up to &quot;%2&quot;) is taken, so the service was not added. Move old backups away and try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The backup &quot;%1&quot; could not be written: %2. Nothing was written; &quot;%3&quot; is as it was.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; was not written: the mark of a write in progress could not be left beside it (%2). The file is as it was.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be written: %2. Its bytes as they were are in &quot;%3&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be written: %2. The file is as it was; its bytes are also in &quot;%3&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>; the log as it was is kept in %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This file holds hymn texts, not a service log, so no service can be added to it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The service&apos;s date cannot be written as a head line that the program reads back.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The character “%1” cannot be written in this file&apos;s encoding (%2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The service is not in the file as it was loaded, so nothing was written. Load the log again and choose the service anew.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This log is full: with this service longer, the program would no longer read the last service of the file, so nothing was written. Start a new log for the services to come.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Written this way, the service would change how the program reads other services of the log (a head line without a year takes it from the next one below), so nothing was written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Service of %1 changed: %n hymn(s)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Service of %1 removed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The service without a date removed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cantorix2 has made no change to &quot;%1&quot; that it can undo: it remembers none since its backups were kept.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no longer as Cantorix2 left it after its last change (%2), so that change cannot be undone.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The backup &quot;%1&quot; is no longer as Cantorix2 wrote it, so the last change to &quot;%2&quot; cannot be undone.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undone: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; has changed on disk since it was loaded, so nothing was written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is being written by another copy of Cantorix2, so nothing was written. Try again in a moment.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is being written by Cantorix2 on %2, so nothing was written. Try again in a moment.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The last write of &quot;%1&quot; was cut short, so nothing was written: in the bar under the window, put its backup back or keep the log as it is, then try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is read-only, so nothing was written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The name &quot;%1&quot; leaves no room for a backup&apos;s name beside it, so nothing was written. A shorter name will do: rename the log and load it again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every name for a backup of &quot;%1&quot; (up to &quot;%2&quot;) is taken, so nothing was written. Move old backups away and try again.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>The system&apos;s language from the next start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 from the next start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;User Guide</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%1 holds %n NUL character(s), which a text file does not: a write may have been cut short. Look at it in a text editor.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Put Back Backup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The backup &quot;%1&quot; cannot be read, so it cannot be put back.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Put &quot;%1&quot; back in place of &quot;%2&quot;? The log as it is now is kept in a backup of its own.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is kept as it is.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print Hymn &amp;Board…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit Service…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Undo Last Change</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy for &amp;Bulletin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit Service</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load a service log first: a service of the log loaded is edited.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The log holds no service to edit.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>Hymns joined by number: 14, 014 and #14 are one hymn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No service is dated up to today</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Counted from %1, the latest service up to today</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Counted from %1, the latest service</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> — after today: check the head line “%1”</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n planned service(s) after today is/are not counted</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n planned service(s) after today is/are counted</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>The head line “%1” is dated more than a year after today: check its year</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReportExports</name>
    <message>
        <source>Saved %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Printed the report: %n page(s)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ReportModel</name>
    <message>
        <source>Credits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Days from the last use to the latest service counted</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReportWindow</name>
    <message>
        <source>Previous church year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Previous calendar year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The range of services to count, taken back from the latest service held, or from today for the previous years</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Count pla&amp;nned services</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Count the services dated after today too, as if they had been held</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ServiceCommands</name>
    <message>
        <source>Edit Service</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The service has no lines left: add at least one, or take the service out of the log with Remove Service.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove Service</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove this service from &quot;%1&quot;?

%2

The log as it was is kept in a backup, and Edit &gt; Undo Last Change puts it back.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close this dialog, reload the log (File &gt; Reload) and choose the service again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo Last Change</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load the service log whose last change is to be undone.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo the last change to &quot;%1&quot; (%2)?

The log is put back as it was before, from &quot;%3&quot;; the log as it is now is kept in a backup of its own.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print Hymn Board</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The service has no hymn numbers to put on the board.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 — %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hymn board %1.pdf</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hymn board.pdf</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copied for the bulletin: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>UserGuide</name>
    <message>
        <source>Cantorix2 User Guide</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>User Guide</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
