<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>BoardAccessible</name>
    <message>
        <location filename="../cards/BoardAccessible.cpp" line="+74"/>
        <source>1 card</source>
        <translation>1 kaart</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%n cards</source>
        <translation>
            <numerusform>%n kaart</numerusform>
            <numerusform>%n kaarten</numerusform>
        </translation>
    </message>
    <message>
        <location line="+124"/>
        <source>Card table</source>
        <translation>Speeltafel</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>face-down card</source>
        <translation>dichte kaart</translation>
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
        <translation>%1, speelbaar</translation>
    </message>
</context>
<context>
    <name>CardNames</name>
    <message>
        <location filename="../cards/CardNames.cpp" line="+11"/>
        <source>Ace</source>
        <translation>aas</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Two</source>
        <translation>twee</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Three</source>
        <translation>drie</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Four</source>
        <translation>vier</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Five</source>
        <translation>vijf</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Six</source>
        <translation>zes</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Seven</source>
        <translation>zeven</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Eight</source>
        <translation>acht</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Nine</source>
        <translation>negen</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Ten</source>
        <translation>tien</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Jack</source>
        <translation>boer</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Queen</source>
        <translation>vrouw</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>King</source>
        <translation>heer</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Clubs</source>
        <translation>klaveren</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Diamonds</source>
        <translation>ruiten</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hearts</source>
        <translation>harten</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Spades</source>
        <translation>schoppen</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>%1 of %2</source>
        <extracomment>%1 the value, %2 the suit: &quot;Queen of Hearts&quot;</extracomment>
        <translation>%2%1</translation>
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
        <translation>Kaartspel</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Attack and defend with a 36-card deck against the computer</source>
        <translation>Val aan en verdedig je met 36 kaarten tegen de computer</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>cards;zelmo;christmas;</source>
        <translation>kaarten;kaartspel;zelmo;kerst;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Christmas card game against the computer</source>
        <translation>Kerstkaartspel tegen de computer</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Christmas Zelmo is an attack-and-defend trick game with a 36-card deck and a trump suit. You play against the computer in three variants:</source>
        <translation>Christmas Zelmo is een kaartspel van aanvallen en verdedigen met 36 kaarten en een troefkleur. Je speelt tegen de computer in drie varianten:</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Mover: the defender may pass the attack on by moving the table to the other player.</source>
        <translation>Doorschuiven: de verdediger mag de aanval doorgeven door de tafel naar de andere speler door te schuiven.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Heap: every card played stays on one growing heap, and a side that cannot beat its top card takes the top three, or five under a trump.</source>
        <translation>Stapel: elke gespeelde kaart blijft op één groeiende stapel, en wie de bovenste kaart niet kan slaan, pakt de bovenste drie op, of vijf onder een troef.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Round: a capture phase around a ring of nine cards, then an attack phase.</source>
        <translation>Kring: een veroverfase rond een kring van negen kaarten, daarna een aanvalsfase.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Cards fly across the table in smooth animations. Ask for a hint, let the computer play your side, read the rules in the built-in help, and choose card backs, backgrounds and the pace of the animation.</source>
        <translation>Kaarten vliegen in vloeiende animaties over de tafel. Vraag om een tip, laat de computer jouw kant spelen, lees de regels in de ingebouwde help en kies kaartruggen, achtergronden en het tempo van de animatie.</translation>
    </message>
</context>
<context>
    <name>TChooser</name>
    <message>
        <location filename="../shell/Chooser.cpp" line="+29"/>
        <source>Mover Zelmo -- the most popular</source>
        <translation>Zelmo Doorschuiven -- het populairste</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Heap Zelmo -- a very unpredictable play</source>
        <translation>Zelmo Stapel -- vol verrassingen</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Round Zelmo -- take more to win</source>
        <translation>Zelmo Kring -- wie meer pakt, wint</translation>
    </message>
    <message>
        <location line="+62"/>
        <source>Select a gift! (click on game&apos;s name)</source>
        <translation>Kies een cadeau! (klik op de naam van het spel)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Christmas tree with gifts</source>
        <translation>Kerstboom met cadeaus</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Select a gift from under the tree to play game</source>
        <translation>Kies een cadeau onder de boom om te spelen</translation>
    </message>
