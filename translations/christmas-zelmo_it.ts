<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>BoardAccessible</name>
    <message>
        <location filename="../cards/BoardAccessible.cpp" line="+74"/>
        <source>1 card</source>
        <translation>1 carta</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%n cards</source>
        <translation>
            <numerusform>%n carta</numerusform>
            <numerusform>%n carte</numerusform>
        </translation>
    </message>
    <message>
        <location line="+124"/>
        <source>Card table</source>
        <translation>Tavolo da gioco</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>face-down card</source>
        <translation>carta coperta</translation>
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
        <translation>%1, giocabile</translation>
    </message>
</context>
<context>
    <name>CardNames</name>
    <message>
        <location filename="../cards/CardNames.cpp" line="+11"/>
        <source>Ace</source>
        <translation>Asso</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Two</source>
        <translation>Due</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Three</source>
        <translation>Tre</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Four</source>
        <translation>Quattro</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Five</source>
        <translation>Cinque</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Six</source>
        <translation>Sei</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Seven</source>
        <translation>Sette</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Eight</source>
        <translation>Otto</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Nine</source>
        <translation>Nove</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Ten</source>
        <translation>Dieci</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Jack</source>
        <translation>Fante</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Queen</source>
        <translation>Donna</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>King</source>
        <translation>Re</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Clubs</source>
        <translation>fiori</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Diamonds</source>
        <translation>quadri</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hearts</source>
        <translation>cuori</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Spades</source>
        <translation>picche</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>%1 of %2</source>
        <extracomment>%1 the value, %2 the suit: &quot;Queen of Hearts&quot;</extracomment>
        <translation>%1 di %2</translation>
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
        <translation>Gioco di carte</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Attack and defend with a 36-card deck against the computer</source>
        <translation>Attacca e difenditi con un mazzo di 36 carte contro il computer</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>cards;zelmo;christmas;</source>
        <translation>carte;zelmo;natale;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Christmas card game against the computer</source>
        <translation>Gioco di carte natalizio contro il computer</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Christmas Zelmo is an attack-and-defend trick game with a 36-card deck and a trump suit. You play against the computer in three variants:</source>
        <translation>Christmas Zelmo è un gioco di carte d&apos;attacco e difesa con un mazzo di 36 carte e un seme di briscola. Giochi contro il computer in tre varianti:</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Mover: the defender may pass the attack on by moving the table to the other player.</source>
        <translation>Passamano: il difensore può passare l&apos;attacco all&apos;altro giocatore passandogli il tavolo.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Heap: every card played stays on one growing heap, and a side that cannot beat its top card takes the top three, or five under a trump.</source>
        <translation>Mucchio: ogni carta giocata resta su un mucchio che cresce, e chi non batte la carta in cima ne raccoglie le prime tre, o cinque sotto una briscola.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Round: a capture phase around a ring of nine cards, then an attack phase.</source>
        <translation>Girotondo: una fase di prese attorno a un cerchio di nove carte, poi una fase d&apos;attacco.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Cards fly across the table in smooth animations. Ask for a hint, let the computer play your side, read the rules in the built-in help, and choose card backs, backgrounds and the pace of the animation.</source>
        <translation>Le carte volano sul tavolo con animazioni fluide. Chiedi un suggerimento, lascia giocare il computer al posto tuo, leggi le regole nella guida integrata e scegli dorsi, sfondi e ritmo dell&apos;animazione.</translation>
    </message>
</context>
<context>
    <name>TChooser</name>
    <message>
        <location filename="../shell/Chooser.cpp" line="+29"/>
        <source>Mover Zelmo -- the most popular</source>
        <translation>Passamano Zelmo -- il più amato</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Heap Zelmo -- a very unpredictable play</source>
        <translation>Mucchio Zelmo -- pieno di sorprese</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Round Zelmo -- take more to win</source>
        <translation>Girotondo Zelmo -- chi più prende vince</translation>
    </message>
    <message>
        <location line="+62"/>
        <source>Select a gift! (click on game&apos;s name)</source>
        <translation>Scegli un regalo! (clic sul nome del gioco)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Christmas tree with gifts</source>
        <translation>Albero di Natale con regali</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Select a gift from under the tree to play game</source>
        <translation>Scegli un regalo sotto l&apos;albero per giocare</translation>
    </message>
