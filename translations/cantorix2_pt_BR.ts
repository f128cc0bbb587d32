<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>AccessibleParts</name>
    <message>
        <source>Clear %1</source>
        <extracomment>a screen reader&apos;s name for the button that empties a box; %1 is the box&apos;s name</extracomment>
        <translation>Limpar %1</translation>
    </message>
    <message>
        <source>%1 choices</source>
        <extracomment>a screen reader&apos;s name for the list a drop-down opens; %1 is the drop-down&apos;s name</extracomment>
        <translation>Opções de %1</translation>
    </message>
</context>
<context>
    <name>AddServiceDialog</name>
    <message>
        <source>Print Hymn &amp;Board…</source>
        <translation>Im&amp;primir quadro de hinos…</translation>
    </message>
    <message>
        <source>&amp;Copy for Bulletin</source>
        <translation>&amp;Copiar para o boletim</translation>
    </message>
    <message>
        <source>Remove &amp;Service</source>
        <translation>&amp;Excluir culto</translation>
    </message>
    <message>
        <source>The service&apos;s hymn numbers in large figures, a page for the hymn board</source>
        <translation>Os números dos hinos do culto em algarismos grandes, uma página para o quadro de hinos</translation>
    </message>
    <message>
        <source>The service&apos;s date and hymns to the clipboard, for the bulletin</source>
        <translation>A data e os hinos do culto para a área de transferência, para o boletim</translation>
    </message>
    <message>
        <source>Edit Service</source>
        <translation>Editar culto</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>Gravar</translation>
    </message>
    <message>
        <source>Write the service in place of the one in the log</source>
        <translation>Gravar o culto no lugar do que está no registro</translation>
    </message>
    <message>
        <source>Discard the changes to this service? The log keeps the service as it was.</source>
        <translation>Descartar as alterações deste culto? O registro mantém o culto como estava.</translation>
    </message>
    <message>
        <source>Add &amp;Row</source>
        <translation>&amp;Adicionar linha</translation>
    </message>
    <message>
        <source>Re&amp;move Row</source>
        <translation>&amp;Remover linha</translation>
    </message>
    <message>
        <source>Move &amp;Up</source>
        <translation>&amp;Subir</translation>
    </message>
    <message>
        <source>Move &amp;Down</source>
        <translation>&amp;Descer</translation>
    </message>
    <message>
        <source>Su&amp;ggest Hymns…</source>
        <translation>Su&amp;gerir hinos…</translation>
    </message>
    <message>
        <source>Add Service</source>
        <translation>Adicionar culto</translation>
    </message>
    <message>
        <source>Easter, Advent 3 … (may be left empty)</source>
        <translation>Páscoa, 3º Domingo do Advento … (pode ficar vazio)</translation>
    </message>
    <message>
        <source>Day of the church year</source>
        <translation>Dia do ano litúrgico</translation>
    </message>
    <message>
        <source>Da&amp;te:</source>
        <translation>Da&amp;ta:</translation>
    </message>
    <message>
        <source>&amp;Occasion:</source>
        <translation>&amp;Ocasião:</translation>
    </message>
    <message>
        <source>&amp;Hymns:</source>
        <translation>&amp;Hinos:</translation>
    </message>
    <message>
        <source>Mark hymns sung &amp;within</source>
        <translation>Marcar hinos cantados &amp;nas últimas</translation>
    </message>
    <message>
        <source>Service date</source>
        <translation>Data do culto</translation>
    </message>
    <message>
        <source>Occasion</source>
        <translation>Ocasião</translation>
    </message>
    <message>
        <source>Mark hymns sung within this many weeks</source>
        <translation>Marcar os hinos cantados dentro deste número de semanas</translation>
    </message>
    <message>
        <source>weeks</source>
        <translation>semanas</translation>
    </message>
    <message>
        <source>Hymns for this day&apos;s readings from the hymnal (Alt+G)</source>
        <translation>Hinos do hinário para as leituras deste dia (Alt+G)</translation>
    </message>
    <message>
        <source>Set a hymnal first, with File &gt; Set Hymnal…</source>
        <translation>Defina primeiro um hinário, com Arquivo &gt; Definir hinário…</translation>
    </message>
    <message>
        <source>Discard this service? What was typed in it is not added to the log.</source>
        <translation>Descartar este culto? O que foi digitado nele não é adicionado ao registro.</translation>
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
        <translation>Sem nome: antes do ano litúrgico gregoriano (Advento de 1582)</translation>
    </message>
    <message>
        <source>%1 · Year %2 · %3</source>
        <extracomment>The day line of a Roman Rite weekday in Ordinary Time: %1 the day&apos;s name, %2 the Sunday cycle (A, B or C), %3 the weekday cycle (I or II).</extracomment>
        <translation>%1 · Ano %2 · %3</translation>
    </message>
    <message>
        <source>%1 · Year %2</source>
        <extracomment>The day line beside a date: %1 the day&apos;s name, %2 the lectionary&apos;s year (A, B or C).</extracomment>
        <translation>%1 · Ano %2</translation>
    </message>
    <message>
        <source>Advent</source>
        <comment>season</comment>
        <translation>Advento</translation>
    </message>
    <message>
        <source>Christmas</source>
        <comment>season</comment>
        <translation>Natal</translation>
    </message>
    <message>
        <source>Epiphany</source>
        <comment>season</comment>
        <translation>Epifania</translation>
    </message>
    <message>
        <source>Lent</source>
        <comment>season</comment>
        <translation>Quaresma</translation>
    </message>
    <message>
        <source>Holy Week</source>
        <comment>season</comment>
        <translation>Semana Santa</translation>
    </message>
    <message>
        <source>Easter</source>
        <comment>season</comment>
        <translation>Páscoa</translation>
    </message>
    <message>
        <source>After Pentecost</source>
        <comment>season</comment>
        <translation>Após Pentecostes</translation>
    </message>
    <message>
        <source>Ordinary Time</source>
        <comment>season</comment>
        <translation>Tempo Comum</translation>
    </message>
    <message>
        <source>Advent 1</source>
        <translation>1º Domingo do Advento</translation>
    </message>
    <message>
        <source>Advent 2</source>
        <translation>2º Domingo do Advento</translation>
    </message>
    <message>
        <source>Advent 3</source>
        <translation>3º Domingo do Advento</translation>
    </message>
    <message>
        <source>Advent 4</source>
        <translation>4º Domingo do Advento</translation>
    </message>
    <message>
        <source>Christmas Eve</source>
        <translation>Véspera de Natal</translation>
    </message>
    <message>
        <source>Christmas Day</source>
        <translation>Dia de Natal</translation>
    </message>
    <message>
        <source>Christmas 1</source>
        <translation>1º Domingo após o Natal</translation>
    </message>
    <message>
        <source>Christmas 2</source>
        <translation>2º Domingo após o Natal</translation>
    </message>
    <message>
        <source>Epiphany</source>
        <translation>Epifania</translation>
    </message>
    <message>
        <source>Baptism of the Lord</source>
        <translation>Batismo do Senhor</translation>
    </message>
    <message>
        <source>Epiphany 2</source>
        <translation>2º Domingo após Epifania</translation>
    </message>
    <message>
        <source>Epiphany 3</source>
        <translation>3º Domingo após Epifania</translation>
    </message>
    <message>
        <source>Epiphany 4</source>
        <translation>4º Domingo após Epifania</translation>
    </message>
    <message>
        <source>Epiphany 5</source>
        <translation>5º Domingo após Epifania</translation>
    </message>
    <message>
        <source>Epiphany 6</source>
        <translation>6º Domingo após Epifania</translation>
    </message>
    <message>
        <source>Epiphany 7</source>
        <translation>7º Domingo após Epifania</translation>
    </message>
    <message>
        <source>Epiphany 8</source>
        <translation>8º Domingo após Epifania</translation>
    </message>
    <message>
        <source>Transfiguration</source>
        <translation>Transfiguração do Senhor</translation>
    </message>
    <message>
        <source>Ash Wednesday</source>
        <translation>Quarta-feira de Cinzas</translation>
    </message>
    <message>
        <source>Lent 1</source>
        <translation>1º Domingo da Quaresma</translation>
    </message>
    <message>
        <source>Lent 2</source>
        <translation>2º Domingo da Quaresma</translation>
    </message>
    <message>
        <source>Lent 3</source>
        <translation>3º Domingo da Quaresma</translation>
    </message>
    <message>
        <source>Lent 4</source>
        <translation>4º Domingo da Quaresma</translation>
    </message>
    <message>
        <source>Lent 5</source>
        <translation>5º Domingo da Quaresma</translation>
    </message>
    <message>
        <source>Palm Sunday</source>
        <translation>Domingo de Ramos</translation>
    </message>
    <message>
        <source>Maundy Thursday</source>
        <translation>Quinta-feira Santa</translation>
    </message>
    <message>
        <source>Good Friday</source>
        <translation>Sexta-feira Santa</translation>
    </message>
    <message>
        <source>Holy Saturday</source>
        <translation>Sábado Santo</translation>
    </message>
    <message>
        <source>Easter Day</source>
        <translation>Domingo de Páscoa</translation>
    </message>
    <message>
        <source>Easter 2</source>
        <translation>2º Domingo da Páscoa</translation>
    </message>
    <message>
        <source>Easter 3</source>
        <translation>3º Domingo da Páscoa</translation>
    </message>
    <message>
        <source>Easter 4</source>
        <translation>4º Domingo da Páscoa</translation>
    </message>
    <message>
        <source>Easter 5</source>
        <translation>5º Domingo da Páscoa</translation>
    </message>
    <message>
        <source>Easter 6</source>
        <translation>6º Domingo da Páscoa</translation>
    </message>
    <message>
        <source>Easter 7</source>
        <translation>7º Domingo da Páscoa</translation>
    </message>
    <message>
        <source>Ascension</source>
        <translation>Ascensão do Senhor</translation>
    </message>
    <message>
        <source>Pentecost</source>
        <translation>Pentecostes</translation>
    </message>
    <message>
        <source>Trinity Sunday</source>
        <translation>Domingo da Trindade</translation>
    </message>
    <message>
        <source>Proper 1</source>
        <translation>Próprio 1</translation>
    </message>
    <message>
        <source>Proper 2</source>
        <translation>Próprio 2</translation>
    </message>
    <message>
        <source>Proper 3</source>
        <translation>Próprio 3</translation>
    </message>
    <message>
        <source>Proper 4</source>
        <translation>Próprio 4</translation>
    </message>
    <message>
        <source>Proper 5</source>
        <translation>Próprio 5</translation>
    </message>
    <message>
        <source>Proper 6</source>
        <translation>Próprio 6</translation>
    </message>
    <message>
        <source>Proper 7</source>
        <translation>Próprio 7</translation>
    </message>
    <message>
        <source>Proper 8</source>
        <translation>Próprio 8</translation>
    </message>
    <message>
        <source>Proper 9</source>
        <translation>Próprio 9</translation>
    </message>
    <message>
        <source>Proper 10</source>
        <translation>Próprio 10</translation>
    </message>
    <message>
        <source>Proper 11</source>
        <translation>Próprio 11</translation>
    </message>
    <message>
        <source>Proper 12</source>
        <translation>Próprio 12</translation>
    </message>
    <message>
        <source>Proper 13</source>
        <translation>Próprio 13</translation>
    </message>
    <message>
        <source>Proper 14</source>
        <translation>Próprio 14</translation>
    </message>
    <message>
        <source>Proper 15</source>
        <translation>Próprio 15</translation>
    </message>
    <message>
        <source>Proper 16</source>
        <translation>Próprio 16</translation>
    </message>
    <message>
        <source>Proper 17</source>
        <translation>Próprio 17</translation>
    </message>
    <message>
        <source>Proper 18</source>
        <translation>Próprio 18</translation>
    </message>
    <message>
        <source>Proper 19</source>
        <translation>Próprio 19</translation>
    </message>
    <message>
        <source>Proper 20</source>
        <translation>Próprio 20</translation>
    </message>
    <message>
        <source>Proper 21</source>
        <translation>Próprio 21</translation>
    </message>
    <message>
        <source>Proper 22</source>
        <translation>Próprio 22</translation>
    </message>
    <message>
        <source>Proper 23</source>
        <translation>Próprio 23</translation>
    </message>
    <message>
        <source>Proper 24</source>
        <translation>Próprio 24</translation>
    </message>
    <message>
        <source>Proper 25</source>
        <translation>Próprio 25</translation>
    </message>
    <message>
        <source>Proper 26</source>
        <translation>Próprio 26</translation>
    </message>
    <message>
        <source>Proper 27</source>
        <translation>Próprio 27</translation>
    </message>
    <message>
        <source>Proper 28</source>
        <translation>Próprio 28</translation>
    </message>
    <message>
        <source>Christ the King</source>
        <translation>Cristo Rei</translation>
    </message>
    <message>
        <source>All Saints</source>
        <translation>Todos os Santos</translation>
    </message>
    <message>
        <source>Pentecost 1</source>
        <translation>1º Domingo após Pentecostes</translation>
    </message>
    <message>
        <source>Pentecost 2</source>
        <translation>2º Domingo após Pentecostes</translation>
    </message>
    <message>
        <source>Pentecost 3</source>
        <translation>3º Domingo após Pentecostes</translation>
    </message>
    <message>
        <source>Pentecost 4</source>
        <translation>4º Domingo após Pentecostes</translation>
    </message>
    <message>
        <source>Pentecost 5</source>
        <translation>5º Domingo após Pentecostes</translation>
    </message>
    <message>
        <source>Pentecost 6</source>
        <translation>6º Domingo após Pentecostes</translation>
    </message>
    <message>
        <source>Pentecost 7</source>
        <translation>7º Domingo após Pentecostes</translation>
    </message>
    <message>
        <source>Pentecost 8</source>
        <translation>8º Domingo após Pentecostes</translation>
    </message>
    <message>
        <source>Pentecost 9</source>
        <translation>9º Domingo após Pentecostes</translation>
    </message>
    <message>
        <source>Pentecost 10</source>
        <translation>10º Domingo após Pentecostes</translation>
    </message>
    <message>
        <source>Pentecost 11</source>
        <translation>11º Domingo após Pentecostes</translation>
    </message>
    <message>
        <source>Pentecost 12</source>
        <translation>12º Domingo após Pentecostes</translation>
    </message>
    <message>
        <source>Pentecost 13</source>
        <translation>13º Domingo após Pentecostes</translation>
    </message>
    <message>
        <source>Pentecost 14</source>
        <translation>14º Domingo após Pentecostes</translation>
    </message>
    <message>
        <source>Pentecost 15</source>
        <translation>15º Domingo após Pentecostes</translation>
    </message>
    <message>
        <source>Pentecost 16</source>
        <translation>16º Domingo após Pentecostes</translation>
    </message>
    <message>
        <source>Pentecost 17</source>
        <translation>17º Domingo após Pentecostes</translation>
    </message>
    <message>
        <source>Pentecost 18</source>
        <translation>18º Domingo após Pentecostes</translation>
    </message>
    <message>
        <source>Pentecost 19</source>
        <translation>19º Domingo após Pentecostes</translation>
    </message>
    <message>
        <source>Pentecost 20</source>
        <translation>20º Domingo após Pentecostes</translation>
    </message>
    <message>
        <source>Pentecost 21</source>
        <translation>21º Domingo após Pentecostes</translation>
    </message>
    <message>
        <source>Pentecost 22</source>
        <translation>22º Domingo após Pentecostes</translation>
    </message>
    <message>
        <source>Pentecost 23</source>
        <translation>23º Domingo após Pentecostes</translation>
    </message>
    <message>
        <source>Pentecost 24</source>
        <translation>24º Domingo após Pentecostes</translation>
    </message>
    <message>
        <source>Pentecost 25</source>
        <translation>25º Domingo após Pentecostes</translation>
    </message>
    <message>
        <source>Pentecost 26</source>
        <translation>26º Domingo após Pentecostes</translation>
    </message>
    <message>
        <source>Pentecost 27</source>
        <translation>27º Domingo após Pentecostes</translation>
    </message>
    <message>
        <source>Pentecost 28</source>
        <translation>28º Domingo após Pentecostes</translation>
    </message>
    <message>
        <source>Ordinary Time 6</source>
        <translation>6º Domingo do Tempo Comum</translation>
    </message>
    <message>
        <source>Ordinary Time 7</source>
        <translation>7º Domingo do Tempo Comum</translation>
    </message>
    <message>
        <source>Ordinary Time 8</source>
        <translation>8º Domingo do Tempo Comum</translation>
    </message>
    <message>
        <source>Ordinary Time 9</source>
        <translation>9º Domingo do Tempo Comum</translation>
    </message>
    <message>
        <source>Ordinary Time 10</source>
        <translation>10º Domingo do Tempo Comum</translation>
    </message>
    <message>
        <source>Ordinary Time 11</source>
        <translation>11º Domingo do Tempo Comum</translation>
    </message>
    <message>
        <source>Ordinary Time 12</source>
        <translation>12º Domingo do Tempo Comum</translation>
    </message>
    <message>
        <source>Ordinary Time 13</source>
        <translation>13º Domingo do Tempo Comum</translation>
    </message>
    <message>
        <source>Ordinary Time 14</source>
        <translation>14º Domingo do Tempo Comum</translation>
    </message>
    <message>
        <source>Ordinary Time 15</source>
        <translation>15º Domingo do Tempo Comum</translation>
    </message>
    <message>
        <source>Ordinary Time 16</source>
        <translation>16º Domingo do Tempo Comum</translation>
    </message>
    <message>
        <source>Ordinary Time 17</source>
        <translation>17º Domingo do Tempo Comum</translation>
    </message>
    <message>
        <source>Ordinary Time 18</source>
        <translation>18º Domingo do Tempo Comum</translation>
    </message>
    <message>
        <source>Ordinary Time 19</source>
        <translation>19º Domingo do Tempo Comum</translation>
    </message>
    <message>
        <source>Ordinary Time 20</source>
        <translation>20º Domingo do Tempo Comum</translation>
    </message>
    <message>
        <source>Ordinary Time 21</source>
        <translation>21º Domingo do Tempo Comum</translation>
    </message>
    <message>
        <source>Ordinary Time 22</source>
        <translation>22º Domingo do Tempo Comum</translation>
    </message>
    <message>
        <source>Ordinary Time 23</source>
        <translation>23º Domingo do Tempo Comum</translation>
    </message>
    <message>
        <source>Ordinary Time 24</source>
        <translation>24º Domingo do Tempo Comum</translation>
    </message>
    <message>
        <source>Ordinary Time 25</source>
        <translation>25º Domingo do Tempo Comum</translation>
    </message>
    <message>
        <source>Ordinary Time 26</source>
        <translation>26º Domingo do Tempo Comum</translation>
    </message>
    <message>
        <source>Ordinary Time 27</source>
        <translation>27º Domingo do Tempo Comum</translation>
    </message>
    <message>
        <source>Ordinary Time 28</source>
        <translation>28º Domingo do Tempo Comum</translation>
    </message>
    <message>
        <source>Ordinary Time 29</source>
        <translation>29º Domingo do Tempo Comum</translation>
    </message>
    <message>
        <source>Ordinary Time 30</source>
        <translation>30º Domingo do Tempo Comum</translation>
    </message>
    <message>
        <source>Ordinary Time 31</source>
        <translation>31º Domingo do Tempo Comum</translation>
    </message>
    <message>
        <source>Ordinary Time 32</source>
        <translation>32º Domingo do Tempo Comum</translation>
    </message>
    <message>
        <source>Ordinary Time 33</source>
        <translation>33º Domingo do Tempo Comum</translation>
    </message>
    <message>
        <source>Trinity 1</source>
        <translation>1º Domingo após Trindade</translation>
    </message>
    <message>
        <source>Trinity 2</source>
        <translation>2º Domingo após Trindade</translation>
    </message>
    <message>
        <source>Trinity 3</source>
        <translation>3º Domingo após Trindade</translation>
    </message>
    <message>
        <source>Trinity 4</source>
        <translation>4º Domingo após Trindade</translation>
    </message>
    <message>
        <source>Trinity 5</source>
        <translation>5º Domingo após Trindade</translation>
    </message>
    <message>
        <source>Trinity 6</source>
        <translation>6º Domingo após Trindade</translation>
    </message>
    <message>
        <source>Trinity 7</source>
        <translation>7º Domingo após Trindade</translation>
    </message>
    <message>
        <source>Trinity 8</source>
        <translation>8º Domingo após Trindade</translation>
    </message>
    <message>
        <source>Trinity 9</source>
        <translation>9º Domingo após Trindade</translation>
    </message>
    <message>
        <source>Trinity 10</source>
        <translation>10º Domingo após Trindade</translation>
    </message>
    <message>
        <source>Trinity 11</source>
        <translation>11º Domingo após Trindade</translation>
    </message>
    <message>
        <source>Trinity 12</source>
        <translation>12º Domingo após Trindade</translation>
    </message>
    <message>
        <source>Trinity 13</source>
        <translation>13º Domingo após Trindade</translation>
    </message>
    <message>
        <source>Trinity 14</source>
        <translation>14º Domingo após Trindade</translation>
    </message>
    <message>
        <source>Trinity 15</source>
        <translation>15º Domingo após Trindade</translation>
    </message>
    <message>
        <source>Trinity 16</source>
        <translation>16º Domingo após Trindade</translation>
    </message>
    <message>
        <source>Trinity 17</source>
        <translation>17º Domingo após Trindade</translation>
    </message>
    <message>
        <source>Trinity 18</source>
        <translation>18º Domingo após Trindade</translation>
    </message>
    <message>
        <source>Trinity 19</source>
        <translation>19º Domingo após Trindade</translation>
    </message>
    <message>
        <source>Trinity 20</source>
        <translation>20º Domingo após Trindade</translation>
    </message>
    <message>
        <source>Trinity 21</source>
        <translation>21º Domingo após Trindade</translation>
    </message>
    <message>
        <source>Trinity 22</source>
        <translation>22º Domingo após Trindade</translation>
    </message>
    <message>
        <source>Trinity 23</source>
        <translation>23º Domingo após Trindade</translation>
    </message>
    <message>
        <source>Trinity 24</source>
        <translation>24º Domingo após Trindade</translation>
    </message>
    <message>
        <source>Trinity 25</source>
        <translation>25º Domingo após Trindade</translation>
    </message>
    <message>
        <source>Trinity 26</source>
        <translation>26º Domingo após Trindade</translation>
    </message>
    <message>
        <source>Trinity 27</source>
        <translation>27º Domingo após Trindade</translation>
    </message>
    <message>
        <source>First Sunday of Advent</source>
        <translation>1º Domingo do Advento</translation>
    </message>
    <message>
        <source>Second Sunday of Advent</source>
        <translation>2º Domingo do Advento</translation>
    </message>
    <message>
        <source>Third Sunday of Advent</source>
        <translation>3º Domingo do Advento</translation>
    </message>
    <message>
        <source>Fourth Sunday of Advent</source>
        <translation>4º Domingo do Advento</translation>
    </message>
    <message>
        <source>The Immaculate Conception of the Blessed Virgin Mary</source>
        <translation>Imaculada Conceição da Bem-aventurada Virgem Maria</translation>
    </message>
    <message>
        <source>Vigil of the Nativity of the Lord</source>
        <translation>Vigília do Natal do Senhor</translation>
    </message>
    <message>
        <source>The Nativity of the Lord</source>
        <translation>Natal do Senhor</translation>
    </message>
    <message>
        <source>The Holy Family of Jesus, Mary and Joseph</source>
        <translation>Sagrada Família de Jesus, Maria e José</translation>
    </message>
    <message>
        <source>Mary, the Holy Mother of God</source>
        <translation>Santa Maria, Mãe de Deus</translation>
    </message>
    <message>
        <source>Second Sunday after the Nativity</source>
        <translation>2º Domingo depois do Natal</translation>
    </message>
    <message>
        <source>The Epiphany of the Lord</source>
        <translation>Epifania do Senhor</translation>
    </message>
    <message>
        <source>The Baptism of the Lord</source>
        <translation>Batismo do Senhor</translation>
    </message>
    <message>
        <source>Second Sunday in Ordinary Time</source>
        <translation>2º Domingo do Tempo Comum</translation>
    </message>
    <message>
        <source>Third Sunday in Ordinary Time</source>
        <translation>3º Domingo do Tempo Comum</translation>
    </message>
    <message>
        <source>Fourth Sunday in Ordinary Time</source>
        <translation>4º Domingo do Tempo Comum</translation>
    </message>
    <message>
        <source>Fifth Sunday in Ordinary Time</source>
        <translation>5º Domingo do Tempo Comum</translation>
    </message>
    <message>
        <source>Sixth Sunday in Ordinary Time</source>
        <translation>6º Domingo do Tempo Comum</translation>
    </message>
    <message>
        <source>Seventh Sunday in Ordinary Time</source>
        <translation>7º Domingo do Tempo Comum</translation>
    </message>
    <message>
        <source>Eighth Sunday in Ordinary Time</source>
        <translation>8º Domingo do Tempo Comum</translation>
    </message>
    <message>
        <source>Ninth Sunday in Ordinary Time</source>
        <translation>9º Domingo do Tempo Comum</translation>
    </message>
    <message>
        <source>Tenth Sunday in Ordinary Time</source>
        <translation>10º Domingo do Tempo Comum</translation>
    </message>
    <message>
        <source>Eleventh Sunday in Ordinary Time</source>
        <translation>11º Domingo do Tempo Comum</translation>
    </message>
    <message>
        <source>Twelfth Sunday in Ordinary Time</source>
        <translation>12º Domingo do Tempo Comum</translation>
    </message>
    <message>
        <source>Thirteenth Sunday in Ordinary Time</source>
        <translation>13º Domingo do Tempo Comum</translation>
    </message>
    <message>
        <source>Fourteenth Sunday in Ordinary Time</source>
        <translation>14º Domingo do Tempo Comum</translation>
    </message>
    <message>
        <source>Fifteenth Sunday in Ordinary Time</source>
        <translation>15º Domingo do Tempo Comum</translation>
    </message>
    <message>
        <source>Sixteenth Sunday in Ordinary Time</source>
        <translation>16º Domingo do Tempo Comum</translation>
    </message>
    <message>
        <source>Seventeenth Sunday in Ordinary Time</source>
        <translation>17º Domingo do Tempo Comum</translation>
    </message>
    <message>
        <source>Eighteenth Sunday in Ordinary Time</source>
        <translation>18º Domingo do Tempo Comum</translation>
    </message>
    <message>
        <source>Nineteenth Sunday in Ordinary Time</source>
        <translation>19º Domingo do Tempo Comum</translation>
    </message>
    <message>
        <source>Twentieth Sunday in Ordinary Time</source>
        <translation>20º Domingo do Tempo Comum</translation>
    </message>
    <message>
        <source>Twenty-first Sunday in Ordinary Time</source>
        <translation>21º Domingo do Tempo Comum</translation>
    </message>
    <message>
        <source>Twenty-second Sunday in Ordinary Time</source>
        <translation>22º Domingo do Tempo Comum</translation>
    </message>
    <message>
        <source>Twenty-third Sunday in Ordinary Time</source>
        <translation>23º Domingo do Tempo Comum</translation>
    </message>
    <message>
        <source>Twenty-fourth Sunday in Ordinary Time</source>
        <translation>24º Domingo do Tempo Comum</translation>
    </message>
    <message>
        <source>Twenty-fifth Sunday in Ordinary Time</source>
        <translation>25º Domingo do Tempo Comum</translation>
    </message>
    <message>
        <source>Twenty-sixth Sunday in Ordinary Time</source>
        <translation>26º Domingo do Tempo Comum</translation>
    </message>
    <message>
        <source>Twenty-seventh Sunday in Ordinary Time</source>
        <translation>27º Domingo do Tempo Comum</translation>
    </message>
    <message>
        <source>Twenty-eighth Sunday in Ordinary Time</source>
        <translation>28º Domingo do Tempo Comum</translation>
    </message>
    <message>
        <source>Twenty-ninth Sunday in Ordinary Time</source>
        <translation>29º Domingo do Tempo Comum</translation>
    </message>
    <message>
        <source>Thirtieth Sunday in Ordinary Time</source>
        <translation>30º Domingo do Tempo Comum</translation>
    </message>
    <message>
        <source>Thirty-first Sunday in Ordinary Time</source>
        <translation>31º Domingo do Tempo Comum</translation>
    </message>
    <message>
        <source>Thirty-second Sunday in Ordinary Time</source>
        <translation>32º Domingo do Tempo Comum</translation>
    </message>
    <message>
        <source>Thirty-third Sunday in Ordinary Time</source>
        <translation>33º Domingo do Tempo Comum</translation>
    </message>
    <message>
        <source>The Presentation of the Lord</source>
        <translation>Apresentação do Senhor</translation>
    </message>
    <message>
        <source>First Sunday of Lent</source>
        <translation>1º Domingo da Quaresma</translation>
    </message>
    <message>
        <source>Second Sunday of Lent</source>
        <translation>2º Domingo da Quaresma</translation>
    </message>
    <message>
        <source>Third Sunday of Lent</source>
        <translation>3º Domingo da Quaresma</translation>
    </message>
    <message>
        <source>Fourth Sunday of Lent</source>
        <translation>4º Domingo da Quaresma</translation>
    </message>
    <message>
        <source>Fifth Sunday of Lent</source>
        <translation>5º Domingo da Quaresma</translation>
    </message>
    <message>
        <source>Saint Joseph, Spouse of the Blessed Virgin Mary</source>
        <translation>São José, Esposo da Bem-aventurada Virgem Maria</translation>
    </message>
    <message>
        <source>The Annunciation of the Lord</source>
        <translation>Anunciação do Senhor</translation>
    </message>
    <message>
        <source>Palm Sunday of the Passion of the Lord</source>
        <translation>Domingo de Ramos e da Paixão do Senhor</translation>
    </message>
    <message>
        <source>Thursday of the Lord&apos;s Supper</source>
        <translation>Quinta-feira da Ceia do Senhor</translation>
    </message>
    <message>
        <source>Friday of the Passion of the Lord</source>
        <translation>Sexta-feira da Paixão do Senhor</translation>
    </message>
    <message>
        <source>Easter Sunday of the Resurrection of the Lord</source>
        <translation>Domingo da Páscoa na Ressurreição do Senhor</translation>
    </message>
    <message>
        <source>Second Sunday of Easter</source>
        <translation>2º Domingo da Páscoa</translation>
    </message>
    <message>
        <source>Third Sunday of Easter</source>
        <translation>3º Domingo da Páscoa</translation>
    </message>
    <message>
        <source>Fourth Sunday of Easter</source>
        <translation>4º Domingo da Páscoa</translation>
    </message>
    <message>
        <source>Fifth Sunday of Easter</source>
        <translation>5º Domingo da Páscoa</translation>
    </message>
    <message>
        <source>Sixth Sunday of Easter</source>
        <translation>6º Domingo da Páscoa</translation>
    </message>
    <message>
        <source>Seventh Sunday of Easter</source>
        <translation>7º Domingo da Páscoa</translation>
    </message>
    <message>
        <source>The Ascension of the Lord</source>
        <translation>Ascensão do Senhor</translation>
    </message>
    <message>
        <source>Pentecost Sunday</source>
        <translation>Domingo de Pentecostes</translation>
    </message>
    <message>
        <source>The Most Holy Trinity</source>
        <translation>Santíssima Trindade</translation>
    </message>
    <message>
        <source>The Most Holy Body and Blood of Christ</source>
        <translation>Santíssimo Corpo e Sangue de Cristo</translation>
    </message>
    <message>
        <source>The Most Sacred Heart of Jesus</source>
        <translation>Sagrado Coração de Jesus</translation>
    </message>
    <message>
        <source>The Nativity of Saint John the Baptist</source>
        <translation>Natividade de São João Batista</translation>
    </message>
    <message>
        <source>Saints Peter and Paul, Apostles</source>
        <translation>São Pedro e São Paulo, Apóstolos</translation>
    </message>
    <message>
        <source>The Transfiguration of the Lord</source>
        <translation>Transfiguração do Senhor</translation>
    </message>
    <message>
        <source>The Assumption of the Blessed Virgin Mary</source>
        <translation>Assunção da Bem-aventurada Virgem Maria</translation>
    </message>
    <message>
        <source>The Exaltation of the Holy Cross</source>
        <translation>Exaltação da Santa Cruz</translation>
    </message>
    <message>
        <source>The Commemoration of All the Faithful Departed</source>
        <translation>Comemoração de Todos os Fiéis Defuntos</translation>
    </message>
    <message>
        <source>The Dedication of the Lateran Basilica</source>
        <translation>Dedicação da Basílica do Latrão</translation>
    </message>
    <message>
        <source>Our Lord Jesus Christ, King of the Universe</source>
        <translation>Nosso Senhor Jesus Cristo, Rei do Universo</translation>
    </message>
    <message>
        <source>First Week of Advent</source>
        <translation>1ª Semana do Advento</translation>
    </message>
    <message>
        <source>Second Week of Advent</source>
        <translation>2ª Semana do Advento</translation>
    </message>
    <message>
        <source>Third Week of Advent</source>
        <translation>3ª Semana do Advento</translation>
    </message>
    <message>
        <source>Fourth Week of Advent</source>
        <translation>4ª Semana do Advento</translation>
    </message>
    <message>
        <source>First Week of Lent</source>
        <translation>1ª Semana da Quaresma</translation>
    </message>
    <message>
        <source>Second Week of Lent</source>
        <translation>2ª Semana da Quaresma</translation>
    </message>
    <message>
        <source>Third Week of Lent</source>
        <translation>3ª Semana da Quaresma</translation>
    </message>
    <message>
        <source>Fourth Week of Lent</source>
        <translation>4ª Semana da Quaresma</translation>
    </message>
    <message>
        <source>Fifth Week of Lent</source>
        <translation>5ª Semana da Quaresma</translation>
    </message>
    <message>
        <source>Second Week of Easter</source>
        <translation>2ª Semana da Páscoa</translation>
    </message>
    <message>
        <source>Third Week of Easter</source>
        <translation>3ª Semana da Páscoa</translation>
    </message>
    <message>
        <source>Fourth Week of Easter</source>
        <translation>4ª Semana da Páscoa</translation>
    </message>
    <message>
        <source>Fifth Week of Easter</source>
        <translation>5ª Semana da Páscoa</translation>
    </message>
    <message>
        <source>Sixth Week of Easter</source>
        <translation>6ª Semana da Páscoa</translation>
    </message>
    <message>
        <source>Seventh Week of Easter</source>
        <translation>7ª Semana da Páscoa</translation>
    </message>
    <message>
        <source>First Week in Ordinary Time</source>
        <translation>1ª Semana do Tempo Comum</translation>
    </message>
    <message>
        <source>Second Week in Ordinary Time</source>
        <translation>2ª Semana do Tempo Comum</translation>
    </message>
    <message>
        <source>Third Week in Ordinary Time</source>
        <translation>3ª Semana do Tempo Comum</translation>
    </message>
    <message>
        <source>Fourth Week in Ordinary Time</source>
        <translation>4ª Semana do Tempo Comum</translation>
    </message>
    <message>
        <source>Fifth Week in Ordinary Time</source>
        <translation>5ª Semana do Tempo Comum</translation>
    </message>
    <message>
        <source>Sixth Week in Ordinary Time</source>
        <translation>6ª Semana do Tempo Comum</translation>
    </message>
    <message>
        <source>Seventh Week in Ordinary Time</source>
        <translation>7ª Semana do Tempo Comum</translation>
    </message>
    <message>
        <source>Eighth Week in Ordinary Time</source>
        <translation>8ª Semana do Tempo Comum</translation>
    </message>
    <message>
        <source>Ninth Week in Ordinary Time</source>
        <translation>9ª Semana do Tempo Comum</translation>
    </message>
    <message>
        <source>Tenth Week in Ordinary Time</source>
        <translation>10ª Semana do Tempo Comum</translation>
    </message>
    <message>
        <source>Eleventh Week in Ordinary Time</source>
        <translation>11ª Semana do Tempo Comum</translation>
    </message>
    <message>
        <source>Twelfth Week in Ordinary Time</source>
        <translation>12ª Semana do Tempo Comum</translation>
    </message>
    <message>
        <source>Thirteenth Week in Ordinary Time</source>
        <translation>13ª Semana do Tempo Comum</translation>
    </message>
    <message>
        <source>Fourteenth Week in Ordinary Time</source>
        <translation>14ª Semana do Tempo Comum</translation>
    </message>
    <message>
        <source>Fifteenth Week in Ordinary Time</source>
        <translation>15ª Semana do Tempo Comum</translation>
    </message>
    <message>
        <source>Sixteenth Week in Ordinary Time</source>
        <translation>16ª Semana do Tempo Comum</translation>
    </message>
    <message>
        <source>Seventeenth Week in Ordinary Time</source>
        <translation>17ª Semana do Tempo Comum</translation>
    </message>
    <message>
        <source>Eighteenth Week in Ordinary Time</source>
        <translation>18ª Semana do Tempo Comum</translation>
    </message>
    <message>
        <source>Nineteenth Week in Ordinary Time</source>
        <translation>19ª Semana do Tempo Comum</translation>
    </message>
    <message>
        <source>Twentieth Week in Ordinary Time</source>
        <translation>20ª Semana do Tempo Comum</translation>
    </message>
    <message>
        <source>Twenty-first Week in Ordinary Time</source>
        <translation>21ª Semana do Tempo Comum</translation>
    </message>
    <message>
        <source>Twenty-second Week in Ordinary Time</source>
        <translation>22ª Semana do Tempo Comum</translation>
    </message>
    <message>
        <source>Twenty-third Week in Ordinary Time</source>
        <translation>23ª Semana do Tempo Comum</translation>
    </message>
    <message>
        <source>Twenty-fourth Week in Ordinary Time</source>
        <translation>24ª Semana do Tempo Comum</translation>
    </message>
    <message>
        <source>Twenty-fifth Week in Ordinary Time</source>
        <translation>25ª Semana do Tempo Comum</translation>
    </message>
    <message>
        <source>Twenty-sixth Week in Ordinary Time</source>
        <translation>26ª Semana do Tempo Comum</translation>
    </message>
    <message>
        <source>Twenty-seventh Week in Ordinary Time</source>
        <translation>27ª Semana do Tempo Comum</translation>
    </message>
    <message>
        <source>Twenty-eighth Week in Ordinary Time</source>
        <translation>28ª Semana do Tempo Comum</translation>
    </message>
    <message>
        <source>Twenty-ninth Week in Ordinary Time</source>
        <translation>29ª Semana do Tempo Comum</translation>
    </message>
    <message>
        <source>Thirtieth Week in Ordinary Time</source>
        <translation>30ª Semana do Tempo Comum</translation>
    </message>
    <message>
        <source>Thirty-first Week in Ordinary Time</source>
        <translation>31ª Semana do Tempo Comum</translation>
    </message>
    <message>
        <source>Thirty-second Week in Ordinary Time</source>
        <translation>32ª Semana do Tempo Comum</translation>
    </message>
    <message>
        <source>Thirty-third Week in Ordinary Time</source>
        <translation>33ª Semana do Tempo Comum</translation>
    </message>
    <message>
        <source>Thirty-fourth Week in Ordinary Time</source>
        <translation>34ª Semana do Tempo Comum</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Segunda-feira</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Terça-feira</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Quarta-feira</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Quinta-feira</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Sexta-feira</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Sábado</translation>
    </message>
    <message>
        <source>%1 after %2</source>
        <extracomment>A weekday named after the Sunday or feast its week began with: &quot;Tuesday after Lent 2&quot;. %1 is the weekday, %2 the day&apos;s name.</extracomment>
        <translation>%1 após %2</translation>
    </message>
    <message>
        <source>%1 of the %2</source>
        <extracomment>A weekday of the Roman Rite named by its week: &quot;Tuesday of the Second Week of Lent&quot;. %1 is the weekday, %2 the week (&quot;Second Week of Lent&quot;).</extracomment>
        <translation>%1 da %2</translation>
    </message>
    <message>
        <source>%1 of Holy Week</source>
        <extracomment>Monday, Tuesday or Wednesday of Holy Week; %1 is the weekday.</extracomment>
        <translation>%1 da Semana Santa</translation>
    </message>
    <message>
        <source>%1 after Ash Wednesday</source>
        <translation>%1 depois das Cinzas</translation>
    </message>
    <message>
        <source>%1 within the Octave of Easter</source>
        <translation>%1 na Oitava da Páscoa</translation>
    </message>
    <message>
        <source>%1 within the Octave of the Nativity of the Lord</source>
        <translation>%1 na Oitava do Natal do Senhor</translation>
    </message>
    <message>
        <source>%1 before the Epiphany</source>
        <translation>%1 antes da Epifania</translation>
    </message>
    <message>
        <source>%1 after the Epiphany</source>
        <translation>%1 depois da Epifania</translation>
    </message>
    <message>
        <source>%1 is longer than a lectionary is read (%2 lines, 1 MB), so nothing was imported into it.</source>
        <translation>%1 é maior do que o tamanho até o qual um lecionário é lido (%2 linhas, 1 MB), por isso nada foi importado nele.</translation>
    </message>
    <message>
        <source>%1 ends in half a character, so nothing was imported into it.</source>
        <translation>%1 termina com um caractere pela metade, por isso nada foi importado nele.</translation>
    </message>
    <message>
        <source>%1 is written in %2, which has no “%3” (in “%4”), so nothing was imported into it. Saved as UTF-8 in a text editor, it takes every character.</source>
        <translation>%1 está codificado em %2, que não tem “%3” (em “%4”), por isso nada foi importado nele. Salvo como UTF-8 num editor de texto, ele aceita qualquer caractere.</translation>
    </message>
    <message>
        <source>%1 would be longer than a lectionary is read (%2 lines, 1 MB) with these lines, so nothing was imported into it.</source>
        <translation>Com estas linhas, %1 ficaria maior do que o tamanho até o qual um lecionário é lido (%2 linhas, 1 MB), por isso nada foi importado nele.</translation>
    </message>
    <message>
        <source>no colon after the day&apos;s name</source>
        <extracomment>Why a line of Lectionary.txt is not read.</extracomment>
        <translation>sem dois-pontos depois do nome do dia</translation>
    </message>
    <message>
        <source>the year letter “%1” is not A, B or C</source>
        <extracomment>Why a line of Lectionary.txt is not read: %1 is the letter after the day&apos;s name.</extracomment>
        <translation>a letra de ano “%1” não é A, B ou C</translation>
    </message>
    <message>
        <source>“%1” is not a day of the church year</source>
        <extracomment>Why a line of Lectionary.txt is not read: %1 is the day&apos;s name as the line writes it.</extracomment>
        <translation>“%1” não é um dia do ano litúrgico</translation>
    </message>
    <message>
        <source>no readings after the colon</source>
        <extracomment>Why a line of Lectionary.txt is not read.</extracomment>
        <translation>sem leituras depois dos dois-pontos</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <extracomment>A line of Lectionary.txt not read: %1 is its number, %2 why.</extracomment>
        <translation>linha %1: %2</translation>
    </message>
    <message>
        <source>the rest of the file was not read: a lectionary is read up to %1 lines</source>
        <extracomment>Where reading Lectionary.txt stopped: %1 is the most lines read.</extracomment>
        <translation>o restante do arquivo não foi lido: um lecionário é lido até %1 linhas</translation>
    </message>
    <message>
        <source>the rest of the file was not read: a lectionary is read up to %1 MB</source>
        <extracomment>Where reading Lectionary.txt stopped: %1 is the most megabytes read.</extracomment>
        <translation>o restante do arquivo não foi lido: um lecionário é lido até %1 MB</translation>
    </message>
    <message>
        <source>%1 is not open for reading</source>
        <translation>%1 não está aberto para leitura</translation>
    </message>
    <message>
        <source>%1 is a folder</source>
        <extracomment>%1 is the lectionary&apos;s file name.</extracomment>
        <translation>%1 é uma pasta</translation>
    </message>
    <message>
        <source>%1 is not a regular file</source>
        <translation>%1 não é um arquivo comum</translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2</source>
        <extracomment>%1 is the lectionary&apos;s file name, %2 the system&apos;s reason.</extracomment>
        <translation>%1 não pode ser aberto: %2</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <extracomment>%1 is the lectionary&apos;s file name, %2 the system&apos;s reason.</extracomment>
        <translation>%1 não pode ser lido: %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>Suggest Hymns&apos; note on Lectionary.txt: %1 is the file&apos;s name, %2 its first line not read.</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1, %2 (and %3 more)</source>
        <extracomment>Suggest Hymns&apos; note on Lectionary.txt: %1 is the file&apos;s name, %2 its first line not read, %3 how many more.</extracomment>
        <translation>%1, %2 (e mais %3)</translation>
    </message>
