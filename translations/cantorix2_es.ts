<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>AccessibleParts</name>
    <message>
        <source>Clear %1</source>
        <extracomment>a screen reader&apos;s name for the button that empties a box; %1 is the box&apos;s name</extracomment>
        <translation>Limpiar %1</translation>
    </message>
    <message>
        <source>%1 choices</source>
        <extracomment>a screen reader&apos;s name for the list a drop-down opens; %1 is the drop-down&apos;s name</extracomment>
        <translation>Opciones de %1</translation>
    </message>
</context>
<context>
    <name>AddServiceDialog</name>
    <message>
        <source>Print Hymn &amp;Board…</source>
        <translation>&amp;Imprimir tablero de himnos…</translation>
    </message>
    <message>
        <source>&amp;Copy for Bulletin</source>
        <translation>&amp;Copiar para el boletín</translation>
    </message>
    <message>
        <source>Remove &amp;Service</source>
        <translation>&amp;Eliminar culto</translation>
    </message>
    <message>
        <source>The service&apos;s hymn numbers in large figures, a page for the hymn board</source>
        <translation>Los números de los himnos del culto en cifras grandes, una página para el tablero de himnos</translation>
    </message>
    <message>
        <source>The service&apos;s date and hymns to the clipboard, for the bulletin</source>
        <translation>La fecha y los himnos del culto al portapapeles, para el boletín</translation>
    </message>
    <message>
        <source>Edit Service</source>
        <translation>Editar culto</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Write the service in place of the one in the log</source>
        <translation>Guardar el culto en lugar del que hay en el registro</translation>
    </message>
    <message>
        <source>Discard the changes to this service? The log keeps the service as it was.</source>
        <translation>¿Descartar los cambios de este culto? El registro conserva el culto tal como estaba.</translation>
    </message>
    <message>
        <source>Add &amp;Row</source>
        <translation>&amp;Añadir fila</translation>
    </message>
    <message>
        <source>Re&amp;move Row</source>
        <translation>&amp;Quitar fila</translation>
    </message>
    <message>
        <source>Move &amp;Up</source>
        <translation>&amp;Subir</translation>
    </message>
    <message>
        <source>Move &amp;Down</source>
        <translation>&amp;Bajar</translation>
    </message>
    <message>
        <source>Su&amp;ggest Hymns…</source>
        <translation>Su&amp;gerir himnos…</translation>
    </message>
    <message>
        <source>Add Service</source>
        <translation>Añadir culto</translation>
    </message>
    <message>
        <source>Easter, Advent 3 … (may be left empty)</source>
        <translation>Pascua, Adviento 3 … (puede dejarse en blanco)</translation>
    </message>
    <message>
        <source>Day of the church year</source>
        <translation>Día del año litúrgico</translation>
    </message>
    <message>
        <source>Da&amp;te:</source>
        <translation>&amp;Fecha:</translation>
    </message>
    <message>
        <source>&amp;Occasion:</source>
        <translation>&amp;Ocasión:</translation>
    </message>
    <message>
        <source>&amp;Hymns:</source>
        <translation>&amp;Himnos:</translation>
    </message>
    <message>
        <source>Mark hymns sung &amp;within</source>
        <translation>Marcar los himnos cantados en las ú&amp;ltimas</translation>
    </message>
    <message>
        <source>Service date</source>
        <translation>Fecha del culto</translation>
    </message>
    <message>
        <source>Occasion</source>
        <translation>Ocasión</translation>
    </message>
    <message>
        <source>Mark hymns sung within this many weeks</source>
        <translation>Número de semanas en las que se marcan los himnos cantados</translation>
    </message>
    <message>
        <source>weeks</source>
        <translation>semanas</translation>
    </message>
    <message>
        <source>Hymns for this day&apos;s readings from the hymnal (Alt+G)</source>
        <translation>Himnos del himnario para las lecturas de este día (Alt+G)</translation>
    </message>
    <message>
        <source>Set a hymnal first, with File &gt; Set Hymnal…</source>
        <translation>Elija primero un himnario con Archivo &gt; Elegir himnario…</translation>
    </message>
    <message>
        <source>Discard this service? What was typed in it is not added to the log.</source>
        <translation>¿Descartar este culto? Lo que se escribió en él no se añade al registro.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>Calendar</name>
    <message>
        <source>Not named: before the Gregorian church year (Advent 1582)</source>
        <translation>Sin nombre: antes del año litúrgico gregoriano (Adviento de 1582)</translation>
    </message>
    <message>
        <source>%1 · Year %2 · %3</source>
        <extracomment>The day line of a Roman Rite weekday in Ordinary Time: %1 the day&apos;s name, %2 the Sunday cycle (A, B or C), %3 the weekday cycle (I or II).</extracomment>
        <translation>%1 · Año %2 · %3</translation>
    </message>
    <message>
        <source>%1 · Year %2</source>
        <extracomment>The day line beside a date: %1 the day&apos;s name, %2 the lectionary&apos;s year (A, B or C).</extracomment>
        <translation>%1 · Año %2</translation>
    </message>
    <message>
        <source>Advent</source>
        <comment>season</comment>
        <translation>Adviento</translation>
    </message>
    <message>
        <source>Christmas</source>
        <comment>season</comment>
        <translation>Navidad</translation>
    </message>
    <message>
        <source>Epiphany</source>
        <comment>season</comment>
        <translation>Epifanía</translation>
    </message>
    <message>
        <source>Lent</source>
        <comment>season</comment>
        <translation>Cuaresma</translation>
    </message>
    <message>
        <source>Holy Week</source>
        <comment>season</comment>
        <translation>Semana Santa</translation>
    </message>
    <message>
        <source>Easter</source>
        <comment>season</comment>
        <translation>Pascua</translation>
    </message>
    <message>
        <source>After Pentecost</source>
        <comment>season</comment>
        <translation>Después de Pentecostés</translation>
    </message>
    <message>
        <source>Ordinary Time</source>
        <comment>season</comment>
        <translation>Tiempo Ordinario</translation>
    </message>
    <message>
        <source>Advent 1</source>
        <translation>Adviento 1</translation>
    </message>
    <message>
        <source>Advent 2</source>
        <translation>Adviento 2</translation>
    </message>
    <message>
        <source>Advent 3</source>
        <translation>Adviento 3</translation>
    </message>
    <message>
        <source>Advent 4</source>
        <translation>Adviento 4</translation>
    </message>
    <message>
        <source>Christmas Eve</source>
        <translation>Nochebuena</translation>
    </message>
    <message>
        <source>Christmas Day</source>
        <translation>Día de Navidad</translation>
    </message>
    <message>
        <source>Christmas 1</source>
        <translation>Navidad 1</translation>
    </message>
    <message>
        <source>Christmas 2</source>
        <translation>Navidad 2</translation>
    </message>
    <message>
        <source>Epiphany</source>
        <translation>Epifanía</translation>
    </message>
    <message>
        <source>Baptism of the Lord</source>
        <translation>Bautismo del Señor</translation>
    </message>
    <message>
        <source>Epiphany 2</source>
        <translation>Epifanía 2</translation>
    </message>
    <message>
        <source>Epiphany 3</source>
        <translation>Epifanía 3</translation>
    </message>
    <message>
        <source>Epiphany 4</source>
        <translation>Epifanía 4</translation>
    </message>
    <message>
        <source>Epiphany 5</source>
        <translation>Epifanía 5</translation>
    </message>
    <message>
        <source>Epiphany 6</source>
        <translation>Epifanía 6</translation>
    </message>
    <message>
        <source>Epiphany 7</source>
        <translation>Epifanía 7</translation>
    </message>
    <message>
        <source>Epiphany 8</source>
        <translation>Epifanía 8</translation>
    </message>
    <message>
        <source>Transfiguration</source>
        <translation>Transfiguración</translation>
    </message>
    <message>
        <source>Ash Wednesday</source>
        <translation>Miércoles de Ceniza</translation>
    </message>
    <message>
        <source>Lent 1</source>
        <translation>Cuaresma 1</translation>
    </message>
    <message>
        <source>Lent 2</source>
        <translation>Cuaresma 2</translation>
    </message>
    <message>
        <source>Lent 3</source>
        <translation>Cuaresma 3</translation>
    </message>
    <message>
        <source>Lent 4</source>
        <translation>Cuaresma 4</translation>
    </message>
    <message>
        <source>Lent 5</source>
        <translation>Cuaresma 5</translation>
    </message>
    <message>
        <source>Palm Sunday</source>
        <translation>Domingo de Ramos</translation>
    </message>
    <message>
        <source>Maundy Thursday</source>
        <translation>Jueves Santo</translation>
    </message>
    <message>
        <source>Good Friday</source>
        <translation>Viernes Santo</translation>
    </message>
    <message>
        <source>Holy Saturday</source>
        <translation>Sábado Santo</translation>
    </message>
    <message>
        <source>Easter Day</source>
        <translation>Domingo de Resurrección</translation>
    </message>
    <message>
        <source>Easter 2</source>
        <translation>Pascua 2</translation>
    </message>
    <message>
        <source>Easter 3</source>
        <translation>Pascua 3</translation>
    </message>
    <message>
        <source>Easter 4</source>
        <translation>Pascua 4</translation>
    </message>
    <message>
        <source>Easter 5</source>
        <translation>Pascua 5</translation>
    </message>
    <message>
        <source>Easter 6</source>
        <translation>Pascua 6</translation>
    </message>
    <message>
        <source>Easter 7</source>
        <translation>Pascua 7</translation>
    </message>
    <message>
        <source>Ascension</source>
        <translation>Ascensión</translation>
    </message>
    <message>
        <source>Pentecost</source>
        <translation>Pentecostés</translation>
    </message>
    <message>
        <source>Trinity Sunday</source>
        <translation>Domingo de la Trinidad</translation>
    </message>
    <message>
        <source>Proper 1</source>
        <translation>Propio 1</translation>
    </message>
    <message>
        <source>Proper 2</source>
        <translation>Propio 2</translation>
    </message>
    <message>
        <source>Proper 3</source>
        <translation>Propio 3</translation>
    </message>
    <message>
        <source>Proper 4</source>
        <translation>Propio 4</translation>
    </message>
    <message>
        <source>Proper 5</source>
        <translation>Propio 5</translation>
    </message>
    <message>
        <source>Proper 6</source>
        <translation>Propio 6</translation>
    </message>
    <message>
        <source>Proper 7</source>
        <translation>Propio 7</translation>
    </message>
    <message>
        <source>Proper 8</source>
        <translation>Propio 8</translation>
    </message>
    <message>
        <source>Proper 9</source>
        <translation>Propio 9</translation>
    </message>
    <message>
        <source>Proper 10</source>
        <translation>Propio 10</translation>
    </message>
    <message>
        <source>Proper 11</source>
        <translation>Propio 11</translation>
    </message>
    <message>
        <source>Proper 12</source>
        <translation>Propio 12</translation>
    </message>
    <message>
        <source>Proper 13</source>
        <translation>Propio 13</translation>
    </message>
    <message>
        <source>Proper 14</source>
        <translation>Propio 14</translation>
    </message>
    <message>
        <source>Proper 15</source>
        <translation>Propio 15</translation>
    </message>
    <message>
        <source>Proper 16</source>
        <translation>Propio 16</translation>
    </message>
    <message>
        <source>Proper 17</source>
        <translation>Propio 17</translation>
    </message>
    <message>
        <source>Proper 18</source>
        <translation>Propio 18</translation>
    </message>
    <message>
        <source>Proper 19</source>
        <translation>Propio 19</translation>
    </message>
    <message>
        <source>Proper 20</source>
        <translation>Propio 20</translation>
    </message>
    <message>
        <source>Proper 21</source>
        <translation>Propio 21</translation>
    </message>
    <message>
        <source>Proper 22</source>
        <translation>Propio 22</translation>
    </message>
    <message>
        <source>Proper 23</source>
        <translation>Propio 23</translation>
    </message>
    <message>
        <source>Proper 24</source>
        <translation>Propio 24</translation>
    </message>
    <message>
        <source>Proper 25</source>
        <translation>Propio 25</translation>
    </message>
    <message>
        <source>Proper 26</source>
        <translation>Propio 26</translation>
    </message>
    <message>
        <source>Proper 27</source>
        <translation>Propio 27</translation>
    </message>
    <message>
        <source>Proper 28</source>
        <translation>Propio 28</translation>
    </message>
    <message>
        <source>Christ the King</source>
        <translation>Cristo Rey</translation>
    </message>
    <message>
        <source>All Saints</source>
        <translation>Todos los Santos</translation>
    </message>
    <message>
        <source>Pentecost 1</source>
        <translation>Pentecostés 1</translation>
    </message>
    <message>
        <source>Pentecost 2</source>
        <translation>Pentecostés 2</translation>
    </message>
    <message>
        <source>Pentecost 3</source>
        <translation>Pentecostés 3</translation>
    </message>
    <message>
        <source>Pentecost 4</source>
        <translation>Pentecostés 4</translation>
    </message>
    <message>
        <source>Pentecost 5</source>
        <translation>Pentecostés 5</translation>
    </message>
    <message>
        <source>Pentecost 6</source>
        <translation>Pentecostés 6</translation>
    </message>
    <message>
        <source>Pentecost 7</source>
        <translation>Pentecostés 7</translation>
    </message>
    <message>
        <source>Pentecost 8</source>
        <translation>Pentecostés 8</translation>
    </message>
    <message>
        <source>Pentecost 9</source>
        <translation>Pentecostés 9</translation>
    </message>
    <message>
        <source>Pentecost 10</source>
        <translation>Pentecostés 10</translation>
    </message>
    <message>
        <source>Pentecost 11</source>
        <translation>Pentecostés 11</translation>
    </message>
    <message>
        <source>Pentecost 12</source>
        <translation>Pentecostés 12</translation>
    </message>
    <message>
        <source>Pentecost 13</source>
        <translation>Pentecostés 13</translation>
    </message>
    <message>
        <source>Pentecost 14</source>
        <translation>Pentecostés 14</translation>
    </message>
    <message>
        <source>Pentecost 15</source>
        <translation>Pentecostés 15</translation>
    </message>
    <message>
        <source>Pentecost 16</source>
        <translation>Pentecostés 16</translation>
    </message>
    <message>
        <source>Pentecost 17</source>
        <translation>Pentecostés 17</translation>
    </message>
    <message>
        <source>Pentecost 18</source>
        <translation>Pentecostés 18</translation>
    </message>
    <message>
        <source>Pentecost 19</source>
        <translation>Pentecostés 19</translation>
    </message>
    <message>
        <source>Pentecost 20</source>
        <translation>Pentecostés 20</translation>
    </message>
    <message>
        <source>Pentecost 21</source>
        <translation>Pentecostés 21</translation>
    </message>
    <message>
        <source>Pentecost 22</source>
        <translation>Pentecostés 22</translation>
    </message>
    <message>
        <source>Pentecost 23</source>
        <translation>Pentecostés 23</translation>
    </message>
    <message>
        <source>Pentecost 24</source>
        <translation>Pentecostés 24</translation>
    </message>
    <message>
        <source>Pentecost 25</source>
        <translation>Pentecostés 25</translation>
    </message>
    <message>
        <source>Pentecost 26</source>
        <translation>Pentecostés 26</translation>
    </message>
    <message>
        <source>Pentecost 27</source>
        <translation>Pentecostés 27</translation>
    </message>
    <message>
        <source>Pentecost 28</source>
        <translation>Pentecostés 28</translation>
    </message>
    <message>
        <source>Ordinary Time 6</source>
        <translation>Tiempo Ordinario 6</translation>
    </message>
    <message>
        <source>Ordinary Time 7</source>
        <translation>Tiempo Ordinario 7</translation>
    </message>
    <message>
        <source>Ordinary Time 8</source>
        <translation>Tiempo Ordinario 8</translation>
    </message>
    <message>
        <source>Ordinary Time 9</source>
        <translation>Tiempo Ordinario 9</translation>
    </message>
    <message>
        <source>Ordinary Time 10</source>
        <translation>Tiempo Ordinario 10</translation>
    </message>
    <message>
        <source>Ordinary Time 11</source>
        <translation>Tiempo Ordinario 11</translation>
    </message>
    <message>
        <source>Ordinary Time 12</source>
        <translation>Tiempo Ordinario 12</translation>
    </message>
    <message>
        <source>Ordinary Time 13</source>
        <translation>Tiempo Ordinario 13</translation>
    </message>
    <message>
        <source>Ordinary Time 14</source>
        <translation>Tiempo Ordinario 14</translation>
    </message>
    <message>
        <source>Ordinary Time 15</source>
        <translation>Tiempo Ordinario 15</translation>
    </message>
    <message>
        <source>Ordinary Time 16</source>
        <translation>Tiempo Ordinario 16</translation>
    </message>
    <message>
        <source>Ordinary Time 17</source>
        <translation>Tiempo Ordinario 17</translation>
    </message>
    <message>
        <source>Ordinary Time 18</source>
        <translation>Tiempo Ordinario 18</translation>
    </message>
    <message>
        <source>Ordinary Time 19</source>
        <translation>Tiempo Ordinario 19</translation>
    </message>
    <message>
        <source>Ordinary Time 20</source>
        <translation>Tiempo Ordinario 20</translation>
    </message>
    <message>
        <source>Ordinary Time 21</source>
        <translation>Tiempo Ordinario 21</translation>
    </message>
    <message>
        <source>Ordinary Time 22</source>
        <translation>Tiempo Ordinario 22</translation>
    </message>
    <message>
        <source>Ordinary Time 23</source>
        <translation>Tiempo Ordinario 23</translation>
    </message>
    <message>
        <source>Ordinary Time 24</source>
        <translation>Tiempo Ordinario 24</translation>
    </message>
    <message>
        <source>Ordinary Time 25</source>
        <translation>Tiempo Ordinario 25</translation>
    </message>
    <message>
        <source>Ordinary Time 26</source>
        <translation>Tiempo Ordinario 26</translation>
    </message>
    <message>
        <source>Ordinary Time 27</source>
        <translation>Tiempo Ordinario 27</translation>
    </message>
    <message>
        <source>Ordinary Time 28</source>
        <translation>Tiempo Ordinario 28</translation>
    </message>
    <message>
        <source>Ordinary Time 29</source>
        <translation>Tiempo Ordinario 29</translation>
    </message>
    <message>
        <source>Ordinary Time 30</source>
        <translation>Tiempo Ordinario 30</translation>
    </message>
    <message>
        <source>Ordinary Time 31</source>
        <translation>Tiempo Ordinario 31</translation>
    </message>
    <message>
        <source>Ordinary Time 32</source>
        <translation>Tiempo Ordinario 32</translation>
    </message>
    <message>
        <source>Ordinary Time 33</source>
        <translation>Tiempo Ordinario 33</translation>
    </message>
    <message>
        <source>Trinity 1</source>
        <translation>Trinidad 1</translation>
    </message>
    <message>
        <source>Trinity 2</source>
        <translation>Trinidad 2</translation>
    </message>
    <message>
        <source>Trinity 3</source>
        <translation>Trinidad 3</translation>
    </message>
    <message>
        <source>Trinity 4</source>
        <translation>Trinidad 4</translation>
    </message>
    <message>
        <source>Trinity 5</source>
        <translation>Trinidad 5</translation>
    </message>
    <message>
        <source>Trinity 6</source>
        <translation>Trinidad 6</translation>
    </message>
    <message>
        <source>Trinity 7</source>
        <translation>Trinidad 7</translation>
    </message>
    <message>
        <source>Trinity 8</source>
        <translation>Trinidad 8</translation>
    </message>
    <message>
        <source>Trinity 9</source>
        <translation>Trinidad 9</translation>
    </message>
    <message>
        <source>Trinity 10</source>
        <translation>Trinidad 10</translation>
    </message>
    <message>
        <source>Trinity 11</source>
        <translation>Trinidad 11</translation>
    </message>
    <message>
        <source>Trinity 12</source>
        <translation>Trinidad 12</translation>
    </message>
    <message>
        <source>Trinity 13</source>
        <translation>Trinidad 13</translation>
    </message>
    <message>
        <source>Trinity 14</source>
        <translation>Trinidad 14</translation>
    </message>
    <message>
        <source>Trinity 15</source>
        <translation>Trinidad 15</translation>
    </message>
    <message>
        <source>Trinity 16</source>
        <translation>Trinidad 16</translation>
    </message>
    <message>
        <source>Trinity 17</source>
        <translation>Trinidad 17</translation>
    </message>
    <message>
        <source>Trinity 18</source>
        <translation>Trinidad 18</translation>
    </message>
    <message>
        <source>Trinity 19</source>
        <translation>Trinidad 19</translation>
    </message>
    <message>
        <source>Trinity 20</source>
        <translation>Trinidad 20</translation>
    </message>
    <message>
        <source>Trinity 21</source>
        <translation>Trinidad 21</translation>
    </message>
    <message>
        <source>Trinity 22</source>
        <translation>Trinidad 22</translation>
    </message>
    <message>
        <source>Trinity 23</source>
        <translation>Trinidad 23</translation>
    </message>
    <message>
        <source>Trinity 24</source>
        <translation>Trinidad 24</translation>
    </message>
    <message>
        <source>Trinity 25</source>
        <translation>Trinidad 25</translation>
    </message>
    <message>
        <source>Trinity 26</source>
        <translation>Trinidad 26</translation>
    </message>
    <message>
        <source>Trinity 27</source>
        <translation>Trinidad 27</translation>
    </message>
    <message>
        <source>First Sunday of Advent</source>
        <translation>Domingo I de Adviento</translation>
    </message>
    <message>
        <source>Second Sunday of Advent</source>
        <translation>Domingo II de Adviento</translation>
    </message>
    <message>
        <source>Third Sunday of Advent</source>
        <translation>Domingo III de Adviento</translation>
    </message>
    <message>
        <source>Fourth Sunday of Advent</source>
        <translation>Domingo IV de Adviento</translation>
    </message>
    <message>
        <source>The Immaculate Conception of the Blessed Virgin Mary</source>
        <translation>Inmaculada Concepción de la Bienaventurada Virgen María</translation>
    </message>
    <message>
        <source>Vigil of the Nativity of the Lord</source>
        <translation>Vigilia de la Natividad del Señor</translation>
    </message>
    <message>
        <source>The Nativity of the Lord</source>
        <translation>Natividad del Señor</translation>
    </message>
    <message>
        <source>The Holy Family of Jesus, Mary and Joseph</source>
        <translation>Sagrada Familia de Jesús, María y José</translation>
    </message>
    <message>
        <source>Mary, the Holy Mother of God</source>
        <translation>Santa María, Madre de Dios</translation>
    </message>
    <message>
        <source>Second Sunday after the Nativity</source>
        <translation>Domingo II después de Navidad</translation>
    </message>
    <message>
        <source>The Epiphany of the Lord</source>
        <translation>Epifanía del Señor</translation>
    </message>
    <message>
        <source>The Baptism of the Lord</source>
        <translation>Bautismo del Señor</translation>
    </message>
    <message>
        <source>Second Sunday in Ordinary Time</source>
        <translation>Domingo II del Tiempo Ordinario</translation>
    </message>
    <message>
        <source>Third Sunday in Ordinary Time</source>
        <translation>Domingo III del Tiempo Ordinario</translation>
    </message>
    <message>
        <source>Fourth Sunday in Ordinary Time</source>
        <translation>Domingo IV del Tiempo Ordinario</translation>
    </message>
    <message>
        <source>Fifth Sunday in Ordinary Time</source>
        <translation>Domingo V del Tiempo Ordinario</translation>
    </message>
    <message>
        <source>Sixth Sunday in Ordinary Time</source>
        <translation>Domingo VI del Tiempo Ordinario</translation>
    </message>
    <message>
        <source>Seventh Sunday in Ordinary Time</source>
        <translation>Domingo VII del Tiempo Ordinario</translation>
    </message>
    <message>
        <source>Eighth Sunday in Ordinary Time</source>
        <translation>Domingo VIII del Tiempo Ordinario</translation>
    </message>
    <message>
        <source>Ninth Sunday in Ordinary Time</source>
        <translation>Domingo IX del Tiempo Ordinario</translation>
    </message>
    <message>
        <source>Tenth Sunday in Ordinary Time</source>
        <translation>Domingo X del Tiempo Ordinario</translation>
    </message>
    <message>
        <source>Eleventh Sunday in Ordinary Time</source>
        <translation>Domingo XI del Tiempo Ordinario</translation>
    </message>
    <message>
        <source>Twelfth Sunday in Ordinary Time</source>
        <translation>Domingo XII del Tiempo Ordinario</translation>
    </message>
    <message>
        <source>Thirteenth Sunday in Ordinary Time</source>
        <translation>Domingo XIII del Tiempo Ordinario</translation>
    </message>
    <message>
        <source>Fourteenth Sunday in Ordinary Time</source>
        <translation>Domingo XIV del Tiempo Ordinario</translation>
    </message>
    <message>
        <source>Fifteenth Sunday in Ordinary Time</source>
        <translation>Domingo XV del Tiempo Ordinario</translation>
    </message>
    <message>
        <source>Sixteenth Sunday in Ordinary Time</source>
        <translation>Domingo XVI del Tiempo Ordinario</translation>
    </message>
    <message>
        <source>Seventeenth Sunday in Ordinary Time</source>
        <translation>Domingo XVII del Tiempo Ordinario</translation>
    </message>
    <message>
        <source>Eighteenth Sunday in Ordinary Time</source>
        <translation>Domingo XVIII del Tiempo Ordinario</translation>
    </message>
    <message>
        <source>Nineteenth Sunday in Ordinary Time</source>
        <translation>Domingo XIX del Tiempo Ordinario</translation>
    </message>
    <message>
        <source>Twentieth Sunday in Ordinary Time</source>
        <translation>Domingo XX del Tiempo Ordinario</translation>
    </message>
    <message>
        <source>Twenty-first Sunday in Ordinary Time</source>
        <translation>Domingo XXI del Tiempo Ordinario</translation>
    </message>
    <message>
        <source>Twenty-second Sunday in Ordinary Time</source>
        <translation>Domingo XXII del Tiempo Ordinario</translation>
    </message>
    <message>
        <source>Twenty-third Sunday in Ordinary Time</source>
        <translation>Domingo XXIII del Tiempo Ordinario</translation>
    </message>
    <message>
        <source>Twenty-fourth Sunday in Ordinary Time</source>
        <translation>Domingo XXIV del Tiempo Ordinario</translation>
    </message>
    <message>
        <source>Twenty-fifth Sunday in Ordinary Time</source>
        <translation>Domingo XXV del Tiempo Ordinario</translation>
    </message>
    <message>
        <source>Twenty-sixth Sunday in Ordinary Time</source>
        <translation>Domingo XXVI del Tiempo Ordinario</translation>
    </message>
    <message>
        <source>Twenty-seventh Sunday in Ordinary Time</source>
        <translation>Domingo XXVII del Tiempo Ordinario</translation>
    </message>
    <message>
        <source>Twenty-eighth Sunday in Ordinary Time</source>
        <translation>Domingo XXVIII del Tiempo Ordinario</translation>
    </message>
    <message>
        <source>Twenty-ninth Sunday in Ordinary Time</source>
        <translation>Domingo XXIX del Tiempo Ordinario</translation>
    </message>
    <message>
        <source>Thirtieth Sunday in Ordinary Time</source>
        <translation>Domingo XXX del Tiempo Ordinario</translation>
    </message>
    <message>
        <source>Thirty-first Sunday in Ordinary Time</source>
        <translation>Domingo XXXI del Tiempo Ordinario</translation>
    </message>
    <message>
        <source>Thirty-second Sunday in Ordinary Time</source>
        <translation>Domingo XXXII del Tiempo Ordinario</translation>
    </message>
    <message>
        <source>Thirty-third Sunday in Ordinary Time</source>
        <translation>Domingo XXXIII del Tiempo Ordinario</translation>
    </message>
    <message>
        <source>The Presentation of the Lord</source>
        <translation>Presentación del Señor</translation>
    </message>
    <message>
        <source>First Sunday of Lent</source>
        <translation>Domingo I de Cuaresma</translation>
    </message>
    <message>
        <source>Second Sunday of Lent</source>
        <translation>Domingo II de Cuaresma</translation>
    </message>
    <message>
        <source>Third Sunday of Lent</source>
        <translation>Domingo III de Cuaresma</translation>
    </message>
    <message>
        <source>Fourth Sunday of Lent</source>
        <translation>Domingo IV de Cuaresma</translation>
    </message>
    <message>
        <source>Fifth Sunday of Lent</source>
        <translation>Domingo V de Cuaresma</translation>
    </message>
    <message>
        <source>Saint Joseph, Spouse of the Blessed Virgin Mary</source>
        <translation>San José, esposo de la Bienaventurada Virgen María</translation>
    </message>
    <message>
        <source>The Annunciation of the Lord</source>
        <translation>Anunciación del Señor</translation>
    </message>
    <message>
        <source>Palm Sunday of the Passion of the Lord</source>
        <translation>Domingo de Ramos en la Pasión del Señor</translation>
    </message>
    <message>
        <source>Thursday of the Lord&apos;s Supper</source>
        <translation>Jueves Santo en la Cena del Señor</translation>
    </message>
    <message>
        <source>Friday of the Passion of the Lord</source>
        <translation>Viernes Santo de la Pasión del Señor</translation>
    </message>
    <message>
        <source>Easter Sunday of the Resurrection of the Lord</source>
        <translation>Domingo de Pascua de la Resurrección del Señor</translation>
    </message>
    <message>
        <source>Second Sunday of Easter</source>
        <translation>Domingo II de Pascua</translation>
    </message>
    <message>
        <source>Third Sunday of Easter</source>
        <translation>Domingo III de Pascua</translation>
    </message>
    <message>
        <source>Fourth Sunday of Easter</source>
        <translation>Domingo IV de Pascua</translation>
    </message>
    <message>
        <source>Fifth Sunday of Easter</source>
        <translation>Domingo V de Pascua</translation>
    </message>
    <message>
        <source>Sixth Sunday of Easter</source>
        <translation>Domingo VI de Pascua</translation>
    </message>
    <message>
        <source>Seventh Sunday of Easter</source>
        <translation>Domingo VII de Pascua</translation>
    </message>
    <message>
        <source>The Ascension of the Lord</source>
        <translation>Ascensión del Señor</translation>
    </message>
    <message>
        <source>Pentecost Sunday</source>
        <translation>Domingo de Pentecostés</translation>
    </message>
    <message>
        <source>The Most Holy Trinity</source>
        <translation>Santísima Trinidad</translation>
    </message>
    <message>
        <source>The Most Holy Body and Blood of Christ</source>
        <translation>Santísimo Cuerpo y Sangre de Cristo</translation>
    </message>
    <message>
        <source>The Most Sacred Heart of Jesus</source>
        <translation>Sagrado Corazón de Jesús</translation>
    </message>
    <message>
        <source>The Nativity of Saint John the Baptist</source>
        <translation>Natividad de San Juan Bautista</translation>
    </message>
    <message>
        <source>Saints Peter and Paul, Apostles</source>
        <translation>San Pedro y San Pablo, apóstoles</translation>
    </message>
    <message>
        <source>The Transfiguration of the Lord</source>
        <translation>Transfiguración del Señor</translation>
    </message>
    <message>
        <source>The Assumption of the Blessed Virgin Mary</source>
        <translation>Asunción de la Bienaventurada Virgen María</translation>
    </message>
    <message>
        <source>The Exaltation of the Holy Cross</source>
        <translation>Exaltación de la Santa Cruz</translation>
    </message>
    <message>
        <source>The Commemoration of All the Faithful Departed</source>
        <translation>Conmemoración de todos los fieles difuntos</translation>
    </message>
    <message>
        <source>The Dedication of the Lateran Basilica</source>
        <translation>Dedicación de la Basílica de Letrán</translation>
    </message>
    <message>
        <source>Our Lord Jesus Christ, King of the Universe</source>
        <translation>Nuestro Señor Jesucristo, Rey del Universo</translation>
    </message>
    <message>
        <source>First Week of Advent</source>
        <translation>I semana de Adviento</translation>
    </message>
    <message>
        <source>Second Week of Advent</source>
        <translation>II semana de Adviento</translation>
    </message>
    <message>
        <source>Third Week of Advent</source>
        <translation>III semana de Adviento</translation>
    </message>
    <message>
        <source>Fourth Week of Advent</source>
        <translation>IV semana de Adviento</translation>
    </message>
    <message>
        <source>First Week of Lent</source>
        <translation>I semana de Cuaresma</translation>
    </message>
    <message>
        <source>Second Week of Lent</source>
        <translation>II semana de Cuaresma</translation>
    </message>
    <message>
        <source>Third Week of Lent</source>
        <translation>III semana de Cuaresma</translation>
    </message>
    <message>
        <source>Fourth Week of Lent</source>
        <translation>IV semana de Cuaresma</translation>
    </message>
    <message>
        <source>Fifth Week of Lent</source>
        <translation>V semana de Cuaresma</translation>
    </message>
    <message>
        <source>Second Week of Easter</source>
        <translation>II semana de Pascua</translation>
    </message>
    <message>
        <source>Third Week of Easter</source>
        <translation>III semana de Pascua</translation>
    </message>
    <message>
        <source>Fourth Week of Easter</source>
        <translation>IV semana de Pascua</translation>
    </message>
    <message>
        <source>Fifth Week of Easter</source>
        <translation>V semana de Pascua</translation>
    </message>
    <message>
        <source>Sixth Week of Easter</source>
        <translation>VI semana de Pascua</translation>
    </message>
    <message>
        <source>Seventh Week of Easter</source>
        <translation>VII semana de Pascua</translation>
    </message>
    <message>
        <source>First Week in Ordinary Time</source>
        <translation>semana I del Tiempo Ordinario</translation>
    </message>
    <message>
        <source>Second Week in Ordinary Time</source>
        <translation>semana II del Tiempo Ordinario</translation>
    </message>
    <message>
        <source>Third Week in Ordinary Time</source>
        <translation>semana III del Tiempo Ordinario</translation>
    </message>
    <message>
        <source>Fourth Week in Ordinary Time</source>
        <translation>semana IV del Tiempo Ordinario</translation>
    </message>
    <message>
        <source>Fifth Week in Ordinary Time</source>
        <translation>semana V del Tiempo Ordinario</translation>
    </message>
    <message>
        <source>Sixth Week in Ordinary Time</source>
        <translation>semana VI del Tiempo Ordinario</translation>
    </message>
    <message>
        <source>Seventh Week in Ordinary Time</source>
        <translation>semana VII del Tiempo Ordinario</translation>
    </message>
    <message>
        <source>Eighth Week in Ordinary Time</source>
        <translation>semana VIII del Tiempo Ordinario</translation>
    </message>
    <message>
        <source>Ninth Week in Ordinary Time</source>
        <translation>semana IX del Tiempo Ordinario</translation>
    </message>
    <message>
        <source>Tenth Week in Ordinary Time</source>
        <translation>semana X del Tiempo Ordinario</translation>
    </message>
    <message>
        <source>Eleventh Week in Ordinary Time</source>
        <translation>semana XI del Tiempo Ordinario</translation>
    </message>
    <message>
        <source>Twelfth Week in Ordinary Time</source>
        <translation>semana XII del Tiempo Ordinario</translation>
    </message>
    <message>
        <source>Thirteenth Week in Ordinary Time</source>
        <translation>semana XIII del Tiempo Ordinario</translation>
    </message>
    <message>
        <source>Fourteenth Week in Ordinary Time</source>
        <translation>semana XIV del Tiempo Ordinario</translation>
    </message>
    <message>
        <source>Fifteenth Week in Ordinary Time</source>
        <translation>semana XV del Tiempo Ordinario</translation>
    </message>
    <message>
        <source>Sixteenth Week in Ordinary Time</source>
        <translation>semana XVI del Tiempo Ordinario</translation>
    </message>
    <message>
        <source>Seventeenth Week in Ordinary Time</source>
        <translation>semana XVII del Tiempo Ordinario</translation>
    </message>
    <message>
        <source>Eighteenth Week in Ordinary Time</source>
        <translation>semana XVIII del Tiempo Ordinario</translation>
    </message>
    <message>
        <source>Nineteenth Week in Ordinary Time</source>
        <translation>semana XIX del Tiempo Ordinario</translation>
    </message>
    <message>
        <source>Twentieth Week in Ordinary Time</source>
        <translation>semana XX del Tiempo Ordinario</translation>
    </message>
    <message>
        <source>Twenty-first Week in Ordinary Time</source>
        <translation>semana XXI del Tiempo Ordinario</translation>
    </message>
    <message>
        <source>Twenty-second Week in Ordinary Time</source>
        <translation>semana XXII del Tiempo Ordinario</translation>
    </message>
    <message>
        <source>Twenty-third Week in Ordinary Time</source>
        <translation>semana XXIII del Tiempo Ordinario</translation>
    </message>
    <message>
        <source>Twenty-fourth Week in Ordinary Time</source>
        <translation>semana XXIV del Tiempo Ordinario</translation>
    </message>
    <message>
        <source>Twenty-fifth Week in Ordinary Time</source>
        <translation>semana XXV del Tiempo Ordinario</translation>
    </message>
    <message>
        <source>Twenty-sixth Week in Ordinary Time</source>
        <translation>semana XXVI del Tiempo Ordinario</translation>
    </message>
    <message>
        <source>Twenty-seventh Week in Ordinary Time</source>
        <translation>semana XXVII del Tiempo Ordinario</translation>
    </message>
    <message>
        <source>Twenty-eighth Week in Ordinary Time</source>
        <translation>semana XXVIII del Tiempo Ordinario</translation>
    </message>
    <message>
        <source>Twenty-ninth Week in Ordinary Time</source>
        <translation>semana XXIX del Tiempo Ordinario</translation>
    </message>
    <message>
        <source>Thirtieth Week in Ordinary Time</source>
        <translation>semana XXX del Tiempo Ordinario</translation>
    </message>
    <message>
        <source>Thirty-first Week in Ordinary Time</source>
        <translation>semana XXXI del Tiempo Ordinario</translation>
    </message>
    <message>
        <source>Thirty-second Week in Ordinary Time</source>
        <translation>semana XXXII del Tiempo Ordinario</translation>
    </message>
    <message>
        <source>Thirty-third Week in Ordinary Time</source>
        <translation>semana XXXIII del Tiempo Ordinario</translation>
    </message>
    <message>
        <source>Thirty-fourth Week in Ordinary Time</source>
        <translation>semana XXXIV del Tiempo Ordinario</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Lunes</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Martes</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Miércoles</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Jueves</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Viernes</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Sábado</translation>
    </message>
    <message>
        <source>%1 after %2</source>
        <extracomment>A weekday named after the Sunday or feast its week began with: &quot;Tuesday after Lent 2&quot;. %1 is the weekday, %2 the day&apos;s name.</extracomment>
        <translation>%1 después de %2</translation>
    </message>
    <message>
        <source>%1 of the %2</source>
        <extracomment>A weekday of the Roman Rite named by its week: &quot;Tuesday of the Second Week of Lent&quot;. %1 is the weekday, %2 the week (&quot;Second Week of Lent&quot;).</extracomment>
        <translation>%1 de la %2</translation>
    </message>
    <message>
        <source>%1 of Holy Week</source>
        <extracomment>Monday, Tuesday or Wednesday of Holy Week; %1 is the weekday.</extracomment>
        <translation>%1 Santo</translation>
    </message>
    <message>
        <source>%1 after Ash Wednesday</source>
        <translation>%1 después de Ceniza</translation>
    </message>
    <message>
        <source>%1 within the Octave of Easter</source>
        <translation>%1 de la Octava de Pascua</translation>
    </message>
    <message>
        <source>%1 within the Octave of the Nativity of the Lord</source>
        <translation>%1 de la Octava de la Natividad del Señor</translation>
    </message>
    <message>
        <source>%1 before the Epiphany</source>
        <translation>%1 antes de la Epifanía</translation>
    </message>
    <message>
        <source>%1 after the Epiphany</source>
        <translation>%1 después de la Epifanía</translation>
    </message>
    <message>
        <source>%1 is longer than a lectionary is read (%2 lines, 1 MB), so nothing was imported into it.</source>
        <translation>%1 supera lo que se lee de un leccionario (%2 líneas, 1 MB), así que no se importó nada en él.</translation>
    </message>
    <message>
        <source>%1 ends in half a character, so nothing was imported into it.</source>
        <translation>%1 termina con un carácter incompleto, así que no se importó nada en él.</translation>
    </message>
    <message>
        <source>%1 is written in %2, which has no “%3” (in “%4”), so nothing was imported into it. Saved as UTF-8 in a text editor, it takes every character.</source>
        <translation>%1 está escrito en %2, que no tiene “%3” (en “%4”), así que no se importó nada en él. Guardado como UTF-8 en un editor de texto, admite todos los caracteres.</translation>
    </message>
    <message>
        <source>%1 would be longer than a lectionary is read (%2 lines, 1 MB) with these lines, so nothing was imported into it.</source>
        <translation>Con estas líneas, %1 superaría lo que se lee de un leccionario (%2 líneas, 1 MB), así que no se importó nada en él.</translation>
    </message>
    <message>
        <source>no colon after the day&apos;s name</source>
        <extracomment>Why a line of Lectionary.txt is not read.</extracomment>
        <translation>faltan los dos puntos después del nombre del día</translation>
    </message>
    <message>
        <source>the year letter “%1” is not A, B or C</source>
        <extracomment>Why a line of Lectionary.txt is not read: %1 is the letter after the day&apos;s name.</extracomment>
        <translation>la letra de año “%1” no es A, B ni C</translation>
    </message>
    <message>
        <source>“%1” is not a day of the church year</source>
        <extracomment>Why a line of Lectionary.txt is not read: %1 is the day&apos;s name as the line writes it.</extracomment>
        <translation>“%1” no es un día del año litúrgico</translation>
    </message>
    <message>
        <source>no readings after the colon</source>
        <extracomment>Why a line of Lectionary.txt is not read.</extracomment>
        <translation>no hay lecturas después de los dos puntos</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <extracomment>A line of Lectionary.txt not read: %1 is its number, %2 why.</extracomment>
        <translation>línea %1: %2</translation>
    </message>
    <message>
        <source>the rest of the file was not read: a lectionary is read up to %1 lines</source>
        <extracomment>Where reading Lectionary.txt stopped: %1 is the most lines read.</extracomment>
        <translation>el resto del archivo no se leyó: de un leccionario se leen como máximo %1 líneas</translation>
    </message>
    <message>
        <source>the rest of the file was not read: a lectionary is read up to %1 MB</source>
        <extracomment>Where reading Lectionary.txt stopped: %1 is the most megabytes read.</extracomment>
        <translation>el resto del archivo no se leyó: de un leccionario se leen como máximo %1 MB</translation>
    </message>
    <message>
        <source>%1 is not open for reading</source>
        <translation>%1 no está abierto para lectura</translation>
    </message>
    <message>
        <source>%1 is a folder</source>
        <extracomment>%1 is the lectionary&apos;s file name.</extracomment>
        <translation>%1 es una carpeta</translation>
    </message>
    <message>
        <source>%1 is not a regular file</source>
        <translation>%1 no es un archivo normal</translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2</source>
        <extracomment>%1 is the lectionary&apos;s file name, %2 the system&apos;s reason.</extracomment>
        <translation>No se puede abrir %1: %2</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <extracomment>%1 is the lectionary&apos;s file name, %2 the system&apos;s reason.</extracomment>
        <translation>No se puede leer %1: %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>Suggest Hymns&apos; note on Lectionary.txt: %1 is the file&apos;s name, %2 its first line not read.</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1, %2 (and %3 more)</source>
        <extracomment>Suggest Hymns&apos; note on Lectionary.txt: %1 is the file&apos;s name, %2 its first line not read, %3 how many more.</extracomment>
        <translation>%1, %2 (y %3 más)</translation>
    </message>
