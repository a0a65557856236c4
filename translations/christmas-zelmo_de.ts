<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>BoardAccessible</name>
    <message>
        <location filename="../cards/BoardAccessible.cpp" line="+74"/>
        <source>1 card</source>
        <translation>1 Karte</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%n cards</source>
        <translation>
            <numerusform>%n Karte</numerusform>
            <numerusform>%n Karten</numerusform>
        </translation>
    </message>
    <message>
        <location line="+124"/>
        <source>Card table</source>
        <translation>Kartentisch</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>face-down card</source>
        <translation>verdeckte Karte</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1, %2</source>
        <extracomment>%1 a card, %2 the pile it lies in: &quot;Queen of Hearts, your hand&quot;</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1, playable</source>
        <extracomment>%1 a card, perhaps with its pile</extracomment>
        <translation>%1, spielbar</translation>
    </message>
</context>
<context>
    <name>CardNames</name>
    <message>
        <location filename="../cards/CardNames.cpp" line="+11"/>
        <source>Ace</source>
        <translation>Ass</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Two</source>
        <translation>Zwei</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Three</source>
        <translation>Drei</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Four</source>
        <translation>Vier</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Five</source>
        <translation>Fünf</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Six</source>
        <translation>Sechs</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Seven</source>
        <translation>Sieben</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Eight</source>
        <translation>Acht</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Nine</source>
        <translation>Neun</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Ten</source>
        <translation>Zehn</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Jack</source>
        <translation>Bube</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Queen</source>
        <translation>Dame</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>King</source>
        <translation>König</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Clubs</source>
        <translation>Kreuz</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Diamonds</source>
        <translation>Karo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hearts</source>
        <translation>Herz</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Spades</source>
        <translation>Pik</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>%1 of %2</source>
        <extracomment>%1 the value, %2 the suit: &quot;Queen of Hearts&quot;</extracomment>
        <translation>%2-%1</translation>
    </message>
</context>
<context>
    <name>Package</name>
    <message>
        <location filename="../shell/Commons.cpp" line="+22"/>
        <location filename="../tools/packagetexts/PackageTexts.cpp" line="+6"/>
        <source>Christmas Zelmo</source>
        <translation>Christmas Zelmo</translation>
    </message>
    <message>
        <location filename="../tools/packagetexts/PackageTexts.cpp" line="+1"/>
        <source>Card Game</source>
        <translation>Kartenspiel</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Attack and defend with a 36-card deck against the computer</source>
        <translation>Mit 36 Karten gegen den Computer angreifen und abwehren</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>cards;zelmo;christmas;</source>
        <translation>Karten;Kartenspiel;zelmo;Weihnachten;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Christmas card game against the computer</source>
        <translation>Weihnachtliches Kartenspiel gegen den Computer</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Christmas Zelmo is an attack-and-defend trick game with a 36-card deck and a trump suit. You play against the computer in three variants:</source>
        <translation>Christmas Zelmo ist ein Kartenspiel mit Angriff und Abwehr, 36 Karten und einer Trumpffarbe. Du spielst gegen den Computer in drei Varianten:</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Mover: the defender may pass the attack on by moving the table to the other player.</source>
        <translation>Schieber: Der Verteidiger darf den Angriff weitergeben, indem er den Tisch zum anderen Spieler weiterschiebt.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Heap: every card played stays on one growing heap, and a side that cannot beat its top card takes the top three, or five under a trump.</source>
        <translation>Haufen: Jede gespielte Karte bleibt auf einem wachsenden Haufen; wer die oberste Karte nicht schlagen kann, nimmt die obersten drei auf, unter einem Trumpf fünf.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Round: a capture phase around a ring of nine cards, then an attack phase.</source>
        <translation>Reigen: Erst werden Karten aus einem Kreis von neun Karten erbeutet, dann folgt die Angriffsphase.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Cards fly across the table in smooth animations. Ask for a hint, let the computer play your side, read the rules in the built-in help, and choose card backs, backgrounds and the pace of the animation.</source>
        <translation>Die Karten fliegen in flüssigen Animationen über den Tisch. Hol dir einen Tipp, lass den Computer für dich spielen, lies die Regeln in der eingebauten Hilfe und wähle Kartenrückseiten, Hintergründe und das Tempo der Animation.</translation>
    </message>
