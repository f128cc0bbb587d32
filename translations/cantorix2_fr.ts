<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>AccessibleParts</name>
    <message>
        <source>Clear %1</source>
        <extracomment>a screen reader&apos;s name for the button that empties a box; %1 is the box&apos;s name</extracomment>
        <translation>Effacer %1</translation>
    </message>
    <message>
        <source>%1 choices</source>
        <extracomment>a screen reader&apos;s name for the list a drop-down opens; %1 is the drop-down&apos;s name</extracomment>
        <translation>%1 (choix)</translation>
    </message>
</context>
<context>
    <name>AddServiceDialog</name>
    <message>
        <source>Print Hymn &amp;Board…</source>
        <translation>Im&amp;primer le tableau des cantiques…</translation>
    </message>
    <message>
        <source>&amp;Copy for Bulletin</source>
        <translation>&amp;Copier pour la feuille de culte</translation>
    </message>
    <message>
        <source>Remove &amp;Service</source>
        <translation>&amp;Supprimer le culte</translation>
    </message>
    <message>
        <source>The service&apos;s hymn numbers in large figures, a page for the hymn board</source>
        <translation>Les numéros des cantiques du culte en grands chiffres, une page pour le tableau des cantiques</translation>
    </message>
    <message>
        <source>The service&apos;s date and hymns to the clipboard, for the bulletin</source>
        <translation>La date et les cantiques du culte dans le presse-papiers, pour la feuille de culte</translation>
    </message>
    <message>
        <source>Edit Service</source>
        <translation>Modifier le culte</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Write the service in place of the one in the log</source>
        <translation>Enregistrer le culte à la place de celui du journal</translation>
    </message>
    <message>
        <source>Discard the changes to this service? The log keeps the service as it was.</source>
        <translation>Abandonner les modifications de ce culte&#xa0;? Le journal garde le culte tel qu’il était.</translation>
    </message>
    <message>
        <source>Add &amp;Row</source>
        <translation>&amp;Ajouter une ligne</translation>
    </message>
    <message>
        <source>Re&amp;move Row</source>
        <translation>Supprimer la &amp;ligne</translation>
    </message>
    <message>
        <source>Move &amp;Up</source>
        <translation>Vers le &amp;haut</translation>
    </message>
    <message>
        <source>Move &amp;Down</source>
        <translation>Vers le &amp;bas</translation>
    </message>
    <message>
        <source>Su&amp;ggest Hymns…</source>
        <translation>Su&amp;ggérer des cantiques…</translation>
    </message>
    <message>
        <source>Add Service</source>
        <translation>Ajouter un culte</translation>
    </message>
    <message>
        <source>Easter, Advent 3 … (may be left empty)</source>
        <translation>Pâques, 3e dimanche de l’Avent … (peut rester vide)</translation>
    </message>
    <message>
        <source>Day of the church year</source>
        <translation>Jour de l’année liturgique</translation>
    </message>
    <message>
        <source>Da&amp;te:</source>
        <translation>&amp;Date&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Occasion:</source>
        <translation>Ci&amp;rconstance&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Hymns:</source>
        <translation>Ca&amp;ntiques&#xa0;:</translation>
    </message>
    <message>
        <source>Mark hymns sung &amp;within</source>
        <translation>Signaler les cantiques chantés il y a &amp;moins de</translation>
    </message>
    <message>
        <source>Service date</source>
        <translation>Date du culte</translation>
    </message>
    <message>
        <source>Occasion</source>
        <translation>Circonstance</translation>
    </message>
    <message>
        <source>Mark hymns sung within this many weeks</source>
        <translation>Signaler les cantiques chantés il y a moins de ce nombre de semaines</translation>
    </message>
    <message>
        <source>weeks</source>
        <translation>semaines</translation>
    </message>
    <message>
        <source>Hymns for this day&apos;s readings from the hymnal (Alt+G)</source>
        <translation>Des cantiques du recueil pour les lectures de ce jour (Alt+G)</translation>
    </message>
    <message>
        <source>Set a hymnal first, with File &gt; Set Hymnal…</source>
        <translation>Choisissez d’abord un recueil, avec Fichier &gt; Choisir le recueil…</translation>
    </message>
    <message>
        <source>Discard this service? What was typed in it is not added to the log.</source>
        <translation>Abandonner ce culte&#xa0;? Ce qui y a été saisi n’est pas ajouté au journal.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>Calendar</name>
    <message>
        <source>Not named: before the Gregorian church year (Advent 1582)</source>
        <translation>Sans nom&#xa0;: avant l’année liturgique grégorienne (Avent 1582)</translation>
    </message>
    <message>
        <source>%1 · Year %2 · %3</source>
        <extracomment>The day line of a Roman Rite weekday in Ordinary Time: %1 the day&apos;s name, %2 the Sunday cycle (A, B or C), %3 the weekday cycle (I or II).</extracomment>
        <translation>%1 · Année %2 · %3</translation>
    </message>
    <message>
        <source>%1 · Year %2</source>
        <extracomment>The day line beside a date: %1 the day&apos;s name, %2 the lectionary&apos;s year (A, B or C).</extracomment>
        <translation>%1 · Année %2</translation>
    </message>
    <message>
        <source>Advent</source>
        <comment>season</comment>
        <translation>Avent</translation>
    </message>
    <message>
        <source>Christmas</source>
        <comment>season</comment>
        <translation>Temps de Noël</translation>
    </message>
    <message>
        <source>Epiphany</source>
        <comment>season</comment>
        <translation>Temps de l’Épiphanie</translation>
    </message>
    <message>
        <source>Lent</source>
        <comment>season</comment>
        <translation>Carême</translation>
    </message>
    <message>
        <source>Holy Week</source>
        <comment>season</comment>
        <translation>Semaine sainte</translation>
    </message>
    <message>
        <source>Easter</source>
        <comment>season</comment>
        <translation>Temps pascal</translation>
    </message>
    <message>
        <source>After Pentecost</source>
        <comment>season</comment>
        <translation>Temps après la Pentecôte</translation>
    </message>
    <message>
        <source>Ordinary Time</source>
        <comment>season</comment>
        <translation>Temps ordinaire</translation>
    </message>
    <message>
        <source>Advent 1</source>
        <translation>1er dimanche de l’Avent</translation>
    </message>
    <message>
        <source>Advent 2</source>
        <translation>2e dimanche de l’Avent</translation>
    </message>
    <message>
        <source>Advent 3</source>
        <translation>3e dimanche de l’Avent</translation>
    </message>
    <message>
        <source>Advent 4</source>
        <translation>4e dimanche de l’Avent</translation>
    </message>
    <message>
        <source>Christmas Eve</source>
        <translation>Veille de Noël</translation>
    </message>
    <message>
        <source>Christmas Day</source>
        <translation>Noël</translation>
    </message>
    <message>
        <source>Christmas 1</source>
        <translation>1er dimanche après Noël</translation>
    </message>
    <message>
        <source>Christmas 2</source>
        <translation>2e dimanche après Noël</translation>
    </message>
    <message>
        <source>Epiphany</source>
        <translation>Épiphanie</translation>
    </message>
    <message>
        <source>Baptism of the Lord</source>
        <translation>Baptême du Seigneur</translation>
    </message>
    <message>
        <source>Epiphany 2</source>
        <translation>2e dimanche après l’Épiphanie</translation>
    </message>
    <message>
        <source>Epiphany 3</source>
        <translation>3e dimanche après l’Épiphanie</translation>
    </message>
    <message>
        <source>Epiphany 4</source>
        <translation>4e dimanche après l’Épiphanie</translation>
    </message>
    <message>
        <source>Epiphany 5</source>
        <translation>5e dimanche après l’Épiphanie</translation>
    </message>
    <message>
        <source>Epiphany 6</source>
        <translation>6e dimanche après l’Épiphanie</translation>
    </message>
    <message>
        <source>Epiphany 7</source>
        <translation>7e dimanche après l’Épiphanie</translation>
    </message>
    <message>
        <source>Epiphany 8</source>
        <translation>8e dimanche après l’Épiphanie</translation>
    </message>
    <message>
        <source>Transfiguration</source>
        <translation>Transfiguration</translation>
    </message>
    <message>
        <source>Ash Wednesday</source>
        <translation>Mercredi des Cendres</translation>
    </message>
    <message>
        <source>Lent 1</source>
        <translation>1er dimanche de Carême</translation>
    </message>
    <message>
        <source>Lent 2</source>
        <translation>2e dimanche de Carême</translation>
    </message>
    <message>
        <source>Lent 3</source>
        <translation>3e dimanche de Carême</translation>
    </message>
    <message>
        <source>Lent 4</source>
        <translation>4e dimanche de Carême</translation>
    </message>
    <message>
        <source>Lent 5</source>
        <translation>5e dimanche de Carême</translation>
    </message>
    <message>
        <source>Palm Sunday</source>
        <translation>Dimanche des Rameaux</translation>
    </message>
    <message>
        <source>Maundy Thursday</source>
        <translation>Jeudi saint</translation>
    </message>
    <message>
        <source>Good Friday</source>
        <translation>Vendredi saint</translation>
    </message>
    <message>
        <source>Holy Saturday</source>
        <translation>Samedi saint</translation>
    </message>
    <message>
        <source>Easter Day</source>
        <translation>Pâques</translation>
    </message>
    <message>
        <source>Easter 2</source>
        <translation>2e dimanche de Pâques</translation>
    </message>
    <message>
        <source>Easter 3</source>
        <translation>3e dimanche de Pâques</translation>
    </message>
    <message>
        <source>Easter 4</source>
        <translation>4e dimanche de Pâques</translation>
    </message>
    <message>
        <source>Easter 5</source>
        <translation>5e dimanche de Pâques</translation>
    </message>
    <message>
        <source>Easter 6</source>
        <translation>6e dimanche de Pâques</translation>
    </message>
    <message>
        <source>Easter 7</source>
        <translation>7e dimanche de Pâques</translation>
    </message>
    <message>
        <source>Ascension</source>
        <translation>Ascension</translation>
    </message>
    <message>
        <source>Pentecost</source>
        <translation>Pentecôte</translation>
    </message>
    <message>
        <source>Trinity Sunday</source>
        <translation>Dimanche de la Trinité</translation>
    </message>
    <message>
        <source>Proper 1</source>
        <translation>Propre 1</translation>
    </message>
    <message>
        <source>Proper 2</source>
        <translation>Propre 2</translation>
    </message>
    <message>
        <source>Proper 3</source>
        <translation>Propre 3</translation>
    </message>
    <message>
        <source>Proper 4</source>
        <translation>Propre 4</translation>
    </message>
    <message>
        <source>Proper 5</source>
        <translation>Propre 5</translation>
    </message>
    <message>
        <source>Proper 6</source>
        <translation>Propre 6</translation>
    </message>
    <message>
        <source>Proper 7</source>
        <translation>Propre 7</translation>
    </message>
    <message>
        <source>Proper 8</source>
        <translation>Propre 8</translation>
    </message>
    <message>
        <source>Proper 9</source>
        <translation>Propre 9</translation>
    </message>
    <message>
        <source>Proper 10</source>
        <translation>Propre 10</translation>
    </message>
    <message>
        <source>Proper 11</source>
        <translation>Propre 11</translation>
    </message>
    <message>
        <source>Proper 12</source>
        <translation>Propre 12</translation>
    </message>
    <message>
        <source>Proper 13</source>
        <translation>Propre 13</translation>
    </message>
    <message>
        <source>Proper 14</source>
        <translation>Propre 14</translation>
    </message>
    <message>
        <source>Proper 15</source>
        <translation>Propre 15</translation>
    </message>
    <message>
        <source>Proper 16</source>
        <translation>Propre 16</translation>
    </message>
    <message>
        <source>Proper 17</source>
        <translation>Propre 17</translation>
    </message>
    <message>
        <source>Proper 18</source>
        <translation>Propre 18</translation>
    </message>
    <message>
        <source>Proper 19</source>
        <translation>Propre 19</translation>
    </message>
    <message>
        <source>Proper 20</source>
        <translation>Propre 20</translation>
    </message>
    <message>
        <source>Proper 21</source>
        <translation>Propre 21</translation>
    </message>
    <message>
        <source>Proper 22</source>
        <translation>Propre 22</translation>
    </message>
    <message>
        <source>Proper 23</source>
        <translation>Propre 23</translation>
    </message>
    <message>
        <source>Proper 24</source>
        <translation>Propre 24</translation>
    </message>
    <message>
        <source>Proper 25</source>
        <translation>Propre 25</translation>
    </message>
    <message>
        <source>Proper 26</source>
        <translation>Propre 26</translation>
    </message>
    <message>
        <source>Proper 27</source>
        <translation>Propre 27</translation>
    </message>
    <message>
        <source>Proper 28</source>
        <translation>Propre 28</translation>
    </message>
    <message>
        <source>Christ the King</source>
        <translation>Christ-Roi</translation>
    </message>
    <message>
        <source>All Saints</source>
        <translation>Toussaint</translation>
    </message>
    <message>
        <source>Pentecost 1</source>
        <translation>1er dimanche après la Pentecôte</translation>
    </message>
    <message>
        <source>Pentecost 2</source>
        <translation>2e dimanche après la Pentecôte</translation>
    </message>
    <message>
        <source>Pentecost 3</source>
        <translation>3e dimanche après la Pentecôte</translation>
    </message>
    <message>
        <source>Pentecost 4</source>
        <translation>4e dimanche après la Pentecôte</translation>
    </message>
    <message>
        <source>Pentecost 5</source>
        <translation>5e dimanche après la Pentecôte</translation>
    </message>
    <message>
        <source>Pentecost 6</source>
        <translation>6e dimanche après la Pentecôte</translation>
    </message>
    <message>
        <source>Pentecost 7</source>
        <translation>7e dimanche après la Pentecôte</translation>
    </message>
    <message>
        <source>Pentecost 8</source>
        <translation>8e dimanche après la Pentecôte</translation>
    </message>
    <message>
        <source>Pentecost 9</source>
        <translation>9e dimanche après la Pentecôte</translation>
    </message>
    <message>
        <source>Pentecost 10</source>
        <translation>10e dimanche après la Pentecôte</translation>
    </message>
    <message>
        <source>Pentecost 11</source>
        <translation>11e dimanche après la Pentecôte</translation>
    </message>
    <message>
        <source>Pentecost 12</source>
        <translation>12e dimanche après la Pentecôte</translation>
    </message>
    <message>
        <source>Pentecost 13</source>
        <translation>13e dimanche après la Pentecôte</translation>
    </message>
    <message>
        <source>Pentecost 14</source>
        <translation>14e dimanche après la Pentecôte</translation>
    </message>
    <message>
        <source>Pentecost 15</source>
        <translation>15e dimanche après la Pentecôte</translation>
    </message>
    <message>
        <source>Pentecost 16</source>
        <translation>16e dimanche après la Pentecôte</translation>
    </message>
    <message>
        <source>Pentecost 17</source>
        <translation>17e dimanche après la Pentecôte</translation>
    </message>
    <message>
        <source>Pentecost 18</source>
        <translation>18e dimanche après la Pentecôte</translation>
    </message>
    <message>
        <source>Pentecost 19</source>
        <translation>19e dimanche après la Pentecôte</translation>
    </message>
    <message>
        <source>Pentecost 20</source>
        <translation>20e dimanche après la Pentecôte</translation>
    </message>
    <message>
        <source>Pentecost 21</source>
        <translation>21e dimanche après la Pentecôte</translation>
    </message>
    <message>
        <source>Pentecost 22</source>
        <translation>22e dimanche après la Pentecôte</translation>
    </message>
    <message>
        <source>Pentecost 23</source>
        <translation>23e dimanche après la Pentecôte</translation>
    </message>
    <message>
        <source>Pentecost 24</source>
        <translation>24e dimanche après la Pentecôte</translation>
    </message>
    <message>
        <source>Pentecost 25</source>
        <translation>25e dimanche après la Pentecôte</translation>
    </message>
    <message>
        <source>Pentecost 26</source>
        <translation>26e dimanche après la Pentecôte</translation>
    </message>
    <message>
        <source>Pentecost 27</source>
        <translation>27e dimanche après la Pentecôte</translation>
    </message>
    <message>
        <source>Pentecost 28</source>
        <translation>28e dimanche après la Pentecôte</translation>
    </message>
    <message>
        <source>Ordinary Time 6</source>
        <translation>6e dimanche du temps ordinaire</translation>
    </message>
    <message>
        <source>Ordinary Time 7</source>
        <translation>7e dimanche du temps ordinaire</translation>
    </message>
    <message>
        <source>Ordinary Time 8</source>
        <translation>8e dimanche du temps ordinaire</translation>
    </message>
    <message>
        <source>Ordinary Time 9</source>
        <translation>9e dimanche du temps ordinaire</translation>
    </message>
    <message>
        <source>Ordinary Time 10</source>
        <translation>10e dimanche du temps ordinaire</translation>
    </message>
    <message>
        <source>Ordinary Time 11</source>
        <translation>11e dimanche du temps ordinaire</translation>
    </message>
    <message>
        <source>Ordinary Time 12</source>
        <translation>12e dimanche du temps ordinaire</translation>
    </message>
    <message>
        <source>Ordinary Time 13</source>
        <translation>13e dimanche du temps ordinaire</translation>
    </message>
    <message>
        <source>Ordinary Time 14</source>
        <translation>14e dimanche du temps ordinaire</translation>
    </message>
    <message>
        <source>Ordinary Time 15</source>
        <translation>15e dimanche du temps ordinaire</translation>
    </message>
    <message>
        <source>Ordinary Time 16</source>
        <translation>16e dimanche du temps ordinaire</translation>
    </message>
    <message>
        <source>Ordinary Time 17</source>
        <translation>17e dimanche du temps ordinaire</translation>
    </message>
    <message>
        <source>Ordinary Time 18</source>
        <translation>18e dimanche du temps ordinaire</translation>
    </message>
    <message>
        <source>Ordinary Time 19</source>
        <translation>19e dimanche du temps ordinaire</translation>
    </message>
    <message>
        <source>Ordinary Time 20</source>
        <translation>20e dimanche du temps ordinaire</translation>
    </message>
    <message>
        <source>Ordinary Time 21</source>
        <translation>21e dimanche du temps ordinaire</translation>
    </message>
    <message>
        <source>Ordinary Time 22</source>
        <translation>22e dimanche du temps ordinaire</translation>
    </message>
    <message>
        <source>Ordinary Time 23</source>
        <translation>23e dimanche du temps ordinaire</translation>
    </message>
    <message>
        <source>Ordinary Time 24</source>
        <translation>24e dimanche du temps ordinaire</translation>
    </message>
    <message>
        <source>Ordinary Time 25</source>
        <translation>25e dimanche du temps ordinaire</translation>
    </message>
    <message>
        <source>Ordinary Time 26</source>
        <translation>26e dimanche du temps ordinaire</translation>
    </message>
    <message>
        <source>Ordinary Time 27</source>
        <translation>27e dimanche du temps ordinaire</translation>
    </message>
    <message>
        <source>Ordinary Time 28</source>
        <translation>28e dimanche du temps ordinaire</translation>
    </message>
    <message>
        <source>Ordinary Time 29</source>
        <translation>29e dimanche du temps ordinaire</translation>
    </message>
    <message>
        <source>Ordinary Time 30</source>
        <translation>30e dimanche du temps ordinaire</translation>
    </message>
    <message>
        <source>Ordinary Time 31</source>
        <translation>31e dimanche du temps ordinaire</translation>
    </message>
    <message>
        <source>Ordinary Time 32</source>
        <translation>32e dimanche du temps ordinaire</translation>
    </message>
    <message>
        <source>Ordinary Time 33</source>
        <translation>33e dimanche du temps ordinaire</translation>
    </message>
    <message>
        <source>Trinity 1</source>
        <translation>1er dimanche après la Trinité</translation>
    </message>
    <message>
        <source>Trinity 2</source>
        <translation>2e dimanche après la Trinité</translation>
    </message>
    <message>
        <source>Trinity 3</source>
        <translation>3e dimanche après la Trinité</translation>
    </message>
    <message>
        <source>Trinity 4</source>
        <translation>4e dimanche après la Trinité</translation>
    </message>
    <message>
        <source>Trinity 5</source>
        <translation>5e dimanche après la Trinité</translation>
    </message>
    <message>
        <source>Trinity 6</source>
        <translation>6e dimanche après la Trinité</translation>
    </message>
    <message>
        <source>Trinity 7</source>
        <translation>7e dimanche après la Trinité</translation>
    </message>
    <message>
        <source>Trinity 8</source>
        <translation>8e dimanche après la Trinité</translation>
    </message>
    <message>
        <source>Trinity 9</source>
        <translation>9e dimanche après la Trinité</translation>
    </message>
    <message>
        <source>Trinity 10</source>
        <translation>10e dimanche après la Trinité</translation>
    </message>
    <message>
        <source>Trinity 11</source>
        <translation>11e dimanche après la Trinité</translation>
    </message>
    <message>
        <source>Trinity 12</source>
        <translation>12e dimanche après la Trinité</translation>
    </message>
    <message>
        <source>Trinity 13</source>
        <translation>13e dimanche après la Trinité</translation>
    </message>
    <message>
        <source>Trinity 14</source>
        <translation>14e dimanche après la Trinité</translation>
    </message>
    <message>
        <source>Trinity 15</source>
        <translation>15e dimanche après la Trinité</translation>
    </message>
    <message>
        <source>Trinity 16</source>
        <translation>16e dimanche après la Trinité</translation>
    </message>
    <message>
        <source>Trinity 17</source>
        <translation>17e dimanche après la Trinité</translation>
    </message>
    <message>
        <source>Trinity 18</source>
        <translation>18e dimanche après la Trinité</translation>
    </message>
    <message>
        <source>Trinity 19</source>
        <translation>19e dimanche après la Trinité</translation>
    </message>
    <message>
        <source>Trinity 20</source>
        <translation>20e dimanche après la Trinité</translation>
    </message>
    <message>
        <source>Trinity 21</source>
        <translation>21e dimanche après la Trinité</translation>
    </message>
    <message>
        <source>Trinity 22</source>
        <translation>22e dimanche après la Trinité</translation>
    </message>
    <message>
        <source>Trinity 23</source>
        <translation>23e dimanche après la Trinité</translation>
    </message>
    <message>
        <source>Trinity 24</source>
        <translation>24e dimanche après la Trinité</translation>
    </message>
    <message>
        <source>Trinity 25</source>
        <translation>25e dimanche après la Trinité</translation>
    </message>
    <message>
        <source>Trinity 26</source>
        <translation>26e dimanche après la Trinité</translation>
    </message>
    <message>
        <source>Trinity 27</source>
        <translation>27e dimanche après la Trinité</translation>
    </message>
    <message>
        <source>First Sunday of Advent</source>
        <translation>1er dimanche de l’Avent</translation>
    </message>
    <message>
        <source>Second Sunday of Advent</source>
        <translation>2e dimanche de l’Avent</translation>
    </message>
    <message>
        <source>Third Sunday of Advent</source>
        <translation>3e dimanche de l’Avent</translation>
    </message>
    <message>
        <source>Fourth Sunday of Advent</source>
        <translation>4e dimanche de l’Avent</translation>
    </message>
    <message>
        <source>The Immaculate Conception of the Blessed Virgin Mary</source>
        <translation>Immaculée Conception de la Vierge Marie</translation>
    </message>
    <message>
        <source>Vigil of the Nativity of the Lord</source>
        <translation>Nativité du Seigneur, messe de la veille</translation>
    </message>
    <message>
        <source>The Nativity of the Lord</source>
        <translation>Nativité du Seigneur</translation>
    </message>
    <message>
        <source>The Holy Family of Jesus, Mary and Joseph</source>
        <translation>Sainte Famille de Jésus, Marie et Joseph</translation>
    </message>
    <message>
        <source>Mary, the Holy Mother of God</source>
        <translation>Sainte Marie, Mère de Dieu</translation>
    </message>
    <message>
        <source>Second Sunday after the Nativity</source>
        <translation>2e dimanche après Noël</translation>
    </message>
    <message>
        <source>The Epiphany of the Lord</source>
        <translation>Épiphanie du Seigneur</translation>
    </message>
    <message>
        <source>The Baptism of the Lord</source>
        <translation>Baptême du Seigneur</translation>
    </message>
    <message>
        <source>Second Sunday in Ordinary Time</source>
        <translation>2e dimanche du Temps ordinaire</translation>
    </message>
    <message>
        <source>Third Sunday in Ordinary Time</source>
        <translation>3e dimanche du Temps ordinaire</translation>
    </message>
    <message>
        <source>Fourth Sunday in Ordinary Time</source>
        <translation>4e dimanche du Temps ordinaire</translation>
    </message>
    <message>
        <source>Fifth Sunday in Ordinary Time</source>
        <translation>5e dimanche du Temps ordinaire</translation>
    </message>
    <message>
        <source>Sixth Sunday in Ordinary Time</source>
        <translation>6e dimanche du Temps ordinaire</translation>
    </message>
    <message>
        <source>Seventh Sunday in Ordinary Time</source>
        <translation>7e dimanche du Temps ordinaire</translation>
    </message>
    <message>
        <source>Eighth Sunday in Ordinary Time</source>
        <translation>8e dimanche du Temps ordinaire</translation>
    </message>
    <message>
        <source>Ninth Sunday in Ordinary Time</source>
        <translation>9e dimanche du Temps ordinaire</translation>
    </message>
    <message>
        <source>Tenth Sunday in Ordinary Time</source>
        <translation>10e dimanche du Temps ordinaire</translation>
    </message>
    <message>
        <source>Eleventh Sunday in Ordinary Time</source>
        <translation>11e dimanche du Temps ordinaire</translation>
    </message>
    <message>
        <source>Twelfth Sunday in Ordinary Time</source>
        <translation>12e dimanche du Temps ordinaire</translation>
    </message>
    <message>
        <source>Thirteenth Sunday in Ordinary Time</source>
        <translation>13e dimanche du Temps ordinaire</translation>
    </message>
    <message>
        <source>Fourteenth Sunday in Ordinary Time</source>
        <translation>14e dimanche du Temps ordinaire</translation>
    </message>
    <message>
        <source>Fifteenth Sunday in Ordinary Time</source>
        <translation>15e dimanche du Temps ordinaire</translation>
    </message>
    <message>
        <source>Sixteenth Sunday in Ordinary Time</source>
        <translation>16e dimanche du Temps ordinaire</translation>
    </message>
    <message>
        <source>Seventeenth Sunday in Ordinary Time</source>
        <translation>17e dimanche du Temps ordinaire</translation>
    </message>
    <message>
        <source>Eighteenth Sunday in Ordinary Time</source>
        <translation>18e dimanche du Temps ordinaire</translation>
    </message>
    <message>
        <source>Nineteenth Sunday in Ordinary Time</source>
        <translation>19e dimanche du Temps ordinaire</translation>
    </message>
    <message>
        <source>Twentieth Sunday in Ordinary Time</source>
        <translation>20e dimanche du Temps ordinaire</translation>
    </message>
    <message>
        <source>Twenty-first Sunday in Ordinary Time</source>
        <translation>21e dimanche du Temps ordinaire</translation>
    </message>
    <message>
        <source>Twenty-second Sunday in Ordinary Time</source>
        <translation>22e dimanche du Temps ordinaire</translation>
    </message>
    <message>
        <source>Twenty-third Sunday in Ordinary Time</source>
        <translation>23e dimanche du Temps ordinaire</translation>
    </message>
    <message>
        <source>Twenty-fourth Sunday in Ordinary Time</source>
        <translation>24e dimanche du Temps ordinaire</translation>
    </message>
    <message>
        <source>Twenty-fifth Sunday in Ordinary Time</source>
        <translation>25e dimanche du Temps ordinaire</translation>
    </message>
    <message>
        <source>Twenty-sixth Sunday in Ordinary Time</source>
        <translation>26e dimanche du Temps ordinaire</translation>
    </message>
    <message>
        <source>Twenty-seventh Sunday in Ordinary Time</source>
        <translation>27e dimanche du Temps ordinaire</translation>
    </message>
    <message>
        <source>Twenty-eighth Sunday in Ordinary Time</source>
        <translation>28e dimanche du Temps ordinaire</translation>
    </message>
    <message>
        <source>Twenty-ninth Sunday in Ordinary Time</source>
        <translation>29e dimanche du Temps ordinaire</translation>
    </message>
    <message>
        <source>Thirtieth Sunday in Ordinary Time</source>
        <translation>30e dimanche du Temps ordinaire</translation>
    </message>
    <message>
        <source>Thirty-first Sunday in Ordinary Time</source>
        <translation>31e dimanche du Temps ordinaire</translation>
    </message>
    <message>
        <source>Thirty-second Sunday in Ordinary Time</source>
        <translation>32e dimanche du Temps ordinaire</translation>
    </message>
    <message>
        <source>Thirty-third Sunday in Ordinary Time</source>
        <translation>33e dimanche du Temps ordinaire</translation>
    </message>
    <message>
        <source>The Presentation of the Lord</source>
        <translation>Présentation du Seigneur au Temple</translation>
    </message>
    <message>
        <source>First Sunday of Lent</source>
        <translation>1er dimanche de Carême</translation>
    </message>
    <message>
        <source>Second Sunday of Lent</source>
        <translation>2e dimanche de Carême</translation>
    </message>
    <message>
        <source>Third Sunday of Lent</source>
        <translation>3e dimanche de Carême</translation>
    </message>
    <message>
        <source>Fourth Sunday of Lent</source>
        <translation>4e dimanche de Carême</translation>
    </message>
    <message>
        <source>Fifth Sunday of Lent</source>
        <translation>5e dimanche de Carême</translation>
    </message>
    <message>
        <source>Saint Joseph, Spouse of the Blessed Virgin Mary</source>
        <translation>Saint Joseph, époux de la Vierge Marie</translation>
    </message>
    <message>
        <source>The Annunciation of the Lord</source>
        <translation>Annonciation du Seigneur</translation>
    </message>
    <message>
        <source>Palm Sunday of the Passion of the Lord</source>
        <translation>Dimanche des Rameaux et de la Passion du Seigneur</translation>
    </message>
    <message>
        <source>Thursday of the Lord&apos;s Supper</source>
        <translation>Jeudi saint, la Cène du Seigneur</translation>
    </message>
    <message>
        <source>Friday of the Passion of the Lord</source>
        <translation>Vendredi saint, la Passion du Seigneur</translation>
    </message>
    <message>
        <source>Easter Sunday of the Resurrection of the Lord</source>
        <translation>Dimanche de Pâques, la Résurrection du Seigneur</translation>
    </message>
    <message>
        <source>Second Sunday of Easter</source>
        <translation>2e dimanche de Pâques</translation>
    </message>
    <message>
        <source>Third Sunday of Easter</source>
        <translation>3e dimanche de Pâques</translation>
    </message>
    <message>
        <source>Fourth Sunday of Easter</source>
        <translation>4e dimanche de Pâques</translation>
    </message>
    <message>
        <source>Fifth Sunday of Easter</source>
        <translation>5e dimanche de Pâques</translation>
    </message>
    <message>
        <source>Sixth Sunday of Easter</source>
        <translation>6e dimanche de Pâques</translation>
    </message>
    <message>
        <source>Seventh Sunday of Easter</source>
        <translation>7e dimanche de Pâques</translation>
    </message>
    <message>
        <source>The Ascension of the Lord</source>
        <translation>Ascension du Seigneur</translation>
    </message>
    <message>
        <source>Pentecost Sunday</source>
        <translation>Dimanche de la Pentecôte</translation>
    </message>
    <message>
        <source>The Most Holy Trinity</source>
        <translation>Sainte Trinité</translation>
    </message>
    <message>
        <source>The Most Holy Body and Blood of Christ</source>
        <translation>Saint-Sacrement du Corps et du Sang du Christ</translation>
    </message>
    <message>
        <source>The Most Sacred Heart of Jesus</source>
        <translation>Sacré-Cœur de Jésus</translation>
    </message>
    <message>
        <source>The Nativity of Saint John the Baptist</source>
        <translation>Nativité de saint Jean Baptiste</translation>
    </message>
    <message>
        <source>Saints Peter and Paul, Apostles</source>
        <translation>Saint Pierre et saint Paul, apôtres</translation>
    </message>
    <message>
        <source>The Transfiguration of the Lord</source>
        <translation>Transfiguration du Seigneur</translation>
    </message>
    <message>
        <source>The Assumption of the Blessed Virgin Mary</source>
        <translation>Assomption de la Vierge Marie</translation>
    </message>
    <message>
        <source>The Exaltation of the Holy Cross</source>
        <translation>La Croix glorieuse</translation>
    </message>
    <message>
        <source>The Commemoration of All the Faithful Departed</source>
        <translation>Commémoration de tous les fidèles défunts</translation>
    </message>
    <message>
        <source>The Dedication of the Lateran Basilica</source>
        <translation>Dédicace de la basilique du Latran</translation>
    </message>
    <message>
        <source>Our Lord Jesus Christ, King of the Universe</source>
        <translation>Notre Seigneur Jésus Christ, Roi de l’univers</translation>
    </message>
    <message>
        <source>First Week of Advent</source>
        <translation>1re semaine de l’Avent</translation>
    </message>
    <message>
        <source>Second Week of Advent</source>
        <translation>2e semaine de l’Avent</translation>
    </message>
    <message>
        <source>Third Week of Advent</source>
        <translation>3e semaine de l’Avent</translation>
    </message>
    <message>
        <source>Fourth Week of Advent</source>
        <translation>4e semaine de l’Avent</translation>
    </message>
    <message>
        <source>First Week of Lent</source>
        <translation>1re semaine de Carême</translation>
    </message>
    <message>
        <source>Second Week of Lent</source>
        <translation>2e semaine de Carême</translation>
    </message>
    <message>
        <source>Third Week of Lent</source>
        <translation>3e semaine de Carême</translation>
    </message>
    <message>
        <source>Fourth Week of Lent</source>
        <translation>4e semaine de Carême</translation>
    </message>
    <message>
        <source>Fifth Week of Lent</source>
        <translation>5e semaine de Carême</translation>
    </message>
    <message>
        <source>Second Week of Easter</source>
        <translation>2e semaine de Pâques</translation>
    </message>
    <message>
        <source>Third Week of Easter</source>
        <translation>3e semaine de Pâques</translation>
    </message>
    <message>
        <source>Fourth Week of Easter</source>
        <translation>4e semaine de Pâques</translation>
    </message>
    <message>
        <source>Fifth Week of Easter</source>
        <translation>5e semaine de Pâques</translation>
    </message>
    <message>
        <source>Sixth Week of Easter</source>
        <translation>6e semaine de Pâques</translation>
    </message>
    <message>
        <source>Seventh Week of Easter</source>
        <translation>7e semaine de Pâques</translation>
    </message>
    <message>
        <source>First Week in Ordinary Time</source>
        <translation>1re semaine du Temps ordinaire</translation>
    </message>
    <message>
        <source>Second Week in Ordinary Time</source>
        <translation>2e semaine du Temps ordinaire</translation>
    </message>
    <message>
        <source>Third Week in Ordinary Time</source>
        <translation>3e semaine du Temps ordinaire</translation>
    </message>
    <message>
        <source>Fourth Week in Ordinary Time</source>
        <translation>4e semaine du Temps ordinaire</translation>
    </message>
    <message>
        <source>Fifth Week in Ordinary Time</source>
        <translation>5e semaine du Temps ordinaire</translation>
    </message>
    <message>
        <source>Sixth Week in Ordinary Time</source>
        <translation>6e semaine du Temps ordinaire</translation>
    </message>
    <message>
        <source>Seventh Week in Ordinary Time</source>
        <translation>7e semaine du Temps ordinaire</translation>
    </message>
    <message>
        <source>Eighth Week in Ordinary Time</source>
        <translation>8e semaine du Temps ordinaire</translation>
    </message>
    <message>
        <source>Ninth Week in Ordinary Time</source>
        <translation>9e semaine du Temps ordinaire</translation>
    </message>
    <message>
        <source>Tenth Week in Ordinary Time</source>
        <translation>10e semaine du Temps ordinaire</translation>
    </message>
    <message>
        <source>Eleventh Week in Ordinary Time</source>
        <translation>11e semaine du Temps ordinaire</translation>
    </message>
    <message>
        <source>Twelfth Week in Ordinary Time</source>
        <translation>12e semaine du Temps ordinaire</translation>
    </message>
    <message>
        <source>Thirteenth Week in Ordinary Time</source>
        <translation>13e semaine du Temps ordinaire</translation>
    </message>
    <message>
        <source>Fourteenth Week in Ordinary Time</source>
        <translation>14e semaine du Temps ordinaire</translation>
    </message>
    <message>
        <source>Fifteenth Week in Ordinary Time</source>
        <translation>15e semaine du Temps ordinaire</translation>
    </message>
    <message>
        <source>Sixteenth Week in Ordinary Time</source>
        <translation>16e semaine du Temps ordinaire</translation>
    </message>
    <message>
        <source>Seventeenth Week in Ordinary Time</source>
        <translation>17e semaine du Temps ordinaire</translation>
    </message>
    <message>
        <source>Eighteenth Week in Ordinary Time</source>
        <translation>18e semaine du Temps ordinaire</translation>
    </message>
    <message>
        <source>Nineteenth Week in Ordinary Time</source>
        <translation>19e semaine du Temps ordinaire</translation>
    </message>
    <message>
        <source>Twentieth Week in Ordinary Time</source>
        <translation>20e semaine du Temps ordinaire</translation>
    </message>
    <message>
        <source>Twenty-first Week in Ordinary Time</source>
        <translation>21e semaine du Temps ordinaire</translation>
    </message>
    <message>
        <source>Twenty-second Week in Ordinary Time</source>
        <translation>22e semaine du Temps ordinaire</translation>
    </message>
    <message>
        <source>Twenty-third Week in Ordinary Time</source>
        <translation>23e semaine du Temps ordinaire</translation>
    </message>
    <message>
        <source>Twenty-fourth Week in Ordinary Time</source>
        <translation>24e semaine du Temps ordinaire</translation>
    </message>
    <message>
        <source>Twenty-fifth Week in Ordinary Time</source>
        <translation>25e semaine du Temps ordinaire</translation>
    </message>
    <message>
        <source>Twenty-sixth Week in Ordinary Time</source>
        <translation>26e semaine du Temps ordinaire</translation>
    </message>
    <message>
        <source>Twenty-seventh Week in Ordinary Time</source>
        <translation>27e semaine du Temps ordinaire</translation>
    </message>
    <message>
        <source>Twenty-eighth Week in Ordinary Time</source>
        <translation>28e semaine du Temps ordinaire</translation>
    </message>
    <message>
        <source>Twenty-ninth Week in Ordinary Time</source>
        <translation>29e semaine du Temps ordinaire</translation>
    </message>
    <message>
        <source>Thirtieth Week in Ordinary Time</source>
        <translation>30e semaine du Temps ordinaire</translation>
    </message>
    <message>
        <source>Thirty-first Week in Ordinary Time</source>
        <translation>31e semaine du Temps ordinaire</translation>
    </message>
    <message>
        <source>Thirty-second Week in Ordinary Time</source>
        <translation>32e semaine du Temps ordinaire</translation>
    </message>
    <message>
        <source>Thirty-third Week in Ordinary Time</source>
        <translation>33e semaine du Temps ordinaire</translation>
    </message>
    <message>
        <source>Thirty-fourth Week in Ordinary Time</source>
        <translation>34e semaine du Temps ordinaire</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Lundi</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Mardi</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Mercredi</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Jeudi</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Vendredi</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Samedi</translation>
    </message>
    <message>
        <source>%1 after %2</source>
        <extracomment>A weekday named after the Sunday or feast its week began with: &quot;Tuesday after Lent 2&quot;. %1 is the weekday, %2 the day&apos;s name.</extracomment>
        <translation>%2 – %1</translation>
    </message>
    <message>
        <source>%1 of the %2</source>
        <extracomment>A weekday of the Roman Rite named by its week: &quot;Tuesday of the Second Week of Lent&quot;. %1 is the weekday, %2 the week (&quot;Second Week of Lent&quot;).</extracomment>
        <translation>%1 de la %2</translation>
    </message>
    <message>
        <source>%1 of Holy Week</source>
        <extracomment>Monday, Tuesday or Wednesday of Holy Week; %1 is the weekday.</extracomment>
        <translation>%1 saint</translation>
    </message>
    <message>
        <source>%1 after Ash Wednesday</source>
        <translation>%1 après les Cendres</translation>
    </message>
    <message>
        <source>%1 within the Octave of Easter</source>
        <translation>%1 dans l’octave de Pâques</translation>
    </message>
    <message>
        <source>%1 within the Octave of the Nativity of the Lord</source>
        <translation>%1 dans l’octave de la Nativité du Seigneur</translation>
    </message>
    <message>
        <source>%1 before the Epiphany</source>
        <translation>%1 avant l’Épiphanie</translation>
    </message>
    <message>
        <source>%1 after the Epiphany</source>
        <translation>%1 après l’Épiphanie</translation>
    </message>
    <message>
        <source>%1 is longer than a lectionary is read (%2 lines, 1 MB), so nothing was imported into it.</source>
        <translation>%1 est plus long que ce qui est lu d’un lectionnaire (%2 lignes, 1 Mo), donc rien n’y a été importé.</translation>
    </message>
    <message>
        <source>%1 ends in half a character, so nothing was imported into it.</source>
        <translation>%1 se termine au milieu d’un caractère, donc rien n’y a été importé.</translation>
    </message>
    <message>
        <source>%1 is written in %2, which has no “%3” (in “%4”), so nothing was imported into it. Saved as UTF-8 in a text editor, it takes every character.</source>
        <translation>%1 est écrit en %2, qui ne connaît pas «&#xa0;%3&#xa0;» (dans «&#xa0;%4&#xa0;»), donc rien n’y a été importé. Enregistré en UTF-8 dans un éditeur de texte, il accepte tous les caractères.</translation>
    </message>
    <message>
        <source>%1 would be longer than a lectionary is read (%2 lines, 1 MB) with these lines, so nothing was imported into it.</source>
        <translation>%1 serait plus long que ce qui est lu d’un lectionnaire (%2 lignes, 1 Mo) avec ces lignes, donc rien n’y a été importé.</translation>
    </message>
    <message>
        <source>no colon after the day&apos;s name</source>
        <extracomment>Why a line of Lectionary.txt is not read.</extracomment>
        <translation>pas de deux-points après le nom du jour</translation>
    </message>
    <message>
        <source>the year letter “%1” is not A, B or C</source>
        <extracomment>Why a line of Lectionary.txt is not read: %1 is the letter after the day&apos;s name.</extracomment>
        <translation>la lettre d’année «&#xa0;%1&#xa0;» n’est pas A, B ou C</translation>
    </message>
    <message>
        <source>“%1” is not a day of the church year</source>
        <extracomment>Why a line of Lectionary.txt is not read: %1 is the day&apos;s name as the line writes it.</extracomment>
        <translation>«&#xa0;%1&#xa0;» n’est pas un jour de l’année liturgique</translation>
    </message>
    <message>
        <source>no readings after the colon</source>
        <extracomment>Why a line of Lectionary.txt is not read.</extracomment>
        <translation>pas de lectures après les deux-points</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <extracomment>A line of Lectionary.txt not read: %1 is its number, %2 why.</extracomment>
        <translation>ligne %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>the rest of the file was not read: a lectionary is read up to %1 lines</source>
        <extracomment>Where reading Lectionary.txt stopped: %1 is the most lines read.</extracomment>
        <translation>le reste du fichier n’a pas été lu&#xa0;: un lectionnaire est lu jusqu’à %1 lignes</translation>
    </message>
    <message>
        <source>the rest of the file was not read: a lectionary is read up to %1 MB</source>
        <extracomment>Where reading Lectionary.txt stopped: %1 is the most megabytes read.</extracomment>
        <translation>le reste du fichier n’a pas été lu&#xa0;: un lectionnaire est lu jusqu’à %1 Mo</translation>
    </message>
    <message>
        <source>%1 is not open for reading</source>
        <translation>%1 n’est pas ouvert en lecture</translation>
    </message>
    <message>
        <source>%1 is a folder</source>
        <extracomment>%1 is the lectionary&apos;s file name.</extracomment>
        <translation>%1 est un dossier</translation>
    </message>
    <message>
        <source>%1 is not a regular file</source>
        <translation>%1 n’est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2</source>
        <extracomment>%1 is the lectionary&apos;s file name, %2 the system&apos;s reason.</extracomment>
        <translation>%1 ne peut pas être ouvert&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <extracomment>%1 is the lectionary&apos;s file name, %2 the system&apos;s reason.</extracomment>
        <translation>%1 ne peut pas être lu&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>Suggest Hymns&apos; note on Lectionary.txt: %1 is the file&apos;s name, %2 its first line not read.</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1, %2 (and %3 more)</source>
        <extracomment>Suggest Hymns&apos; note on Lectionary.txt: %1 is the file&apos;s name, %2 its first line not read, %3 how many more.</extracomment>
        <translation>%1, %2 (et %3 autres)</translation>
    </message>