</context>
<context>
    <name>TFAbout</name>
    <message>
        <location filename="../shell/About.cpp" line="+49"/>
        <source>Version %1</source>
        <translation>Versie %1</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>About</source>
        <translation>Over</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Christmas Edition</source>
        <translation>Kersteditie</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Christmas Zelmo homepage:</source>
        <translation>Website van Christmas Zelmo:</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>If you have any questions, comments or suggestions about Christmas Zelmo, e-mail author:</source>
        <translation>Heb je vragen, opmerkingen of suggesties over Christmas Zelmo? Mail de auteur:</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Author&apos;s e-mail:</source>
        <translation>E-mail van de auteur:</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Your feedback will be gladly accepted.</source>
        <translation>Je reactie is van harte welkom.</translation>
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
        <translation>&quot;Speel ik beter?&quot;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&quot;Nobody wins&quot;</source>
        <translation>&quot;Niemand wint&quot;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&quot;I gave him odds&quot;</source>
        <translation>&quot;Ik gaf hem een voorsprong&quot;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&quot;Hmm... Result is nothing.&quot;</source>
        <translation>&quot;Hmm... Uitslag: niks.&quot;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&quot;The next game will be...&quot;</source>
        <translation>&quot;Het volgende spel wordt...&quot;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&quot;I can win all other games too!&quot;</source>
        <translation>&quot;Ik kan alle andere spellen ook winnen!&quot;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&quot;It was a piece of cake!&quot;</source>
        <translation>&quot;Een fluitje van een cent!&quot;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&quot;Remember son: computer cannot beat human&quot;</source>
        <translation>&quot;Onthoud, jongen: een computer verslaat geen mens&quot;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&quot;Oops! It&apos;s just a bad luck&quot;</source>
        <translation>&quot;Oeps! Gewoon pech&quot;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&quot;I got entangled&quot;</source>
        <translation>&quot;Ik raakte in de war&quot;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&quot;He! Makes! Me! Crazy!!!&quot;</source>
        <translation>&quot;Hij! Maakt! Me! Gek!!!&quot;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&quot;I can beat him right now&quot;</source>
        <translation>&quot;Ik versla hem nu meteen&quot;</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Draw</source>
        <translation>Gelijkspel</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>You win</source>
        <translation>Jij wint</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Computer wins</source>
        <translation>Computer wint</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Game over</source>
        <translation>Spel voorbij</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Picture of the result</source>
        <translation>Afbeelding van de uitslag</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Play again!</source>
        <translation>Nog een keer!</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
</context>
<context>
    <name>TFMain</name>
    <message>
        <location filename="../shell/GameCommands.cpp" line="+72"/>
        <source>%1: %2 won, %3 lost, %4 drawn</source>
        <translation>%1: %2 gewonnen, %3 verloren, %4 gelijk</translation>
    </message>
    <message>
        <location filename="../shell/GameLifecycle.cpp" line="+26"/>
        <source>End current game?</source>
        <translation>Huidig spel beëindigen?</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Click a gift from under the Christmas Tree to start playing</source>
        <translation>Klik op een cadeau onder de kerstboom om te beginnen</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>%1 - %2</source>
        <translation>%1 - %2</translation>
    </message>
    <message>
        <location filename="../shell/HelpCommands.cpp" line="+40"/>
        <source>Could not initialize HTML Help. Make sure you have Microsoft Internet Explorer 4.0 or greater installed</source>
        <translation>Kan HTML Help niet starten. Zorg dat Microsoft Internet Explorer 4.0 of hoger is geïnstalleerd</translation>
    </message>
    <message>
        <location filename="../shell/UMain.cpp" line="+114"/>
        <source>Game has received a WM_GAMEDESTROYED! Please report to author about this message</source>
        <translation>Het spel kreeg een WM_GAMEDESTROYED! Meld dit bericht aan de auteur</translation>
    </message>