</context>
<context>
    <name>TChooser</name>
    <message>
        <location filename="../shell/Chooser.cpp" line="+29"/>
        <source>Mover Zelmo -- the most popular</source>
        <translation>Schieber-Zelmo -- das beliebteste</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Heap Zelmo -- a very unpredictable play</source>
        <translation>Haufen-Zelmo -- voller Überraschungen</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Round Zelmo -- take more to win</source>
        <translation>Reigen-Zelmo -- wer mehr nimmt, gewinnt</translation>
    </message>
    <message>
        <location line="+62"/>
        <source>Select a gift! (click on game&apos;s name)</source>
        <translation>Wähle ein Geschenk! (Klicke auf den Namen des Spiels)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Christmas tree with gifts</source>
        <translation>Weihnachtsbaum mit Geschenken</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Select a gift from under the tree to play game</source>
        <translation>Wähle ein Geschenk unter dem Baum, um zu spielen</translation>
    </message>
</context>
<context>
    <name>TFAbout</name>
    <message>
        <location filename="../shell/About.cpp" line="+49"/>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Christmas Edition</source>
        <translation>Weihnachtsausgabe</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Christmas Zelmo homepage:</source>
        <translation>Zelmo-Homepage:</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>If you have any questions, comments or suggestions about Christmas Zelmo, e-mail author:</source>
        <translation>Hast du Fragen, Anmerkungen oder Vorschläge zu Christmas Zelmo, schreib dem Autor:</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Author&apos;s e-mail:</source>
        <translation>E-Mail des Autors:</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Your feedback will be gladly accepted.</source>
        <translation>Über Rückmeldungen freut er sich.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
</context>
<context>
    <name>TFGameOver</name>
    <message>
        <location filename="../shell/GameOver.cpp" line="+19"/>
        <source>&quot;Do I play better?&quot;</source>
        <translation>„Spiele ich jetzt besser?“</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&quot;Nobody wins&quot;</source>
        <translation>„Keiner gewinnt“</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&quot;I gave him odds&quot;</source>
        <translation>„Ich hab ihm was vorgegeben“</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&quot;Hmm... Result is nothing.&quot;</source>
        <translation>„Hmm... Ergebnis: nichts.“</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&quot;The next game will be...&quot;</source>
        <translation>„Das nächste Spiel wird...“</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&quot;I can win all other games too!&quot;</source>
        <translation>„Ich gewinne auch alle anderen Spiele!“</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&quot;It was a piece of cake!&quot;</source>
        <translation>„Das war ein Kinderspiel!“</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&quot;Remember son: computer cannot beat human&quot;</source>
        <translation>„Merk dir, Kleiner: Ein Computer schlägt keinen Menschen“</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&quot;Oops! It&apos;s just a bad luck&quot;</source>
        <translation>„Hoppla! Einfach Pech gehabt“</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&quot;I got entangled&quot;</source>
        <translation>„Ich hab mich verheddert“</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&quot;He! Makes! Me! Crazy!!!&quot;</source>
        <translation>„Er! Macht! Mich! Wahnsinnig!!!“</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&quot;I can beat him right now&quot;</source>
        <translation>„Ich kann ihn gleich jetzt schlagen“</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Draw</source>
        <translation>Remis</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>You win</source>
        <translation>Du gewinnst</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Computer wins</source>
        <translation>Computer gewinnt</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Game over</source>
        <translation>Spiel vorbei</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Picture of the result</source>
        <translation>Bild zum Ergebnis</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Play again!</source>
        <translation>Nochmal!</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>TFMain</name>
    <message>
        <location filename="../shell/GameCommands.cpp" line="+72"/>
        <source>%1: %2 won, %3 lost, %4 drawn</source>
        <translation>%1: %2 gewonnen, %3 verloren, %4 unentschieden</translation>
    </message>
    <message>
        <location filename="../shell/GameLifecycle.cpp" line="+26"/>
        <source>End current game?</source>
        <translation>Laufendes Spiel beenden?</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Click a gift from under the Christmas Tree to start playing</source>
        <translation>Klicke auf ein Geschenk unter dem Weihnachtsbaum, um zu spielen</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>%1 - %2</source>
        <translation>%1 - %2</translation>
    </message>
    <message>
        <location filename="../shell/HelpCommands.cpp" line="+40"/>
        <source>Could not initialize HTML Help. Make sure you have Microsoft Internet Explorer 4.0 or greater installed</source>
        <translation>HTML-Hilfe konnte nicht gestartet werden. Stelle sicher, dass Microsoft Internet Explorer 4.0 oder neuer installiert ist</translation>
    </message>
    <message>
        <location filename="../shell/UMain.cpp" line="+114"/>
        <source>Game has received a WM_GAMEDESTROYED! Please report to author about this message</source>
        <translation>Das Spiel hat WM_GAMEDESTROYED erhalten! Bitte melde diese Meldung dem Autor</translation>
    </message>