</context>
<context>
    <name>ChurchYearMenu</name>
    <message>
        <source>Church &amp;Year</source>
        <translation>Ano &amp;litúrgico</translation>
    </message>
    <message>
        <source>&amp;Propers (“Proper 17”)</source>
        <translation>&amp;Próprios (“Próprio 17”)</translation>
    </message>
    <message>
        <source>Sundays after P&amp;entecost (“Pentecost 14”)</source>
        <translation>Domingos após P&amp;entecostes (“14º Domingo após Pentecostes”)</translation>
    </message>
    <message>
        <source>&amp;Ordinary Time (“Ordinary Time 22”)</source>
        <translation>Tempo C&amp;omum (“22º Domingo do Tempo Comum”)</translation>
    </message>
    <message>
        <source>Sundays after &amp;Trinity (“Trinity 13”)</source>
        <translation>Domingos após &amp;Trindade (“13º Domingo após Trindade”)</translation>
    </message>
    <message>
        <source>&amp;Roman Rite (“Twenty-second Sunday in Ordinary Time”)</source>
        <translation>&amp;Rito Romano (“22º Domingo do Tempo Comum”)</translation>
    </message>
    <message>
        <source>Epiphany on the &amp;Sunday January 2–8</source>
        <translation>Epifania no &amp;domingo entre 2 e 8 de janeiro</translation>
    </message>
    <message>
        <source>Roman Rite: the Epiphany on the Sunday from January 2 to 8 instead of January 6; the Baptism of the Lord then falls on the Monday after a January 7 or 8</source>
        <translation>Rito Romano: a Epifania no domingo entre 2 e 8 de janeiro, em vez de 6 de janeiro; o Batismo do Senhor passa então para a segunda-feira seguinte quando a Epifania cai em 7 ou 8 de janeiro</translation>
    </message>
    <message>
        <source>&amp;Ascension on the Following Sunday</source>
        <translation>&amp;Ascensão no domingo seguinte</translation>
    </message>
    <message>
        <source>Roman Rite: the Ascension on the Seventh Sunday of Easter instead of the Thursday before</source>
        <translation>Rito Romano: a Ascensão no 7º Domingo da Páscoa, em vez da quinta-feira anterior</translation>
    </message>
    <message>
        <source>&amp;Body and Blood of Christ on the Following Sunday</source>
        <translation>&amp;Corpo e Sangue de Cristo no domingo seguinte</translation>
    </message>
    <message>
        <source>Roman Rite: the Most Holy Body and Blood of Christ on the Sunday after Trinity instead of the Thursday</source>
        <translation>Rito Romano: o Santíssimo Corpo e Sangue de Cristo no domingo depois da Santíssima Trindade, em vez da quinta-feira</translation>
    </message>
    <message>
        <source>Offer Day &amp;Names Always</source>
        <translation>Sempre sugerir os &amp;nomes dos dias</translation>
    </message>
    <message>
        <source>Offer the day&apos;s name as the occasion of a new service even in a log whose latest service has none</source>
        <translation>Sugerir o nome do dia como ocasião de um novo culto, mesmo num registro cujo último culto não tem nenhum</translation>
    </message>