</context>
<context>
    <name>TFAbout</name>
    <message>
        <location filename="../shell/About.cpp" line="+49"/>
        <source>Version %1</source>
        <translation>Versione %1</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Christmas Edition</source>
        <translation>Edizione di Natale</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Christmas Zelmo homepage:</source>
        <translation>Sito di Christmas Zelmo:</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>If you have any questions, comments or suggestions about Christmas Zelmo, e-mail author:</source>
        <translation>Per domande, commenti o suggerimenti su Christmas Zelmo, scrivi all&apos;autore:</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Author&apos;s e-mail:</source>
        <translation>E-mail dell&apos;autore:</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Your feedback will be gladly accepted.</source>
        <translation>Ogni tuo parere è il benvenuto.</translation>
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
        <translation>&quot;Che io giochi meglio?&quot;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&quot;Nobody wins&quot;</source>
        <translation>&quot;Non vince nessuno&quot;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&quot;I gave him odds&quot;</source>
        <translation>&quot;Gli ho dato un vantaggio&quot;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&quot;Hmm... Result is nothing.&quot;</source>
        <translation>&quot;Mah... Risultato: niente.&quot;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&quot;The next game will be...&quot;</source>
        <translation>&quot;La prossima partita sarà...&quot;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&quot;I can win all other games too!&quot;</source>
        <translation>&quot;Posso vincere anche tutte le altre!&quot;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&quot;It was a piece of cake!&quot;</source>
        <translation>&quot;È stato un gioco da ragazzi!&quot;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&quot;Remember son: computer cannot beat human&quot;</source>
        <translation>&quot;Ricorda, figliolo: il computer non batte l&apos;uomo&quot;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&quot;Oops! It&apos;s just a bad luck&quot;</source>
        <translation>&quot;Ops! È solo sfortuna&quot;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&quot;I got entangled&quot;</source>
        <translation>&quot;Mi sono impappinato&quot;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&quot;He! Makes! Me! Crazy!!!&quot;</source>
        <translation>&quot;Mi! Fa! Impazzire!!!&quot;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&quot;I can beat him right now&quot;</source>
        <translation>&quot;Posso batterlo anche subito&quot;</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Draw</source>
        <translation>Pareggio</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>You win</source>
        <translation>Hai vinto</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Computer wins</source>
        <translation>Vince il computer</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Game over</source>
        <translation>Fine della partita</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Picture of the result</source>
        <translation>Immagine del risultato</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Play again!</source>
        <translation>Gioca ancora!</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
</context>
<context>
    <name>TFMain</name>
    <message>
        <location filename="../shell/GameCommands.cpp" line="+72"/>
        <source>%1: %2 won, %3 lost, %4 drawn</source>
        <translation>%1: %2 vinte, %3 perse, %4 pari</translation>
    </message>
    <message>
        <location filename="../shell/GameLifecycle.cpp" line="+26"/>
        <source>End current game?</source>
        <translation>Terminare la partita in corso?</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Click a gift from under the Christmas Tree to start playing</source>
        <translation>Fai clic su un regalo sotto l&apos;albero di Natale per cominciare a giocare</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>%1 - %2</source>
        <translation>%1 - %2</translation>
    </message>
    <message>
        <location filename="../shell/HelpCommands.cpp" line="+40"/>
        <source>Could not initialize HTML Help. Make sure you have Microsoft Internet Explorer 4.0 or greater installed</source>
        <translation>Impossibile avviare la Guida HTML. Verifica di avere installato Microsoft Internet Explorer 4.0 o successivo</translation>
    </message>
    <message>
        <location filename="../shell/UMain.cpp" line="+114"/>
        <source>Game has received a WM_GAMEDESTROYED! Please report to author about this message</source>
        <translation>Il gioco ha ricevuto un WM_GAMEDESTROYED! Segnala questo messaggio all&apos;autore</translation>
    </message>