</context>
<context>
    <name>TFPrefs</name>
    <message>
        <location filename="../shell/Prefs.cpp" line="+27"/>
        <location filename="../shell/PrefsPages.cpp" line="+67"/>
        <source>Candy Canes</source>
        <translation>Zuckerstange</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Rabbit</source>
        <translation>Hase</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cone</source>
        <translation>Tannenzapfen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Elf Doll</source>
        <translation>Wichtelpuppe</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Gingerbread House</source>
        <translation>Lebkuchenhaus</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../shell/PrefsPages.cpp" line="-1"/>
        <source>Bells</source>
        <translation>Glocken</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Chocolate Santa</source>
        <translation>Schokonikolaus</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Candles</source>
        <translation>Kerzen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Young Fir</source>
        <translation>Junge Tanne</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Santa Claus</source>
        <translation>Weihnachtsmann</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Elf With Gift</source>
        <translation>Geschenkwichtel</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Christmas Tree</source>
        <translation>Weihnachtsbaum</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ice Sculpture</source>
        <translation>Eisskulptur</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Snow-plough</source>
        <translation>Schneepflug</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Zelmo Preferences</source>
        <translation>Zelmo-Einstellungen</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;General</source>
        <translation>&amp;Allgemein</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Backs</source>
        <translation>&amp;Rückseiten</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>B&amp;ackgrounds</source>
        <translation>&amp;Hintergründe</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Co&amp;mputer</source>
        <translation>&amp;Computer</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Cancel</source>
        <translation>Abbr&amp;echen</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Invalid data type for &apos;%1&apos;</source>
        <translation>Ungültiger Datentyp für „%1“</translation>
    </message>
    <message>
        <location filename="../shell/Prefs.h" line="+52"/>
        <source>Could not load picture</source>
        <translation>Bild konnte nicht geladen werden</translation>
    </message>
    <message>
        <location filename="../shell/PrefsPages.cpp" line="-41"/>
        <source>All Images (*.png;*.pcx;*.jpg;*.jpeg;*.bmp;*.emf;*.wmf)|*.png;*.pcx;*.jpg;*.jpeg;*.bmp;*.emf;*.wmf|Portable Graphics Network (*.png)|*.png|PCX Image (*.pcx)|*.pcx|ANI Image (*.ani)|*.ani|JPEG Image (*.jpeg;*.jpg)|*.jpeg;*.jpg</source>
        <translation>Alle Bilder (*.png;*.pcx;*.jpg;*.jpeg;*.bmp;*.emf;*.wmf)|*.png;*.pcx;*.jpg;*.jpeg;*.bmp;*.emf;*.wmf|PNG-Bild (*.png)|*.png|PCX-Bild (*.pcx)|*.pcx|ANI-Bild (*.ani)|*.ani|JPEG-Bild (*.jpeg;*.jpg)|*.jpeg;*.jpg</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>Solid color</source>
        <translation>Einfarbig</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Gradient</source>
        <translation>Verlauf</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Horizontal</source>
        <translation>Waagerecht</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Vertical</source>
        <translation>Senkrecht</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Elliptic</source>
        <translation>Elliptisch</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Rectangular</source>
        <translation>Rechteckig</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bitmap</source>
        <translation>Bild</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Gifts</source>
        <translation>Geschenke</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Snowflakes 1</source>
        <translation>Flocken 1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Snow</source>
        <translation>Schnee</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Snowflakes 2</source>
        <translation>Flocken 2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Custom...</source>
        <translation>Eigenes...</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Toolbar </source>
        <translation>Werkzeugleiste </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Show toolbar</source>
        <translation>Anzeigen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Show toolbar in main window</source>
        <translation>Werkzeugleiste im Hauptfenster anzeigen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Flat buttons</source>
        <translation>Flache Knöpfe</translation>
    </message>
    <message>
        <location line="+3"/>
        <source> Card animation </source>
        <translation> Kartenanimation </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Much accelerated</source>
        <translation>Viel schneller</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Acceleration</source>
        <translation>Beschleunigend</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Steady</source>
        <translation>Gleichmäßig</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Deceleration</source>
        <translation>Abbremsend</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Much decelerated</source>
        <translation>Viel langsamer</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>The vertical line.