</context>
<context>
    <name>FileChangedBar</name>
    <message>
        <source>&amp;Put Back Backup…</source>
        <translation>&amp;Restaurar cópia de segurança…</translation>
    </message>
    <message>
        <source>&amp;Keep Log</source>
        <translation>&amp;Manter registro</translation>
    </message>
    <message>
        <source>Put the backup back in place of the log</source>
        <translation>Restaurar a cópia de segurança no lugar do registro</translation>
    </message>
    <message>
        <source>Keep the log as it is</source>
        <translation>Manter o registro como está</translation>
    </message>
    <message>
        <source>The last write of %1 was cut short: the log may hold part of a service.</source>
        <translation>A última gravação de %1 foi interrompida: o registro pode conter parte de um culto.</translation>
    </message>
    <message>
        <source>The last write of %1 was cut short: the log may hold part of a service. %2 holds it as it was.</source>
        <translation>A última gravação de %1 foi interrompida: o registro pode conter parte de um culto. %2 guarda o registro como estava.</translation>
    </message>
    <message>
        <source>&amp;Reload</source>
        <translation>Re&amp;carregar</translation>
    </message>
    <message>
        <source>&amp;Dismiss</source>
        <translation>&amp;Dispensar</translation>
    </message>
    <message>
        <source>Reload the file</source>
        <translation>Recarregar o arquivo</translation>
    </message>
    <message>
        <source>Dismiss the notice</source>
        <translation>Dispensar o aviso</translation>
    </message>
    <message>
        <source>%1 changed on disk</source>
        <extracomment>%1 is the loaded file&apos;s name</extracomment>
        <translation>%1 foi alterado no disco</translation>
    </message>
    <message>
        <source>%1 was moved or deleted on disk</source>
        <extracomment>%1 is the loaded file&apos;s name</extracomment>
        <translation>%1 foi movido ou excluído do disco</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>title only</source>
        <comment>caption</comment>
        <extracomment>the design&apos;s caption: at most 53 px wide in Arial 8.25 bold, on one line; list the hymns&apos; titles only</extracomment>
        <translation>só títulos</translation>
    </message>
    <message>
        <source>title only</source>
        <comment>full text</comment>
        <extracomment>tooltip and screen reader name of the caption</extracomment>
        <translation>somente os títulos</translation>
    </message>
    <message>
        <source>of music?</source>
        <comment>caption</comment>
        <extracomment>the design&apos;s caption: at most 55 px wide in Arial 8.25 bold, on one line; beside the year box: the year is the music&apos;s (from its credit), not the text&apos;s</extracomment>
        <translation>música?</translation>
    </message>
    <message>
        <source>of music?</source>
        <comment>full text</comment>
        <extracomment>tooltip and screen reader name of the caption</extracomment>
        <translation>da música?</translation>
    </message>
    <message>
        <source>book list</source>
        <comment>caption</comment>
        <extracomment>the design&apos;s caption: at most 39 px wide in Arial 8.25 bold, on two lines; the button that opens the list of scripture books</extracomment>
        <translation>lista de livros</translation>
    </message>
    <message>
        <source>book list</source>
        <comment>full text</comment>
        <extracomment>tooltip and screen reader name of the caption</extracomment>
        <translation>lista de livros</translation>
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
        <translation>incluir referências</translation>
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
        <translation> nº exato</translation>
    </message>
    <message>
        <source> full # only</source>
        <comment>full text</comment>
        <extracomment>tooltip and screen reader name of the caption</extracomment>
        <translation> somente o número exato</translation>
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
        <translation>Limpar</translation>
    </message>
    <message>
        <source>Clear</source>
        <comment>full text</comment>
        <extracomment>tooltip and screen reader name of the caption</extracomment>
        <translation>Limpar</translation>
    </message>
    <message>
        <source>Get File</source>
        <comment>caption</comment>
        <extracomment>the design&apos;s caption: at most 71 px wide in Arial 9.75 bold, on one line; the button that loads the file chosen</extracomment>
        <translation>Carregar</translation>
    </message>
    <message>
        <source>Get File</source>
        <comment>full text</comment>
        <extracomment>tooltip and screen reader name of the caption</extracomment>
        <translation>Carregar arquivo</translation>
    </message>
    <message>
        <source>copy w/ title</source>
        <comment>caption</comment>
        <extracomment>the design&apos;s caption: at most 40 px wide in Arial 8.25 bold, on two lines; &quot;copy with the title&quot; (of a hymnal text&apos;s hymn)</extracomment>
        <translation>copiar c/ título</translation>
    </message>
    <message>
        <source>copy w/ title</source>
        <comment>full text</comment>
        <extracomment>tooltip and screen reader name of the caption</extracomment>
        <translation>copiar com o título</translation>
    </message>
    <message>
        <source>Year</source>
        <comment>caption</comment>
        <extracomment>the design&apos;s caption: at most 25 px wide in Arial 8.25 bold, on one line</extracomment>
        <translation>Ano</translation>
    </message>
    <message>
        <source>Year</source>
        <comment>full text</comment>
        <extracomment>tooltip and screen reader name of the caption</extracomment>
        <translation>Ano</translation>
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
        <translation>nº de hinos:</translation>
    </message>
    <message>
        <source># of hymns:</source>
        <comment>full text</comment>
        <extracomment>tooltip and screen reader name of the caption</extracomment>
        <translation>número de hinos:</translation>
    </message>
    <message>
        <source>exclude hymn:</source>
        <comment>caption</comment>
        <extracomment>the design&apos;s caption: at most 81 px wide in Arial 8.25 bold italic, on one line</extracomment>
        <translation>excluir hino:</translation>
    </message>
    <message>
        <source>exclude hymn:</source>
        <comment>full text</comment>
        <extracomment>tooltip and screen reader name of the caption</extracomment>
        <translation>excluir hino:</translation>
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
        <translation>Ordenar contagem por:</translation>
    </message>
    <message>
        <source>Limit date to:</source>
        <comment>caption</comment>
        <extracomment>the design&apos;s caption: at most 49 px wide in Arial 9.75 bold, on two lines</extracomment>
        <translation>Limitar data a:</translation>
    </message>
    <message>
        <source>Limit date to:</source>
        <comment>full text</comment>
        <extracomment>tooltip and screen reader name of the caption</extracomment>
        <translation>Limitar data a:</translation>
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
        <translation>Frase do título:</translation>
    </message>
    <message>
        <source>Title phrase:</source>
        <comment>full text</comment>
        <extracomment>tooltip and screen reader name of the caption</extracomment>
        <translation>Frase do título:</translation>
    </message>
    <message>
        <source>Hymn #</source>
        <comment>caption</comment>
        <extracomment>the design&apos;s caption: at most 49 px wide in Arial 9.75 bold, on one line; &quot;hymn number&quot;</extracomment>
        <translation>Hino nº</translation>
    </message>
    <message>
        <source>Hymn #</source>
        <comment>full text</comment>
        <extracomment>tooltip and screen reader name of the caption</extracomment>
        <translation>Número do hino</translation>
    </message>
    <message>
        <source>Files:</source>
        <comment>caption</comment>
        <extracomment>the design&apos;s caption: at most 49 px wide in Arial 9 bold, on one line</extracomment>
        <translation>Arq.:</translation>
    </message>
    <message>
        <source>Files:</source>
        <comment>full text</comment>
        <extracomment>tooltip and screen reader name of the caption</extracomment>
        <translation>Arquivos:</translation>
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
        <translation>Limitar título a:</translation>
    </message>
    <message>
        <source>Verse phrase:</source>
        <comment>caption</comment>
        <extracomment>the design&apos;s caption: at most 57 px wide in Arial 9.75 bold, on two lines; for a hymnal text</extracomment>
        <translation>Frase da estrofe:</translation>
    </message>
    <message>
        <source>Verse phrase:</source>
        <comment>full text</comment>
        <extracomment>tooltip and screen reader name of the caption</extracomment>
        <translation>Frase da estrofe:</translation>
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
        <translation>  nº datas:</translation>
    </message>
    <message>
        <source>  # of dates:</source>
        <comment>full text</comment>
        <extracomment>tooltip and screen reader name of the caption</extracomment>
        <translation>  número de datas:</translation>
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
        <translation>copiar c/ data</translation>
    </message>
    <message>
        <source>copy w/ date</source>
        <comment>full text</comment>
        <extracomment>tooltip and screen reader name of the caption</extracomment>
        <translation>copiar com a data</translation>
    </message>
    <message>
        <source>Clear*</source>
        <comment>caption</comment>
        <extracomment>the design&apos;s caption: at most 55 px wide in Arial 9.75 bold, on one line; the Clear button while criteria are set, which the star marks</extracomment>
        <translation>Limpar*</translation>
    </message>
    <message>
        <source>Clear*</source>
        <comment>full text</comment>
        <extracomment>tooltip and screen reader name of the caption</extracomment>
        <translation>Limpar*</translation>
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
        <translation>frequência</translation>
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
        <translation>nº hino</translation>
    </message>
    <message>
        <source>hymn #</source>
        <comment>full text</comment>
        <extracomment>tooltip and screen reader name of the caption</extracomment>
        <translation>número do hino</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; cannot be opened: %2.</source>
        <extracomment>%1 is the folder&apos;s path, %2 the system&apos;s reason</extracomment>
        <translation>A pasta &quot;%1&quot; não pode ser aberta: %2.</translation>
    </message>
    <message>
        <source>Change Folder</source>
        <translation>Mudar de pasta</translation>
    </message>
    <message>
        <source>Folders</source>
        <extracomment>screen reader name of the folder list</extracomment>
        <translation>Pastas</translation>
    </message>
    <message>
        <source>Scripture books</source>
        <extracomment>screen reader name of the list of scripture books</extracomment>
        <translation>Livros da Bíblia</translation>
    </message>
    <message>
        <source>full number only</source>
        <extracomment>screen reader name of the check box &quot; full # only&quot;: the hymn number matches whole</extracomment>
        <translation>somente o número exato</translation>
    </message>
    <message>
        <source>Counts</source>
        <extracomment>screen reader name of the left list in a tally: how often each hymn was used</extracomment>
        <translation>Contagens</translation>
    </message>
    <message>
        <source>Hymns</source>
        <extracomment>screen reader name of the right list in a tally: the hymns counted</extracomment>
        <translation>Hinos</translation>
    </message>
    <message>
        <source>Titles</source>
        <extracomment>screen reader name of the left list: a hymnal text&apos;s titles (or, next, a service log&apos;s dates)</extracomment>
        <translation>Títulos</translation>
    </message>
    <message>
        <source>Dates</source>
        <translation>Datas</translation>
    </message>
    <message>
        <source>Verse lines</source>
        <translation>Linhas das estrofes</translation>
    </message>
    <message>
        <source>Hymn lines</source>
        <translation>Linhas dos hinos</translation>
    </message>
    <message>
        <source>Hymns loaded</source>
        <extracomment>screen reader name of a count, heard before its value (&quot;Hymns loaded: 120&quot;); so are the names next to it</extracomment>
        <translation>Hinos carregados</translation>
    </message>
    <message>
        <source>Services loaded</source>
        <translation>Cultos carregados</translation>
    </message>
    <message>
        <source>Hymns listed</source>
        <translation>Hinos listados</translation>
    </message>
    <message>
        <source>Dates listed</source>
        <translation>Datas listadas</translation>
    </message>
    <message>
        <source>Hymns tallied</source>
        <translation>Hinos contados</translation>
    </message>
    <message>
        <source>Uses counted</source>
        <translation>Usos contados</translation>
    </message>
    <message>
        <source>Lines listed</source>
        <translation>Linhas listadas</translation>
    </message>
    <message>
        <source>Hymn lines listed</source>
        <translation>Linhas de hinos listadas</translation>
    </message>
    <message>
        <source>Row clicked</source>
        <translation>Linha clicada</translation>
    </message>
    <message>
        <source>File date</source>
        <translation>Data do arquivo</translation>
    </message>
    <message>
        <source>File loaded</source>
        <translation>Arquivo carregado</translation>
    </message>
    <message>
        <source>Volume</source>
        <extracomment>screen reader name of the list of drives (volumes)</extracomment>
        <translation>Unidade</translation>
    </message>
    <message>
        <source>Change Drive</source>
        <translation>Mudar de unidade</translation>
    </message>
    <message>
        <source>Error encountered while changing drive</source>
        <translation>Erro ao mudar de unidade</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; is no longer there, so &quot;%2&quot; could not be read.</source>
        <extracomment>%1 is the folder&apos;s path, %2 the file&apos;s name</extracomment>
        <translation>A pasta &quot;%1&quot; não existe mais, por isso não foi possível ler &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>File Error</source>
        <translation>Erro de arquivo</translation>
    </message>
    <message>
        <source>Limit reached</source>
        <translation>Limite atingido</translation>
    </message>
    <message>
        <source>Show output</source>
        <translation>Mostrar resultado</translation>
    </message>
    <message>
        <source>Show entire file (may be slow)?</source>
        <translation>Mostrar o arquivo inteiro (pode ser lento)?</translation>
    </message>
    <message>
        <source>Clear, criteria set</source>
        <translation>Limpar, critérios definidos</translation>
    </message>