</context>
<context>
    <name>ChurchYearMenu</name>
    <message>
        <source>Church &amp;Year</source>
        <translation>&amp;Año litúrgico</translation>
    </message>
    <message>
        <source>&amp;Propers (“Proper 17”)</source>
        <translation>&amp;Propios (“Propio 17”)</translation>
    </message>
    <message>
        <source>Sundays after P&amp;entecost (“Pentecost 14”)</source>
        <translation>Domingos después de P&amp;entecostés (“Pentecostés 14”)</translation>
    </message>
    <message>
        <source>&amp;Ordinary Time (“Ordinary Time 22”)</source>
        <translation>Tiempo &amp;Ordinario (“Tiempo Ordinario 22”)</translation>
    </message>
    <message>
        <source>Sundays after &amp;Trinity (“Trinity 13”)</source>
        <translation>Domingos después de &amp;Trinidad (“Trinidad 13”)</translation>
    </message>
    <message>
        <source>&amp;Roman Rite (“Twenty-second Sunday in Ordinary Time”)</source>
        <translation>&amp;Rito romano (“Domingo XXII del Tiempo Ordinario”)</translation>
    </message>
    <message>
        <source>Epiphany on the &amp;Sunday January 2–8</source>
        <translation>Epifanía el &amp;domingo entre el 2 y el 8 de enero</translation>
    </message>
    <message>
        <source>Roman Rite: the Epiphany on the Sunday from January 2 to 8 instead of January 6; the Baptism of the Lord then falls on the Monday after a January 7 or 8</source>
        <translation>Rito romano: la Epifanía el domingo entre el 2 y el 8 de enero en lugar del 6 de enero; el Bautismo del Señor cae entonces el lunes siguiente a un 7 u 8 de enero</translation>
    </message>
    <message>
        <source>&amp;Ascension on the Following Sunday</source>
        <translation>&amp;Ascensión el domingo siguiente</translation>
    </message>
    <message>
        <source>Roman Rite: the Ascension on the Seventh Sunday of Easter instead of the Thursday before</source>
        <translation>Rito romano: la Ascensión el Domingo VII de Pascua en lugar del jueves anterior</translation>
    </message>
    <message>
        <source>&amp;Body and Blood of Christ on the Following Sunday</source>
        <translation>&amp;Cuerpo y Sangre de Cristo el domingo siguiente</translation>
    </message>
    <message>
        <source>Roman Rite: the Most Holy Body and Blood of Christ on the Sunday after Trinity instead of the Thursday</source>
        <translation>Rito romano: el Santísimo Cuerpo y Sangre de Cristo el domingo después de la Santísima Trinidad en lugar del jueves</translation>
    </message>
    <message>
        <source>Offer Day &amp;Names Always</source>
        <translation>Proponer siempre los &amp;nombres de los días</translation>
    </message>
    <message>
        <source>Offer the day&apos;s name as the occasion of a new service even in a log whose latest service has none</source>
        <translation>Proponer el nombre del día como ocasión de un culto nuevo incluso en un registro cuyo último culto no tiene ninguno</translation>
    </message>