</context>
<context>
    <name>ChurchYearMenu</name>
    <message>
        <source>Church &amp;Year</source>
        <translation>&amp;Année liturgique</translation>
    </message>
    <message>
        <source>&amp;Propers (“Proper 17”)</source>
        <translation>&amp;Propres («&#xa0;Propre 17&#xa0;»)</translation>
    </message>
    <message>
        <source>Sundays after P&amp;entecost (“Pentecost 14”)</source>
        <translation>Dimanches après la P&amp;entecôte («&#xa0;14e dimanche après la Pentecôte&#xa0;»)</translation>
    </message>
    <message>
        <source>&amp;Ordinary Time (“Ordinary Time 22”)</source>
        <translation>Temps &amp;ordinaire («&#xa0;22e dimanche du temps ordinaire&#xa0;»)</translation>
    </message>
    <message>
        <source>Sundays after &amp;Trinity (“Trinity 13”)</source>
        <translation>Dimanches après la &amp;Trinité («&#xa0;13e dimanche après la Trinité&#xa0;»)</translation>
    </message>
    <message>
        <source>&amp;Roman Rite (“Twenty-second Sunday in Ordinary Time”)</source>
        <translation>&amp;Rite romain («&#xa0;22e dimanche du Temps ordinaire&#xa0;»)</translation>
    </message>
    <message>
        <source>Epiphany on the &amp;Sunday January 2–8</source>
        <translation>Épiphanie le &amp;dimanche du 2 au 8 janvier</translation>
    </message>
    <message>
        <source>Roman Rite: the Epiphany on the Sunday from January 2 to 8 instead of January 6; the Baptism of the Lord then falls on the Monday after a January 7 or 8</source>
        <translation>Rite romain&#xa0;: l’Épiphanie le dimanche du 2 au 8 janvier au lieu du 6 janvier&#xa0;; le Baptême du Seigneur tombe alors le lundi qui suit un 7 ou un 8 janvier</translation>
    </message>
    <message>
        <source>&amp;Ascension on the Following Sunday</source>
        <translation>&amp;Ascension le dimanche suivant</translation>
    </message>
    <message>
        <source>Roman Rite: the Ascension on the Seventh Sunday of Easter instead of the Thursday before</source>
        <translation>Rite romain&#xa0;: l’Ascension le 7e dimanche de Pâques au lieu du jeudi précédent</translation>
    </message>
    <message>
        <source>&amp;Body and Blood of Christ on the Following Sunday</source>
        <translation>&amp;Corps et Sang du Christ le dimanche suivant</translation>
    </message>
    <message>
        <source>Roman Rite: the Most Holy Body and Blood of Christ on the Sunday after Trinity instead of the Thursday</source>
        <translation>Rite romain&#xa0;: le Saint-Sacrement du Corps et du Sang du Christ le dimanche après la Trinité au lieu du jeudi</translation>
    </message>
    <message>
        <source>Offer Day &amp;Names Always</source>
        <translation>Toujours proposer le &amp;nom du jour</translation>
    </message>
    <message>
        <source>Offer the day&apos;s name as the occasion of a new service even in a log whose latest service has none</source>
        <translation>Proposer le nom du jour comme circonstance d’un nouveau culte, même dans un journal dont le dernier culte n’en a pas</translation>
    </message>
</context>
<context>
    <name>FileChangedBar</name>
    <message>
        <source>&amp;Put Back Backup…</source>
        <translation>Remettre la &amp;sauvegarde…</translation>
    </message>
    <message>
        <source>&amp;Keep Log</source>
        <translation>&amp;Garder le journal</translation>
    </message>
    <message>
        <source>Put the backup back in place of the log</source>
        <translation>Remettre la sauvegarde à la place du journal</translation>
    </message>
    <message>
        <source>Keep the log as it is</source>
        <translation>Garder le journal tel qu’il est</translation>
    </message>
    <message>
        <source>The last write of %1 was cut short: the log may hold part of a service.</source>
        <translation>La dernière écriture de %1 a été interrompue&#xa0;: le journal contient peut-être une partie de culte.</translation>
    </message>
    <message>
        <source>The last write of %1 was cut short: the log may hold part of a service. %2 holds it as it was.</source>
        <translation>La dernière écriture de %1 a été interrompue&#xa0;: le journal contient peut-être une partie de culte. %2 le contient tel qu’il était.</translation>
    </message>
    <message>
        <source>&amp;Reload</source>
        <translation>&amp;Recharger</translation>
    </message>
    <message>
        <source>&amp;Dismiss</source>
        <translation>&amp;Ignorer</translation>
    </message>
    <message>
        <source>Reload the file</source>
        <translation>Recharger le fichier</translation>
    </message>
    <message>
        <source>Dismiss the notice</source>
        <translation>Ignorer l’avertissement</translation>
    </message>
    <message>
        <source>%1 changed on disk</source>
        <extracomment>%1 is the loaded file&apos;s name</extracomment>
        <translation>%1 a été modifié sur le disque</translation>
    </message>
    <message>
        <source>%1 was moved or deleted on disk</source>
        <extracomment>%1 is the loaded file&apos;s name</extracomment>
        <translation>%1 a été déplacé ou supprimé sur le disque</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>title only</source>
        <comment>caption</comment>
        <extracomment>the design&apos;s caption: at most 53 px wide in Arial 8.25 bold, on one line; list the hymns&apos; titles only</extracomment>
        <translation>titre seul</translation>
    </message>
    <message>
        <source>title only</source>
        <comment>full text</comment>
        <extracomment>tooltip and screen reader name of the caption</extracomment>
        <translation>titres seuls</translation>
    </message>
    <message>
        <source>of music?</source>
        <comment>caption</comment>
        <extracomment>the design&apos;s caption: at most 55 px wide in Arial 8.25 bold, on one line; beside the year box: the year is the music&apos;s (from its credit), not the text&apos;s</extracomment>
        <translation>musique&#xa0;?</translation>
    </message>
    <message>
        <source>of music?</source>
        <comment>full text</comment>
        <extracomment>tooltip and screen reader name of the caption</extracomment>
        <translation>de la musique&#xa0;?</translation>
    </message>
    <message>
        <source>book list</source>
        <comment>caption</comment>
        <extracomment>the design&apos;s caption: at most 39 px wide in Arial 8.25 bold, on two lines; the button that opens the list of scripture books</extracomment>
        <translation>livres</translation>
    </message>
    <message>
        <source>book list</source>
        <comment>full text</comment>
        <extracomment>tooltip and screen reader name of the caption</extracomment>
        <translation>liste des livres</translation>
    </message>
    <message>
        <source>incl. refs</source>
        <comment>caption</comment>
        <extracomment>the design&apos;s caption: at most 26 px wide in Arial 8.25 bold, on two lines; &quot;including references&quot;: list the lines of scripture references too</extracomment>
        <translation>avec réf.</translation>
    </message>
    <message>
        <source>incl. refs</source>
        <comment>full text</comment>
        <extracomment>tooltip and screen reader name of the caption</extracomment>
        <translation>avec les références</translation>
    </message>
    <message>
        <source>Tally</source>
        <comment>caption</comment>
        <extracomment>the design&apos;s caption: at most 47 px wide in Arial 9.75 bold, on one line; the button that counts the uses of each hymn</extracomment>
        <translation>Totaux</translation>
    </message>
    <message>
        <source>Tally</source>
        <comment>full text</comment>
        <extracomment>tooltip and screen reader name of the caption</extracomment>
        <translation>Compter</translation>
    </message>
    <message>
        <source> full # only</source>
        <comment>caption</comment>
        <extracomment>the design&apos;s caption: at most 61 px wide in Arial 8.25 bold, on one line; the leading blank included; &quot;#&quot; is the hymn number: find that whole number only, not the numbers that begin with it</extracomment>
        <translation> n° exact</translation>
    </message>
    <message>
        <source> full # only</source>
        <comment>full text</comment>
        <extracomment>tooltip and screen reader name of the caption</extracomment>
        <translation> numéro exact seulement</translation>
    </message>
    <message>
        <source>Find</source>
        <comment>caption</comment>
        <extracomment>the design&apos;s caption: at most 47 px wide in Arial 9.75 bold, on one line; the search button</extracomment>
        <translation>Rech.</translation>
    </message>
    <message>
        <source>Find</source>
        <comment>full text</comment>
        <extracomment>tooltip and screen reader name of the caption</extracomment>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>Clear</source>
        <comment>caption</comment>
        <extracomment>the design&apos;s caption: at most 55 px wide in Arial 9.75 bold, on one line; the button that empties the criteria boxes</extracomment>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Clear</source>
        <comment>full text</comment>
        <extracomment>tooltip and screen reader name of the caption</extracomment>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Get File</source>
        <comment>caption</comment>
        <extracomment>the design&apos;s caption: at most 71 px wide in Arial 9.75 bold, on one line; the button that loads the file chosen</extracomment>
        <translation>Charger</translation>
    </message>
    <message>
        <source>Get File</source>
        <comment>full text</comment>
        <extracomment>tooltip and screen reader name of the caption</extracomment>
        <translation>Charger le fichier</translation>
    </message>
    <message>
        <source>copy w/ title</source>
        <comment>caption</comment>
        <extracomment>the design&apos;s caption: at most 40 px wide in Arial 8.25 bold, on two lines; &quot;copy with the title&quot; (of a hymnal text&apos;s hymn)</extracomment>
        <translation>copie + titre</translation>
    </message>
    <message>
        <source>copy w/ title</source>
        <comment>full text</comment>
        <extracomment>tooltip and screen reader name of the caption</extracomment>
        <translation>copier avec le titre</translation>
    </message>
    <message>
        <source>Year</source>
        <comment>caption</comment>
        <extracomment>the design&apos;s caption: at most 25 px wide in Arial 8.25 bold, on one line</extracomment>
        <translation>Ann.</translation>
    </message>
    <message>
        <source>Year</source>
        <comment>full text</comment>
        <extracomment>tooltip and screen reader name of the caption</extracomment>
        <translation>Année</translation>
    </message>
    <message>
        <source>exclude title:</source>
        <comment>caption</comment>
        <extracomment>the design&apos;s caption: at most 89 px wide in Arial 8.25 bold italic, on one line</extracomment>
        <translation>exclure titre&#xa0;:</translation>
    </message>
    <message>
        <source>exclude title:</source>
        <comment>full text</comment>
        <extracomment>tooltip and screen reader name of the caption</extracomment>
        <translation>exclure le titre&#xa0;:</translation>
    </message>
    <message>
        <source># of hymns:</source>
        <comment>caption</comment>
        <extracomment>the design&apos;s caption: at most 65 px wide in Arial 8.25 bold, on one line; &quot;#&quot; is &quot;number&quot;</extracomment>
        <translation>Nb cant.&#xa0;:</translation>
    </message>
    <message>
        <source># of hymns:</source>
        <comment>full text</comment>
        <extracomment>tooltip and screen reader name of the caption</extracomment>
        <translation>Nombre de cantiques&#xa0;:</translation>
    </message>
    <message>
        <source>exclude hymn:</source>
        <comment>caption</comment>
        <extracomment>the design&apos;s caption: at most 81 px wide in Arial 8.25 bold italic, on one line</extracomment>
        <translation>exclure cant.&#xa0;:</translation>
    </message>
    <message>
        <source>exclude hymn:</source>
        <comment>full text</comment>
        <extracomment>tooltip and screen reader name of the caption</extracomment>
        <translation>exclure le cantique&#xa0;:</translation>
    </message>
    <message>
        <source>Sort tally by:</source>
        <comment>caption</comment>
        <extracomment>the design&apos;s caption: at most 81 px wide in Arial 8.25 bold, on one line</extracomment>
        <translation>Trier par&#xa0;:</translation>
    </message>
    <message>
        <source>Sort tally by:</source>
        <comment>full text</comment>
        <extracomment>tooltip and screen reader name of the caption</extracomment>
        <translation>Trier le décompte par&#xa0;:</translation>
    </message>
    <message>
        <source>Limit date to:</source>
        <comment>caption</comment>
        <extracomment>the design&apos;s caption: at most 49 px wide in Arial 9.75 bold, on two lines</extracomment>
        <translation>Limiter date&#xa0;:</translation>
    </message>
    <message>
        <source>Limit date to:</source>
        <comment>full text</comment>
        <extracomment>tooltip and screen reader name of the caption</extracomment>
        <translation>Limiter les dates à&#xa0;:</translation>
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
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Title phrase:</source>
        <comment>caption</comment>
        <extracomment>the design&apos;s caption: at most 57 px wide in Arial 9.75 bold, on two lines</extracomment>
        <translation>Mots du titre&#xa0;:</translation>
    </message>
    <message>
        <source>Title phrase:</source>
        <comment>full text</comment>
        <extracomment>tooltip and screen reader name of the caption</extracomment>
        <translation>Mots du titre&#xa0;:</translation>
    </message>
    <message>
        <source>Hymn #</source>
        <comment>caption</comment>
        <extracomment>the design&apos;s caption: at most 49 px wide in Arial 9.75 bold, on one line; &quot;hymn number&quot;</extracomment>
        <translation>N° cant.</translation>
    </message>
    <message>
        <source>Hymn #</source>
        <comment>full text</comment>
        <extracomment>tooltip and screen reader name of the caption</extracomment>
        <translation>Numéro de cantique</translation>
    </message>
    <message>
        <source>Files:</source>
        <comment>caption</comment>
        <extracomment>the design&apos;s caption: at most 49 px wide in Arial 9 bold, on one line</extracomment>
        <translation>Fichiers</translation>
    </message>
    <message>
        <source>Files:</source>
        <comment>full text</comment>
        <extracomment>tooltip and screen reader name of the caption</extracomment>
        <translation>Fichiers&#xa0;:</translation>
    </message>
    <message>
        <source>Limit title to:</source>
        <comment>caption</comment>
        <extracomment>the design&apos;s caption: at most 49 px wide in Arial 9.75 bold, on two lines; for a hymnal text</extracomment>
        <translation>Limiter le titre&#xa0;:</translation>
    </message>
    <message>
        <source>Limit title to:</source>
        <comment>full text</comment>
        <extracomment>tooltip and screen reader name of the caption</extracomment>
        <translation>Limiter les titres à&#xa0;:</translation>
    </message>
    <message>
        <source>Verse phrase:</source>
        <comment>caption</comment>
        <extracomment>the design&apos;s caption: at most 57 px wide in Arial 9.75 bold, on two lines; for a hymnal text</extracomment>
        <translation>Mots de strophe&#xa0;:</translation>
    </message>
    <message>
        <source>Verse phrase:</source>
        <comment>full text</comment>
        <extracomment>tooltip and screen reader name of the caption</extracomment>
        <translation>Mots des strophes&#xa0;:</translation>
    </message>
    <message>
        <source>exclude phrase:</source>
        <comment>caption</comment>
        <extracomment>the design&apos;s caption: at most 89 px wide in Arial 8.25 bold italic, on one line; for a hymnal text</extracomment>
        <translation>exclure mots&#xa0;:</translation>
    </message>
    <message>
        <source>exclude phrase:</source>
        <comment>full text</comment>
        <extracomment>tooltip and screen reader name of the caption</extracomment>
        <translation>exclure les mots&#xa0;:</translation>
    </message>
    <message>
        <source>  # of dates:</source>
        <comment>caption</comment>
        <extracomment>the design&apos;s caption: at most 65 px wide in Arial 8.25 bold, on one line; the leading blanks included (they move it right); for a service log; &quot;#&quot; is &quot;number&quot;</extracomment>
        <translation>  Nb dates&#xa0;:</translation>
    </message>
    <message>
        <source>  # of dates:</source>
        <comment>full text</comment>
        <extracomment>tooltip and screen reader name of the caption</extracomment>
        <translation>  Nombre de dates&#xa0;:</translation>
    </message>
    <message>
        <source>           sum:</source>
        <comment>caption</comment>
        <extracomment>the design&apos;s caption: at most 65 px wide in Arial 8.25 bold, on one line; the leading blanks included (they move it right); the sum of a tally&apos;s counts</extracomment>
        <translation>           total&#xa0;:</translation>
    </message>
    <message>
        <source>           sum:</source>
        <comment>full text</comment>
        <extracomment>tooltip and screen reader name of the caption</extracomment>
        <translation>           total&#xa0;:</translation>
    </message>
    <message>
        <source>copy w/ date</source>
        <comment>caption</comment>
        <extracomment>the design&apos;s caption: at most 40 px wide in Arial 8.25 bold, on two lines; &quot;copy with the date&quot; (of a service)</extracomment>
        <translation>copie + date</translation>
    </message>
    <message>
        <source>copy w/ date</source>
        <comment>full text</comment>
        <extracomment>tooltip and screen reader name of the caption</extracomment>
        <translation>copier avec la date</translation>
    </message>
    <message>
        <source>Clear*</source>
        <comment>caption</comment>
        <extracomment>the design&apos;s caption: at most 55 px wide in Arial 9.75 bold, on one line; the Clear button while criteria are set, which the star marks</extracomment>
        <translation>Effacer*</translation>
    </message>
    <message>
        <source>Clear*</source>
        <comment>full text</comment>
        <extracomment>tooltip and screen reader name of the caption</extracomment>
        <translation>Effacer*</translation>
    </message>
    <message>
        <source>freq</source>
        <comment>caption</comment>
        <extracomment>the design&apos;s caption: at most 48 px wide in MS Sans Serif 8.25, on one line; a row of the tally&apos;s sort box: by how often a hymn was used</extracomment>
        <translation>fréq.</translation>
    </message>
    <message>
        <source>freq</source>
        <comment>full text</comment>
        <extracomment>tooltip and screen reader name of the caption</extracomment>
        <translation>fréquence</translation>
    </message>
    <message>
        <source>title</source>
        <comment>caption</comment>
        <extracomment>the design&apos;s caption: at most 48 px wide in MS Sans Serif 8.25, on one line; a row of the tally&apos;s sort box: by the hymn&apos;s title</extracomment>
        <translation>titre</translation>
    </message>
    <message>
        <source>title</source>
        <comment>full text</comment>
        <extracomment>tooltip and screen reader name of the caption</extracomment>
        <translation>titre</translation>
    </message>
    <message>
        <source>hymn #</source>
        <comment>caption</comment>
        <extracomment>the design&apos;s caption: at most 48 px wide in MS Sans Serif 8.25, on one line; a row of the tally&apos;s sort box: by the hymn number</extracomment>
        <translation>n° cant.</translation>
    </message>
    <message>
        <source>hymn #</source>
        <comment>full text</comment>
        <extracomment>tooltip and screen reader name of the caption</extracomment>
        <translation>numéro de cantique</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; cannot be opened: %2.</source>
        <extracomment>%1 is the folder&apos;s path, %2 the system&apos;s reason</extracomment>
        <translation>Le dossier «&#xa0;%1&#xa0;» ne peut pas être ouvert&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Change Folder</source>
        <translation>Changer de dossier</translation>
    </message>
    <message>
        <source>Folders</source>
        <extracomment>screen reader name of the folder list</extracomment>
        <translation>Dossiers</translation>
    </message>
    <message>
        <source>Scripture books</source>
        <extracomment>screen reader name of the list of scripture books</extracomment>
        <translation>Livres bibliques</translation>
    </message>
    <message>
        <source>full number only</source>
        <extracomment>screen reader name of the check box &quot; full # only&quot;: the hymn number matches whole</extracomment>
        <translation>numéro exact seulement</translation>
    </message>
    <message>
        <source>Counts</source>
        <extracomment>screen reader name of the left list in a tally: how often each hymn was used</extracomment>
        <translation>Décomptes</translation>
    </message>
    <message>
        <source>Hymns</source>
        <extracomment>screen reader name of the right list in a tally: the hymns counted</extracomment>
        <translation>Cantiques</translation>
    </message>
    <message>
        <source>Titles</source>
        <extracomment>screen reader name of the left list: a hymnal text&apos;s titles (or, next, a service log&apos;s dates)</extracomment>
        <translation>Titres</translation>
    </message>
    <message>
        <source>Dates</source>
        <translation>Dates</translation>
    </message>
    <message>
        <source>Verse lines</source>
        <translation>Lignes des strophes</translation>
    </message>
    <message>
        <source>Hymn lines</source>
        <translation>Lignes des cantiques</translation>
    </message>
    <message>
        <source>Hymns loaded</source>
        <extracomment>screen reader name of a count, heard before its value (&quot;Hymns loaded: 120&quot;); so are the names next to it</extracomment>
        <translation>Cantiques chargés</translation>
    </message>
    <message>
        <source>Services loaded</source>
        <translation>Cultes chargés</translation>
    </message>
    <message>
        <source>Hymns listed</source>
        <translation>Cantiques listés</translation>
    </message>
    <message>
        <source>Dates listed</source>
        <translation>Dates listées</translation>
    </message>
    <message>
        <source>Hymns tallied</source>
        <translation>Cantiques comptés</translation>
    </message>
    <message>
        <source>Uses counted</source>
        <translation>Utilisations comptées</translation>
    </message>
    <message>
        <source>Lines listed</source>
        <translation>Lignes listées</translation>
    </message>
    <message>
        <source>Hymn lines listed</source>
        <translation>Lignes de cantiques listées</translation>
    </message>
    <message>
        <source>Row clicked</source>
        <translation>Ligne cliquée</translation>
    </message>
    <message>
        <source>File date</source>
        <translation>Date du fichier</translation>
    </message>
    <message>
        <source>File loaded</source>
        <translation>Fichier chargé</translation>
    </message>
    <message>
        <source>Volume</source>
        <extracomment>screen reader name of the list of drives (volumes)</extracomment>
        <translation>Lecteur</translation>
    </message>
    <message>
        <source>Change Drive</source>
        <translation>Changer de lecteur</translation>
    </message>
    <message>
        <source>Error encountered while changing drive</source>
        <translation>Erreur lors du changement de lecteur</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; is no longer there, so &quot;%2&quot; could not be read.</source>
        <extracomment>%1 is the folder&apos;s path, %2 the file&apos;s name</extracomment>
        <translation>Le dossier «&#xa0;%1&#xa0;» n’existe plus, donc «&#xa0;%2&#xa0;» n’a pas pu être lu.</translation>
    </message>
    <message>
        <source>File Error</source>
        <translation>Erreur de fichier</translation>
    </message>
    <message>
        <source>Limit reached</source>
        <translation>Limite atteinte</translation>
    </message>
    <message>
        <source>Show output</source>
        <translation>Afficher le résultat</translation>
    </message>
    <message>
        <source>Show entire file (may be slow)?</source>
        <translation>Afficher tout le fichier (peut être lent)&#xa0;?</translation>
    </message>
    <message>
        <source>Clear, criteria set</source>
        <translation>Effacer, critères définis</translation>
    </message>
</context>
<context>
    <name>HymnBoard</name>
    <message>
        <source>Hymn board</source>
        <translation>Tableau des cantiques</translation>
    </message>
</context>
<context>
    <name>HymnBoardDialog</name>
    <message>
        <source>Print Hymn Board</source>
        <translation>Imprimer le tableau des cantiques</translation>
    </message>
    <message>
        <source>On the board, one a line: %1</source>
        <translation>Sur le tableau, un par ligne&#xa0;: %1</translation>
    </message>
    <message>
        <source>&amp;Date and occasion above them: %1</source>
        <translation>&amp;Date et circonstance au-dessus&#xa0;: %1</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>&amp;Imprimer…</translation>
    </message>
    <message>
        <source>&amp;Save PDF…</source>
        <translation>&amp;Enregistrer en PDF…</translation>
    </message>
    <message>
        <source>The hymn board could not be printed.</source>
        <translation>Le tableau des cantiques n’a pas pu être imprimé.</translation>
    </message>
    <message>
        <source>The hymn board was sent to %1</source>
        <translation>Le tableau des cantiques a été envoyé à %1</translation>
    </message>
    <message>
        <source>Save Hymn Board as PDF</source>
        <translation>Enregistrer le tableau des cantiques en PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Fichiers PDF (*.pdf)</translation>
    </message>
    <message>
        <source>the PDF could not be made</source>
        <translation>le PDF n’a pas pu être créé</translation>
    </message>
    <message>
        <source>The hymn board could not be saved as &quot;%1&quot;: %2. Nothing was changed there.</source>
        <translation>Le tableau des cantiques n’a pas pu être enregistré sous «&#xa0;%1&#xa0;»&#xa0;: %2. Rien n’y a été modifié.</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>Enregistré&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>HymnRow</name>
    <message>
        <source>Drag to move this line; Alt+Up and Alt+Down move it with the keyboard</source>
        <translation>Faites glisser pour déplacer cette ligne&#xa0;; Alt+Haut et Alt+Bas la déplacent au clavier</translation>
    </message>
    <message>
        <source>Title, or a line without a number</source>
        <translation>Titre, ou une ligne sans numéro</translation>
    </message>
    <message>
        <source>Last sung %1</source>
        <translation>Chanté en dernier le %1</translation>
    </message>
    <message>
        <source>Hymn number, line %1</source>
        <translation>Numéro de cantique, ligne %1</translation>
    </message>
    <message>
        <source>Title, line %1</source>
        <translation>Titre, ligne %1</translation>
    </message>
    <message>
        <source>Use of line %1</source>
        <translation>Utilisation de la ligne %1</translation>
    </message>
    <message>
        <source>Not in the log</source>
        <translation>Absent du journal</translation>
    </message>
    <message>
        <source>Not sung before this date</source>
        <translation>Pas chanté avant cette date</translation>
    </message>
    <message numerus="yes">
        <source>within %n week(s)</source>
        <translation>
            <numerusform>il y a moins de %n semaine</numerusform>
            <numerusform>il y a moins de %n semaines</numerusform>
        </translation>
    </message>
    <message>
        <source>none in 12 months</source>
        <translation>aucune fois en 12 mois</translation>
    </message>
    <message>
        <source>once in 12 months</source>
        <translation>une fois en 12 mois</translation>
    </message>
    <message>
        <source>%1 times in 12 months</source>
        <translation>%1 fois en 12 mois</translation>
    </message>
</context>
<context>
    <name>HymnRows</name>
    <message>
        <source>Hymns</source>
        <translation>Cantiques</translation>
    </message>
</context>
<context>
    <name>ImportLectionaryDialog</name>
    <message>
        <source>&amp;Open File…</source>
        <translation>&amp;Ouvrir un fichier…</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Coller</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Import Lectionary</source>
        <translation>Importer un lectionnaire</translation>
    </message>
    <message>
        <source>Tables (*.csv *.tsv *.tab *.txt);;All files (*)</source>
        <translation>Tableaux (*.csv *.tsv *.tab *.txt);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>A CSV or tab-separated file, as a spreadsheet saves it</source>
        <translation>Un fichier CSV ou séparé par des tabulations, tel qu’un tableur l’enregistre</translation>
    </message>
    <message>
        <source>A table copied in a spreadsheet or on a web page</source>
        <translation>Un tableau copié dans un tableur ou sur une page web</translation>
    </message>
    <message>
        <source>Column of the day&apos;s name</source>
        <translation>Colonne du nom du jour</translation>
    </message>
    <message>
        <source>Column of the year</source>
        <translation>Colonne de l’année</translation>
    </message>
    <message>
        <source>Columns of the readings</source>
        <translation>Colonnes des lectures</translation>
    </message>
    <message>
        <source>Every column ticked is a reading; they are joined by &quot;; &quot; in their order</source>
        <translation>Chaque colonne cochée est une lecture&#xa0;; elles sont jointes par &quot;; &quot; dans leur ordre</translation>
    </message>
    <message>
        <source>Preview of the table</source>
        <translation>Aperçu du tableau</translation>
    </message>
    <message>
        <source>Rows not read</source>
        <translation>Lignes non lues</translation>
    </message>
    <message>
        <source>Write the lines into %1 beside the hymnal</source>
        <translation>Écrire les lignes dans %1 à côté du recueil</translation>
    </message>
    <message>
        <source>&amp;Day&apos;s name:</source>
        <translation>Nom du &amp;jour&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Year:</source>
        <translation>&amp;Année&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Readings:</source>
        <translation>&amp;Lectures&#xa0;:</translation>
    </message>
    <message>
        <source>Rows &amp;not read:</source>
        <translation>Lignes &amp;non lues&#xa0;:</translation>
    </message>
    <message>
        <source>“%1” holds no table.</source>
        <translation>«&#xa0;%1&#xa0;» ne contient aucun tableau.</translation>
    </message>
    <message>
        <source>The clipboard holds no table. Copy the lectionary&apos;s table in a spreadsheet or on a web page, then press Paste.</source>
        <translation>Le presse-papiers ne contient aucun tableau. Copiez le tableau du lectionnaire dans un tableur ou sur une page web, puis appuyez sur Coller.</translation>
    </message>
    <message>
        <source>The clipboard&apos;s HTML table</source>
        <translation>Le tableau HTML du presse-papiers</translation>
    </message>
    <message>
        <source>The clipboard&apos;s text</source>
        <translation>Le texte du presse-papiers</translation>
    </message>
    <message>
        <source>Open a CSV or tab-separated file, or copy a lectionary&apos;s table in a spreadsheet or on a web page and paste it here.</source>
        <translation>Ouvrez un fichier CSV ou séparé par des tabulations, ou copiez le tableau d’un lectionnaire dans un tableur ou sur une page web et collez-le ici.</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n row(s)</source>
        <translation>
            <numerusform>%1&#xa0;: %n ligne</numerusform>
            <numerusform>%1&#xa0;: %n lignes</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A column of the imported table: its letter and the heading above it, &quot;B: Sunday&quot;.</extracomment>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>None (every year, or as the day&apos;s name says)</source>
        <translation>Aucune (chaque année, ou selon le nom du jour)</translation>
    </message>
    <message>
        <source>Choose the column of the day&apos;s name and at least one column of readings.</source>
        <translation>Choisissez la colonne du nom du jour et au moins une colonne de lectures.</translation>
    </message>
    <message>
        <source>No row gives a line for %1.</source>
        <translation>Aucune ligne du tableau ne donne de ligne pour %1.</translation>
    </message>
    <message>
        <source>They go into the %1 beside the hymnal; its lines for the same days and years are replaced only after a question, and the rest of it stays as it is.</source>
        <translation>Elles vont dans le fichier %1 à côté du recueil&#xa0;; ses lignes pour les mêmes jours et années ne sont remplacées qu’après confirmation, et le reste du fichier reste tel qu’il est.</translation>
    </message>
    <message>
        <source>They make a new %1 beside the hymnal.</source>
        <translation>Elles forment un nouveau fichier %1 à côté du recueil.</translation>
    </message>
    <message numerus="yes">
        <source>%n line(s) to write.</source>
        <translation>
            <numerusform>%n ligne à écrire.</numerusform>
            <numerusform>%n lignes à écrire.</numerusform>
        </translation>
    </message>
    <message>
        <source>line %1: %2 (removed: a second line for the same day and year)</source>
        <extracomment>A line of Lectionary.txt the import removes: a second line for a day and year.</extracomment>
        <translation>ligne %1&#xa0;: %2 (supprimée&#xa0;: une deuxième ligne pour le même jour et la même année)</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>ligne %1&#xa0;: %2</translation>
    </message>
    <message numerus="yes">
        <source>… and %n more</source>
        <translation>
            <numerusform>… et %n autre</numerusform>
            <numerusform>… et %n autres</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 already has %n line(s) for the days and years imported:</source>
        <translation>
            <numerusform>%1 contient déjà %n ligne pour les jours et années importés&#xa0;:</numerusform>
            <numerusform>%1 contient déjà %n lignes pour les jours et années importés&#xa0;:</numerusform>
        </translation>
    </message>
    <message>
        <source>Replace them with the imported lines? Every other line stays as it is.</source>
        <translation>Les remplacer par les lignes importées&#xa0;? Toutes les autres lignes restent telles quelles.</translation>
    </message>
    <message>
        <source>%1 holds these lines already, so nothing was written.</source>
        <translation>%1 contient déjà ces lignes, donc rien n’a été écrit.</translation>
    </message>
    <message numerus="yes">
        <source>%1 written: %n line(s) imported</source>
        <translation>
            <numerusform>%1 écrit&#xa0;: %n ligne importée</numerusform>
            <numerusform>%1 écrit&#xa0;: %n lignes importées</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 made beside the hymnal: %n line(s)</source>
        <translation>
            <numerusform>%1 créé à côté du recueil&#xa0;: %n ligne</numerusform>
            <numerusform>%1 créé à côté du recueil&#xa0;: %n lignes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %n row(s) (the rest was left out: a table is read up to %2 rows and %3 columns)</source>
        <translation>
            <numerusform>%1&#xa0;: %n ligne (le reste a été laissé de côté&#xa0;: un tableau est lu jusqu’à %2 lignes et %3 colonnes)</numerusform>
            <numerusform>%1&#xa0;: %n lignes (le reste a été laissé de côté&#xa0;: un tableau est lu jusqu’à %2 lignes et %3 colonnes)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ImportPreviewModel</name>
    <message>
        <source>day</source>
        <translation>jour</translation>
    </message>
    <message>
        <source>year</source>
        <translation>année</translation>
    </message>
    <message>
        <source>readings</source>
        <translation>lectures</translation>
    </message>
    <message>
        <source>%1 · %2</source>
        <extracomment>A column of the imported table and what it is taken for: &quot;B Sunday · day&quot;.</extracomment>
        <translation>%1 · %2</translation>
    </message>
    <message>
        <source>(the headings)</source>
        <translation>(les en-têtes)</translation>
    </message>
    <message>
        <source>Written to Lectionary.txt</source>
        <translation>Écrit dans Lectionary.txt</translation>
    </message>
</context>
<context>
    <name>LanguageMenu</name>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Langue</translation>
    </message>
    <message>
        <source>&amp;System</source>
        <translation>&amp;Système</translation>
    </message>
    <message>
        <source>Takes effect at the next start</source>
        <translation>Prend effet au prochain démarrage</translation>
    </message>
</context>
<context>
    <name>Logbook</name>
    <message>
        <source>&quot;%1&quot; holds the same bytes as &quot;%2&quot;.</source>
        <translation>«&#xa0;%1&#xa0;» contient les mêmes octets que «&#xa0;%2&#xa0;».</translation>
    </message>
    <message>
        <source>The first %1 of the %2 bytes of &quot;%3&quot; are as in &quot;%4&quot; (%5 bytes); after them the log differs.</source>
        <translation>Les %1 premiers des %2 octets de «&#xa0;%3&#xa0;» sont les mêmes que dans «&#xa0;%4&#xa0;» (%5 octets)&#xa0;; ensuite, le journal diffère.</translation>
    </message>
    <message numerus="yes">
        <source>The log holds %n NUL byte(s) that the backup does not.</source>
        <translation>
            <numerusform>Le journal contient %n octet NUL que la sauvegarde n’a pas.</numerusform>
            <numerusform>Le journal contient %n octets NUL que la sauvegarde n’a pas.</numerusform>
        </translation>
    </message>
    <message>
        <source>The mark beside &quot;%1&quot; names no backup that can be put back.</source>
        <translation>La marque à côté de «&#xa0;%1&#xa0;» ne désigne aucune sauvegarde qui puisse être remise.</translation>
    </message>
    <message>
        <source>The backup &quot;%1&quot; is no longer as it was written (it was changed, moved or removed), so it was not put back. &quot;%2&quot; is as it was.</source>
        <translation>La sauvegarde «&#xa0;%1&#xa0;» n’est plus telle qu’elle a été écrite (elle a été modifiée, déplacée ou supprimée), donc elle n’a pas été remise. «&#xa0;%2&#xa0;» est tel qu’il était.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; put back in place of &quot;%2&quot;</source>
        <translation>«&#xa0;%1&#xa0;» remis à la place de «&#xa0;%2&#xa0;»</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has changed on disk since it was loaded, so the service was not added.</source>
        <translation>«&#xa0;%1&#xa0;» a été modifié sur le disque depuis son chargement, donc le culte n’a pas été ajouté.</translation>
    </message>
    <message>
        <source> Make room on the disk and try again.</source>
        <translation> Libérez de la place sur le disque et réessayez.</translation>
    </message>
    <message>
        <source> Check that you may write in the folder &quot;%1&quot;.</source>
        <translation> Vérifiez que vous pouvez écrire dans le dossier «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source> The disk is read-only: copy the log to a disk you can write to and load it from there.</source>
        <translation> Le disque est en lecture seule&#xa0;: copiez le journal sur un disque où vous pouvez écrire et chargez-le depuis là.</translation>
    </message>
    <message>
        <source> Try again; if it fails again, check the disk or the network connection.</source>
        <translation> Réessayez&#xa0;; si cela échoue encore, vérifiez le disque ou la connexion réseau.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is being written by another copy of Cantorix2, so the service was not added. Try again in a moment.</source>
        <translation>«&#xa0;%1&#xa0;» est en cours d’écriture par une autre instance de Cantorix2, donc le culte n’a pas été ajouté. Réessayez dans un instant.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is being written by Cantorix2 on %2, so the service was not added. Try again in a moment.</source>
        <translation>«&#xa0;%1&#xa0;» est en cours d’écriture par Cantorix2 sur %2, donc le culte n’a pas été ajouté. Réessayez dans un instant.</translation>
    </message>
    <message>
        <source> Nothing was written.</source>
        <translation> Rien n’a été écrit.</translation>
    </message>
    <message>
        <source>The last write of &quot;%1&quot; was cut short, so the service was not added: in the bar under the window, put its backup back or keep the log as it is, then add the service again.</source>
        <translation>La dernière écriture de «&#xa0;%1&#xa0;» a été interrompue, donc le culte n’a pas été ajouté&#xa0;: dans la barre sous la fenêtre, remettez sa sauvegarde ou gardez le journal tel qu’il est, puis ajoutez à nouveau le culte.</translation>
    </message>
    <message>
        <source>%1 is read-only, so the service was not added.</source>
        <translation>%1 est en lecture seule, donc le culte n’a pas été ajouté.</translation>
    </message>
    <message>
        <source>The name &quot;%1&quot; leaves no room for a backup&apos;s name beside it, so the service was not added. A shorter name will do: rename the log and load it again.</source>
        <translation>Le nom «&#xa0;%1&#xa0;» ne laisse pas de place pour le nom d’une sauvegarde à côté, donc le culte n’a pas été ajouté. Un nom plus court suffira&#xa0;: renommez le journal et chargez-le à nouveau.</translation>
    </message>
    <message>
        <source>Every name for a backup of &quot;%1&quot; (up to &quot;%2&quot;) is taken, so the service was not added. Move old backups away and try again.</source>
        <translation>Tous les noms de sauvegarde de «&#xa0;%1&#xa0;» (jusqu’à «&#xa0;%2&#xa0;») sont pris, donc le culte n’a pas été ajouté. Déplacez les anciennes sauvegardes ailleurs et réessayez.</translation>
    </message>
    <message>
        <source>The backup &quot;%1&quot; could not be written: %2. Nothing was written; &quot;%3&quot; is as it was.</source>
        <translation>La sauvegarde «&#xa0;%1&#xa0;» n’a pas pu être écrite&#xa0;: %2. Rien n’a été écrit&#xa0;; «&#xa0;%3&#xa0;» est tel qu’il était.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was not written: the mark of a write in progress could not be left beside it (%2). The file is as it was.</source>
        <translation>«&#xa0;%1&#xa0;» n’a pas été écrit&#xa0;: la marque d’une écriture en cours n’a pas pu être laissée à côté (%2). Le fichier est tel qu’il était.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be written: %2. Its bytes as they were are in &quot;%3&quot;.</source>
        <translation>«&#xa0;%1&#xa0;» n’a pas pu être écrit&#xa0;: %2. Ses octets tels qu’ils étaient sont dans «&#xa0;%3&#xa0;».</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be written: %2. The file is as it was; its bytes are also in &quot;%3&quot;.</source>
        <translation>«&#xa0;%1&#xa0;» n’a pas pu être écrit&#xa0;: %2. Le fichier est tel qu’il était&#xa0;; ses octets sont aussi dans «&#xa0;%3&#xa0;».</translation>
    </message>
    <message>
        <source>; the log as it was is kept in %1</source>
        <translation>; le journal tel qu’il était est conservé dans %1</translation>
    </message>
    <message>
        <source>This file holds hymn texts, not a service log, so no service can be added to it.</source>
        <translation>Ce fichier contient des textes de cantiques, pas un journal des cultes, donc aucun culte ne peut y être ajouté.</translation>
    </message>
    <message>
        <source>The service&apos;s date cannot be written as a head line that the program reads back.</source>
        <translation>La date du culte ne peut pas être écrite comme une ligne d’en-tête que le programme relit.</translation>
    </message>
    <message>
        <source>The character “%1” cannot be written in this file&apos;s encoding (%2).</source>
        <translation>Le caractère «&#xa0;%1&#xa0;» ne peut pas être écrit dans l’encodage de ce fichier (%2).</translation>
    </message>
    <message>
        <source>The service is not in the file as it was loaded, so nothing was written. Load the log again and choose the service anew.</source>
        <translation>Le culte n’est pas dans le fichier tel qu’il a été chargé, donc rien n’a été écrit. Chargez à nouveau le journal et choisissez de nouveau le culte.</translation>
    </message>
    <message>
        <source>This log is full: with this service longer, the program would no longer read the last service of the file, so nothing was written. Start a new log for the services to come.</source>
        <translation>Ce journal est plein&#xa0;: avec ce culte plus long, le programme ne lirait plus le dernier culte du fichier, donc rien n’a été écrit. Commencez un nouveau journal pour les cultes à venir.</translation>
    </message>
    <message>
        <source>Written this way, the service would change how the program reads other services of the log (a head line without a year takes it from the next one below), so nothing was written.</source>
        <translation>Écrit ainsi, le culte changerait la façon dont le programme lit d’autres cultes du journal (une ligne d’en-tête sans année la prend de la suivante en dessous), donc rien n’a été écrit.</translation>
    </message>
    <message numerus="yes">
        <source>Service of %1 changed: %n hymn(s)</source>
        <translation>
            <numerusform>Culte du %1 modifié&#xa0;: %n cantique</numerusform>
            <numerusform>Culte du %1 modifié&#xa0;: %n cantiques</numerusform>
        </translation>
    </message>
    <message>
        <source>Service of %1 removed</source>
        <translation>Culte du %1 supprimé</translation>
    </message>
    <message>
        <source>The service without a date removed</source>
        <translation>Le culte sans date a été supprimé</translation>
    </message>
    <message>
        <source>Cantorix2 has made no change to &quot;%1&quot; that it can undo: it remembers none since its backups were kept.</source>
        <translation>Cantorix2 n’a apporté à «&#xa0;%1&#xa0;» aucune modification qu’il puisse annuler&#xa0;: il ne s’en rappelle aucune depuis que ses sauvegardes ont été conservées.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no longer as Cantorix2 left it after its last change (%2), so that change cannot be undone.</source>
        <translation>«&#xa0;%1&#xa0;» n’est plus tel que Cantorix2 l’a laissé après sa dernière modification (%2), donc cette modification ne peut pas être annulée.</translation>
    </message>
    <message>
        <source>The backup &quot;%1&quot; is no longer as Cantorix2 wrote it, so the last change to &quot;%2&quot; cannot be undone.</source>
        <translation>La sauvegarde «&#xa0;%1&#xa0;» n’est plus telle que Cantorix2 l’a écrite, donc la dernière modification de «&#xa0;%2&#xa0;» ne peut pas être annulée.</translation>
    </message>
    <message>
        <source>Undone: %1</source>
        <translation>Annulé&#xa0;: %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has changed on disk since it was loaded, so nothing was written.</source>
        <translation>«&#xa0;%1&#xa0;» a été modifié sur le disque depuis son chargement, donc rien n’a été écrit.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is being written by another copy of Cantorix2, so nothing was written. Try again in a moment.</source>
        <translation>«&#xa0;%1&#xa0;» est en cours d’écriture par une autre instance de Cantorix2, donc rien n’a été écrit. Réessayez dans un instant.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is being written by Cantorix2 on %2, so nothing was written. Try again in a moment.</source>
        <translation>«&#xa0;%1&#xa0;» est en cours d’écriture par Cantorix2 sur %2, donc rien n’a été écrit. Réessayez dans un instant.</translation>
    </message>
    <message>
        <source>The last write of &quot;%1&quot; was cut short, so nothing was written: in the bar under the window, put its backup back or keep the log as it is, then try again.</source>
        <translation>La dernière écriture de «&#xa0;%1&#xa0;» a été interrompue, donc rien n’a été écrit&#xa0;: dans la barre sous la fenêtre, remettez sa sauvegarde ou gardez le journal tel qu’il est, puis réessayez.</translation>
    </message>
    <message>
        <source>%1 is read-only, so nothing was written.</source>
        <translation>%1 est en lecture seule, donc rien n’a été écrit.</translation>
    </message>
    <message>
        <source>The name &quot;%1&quot; leaves no room for a backup&apos;s name beside it, so nothing was written. A shorter name will do: rename the log and load it again.</source>
        <translation>Le nom «&#xa0;%1&#xa0;» ne laisse pas de place pour le nom d’une sauvegarde à côté, donc rien n’a été écrit. Un nom plus court suffira&#xa0;: renommez le journal et chargez-le à nouveau.</translation>
    </message>
    <message>
        <source>Every name for a backup of &quot;%1&quot; (up to &quot;%2&quot;) is taken, so nothing was written. Move old backups away and try again.</source>
        <translation>Tous les noms de sauvegarde de «&#xa0;%1&#xa0;» (jusqu’à «&#xa0;%2&#xa0;») sont pris, donc rien n’a été écrit. Déplacez les anciennes sauvegardes ailleurs et réessayez.</translation>
    </message>
    <message>
        <source>UTF-8 with byte-order mark</source>
        <translation>UTF-8 avec indicateur d’ordre des octets</translation>
    </message>
    <message>
        <source>The occasion holds a line break or a NUL character, which a line of the file cannot hold.</source>
        <translation>La circonstance contient un saut de ligne ou un caractère NUL, ce qu’une ligne du fichier ne peut pas contenir.</translation>
    </message>
    <message>
        <source>Line %1 of the service holds a line break or a NUL character, which a line of the file cannot hold.</source>
        <translation>La ligne %1 du culte contient un saut de ligne ou un caractère NUL, ce qu’une ligne du fichier ne peut pas contenir.</translation>
    </message>
    <message>
        <source>The hymn number “%1” holds a space.</source>
        <translation>Le numéro de cantique «&#xa0;%1&#xa0;» contient une espace.</translation>
    </message>
    <message>
        <source>Hymn %1 has no title.</source>
        <translation>Le cantique %1 n’a pas de titre.</translation>
    </message>
    <message>
        <source>“%1” holds “--”, which would make the program read the whole file as hymn texts.</source>
        <translation>«&#xa0;%1&#xa0;» contient «&#xa0;--&#xa0;», ce qui amènerait le programme à lire tout le fichier comme des textes de cantiques.</translation>
    </message>
    <message>
        <source>The file ends in the middle of a character, so nothing can be written after it.</source>
        <translation>Le fichier se termine au milieu d’un caractère, donc rien ne peut être écrit à sa suite.</translation>
    </message>
    <message>
        <source>This log is full: it holds %1 services, and the program reads no more than %2 (fewer when a service has more than %3 lines), so it would never read a new one.</source>
        <translation>Ce journal est plein&#xa0;: il contient %1 cultes, et le programme n’en lit pas plus de %2 (moins quand un culte a plus de %3 lignes), donc il ne lirait jamais un nouveau culte.</translation>
    </message>
    <message>
        <source>This log holds %1 services, of which the program reads only the first %2, so it would never read one added after them.</source>
        <translation>Ce journal contient %1 cultes, dont le programme ne lit que les %2 premiers, donc il ne lirait jamais un culte ajouté après eux.</translation>
    </message>
    <message>
        <source>The service was not added: start a new log for the services to come.</source>
        <translation>Le culte n’a pas été ajouté&#xa0;: commencez un nouveau journal pour les cultes à venir.</translation>
    </message>
    <message numerus="yes">
        <source>Service of %1 added: %n hymn(s)</source>
        <translation>
            <numerusform>Culte du %1 ajouté&#xa0;: %n cantique</numerusform>
            <numerusform>Culte du %1 ajouté&#xa0;: %n cantiques</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>The system&apos;s language from the next start</source>
        <translation>La langue du système à partir du prochain démarrage</translation>
    </message>
    <message>
        <source>%1 from the next start</source>
        <translation>%1 à partir du prochain démarrage</translation>
    </message>
    <message>
        <source>&amp;User Guide</source>
        <translation>&amp;Guide de l’utilisateur</translation>
    </message>
    <message numerus="yes">
        <source>%1 holds %n NUL character(s), which a text file does not: a write may have been cut short. Look at it in a text editor.</source>
        <translation>
            <numerusform>%1 contient %n caractère NUL, ce qu’un fichier texte ne contient pas&#xa0;: une écriture a peut-être été interrompue. Examinez-le dans un éditeur de texte.</numerusform>
            <numerusform>%1 contient %n caractères NUL, ce qu’un fichier texte ne contient pas&#xa0;: une écriture a peut-être été interrompue. Examinez-le dans un éditeur de texte.</numerusform>
        </translation>
    </message>
    <message>
        <source>Put Back Backup</source>
        <translation>Remettre la sauvegarde</translation>
    </message>
    <message>
        <source>The backup &quot;%1&quot; cannot be read, so it cannot be put back.</source>
        <translation>La sauvegarde «&#xa0;%1&#xa0;» ne peut pas être lue, donc elle ne peut pas être remise.</translation>
    </message>
    <message>
        <source>Put &quot;%1&quot; back in place of &quot;%2&quot;? The log as it is now is kept in a backup of its own.</source>
        <translation>Remettre «&#xa0;%1&#xa0;» à la place de «&#xa0;%2&#xa0;»&#xa0;? Le journal tel qu’il est maintenant est conservé dans une sauvegarde à part.</translation>
    </message>
    <message>
        <source>%1 is kept as it is.</source>
        <translation>%1 est gardé tel qu’il est.</translation>
    </message>
    <message>
        <source>&amp;Import Lectionary…</source>
        <translation>&amp;Importer un lectionnaire…</translation>
    </message>
    <message>
        <source>Import Lectionary</source>
        <translation>Importer un lectionnaire</translation>
    </message>
    <message>
        <source>Print Hymn &amp;Board…</source>
        <translation>Im&amp;primer le tableau des cantiques…</translation>
    </message>
    <message>
        <source>&amp;Edit Service…</source>
        <translation>&amp;Modifier le culte…</translation>
    </message>
    <message>
        <source>&amp;Undo Last Change</source>
        <translation>A&amp;nnuler la dernière modification</translation>
    </message>
    <message>
        <source>Copy for &amp;Bulletin</source>
        <translation>Copier pour la &amp;feuille de culte</translation>
    </message>
    <message>
        <source>Edit Service</source>
        <translation>Modifier le culte</translation>
    </message>
    <message>
        <source>Load a service log first: a service of the log loaded is edited.</source>
        <translation>Chargez d’abord un journal des cultes&#xa0;: c’est un culte du journal chargé qui est modifié.</translation>
    </message>
    <message>
        <source>The log holds no service to edit.</source>
        <translation>Le journal ne contient aucun culte à modifier.</translation>
    </message>
    <message>
        <source>Hymn files (*.txt);;All files (*)</source>
        <translation>Fichiers de cantiques (*.txt);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Open…</source>
        <translation>&amp;Ouvrir…</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>Ouvrir un fichier &amp;récent</translation>
    </message>
    <message>
        <source>Re&amp;load</source>
        <translation>Re&amp;charger</translation>
    </message>
    <message>
        <source>Open in Text &amp;Editor</source>
        <translation>Ouvrir dans un éditeur de &amp;texte</translation>
    </message>
    <message>
        <source>Set &amp;Hymnal…</source>
        <translation>Choisir le rec&amp;ueil…</translation>
    </message>
    <message>
        <source>Clear H&amp;ymnal</source>
        <translation>Retirer &amp;le recueil</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <source>&amp;Add Service…</source>
        <translation>&amp;Ajouter un culte…</translation>
    </message>
    <message>
        <source>Copy &amp;Left List</source>
        <translation>Copier la liste de &amp;gauche</translation>
    </message>
    <message>
        <source>Copy &amp;Right List</source>
        <translation>Copier la liste de &amp;droite</translation>
    </message>
    <message>
        <source>&amp;Clear criteria</source>
        <translation>&amp;Effacer les critères</translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation>&amp;Recherche</translation>
    </message>
    <message>
        <source>&amp;Find</source>
        <translation>&amp;Rechercher</translation>
    </message>
    <message>
        <source>&amp;Tally</source>
        <translation>&amp;Compter</translation>
    </message>
    <message>
        <source>Focus Hymn &amp;#</source>
        <translation>Aller au &amp;n° de cantique</translation>
    </message>
    <message>
        <source>Usage &amp;Report…</source>
        <translation>Rapport d’&amp;utilisation…</translation>
    </message>
    <message>
        <source>Suggest &amp;Hymns…</source>
        <translation>&amp;Suggérer des cantiques…</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>Affic&amp;hage</translation>
    </message>
    <message>
        <source>&amp;Bold</source>
        <translation>&amp;Gras</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;About Cantorix2</source>
        <translation>À &amp;propos de Cantorix2</translation>
    </message>
    <message>
        <source>Set Hymnal</source>
        <translation>Choisir le recueil</translation>
    </message>
    <message>
        <source>Hymnal set: %1</source>
        <translation>Recueil choisi&#xa0;: %1</translation>
    </message>
    <message>
        <source>“%1” is not a hymnal text (hymns with their verses between &quot;--&quot; lines), so the hymnal stays “%2”.</source>
        <translation>«&#xa0;%1&#xa0;» n’est pas un texte de recueil (des cantiques dont les strophes sont entre des lignes &quot;--&quot;), donc le recueil reste «&#xa0;%2&#xa0;».</translation>
    </message>
    <message>
        <source>“%1” is not a hymnal text (hymns with their verses between &quot;--&quot; lines), so no hymnal is set.</source>
        <translation>«&#xa0;%1&#xa0;» n’est pas un texte de recueil (des cantiques dont les strophes sont entre des lignes &quot;--&quot;), donc aucun recueil n’est choisi.</translation>
    </message>
    <message>
        <source>%1 (missing)</source>
        <translation>%1 (introuvable)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no longer there; it may have been moved or deleted.

Remove it from the recent files?</source>
        <translation>«&#xa0;%1&#xa0;» n’existe plus&#xa0;; il a peut-être été déplacé ou supprimé.

Le retirer des fichiers récents&#xa0;?</translation>
    </message>
    <message>
        <source>Remove from list</source>
        <translation>Retirer de la liste</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>About Cantorix2</source>
        <translation>À propos de Cantorix2</translation>
    </message>
    <message>
        <source>Cantorix2 %1, by the %2

Searches a plain-text service log or hymnal, tallies how often each hymn was used, reports each hymn&apos;s use over a date range, and copies what it finds to the clipboard.

Licensed under the GNU General Public License, version 3 or later.

Homepage: %3
Sample files: %4</source>
        <extracomment>%1 the version, %2 the publisher, %3 a web address, %4 a folder</extracomment>
        <translation>Cantorix2 %1, par %2

Recherche dans un journal des cultes ou un recueil de cantiques en texte brut, compte combien de fois chaque cantique a été utilisé, rend compte de l’utilisation de chaque cantique sur une période, et copie ce qu’il trouve dans le presse-papiers.

Sous licence GNU General Public License, version 3 ou ultérieure.

Page d’accueil&#xa0;: %3
Fichiers d’exemple&#xa0;: %4</translation>
    </message>
    <message>
        <source>Open in Text Editor</source>
        <translation>Ouvrir dans un éditeur de texte</translation>
    </message>
    <message>
        <source>No program was found to open &quot;%1&quot; with.</source>
        <translation>Aucun programme n’a été trouvé pour ouvrir «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>Add Service</source>
        <translation>Ajouter un culte</translation>
    </message>
    <message>
        <source>Load a service log first: a service is added to the log loaded.</source>
        <translation>Chargez d’abord un journal des cultes&#xa0;: un culte est ajouté au journal chargé.</translation>
    </message>
    <message>
        <source>The service has no hymns yet: add at least one line.</source>
        <translation>Le culte n’a pas encore de cantiques&#xa0;: ajoutez au moins une ligne.</translation>
    </message>
    <message>
        <source>Reload it now? The service stays in the dialog, to be added to the file as it is now.</source>
        <translation>Le recharger maintenant&#xa0;? Le culte reste dans la boîte de dialogue, pour être ajouté au fichier tel qu’il est maintenant.</translation>
    </message>
</context>
<context>
    <name>Panes</name>
    <message numerus="yes">
        <source>%n item(s) copied</source>
        <extracomment>The message after a right click put rows of an output list on the clipboard.</extracomment>
        <translation>
            <numerusform>%n élément copié</numerusform>
            <numerusform>%n éléments copiés</numerusform>
        </translation>
    </message>
    <message>
        <source>Song titles</source>
        <extracomment>The title of the message after the list of a hymnal&apos;s titles was copied.</extracomment>
        <translation>Titres des cantiques</translation>
    </message>
    <message>
        <source>Dates used</source>
        <extracomment>The title of the message after the list of a log&apos;s service dates was copied.</extracomment>
        <translation>Dates utilisées</translation>
    </message>
    <message>
        <source>Limit copy to Verse #:</source>
        <extracomment>The question before a copy of hymns&apos; lines: which verse of each hymn to copy (&quot;#&quot;: number).</extracomment>
        <translation>Limiter la copie à la strophe n°&#xa0;:</translation>
    </message>
    <message>
        <source>Select verse # (0 = credits only; ^ = references )</source>
        <extracomment>The title of that question: 0 copies the hymns&apos; credits only, &quot;^&quot; (typed as it is) their scripture references. &quot;#&quot;: number.</extracomment>
        <translation>Choisir la strophe n° (0 = auteurs seulement&#xa0;; ^ = références )</translation>
    </message>
    <message>
        <source>Select verse # (0 = credits only)</source>
        <extracomment>The title of that question: 0 copies the hymns&apos; credits only. &quot;#&quot;: number.</extracomment>
        <translation>Choisir la strophe n° (0 = auteurs seulement)</translation>
    </message>
    <message numerus="yes">
        <source>%1 +  %n title(s)</source>
        <extracomment>%1 is the &quot;… item(s) copied&quot; message; the hymns&apos; titles were copied too, as headings. The two blanks after &quot;+&quot; are kept.</extracomment>
        <translation>
            <numerusform>%1 +  %n titre</numerusform>
            <numerusform>%1 +  %n titres</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 +  %n count(s)</source>
        <extracomment>%1 is the &quot;… item(s) copied&quot; message; the tally&apos;s counts were copied too, as headings. The two blanks after &quot;+&quot; are kept.</extracomment>
        <translation>
            <numerusform>%1 +  %n décompte</numerusform>
            <numerusform>%1 +  %n décomptes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 +  %n date(s)</source>
        <extracomment>%1 is the &quot;… item(s) copied&quot; message; the services&apos; dates were copied too, as headings. The two blanks after &quot;+&quot; are kept.</extracomment>
        <translation>
            <numerusform>%1 +  %n date</numerusform>
            <numerusform>%1 +  %n dates</numerusform>
        </translation>
    </message>
    <message>
        <source>Verse lines</source>
        <extracomment>The title of the message after the hymns&apos; lines were copied.</extracomment>
        <translation>Lignes des strophes</translation>
    </message>
    <message>
        <source>- only &apos;Exclude&apos; terms are case sensitive</source>
        <extracomment>A tip in the help message: the boxes captioned &quot;exclude title:&quot;, &quot;exclude phrase:&quot; and &quot;exclude hymn:&quot;.</extracomment>
        <translation>- seuls les termes «&#xa0;exclure&#xa0;» distinguent majuscules et minuscules</translation>
    </message>
    <message>
        <source>- either &gt; or &lt; may be used in date or year box</source>
        <extracomment>A tip in the help message: &quot;&gt; 1990&quot; or &quot;&lt; 2000&quot; typed in the date or year box.</extracomment>
        <translation>- &gt; ou &lt; peut être utilisé dans la case de la date ou de l’année</translation>
    </message>
    <message>
        <source>- R click on an output box will copy box contents to clipboard</source>
        <extracomment>A tip in the help message: &quot;R click&quot; is a click of the right mouse button.</extracomment>
        <translation>- un clic droit sur une liste de résultats copie son contenu dans le presse-papiers</translation>
    </message>
    <message>
        <source>- L click in either output box will re-synchronize both boxes</source>
        <extracomment>A tip in the help message: &quot;L click&quot; is a click of the left mouse button.</extracomment>
        <translation>- un clic gauche dans l’une des listes de résultats resynchronise les deux listes</translation>
    </message>
    <message>
        <source>- to select from directory box, double click your selection</source>
        <extracomment>A tip in the help message: the directory box lists the folders.</extracomment>
        <translation>- pour choisir dans la liste des dossiers, double-cliquez sur votre choix</translation>
    </message>
    <message>
        <source>Cantorix2 ver %1</source>
        <extracomment>The help message&apos;s title: &quot;ver&quot; is short for version; %1 is the version number (2.9.7).</extracomment>
        <translation>Cantorix2 version %1</translation>
    </message>
    <message>
        <source>Cantorix2 team, 2026</source>
        <extracomment>The help message&apos;s copyright line, after &quot;©&quot;.</extracomment>
        <translation>L’équipe Cantorix2, 2026</translation>
    </message>
</context>
<context>
    <name>Plan</name>
    <message>
        <source>Row %1: %2</source>
        <extracomment>A row of an imported table that was left out, or only partly read: &quot;Row 12: no readings&quot;.</extracomment>
        <translation>Ligne %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>no day&apos;s name</source>
        <translation>pas de nom du jour</translation>
    </message>
    <message>
        <source>“%1” is not a day of the church year</source>
        <translation>«&#xa0;%1&#xa0;» n’est pas un jour de l’année liturgique</translation>
    </message>
    <message>
        <source>“%1” is not a year letter (A, B or C)</source>
        <translation>«&#xa0;%1&#xa0;» n’est pas une lettre d’année (A, B ou C)</translation>
    </message>
    <message>
        <source>no readings</source>
        <translation>pas de lectures</translation>
    </message>
    <message>
        <source>a “#” in the readings would begin a comment in Lectionary.txt</source>
        <translation>un «&#xa0;#&#xa0;» dans les lectures commencerait un commentaire dans Lectionary.txt</translation>
    </message>
    <message>
        <source>%1 is in row %2 already</source>
        <extracomment>%1 is a day and year (&quot;Advent 3 B&quot;), %2 the row that gave it first.</extracomment>
        <translation>%1 est déjà à la ligne %2</translation>
    </message>
    <message numerus="yes">
        <source>No hymn fits all three; %n hold(s) the phrase and the meter</source>
        <translation>
            <numerusform>Aucun cantique ne remplit les trois critères&#xa0;; %n contient les mots et le mètre</numerusform>
            <numerusform>Aucun cantique ne remplit les trois critères&#xa0;; %n contiennent les mots et le mètre</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>No hymn fits both; %n hold(s) the phrase</source>
        <translation>
            <numerusform>Aucun cantique ne remplit les deux critères&#xa0;; %n contient les mots</numerusform>
            <numerusform>Aucun cantique ne remplit les deux critères&#xa0;; %n contiennent les mots</numerusform>
        </translation>
    </message>
    <message>
        <source>title</source>
        <extracomment>Why a hymn is suggested: the phrase is in its title.</extracomment>
        <translation>titre</translation>
    </message>
    <message>
        <source>refrain: %1</source>
        <extracomment>Why a hymn is suggested: %1 is the part of its refrain that holds the phrase.</extracomment>
        <translation>refrain&#xa0;: %1</translation>
    </message>
    <message>
        <source>verse %1: %2</source>
        <extracomment>Why a hymn is suggested: %1 is the verse&apos;s number, %2 the part of the verse that holds the phrase.</extracomment>
        <translation>strophe %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>verse: %1</source>
        <extracomment>Why a hymn is suggested: %1 is the part of a verse without a number that holds the phrase.</extracomment>
        <translation>strophe&#xa0;: %1</translation>
    </message>
    <message>
        <source>meter %1</source>
        <extracomment>Why a hymn is suggested: its meter is the one asked for; %1 is the meter as numbers, &quot;8.6.8.6&quot;.</extracomment>
        <translation>mètre %1</translation>
    </message>
    <message>
        <source>Type readings, a phrase or a meter to see suggestions.</source>
        <translation>Saisissez des lectures, des mots ou un mètre pour voir des suggestions.</translation>
    </message>
    <message>
        <source>Load a hymnal to see suggestions.</source>
        <translation>Chargez un recueil de cantiques pour voir des suggestions.</translation>
    </message>
    <message>
        <source>The loaded file is a service log; suggestions need a hymnal.</source>
        <translation>Le fichier chargé est un journal des cultes&#xa0;; les suggestions demandent un recueil de cantiques.</translation>
    </message>
    <message>
        <source>Could not read the meter &quot;%1&quot;.</source>
        <translation>Impossible de lire le mètre «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>Hymn #</source>
        <extracomment>A column heading of the suggested hymns: the hymn&apos;s number (&quot;#&quot;: number).</extracomment>
        <translation>N° cant.</translation>
    </message>
    <message>
        <source>Title</source>
        <extracomment>A column heading of the suggested hymns: the hymn&apos;s title.</extracomment>
        <translation>Titre</translation>
    </message>
    <message>
        <source>Why</source>
        <extracomment>A column heading of the suggested hymns: why the hymn is suggested (the reading, the phrase or the meter it matched).</extracomment>
        <translation>Pourquoi</translation>
    </message>
    <message>
        <source>Meter</source>
        <extracomment>A column heading of the suggested hymns: the hymn&apos;s meter.</extracomment>
        <translation>Mètre</translation>
    </message>
    <message>
        <source>Last 12 months</source>
        <extracomment>A column heading of the suggested hymns: how often the log has the hymn in the last 12 months.</extracomment>
        <translation>12 derniers mois</translation>
    </message>
    <message>
        <source>Uses</source>
        <extracomment>A column heading of the suggested hymns: how often the log has the hymn at all (a noun).</extracomment>
        <translation>Utilisations</translation>
    </message>
    <message>
        <source>Last sung</source>
        <extracomment>A column heading of the suggested hymns: the date the hymn was last sung.</extracomment>
        <translation>Chanté le</translation>
    </message>
    <message>
        <source>Days since</source>
        <extracomment>A column heading of the suggested hymns: the days since the hymn was last sung.</extracomment>
        <translation>Jours écoulés</translation>
    </message>
    <message>
        <source>new</source>
        <extracomment>The last sung date of a suggested hymn the log never used.</extracomment>
        <translation>nouveau</translation>
    </message>
    <message numerus="yes">
        <source>Could not read the reference(s) %1.</source>
        <extracomment>Under Suggest Hymns&apos; readings: %1 is the pieces not read, each in quotes, separated by commas.</extracomment>
        <translation>
            <numerusform>Impossible de lire la référence %1.</numerusform>
            <numerusform>Impossible de lire les références %1.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Platform</name>
    <message>
        <source>error %1</source>
        <extracomment>In place of the system&apos;s reason for a failure, when it has none: %1 is the system&apos;s error code.</extracomment>
        <translation>erreur %1</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>Hymns joined by number: 14, 014 and #14 are one hymn</source>
        <translation>Cantiques réunis par numéro&#xa0;: 14, 014 et #14 sont un seul cantique</translation>
    </message>
    <message>
        <source>No service is dated up to today</source>
        <translation>Aucun culte n’est daté d’aujourd’hui ou d’avant</translation>
    </message>
    <message>
        <source>Counted from %1, the latest service up to today</source>
        <translation>Compté à partir du %1, le dernier culte jusqu’à aujourd’hui</translation>
    </message>
    <message>
        <source>Counted from %1, the latest service</source>
        <translation>Compté à partir du %1, le dernier culte</translation>
    </message>
    <message numerus="yes">
        <source>%n planned service(s) after today is/are not counted</source>
        <translation>
            <numerusform>%n culte prévu après aujourd’hui n’est pas compté</numerusform>
            <numerusform>%n cultes prévus après aujourd’hui ne sont pas comptés</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n planned service(s) after today is/are counted</source>
        <translation>
            <numerusform>%n culte prévu après aujourd’hui est compté</numerusform>
            <numerusform>%n cultes prévus après aujourd’hui sont comptés</numerusform>
        </translation>
    </message>
    <message>
        <source>The head line “%1” is dated more than a year after today: check its year</source>
        <translation>La ligne d’en-tête «&#xa0;%1&#xa0;» est datée de plus d’un an après aujourd’hui&#xa0;: vérifiez son année</translation>
    </message>
    <message>
        <source>hymn-usage</source>
        <extracomment>The file name offered for the usage report&apos;s exports, without its suffix (.csv, .pdf, .png).</extracomment>
        <translation>utilisation-cantiques</translation>
    </message>
    <message>
        <source>hymn-usage %1 to %2</source>
        <extracomment>The file name offered for the usage report&apos;s exports, without its suffix: %1 and %2 are the range&apos;s dates.</extracomment>
        <translation>utilisation-cantiques %1 au %2</translation>
    </message>
    <message>
        <source>Counted from %1, the latest service — after today: check the head line “%2”</source>
        <extracomment>%1 is the latest service&apos;s date, %2 its head line as the log writes it.</extracomment>
        <translation>Compté à partir du %1, le dernier culte — après aujourd’hui&#xa0;: vérifiez la ligne d’en-tête «&#xa0;%2&#xa0;»</translation>
    </message>
    <message>
        <source>Jan %1</source>
        <extracomment>A month&apos;s label on the usage chart: %1 is the year (&quot;Jan 2019&quot;).</extracomment>
        <translation>janv. %1</translation>
    </message>
    <message>
        <source>Feb %1</source>
        <translation>févr. %1</translation>
    </message>
    <message>
        <source>Mar %1</source>
        <translation>mars %1</translation>
    </message>
    <message>
        <source>Apr %1</source>
        <translation>avr. %1</translation>
    </message>
    <message>
        <source>May %1</source>
        <translation>mai %1</translation>
    </message>
    <message>
        <source>Jun %1</source>
        <translation>juin %1</translation>
    </message>
    <message>
        <source>Jul %1</source>
        <translation>juil. %1</translation>
    </message>
    <message>
        <source>Aug %1</source>
        <translation>août %1</translation>
    </message>
    <message>
        <source>Sep %1</source>
        <translation>sept. %1</translation>
    </message>
    <message>
        <source>Oct %1</source>
        <translation>oct. %1</translation>
    </message>
    <message>
        <source>Nov %1</source>
        <translation>nov. %1</translation>
    </message>
    <message>
        <source>Dec %1</source>
        <translation>déc. %1</translation>
    </message>
</context>
<context>
    <name>ReportChart</name>
    <message>
        <source>Chart of uses</source>
        <translation>Graphique des utilisations</translation>
    </message>
    <message>
        <source>%1: no dated services in this range</source>
        <extracomment>Read to a screen reader for a chart without bars; %1 is the chart&apos;s title.</extracomment>
        <translation>%1&#xa0;: aucun culte daté dans cette période</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>Read to a screen reader: %1 is the chart&apos;s title, %2 each period with its uses.</extracomment>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>No dated services in this range</source>
        <translation>Aucun culte daté dans cette période</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n use(s)</source>
        <extracomment>A bar&apos;s tooltip on the usage chart: %1 is the period (&quot;2019&quot;, &quot;Jan 2019&quot;).</extracomment>
        <translation>
            <numerusform>%1&#xa0;: %n utilisation</numerusform>
            <numerusform>%1&#xa0;: %n utilisations</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ReportExports</name>
    <message>
        <source>Saved %1</source>
        <translation>Enregistré&#xa0;: %1</translation>
    </message>
    <message numerus="yes">
        <source>Printed the report: %n page(s)</source>
        <translation>
            <numerusform>Rapport imprimé&#xa0;: %n page</numerusform>
            <numerusform>Rapport imprimé&#xa0;: %n pages</numerusform>
        </translation>
    </message>
    <message>
        <source>The folder “%1” has a name the file dialog cannot pass on, so nothing was written. Choose another folder, or the folder of the loaded file.</source>
        <translation>Le dossier «&#xa0;%1&#xa0;» a un nom que la boîte de dialogue des fichiers ne peut pas transmettre, donc rien n’a été écrit. Choisissez un autre dossier, ou le dossier du fichier chargé.</translation>
    </message>
    <message>
        <source>“%1” already exists.
Do you want to replace it?</source>
        <translation>«&#xa0;%1&#xa0;» existe déjà.
Voulez-vous le remplacer&#xa0;?</translation>
    </message>
    <message>
        <source>The report could not be written to “%1”:
%2

Nothing was changed there.</source>
        <extracomment>%1 is the file&apos;s path, %2 the system&apos;s reason.</extracomment>
        <translation>Le rapport n’a pas pu être écrit dans «&#xa0;%1&#xa0;»&#xa0;:
%2

Rien n’y a été modifié.</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>Exporter en CSV</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <extracomment>The save dialog&apos;s file types: the patterns in brackets stay as they are.</extracomment>
        <translation>Fichiers CSV (*.csv);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Hymn usage</source>
        <extracomment>The printed report&apos;s title; %1 is the log&apos;s file name.</extracomment>
        <translation>Utilisation des cantiques</translation>
    </message>
    <message>
        <source>Hymn usage: %1</source>
        <translation>Utilisation des cantiques&#xa0;: %1</translation>
    </message>
    <message>
        <source>Export PDF</source>
        <translation>Exporter en PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf);;All files (*)</source>
        <extracomment>The save dialog&apos;s file types: the patterns in brackets stay as they are.</extracomment>
        <translation>Fichiers PDF (*.pdf);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Making the PDF…</source>
        <translation>Création du PDF…</translation>
    </message>
    <message>
        <source>The PDF could not be made. Nothing was written.</source>
        <translation>Le PDF n’a pas pu être créé. Rien n’a été écrit.</translation>
    </message>
    <message>
        <source>Print Usage Report</source>
        <translation>Imprimer le rapport d’utilisation</translation>
    </message>
    <message>
        <source>Print</source>
        <extracomment>The title of the progress window and of the message when printing fails.</extracomment>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Printing the report…</source>
        <translation>Impression du rapport…</translation>
    </message>
    <message>
        <source>The report could not be printed.</source>
        <translation>Le rapport n’a pas pu être imprimé.</translation>
    </message>
    <message>
        <source>%1 hymns: %2</source>
        <extracomment>A chart picture&apos;s second title line: %1 is how many hymns are selected (two or more), %2 their names.</extracomment>
        <translation>%1 cantiques&#xa0;: %2</translation>
    </message>
    <message>
        <source>Save Chart</source>
        <translation>Enregistrer le graphique</translation>
    </message>
    <message>
        <source>PNG images (*.png);;All files (*)</source>
        <extracomment>The save dialog&apos;s file types: the patterns in brackets stay as they are.</extracomment>
        <translation>Images PNG (*.png);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>The chart could not be made into a PNG image. Nothing was written.</source>
        <translation>Le graphique n’a pas pu être converti en image PNG. Rien n’a été écrit.</translation>
    </message>
</context>
<context>
    <name>ReportModel</name>
    <message>
        <source>Days from the last use to the latest service counted</source>
        <translation>Jours entre la dernière utilisation et le dernier culte compté</translation>
    </message>
    <message>
        <source>Credits</source>
        <translation>Auteurs</translation>
    </message>
    <message>
        <source>Hymn #</source>
        <extracomment>The usage report&apos;s column of hymn numbers, also the heading of its copies and CSV.</extracomment>
        <translation>N° cant.</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titre</translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>Utilisations</translation>
    </message>
    <message>
        <source>First used</source>
        <translation>Première utilisation</translation>
    </message>
    <message>
        <source>Last used</source>
        <translation>Dernière utilisation</translation>
    </message>
    <message>
        <source>Days since</source>
        <extracomment>The usage report&apos;s column of days from a hymn&apos;s last use to the latest service.</extracomment>
        <translation>Jours écoulés</translation>
    </message>
</context>
<context>
    <name>ReportPrinter</name>
    <message>
        <source>Page %1 of %2</source>
        <extracomment>The foot of each printed page of the usage report.</extracomment>
        <translation>Page %1 sur %2</translation>
    </message>
</context>
<context>
    <name>ReportWindow</name>
    <message>
        <source>Previous church year</source>
        <translation>Année liturgique précédente</translation>
    </message>
    <message>
        <source>Previous calendar year</source>
        <translation>Année civile précédente</translation>
    </message>
    <message>
        <source>The range of services to count, taken back from the latest service held, or from today for the previous years</source>
        <translation>La période des cultes à compter, en remontant depuis le dernier culte célébré, ou depuis aujourd’hui pour les années précédentes</translation>
    </message>
    <message>
        <source>Count pla&amp;nned services</source>
        <translation>Compter les cultes prév&amp;us</translation>
    </message>
    <message>
        <source>Count the services dated after today too, as if they had been held</source>
        <translation>Compter aussi les cultes datés après aujourd’hui, comme s’ils avaient été célébrés</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Tout</translation>
    </message>
    <message>
        <source>Latest year</source>
        <translation>Dernière année</translation>
    </message>
    <message>
        <source>Year before</source>
        <translation>Année d’avant</translation>
    </message>
    <message>
        <source>Last 12 months</source>
        <translation>12 derniers mois</translation>
    </message>
    <message>
        <source>Church year</source>
        <translation>Année liturgique</translation>
    </message>
    <message>
        <source>Season</source>
        <translation>Saison</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personnalisée</translation>
    </message>
    <message>
        <source>Usage Report</source>
        <translation>Rapport d’utilisation</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>Période</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Début</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>open</source>
        <extracomment>Beside a date of the range: the range has no end there, it counts from the file&apos;s first service or to its last.</extracomment>
        <translation>ouvert</translation>
    </message>
    <message>
        <source>Count from the first service of the file</source>
        <translation>Compter à partir du premier culte du fichier</translation>
    </message>
    <message>
        <source>From: open</source>
        <translation>Début&#xa0;: ouvert</translation>
    </message>
    <message>
        <source>Count to the last service of the file</source>
        <translation>Compter jusqu’au dernier culte du fichier</translation>
    </message>
    <message>
        <source>To: open</source>
        <translation>Fin&#xa0;: ouvert</translation>
    </message>
    <message>
        <source>Count a hymn &amp;once per service</source>
        <translation>Compter un cantique une seule f&amp;ois par culte</translation>
    </message>
    <message>
        <source>&amp;Range:</source>
        <translation>&amp;Période&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;From</source>
        <translation>&amp;Du</translation>
    </message>
    <message>
        <source>&amp;to</source>
        <extracomment>Between the range&apos;s two dates: &quot;From [date] to [date]&quot;.</extracomment>
        <translation>&amp;au</translation>
    </message>
    <message>
        <source>Filter by hymn number or title</source>
        <translation>Filtrer par numéro ou titre de cantique</translation>
    </message>
    <message>
        <source>F&amp;ilter:</source>
        <translation>Filt&amp;re&#xa0;:</translation>
    </message>
    <message>
        <source>Sort by</source>
        <translation>Trier par</translation>
    </message>
    <message>
        <source>&amp;Sort by:</source>
        <translation>&amp;Trier par&#xa0;:</translation>
    </message>
    <message>
        <source>D&amp;escending</source>
        <translation>Décroi&amp;ssant</translation>
    </message>
    <message>
        <source>Hymns and their uses</source>
        <translation>Cantiques et leurs utilisations</translation>
    </message>
    <message>
        <source>Save as PNG…</source>
        <translation>Enregistrer en PNG…</translation>
    </message>
    <message>
        <source>Table and chart</source>
        <translation>Tableau et graphique</translation>
    </message>
    <message>
        <source>Divider between the table and the chart</source>
        <translation>Séparateur entre le tableau et le graphique</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Copy the selected rows, or all rows, for a spreadsheet (%1)</source>
        <extracomment>%1 is the copy&apos;s shortcut (Ctrl+C).</extracomment>
        <translation>Copier les lignes sélectionnées, ou toutes les lignes, pour un tableur (%1)</translation>
    </message>
    <message>
        <source>Export CS&amp;V…</source>
        <translation>Exporter en CS&amp;V…</translation>
    </message>
    <message>
        <source>Export P&amp;DF…</source>
        <translation>Exporter en PD&amp;F…</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>&amp;Imprimer…</translation>
    </message>
    <message>
        <source>Save C&amp;hart…</source>
        <translation>Enregistrer le &amp;graphique…</translation>
    </message>
    <message>
        <source>Save the chart as a PNG picture</source>
        <translation>Enregistrer le graphique en image PNG</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>F&amp;ermer</translation>
    </message>
    <message>
        <source>Usage Report — %1</source>
        <translation>Rapport d’utilisation — %1</translation>
    </message>
    <message>
        <source>%1 + %2 more</source>
        <extracomment>The chart&apos;s hymns when more than three are selected: %1 is the first three names, %2 how many more.</extracomment>
        <translation>%1 + %2 autres</translation>
    </message>
    <message>
        <source>Hymns matching “%1” (%2)</source>
        <extracomment>The chart&apos;s hymns: %1 is the filter&apos;s text, %2 how many rows it leaves.</extracomment>
        <translation>Cantiques correspondant à «&#xa0;%1&#xa0;» (%2)</translation>
    </message>
    <message>
        <source>All hymns</source>
        <translation>Tous les cantiques</translation>
    </message>
    <message>
        <source>Uses per year, %1
%2</source>
        <extracomment>The chart&apos;s title on two lines: %1 is the range (&quot;2019-01-01 to 2019-12-31&quot;), %2 the hymns charted.</extracomment>
        <translation>Utilisations par année, %1
%2</translation>
    </message>
    <message>
        <source>Uses per month, %1
%2</source>
        <translation>Utilisations par mois, %1
%2</translation>
    </message>
    <message numerus="yes">
        <source>%Ln service(s)</source>
        <translation>
            <numerusform>%Ln culte</numerusform>
            <numerusform>%Ln cultes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln hymn(s)</source>
        <translation>
            <numerusform>%Ln cantique</numerusform>
            <numerusform>%Ln cantiques</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2 (%3 shown)</source>
        <extracomment>The report&apos;s counts when the filter hides rows: %1 the services, %2 the hymns, %3 the rows shown.</extracomment>
        <translation>%1, %2 (%3 affichés)</translation>
    </message>
    <message>
        <source>From is after To: nothing is counted.</source>
        <translation>Le début est après la fin&#xa0;: rien n’est compté.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln service(s) has/have no date in its/their head line</source>
        <translation>
            <numerusform>%Ln culte n’a pas de date dans sa ligne d’en-tête</numerusform>
            <numerusform>%Ln cultes n’ont pas de date dans leur ligne d’en-tête</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: counted in the table, not in the chart.</source>
        <extracomment>%1 says how many services have no date (&quot;3 services have no date in their head line&quot;).</extracomment>
        <translation>%1&#xa0;; le tableau en tient compte, pas le graphique.</translation>
    </message>
    <message>
        <source>%1: counted only under All.</source>
        <translation>%1&#xa0;; seule la période «&#xa0;Tout&#xa0;» en tient compte.</translation>
    </message>
    <message>
        <source>all services</source>
        <translation>tous les cultes</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <extracomment>A range of dates: %1 and %2 are dates written 2019-01-01.</extracomment>
        <translation>du %1 au %2</translation>
    </message>
    <message>
        <source>hymn # %1 (full # only)</source>
        <extracomment>The printed report&apos;s criteria: %1 is the hymn number searched for.</extracomment>
        <translation>cantique n° %1 (numéro exact seulement)</translation>
    </message>
    <message>
        <source>hymn # %1</source>
        <translation>cantique n° %1</translation>
    </message>
    <message>
        <source>title phrase “%1”</source>
        <translation>mots du titre «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>excluding # %1</source>
        <translation>sauf n° %1</translation>
    </message>
    <message>
        <source>excluding title “%1”</source>
        <translation>sauf titre «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>date limit %1</source>
        <extracomment>The printed report&apos;s criteria: %1 is the date limit as typed in the main window.</extracomment>
        <translation>limite de date %1</translation>
    </message>
    <message>
        <source>%1; a hymn counted once per service</source>
        <extracomment>A printed note: %1 is the counts (&quot;12 services, 30 hymns&quot;).</extracomment>
        <translation>%1&#xa0;; un cantique compté une fois par culte</translation>
    </message>
    <message>
        <source>Criteria: %1</source>
        <extracomment>A printed note: %1 is the main window&apos;s search criteria.</extracomment>
        <translation>Critères&#xa0;: %1</translation>
    </message>
    <message>
        <source>Rows matching “%1”</source>
        <extracomment>A printed note: %1 is the filter&apos;s text.</extracomment>
        <translation>Lignes correspondant à «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>Chart of the selected hymn: %1</source>
        <translation>Graphique du cantique sélectionné&#xa0;: %1</translation>
    </message>
    <message>
        <source>Chart of the %1 selected hymns: %2</source>
        <extracomment>A printed note: %1 is how many hymns are selected (two or more), %2 their names.</extracomment>
        <translation>Graphique des %1 cantiques sélectionnés&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>SampleCopy</name>
    <message>
        <source>The folder “%1” could not be made: %2.</source>
        <extracomment>%1 is a folder&apos;s path, %2 the system&apos;s reason</extracomment>
        <translation>Le dossier «&#xa0;%1&#xa0;» n’a pas pu être créé&#xa0;: %2.</translation>
    </message>
    <message>
        <source>“%1” could not be copied into “%2”: %3.</source>
        <extracomment>%1 is a sample file&apos;s name, %2 the folder&apos;s path, %3 the system&apos;s reason</extracomment>
        <translation>«&#xa0;%1&#xa0;» n’a pas pu être copié dans «&#xa0;%2&#xa0;»&#xa0;: %3.</translation>
    </message>
    <message>
        <source>%1 The samples are opened where they are installed, to be read only.</source>
        <extracomment>%1 says why the samples could not be copied</extracomment>
        <translation>%1 Les exemples sont ouverts là où ils sont installés, en lecture seule.</translation>
    </message>
    <message>
        <source>Sample files</source>
        <translation>Fichiers d’exemple</translation>
    </message>
</context>
<context>
    <name>ServiceCommands</name>
    <message>
        <source>Edit Service</source>
        <translation>Modifier le culte</translation>
    </message>
    <message>
        <source>The service has no lines left: add at least one, or take the service out of the log with Remove Service.</source>
        <translation>Le culte n’a plus aucune ligne&#xa0;: ajoutez-en au moins une, ou retirez le culte du journal avec Supprimer le culte.</translation>
    </message>
    <message>
        <source>Remove Service</source>
        <translation>Supprimer le culte</translation>
    </message>
    <message>
        <source>Remove this service from &quot;%1&quot;?

%2

The log as it was is kept in a backup, and Edit &gt; Undo Last Change puts it back.</source>
        <translation>Supprimer ce culte de «&#xa0;%1&#xa0;»&#xa0;?

%2

Le journal tel qu’il était est conservé dans une sauvegarde, et Édition &gt; Annuler la dernière modification le remet.</translation>
    </message>
    <message>
        <source>Close this dialog, reload the log (File &gt; Reload) and choose the service again.</source>
        <translation>Fermez cette boîte de dialogue, rechargez le journal (Fichier &gt; Recharger) et choisissez de nouveau le culte.</translation>
    </message>
    <message>
        <source>Undo Last Change</source>
        <translation>Annuler la dernière modification</translation>
    </message>
    <message>
        <source>Load the service log whose last change is to be undone.</source>
        <translation>Chargez le journal des cultes dont la dernière modification doit être annulée.</translation>
    </message>
    <message>
        <source>Undo the last change to &quot;%1&quot; (%2)?

The log is put back as it was before, from &quot;%3&quot;; the log as it is now is kept in a backup of its own.</source>
        <translation>Annuler la dernière modification de «&#xa0;%1&#xa0;» (%2)&#xa0;?

Le journal est remis tel qu’il était auparavant, à partir de «&#xa0;%3&#xa0;»&#xa0;; le journal tel qu’il est maintenant est conservé dans une sauvegarde à part.</translation>
    </message>
    <message>
        <source>Print Hymn Board</source>
        <translation>Imprimer le tableau des cantiques</translation>
    </message>
    <message>
        <source>The service has no hymn numbers to put on the board.</source>
        <translation>Le culte n’a aucun numéro de cantique à mettre sur le tableau.</translation>
    </message>
    <message>
        <source>%1 — %2</source>
        <translation>%1 — %2</translation>
    </message>
    <message>
        <source>Hymn board %1.pdf</source>
        <translation>Tableau des cantiques %1.pdf</translation>
    </message>
    <message>
        <source>Hymn board.pdf</source>
        <translation>Tableau des cantiques.pdf</translation>
    </message>
    <message>
        <source>Copied for the bulletin: %1</source>
        <translation>Copié pour la feuille de culte&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>Store</name>
    <message numerus="yes">
        <source>The file holds more than the %n entries the program can keep (line %1 would need one more); the entries before it were loaded.</source>
        <extracomment>%n is the most entries (hymns, services and their continuations) the program keeps, %1 a line number of the file.</extracomment>
        <translation>
            <numerusform>Le fichier contient plus d’entrées que le programme ne peut en garder (%n au maximum&#xa0;; la ligne %1 en demanderait une de plus)&#xa0;; les entrées qui la précèdent ont été chargées.</numerusform>
            <numerusform>Le fichier contient plus d’entrées que le programme ne peut en garder (%n au maximum&#xa0;; la ligne %1 en demanderait une de plus)&#xa0;; les entrées qui la précèdent ont été chargées.</numerusform>
        </translation>
    </message>
    <message>
        <source>&quot;%1&quot; is empty: it holds no hymns or services.</source>
        <translation>«&#xa0;%1&#xa0;» est vide&#xa0;: il ne contient ni cantiques ni cultes.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; grew past 64 MiB while it was read; it is not a hymn file, so nothing was loaded.</source>
        <translation>«&#xa0;%1&#xa0;» a dépassé 64 Mio pendant sa lecture&#xa0;; ce n’est pas un fichier de cantiques, donc rien n’a été chargé.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; was not found; it may have been moved or deleted.</source>
        <translation>Le fichier «&#xa0;%1&#xa0;» est introuvable&#xa0;; il a peut-être été déplacé ou supprimé.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a folder, not a hymn file.</source>
        <translation>«&#xa0;%1&#xa0;» est un dossier, pas un fichier de cantiques.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an ordinary file (a pipe or a device), so it was not read.</source>
        <translation>«&#xa0;%1&#xa0;» n’est pas un fichier ordinaire (un tube ou un périphérique), donc il n’a pas été lu.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be opened (%2).</source>
        <extracomment>%2 is the system&apos;s own reason.</extracomment>
        <translation>«&#xa0;%1&#xa0;» n’a pas pu être ouvert (%2).</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is %2 MiB; hymn files are far smaller than 64 MiB, so it was not read.</source>
        <extracomment>MiB: mebibytes (1024 × 1024 bytes).</extracomment>
        <translation>«&#xa0;%1&#xa0;» fait %2 Mio&#xa0;; les fichiers de cantiques sont bien plus petits que 64 Mio, donc il n’a pas été lu.</translation>
    </message>
    <message numerus="yes">
        <source>Reading &quot;%1&quot; failed after %n byte(s) (%2); the entries read before the failure were kept.</source>
        <extracomment>%2 is the system&apos;s own reason.</extracomment>
        <translation>
            <numerusform>La lecture de «&#xa0;%1&#xa0;» a échoué après %n octet (%2)&#xa0;; les entrées lues avant l’échec ont été conservées.</numerusform>
            <numerusform>La lecture de «&#xa0;%1&#xa0;» a échoué après %n octets (%2)&#xa0;; les entrées lues avant l’échec ont été conservées.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n item(s) loaded - this is the program&apos;s maximum</source>
        <extracomment>The message when a file holds more entries than the program keeps: the first %n were loaded.</extracomment>
        <translation>
            <numerusform>%n élément chargé - c’est le maximum du programme</numerusform>
            <numerusform>%n éléments chargés - c’est le maximum du programme</numerusform>
        </translation>
    </message>
    <message>
        <source>Reading &quot;%1&quot; failed (%2).</source>
        <extracomment>%2 is the system&apos;s own reason.</extracomment>
        <translation>La lecture de «&#xa0;%1&#xa0;» a échoué (%2).</translation>
    </message>
</context>
<context>
    <name>SuggestWindow</name>
    <message>
        <source>Suggest Hymns</source>
        <translation>Suggérer des cantiques</translation>
    </message>
    <message>
        <source>Date planned for</source>
        <translation>Date prévue</translation>
    </message>
    <message>
        <source>The day planned for: its readings come from Lectionary.txt beside the hymnal, and uses are counted up to it</source>
        <translation>Le jour prévu&#xa0;: ses lectures viennent de Lectionary.txt à côté du recueil, et les utilisations sont comptées jusqu’à ce jour</translation>
    </message>
    <message>
        <source>Readings</source>
        <translation>Lectures</translation>
    </message>
    <message>
        <source>Isaiah 40:1-11; Mark 1:1-8</source>
        <extracomment>An example of references, as a planner of the language writes them; the book names must be ones the program reads in that language (&quot;Jes 40,1-11; Mk 1,1-8&quot;).</extracomment>
        <translation>Is 40,1-11&#xa0;; Mc 1,1-8</translation>
    </message>
    <message>
        <source>Scripture references, separated by semicolons</source>
        <translation>Références bibliques, séparées par des points-virgules</translation>
    </message>
    <message>
        <source>Phrase</source>
        <translation>Mots</translation>
    </message>
    <message>
        <source>every word somewhere in the hymn</source>
        <translation>tous les mots, n’importe où dans le cantique</translation>
    </message>
    <message>
        <source>Words that must all occur in the title, a verse or a refrain, in any case</source>
        <translation>Des mots qui doivent tous figurer dans le titre, une strophe ou un refrain, sans distinction de majuscules</translation>
    </message>
    <message>
        <source>Meter</source>
        <extracomment>The meter box&apos;s placeholder: C.M. and 8.7.8.7 D are meters as typed, kept as they are.</extracomment>
        <translation>Mètre</translation>
    </message>
    <message>
        <source>C.M. or 8.7.8.7 D</source>
        <translation>C.M. ou 8.7.8.7 D</translation>
    </message>
    <message>
        <source>A meter, as letters (C.M., L.M.D.) or syllable counts (8.7.8.7)</source>
        <translation>Un mètre, en lettres (C.M., L.M.D.) ou en nombres de syllabes (8.7.8.7)</translation>
    </message>
    <message>
        <source>Sort by</source>
        <translation>Trier par</translation>
    </message>
    <message>
        <source>Suggested order</source>
        <translation>Ordre suggéré</translation>
    </message>
    <message>
        <source>Suggested order: hymns sung often but not lately first, hymns never sung (new) last</source>
        <translation>Ordre suggéré&#xa0;: d’abord les cantiques souvent chantés mais pas récemment, en dernier les cantiques jamais chantés (nouveaux)</translation>
    </message>
    <message>
        <source>&amp;Descending</source>
        <translation>Décroi&amp;ssant</translation>
    </message>
    <message>
        <source>Descending</source>
        <translation>Décroissant</translation>
    </message>
    <message>
        <source>Da&amp;te:</source>
        <translation>&amp;Date&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Readings:</source>
        <translation>&amp;Lectures&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Phrase:</source>
        <translation>M&amp;ots&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Meter:</source>
        <translation>&amp;Mètre&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Sort by:</source>
        <translation>&amp;Trier par&#xa0;:</translation>
    </message>
    <message>
        <source>Suggested hymns</source>
        <translation>Cantiques suggérés</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>&amp;Add to Service</source>
        <translation>&amp;Ajouter au culte</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Copy the selected rows, or all rows, for a spreadsheet (%1)</source>
        <extracomment>%1 is the copy&apos;s shortcut (Ctrl+C).</extracomment>
        <translation>Copier les lignes sélectionnées, ou toutes les lignes, pour un tableur (%1)</translation>
    </message>
    <message>
        <source>Start a service with the selected hymns (%1)</source>
        <extracomment>%1 is the command&apos;s shortcut (Ctrl+Return).</extracomment>
        <translation>Commencer un culte avec les cantiques sélectionnés (%1)</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>F&amp;ermer</translation>
    </message>
    <message>
        <source>Close (Esc)</source>
        <translation>Fermer (Échap)</translation>
    </message>
    <message>
        <source>No readings for %1 %2 in %3</source>
        <extracomment>%1 is the day&apos;s name in the church year, %2 the lectionary&apos;s year (A, B or C), %3 the file&apos;s name.</extracomment>
        <translation>Aucune lecture pour «&#xa0;%1&#xa0;», année %2, dans %3</translation>
    </message>
    <message>
        <source>%1 could not be read: %2</source>
        <extracomment>%1 is the lectionary&apos;s file name, %2 why it could not be read.</extracomment>
        <translation>%1 n’a pas pu être lu&#xa0;: %2</translation>
    </message>
    <message>
        <source>No hymn in the hymnal fits.</source>
        <translation>Aucun cantique du recueil ne convient.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln hymn(s) suggested, uses counted up to %1.</source>
        <translation>
            <numerusform>%Ln cantique suggéré, utilisations comptées jusqu’au %1.</numerusform>
            <numerusform>%Ln cantiques suggérés, utilisations comptées jusqu’au %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln hymn(s) suggested. Load a service log to see how often each was sung.</source>
        <translation>
            <numerusform>%Ln cantique suggéré. Chargez un journal des cultes pour voir combien de fois il a été chanté.</numerusform>
            <numerusform>%Ln cantiques suggérés. Chargez un journal des cultes pour voir combien de fois chacun a été chanté.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>UserGuide</name>
    <message>
        <source>User Guide</source>
        <translation>Guide de l’utilisateur</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>%1 User Guide</source>
        <extracomment>%1 is the program&apos;s name</extracomment>
        <translation>Guide de l’utilisateur de %1</translation>
    </message>
</context>
<context>
    <name>ValueLabel</name>
    <message>
        <source>%1: %2</source>
        <extracomment>a screen reader&apos;s name for a count or a name the window shows: %1 what it is (&quot;Dates listed&quot;), %2 the value</extracomment>
        <translation>%1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>Workspace</name>
    <message>
        <source>%1 was changed by another program while the import was being prepared, so nothing was written. Import again to merge into it as it is now.</source>
        <translation>%1 a été modifié par un autre programme pendant la préparation de l’importation, donc rien n’a été écrit. Importez à nouveau pour fusionner avec son contenu actuel.</translation>
    </message>
    <message>
        <source>The hymnal&apos;s folder “%1” cannot be written, so no lectionary can be imported: %2 goes beside the hymnal. Copy the hymnal to a folder you may write in, and set it there.</source>
        <translation>Le dossier du recueil «&#xa0;%1&#xa0;» n’est pas accessible en écriture, donc aucun lectionnaire ne peut être importé&#xa0;: %2 se place à côté du recueil. Copiez le recueil dans un dossier où vous pouvez écrire, et choisissez-le à cet endroit.</translation>
    </message>
    <message>
        <source>%1 in “%2” is read-only, so no lectionary can be imported into it.</source>
        <translation>%1 dans «&#xa0;%2&#xa0;» est en lecture seule, donc aucun lectionnaire ne peut y être importé.</translation>
    </message>
    <message>
        <source>%1 in “%2” is not a file the program can write, so no lectionary can be imported.</source>
        <translation>%1 dans «&#xa0;%2&#xa0;» n’est pas un fichier dans lequel le programme peut écrire, donc aucun lectionnaire ne peut être importé.</translation>
    </message>
    <message>
        <source>%1 is being written by another copy of Cantorix2, so nothing was written. Try again in a moment.</source>
        <translation>%1 est en cours d’écriture par une autre instance de Cantorix2, donc rien n’a été écrit. Réessayez dans un instant.</translation>
    </message>
    <message>
        <source>%1 could not be written: %2. The file is as it was.</source>
        <translation>%1 n’a pas pu être écrit&#xa0;: %2. Le fichier est tel qu’il était.</translation>
    </message>
</context>
</TS>