</context>
<context>
    <name>TFPrefs</name>
    <message>
        <location filename="../shell/Prefs.cpp" line="+27"/>
        <location filename="../shell/PrefsPages.cpp" line="+67"/>
        <source>Candy Canes</source>
        <translation>Zuurstokken</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Rabbit</source>
        <translation>Konijn</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cone</source>
        <translation>Dennenappel</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Elf Doll</source>
        <translation>Elfenpop</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Gingerbread House</source>
        <translation>Peperkoekhuisje</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../shell/PrefsPages.cpp" line="-1"/>
        <source>Bells</source>
        <translation>Klokjes</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Chocolate Santa</source>
        <translation>Chocoladekerstman</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Candles</source>
        <translation>Kaarsen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Young Fir</source>
        <translation>Jonge spar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Santa Claus</source>
        <translation>Kerstman</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Elf With Gift</source>
        <translation>Elf met cadeau</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Christmas Tree</source>
        <translation>Kerstboom</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ice Sculpture</source>
        <translation>IJssculptuur</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Snow-plough</source>
        <translation>Sneeuwschuiver</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Zelmo Preferences</source>
        <translation>Voorkeuren voor Zelmo</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;General</source>
        <translation>&amp;Algemeen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Backs</source>
        <translation>&amp;Kaartrug</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>B&amp;ackgrounds</source>
        <translation>Achter&amp;grond</translation>
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
        <translation>Annu&amp;leren</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Invalid data type for &apos;%1&apos;</source>
        <translation>Ongeldig gegevenstype voor &apos;%1&apos;</translation>
    </message>
    <message>
        <location filename="../shell/Prefs.h" line="+52"/>
        <source>Could not load picture</source>
        <translation>Kan de afbeelding niet laden</translation>
    </message>
    <message>
        <location filename="../shell/PrefsPages.cpp" line="-41"/>
        <source>All Images (*.png;*.pcx;*.jpg;*.jpeg;*.bmp;*.emf;*.wmf)|*.png;*.pcx;*.jpg;*.jpeg;*.bmp;*.emf;*.wmf|Portable Graphics Network (*.png)|*.png|PCX Image (*.pcx)|*.pcx|ANI Image (*.ani)|*.ani|JPEG Image (*.jpeg;*.jpg)|*.jpeg;*.jpg</source>
        <translation>Alle afbeeldingen (*.png;*.pcx;*.jpg;*.jpeg;*.bmp;*.emf;*.wmf)|*.png;*.pcx;*.jpg;*.jpeg;*.bmp;*.emf;*.wmf|PNG-afbeelding (*.png)|*.png|PCX-afbeelding (*.pcx)|*.pcx|ANI-afbeelding (*.ani)|*.ani|JPEG-afbeelding (*.jpeg;*.jpg)|*.jpeg;*.jpg</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>Solid color</source>
        <translation>Effen kleur</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Gradient</source>
        <translation>Kleurverloop</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Horizontal</source>
        <translation>Horizontaal</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Vertical</source>
        <translation>Verticaal</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Elliptic</source>
        <translation>Elliptisch</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Rectangular</source>
        <translation>Rechthoekig</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bitmap</source>
        <translation>Afbeelding</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Gifts</source>
        <translation>Cadeaus</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Snowflakes 1</source>
        <translation>Sneeuwvlokken 1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Snow</source>
        <translation>Sneeuw</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Snowflakes 2</source>
        <translation>Sneeuwvlokken 2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Custom...</source>
        <translation>Eigen...</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Toolbar </source>
        <translation>Werkbalk </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Show toolbar</source>
        <translation>Werkbalk tonen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Show toolbar in main window</source>
        <translation>De werkbalk in het hoofdvenster tonen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Flat buttons</source>
        <translation>Platte knoppen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source> Card animation </source>
        <translation> Kaartanimatie </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Much accelerated</source>
        <translation>Sterk versnellen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Acceleration</source>
        <translation>Versnellen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Steady</source>
        <translation>Gelijkmatig</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Deceleration</source>
        <translation>Vertragen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Much decelerated</source>
        <translation>Sterk vertragen</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>The vertical line.
This hint is a kind of easter egg that does nothing.</source>
        <translation>De verticale lijn.