</context>
<context>
    <name>FileChangedBar</name>
    <message>
        <source>&amp;Put Back Backup…</source>
        <translation>Restaurar copia de &amp;seguridad…</translation>
    </message>
    <message>
        <source>&amp;Keep Log</source>
        <translation>&amp;Conservar registro</translation>
    </message>
    <message>
        <source>Put the backup back in place of the log</source>
        <translation>Restaurar la copia de seguridad en lugar del registro</translation>
    </message>
    <message>
        <source>Keep the log as it is</source>
        <translation>Conservar el registro tal como está</translation>
    </message>
    <message>
        <source>The last write of %1 was cut short: the log may hold part of a service.</source>
        <translation>La última escritura de %1 quedó interrumpida: el registro puede contener parte de un culto.</translation>
    </message>
    <message>
        <source>The last write of %1 was cut short: the log may hold part of a service. %2 holds it as it was.</source>
        <translation>La última escritura de %1 quedó interrumpida: el registro puede contener parte de un culto. %2 lo conserva tal como estaba.</translation>
    </message>
    <message>
        <source>&amp;Reload</source>
        <translation>&amp;Recargar</translation>
    </message>
    <message>
        <source>&amp;Dismiss</source>
        <translation>&amp;Ocultar</translation>
    </message>
    <message>
        <source>Reload the file</source>
        <translation>Recargar el archivo</translation>
    </message>
    <message>
        <source>Dismiss the notice</source>
        <translation>Ocultar el aviso</translation>
    </message>
    <message>
        <source>%1 changed on disk</source>
        <extracomment>%1 is the loaded file&apos;s name</extracomment>
        <translation>%1 cambió en el disco</translation>
    </message>
    <message>
        <source>%1 was moved or deleted on disk</source>
        <extracomment>%1 is the loaded file&apos;s name</extracomment>
        <translation>%1 se movió o se eliminó del disco</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>title only</source>
        <comment>caption</comment>
        <extracomment>the design&apos;s caption: at most 53 px wide in Arial 8.25 bold, on one line; list the hymns&apos; titles only</extracomment>
        <translation>solo título</translation>
    </message>
    <message>
        <source>title only</source>
        <comment>full text</comment>
        <extracomment>tooltip and screen reader name of the caption</extracomment>
        <translation>solo el título</translation>
    </message>
    <message>
        <source>of music?</source>
        <comment>caption</comment>
        <extracomment>the design&apos;s caption: at most 55 px wide in Arial 8.25 bold, on one line; beside the year box: the year is the music&apos;s (from its credit), not the text&apos;s</extracomment>
        <translation>¿música?</translation>
    </message>
    <message>
        <source>of music?</source>
        <comment>full text</comment>
        <extracomment>tooltip and screen reader name of the caption</extracomment>
        <translation>¿de la música?</translation>
    </message>
    <message>
        <source>book list</source>
        <comment>caption</comment>
        <extracomment>the design&apos;s caption: at most 39 px wide in Arial 8.25 bold, on two lines; the button that opens the list of scripture books</extracomment>
        <translation>lista de libros</translation>
    </message>
    <message>
        <source>book list</source>
        <comment>full text</comment>
        <extracomment>tooltip and screen reader name of the caption</extracomment>
        <translation>lista de libros</translation>
    </message>
    <message>
        <source>incl. refs</source>
        <comment>caption</comment>
        <extracomment>the design&apos;s caption: at most 26 px wide in Arial 8.25 bold, on two lines; &quot;including references&quot;: list the lines of scripture references too</extracomment>
        <translation>incl. refs.</translation>
    </message>
    <message>
        <source>incl. refs</source>
        <comment>full text</comment>
        <extracomment>tooltip and screen reader name of the caption</extracomment>
        <translation>incluidas las referencias</translation>
    </message>
    <message>
        <source>Tally</source>
        <comment>caption</comment>
        <extracomment>the design&apos;s caption: at most 47 px wide in Arial 9.75 bold, on one line; the button that counts the uses of each hymn</extracomment>
        <translation>Contar</translation>
    </message>
    <message>
        <source>Tally</source>
        <comment>full text</comment>
        <extracomment>tooltip and screen reader name of the caption</extracomment>
        <translation>Contar</translation>
    </message>
    <message>
        <source> full # only</source>
        <comment>caption</comment>
        <extracomment>the design&apos;s caption: at most 61 px wide in Arial 8.25 bold, on one line; the leading blank included; &quot;#&quot; is the hymn number: find that whole number only, not the numbers that begin with it</extracomment>
        <translation> n.º exacto</translation>
    </message>
    <message>
        <source> full # only</source>
        <comment>full text</comment>
        <extracomment>tooltip and screen reader name of the caption</extracomment>
        <translation> solo el número exacto</translation>
    </message>
    <message>
        <source>Find</source>
        <comment>caption</comment>
        <extracomment>the design&apos;s caption: at most 47 px wide in Arial 9.75 bold, on one line; the search button</extracomment>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>Find</source>
        <comment>full text</comment>
        <extracomment>tooltip and screen reader name of the caption</extracomment>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>Clear</source>
        <comment>caption</comment>
        <extracomment>the design&apos;s caption: at most 55 px wide in Arial 9.75 bold, on one line; the button that empties the criteria boxes</extracomment>
        <translation>Limpiar</translation>
    </message>
    <message>
        <source>Clear</source>
        <comment>full text</comment>
        <extracomment>tooltip and screen reader name of the caption</extracomment>
        <translation>Limpiar</translation>
    </message>
    <message>
        <source>Get File</source>
        <comment>caption</comment>
        <extracomment>the design&apos;s caption: at most 71 px wide in Arial 9.75 bold, on one line; the button that loads the file chosen</extracomment>
        <translation>Cargar</translation>
    </message>
    <message>
        <source>Get File</source>
        <comment>full text</comment>
        <extracomment>tooltip and screen reader name of the caption</extracomment>
        <translation>Cargar archivo</translation>
    </message>
    <message>
        <source>copy w/ title</source>
        <comment>caption</comment>
        <extracomment>the design&apos;s caption: at most 40 px wide in Arial 8.25 bold, on two lines; &quot;copy with the title&quot; (of a hymnal text&apos;s hymn)</extracomment>
        <translation>copiar c/título</translation>
    </message>
    <message>
        <source>copy w/ title</source>
        <comment>full text</comment>
        <extracomment>tooltip and screen reader name of the caption</extracomment>
        <translation>copiar con el título</translation>
    </message>
    <message>
        <source>Year</source>
        <comment>caption</comment>
        <extracomment>the design&apos;s caption: at most 25 px wide in Arial 8.25 bold, on one line</extracomment>
        <translation>Año</translation>
    </message>
    <message>
        <source>Year</source>
        <comment>full text</comment>
        <extracomment>tooltip and screen reader name of the caption</extracomment>
        <translation>Año</translation>
    </message>
    <message>
        <source>exclude title:</source>
        <comment>caption</comment>
        <extracomment>the design&apos;s caption: at most 89 px wide in Arial 8.25 bold italic, on one line</extracomment>
        <translation>excluir título:</translation>
    </message>
    <message>
        <source>exclude title:</source>
        <comment>full text</comment>
        <extracomment>tooltip and screen reader name of the caption</extracomment>
        <translation>excluir título:</translation>
    </message>
    <message>
        <source># of hymns:</source>
        <comment>caption</comment>
        <extracomment>the design&apos;s caption: at most 65 px wide in Arial 8.25 bold, on one line; &quot;#&quot; is &quot;number&quot;</extracomment>
        <translation>N.º himnos:</translation>
    </message>
    <message>
        <source># of hymns:</source>
        <comment>full text</comment>
        <extracomment>tooltip and screen reader name of the caption</extracomment>
        <translation>Número de himnos:</translation>
    </message>
    <message>
        <source>exclude hymn:</source>
        <comment>caption</comment>
        <extracomment>the design&apos;s caption: at most 81 px wide in Arial 8.25 bold italic, on one line</extracomment>
        <translation>excluir himno:</translation>
    </message>
    <message>
        <source>exclude hymn:</source>
        <comment>full text</comment>
        <extracomment>tooltip and screen reader name of the caption</extracomment>
        <translation>excluir himno:</translation>
    </message>
    <message>
        <source>Sort tally by:</source>
        <comment>caption</comment>
        <extracomment>the design&apos;s caption: at most 81 px wide in Arial 8.25 bold, on one line</extracomment>
        <translation>Ordenar por:</translation>
    </message>
    <message>
        <source>Sort tally by:</source>
        <comment>full text</comment>
        <extracomment>tooltip and screen reader name of the caption</extracomment>
        <translation>Ordenar el recuento por:</translation>
    </message>
    <message>
        <source>Limit date to:</source>
        <comment>caption</comment>
        <extracomment>the design&apos;s caption: at most 49 px wide in Arial 9.75 bold, on two lines</extracomment>
        <translation>Limitar fecha:</translation>
    </message>
    <message>
        <source>Limit date to:</source>
        <comment>full text</comment>
        <extracomment>tooltip and screen reader name of the caption</extracomment>
        <translation>Limitar la fecha a:</translation>
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
        <translation>número</translation>
    </message>
    <message>
        <source>Title phrase:</source>
        <comment>caption</comment>
        <extracomment>the design&apos;s caption: at most 57 px wide in Arial 9.75 bold, on two lines</extracomment>
        <translation>Frase de título:</translation>
    </message>
    <message>
        <source>Title phrase:</source>
        <comment>full text</comment>
        <extracomment>tooltip and screen reader name of the caption</extracomment>
        <translation>Frase del título:</translation>
    </message>
    <message>
        <source>Hymn #</source>
        <comment>caption</comment>
        <extracomment>the design&apos;s caption: at most 49 px wide in Arial 9.75 bold, on one line; &quot;hymn number&quot;</extracomment>
        <translation>Himno</translation>
    </message>
    <message>
        <source>Hymn #</source>
        <comment>full text</comment>
        <extracomment>tooltip and screen reader name of the caption</extracomment>
        <translation>Número de himno</translation>
    </message>
    <message>
        <source>Files:</source>
        <comment>caption</comment>
        <extracomment>the design&apos;s caption: at most 49 px wide in Arial 9 bold, on one line</extracomment>
        <translation>Archivo:</translation>
    </message>
    <message>
        <source>Files:</source>
        <comment>full text</comment>
        <extracomment>tooltip and screen reader name of the caption</extracomment>
        <translation>Archivos:</translation>
    </message>
    <message>
        <source>Limit title to:</source>
        <comment>caption</comment>
        <extracomment>the design&apos;s caption: at most 49 px wide in Arial 9.75 bold, on two lines; for a hymnal text</extracomment>
        <translation>Limitar título a:</translation>
    </message>
    <message>
        <source>Limit title to:</source>
        <comment>full text</comment>
        <extracomment>tooltip and screen reader name of the caption</extracomment>
        <translation>Limitar el título a:</translation>
    </message>
    <message>
        <source>Verse phrase:</source>
        <comment>caption</comment>
        <extracomment>the design&apos;s caption: at most 57 px wide in Arial 9.75 bold, on two lines; for a hymnal text</extracomment>
        <translation>Frase de estrofa:</translation>
    </message>
    <message>
        <source>Verse phrase:</source>
        <comment>full text</comment>
        <extracomment>tooltip and screen reader name of the caption</extracomment>
        <translation>Frase de la estrofa:</translation>
    </message>
    <message>
        <source>exclude phrase:</source>
        <comment>caption</comment>
        <extracomment>the design&apos;s caption: at most 89 px wide in Arial 8.25 bold italic, on one line; for a hymnal text</extracomment>
        <translation>excluir frase:</translation>
    </message>
    <message>
        <source>exclude phrase:</source>
        <comment>full text</comment>
        <extracomment>tooltip and screen reader name of the caption</extracomment>
        <translation>excluir frase:</translation>
    </message>
    <message>
        <source>  # of dates:</source>
        <comment>caption</comment>
        <extracomment>the design&apos;s caption: at most 65 px wide in Arial 8.25 bold, on one line; the leading blanks included (they move it right); for a service log; &quot;#&quot; is &quot;number&quot;</extracomment>
        <translation>  N.º fechas:</translation>
    </message>
    <message>
        <source>  # of dates:</source>
        <comment>full text</comment>
        <extracomment>tooltip and screen reader name of the caption</extracomment>
        <translation>  Número de fechas:</translation>
    </message>
    <message>
        <source>           sum:</source>
        <comment>caption</comment>
        <extracomment>the design&apos;s caption: at most 65 px wide in Arial 8.25 bold, on one line; the leading blanks included (they move it right); the sum of a tally&apos;s counts</extracomment>
        <translation>           total:</translation>
    </message>
    <message>
        <source>           sum:</source>
        <comment>full text</comment>
        <extracomment>tooltip and screen reader name of the caption</extracomment>
        <translation>           total:</translation>
    </message>
    <message>
        <source>copy w/ date</source>
        <comment>caption</comment>
        <extracomment>the design&apos;s caption: at most 40 px wide in Arial 8.25 bold, on two lines; &quot;copy with the date&quot; (of a service)</extracomment>
        <translation>copiar c/fecha</translation>
    </message>
    <message>
        <source>copy w/ date</source>
        <comment>full text</comment>
        <extracomment>tooltip and screen reader name of the caption</extracomment>
        <translation>copiar con la fecha</translation>
    </message>
    <message>
        <source>Clear*</source>
        <comment>caption</comment>
        <extracomment>the design&apos;s caption: at most 55 px wide in Arial 9.75 bold, on one line; the Clear button while criteria are set, which the star marks</extracomment>
        <translation>Limpiar*</translation>
    </message>
    <message>
        <source>Clear*</source>
        <comment>full text</comment>
        <extracomment>tooltip and screen reader name of the caption</extracomment>
        <translation>Limpiar*</translation>
    </message>
    <message>
        <source>freq</source>
        <comment>caption</comment>
        <extracomment>the design&apos;s caption: at most 48 px wide in MS Sans Serif 8.25, on one line; a row of the tally&apos;s sort box: by how often a hymn was used</extracomment>
        <translation>frec.</translation>
    </message>
    <message>
        <source>freq</source>
        <comment>full text</comment>
        <extracomment>tooltip and screen reader name of the caption</extracomment>
        <translation>frecuencia</translation>
    </message>
    <message>
        <source>title</source>
        <comment>caption</comment>
        <extracomment>the design&apos;s caption: at most 48 px wide in MS Sans Serif 8.25, on one line; a row of the tally&apos;s sort box: by the hymn&apos;s title</extracomment>
        <translation>título</translation>
    </message>
    <message>
        <source>title</source>
        <comment>full text</comment>
        <extracomment>tooltip and screen reader name of the caption</extracomment>
        <translation>título</translation>
    </message>
    <message>
        <source>hymn #</source>
        <comment>caption</comment>
        <extracomment>the design&apos;s caption: at most 48 px wide in MS Sans Serif 8.25, on one line; a row of the tally&apos;s sort box: by the hymn number</extracomment>
        <translation>número</translation>
    </message>
    <message>
        <source>hymn #</source>
        <comment>full text</comment>
        <extracomment>tooltip and screen reader name of the caption</extracomment>
        <translation>número de himno</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; cannot be opened: %2.</source>
        <extracomment>%1 is the folder&apos;s path, %2 the system&apos;s reason</extracomment>
        <translation>No se puede abrir la carpeta &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>Change Folder</source>
        <translation>Cambiar de carpeta</translation>
    </message>
    <message>
        <source>Folders</source>
        <extracomment>screen reader name of the folder list</extracomment>
        <translation>Carpetas</translation>
    </message>
    <message>
        <source>Scripture books</source>
        <extracomment>screen reader name of the list of scripture books</extracomment>
        <translation>Libros bíblicos</translation>
    </message>
    <message>
        <source>full number only</source>
        <extracomment>screen reader name of the check box &quot; full # only&quot;: the hymn number matches whole</extracomment>
        <translation>solo el número exacto</translation>
    </message>
    <message>
        <source>Counts</source>
        <extracomment>screen reader name of the left list in a tally: how often each hymn was used</extracomment>
        <translation>Recuentos</translation>
    </message>
    <message>
        <source>Hymns</source>
        <extracomment>screen reader name of the right list in a tally: the hymns counted</extracomment>
        <translation>Himnos</translation>
    </message>
    <message>
        <source>Titles</source>
        <extracomment>screen reader name of the left list: a hymnal text&apos;s titles (or, next, a service log&apos;s dates)</extracomment>
        <translation>Títulos</translation>
    </message>
    <message>
        <source>Dates</source>
        <translation>Fechas</translation>
    </message>
    <message>
        <source>Verse lines</source>
        <translation>Líneas de estrofas</translation>
    </message>
    <message>
        <source>Hymn lines</source>
        <translation>Líneas de himnos</translation>
    </message>
    <message>
        <source>Hymns loaded</source>
        <extracomment>screen reader name of a count, heard before its value (&quot;Hymns loaded: 120&quot;); so are the names next to it</extracomment>
        <translation>Himnos cargados</translation>
    </message>
    <message>
        <source>Services loaded</source>
        <translation>Cultos cargados</translation>
    </message>
    <message>
        <source>Hymns listed</source>
        <translation>Himnos mostrados</translation>
    </message>
    <message>
        <source>Dates listed</source>
        <translation>Fechas mostradas</translation>
    </message>
    <message>
        <source>Hymns tallied</source>
        <translation>Himnos contados</translation>
    </message>
    <message>
        <source>Uses counted</source>
        <translation>Usos contados</translation>
    </message>
    <message>
        <source>Lines listed</source>
        <translation>Líneas mostradas</translation>
    </message>
    <message>
        <source>Hymn lines listed</source>
        <translation>Líneas de himnos mostradas</translation>
    </message>
    <message>
        <source>Row clicked</source>
        <translation>Fila seleccionada</translation>
    </message>
    <message>
        <source>File date</source>
        <translation>Fecha del archivo</translation>
    </message>
    <message>
        <source>File loaded</source>
        <translation>Archivo cargado</translation>
    </message>
    <message>
        <source>Volume</source>
        <extracomment>screen reader name of the list of drives (volumes)</extracomment>
        <translation>Unidad</translation>
    </message>
    <message>
        <source>Change Drive</source>
        <translation>Cambiar de unidad</translation>
    </message>
    <message>
        <source>Error encountered while changing drive</source>
        <translation>Error al cambiar de unidad</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; is no longer there, so &quot;%2&quot; could not be read.</source>
        <extracomment>%1 is the folder&apos;s path, %2 the file&apos;s name</extracomment>
        <translation>La carpeta &quot;%1&quot; ya no existe, así que no se pudo leer &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>File Error</source>
        <translation>Error de archivo</translation>
    </message>
    <message>
        <source>Limit reached</source>
        <translation>Límite alcanzado</translation>
    </message>
    <message>
        <source>Show output</source>
        <translation>Mostrar resultado</translation>
    </message>
    <message>
        <source>Show entire file (may be slow)?</source>
        <translation>¿Mostrar todo el archivo (puede tardar)?</translation>
    </message>
    <message>
        <source>Clear, criteria set</source>
        <translation>Limpiar, hay criterios</translation>
    </message>