</context>
<context>
    <name>TFPrefs</name>
    <message>
        <location filename="../shell/Prefs.cpp" line="+27"/>
        <location filename="../shell/PrefsPages.cpp" line="+67"/>
        <source>Candy Canes</source>
        <translation>Bastoncini di zucchero</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Rabbit</source>
        <translation>Coniglio</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cone</source>
        <translation>Pigna</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Elf Doll</source>
        <translation>Bambola elfo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Gingerbread House</source>
        <translation>Casa di pan di zenzero</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../shell/PrefsPages.cpp" line="-1"/>
        <source>Bells</source>
        <translation>Campane</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Chocolate Santa</source>
        <translation>Babbo Natale al cacao</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Candles</source>
        <translation>Candele</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Young Fir</source>
        <translation>Abete giovane</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Santa Claus</source>
        <translation>Babbo Natale</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Elf With Gift</source>
        <translation>Elfo con regalo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Christmas Tree</source>
        <translation>Albero di Natale</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ice Sculpture</source>
        <translation>Scultura di ghiaccio</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Snow-plough</source>
        <translation>Spazzaneve</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Zelmo Preferences</source>
        <translation>Preferenze di Zelmo</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;General</source>
        <translation>&amp;Generale</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Backs</source>
        <translation>&amp;Dorsi</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>B&amp;ackgrounds</source>
        <translation>&amp;Sfondi</translation>
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
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Invalid data type for &apos;%1&apos;</source>
        <translation>Tipo di dato non valido per &apos;%1&apos;</translation>
    </message>
    <message>
        <location filename="../shell/Prefs.h" line="+52"/>
        <source>Could not load picture</source>
        <translation>Impossibile caricare l&apos;immagine</translation>
    </message>
    <message>
        <location filename="../shell/PrefsPages.cpp" line="-41"/>
        <source>All Images (*.png;*.pcx;*.jpg;*.jpeg;*.bmp;*.emf;*.wmf)|*.png;*.pcx;*.jpg;*.jpeg;*.bmp;*.emf;*.wmf|Portable Graphics Network (*.png)|*.png|PCX Image (*.pcx)|*.pcx|ANI Image (*.ani)|*.ani|JPEG Image (*.jpeg;*.jpg)|*.jpeg;*.jpg</source>
        <translation>Tutte le immagini (*.png;*.pcx;*.jpg;*.jpeg;*.bmp;*.emf;*.wmf)|*.png;*.pcx;*.jpg;*.jpeg;*.bmp;*.emf;*.wmf|Immagine PNG (*.png)|*.png|Immagine PCX (*.pcx)|*.pcx|Immagine ANI (*.ani)|*.ani|Immagine JPEG (*.jpeg;*.jpg)|*.jpeg;*.jpg</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>Solid color</source>
        <translation>Tinta unita</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Gradient</source>
        <translation>Sfumatura</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Horizontal</source>
        <translation>Orizzontale</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Vertical</source>
        <translation>Verticale</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Elliptic</source>
        <translation>Ellittica</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Rectangular</source>
        <translation>Rettangolare</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bitmap</source>
        <translation>Immagine</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Gifts</source>
        <translation>Regali</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Snowflakes 1</source>
        <translation>Fiocchi di neve 1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Snow</source>
        <translation>Neve</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Snowflakes 2</source>
        <translation>Fiocchi di neve 2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Custom...</source>
        <translation>Altra immagine...</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Toolbar </source>
        <translation>Barra strumenti </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Show toolbar</source>
        <translation>Mostra barra</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Show toolbar in main window</source>
        <translation>Mostra la barra degli strumenti nella finestra principale</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Flat buttons</source>
        <translation>Pulsanti piatti</translation>
    </message>
    <message>
        <location line="+3"/>
        <source> Card animation </source>
        <translation> Animazione carte </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Much accelerated</source>
        <translation>Molto accelerato</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Acceleration</source>
        <translation>Accelerato</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Steady</source>
        <translation>Costante</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Deceleration</source>
        <translation>Rallentato</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Much decelerated</source>
        <translation>Molto rallentato</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>The vertical line.
This hint is a kind of easter egg that does nothing.</source>
        <translation>La linea verticale.