Deze tip is een soort paasei dat niets doet.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Animation time:</source>
        <translation>Animatieduur:</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>%1 msec</source>
        <translation>%1 ms</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Table size </source>
        <translation>Tafelgrootte </translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The table resizes at once; menus, dialogs and a new language at the next start.</source>
        <translation>De tafel verandert direct; menu&apos;s, vensters en taal na herstart.</translation>
    </message>
    <message>
        <location filename="../shell/TableSize.cpp" line="+32"/>
        <source>Fit to window</source>
        <translation>Venstergrootte</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 %</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <location filename="../shell/PrefsPages.cpp" line="-2"/>
        <source>Show the whole game larger</source>
        <translation>Het hele spel groter tonen</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Language:</source>
        <translation>Taal:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>System language</source>
        <translation>Systeemtaal</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Draw frame</source>
        <translation>Rand tekenen</translation>
    </message>
    <message>
        <location line="+43"/>
        <source>Select board color:</source>
        <translation>Kies de tafelkleur:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Click here</source>
        <translation>Klik hier</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Start color</source>
        <translation>Beginkleur</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>End color</source>
        <translation>Eindkleur</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+1"/>
        <source>Click...</source>
        <translation>Klik...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Swap colors</source>
        <translation>Omwisselen</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Stretch</source>
        <translation>Rekken</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tile</source>
        <translation>Tegelen</translation>
    </message>
    <message>
        <location line="+14"/>
        <source> Computer player </source>
        <translation> Computerspeler </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Classic</source>
        <translation>Klassiek</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Plays by fixed rules, as the hint does</source>
        <translation>Speelt volgens vaste regels, net als de tip</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Strong</source>
        <translation>Sterk</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Thinks ahead from what it has seen, never from your cards</source>
        <translation>Denkt vooruit met wat hij zag, nooit met jouw kaarten</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>A change counts from the next game on.</source>
        <translation>Een wijziging geldt vanaf het volgende spel.</translation>
    </message>
</context>
<context>
    <name>TFStatistics</name>
    <message>
        <location filename="../shell/Statistics.cpp" line="+22"/>
        <source>Played</source>
        <translation>Gespeeld</translation>
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
        <translation>Gelijk</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Abandoned</source>
        <translation>Afgebroken</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Won %</source>
        <translation>% gewonnen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Streak</source>
        <translation>Reeks</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Longest wins</source>
        <translation>Langste winstreeks</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Longest losses</source>
        <translation>Langste verliesreeks</translation>
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
        <translation>Statistieken</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>&amp;Reset</source>
        <translation>&amp;Wissen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Close</source>
        <translation>&amp;Sluiten</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Against the classic CPU</source>
        <translation>Tegen de klassieke CPU</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Against the strong CPU</source>
        <translation>Tegen de sterke CPU</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Total</source>
        <translation>Totaal</translation>
    </message>
    <message>
        <location line="+55"/>
        <source>Reset the statistics of all games?</source>
        <translation>De statistieken van alle spellen wissen?</translation>
    </message>
</context>
<context>
    <name>TFileEdit</name>
    <message>
        <location filename="../shell/FileEdit.cpp" line="+21"/>
        <source>Browse</source>
        <translation>Bladeren</translation>
    </message>
</context>
<context>
    <name>TGameKinds</name>
    <message>
        <location filename="../shell/GameKinds.cpp" line="+16"/>
        <source>Mover</source>
        <translation>Doorschuiven</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Heap</source>
        <translation>Stapel</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Round</source>
        <translation>Kring</translation>
    </message>
</context>
<context>
    <name>TGameTally</name>
    <message>
        <location filename="../shell/GameTally.cpp" line="+80"/>
        <source>%1 (strong CPU)</source>
        <translation>%1 (sterke CPU)</translation>
    </message>
</context>
<context>
    <name>THelpBrowser</name>
    <message>
        <location filename="../shell/HelpWindow.cpp" line="+94"/>
        <source>The help file %1 could not be found.</source>
        <translation>Het helpbestand %1 is niet gevonden.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The help file %1 is empty.</source>
        <translation>Het helpbestand %1 is leeg.</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>The help file %1 is damaged and cannot be read.</source>
        <translation>Het helpbestand %1 is beschadigd en kan niet worden gelezen.</translation>
    </message>
    <message>
        <location line="-14"/>
        <source>The help file %1 does not name a start page.</source>
        <translation>Het helpbestand %1 noemt geen beginpagina.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The page %1 is not in the help file %2.</source>
        <translation>De pagina %1 staat niet in het helpbestand %2.</translation>
    </message>
</context>
<context>
    <name>THelpWindow</name>
    <message>
        <location line="+51"/>
        <source>%1 Help</source>
        <translation>Help bij %1</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Navigation</source>
        <translation>Navigatie</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Back</source>
        <translation>Terug</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Forward</source>
        <translation>Vooruit</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+11"/>
        <source>Contents</source>
        <translation>Inhoud</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Type a word to find</source>
        <translation>Typ een woord om te zoeken</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Index</source>
        <translation>Trefwoorden</translation>
    </message>