</context>
<context>
    <name>HymnBoard</name>
    <message>
        <source>Hymn board</source>
        <translation>Quadro de hinos</translation>
    </message>
</context>
<context>
    <name>HymnBoardDialog</name>
    <message>
        <source>Print Hymn Board</source>
        <translation>Imprimir quadro de hinos</translation>
    </message>
    <message>
        <source>On the board, one a line: %1</source>
        <translation>No quadro, um por linha: %1</translation>
    </message>
    <message>
        <source>&amp;Date and occasion above them: %1</source>
        <translation>&amp;Data e ocasião acima deles: %1</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>&amp;Imprimir…</translation>
    </message>
    <message>
        <source>&amp;Save PDF…</source>
        <translation>&amp;Salvar PDF…</translation>
    </message>
    <message>
        <source>The hymn board could not be printed.</source>
        <translation>Não foi possível imprimir o quadro de hinos.</translation>
    </message>
    <message>
        <source>The hymn board was sent to %1</source>
        <translation>O quadro de hinos foi enviado para %1</translation>
    </message>
    <message>
        <source>Save Hymn Board as PDF</source>
        <translation>Salvar quadro de hinos como PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Arquivos PDF (*.pdf)</translation>
    </message>
    <message>
        <source>the PDF could not be made</source>
        <translation>não foi possível gerar o PDF</translation>
    </message>
    <message>
        <source>The hymn board could not be saved as &quot;%1&quot;: %2. Nothing was changed there.</source>
        <translation>Não foi possível salvar o quadro de hinos como &quot;%1&quot;: %2. Nada foi alterado lá.</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>Salvo: %1</translation>
    </message>
</context>
<context>
    <name>HymnRow</name>
    <message>
        <source>Drag to move this line; Alt+Up and Alt+Down move it with the keyboard</source>
        <translation>Arraste para mover esta linha; Alt+Seta para cima e Alt+Seta para baixo a movem pelo teclado</translation>
    </message>
    <message>
        <source>Title, or a line without a number</source>
        <translation>Título, ou uma linha sem número</translation>
    </message>
    <message>
        <source>Last sung %1</source>
        <translation>Cantado pela última vez em %1</translation>
    </message>
    <message>
        <source>Hymn number, line %1</source>
        <translation>Número do hino, linha %1</translation>
    </message>
    <message>
        <source>Title, line %1</source>
        <translation>Título, linha %1</translation>
    </message>
    <message>
        <source>Use of line %1</source>
        <translation>Uso da linha %1</translation>
    </message>
    <message>
        <source>Not in the log</source>
        <translation>Não está no registro</translation>
    </message>
    <message>
        <source>Not sung before this date</source>
        <translation>Não cantado antes desta data</translation>
    </message>
    <message numerus="yes">
        <source>within %n week(s)</source>
        <translation>
            <numerusform>há até %n semana</numerusform>
            <numerusform>há até %n semanas</numerusform>
        </translation>
    </message>
    <message>
        <source>none in 12 months</source>
        <translation>nenhuma vez em 12 meses</translation>
    </message>
    <message>
        <source>once in 12 months</source>
        <translation>uma vez em 12 meses</translation>
    </message>
    <message>
        <source>%1 times in 12 months</source>
        <translation>%1 vezes em 12 meses</translation>
    </message>
</context>
<context>
    <name>HymnRows</name>
    <message>
        <source>Hymns</source>
        <translation>Hinos</translation>
    </message>