</context>
<context>
    <name>HymnBoard</name>
    <message>
        <source>Hymn board</source>
        <translation>Tablero de himnos</translation>
    </message>
</context>
<context>
    <name>HymnBoardDialog</name>
    <message>
        <source>Print Hymn Board</source>
        <translation>Imprimir tablero de himnos</translation>
    </message>
    <message>
        <source>On the board, one a line: %1</source>
        <translation>En el tablero, uno por línea: %1</translation>
    </message>
    <message>
        <source>&amp;Date and occasion above them: %1</source>
        <translation>&amp;Fecha y ocasión encima: %1</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>&amp;Imprimir…</translation>
    </message>
    <message>
        <source>&amp;Save PDF…</source>
        <translation>&amp;Guardar PDF…</translation>
    </message>
    <message>
        <source>The hymn board could not be printed.</source>
        <translation>No se pudo imprimir el tablero de himnos.</translation>
    </message>
    <message>
        <source>The hymn board was sent to %1</source>
        <translation>El tablero de himnos se envió a %1</translation>
    </message>
    <message>
        <source>Save Hymn Board as PDF</source>
        <translation>Guardar tablero de himnos como PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Archivos PDF (*.pdf)</translation>
    </message>
    <message>
        <source>the PDF could not be made</source>
        <translation>no se pudo crear el PDF</translation>
    </message>
    <message>
        <source>The hymn board could not be saved as &quot;%1&quot;: %2. Nothing was changed there.</source>
        <translation>No se pudo guardar el tablero de himnos como &quot;%1&quot;: %2. No se cambió nada allí.</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>Se guardó %1</translation>
    </message>
</context>
<context>
    <name>HymnRow</name>
    <message>
        <source>Drag to move this line; Alt+Up and Alt+Down move it with the keyboard</source>
        <translation>Arrastre para mover esta línea; Alt+Arriba y Alt+Abajo la mueven con el teclado</translation>
    </message>
    <message>
        <source>Title, or a line without a number</source>
        <translation>Título, o una línea sin número</translation>
    </message>
    <message>
        <source>Last sung %1</source>
        <translation>Último uso: %1</translation>
    </message>
    <message>
        <source>Hymn number, line %1</source>
        <translation>Número de himno, línea %1</translation>
    </message>
    <message>
        <source>Title, line %1</source>
        <translation>Título, línea %1</translation>
    </message>
    <message>
        <source>Use of line %1</source>
        <translation>Uso de la línea %1</translation>
    </message>
    <message>
        <source>Not in the log</source>
        <translation>No está en el registro</translation>
    </message>
    <message>
        <source>Not sung before this date</source>
        <translation>No cantado antes de esta fecha</translation>
    </message>
    <message numerus="yes">
        <source>within %n week(s)</source>
        <translation>
            <numerusform>hace menos de %n semana</numerusform>
            <numerusform>hace menos de %n semanas</numerusform>
        </translation>
    </message>
    <message>
        <source>none in 12 months</source>
        <translation>ninguna vez en 12 meses</translation>
    </message>
    <message>
        <source>once in 12 months</source>
        <translation>una vez en 12 meses</translation>
    </message>
    <message>
        <source>%1 times in 12 months</source>
        <translation>%1 veces en 12 meses</translation>
    </message>
</context>
<context>
    <name>HymnRows</name>
    <message>
        <source>Hymns</source>
        <translation>Himnos</translation>
    </message>