This hint is a kind of easter egg that does nothing.</source>
        <translation>Die senkrechte Linie.
Dieser Hinweis ist eine Art Osterei, das nichts bewirkt.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Animation time:</source>
        <translation>Animationsdauer:</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>%1 msec</source>
        <translation>%1 ms</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Table size </source>
        <translation>Tischgröße </translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The table resizes at once; menus, dialogs and a new language at the next start.</source>
        <translation>Die Tischgröße gilt sofort; Menüs, Dialoge, Sprache nach Neustart.</translation>
    </message>
    <message>
        <location filename="../shell/TableSize.cpp" line="+32"/>
        <source>Fit to window</source>
        <translation>Fenstergröße</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 %</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <location filename="../shell/PrefsPages.cpp" line="-2"/>
        <source>Show the whole game larger</source>
        <translation>Das ganze Spiel größer zeigen</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Language:</source>
        <translation>Sprache:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>System language</source>
        <translation>Systemsprache</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Draw frame</source>
        <translation>Rahmen zeichnen</translation>
    </message>
    <message>
        <location line="+43"/>
        <source>Select board color:</source>
        <translation>Tischfarbe wählen:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Click here</source>
        <translation>Hier klicken</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Start color</source>
        <translation>Startfarbe</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>End color</source>
        <translation>Endfarbe</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+1"/>
        <source>Click...</source>
        <translation>Klick...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Swap colors</source>
        <translation>Tauschen</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Stretch</source>
        <translation>Strecken</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tile</source>
        <translation>Kacheln</translation>
    </message>
    <message>
        <location line="+14"/>
        <source> Computer player </source>
        <translation> Computergegner </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Classic</source>
        <translation>Klassisch</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Plays by fixed rules, as the hint does</source>
        <translation>Spielt nach festen Regeln, wie der Tipp</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Strong</source>
        <translation>Stark</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Thinks ahead from what it has seen, never from your cards</source>
        <translation>Denkt voraus mit dem, was er gesehen hat, nie mit deinen Karten</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>A change counts from the next game on.</source>
        <translation>Eine Änderung gilt ab dem nächsten Spiel.</translation>
    </message>