Questo suggerimento è una sorta di sorpresa che non fa nulla.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Animation time:</source>
        <translation>Durata:</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>%1 msec</source>
        <translation>%1 ms</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Table size </source>
        <translation>Dimensioni tavolo </translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The table resizes at once; menus, dialogs and a new language at the next start.</source>
        <translation>Il tavolo cambia subito; menu, finestre e lingua dal prossimo avvio.</translation>
    </message>
    <message>
        <location filename="../shell/TableSize.cpp" line="+32"/>
        <source>Fit to window</source>
        <translation>Alla finestra</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 %</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <location filename="../shell/PrefsPages.cpp" line="-2"/>
        <source>Show the whole game larger</source>
        <translation>Mostra tutto il gioco più grande</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Language:</source>
        <translation>Lingua:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>System language</source>
        <translation>Lingua di sistema</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Draw frame</source>
        <translation>Con cornice</translation>
    </message>
    <message>
        <location line="+43"/>
        <source>Select board color:</source>
        <translation>Colore del tavolo:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Click here</source>
        <translation>Fai clic qui</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Start color</source>
        <translation>Iniziale</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>End color</source>
        <translation>Finale</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+1"/>
        <source>Click...</source>
        <translation>Clic...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Swap colors</source>
        <translation>Inverti</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Stretch</source>
        <translation>Allunga</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tile</source>
        <translation>Affianca</translation>
    </message>
    <message>
        <location line="+14"/>
        <source> Computer player </source>
        <translation> Il tuo avversario </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Classic</source>
        <translation>Classico</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Plays by fixed rules, as the hint does</source>
        <translation>Gioca con regole fisse, come il suggerimento</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Strong</source>
        <translation>Forte</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Thinks ahead from what it has seen, never from your cards</source>
        <translation>Pensa in anticipo da ciò che ha visto, mai dalle tue carte</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>A change counts from the next game on.</source>
        <translation>Le modifiche valgono dalla prossima partita.</translation>
    </message>
</context>
<context>
    <name>TFStatistics</name>
    <message>
        <location filename="../shell/Statistics.cpp" line="+22"/>
        <source>Played</source>
        <translation>Giocate</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Won</source>
        <translation>Vinte</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lost</source>
        <translation>Perse</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Drawn</source>
        <translation>Pari</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Abandoned</source>
        <translation>Abbandonate</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Won %</source>
        <translation>% vinte</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Streak</source>
        <translation>Serie</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Longest wins</source>
        <translation>Miglior serie</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Longest losses</source>
        <translation>Peggior serie</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>%1 won</source>
        <translation>%1 vinte</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 lost</source>
        <translation>%1 perse</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Statistics</source>
        <translation>Statistiche</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>&amp;Reset</source>
        <translation>&amp;Azzera</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Close</source>
        <translation>&amp;Chiudi</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Against the classic CPU</source>
        <translation>Contro la CPU classica</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Against the strong CPU</source>
        <translation>Contro la CPU forte</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Total</source>
        <translation>Totale</translation>
    </message>
    <message>
        <location line="+55"/>
        <source>Reset the statistics of all games?</source>
        <translation>Azzerare le statistiche di tutti i giochi?</translation>
    </message>
</context>
<context>
    <name>TFileEdit</name>
    <message>
        <location filename="../shell/FileEdit.cpp" line="+21"/>
        <source>Browse</source>
        <translation>Sfoglia</translation>
    </message>
</context>
<context>
    <name>TGameKinds</name>
    <message>
        <location filename="../shell/GameKinds.cpp" line="+16"/>
        <source>Mover</source>
        <translation>Passamano</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Heap</source>
        <translation>Mucchio</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Round</source>
        <translation>Girotondo</translation>
    </message>
</context>
<context>
    <name>TGameTally</name>
    <message>
        <location filename="../shell/GameTally.cpp" line="+80"/>
        <source>%1 (strong CPU)</source>
        <translation>%1 (CPU forte)</translation>
    </message>
</context>
<context>
    <name>THelpBrowser</name>
    <message>
        <location filename="../shell/HelpWindow.cpp" line="+94"/>
        <source>The help file %1 could not be found.</source>
        <translation>Impossibile trovare il file della guida %1.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The help file %1 is empty.</source>
        <translation>Il file della guida %1 è vuoto.</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>The help file %1 is damaged and cannot be read.</source>
        <translation>Il file della guida %1 è danneggiato e non si può leggere.</translation>
    </message>
    <message>
        <location line="-14"/>
        <source>The help file %1 does not name a start page.</source>
        <translation>Il file della guida %1 non indica una pagina iniziale.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The page %1 is not in the help file %2.</source>
        <translation>La pagina %1 non è nel file della guida %2.</translation>
    </message>