</context>
<context>
    <name>ImportLectionaryDialog</name>
    <message>
        <source>&amp;Open File…</source>
        <translation>&amp;Abrir arquivo…</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Colar</translation>
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
        <translation>Importar lecionário</translation>
    </message>
    <message>
        <source>Tables (*.csv *.tsv *.tab *.txt);;All files (*)</source>
        <translation>Tabelas (*.csv *.tsv *.tab *.txt);;Todos os arquivos (*)</translation>
    </message>
    <message>
        <source>A CSV or tab-separated file, as a spreadsheet saves it</source>
        <translation>Um arquivo CSV ou separado por tabulações, como uma planilha o salva</translation>
    </message>
    <message>
        <source>A table copied in a spreadsheet or on a web page</source>
        <translation>Uma tabela copiada de uma planilha ou de uma página da web</translation>
    </message>
    <message>
        <source>Column of the day&apos;s name</source>
        <translation>Coluna do nome do dia</translation>
    </message>
    <message>
        <source>Column of the year</source>
        <translation>Coluna do ano</translation>
    </message>
    <message>
        <source>Columns of the readings</source>
        <translation>Colunas das leituras</translation>
    </message>
    <message>
        <source>Every column ticked is a reading; they are joined by &quot;; &quot; in their order</source>
        <translation>Cada coluna marcada é uma leitura; elas são unidas por &quot;; &quot; na sua ordem</translation>
    </message>
    <message>
        <source>Preview of the table</source>
        <translation>Prévia da tabela</translation>
    </message>
    <message>
        <source>Rows not read</source>
        <translation>Linhas não lidas</translation>
    </message>
    <message>
        <source>Write the lines into %1 beside the hymnal</source>
        <translation>Gravar as linhas em %1 ao lado do hinário</translation>
    </message>
    <message>
        <source>&amp;Day&apos;s name:</source>
        <translation>&amp;Nome do dia:</translation>
    </message>
    <message>
        <source>&amp;Year:</source>
        <translation>An&amp;o:</translation>
    </message>
    <message>
        <source>&amp;Readings:</source>
        <translation>&amp;Leituras:</translation>
    </message>
    <message>
        <source>Rows &amp;not read:</source>
        <translation>Lin&amp;has não lidas:</translation>
    </message>
    <message>
        <source>“%1” holds no table.</source>
        <translation>“%1” não contém nenhuma tabela.</translation>
    </message>
    <message>
        <source>The clipboard holds no table. Copy the lectionary&apos;s table in a spreadsheet or on a web page, then press Paste.</source>
        <translation>A área de transferência não contém nenhuma tabela. Copie a tabela do lecionário numa planilha ou numa página da web e depois clique em Colar.</translation>
    </message>
    <message>
        <source>The clipboard&apos;s HTML table</source>
        <translation>A tabela HTML da área de transferência</translation>
    </message>
    <message>
        <source>The clipboard&apos;s text</source>
        <translation>O texto da área de transferência</translation>
    </message>
    <message>
        <source>Open a CSV or tab-separated file, or copy a lectionary&apos;s table in a spreadsheet or on a web page and paste it here.</source>
        <translation>Abra um arquivo CSV ou separado por tabulações, ou copie a tabela de um lecionário numa planilha ou numa página da web e cole-a aqui.</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n row(s)</source>
        <translation>
            <numerusform>%1: %n linha</numerusform>
            <numerusform>%1: %n linhas</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A column of the imported table: its letter and the heading above it, &quot;B: Sunday&quot;.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>None (every year, or as the day&apos;s name says)</source>
        <translation>Nenhuma (todos os anos, ou conforme o nome do dia)</translation>
    </message>
    <message>
        <source>Choose the column of the day&apos;s name and at least one column of readings.</source>
        <translation>Escolha a coluna do nome do dia e pelo menos uma coluna de leituras.</translation>
    </message>
    <message>
        <source>No row gives a line for %1.</source>
        <translation>Nenhuma linha da tabela gera uma linha para %1.</translation>
    </message>
    <message>
        <source>They go into the %1 beside the hymnal; its lines for the same days and years are replaced only after a question, and the rest of it stays as it is.</source>
        <translation>Elas vão para o %1 ao lado do hinário; as linhas dele para os mesmos dias e anos só são substituídas depois de uma pergunta, e o restante dele fica como está.</translation>
    </message>
    <message>
        <source>They make a new %1 beside the hymnal.</source>
        <translation>Elas formam um novo %1 ao lado do hinário.</translation>
    </message>
    <message numerus="yes">
        <source>%n line(s) to write.</source>
        <translation>
            <numerusform>%n linha a gravar.</numerusform>
            <numerusform>%n linhas a gravar.</numerusform>
        </translation>
    </message>
    <message>
        <source>line %1: %2 (removed: a second line for the same day and year)</source>
        <extracomment>A line of Lectionary.txt the import removes: a second line for a day and year.</extracomment>
        <translation>linha %1: %2 (removida: uma segunda linha para o mesmo dia e ano)</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>linha %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>… and %n more</source>
        <translation>
            <numerusform>… e mais %n</numerusform>
            <numerusform>… e mais %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 already has %n line(s) for the days and years imported:</source>
        <translation>
            <numerusform>%1 já tem %n linha para os dias e anos importados:</numerusform>
            <numerusform>%1 já tem %n linhas para os dias e anos importados:</numerusform>
        </translation>
    </message>
    <message>
        <source>Replace them with the imported lines? Every other line stays as it is.</source>
        <translation>Substituí-las pelas linhas importadas? Todas as outras linhas ficam como estão.</translation>
    </message>
    <message>
        <source>%1 holds these lines already, so nothing was written.</source>
        <translation>%1 já contém estas linhas, por isso nada foi gravado.</translation>
    </message>
    <message numerus="yes">
        <source>%1 written: %n line(s) imported</source>
        <translation>
            <numerusform>%1 gravado: %n linha importada</numerusform>
            <numerusform>%1 gravado: %n linhas importadas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 made beside the hymnal: %n line(s)</source>
        <translation>
            <numerusform>%1 criado ao lado do hinário: %n linha</numerusform>
            <numerusform>%1 criado ao lado do hinário: %n linhas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %n row(s) (the rest was left out: a table is read up to %2 rows and %3 columns)</source>
        <translation>
            <numerusform>%1: %n linha (o restante foi deixado de fora: uma tabela é lida até %2 linhas e %3 colunas)</numerusform>
            <numerusform>%1: %n linhas (o restante foi deixado de fora: uma tabela é lida até %2 linhas e %3 colunas)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ImportPreviewModel</name>
    <message>
        <source>day</source>
        <translation>dia</translation>
    </message>
    <message>
        <source>year</source>
        <translation>ano</translation>
    </message>
    <message>
        <source>readings</source>
        <translation>leituras</translation>
    </message>
    <message>
        <source>%1 · %2</source>
        <extracomment>A column of the imported table and what it is taken for: &quot;B Sunday · day&quot;.</extracomment>
        <translation>%1 · %2</translation>
    </message>
    <message>
        <source>(the headings)</source>
        <translation>(os cabeçalhos)</translation>
    </message>
    <message>
        <source>Written to Lectionary.txt</source>
        <translation>Gravado em Lectionary.txt</translation>
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
        <translation>Entra em vigor na próxima inicialização</translation>
    </message>
</context>
<context>
    <name>Logbook</name>
    <message>
        <source>&quot;%1&quot; holds the same bytes as &quot;%2&quot;.</source>
        <translation>&quot;%1&quot; contém os mesmos bytes que &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>The first %1 of the %2 bytes of &quot;%3&quot; are as in &quot;%4&quot; (%5 bytes); after them the log differs.</source>
        <translation>Os primeiros %1 dos %2 bytes de &quot;%3&quot; são iguais aos de &quot;%4&quot; (%5 bytes); depois deles o registro é diferente.</translation>
    </message>
    <message numerus="yes">
        <source>The log holds %n NUL byte(s) that the backup does not.</source>
        <translation>
            <numerusform>O registro contém %n byte NUL que a cópia de segurança não contém.</numerusform>
            <numerusform>O registro contém %n bytes NUL que a cópia de segurança não contém.</numerusform>
        </translation>
    </message>
    <message>
        <source>The mark beside &quot;%1&quot; names no backup that can be put back.</source>
        <translation>A marca ao lado de &quot;%1&quot; não indica nenhuma cópia de segurança que possa ser restaurada.</translation>
    </message>
    <message>
        <source>The backup &quot;%1&quot; is no longer as it was written (it was changed, moved or removed), so it was not put back. &quot;%2&quot; is as it was.</source>
        <translation>A cópia de segurança &quot;%1&quot; não está mais como foi gravada (foi alterada, movida ou removida), por isso não foi restaurada. &quot;%2&quot; está como estava.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; put back in place of &quot;%2&quot;</source>
        <translation>&quot;%1&quot; restaurado no lugar de &quot;%2&quot;</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has changed on disk since it was loaded, so the service was not added.</source>
        <translation>&quot;%1&quot; foi alterado no disco desde que foi carregado, por isso o culto não foi adicionado.</translation>
    </message>
    <message>
        <source> Make room on the disk and try again.</source>
        <translation> Libere espaço no disco e tente novamente.</translation>
    </message>
    <message>
        <source> Check that you may write in the folder &quot;%1&quot;.</source>
        <translation> Verifique se você tem permissão para gravar na pasta &quot;%1&quot;.</translation>
    </message>
    <message>
        <source> The disk is read-only: copy the log to a disk you can write to and load it from there.</source>
        <translation> O disco é somente leitura: copie o registro para um disco em que você possa gravar e carregue-o de lá.</translation>
    </message>
    <message>
        <source> Try again; if it fails again, check the disk or the network connection.</source>
        <translation> Tente novamente; se falhar de novo, verifique o disco ou a conexão de rede.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is being written by another copy of Cantorix2, so the service was not added. Try again in a moment.</source>
        <translation>&quot;%1&quot; está sendo gravado por outra cópia do Cantorix2, por isso o culto não foi adicionado. Tente novamente daqui a pouco.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is being written by Cantorix2 on %2, so the service was not added. Try again in a moment.</source>
        <translation>&quot;%1&quot; está sendo gravado pelo Cantorix2 em %2, por isso o culto não foi adicionado. Tente novamente daqui a pouco.</translation>
    </message>
    <message>
        <source> Nothing was written.</source>
        <translation> Nada foi gravado.</translation>
    </message>
    <message>
        <source>The last write of &quot;%1&quot; was cut short, so the service was not added: in the bar under the window, put its backup back or keep the log as it is, then add the service again.</source>
        <translation>A última gravação de &quot;%1&quot; foi interrompida, por isso o culto não foi adicionado: na barra abaixo da janela, restaure a cópia de segurança ou mantenha o registro como está e depois adicione o culto novamente.</translation>
    </message>
    <message>
        <source>%1 is read-only, so the service was not added.</source>
        <translation>%1 é somente leitura, por isso o culto não foi adicionado.</translation>
    </message>
    <message>
        <source>The name &quot;%1&quot; leaves no room for a backup&apos;s name beside it, so the service was not added. A shorter name will do: rename the log and load it again.</source>
        <translation>O nome &quot;%1&quot; não deixa espaço para o nome de uma cópia de segurança ao lado dele, por isso o culto não foi adicionado. Um nome mais curto resolve: renomeie o registro e carregue-o novamente.</translation>
    </message>
    <message>
        <source>Every name for a backup of &quot;%1&quot; (up to &quot;%2&quot;) is taken, so the service was not added. Move old backups away and try again.</source>
        <translation>Todos os nomes para uma cópia de segurança de &quot;%1&quot; (até &quot;%2&quot;) já estão em uso, por isso o culto não foi adicionado. Mova as cópias de segurança antigas para outro lugar e tente novamente.</translation>
    </message>
    <message>
        <source>The backup &quot;%1&quot; could not be written: %2. Nothing was written; &quot;%3&quot; is as it was.</source>
        <translation>Não foi possível gravar a cópia de segurança &quot;%1&quot;: %2. Nada foi gravado; &quot;%3&quot; está como estava.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was not written: the mark of a write in progress could not be left beside it (%2). The file is as it was.</source>
        <translation>&quot;%1&quot; não foi gravado: não foi possível deixar ao lado dele a marca de uma gravação em andamento (%2). O arquivo está como estava.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be written: %2. Its bytes as they were are in &quot;%3&quot;.</source>
        <translation>Não foi possível gravar &quot;%1&quot;: %2. Seus bytes como estavam estão em &quot;%3&quot;.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be written: %2. The file is as it was; its bytes are also in &quot;%3&quot;.</source>
        <translation>Não foi possível gravar &quot;%1&quot;: %2. O arquivo está como estava; seus bytes também estão em &quot;%3&quot;.</translation>
    </message>
    <message>
        <source>; the log as it was is kept in %1</source>
        <translation>; o registro como estava é mantido em %1</translation>
    </message>
    <message>
        <source>This file holds hymn texts, not a service log, so no service can be added to it.</source>
        <translation>Este arquivo contém textos de hinos, não um registro de cultos, por isso nenhum culto pode ser adicionado a ele.</translation>
    </message>
    <message>
        <source>The service&apos;s date cannot be written as a head line that the program reads back.</source>
        <translation>A data do culto não pode ser escrita como uma linha de cabeçalho que o programa consiga ler de volta.</translation>
    </message>
    <message>
        <source>The character “%1” cannot be written in this file&apos;s encoding (%2).</source>
        <translation>O caractere “%1” não pode ser gravado na codificação deste arquivo (%2).</translation>
    </message>
    <message>
        <source>The service is not in the file as it was loaded, so nothing was written. Load the log again and choose the service anew.</source>
        <translation>O culto não está no arquivo como foi carregado, por isso nada foi gravado. Carregue o registro novamente e escolha o culto de novo.</translation>
    </message>
    <message>
        <source>This log is full: with this service longer, the program would no longer read the last service of the file, so nothing was written. Start a new log for the services to come.</source>
        <translation>Este registro está cheio: com este culto mais longo, o programa não leria mais o último culto do arquivo, por isso nada foi gravado. Comece um novo registro para os próximos cultos.</translation>
    </message>
    <message>
        <source>Written this way, the service would change how the program reads other services of the log (a head line without a year takes it from the next one below), so nothing was written.</source>
        <translation>Gravado desta forma, o culto mudaria a maneira como o programa lê outros cultos do registro (uma linha de cabeçalho sem ano o toma da próxima linha de cabeçalho abaixo), por isso nada foi gravado.</translation>
    </message>
    <message numerus="yes">
        <source>Service of %1 changed: %n hymn(s)</source>
        <translation>
            <numerusform>Culto de %1 alterado: %n hino</numerusform>
            <numerusform>Culto de %1 alterado: %n hinos</numerusform>
        </translation>
    </message>
    <message>
        <source>Service of %1 removed</source>
        <translation>Culto de %1 excluído</translation>
    </message>
    <message>
        <source>The service without a date removed</source>
        <translation>O culto sem data foi excluído</translation>
    </message>
    <message>
        <source>Cantorix2 has made no change to &quot;%1&quot; that it can undo: it remembers none since its backups were kept.</source>
        <translation>O Cantorix2 não fez em &quot;%1&quot; nenhuma alteração que possa desfazer: não se lembra de nenhuma desde que suas cópias de segurança foram mantidas.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no longer as Cantorix2 left it after its last change (%2), so that change cannot be undone.</source>
        <translation>&quot;%1&quot; não está mais como o Cantorix2 o deixou após sua última alteração (%2), por isso essa alteração não pode ser desfeita.</translation>
    </message>
    <message>
        <source>The backup &quot;%1&quot; is no longer as Cantorix2 wrote it, so the last change to &quot;%2&quot; cannot be undone.</source>
        <translation>A cópia de segurança &quot;%1&quot; não está mais como o Cantorix2 a gravou, por isso a última alteração em &quot;%2&quot; não pode ser desfeita.</translation>
    </message>
    <message>
        <source>Undone: %1</source>
        <translation>Desfeito: %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has changed on disk since it was loaded, so nothing was written.</source>
        <translation>&quot;%1&quot; foi alterado no disco desde que foi carregado, por isso nada foi gravado.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is being written by another copy of Cantorix2, so nothing was written. Try again in a moment.</source>
        <translation>&quot;%1&quot; está sendo gravado por outra cópia do Cantorix2, por isso nada foi gravado. Tente novamente daqui a pouco.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is being written by Cantorix2 on %2, so nothing was written. Try again in a moment.</source>
        <translation>&quot;%1&quot; está sendo gravado pelo Cantorix2 em %2, por isso nada foi gravado. Tente novamente daqui a pouco.</translation>
    </message>
    <message>
        <source>The last write of &quot;%1&quot; was cut short, so nothing was written: in the bar under the window, put its backup back or keep the log as it is, then try again.</source>
        <translation>A última gravação de &quot;%1&quot; foi interrompida, por isso nada foi gravado: na barra abaixo da janela, restaure a cópia de segurança ou mantenha o registro como está e tente novamente.</translation>
    </message>
    <message>
        <source>%1 is read-only, so nothing was written.</source>
        <translation>%1 é somente leitura, por isso nada foi gravado.</translation>
    </message>
    <message>
        <source>The name &quot;%1&quot; leaves no room for a backup&apos;s name beside it, so nothing was written. A shorter name will do: rename the log and load it again.</source>
        <translation>O nome &quot;%1&quot; não deixa espaço para o nome de uma cópia de segurança ao lado dele, por isso nada foi gravado. Um nome mais curto resolve: renomeie o registro e carregue-o novamente.</translation>
    </message>
    <message>
        <source>Every name for a backup of &quot;%1&quot; (up to &quot;%2&quot;) is taken, so nothing was written. Move old backups away and try again.</source>
        <translation>Todos os nomes para uma cópia de segurança de &quot;%1&quot; (até &quot;%2&quot;) já estão em uso, por isso nada foi gravado. Mova as cópias de segurança antigas para outro lugar e tente novamente.</translation>
    </message>
    <message>
        <source>UTF-8 with byte-order mark</source>
        <translation>UTF-8 com marca de ordem de bytes</translation>
    </message>
    <message>
        <source>The occasion holds a line break or a NUL character, which a line of the file cannot hold.</source>
        <translation>A ocasião contém uma quebra de linha ou um caractere NUL, que uma linha do arquivo não pode conter.</translation>
    </message>
    <message>
        <source>Line %1 of the service holds a line break or a NUL character, which a line of the file cannot hold.</source>
        <translation>A linha %1 do culto contém uma quebra de linha ou um caractere NUL, que uma linha do arquivo não pode conter.</translation>
    </message>
    <message>
        <source>The hymn number “%1” holds a space.</source>
        <translation>O número de hino “%1” contém um espaço.</translation>
    </message>
    <message>
        <source>Hymn %1 has no title.</source>
        <translation>O hino %1 não tem título.</translation>
    </message>
    <message>
        <source>“%1” holds “--”, which would make the program read the whole file as hymn texts.</source>
        <translation>“%1” contém “--”, o que faria o programa ler o arquivo inteiro como textos de hinos.</translation>
    </message>
    <message>
        <source>The file ends in the middle of a character, so nothing can be written after it.</source>
        <translation>O arquivo termina no meio de um caractere, por isso nada pode ser gravado depois dele.</translation>
    </message>
    <message>
        <source>This log is full: it holds %1 services, and the program reads no more than %2 (fewer when a service has more than %3 lines), so it would never read a new one.</source>
        <translation>Este registro está cheio: contém %1 cultos, e o programa não lê mais do que %2 (menos quando um culto tem mais de %3 linhas), por isso nunca leria um novo.</translation>
    </message>
    <message>
        <source>This log holds %1 services, of which the program reads only the first %2, so it would never read one added after them.</source>
        <translation>Este registro contém %1 cultos, dos quais o programa lê somente os primeiros %2, por isso nunca leria um culto adicionado depois deles.</translation>
    </message>
    <message>
        <source>The service was not added: start a new log for the services to come.</source>
        <translation>O culto não foi adicionado: comece um novo registro para os próximos cultos.</translation>
    </message>
    <message numerus="yes">
        <source>Service of %1 added: %n hymn(s)</source>
        <translation>
            <numerusform>Culto de %1 adicionado: %n hino</numerusform>
            <numerusform>Culto de %1 adicionado: %n hinos</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>The system&apos;s language from the next start</source>
        <translation>O idioma do sistema a partir da próxima inicialização</translation>
    </message>
    <message>
        <source>%1 from the next start</source>
        <translation>%1 a partir da próxima inicialização</translation>
    </message>
    <message>
        <source>&amp;User Guide</source>
        <translation>&amp;Guia do usuário</translation>
    </message>
    <message numerus="yes">
        <source>%1 holds %n NUL character(s), which a text file does not: a write may have been cut short. Look at it in a text editor.</source>
        <translation>
            <numerusform>%1 contém %n caractere NUL, o que um arquivo de texto não contém: uma gravação pode ter sido interrompida. Examine-o num editor de texto.</numerusform>
            <numerusform>%1 contém %n caracteres NUL, o que um arquivo de texto não contém: uma gravação pode ter sido interrompida. Examine-o num editor de texto.</numerusform>
        </translation>
    </message>
    <message>
        <source>Put Back Backup</source>
        <translation>Restaurar cópia de segurança</translation>
    </message>
    <message>
        <source>The backup &quot;%1&quot; cannot be read, so it cannot be put back.</source>
        <translation>Não é possível ler a cópia de segurança &quot;%1&quot;, por isso ela não pode ser restaurada.</translation>
    </message>
    <message>
        <source>Put &quot;%1&quot; back in place of &quot;%2&quot;? The log as it is now is kept in a backup of its own.</source>
        <translation>Restaurar &quot;%1&quot; no lugar de &quot;%2&quot;? O registro como está agora é mantido numa cópia de segurança própria.</translation>
    </message>
    <message>
        <source>%1 is kept as it is.</source>
        <translation>%1 é mantido como está.</translation>
    </message>
    <message>
        <source>&amp;Import Lectionary…</source>
        <translation>&amp;Importar lecionário…</translation>
    </message>
    <message>
        <source>Import Lectionary</source>
        <translation>Importar lecionário</translation>
    </message>
    <message>
        <source>Print Hymn &amp;Board…</source>
        <translation>Im&amp;primir quadro de hinos…</translation>
    </message>
    <message>
        <source>&amp;Edit Service…</source>
        <translation>&amp;Editar culto…</translation>
    </message>
    <message>
        <source>&amp;Undo Last Change</source>
        <translation>&amp;Desfazer última alteração</translation>
    </message>
    <message>
        <source>Copy for &amp;Bulletin</source>
        <translation>Copiar para o &amp;boletim</translation>
    </message>
    <message>
        <source>Edit Service</source>
        <translation>Editar culto</translation>
    </message>
    <message>
        <source>Load a service log first: a service of the log loaded is edited.</source>
        <translation>Carregue primeiro um registro de cultos: o culto editado é um culto do registro carregado.</translation>
    </message>
    <message>
        <source>The log holds no service to edit.</source>
        <translation>O registro não contém nenhum culto para editar.</translation>
    </message>
    <message>
        <source>Hymn files (*.txt);;All files (*)</source>
        <translation>Arquivos de hinos (*.txt);;Todos os arquivos (*)</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>&amp;Open…</source>
        <translation>&amp;Abrir…</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>Abrir &amp;recente</translation>
    </message>
    <message>
        <source>Re&amp;load</source>
        <translation>Re&amp;carregar</translation>
    </message>
    <message>
        <source>Open in Text &amp;Editor</source>
        <translation>Abrir no &amp;editor de texto</translation>
    </message>
    <message>
        <source>Set &amp;Hymnal…</source>
        <translation>Definir &amp;hinário…</translation>
    </message>
    <message>
        <source>Clear H&amp;ymnal</source>
        <translation>&amp;Limpar hinário</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;Add Service…</source>
        <translation>&amp;Adicionar culto…</translation>
    </message>
    <message>
        <source>Copy &amp;Left List</source>
        <translation>Copiar lista da es&amp;querda</translation>
    </message>
    <message>
        <source>Copy &amp;Right List</source>
        <translation>Copiar lista da di&amp;reita</translation>
    </message>
    <message>
        <source>&amp;Clear criteria</source>
        <translation>&amp;Limpar critérios</translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation>&amp;Pesquisar</translation>
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
        <translation>Ir para Hino &amp;nº</translation>
    </message>
    <message>
        <source>Usage &amp;Report…</source>
        <translation>&amp;Relatório de uso…</translation>
    </message>
    <message>
        <source>Suggest &amp;Hymns…</source>
        <translation>Sugerir &amp;hinos…</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>E&amp;xibir</translation>
    </message>
    <message>
        <source>&amp;Bold</source>
        <translation>&amp;Negrito</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aj&amp;uda</translation>
    </message>
    <message>
        <source>&amp;About Cantorix2</source>
        <translation>&amp;Sobre o Cantorix2</translation>
    </message>
    <message>
        <source>Set Hymnal</source>
        <translation>Definir hinário</translation>
    </message>
    <message>
        <source>Hymnal set: %1</source>
        <translation>Hinário definido: %1</translation>
    </message>
    <message>
        <source>“%1” is not a hymnal text (hymns with their verses between &quot;--&quot; lines), so the hymnal stays “%2”.</source>
        <translation>“%1” não é um texto de hinário (hinos com suas estrofes entre linhas &quot;--&quot;), por isso o hinário continua sendo “%2”.</translation>
    </message>
    <message>
        <source>“%1” is not a hymnal text (hymns with their verses between &quot;--&quot; lines), so no hymnal is set.</source>
        <translation>“%1” não é um texto de hinário (hinos com suas estrofes entre linhas &quot;--&quot;), por isso nenhum hinário foi definido.</translation>
    </message>
    <message>
        <source>%1 (missing)</source>
        <translation>%1 (não encontrado)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no longer there; it may have been moved or deleted.