</context>
<context>
    <name>ImportLectionaryDialog</name>
    <message>
        <source>&amp;Open File…</source>
        <translation>&amp;Abrir archivo…</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Pegar</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Import Lectionary</source>
        <translation>Importar leccionario</translation>
    </message>
    <message>
        <source>Tables (*.csv *.tsv *.tab *.txt);;All files (*)</source>
        <translation>Tablas (*.csv *.tsv *.tab *.txt);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>A CSV or tab-separated file, as a spreadsheet saves it</source>
        <translation>Un archivo CSV o separado por tabulaciones, como lo guarda una hoja de cálculo</translation>
    </message>
    <message>
        <source>A table copied in a spreadsheet or on a web page</source>
        <translation>Una tabla copiada de una hoja de cálculo o de una página web</translation>
    </message>
    <message>
        <source>Column of the day&apos;s name</source>
        <translation>Columna del nombre del día</translation>
    </message>
    <message>
        <source>Column of the year</source>
        <translation>Columna del año</translation>
    </message>
    <message>
        <source>Columns of the readings</source>
        <translation>Columnas de las lecturas</translation>
    </message>
    <message>
        <source>Every column ticked is a reading; they are joined by &quot;; &quot; in their order</source>
        <translation>Cada columna marcada es una lectura; se unen con &quot;; &quot; en su orden</translation>
    </message>
    <message>
        <source>Preview of the table</source>
        <translation>Vista previa de la tabla</translation>
    </message>
    <message>
        <source>Rows not read</source>
        <translation>Filas no leídas</translation>
    </message>
    <message>
        <source>Write the lines into %1 beside the hymnal</source>
        <translation>Escribir las líneas en %1 junto al himnario</translation>
    </message>
    <message>
        <source>&amp;Day&apos;s name:</source>
        <translation>&amp;Nombre del día:</translation>
    </message>
    <message>
        <source>&amp;Year:</source>
        <translation>Añ&amp;o:</translation>
    </message>
    <message>
        <source>&amp;Readings:</source>
        <translation>&amp;Lecturas:</translation>
    </message>
    <message>
        <source>Rows &amp;not read:</source>
        <translation>&amp;Filas no leídas:</translation>
    </message>
    <message>
        <source>“%1” holds no table.</source>
        <translation>“%1” no contiene ninguna tabla.</translation>
    </message>
    <message>
        <source>The clipboard holds no table. Copy the lectionary&apos;s table in a spreadsheet or on a web page, then press Paste.</source>
        <translation>El portapapeles no contiene ninguna tabla. Copie la tabla del leccionario de una hoja de cálculo o de una página web y pulse Pegar.</translation>
    </message>
    <message>
        <source>The clipboard&apos;s HTML table</source>
        <translation>La tabla HTML del portapapeles</translation>
    </message>
    <message>
        <source>The clipboard&apos;s text</source>
        <translation>El texto del portapapeles</translation>
    </message>
    <message>
        <source>Open a CSV or tab-separated file, or copy a lectionary&apos;s table in a spreadsheet or on a web page and paste it here.</source>
        <translation>Abra un archivo CSV o separado por tabulaciones, o copie la tabla de un leccionario de una hoja de cálculo o de una página web y péguela aquí.</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n row(s)</source>
        <translation>
            <numerusform>%1: %n fila</numerusform>
            <numerusform>%1: %n filas</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A column of the imported table: its letter and the heading above it, &quot;B: Sunday&quot;.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>None (every year, or as the day&apos;s name says)</source>
        <translation>Ninguna (todos los años, o según indique el nombre del día)</translation>
    </message>
    <message>
        <source>Choose the column of the day&apos;s name and at least one column of readings.</source>
        <translation>Elija la columna del nombre del día y al menos una columna de lecturas.</translation>
    </message>
    <message>
        <source>No row gives a line for %1.</source>
        <translation>Ninguna fila da una línea para %1.</translation>
    </message>
    <message>
        <source>They go into the %1 beside the hymnal; its lines for the same days and years are replaced only after a question, and the rest of it stays as it is.</source>
        <translation>Se escriben en %1, junto al himnario; sus líneas para los mismos días y años solo se sustituyen tras preguntar, y el resto queda como está.</translation>
    </message>
    <message>
        <source>They make a new %1 beside the hymnal.</source>
        <translation>Crean un %1 nuevo junto al himnario.</translation>
    </message>
    <message numerus="yes">
        <source>%n line(s) to write.</source>
        <translation>
            <numerusform>%n línea por escribir.</numerusform>
            <numerusform>%n líneas por escribir.</numerusform>
        </translation>
    </message>
    <message>
        <source>line %1: %2 (removed: a second line for the same day and year)</source>
        <extracomment>A line of Lectionary.txt the import removes: a second line for a day and year.</extracomment>
        <translation>línea %1: %2 (eliminada: una segunda línea para el mismo día y año)</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>línea %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>… and %n more</source>
        <translation>
            <numerusform>… y %n más</numerusform>
            <numerusform>… y %n más</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 already has %n line(s) for the days and years imported:</source>
        <translation>
            <numerusform>%1 ya tiene %n línea para los días y años importados:</numerusform>
            <numerusform>%1 ya tiene %n líneas para los días y años importados:</numerusform>
        </translation>
    </message>
    <message>
        <source>Replace them with the imported lines? Every other line stays as it is.</source>
        <translation>¿Sustituirlas por las líneas importadas? Todas las demás líneas quedan como están.</translation>
    </message>
    <message>
        <source>%1 holds these lines already, so nothing was written.</source>
        <translation>%1 ya contiene estas líneas, así que no se escribió nada.</translation>
    </message>
    <message numerus="yes">
        <source>%1 written: %n line(s) imported</source>
        <translation>
            <numerusform>%1 escrito: %n línea importada</numerusform>
            <numerusform>%1 escrito: %n líneas importadas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 made beside the hymnal: %n line(s)</source>
        <translation>
            <numerusform>%1 creado junto al himnario: %n línea</numerusform>
            <numerusform>%1 creado junto al himnario: %n líneas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %n row(s) (the rest was left out: a table is read up to %2 rows and %3 columns)</source>
        <translation>
            <numerusform>%1: %n fila (el resto se omitió: de una tabla se leen como máximo %2 filas y %3 columnas)</numerusform>
            <numerusform>%1: %n filas (el resto se omitió: de una tabla se leen como máximo %2 filas y %3 columnas)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ImportPreviewModel</name>
    <message>
        <source>day</source>
        <translation>día</translation>
    </message>
    <message>
        <source>year</source>
        <translation>año</translation>
    </message>
    <message>
        <source>readings</source>
        <translation>lecturas</translation>
    </message>
    <message>
        <source>%1 · %2</source>
        <extracomment>A column of the imported table and what it is taken for: &quot;B Sunday · day&quot;.</extracomment>
        <translation>%1 · %2</translation>
    </message>
    <message>
        <source>(the headings)</source>
        <translation>(los encabezados)</translation>
    </message>
    <message>
        <source>Written to Lectionary.txt</source>
        <translation>Escrito en Lectionary.txt</translation>
    </message>
</context>
<context>
    <name>LanguageMenu</name>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Idioma</translation>
    </message>
    <message>
        <source>&amp;System</source>
        <translation>&amp;Sistema</translation>
    </message>
    <message>
        <source>Takes effect at the next start</source>
        <translation>Se aplica en el próximo inicio</translation>
    </message>
</context>
<context>
    <name>Logbook</name>
    <message>
        <source>&quot;%1&quot; holds the same bytes as &quot;%2&quot;.</source>
        <translation>&quot;%1&quot; contiene los mismos bytes que &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>The first %1 of the %2 bytes of &quot;%3&quot; are as in &quot;%4&quot; (%5 bytes); after them the log differs.</source>
        <translation>Los primeros %1 de los %2 bytes de &quot;%3&quot; son como en &quot;%4&quot; (%5 bytes); a partir de ahí el registro es distinto.</translation>
    </message>
    <message numerus="yes">
        <source>The log holds %n NUL byte(s) that the backup does not.</source>
        <translation>
            <numerusform>El registro contiene %n byte NUL que la copia de seguridad no tiene.</numerusform>
            <numerusform>El registro contiene %n bytes NUL que la copia de seguridad no tiene.</numerusform>
        </translation>
    </message>
    <message>
        <source>The mark beside &quot;%1&quot; names no backup that can be put back.</source>
        <translation>La marca junto a &quot;%1&quot; no indica ninguna copia de seguridad que se pueda restaurar.</translation>
    </message>
    <message>
        <source>The backup &quot;%1&quot; is no longer as it was written (it was changed, moved or removed), so it was not put back. &quot;%2&quot; is as it was.</source>
        <translation>La copia de seguridad &quot;%1&quot; ya no está como se escribió (se cambió, se movió o se eliminó), así que no se restauró. &quot;%2&quot; está como estaba.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; put back in place of &quot;%2&quot;</source>
        <translation>&quot;%1&quot; restaurado en lugar de &quot;%2&quot;</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has changed on disk since it was loaded, so the service was not added.</source>
        <translation>&quot;%1&quot; ha cambiado en el disco desde que se cargó, así que el culto no se añadió.</translation>
    </message>
    <message>
        <source> Make room on the disk and try again.</source>
        <translation> Libere espacio en el disco y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source> Check that you may write in the folder &quot;%1&quot;.</source>
        <translation> Compruebe que tiene permiso para escribir en la carpeta &quot;%1&quot;.</translation>
    </message>
    <message>
        <source> The disk is read-only: copy the log to a disk you can write to and load it from there.</source>
        <translation> El disco es de solo lectura: copie el registro a un disco en el que pueda escribir y cárguelo desde allí.</translation>
    </message>
    <message>
        <source> Try again; if it fails again, check the disk or the network connection.</source>
        <translation> Vuelva a intentarlo; si vuelve a fallar, compruebe el disco o la conexión de red.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is being written by another copy of Cantorix2, so the service was not added. Try again in a moment.</source>
        <translation>Otra copia de Cantorix2 está escribiendo &quot;%1&quot;, así que el culto no se añadió. Vuelva a intentarlo en un momento.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is being written by Cantorix2 on %2, so the service was not added. Try again in a moment.</source>
        <translation>Cantorix2 está escribiendo &quot;%1&quot; en %2, así que el culto no se añadió. Vuelva a intentarlo en un momento.</translation>
    </message>
    <message>
        <source> Nothing was written.</source>
        <translation> No se escribió nada.</translation>
    </message>
    <message>
        <source>The last write of &quot;%1&quot; was cut short, so the service was not added: in the bar under the window, put its backup back or keep the log as it is, then add the service again.</source>
        <translation>La última escritura de &quot;%1&quot; quedó interrumpida, así que el culto no se añadió: en la barra bajo la ventana, restaure su copia de seguridad o conserve el registro tal como está, y luego vuelva a añadir el culto.</translation>
    </message>
    <message>
        <source>%1 is read-only, so the service was not added.</source>
        <translation>%1 es de solo lectura, así que el culto no se añadió.</translation>
    </message>
    <message>
        <source>The name &quot;%1&quot; leaves no room for a backup&apos;s name beside it, so the service was not added. A shorter name will do: rename the log and load it again.</source>
        <translation>El nombre &quot;%1&quot; no deja sitio para el nombre de una copia de seguridad junto a él, así que el culto no se añadió. Basta un nombre más corto: cambie el nombre del registro y vuelva a cargarlo.</translation>
    </message>
    <message>
        <source>Every name for a backup of &quot;%1&quot; (up to &quot;%2&quot;) is taken, so the service was not added. Move old backups away and try again.</source>
        <translation>Todos los nombres para una copia de seguridad de &quot;%1&quot; (hasta &quot;%2&quot;) están ocupados, así que el culto no se añadió. Mueva a otro lugar las copias de seguridad antiguas y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>The backup &quot;%1&quot; could not be written: %2. Nothing was written; &quot;%3&quot; is as it was.</source>
        <translation>No se pudo escribir la copia de seguridad &quot;%1&quot;: %2. No se escribió nada; &quot;%3&quot; está como estaba.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was not written: the mark of a write in progress could not be left beside it (%2). The file is as it was.</source>
        <translation>&quot;%1&quot; no se escribió: no se pudo dejar junto a él la marca de escritura en curso (%2). El archivo está como estaba.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be written: %2. Its bytes as they were are in &quot;%3&quot;.</source>
        <translation>No se pudo escribir &quot;%1&quot;: %2. Sus bytes tal como estaban están en &quot;%3&quot;.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be written: %2. The file is as it was; its bytes are also in &quot;%3&quot;.</source>
        <translation>No se pudo escribir &quot;%1&quot;: %2. El archivo está como estaba; sus bytes también están en &quot;%3&quot;.</translation>
    </message>
    <message>
        <source>; the log as it was is kept in %1</source>
        <translation>; el registro tal como estaba se conserva en %1</translation>
    </message>
    <message>
        <source>This file holds hymn texts, not a service log, so no service can be added to it.</source>
        <translation>Este archivo contiene textos de himnos, no un registro de cultos, así que no se le puede añadir ningún culto.</translation>
    </message>
    <message>
        <source>The service&apos;s date cannot be written as a head line that the program reads back.</source>
        <translation>La fecha del culto no se puede escribir como una línea de cabecera que el programa vuelva a leer.</translation>
    </message>
    <message>
        <source>The character “%1” cannot be written in this file&apos;s encoding (%2).</source>
        <translation>El carácter “%1” no se puede escribir en la codificación de este archivo (%2).</translation>
    </message>
    <message>
        <source>The service is not in the file as it was loaded, so nothing was written. Load the log again and choose the service anew.</source>
        <translation>El culto no está en el archivo tal como se cargó, así que no se escribió nada. Vuelva a cargar el registro y elija de nuevo el culto.</translation>
    </message>
    <message>
        <source>This log is full: with this service longer, the program would no longer read the last service of the file, so nothing was written. Start a new log for the services to come.</source>
        <translation>Este registro está lleno: con este culto más largo, el programa ya no leería el último culto del archivo, así que no se escribió nada. Empiece un registro nuevo para los próximos cultos.</translation>
    </message>
    <message>
        <source>Written this way, the service would change how the program reads other services of the log (a head line without a year takes it from the next one below), so nothing was written.</source>
        <translation>Escrito así, el culto cambiaría la forma en que el programa lee otros cultos del registro (una línea de cabecera sin año lo toma de la siguiente más abajo), así que no se escribió nada.</translation>
    </message>
    <message numerus="yes">
        <source>Service of %1 changed: %n hymn(s)</source>
        <translation>
            <numerusform>Culto del %1 modificado: %n himno</numerusform>
            <numerusform>Culto del %1 modificado: %n himnos</numerusform>
        </translation>
    </message>
    <message>
        <source>Service of %1 removed</source>
        <translation>Culto del %1 eliminado</translation>
    </message>
    <message>
        <source>The service without a date removed</source>
        <translation>Culto sin fecha eliminado</translation>
    </message>
    <message>
        <source>Cantorix2 has made no change to &quot;%1&quot; that it can undo: it remembers none since its backups were kept.</source>
        <translation>Cantorix2 no ha hecho ningún cambio en &quot;%1&quot; que pueda deshacer: no recuerda ninguno desde que se guardaron sus copias de seguridad.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no longer as Cantorix2 left it after its last change (%2), so that change cannot be undone.</source>
        <translation>&quot;%1&quot; ya no está como Cantorix2 lo dejó tras su último cambio (%2), así que ese cambio no se puede deshacer.</translation>
    </message>
    <message>
        <source>The backup &quot;%1&quot; is no longer as Cantorix2 wrote it, so the last change to &quot;%2&quot; cannot be undone.</source>
        <translation>La copia de seguridad &quot;%1&quot; ya no está como Cantorix2 la escribió, así que el último cambio de &quot;%2&quot; no se puede deshacer.</translation>
    </message>
    <message>
        <source>Undone: %1</source>
        <translation>Deshecho: %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has changed on disk since it was loaded, so nothing was written.</source>
        <translation>&quot;%1&quot; ha cambiado en el disco desde que se cargó, así que no se escribió nada.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is being written by another copy of Cantorix2, so nothing was written. Try again in a moment.</source>
        <translation>Otra copia de Cantorix2 está escribiendo &quot;%1&quot;, así que no se escribió nada. Vuelva a intentarlo en un momento.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is being written by Cantorix2 on %2, so nothing was written. Try again in a moment.</source>
        <translation>Cantorix2 está escribiendo &quot;%1&quot; en %2, así que no se escribió nada. Vuelva a intentarlo en un momento.</translation>
    </message>
    <message>
        <source>The last write of &quot;%1&quot; was cut short, so nothing was written: in the bar under the window, put its backup back or keep the log as it is, then try again.</source>
        <translation>La última escritura de &quot;%1&quot; quedó interrumpida, así que no se escribió nada: en la barra bajo la ventana, restaure su copia de seguridad o conserve el registro tal como está, y luego vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>%1 is read-only, so nothing was written.</source>
        <translation>%1 es de solo lectura, así que no se escribió nada.</translation>
    </message>
    <message>
        <source>The name &quot;%1&quot; leaves no room for a backup&apos;s name beside it, so nothing was written. A shorter name will do: rename the log and load it again.</source>
        <translation>El nombre &quot;%1&quot; no deja sitio para el nombre de una copia de seguridad junto a él, así que no se escribió nada. Basta un nombre más corto: cambie el nombre del registro y vuelva a cargarlo.</translation>
    </message>
    <message>
        <source>Every name for a backup of &quot;%1&quot; (up to &quot;%2&quot;) is taken, so nothing was written. Move old backups away and try again.</source>
        <translation>Todos los nombres para una copia de seguridad de &quot;%1&quot; (hasta &quot;%2&quot;) están ocupados, así que no se escribió nada. Mueva a otro lugar las copias de seguridad antiguas y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>UTF-8 with byte-order mark</source>
        <translation>UTF-8 con marca de orden de bytes</translation>
    </message>
    <message>
        <source>The occasion holds a line break or a NUL character, which a line of the file cannot hold.</source>
        <translation>La ocasión contiene un salto de línea o un carácter NUL, que una línea del archivo no puede contener.</translation>
    </message>
    <message>
        <source>Line %1 of the service holds a line break or a NUL character, which a line of the file cannot hold.</source>
        <translation>La línea %1 del culto contiene un salto de línea o un carácter NUL, que una línea del archivo no puede contener.</translation>
    </message>
    <message>
        <source>The hymn number “%1” holds a space.</source>
        <translation>El número de himno “%1” contiene un espacio.</translation>
    </message>
    <message>
        <source>Hymn %1 has no title.</source>
        <translation>El himno %1 no tiene título.</translation>
    </message>
    <message>
        <source>“%1” holds “--”, which would make the program read the whole file as hymn texts.</source>
        <translation>“%1” contiene “--”, lo que haría que el programa leyera todo el archivo como textos de himnos.</translation>
    </message>
    <message>
        <source>The file ends in the middle of a character, so nothing can be written after it.</source>
        <translation>El archivo termina en medio de un carácter, así que no se puede escribir nada a continuación.</translation>
    </message>
    <message>
        <source>This log is full: it holds %1 services, and the program reads no more than %2 (fewer when a service has more than %3 lines), so it would never read a new one.</source>
        <translation>Este registro está lleno: contiene %1 cultos y el programa no lee más de %2 (menos cuando un culto tiene más de %3 líneas), así que nunca leería uno nuevo.</translation>
    </message>
    <message>
        <source>This log holds %1 services, of which the program reads only the first %2, so it would never read one added after them.</source>
        <translation>Este registro contiene %1 cultos, de los que el programa solo lee los primeros %2, así que nunca leería uno añadido después de ellos.</translation>
    </message>
    <message>
        <source>The service was not added: start a new log for the services to come.</source>
        <translation>El culto no se añadió: empiece un registro nuevo para los próximos cultos.</translation>
    </message>
    <message numerus="yes">
        <source>Service of %1 added: %n hymn(s)</source>
        <translation>
            <numerusform>Culto del %1 añadido: %n himno</numerusform>
            <numerusform>Culto del %1 añadido: %n himnos</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>The system&apos;s language from the next start</source>
        <translation>El idioma del sistema a partir del próximo inicio</translation>
    </message>
    <message>
        <source>%1 from the next start</source>
        <translation>%1 a partir del próximo inicio</translation>
    </message>
    <message>
        <source>&amp;User Guide</source>
        <translation>&amp;Guía del usuario</translation>
    </message>
    <message numerus="yes">
        <source>%1 holds %n NUL character(s), which a text file does not: a write may have been cut short. Look at it in a text editor.</source>
        <translation>
            <numerusform>%1 contiene %n carácter NUL, que un archivo de texto no contiene: puede que una escritura quedara interrumpida. Revíselo en un editor de texto.</numerusform>
            <numerusform>%1 contiene %n caracteres NUL, que un archivo de texto no contiene: puede que una escritura quedara interrumpida. Revíselo en un editor de texto.</numerusform>
        </translation>
    </message>
    <message>
        <source>Put Back Backup</source>
        <translation>Restaurar copia de seguridad</translation>
    </message>
    <message>
        <source>The backup &quot;%1&quot; cannot be read, so it cannot be put back.</source>
        <translation>La copia de seguridad &quot;%1&quot; no se puede leer, así que no se puede restaurar.</translation>
    </message>
    <message>
        <source>Put &quot;%1&quot; back in place of &quot;%2&quot;? The log as it is now is kept in a backup of its own.</source>
        <translation>¿Restaurar &quot;%1&quot; en lugar de &quot;%2&quot;? El registro tal como está ahora se conserva en una copia de seguridad propia.</translation>
    </message>
    <message>
        <source>%1 is kept as it is.</source>
        <translation>%1 se conserva tal como está.</translation>
    </message>
    <message>
        <source>&amp;Import Lectionary…</source>
        <translation>&amp;Importar leccionario…</translation>
    </message>
    <message>
        <source>Import Lectionary</source>
        <translation>Importar leccionario</translation>
    </message>
    <message>
        <source>Print Hymn &amp;Board…</source>
        <translation>Imprimir &amp;tablero de himnos…</translation>
    </message>
    <message>
        <source>&amp;Edit Service…</source>
        <translation>&amp;Editar culto…</translation>
    </message>
    <message>
        <source>&amp;Undo Last Change</source>
        <translation>&amp;Deshacer último cambio</translation>
    </message>
    <message>
        <source>Copy for &amp;Bulletin</source>
        <translation>Copiar para el &amp;boletín</translation>
    </message>
    <message>
        <source>Edit Service</source>
        <translation>Editar culto</translation>
    </message>
    <message>
        <source>Load a service log first: a service of the log loaded is edited.</source>
        <translation>Cargue primero un registro de cultos: se edita un culto del registro cargado.</translation>
    </message>
    <message>
        <source>The log holds no service to edit.</source>
        <translation>El registro no contiene ningún culto que editar.</translation>
    </message>
    <message>
        <source>Hymn files (*.txt);;All files (*)</source>
        <translation>Archivos de himnos (*.txt);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Open…</source>
        <translation>&amp;Abrir…</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>Abrir &amp;recientes</translation>
    </message>
    <message>
        <source>Re&amp;load</source>
        <translation>Re&amp;cargar</translation>
    </message>
    <message>
        <source>Open in Text &amp;Editor</source>
        <translation>Abrir en &amp;editor de texto</translation>
    </message>
    <message>
        <source>Set &amp;Hymnal…</source>
        <translation>Elegir &amp;himnario…</translation>
    </message>
    <message>
        <source>Clear H&amp;ymnal</source>
        <translation>&amp;Quitar himnario</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;Add Service…</source>
        <translation>&amp;Añadir culto…</translation>
    </message>
    <message>
        <source>Copy &amp;Left List</source>
        <translation>Copiar lista &amp;izquierda</translation>
    </message>
    <message>
        <source>Copy &amp;Right List</source>
        <translation>Copiar lista de&amp;recha</translation>
    </message>
    <message>
        <source>&amp;Clear criteria</source>
        <translation>&amp;Limpiar criterios</translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation>&amp;Búsqueda</translation>
    </message>
    <message>
        <source>&amp;Find</source>
        <translation>&amp;Buscar</translation>
    </message>
    <message>
        <source>&amp;Tally</source>
        <translation>&amp;Contar</translation>
    </message>
    <message>
        <source>Focus Hymn &amp;#</source>
        <translation>Ir al &amp;número de himno</translation>
    </message>
    <message>
        <source>Usage &amp;Report…</source>
        <translation>&amp;Informe de uso…</translation>
    </message>
    <message>
        <source>Suggest &amp;Hymns…</source>
        <translation>&amp;Sugerir himnos…</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>&amp;Bold</source>
        <translation>&amp;Negrita</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>&amp;About Cantorix2</source>
        <translation>&amp;Acerca de Cantorix2</translation>
    </message>
    <message>
        <source>Set Hymnal</source>
        <translation>Elegir himnario</translation>
    </message>
    <message>
        <source>Hymnal set: %1</source>
        <translation>Himnario elegido: %1</translation>
    </message>
    <message>
        <source>“%1” is not a hymnal text (hymns with their verses between &quot;--&quot; lines), so the hymnal stays “%2”.</source>
        <translation>“%1” no es un texto de himnario (himnos con sus estrofas entre líneas &quot;--&quot;), así que el himnario sigue siendo “%2”.</translation>
    </message>
    <message>
        <source>“%1” is not a hymnal text (hymns with their verses between &quot;--&quot; lines), so no hymnal is set.</source>
        <translation>“%1” no es un texto de himnario (himnos con sus estrofas entre líneas &quot;--&quot;), así que no se elige ningún himnario.</translation>
    </message>
    <message>
        <source>%1 (missing)</source>
        <translation>%1 (no encontrado)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no longer there; it may have been moved or deleted.