</context>
<context>
    <name>TFStatistics</name>
    <message>
        <location filename="../shell/Statistics.cpp" line="+22"/>
        <source>Played</source>
        <translation>Gespielt</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Won</source>
        <translation>Gewonnen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lost</source>
        <translation>Verloren</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Drawn</source>
        <translation>Remis</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Abandoned</source>
        <translation>Abgebrochen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Won %</source>
        <translation>Siege %</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Streak</source>
        <translation>Serie</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Longest wins</source>
        <translation>Beste Serie</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Longest losses</source>
        <translation>Schlimmste Serie</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>%1 won</source>
        <translation>%1 gewonnen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 lost</source>
        <translation>%1 verloren</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Statistics</source>
        <translation>Statistik</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>&amp;Reset</source>
        <translation>&amp;Zurücksetzen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Against the classic CPU</source>
        <translation>Gegen den klassischen Computer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Against the strong CPU</source>
        <translation>Gegen den starken Computer</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Total</source>
        <translation>Gesamt</translation>
    </message>
    <message>
        <location line="+55"/>
        <source>Reset the statistics of all games?</source>
        <translation>Die Statistik aller Spiele zurücksetzen?</translation>
    </message>
</context>
<context>
    <name>TFileEdit</name>
    <message>
        <location filename="../shell/FileEdit.cpp" line="+21"/>
        <source>Browse</source>
        <translation>Durchsuchen</translation>
    </message>
</context>
<context>
    <name>TGameKinds</name>
    <message>
        <location filename="../shell/GameKinds.cpp" line="+16"/>
        <source>Mover</source>
        <translation>Schieber</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Heap</source>
        <translation>Haufen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Round</source>
        <translation>Reigen</translation>
    </message>
</context>
<context>
    <name>TGameTally</name>
    <message>
        <location filename="../shell/GameTally.cpp" line="+80"/>
        <source>%1 (strong CPU)</source>
        <translation>%1 (starker Gegner)</translation>
    </message>
</context>
<context>
    <name>THelpBrowser</name>
    <message>
        <location filename="../shell/HelpWindow.cpp" line="+94"/>
        <source>The help file %1 could not be found.</source>
        <translation>Die Hilfedatei %1 wurde nicht gefunden.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The help file %1 is empty.</source>
        <translation>Die Hilfedatei %1 ist leer.</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>The help file %1 is damaged and cannot be read.</source>
        <translation>Die Hilfedatei %1 ist beschädigt und kann nicht gelesen werden.</translation>
    </message>
    <message>
        <location line="-14"/>
        <source>The help file %1 does not name a start page.</source>
        <translation>Die Hilfedatei %1 nennt keine Startseite.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The page %1 is not in the help file %2.</source>
        <translation>Die Seite %1 fehlt in der Hilfedatei %2.</translation>
    </message>
</context>
<context>
    <name>THelpWindow</name>
    <message>
        <location line="+51"/>
        <source>%1 Help</source>
        <translation>Hilfe zu %1</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Navigation</source>
        <translation>Navigation</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Forward</source>
        <translation>Vorwärts</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+11"/>
        <source>Contents</source>
        <translation>Inhalt</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Type a word to find</source>
        <translation>Suchwort eingeben</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Index</source>
        <translation>Index</translation>
    </message>
</context>
<context>
    <name>THtmlHelp</name>
    <message>
        <location filename="../shell/Help.cpp" line="+64"/>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>MS Html Help is not installed on this PC.</source>
        <translation>MS HTML-Hilfe ist auf diesem PC nicht installiert.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>TKeyboardPlay</name>
    <message>
        <location filename="../cards/KeyboardPlay.cpp" line="+166"/>
        <source>%1, %2</source>
        <extracomment>%1 a card, %2 the pile it lies in</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 — %2</source>
        <extracomment>%1 the focused card, %2 what the game asks for</extracomment>
        <translation>%1 — %2</translation>
    </message>