Remove it from the recent files?</source>
        <translation>&quot;%1&quot; não existe mais; pode ter sido movido ou excluído.

Removê-lo dos arquivos recentes?</translation>
    </message>
    <message>
        <source>Remove from list</source>
        <translation>Remover da lista</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>About Cantorix2</source>
        <translation>Sobre o Cantorix2</translation>
    </message>
    <message>
        <source>Cantorix2 %1, by the %2

Searches a plain-text service log or hymnal, tallies how often each hymn was used, reports each hymn&apos;s use over a date range, and copies what it finds to the clipboard.

Licensed under the GNU General Public License, version 3 or later.

Homepage: %3
Sample files: %4</source>
        <extracomment>%1 the version, %2 the publisher, %3 a web address, %4 a folder</extracomment>
        <translation>Cantorix2 %1, por %2

Pesquisa um registro de cultos ou um hinário em texto simples, conta quantas vezes cada hino foi usado, relata o uso de cada hino num intervalo de datas e copia o que encontra para a área de transferência.

Licenciado sob a GNU General Public License, versão 3 ou posterior.

Página inicial: %3
Arquivos de exemplo: %4</translation>
    </message>
    <message>
        <source>Open in Text Editor</source>
        <translation>Abrir no editor de texto</translation>
    </message>
    <message>
        <source>No program was found to open &quot;%1&quot; with.</source>
        <translation>Nenhum programa foi encontrado para abrir &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Add Service</source>
        <translation>Adicionar culto</translation>
    </message>
    <message>
        <source>Load a service log first: a service is added to the log loaded.</source>
        <translation>Carregue primeiro um registro de cultos: o culto é adicionado ao registro carregado.</translation>
    </message>
    <message>
        <source>The service has no hymns yet: add at least one line.</source>
        <translation>O culto ainda não tem hinos: adicione pelo menos uma linha.</translation>
    </message>
    <message>
        <source>Reload it now? The service stays in the dialog, to be added to the file as it is now.</source>
        <translation>Recarregar agora? O culto fica na caixa de diálogo, para ser adicionado ao arquivo como ele está agora.</translation>
    </message>