</context>
<context>
    <name>THelpWindow</name>
    <message>
        <location line="+51"/>
        <source>%1 Help</source>
        <translation>Guida di %1</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Navigation</source>
        <translation>Navigazione</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Back</source>
        <translation>Indietro</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Forward</source>
        <translation>Avanti</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+11"/>
        <source>Contents</source>
        <translation>Sommario</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Type a word to find</source>
        <translation>Scrivi una parola da cercare</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Index</source>
        <translation>Indice</translation>
    </message>
</context>
<context>
    <name>THtmlHelp</name>
    <message>
        <location filename="../shell/Help.cpp" line="+64"/>
        <source>Warning</source>
        <translation>Attenzione</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>MS Html Help is not installed on this PC.</source>
        <translation>MS Html Help non è installato su questo PC.</translation>
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
        <translation>&amp;Gioca</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Play: select a game to play or exit</source>
        <translation>Gioca: scegli un gioco o esci</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Mover</source>
        <translation>&amp;Passamano</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Play &quot;mover&quot; zelmo</source>
        <translation>Gioca a Passamano</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Heap</source>
        <translation>&amp;Mucchio</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Play &quot;heap&quot; zelmo</source>
        <translation>Gioca a Mucchio</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Round</source>
        <translation>&amp;Girotondo</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Play &quot;round&quot; zelmo</source>
        <translation>Gioca a Girotondo</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Random &amp;Game</source>
        <translation>Partita a &amp;caso</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Play random game</source>
        <translation>Gioca una partita a caso</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;End game</source>
        <translation>&amp;Termina partita</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>End current game</source>
        <translation>Termina la partita in corso</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>E&amp;xit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Exit game</source>
        <translation>Esci dal gioco</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Game</source>
        <translation>&amp;Partita</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Game: game options</source>
        <translation>Partita: opzioni di gioco</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Hint</source>
        <translation>&amp;Suggerimento</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Suggest a next move (it may be not the best)</source>
        <translation>Suggerisce una mossa (forse non la migliore)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Autoplay</source>
        <translation>&amp;Gioco automatico</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Let computer play for you</source>
        <translation>Il computer gioca al posto tuo</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Statistics...</source>
        <translation>S&amp;tatistiche...</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Show how your games have gone so far</source>
        <translation>Mostra come sono andate le tue partite</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Full screen</source>
        <translation>Schermo &amp;intero</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Show the table on the whole screen</source>
        <translation>Mostra il tavolo a schermo intero</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Preferences...</source>
        <translation>&amp;Preferenze...</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Customize game</source>
        <translation>Personalizza il gioco</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Help: the stuff to read</source>
        <translation>Aiuto: cose da leggere</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Rules</source>
        <translation>&amp;Regole</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Read game rules</source>
        <translation>Leggi le regole del gioco</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Contents</source>
        <translation>&amp;Sommario</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Show help contents</source>
        <translation>Mostra il sommario della guida</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Christmas Zelmo homepage</source>
        <translation>Sito di Christmas &amp;Zelmo</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Go to Christmas Zelmo homepage!</source>
        <translation>Visita il sito di Christmas Zelmo!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;About...</source>
        <translation>&amp;Informazioni...</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>About this game</source>
        <translation>Informazioni su questo gioco</translation>
    </message>
</context>
<context>
    <name>TMainToolBar</name>
    <message>
        <location filename="../shell/MainToolBar.cpp" line="+17"/>
        <source>Play</source>
        <translation>Gioca</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Press this button for random play or select game from drop-down menu</source>
        <translation>Premi per una partita a caso o scegli un gioco dal menu a discesa</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Hint</source>
        <translation>Suggerimento</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Suggest the next move (it may be not the best)</source>
        <translation>Suggerisce la prossima mossa (forse non la migliore)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Autoplay</source>
        <translation>Gioco automatico</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Let computer play for you</source>
        <translation>Il computer gioca al posto tuo</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Rules</source>
        <translation>Regole</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Read game rules</source>
        <translation>Leggi le regole del gioco</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Exit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>&amp;Mover</source>
        <translation>&amp;Passamano</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Heap</source>
        <translation>&amp;Mucchio</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Round</source>
        <translation>&amp;Girotondo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>R&amp;andom</source>
        <translation>A &amp;caso</translation>
    </message>