Remove it from the recent files?</source>
        <translation>&quot;%1&quot; ya no está ahí; puede que se haya movido o eliminado.

¿Quitarlo de los archivos recientes?</translation>
    </message>
    <message>
        <source>Remove from list</source>
        <translation>Quitar de la lista</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>About Cantorix2</source>
        <translation>Acerca de Cantorix2</translation>
    </message>
    <message>
        <source>Cantorix2 %1, by the %2

Searches a plain-text service log or hymnal, tallies how often each hymn was used, reports each hymn&apos;s use over a date range, and copies what it finds to the clipboard.

Licensed under the GNU General Public License, version 3 or later.

Homepage: %3
Sample files: %4</source>
        <extracomment>%1 the version, %2 the publisher, %3 a web address, %4 a folder</extracomment>
        <translation>Cantorix2 %1, de %2

Busca en un registro de cultos o un himnario de texto plano, cuenta cuántas veces se usó cada himno, informa del uso de cada himno en un intervalo de fechas y copia lo que encuentra al portapapeles.

Publicado bajo la Licencia Pública General de GNU, versión 3 o posterior.

Página web: %3
Archivos de ejemplo: %4</translation>
    </message>
    <message>
        <source>Open in Text Editor</source>
        <translation>Abrir en editor de texto</translation>
    </message>
    <message>
        <source>No program was found to open &quot;%1&quot; with.</source>
        <translation>No se encontró ningún programa con el que abrir &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Add Service</source>
        <translation>Añadir culto</translation>
    </message>
    <message>
        <source>Load a service log first: a service is added to the log loaded.</source>
        <translation>Cargue primero un registro de cultos: el culto se añade al registro cargado.</translation>
    </message>
    <message>
        <source>The service has no hymns yet: add at least one line.</source>
        <translation>El culto aún no tiene himnos: añada al menos una línea.</translation>
    </message>
    <message>
        <source>Reload it now? The service stays in the dialog, to be added to the file as it is now.</source>
        <translation>¿Recargarlo ahora? El culto se queda en el diálogo, para añadirlo al archivo tal como está ahora.</translation>
    </message>