</context>
<context>
    <name>THtmlHelp</name>
    <message>
        <location filename="../shell/Help.cpp" line="+64"/>
        <source>Warning</source>
        <translation>Waarschuwing</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>MS Html Help is not installed on this PC.</source>
        <translation>MS Html Help is niet op deze pc geïnstalleerd.</translation>
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
        <translation>&amp;Spelen</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Play: select a game to play or exit</source>
        <translation>Spelen: een spel kiezen of afsluiten</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Mover</source>
        <translation>&amp;Doorschuiven</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Play &quot;mover&quot; zelmo</source>
        <translation>Zelmo &quot;Doorschuiven&quot; spelen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Heap</source>
        <translation>&amp;Stapel</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Play &quot;heap&quot; zelmo</source>
        <translation>Zelmo &quot;Stapel&quot; spelen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Round</source>
        <translation>&amp;Kring</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Play &quot;round&quot; zelmo</source>
        <translation>Zelmo &quot;Kring&quot; spelen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Random &amp;Game</source>
        <translation>&amp;Willekeurig spel</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Play random game</source>
        <translation>Een willekeurig spel spelen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;End game</source>
        <translation>Spel &amp;beëindigen</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>End current game</source>
        <translation>Het huidige spel beëindigen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>E&amp;xit</source>
        <translation>&amp;Afsluiten</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Exit game</source>
        <translation>Het spel afsluiten</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Game</source>
        <translation>Sp&amp;el</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Game: game options</source>
        <translation>Spel: spelopties</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Hint</source>
        <translation>&amp;Tip</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Suggest a next move (it may be not the best)</source>
        <translation>Een zet voorstellen (misschien niet de beste)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Autoplay</source>
        <translation>&amp;Automatisch spelen</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Let computer play for you</source>
        <translation>De computer voor je laten spelen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Statistics...</source>
        <translation>&amp;Statistieken...</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Show how your games have gone so far</source>
        <translation>Laten zien hoe je spellen tot nu toe gingen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Full screen</source>
        <translation>Volledig sc&amp;herm</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Show the table on the whole screen</source>
        <translation>De tafel op het hele scherm tonen</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Preferences...</source>
        <translation>&amp;Voorkeuren...</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Customize game</source>
        <translation>Het spel aanpassen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Help: the stuff to read</source>
        <translation>Help: leesvoer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Rules</source>
        <translation>&amp;Spelregels</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Read game rules</source>
        <translation>De spelregels lezen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Contents</source>
        <translation>&amp;Inhoud</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Show help contents</source>
        <translation>De inhoud van de help tonen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Christmas Zelmo homepage</source>
        <translation>&amp;Website van Christmas Zelmo</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Go to Christmas Zelmo homepage!</source>
        <translation>Naar de website van Christmas Zelmo!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;About...</source>
        <translation>&amp;Over...</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>About this game</source>
        <translation>Over dit spel</translation>
    </message>
</context>
<context>
    <name>TMainToolBar</name>
    <message>
        <location filename="../shell/MainToolBar.cpp" line="+17"/>
        <source>Play</source>
        <translation>Spelen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Press this button for random play or select game from drop-down menu</source>
        <translation>Druk voor een willekeurig spel of kies een spel uit de lijst</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Hint</source>
        <translation>Tip</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Suggest the next move (it may be not the best)</source>
        <translation>De volgende zet voorstellen (misschien niet de beste)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Autoplay</source>
        <translation>Automatisch</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Let computer play for you</source>
        <translation>De computer voor je laten spelen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Rules</source>
        <translation>Regels</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Read game rules</source>
        <translation>De spelregels lezen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Exit</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>&amp;Mover</source>
        <translation>&amp;Doorschuiven</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Heap</source>
        <translation>&amp;Stapel</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Round</source>
        <translation>&amp;Kring</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>R&amp;andom</source>
        <translation>&amp;Willekeurig</translation>
    </message>