</context>
<context>
    <name>TMainMenu</name>
    <message>
        <location filename="../shell/MainMenu.cpp" line="+15"/>
        <source>&amp;Play</source>
        <translation>S&amp;pielen</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Play: select a game to play or exit</source>
        <translation>Spielen: ein Spiel wählen oder beenden</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Mover</source>
        <translation>&amp;Schieber</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Play &quot;mover&quot; zelmo</source>
        <translation>Schieber-Zelmo spielen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Heap</source>
        <translation>&amp;Haufen</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Play &quot;heap&quot; zelmo</source>
        <translation>Haufen-Zelmo spielen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Round</source>
        <translation>&amp;Reigen</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Play &quot;round&quot; zelmo</source>
        <translation>Reigen-Zelmo spielen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Random &amp;Game</source>
        <translation>&amp;Zufälliges Spiel</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Play random game</source>
        <translation>Ein zufälliges Spiel spielen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;End game</source>
        <translation>Spiel &amp;beenden</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>End current game</source>
        <translation>Laufendes Spiel beenden</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>E&amp;xit</source>
        <translation>B&amp;eenden</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Exit game</source>
        <translation>Das Programm beenden</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Game</source>
        <translation>&amp;Spiel</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Game: game options</source>
        <translation>Spiel: Optionen des Spiels</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Hint</source>
        <translation>&amp;Tipp</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Suggest a next move (it may be not the best)</source>
        <translation>Einen Zug vorschlagen (nicht unbedingt den besten)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Autoplay</source>
        <translation>&amp;Autospiel</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Let computer play for you</source>
        <translation>Den Computer für dich spielen lassen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Statistics...</source>
        <translation>&amp;Statistik...</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Show how your games have gone so far</source>
        <translation>Zeigen, wie deine Spiele bisher gelaufen sind</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Full screen</source>
        <translation>&amp;Vollbild</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Show the table on the whole screen</source>
        <translation>Den Tisch auf dem ganzen Bildschirm zeigen</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Preferences...</source>
        <translation>&amp;Einstellungen...</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Customize game</source>
        <translation>Das Spiel anpassen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Help: the stuff to read</source>
        <translation>Hilfe: Lesestoff</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Rules</source>
        <translation>&amp;Regeln</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Read game rules</source>
        <translation>Die Spielregeln lesen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Contents</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Show help contents</source>
        <translation>Den Inhalt der Hilfe zeigen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Christmas Zelmo homepage</source>
        <translation>&amp;Homepage von Christmas Zelmo</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Go to Christmas Zelmo homepage!</source>
        <translation>Zur Homepage von Christmas Zelmo!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;About...</source>
        <translation>Ü&amp;ber...</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>About this game</source>
        <translation>Über dieses Spiel</translation>
    </message>
</context>
<context>
    <name>TMainToolBar</name>
    <message>
        <location filename="../shell/MainToolBar.cpp" line="+17"/>
        <source>Play</source>
        <translation>Spielen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Press this button for random play or select game from drop-down menu</source>
        <translation>Drücken für ein zufälliges Spiel, oder ein Spiel im Ausklappmenü wählen</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Hint</source>
        <translation>Tipp</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Suggest the next move (it may be not the best)</source>
        <translation>Den nächsten Zug vorschlagen (nicht unbedingt den besten)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Autoplay</source>
        <translation>Autospiel</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Let computer play for you</source>
        <translation>Den Computer für dich spielen lassen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Rules</source>
        <translation>Regeln</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Read game rules</source>
        <translation>Die Spielregeln lesen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>&amp;Mover</source>
        <translation>&amp;Schieber</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Heap</source>
        <translation>&amp;Haufen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Round</source>
        <translation>&amp;Reigen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>R&amp;andom</source>
        <translation>&amp;Zufällig</translation>
    </message>