</context>
<context>
    <name>Panes</name>
    <message numerus="yes">
        <source>%n item(s) copied</source>
        <extracomment>The message after a right click put rows of an output list on the clipboard.</extracomment>
        <translation>
            <numerusform>%n elemento copiado</numerusform>
            <numerusform>%n elementos copiados</numerusform>
        </translation>
    </message>
    <message>
        <source>Song titles</source>
        <extracomment>The title of the message after the list of a hymnal&apos;s titles was copied.</extracomment>
        <translation>Títulos de himnos</translation>
    </message>
    <message>
        <source>Dates used</source>
        <extracomment>The title of the message after the list of a log&apos;s service dates was copied.</extracomment>
        <translation>Fechas de uso</translation>
    </message>
    <message>
        <source>Limit copy to Verse #:</source>
        <extracomment>The question before a copy of hymns&apos; lines: which verse of each hymn to copy (&quot;#&quot;: number).</extracomment>
        <translation>Limitar la copia a la estrofa n.º:</translation>
    </message>
    <message>
        <source>Select verse # (0 = credits only; ^ = references )</source>
        <extracomment>The title of that question: 0 copies the hymns&apos; credits only, &quot;^&quot; (typed as it is) their scripture references. &quot;#&quot;: number.</extracomment>
        <translation>Elija el n.º de estrofa (0 = solo créditos; ^ = referencias )</translation>
    </message>
    <message>
        <source>Select verse # (0 = credits only)</source>
        <extracomment>The title of that question: 0 copies the hymns&apos; credits only. &quot;#&quot;: number.</extracomment>
        <translation>Elija el n.º de estrofa (0 = solo créditos)</translation>
    </message>
    <message numerus="yes">
        <source>%1 +  %n title(s)</source>
        <extracomment>%1 is the &quot;… item(s) copied&quot; message; the hymns&apos; titles were copied too, as headings. The two blanks after &quot;+&quot; are kept.</extracomment>
        <translation>
            <numerusform>%1 +  %n título</numerusform>
            <numerusform>%1 +  %n títulos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 +  %n count(s)</source>
        <extracomment>%1 is the &quot;… item(s) copied&quot; message; the tally&apos;s counts were copied too, as headings. The two blanks after &quot;+&quot; are kept.</extracomment>
        <translation>
            <numerusform>%1 +  %n recuento</numerusform>
            <numerusform>%1 +  %n recuentos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 +  %n date(s)</source>
        <extracomment>%1 is the &quot;… item(s) copied&quot; message; the services&apos; dates were copied too, as headings. The two blanks after &quot;+&quot; are kept.</extracomment>
        <translation>
            <numerusform>%1 +  %n fecha</numerusform>
            <numerusform>%1 +  %n fechas</numerusform>
        </translation>
    </message>
    <message>
        <source>Verse lines</source>
        <extracomment>The title of the message after the hymns&apos; lines were copied.</extracomment>
        <translation>Líneas de estrofas</translation>
    </message>
    <message>
        <source>- only &apos;Exclude&apos; terms are case sensitive</source>
        <extracomment>A tip in the help message: the boxes captioned &quot;exclude title:&quot;, &quot;exclude phrase:&quot; and &quot;exclude hymn:&quot;.</extracomment>
        <translation>- solo los términos de &apos;excluir&apos; distinguen mayúsculas y minúsculas</translation>
    </message>
    <message>
        <source>- either &gt; or &lt; may be used in date or year box</source>
        <extracomment>A tip in the help message: &quot;&gt; 1990&quot; or &quot;&lt; 2000&quot; typed in the date or year box.</extracomment>
        <translation>- en el cuadro de fecha o de año se puede usar &gt; o &lt;</translation>
    </message>
    <message>
        <source>- R click on an output box will copy box contents to clipboard</source>
        <extracomment>A tip in the help message: &quot;R click&quot; is a click of the right mouse button.</extracomment>
        <translation>- clic derecho en un cuadro de resultados copia su contenido al portapapeles</translation>
    </message>
    <message>
        <source>- L click in either output box will re-synchronize both boxes</source>
        <extracomment>A tip in the help message: &quot;L click&quot; is a click of the left mouse button.</extracomment>
        <translation>- clic izquierdo en cualquier cuadro de resultados vuelve a sincronizar ambos</translation>
    </message>
    <message>
        <source>- to select from directory box, double click your selection</source>
        <extracomment>A tip in the help message: the directory box lists the folders.</extracomment>
        <translation>- para elegir en el cuadro de carpetas, haga doble clic en su selección</translation>
    </message>
    <message>
        <source>Cantorix2 ver %1</source>
        <extracomment>The help message&apos;s title: &quot;ver&quot; is short for version; %1 is the version number (2.9.7).</extracomment>
        <translation>Cantorix2 ver. %1</translation>
    </message>
    <message>
        <source>Cantorix2 team, 2026</source>
        <extracomment>The help message&apos;s copyright line, after &quot;©&quot;.</extracomment>
        <translation>Equipo de Cantorix2, 2026</translation>
    </message>
</context>
<context>
    <name>Plan</name>
    <message>
        <source>Row %1: %2</source>
        <extracomment>A row of an imported table that was left out, or only partly read: &quot;Row 12: no readings&quot;.</extracomment>
        <translation>Fila %1: %2</translation>
    </message>
    <message>
        <source>no day&apos;s name</source>
        <translation>sin nombre del día</translation>
    </message>
    <message>
        <source>“%1” is not a day of the church year</source>
        <translation>“%1” no es un día del año litúrgico</translation>
    </message>
    <message>
        <source>“%1” is not a year letter (A, B or C)</source>
        <translation>“%1” no es una letra de año (A, B o C)</translation>
    </message>
    <message>
        <source>no readings</source>
        <translation>sin lecturas</translation>
    </message>
    <message>
        <source>a “#” in the readings would begin a comment in Lectionary.txt</source>
        <translation>un “#” en las lecturas iniciaría un comentario en Lectionary.txt</translation>
    </message>
    <message>
        <source>%1 is in row %2 already</source>
        <extracomment>%1 is a day and year (&quot;Advent 3 B&quot;), %2 the row that gave it first.</extracomment>
        <translation>%1 ya está en la fila %2</translation>
    </message>
    <message numerus="yes">
        <source>No hymn fits all three; %n hold(s) the phrase and the meter</source>
        <translation>
            <numerusform>Ningún himno cumple las tres condiciones; %n contiene la frase y la métrica</numerusform>
            <numerusform>Ningún himno cumple las tres condiciones; %n contienen la frase y la métrica</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>No hymn fits both; %n hold(s) the phrase</source>
        <translation>
            <numerusform>Ningún himno cumple ambas condiciones; %n contiene la frase</numerusform>
            <numerusform>Ningún himno cumple ambas condiciones; %n contienen la frase</numerusform>
        </translation>
    </message>
    <message>
        <source>title</source>
        <extracomment>Why a hymn is suggested: the phrase is in its title.</extracomment>
        <translation>título</translation>
    </message>
    <message>
        <source>refrain: %1</source>
        <extracomment>Why a hymn is suggested: %1 is the part of its refrain that holds the phrase.</extracomment>
        <translation>estribillo: %1</translation>
    </message>
    <message>
        <source>verse %1: %2</source>
        <extracomment>Why a hymn is suggested: %1 is the verse&apos;s number, %2 the part of the verse that holds the phrase.</extracomment>
        <translation>estrofa %1: %2</translation>
    </message>
    <message>
        <source>verse: %1</source>
        <extracomment>Why a hymn is suggested: %1 is the part of a verse without a number that holds the phrase.</extracomment>
        <translation>estrofa: %1</translation>
    </message>
    <message>
        <source>meter %1</source>
        <extracomment>Why a hymn is suggested: its meter is the one asked for; %1 is the meter as numbers, &quot;8.6.8.6&quot;.</extracomment>
        <translation>métrica %1</translation>
    </message>
    <message>
        <source>Type readings, a phrase or a meter to see suggestions.</source>
        <translation>Escriba lecturas, una frase o una métrica para ver sugerencias.</translation>
    </message>
    <message>
        <source>Load a hymnal to see suggestions.</source>
        <translation>Cargue un himnario para ver sugerencias.</translation>
    </message>
    <message>
        <source>The loaded file is a service log; suggestions need a hymnal.</source>
        <translation>El archivo cargado es un registro de cultos; las sugerencias necesitan un himnario.</translation>
    </message>
    <message>
        <source>Could not read the meter &quot;%1&quot;.</source>
        <translation>No se pudo leer la métrica &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Hymn #</source>
        <extracomment>A column heading of the suggested hymns: the hymn&apos;s number (&quot;#&quot;: number).</extracomment>
        <translation>N.º himno</translation>
    </message>
    <message>
        <source>Title</source>
        <extracomment>A column heading of the suggested hymns: the hymn&apos;s title.</extracomment>
        <translation>Título</translation>
    </message>
    <message>
        <source>Why</source>
        <extracomment>A column heading of the suggested hymns: why the hymn is suggested (the reading, the phrase or the meter it matched).</extracomment>
        <translation>Motivo</translation>
    </message>
    <message>
        <source>Meter</source>
        <extracomment>A column heading of the suggested hymns: the hymn&apos;s meter.</extracomment>
        <translation>Métrica</translation>
    </message>
    <message>
        <source>Last 12 months</source>
        <extracomment>A column heading of the suggested hymns: how often the log has the hymn in the last 12 months.</extracomment>
        <translation>Últimos 12 meses</translation>
    </message>
    <message>
        <source>Uses</source>
        <extracomment>A column heading of the suggested hymns: how often the log has the hymn at all (a noun).</extracomment>
        <translation>Usos</translation>
    </message>
    <message>
        <source>Last sung</source>
        <extracomment>A column heading of the suggested hymns: the date the hymn was last sung.</extracomment>
        <translation>Último uso</translation>
    </message>
    <message>
        <source>Days since</source>
        <extracomment>A column heading of the suggested hymns: the days since the hymn was last sung.</extracomment>
        <translation>Días desde</translation>
    </message>
    <message>
        <source>new</source>
        <extracomment>The last sung date of a suggested hymn the log never used.</extracomment>
        <translation>nuevo</translation>
    </message>
    <message numerus="yes">
        <source>Could not read the reference(s) %1.</source>
        <extracomment>Under Suggest Hymns&apos; readings: %1 is the pieces not read, each in quotes, separated by commas.</extracomment>
        <translation>
            <numerusform>No se pudo leer la referencia %1.</numerusform>
            <numerusform>No se pudieron leer las referencias %1.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Platform</name>
    <message>
        <source>error %1</source>
        <extracomment>In place of the system&apos;s reason for a failure, when it has none: %1 is the system&apos;s error code.</extracomment>
        <translation>error %1</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>Hymns joined by number: 14, 014 and #14 are one hymn</source>
        <translation>Himnos agrupados por número: 14, 014 y #14 son un mismo himno</translation>
    </message>
    <message>
        <source>No service is dated up to today</source>
        <translation>Ningún culto tiene fecha hasta hoy</translation>
    </message>
    <message>
        <source>Counted from %1, the latest service up to today</source>
        <translation>Contado a partir de %1, el último culto hasta hoy</translation>
    </message>
    <message>
        <source>Counted from %1, the latest service</source>
        <translation>Contado a partir de %1, el último culto</translation>
    </message>
    <message numerus="yes">
        <source>%n planned service(s) after today is/are not counted</source>
        <translation>
            <numerusform>%n culto previsto después de hoy no se cuenta</numerusform>
            <numerusform>%n cultos previstos después de hoy no se cuentan</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n planned service(s) after today is/are counted</source>
        <translation>
            <numerusform>%n culto previsto después de hoy se cuenta</numerusform>
            <numerusform>%n cultos previstos después de hoy se cuentan</numerusform>
        </translation>
    </message>
    <message>
        <source>The head line “%1” is dated more than a year after today: check its year</source>
        <translation>La línea de cabecera “%1” tiene una fecha más de un año posterior a hoy: revise el año</translation>
    </message>
    <message>
        <source>hymn-usage</source>
        <extracomment>The file name offered for the usage report&apos;s exports, without its suffix (.csv, .pdf, .png).</extracomment>
        <translation>uso-de-himnos</translation>
    </message>
    <message>
        <source>hymn-usage %1 to %2</source>
        <extracomment>The file name offered for the usage report&apos;s exports, without its suffix: %1 and %2 are the range&apos;s dates.</extracomment>
        <translation>uso-de-himnos %1 a %2</translation>
    </message>
    <message>
        <source>Counted from %1, the latest service — after today: check the head line “%2”</source>
        <extracomment>%1 is the latest service&apos;s date, %2 its head line as the log writes it.</extracomment>
        <translation>Contado a partir de %1, el último culto — posterior a hoy: revise la línea de cabecera “%2”</translation>
    </message>
    <message>
        <source>Jan %1</source>
        <extracomment>A month&apos;s label on the usage chart: %1 is the year (&quot;Jan 2019&quot;).</extracomment>
        <translation>ene %1</translation>
    </message>
    <message>
        <source>Feb %1</source>
        <translation>feb %1</translation>
    </message>
    <message>
        <source>Mar %1</source>
        <translation>mar %1</translation>
    </message>
    <message>
        <source>Apr %1</source>
        <translation>abr %1</translation>
    </message>
    <message>
        <source>May %1</source>
        <translation>may %1</translation>
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
        <translation>ago %1</translation>
    </message>
    <message>
        <source>Sep %1</source>
        <translation>sep %1</translation>
    </message>
    <message>
        <source>Oct %1</source>
        <translation>oct %1</translation>
    </message>
    <message>
        <source>Nov %1</source>
        <translation>nov %1</translation>
    </message>
    <message>
        <source>Dec %1</source>
        <translation>dic %1</translation>
    </message>
</context>
<context>
    <name>ReportChart</name>
    <message>
        <source>Chart of uses</source>
        <translation>Gráfico de usos</translation>
    </message>
    <message>
        <source>%1: no dated services in this range</source>
        <extracomment>Read to a screen reader for a chart without bars; %1 is the chart&apos;s title.</extracomment>
        <translation>%1: no hay cultos con fecha en este intervalo</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>Read to a screen reader: %1 is the chart&apos;s title, %2 each period with its uses.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>No dated services in this range</source>
        <translation>No hay cultos con fecha en este intervalo</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n use(s)</source>
        <extracomment>A bar&apos;s tooltip on the usage chart: %1 is the period (&quot;2019&quot;, &quot;Jan 2019&quot;).</extracomment>
        <translation>
            <numerusform>%1: %n uso</numerusform>
            <numerusform>%1: %n usos</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ReportExports</name>
    <message>
        <source>Saved %1</source>
        <translation>Se guardó %1</translation>
    </message>
    <message numerus="yes">
        <source>Printed the report: %n page(s)</source>
        <translation>
            <numerusform>Informe impreso: %n página</numerusform>
            <numerusform>Informe impreso: %n páginas</numerusform>
        </translation>
    </message>
    <message>
        <source>The folder “%1” has a name the file dialog cannot pass on, so nothing was written. Choose another folder, or the folder of the loaded file.</source>
        <translation>La carpeta “%1” tiene un nombre que el diálogo de archivos no puede transmitir, así que no se escribió nada. Elija otra carpeta, o la carpeta del archivo cargado.</translation>
    </message>
    <message>
        <source>“%1” already exists.
Do you want to replace it?</source>
        <translation>“%1” ya existe.
¿Desea reemplazarlo?</translation>
    </message>
    <message>
        <source>The report could not be written to “%1”:
%2

Nothing was changed there.</source>
        <extracomment>%1 is the file&apos;s path, %2 the system&apos;s reason.</extracomment>
        <translation>No se pudo escribir el informe en “%1”:
%2

No se cambió nada allí.</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>Exportar CSV</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <extracomment>The save dialog&apos;s file types: the patterns in brackets stay as they are.</extracomment>
        <translation>Archivos CSV (*.csv);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Hymn usage</source>
        <extracomment>The printed report&apos;s title; %1 is the log&apos;s file name.</extracomment>
        <translation>Uso de himnos</translation>
    </message>
    <message>
        <source>Hymn usage: %1</source>
        <translation>Uso de himnos: %1</translation>
    </message>
    <message>
        <source>Export PDF</source>
        <translation>Exportar PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf);;All files (*)</source>
        <extracomment>The save dialog&apos;s file types: the patterns in brackets stay as they are.</extracomment>
        <translation>Archivos PDF (*.pdf);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Making the PDF…</source>
        <translation>Creando el PDF…</translation>
    </message>
    <message>
        <source>The PDF could not be made. Nothing was written.</source>
        <translation>No se pudo crear el PDF. No se escribió nada.</translation>
    </message>
    <message>
        <source>Print Usage Report</source>
        <translation>Imprimir informe de uso</translation>
    </message>
    <message>
        <source>Print</source>
        <extracomment>The title of the progress window and of the message when printing fails.</extracomment>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Printing the report…</source>
        <translation>Imprimiendo el informe…</translation>
    </message>
    <message>
        <source>The report could not be printed.</source>
        <translation>No se pudo imprimir el informe.</translation>
    </message>
    <message>
        <source>%1 hymns: %2</source>
        <extracomment>A chart picture&apos;s second title line: %1 is how many hymns are selected (two or more), %2 their names.</extracomment>
        <translation>%1 himnos: %2</translation>
    </message>
    <message>
        <source>Save Chart</source>
        <translation>Guardar gráfico</translation>
    </message>
    <message>
        <source>PNG images (*.png);;All files (*)</source>
        <extracomment>The save dialog&apos;s file types: the patterns in brackets stay as they are.</extracomment>
        <translation>Imágenes PNG (*.png);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>The chart could not be made into a PNG image. Nothing was written.</source>
        <translation>No se pudo convertir el gráfico en una imagen PNG. No se escribió nada.</translation>
    </message>
</context>
<context>
    <name>ReportModel</name>
    <message>
        <source>Days from the last use to the latest service counted</source>
        <translation>Días desde el último uso hasta el último culto contado</translation>
    </message>
    <message>
        <source>Credits</source>
        <translation>Créditos</translation>
    </message>
    <message>
        <source>Hymn #</source>
        <extracomment>The usage report&apos;s column of hymn numbers, also the heading of its copies and CSV.</extracomment>
        <translation>N.º himno</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Título</translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>Usos</translation>
    </message>
    <message>
        <source>First used</source>
        <translation>Primer uso</translation>
    </message>
    <message>
        <source>Last used</source>
        <translation>Último uso</translation>
    </message>
    <message>
        <source>Days since</source>
        <extracomment>The usage report&apos;s column of days from a hymn&apos;s last use to the latest service.</extracomment>
        <translation>Días desde</translation>
    </message>
</context>
<context>
    <name>ReportPrinter</name>
    <message>
        <source>Page %1 of %2</source>
        <extracomment>The foot of each printed page of the usage report.</extracomment>
        <translation>Página %1 de %2</translation>
    </message>
</context>
<context>
    <name>ReportWindow</name>
    <message>
        <source>Previous church year</source>
        <translation>Año litúrgico anterior</translation>
    </message>
    <message>
        <source>Previous calendar year</source>
        <translation>Año civil anterior</translation>
    </message>
    <message>
        <source>The range of services to count, taken back from the latest service held, or from today for the previous years</source>
        <translation>El intervalo de cultos que se cuentan, hacia atrás desde el último culto celebrado, o desde hoy para los años anteriores</translation>
    </message>
    <message>
        <source>Count pla&amp;nned services</source>
        <translation>Co&amp;ntar cultos previstos</translation>
    </message>
    <message>
        <source>Count the services dated after today too, as if they had been held</source>
        <translation>Contar también los cultos con fecha posterior a hoy, como si ya se hubieran celebrado</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Todo</translation>
    </message>
    <message>
        <source>Latest year</source>
        <translation>Último año</translation>
    </message>
    <message>
        <source>Year before</source>
        <translation>Año anterior</translation>
    </message>
    <message>
        <source>Last 12 months</source>
        <translation>Últimos 12 meses</translation>
    </message>
    <message>
        <source>Church year</source>
        <translation>Año litúrgico</translation>
    </message>
    <message>
        <source>Season</source>
        <translation>Tiempo litúrgico</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personalizado</translation>
    </message>
    <message>
        <source>Usage Report</source>
        <translation>Informe de uso</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>Intervalo</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Desde</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Hasta</translation>
    </message>
    <message>
        <source>open</source>
        <extracomment>Beside a date of the range: the range has no end there, it counts from the file&apos;s first service or to its last.</extracomment>
        <translation>abierto</translation>
    </message>
    <message>
        <source>Count from the first service of the file</source>
        <translation>Contar desde el primer culto del archivo</translation>
    </message>
    <message>
        <source>From: open</source>
        <translation>Desde: abierto</translation>
    </message>
    <message>
        <source>Count to the last service of the file</source>
        <translation>Contar hasta el último culto del archivo</translation>
    </message>
    <message>
        <source>To: open</source>
        <translation>Hasta: abierto</translation>
    </message>
    <message>
        <source>Count a hymn &amp;once per service</source>
        <translation>Contar un himno &amp;una vez por culto</translation>
    </message>
    <message>
        <source>&amp;Range:</source>
        <translation>In&amp;tervalo:</translation>
    </message>
    <message>
        <source>&amp;From</source>
        <translation>&amp;Desde</translation>
    </message>
    <message>
        <source>&amp;to</source>
        <extracomment>Between the range&apos;s two dates: &quot;From [date] to [date]&quot;.</extracomment>
        <translation>&amp;hasta</translation>
    </message>
    <message>
        <source>Filter by hymn number or title</source>
        <translation>Filtrar por número o título de himno</translation>
    </message>
    <message>
        <source>F&amp;ilter:</source>
        <translation>&amp;Filtro:</translation>
    </message>
    <message>
        <source>Sort by</source>
        <translation>Ordenar por</translation>
    </message>
    <message>
        <source>&amp;Sort by:</source>
        <translation>&amp;Ordenar por:</translation>
    </message>
    <message>
        <source>D&amp;escending</source>
        <translation>D&amp;escendente</translation>
    </message>
    <message>
        <source>Hymns and their uses</source>
        <translation>Himnos y sus usos</translation>
    </message>
    <message>
        <source>Save as PNG…</source>
        <translation>Guardar como PNG…</translation>
    </message>
    <message>
        <source>Table and chart</source>
        <translation>Tabla y gráfico</translation>
    </message>
    <message>
        <source>Divider between the table and the chart</source>
        <translation>Separador entre la tabla y el gráfico</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Copy the selected rows, or all rows, for a spreadsheet (%1)</source>
        <extracomment>%1 is the copy&apos;s shortcut (Ctrl+C).</extracomment>
        <translation>Copiar las filas seleccionadas, o todas, para una hoja de cálculo (%1)</translation>
    </message>
    <message>
        <source>Export CS&amp;V…</source>
        <translation>Exportar CS&amp;V…</translation>
    </message>
    <message>
        <source>Export P&amp;DF…</source>
        <translation>Exportar &amp;PDF…</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>&amp;Imprimir…</translation>
    </message>
    <message>
        <source>Save C&amp;hart…</source>
        <translation>Guardar &amp;gráfico…</translation>
    </message>
    <message>
        <source>Save the chart as a PNG picture</source>
        <translation>Guardar el gráfico como imagen PNG</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>Ce&amp;rrar</translation>
    </message>
    <message>
        <source>Usage Report — %1</source>
        <translation>Informe de uso — %1</translation>
    </message>
    <message>
        <source>%1 + %2 more</source>
        <extracomment>The chart&apos;s hymns when more than three are selected: %1 is the first three names, %2 how many more.</extracomment>
        <translation>%1 + %2 más</translation>
    </message>
    <message>
        <source>Hymns matching “%1” (%2)</source>
        <extracomment>The chart&apos;s hymns: %1 is the filter&apos;s text, %2 how many rows it leaves.</extracomment>
        <translation>Himnos que coinciden con “%1” (%2)</translation>
    </message>
    <message>
        <source>All hymns</source>
        <translation>Todos los himnos</translation>
    </message>
    <message>
        <source>Uses per year, %1
%2</source>
        <extracomment>The chart&apos;s title on two lines: %1 is the range (&quot;2019-01-01 to 2019-12-31&quot;), %2 the hymns charted.</extracomment>
        <translation>Usos por año, %1
%2</translation>
    </message>
    <message>
        <source>Uses per month, %1
%2</source>
        <translation>Usos por mes, %1
%2</translation>
    </message>
    <message numerus="yes">
        <source>%Ln service(s)</source>
        <translation>
            <numerusform>%Ln culto</numerusform>
            <numerusform>%Ln cultos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln hymn(s)</source>
        <translation>
            <numerusform>%Ln himno</numerusform>
            <numerusform>%Ln himnos</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2 (%3 shown)</source>
        <extracomment>The report&apos;s counts when the filter hides rows: %1 the services, %2 the hymns, %3 the rows shown.</extracomment>
        <translation>%1, %2 (se muestran %3)</translation>
    </message>
    <message>
        <source>From is after To: nothing is counted.</source>
        <translation>“Desde” es posterior a “Hasta”: no se cuenta nada.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln service(s) has/have no date in its/their head line</source>
        <translation>
            <numerusform>%Ln culto no tiene fecha en su línea de cabecera</numerusform>
            <numerusform>%Ln cultos no tienen fecha en su línea de cabecera</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: counted in the table, not in the chart.</source>
        <extracomment>%1 says how many services have no date (&quot;3 services have no date in their head line&quot;).</extracomment>
        <translation>%1: se cuenta en la tabla, no en el gráfico.</translation>
    </message>
    <message>
        <source>%1: counted only under All.</source>
        <translation>%1: solo se cuenta con “Todo”.</translation>
    </message>
    <message>
        <source>all services</source>
        <translation>todos los cultos</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <extracomment>A range of dates: %1 and %2 are dates written 2019-01-01.</extracomment>
        <translation>%1 a %2</translation>
    </message>
    <message>
        <source>hymn # %1 (full # only)</source>
        <extracomment>The printed report&apos;s criteria: %1 is the hymn number searched for.</extracomment>
        <translation>himno n.º %1 (solo el número exacto)</translation>
    </message>
    <message>
        <source>hymn # %1</source>
        <translation>himno n.º %1</translation>
    </message>
    <message>
        <source>title phrase “%1”</source>
        <translation>frase del título “%1”</translation>
    </message>
    <message>
        <source>excluding # %1</source>
        <translation>excluido el n.º %1</translation>
    </message>
    <message>
        <source>excluding title “%1”</source>
        <translation>excluido el título “%1”</translation>
    </message>
    <message>
        <source>date limit %1</source>
        <extracomment>The printed report&apos;s criteria: %1 is the date limit as typed in the main window.</extracomment>
        <translation>límite de fecha %1</translation>
    </message>
    <message>
        <source>%1; a hymn counted once per service</source>
        <extracomment>A printed note: %1 is the counts (&quot;12 services, 30 hymns&quot;).</extracomment>
        <translation>%1; un himno se cuenta una vez por culto</translation>
    </message>
    <message>
        <source>Criteria: %1</source>
        <extracomment>A printed note: %1 is the main window&apos;s search criteria.</extracomment>
        <translation>Criterios: %1</translation>
    </message>
    <message>
        <source>Rows matching “%1”</source>
        <extracomment>A printed note: %1 is the filter&apos;s text.</extracomment>
        <translation>Filas que coinciden con “%1”</translation>
    </message>
    <message>
        <source>Chart of the selected hymn: %1</source>
        <translation>Gráfico del himno seleccionado: %1</translation>
    </message>
    <message>
        <source>Chart of the %1 selected hymns: %2</source>
        <extracomment>A printed note: %1 is how many hymns are selected (two or more), %2 their names.</extracomment>
        <translation>Gráfico de los %1 himnos seleccionados: %2</translation>
    </message>
</context>
<context>
    <name>SampleCopy</name>
    <message>
        <source>The folder “%1” could not be made: %2.</source>
        <extracomment>%1 is a folder&apos;s path, %2 the system&apos;s reason</extracomment>
        <translation>No se pudo crear la carpeta “%1”: %2.</translation>
    </message>
    <message>
        <source>“%1” could not be copied into “%2”: %3.</source>
        <extracomment>%1 is a sample file&apos;s name, %2 the folder&apos;s path, %3 the system&apos;s reason</extracomment>
        <translation>No se pudo copiar “%1” en “%2”: %3.</translation>
    </message>
    <message>
        <source>%1 The samples are opened where they are installed, to be read only.</source>
        <extracomment>%1 says why the samples could not be copied</extracomment>
        <translation>%1 Los ejemplos se abren donde están instalados, solo para lectura.</translation>
    </message>
    <message>
        <source>Sample files</source>
        <translation>Archivos de ejemplo</translation>
    </message>
</context>
<context>
    <name>ServiceCommands</name>
    <message>
        <source>Edit Service</source>
        <translation>Editar culto</translation>
    </message>
    <message>
        <source>The service has no lines left: add at least one, or take the service out of the log with Remove Service.</source>
        <translation>Al culto no le quedan líneas: añada al menos una, o quite el culto del registro con Eliminar culto.</translation>
    </message>
    <message>
        <source>Remove Service</source>
        <translation>Eliminar culto</translation>
    </message>
    <message>
        <source>Remove this service from &quot;%1&quot;?

%2

The log as it was is kept in a backup, and Edit &gt; Undo Last Change puts it back.</source>
        <translation>¿Eliminar este culto de &quot;%1&quot;?

%2

El registro tal como estaba se conserva en una copia de seguridad, y Editar &gt; Deshacer último cambio lo restaura.</translation>
    </message>
    <message>
        <source>Close this dialog, reload the log (File &gt; Reload) and choose the service again.</source>
        <translation>Cierre este diálogo, recargue el registro (Archivo &gt; Recargar) y vuelva a elegir el culto.</translation>
    </message>
    <message>
        <source>Undo Last Change</source>
        <translation>Deshacer último cambio</translation>
    </message>
    <message>
        <source>Load the service log whose last change is to be undone.</source>
        <translation>Cargue el registro de cultos cuyo último cambio quiere deshacer.</translation>
    </message>
    <message>
        <source>Undo the last change to &quot;%1&quot; (%2)?

The log is put back as it was before, from &quot;%3&quot;; the log as it is now is kept in a backup of its own.</source>
        <translation>¿Deshacer el último cambio de &quot;%1&quot; (%2)?

El registro se restaura tal como estaba antes, a partir de &quot;%3&quot;; el registro tal como está ahora se conserva en una copia de seguridad propia.</translation>
    </message>
    <message>
        <source>Print Hymn Board</source>
        <translation>Imprimir tablero de himnos</translation>
    </message>
    <message>
        <source>The service has no hymn numbers to put on the board.</source>
        <translation>El culto no tiene números de himnos que poner en el tablero.</translation>
    </message>
    <message>
        <source>%1 — %2</source>
        <translation>%1 — %2</translation>
    </message>
    <message>
        <source>Hymn board %1.pdf</source>
        <translation>Tablero de himnos %1.pdf</translation>
    </message>
    <message>
        <source>Hymn board.pdf</source>
        <translation>Tablero de himnos.pdf</translation>
    </message>
    <message>
        <source>Copied for the bulletin: %1</source>
        <translation>Copiado para el boletín: %1</translation>
    </message>
</context>
<context>
    <name>Store</name>
    <message numerus="yes">
        <source>The file holds more than the %n entries the program can keep (line %1 would need one more); the entries before it were loaded.</source>
        <extracomment>%n is the most entries (hymns, services and their continuations) the program keeps, %1 a line number of the file.</extracomment>
        <translation>
            <numerusform>El archivo contiene más de la %n entrada que el programa puede guardar (la línea %1 necesitaría una más); se cargaron las entradas anteriores a ella.</numerusform>
            <numerusform>El archivo contiene más de las %n entradas que el programa puede guardar (la línea %1 necesitaría una más); se cargaron las entradas anteriores a ella.</numerusform>
        </translation>
    </message>
    <message>
        <source>&quot;%1&quot; is empty: it holds no hymns or services.</source>
        <translation>&quot;%1&quot; está vacío: no contiene himnos ni cultos.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; grew past 64 MiB while it was read; it is not a hymn file, so nothing was loaded.</source>
        <translation>&quot;%1&quot; superó los 64 MiB mientras se leía; no es un archivo de himnos, así que no se cargó nada.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; was not found; it may have been moved or deleted.</source>
        <translation>No se encontró el archivo &quot;%1&quot;; puede que se haya movido o eliminado.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a folder, not a hymn file.</source>
        <translation>&quot;%1&quot; es una carpeta, no un archivo de himnos.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an ordinary file (a pipe or a device), so it was not read.</source>
        <translation>&quot;%1&quot; no es un archivo normal (es una tubería o un dispositivo), así que no se leyó.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be opened (%2).</source>
        <extracomment>%2 is the system&apos;s own reason.</extracomment>
        <translation>No se pudo abrir &quot;%1&quot; (%2).</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is %2 MiB; hymn files are far smaller than 64 MiB, so it was not read.</source>
        <extracomment>MiB: mebibytes (1024 × 1024 bytes).</extracomment>
        <translation>&quot;%1&quot; ocupa %2 MiB; los archivos de himnos son mucho más pequeños que 64 MiB, así que no se leyó.</translation>
    </message>
    <message numerus="yes">
        <source>Reading &quot;%1&quot; failed after %n byte(s) (%2); the entries read before the failure were kept.</source>
        <extracomment>%2 is the system&apos;s own reason.</extracomment>
        <translation>
            <numerusform>La lectura de &quot;%1&quot; falló tras %n byte (%2); se conservaron las entradas leídas antes del fallo.</numerusform>
            <numerusform>La lectura de &quot;%1&quot; falló tras %n bytes (%2); se conservaron las entradas leídas antes del fallo.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n item(s) loaded - this is the program&apos;s maximum</source>
        <extracomment>The message when a file holds more entries than the program keeps: the first %n were loaded.</extracomment>
        <translation>
            <numerusform>%n elemento cargado - este es el máximo del programa</numerusform>
            <numerusform>%n elementos cargados - este es el máximo del programa</numerusform>
        </translation>
    </message>
    <message>
        <source>Reading &quot;%1&quot; failed (%2).</source>
        <extracomment>%2 is the system&apos;s own reason.</extracomment>
        <translation>La lectura de &quot;%1&quot; falló (%2).</translation>
    </message>
</context>
<context>
    <name>SuggestWindow</name>
    <message>
        <source>Suggest Hymns</source>
        <translation>Sugerir himnos</translation>
    </message>
    <message>
        <source>Date planned for</source>
        <translation>Fecha prevista</translation>
    </message>
    <message>
        <source>The day planned for: its readings come from Lectionary.txt beside the hymnal, and uses are counted up to it</source>
        <translation>El día previsto: sus lecturas se toman de Lectionary.txt, junto al himnario, y los usos se cuentan hasta ese día</translation>
    </message>
    <message>
        <source>Readings</source>
        <translation>Lecturas</translation>
    </message>
    <message>
        <source>Isaiah 40:1-11; Mark 1:1-8</source>
        <extracomment>An example of references, as a planner of the language writes them; the book names must be ones the program reads in that language (&quot;Jes 40,1-11; Mk 1,1-8&quot;).</extracomment>
        <translation>Isaías 40,1-11; Marcos 1,1-8</translation>
    </message>
    <message>
        <source>Scripture references, separated by semicolons</source>
        <translation>Referencias bíblicas, separadas por punto y coma</translation>
    </message>
    <message>
        <source>Phrase</source>
        <translation>Frase</translation>
    </message>
    <message>
        <source>every word somewhere in the hymn</source>
        <translation>todas las palabras, en cualquier parte del himno</translation>
    </message>
    <message>
        <source>Words that must all occur in the title, a verse or a refrain, in any case</source>
        <translation>Palabras que deben aparecer todas en el título, una estrofa o el estribillo, sin distinguir mayúsculas y minúsculas</translation>
    </message>
    <message>
        <source>Meter</source>
        <extracomment>The meter box&apos;s placeholder: C.M. and 8.7.8.7 D are meters as typed, kept as they are.</extracomment>
        <translation>Métrica</translation>
    </message>
    <message>
        <source>C.M. or 8.7.8.7 D</source>
        <translation>C.M. u 8.7.8.7 D</translation>
    </message>
    <message>
        <source>A meter, as letters (C.M., L.M.D.) or syllable counts (8.7.8.7)</source>
        <translation>Una métrica, en letras (C.M., L.M.D.) o en número de sílabas (8.7.8.7)</translation>
    </message>
    <message>
        <source>Sort by</source>
        <translation>Ordenar por</translation>
    </message>
    <message>
        <source>Suggested order</source>
        <translation>Orden sugerido</translation>
    </message>
    <message>
        <source>Suggested order: hymns sung often but not lately first, hymns never sung (new) last</source>
        <translation>Orden sugerido: primero los himnos cantados a menudo pero no últimamente, al final los nunca cantados (nuevos)</translation>
    </message>
    <message>
        <source>&amp;Descending</source>
        <translation>&amp;Descendente</translation>
    </message>
    <message>
        <source>Descending</source>
        <translation>Descendente</translation>
    </message>
    <message>
        <source>Da&amp;te:</source>
        <translation>&amp;Fecha:</translation>
    </message>
    <message>
        <source>&amp;Readings:</source>
        <translation>&amp;Lecturas:</translation>
    </message>
    <message>
        <source>&amp;Phrase:</source>
        <translation>F&amp;rase:</translation>
    </message>
    <message>
        <source>&amp;Meter:</source>
        <translation>&amp;Métrica:</translation>
    </message>
    <message>
        <source>&amp;Sort by:</source>
        <translation>&amp;Ordenar por:</translation>
    </message>
    <message>
        <source>Suggested hymns</source>
        <translation>Himnos sugeridos</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>&amp;Add to Service</source>
        <translation>&amp;Añadir al culto</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Copy the selected rows, or all rows, for a spreadsheet (%1)</source>
        <extracomment>%1 is the copy&apos;s shortcut (Ctrl+C).</extracomment>
        <translation>Copiar las filas seleccionadas, o todas, para una hoja de cálculo (%1)</translation>
    </message>
    <message>
        <source>Start a service with the selected hymns (%1)</source>
        <extracomment>%1 is the command&apos;s shortcut (Ctrl+Return).</extracomment>
        <translation>Empezar un culto con los himnos seleccionados (%1)</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>C&amp;errar</translation>
    </message>
    <message>
        <source>Close (Esc)</source>
        <translation>Cerrar (Esc)</translation>
    </message>
    <message>
        <source>No readings for %1 %2 in %3</source>
        <extracomment>%1 is the day&apos;s name in the church year, %2 the lectionary&apos;s year (A, B or C), %3 the file&apos;s name.</extracomment>
        <translation>No hay lecturas para %1 %2 en %3</translation>
    </message>
    <message>
        <source>%1 could not be read: %2</source>
        <extracomment>%1 is the lectionary&apos;s file name, %2 why it could not be read.</extracomment>
        <translation>No se pudo leer %1: %2</translation>
    </message>
    <message>
        <source>No hymn in the hymnal fits.</source>
        <translation>Ningún himno del himnario cumple las condiciones.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln hymn(s) suggested, uses counted up to %1.</source>
        <translation>
            <numerusform>%Ln himno sugerido, usos contados hasta el %1.</numerusform>
            <numerusform>%Ln himnos sugeridos, usos contados hasta el %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln hymn(s) suggested. Load a service log to see how often each was sung.</source>
        <translation>
            <numerusform>%Ln himno sugerido. Cargue un registro de cultos para ver cuántas veces se cantó.</numerusform>
            <numerusform>%Ln himnos sugeridos. Cargue un registro de cultos para ver cuántas veces se cantó cada uno.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>UserGuide</name>
    <message>
        <source>User Guide</source>
        <translation>Guía del usuario</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>%1 User Guide</source>
        <extracomment>%1 is the program&apos;s name</extracomment>
        <translation>Guía del usuario de %1</translation>
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
        <translation>Otro programa modificó %1 mientras se preparaba la importación, así que no se escribió nada. Vuelva a importar para combinar las líneas con su contenido actual.</translation>
    </message>
    <message>
        <source>The hymnal&apos;s folder “%1” cannot be written, so no lectionary can be imported: %2 goes beside the hymnal. Copy the hymnal to a folder you may write in, and set it there.</source>
        <translation>No se puede escribir en la carpeta del himnario “%1”, así que no se puede importar ningún leccionario: %2 va junto al himnario. Copie el himnario a una carpeta en la que pueda escribir y elíjalo desde allí.</translation>
    </message>
    <message>
        <source>%1 in “%2” is read-only, so no lectionary can be imported into it.</source>
        <translation>%1 en “%2” es de solo lectura, así que no se puede importar ningún leccionario en él.</translation>
    </message>
    <message>
        <source>%1 in “%2” is not a file the program can write, so no lectionary can be imported.</source>
        <translation>%1 en “%2” no es un archivo en el que el programa pueda escribir, así que no se puede importar ningún leccionario.</translation>
    </message>
    <message>
        <source>%1 is being written by another copy of Cantorix2, so nothing was written. Try again in a moment.</source>
        <translation>Otra copia de Cantorix2 está escribiendo %1, así que no se escribió nada. Vuelva a intentarlo en un momento.</translation>
    </message>
    <message>
        <source>%1 could not be written: %2. The file is as it was.</source>
        <translation>No se pudo escribir %1: %2. El archivo está como estaba.</translation>
    </message>
</context>
</TS>