</context>
<context>
    <name>TVariantGame</name>
    <message>
        <location filename="../games/common/BoutStates.cpp" line="+15"/>
        <location filename="../games/heap/HeapStates.cpp" line="+53"/>
        <source>CPU plays %1</source>
        <translation>La CPU gioca %1</translation>
    </message>
    <message>
        <location line="+61"/>
        <location filename="../games/heap/HeapStates.cpp" line="-3"/>
        <source>CPU beats %1 with %2</source>
        <translation>La CPU batte %1 con %2</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>CPU takes the table</source>
        <translation>La CPU raccoglie il tavolo</translation>
    </message>
    <message>
        <location filename="../games/common/VariantAttacks.cpp" line="+49"/>
        <source>The same position came round three times: a draw.</source>
        <translation>La stessa posizione si è ripetuta tre volte: pareggio.</translation>
    </message>
    <message numerus="yes">
        <location filename="../games/heap/HeapStates.cpp" line="+17"/>
        <source>CPU takes %n cards</source>
        <translation>
            <numerusform>La CPU raccoglie %n carta</numerusform>
            <numerusform>La CPU raccoglie %n carte</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../games/round/RoundCircle.cpp" line="+40"/>
        <source>CPU gets the rest of the circle</source>
        <translation>La CPU prende il resto del cerchio</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>CPU captures %1 with %2</source>
        <translation>La CPU prende %1 con %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>CPU puts %1 into the circle</source>
        <translation>La CPU mette %1 nel cerchio</translation>
    </message>
    <message>
        <location filename="../games/common/BoutGame.cpp" line="+8"/>
        <source>Waiting until CPU moves</source>
        <translation>In attesa della mossa della CPU</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../games/heap/HeapZelmo.cpp" line="+13"/>
        <source>Waiting until CPU defends</source>
        <translation>In attesa della difesa della CPU</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Waiting until CPU throws more</source>
        <translation>In attesa che la CPU aggiunga carte</translation>
    </message>
    <message>
        <location filename="../games/common/BoutGame.h" line="+9"/>
        <source>Click your card to throw more, click right mouse button if that&apos;s it</source>
        <translation>Fai clic su una tua carta per aggiungerla, o clic destro per finire</translation>
    </message>
    <message>
        <location filename="../games/common/VariantGame.cpp" line="+227"/>
        <source>CPU&apos;s hand</source>
        <translation>mano della CPU</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>your hand</source>
        <translation>la tua mano</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>deck</source>
        <translation>mazzo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>table</source>
        <translation>tavolo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>discard pile</source>
        <translation>scarti</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>circle</source>
        <translation>cerchio</translation>
    </message>
    <message>
        <location filename="../games/heap/HeapZelmo.cpp" line="-5"/>
        <source>Click on your card to make move</source>
        <translation>Fai clic su una tua carta per giocare</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Wait until CPU moves</source>
        <translation>Attendi la mossa della CPU</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Click on your card to defend, click table card to take</source>
        <translation>Fai clic su una tua carta per difenderti, su una del tavolo per raccogliere</translation>
    </message>
    <message>
        <location filename="../games/mover/MoverZelmo.cpp" line="+8"/>
        <source>Click your card to move</source>
        <translation>Fai clic su una tua carta per attaccare</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Click your card to defend, click table card to take, make move with right mouse button to avoid moving table</source>
        <translation>Fai clic su una tua carta per difenderti, su una del tavolo per raccogliere; col tasto destro non passi il tavolo</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>You are moving the table</source>
        <translation>Stai passando il tavolo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>CPU is moving the table</source>
        <translation>La CPU sta passando il tavolo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>CPU throws more</source>
        <translation>La CPU aggiunge carte</translation>
    </message>
    <message>
        <location filename="../games/round/RoundZelmo.cpp" line="+26"/>
        <source>Click your card to make move</source>
        <translation>Fai clic su una tua carta per giocare</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Click your card to defend, click table card to take</source>
        <translation>Fai clic su una tua carta per difenderti, su una del tavolo per raccogliere</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>CPU gives you more</source>
        <translation>La CPU ti dà altre carte</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>CPU has taken, so throw him more, right click if ok</source>
        <translation>La CPU ha raccolto: dalle altre carte, o clic destro per finire</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Select a card in the circle and beat it with top card in the deck to get them</source>
        <translation>Scegli una carta del cerchio e battila con la carta in cima al mazzo per prenderle</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Wait until CPU beats</source>
        <translation>Attendi la presa della CPU</translation>
    </message>
</context>
</TS>