</context>
<context>
    <name>TVariantGame</name>
    <message>
        <location filename="../games/common/BoutStates.cpp" line="+15"/>
        <location filename="../games/heap/HeapStates.cpp" line="+53"/>
        <source>CPU plays %1</source>
        <translation>CPU spielt %1</translation>
    </message>
    <message>
        <location line="+61"/>
        <location filename="../games/heap/HeapStates.cpp" line="-3"/>
        <source>CPU beats %1 with %2</source>
        <translation>CPU schlägt %1 mit %2</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>CPU takes the table</source>
        <translation>CPU nimmt den Tisch auf</translation>
    </message>
    <message>
        <location filename="../games/common/VariantAttacks.cpp" line="+49"/>
        <source>The same position came round three times: a draw.</source>
        <translation>Dieselbe Stellung kam dreimal vor: unentschieden.</translation>
    </message>
    <message numerus="yes">
        <location filename="../games/heap/HeapStates.cpp" line="+17"/>
        <source>CPU takes %n cards</source>
        <translation>
            <numerusform>CPU nimmt %n Karte auf</numerusform>
            <numerusform>CPU nimmt %n Karten auf</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../games/round/RoundCircle.cpp" line="+40"/>
        <source>CPU gets the rest of the circle</source>
        <translation>CPU bekommt den Rest des Kreises</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>CPU captures %1 with %2</source>
        <translation>CPU erbeutet %1 mit %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>CPU puts %1 into the circle</source>
        <translation>CPU legt %1 in den Kreis</translation>
    </message>
    <message>
        <location filename="../games/common/BoutGame.cpp" line="+8"/>
        <source>Waiting until CPU moves</source>
        <translation>Warte, bis CPU ausspielt</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../games/heap/HeapZelmo.cpp" line="+13"/>
        <source>Waiting until CPU defends</source>
        <translation>Warte, bis CPU abwehrt</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Waiting until CPU throws more</source>
        <translation>Warte, ob CPU nachlegt</translation>
    </message>
    <message>
        <location filename="../games/common/BoutGame.h" line="+9"/>
        <source>Click your card to throw more, click right mouse button if that&apos;s it</source>
        <translation>Klicke auf deine Karte zum Nachlegen, Rechtsklick, wenn das alles war</translation>
    </message>
    <message>
        <location filename="../games/common/VariantGame.cpp" line="+227"/>
        <source>CPU&apos;s hand</source>
        <translation>Hand von CPU</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>your hand</source>
        <translation>deine Hand</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>deck</source>
        <translation>Stapel</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>table</source>
        <translation>Tisch</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>discard pile</source>
        <translation>Ablage</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>circle</source>
        <translation>Kreis</translation>
    </message>
    <message>
        <location filename="../games/heap/HeapZelmo.cpp" line="-5"/>
        <source>Click on your card to make move</source>
        <translation>Klicke auf deine Karte zum Ausspielen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Wait until CPU moves</source>
        <translation>Warte, bis CPU ausspielt</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Click on your card to defend, click table card to take</source>
        <translation>Klicke auf deine Karte zum Abwehren, auf eine Tischkarte zum Aufnehmen</translation>
    </message>
    <message>
        <location filename="../games/mover/MoverZelmo.cpp" line="+8"/>
        <source>Click your card to move</source>
        <translation>Klicke auf deine Karte zum Ausspielen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Click your card to defend, click table card to take, make move with right mouse button to avoid moving table</source>
        <translation>Klicke auf deine Karte zum Abwehren, auf eine Tischkarte zum Aufnehmen; Rechtsklick deckt, ohne den Tisch weiterzuschieben</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>You are moving the table</source>
        <translation>Du schiebst den Tisch weiter</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>CPU is moving the table</source>
        <translation>CPU schiebt den Tisch weiter</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>CPU throws more</source>
        <translation>CPU legt nach</translation>
    </message>
    <message>
        <location filename="../games/round/RoundZelmo.cpp" line="+26"/>
        <source>Click your card to make move</source>
        <translation>Klicke auf deine Karte zum Ausspielen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Click your card to defend, click table card to take</source>
        <translation>Klicke auf deine Karte zum Abwehren, auf eine Tischkarte zum Aufnehmen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>CPU gives you more</source>
        <translation>CPU gibt dir Karten mit</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>CPU has taken, so throw him more, right click if ok</source>
        <translation>CPU hat aufgenommen: gib ihm Karten mit, Rechtsklick, wenn fertig</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Select a card in the circle and beat it with top card in the deck to get them</source>
        <translation>Wähle eine Karte im Kreis und schlage sie mit der obersten Stapelkarte, um beide zu bekommen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Wait until CPU beats</source>
        <translation>Warte, bis CPU schlägt</translation>
    </message>
</context>
</TS>