</context>
<context>
    <name>Panes</name>
    <message numerus="yes">
        <source>%n item(s) copied</source>
        <extracomment>The message after a right click put rows of an output list on the clipboard.</extracomment>
        <translation>
            <numerusform>%n item copiado</numerusform>
            <numerusform>%n itens copiados</numerusform>
        </translation>
    </message>
    <message>
        <source>Song titles</source>
        <extracomment>The title of the message after the list of a hymnal&apos;s titles was copied.</extracomment>
        <translation>Títulos dos hinos</translation>
    </message>
    <message>
        <source>Dates used</source>
        <extracomment>The title of the message after the list of a log&apos;s service dates was copied.</extracomment>
        <translation>Datas de uso</translation>
    </message>
    <message>
        <source>Limit copy to Verse #:</source>
        <extracomment>The question before a copy of hymns&apos; lines: which verse of each hymn to copy (&quot;#&quot;: number).</extracomment>
        <translation>Limitar cópia à estrofe nº:</translation>
    </message>
    <message>
        <source>Select verse # (0 = credits only; ^ = references )</source>
        <extracomment>The title of that question: 0 copies the hymns&apos; credits only, &quot;^&quot; (typed as it is) their scripture references. &quot;#&quot;: number.</extracomment>
        <translation>Selecione a estrofe nº (0 = só créditos; ^ = referências )</translation>
    </message>
    <message>
        <source>Select verse # (0 = credits only)</source>
        <extracomment>The title of that question: 0 copies the hymns&apos; credits only. &quot;#&quot;: number.</extracomment>
        <translation>Selecione a estrofe nº (0 = só créditos)</translation>
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
            <numerusform>%1 +  %n contagem</numerusform>
            <numerusform>%1 +  %n contagens</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 +  %n date(s)</source>
        <extracomment>%1 is the &quot;… item(s) copied&quot; message; the services&apos; dates were copied too, as headings. The two blanks after &quot;+&quot; are kept.</extracomment>
        <translation>
            <numerusform>%1 +  %n data</numerusform>
            <numerusform>%1 +  %n datas</numerusform>
        </translation>
    </message>
    <message>
        <source>Verse lines</source>
        <extracomment>The title of the message after the hymns&apos; lines were copied.</extracomment>
        <translation>Linhas das estrofes</translation>
    </message>
    <message>
        <source>- only &apos;Exclude&apos; terms are case sensitive</source>
        <extracomment>A tip in the help message: the boxes captioned &quot;exclude title:&quot;, &quot;exclude phrase:&quot; and &quot;exclude hymn:&quot;.</extracomment>
        <translation>- somente os termos de &apos;Excluir&apos; diferenciam maiúsculas de minúsculas</translation>
    </message>
    <message>
        <source>- either &gt; or &lt; may be used in date or year box</source>
        <extracomment>A tip in the help message: &quot;&gt; 1990&quot; or &quot;&lt; 2000&quot; typed in the date or year box.</extracomment>
        <translation>- pode-se usar &gt; ou &lt; na caixa de data ou de ano</translation>
    </message>
    <message>
        <source>- R click on an output box will copy box contents to clipboard</source>
        <extracomment>A tip in the help message: &quot;R click&quot; is a click of the right mouse button.</extracomment>
        <translation>- clique direito numa caixa de resultado copia o conteúdo dela para a área de transferência</translation>
    </message>
    <message>
        <source>- L click in either output box will re-synchronize both boxes</source>
        <extracomment>A tip in the help message: &quot;L click&quot; is a click of the left mouse button.</extracomment>
        <translation>- clique esquerdo em qualquer caixa de resultado ressincroniza as duas caixas</translation>
    </message>
    <message>
        <source>- to select from directory box, double click your selection</source>
        <extracomment>A tip in the help message: the directory box lists the folders.</extracomment>
        <translation>- para selecionar na caixa de pastas, dê um clique duplo na sua seleção</translation>
    </message>
    <message>
        <source>Cantorix2 ver %1</source>
        <extracomment>The help message&apos;s title: &quot;ver&quot; is short for version; %1 is the version number (2.9.7).</extracomment>
        <translation>Cantorix2 ver. %1</translation>
    </message>
    <message>
        <source>Cantorix2 team, 2026</source>
        <extracomment>The help message&apos;s copyright line, after &quot;©&quot;.</extracomment>
        <translation>Equipe Cantorix2, 2026</translation>
    </message>
</context>
<context>
    <name>Plan</name>
    <message>
        <source>Row %1: %2</source>
        <extracomment>A row of an imported table that was left out, or only partly read: &quot;Row 12: no readings&quot;.</extracomment>
        <translation>Linha %1: %2</translation>
    </message>
    <message>
        <source>no day&apos;s name</source>
        <translation>sem nome do dia</translation>
    </message>
    <message>
        <source>“%1” is not a day of the church year</source>
        <translation>“%1” não é um dia do ano litúrgico</translation>
    </message>
    <message>
        <source>“%1” is not a year letter (A, B or C)</source>
        <translation>“%1” não é uma letra de ano (A, B ou C)</translation>
    </message>
    <message>
        <source>no readings</source>
        <translation>sem leituras</translation>
    </message>
    <message>
        <source>a “#” in the readings would begin a comment in Lectionary.txt</source>
        <translation>um “#” nas leituras iniciaria um comentário em Lectionary.txt</translation>
    </message>
    <message>
        <source>%1 is in row %2 already</source>
        <extracomment>%1 is a day and year (&quot;Advent 3 B&quot;), %2 the row that gave it first.</extracomment>
        <translation>%1 já está na linha %2</translation>
    </message>
    <message numerus="yes">
        <source>No hymn fits all three; %n hold(s) the phrase and the meter</source>
        <translation>
            <numerusform>Nenhum hino atende aos três critérios; %n contém a frase e a métrica</numerusform>
            <numerusform>Nenhum hino atende aos três critérios; %n contêm a frase e a métrica</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>No hymn fits both; %n hold(s) the phrase</source>
        <translation>
            <numerusform>Nenhum hino atende aos dois critérios; %n contém a frase</numerusform>
            <numerusform>Nenhum hino atende aos dois critérios; %n contêm a frase</numerusform>
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
        <translation>refrão: %1</translation>
    </message>
    <message>
        <source>verse %1: %2</source>
        <extracomment>Why a hymn is suggested: %1 is the verse&apos;s number, %2 the part of the verse that holds the phrase.</extracomment>
        <translation>estrofe %1: %2</translation>
    </message>
    <message>
        <source>verse: %1</source>
        <extracomment>Why a hymn is suggested: %1 is the part of a verse without a number that holds the phrase.</extracomment>
        <translation>estrofe: %1</translation>
    </message>
    <message>
        <source>meter %1</source>
        <extracomment>Why a hymn is suggested: its meter is the one asked for; %1 is the meter as numbers, &quot;8.6.8.6&quot;.</extracomment>
        <translation>métrica %1</translation>
    </message>
    <message>
        <source>Type readings, a phrase or a meter to see suggestions.</source>
        <translation>Digite leituras, uma frase ou uma métrica para ver sugestões.</translation>
    </message>
    <message>
        <source>Load a hymnal to see suggestions.</source>
        <translation>Carregue um hinário para ver sugestões.</translation>
    </message>
    <message>
        <source>The loaded file is a service log; suggestions need a hymnal.</source>
        <translation>O arquivo carregado é um registro de cultos; as sugestões precisam de um hinário.</translation>
    </message>
    <message>
        <source>Could not read the meter &quot;%1&quot;.</source>
        <translation>Não foi possível ler a métrica &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Hymn #</source>
        <extracomment>A column heading of the suggested hymns: the hymn&apos;s number (&quot;#&quot;: number).</extracomment>
        <translation>Hino nº</translation>
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
        <translation>Última vez</translation>
    </message>
    <message>
        <source>Days since</source>
        <extracomment>A column heading of the suggested hymns: the days since the hymn was last sung.</extracomment>
        <translation>Dias desde</translation>
    </message>
    <message>
        <source>new</source>
        <extracomment>The last sung date of a suggested hymn the log never used.</extracomment>
        <translation>novo</translation>
    </message>
    <message numerus="yes">
        <source>Could not read the reference(s) %1.</source>
        <extracomment>Under Suggest Hymns&apos; readings: %1 is the pieces not read, each in quotes, separated by commas.</extracomment>
        <translation>
            <numerusform>Não foi possível ler a referência %1.</numerusform>
            <numerusform>Não foi possível ler as referências %1.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Platform</name>
    <message>
        <source>error %1</source>
        <extracomment>In place of the system&apos;s reason for a failure, when it has none: %1 is the system&apos;s error code.</extracomment>
        <translation>erro %1</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>Hymns joined by number: 14, 014 and #14 are one hymn</source>
        <translation>Hinos agrupados pelo número: 14, 014 e #14 são um só hino</translation>
    </message>
    <message>
        <source>No service is dated up to today</source>
        <translation>Nenhum culto tem data até hoje</translation>
    </message>
    <message>
        <source>Counted from %1, the latest service up to today</source>
        <translation>Contado a partir de %1, o último culto até hoje</translation>
    </message>
    <message>
        <source>Counted from %1, the latest service</source>
        <translation>Contado a partir de %1, o último culto</translation>
    </message>
    <message numerus="yes">
        <source>%n planned service(s) after today is/are not counted</source>
        <translation>
            <numerusform>%n culto planejado depois de hoje não é contado</numerusform>
            <numerusform>%n cultos planejados depois de hoje não são contados</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n planned service(s) after today is/are counted</source>
        <translation>
            <numerusform>%n culto planejado depois de hoje é contado</numerusform>
            <numerusform>%n cultos planejados depois de hoje são contados</numerusform>
        </translation>
    </message>
    <message>
        <source>The head line “%1” is dated more than a year after today: check its year</source>
        <translation>A linha de cabeçalho “%1” tem data mais de um ano depois de hoje: verifique o ano</translation>
    </message>
    <message>
        <source>hymn-usage</source>
        <extracomment>The file name offered for the usage report&apos;s exports, without its suffix (.csv, .pdf, .png).</extracomment>
        <translation>uso-de-hinos</translation>
    </message>
    <message>
        <source>hymn-usage %1 to %2</source>
        <extracomment>The file name offered for the usage report&apos;s exports, without its suffix: %1 and %2 are the range&apos;s dates.</extracomment>
        <translation>uso-de-hinos %1 a %2</translation>
    </message>
    <message>
        <source>Counted from %1, the latest service — after today: check the head line “%2”</source>
        <extracomment>%1 is the latest service&apos;s date, %2 its head line as the log writes it.</extracomment>
        <translation>Contado a partir de %1, o último culto — depois de hoje: verifique a linha de cabeçalho “%2”</translation>
    </message>
    <message>
        <source>Jan %1</source>
        <extracomment>A month&apos;s label on the usage chart: %1 is the year (&quot;Jan 2019&quot;).</extracomment>
        <translation>jan. %1</translation>
    </message>
    <message>
        <source>Feb %1</source>
        <translation>fev. %1</translation>
    </message>
    <message>
        <source>Mar %1</source>
        <translation>mar. %1</translation>
    </message>
    <message>
        <source>Apr %1</source>
        <translation>abr. %1</translation>
    </message>
    <message>
        <source>May %1</source>
        <translation>maio %1</translation>
    </message>
    <message>
        <source>Jun %1</source>
        <translation>jun. %1</translation>
    </message>
    <message>
        <source>Jul %1</source>
        <translation>jul. %1</translation>
    </message>
    <message>
        <source>Aug %1</source>
        <translation>ago. %1</translation>
    </message>
    <message>
        <source>Sep %1</source>
        <translation>set. %1</translation>
    </message>
    <message>
        <source>Oct %1</source>
        <translation>out. %1</translation>
    </message>
    <message>
        <source>Nov %1</source>
        <translation>nov. %1</translation>
    </message>
    <message>
        <source>Dec %1</source>
        <translation>dez. %1</translation>
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
        <translation>%1: nenhum culto com data neste intervalo</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>Read to a screen reader: %1 is the chart&apos;s title, %2 each period with its uses.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>No dated services in this range</source>
        <translation>Nenhum culto com data neste intervalo</translation>
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
        <translation>Salvo: %1</translation>
    </message>
    <message numerus="yes">
        <source>Printed the report: %n page(s)</source>
        <translation>
            <numerusform>Relatório impresso: %n página</numerusform>
            <numerusform>Relatório impresso: %n páginas</numerusform>
        </translation>
    </message>
    <message>
        <source>The folder “%1” has a name the file dialog cannot pass on, so nothing was written. Choose another folder, or the folder of the loaded file.</source>
        <translation>A pasta “%1” tem um nome que a caixa de diálogo de arquivos não consegue repassar, por isso nada foi gravado. Escolha outra pasta, ou a pasta do arquivo carregado.</translation>
    </message>
    <message>
        <source>“%1” already exists.
Do you want to replace it?</source>
        <translation>“%1” já existe.
Deseja substituí-lo?</translation>
    </message>
    <message>
        <source>The report could not be written to “%1”:
%2

Nothing was changed there.</source>
        <extracomment>%1 is the file&apos;s path, %2 the system&apos;s reason.</extracomment>
        <translation>Não foi possível gravar o relatório em “%1”:
%2

Nada foi alterado lá.</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>Exportar CSV</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <extracomment>The save dialog&apos;s file types: the patterns in brackets stay as they are.</extracomment>
        <translation>Arquivos CSV (*.csv);;Todos os arquivos (*)</translation>
    </message>
    <message>
        <source>Hymn usage</source>
        <extracomment>The printed report&apos;s title; %1 is the log&apos;s file name.</extracomment>
        <translation>Uso de hinos</translation>
    </message>
    <message>
        <source>Hymn usage: %1</source>
        <translation>Uso de hinos: %1</translation>
    </message>
    <message>
        <source>Export PDF</source>
        <translation>Exportar PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf);;All files (*)</source>
        <extracomment>The save dialog&apos;s file types: the patterns in brackets stay as they are.</extracomment>
        <translation>Arquivos PDF (*.pdf);;Todos os arquivos (*)</translation>
    </message>
    <message>
        <source>Making the PDF…</source>
        <translation>Gerando o PDF…</translation>
    </message>
    <message>
        <source>The PDF could not be made. Nothing was written.</source>
        <translation>Não foi possível gerar o PDF. Nada foi gravado.</translation>
    </message>
    <message>
        <source>Print Usage Report</source>
        <translation>Imprimir relatório de uso</translation>
    </message>
    <message>
        <source>Print</source>
        <extracomment>The title of the progress window and of the message when printing fails.</extracomment>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Printing the report…</source>
        <translation>Imprimindo o relatório…</translation>
    </message>
    <message>
        <source>The report could not be printed.</source>
        <translation>Não foi possível imprimir o relatório.</translation>
    </message>
    <message>
        <source>%1 hymns: %2</source>
        <extracomment>A chart picture&apos;s second title line: %1 is how many hymns are selected (two or more), %2 their names.</extracomment>
        <translation>%1 hinos: %2</translation>
    </message>
    <message>
        <source>Save Chart</source>
        <translation>Salvar gráfico</translation>
    </message>
    <message>
        <source>PNG images (*.png);;All files (*)</source>
        <extracomment>The save dialog&apos;s file types: the patterns in brackets stay as they are.</extracomment>
        <translation>Imagens PNG (*.png);;Todos os arquivos (*)</translation>
    </message>
    <message>
        <source>The chart could not be made into a PNG image. Nothing was written.</source>
        <translation>Não foi possível transformar o gráfico numa imagem PNG. Nada foi gravado.</translation>
    </message>
</context>
<context>
    <name>ReportModel</name>
    <message>
        <source>Days from the last use to the latest service counted</source>
        <translation>Dias do último uso até o último culto contado</translation>
    </message>
    <message>
        <source>Credits</source>
        <translation>Créditos</translation>
    </message>
    <message>
        <source>Hymn #</source>
        <extracomment>The usage report&apos;s column of hymn numbers, also the heading of its copies and CSV.</extracomment>
        <translation>Hino nº</translation>
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
        <translation>Primeiro uso</translation>
    </message>
    <message>
        <source>Last used</source>
        <translation>Último uso</translation>
    </message>
    <message>
        <source>Days since</source>
        <extracomment>The usage report&apos;s column of days from a hymn&apos;s last use to the latest service.</extracomment>
        <translation>Dias desde</translation>
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
        <translation>Ano litúrgico anterior</translation>
    </message>
    <message>
        <source>Previous calendar year</source>
        <translation>Ano civil anterior</translation>
    </message>
    <message>
        <source>The range of services to count, taken back from the latest service held, or from today for the previous years</source>
        <translation>O intervalo de cultos a contar, a partir do último culto realizado, ou a partir de hoje para os anos anteriores</translation>
    </message>
    <message>
        <source>Count pla&amp;nned services</source>
        <translation>Co&amp;ntar cultos planejados</translation>
    </message>
    <message>
        <source>Count the services dated after today too, as if they had been held</source>
        <translation>Contar também os cultos com data depois de hoje, como se já tivessem sido realizados</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Todos</translation>
    </message>
    <message>
        <source>Latest year</source>
        <translation>Ano mais recente</translation>
    </message>
    <message>
        <source>Year before</source>
        <translation>Ano anterior</translation>
    </message>
    <message>
        <source>Last 12 months</source>
        <translation>Últimos 12 meses</translation>
    </message>
    <message>
        <source>Church year</source>
        <translation>Ano litúrgico</translation>
    </message>
    <message>
        <source>Season</source>
        <translation>Tempo litúrgico</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personalizado</translation>
    </message>
    <message>
        <source>Usage Report</source>
        <translation>Relatório de uso</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>Intervalo</translation>
    </message>
    <message>
        <source>From</source>
        <translation>De</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Até</translation>
    </message>
    <message>
        <source>open</source>
        <extracomment>Beside a date of the range: the range has no end there, it counts from the file&apos;s first service or to its last.</extracomment>
        <translation>aberto</translation>
    </message>
    <message>
        <source>Count from the first service of the file</source>
        <translation>Contar desde o primeiro culto do arquivo</translation>
    </message>
    <message>
        <source>From: open</source>
        <translation>De: aberto</translation>
    </message>
    <message>
        <source>Count to the last service of the file</source>
        <translation>Contar até o último culto do arquivo</translation>
    </message>
    <message>
        <source>To: open</source>
        <translation>Até: aberto</translation>
    </message>
    <message>
        <source>Count a hymn &amp;once per service</source>
        <translation>Contar um hino &amp;uma vez por culto</translation>
    </message>
    <message>
        <source>&amp;Range:</source>
        <translation>In&amp;tervalo:</translation>
    </message>
    <message>
        <source>&amp;From</source>
        <translation>&amp;De</translation>
    </message>
    <message>
        <source>&amp;to</source>
        <extracomment>Between the range&apos;s two dates: &quot;From [date] to [date]&quot;.</extracomment>
        <translation>&amp;até</translation>
    </message>
    <message>
        <source>Filter by hymn number or title</source>
        <translation>Filtrar por número ou título do hino</translation>
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
        <translation>D&amp;ecrescente</translation>
    </message>
    <message>
        <source>Hymns and their uses</source>
        <translation>Hinos e seus usos</translation>
    </message>
    <message>
        <source>Save as PNG…</source>
        <translation>Salvar como PNG…</translation>
    </message>
    <message>
        <source>Table and chart</source>
        <translation>Tabela e gráfico</translation>
    </message>
    <message>
        <source>Divider between the table and the chart</source>
        <translation>Divisória entre a tabela e o gráfico</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Copy the selected rows, or all rows, for a spreadsheet (%1)</source>
        <extracomment>%1 is the copy&apos;s shortcut (Ctrl+C).</extracomment>
        <translation>Copiar as linhas selecionadas, ou todas as linhas, para uma planilha (%1)</translation>
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
        <translation>Salvar &amp;gráfico…</translation>
    </message>
    <message>
        <source>Save the chart as a PNG picture</source>
        <translation>Salvar o gráfico como imagem PNG</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>Fec&amp;har</translation>
    </message>
    <message>
        <source>Usage Report — %1</source>
        <translation>Relatório de uso — %1</translation>
    </message>
    <message>
        <source>%1 + %2 more</source>
        <extracomment>The chart&apos;s hymns when more than three are selected: %1 is the first three names, %2 how many more.</extracomment>
        <translation>%1 + mais %2</translation>
    </message>
    <message>
        <source>Hymns matching “%1” (%2)</source>
        <extracomment>The chart&apos;s hymns: %1 is the filter&apos;s text, %2 how many rows it leaves.</extracomment>
        <translation>Hinos que correspondem a “%1” (%2)</translation>
    </message>
    <message>
        <source>All hymns</source>
        <translation>Todos os hinos</translation>
    </message>
    <message>
        <source>Uses per year, %1
%2</source>
        <extracomment>The chart&apos;s title on two lines: %1 is the range (&quot;2019-01-01 to 2019-12-31&quot;), %2 the hymns charted.</extracomment>
        <translation>Usos por ano, %1
%2</translation>
    </message>
    <message>
        <source>Uses per month, %1
%2</source>
        <translation>Usos por mês, %1
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
            <numerusform>%Ln hino</numerusform>
            <numerusform>%Ln hinos</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2 (%3 shown)</source>
        <extracomment>The report&apos;s counts when the filter hides rows: %1 the services, %2 the hymns, %3 the rows shown.</extracomment>
        <translation>%1, %2 (%3 exibidos)</translation>
    </message>
    <message>
        <source>From is after To: nothing is counted.</source>
        <translation>De é posterior a Até: nada é contado.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln service(s) has/have no date in its/their head line</source>
        <translation>
            <numerusform>%Ln culto não tem data na linha de cabeçalho</numerusform>
            <numerusform>%Ln cultos não têm data na linha de cabeçalho</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: counted in the table, not in the chart.</source>
        <extracomment>%1 says how many services have no date (&quot;3 services have no date in their head line&quot;).</extracomment>
        <translation>%1: contado(s) na tabela, não no gráfico.</translation>
    </message>
    <message>
        <source>%1: counted only under All.</source>
        <translation>%1: contado(s) somente em Todos.</translation>
    </message>
    <message>
        <source>all services</source>
        <translation>todos os cultos</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <extracomment>A range of dates: %1 and %2 are dates written 2019-01-01.</extracomment>
        <translation>%1 a %2</translation>
    </message>
    <message>
        <source>hymn # %1 (full # only)</source>
        <extracomment>The printed report&apos;s criteria: %1 is the hymn number searched for.</extracomment>
        <translation>hino nº %1 (somente o número exato)</translation>
    </message>
    <message>
        <source>hymn # %1</source>
        <translation>hino nº %1</translation>
    </message>
    <message>
        <source>title phrase “%1”</source>
        <translation>frase do título “%1”</translation>
    </message>
    <message>
        <source>excluding # %1</source>
        <translation>excluindo nº %1</translation>
    </message>
    <message>
        <source>excluding title “%1”</source>
        <translation>excluindo título “%1”</translation>
    </message>
    <message>
        <source>date limit %1</source>
        <extracomment>The printed report&apos;s criteria: %1 is the date limit as typed in the main window.</extracomment>
        <translation>limite de data %1</translation>
    </message>
    <message>
        <source>%1; a hymn counted once per service</source>
        <extracomment>A printed note: %1 is the counts (&quot;12 services, 30 hymns&quot;).</extracomment>
        <translation>%1; cada hino contado uma vez por culto</translation>
    </message>
    <message>
        <source>Criteria: %1</source>
        <extracomment>A printed note: %1 is the main window&apos;s search criteria.</extracomment>
        <translation>Critérios: %1</translation>
    </message>
    <message>
        <source>Rows matching “%1”</source>
        <extracomment>A printed note: %1 is the filter&apos;s text.</extracomment>
        <translation>Linhas que correspondem a “%1”</translation>
    </message>
    <message>
        <source>Chart of the selected hymn: %1</source>
        <translation>Gráfico do hino selecionado: %1</translation>
    </message>
    <message>
        <source>Chart of the %1 selected hymns: %2</source>
        <extracomment>A printed note: %1 is how many hymns are selected (two or more), %2 their names.</extracomment>
        <translation>Gráfico dos %1 hinos selecionados: %2</translation>
    </message>
</context>
<context>
    <name>SampleCopy</name>
    <message>
        <source>The folder “%1” could not be made: %2.</source>
        <extracomment>%1 is a folder&apos;s path, %2 the system&apos;s reason</extracomment>
        <translation>Não foi possível criar a pasta “%1”: %2.</translation>
    </message>
    <message>
        <source>“%1” could not be copied into “%2”: %3.</source>
        <extracomment>%1 is a sample file&apos;s name, %2 the folder&apos;s path, %3 the system&apos;s reason</extracomment>
        <translation>Não foi possível copiar “%1” para “%2”: %3.</translation>
    </message>
    <message>
        <source>%1 The samples are opened where they are installed, to be read only.</source>
        <extracomment>%1 says why the samples could not be copied</extracomment>
        <translation>%1 Os exemplos são abertos onde estão instalados, somente para leitura.</translation>
    </message>
    <message>
        <source>Sample files</source>
        <translation>Arquivos de exemplo</translation>
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
        <translation>O culto não tem mais nenhuma linha: adicione pelo menos uma ou retire o culto do registro com Excluir culto.</translation>
    </message>
    <message>
        <source>Remove Service</source>
        <translation>Excluir culto</translation>
    </message>
    <message>
        <source>Remove this service from &quot;%1&quot;?

%2

The log as it was is kept in a backup, and Edit &gt; Undo Last Change puts it back.</source>
        <translation>Excluir este culto de &quot;%1&quot;?

%2

O registro como estava é mantido numa cópia de segurança, e Editar &gt; Desfazer última alteração o restaura.</translation>
    </message>
    <message>
        <source>Close this dialog, reload the log (File &gt; Reload) and choose the service again.</source>
        <translation>Feche esta caixa de diálogo, recarregue o registro (Arquivo &gt; Recarregar) e escolha o culto novamente.</translation>
    </message>
    <message>
        <source>Undo Last Change</source>
        <translation>Desfazer última alteração</translation>
    </message>
    <message>
        <source>Load the service log whose last change is to be undone.</source>
        <translation>Carregue o registro de cultos cuja última alteração deve ser desfeita.</translation>
    </message>
    <message>
        <source>Undo the last change to &quot;%1&quot; (%2)?

The log is put back as it was before, from &quot;%3&quot;; the log as it is now is kept in a backup of its own.</source>
        <translation>Desfazer a última alteração em &quot;%1&quot; (%2)?

O registro volta a ser como era antes, a partir de &quot;%3&quot;; o registro como está agora é mantido numa cópia de segurança própria.</translation>
    </message>
    <message>
        <source>Print Hymn Board</source>
        <translation>Imprimir quadro de hinos</translation>
    </message>
    <message>
        <source>The service has no hymn numbers to put on the board.</source>
        <translation>O culto não tem números de hinos para pôr no quadro.</translation>
    </message>
    <message>
        <source>%1 — %2</source>
        <translation>%1 — %2</translation>
    </message>
    <message>
        <source>Hymn board %1.pdf</source>
        <translation>Quadro de hinos %1.pdf</translation>
    </message>
    <message>
        <source>Hymn board.pdf</source>
        <translation>Quadro de hinos.pdf</translation>
    </message>
    <message>
        <source>Copied for the bulletin: %1</source>
        <translation>Copiado para o boletim: %1</translation>
    </message>
</context>
<context>
    <name>Store</name>
    <message numerus="yes">
        <source>The file holds more than the %n entries the program can keep (line %1 would need one more); the entries before it were loaded.</source>
        <extracomment>%n is the most entries (hymns, services and their continuations) the program keeps, %1 a line number of the file.</extracomment>
        <translation>
            <numerusform>O arquivo contém mais do que a %n entrada que o programa consegue manter (a linha %1 precisaria de mais uma); as entradas anteriores a ela foram carregadas.</numerusform>
            <numerusform>O arquivo contém mais do que as %n entradas que o programa consegue manter (a linha %1 precisaria de mais uma); as entradas anteriores a ela foram carregadas.</numerusform>
        </translation>
    </message>
    <message>
        <source>&quot;%1&quot; is empty: it holds no hymns or services.</source>
        <translation>&quot;%1&quot; está vazio: não contém hinos nem cultos.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; grew past 64 MiB while it was read; it is not a hymn file, so nothing was loaded.</source>
        <translation>&quot;%1&quot; passou de 64 MiB durante a leitura; não é um arquivo de hinos, por isso nada foi carregado.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; was not found; it may have been moved or deleted.</source>
        <translation>O arquivo &quot;%1&quot; não foi encontrado; pode ter sido movido ou excluído.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a folder, not a hymn file.</source>
        <translation>&quot;%1&quot; é uma pasta, não um arquivo de hinos.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an ordinary file (a pipe or a device), so it was not read.</source>
        <translation>&quot;%1&quot; não é um arquivo comum (é um pipe ou um dispositivo), por isso não foi lido.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be opened (%2).</source>
        <extracomment>%2 is the system&apos;s own reason.</extracomment>
        <translation>Não foi possível abrir &quot;%1&quot; (%2).</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is %2 MiB; hymn files are far smaller than 64 MiB, so it was not read.</source>
        <extracomment>MiB: mebibytes (1024 × 1024 bytes).</extracomment>
        <translation>&quot;%1&quot; tem %2 MiB; arquivos de hinos são muito menores que 64 MiB, por isso não foi lido.</translation>
    </message>
    <message numerus="yes">
        <source>Reading &quot;%1&quot; failed after %n byte(s) (%2); the entries read before the failure were kept.</source>
        <extracomment>%2 is the system&apos;s own reason.</extracomment>
        <translation>
            <numerusform>A leitura de &quot;%1&quot; falhou após %n byte (%2); as entradas lidas antes da falha foram mantidas.</numerusform>
            <numerusform>A leitura de &quot;%1&quot; falhou após %n bytes (%2); as entradas lidas antes da falha foram mantidas.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n item(s) loaded - this is the program&apos;s maximum</source>
        <extracomment>The message when a file holds more entries than the program keeps: the first %n were loaded.</extracomment>
        <translation>
            <numerusform>%n item carregado - este é o máximo do programa</numerusform>
            <numerusform>%n itens carregados - este é o máximo do programa</numerusform>
        </translation>
    </message>
    <message>
        <source>Reading &quot;%1&quot; failed (%2).</source>
        <extracomment>%2 is the system&apos;s own reason.</extracomment>
        <translation>A leitura de &quot;%1&quot; falhou (%2).</translation>
    </message>
</context>
<context>
    <name>SuggestWindow</name>
    <message>
        <source>Suggest Hymns</source>
        <translation>Sugerir hinos</translation>
    </message>
    <message>
        <source>Date planned for</source>
        <translation>Data planejada</translation>
    </message>
    <message>
        <source>The day planned for: its readings come from Lectionary.txt beside the hymnal, and uses are counted up to it</source>
        <translation>O dia planejado: suas leituras vêm do Lectionary.txt ao lado do hinário, e os usos são contados até ele</translation>
    </message>
    <message>
        <source>Readings</source>
        <translation>Leituras</translation>
    </message>
    <message>
        <source>Isaiah 40:1-11; Mark 1:1-8</source>
        <extracomment>An example of references, as a planner of the language writes them; the book names must be ones the program reads in that language (&quot;Jes 40,1-11; Mk 1,1-8&quot;).</extracomment>
        <translation>Isaías 40:1-11; Marcos 1:1-8</translation>
    </message>
    <message>
        <source>Scripture references, separated by semicolons</source>
        <translation>Referências bíblicas, separadas por ponto e vírgula</translation>
    </message>
    <message>
        <source>Phrase</source>
        <translation>Frase</translation>
    </message>
    <message>
        <source>every word somewhere in the hymn</source>
        <translation>todas as palavras em algum lugar do hino</translation>
    </message>
    <message>
        <source>Words that must all occur in the title, a verse or a refrain, in any case</source>
        <translation>Palavras que devem aparecer todas no título, numa estrofe ou num refrão, sem diferenciar maiúsculas de minúsculas</translation>
    </message>
    <message>
        <source>Meter</source>
        <extracomment>The meter box&apos;s placeholder: C.M. and 8.7.8.7 D are meters as typed, kept as they are.</extracomment>
        <translation>Métrica</translation>
    </message>
    <message>
        <source>C.M. or 8.7.8.7 D</source>
        <translation>C.M. ou 8.7.8.7 D</translation>
    </message>
    <message>
        <source>A meter, as letters (C.M., L.M.D.) or syllable counts (8.7.8.7)</source>
        <translation>Uma métrica, em letras (C.M., L.M.D.) ou em número de sílabas (8.7.8.7)</translation>
    </message>
    <message>
        <source>Sort by</source>
        <translation>Ordenar por</translation>
    </message>
    <message>
        <source>Suggested order</source>
        <translation>Ordem sugerida</translation>
    </message>
    <message>
        <source>Suggested order: hymns sung often but not lately first, hymns never sung (new) last</source>
        <translation>Ordem sugerida: primeiro os hinos cantados com frequência mas não recentemente, por último os hinos nunca cantados (novo)</translation>
    </message>
    <message>
        <source>&amp;Descending</source>
        <translation>&amp;Decrescente</translation>
    </message>
    <message>
        <source>Descending</source>
        <translation>Decrescente</translation>
    </message>
    <message>
        <source>Da&amp;te:</source>
        <translation>Da&amp;ta:</translation>
    </message>
    <message>
        <source>&amp;Readings:</source>
        <translation>&amp;Leituras:</translation>
    </message>
    <message>
        <source>&amp;Phrase:</source>
        <translation>&amp;Frase:</translation>
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
        <translation>Hinos sugeridos</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>&amp;Add to Service</source>
        <translation>&amp;Adicionar ao culto</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Copy the selected rows, or all rows, for a spreadsheet (%1)</source>
        <extracomment>%1 is the copy&apos;s shortcut (Ctrl+C).</extracomment>
        <translation>Copiar as linhas selecionadas, ou todas as linhas, para uma planilha (%1)</translation>
    </message>
    <message>
        <source>Start a service with the selected hymns (%1)</source>
        <extracomment>%1 is the command&apos;s shortcut (Ctrl+Return).</extracomment>
        <translation>Começar um culto com os hinos selecionados (%1)</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>Fec&amp;har</translation>
    </message>
    <message>
        <source>Close (Esc)</source>
        <translation>Fechar (Esc)</translation>
    </message>
    <message>
        <source>No readings for %1 %2 in %3</source>
        <extracomment>%1 is the day&apos;s name in the church year, %2 the lectionary&apos;s year (A, B or C), %3 the file&apos;s name.</extracomment>
        <translation>Nenhuma leitura para %1 (ano %2) em %3</translation>
    </message>
    <message>
        <source>%1 could not be read: %2</source>
        <extracomment>%1 is the lectionary&apos;s file name, %2 why it could not be read.</extracomment>
        <translation>Não foi possível ler %1: %2</translation>
    </message>
    <message>
        <source>No hymn in the hymnal fits.</source>
        <translation>Nenhum hino do hinário atende aos critérios.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln hymn(s) suggested, uses counted up to %1.</source>
        <translation>
            <numerusform>%Ln hino sugerido, usos contados até %1.</numerusform>
            <numerusform>%Ln hinos sugeridos, usos contados até %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln hymn(s) suggested. Load a service log to see how often each was sung.</source>
        <translation>
            <numerusform>%Ln hino sugerido. Carregue um registro de cultos para ver quantas vezes cada um foi cantado.</numerusform>
            <numerusform>%Ln hinos sugeridos. Carregue um registro de cultos para ver quantas vezes cada um foi cantado.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>UserGuide</name>
    <message>
        <source>User Guide</source>
        <translation>Guia do usuário</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>%1 User Guide</source>
        <extracomment>%1 is the program&apos;s name</extracomment>
        <translation>Guia do usuário do %1</translation>
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
        <translation>%1 foi alterado por outro programa enquanto a importação era preparada, por isso nada foi gravado. Importe novamente para mesclar com ele como está agora.</translation>
    </message>
    <message>
        <source>The hymnal&apos;s folder “%1” cannot be written, so no lectionary can be imported: %2 goes beside the hymnal. Copy the hymnal to a folder you may write in, and set it there.</source>
        <translation>A pasta do hinário “%1” não permite gravação, por isso nenhum lecionário pode ser importado: %2 fica ao lado do hinário. Copie o hinário para uma pasta em que você possa gravar e defina-o lá.</translation>
    </message>
    <message>
        <source>%1 in “%2” is read-only, so no lectionary can be imported into it.</source>
        <translation>%1 em “%2” é somente leitura, por isso nenhum lecionário pode ser importado nele.</translation>
    </message>
    <message>
        <source>%1 in “%2” is not a file the program can write, so no lectionary can be imported.</source>
        <translation>%1 em “%2” não é um arquivo que o programa possa gravar, por isso nenhum lecionário pode ser importado.</translation>
    </message>
    <message>
        <source>%1 is being written by another copy of Cantorix2, so nothing was written. Try again in a moment.</source>
        <translation>%1 está sendo gravado por outra cópia do Cantorix2, por isso nada foi gravado. Tente novamente daqui a pouco.</translation>
    </message>
    <message>
        <source>%1 could not be written: %2. The file is as it was.</source>
        <translation>Não foi possível gravar %1: %2. O arquivo está como estava.</translation>
    </message>
</context>
</TS>