</context>
<context>
    <name>TVariantGame</name>
    <message>
        <location filename="../games/common/BoutStates.cpp" line="+15"/>
        <location filename="../games/heap/HeapStates.cpp" line="+53"/>
        <source>CPU plays %1</source>
        <translation>CPU speelt de %1</translation>
    </message>
    <message>
        <location line="+61"/>
        <location filename="../games/heap/HeapStates.cpp" line="-3"/>
        <source>CPU beats %1 with %2</source>
        <translation>CPU slaat de %1 met de %2</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>CPU takes the table</source>
        <translation>CPU pakt de tafel op</translation>
    </message>
    <message>
        <location filename="../games/common/VariantAttacks.cpp" line="+49"/>
        <source>The same position came round three times: a draw.</source>
        <translation>Dezelfde stand kwam drie keer terug: gelijkspel.</translation>
    </message>
    <message numerus="yes">
        <location filename="../games/heap/HeapStates.cpp" line="+17"/>
        <source>CPU takes %n cards</source>
        <translation>
            <numerusform>CPU pakt %n kaart op</numerusform>
            <numerusform>CPU pakt %n kaarten op</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../games/round/RoundCircle.cpp" line="+40"/>
        <source>CPU gets the rest of the circle</source>
        <translation>CPU krijgt de rest van de kring</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>CPU captures %1 with %2</source>
        <translation>CPU verovert de %1 met de %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>CPU puts %1 into the circle</source>
        <translation>CPU legt de %1 in de kring</translation>
    </message>
    <message>
        <location filename="../games/common/BoutGame.cpp" line="+8"/>
        <source>Waiting until CPU moves</source>
        <translation>Wachten tot CPU speelt</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../games/heap/HeapZelmo.cpp" line="+13"/>
        <source>Waiting until CPU defends</source>
        <translation>Wachten tot CPU verdedigt</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Waiting until CPU throws more</source>
        <translation>Wachten tot CPU bijgooit</translation>
    </message>
    <message>
        <location filename="../games/common/BoutGame.h" line="+9"/>
        <source>Click your card to throw more, click right mouse button if that&apos;s it</source>
        <translation>Klik je kaart om bij te gooien, rechter muisknop als het klaar is</translation>
    </message>
    <message>
        <location filename="../games/common/VariantGame.cpp" line="+227"/>
        <source>CPU&apos;s hand</source>
        <translation>hand van CPU</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>your hand</source>
        <translation>jouw hand</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>deck</source>
        <translation>stok</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>table</source>
        <translation>tafel</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>discard pile</source>
        <translation>aflegstapel</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>circle</source>
        <translation>kring</translation>
    </message>
    <message>
        <location filename="../games/heap/HeapZelmo.cpp" line="-5"/>
        <source>Click on your card to make move</source>
        <translation>Klik op een kaart om te spelen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Wait until CPU moves</source>
        <translation>Wacht tot CPU speelt</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Click on your card to defend, click table card to take</source>
        <translation>Klik op je kaart om te verdedigen, op een tafelkaart om op te pakken</translation>
    </message>
    <message>
        <location filename="../games/mover/MoverZelmo.cpp" line="+8"/>
        <source>Click your card to move</source>
        <translation>Klik je kaart om te spelen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Click your card to defend, click table card to take, make move with right mouse button to avoid moving table</source>
        <translation>Klik je kaart om te verdedigen, een tafelkaart om op te pakken, rechter muisknop om niet door te schuiven</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>You are moving the table</source>
        <translation>Je schuift de tafel door</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>CPU is moving the table</source>
        <translation>CPU schuift de tafel door</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>CPU throws more</source>
        <translation>CPU gooit bij</translation>
    </message>
    <message>
        <location filename="../games/round/RoundZelmo.cpp" line="+26"/>
        <source>Click your card to make move</source>
        <translation>Klik je kaart om te spelen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Click your card to defend, click table card to take</source>
        <translation>Klik je kaart om te verdedigen, een tafelkaart om op te pakken</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>CPU gives you more</source>
        <translation>CPU geeft je er meer bij</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>CPU has taken, so throw him more, right click if ok</source>
        <translation>CPU heeft opgepakt: geef meer bij, rechtsklik als het klaar is</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Select a card in the circle and beat it with top card in the deck to get them</source>
        <translation>Kies een kaart in de kring en sla die met de bovenste kaart van de stok om ze allebei te krijgen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Wait until CPU beats</source>
        <translation>Wacht tot CPU slaat</translation>
    </message>
</context>
</TS>
